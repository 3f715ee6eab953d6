#include <gtest/gtest.h>
#include <sqlcipher/sqlite3.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <functional>

#include "Connection.h"
#include "Dataset.h"
#include "Reopen.h"
#include "Schema.h"
#include "StoreTestUtil.h"
#include "TempStore.h"

using store::Connection;

namespace {

// A database with the five tables and one goods record carrying `code`.
void makeDatabase(const QString& path, const QString& code) {
    Connection::createFile(path);
    Connection c;
    c.setConnectionString(Connection::connectionStringFor(path));
    for (const store::TableDef& t : store::schema()) c.exec(store::createTableSql(t));
    Dataset ds(c, Statement::table(Goods));
    ds.open();
    ds.append();
    ds.setText(kCode, code);
    ds.post();
}

// An SQLCipher file of the same layout keyed with `key` (empty: a plain
// SQLite file).
void makeForeignDatabase(const QString& path, const char* key) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(path.toUtf8().constData(), &db,
                              SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr),
              SQLITE_OK);
    std::string sql;
    if (*key) sql = std::string("PRAGMA key = '") + key + "'; PRAGMA cipher_page_size = 4096;";
    sql +=
        "PRAGMA encoding = 'UTF-16le'; CREATE TABLE 表1 (ID INTEGER PRIMARY KEY, 商品编码 TEXT);"
        "INSERT INTO 表1 (商品编码) VALUES ('A');";
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK)
        << sqlite3_errmsg(db);
    sqlite3_close(db);
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray fileHash(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return "<missing>";
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

}  // namespace

// Every file that is not this program's database fails at open, naming the
// file, and is left exactly as it was (a missing one is not created).
TEST(Connection, RefusesWhatIsNotItsDatabase) {
    QTemporaryDir tmp;
    const QString dir = tmp.path() + QStringLiteral("/数据 目录");
    ASSERT_TRUE(QDir().mkpath(dir));
    const QString notADatabase = QStringLiteral(": file is encrypted or is not a database");
    const QString cannotOpen = QStringLiteral(": unable to open database file");
    QByteArray random(8192, '\0');
    QRandomGenerator gen(20240305);
    for (char& b : random) b = char(gen.bounded(256));

    struct Case {
        const char* name;
        std::function<void(const QString&)> make;
        QString ending;
    } cases[] = {
        {"wrong-password.mdb", [](const QString& p) { makeForeignDatabase(p, "123456"); },
         notADatabase},
        {"plain-sqlite.mdb", [](const QString& p) { makeForeignDatabase(p, ""); }, notADatabase},
        {"random.mdb", [&](const QString& p) { writeFile(p, random); }, notADatabase},
        {"文本.mdb",
         [](const QString& p) { writeFile(p, QString(200, u'岚').toUtf8() + "\nplain text\n"); },
         notADatabase},
        {"short.mdb", [](const QString& p) { writeFile(p, "data\n"); }, notADatabase},
        {"empty.mdb", [](const QString& p) { writeFile(p, {}); }, notADatabase},
        {"missing.mdb", [](const QString&) {}, cannotOpen},
        {"folder.mdb", [](const QString& p) { QDir().mkpath(p); }, cannotOpen},
    };
    for (const Case& k : cases) {
        const QString path = dir + u'/' + QString::fromUtf8(k.name);
        SCOPED_TRACE(k.name);
        k.make(path);
        const QByteArray before = fileHash(path);
        const QString expected =
            QStringLiteral("Could not open database file '%1'").arg(path) + k.ending;

        Connection c;
        c.setConnectionString(Connection::connectionStringFor(path));
        EXPECT_EQ(storeErrorOf([&] { c.open(); }), expected);
        EXPECT_FALSE(c.isOpen());
        // A dataset opening its connection fails the same way and stays closed.
        Dataset ds(c, Statement::table(Goods));
        EXPECT_EQ(storeErrorOf([&] { ds.open(); }), expected);
        EXPECT_FALSE(ds.isOpen());
        EXPECT_EQ(fileHash(path), before);
    }
    // The same file opens with its own key: the refusal above was the key's.
    makeDatabase(dir + QStringLiteral("/data.mdb"), QStringLiteral("A"));
    Connection c;
    c.setConnectionString(Connection::connectionStringFor(dir + QStringLiteral("/data.mdb")));
    EXPECT_NO_THROW(c.open());
}

TEST(Connection, RuntimeConnectionStringNamesDataMdbInTheFolder) {
    const QString prefix =
        QStringLiteral("Provider=SQLCipher;Database Password=\"315846092733\";Data Source=");
    const QString suffix = QStringLiteral(";Persist Security Info=True");
    struct {
        QString dir, source, text;
    } cases[] = {
        {QStringLiteral("/home/店主/岚桐"), QStringLiteral("/home/店主/岚桐/data.mdb"),
         QStringLiteral("/home/店主/岚桐/data.mdb")},
        {QStringLiteral("/home/店主/岚桐/"), QStringLiteral("/home/店主/岚桐/data.mdb"),
         QStringLiteral("/home/店主/岚桐/data.mdb")},
        {QStringLiteral("/"), QStringLiteral("/data.mdb"), QStringLiteral("/data.mdb")},
        {QStringLiteral("/srv/My Shop"), QStringLiteral("/srv/My Shop/data.mdb"),
         QStringLiteral("/srv/My Shop/data.mdb")},
        // A folder name may hold the separator and quotes: the value is quoted.
        {QStringLiteral("/srv/a;b"), QStringLiteral("/srv/a;b/data.mdb"),
         QStringLiteral("\"/srv/a;b/data.mdb\"")},
        {QStringLiteral("/srv/\"x\";y"), QStringLiteral("/srv/\"x\";y/data.mdb"),
         QStringLiteral("\"/srv/\"\"x\"\";y/data.mdb\"")},
    };
    for (const auto& k : cases) {
        const QString s = Connection::runtimeConnectionString(k.dir);
        EXPECT_EQ(s, prefix + k.text + suffix);
        EXPECT_EQ(Connection::dataSource(s), k.source);
        EXPECT_EQ(Connection::password(s), QStringLiteral("315846092733"));
    }
    EXPECT_EQ(Connection::currentConnectionString(),
              Connection::runtimeConnectionString(QDir::currentPath()));
    // The creation-time string names the file relatively.
    Connection c;
    EXPECT_EQ(Connection::dataSource(c.connectionString()), QStringLiteral("data.mdb"));
    EXPECT_EQ(Connection::password(c.connectionString()), Connection::databasePassword());
}

// The working directory of the moment decides which file every reload opens.
TEST(Connection, ReopenFollowsTheWorkingDirectory) {
    TempStore ts;
    ts.insertGoods(QStringLiteral("FIRST"), QString(), 1, 1);
    QTemporaryDir other;
    const QString second = other.path() + QStringLiteral("/分店;二");
    const QString empty = other.path() + QStringLiteral("/空");
    ASSERT_TRUE(QDir().mkpath(second));
    ASSERT_TRUE(QDir().mkpath(empty));
    makeDatabase(second + QStringLiteral("/data.mdb"), QStringLiteral("SECOND"));

    Connection c;
    Dataset ds(c, Statement::table(Goods));
    Dataset search(c, Statement::containing(Goods, kCode, QStringLiteral("S")));
    ds.open();  // the creation-time string: data.mdb here
    EXPECT_EQ(columnTexts(ds, kCode), QStringList{"FIRST"});

    ASSERT_TRUE(QDir::setCurrent(second));
    EXPECT_EQ(columnTexts(ds, kCode), QStringList{"FIRST"}) << "nothing moves before a reload";
    store::reopen(c, {{&ds, Statement::table(Goods)}});
    EXPECT_EQ(columnTexts(ds, kCode), QStringList{"SECOND"});
    EXPECT_EQ(c.filePath(), second + QStringLiteral("/data.mdb"));
    EXPECT_TRUE(c.isOpen());
    EXPECT_FALSE(search.isOpen()) << "a dataset not listed is left alone";
    store::reconnect(c, search);
    EXPECT_EQ(columnTexts(search, kCode), QStringList{"SECOND"});

    // No data.mdb here: the cycle fails naming the file and leaves both closed.
    ASSERT_TRUE(QDir::setCurrent(empty));
    EXPECT_EQ(
        storeErrorOf([&] {
            store::reopen(c, {{&ds, Statement::table(Goods)}});
        }),
        QStringLiteral("Could not open database file '%1/data.mdb': unable to open database file")
            .arg(empty));
    EXPECT_FALSE(c.isOpen());
    EXPECT_FALSE(ds.isOpen());
    EXPECT_FALSE(QFile::exists(empty + QStringLiteral("/data.mdb")));

    ASSERT_TRUE(QDir::setCurrent(ts.dir()));
    store::reopen(c, {{&ds, Statement::table(Goods)}});
    EXPECT_EQ(columnTexts(ds, kCode), QStringList{"FIRST"});
    EXPECT_EQ(c.filePath(), ts.dbPath());
}

// Each window's snapshot shows another window's writes only after a reload.
TEST(Connection, TwoConnectionsSeeEachOtherAfterReload) {
    TempStore ts;
    const qint64 id = ts.insertGoods(QStringLiteral("A"), QStringLiteral("钢笔"), 5, 10);
    Connection main, sales;
    Dataset mainList(main, Statement::table(Goods));
    Dataset salesList(sales, Statement::table(Goods));
    mainList.open();
    salesList.open();

    mainList.append();
    mainList.setText(kCode, QStringLiteral("B"));
    mainList.post();
    salesList.edit();
    salesList.setText(QStringLiteral("库存数量"), QStringLiteral("7"));
    salesList.post();

    EXPECT_EQ(ts.count(Goods), 2);
    EXPECT_EQ(ts.cell(Goods, id, QStringLiteral("库存数量")), QVariant(7.0));
    EXPECT_EQ(salesList.rowCount(), 1) << "the sales window has not reloaded yet";
    EXPECT_EQ(mainList.text(QStringLiteral("库存数量")), QString())
        << "the main list is on its new row";
    mainList.first();
    EXPECT_EQ(mainList.text(QStringLiteral("库存数量")), QStringLiteral("10"));

    store::reopen(sales, {{&salesList, Statement::table(Goods)}});
    store::reopen(main, {{&mainList, Statement::table(Goods)}});
    EXPECT_EQ(columnTexts(salesList, kCode), QStringList({"A", "B"}));
    EXPECT_EQ(mainList.text(QStringLiteral("库存数量")), QStringLiteral("7"));
    EXPECT_EQ(mainList.currentRow(), 1) << "a reload is positioned on the first row";

    // A row in edit when the cycle runs is discarded, not posted.
    mainList.edit();
    mainList.setText(kCode, QStringLiteral("丢弃"));
    store::reopen(main, {{&mainList, Statement::table(Goods)}});
    EXPECT_EQ(mainList.text(kCode), QStringLiteral("A"));
    EXPECT_EQ(ts.cell(Goods, id, kCode).toString(), QStringLiteral("A"));

    // A row the other window deleted cannot be written back.
    ts.exec(QStringLiteral("DELETE FROM 表1 WHERE ID = %1").arg(id));
    salesList.first();
    salesList.edit();
    salesList.setText(QStringLiteral("库存数量"), QStringLiteral("6"));
    EXPECT_EQ(storeErrorOf([&] { salesList.post(); }),
              QStringLiteral("Row cannot be located for updating. Some values may have been "
                             "changed since it was last read."));
    EXPECT_EQ(ts.count(Goods), 1);
    EXPECT_EQ(ts.cell(Goods, id, kCode).toString(), QStringLiteral("<no row>"));
}
