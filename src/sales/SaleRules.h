#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <array>

#include "Dataset.h"

// What selling goods and correcting a sale write. The sales windows gather
// the panel texts, call these and show the message the outcome names.
namespace sales {

inline const QString kNoGoods = QStringLiteral("当前销售商品信息为空!");
inline const QString kStockShort = QStringLiteral("库存数量不足，请重新输入！");
inline const QString kSold = QStringLiteral("销售商品成功！");
inline const QString kNothingToCorrect = QStringLiteral("当前修改销售信息为空！");
// The details window has always said 进货 here.
inline const QString kCorrected = QStringLiteral("修改进货信息成功！");

struct Outcome {
    bool stored = false;
    QString message;  // shown in a plain "提示" box either way
};

// The selling panel's goods group, from the goods record that is current:
// Edit1..Edit5 as stored, Edit6 and Edit7 rounded to two decimals.
struct GoodsPanel {
    QString code, name, model, size, unit;  // 商品编码 .. 单位
    QString price;                          // 进货单价
    QString stock;                          // 库存数量
};
GoodsPanel goodsPanel(const store::Dataset& goods);

// Key release in 销售数量: true when the quantity is above the stock shown
// (equal passes). Throws on a text that is not a number.
bool exceedsStock(const QString& quantity, const QString& stockShown);

// 销售金额 of the panel: price × quantity in the general form.
QString saleAmount(const QString& price, const QString& quantity);

// 销售日期 as stored: the chosen date at the time of day the sale is confirmed.
QString saleDate(const QDate& chosen, const QTime& confirmedAt);

// The selling panel's texts at "确定".
struct SaleTexts {
    QDate date;                             // DateTimePicker1
    QString code, name, model, size, unit;  // Edit1..Edit5
    QString price;                          // Edit8 销售单价
    QString quantity;                       // Edit9 销售数量
    QString customer;                       // ComboBox1 客户姓名
    QString phone, address, remark;         // Edit11..Edit13
};

// Confirms a sale of the goods record the panel was filled from: appends the
// sale record to 表3 (through `sales`, reopened without rows of 表3 so that
// it ends up holding just the new sale) and adds the sale to the goods
// record's sales and stock totals. Price and quantity must be numbers and
// the stored stock must cover the quantity; both writes happen in one
// transaction, so either both are stored or neither. `goods` and `sales` must share one connection.
// The goods list's current row is left where it was.
Outcome sell(store::Dataset& goods, store::Dataset::Bookmark goodsRecord, store::Dataset& sales,
             const SaleTexts& sale, const QTime& confirmedAt = QTime::currentTime());

// The correction panel's customer fields Edit8..Edit11.
enum CustomerField { Customer, Phone, Address, Remark, CustomerFieldCount };
using CustomerTexts = std::array<QString, CustomerFieldCount>;
using CustomerFlags = std::array<bool, CustomerFieldCount>;

// Saves a correction of the sale record the panel was filled from: the
// flagged customer fields, and 销售金额 recomputed from the stored unit
// price and quantity. The goods records are never touched.
Outcome correct(store::Dataset& sales, store::Dataset::Bookmark saleRecord,
                const CustomerTexts& texts, const CustomerFlags& changed);

}  // namespace sales
