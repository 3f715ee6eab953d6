#include "Schema.h"

namespace store {
namespace {

ColumnDef text(const char* name, int size) { return {QString::fromUtf8(name), ColumnType::Text, size}; }
ColumnDef real(const char* name) { return {QString::fromUtf8(name), ColumnType::Float, 0}; }
ColumnDef key() { return {QStringLiteral("ID"), ColumnType::AutoNumber, 0}; }

QList<TableDef> build() {
    TableDef goods{Tables::Goods,
                   {key(), text("商品编码", 255), text("商品名称", 255), text("商品型号", 255),
                    text("商品规格", 255), text("单位", 255), real("进货单价"), real("进货数量"),
                    real("进货金额"), real("销售单价"), real("销售数量"), real("销售金额"),
                    real("销售利润"), real("库存数量"), real("库存金额"), text("供货单位", 255),
                    text("联系人", 255), text("联系电话", 255), text("详细地址", 255),
                    text("备注", 255)}};
    TableDef company{Tables::Company,
                     {text("公司名称", 255), text("公司地址", 255), text("联系人", 255),
                      text("联系电话", 255), text("网址", 255), text("备注", 255)}};
    TableDef sales{Tables::Sales,
                   {key(), text("销售日期", 255), text("商品编码", 50), text("商品名称", 50),
                    text("商品型号", 50), text("商品规格", 50), text("单位", 50), real("销售单价"),
                    real("销售数量"), real("销售金额"), text("客户姓名", 50), text("联系电话", 50),
                    text("详细地址", 50), text("备注", 50)}};
    TableDef purchaseExport{Tables::PurchaseExport,
                            {text("商品编码", 255), text("商品名称", 255), text("商品型号", 255),
                             text("商品规格", 255), text("单位", 255), real("进货单价"),
                             real("进货数量"), real("进货金额"), text("供货单位", 255),
                             text("联系人", 255), text("联系电话", 255), text("详细地址", 255),
                             text("备注", 255)}};
    TableDef salesExport{Tables::SalesExport,
                         {text("商品编码", 255), text("商品名称", 255), text("商品型号", 255),
                          text("商品规格", 255), text("单位", 255), real("进货单价"),
                          real("进货数量"), real("进货金额"), real("销售单价"), real("销售数量"),
                          real("销售金额"), real("销售利润"), real("库存数量"), real("库存金额"),
                          text("备注", 255)}};
    return {goods, company, sales, purchaseExport, salesExport};
}

}  // namespace

const ColumnDef* TableDef::column(const QString& name) const {
    for (const ColumnDef& c : columns)
        if (c.name == name) return &c;
    return nullptr;
}

bool TableDef::hasKey() const {
    return !columns.isEmpty() && columns.first().type == ColumnType::AutoNumber;
}

const QList<TableDef>& schema() {
    static const QList<TableDef> tables = build();
    return tables;
}

const TableDef* tableDef(const QString& table) {
    for (const TableDef& t : schema())
        if (t.name == table) return &t;
    return nullptr;
}

QString createTableSql(const TableDef& table) {
    QStringList cols;
    for (const ColumnDef& c : table.columns) {
        switch (c.type) {
            case ColumnType::AutoNumber:
                cols << c.name + QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT");
                break;
            case ColumnType::Text:
                cols << QStringLiteral("%1 TEXT(%2)").arg(c.name).arg(c.size);
                break;
            case ColumnType::Float:
                cols << c.name + QStringLiteral(" REAL");
                break;
        }
    }
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(table.name, cols.join(QStringLiteral(", ")));
}

}  // namespace store
