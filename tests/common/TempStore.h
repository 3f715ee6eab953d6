#pragma once

#include <QMap>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>

// A fresh data.mdb with the five tables in a temporary folder that is also
// the working directory while the fixture lives.
class TempStore {
public:
    TempStore();
    ~TempStore();
    TempStore(const TempStore&) = delete;
    TempStore& operator=(const TempStore&) = delete;

    QString dir() const { return m_dir.path(); }
    QString dbPath() const { return m_dir.path() + QStringLiteral("/data.mdb"); }

    // Adds a row through a separate connection; values are column -> text
    // (an invalid QVariant stores null). Returns the row's ID (or rowid).
    qint64 insert(const QString& table, const QMap<QString, QVariant>& values);
    // A goods record as an add makes it: price, quantity and the derived columns.
    qint64 insertGoods(const QString& code, const QString& name, double price, double quantity,
                       const QMap<QString, QVariant>& more = {});

    // Reads one column of one row (by ID/rowid) straight from the file, as
    // the engine holds it: a QString, a double, or an invalid QVariant for null.
    QVariant cell(const QString& table, qint64 id, const QString& column) const;
    int count(const QString& table) const;
    // Runs SQL straight on the file (for setting up awkward cases).
    void exec(const QString& sql) const;

private:
    QTemporaryDir m_dir;
    QString m_previousDir;
};
