#include <gtest/gtest.h>

#include "Connection.h"
#include "Dataset.h"
#include "StoreTestUtil.h"
#include "TempStore.h"

namespace {

const QString kName = QStringLiteral("商品名称");
const QString kCustomer = QStringLiteral("客户姓名");

// Sale records by name; the null name is a row whose name was never set.
const char* const kNames[] = {
    "晨光中性笔0.5mm",  // 1
    "得力订书机",       // 2
    "晨光 中性笔",      // 3
    "中性笔 替芯",      // 4
    "100%纯棉毛巾",     // 5
    "A_B胶带",          // 6
    "AxB胶带",          // 7
    "英雄\"钢笔\"",     // 8
    "",                 // 9
    nullptr,            // 10
};

}  // namespace

// The user's text goes into the pattern "%text%" untouched: "%" and "_" stay
// wildcards, blanks count, and quotes are plain characters that cannot reach
// the statement.
TEST(Search, ContainingMatchesTheTextAsTyped) {
    TempStore ts;
    for (const char* name : kNames) {
        QMap<QString, QVariant> row{{kCustomer, QStringLiteral("张伟")}};
        if (name) row[kName] = u8(name);
        ts.insert(Sales, row);
    }
    const QList<qint64> allButNull{1, 2, 3, 4, 5, 6, 7, 8, 9};
    struct {
        const char* text;
        QList<qint64> keys;
    } cases[] = {
        {"中性笔", {1, 3, 4}},
        {"晨光", {1, 3}},
        {" 中性笔", {3}},
        {"中性笔 ", {4}},
        {"毛巾", {5}},
        {"%", allButNull},
        {"", allButNull},
        {"_", {1, 2, 3, 4, 5, 6, 7, 8}},
        {"A_B", {6, 7}},
        {"100%纯", {5}},
        {"晨光%笔", {1, 3}},
        {"\"", {8}},
        {"\"钢笔\"", {8}},
        {"\" or 1=1 --", {}},
        {"'", {}},
        {"'; DROP TABLE 表3; --", {}},
        {"]", {}},
        {"不存在", {}},
    };
    store::Connection c;
    Dataset ds(c, Statement::table(Sales));
    ds.open();
    for (const auto& k : cases) {
        SCOPED_TRACE(k.text);
        ds.replaceStatement(Statement::containing(Sales, kName, u8(k.text)));
        EXPECT_TRUE(ds.isOpen());
        EXPECT_EQ(keysOf(ds), k.keys);
        EXPECT_EQ(ds.currentRow(), k.keys.isEmpty() ? -1 : 1);
    }
    EXPECT_EQ(ts.count(Sales), 10) << "no search text changed the table";
    ds.replaceStatement(Statement::table(Sales));
    EXPECT_EQ(ds.rowCount(), 10);
}

// Found rows are the table's own rows: edits and deletes reach the right record.
TEST(Search, FoundRowsAreWrittenBackByTheirKeys) {
    TempStore ts;
    const qint64 a = ts.insertGoods(QStringLiteral("A"), QStringLiteral("晨光中性笔"), 2, 10);
    ts.insertGoods(QStringLiteral("B"), QStringLiteral("得力订书机"), 8, 5);
    const qint64 c3 = ts.insertGoods(QStringLiteral("C"), QStringLiteral("晨光铅笔"), 1, 30);
    store::Connection c;
    Dataset ds(c, Statement::table(Goods));
    ds.open();
    ds.replaceStatement(Statement::containing(Goods, kName, QStringLiteral("晨光")));
    ASSERT_EQ(keysOf(ds), (QList<qint64>{a, c3}));
    ds.last();
    ds.edit();
    ds.setText(QStringLiteral("进货单价"), QStringLiteral("1.5"));
    ds.post();
    EXPECT_EQ(ts.cell(Goods, c3, QStringLiteral("进货单价")), QVariant(1.5));
    ds.first();
    ds.deleteCurrent();
    EXPECT_EQ(ts.cell(Goods, a, kName).toString(), QStringLiteral("<no row>"));
    EXPECT_EQ(ts.count(Goods), 2);
    EXPECT_EQ(ds.text(kName), QStringLiteral("晨光铅笔"));
}
