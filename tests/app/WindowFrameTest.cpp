// The frames of the list windows: size, toolbar, menus, list area, links.
#include <gtest/gtest.h>

#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QUrl>

#include "AppTestSupport.h"
#include "JbzlUnit.h"
#include "ListFrame.h"
#include "MainUnit.h"
#include "TempStore.h"
#include "XsmxUnit.h"
#include "XsxxUnit.h"

namespace {

struct Expected {
    QWidget* window;
    const char* caption;
    int firstLeft;
    QStringList toolbar;
    QStringList popup;  // "-" for a separator
    QString hint;
};

QStringList popupCaptions(QWidget* window) {
    QStringList out;
    auto* menu = window->findChild<QMenu*>(QStringLiteral("PopupMenu1"));
    if (!menu) return out;
    for (QAction* a : menu->actions()) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

}  // namespace

TEST(WindowFrame, TheThreeListWindowsShareTheFrame) {
    TempStore store;
    MessageLog messages;
    TMainForm main;
    TXsxxForm sales;
    TXsmxForm details;
    const Expected windows[] = {
        {&main,
         "岚桐进销存管理软件 V2.2（旗舰版）",
         24,
         {"添加信息", "修改信息", "删除信息", "查询信息", "刷新信息", "进货打印", "数据导出"},
         {"添加信息", "修改信息", "删除信息", "-", "查询信息", "刷新信息", "-", "进货打印",
          "数据导出"},
         "双击可以修改信息"},
        {&sales,
         "销售信息",
         8,
         {"销售商品", "销售明细", "查询信息", "刷新信息", "销售打印", "数据导出", "关闭窗口"},
         {"销售商品", "销售明细", "-", "查询信息", "刷新信息", "-", "打印报表", "数据导出", "-",
          "关闭窗体"},
         "双击可以销售商品"},
        {&details,
         "销售明细",
         8,
         {"修改信息", "删除信息", "查询信息", "刷新信息", "明细打印", "数据导出", "关闭窗口"},
         {"修改信息", "删除信息", "-", "查询信息", "刷新信息", "-", "明细打印", "数据导出", "-",
          "关闭窗口"},
         ""},
    };
    for (const Expected& e : windows) {
        SCOPED_TRACE(e.caption);
        e.window->show();
        EXPECT_EQ(e.window->windowTitle(), QString::fromUtf8(e.caption));
        // Fixed size.
        EXPECT_EQ(e.window->minimumSize(), e.window->maximumSize());
        auto* frame = e.window->findChild<listui::ListFrame*>();
        ASSERT_TRUE(frame);
        EXPECT_EQ(frame->size(), QSize(1000, 603));
        EXPECT_EQ(frame->mapTo(e.window, QPoint(0, 0)).x(), 0);
        for (int i = 0; i < 7; ++i) {
            QToolButton* b = frame->speedButton(i + 1);
            ASSERT_TRUE(b);
            EXPECT_EQ(b->text(), e.toolbar[i]);
            EXPECT_EQ(b->geometry(), QRect(e.firstLeft + 112 * i, 7, 105, 33));
            EXPECT_TRUE(b->autoRaise());
            EXPECT_EQ(b->cursor().shape(), Qt::PointingHandCursor);
            EXPECT_TRUE(b->font().bold());
            EXPECT_EQ(b->font().pixelSize(), 15);
        }
        EXPECT_EQ(popupCaptions(e.window), e.popup);
        EXPECT_EQ(frame->listArea()->geometry(), QRect(12, 60, 976, 505));
        auto* grid = e.window->findChild<QTableView*>(QStringLiteral("DBGridEh1"));
        ASSERT_TRUE(grid);
        EXPECT_EQ(grid->geometry(), QRect(0, 0, 976, 505));
        EXPECT_EQ(grid->toolTip(), e.hint);
        EXPECT_EQ(grid->contextMenuPolicy(), Qt::CustomContextMenu);
        e.window->hide();
    }
    // The sales windows: a close box only, and the way out at the top right.
    for (QWidget* w : {static_cast<QWidget*>(&sales), static_cast<QWidget*>(&details)}) {
        EXPECT_FALSE(w->windowFlags() & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(w->windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_TRUE(w->windowFlags() & Qt::WindowCloseButtonHint);
        auto* quit = w->findChild<QLabel*>(QStringLiteral("Label1"));
        ASSERT_TRUE(quit);
        EXPECT_EQ(quit->text(), "【退出软件】");
        EXPECT_EQ(quit->pos(), QPoint(888, 16));
        EXPECT_EQ(quit->cursor().shape(), Qt::PointingHandCursor);
    }
    EXPECT_TRUE(messages.requests.isEmpty());
}

TEST(WindowFrame, TheMainWindowHasItsMenuBarAboveTheClientArea) {
    TempStore store;
    TMainForm main;
    main.show();
    EXPECT_TRUE(main.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(main.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(main.windowIcon().isNull());

    QMenuBar* bar = main.menuBar();
    EXPECT_FALSE(bar->isNativeMenuBar());
    QStringList captions;
    for (QAction* a : bar->actions()) {
        captions << a->text();
        EXPECT_FALSE(a->menu()) << "no submenus";
        EXPECT_TRUE(a->shortcut().isEmpty());
        EXPECT_FALSE(a->text().contains(u'&'));
    }
    EXPECT_EQ(captions, QStringList({"【基本资料】", "【销售信息】", "【数据备份】", "【数据恢复】",
                                     "【技术支持】", "【常见问题】", "【退出软件】"}));
    // tests/xvfb/run-xvfb-test.sh clicks 【销售信息】 here.
    EXPECT_TRUE(bar->actionGeometry(main.N5).contains(QPoint(138, 9)))
        << bar->actionGeometry(main.N5).x() << "," << bar->actionGeometry(main.N5).width();
    EXPECT_EQ(main.centralWidget()->geometry(), QRect(0, bar->height(), 1000, 603));
    EXPECT_EQ(main.size(), QSize(1000, 603 + bar->height()));

    auto* logo = main.findChild<QLabel*>(QStringLiteral("Image1"));
    ASSERT_TRUE(logo);
    EXPECT_EQ(logo->geometry(), QRect(888, 10, 99, 27));
    EXPECT_EQ(logo->cursor().shape(), Qt::PointingHandCursor);
    int left[] = {472, 624, 800};
    for (int i = 0; i < 3; ++i) {
        auto* label = main.findChild<QLabel*>(QStringLiteral("Label%1").arg(i + 1));
        ASSERT_TRUE(label);
        EXPECT_EQ(label->pos(), QPoint(left[i], 576));
        EXPECT_EQ(label->font().pixelSize(), 13);
        EXPECT_FALSE(label->autoFillBackground());
        EXPECT_LE(label->geometry().right(), 999) << label->text().toStdString();
    }
}

TEST(WindowFrame, SupportLinksOpenTheMakersPages) {
    TempStore store;
    TMainForm main;
    main.show();
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler("https", &recorder, "open");
    main.N15->trigger();  // 【技术支持】
    main.N16->trigger();  // 【常见问题】
    QTest::mouseClick(main.Image1, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler("https");
    const QString site = TMainForm::webSite();
    EXPECT_EQ(recorder.urls, QList<QUrl>({QUrl(site), QUrl(site + "/qjques.htm"), QUrl(site)}));
    EXPECT_TRUE(main.isVisible());
}

TEST(WindowFrame, TheCompanyWindowIsAFixedDialogWithSixFields) {
    TempStore store;
    TJbzlForm company;
    EXPECT_EQ(company.windowTitle(), "基本资料");
    EXPECT_EQ(company.size(), QSize(428, 187));
    EXPECT_EQ(company.minimumSize(), company.maximumSize());
    EXPECT_FALSE(company.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(company.windowFlags() & Qt::WindowMaximizeButtonHint);
    struct {
        QLineEdit* edit;
        QRect geometry;
        bool readOnly;
    } fields[] = {
        {company.Edit1, {80, 39 + 16, 321, 21}, true},
        {company.Edit2, {80, 39 + 40, 321, 21}, false},
        {company.Edit3, {80, 39 + 64, 121, 21}, false},
        {company.Edit4, {280, 39 + 64, 121, 21}, false},
        {company.Edit5, {80, 39 + 88, 321, 21}, true},
        {company.Edit6, {80, 39 + 112, 321, 21}, false},
    };
    for (const auto& f : fields) {
        SCOPED_TRACE(f.edit->objectName().toStdString());
        EXPECT_EQ(QRect(f.edit->mapTo(&company, QPoint(0, 0)), f.edit->size()), f.geometry);
        EXPECT_EQ(f.edit->isReadOnly(), f.readOnly);
    }
    EXPECT_EQ(company.Button1->text(), "保存");
    EXPECT_EQ(company.Button2->text(), "取消");
    EXPECT_EQ(company.Button1->geometry(), QRect(264, 8, 57, 22));
    EXPECT_EQ(company.Button2->geometry(), QRect(336, 8, 57, 22));
    company.show();
    company.Button2->click();
    EXPECT_FALSE(company.isVisible());
}

#include "WindowFrameTest.moc"
