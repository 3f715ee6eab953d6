#include "TempStore.h"

#include <sqlcipher/sqlite3.h>

#include <QDir>
#include <stdexcept>

#include "Connection.h"
#include "Schema.h"

namespace {

struct Db {
    store::Connection conn;
    explicit Db(const QString& path) {
        conn.setConnectionString(store::Connection::connectionStringFor(path));
        conn.open();
    }
};

}  // namespace

TempStore::TempStore() : m_previousDir(QDir::currentPath()) {
    if (!m_dir.isValid()) throw std::runtime_error("no temporary folder");
    store::Connection::createFile(dbPath());
    Db db(dbPath());
    for (const store::TableDef& t : store::schema()) db.conn.exec(store::createTableSql(t));
    QDir::setCurrent(m_dir.path());
}

TempStore::~TempStore() { QDir::setCurrent(m_previousDir); }

qint64 TempStore::insert(const QString& table, const QMap<QString, QVariant>& values) {
    Db db(dbPath());
    QStringList names, marks;
    for (auto it = values.begin(); it != values.end(); ++it) {
        names << it.key();
        marks << QStringLiteral("?");
    }
    const QString sql = names.isEmpty()
                            ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table)
                            : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                  .arg(table, names.join(u','), marks.join(u','));
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare16_v2(db.conn.handle(), sql.utf16(), -1, &st, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db.conn.handle()));
    int i = 1;
    for (const QVariant& v : values) {
        if (!v.isValid())
            sqlite3_bind_null(st, i);
        else if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Int)
            sqlite3_bind_double(st, i, v.toDouble());
        else {
            const QString s = v.toString();
            sqlite3_bind_text16(st, i, s.utf16(), int(s.size() * 2), SQLITE_TRANSIENT);
        }
        ++i;
    }
    const int rc = sqlite3_step(st);
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(db.conn.handle()));
    return sqlite3_last_insert_rowid(db.conn.handle());
}

qint64 TempStore::insertGoods(const QString& code, const QString& name, double price,
                              double quantity, const QMap<QString, QVariant>& more) {
    QMap<QString, QVariant> v{{QStringLiteral("商品编码"), code},
                              {QStringLiteral("商品名称"), name},
                              {QStringLiteral("商品型号"), QString()},
                              {QStringLiteral("商品规格"), QString()},
                              {QStringLiteral("单位"), QString()},
                              {QStringLiteral("进货单价"), price},
                              {QStringLiteral("进货数量"), quantity},
                              {QStringLiteral("进货金额"), price * quantity},
                              {QStringLiteral("销售单价"), 0.0},
                              {QStringLiteral("销售数量"), 0.0},
                              {QStringLiteral("销售金额"), 0.0},
                              {QStringLiteral("销售利润"), 0.0},
                              {QStringLiteral("库存数量"), quantity},
                              {QStringLiteral("库存金额"), price * quantity},
                              {QStringLiteral("供货单位"), QString()},
                              {QStringLiteral("联系人"), QString()},
                              {QStringLiteral("联系电话"), QString()},
                              {QStringLiteral("详细地址"), QString()},
                              {QStringLiteral("备注"), QString()}};
    for (auto it = more.begin(); it != more.end(); ++it) v[it.key()] = it.value();
    return insert(QStringLiteral("表1"), v);
}

QVariant TempStore::cell(const QString& table, qint64 id, const QString& column) const {
    Db db(dbPath());
    const QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?").arg(column, table);
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare16_v2(db.conn.handle(), sql.utf16(), -1, &st, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db.conn.handle()));
    sqlite3_bind_int64(st, 1, id);
    QVariant out;
    if (sqlite3_step(st) == SQLITE_ROW) {
        switch (sqlite3_column_type(st, 0)) {
            case SQLITE_NULL: break;
            case SQLITE_INTEGER:
            case SQLITE_FLOAT: out = sqlite3_column_double(st, 0); break;
            default:
                out = QString::fromUtf16(static_cast<const char16_t*>(sqlite3_column_text16(st, 0)));
        }
    } else {
        out = QStringLiteral("<no row>");
    }
    sqlite3_finalize(st);
    return out;
}

int TempStore::count(const QString& table) const {
    Db db(dbPath());
    sqlite3_stmt* st = nullptr;
    const QString sql = QStringLiteral("SELECT count(*) FROM %1").arg(table);
    sqlite3_prepare16_v2(db.conn.handle(), sql.utf16(), -1, &st, nullptr);
    int n = sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_int(st, 0) : -1;
    sqlite3_finalize(st);
    return n;
}

void TempStore::exec(const QString& sql) const {
    Db db(dbPath());
    db.conn.exec(sql);
}
