#include "Statement.h"

#include "Schema.h"
#include "StoreError.h"

namespace store {
namespace {

const TableDef& knownTable(const QString& table) {
    const TableDef* def = tableDef(table);
    if (!def) throw Error(QStringLiteral("Unknown table '%1'").arg(table));
    return *def;
}

}  // namespace

Statement Statement::table(const QString& table) {
    const TableDef& def = knownTable(table);
    return Statement(def.name, QStringLiteral("select rowid, * from ") + def.name, true);
}

Statement Statement::containing(const QString& table, const QString& column, const QString& text) {
    const TableDef& def = knownTable(table);
    const ColumnDef* col = def.column(column);
    if (!col) throw Error(QStringLiteral("Unknown column '%1' in '%2'").arg(column, table));
    return Statement(def.name,
                     QStringLiteral("select rowid, * from %1 where %2 like ?").arg(def.name, col->name),
                     true, {QStringLiteral("%") + text + QStringLiteral("%")});
}

Statement Statement::emptyOf(const QString& table) {
    const TableDef& def = knownTable(table);
    return Statement(def.name, QStringLiteral("select rowid, * from %1 where 0").arg(def.name), true);
}

Statement Statement::distinctCustomers() {
    return Statement(Tables::Sales, QStringLiteral("Select Distinct 客户姓名 From 表3"), false);
}

}  // namespace store
