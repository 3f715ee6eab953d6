// The main window's list commands: deleting the selected goods records,
// searching and refreshing.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "AppTestSupport.h"
#include "FloatingPanel.h"
#include "MainUnit.h"
#include "MainWindowFixture.h"
#include "QtPrinters.h"
#include "RecordGrid.h"
#include "TempStore.h"

namespace {

using Buttons = listui::Messages::Buttons;
using Icon = listui::Messages::Icon;
const QString kGoods = QStringLiteral("表1");

class PurchaseList : public MainWindowFixture {
protected:
    // The codes of the rows the list shows, in order.
    QStringList shownCodes() const {
        QStringList out;
        const QAbstractItemModel* m = main->DBGridEh1->model();
        for (int r = 0; r < m->rowCount(); ++r) out << m->index(r, 0).data().toString();
        return out;
    }
    QStringList storedCodes() const {
        QStringList out;
        for (qint64 id = 1; id <= 20; ++id) {
            const QVariant code = store.cell(kGoods, id, QStringLiteral("商品编码"));
            if (code != QStringLiteral("<no row>")) out << code.toString();
        }
        return out;
    }
    void search(QLineEdit* field, const QString& text) {
        main->SpeedButton4->click();
        typeText(field, text);
        QTest::mouseClick(main->Button4, Qt::LeftButton);
    }
};

// --- delete ------------------------------------------------------------

TEST_F(PurchaseList, DeleteRemovesTheSelectedRowsNotTheCurrentOne) {
    for (const char* code : {"A", "B", "C", "D"})
        store.insertGoods(QString::fromLatin1(code), QStringLiteral("货"), 1, 1);
    store.insert(QStringLiteral("表3"), {{QStringLiteral("商品编码"), QStringLiteral("B")}});
    start();
    main->SpeedButton1->click();
    typeText(main->Edit2, QStringLiteral("未存"));

    clickRow(0);
    clickRow(1, Qt::ControlModifier);
    clickRow(2, Qt::ControlModifier);
    clickRow(0, Qt::ControlModifier);  // A current, no longer selected
    ASSERT_EQ(main->DBGridEh1->selectedRowIndexes(), QList<int>({1, 2}));
    ASSERT_EQ(main->ADOQuery1.currentIndex(), 0);

    main->SpeedButton3->click();
    ASSERT_EQ(messages.requests.size(), 1);
    EXPECT_EQ(messages.requests[0].text, "确定要删除选中的记录？");
    EXPECT_EQ(messages.requests[0].title, "提示");
    EXPECT_EQ(messages.requests[0].buttons, Buttons::OkCancel);
    EXPECT_EQ(messages.requests[0].icon, Icon::Warning);
    EXPECT_EQ(storedCodes(), QStringList({"A", "D"}));
    EXPECT_EQ(shownCodes(), QStringList({"A", "D"}));
    EXPECT_TRUE(main->DBGridEh1->selectedRowIndexes().isEmpty());
    EXPECT_EQ(main->DBGridEh1->footerText(7), "2");
    // Sale records stay; the entry panel stays with its texts.
    EXPECT_EQ(store.count(QStringLiteral("表3")), 1);
    EXPECT_TRUE(main->Panel2->isVisible());
    EXPECT_EQ(main->Edit2->text(), "未存");
}

TEST_F(PurchaseList, DeleteWithinASearchResultKeepsTheResult) {
    for (const char* code : {"A", "B", "C", "D"})
        store.insertGoods(
            QString::fromLatin1(code),
            QString::fromLatin1(code) == "C" ? QStringLiteral("胶水") : QStringLiteral("铅笔"), 1,
            1);
    start();
    search(main->Edit14, QStringLiteral("笔"));
    ASSERT_EQ(shownCodes(), QStringList({"A", "B", "D"}));
    clickRow(0);
    clickRow(2, Qt::ShiftModifier);
    clickRow(1, Qt::ControlModifier);
    ASSERT_EQ(main->DBGridEh1->selectedRowIndexes(), QList<int>({0, 2}));

    {
        MessageLog refusing(false);
        main->N3->trigger();
        ASSERT_EQ(refusing.requests.size(), 1);
        EXPECT_EQ(storedCodes(), QStringList({"A", "B", "C", "D"}));
    }
    MessageLog answering;
    main->N3->trigger();
    ASSERT_EQ(answering.requests.size(), 1);
    EXPECT_EQ(answering.requests[0].text, "确定要删除选中的记录？");
    EXPECT_EQ(storedCodes(), QStringList({"B", "C"}));
    EXPECT_EQ(shownCodes(), QStringList({"B"}));
    EXPECT_TRUE(main->Panel5->isVisible());
}

TEST_F(PurchaseList, DeleteWithNothingSelectedOnlyHints) {
    store.insertGoods(QStringLiteral("A"), QStringLiteral("货"), 1, 1);
    start();
    const struct {
        const char* way;
        std::function<void()> trigger;
        const char* secondLine;
    } ways[] = {
        {"toolbar", [&] { main->SpeedButton3->click(); },
         "也可以用Ctrl及Shift来进行多选，然后再删除信息。"},
        {"popup", [&] { main->N3->trigger(); }, "也可以用Ctrl及Shift来进行多选，然后再删除记录。"},
    };
    for (const auto& w : ways) {
        SCOPED_TRACE(w.way);
        messages.requests.clear();
        ASSERT_TRUE(main->DBGridEh1->selectedRowIndexes().isEmpty());
        w.trigger();
        ASSERT_EQ(messages.requests.size(), 1);
        EXPECT_EQ(messages.requests[0].title, "提示");
        EXPECT_EQ(messages.requests[0].text,
                  QStringLiteral("请单击左边的序号选中一条记录或拖选一段记录，\r\n") +
                      QString::fromUtf8(w.secondLine));
        EXPECT_EQ(messages.requests[0].buttons, Buttons::Ok);
        EXPECT_EQ(messages.requests[0].icon, Icon::Information);
        EXPECT_EQ(store.count(kGoods), 1);
    }
}

// --- search ------------------------------------------------------------

TEST_F(PurchaseList, SearchShowsTheRowsWhoseColumnContainsTheText) {
    const QString phone = QStringLiteral("联系电话");
    const QString contact = QStringLiteral("联系人");
    store.insertGoods(
        QStringLiteral("6901"), QStringLiteral("中性笔 0.5mm"), 1, 1,
        {{contact, QStringLiteral("王伟")}, {phone, QStringLiteral("0571-85052319")}});
    store.insertGoods(QStringLiteral("6902"), QStringLiteral("铅笔"), 1, 1,
                      {{contact, QStringLiteral("张娜")}, {phone, QStringLiteral("13800001111")}});
    store.insertGoods(QStringLiteral("A-100%"), QStringLiteral("iPad 10.2\" 保护套"), 1, 1,
                      {{contact, QStringLiteral(" 张三")}, {phone, QString()}});
    store.insertGoods(QStringLiteral("6904"), QStringLiteral("笔记本"), 1, 1,
                      {{contact, QStringLiteral("赵六")}, {phone, QVariant()}});
    start();
    const QStringList all{"6901", "6902", "A-100%", "6904"};
    const struct {
        const char* what;
        QLineEdit* field;
        QString text;
        QStringList shown;
    } cases[] = {
        {"code", main->Edit13, "690", {"6901", "6902", "6904"}},
        {"name, anywhere in it", main->Edit14, "笔", {"6901", "6902", "6904"}},
        {"contact", main->Edit15, "张", {"6902", "A-100%"}},
        {"leading blank is searched", main->Edit15, " 张", {"A-100%"}},
        {"phone", main->Edit16, "0571", {"6901"}},
        {"% alone: every row not null", main->Edit16, "%", {"6901", "6902", "A-100%"}},
        {"% keeps its meaning", main->Edit13, "69%4", {"6904"}},
        {"_ keeps its meaning", main->Edit13, "6_0", {"6901", "6902", "6904"}},
        {"double quote is a character", main->Edit14, "10.2\"", {"A-100%"}},
        {"quote trick finds nothing", main->Edit14, "\" or \"\"=\"", {}},
        {"only blanks count as text", main->Edit15, "   ", {}},
        {"case follows the engine", main->Edit14, "IPAD", {"A-100%"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        main->SpeedButton5->click();
        search(c.field, c.text);
        EXPECT_EQ(shownCodes(), c.shown);
        EXPECT_TRUE(main->Panel5->isVisible());
        EXPECT_EQ(c.field->text(), c.text);
    }
    EXPECT_TRUE(messages.requests.isEmpty());
    EXPECT_EQ(storedCodes(), all);
}

TEST_F(PurchaseList, SearchNeedsExactlyOneFilledField) {
    store.insertGoods(QStringLiteral("A1"), QStringLiteral("铅笔"), 1, 1,
                      {{QStringLiteral("联系人"), QStringLiteral("王伟")}});
    store.insertGoods(QStringLiteral("B1"), QStringLiteral("胶水"), 1, 1);
    start();
    search(main->Edit14, QStringLiteral("胶"));
    ASSERT_EQ(shownCodes(), QStringList({"B1"}));

    // None or two: the list stays as it is.
    main->SpeedButton4->click();
    EXPECT_EQ(main->Edit14->text(), "");
    main->Button4->click();
    EXPECT_EQ(shownCodes(), QStringList({"B1"}));
    typeText(main->Edit13, QStringLiteral("A"));
    typeText(main->Edit15, QStringLiteral("王"));
    main->Button4->click();
    EXPECT_EQ(shownCodes(), QStringList({"B1"}));

    // A search without hits does not stop the next one.
    search(main->Edit14, QStringLiteral("不存在"));
    EXPECT_EQ(shownCodes(), QStringList());
    search(main->Edit14, QStringLiteral("铅"));
    EXPECT_EQ(shownCodes(), QStringList({"A1"}));

    // The close picture hides the panel; the list keeps the result.
    QTest::mouseClick(main->Image3, Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_FALSE(main->Panel5->isVisible());
    EXPECT_EQ(shownCodes(), QStringList({"A1"}));
    EXPECT_TRUE(messages.requests.isEmpty());
}

TEST_F(PurchaseList, SearchOpensEmptyInPlaceOfTheEntryPanel) {
    start();
    main->SpeedButton1->click();
    main->N11->trigger();
    EXPECT_FALSE(main->Panel2->isVisible());
    typeText(main->Edit13, QStringLiteral("x"));
    typeText(main->Edit16, QStringLiteral("1"));
    main->Panel5->move(10, 10);
    main->SpeedButton4->click();
    EXPECT_EQ(main->Panel5->pos(), QPoint(224, 168));
    for (QLineEdit* e : {main->Edit13, main->Edit14, main->Edit15, main->Edit16})
        EXPECT_TRUE(e->text().isEmpty());
    // On an empty table too, quietly.
    search(main->Edit13, QStringLiteral("x"));
    EXPECT_EQ(gridRows(main.get()), 0);
    EXPECT_TRUE(messages.requests.isEmpty());
}

// --- refresh -----------------------------------------------------------

TEST_F(PurchaseList, RefreshReloadsTheWholeTableAndLeavesThePanels) {
    store.insertGoods(QStringLiteral("A1"), QStringLiteral("铅笔"), 1, 1);
    store.insertGoods(QStringLiteral("B1"), QStringLiteral("胶水"), 1, 1);
    start();
    main->SpeedButton1->click();
    typeText(main->Edit1, QStringLiteral("C1"));
    typeText(main->Edit2, QStringLiteral("尚未添加"));
    store.insertGoods(QStringLiteral("D1"), QStringLiteral("别处添加"), 2, 3);

    main->SpeedButton5->click();
    EXPECT_EQ(shownCodes(), QStringList({"A1", "B1", "D1"}));
    EXPECT_EQ(main->DBGridEh1->footerText(7), "8");
    EXPECT_TRUE(main->Panel2->isVisible());
    EXPECT_TRUE(main->Button1->isVisible());
    EXPECT_EQ(main->Edit1->text(), "C1");
    EXPECT_EQ(main->Edit2->text(), "尚未添加");
    EXPECT_TRUE(main->changedFlags()[purchase::Code]);

    search(main->Edit14, QStringLiteral("胶"));
    ASSERT_EQ(shownCodes(), QStringList({"B1"}));
    store.insertGoods(QStringLiteral("E1"), QStringLiteral("胶带"), 1, 1);
    main->N12->trigger();
    EXPECT_EQ(shownCodes(), QStringList({"A1", "B1", "D1", "E1"}));
    EXPECT_TRUE(main->Panel5->isVisible());
    EXPECT_EQ(main->Edit14->text(), "胶");
    EXPECT_EQ(store.count(kGoods), 4);
    EXPECT_TRUE(messages.requests.isEmpty());
}

}  // namespace
