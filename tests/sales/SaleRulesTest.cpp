#include <gtest/gtest.h>

#include <QMap>
#include <QVariant>

#include "Connection.h"
#include "Dataset.h"
#include "NumberText.h"
#include "QtPrinters.h"
#include "SaleRules.h"
#include "Schema.h"
#include "StoreError.h"
#include "TempStore.h"

namespace {

const QString kGoods = QStringLiteral("表1");
const QString kSales = QStringLiteral("表3");

using Row = QMap<QString, QVariant>;

Row fileRow(const TempStore& ts, const QString& table, qint64 id) {
    Row row;
    for (const store::ColumnDef& c : store::tableDef(table)->columns)
        row[c.name] = ts.cell(table, id, c.name);
    return row;
}

// Checks the listed columns of a row in the file.
void expectColumns(const TempStore& ts, const QString& table, qint64 id, const Row& expected) {
    for (auto it = expected.begin(); it != expected.end(); ++it)
        EXPECT_EQ(ts.cell(table, id, it.key()), it.value())
            << table.toStdString() << " #" << id << " " << it.key().toStdString();
}

// A goods record as an add stores it: amounts through the general form.
qint64 insertGoods(TempStore& ts, const QString& code, const QString& price,
                   const QString& quantity, const Row& more = {}) {
    const double amount = store::NumberText::product(price, quantity).toDouble();
    Row values{{QStringLiteral("进货金额"), amount}, {QStringLiteral("库存金额"), amount}};
    for (auto it = more.begin(); it != more.end(); ++it) values[it.key()] = it.value();
    return ts.insertGoods(code, QStringLiteral("商品") + code, price.toDouble(),
                          quantity.toDouble(), values);
}

class SaleRules : public ::testing::Test {
protected:
    void SetUp() override { reload(); }

    // The sales window becoming active.
    void reload() {
        goods.close();
        goods.open();
        sold.close();
        sold.open();
    }

    // The panel as it opens on the goods record `id`, with a sale typed in.
    sales::SaleTexts typed(qint64 id, const QString& price, const QString& quantity,
                           const QString& customer = QStringLiteral("张三")) {
        EXPECT_TRUE(goods.gotoBookmark(id));
        const sales::GoodsPanel p = sales::goodsPanel(goods);
        sales::SaleTexts s;
        s.date = QDate(2024, 5, 17);
        s.code = p.code;
        s.name = p.name;
        s.model = p.model;
        s.size = p.size;
        s.unit = p.unit;
        s.price = price;
        s.quantity = quantity;
        s.customer = customer;
        s.phone = QStringLiteral("123");
        s.address = QStringLiteral("西湖路1号 ");
        s.remark = QStringLiteral("月结");
        return s;
    }

    sales::Outcome sell(qint64 id, const sales::SaleTexts& s) {
        return sales::sell(goods, id, sold, s, QTime(10, 30, 5));
    }

    TempStore ts;
    store::Connection conn;
    store::Dataset goods{conn, store::Statement::table(kGoods)};
    store::Dataset sold{conn, store::Statement::table(kSales)};
};

// --- the selling panel -----------------------------------------------------

TEST_F(SaleRules, PanelShowsTheGoodsWithPriceAndStockRounded) {
    const qint64 id =
        insertGoods(ts, QStringLiteral("A1"), QStringLiteral("2.006"), QStringLiteral("12.5"),
                    {{QStringLiteral("商品型号"), QStringLiteral(" M ")}});
    reload();
    goods.gotoBookmark(id);
    const sales::GoodsPanel p = sales::goodsPanel(goods);
    EXPECT_EQ(p.code, QStringLiteral("A1"));
    EXPECT_EQ(p.name, QStringLiteral("商品A1"));
    EXPECT_EQ(p.model, QStringLiteral(" M "));
    EXPECT_EQ(p.price, QStringLiteral("2.01"));
    EXPECT_EQ(p.stock, QStringLiteral("12.5"));
}

TEST(SalePanel, StockCheckAtKeyRelease) {
    struct Case {
        const char* quantity;
        const char* stock;
        bool exceeds;
    };
    for (const Case& c : {Case{"8", "7", true}, Case{"7", "7", false}, Case{"7.01", "7", true},
                          Case{"0", "7", false}, Case{"7.00", "7", false}, Case{".", "0", false},
                          Case{"1", "0", true}})
        EXPECT_EQ(sales::exceedsStock(QString::fromUtf8(c.quantity), QString::fromUtf8(c.stock)),
                  c.exceeds)
            << c.quantity << " of " << c.stock;
    EXPECT_THROW(sales::exceedsStock(QString(), QStringLiteral("7")), store::Error);
}

TEST(SalePanel, AmountFollowsPriceAndQuantity) {
    EXPECT_EQ(sales::saleAmount(QStringLiteral("12.5"), QStringLiteral("3")),
              QStringLiteral("37.5"));
    EXPECT_EQ(sales::saleAmount(QStringLiteral("0.1"), QStringLiteral("3")), QStringLiteral("0.3"));
    EXPECT_EQ(sales::saleAmount(QStringLiteral("3.333"), QStringLiteral("3")),
              QStringLiteral("9.999"));
    try {
        sales::saleAmount(QStringLiteral("12.5"), QString());
        ADD_FAILURE();
    } catch (const store::Error& e) {
        EXPECT_EQ(e.message(), QStringLiteral("'' is not a valid floating point value"));
    }
}

TEST(SalePanel, SaleDateIsTheChosenDateAtTheConfirmationTime) {
    const QDateTime confirmed(QDate(2031, 12, 31), QTime(21, 5, 9, 731));
    EXPECT_EQ(sales::saleDate(QDate(2024, 3, 5), confirmed.time()),
              QStringLiteral("2024/3/5 21:05:09"));
    EXPECT_EQ(sales::saleDate(QDate(2013, 7, 23), QTime(9, 0, 0)),
              QStringLiteral("2013/7/23 9:00:00"));
}

// --- confirming a sale ---------------------------------------------------

TEST_F(SaleRules, WorkedExampleEndToEnd) {
    const qint64 id =
        insertGoods(ts, QStringLiteral("A1"), QStringLiteral("8"), QStringLiteral("10"));
    reload();
    goods.gotoBookmark(id);
    EXPECT_EQ(sales::goodsPanel(goods).stock, QStringLiteral("10"));
    EXPECT_EQ(sales::saleAmount(QStringLiteral("12.5"), QStringLiteral("3")),
              QStringLiteral("37.5"));

    sales::Outcome out = sell(id, typed(id, QStringLiteral("12.5"), QStringLiteral("3")));
    EXPECT_TRUE(out.stored);
    EXPECT_EQ(out.message, QStringLiteral("销售商品成功！"));
    ASSERT_EQ(ts.count(kSales), 1);
    const qint64 sale1 = sold.bookmark();
    EXPECT_EQ(fileRow(ts, kSales, sale1),
              (Row{{QStringLiteral("ID"), double(sale1)},
                   {QStringLiteral("销售日期"), QStringLiteral("2024/5/17 10:30:05")},
                   {QStringLiteral("商品编码"), QStringLiteral("A1")},
                   {QStringLiteral("商品名称"), QStringLiteral("商品A1")},
                   {QStringLiteral("商品型号"), QString()},
                   {QStringLiteral("商品规格"), QString()},
                   {QStringLiteral("单位"), QString()},
                   {QStringLiteral("销售单价"), 12.5},
                   {QStringLiteral("销售数量"), 3.0},
                   {QStringLiteral("销售金额"), 37.5},
                   {QStringLiteral("客户姓名"), QStringLiteral("张三")},
                   {QStringLiteral("联系电话"), QStringLiteral("123")},
                   {QStringLiteral("详细地址"), QStringLiteral("西湖路1号 ")},
                   {QStringLiteral("备注"), QStringLiteral("月结")}}));
    Row goodsAfter1{{QStringLiteral("进货单价"), 8.0},  {QStringLiteral("进货数量"), 10.0},
                    {QStringLiteral("进货金额"), 80.0}, {QStringLiteral("销售单价"), 12.5},
                    {QStringLiteral("销售数量"), 3.0},  {QStringLiteral("销售金额"), 37.5},
                    {QStringLiteral("销售利润"), 13.5}, {QStringLiteral("库存数量"), 7.0},
                    {QStringLiteral("库存金额"), 56.0}};
    expectColumns(ts, kGoods, id, goodsAfter1);
    // The list shows the record updated in place.
    EXPECT_EQ(goods.text(QStringLiteral("库存数量")), QStringLiteral("7"));
    EXPECT_EQ(goods.text(QStringLiteral("销售利润")), QStringLiteral("13.5"));

    // The rest: 7 passes against the stock of 7.
    const sales::GoodsPanel panel = sales::goodsPanel(goods);
    EXPECT_EQ(panel.stock, QStringLiteral("7"));
    EXPECT_FALSE(sales::exceedsStock(QStringLiteral("7"), panel.stock));
    EXPECT_TRUE(sales::exceedsStock(QStringLiteral("8"), panel.stock));
    out = sell(id, typed(id, QStringLiteral("10"), QStringLiteral("7"), QStringLiteral("李四")));
    EXPECT_TRUE(out.stored);
    ASSERT_EQ(ts.count(kSales), 2);
    const qint64 sale2 = sold.bookmark();
    EXPECT_NE(sale2, sale1);
    expectColumns(ts, kSales, sale2,
                  {{QStringLiteral("销售单价"), 10.0},
                   {QStringLiteral("销售数量"), 7.0},
                   {QStringLiteral("销售金额"), 70.0},
                   {QStringLiteral("客户姓名"), QStringLiteral("李四")}});
    expectColumns(ts, kGoods, id,
                  {{QStringLiteral("进货单价"), 8.0},
                   {QStringLiteral("进货数量"), 10.0},
                   {QStringLiteral("进货金额"), 80.0},
                   {QStringLiteral("销售单价"), 10.0},
                   {QStringLiteral("销售数量"), 10.0},
                   {QStringLiteral("销售金额"), 107.5},
                   {QStringLiteral("销售利润"), 27.5},
                   {QStringLiteral("库存数量"), 0.0},
                   {QStringLiteral("库存金额"), 0.0}});
    // The first sale is as it was.
    expectColumns(ts, kSales, sale1, {{QStringLiteral("销售金额"), 37.5}});
    // The sale did not load 表3 to append to it: the dataset holds the new
    // sale alone.
    EXPECT_EQ(sold.statement(), store::Statement::emptyOf(kSales));
    ASSERT_EQ(sold.rowCount(), 1);
    EXPECT_EQ(sold.bookmarkAt(0), sale2);
}

// Sales at awkward prices keep the two relations of a goods record exact to
// the stored digits, and selling out leaves nothing in stock.
TEST_F(SaleRules, RunningTotalsKeepTheirRelationsToSoldOut) {
    struct Goods {
        const char* price;
        const char* quantity;
        std::vector<std::pair<const char*, const char*>> sales;  // price, quantity
    };
    const std::vector<Goods> cases{
        {"2.006", "10", {{"2.5", "3"}, {"3.1", "2.5"}, {"2.006", "0.5"}, {"1.99", "4"}}},
        {"3.333", "7.5", {{"4", "2.5"}, {"3.333", "1.25"}, {"0.01", "3.75"}}},
        {"0.1", "0.3", {{"0.2", "0.1"}, {"0.3", "0.2"}}},
        {"19.99", "17", {{"25", "3"}, {"25.5", "6"}, {"18", "7"}, {"1", "1"}}}};
    for (const Goods& g : cases) {
        const qint64 id = insertGoods(ts, QString::fromUtf8(g.price), QString::fromUtf8(g.price),
                                      QString::fromUtf8(g.quantity));
        reload();
        const double bought = ts.cell(kGoods, id, QStringLiteral("进货数量")).toDouble();
        const double cost = ts.cell(kGoods, id, QStringLiteral("进货金额")).toDouble();
        for (const auto& [price, quantity] : g.sales) {
            ASSERT_TRUE(
                sell(id, typed(id, QString::fromUtf8(price), QString::fromUtf8(quantity))).stored)
                << g.price << ": " << price << " x " << quantity;
            const auto num = [&](const char* col) {
                return ts.cell(kGoods, id, QString::fromUtf8(col)).toDouble();
            };
            const auto general = [](long double v) { return store::NumberText::general(v); };
            EXPECT_EQ(general((long double)num("库存数量") + num("销售数量")), general(bought))
                << g.price << " after " << quantity;
            EXPECT_EQ(general(num("销售利润")),
                      general((long double)num("销售金额") - (cost - (long double)num("库存金额"))))
                << g.price << " after " << quantity;
        }
        // Sold out: nothing left, not a rounding residue.
        EXPECT_EQ(ts.cell(kGoods, id, QStringLiteral("库存数量")), QVariant(0.0)) << g.price;
        EXPECT_EQ(ts.cell(kGoods, id, QStringLiteral("库存金额")), QVariant(0.0)) << g.price;
        EXPECT_EQ(goods.text(QStringLiteral("库存金额")), QStringLiteral("0")) << g.price;
    }
}

TEST_F(SaleRules, StockLeavesAtTheStoredPurchasePrice) {
    // The panel shows 2.01; stock and profit use 2.006.
    const qint64 id =
        insertGoods(ts, QStringLiteral("P"), QStringLiteral("2.006"), QStringLiteral("10"));
    reload();
    ASSERT_TRUE(sell(id, typed(id, QStringLiteral("3"), QStringLiteral("4"))).stored);
    expectColumns(ts, kGoods, id,
                  {{QStringLiteral("销售金额"), 12.0},
                   {QStringLiteral("销售利润"), 3.976},
                   {QStringLiteral("库存数量"), 6.0},
                   {QStringLiteral("库存金额"), 12.036}});
}

TEST_F(SaleRules, ConfirmationChecksTheStoredStock) {
    // 6.996 shows as 7: the key-release check lets 7 through, the store does not.
    const qint64 id = insertGoods(ts, QStringLiteral("S"), QStringLiteral("1"),
                                  QStringLiteral("10"), {{QStringLiteral("库存数量"), 6.996}});
    reload();
    goods.gotoBookmark(id);
    const sales::GoodsPanel panel = sales::goodsPanel(goods);
    ASSERT_EQ(panel.stock, QStringLiteral("7"));
    EXPECT_FALSE(sales::exceedsStock(QStringLiteral("7"), panel.stock));
    const Row before = fileRow(ts, kGoods, id);

    for (const char* quantity : {"7", "11"}) {
        const sales::Outcome out =
            sell(id, typed(id, QStringLiteral("5"), QString::fromUtf8(quantity)));
        EXPECT_FALSE(out.stored) << quantity;
        EXPECT_EQ(out.message, QStringLiteral("库存数量不足，请重新输入！"));
        EXPECT_EQ(ts.count(kSales), 0);
        EXPECT_EQ(fileRow(ts, kGoods, id), before);
    }
    // Exactly the stored stock passes.
    EXPECT_TRUE(sell(id, typed(id, QStringLiteral("5"), QStringLiteral("6.996"))).stored);
    expectColumns(ts, kGoods, id,
                  {{QStringLiteral("库存数量"), 0.0}, {QStringLiteral("销售数量"), 6.996}});
}

TEST_F(SaleRules, APriceOrQuantityThatIsNotANumberStoresNothing) {
    const qint64 id =
        insertGoods(ts, QStringLiteral("N"), QStringLiteral("8"), QStringLiteral("10"));
    ts.insert(kSales, {{QStringLiteral("客户姓名"), QStringLiteral("老客户")}});
    reload();
    const Row before = fileRow(ts, kGoods, id);
    struct Case {
        const char* price;
        const char* quantity;
        const char* named;
    };
    for (const Case& c : {Case{"", "3", "''"}, Case{"12.5", "", "''"}, Case{"abc", "3", "'abc'"},
                          Case{"12.5", "3x", "'3x'"}}) {
        try {
            sell(id, typed(id, QString::fromUtf8(c.price), QString::fromUtf8(c.quantity)));
            ADD_FAILURE() << c.price << " x " << c.quantity << " was sold";
        } catch (const store::Error& e) {
            EXPECT_EQ(e.message(), QString::fromUtf8(c.named) +
                                       QStringLiteral(" is not a valid floating point value"));
        }
        EXPECT_EQ(ts.count(kSales), 1);
        EXPECT_EQ(sold.rowCount(), 1);
        EXPECT_EQ(fileRow(ts, kGoods, id), before);
        EXPECT_EQ(goods.text(QStringLiteral("库存数量")), QStringLiteral("10"));
    }
}

TEST_F(SaleRules, ASaleWhoseGoodsUpdateFailsLeavesNothingBehind) {
    const qint64 id =
        insertGoods(ts, QStringLiteral("D"), QStringLiteral("8"), QStringLiteral("10"));
    const qint64 earlier =
        ts.insert(kSales, {{QStringLiteral("客户姓名"), QStringLiteral("老客户")},
                           {QStringLiteral("销售金额"), 5.0}});
    reload();
    const sales::SaleTexts s = typed(id, QStringLiteral("12.5"), QStringLiteral("3"));

    // Another window deletes the goods record before 确定.
    {
        store::Connection other;
        store::Dataset list(other, store::Statement::table(kGoods));
        list.open();
        ASSERT_TRUE(list.gotoBookmark(id));
        list.deleteCurrent();
    }
    ASSERT_EQ(ts.count(kGoods), 0);

    EXPECT_THROW(sell(id, s), store::Error);
    EXPECT_EQ(ts.count(kSales), 1);
    EXPECT_EQ(ts.cell(kSales, earlier, QStringLiteral("客户姓名")),
              QVariant(QStringLiteral("老客户")));
    // The undone sale left no row in the snapshot either.
    EXPECT_EQ(sold.rowCount(), 0);
    EXPECT_FALSE(conn.inTransaction());
    // The goods snapshot is as it was too.
    ASSERT_TRUE(goods.gotoBookmark(id));
    EXPECT_EQ(goods.text(QStringLiteral("库存数量")), QStringLiteral("10"));
    EXPECT_EQ(goods.text(QStringLiteral("销售数量")), QStringLiteral("0"));
    EXPECT_EQ(goods.state(), store::Dataset::State::Browse);

    // And the next sale goes through normally.
    const qint64 other =
        insertGoods(ts, QStringLiteral("E"), QStringLiteral("1"), QStringLiteral("5"));
    reload();
    EXPECT_TRUE(sell(other, typed(other, QStringLiteral("2"), QStringLiteral("5"))).stored);
    EXPECT_EQ(ts.count(kSales), 2);
}

TEST_F(SaleRules, ASaleOfAGoodsRecordNoLongerListedIsRefused) {
    const qint64 id =
        insertGoods(ts, QStringLiteral("G"), QStringLiteral("8"), QStringLiteral("10"));
    reload();
    const sales::SaleTexts s = typed(id, QStringLiteral("12.5"), QStringLiteral("3"));
    goods.gotoBookmark(id);
    goods.deleteCurrent();  // the grid's own delete

    const sales::Outcome out = sell(id, s);
    EXPECT_FALSE(out.stored);
    EXPECT_EQ(out.message, QStringLiteral("当前销售商品信息为空!"));
    EXPECT_EQ(ts.count(kSales), 0);
}

TEST_F(SaleRules, SaleGoesToThePanelsRecordAndLeavesTheListWhereItIs) {
    const qint64 a =
        insertGoods(ts, QStringLiteral("A"), QStringLiteral("1"), QStringLiteral("10"));
    const qint64 b =
        insertGoods(ts, QStringLiteral("B"), QStringLiteral("1"), QStringLiteral("10"));
    reload();
    const sales::SaleTexts s = typed(a, QStringLiteral("2"), QStringLiteral("4"));
    const Row bBefore = fileRow(ts, kGoods, b);
    goods.gotoBookmark(b);

    ASSERT_TRUE(sell(a, s).stored);
    expectColumns(ts, kGoods, a,
                  {{QStringLiteral("库存数量"), 6.0}, {QStringLiteral("销售金额"), 8.0}});
    EXPECT_EQ(fileRow(ts, kGoods, b), bBefore);
    EXPECT_EQ(goods.bookmark(), b);
    expectColumns(ts, kSales, sold.bookmark(), {{QStringLiteral("商品编码"), QStringLiteral("A")}});
}

TEST_F(SaleRules, StoresPriceTimesQuantityWhateverTheAmountField) {
    const qint64 id =
        insertGoods(ts, QStringLiteral("Q"), QStringLiteral("1"), QStringLiteral("10"));
    reload();
    // 12.50 and 3.0 as typed: the record keeps the numbers.
    ASSERT_TRUE(sell(id, typed(id, QStringLiteral("12.50"), QStringLiteral("3.0"))).stored);
    expectColumns(ts, kSales, sold.bookmark(),
                  {{QStringLiteral("销售单价"), 12.5},
                   {QStringLiteral("销售数量"), 3.0},
                   {QStringLiteral("销售金额"), 37.5}});
    // The defaults sell nothing and leave the totals as they are.
    ASSERT_TRUE(sell(id, typed(id, QStringLiteral("0"), QStringLiteral("0"))).stored);
    expectColumns(ts, kSales, sold.bookmark(), {{QStringLiteral("销售金额"), 0.0}});
    expectColumns(ts, kGoods, id,
                  {{QStringLiteral("销售单价"), 0.0},
                   {QStringLiteral("销售数量"), 3.0},
                   {QStringLiteral("销售金额"), 37.5},
                   {QStringLiteral("库存数量"), 7.0}});
}

TEST_F(SaleRules, LongGoodsTextsAreCutToTheSaleColumn) {
    const QString longName = QString(60, QChar(u'笔'));
    const qint64 id = insertGoods(ts, QStringLiteral("L"), QStringLiteral("1"),
                                  QStringLiteral("10"), {{QStringLiteral("商品名称"), longName}});
    reload();
    const sales::SaleTexts s = typed(id, QStringLiteral("2"), QStringLiteral("1"));
    ASSERT_EQ(s.name, longName);
    ASSERT_TRUE(sell(id, s).stored);
    EXPECT_EQ(ts.cell(kSales, sold.bookmark(), QStringLiteral("商品名称")),
              QVariant(longName.left(50)));
    EXPECT_EQ(ts.cell(kGoods, id, QStringLiteral("商品名称")), QVariant(longName));
}

TEST_F(SaleRules, SaleDateCarriesTheTimeOfConfirmation) {
    const qint64 id =
        insertGoods(ts, QStringLiteral("T"), QStringLiteral("1"), QStringLiteral("10"));
    reload();
    sales::SaleTexts s = typed(id, QStringLiteral("2"), QStringLiteral("1"));
    s.date = QDate(2013, 7, 23);
    const QTime before = QTime::currentTime();
    ASSERT_TRUE(sales::sell(goods, id, sold, s).stored);
    const QTime after = QTime::currentTime();
    const QString stored = ts.cell(kSales, sold.bookmark(), QStringLiteral("销售日期")).toString();
    ASSERT_TRUE(stored.startsWith(QStringLiteral("2013/7/23 "))) << stored.toStdString();
    const QTime time = QTime::fromString(stored.mid(10), QStringLiteral("H:mm:ss"));
    ASSERT_TRUE(time.isValid()) << stored.toStdString();
    if (after >= before) {  // not across midnight
        EXPECT_GE(time, QTime(before.hour(), before.minute(), before.second()));
        EXPECT_LE(time, after);
    }
}

// --- correcting a sale -----------------------------------------------------

class SaleCorrection : public SaleRules {
protected:
    void SetUp() override {
        goodsId = insertGoods(ts, QStringLiteral("C"), QStringLiteral("2"), QStringLiteral("10"));
        reload();
        ASSERT_TRUE(
            sell(goodsId, typed(goodsId, QStringLiteral("3.333"), QStringLiteral("3"))).stored);
        saleId = sold.bookmark();
        ASSERT_TRUE(sell(goodsId, typed(goodsId, QStringLiteral("4"), QStringLiteral("1"),
                                        QStringLiteral("李四")))
                        .stored);
        otherId = sold.bookmark();
        // The details window's own list.
        details.open();
    }

    store::Dataset details{conn, store::Statement::table(kSales)};
    qint64 goodsId = 0, saleId = 0, otherId = 0;
};

TEST_F(SaleCorrection, OnlyTheCustomerNameKeepsTheAmountAndTheGoods) {
    const Row saleBefore = fileRow(ts, kSales, saleId);
    const Row otherBefore = fileRow(ts, kSales, otherId);
    const Row goodsBefore = fileRow(ts, kGoods, goodsId);
    ASSERT_EQ(saleBefore[QStringLiteral("销售金额")], QVariant(9.999));

    // The panel was filled from the first sale; the user then moved on.
    details.gotoBookmark(otherId);
    sales::CustomerTexts texts{QStringLiteral(" 王五 "), QStringLiteral("999"),
                               QStringLiteral("别处"), QStringLiteral("改过")};
    sales::CustomerFlags changed{true, false, false, false};
    const sales::Outcome out = sales::correct(details, saleId, texts, changed);
    EXPECT_TRUE(out.stored);
    EXPECT_EQ(out.message, QStringLiteral("修改进货信息成功！"));

    Row expected = saleBefore;
    expected[QStringLiteral("客户姓名")] = QStringLiteral(" 王五 ");
    EXPECT_EQ(fileRow(ts, kSales, saleId), expected);  // 9.999 among them
    EXPECT_EQ(fileRow(ts, kSales, otherId), otherBefore);
    EXPECT_EQ(fileRow(ts, kGoods, goodsId), goodsBefore);
    EXPECT_EQ(details.bookmark(), otherId);
    EXPECT_EQ(details.text(QStringLiteral("客户姓名")), QStringLiteral("李四"));
}

TEST_F(SaleCorrection, FlaggedFieldsAreStoredUntrimmedAndCut) {
    const QString longAddress = QStringLiteral(" ") + QString(59, QChar(u'路'));
    sales::CustomerTexts texts{QStringLiteral("x"), QStringLiteral(" 0571 "), longAddress,
                               QString()};
    sales::CustomerFlags changed{false, true, true, true};
    ASSERT_TRUE(sales::correct(details, saleId, texts, changed).stored);
    expectColumns(ts, kSales, saleId,
                  {{QStringLiteral("客户姓名"), QStringLiteral("张三")},
                   {QStringLiteral("联系电话"), QStringLiteral(" 0571 ")},
                   {QStringLiteral("详细地址"), longAddress.left(50)},
                   {QStringLiteral("备注"), QString()},
                   {QStringLiteral("销售金额"), 9.999}});
}

TEST_F(SaleCorrection, ACorrectionOfAGoneSaleIsRefused) {
    const Row otherBefore = fileRow(ts, kSales, otherId);
    details.gotoBookmark(saleId);
    details.deleteCurrent();
    const sales::CustomerFlags all{true, true, true, true};
    const sales::CustomerTexts texts{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                                     QStringLiteral("d")};
    sales::Outcome out = sales::correct(details, saleId, texts, all);
    EXPECT_FALSE(out.stored);
    EXPECT_EQ(out.message, QStringLiteral("当前修改销售信息为空！"));
    EXPECT_EQ(fileRow(ts, kSales, otherId), otherBefore);

    details.deleteCurrent();
    ASSERT_EQ(details.rowCount(), 0);
    out = sales::correct(details, otherId, texts, all);
    EXPECT_FALSE(out.stored);
    EXPECT_EQ(out.message, QStringLiteral("当前修改销售信息为空！"));
    EXPECT_EQ(ts.count(kSales), 0);
}

}  // namespace
