#include <gtest/gtest.h>

#include <QMap>
#include <QVariant>

#include "Connection.h"
#include "Dataset.h"
#include "PurchaseRules.h"
#include "QtPrinters.h"
#include "Schema.h"
#include "StoreError.h"
#include "TempStore.h"

namespace {

using purchase::Field;
using purchase::Flags;
using purchase::Texts;

const QString kGoods = QStringLiteral("表1");

// Every column of one row, straight from the file.
QMap<QString, QVariant> fileRow(const TempStore& ts, const QString& table, qint64 id) {
    QMap<QString, QVariant> row;
    for (const store::ColumnDef& c : store::tableDef(table)->columns)
        row[c.name] = ts.cell(table, id, c.name);
    return row;
}

Texts entry(const QString& price, const QString& quantity) {
    Texts t;
    t[purchase::Code] = QStringLiteral(" A001 ");
    t[purchase::Name] = QStringLiteral("铅笔 ");
    t[purchase::Model] = QStringLiteral("HB");
    t[purchase::Size] = QStringLiteral("12支/盒");
    t[purchase::Unit] = QStringLiteral("盒");
    t[purchase::Price] = price;
    t[purchase::Quantity] = quantity;
    t[purchase::Supplier] = QStringLiteral("文具厂");
    t[purchase::Contact] = QStringLiteral("王工");
    t[purchase::Phone] = QStringLiteral("0571-1234");
    t[purchase::Address] = QStringLiteral("  杭州市 ");
    t[purchase::Remark] = QStringLiteral("首批");
    return t;
}

class PurchaseRules : public ::testing::Test {
protected:
    void SetUp() override { goods.open(); }

    // Adds through the rules, as the panel does, and returns the new row's ID.
    qint64 added(const QString& price, const QString& quantity) {
        const purchase::Outcome out = purchase::add(goods, entry(price, quantity));
        EXPECT_TRUE(out.stored);
        return goods.bookmark();
    }

    TempStore ts;
    store::Connection conn;
    store::Dataset goods{conn, store::Statement::table(kGoods)};
};

// --- add ---------------------------------------------------------------

struct AddCase {
    const char* price;
    const char* quantity;
    double amount;  // 进货金额 and 库存金额
    double stock;   // 库存数量
    double storedPrice;
};

class PurchaseAdd : public PurchaseRules, public ::testing::WithParamInterface<AddCase> {};

TEST_P(PurchaseAdd, StoresTheWholeRowAsTheAddMakesIt) {
    const AddCase& c = GetParam();
    const purchase::Outcome out = purchase::add(goods, entry(c.price, c.quantity));
    EXPECT_TRUE(out.stored);
    EXPECT_EQ(out.message, QStringLiteral("进货信息添加成功！"));
    ASSERT_EQ(ts.count(kGoods), 1);

    const auto row = fileRow(ts, kGoods, goods.bookmark());
    // Texts exactly as typed, blanks included.
    EXPECT_EQ(row["商品编码"], QVariant(QStringLiteral(" A001 ")));
    EXPECT_EQ(row["商品名称"], QVariant(QStringLiteral("铅笔 ")));
    EXPECT_EQ(row["商品型号"], QVariant(QStringLiteral("HB")));
    EXPECT_EQ(row["商品规格"], QVariant(QStringLiteral("12支/盒")));
    EXPECT_EQ(row["单位"], QVariant(QStringLiteral("盒")));
    EXPECT_EQ(row["供货单位"], QVariant(QStringLiteral("文具厂")));
    EXPECT_EQ(row["联系人"], QVariant(QStringLiteral("王工")));
    EXPECT_EQ(row["联系电话"], QVariant(QStringLiteral("0571-1234")));
    EXPECT_EQ(row["详细地址"], QVariant(QStringLiteral("  杭州市 ")));
    EXPECT_EQ(row["备注"], QVariant(QStringLiteral("首批")));

    EXPECT_EQ(row["进货单价"].toDouble(), c.storedPrice);
    EXPECT_EQ(row["进货数量"].toDouble(), c.stock);
    EXPECT_EQ(row["进货金额"].toDouble(), c.amount);
    EXPECT_EQ(row["库存数量"].toDouble(), c.stock);
    EXPECT_EQ(row["库存金额"].toDouble(), c.amount);
    for (const char* col : {"销售单价", "销售数量", "销售金额", "销售利润"}) {
        ASSERT_TRUE(row[col].isValid()) << col;
        EXPECT_EQ(row[col].toDouble(), 0.0) << col;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PurchaseAdd,
    ::testing::Values(AddCase{"12.5", "4", 50, 4, 12.5},
                      // Rounded to 15 significant digits: not 0.30000000000000004.
                      AddCase{"0.1", "3", 0.3, 3, 0.1}, AddCase{"12.50", "4", 50, 4, 12.5},
                      // The decimal point alone reads as 0.
                      AddCase{".", "5", 0, 5, 0}, AddCase{"1E3", "2", 2000, 2, 1000},
                      AddCase{" 2.006 ", "10", 20.06, 10, 2.006}));

TEST_F(PurchaseRules, AddWithOnlyTheNameStoresZeros) {
    Texts t = purchase::addDefaults();
    t[purchase::Name] = QStringLiteral("橡皮");
    ASSERT_TRUE(purchase::add(goods, t).stored);
    const auto row = fileRow(ts, kGoods, goods.bookmark());
    EXPECT_EQ(row["商品名称"], QVariant(QStringLiteral("橡皮")));
    EXPECT_EQ(row["商品编码"], QVariant(QString()));  // empty text, not null
    for (const char* col : {"进货单价", "进货数量", "进货金额", "销售单价", "销售数量", "销售金额",
                            "销售利润", "库存数量", "库存金额"})
        EXPECT_EQ(row[col], QVariant(0.0)) << col;
}

TEST_F(PurchaseRules, AddWithEveryFieldEmptyIsRefused) {
    const purchase::Outcome out = purchase::add(goods, Texts{});
    EXPECT_FALSE(out.stored);
    EXPECT_EQ(out.message, QStringLiteral("进货信息不能为空！"));
    EXPECT_EQ(ts.count(kGoods), 0);
    EXPECT_EQ(goods.rowCount(), 0);

    // The add defaults hold two "0"s: not empty.
    Texts defaults = purchase::addDefaults();
    EXPECT_TRUE(purchase::add(goods, defaults).stored);
}

TEST_F(PurchaseRules, AddRefusesAPriceOrQuantityThatIsNotANumberBeforeWriting) {
    struct Case {
        const char* price;
        const char* quantity;
        const char* named;
    };
    for (const Case& c : {Case{"12.5", "", "''"}, Case{"", "4", "''"}, Case{"abc", "4", "'abc'"},
                          Case{"12.5", "1,5", "'1,5'"}, Case{"1e", "2", "'1e'"}}) {
        try {
            purchase::add(goods, entry(c.price, c.quantity));
            ADD_FAILURE() << c.price << " x " << c.quantity << " was accepted";
        } catch (const store::Error& e) {
            EXPECT_EQ(e.message(), QString::fromUtf8(c.named) +
                                       QStringLiteral(" is not a valid floating point value"));
        }
        EXPECT_EQ(ts.count(kGoods), 0) << c.price << " x " << c.quantity;
        EXPECT_EQ(goods.rowCount(), 0);
        EXPECT_EQ(goods.state(), store::Dataset::State::Browse);
    }
    // Nothing half-filled is waiting for a later post either.
    ASSERT_TRUE(purchase::add(goods, entry("1", "1")).stored);
    EXPECT_EQ(ts.count(kGoods), 1);
}

// --- opening for modify --------------------------------------------------

TEST_F(PurchaseRules, ModifyPanelShowsPriceAndQuantityRoundedToTwoDecimals) {
    added("2.006", "12.50");
    const Texts t = purchase::fieldsOf(goods);
    EXPECT_EQ(t[purchase::Price], QStringLiteral("2.01"));
    EXPECT_EQ(t[purchase::Quantity], QStringLiteral("12.5"));
    EXPECT_EQ(t[purchase::Code], QStringLiteral(" A001 "));
    EXPECT_EQ(t[purchase::Address], QStringLiteral("  杭州市 "));
}

// --- modify --------------------------------------------------------------

TEST_F(PurchaseRules, ModifyOfTheQuantityLeavesStockAndSalesAlone) {
    // A record that has sold 2 of 10 at 5.
    const qint64 id = ts.insertGoods(QStringLiteral("B1"), QStringLiteral("本子"), 5, 10,
                                     {{QStringLiteral("销售单价"), 7.0},
                                      {QStringLiteral("销售数量"), 2.0},
                                      {QStringLiteral("销售金额"), 14.0},
                                      {QStringLiteral("销售利润"), 4.0},
                                      {QStringLiteral("库存数量"), 8.0},
                                      {QStringLiteral("库存金额"), 40.0}});
    goods.close();
    goods.open();
    const auto before = fileRow(ts, kGoods, id);

    Texts t = purchase::fieldsOf(goods);
    Flags changed{};
    t[purchase::Quantity] = QStringLiteral("8");
    changed[purchase::Quantity] = true;
    const purchase::Outcome out = purchase::modify(goods, id, t, changed);
    EXPECT_TRUE(out.stored);
    EXPECT_EQ(out.message, QStringLiteral("修改进货信息成功！"));

    auto after = fileRow(ts, kGoods, id);
    EXPECT_EQ(after["进货数量"], QVariant(8.0));
    EXPECT_EQ(after["进货金额"], QVariant(40.0));
    after["进货数量"] = before["进货数量"];
    after["进货金额"] = before["进货金额"];
    EXPECT_EQ(after, before);  // 库存数量 8 and 库存金额 40 among them
    EXPECT_EQ(goods.text(QStringLiteral("进货金额")), QStringLiteral("40"));
}

TEST_F(PurchaseRules, ModifyWithoutChangesKeepsTheExactAmount) {
    const qint64 id = added("2.006", "3.333");
    const QVariant amount = ts.cell(kGoods, id, QStringLiteral("进货金额"));
    EXPECT_EQ(amount, QVariant(6.685998));
    const auto before = fileRow(ts, kGoods, id);

    // The panel shows 2.01 and 3.33; nothing is edited.
    const purchase::Outcome out = purchase::modify(goods, id, purchase::fieldsOf(goods), Flags{});
    EXPECT_TRUE(out.stored);
    EXPECT_EQ(fileRow(ts, kGoods, id), before);
    EXPECT_EQ(goods.text(QStringLiteral("进货金额")), QStringLiteral("6.685998"));
}

TEST_F(PurchaseRules, ModifyOfOneFigureUsesBothFieldsAsTheyStand) {
    const qint64 id = added("2.006", "3.333");
    Texts t = purchase::fieldsOf(goods);
    Flags changed{};
    t[purchase::Price] = QStringLiteral("2");
    changed[purchase::Price] = true;
    ASSERT_TRUE(purchase::modify(goods, id, t, changed).stored);
    EXPECT_EQ(ts.cell(kGoods, id, QStringLiteral("进货单价")), QVariant(2.0));
    // The untouched quantity keeps 3.333; the amount follows the panel's 3.33.
    EXPECT_EQ(ts.cell(kGoods, id, QStringLiteral("进货数量")), QVariant(3.333));
    EXPECT_EQ(ts.cell(kGoods, id, QStringLiteral("进货金额")), QVariant(6.66));
}

TEST_F(PurchaseRules, ModifyWritesOnlyTheFlaggedFields) {
    const qint64 id = added("4", "5");
    Texts t = purchase::fieldsOf(goods);
    for (QString& s : t) s += QStringLiteral("x");  // every field edited on screen...
    t[purchase::Price] = QStringLiteral("4");
    t[purchase::Quantity] = QStringLiteral("5");
    Flags changed{};  // ...but only these two count as typed
    changed[purchase::Name] = true;
    changed[purchase::Phone] = true;
    t[purchase::Name] = QStringLiteral(" 钢笔 ");
    ASSERT_TRUE(purchase::modify(goods, id, t, changed).stored);

    const auto row = fileRow(ts, kGoods, id);
    EXPECT_EQ(row["商品名称"], QVariant(QStringLiteral(" 钢笔 ")));
    EXPECT_EQ(row["联系电话"], QVariant(QStringLiteral("0571-1234x")));
    EXPECT_EQ(row["商品编码"], QVariant(QStringLiteral(" A001 ")));
    EXPECT_EQ(row["供货单位"], QVariant(QStringLiteral("文具厂")));
    EXPECT_EQ(row["备注"], QVariant(QStringLiteral("首批")));
    EXPECT_EQ(row["进货金额"], QVariant(20.0));
}

TEST_F(PurchaseRules, ModifyGoesToTheRecordThePanelWasFilledFrom) {
    const qint64 first = added("1", "1");
    goods.first();
    const Texts t0 = purchase::fieldsOf(goods);
    const qint64 second = added("3", "3");
    const auto secondBefore = fileRow(ts, kGoods, second);

    // The user moved on to the second row while the panel stayed open.
    goods.gotoBookmark(second);
    Texts t = t0;
    Flags changed{};
    t[purchase::Name] = QStringLiteral("改名");
    t[purchase::Quantity] = QStringLiteral("6");
    changed[purchase::Name] = true;
    changed[purchase::Quantity] = true;
    ASSERT_TRUE(purchase::modify(goods, first, t, changed).stored);

    EXPECT_EQ(ts.cell(kGoods, first, QStringLiteral("商品名称")), QVariant(QStringLiteral("改名")));
    EXPECT_EQ(ts.cell(kGoods, first, QStringLiteral("进货金额")), QVariant(6.0));
    EXPECT_EQ(fileRow(ts, kGoods, second), secondBefore);
    // The list stays where the user put it.
    EXPECT_EQ(goods.bookmark(), second);
    EXPECT_EQ(goods.text(QStringLiteral("商品名称")), QStringLiteral("铅笔 "));
}

TEST_F(PurchaseRules, ModifyOfAGoneRecordIsRefused) {
    Flags all;
    all.fill(true);
    const Texts t = entry("9", "9");

    // An empty list.
    purchase::Outcome out = purchase::modify(goods, 1, t, all);
    EXPECT_FALSE(out.stored);
    EXPECT_EQ(out.message, QStringLiteral("当前修改进货信息为空！"));

    // The panel's record deleted meanwhile, another one still listed.
    const qint64 gone = added("1", "1");
    const qint64 kept = added("2", "2");
    const auto keptBefore = fileRow(ts, kGoods, kept);
    goods.gotoBookmark(gone);
    goods.deleteCurrent();
    out = purchase::modify(goods, gone, t, all);
    EXPECT_FALSE(out.stored);
    EXPECT_EQ(out.message, QStringLiteral("当前修改进货信息为空！"));
    EXPECT_EQ(ts.count(kGoods), 1);
    EXPECT_EQ(fileRow(ts, kGoods, kept), keptBefore);
}

TEST_F(PurchaseRules, ModifyRefusesAFigureThatIsNotANumberBeforeWriting) {
    const qint64 id = added("4", "5");
    const auto before = fileRow(ts, kGoods, id);
    for (const char* bad : {"", "abc", "-"}) {
        Texts t = purchase::fieldsOf(goods);
        Flags changed{};
        t[purchase::Name] = QStringLiteral("新名");
        changed[purchase::Name] = true;
        t[purchase::Quantity] = QString::fromUtf8(bad);
        changed[purchase::Quantity] = true;
        EXPECT_THROW(purchase::modify(goods, id, t, changed), store::Error) << bad;
        EXPECT_EQ(fileRow(ts, kGoods, id), before) << bad;
        EXPECT_EQ(goods.state(), store::Dataset::State::Browse);
        EXPECT_EQ(goods.text(QStringLiteral("商品名称")), QStringLiteral("铅笔 "));
    }
}

}  // namespace
