#include <gtest/gtest.h>
#include <sqlcipher/sqlite3.h>

#include <QDateTime>
#include <QTemporaryDir>

#include "Connection.h"
#include "Dataset.h"
#include "Reopen.h"
#include "StoreTestUtil.h"
#include "TempStore.h"

namespace {

const QString kClosed = QStringLiteral("Cannot perform this operation on a closed dataset");
const QString kName = QStringLiteral("商品名称");
const QString kPrice = QStringLiteral("进货单价");
const QString kQuantity = QStringLiteral("进货数量");
const QString kRemark = QStringLiteral("备注");

// A fixture row per code, in insertion order.
void addGoods(TempStore& ts, std::initializer_list<const char*> codes) {
    for (const char* code : codes) ts.insertGoods(u8(code), u8(code) + QStringLiteral("名"), 1, 1);
}

}  // namespace

TEST(Dataset, ClosedDatasetRefusesCountAndPosition) {
    TempStore ts;
    store::Connection c;
    Dataset ds(c, Statement::table(Goods));
    EXPECT_EQ(storeErrorOf([&] { ds.rowCount(); }), kClosed);
    EXPECT_EQ(storeErrorOf([&] { ds.currentRow(); }), kClosed);
    EXPECT_EQ(storeErrorOf([&] { ds.first(); }), kClosed);
    EXPECT_EQ(storeErrorOf([&] { ds.edit(); }), kClosed);
    ds.close();  // closing a closed dataset does nothing
    ds.open();
    EXPECT_TRUE(c.isOpen()) << "opening a dataset opens its connection";
    EXPECT_EQ(ds.rowCount(), 0);
    ds.close();
    ds.close();
    EXPECT_EQ(storeErrorOf([&] { ds.rowCount(); }), kClosed);
    EXPECT_EQ(storeErrorOf([&] { Dataset(c).open(); }), QStringLiteral("No SQL statement"));
}

TEST(Dataset, EmptyResultHasNoCurrentRow) {
    TempStore ts;
    store::Connection c;
    Dataset ds(c, Statement::table(Goods));
    ds.open();
    EXPECT_EQ(ds.currentRow(), -1);
    EXPECT_TRUE(ds.atEnd());
    EXPECT_EQ(ds.text(kName), QString());
    ds.first();
    ds.next();
    ds.last();
    EXPECT_EQ(ds.currentRow(), -1);
    EXPECT_TRUE(ds.atEnd());
    EXPECT_EQ(storeErrorOf([&] { ds.value(kName); }),
              QStringLiteral("Could not convert variant of type (Null) into type (OleStr)"));
    EXPECT_EQ(storeErrorOf([&] { ds.deleteCurrent(); }),
              QStringLiteral("Cannot perform this operation on an empty dataset"));
}

TEST(Dataset, MovesThroughRowsInStatementOrder) {
    TempStore ts;
    addGoods(ts, {"A", "B", "C"});
    store::Connection c;
    Dataset ds(c, Statement::table(Goods));
    ds.open();
    EXPECT_EQ(ds.rowCount(), 3);
    EXPECT_EQ(ds.currentRow(), 1);
    EXPECT_FALSE(ds.atEnd());
    QStringList visited;
    for (ds.first(); !ds.atEnd(); ds.next()) visited << ds.text(kCode);
    EXPECT_EQ(visited, QStringList({"A", "B", "C"}));
    EXPECT_EQ(ds.currentRow(), 3) << "next past the last row stays on it";
    ds.first();
    EXPECT_FALSE(ds.atEnd());
    EXPECT_EQ(ds.text(kCode), QStringLiteral("A"));
    ds.last();
    EXPECT_EQ(ds.currentRow(), 3);
    EXPECT_FALSE(ds.atEnd());
    EXPECT_EQ(ds.text(kCode), QStringLiteral("C"));
    EXPECT_EQ(ds.text(QStringLiteral("ID")), QString::number(ds.bookmark()));
}

// The company window's first save on an empty 表2 goes through edit.
TEST(Dataset, EditOnEmptyResultStartsARowThatPostStores) {
    TempStore ts;
    store::Connection c;
    Dataset ds(c, Statement::table(Company));
    ds.open();
    ds.edit();
    EXPECT_EQ(ds.state(), Dataset::State::Insert);
    EXPECT_EQ(ds.currentRow(), -1);
    ds.setText(QStringLiteral("公司名称"), QStringLiteral("岚桐文具店"));
    ds.setText(QStringLiteral("网址"), QString());
    EXPECT_EQ(ds.text(QStringLiteral("公司名称")), QStringLiteral("岚桐文具店"));
    EXPECT_EQ(ts.count(Company), 0) << "nothing is written before the post";
    ds.post();
    EXPECT_EQ(ts.count(Company), 1);
    EXPECT_EQ(ds.rowCount(), 1);
    EXPECT_EQ(ds.currentRow(), 1);
    EXPECT_EQ(ts.cell(Company, ds.bookmark(), QStringLiteral("公司名称")).toString(),
              QStringLiteral("岚桐文具店"));

    // A second save edits that row instead of adding one.
    ds.edit();
    ds.setText(QStringLiteral("公司名称"), QStringLiteral("岚桐商行"));
    ds.post();
    EXPECT_EQ(ts.count(Company), 1);
    EXPECT_EQ(ts.cell(Company, ds.bookmark(), QStringLiteral("公司名称")).toString(),
              QStringLiteral("岚桐商行"));
}

TEST(Dataset, AppendStoresTheRowAtPostWithTextsAndNumbersAsTyped) {
    TempStore ts;
    addGoods(ts, {"OLD"});
    store::Connection c;
    Dataset ds(c, Statement::table(Goods));
    ds.open();
    ds.append();
    EXPECT_EQ(ds.currentRow(), -1) << "no row number while appending";
    EXPECT_EQ(ds.rowCount(), 1);
    EXPECT_EQ(ds.text(kCode), QString()) << "the new row starts empty";
    ds.setText(kCode, QStringLiteral("6901234567890"));
    ds.setText(kName, QStringLiteral("晨光中性笔0.5mm"));
    ds.setText(kPrice, QStringLiteral("12.50"));
    ds.setText(kQuantity, QStringLiteral(" 1E3 "));
    ds.setText(QStringLiteral("进货金额"), QString());
    ds.setText(kRemark, QString());
    ds.post();

    EXPECT_EQ(ds.rowCount(), 2);
    EXPECT_EQ(ds.currentRow(), 2) << "the appended row stays current";
    const qint64 id = ds.bookmark();
    EXPECT_EQ(ds.text(QStringLiteral("ID")), QString::number(id));
    EXPECT_EQ(ds.text(kPrice), QStringLiteral("12.5"));
    EXPECT_EQ(ds.text(kQuantity), QStringLiteral("1000"));
    EXPECT_EQ(ds.text(QStringLiteral("进货金额")), QString());
    EXPECT_EQ(ds.value(kRemark), QString()) << "an empty text is a value, not a null";
    EXPECT_EQ(storeErrorOf([&] { ds.value(QStringLiteral("进货金额")); }),
              QStringLiteral("Could not convert variant of type (Null) into type (OleStr)"));
    EXPECT_EQ(storeErrorOf([&] { ds.value(QStringLiteral("供货单位")); }),
              QStringLiteral("Could not convert variant of type (Null) into type (OleStr)"))
        << "a column the append never set is null";

    // In the file: numbers as numbers, the empty number as null, the empty
    // text as '' (a null would break the sums and the 'contains' search).
    EXPECT_EQ(ts.cell(Goods, id, kPrice), QVariant(12.5));
    EXPECT_EQ(ts.cell(Goods, id, kQuantity), QVariant(1000.0));
    EXPECT_FALSE(ts.cell(Goods, id, QStringLiteral("进货金额")).isValid());
    const QVariant remark = ts.cell(Goods, id, kRemark);
    EXPECT_EQ(remark.typeId(), QMetaType::QString);
    EXPECT_EQ(remark.toString(), QString());
    EXPECT_EQ(ts.cell(Goods, id, kName).toString(), QStringLiteral("晨光中性笔0.5mm"));

    // What was posted is what a reload reads.
    store::reopen(c, {{&ds, Statement::table(Goods)}});
    ds.last();
    EXPECT_EQ(ds.text(kPrice), QStringLiteral("12.5"));
    EXPECT_EQ(ds.text(kQuantity), QStringLiteral("1000"));
    EXPECT_EQ(ds.text(QStringLiteral("进货金额")), QString());
    EXPECT_TRUE(ds.isNullAt(ds.currentIndex(), ds.columnIndex(QStringLiteral("进货金额"))));
    EXPECT_FALSE(ds.isNullAt(ds.currentIndex(), ds.columnIndex(kRemark)));
}

// Whatever a row holds comes back from the snapshot exactly: texts of every
// kind and length, empty against null, zero against null.
TEST(Dataset, SnapshotGivesBackEveryValueAsStored) {
    const QString texts[] = {
        QString(),
        QStringLiteral("A"),
        QStringLiteral("GP-1008 0.5mm"),
        u8("caf\u00e9 \u00d7\u00f7 \u00a9 \u00ff"),  // Latin-1, beyond ASCII
        QStringLiteral("\u0100"),                    // just beyond it
        QStringLiteral("晨光中性笔0.5mm"),
        QString::fromUcs4(U"\U00020000\U00020001 宽字符"),
        QString(63, u'x'),
        QString(64, u'x'),
        QString(255, u'z'),
        QString(255, u'岚'),
        QStringLiteral("\t前后有空格 "),
    };
    const double numbers[] = {0.0, -12.5, 1e300, 0.1, -0.0};
    TempStore ts;
    QList<qint64> ids;
    int i = 0;
    for (const QString& t : texts)
        ids << ts.insert(Goods, {{kRemark, t}, {kPrice, numbers[i++ % 5]}});
    const qint64 nulls = ts.insert(Goods, {{kCode, QStringLiteral("N")}});

    auto changed = [](const QString& t) { return QStringLiteral("改") + t.left(200); };
    store::Connection c;
    Dataset ds(c, Statement::table(Goods));
    auto check = [&](const char* when, bool edited) {
        SCOPED_TRACE(when);
        ASSERT_EQ(ds.rowCount(), int(std::size(texts)) + 1);
        const int remark = ds.columnIndex(kRemark), price = ds.columnIndex(kPrice);
        for (int r = 0; r < int(std::size(texts)); ++r) {
            const QString want = edited ? changed(texts[r]) : texts[r];
            EXPECT_EQ(ds.textAt(r, remark), want) << r;
            EXPECT_FALSE(ds.isNullAt(r, remark)) << r;
            EXPECT_EQ(ds.numberAt(r, price), std::optional<double>(numbers[r % 5])) << r;
            EXPECT_EQ(ds.bookmarkAt(r), ids[r]);
        }
        const int n = int(std::size(texts));
        EXPECT_TRUE(ds.isNullAt(n, remark));
        EXPECT_TRUE(ds.isNullAt(n, price));
        EXPECT_EQ(ds.textAt(n, price), QString());
        EXPECT_EQ(ds.numberAt(n, price), std::nullopt);
        EXPECT_EQ(ds.textAt(n, ds.columnIndex(QStringLiteral("ID"))), QString::number(nulls));
    };
    ds.open();
    check("loaded", false);
    for (int r = 0; r < int(std::size(texts)); ++r) {
        ds.moveTo(r);
        ds.edit();
        ds.setText(kRemark, changed(texts[r]));
        ds.post();
    }
    check("posted", true);
    store::reopen(c, {{&ds, Statement::table(Goods)}});
    check("reloaded", true);
}

// A file kept in UTF-8 (not made by this program) reads the same.
TEST(Dataset, ReadsAFileKeptInUtf8) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/data.mdb");
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    QString sql = QStringLiteral(
                      "PRAGMA key = '315846092733'; PRAGMA cipher_page_size = 4096; "
                      "PRAGMA encoding = 'UTF-8'; ") +
                  store::createTableSql(*store::tableDef(Sales)) +
                  QStringLiteral(
                      "; INSERT INTO 表3 (商品名称, 客户姓名, 备注, 销售数量) "
                      "VALUES ('晨光中性笔', 'café', '', 3)");
    ASSERT_EQ(sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);

    store::Connection c;
    c.setConnectionString(store::Connection::connectionStringFor(path));
    Dataset ds(c, Statement::table(Sales));
    ds.open();
    ASSERT_EQ(ds.rowCount(), 1);
    EXPECT_EQ(ds.text(kName), QStringLiteral("晨光中性笔"));
    EXPECT_EQ(ds.text(QStringLiteral("客户姓名")), u8("caf\u00e9"));
    EXPECT_EQ(ds.value(kRemark), QString());
    EXPECT_EQ(storeErrorOf([&] { ds.value(QStringLiteral("联系电话")); }),
              QStringLiteral("Could not convert variant of type (Null) into type (OleStr)"));
    EXPECT_EQ(ds.text(QStringLiteral("销售数量")), QStringLiteral("3"));
    ds.edit();
    ds.setText(QStringLiteral("联系电话"), QStringLiteral("13812345678"));
    ds.post();
    c.close();
    ds.close();
    ds.open();
    EXPECT_EQ(ds.text(QStringLiteral("联系电话")), QStringLiteral("13812345678"));
}

// Columns a file has beyond the program's own are read as text.
TEST(Dataset, ExtraColumnsReadAsText) {
    TempStore ts;
    ts.exec(QStringLiteral("ALTER TABLE 表5 ADD COLUMN 序号 INTEGER"));
    ts.exec(QStringLiteral("ALTER TABLE 表5 ADD COLUMN 说明"));
    ts.exec(QStringLiteral("INSERT INTO 表5 (商品编码, 序号, 说明) VALUES ('A', 42, 2.5)"));
    ts.exec(QStringLiteral("INSERT INTO 表5 (商品编码, 序号, 说明) VALUES ('B', NULL, '岚桐')"));
    store::Connection c;
    Dataset ds(c, Statement::table(store::Tables::SalesExport));
    ds.open();
    const int n = ds.columnIndex(QStringLiteral("序号")),
              note = ds.columnIndex(QStringLiteral("说明"));
    ASSERT_GE(n, 0);
    EXPECT_EQ(ds.textAt(0, n), QStringLiteral("42"));
    EXPECT_EQ(ds.textAt(0, note), QStringLiteral("2.5"));
    EXPECT_TRUE(ds.isNullAt(1, n));
    EXPECT_EQ(ds.textAt(1, note), QStringLiteral("岚桐"));
    EXPECT_EQ(ds.numberAt(0, n), std::optional<double>(42));
}

TEST(Dataset, EditWritesOnlyItsOwnRow) {
    TempStore ts;
    // Two goods records with the same code and name: only the key tells them apart.
    const qint64 first = ts.insertGoods(QStringLiteral("X1"), QStringLiteral("订书机"), 8, 2);
    const qint64 second = ts.insertGoods(QStringLiteral("X1"), QStringLiteral("订书机"), 8, 2);
    store::Connection c;
    Dataset ds(c, Statement::table(Goods));
    ds.open();
    ds.last();
    ds.edit();
    ds.setText(kPrice, QStringLiteral("9.5"));
    ds.setText(kName, QStringLiteral("订书机（大）"));
    EXPECT_EQ(ds.text(kPrice), QStringLiteral("9.5")) << "the row in edit shows its new values";
    ds.post();
    EXPECT_EQ(ts.cell(Goods, second, kPrice), QVariant(9.5));
    EXPECT_EQ(ts.cell(Goods, second, kName).toString(), QStringLiteral("订书机（大）"));
    EXPECT_EQ(ts.cell(Goods, second, kQuantity), QVariant(2.0)) << "columns not set stay";
    EXPECT_EQ(ts.cell(Goods, first, kPrice), QVariant(8.0));
    EXPECT_EQ(ts.cell(Goods, first, kName).toString(), QStringLiteral("订书机"));
    EXPECT_EQ(ds.textAt(0, ds.columnIndex(kPrice)), QStringLiteral("8"));
    EXPECT_EQ(ds.textAt(1, ds.columnIndex(kPrice)), QStringLiteral("9.5"));
}

TEST(Dataset, TextColumnsKeepTheirFirstNCharacters) {
    const QString chinese = QStringLiteral("岚桐进销存管理软件旗舰版");  // 12 characters
    auto repeat = [&](int n) {
        QString s;
        while (s.size() < n) s += chinese;
        return s.left(n);
    };
    // A character outside the basic plane is two UTF-16 units: never split it.
    const QString wide = QString::fromUcs4(U"\U00020000");
    struct Case {
        QString table, column, text, stored;
    } cases[] = {
        {Sales, kName, repeat(60), repeat(50)},
        {Sales, kName, repeat(50), repeat(50)},
        {Sales, kRemark, repeat(49), repeat(49)},
        {Sales, QStringLiteral("客户姓名"), QStringLiteral("AB") + repeat(100),
         QStringLiteral("AB") + repeat(48)},
        {Sales, kName, repeat(49) + wide + QStringLiteral("尾"), repeat(49)},
        {Sales, kName, repeat(48) + wide + QStringLiteral("尾"), repeat(48) + wide},
        {Goods, kName, repeat(300), repeat(255)},
        {Goods, QStringLiteral("详细地址"), repeat(256), repeat(255)},
        {Goods, kCode, repeat(255), repeat(255)},
        {Goods, kRemark, QString(), QString()},
    };
    TempStore ts;
    store::Connection c;
    for (const Case& k : cases) {
        SCOPED_TRACE(
            (k.table + u' ' + k.column + u' ' + QString::number(k.text.size())).toStdString());
        Dataset ds(c, Statement::table(k.table));
        ds.open();
        ds.append();
        ds.setText(k.column, k.text);
        EXPECT_EQ(ds.text(k.column), k.stored);
        ds.post();
        EXPECT_EQ(ds.text(k.column), k.stored);
        EXPECT_EQ(ts.cell(k.table, ds.bookmark(), k.column).toString(), k.stored);
    }
}

// A text that is not a number discards the row in edit: neither a post nor a
// move may store it half-filled afterwards.
TEST(Dataset, ConversionErrorDiscardsTheRowInEdit) {
    const QString message =
        QStringLiteral("'abc' is not a valid floating point value for field '进货单价'");
    TempStore ts;
    const qint64 id = ts.insertGoods(QStringLiteral("A"), QStringLiteral("钢笔"), 5, 10);
    store::Connection c;
    Dataset ds(c, Statement::table(Goods));
    ds.open();

    // Appending.
    ds.append();
    ds.setText(kCode, QStringLiteral("B"));
    ds.setText(kName, QStringLiteral("半行"));
    EXPECT_EQ(storeErrorOf([&] { ds.setText(kPrice, QStringLiteral("abc")); }), message);
    EXPECT_EQ(ds.state(), Dataset::State::Browse);
    ds.post();
    ds.last();
    ds.first();
    EXPECT_EQ(ts.count(Goods), 1);
    EXPECT_EQ(ds.rowCount(), 1);
    EXPECT_EQ(ds.text(kName), QStringLiteral("钢笔"));

    // Editing.
    ds.edit();
    ds.setText(kName, QStringLiteral("改了一半"));
    EXPECT_EQ(storeErrorOf([&] { ds.setText(kQuantity, QStringLiteral("1.2.3")); }),
              QStringLiteral("'1.2.3' is not a valid floating point value for field '进货数量'"));
    ds.post();
    ds.next();
    EXPECT_EQ(ts.cell(Goods, id, kName).toString(), QStringLiteral("钢笔"));
    EXPECT_EQ(ts.cell(Goods, id, kQuantity), QVariant(10.0));
    EXPECT_EQ(ds.text(kName), QStringLiteral("钢笔"));

    // setText outside edit is refused and stores nothing either.
    EXPECT_EQ(storeErrorOf([&] { ds.setText(kName, QStringLiteral("X")); }),
              QStringLiteral("Dataset not in edit or insert mode"));
    // An unknown column discards the row as well.
    ds.edit();
    ds.setText(kName, QStringLiteral("又改"));
    EXPECT_EQ(storeErrorOf([&] { ds.setText(QStringLiteral("没有"), QStringLiteral("1")); }),
              QStringLiteral("Field '没有' not found"));
    ds.post();
    EXPECT_EQ(ts.cell(Goods, id, kName).toString(), QStringLiteral("钢笔"));

    // The dataset stays usable: a good row goes in whole.
    ds.append();
    ds.setText(kCode, QStringLiteral("C"));
    ds.setText(kPrice, QStringLiteral("3"));
    ds.post();
    EXPECT_EQ(ts.count(Goods), 2);
    EXPECT_EQ(ts.cell(Goods, ds.bookmark(), kPrice), QVariant(3.0));
}

TEST(Dataset, DeleteMovesToTheFollowingRowOrTheNewLast) {
    TempStore ts;
    addGoods(ts, {"A", "B", "C", "D"});
    store::Connection c;
    Dataset ds(c, Statement::table(Goods));
    ds.open();

    ds.moveTo(1);
    const qint64 b = ds.bookmark();
    ds.deleteCurrent();
    EXPECT_EQ(ts.cell(Goods, b, kCode).toString(), QStringLiteral("<no row>"));
    EXPECT_EQ(ds.text(kCode), QStringLiteral("C"));
    EXPECT_EQ(ds.currentRow(), 2);

    ds.last();
    ds.deleteCurrent();
    EXPECT_EQ(ds.text(kCode), QStringLiteral("C")) << "the new last row";
    EXPECT_EQ(ds.currentRow(), 2);
    EXPECT_FALSE(ds.atEnd());

    ds.first();
    ds.deleteCurrent();
    EXPECT_EQ(ds.text(kCode), QStringLiteral("C"));
    ds.deleteCurrent();
    EXPECT_EQ(ds.rowCount(), 0);
    EXPECT_EQ(ds.currentRow(), -1);
    EXPECT_TRUE(ds.atEnd());
    EXPECT_EQ(ts.count(Goods), 0);

    // Deleting while appending only drops the new row.
    ds.append();
    ds.setText(kCode, QStringLiteral("E"));
    ds.deleteCurrent();
    EXPECT_EQ(ts.count(Goods), 0);
    EXPECT_EQ(ds.rowCount(), 0);
}

TEST(Dataset, BookmarksFindTheirRowsAfterDeletes) {
    TempStore ts;
    addGoods(ts, {"A", "B", "C", "D", "E"});
    store::Connection c;
    Dataset ds(c, Statement::table(Goods));
    ds.open();
    ds.moveTo(1);
    const Dataset::Bookmark b = ds.bookmark();
    ds.moveTo(3);
    const Dataset::Bookmark d = ds.bookmark();
    EXPECT_EQ(QString::number(d), ds.text(QStringLiteral("ID")));

    ds.first();
    ds.deleteCurrent();  // A
    ds.moveTo(1);
    ds.deleteCurrent();  // C
    EXPECT_EQ(columnTexts(ds, kCode), QStringList({"B", "D", "E"}));

    ds.last();
    EXPECT_TRUE(ds.gotoBookmark(d));
    EXPECT_EQ(ds.text(kCode), QStringLiteral("D"));
    EXPECT_EQ(ds.currentRow(), 2);
    EXPECT_TRUE(ds.gotoBookmark(b));
    EXPECT_EQ(ds.text(kCode), QStringLiteral("B"));
    ds.deleteCurrent();
    ds.last();
    EXPECT_FALSE(ds.gotoBookmark(b)) << "a deleted row cannot be gone to";
    EXPECT_EQ(ds.text(kCode), QStringLiteral("E")) << "a failed goto does not move";
    EXPECT_EQ(ds.indexOf(b), -1);
    EXPECT_EQ(ds.indexOf(d), 0);

    // Keys are the file's: they survive a reload, and a new row gets a fresh one.
    store::reopen(c, {{&ds, Statement::table(Goods)}});
    EXPECT_TRUE(ds.gotoBookmark(d));
    EXPECT_EQ(ds.text(kCode), QStringLiteral("D"));
    ds.append();
    ds.setText(kCode, QStringLiteral("F"));
    ds.post();
    EXPECT_GT(ds.bookmark(), d);
    EXPECT_NE(ds.bookmark(), b) << "an autonumber is never reused";
}

// The customer list is not a table's rows: nothing written through it may
// reach the sale records.
TEST(Dataset, DistinctResultCannotBeChanged) {
    TempStore ts;
    for (const char* name : {"张伟", "李娜", "张伟"})
        ts.insert(Sales, {{QStringLiteral("客户姓名"), u8(name)}, {kName, QStringLiteral("笔")}});
    store::Connection c;
    Dataset ds(c, Statement::distinctCustomers());
    ds.open();
    ASSERT_EQ(ds.rowCount(), 2);
    EXPECT_EQ(ds.columnCount(), 1);
    ds.last();
    EXPECT_EQ(storeErrorOf([&] { ds.deleteCurrent(); }),
              QStringLiteral("This result cannot be changed"));
    EXPECT_EQ(ds.rowCount(), 2);
    ds.first();
    ds.edit();
    ds.setText(QStringLiteral("客户姓名"), QStringLiteral("王芳"));
    EXPECT_EQ(storeErrorOf([&] { ds.post(); }), QStringLiteral("This result cannot be changed"));
    EXPECT_EQ(ds.state(), Dataset::State::Browse);
    EXPECT_EQ(ts.count(Sales), 3);
    for (qint64 id = 1; id <= 3; ++id)
        EXPECT_NE(ts.cell(Sales, id, QStringLiteral("客户姓名")).toString(),
                  QStringLiteral("王芳"));
}

TEST(Dataset, ReplaceStatementReloadsOnTheOpenConnection) {
    TempStore ts;
    addGoods(ts, {"A1", "B1", "A2"});
    store::Connection c;
    Dataset ds(c, Statement::table(Goods));
    ds.replaceStatement(Statement::containing(Goods, kCode, QStringLiteral("A")));
    EXPECT_TRUE(ds.isOpen());
    EXPECT_EQ(columnTexts(ds, kCode), QStringList({"A1", "A2"}));
    EXPECT_EQ(ds.currentRow(), 1);
    ts.insertGoods(QStringLiteral("A3"), QString(), 1, 1);
    ds.replaceStatement(Statement::table(Goods));
    EXPECT_EQ(columnTexts(ds, kCode), QStringList({"A1", "B1", "A2", "A3"}));
    EXPECT_EQ(ds.statement(), Statement::table(Goods));
    EXPECT_EQ(storeErrorOf([&] { ds.setStatement(Statement::table(Sales)); }),
              QStringLiteral("Cannot change the statement of an open dataset"));
}

TEST(Dataset, DateTimeTextLeavesOutMidnight) {
    struct {
        QDateTime at;
        const char* text;
    } cases[] = {
        {QDateTime(QDate(2024, 3, 5), QTime(9, 7, 8)), "2024/3/5 9:07:08"},
        {QDateTime(QDate(2024, 12, 25), QTime(23, 59, 59)), "2024/12/25 23:59:59"},
        {QDateTime(QDate(2024, 3, 5), QTime(0, 0)), "2024/3/5"},
        {QDateTime(QDate(2024, 3, 5), QTime(0, 0, 1)), "2024/3/5 0:00:01"},
    };
    for (const auto& k : cases) EXPECT_EQ(store::dateTimeText(k.at), u8(k.text));
}
