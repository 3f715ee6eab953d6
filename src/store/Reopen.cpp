#include "Reopen.h"

#include "Connection.h"
#include "Dataset.h"

namespace store {

void reopen(Connection& connection, std::initializer_list<Reload> datasets) {
    connection.close();
    for (const Reload& r : datasets) r.dataset->close();
    connection.setConnectionString(Connection::currentConnectionString());
    for (const Reload& r : datasets) r.dataset->clearStatement();
    for (const Reload& r : datasets) r.dataset->setStatement(r.statement);
    for (const Reload& r : datasets) r.dataset->open();
    connection.open();
}

void reconnect(Connection& connection, Dataset& dataset) {
    connection.close();
    dataset.close();
    connection.setConnectionString(Connection::currentConnectionString());
    dataset.open();
    connection.open();
}

QString dateTimeText(const QDateTime& value) {
    const QString date = value.date().toString(QStringLiteral("yyyy/M/d"));
    if (value.time() == QTime(0, 0)) return date;
    return date + u' ' + value.time().toString(QStringLiteral("H:mm:ss"));
}

}  // namespace store
