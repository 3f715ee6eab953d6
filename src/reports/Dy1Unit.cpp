#include "Dy1Unit.h"

#include "Schema.h"

TDy1Form::TDy1Form(QWidget* parent) : ReportHolder(store::Tables::Goods, parent) {
    setObjectName(QStringLiteral("Dy1Form"));
    FormCreate();
}
