#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "FloatingPanel.h"
#include "ListuiSupport.h"
#include "RecordGrid.h"

using listui::FloatingPanel;

namespace {

struct PanelFixture {
    QWidget area;
    FloatingPanel* panel;

    PanelFixture() {
        area.resize(976, 505);
        panel = new FloatingPanel(&area, QPoint(224, 168));
        panel->resize(300, 150);
        new QLineEdit(panel);
        area.show();
        QApplication::processEvents();
    }
    void drag(Qt::MouseButton button, QPoint from, QPoint to) {
        QTest::mousePress(panel, button, {}, from);
        QTest::mouseMove(panel, to);
        QTest::mouseRelease(panel, button, {}, to);
    }
    void clickClose() {
        QLabel* close = panel->closePicture();
        QTest::mouseClick(close, Qt::LeftButton, {}, QPoint(8, 8));
    }
};

}  // namespace

TEST(FloatingPanel, HiddenUntilOpenedAtItsPosition) {
    PanelFixture f;
    EXPECT_TRUE(f.panel->isHidden());
    EXPECT_EQ(f.panel->parentWidget(), &f.area);
    f.panel->open();
    EXPECT_TRUE(f.panel->isVisible());
    EXPECT_EQ(f.panel->pos(), QPoint(224, 168));
    // On top of its siblings (the grid).
    EXPECT_EQ(f.area.children().last(), f.panel);
    EXPECT_EQ(f.panel->frameShape(), QFrame::Box);
    EXPECT_EQ(f.panel->frameShadow(), QFrame::Raised);
    EXPECT_EQ(f.panel->cursor().shape(), Qt::SizeAllCursor);
}

TEST(FloatingPanel, LeftButtonDragsOtherButtonsDoNot) {
    PanelFixture f;
    f.panel->open();
    f.drag(Qt::LeftButton, QPoint(20, 20), QPoint(70, 50));
    EXPECT_EQ(f.panel->pos(), QPoint(274, 198));
    f.drag(Qt::RightButton, QPoint(20, 20), QPoint(120, 20));
    EXPECT_EQ(f.panel->pos(), QPoint(274, 198));
    f.drag(Qt::MiddleButton, QPoint(20, 20), QPoint(120, 20));
    EXPECT_EQ(f.panel->pos(), QPoint(274, 198));
}

TEST(FloatingPanel, ClosePictureHidesAndReopeningPutsItBack) {
    PanelFixture f;
    f.panel->setClosePicturePosition(QPoint(279, 3));
    QSignalSpy closed(f.panel, &FloatingPanel::closeClicked);
    QLabel* close = f.panel->closePicture();
    EXPECT_EQ(close->geometry(), QRect(279, 3, 16, 16));
    EXPECT_EQ(close->toolTip(), u8("关闭"));
    EXPECT_EQ(close->cursor().shape(), Qt::PointingHandCursor);
    const QImage pic = close->pixmap().toImage();
    EXPECT_EQ(pic.size(), QSize(16, 16));
    EXPECT_EQ(pic.pixelColor(2, 8), QColor(Qt::white));
    EXPECT_GT(pic.pixelColor(8, 8).red(), 0xA0);
    EXPECT_LT(pic.pixelColor(8, 8).green(), 0x40);

    f.panel->open();
    auto* edit = f.panel->findChild<QLineEdit*>();
    edit->setText(QStringLiteral("12"));
    // Dragged partly over the area's edge, then closed.
    f.drag(Qt::LeftButton, QPoint(20, 20), QPoint(-250, 20));
    EXPECT_EQ(f.panel->pos(), QPoint(-46, 168));
    f.clickClose();
    EXPECT_TRUE(f.panel->isHidden());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(edit->text(), QStringLiteral("12"));  // fields keep their texts

    f.panel->open();
    EXPECT_EQ(f.panel->pos(), QPoint(224, 168));
    EXPECT_TRUE(f.panel->isVisible());
}

TEST(FloatingPanel, ClosePictureKeepsToTheTopRightUntilPlaced) {
    PanelFixture f;
    f.panel->open();
    EXPECT_EQ(f.panel->closePicture()->geometry(), QRect(300 - 20, 4, 16, 16));
    f.panel->resize(200, 100);
    EXPECT_EQ(f.panel->closePicture()->geometry(), QRect(200 - 20, 4, 16, 16));
}

TEST(FloatingPanel, TheGridBesideItStaysUsable) {
    ListFixture data;
    data.store.insertGoods(u8("A"), u8("a"), 1, 1);
    data.store.insertGoods(u8("B"), u8("b"), 1, 1);
    data.open();
    QWidget area;
    area.resize(976, 505);
    auto* grid = new listui::RecordGrid(*data.dataset, listui::purchaseColumns(), &area);
    grid->setGeometry(area.rect());
    auto* panel = new FloatingPanel(&area, QPoint(600, 300));
    panel->resize(200, 100);
    area.show();
    panel->open();
    QApplication::processEvents();
    const QPoint row1 = grid->visualRect(grid->model()->index(1, 1)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, row1);
    EXPECT_EQ(data.dataset->currentIndex(), 1);
    EXPECT_TRUE(panel->isVisible());
}
