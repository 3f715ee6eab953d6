#pragma once

#include <QString>
#include <array>

#include "Dataset.h"

// What an add and a modify of the entry panel write to a goods record of 表1.
// The main window gathers the field texts and changed flags, calls these and
// shows the message the outcome names.
namespace purchase {

inline const QString kEmptyEntry = QStringLiteral("进货信息不能为空！");
inline const QString kAdded = QStringLiteral("进货信息添加成功！");
inline const QString kNothingToModify = QStringLiteral("当前修改进货信息为空！");
inline const QString kModified = QStringLiteral("修改进货信息成功！");

// The entry panel's fields Edit1..Edit12, in panel order.
enum Field {
    Code,      // 商品编码
    Name,      // 商品名称
    Model,     // 商品型号
    Size,      // 商品规格
    Unit,      // 单位
    Price,     // 进货单价
    Quantity,  // 进货数量
    Supplier,  // 供货单位
    Contact,   // 联系人
    Phone,     // 联系电话
    Address,   // 详细地址
    Remark,    // 备注
    FieldCount
};
using Texts = std::array<QString, FieldCount>;
using Flags = std::array<bool, FieldCount>;

// The column of 表1 each field shows.
const std::array<QString, FieldCount>& columns();

struct Outcome {
    bool stored = false;
    QString message;  // shown in a plain "提示" box either way
};

// The fields when the panel opens for add, and after each add.
Texts addDefaults();

// The fields when the panel opens for modify, from the goods record that is
// current: every column as text, price and quantity rounded to two decimals.
Texts fieldsOf(const store::Dataset& goods);

// Appends a goods record from the panel: refused when all twelve fields are
// empty; price and quantity must read as numbers before anything is written.
// The stock columns start at the purchase, the sales columns at 0.
Outcome add(store::Dataset& goods, const Texts& texts);

// Writes the flagged fields back to the goods record the panel was filled
// from, and recomputes 进货金额. Sales and stock columns are never touched.
// The dataset's current row is left where it was.
Outcome modify(store::Dataset& goods, store::Dataset::Bookmark record, const Texts& texts,
               const Flags& changed);

}  // namespace purchase
