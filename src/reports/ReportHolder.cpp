#include "ReportHolder.h"

#include "Reopen.h"

ReportHolder::ReportHolder(const QString& table, QWidget* parent)
    : QWidget(parent), ADODataSet1(ADOConnection1, store::Statement::table(table)) {
    setWindowTitle(QStringLiteral("打印预览"));
}

void ReportHolder::FormCreate() {
    store::reconnect(ADOConnection1, ADODataSet1);
}
