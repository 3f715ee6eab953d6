#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QHelpEvent>
#include <QScrollBar>
#include <QTest>
#include <QToolTip>

#include "ColumnSpec.h"
#include "DatasetModel.h"
#include "GridFooter.h"
#include "GridLook.h"
#include "IndicatorHeader.h"
#include "ListuiSupport.h"
#include "RecordGrid.h"
#include "Reopen.h"
#include "TwoLevelHeader.h"

using listui::ColumnSpec;
using listui::RecordGrid;

namespace {

// A shown purchase grid over a few goods records.
struct GridFixture : ListFixture {
    QList<qint64> ids;
    std::unique_ptr<RecordGrid> grid;

    explicit GridFixture(int rows = 0, QList<ColumnSpec> columns = listui::purchaseColumns()) {
        for (int i = 0; i < rows; ++i)
            ids << store.insertGoods(QStringLiteral("G%1").arg(i), u8("商品") + QString::number(i),
                                     1 + i, 2);
        open();
        grid = std::make_unique<RecordGrid>(*dataset, std::move(columns));
        grid->resize(976, 505);
        grid->show();
        QApplication::processEvents();
    }

    QPoint rowPoint(int row, int column = 1) const {
        return grid->visualRect(grid->model()->index(row, column)).center();
    }
    void click(int row, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, mods, rowPoint(row));
    }
    QList<qint64> bookmarksOf(std::initializer_list<int> rows) const {
        QList<qint64> out;
        for (int r : rows) out << ids[r];
        return out;
    }
    void reload() { store::reopen(connection, {{dataset.get(), store::Statement::table(table)}}); }
};

QColor pixel(const QImage& image, QPoint p) {
    return image.pixelColor(p);
}

}  // namespace

TEST(RecordGrid, LedgerLook) {
    GridFixture f(2);
    RecordGrid& g = *f.grid;
    EXPECT_EQ(g.font().family(), u8("宋体"));
    EXPECT_EQ(g.font().pixelSize(), 13);
    EXPECT_TRUE(g.titleHeader()->font().bold());
    EXPECT_EQ(g.titleHeader()->font().pixelSize(), 13);
    EXPECT_EQ(g.titleHeader()->height(), 2 * 18);
    EXPECT_EQ(g.rowHeight(0), 18);
    EXPECT_EQ(g.selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(g.editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_FALSE(g.model()->flags(g.model()->index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_EQ(g.titleHeader()->sectionResizeMode(0), QHeaderView::Interactive);
    for (int i = 0; i < f.grid->columns().size(); ++i)
        EXPECT_EQ(g.columnWidth(i), f.grid->columns()[i].width) << i;
    EXPECT_LE(g.verticalHeader()->width(), 16);  // a narrow indicator column

    // Money columns show "#0.##", the others their text; alignment from the table.
    const QModelIndex price = g.model()->index(1, 5);  // 进货单价 2
    EXPECT_EQ(price.data().toString(), QStringLiteral("2"));
    EXPECT_EQ(price.data(Qt::TextAlignmentRole).toInt() & Qt::AlignHorizontal_Mask,
              int(Qt::AlignHCenter));
    EXPECT_EQ(g.model()->index(1, 1).data().toString(), u8("商品1"));
    EXPECT_EQ(g.model()->index(1, 1).data(Qt::TextAlignmentRole).toInt() & Qt::AlignHorizontal_Mask,
              int(Qt::AlignLeft));
}

TEST(RecordGrid, HeaderMergesAdjacentEqualUpperTitles) {
    GridFixture f(1);
    listui::TwoLevelHeader& h = *f.grid->titleHeader();
    // ①商品信息 over the first five columns (65*4 + 45), ②进货信息 over the next three.
    for (int c = 0; c <= 4; ++c) EXPECT_EQ(h.upperRect(c), QRect(0, 0, 305, 18)) << c;
    for (int c = 5; c <= 7; ++c) EXPECT_EQ(h.upperRect(c), QRect(305, 0, 165, 18)) << c;
    EXPECT_EQ(h.lowerRect(1), QRect(65, 18, 65, 18));
    EXPECT_EQ(h.upperTitle(6), u8("②进货信息"));
    EXPECT_EQ(h.lowerTitle(6), u8("数量"));
    // 备注 has no title: its name fills both rows.
    EXPECT_FALSE(h.isTwoLevel(12));
    EXPECT_EQ(h.upperTitle(12), u8("备注"));
    EXPECT_EQ(h.upperRect(12).height(), 36);
    EXPECT_EQ(h.upperRect(12), h.lowerRect(12));

    // No divider inside a merged upper cell; dividers in the lower row and
    // between the groups.
    const QImage img = h.grab().toImage();
    const QColor line = listui::look::line();
    const int inside = h.sectionViewportPosition(1) - 1;   // between 商品编码 and 商品名称
    const int between = h.sectionViewportPosition(5) - 1;  // between 单位 and 单价
    int dividerPixelsInside = 0, dividerPixelsBetween = 0;
    for (int y = 1; y < 16; ++y) {
        dividerPixelsInside += pixel(img, {inside, y}) == line;
        dividerPixelsBetween += pixel(img, {between, y}) == line;
    }
    EXPECT_EQ(dividerPixelsInside, 0);
    EXPECT_EQ(dividerPixelsBetween, 15);
    EXPECT_EQ(pixel(img, {inside, 27}), line);
}

TEST(RecordGrid, OnlyAdjacentColumnsShareAnUpperCell) {
    const QList<ColumnSpec> cols{
        {u8("商品编码"), u8("X|a"), Qt::AlignLeft, ColumnSpec::Format::None, 40},
        {u8("商品名称"), u8("X|b"), Qt::AlignLeft, ColumnSpec::Format::None, 50},
        {u8("单位"), u8("Y|c"), Qt::AlignLeft, ColumnSpec::Format::None, 60},
        {u8("备注"), u8("X|d"), Qt::AlignLeft, ColumnSpec::Format::None, 70},
        {u8("联系人"), u8("X"), Qt::AlignLeft, ColumnSpec::Format::None, 30},
    };
    GridFixture f(1, cols);
    listui::TwoLevelHeader& h = *f.grid->titleHeader();
    EXPECT_EQ(h.upperRect(0), QRect(0, 0, 90, 18));
    EXPECT_EQ(h.upperRect(1), QRect(0, 0, 90, 18));
    EXPECT_EQ(h.upperRect(2), QRect(90, 0, 60, 18));
    EXPECT_EQ(h.upperRect(3), QRect(150, 0, 70, 18));
    // A one-row title "X" is no part of the X group before it.
    EXPECT_EQ(h.upperRect(4), QRect(220, 0, 30, 36));
    EXPECT_EQ(h.groupLast(3), 3);
}

TEST(RecordGrid, TitleClickMarksWithoutSorting) {
    ListFixture f;
    for (const char* code : {"B", "A", "C"}) f.store.insertGoods(u8(code), u8("x"), 1, 1);
    f.open();
    RecordGrid g(*f.dataset, listui::purchaseColumns());
    g.resize(976, 300);
    g.show();
    QApplication::processEvents();
    listui::TwoLevelHeader& h = *g.titleHeader();

    const QPoint lower = h.lowerRect(1).center();
    QTest::mouseClick(h.viewport(), Qt::LeftButton, {}, lower);
    ASSERT_EQ(h.markedSection(), 1);
    EXPECT_EQ(h.markerOrder(), Qt::AscendingOrder);
    QTest::mouseClick(h.viewport(), Qt::LeftButton, {}, lower);
    EXPECT_EQ(h.markerOrder(), Qt::DescendingOrder);
    EXPECT_EQ(f.columnTexts(u8("商品编码")), QStringList({"B", "A", "C"}));
    for (int r = 0; r < 3; ++r)
        EXPECT_EQ(g.model()->index(r, 0).data().toString(), QString("BAC").mid(r, 1));

    // The marker is drawn in the title cell.
    const QImage img = h.grab().toImage();
    const QRect cell = h.lowerRect(1);
    int dark = 0;
    for (int x = cell.right() - 10; x < cell.right(); ++x)
        for (int y = cell.top() + 2; y < cell.bottom() - 1; ++y)
            dark += img.pixelColor(x, y).value() < 0x80;
    EXPECT_GT(dark, 4);

    // Another column takes the marker, starting ascending; a one-row title is a button too.
    QTest::mouseClick(h.viewport(), Qt::LeftButton, {}, h.lowerRect(12).center());
    EXPECT_EQ(h.markedSection(), 12);
    EXPECT_EQ(h.markerOrder(), Qt::AscendingOrder);
    // The merged upper cell is no button.
    QTest::mouseClick(h.viewport(), Qt::LeftButton, {}, QPoint(h.upperRect(2).center().x(), 5));
    EXPECT_EQ(h.markedSection(), 12);
}

TEST(RecordGrid, AlternatingRowColours) {
    GridFixture f(3);
    const QColor white(Qt::white), grey(0xEE, 0xEE, 0xEE);
    QAbstractItemModel* m = f.grid->model();
    EXPECT_EQ(m->index(0, 3).data(Qt::BackgroundRole).value<QColor>(), white);
    EXPECT_EQ(m->index(1, 3).data(Qt::BackgroundRole).value<QColor>(), grey);
    EXPECT_EQ(m->index(2, 3).data(Qt::BackgroundRole).value<QColor>(), white);

    // On screen (商品型号 is empty; the current row 0 is drawn as current).
    auto probe = [&](int row) {
        const QRect cell = f.grid->visualRect(m->index(row, 2));
        return f.grid->viewport()->grab().toImage().pixelColor(cell.center());
    };
    EXPECT_EQ(probe(1), grey);
    EXPECT_EQ(probe(2), white);
    f.dataset->moveTo(2);
    QApplication::processEvents();
    EXPECT_EQ(probe(0), white);
    EXPECT_EQ(probe(1), grey);
}

TEST(RecordGrid, FooterSumsIgnoreNullsInBothForms) {
    // Purchase list: 进货金额 summed and shown "#0.##".
    GridFixture goods(0);
    goods.store.insertGoods(u8("A"), u8("a"), 2.5, 1);
    goods.store.insertGoods(u8("B"), u8("b"), 7.499, 1);
    goods.store.insertGoods(u8("C"), u8("c"), 1, 1, {{u8("进货金额"), QVariant()}});
    goods.reload();
    EXPECT_EQ(goods.grid->footerText(0), u8("合计"));
    EXPECT_EQ(goods.grid->footerText(7), QStringLiteral("10"));  // 9.999 shown as "#0.##"
    EXPECT_EQ(goods.grid->footerText(1), QString());

    // Sales details: 销售金额 summed in the general form.
    ListFixture sales(store::Tables::Sales);
    sales.store.insert(store::Tables::Sales, {{u8("销售金额"), 4.5}});
    sales.store.insert(store::Tables::Sales, {{u8("销售金额"), 5.499}});
    sales.store.insert(store::Tables::Sales, {{u8("销售金额"), QVariant()}});
    sales.open();
    RecordGrid g(*sales.dataset, listui::salesDetailColumns());
    EXPECT_EQ(g.footerText(0), u8("合计"));
    EXPECT_EQ(g.footerText(8), QStringLiteral("9.999"));
    EXPECT_TRUE(g.datasetModel()->footerIsLabel(0));
    EXPECT_FALSE(g.datasetModel()->footerIsLabel(8));
}

TEST(RecordGrid, FooterFollowsAddsChangesDeletesAndReloads) {
    GridFixture f(2);  // 进货金额 1*2 + 2*2 = 6
    store::Dataset& ds = *f.dataset;
    EXPECT_EQ(f.grid->footerText(7), QStringLiteral("6"));

    ds.append();
    ds.setText(u8("进货金额"), QStringLiteral("0.125"));
    ds.post();
    EXPECT_EQ(f.grid->footerText(7), QStringLiteral("6.13"));

    ds.moveTo(0);
    ds.edit();
    ds.setText(u8("进货金额"), QStringLiteral("10"));
    ds.post();
    EXPECT_EQ(f.grid->footerText(7), QStringLiteral("14.13"));

    ds.moveTo(1);
    ds.deleteCurrent();
    EXPECT_EQ(f.grid->footerText(7), QStringLiteral("10.13"));

    f.store.insertGoods(u8("X"), u8("x"), 5, 1);
    f.reload();
    EXPECT_EQ(f.grid->footerText(7), QStringLiteral("15.13"));
}

TEST(RecordGrid, FooterStaysUnderItsColumns) {
    GridFixture f(40);
    RecordGrid& g = *f.grid;
    listui::GridFooter& footer = *g.footer();
    // Under the rows, over the whole width, above the horizontal scroll bar.
    EXPECT_EQ(footer.geometry().top(), g.viewport()->geometry().bottom() + 1);
    EXPECT_EQ(footer.height(), 18);
    EXPECT_EQ(footer.indicatorWidth(), g.verticalHeader()->width());
    auto aligned = [&](int column) {
        return footer.cellRect(column).left() ==
               footer.indicatorWidth() + g.columnViewportPosition(column);
    };
    EXPECT_TRUE(aligned(7));

    g.setColumnWidth(0, 120);
    EXPECT_TRUE(aligned(7));
    EXPECT_EQ(footer.cellRect(0).width(), 120);

    g.resize(400, 300);
    QApplication::processEvents();
    g.horizontalScrollBar()->setValue(150);
    QApplication::processEvents();
    EXPECT_EQ(g.columnViewportPosition(0), -150);
    EXPECT_TRUE(aligned(7));
    ASSERT_TRUE(g.horizontalScrollBar()->isVisible());
    EXPECT_LT(footer.geometry().bottom(), g.horizontalScrollBar()->mapTo(&g, QPoint(0, 0)).y());

    // The last row can be scrolled fully into view above the footer.
    g.verticalScrollBar()->setValue(g.verticalScrollBar()->maximum());
    QApplication::processEvents();
    EXPECT_LE(g.visualRect(g.model()->index(39, 0)).bottom(), g.viewport()->height());

    // The footer is painted aqua with "合计" in its first cell.
    const QImage img = footer.grab().toImage();
    EXPECT_EQ(img.pixelColor(footer.cellRect(3).center()), QColor(0, 0xFF, 0xFF));
}

TEST(RecordGrid, ClickSelections) {
    GridFixture f(5);
    RecordGrid& g = *f.grid;

    f.click(0);
    EXPECT_EQ(g.selectedBookmarks(), f.bookmarksOf({0}));
    EXPECT_EQ(f.dataset->currentIndex(), 0);
    f.click(2, Qt::ControlModifier);
    EXPECT_EQ(g.selectedBookmarks(), f.bookmarksOf({0, 2}));
    EXPECT_EQ(f.dataset->currentIndex(), 2);
    f.click(0, Qt::ControlModifier);  // toggles off
    EXPECT_EQ(g.selectedBookmarks(), f.bookmarksOf({2}));

    f.click(1);  // a plain click: that row only
    EXPECT_EQ(g.selectedBookmarks(), f.bookmarksOf({1}));
    f.click(3, Qt::ShiftModifier);
    EXPECT_EQ(g.selectedBookmarks(), f.bookmarksOf({1, 2, 3}));
    EXPECT_EQ(f.dataset->currentIndex(), 3);

    // Shift-click ranges from the current row, also when the dataset moved it.
    f.dataset->moveTo(4);
    EXPECT_EQ(g.currentIndex().row(), 4);
    EXPECT_EQ(g.selectedBookmarks(), f.bookmarksOf({1, 2, 3}));  // moving kept the selection
    f.click(2, Qt::ShiftModifier);
    EXPECT_EQ(g.selectedBookmarks(), f.bookmarksOf({2, 3, 4}));

    // Dragging with the left button selects a range.
    QTest::mousePress(g.viewport(), Qt::LeftButton, {}, f.rowPoint(0));
    QTest::mouseMove(g.viewport(), f.rowPoint(2));
    QTest::mouseRelease(g.viewport(), Qt::LeftButton, {}, f.rowPoint(2));
    EXPECT_EQ(g.selectedBookmarks(), f.bookmarksOf({0, 1, 2}));

    // A right click keeps the selection and the current row.
    QTest::mouseClick(g.viewport(), Qt::RightButton, {}, f.rowPoint(4));
    EXPECT_EQ(g.selectedBookmarks(), f.bookmarksOf({0, 1, 2}));
    EXPECT_EQ(f.dataset->currentIndex(), 2);

    // Clicking the indicator column selects the row as well.
    const QPoint numberCell(g.verticalHeader()->width() / 2,
                            g.verticalHeader()->sectionViewportPosition(4) + 9);
    QTest::mouseClick(g.verticalHeader()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      numberCell);
    EXPECT_EQ(g.selectedBookmarks(), f.bookmarksOf({0, 1, 2, 4}));
}

TEST(RecordGrid, CurrentRowFollowsBothWays) {
    GridFixture f(4);
    RecordGrid& g = *f.grid;
    EXPECT_EQ(g.currentIndex().row(), 0);
    EXPECT_EQ(g.indicatorHeader()->markedRow(), 0);
    f.click(2);
    EXPECT_EQ(f.dataset->currentIndex(), 2);
    EXPECT_EQ(f.dataset->text(u8("商品编码")), QStringLiteral("G2"));
    f.dataset->last();
    EXPECT_EQ(g.currentIndex().row(), 3);
    QTest::keyClick(&g, Qt::Key_Up);
    EXPECT_EQ(f.dataset->currentIndex(), 2);

    // A deleted current row: both move to the following row.
    f.dataset->moveTo(1);
    f.dataset->deleteCurrent();
    EXPECT_EQ(f.dataset->currentIndex(), 1);
    EXPECT_EQ(g.currentIndex().row(), 1);
    EXPECT_EQ(f.dataset->text(u8("商品编码")), QStringLiteral("G2"));

    // The indicator marks the current row with its triangle.
    const QImage img = g.verticalHeader()->grab().toImage();
    const int y1 = g.verticalHeader()->sectionViewportPosition(1) + 9;
    const int y0 = g.verticalHeader()->sectionViewportPosition(0) + 9;
    auto darkInRow = [&](int y) {
        int n = 0;
        for (int x = 0; x < img.width() - 1; ++x) n += img.pixelColor(x, y).value() < 0x40;
        return n;
    };
    EXPECT_GT(darkInRow(y1), 0);
    EXPECT_EQ(darkInRow(y0), 0);
}

TEST(RecordGrid, ReloadEmptiesTheSelectionAndKeepsColumnWidths) {
    GridFixture f(4);
    f.click(1);
    f.click(3, Qt::ControlModifier);
    ASSERT_EQ(f.grid->selectedBookmarks().size(), 2);
    f.grid->setColumnWidth(2, 111);
    f.reload();
    EXPECT_TRUE(f.grid->selectedBookmarks().isEmpty());
    EXPECT_EQ(f.dataset->currentIndex(), 0);
    EXPECT_EQ(f.grid->currentIndex().row(), 0);
    EXPECT_EQ(f.grid->columnWidth(2), 111);
    EXPECT_EQ(f.grid->columnWidth(3), 65);

    // A search's reload as well.
    f.click(2);
    f.dataset->replaceStatement(
        store::Statement::containing(store::Tables::Goods, u8("商品编码"), QStringLiteral("G")));
    EXPECT_TRUE(f.grid->selectedBookmarks().isEmpty());
}

TEST(RecordGrid, CtrlDeleteAsksAndDeletes) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, Qt::KeyboardModifiers>> clicks;  // rows clicked
        int current;                                                // -1: leave it
        bool answer;
        const char* question;
        std::vector<int> gone;
    };
    const std::vector<Case> cases{
        {"one selected", {{1, Qt::NoModifier}}, -1, true, "Delete record?", {1}},
        {"several selected",
         {{0, Qt::NoModifier}, {2, Qt::ControlModifier}, {3, Qt::ControlModifier}},
         -1,
         true,
         "Delete all selected records?",
         {0, 2, 3}},
        {"none selected: the current row", {}, 2, true, "Delete record?", {2}},
        {"cancel keeps the rows",
         {{0, Qt::NoModifier}, {1, Qt::ControlModifier}},
         -1,
         false,
         "Delete all selected records?",
         {}},
    };
    for (const Case& c : cases) {
        GridFixture f(4);
        MessageLog log;
        log.answer = c.answer;
        for (auto [row, mods] : c.clicks) f.click(row, mods);
        if (c.current >= 0) f.dataset->moveTo(c.current);
        QTest::keyClick(f.grid.get(), Qt::Key_Delete, Qt::ControlModifier);

        ASSERT_EQ(log.seen.size(), 1) << c.name;
        EXPECT_EQ(log.seen[0].text, QString::fromLatin1(c.question)) << c.name;
        EXPECT_EQ(log.seen[0].buttons, listui::Messages::Buttons::OkCancel) << c.name;
        EXPECT_EQ(log.seen[0].icon, listui::Messages::Icon::Warning) << c.name;
        EXPECT_EQ(f.store.count(store::Tables::Goods), 4 - int(c.gone.size())) << c.name;
        EXPECT_EQ(f.dataset->rowCount(), 4 - int(c.gone.size())) << c.name;
        for (int r : c.gone)
            EXPECT_EQ(f.store.cell(store::Tables::Goods, f.ids[r], u8("商品编码")).toString(),
                      QStringLiteral("<no row>"))
                << c.name;
        EXPECT_TRUE(c.gone.empty() || f.grid->selectedBookmarks().isEmpty()) << c.name;
    }
}

TEST(RecordGrid, CtrlDeleteOnAnEmptyListSaysNothing) {
    GridFixture f(0);
    MessageLog log;
    QTest::keyClick(f.grid.get(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_TRUE(log.seen.isEmpty());
}

TEST(RecordGrid, DoubleClickReportsTheRowMadeCurrent) {
    GridFixture f(3);
    int seen = 0;
    int currentAtSignal = -1;
    QObject::connect(f.grid.get(), &RecordGrid::rowDoubleClicked, [&] {
        ++seen;
        currentAtSignal = f.dataset->currentIndex();
    });
    QTest::mouseDClick(f.grid->viewport(), Qt::LeftButton, {}, f.rowPoint(2));
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(currentAtSignal, 2);
}

TEST(RecordGrid, ShowsTheWindowsHintOverTheRows) {
    GridFixture f(2);
    f.grid->setToolTip(u8("双击可以修改信息"));
    const QPoint at = f.rowPoint(1);
    QHelpEvent help(QEvent::ToolTip, at, f.grid->viewport()->mapToGlobal(at));
    QApplication::sendEvent(f.grid->viewport(), &help);
    EXPECT_EQ(QToolTip::text(), u8("双击可以修改信息"));
    QToolTip::hideText();
}

TEST(DatasetModel, PassesTheModelTesterThroughChanges) {
    ListFixture f;
    f.store.insertGoods(u8("A"), u8("a"), 1, 1);
    f.store.insertGoods(u8("B"), u8("b"), 2, 1);
    f.open();
    listui::DatasetModel model(*f.dataset, listui::salesColumns());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);

    f.dataset->append();
    f.dataset->setText(u8("商品编码"), QStringLiteral("C"));
    f.dataset->post();
    EXPECT_EQ(model.rowCount(), 3);
    f.dataset->first();
    f.dataset->edit();
    f.dataset->setText(u8("备注"), QStringLiteral("r"));
    f.dataset->post();
    f.dataset->deleteCurrent();
    EXPECT_EQ(model.rowCount(), 2);
    store::reopen(f.connection, {{f.dataset.get(), store::Statement::table(store::Tables::Goods)}});
    EXPECT_EQ(model.rowCount(), 2);
    f.dataset->close();
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.footerText(7), QStringLiteral("0"));
}
