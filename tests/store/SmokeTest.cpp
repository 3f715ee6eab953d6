#include <gtest/gtest.h>

#include "Connection.h"
#include "Dataset.h"
#include "TempStore.h"

TEST(Smoke, AppendAndReload) {
    TempStore ts;
    store::Connection c;
    store::Dataset ds(c, store::Statement::table(QStringLiteral("表1")));
    ds.open();
    EXPECT_EQ(ds.rowCount(), 0);
    ds.append();
    ds.setText(QStringLiteral("商品名称"), QStringLiteral("铅笔"));
    ds.setText(QStringLiteral("进货单价"), QStringLiteral("12.50"));
    ds.post();
    EXPECT_EQ(ds.rowCount(), 1);
    EXPECT_EQ(ds.text(QStringLiteral("进货单价")), QStringLiteral("12.5"));
    EXPECT_EQ(ts.cell(QStringLiteral("表1"), ds.bookmark(), QStringLiteral("商品名称")).toString(), QStringLiteral("铅笔"));
}
