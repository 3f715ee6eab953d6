#pragma once

#include <QString>
#include <QStringList>

namespace store {

// A select statement a dataset runs. All SQL text of the program is made
// here from fixed table and column names; a user's search text only ever
// travels as a bound parameter.
class Statement {
public:
    Statement() = default;

    // "select * from <table>"
    static Statement table(const QString& table);
    // The rows of <table> whose <column> contains <text> anywhere. "%" and "_"
    // in the text keep their wildcard meaning; quotes are ordinary characters.
    static Statement containing(const QString& table, const QString& column, const QString& text);
    // No rows of <table>, with its columns: a target to append to without
    // loading the table.
    static Statement emptyOf(const QString& table);
    // "Select Distinct 客户姓名 From 表3"
    static Statement distinctCustomers();

    bool isEmpty() const { return m_sql.isEmpty(); }
    const QString& sql() const { return m_sql; }
    const QString& tableName() const { return m_table; }
    const QStringList& parameters() const { return m_parameters; }
    // The first result column is the row key (rowid), kept out of the columns.
    bool keyed() const { return m_keyed; }

    bool operator==(const Statement&) const = default;

private:
    Statement(QString table, QString sql, bool keyed, QStringList parameters = {})
        : m_table(std::move(table)),
          m_sql(std::move(sql)),
          m_parameters(std::move(parameters)),
          m_keyed(keyed) {}

    QString m_table;
    QString m_sql;
    QStringList m_parameters;
    bool m_keyed = false;
};

}  // namespace store
