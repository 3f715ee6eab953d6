#include <gtest/gtest.h>

#include <QVariant>

#include "Connection.h"
#include "CustomerLookup.h"
#include "Dataset.h"
#include "TempStore.h"

// Readable failures: gtest would print Qt values as bytes.
static void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace sales {
static void PrintTo(const CustomerLookup::Customer& c, std::ostream* os) {
    *os << "{" << c.phone.toStdString() << ", " << c.address.toStdString() << ", "
        << c.remark.toStdString() << "}";
}
}  // namespace sales

namespace {

using Customer = sales::CustomerLookup::Customer;

// The list comes in the store's order, which no statement fixes.
QStringList sorted(QStringList names) {
    names.sort();
    return names;
}

const QString kSales = QStringLiteral("表3");

class CustomerLookupTest : public ::testing::Test {
protected:
    void SetUp() override { sold.open(); }

    qint64 sale(const QVariant& name, const QString& phone, const QString& address,
                const QString& remark) {
        return ts.insert(kSales, {{QStringLiteral("客户姓名"), name},
                                  {QStringLiteral("联系电话"), phone},
                                  {QStringLiteral("详细地址"), address},
                                  {QStringLiteral("备注"), remark}});
    }
    // The sales window becoming active.
    void reload() {
        sold.close();
        sold.setStatement(store::Statement::table(kSales));
        sold.open();
    }

    TempStore ts;
    store::Connection conn;
    store::Dataset sold{conn, store::Statement::table(kSales)};
    sales::CustomerLookup lookup{sold};
};

TEST_F(CustomerLookupTest, NoSalesYetMeansNoListAndNoLookup) {
    EXPECT_TRUE(lookup.customers().isEmpty());
    EXPECT_EQ(sold.statement(), store::Statement::distinctCustomers());
    EXPECT_EQ(lookup.lookup(QStringLiteral("张")), std::nullopt);
    // Nothing was searched: the list's statement still stands.
    EXPECT_EQ(sold.statement(), store::Statement::distinctCustomers());
}

TEST_F(CustomerLookupTest, ListHoldsEachNameOnce) {
    sale(QStringLiteral("张三"), QStringLiteral("123"), QStringLiteral("东路"),
         QStringLiteral("老客"));
    sale(QStringLiteral("李四"), QStringLiteral("456"), QString(), QString());
    sale(QStringLiteral("张三"), QStringLiteral("789"), QString(), QString());
    sale(QString(), QString(), QString(), QString());
    reload();
    EXPECT_EQ(sorted(lookup.customers()),
              sorted(QStringList{QStringLiteral("张三"), QStringLiteral("李四"), QString()}));
}

TEST_F(CustomerLookupTest, ANullNameListsAsTheEmptyName) {
    sale(QVariant(), QStringLiteral("1"), QString(), QString());
    sale(QStringLiteral("王五"), QStringLiteral("2"), QString(), QString());
    reload();
    EXPECT_EQ(sorted(lookup.customers()), sorted(QStringList{QStringLiteral("王五"), QString()}));

    sale(QString(), QStringLiteral("3"), QString(), QString());  // and an empty one besides
    reload();
    EXPECT_EQ(sorted(lookup.customers()), sorted(QStringList{QStringLiteral("王五"), QString()}));
}

TEST_F(CustomerLookupTest, TypingFillsFromTheFirstMatchingSale) {
    sale(QStringLiteral("张三"), QStringLiteral("123"), QStringLiteral("东路1号"),
         QStringLiteral("老客"));
    sale(QStringLiteral("李四"), QStringLiteral("456"), QStringLiteral("西路"), QStringLiteral(""));
    reload();
    lookup.customers();

    const Customer zhang{QStringLiteral("123"), QStringLiteral("东路1号"), QStringLiteral("老客")};
    EXPECT_EQ(lookup.lookup(QStringLiteral("张")), zhang);
    EXPECT_EQ(lookup.lookup(QStringLiteral("张三")), zhang);
    // No earlier sale contains this name: the fields empty...
    EXPECT_EQ(lookup.lookup(QStringLiteral("张三丰")), Customer{});
    // ...and later changes still look up, over the whole table.
    EXPECT_EQ(lookup.lookup(QStringLiteral("张三")), zhang);
    EXPECT_EQ(lookup.lookup(QStringLiteral("李")),
              (Customer{QStringLiteral("456"), QStringLiteral("西路"), QString()}));
    EXPECT_EQ(lookup.lookup(QStringLiteral("三")), zhang);
    // An emptied name leaves the fields alone.
    EXPECT_EQ(lookup.lookup(QString()), std::nullopt);
}

TEST_F(CustomerLookupTest, TheNameIsSearchedAsTypedNotAsSql) {
    sale(QStringLiteral("张\"三"), QStringLiteral("1"), QString(), QString());
    sale(QStringLiteral(" 赵六"), QStringLiteral("2"), QString(), QString());
    reload();
    lookup.customers();
    EXPECT_EQ(lookup.lookup(QStringLiteral("张\"")), (Customer{QStringLiteral("1"), {}, {}}));
    EXPECT_EQ(lookup.lookup(QStringLiteral("\" or 1=1 or \"")), Customer{});
    EXPECT_EQ(lookup.lookup(QStringLiteral(" 赵")), (Customer{QStringLiteral("2"), {}, {}}));
    EXPECT_EQ(lookup.lookup(QStringLiteral("  赵")), Customer{});  // blanks count
}

TEST_F(CustomerLookupTest, TheFirstSaleOfAnEmptyTableIsListedNextTime) {
    EXPECT_TRUE(lookup.customers().isEmpty());
    sale(QStringLiteral("张三"), QStringLiteral("123"), QString(), QString());
    // Opening the panel again rebuilds the list and lets the lookup run.
    EXPECT_EQ(sorted(lookup.customers()), sorted(QStringList{QStringLiteral("张三")}));
    EXPECT_EQ(lookup.lookup(QStringLiteral("张")), (Customer{QStringLiteral("123"), {}, {}}));
}

}  // namespace
