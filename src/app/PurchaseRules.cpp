#include "PurchaseRules.h"

#include <algorithm>
#include <optional>

#include "KeepCurrent.h"
#include "NumberText.h"

namespace purchase {
namespace {

using store::Dataset;
using store::KeepCurrent;
namespace NumberText = store::NumberText;

const QString kPriceColumn = QStringLiteral("进货单价");
const QString kQuantityColumn = QStringLiteral("进货数量");
const QString kAmountColumn = QStringLiteral("进货金额");

}  // namespace

const std::array<QString, FieldCount>& columns() {
    static const std::array<QString, FieldCount> names{QStringLiteral("商品编码"),
                                                       QStringLiteral("商品名称"),
                                                       QStringLiteral("商品型号"),
                                                       QStringLiteral("商品规格"),
                                                       QStringLiteral("单位"),
                                                       kPriceColumn,
                                                       kQuantityColumn,
                                                       QStringLiteral("供货单位"),
                                                       QStringLiteral("联系人"),
                                                       QStringLiteral("联系电话"),
                                                       QStringLiteral("详细地址"),
                                                       QStringLiteral("备注")};
    return names;
}

Texts addDefaults() {
    Texts t;
    t[Price] = QStringLiteral("0");
    t[Quantity] = QStringLiteral("0");
    return t;
}

Texts fieldsOf(const Dataset& goods) {
    Texts t;
    for (int f = 0; f < FieldCount; ++f) t[f] = goods.text(columns()[f]);
    // A record stored without a price or quantity still opens, so that it
    // can be put right.
    for (int f : {Price, Quantity})
        if (!t[f].isEmpty()) t[f] = NumberText::round2(t[f]);
    return t;
}

Outcome add(Dataset& goods, const Texts& texts) {
    if (std::all_of(texts.begin(), texts.end(), [](const QString& s) { return s.isEmpty(); }))
        return {false, kEmptyEntry};

    // Both numbers are checked before the row is started: no half row.
    const QString amount = NumberText::product(texts[Price], texts[Quantity]);

    const auto& col = columns();
    const QString zero = QStringLiteral("0");
    goods.append();
    for (int f : {Code, Name, Model, Size, Unit, Price, Quantity}) goods.setText(col[f], texts[f]);
    goods.setText(kAmountColumn, amount);
    for (int f : {Supplier, Contact, Phone, Address, Remark}) goods.setText(col[f], texts[f]);
    for (const char16_t* c : {u"销售单价", u"销售数量", u"销售金额", u"销售利润"})
        goods.setText(QString::fromUtf16(c), zero);
    goods.setText(QStringLiteral("库存数量"), texts[Quantity]);
    goods.setText(QStringLiteral("库存金额"), amount);
    goods.post();
    return {true, kAdded};
}

Outcome modify(Dataset& goods, Dataset::Bookmark record, const Texts& texts, const Flags& changed) {
    if (goods.rowCount() == 0 || goods.indexOf(record) < 0) return {false, kNothingToModify};

    KeepCurrent keep(goods);
    goods.gotoBookmark(record);

    // Price and quantity left alone: the amount follows the stored figures,
    // not their two-decimal display, so an untouched record keeps its amount.
    // Either one edited: the amount follows the two fields as they stand.
    std::optional<QString> amount;
    if (changed[Price] || changed[Quantity]) {
        amount = NumberText::product(texts[Price], texts[Quantity]);
    } else {
        const QString price = goods.text(kPriceColumn);
        const QString quantity = goods.text(kQuantityColumn);
        // Nothing to recompute from a record stored without them.
        if (!price.isEmpty() && !quantity.isEmpty()) amount = NumberText::product(price, quantity);
    }

    const auto& col = columns();
    goods.edit();
    for (int f : {Code, Name, Model, Size, Unit, Price, Quantity})
        if (changed[f]) goods.setText(col[f], texts[f]);
    if (amount) goods.setText(kAmountColumn, *amount);
    for (int f : {Supplier, Contact, Phone, Address, Remark})
        if (changed[f]) goods.setText(col[f], texts[f]);
    goods.post();
    return {true, kModified};
}

}  // namespace purchase
