#include "Dy2Unit.h"

#include "Schema.h"

TDy2Form::TDy2Form(QWidget* parent) : ReportHolder(store::Tables::Sales, parent) {
    setObjectName(QStringLiteral("Dy2Form"));
    FormCreate();
}
