#include <gtest/gtest.h>

#include <memory>

#include "Connection.h"
#include "Dataset.h"
#include "StoreTestUtil.h"
#include "TempStore.h"

namespace {

const QString kStock = QStringLiteral("库存数量");
const QString kSold = QStringLiteral("销售数量");

}  // namespace

// A sale writes a sale record and its goods record: when the goods record
// turns out to be gone, neither write may stay, in the file or on screen.
TEST(Transaction, FailedSecondPostRollsBackBothDatasets) {
    TempStore ts;
    const qint64 pen = ts.insertGoods(QStringLiteral("A"), QStringLiteral("钢笔"), 5, 10);
    const qint64 ink = ts.insertGoods(QStringLiteral("B"), QStringLiteral("墨水"), 3, 20);
    ts.insert(Sales, {{kCode, QStringLiteral("A")},
                      {QStringLiteral("销售数量"), 1.0},
                      {QStringLiteral("客户姓名"), QStringLiteral("张伟")}});
    store::Connection c;
    Dataset sales(c, Statement::table(Sales));
    Dataset goods(c, Statement::table(Goods));
    sales.open();
    goods.open();
    ts.exec(QStringLiteral("DELETE FROM 表1 WHERE ID = %1").arg(ink));  // another window

    {
        store::Connection::Transaction t(c);
        sales.append();
        sales.setText(kCode, QStringLiteral("A"));
        sales.setText(kSold, QStringLiteral("2"));
        sales.post();
        sales.first();
        sales.edit();
        sales.setText(kSold, QStringLiteral("9"));
        sales.setText(QStringLiteral("客户姓名"), QStringLiteral("李娜"));
        sales.post();
        goods.first();
        goods.edit();
        goods.setText(kStock, QStringLiteral("8"));
        goods.post();
        goods.last();
        goods.edit();
        goods.setText(kStock, QStringLiteral("18"));
        EXPECT_EQ(storeErrorOf([&] { goods.post(); }),
                  QStringLiteral("Row cannot be located for updating. Some values may have been "
                                 "changed since it was last read."));
        EXPECT_EQ(sales.rowCount(), 2);
    }

    EXPECT_FALSE(c.inTransaction());
    EXPECT_EQ(ts.count(Sales), 1);
    EXPECT_EQ(ts.cell(Sales, 1, kSold), QVariant(1.0));
    EXPECT_EQ(ts.cell(Goods, pen, kStock), QVariant(10.0));
    EXPECT_EQ(sales.rowCount(), 1);
    EXPECT_EQ(columnTexts(sales, kSold), QStringList{"1"});
    EXPECT_EQ(columnTexts(sales, QStringLiteral("客户姓名")), QStringList{"张伟"});
    EXPECT_EQ(ts.cell(Sales, 1, QStringLiteral("客户姓名")).toString(), QStringLiteral("张伟"));
    EXPECT_EQ(columnTexts(goods, kStock), QStringList({"10", "20"}));

    // The connection and its datasets carry on as before.
    sales.append();
    sales.setText(kCode, QStringLiteral("A"));
    sales.post();
    EXPECT_EQ(ts.count(Sales), 2);
}

TEST(Transaction, CommitKeepsAndRollbackRestoresDeletes) {
    TempStore ts;
    for (const char* code : {"A", "B", "C", "D"}) ts.insertGoods(u8(code), QString(), 1, 1);
    store::Connection c;
    Dataset goods(c, Statement::table(Goods));
    goods.open();
    {
        store::Connection::Transaction t(c);
        goods.moveTo(1);
        goods.deleteCurrent();  // B
        goods.last();
        goods.deleteCurrent();  // D
        goods.first();
        EXPECT_EQ(columnTexts(goods, kCode), QStringList({"A", "C"}));
    }
    EXPECT_EQ(ts.count(Goods), 4);
    EXPECT_EQ(columnTexts(goods, kCode), QStringList({"A", "B", "C", "D"}));
    EXPECT_EQ(goods.text(kCode), QStringLiteral("A")) << "the current record stays current";
    goods.moveTo(3);
    goods.deleteCurrent();
    EXPECT_EQ(ts.count(Goods), 3) << "the restored row is the file's own row";

    {
        store::Connection::Transaction t(c);
        goods.first();
        goods.deleteCurrent();
        goods.edit();
        goods.setText(kStock, QStringLiteral("5"));
        goods.post();
        t.commit();
    }
    EXPECT_EQ(ts.count(Goods), 2);
    EXPECT_EQ(columnTexts(goods, kCode), QStringList({"B", "C"}));
    EXPECT_EQ(columnTexts(goods, kStock), QStringList({"5", "1"}));
    EXPECT_EQ(storeErrorOf([&] {
                  store::Connection::Transaction t1(c);
                  store::Connection::Transaction t2(c);
              }),
              QStringLiteral("A transaction is already running"));
    EXPECT_EQ(ts.count(Goods), 2);
}

// A dataset that is gone or reloaded before the rollback has nothing to undo.
TEST(Transaction, RollbackAfterTheDatasetWentAwayIsHarmless) {
    TempStore ts;
    ts.insertGoods(QStringLiteral("A"), QStringLiteral("钢笔"), 5, 10);
    store::Connection c;
    Dataset kept(c, Statement::table(Goods));
    kept.open();
    {
        store::Connection::Transaction t(c);
        auto temporary = std::make_unique<Dataset>(c, Statement::table(Goods));
        temporary->open();
        temporary->edit();
        temporary->setText(QStringLiteral("商品名称"), QStringLiteral("临时"));
        temporary->post();
        temporary->append();
        temporary->setText(kCode, QStringLiteral("T"));
        temporary->post();
        temporary.reset();
        kept.edit();
        kept.setText(kStock, QStringLiteral("1"));
        kept.post();
        kept.deleteCurrent();
        kept.close();
        kept.open();
    }
    EXPECT_EQ(ts.count(Goods), 1);
    EXPECT_EQ(ts.cell(Goods, 1, QStringLiteral("商品名称")).toString(), QStringLiteral("钢笔"));
    // The reloaded snapshot shows the file as it was inside the transaction
    // (one row, stock 1, then deleted): nothing of the old snapshot is put back.
    EXPECT_EQ(kept.rowCount(), 1);
    EXPECT_EQ(columnTexts(kept, kCode), QStringList({"T"}));
}
