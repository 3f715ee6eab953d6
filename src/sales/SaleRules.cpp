#include "SaleRules.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>

#include "Connection.h"
#include "KeepCurrent.h"
#include "NumberText.h"
#include "Reopen.h"
#include "Schema.h"
#include "StoreError.h"

namespace sales {
namespace {

using store::Dataset;
using store::KeepCurrent;
namespace NumberText = store::NumberText;

// A column of the current row as a number, read through its text as every
// figure is; a null fails like an empty field would.
long double stored(const Dataset& ds, const QString& column) {
    return NumberText::toNumber(ds.text(column));
}

// The general form of a running total. Each term carries at most fifteen
// significant digits, so anything below the fifteenth digit of the largest
// term is left over from binary conversion (20.06 - 10 × 2.006 is not
// exactly 0 even in extended precision); it is rounded away so that a
// sold-out record shows 0 and not 8.67E-19.
QString settledSum(std::initializer_list<long double> terms) {
    long double sum = 0, largest = 0;
    for (long double t : terms) {
        sum += t;
        largest = std::max(largest, std::fabs(t));
    }
    if (largest == 0 || !std::isfinite(sum)) return NumberText::general(sum);
    const int exponent = int(std::floor(std::log10(largest))) - 14;
    long double settled;
    if (exponent < 0) {
        const long double scale = std::pow(10.0L, -exponent);
        settled = std::roundl(sum * scale) / scale;
    } else {
        const long double quantum = std::pow(10.0L, exponent);
        settled = std::roundl(sum / quantum) * quantum;
    }
    return NumberText::general(settled);
}

}  // namespace

GoodsPanel goodsPanel(const Dataset& goods) {
    GoodsPanel p;
    p.code = goods.text(QStringLiteral("商品编码"));
    p.name = goods.text(QStringLiteral("商品名称"));
    p.model = goods.text(QStringLiteral("商品型号"));
    p.size = goods.text(QStringLiteral("商品规格"));
    p.unit = goods.text(QStringLiteral("单位"));
    p.price = NumberText::round2(goods.text(QStringLiteral("进货单价")));
    p.stock = NumberText::round2(goods.text(QStringLiteral("库存数量")));
    return p;
}

bool exceedsStock(const QString& quantity, const QString& stockShown) {
    const long double q = NumberText::toNumber(quantity);
    const long double s = NumberText::toNumber(stockShown);
    return q > s;
}

QString saleAmount(const QString& price, const QString& quantity) {
    return NumberText::product(price, quantity);
}

QString saleDate(const QDate& chosen, const QTime& confirmedAt) {
    const QTime time(confirmedAt.hour(), confirmedAt.minute(), confirmedAt.second());
    return store::dateTimeText(QDateTime(chosen, time));
}

Outcome sell(Dataset& goods, Dataset::Bookmark goodsRecord, Dataset& sales, const SaleTexts& sale,
             const QTime& confirmedAt) {
    // Nothing is written before the figures are known to be numbers.
    const long double p = NumberText::toNumber(sale.price);
    const long double q = NumberText::toNumber(sale.quantity);
    if (goods.rowCount() == 0 || goods.indexOf(goodsRecord) < 0) return {false, kNoGoods};
    if (&goods.connection() != &sales.connection())
        throw store::Error(QStringLiteral("The sale and its goods record need one connection"));

    KeepCurrent keep(goods);
    goods.gotoBookmark(goodsRecord);

    // The stored figures, not the panel's two-decimal display: the panel may
    // round a stock of 6.996 up to 7, and stock leaves at the price it came
    // in at, so that a sold-out record ends at a stock amount of 0.
    const long double cost = stored(goods, QStringLiteral("进货单价"));
    const long double stock = stored(goods, QStringLiteral("库存数量"));
    if (q > stock) return {false, kStockShort};
    const long double soldQuantity = stored(goods, QStringLiteral("销售数量"));
    const long double soldAmount = stored(goods, QStringLiteral("销售金额"));
    const long double profit = stored(goods, QStringLiteral("销售利润"));
    const long double stockAmount = stored(goods, QStringLiteral("库存金额"));

    // The amount is price × quantity whatever the amount field shows; the
    // goods totals grow by the same figure the sale record holds.
    const QString amountText = NumberText::general(p * q);
    const long double a = NumberText::toNumber(amountText);
    const long double leaving = q * cost;

    store::Connection::Transaction transaction(goods.connection());

    // The append target holds no rows: 表3 grows to a million sales, and a
    // sale must not load them all to add one.
    sales.replaceStatement(store::Statement::emptyOf(store::Tables::Sales));
    sales.append();
    sales.setText(QStringLiteral("销售日期"), saleDate(sale.date, confirmedAt));
    sales.setText(QStringLiteral("商品编码"), sale.code);
    sales.setText(QStringLiteral("商品名称"), sale.name);
    sales.setText(QStringLiteral("商品型号"), sale.model);
    sales.setText(QStringLiteral("商品规格"), sale.size);
    sales.setText(QStringLiteral("单位"), sale.unit);
    sales.setText(QStringLiteral("销售单价"), sale.price);
    sales.setText(QStringLiteral("销售数量"), sale.quantity);
    sales.setText(QStringLiteral("销售金额"), amountText);
    sales.setText(QStringLiteral("客户姓名"), sale.customer);
    sales.setText(QStringLiteral("联系电话"), sale.phone);
    sales.setText(QStringLiteral("详细地址"), sale.address);
    sales.setText(QStringLiteral("备注"), sale.remark);
    sales.post();

    goods.edit();
    goods.setText(QStringLiteral("销售单价"), sale.price);
    goods.setText(QStringLiteral("销售数量"), settledSum({soldQuantity, q}));
    goods.setText(QStringLiteral("销售金额"), settledSum({soldAmount, a}));
    goods.setText(QStringLiteral("销售利润"), settledSum({profit, a, -leaving}));
    goods.setText(QStringLiteral("库存数量"), settledSum({stock, -q}));
    goods.setText(QStringLiteral("库存金额"), settledSum({stockAmount, -leaving}));
    goods.post();

    transaction.commit();
    return {true, kSold};
}

Outcome correct(Dataset& sales, Dataset::Bookmark saleRecord, const CustomerTexts& texts,
                const CustomerFlags& changed) {
    if (sales.rowCount() == 0 || sales.indexOf(saleRecord) < 0) return {false, kNothingToCorrect};

    KeepCurrent keep(sales);
    sales.gotoBookmark(saleRecord);

    // From the stored figures, not their two-decimal display: correcting a
    // customer must not change what a 3.333 sale came to.
    std::optional<QString> amount;
    const QString price = sales.text(QStringLiteral("销售单价"));
    const QString quantity = sales.text(QStringLiteral("销售数量"));
    if (!price.isEmpty() && !quantity.isEmpty()) amount = NumberText::product(price, quantity);

    static const std::array<QString, CustomerFieldCount> columns{
        QStringLiteral("客户姓名"), QStringLiteral("联系电话"), QStringLiteral("详细地址"),
        QStringLiteral("备注")};
    sales.edit();
    if (amount) sales.setText(QStringLiteral("销售金额"), *amount);
    for (int f = 0; f < CustomerFieldCount; ++f)
        if (changed[f]) sales.setText(columns[f], texts[f]);
    sales.post();
    return {true, kCorrected};
}

}  // namespace sales
