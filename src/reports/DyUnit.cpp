#include "DyUnit.h"

#include "Schema.h"

TDyForm::TDyForm(QWidget* parent) : ReportHolder(store::Tables::Goods, parent) {
    setObjectName(QStringLiteral("DyForm"));
    FormCreate();
}
