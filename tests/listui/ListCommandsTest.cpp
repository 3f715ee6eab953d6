#include <gtest/gtest.h>

#include <QTest>

#include "ListCommands.h"
#include "ListuiSupport.h"
#include "RecordGrid.h"

using listui::Messages;
using listui::RecordGrid;
using listui::SearchField;

namespace {

struct DeleteFixture : ListFixture {
    QList<qint64> ids;
    std::unique_ptr<RecordGrid> grid;

    DeleteFixture() {
        for (int i = 0; i < 4; ++i)
            ids << store.insertGoods(QStringLiteral("G%1").arg(i), u8("x"), 1, 1);
        open();
        grid = std::make_unique<RecordGrid>(*dataset, listui::purchaseColumns());
        grid->resize(976, 505);
        grid->show();
        QApplication::processEvents();
    }
    void click(int row, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        const QPoint p = grid->visualRect(grid->model()->index(row, 1)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, mods, p);
    }
    bool stored(int row) const {
        return store.cell(store::Tables::Goods, ids[row], u8("商品编码")).toString() !=
               QStringLiteral("<no row>");
    }
};

}  // namespace

TEST(DeleteSelected, EmptySelectionShowsTheHintOnly) {
    for (const QString& second : {listui::kDeleteHintInfo, listui::kDeleteHintRecord}) {
        DeleteFixture f;
        MessageLog log;
        listui::deleteSelectedRecords(*f.grid, second);
        ASSERT_EQ(log.seen.size(), 1);
        EXPECT_EQ(log.seen[0].title, u8("提示"));
        EXPECT_EQ(log.seen[0].text,
                  u8("请单击左边的序号选中一条记录或拖选一段记录，\r\n") + second);
        EXPECT_EQ(log.seen[0].buttons, Messages::Buttons::Ok);
        EXPECT_EQ(log.seen[0].icon, Messages::Icon::Information);
        EXPECT_EQ(f.store.count(store::Tables::Goods), 4);
        EXPECT_EQ(f.dataset->rowCount(), 4);
    }
    EXPECT_EQ(listui::kDeleteHintInfo, u8("也可以用Ctrl及Shift来进行多选，然后再删除信息。"));
    EXPECT_EQ(listui::kDeleteHintRecord, u8("也可以用Ctrl及Shift来进行多选，然后再删除记录。"));
}

TEST(DeleteSelected, DeletesOnlyTheSelectedRowsNotTheCurrentOne) {
    DeleteFixture f;
    MessageLog log;
    f.click(0);
    f.click(2, Qt::ControlModifier);
    f.click(1, Qt::ControlModifier);
    f.click(1, Qt::ControlModifier);  // row 1 current, not selected
    ASSERT_EQ(f.dataset->currentIndex(), 1);
    ASSERT_EQ(f.grid->selectedBookmarks(), QList<qint64>({f.ids[0], f.ids[2]}));

    listui::deleteSelectedRecords(*f.grid, listui::kDeleteHintInfo);
    ASSERT_EQ(log.seen.size(), 1);  // the question, nothing after it
    EXPECT_EQ(log.seen[0].text, u8("确定要删除选中的记录？"));
    EXPECT_EQ(log.seen[0].buttons, Messages::Buttons::OkCancel);
    EXPECT_EQ(log.seen[0].icon, Messages::Icon::Warning);
    EXPECT_FALSE(f.stored(0));
    EXPECT_TRUE(f.stored(1));
    EXPECT_FALSE(f.stored(2));
    EXPECT_TRUE(f.stored(3));
    EXPECT_EQ(f.store.count(store::Tables::Goods), 2);
    // In place, without a reload: the rows left keep their order.
    EXPECT_EQ(f.columnTexts(u8("商品编码")), QStringList({"G1", "G3"}));
    EXPECT_TRUE(f.grid->selectedBookmarks().isEmpty());
    EXPECT_TRUE(f.grid->updatesEnabled());
}

TEST(DeleteSelected, CancelDeletesNothing) {
    DeleteFixture f;
    MessageLog log;
    log.answer = false;
    f.click(1);
    f.click(3, Qt::ShiftModifier);
    listui::deleteSelectedRecords(*f.grid, listui::kDeleteHintInfo);
    ASSERT_EQ(log.seen.size(), 1);
    EXPECT_EQ(f.store.count(store::Tables::Goods), 4);
    EXPECT_EQ(f.grid->selectedBookmarks().size(), 3);
}

TEST(DeleteSelected, ARefusedRowStopsWithTheRowsBeforeItDeleted) {
    DeleteFixture f;
    MessageLog log;
    f.click(1);
    f.click(3, Qt::ShiftModifier);
    // Rows 3 and 2 go; row 1 is refused by the file.
    f.store.exec(
        QStringLiteral("CREATE TRIGGER keep BEFORE DELETE ON 表1 WHEN old.商品编码 = 'G1' "
                       "BEGIN SELECT RAISE(ABORT, 'row is locked'); END"));
    listui::guard(nullptr,
                  [&] { listui::deleteSelectedRecords(*f.grid, listui::kDeleteHintInfo); });
    ASSERT_EQ(log.seen.size(), 2);
    EXPECT_EQ(log.seen[1].icon, Messages::Icon::Critical);
    EXPECT_TRUE(log.seen[1].text.contains(QStringLiteral("row is locked")));
    EXPECT_TRUE(f.stored(1));
    EXPECT_FALSE(f.stored(2));
    EXPECT_FALSE(f.stored(3));
    EXPECT_TRUE(f.grid->updatesEnabled());
    EXPECT_EQ(f.grid->selectedBookmarks(), QList<qint64>({f.ids[1]}));
}

namespace {

struct SearchFixture : ListFixture {
    SearchFixture() {
        auto add = [&](const char* code, const char* name, const char* contact) {
            store.insertGoods(u8(code), u8(name), 1, 1, {{u8("联系人"), u8(contact)}});
        };
        add("A1", "铅笔", "张三");
        add("A2", "钢笔 蓝", "李四");
        add("B1", "圆珠笔", "张三丰");
        add("B2", "墨水\"大瓶\"", "王五");
        add("C1", "100%纸", "");
        store.insert(store::Tables::Goods, {{u8("商品编码"), u8("N")}});  // 商品名称 null
        open();
    }
    // The window's four fields: 商品编码, 商品名称, 联系人, 联系电话.
    bool search(const QString& code, const QString& name, const QString& contact = {},
                const QString& phone = {}) {
        return listui::searchList(*dataset, store::Tables::Goods,
                                  {{code, u8("商品编码")},
                                   {name, u8("商品名称")},
                                   {contact, u8("联系人")},
                                   {phone, u8("联系电话")}});
    }
    QStringList codes() const { return columnTexts(u8("商品编码")); }
};

}  // namespace

TEST(Search, ExactlyOneFieldWithText) {
    struct Case {
        const char* name;
        QString code, goods, contact;
        bool runs;
        QStringList codes;
    };
    const QStringList all{"A1", "A2", "B1", "B2", "C1", "N"};
    const std::vector<Case> cases{
        {"code", "A", "", "", true, {"A1", "A2"}},
        {"name", "", u8("笔"), "", true, {"A1", "A2", "B1"}},
        {"contact", "", "", u8("张三"), true, {"A1", "B1"}},
        {"no hit", "Z", "", "", true, {}},
        {"two fields", "A", u8("笔"), "", false, all},
        {"no field", "", "", "", false, all},
        {"a blank is text", "", " ", "", true, {"A2"}},
        {"a blank counts as a second field", "A", " ", "", false, all},
        {"percent matches every non-null", "", "%", "", true, {"A1", "A2", "B1", "B2", "C1"}},
        {"double quote is plain text", "", "\"", "", true, {"B2"}},
        {"quoted part", "", u8("\"大瓶\""), "", true, {"B2"}},
    };
    for (const Case& c : cases) {
        SearchFixture f;
        EXPECT_EQ(f.search(c.code, c.goods, c.contact), c.runs) << c.name;
        EXPECT_EQ(f.codes(), c.codes) << c.name;
    }
}

TEST(Search, RunsOverTheWholeTableAfterASearchWithoutHits) {
    SearchFixture f;
    EXPECT_TRUE(f.search("Z", ""));
    ASSERT_EQ(f.dataset->rowCount(), 0);
    EXPECT_TRUE(f.search("B", ""));
    EXPECT_EQ(f.codes(), QStringList({"B1", "B2"}));
    // Not within the rows shown: 铅笔 is found although only B rows are listed.
    EXPECT_TRUE(f.search("", u8("铅")));
    EXPECT_EQ(f.codes(), QStringList({"A1"}));
}

TEST(Search, GridShowsTheFoundRowsWithTheirSums) {
    SearchFixture f;
    RecordGrid grid(*f.dataset, listui::purchaseColumns());
    f.search("A", "");
    EXPECT_EQ(grid.model()->rowCount(), 2);
    EXPECT_EQ(grid.footerText(7), QStringLiteral("2"));
}
