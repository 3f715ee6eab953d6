// The sales details window: correcting a sale's customer, deleting sales,
// searching, and the two panels.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <memory>

#include "FloatingPanel.h"
#include "ListCommands.h"
#include "RecordGrid.h"
#include "Schema.h"
#include "TempStore.h"
#include "WindowTestSupport.h"
#include "XsmxUnit.h"

namespace {

using namespace salestest;

const QString kGoods = QStringLiteral("表1");
const QString kSales = QStringLiteral("表3");

// Columns of the details grid.
enum SaleColumn { Date = 0, Code = 1, Amount = 8, Customer = 9, Phone = 10 };

struct Sale {
    const char* code;
    const char* name;
    double price, quantity, amount;
    const char* customer;
    const char* phone;
};

class SalesDetailsWindow : public WindowFixture<TXsmxForm> {
protected:
    qint64 add(const Sale& s) {
        return ts.insert(kSales,
                         {{QStringLiteral("销售日期"), QStringLiteral("2024/5/17 10:30:05")},
                          {QStringLiteral("商品编码"), QString::fromUtf8(s.code)},
                          {QStringLiteral("商品名称"), QString::fromUtf8(s.name)},
                          {QStringLiteral("商品型号"), QStringLiteral("M1")},
                          {QStringLiteral("商品规格"), QStringLiteral("12支/盒")},
                          {QStringLiteral("单位"), QStringLiteral("盒")},
                          {QStringLiteral("销售单价"), s.price},
                          {QStringLiteral("销售数量"), s.quantity},
                          {QStringLiteral("销售金额"), s.amount},
                          {QStringLiteral("客户姓名"), QString::fromUtf8(s.customer)},
                          {QStringLiteral("联系电话"), QString::fromUtf8(s.phone)},
                          {QStringLiteral("详细地址"), QStringLiteral("西湖路1号")},
                          {QStringLiteral("备注"), QStringLiteral("月结")}});
    }

    QStringList panelTexts() const {
        QStringList out;
        for (QLineEdit* e :
             {form->Edit1, form->Edit2, form->Edit3, form->Edit4, form->Edit5, form->Edit6,
              form->Edit7, form->Edit8, form->Edit9, form->Edit10, form->Edit11})
            out << e->text();
        return out;
    }
};

TEST_F(SalesDetailsWindow, CorrectingOnlyTheCustomerNameKeepsTheAmountAndTheGoods) {
    const qint64 goods = ts.insertGoods(QStringLiteral("A1"), QStringLiteral("笔"), 2, 10);
    const qint64 first = add({"A1", "笔", 3.333, 3, 9.999, "张三", "123"});
    const qint64 second = add({"A1", "笔", 4, 1, 4, "李四", "456"});
    open();
    int reloads = 0;
    QObject::connect(&form->ADOQuery1, &store::Dataset::aboutToReset, [&] { ++reloads; });

    doubleClickRow(grid, 0);
    boxes.expectNone();
    ASSERT_TRUE(form->Panel2->isVisible());
    EXPECT_EQ(form->Panel2->pos(), QPoint(256, 88));
    EXPECT_EQ(panelTexts(), (QStringList{"A1", "笔", "M1", "12支/盒", "盒", "3.33", "3", "张三",
                                         "123", "西湖路1号", "月结"}));
    EXPECT_EQ(form->changedFlags(), (sales::CustomerFlags{false, false, false, false}));

    retype(form->Edit8, QStringLiteral("王五"));
    EXPECT_EQ(form->changedFlags(), (sales::CustomerFlags{true, false, false, false}));
    // Another row becomes current meanwhile; the correction stays with the panel's.
    clickRow(grid, 1);
    QTest::mouseClick(form->Button1, Qt::LeftButton);
    boxes.expectOne("修改进货信息成功！");
    EXPECT_FALSE(form->Panel2->isVisible());

    EXPECT_EQ(ts.cell(kSales, first, QStringLiteral("客户姓名")), QVariant("王五"));
    EXPECT_EQ(ts.cell(kSales, first, QStringLiteral("联系电话")), QVariant("123"));
    EXPECT_EQ(ts.cell(kSales, first, QStringLiteral("销售金额")), QVariant(9.999));
    EXPECT_EQ(ts.cell(kSales, first, QStringLiteral("销售单价")), QVariant(3.333));
    EXPECT_EQ(ts.cell(kSales, second, QStringLiteral("客户姓名")), QVariant("李四"));
    EXPECT_EQ(ts.cell(kGoods, goods, QStringLiteral("库存数量")), QVariant(10.0));
    EXPECT_EQ(ts.cell(kGoods, goods, QStringLiteral("销售数量")), QVariant(0.0));

    // In place: the row shows the new name, the list was not reloaded.
    EXPECT_EQ(reloads, 0);
    EXPECT_EQ(columnTexts(grid, Customer), (QStringList{"王五", "李四"}));
    EXPECT_EQ(form->ADOQuery1.bookmark(), second);

    // Reopened, the flags are clear again and the program's texts count for nothing.
    form->SpeedButton1->click();
    EXPECT_EQ(form->Edit8->text(), QStringLiteral("李四"));
    EXPECT_EQ(form->changedFlags(), (sales::CustomerFlags{false, false, false, false}));
}

TEST_F(SalesDetailsWindow, TheFooterShowsTheTotalInFull) {
    add({"A", "笔", 3.333, 3, 9.999, "张三", ""});
    add({"B", "尺", 0.001, 1, 0.001, "李四", ""});
    open();
    EXPECT_EQ(grid->footerText(Date), QStringLiteral("合计"));
    EXPECT_EQ(grid->footerText(Amount), QStringLiteral("10"));
    clickRow(grid, 1);
    boxes.answer = true;
    form->SpeedButton2->click();
    boxes.expectOne("确定要删除选中的记录？", Buttons::OkCancel, Icon::Warning);
    EXPECT_EQ(grid->footerText(Amount), QStringLiteral("9.999"));
    // The rows themselves show two decimals.
    EXPECT_EQ(columnTexts(grid, Amount), QStringList{"10"});
}

// A correction writes 销售金额 again from the unit price and quantity; the
// footer follows in place, also where a large amount leaves a small total.
TEST_F(SalesDetailsWindow, TheFooterFollowsACorrectedAmount) {
    add({"A", "笔", 0, 1, 10000.01, "张三", ""});  // an amount its figures do not give
    add({"B", "尺", 0.001, 1, 0.001, "李四", ""});
    open();
    EXPECT_EQ(grid->footerText(Amount), QStringLiteral("10000.011"));
    doubleClickRow(grid, 0);
    form->Button1->click();
    boxes.expectOne("修改进货信息成功！");
    EXPECT_EQ(ts.cell(kSales, 1, QStringLiteral("销售金额")), QVariant(0.0));
    EXPECT_EQ(grid->footerText(Amount), QStringLiteral("0.001"));
    // And a correction of a sale whose figures agree leaves the total alone.
    doubleClickRow(grid, 1);
    retype(form->Edit8, QStringLiteral("王五"));
    form->Button1->click();
    boxes.expectOne("修改进货信息成功！");
    EXPECT_EQ(grid->footerText(Amount), QStringLiteral("0.001"));
}

TEST_F(SalesDetailsWindow, DeletingSalesLeavesTheGoodsRecord) {
    const qint64 goods = ts.insertGoods(QStringLiteral("A"), QStringLiteral("笔"), 1, 7,
                                        {{QStringLiteral("销售数量"), 3.0}});
    const qint64 a = add({"A", "笔", 2, 3, 6, "张三", ""});
    const qint64 b = add({"A", "笔", 2, 1, 2, "李四", ""});
    add({"A", "笔", 2, 1, 2, "王五", ""});
    open();

    // Nothing selected: the hint, from the toolbar and from the menu alike.
    for (const std::function<void()>& del : std::initializer_list<std::function<void()>>{
             [&] { form->SpeedButton2->click(); }, [&] { form->N2->trigger(); }}) {
        del();
        boxes.expectOne(QStringLiteral("请单击左边的序号选中一条记录或拖选一段记录，\r\n"
                                       "也可以用Ctrl及Shift来进行多选，然后再删除信息。"),
                        Buttons::Ok, Icon::Information);
    }
    EXPECT_EQ(ts.count(kSales), 3);

    clickRow(grid, 0);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      grid->visualRect(grid->model()->index(1, 1)).center());
    ASSERT_EQ(grid->selectedRowIndexes(), (QList<int>{0, 1}));
    boxes.answer = false;
    form->N2->trigger();
    boxes.expectOne("确定要删除选中的记录？", Buttons::OkCancel, Icon::Warning);
    EXPECT_EQ(ts.count(kSales), 3);

    boxes.answer = true;
    form->SpeedButton2->click();
    boxes.expectOne("确定要删除选中的记录？", Buttons::OkCancel, Icon::Warning);
    EXPECT_EQ(ts.count(kSales), 1);
    EXPECT_EQ(ts.cell(kSales, a, QStringLiteral("客户姓名")), QVariant("<no row>"));
    EXPECT_EQ(ts.cell(kSales, b, QStringLiteral("客户姓名")), QVariant("<no row>"));
    EXPECT_EQ(columnTexts(grid, Customer), QStringList{"王五"});
    EXPECT_EQ(ts.cell(kGoods, goods, QStringLiteral("库存数量")), QVariant(7.0));
    EXPECT_EQ(ts.cell(kGoods, goods, QStringLiteral("销售数量")), QVariant(3.0));
}

TEST_F(SalesDetailsWindow, SearchByEachField) {
    add({"A100", "中性笔", 1, 1, 1, "张三", "13800001111"});
    add({"B200", "铅笔", 1, 1, 1, "李四", "0571-8888"});
    add({"C100", "橡皮", 1, 1, 1, "张小花", "13900002222"});
    open();
    form->SpeedButton1->click();
    form->N4->trigger();
    EXPECT_FALSE(form->Panel2->isVisible());
    ASSERT_TRUE(form->Panel5->isVisible());
    EXPECT_EQ(form->Panel5->pos(), QPoint(224, 168));

    struct Case {
        QLineEdit* field;
        const char* text;
        QLineEdit* second;  // a second field filled: nothing happens
        QStringList listed;
    };
    const Case cases[] = {
        {form->Edit12, "100", nullptr, {"A100", "C100"}},
        {form->Edit13, "笔", nullptr, {"A100", "B200"}},
        {form->Edit14, "张", nullptr, {"A100", "C100"}},
        {form->Edit15, "0571", nullptr, {"B200"}},
        {form->Edit14, "李", form->Edit12, {"B200"}},
        {form->Edit12, "Z", nullptr, {}},
        {form->Edit15, "139", nullptr, {"C100"}},  // right after a search without hits
        {nullptr, "", nullptr, {"C100"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        for (QLineEdit* e : {form->Edit12, form->Edit13, form->Edit14, form->Edit15}) e->clear();
        if (c.field) c.field->setText(QString::fromUtf8(c.text));
        if (c.second) c.second->setText(QStringLiteral("A"));
        QTest::mouseClick(form->Button3, Qt::LeftButton);
        EXPECT_EQ(columnTexts(grid, Code), c.listed);
        EXPECT_TRUE(form->Panel5->isVisible());
    }
    boxes.expectNone();

    // Refresh brings the whole table back and leaves the panel open.
    form->N5->trigger();
    EXPECT_EQ(grid->model()->rowCount(), 3);
    EXPECT_TRUE(form->Panel5->isVisible());
    form->SpeedButton3->click();
    EXPECT_TRUE(form->Edit15->text().isEmpty());
}

TEST_F(SalesDetailsWindow, DoubleClickLeavesTheSearchPanelTheCommandsHideIt) {
    add({"A", "笔", 1, 1, 1, "张三", ""});
    open();
    form->SpeedButton3->click();
    doubleClickRow(grid, 0);
    EXPECT_TRUE(form->Panel2->isVisible());
    EXPECT_TRUE(form->Panel5->isVisible());
    for (const std::function<void()>& cmd : std::initializer_list<std::function<void()>>{
             [&] { form->SpeedButton1->click(); }, [&] { form->N1->trigger(); }}) {
        form->SpeedButton3->click();
        EXPECT_FALSE(form->Panel2->isVisible());
        form->Panel2->move(0, 0);
        cmd();
        EXPECT_TRUE(form->Panel2->isVisible());
        EXPECT_EQ(form->Panel2->pos(), QPoint(256, 88));
        EXPECT_FALSE(form->Panel5->isVisible());
    }
    // 取消 and the close picture hide it, texts kept, nothing stored.
    retype(form->Edit9, QStringLiteral("999"));
    form->Button2->click();
    EXPECT_FALSE(form->Panel2->isVisible());
    EXPECT_EQ(form->Edit9->text(), QStringLiteral("999"));
    form->SpeedButton1->click();
    QTest::mouseClick(form->Image2, Qt::LeftButton);
    EXPECT_FALSE(form->Panel2->isVisible());
    EXPECT_EQ(ts.cell(kSales, 1, QStringLiteral("联系电话")), QVariant(""));
    boxes.expectNone();
}

TEST_F(SalesDetailsWindow, NothingToCorrect) {
    open();
    // An empty list: OK and Cancel with a warning, whichever way it opens.
    const std::function<void()> ways[] = {[&] { form->SpeedButton1->click(); },
                                          [&] { form->N1->trigger(); },
                                          [&] { form->DBGridEh1DblClick(); }};
    for (const auto& way : ways) {
        way();
        boxes.expectOne("当前修改销售信息为空！", Buttons::OkCancel, Icon::Warning);
        EXPECT_FALSE(form->Panel2->isVisible());
    }

    // The sale is deleted while its panel is open: OK only, nothing stored.
    add({"A", "笔", 1, 1, 1, "张三", ""});
    form->SpeedButton4->click();
    form->SpeedButton1->click();
    boxes.expectNone();
    retype(form->Edit8, QStringLiteral("王五"));
    clickRow(grid, 0);
    form->SpeedButton2->click();
    boxes.expectOne("确定要删除选中的记录？", Buttons::OkCancel, Icon::Warning);
    form->Button1->click();
    boxes.expectOne("当前修改销售信息为空！");
    EXPECT_TRUE(form->Panel2->isVisible());
    EXPECT_EQ(ts.count(kSales), 0);
}

TEST_F(SalesDetailsWindow, PanelsHideWhenTheWindowBecomesActive) {
    add({"A", "笔", 1, 1, 1, "张三", ""});
    open();
    form->SpeedButton3->click();
    doubleClickRow(grid, 0);
    ASSERT_TRUE(form->Panel2->isVisible() && form->Panel5->isVisible());
    ts.insert(kSales, {{QStringLiteral("商品编码"), QStringLiteral("B")}});
    form->FormActivate();
    EXPECT_FALSE(form->Panel2->isVisible());
    EXPECT_FALSE(form->Panel5->isVisible());
    EXPECT_EQ(grid->model()->rowCount(), 2);
    EXPECT_EQ(form->Edit8->text(), QStringLiteral("张三"));
    boxes.expectNone();
}

TEST_F(SalesDetailsWindow, PanelLayout) {
    open();
    struct Box {
        QWidget* w;
        QRect at;
    };
    for (const Box& b :
         {Box{form->Panel2, {256, 88, 417, 265}}, Box{form->Image2, {392, 8, 16, 16}},
          Box{form->Edit1, {80, 40, 121, 21}},    Box{form->Edit2, {272, 40, 121, 21}},
          Box{form->Edit5, {80, 88, 121, 21}},    Box{form->Edit6, {80, 120, 121, 21}},
          Box{form->Edit7, {272, 120, 121, 21}},  Box{form->Edit8, {80, 152, 121, 21}},
          Box{form->Edit9, {272, 152, 121, 21}},  Box{form->Edit10, {80, 176, 313, 21}},
          Box{form->Edit11, {80, 200, 313, 21}},  Box{form->Button1, {136, 232, 57, 22}},
          Box{form->Button2, {224, 232, 57, 22}}, Box{form->Panel5, {224, 168, 481, 97}},
          Box{form->Image3, {456, 8, 16, 16}},    Box{form->Edit12, {80, 40, 121, 21}},
          Box{form->Edit13, {264, 40, 121, 21}},  Box{form->Button3, {400, 40, 57, 22}},
          Box{form->Edit14, {80, 64, 121, 21}},   Box{form->Edit15, {264, 64, 121, 21}}}) {
        SCOPED_TRACE(b.w->objectName().toStdString());
        EXPECT_EQ(b.w->geometry(), b.at);
    }
    EXPECT_FALSE(form->Panel2->isVisible());
    EXPECT_FALSE(form->Panel5->isVisible());
    EXPECT_EQ((QStringList{form->Button1->text(), form->Button2->text(), form->Button3->text()}),
              (QStringList{"修改", "取消", "查询"}));

    const QColor face = form->palette().color(QPalette::Button);
    int field = 1;
    for (QLineEdit* e :
         {form->Edit1, form->Edit2, form->Edit3, form->Edit4, form->Edit5, form->Edit6, form->Edit7,
          form->Edit8, form->Edit9, form->Edit10, form->Edit11}) {
        const bool readOnly = field++ <= 7;
        EXPECT_EQ(e->isReadOnly(), readOnly) << e->objectName().toStdString();
        EXPECT_EQ(e->palette().color(QPalette::Base) == face, readOnly)
            << e->objectName().toStdString();
    }
    QStringList hints;
    for (QLabel* l : form->Panel2->findChildren<QLabel*>())
        if (l->text().size() == 1 && QStringLiteral("①②③").contains(l->text())) {
            EXPECT_EQ(l->x(), 8);
            hints << l->text() + l->toolTip();
        }
    EXPECT_EQ(hints, (QStringList{"①商品信息", "②销售信息", "③客户信息"}));
    QList<int> rules;
    for (QFrame* f : form->Panel2->findChildren<QFrame*>(Qt::FindDirectChildrenOnly))
        if (f->frameShape() == QFrame::HLine) rules << f->y();
    EXPECT_EQ(rules, (QList<int>{112, 144}));
}

}  // namespace
