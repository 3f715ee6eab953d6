#include "JbzlUnit.h"

#include "Reopen.h"
#include "Schema.h"

TJbzlForm::TJbzlForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("基本资料"));
    store::reopen(ADOConnection1, {{&ADOQuery1, store::Statement::table(store::Tables::Company)}});
}
