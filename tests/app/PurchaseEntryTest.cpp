// The main window's entry panel: its layout, adding a goods record and
// correcting one, driven through the window's own controls.
#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <memory>

#include "AppTestSupport.h"
#include "FloatingPanel.h"
#include "ListFrame.h"
#include "MainUnit.h"
#include "MainWindowFixture.h"
#include "QtPrinters.h"
#include "RecordGrid.h"
#include "TempStore.h"

namespace {

using Buttons = listui::Messages::Buttons;
using Icon = listui::Messages::Icon;
const QString kGoods = QStringLiteral("表1");

// Empties a field with Backspace, as a user would.
void erase(QLineEdit* edit) {
    edit->end(false);
    while (!edit->text().isEmpty()) QTest::keyClick(edit, Qt::Key_Backspace);
}

bool hasRedInk(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 60 && c.blue() < 60) return true;
        }
    return false;
}

void expectBox(const listui::Messages::Request& r, const QString& text, Buttons buttons,
               Icon icon) {
    EXPECT_EQ(r.title, "提示");
    EXPECT_EQ(r.text, text);
    EXPECT_EQ(r.buttons, buttons);
    EXPECT_EQ(r.icon, icon);
}

class PurchaseEntry : public MainWindowFixture {
protected:
    QList<QLineEdit*> entry() const {
        return {main->Edit1, main->Edit2, main->Edit3, main->Edit4,  main->Edit5,  main->Edit6,
                main->Edit7, main->Edit8, main->Edit9, main->Edit10, main->Edit11, main->Edit12};
    }
    QStringList entryTexts() const {
        QStringList out;
        for (QLineEdit* e : entry()) out << e->text();
        return out;
    }
    int flagged() const {
        int n = 0;
        for (bool f : main->changedFlags()) n += f;
        return n;
    }
    QVariant cell(qint64 id, const char* column) const {
        return store.cell(kGoods, id, QString::fromUtf8(column));
    }
};

// --- layout ------------------------------------------------------------

TEST_F(PurchaseEntry, PanelsAreLaidOutInTheListArea) {
    start();
    QWidget* area = main->Frame->listArea();
    EXPECT_FALSE(main->Panel2->isVisible());
    EXPECT_FALSE(main->Panel5->isVisible());
    main->SpeedButton1->click();
    ASSERT_TRUE(main->Panel2->isVisible());
    EXPECT_EQ(main->Panel2->parentWidget(), area);
    EXPECT_EQ(main->Panel2->geometry(), QRect(240, 88, 425, 289));

    const struct {
        QLineEdit* edit;
        const char* name;
        const char* label;
        QRect rect;
    } fields[] = {
        {main->Edit1, "Edit1", "商品编码", {80, 40, 121, 21}},
        {main->Edit2, "Edit2", "商品名称", {280, 40, 121, 21}},
        {main->Edit3, "Edit3", "商品型号", {80, 64, 121, 21}},
        {main->Edit4, "Edit4", "商品规格", {280, 64, 121, 21}},
        {main->Edit5, "Edit5", "单位", {80, 88, 121, 21}},
        {main->Edit6, "Edit6", "进货单价", {80, 120, 121, 21}},
        {main->Edit7, "Edit7", "进货数量", {280, 120, 121, 21}},
        {main->Edit8, "Edit8", "供货单位", {80, 152, 121, 21}},
        {main->Edit9, "Edit9", "联系人", {280, 152, 121, 21}},
        {main->Edit10, "Edit10", "联系电话", {80, 176, 321, 21}},
        {main->Edit11, "Edit11", "详细地址", {80, 200, 321, 21}},
        {main->Edit12, "Edit12", "备注", {80, 224, 321, 21}},
        {main->Edit13, "Edit13", "商品编码", {80, 40, 121, 21}},
        {main->Edit14, "Edit14", "商品名称", {272, 40, 121, 21}},
        {main->Edit15, "Edit15", "联系人", {80, 64, 121, 21}},
        {main->Edit16, "Edit16", "联系电话", {272, 64, 121, 21}},
    };
    for (const auto& f : fields) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(f.edit->objectName(), f.name);
        EXPECT_EQ(f.edit->geometry(), f.rect);
        // The label just left of the field, on its line.
        QLabel* label = nullptr;
        for (QLabel* l : f.edit->parentWidget()->findChildren<QLabel*>()) {
            const QRect g = l->geometry();
            if (g.right() < f.rect.left() && g.right() >= f.rect.left() - 12 &&
                g.top() == f.rect.top())
                label = l;
        }
        ASSERT_TRUE(label);
        EXPECT_EQ(label->text(), QString::fromUtf8(f.label));
        EXPECT_TRUE(label->alignment() & Qt::AlignRight);
    }

    const struct {
        const char* number;
        const char* hint;
        int top;
    } groups[] = {{"①", "商品信息", 40}, {"②", "进货信息", 120}, {"③", "供货商信息", 152}};
    for (const auto& g : groups) {
        SCOPED_TRACE(g.number);
        QLabel* number = nullptr;
        for (QLabel* l : main->Panel2->findChildren<QLabel*>())
            if (l->text() == QString::fromUtf8(g.number)) number = l;
        ASSERT_TRUE(number);
        EXPECT_EQ(number->pos(), QPoint(8, g.top));
        EXPECT_EQ(number->toolTip(), QString::fromUtf8(g.hint));
        EXPECT_TRUE(number->font().bold());
        EXPECT_TRUE(hasRedInk(number->grab().toImage()));
    }
    QList<QRect> rules;
    for (QFrame* f : main->Panel2->findChildren<QFrame*>(Qt::FindDirectChildrenOnly))
        if (f->frameShape() == QFrame::HLine) rules << f->geometry();
    EXPECT_EQ(rules, QList<QRect>({{0, 112, 425, 2}, {0, 144, 425, 2}}));

    EXPECT_EQ(main->Button1->text(), "添加");
    EXPECT_EQ(main->Button3->text(), "修改");
    EXPECT_EQ(main->Button2->text(), "取消");
    EXPECT_EQ(main->Button1->geometry(), QRect(136, 256, 57, 22));
    EXPECT_EQ(main->Button3->geometry(), QRect(136, 256, 57, 22));
    EXPECT_EQ(main->Button2->geometry(), QRect(224, 256, 57, 22));
    EXPECT_EQ(main->Image2->geometry(), QRect(400, 8, 16, 16));
    EXPECT_EQ(main->Image2->toolTip(), "关闭");
    EXPECT_EQ(main->Image2->objectName(), "Image2");

    main->SpeedButton4->click();
    EXPECT_FALSE(main->Panel2->isVisible());
    ASSERT_TRUE(main->Panel5->isVisible());
    EXPECT_EQ(main->Panel5->parentWidget(), area);
    EXPECT_EQ(main->Panel5->geometry(), QRect(224, 168, 481, 97));
    EXPECT_EQ(main->Button4->text(), "查询");
    EXPECT_EQ(main->Button4->geometry(), QRect(400, 38, 57, 22));
    EXPECT_EQ(main->Image3->geometry(), QRect(456, 8, 16, 16));
    EXPECT_EQ(main->Image3->toolTip(), "关闭");
    EXPECT_TRUE(messages.requests.isEmpty());
}

// --- add ---------------------------------------------------------------

TEST_F(PurchaseEntry, AddStoresTheTypedRecordAndStaysOpenForTheNext) {
    store.insertGoods(QStringLiteral("X1"), QStringLiteral("旧货"), 1, 1);
    start();
    main->SpeedButton1->click();
    EXPECT_TRUE(main->Button1->isVisible());
    EXPECT_FALSE(main->Button3->isVisible());
    EXPECT_EQ(entryTexts(), QStringList({"", "", "", "", "", "0", "0", "", "", "", "", ""}));

    QTest::keyClicks(main->Edit1, QStringLiteral("A001 "));
    typeText(main->Edit2, QStringLiteral("中性笔"));
    QTest::keyClicks(main->Edit3, QStringLiteral("GP-1008"));
    QTest::keyClicks(main->Edit4, QStringLiteral("0.5mm"));
    typeText(main->Edit5, QStringLiteral("盒"));
    QTest::keyClick(main->Edit6, Qt::Key_Backspace);
    QTest::keyClicks(main->Edit6, QStringLiteral("12.5"));
    QTest::keyClick(main->Edit7, Qt::Key_Backspace);
    QTest::keyClicks(main->Edit7, QStringLiteral("4"));
    typeText(main->Edit8, QStringLiteral("晨光文具"));
    typeText(main->Edit9, QStringLiteral("王伟"));
    QTest::keyClicks(main->Edit10, QStringLiteral("0571-85052319"));
    typeText(main->Edit11, QStringLiteral(" 杭州市"));
    typeText(main->Edit12, QStringLiteral("首批"));
    EXPECT_EQ(flagged(), 12);

    QTest::mouseClick(main->Button1, Qt::LeftButton);

    ASSERT_EQ(messages.requests.size(), 1);
    expectBox(messages.requests[0], "进货信息添加成功！", Buttons::Ok, Icon::None);
    ASSERT_EQ(store.count(kGoods), 2);
    const qint64 id = 2;
    const QMap<const char*, QVariant> expected{
        {"商品编码", "A001 "},
        {"商品名称", "中性笔"},
        {"商品型号", "GP-1008"},
        {"商品规格", "0.5mm"},
        {"单位", "盒"},
        {"进货单价", 12.5},
        {"进货数量", 4.0},
        {"进货金额", 50.0},
        {"供货单位", "晨光文具"},
        {"联系人", "王伟"},
        {"联系电话", "0571-85052319"},
        {"详细地址", " 杭州市"},
        {"备注", "首批"},
        {"销售单价", 0.0},
        {"销售数量", 0.0},
        {"销售金额", 0.0},
        {"销售利润", 0.0},
        {"库存数量", 4.0},
        {"库存金额", 50.0},
    };
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        SCOPED_TRACE(it.key());
        EXPECT_EQ(cell(id, it.key()), it.value());
    }
    // Ready for the next entry; the list shows the new record.
    EXPECT_TRUE(main->Panel2->isVisible());
    EXPECT_TRUE(main->Button1->isVisible());
    EXPECT_FALSE(main->Button3->isVisible());
    EXPECT_EQ(entryTexts(), QStringList({"", "", "", "", "", "0", "0", "", "", "", "", ""}));
    EXPECT_EQ(flagged(), 0);
    EXPECT_EQ(gridRows(main.get()), 2);
    EXPECT_EQ(main->DBGridEh1->footerText(7), "51");
}

TEST_F(PurchaseEntry, AddComputesTheAmountsFromTheTwoFields) {
    const struct {
        const char* name;
        const char* price;  // nullptr: left at "0"
        const char* quantity;
        double amount;
    } cases[] = {
        {"铅笔", "0.1", "3", 0.3},  // not 0.30000000000000004
        {"橡皮", nullptr, nullptr, 0},
        {"胶水", "2.675", "100", 267.5},
    };
    start();
    qint64 id = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        main->N1->trigger();
        typeText(main->Edit2, QString::fromUtf8(c.name));
        if (c.price) {
            erase(main->Edit6);
            QTest::keyClicks(main->Edit6, QString::fromUtf8(c.price));
            erase(main->Edit7);
            QTest::keyClicks(main->Edit7, QString::fromUtf8(c.quantity));
        }
        messages.requests.clear();
        main->Button1->click();
        ASSERT_EQ(messages.requests.size(), 1);
        expectBox(messages.requests[0], "进货信息添加成功！", Buttons::Ok, Icon::None);
        ++id;
        EXPECT_EQ(cell(id, "商品名称"), QString::fromUtf8(c.name));
        EXPECT_EQ(cell(id, "商品编码"), QString());
        EXPECT_EQ(cell(id, "进货金额").toDouble(), c.amount);
        EXPECT_EQ(cell(id, "库存金额").toDouble(), c.amount);
        EXPECT_EQ(cell(id, "库存数量"), cell(id, "进货数量"));
        for (const char* col : {"销售单价", "销售数量", "销售金额", "销售利润"})
            EXPECT_EQ(cell(id, col).toDouble(), 0) << col;
    }
    EXPECT_EQ(store.count(kGoods), 3);
}

TEST_F(PurchaseEntry, RefusedAddsStoreNothingAndKeepTheTexts) {
    const struct {
        const char* what;
        std::function<void(TMainForm&)> fill;
        QString message;
        Icon icon;
    } cases[] = {
        {"all twelve fields empty",
         [](TMainForm& m) {
             erase(m.Edit6);
             erase(m.Edit7);
         },
         "进货信息不能为空！", Icon::None},
        {"quantity emptied",
         [](TMainForm& m) {
             typeText(m.Edit2, QStringLiteral("铅笔"));
             QTest::keyClicks(m.Edit6, QStringLiteral(".5"));
             erase(m.Edit7);
         },
         "'' is not a valid floating point value", Icon::Critical},
        {"price pasted with a comma",
         [](TMainForm& m) {
             typeText(m.Edit2, QStringLiteral("铅笔"));
             m.Edit6->selectAll();
             m.Edit6->insert(QStringLiteral("1,5"));  // the field's own paste
         },
         "'1,5' is not a valid floating point value", Icon::Critical},
    };
    store.insertGoods(QStringLiteral("X1"), QStringLiteral("旧货"), 1, 1);
    start();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        main->SpeedButton1->click();
        c.fill(*main);
        const QStringList typed = entryTexts();
        messages.requests.clear();
        main->Button1->click();
        ASSERT_EQ(messages.requests.size(), 1);
        expectBox(messages.requests[0], c.message, Buttons::Ok, c.icon);
        EXPECT_EQ(store.count(kGoods), 1);
        EXPECT_EQ(gridRows(main.get()), 1);
        EXPECT_TRUE(main->Panel2->isVisible());
        EXPECT_TRUE(main->Button1->isVisible());
        EXPECT_EQ(entryTexts(), typed);
    }
    // A later good add is not disturbed by a refused one.
    erase(main->Edit6);
    QTest::keyClicks(main->Edit6, QStringLiteral("3"));
    erase(main->Edit7);
    QTest::keyClicks(main->Edit7, QStringLiteral("2"));
    main->Button1->click();
    EXPECT_EQ(store.count(kGoods), 2);
    EXPECT_EQ(cell(2, "商品名称"), "铅笔");
    EXPECT_EQ(cell(2, "进货金额").toDouble(), 6);
}

TEST_F(PurchaseEntry, AddShowsTheWholeTableAgainAfterASearch) {
    store.insertGoods(QStringLiteral("A1"), QStringLiteral("中性笔"), 1, 1);
    store.insertGoods(QStringLiteral("B1"), QStringLiteral("胶水"), 1, 1);
    store.insertGoods(QStringLiteral("C1"), QStringLiteral("铅笔"), 1, 1);
    start();
    auto searchName = [&](const QString& text) {
        main->SpeedButton4->click();
        typeText(main->Edit14, text);
        main->Button4->click();
    };
    searchName(QStringLiteral("胶"));
    ASSERT_EQ(gridRows(main.get()), 1);
    main->SpeedButton1->click();
    EXPECT_FALSE(main->Panel5->isVisible());
    erase(main->Edit6);
    erase(main->Edit7);
    main->Button1->click();  // refused
    EXPECT_EQ(gridRows(main.get()), 3);

    searchName(QStringLiteral("胶"));
    ASSERT_EQ(gridRows(main.get()), 1);
    main->N1->trigger();
    typeText(main->Edit2, QStringLiteral("胶带"));
    main->Button1->click();  // stored
    EXPECT_EQ(gridRows(main.get()), 4);
}

// --- modify ------------------------------------------------------------

TEST_F(PurchaseEntry, ModifyOpensOnTheCurrentRecordWithRoundedFigures) {
    store.insertGoods(QStringLiteral("A1"), QStringLiteral("圆规"), 2.006, 3,
                      {{QStringLiteral("供货单位"), QStringLiteral("文具厂")}});
    store.insertGoods(QStringLiteral("B1"), QStringLiteral("直尺"), 12.5, 10.123);
    start();
    clickRow(1);
    main->SpeedButton2->click();
    ASSERT_TRUE(main->Panel2->isVisible());
    EXPECT_FALSE(main->Button1->isVisible());
    EXPECT_TRUE(main->Button3->isVisible());
    EXPECT_EQ(main->Edit1->text(), "B1");
    EXPECT_EQ(main->Edit6->text(), "12.5");
    EXPECT_EQ(main->Edit7->text(), "10.12");
    EXPECT_EQ(flagged(), 0);

    clickRow(0);
    main->N2->trigger();
    EXPECT_EQ(main->Edit2->text(), "圆规");
    EXPECT_EQ(main->Edit6->text(), "2.01");
    EXPECT_EQ(main->Edit7->text(), "3");
    EXPECT_EQ(main->Edit8->text(), "文具厂");

    // From modify mode back to add mode by the popup menu.
    main->N1->trigger();
    EXPECT_TRUE(main->Button1->isVisible());
    EXPECT_FALSE(main->Button3->isVisible());
    EXPECT_TRUE(main->Button2->isVisible());
    EXPECT_TRUE(messages.requests.isEmpty());
}

TEST_F(PurchaseEntry, ModifyWritesOnlyEditedFieldsAndTheAmount) {
    const qint64 id = store.insertGoods(QStringLiteral("A1"), QStringLiteral("圆规"), 2.5, 10,
                                        {{QStringLiteral("销售数量"), 3.0},
                                         {QStringLiteral("销售金额"), 12.0},
                                         {QStringLiteral("库存数量"), 7.0},
                                         {QStringLiteral("库存金额"), 17.5}});
    start();
    main->SpeedButton2->click();
    // Another window renames the record meanwhile; the name field is not edited here.
    store.exec(QStringLiteral("update 表1 set 商品名称 = '三角尺', 备注 = '别处改的' where ID = %1")
                   .arg(id));
    erase(main->Edit7);
    QTest::keyClicks(main->Edit7, QStringLiteral("8"));
    typeText(main->Edit9, QStringLiteral("李"));
    EXPECT_EQ(flagged(), 2);
    main->Button3->click();

    ASSERT_EQ(messages.requests.size(), 1);
    expectBox(messages.requests[0], "修改进货信息成功！", Buttons::Ok, Icon::None);
    EXPECT_FALSE(main->Panel2->isVisible());
    EXPECT_EQ(cell(id, "进货数量").toDouble(), 8);
    EXPECT_EQ(cell(id, "进货金额").toDouble(), 20);
    EXPECT_EQ(cell(id, "联系人"), "李");
    EXPECT_EQ(cell(id, "商品名称"), "三角尺");
    EXPECT_EQ(cell(id, "备注"), "别处改的");
    // Stock and sales stay: a modify is no stock correction.
    EXPECT_EQ(cell(id, "库存数量").toDouble(), 7);
    EXPECT_EQ(cell(id, "库存金额").toDouble(), 17.5);
    EXPECT_EQ(cell(id, "销售数量").toDouble(), 3);
    EXPECT_EQ(cell(id, "销售金额").toDouble(), 12);
    // Shown in place, not reloaded.
    EXPECT_EQ(main->DBGridEh1->model()->index(0, 6).data().toString(), "8");
    EXPECT_EQ(main->DBGridEh1->model()->index(0, 1).data().toString(), "圆规");
    EXPECT_EQ(main->DBGridEh1->footerText(7), "20");
}

TEST_F(PurchaseEntry, ModifyWithoutChangesKeepsAStoredAmount) {
    // As an add stores it: the product in the general form.
    const qint64 id = store.insertGoods(QStringLiteral("A1"), QStringLiteral("圆规"), 2.006, 3,
                                        {{QStringLiteral("进货金额"), 6.018}});
    const QVariant amount = cell(id, "进货金额");
    start();
    QTest::mouseDClick(main->DBGridEh1->viewport(), Qt::LeftButton, {}, rowPoint(0));
    ASSERT_TRUE(main->Panel2->isVisible());
    EXPECT_EQ(main->Edit6->text(), "2.01");
    main->Button3->click();
    ASSERT_EQ(messages.requests.size(), 1);
    expectBox(messages.requests[0], "修改进货信息成功！", Buttons::Ok, Icon::None);
    EXPECT_EQ(cell(id, "进货金额"), amount);
    EXPECT_EQ(cell(id, "进货单价").toDouble(), 2.006);
    EXPECT_FALSE(main->Panel2->isVisible());
}

TEST_F(PurchaseEntry, ModifyGoesToTheRecordThePanelWasFilledFrom) {
    const qint64 a = store.insertGoods(QStringLiteral("A1"), QStringLiteral("圆规"), 2, 5);
    const qint64 b = store.insertGoods(QStringLiteral("B1"), QStringLiteral("直尺"), 3, 7);
    start();
    clickRow(0);
    main->SpeedButton2->click();
    clickRow(1);  // the list moves on; the panel stays with 圆规
    ASSERT_EQ(main->ADOQuery1.currentIndex(), 1);
    erase(main->Edit6);
    QTest::keyClicks(main->Edit6, QStringLiteral("4"));
    QTest::mouseClick(main->Button3, Qt::LeftButton);

    EXPECT_EQ(cell(a, "进货单价").toDouble(), 4);
    EXPECT_EQ(cell(a, "进货金额").toDouble(), 20);
    EXPECT_EQ(cell(b, "进货单价").toDouble(), 3);
    EXPECT_EQ(cell(b, "进货金额").toDouble(), 21);
    EXPECT_EQ(main->ADOQuery1.currentIndex(), 1);
    EXPECT_EQ(main->DBGridEh1->currentIndex().row(), 1);
}

TEST_F(PurchaseEntry, ModifyWithNothingToModifyIsRefused) {
    start();
    // An empty list: the warning, the panel stays hidden.
    for (auto open :
         {&TMainForm::SpeedButton2Click, &TMainForm::N2Click, &TMainForm::DBGridEh1DblClick}) {
        messages.requests.clear();
        (main.get()->*open)();
        ASSERT_EQ(messages.requests.size(), 1);
        expectBox(messages.requests[0], "当前修改进货信息为空！", Buttons::OkCancel, Icon::Warning);
        EXPECT_FALSE(main->Panel2->isVisible());
    }

    // The record the panel was filled from is gone by the time of "修改".
    const qint64 a = store.insertGoods(QStringLiteral("A1"), QStringLiteral("圆规"), 2, 5);
    const qint64 b = store.insertGoods(QStringLiteral("B1"), QStringLiteral("直尺"), 3, 7);
    main->SpeedButton5->click();
    main->SpeedButton2->click();
    clickRow(0);
    main->SpeedButton3->click();  // confirmed: 圆规 deleted
    ASSERT_EQ(store.count(kGoods), 1);
    erase(main->Edit6);
    QTest::keyClicks(main->Edit6, QStringLiteral("9"));
    messages.requests.clear();
    main->Button3->click();
    ASSERT_EQ(messages.requests.size(), 1);
    expectBox(messages.requests[0], "当前修改进货信息为空！", Buttons::Ok, Icon::None);
    EXPECT_EQ(cell(b, "进货单价").toDouble(), 3);
    EXPECT_EQ(cell(b, "进货金额").toDouble(), 21);
    EXPECT_EQ(cell(a, "进货单价"), "<no row>");
    EXPECT_EQ(store.count(kGoods), 1);
}

TEST_F(PurchaseEntry, ModifyWithAFieldThatIsNoNumberStoresNothing) {
    const qint64 id = store.insertGoods(QStringLiteral("A1"), QStringLiteral("圆规"), 2, 5);
    start();
    main->SpeedButton2->click();
    typeText(main->Edit2, QStringLiteral("改"));
    erase(main->Edit7);
    main->Button3->click();
    ASSERT_EQ(messages.requests.size(), 1);
    expectBox(messages.requests[0], "'' is not a valid floating point value", Buttons::Ok,
              Icon::Critical);
    EXPECT_TRUE(main->Panel2->isVisible());
    EXPECT_EQ(main->Edit2->text(), "圆规改");
    EXPECT_EQ(cell(id, "商品名称"), "圆规");
    EXPECT_EQ(cell(id, "进货数量").toDouble(), 5);
    // Nothing half-written waits in the list to be posted later.
    EXPECT_EQ(main->ADOQuery1.state(), store::Dataset::State::Browse);
    EXPECT_EQ(main->DBGridEh1->model()->index(0, 1).data().toString(), "圆规");
}

// --- opening and closing ------------------------------------------------

TEST_F(PurchaseEntry, PanelsOpenAndCloseAsTheirCommandsSay) {
    store.insertGoods(QStringLiteral("A1"), QStringLiteral("圆规"), 2, 5);
    store.insertGoods(QStringLiteral("B1"), QStringLiteral("直尺"), 3, 7);
    start();
    // The double click leaves the search panel open ...
    main->N11->trigger();
    ASSERT_TRUE(main->Panel5->isVisible());
    QTest::mouseDClick(main->DBGridEh1->viewport(), Qt::LeftButton, {}, rowPoint(1));
    EXPECT_TRUE(main->Panel2->isVisible());
    EXPECT_TRUE(main->Panel5->isVisible());
    EXPECT_EQ(main->Edit1->text(), "B1");
    EXPECT_TRUE(main->Button3->isVisible());
    // ... the toolbar and the popup do not.
    main->SpeedButton2->click();
    EXPECT_FALSE(main->Panel5->isVisible());
    main->N11->trigger();
    EXPECT_FALSE(main->Panel2->isVisible());
    main->N2->trigger();
    EXPECT_FALSE(main->Panel5->isVisible());
    main->SpeedButton4->click();
    main->N1->trigger();
    EXPECT_TRUE(main->Panel2->isVisible());
    EXPECT_FALSE(main->Panel5->isVisible());

    // "取消" and the close picture hide the panel and keep its texts.
    for (auto close :
         {std::function<void()>([&] { main->Button2->click(); }), std::function<void()>([&] {
              QTest::mouseClick(main->Image2, Qt::LeftButton, {}, QPoint(8, 8));
          })}) {
        main->SpeedButton1->click();
        typeText(main->Edit1, QStringLiteral("C1"));
        close();
        EXPECT_FALSE(main->Panel2->isVisible());
        EXPECT_EQ(main->Edit1->text(), "C1");
        EXPECT_EQ(store.count(kGoods), 2);
    }
    // A panel dragged away comes back to its place.
    main->SpeedButton1->click();
    main->Panel2->move(700, 400);
    main->Image2Click();
    main->SpeedButton1->click();
    EXPECT_EQ(main->Panel2->pos(), QPoint(240, 88));
    EXPECT_TRUE(messages.requests.isEmpty());
}

TEST_F(PurchaseEntry, OnlyTheUsersEditsCountAsChanges) {
    store.insertGoods(QStringLiteral("A1"), QStringLiteral("圆规"), 2, 5);
    start();
    main->SpeedButton2->click();
    EXPECT_EQ(flagged(), 0);
    QTest::keyClicks(main->Edit1, QStringLiteral("x"));
    main->Edit8->selectAll();
    main->Edit8->insert(QStringLiteral("贴上的"));
    QTest::keyClick(main->Edit12, Qt::Key_Backspace);  // nothing to erase: no change
    EXPECT_TRUE(main->changedFlags()[purchase::Code]);
    EXPECT_TRUE(main->changedFlags()[purchase::Supplier]);
    EXPECT_FALSE(main->changedFlags()[purchase::Remark]);
    EXPECT_EQ(flagged(), 2);
    main->SpeedButton2->click();  // filled again by the program
    EXPECT_EQ(flagged(), 0);
    EXPECT_EQ(main->Edit1->text(), "A1");
    QTest::keyClicks(main->Edit1, QStringLiteral("y"));
    main->SpeedButton1->click();
    EXPECT_EQ(flagged(), 0);
}

TEST_F(PurchaseEntry, PriceAndQuantityTakeOnlyNumberKeys) {
    start();
    main->SpeedButton1->click();
    for (QLineEdit* e : {main->Edit6, main->Edit7}) {
        SCOPED_TRACE(e->objectName().toStdString());
        erase(e);
        QTest::keyClicks(e, QStringLiteral("1.2.3a -x"));
        EXPECT_EQ(e->text(), "1.23");
    }
    QTest::keyClicks(main->Edit1, QStringLiteral("a-1.2.3"));
    EXPECT_EQ(main->Edit1->text(), "a-1.2.3");
}

}  // namespace
