// The sales window: selling from stock through the selling panel, the
// customer box, the search panel, refresh and becoming active.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <memory>
#include <utility>

#include "FloatingPanel.h"
#include "RecordGrid.h"
#include "Schema.h"
#include "Statement.h"
#include "TempStore.h"
#include "WindowTestSupport.h"
#include "XsxxUnit.h"

namespace {

using namespace salestest;

const QString kGoods = QStringLiteral("表1");
const QString kSales = QStringLiteral("表3");

// Columns of the sales window's grid.
enum GoodsColumn {
    Code = 0,
    BoughtAmount = 7,
    SalePrice = 8,
    SoldQuantity = 9,
    SoldAmount = 10,
    Profit = 11,
    Stock = 12,
    StockAmount = 13
};

class SalesWindow : public WindowFixture<TXsxxForm> {
protected:
    qint64 goods(const QString& code, double price, double quantity,
                 const QMap<QString, QVariant>& more = {}) {
        return ts.insertGoods(code, QStringLiteral("商品") + code, price, quantity, more);
    }
    qint64 sale(const QVariant& customer, const QString& phone = {}, const QString& address = {},
                const QString& remark = {}) {
        return ts.insert(kSales, {{QStringLiteral("客户姓名"), customer},
                                  {QStringLiteral("联系电话"), phone},
                                  {QStringLiteral("详细地址"), address},
                                  {QStringLiteral("备注"), remark}});
    }
};

// The worked sale, start to end, through the user's own gestures.
TEST_F(SalesWindow, SellingThroughThePanelStoresBothRecordsAndUpdatesTheRowInPlace) {
    const qint64 a = goods(QStringLiteral("A1"), 8, 10, {{QStringLiteral("单位"), "支"}});
    const qint64 b = goods(QStringLiteral("B2"), 2, 5);
    open();
    int reloads = 0;
    QObject::connect(&form->ADOQuery1, &store::Dataset::aboutToReset, [&] { ++reloads; });

    doubleClickRow(grid, 0);
    boxes.expectNone();
    ASSERT_TRUE(form->Panel2->isVisible());
    EXPECT_EQ(form->Panel2->pos(), QPoint(642, 46));
    EXPECT_EQ(form->DateTimePicker1->date(), QDate::currentDate());
    const QStringList shown{form->Edit1->text(), form->Edit2->text(), form->Edit5->text(),
                            form->Edit6->text(), form->Edit7->text(), form->Edit8->text(),
                            form->Edit9->text(), form->Edit10->text()};
    EXPECT_EQ(shown, (QStringList{"A1", "商品A1", "支", "8", "10", "0", "0", "0"}));

    retype(form->Edit9, QStringLiteral("3"));
    EXPECT_EQ(form->Edit10->text(), QStringLiteral("0"));
    retype(form->Edit8, QStringLiteral("12.5"));
    EXPECT_EQ(form->Edit10->text(), QStringLiteral("37.5"));
    type(form->ComboBox1->lineEdit(), "张三");
    QTest::keyClicks(form->Edit11, QStringLiteral("123"));
    boxes.expectNone();

    // The list stays usable: the sale still goes to the record the panel shows.
    clickRow(grid, 1);
    ASSERT_EQ(form->ADOQuery1.bookmark(), b);
    QTest::mouseClick(form->Button1, Qt::LeftButton);
    boxes.expectOne("销售商品成功！");
    EXPECT_FALSE(form->Panel2->isVisible());

    ASSERT_EQ(ts.count(kSales), 1);
    const qint64 saleId = form->ADOQuery2.bookmark();
    const QString date = ts.cell(kSales, saleId, QStringLiteral("销售日期")).toString();
    EXPECT_TRUE(date.startsWith(QDate::currentDate().toString(QStringLiteral("yyyy/M/d "))))
        << date.toStdString();
    const QMap<QString, QVariant> saleRow{{QStringLiteral("商品编码"), QStringLiteral("A1")},
                                          {QStringLiteral("单位"), "支"},
                                          {QStringLiteral("销售单价"), 12.5},
                                          {QStringLiteral("销售数量"), 3.0},
                                          {QStringLiteral("销售金额"), 37.5},
                                          {QStringLiteral("客户姓名"), "张三"},
                                          {QStringLiteral("联系电话"), QStringLiteral("123")}};
    for (auto it = saleRow.begin(); it != saleRow.end(); ++it)
        EXPECT_EQ(ts.cell(kSales, saleId, it.key()), it.value()) << it.key().toStdString();
    const QMap<QString, QVariant> goodsRow{
        {QStringLiteral("销售单价"), 12.5}, {QStringLiteral("销售数量"), 3.0},
        {QStringLiteral("销售金额"), 37.5}, {QStringLiteral("销售利润"), 13.5},
        {QStringLiteral("库存数量"), 7.0},  {QStringLiteral("库存金额"), 56.0}};
    for (auto it = goodsRow.begin(); it != goodsRow.end(); ++it)
        EXPECT_EQ(ts.cell(kGoods, a, it.key()), it.value()) << it.key().toStdString();
    EXPECT_EQ(ts.cell(kGoods, b, QStringLiteral("库存数量")), QVariant(5.0));

    // In place, without a reload: the row, the current row and the four sums.
    EXPECT_EQ(reloads, 0);
    EXPECT_EQ(form->ADOQuery1.bookmark(), b);
    const auto cell = [&](int column) { return grid->model()->index(0, column).data().toString(); };
    EXPECT_EQ(QStringList({cell(SalePrice), cell(SoldQuantity), cell(SoldAmount), cell(Profit),
                           cell(Stock), cell(StockAmount)}),
              (QStringList{"12.5", "3", "37.5", "13.5", "7", "56"}));
    EXPECT_EQ(QStringList({grid->footerText(Code), grid->footerText(BoughtAmount),
                           grid->footerText(SoldAmount), grid->footerText(Profit),
                           grid->footerText(StockAmount)}),
              (QStringList{"合计", "90", "37.5", "13.5", "66"}));
    // 表3 was not loaded to append to it.
    EXPECT_EQ(form->ADOQuery2.rowCount(), 1);
}

TEST_F(SalesWindow, StockCheckAtEveryKeyReleaseInTheQuantity) {
    goods(QStringLiteral("S"), 2, 7);
    open();
    form->SpeedButton1->click();
    ASSERT_TRUE(form->Panel2->isVisible());
    retype(form->Edit8, QStringLiteral("1.5"));

    struct Case {
        const char* typed;
        const char* quantity;  // afterwards
        const char* amount;
        bool refused;
    };
    for (const Case& c : {Case{"7", "7", "10.5", false}, Case{"8", "0", "0", true},
                          Case{"6.5", "6.5", "9.75", false}, Case{"7.01", "0", "0", true},
                          Case{"", "", "0", false}}) {
        SCOPED_TRACE(c.typed);
        retype(form->Edit9, QString::fromUtf8(c.typed));
        if (c.refused)
            boxes.expectOne("库存数量不足，请重新输入！");
        else
            boxes.expectNone();
        EXPECT_EQ(form->Edit9->text(), QString::fromUtf8(c.quantity));
        EXPECT_EQ(form->Edit10->text(), QString::fromUtf8(c.amount));
        EXPECT_EQ(form->Edit8->text(), QStringLiteral("1.5"));
    }
    // An arrow key is a key release too: the check runs on what the field holds.
    form->Edit9->setText(QStringLiteral("9"));  // pasted, no key released yet
    boxes.expectNone();
    EXPECT_EQ(form->Edit10->text(), QStringLiteral("13.5"));
    QTest::keyClick(form->Edit9, Qt::Key_Left);
    boxes.expectOne("库存数量不足，请重新输入！");
    EXPECT_EQ(form->Edit9->text(), QStringLiteral("0"));
    EXPECT_EQ(form->Edit10->text(), QStringLiteral("0"));
}

// The amount follows the texts however they change, and holds while they
// are not numbers; nothing else is said about half-typed numbers.
TEST_F(SalesWindow, AmountFollowsEveryChangeOfPriceAndQuantity) {
    goods(QStringLiteral("P"), 1, 100);
    open();
    form->N1->trigger();
    struct Case {
        QLineEdit* edit;
        const char* text;
        bool typed;
        const char* amount;
    };
    for (const Case& c : {Case{form->Edit9, "4", true, "0"}, Case{form->Edit8, "2.5", true, "10"},
                          Case{form->Edit8, "0.1", false, "0.4"},  // pasted
                          Case{form->Edit9, "3", false, "0.3"},
                          Case{form->Edit8, "", true, "0.3"},  // emptied: stays
                          Case{form->Edit8, "abc", false, "0.3"}, Case{form->Edit8, ".", true, "0"},
                          Case{form->Edit8, "7", true, "21"}}) {
        SCOPED_TRACE(std::string(c.text) + " into " + c.edit->objectName().toStdString());
        if (c.typed) {
            retype(c.edit, QString::fromUtf8(c.text));
        } else {
            c.edit->selectAll();
            c.edit->insert(QString::fromUtf8(c.text));  // as the context menu pastes
        }
        EXPECT_EQ(form->Edit10->text(), QString::fromUtf8(c.amount));
    }
    boxes.expectNone();
    // The filter keeps letters and a second point out of typing.
    retype(form->Edit8, QStringLiteral("1.2.3x"));
    EXPECT_EQ(form->Edit8->text(), QStringLiteral("1.23"));
}

TEST_F(SalesWindow, ConfirmingWhatIsNotANumberOrAboveTheStoredStockStoresNothing) {
    const qint64 id = goods(QStringLiteral("N"), 8, 10);
    open();
    form->SpeedButton1->click();
    retype(form->Edit8, QStringLiteral("12"));
    retype(form->Edit9, QString());
    boxes.expectNone();
    form->Button1->click();
    boxes.expectOne(QStringLiteral("'' is not a valid floating point value"), Buttons::Ok,
                    Icon::Critical);
    EXPECT_TRUE(form->Panel2->isVisible());

    // Another window sells some of the stock meanwhile; the panel still shows 10.
    ts.exec(QStringLiteral("UPDATE 表1 SET 库存数量 = 4 WHERE rowid = %1").arg(id));
    form->SpeedButton4->click();  // the list now knows, the open panel does not
    retype(form->Edit9, QStringLiteral("5"));
    boxes.expectNone();
    form->Button1->click();
    boxes.expectOne("库存数量不足，请重新输入！");
    EXPECT_TRUE(form->Panel2->isVisible());
    EXPECT_EQ(ts.count(kSales), 0);
    EXPECT_EQ(ts.cell(kGoods, id, QStringLiteral("销售数量")), QVariant(0.0));
}

TEST_F(SalesWindow, TheThreeWaysToOpenTheSellingPanelAgree) {
    goods(QStringLiteral("A"), 1, 1);
    open();
    struct Way {
        const char* name;
        std::function<void()> open;
    };
    const Way ways[] = {
        {"toolbar", [&] { form->SpeedButton1->click(); }},
        {"popup", [&] { form->N1->trigger(); }},
        {"double click", [&] { doubleClickRow(grid, 0); }},
    };
    for (const Way& w : ways) {
        SCOPED_TRACE(w.name);
        form->SpeedButton3->click();
        ASSERT_TRUE(form->Panel6->isVisible());
        form->Panel2->move(10, 10);  // dragged away
        form->Edit11->setText(QStringLiteral("old"));
        w.open();
        boxes.expectNone();
        EXPECT_TRUE(form->Panel2->isVisible());
        EXPECT_EQ(form->Panel2->pos(), QPoint(642, 46));
        EXPECT_FALSE(form->Panel6->isVisible());
        EXPECT_EQ(form->Edit1->text(), QStringLiteral("A"));
        EXPECT_TRUE(form->Edit11->text().isEmpty());
        EXPECT_TRUE(form->ComboBox1->currentText().isEmpty());
    }
}

TEST_F(SalesWindow, SearchPanelAndTheSellingPanelAfterASearchWithoutHits) {
    goods(QStringLiteral("A100"), 1, 1, {{QStringLiteral("商品名称"), "中性笔"}});
    goods(QStringLiteral("B200"), 1, 1, {{QStringLiteral("商品名称"), "铅笔"}});
    goods(QStringLiteral("C100"), 1, 1, {{QStringLiteral("商品名称"), "橡皮"}});
    open();
    form->SpeedButton1->click();
    form->N4->trigger();
    EXPECT_FALSE(form->Panel2->isVisible());
    ASSERT_TRUE(form->Panel6->isVisible());
    EXPECT_EQ(form->Panel6->pos(), QPoint(224, 168));

    struct Case {
        const char* code;
        const char* name;
        QStringList listed;
    };
    const Case cases[] = {
        {"100", "", {"A100", "C100"}},
        {"", "笔", {"A100", "B200"}},
        {"A", "笔", {"A100", "B200"}},  // both filled: the list stays
        {"Z", "", {}},
        {"", "铅", {"B200"}},  // also right after a search without hits
        {"", "", {"B200"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.code) + "/" + c.name);
        form->Edit15->setText(QString::fromUtf8(c.code));
        form->Edit16->setText(QString::fromUtf8(c.name));
        QTest::mouseClick(form->Button2, Qt::LeftButton);
        EXPECT_EQ(columnTexts(grid, Code), c.listed);
        EXPECT_TRUE(form->Panel6->isVisible());
    }
    boxes.expectNone();

    form->Edit15->setText(QStringLiteral("nothing"));
    form->Button2->click();
    ASSERT_EQ(grid->model()->rowCount(), 0);
    for (auto way :
         {&TXsxxForm::SpeedButton1Click, &TXsxxForm::N1Click, &TXsxxForm::DBGridEh1DblClick}) {
        (form.get()->*way)();
        boxes.expectOne("当前销售商品信息为空!");
        EXPECT_FALSE(form->Panel2->isVisible());
        EXPECT_TRUE(form->Panel6->isVisible());
    }
    // Opening the search panel empties its fields.
    form->SpeedButton3->click();
    EXPECT_TRUE(form->Edit15->text().isEmpty());
}

TEST_F(SalesWindow, CustomerBoxListsEachCustomerOnceAndTheLookupFillsTheRest) {
    goods(QStringLiteral("A"), 1, 10);
    sale("张三", QStringLiteral("123"), "西湖路1号", "月结");
    sale("张三", QStringLiteral("123"), "西湖路1号", "月结");
    sale("李四", QStringLiteral("456"), "解放路", QString());
    sale(QString());
    open();
    form->SpeedButton1->click();
    QStringList listed;
    for (int i = 0; i < form->ComboBox1->count(); ++i) listed << form->ComboBox1->itemText(i);
    listed.sort();
    EXPECT_EQ(listed, (QStringList{"", "张三", "李四"}));
    EXPECT_TRUE(form->ComboBox1->currentText().isEmpty());
    EXPECT_TRUE(form->Edit11->text().isEmpty());

    const auto fields = [&] {
        return QStringList{form->Edit11->text(), form->Edit12->text(), form->Edit13->text()};
    };
    type(form->ComboBox1->lineEdit(), "张");
    EXPECT_EQ(fields(), (QStringList{"123", "西湖路1号", "月结"}));
    form->ComboBox1->setCurrentIndex(form->ComboBox1->findText("李四"));  // chosen from the list
    EXPECT_EQ(form->ComboBox1->currentText(), "李四");
    EXPECT_EQ(fields(), (QStringList{"456", "解放路", ""}));
    retype(form->ComboBox1->lineEdit(), "王");
    EXPECT_EQ(fields(), (QStringList{"", "", ""}));
    // A miss does not end the lookups until the panel opens again.
    form->ComboBox1->setCurrentIndex(form->ComboBox1->findText("张三"));
    EXPECT_EQ(fields(), (QStringList{"123", "西湖路1号", "月结"}));
    // Emptying the name leaves the fields as they are.
    retype(form->ComboBox1->lineEdit(), QString());
    EXPECT_EQ(fields(), (QStringList{"123", "西湖路1号", "月结"}));
    boxes.expectNone();
}

TEST_F(SalesWindow, TheFirstSaleOfAnEmptySalesTableLooksNothingUp) {
    goods(QStringLiteral("A"), 1, 10);
    open();
    form->SpeedButton1->click();
    EXPECT_EQ(form->ComboBox1->count(), 0);
    form->Edit11->setText(QStringLiteral("typed"));
    type(form->ComboBox1->lineEdit(), "张三");
    EXPECT_EQ(form->Edit11->text(), QStringLiteral("typed"));
    retype(form->Edit9, QStringLiteral("1"));
    form->Button1->click();
    boxes.expectOne("销售商品成功！");

    // The next opening lists the new customer.
    form->SpeedButton1->click();
    ASSERT_EQ(form->ComboBox1->count(), 1);
    EXPECT_EQ(form->ComboBox1->itemText(0), "张三");
    type(form->ComboBox1->lineEdit(), "张");
    EXPECT_EQ(form->Edit11->text(), QStringLiteral("typed"));
}

TEST_F(SalesWindow, PanelsHideWhenTheWindowBecomesActiveAndKeepTheirStateOnRefresh) {
    goods(QStringLiteral("A"), 1, 10);
    sale("张三");
    open();
    // Reloads seen since the last look.
    int goodsReloads = 0, stagingReloads = 0;
    QObject::connect(&form->ADOQuery1, &store::Dataset::reset, [&] { ++goodsReloads; });
    QObject::connect(&form->ADOQuery3, &store::Dataset::reset, [&] { ++stagingReloads; });
    const auto reloaded = [](int& count) { return std::exchange(count, 0) > 0; };

    form->SpeedButton1->click();
    retype(form->Edit9, QStringLiteral("2"));
    form->N5->trigger();  // the menu's refresh: 表1 only
    EXPECT_TRUE(reloaded(goodsReloads));
    EXPECT_FALSE(reloaded(stagingReloads));
    form->SpeedButton4->click();  // the toolbar's: 表1, 表3 and 表5
    EXPECT_TRUE(reloaded(goodsReloads));
    EXPECT_TRUE(reloaded(stagingReloads));
    EXPECT_TRUE(form->Panel2->isVisible());
    EXPECT_EQ(form->Edit9->text(), QStringLiteral("2"));
    // 表3 is reopened without its rows.
    EXPECT_EQ(form->ADOQuery2.statement(), store::Statement::emptyOf(kSales));
    EXPECT_EQ(form->ADOQuery2.rowCount(), 0);

    form->FormActivate();
    EXPECT_TRUE(reloaded(goodsReloads));
    EXPECT_TRUE(reloaded(stagingReloads));
    EXPECT_FALSE(form->Panel2->isVisible());
    EXPECT_EQ(form->Edit9->text(), QStringLiteral("2"));  // hidden, texts kept
    form->SpeedButton3->click();
    form->FormActivate();
    EXPECT_FALSE(form->Panel6->isVisible());
    EXPECT_FALSE(form->Panel2->isVisible());
    EXPECT_EQ(form->ADOQuery2.rowCount(), 0);
    boxes.expectNone();
}

TEST_F(SalesWindow, CtrlDeleteDeletesTheCurrentGoodsRecord) {
    goods(QStringLiteral("A"), 1, 1);
    const qint64 b = goods(QStringLiteral("B"), 1, 1);
    open();
    clickRow(grid, 1);
    grid->clearSelection();
    boxes.answer = false;
    QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
    boxes.expectOne(QStringLiteral("Delete record?"), Buttons::OkCancel, Icon::Warning);
    EXPECT_EQ(ts.count(kGoods), 2);
    boxes.answer = true;
    QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
    boxes.expectOne(QStringLiteral("Delete record?"), Buttons::OkCancel, Icon::Warning);
    EXPECT_EQ(ts.count(kGoods), 1);
    EXPECT_EQ(ts.cell(kGoods, b, QStringLiteral("商品编码")), QVariant("<no row>"));
    EXPECT_EQ(columnTexts(grid, Code), QStringList{"A"});
}

TEST_F(SalesWindow, SellingPanelLayout) {
    open();
    auto* p = form->Panel2;
    EXPECT_EQ(p->size(), QSize(308, 425));
    EXPECT_FALSE(p->isVisible());
    EXPECT_EQ(form->Image2->geometry(), QRect(283, 5, 16, 16));
    EXPECT_EQ(form->Image2->toolTip(), "关闭");
    auto* title = p->findChild<QLabel*>(QStringLiteral("Label2"));
    ASSERT_TRUE(title);
    EXPECT_EQ(title->text(), "【销售商品】");
    EXPECT_TRUE(title->font().bold());
    EXPECT_GE(title->font().pixelSize(), 16);
    EXPECT_EQ(title->palette().color(QPalette::WindowText), QColor(Qt::red));

    QStringList hints;
    for (QLabel* l : p->findChildren<QLabel*>())
        if (QStringLiteral("①②③④").contains(l->text()) && l->text().size() == 1) {
            EXPECT_EQ(l->x(), 8);
            EXPECT_TRUE(l->font().bold());
            EXPECT_EQ(l->palette().color(QPalette::WindowText), QColor(Qt::red));
            hints << l->text() + l->toolTip();
        }
    EXPECT_EQ(hints, (QStringList{"①商品信息", "②进货及库存信息", "③销售信息", "④客户信息"}));
    QList<int> rules;
    for (QFrame* f : p->findChildren<QFrame*>(Qt::FindDirectChildrenOnly))
        if (f->frameShape() == QFrame::HLine) {
            EXPECT_EQ(f->height(), 2);
            EXPECT_EQ(f->width(), 308);
            rules << f->y();
        }
    EXPECT_EQ(rules, (QList<int>{200, 232, 288}));

    struct Field {
        QWidget* w;
        QRect at;
        bool readOnly;
    };
    const QColor face = form->palette().color(QPalette::Button);
    for (const Field& f :
         {Field{form->DateTimePicker1, {80, 56, 209, 21}, false},
          Field{form->Edit1, {80, 80, 209, 21}, true}, Field{form->Edit5, {80, 176, 209, 21}, true},
          Field{form->Edit6, {80, 208, 73, 21}, true}, Field{form->Edit7, {216, 208, 73, 21}, true},
          Field{form->Edit8, {80, 240, 73, 21}, false},
          Field{form->Edit9, {216, 240, 73, 21}, false},
          Field{form->Edit10, {80, 264, 209, 21}, true},
          Field{form->ComboBox1, {80, 296, 209, 21}, false},
          Field{form->Edit13, {80, 368, 209, 21}, false},
          Field{form->Button1, {125, 395, 57, 22}, false}}) {
        SCOPED_TRACE(f.w->objectName().toStdString());
        EXPECT_EQ(f.w->geometry(), f.at);
        if (auto* e = qobject_cast<QLineEdit*>(f.w)) {
            EXPECT_EQ(e->isReadOnly(), f.readOnly);
            EXPECT_EQ(e->palette().color(QPalette::Base) == face, f.readOnly);
        }
    }
    EXPECT_EQ(form->Button1->text(), "确定");
    EXPECT_TRUE(form->DateTimePicker1->calendarPopup());
    EXPECT_EQ(form->DateTimePicker1->displayedSections() & QDateTimeEdit::TimeSections_Mask, 0);
    EXPECT_TRUE(form->ComboBox1->isEditable());

    // Read-only fields take no typing, even where the key filter would pass it.
    goods(QStringLiteral("A"), 1, 1);
    form->SpeedButton4->click();
    form->SpeedButton1->click();
    QTest::keyClicks(form->Edit7, QStringLiteral("5"));
    QTest::keyClicks(form->Edit10, QStringLiteral("5"));
    EXPECT_EQ(form->Edit7->text(), QStringLiteral("1"));
    EXPECT_EQ(form->Edit10->text(), QStringLiteral("0"));

    // Tab: the date, the thirteen fields top to bottom, 确定, the name box last.
    QApplication::setActiveWindow(form.get());
    form->DateTimePicker1->setFocus();
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 20 && order.size() < 16; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* w = QApplication::focusWidget();
        while (w && w->parentWidget() != p) w = w->parentWidget();  // the inner line edits
        // Tab first steps through the date's sections, as Qt's date fields do.
        if (w && order.last() != w->objectName()) order << w->objectName();
    }
    EXPECT_EQ(order, (QStringList{"DateTimePicker1", "Edit1", "Edit2", "Edit3", "Edit4", "Edit5",
                                  "Edit6", "Edit7", "Edit8", "Edit9", "Edit10", "Edit11", "Edit12",
                                  "Edit13", "Button1", "ComboBox1"}));

    auto* s = form->Panel6;
    EXPECT_EQ(s->size(), QSize(481, 89));
    EXPECT_EQ(form->Image3->geometry(), QRect(456, 8, 16, 16));
    EXPECT_EQ(form->Edit15->geometry(), QRect(80, 48, 121, 21));
    EXPECT_EQ(form->Edit16->geometry(), QRect(272, 48, 121, 21));
    EXPECT_EQ(form->Button2->geometry(), QRect(400, 48, 57, 22));
    EXPECT_EQ(form->Button2->text(), "查询");
}

}  // namespace
