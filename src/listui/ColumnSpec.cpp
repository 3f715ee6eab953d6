#include "ColumnSpec.h"

namespace listui {
namespace {

using F = ColumnSpec::Format;
using S = ColumnSpec::Footer;
constexpr Qt::Alignment C = Qt::AlignHCenter;
constexpr Qt::Alignment L = Qt::AlignLeft;

ColumnSpec col(const char* field, const char* title, Qt::Alignment a, F f, int w, S s = S::None) {
    return {QString::fromUtf8(field), QString::fromUtf8(title), a, f, w, s};
}

}  // namespace

QString ColumnSpec::upperTitle() const {
    const QString t = title.isEmpty() ? field : title;
    const int bar = t.indexOf(u'|');
    return bar < 0 ? t : t.left(bar);
}

QString ColumnSpec::lowerTitle() const {
    const int bar = title.indexOf(u'|');
    return bar < 0 ? QString() : title.mid(bar + 1);
}

const QList<ColumnSpec>& purchaseColumns() {
    static const QList<ColumnSpec> cols{
        col("商品编码", "①商品信息|商品编码", C, F::None, 65, S::Label),
        col("商品名称", "①商品信息|商品名称", L, F::None, 65),
        col("商品型号", "①商品信息|商品型号", L, F::None, 65),
        col("商品规格", "①商品信息|商品规格", L, F::None, 65),
        col("单位", "①商品信息|单位", C, F::None, 45),
        col("进货单价", "②进货信息|单价", C, F::Money, 50),
        col("进货数量", "②进货信息|数量", C, F::Money, 50),
        col("进货金额", "②进货信息|金额", C, F::Money, 65, S::Sum),
        col("供货单位", "③供货商信息|供货单位", L, F::None, 65),
        col("联系人", "③供货商信息|联系人", C, F::None, 65),
        col("联系电话", "③供货商信息|联系电话", L, F::None, 80),
        col("详细地址", "③供货商信息|详细地址", L, F::None, 120),
        col("备注", "", L, F::None, 90),
    };
    return cols;
}

const QList<ColumnSpec>& salesColumns() {
    static const QList<ColumnSpec> cols{
        col("商品编码", "①商品信息|商品编码", C, F::None, 65, S::Label),
        col("商品名称", "①商品信息|商品名称", L, F::None, 65),
        col("商品型号", "①商品信息|商品型号", L, F::None, 65),
        col("商品规格", "①商品信息|商品规格", L, F::None, 65),
        col("单位", "①商品信息|单位", C, F::None, 45),
        col("进货单价", "②进货信息|单价", C, F::Money, 50),
        col("进货数量", "②进货信息|数量", C, F::Money, 50),
        col("进货金额", "②进货信息|金额", C, F::Money, 65, S::Sum),
        col("销售单价", "③销售信息|单价", C, F::Money, 50),
        col("销售数量", "③销售信息|数量", C, F::Money, 50),
        col("销售金额", "③销售信息|金额", C, F::Money, 65, S::Sum),
        col("销售利润", "③销售信息|利润", C, F::Money, 65, S::Sum),
        col("库存数量", "④库存信息|数量", C, F::Money, 50),
        col("库存金额", "④库存信息|金额", C, F::Money, 65, S::Sum),
        col("备注", "", L, F::None, 75),
    };
    return cols;
}

const QList<ColumnSpec>& salesDetailColumns() {
    static const QList<ColumnSpec> cols{
        col("销售日期", "", L, F::None, 65, S::Label),
        col("商品编码", "①商品信息|商品编码", L, F::None, 65),
        col("商品名称", "①商品信息|商品名称", L, F::None, 65),
        col("商品型号", "①商品信息|商品型号", L, F::None, 65),
        col("商品规格", "①商品信息|商品规格", L, F::None, 65),
        col("单位", "①商品信息|单位", C, F::None, 45),
        col("销售单价", "②销售信息|单价", C, F::Money, 50),
        col("销售数量", "②销售信息|数量", C, F::Money, 50),
        col("销售金额", "②销售信息|金额", C, F::Money, 65, S::SumGeneral),
        col("客户姓名", "③客户信息|客户姓名", L, F::None, 65),
        col("联系电话", "③客户信息|联系电话", L, F::None, 80),
        col("详细地址", "③客户信息|详细地址", L, F::None, 135),
        col("备注", "", L, F::None, 75),
    };
    return cols;
}

}  // namespace listui
