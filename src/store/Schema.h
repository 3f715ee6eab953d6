#pragma once

#include <QList>
#include <QString>

// The five tables of data.mdb, their columns, types and text sizes.
namespace store {

enum class ColumnType { AutoNumber, Text, Float };

struct ColumnDef {
    QString name;
    ColumnType type;
    int size = 0;  // characters, for text columns
};

struct TableDef {
    QString name;
    QList<ColumnDef> columns;
    const ColumnDef* column(const QString& name) const;
    bool hasKey() const;  // has the autonumber ID
};

namespace Tables {
inline const QString Goods = QStringLiteral("表1");
inline const QString Company = QStringLiteral("表2");
inline const QString Sales = QStringLiteral("表3");
inline const QString PurchaseExport = QStringLiteral("表4");
inline const QString SalesExport = QStringLiteral("表5");
}  // namespace Tables

const QList<TableDef>& schema();
const TableDef* tableDef(const QString& table);

// The statement that creates a table, for the blank database and test fixtures.
QString createTableSql(const TableDef& table);

}  // namespace store
