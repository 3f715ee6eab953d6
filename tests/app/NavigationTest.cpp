// Moving between the main window, the sales window and the sales details
// window, and ending the program from each.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include "AppTestSupport.h"
#include "Application.h"
#include "MainUnit.h"
#include "TempStore.h"
#include "XsmxUnit.h"
#include "XsxxUnit.h"

namespace {

// Counts how often a window is shown.
class ShowCounter : public QObject {
public:
    explicit ShowCounter(QWidget* w) { w->installEventFilter(this); }
    int shows = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Show) ++shows;
        return false;
    }
};

}  // namespace

TEST(Navigation, SalesAndDetailsReplaceEachOtherAndQuitEndsTheProgramFromDetails) {
    TempStore store;
    MessageLog messages;
    app::Application program;
    auto main = [&] { return program.mainForm(); };
    auto sales = [&] { return program.xsxxForm(); };
    auto details = [&] { return program.xsmxForm(); };
    std::unique_ptr<ShowCounter> mainShows, salesShows;

    UiScript user;
    user.step(
            "main", [&] { return activeAndVisible(main()); },
            [&] { main()->N5->trigger(); })  // 【销售信息】
        .step(
            "sales", [&] { return activeAndVisible(sales()); },
            [&] {
                EXPECT_FALSE(main()->isVisible());
                EXPECT_TRUE(sales()->isModal());
                sales()->SpeedButton2->click();  // 销售明细
            })
        .step(
            "details", [&] { return activeAndVisible(details()); },
            [&] {
                EXPECT_FALSE(main()->isVisible());
                EXPECT_FALSE(sales()->isVisible());
                details()->SpeedButton7->click();  // 关闭窗口
            })
        .step(
            "sales again", [&] { return activeAndVisible(sales()) && !details()->isVisible(); },
            [&] {
                EXPECT_FALSE(main()->isVisible());
                sales()->SpeedButton7->click();  // 关闭窗口
            })
        .step(
            "main again", [&] { return activeAndVisible(main()) && !sales()->isVisible(); },
            [&] { main()->N5->trigger(); })
        .step(
            "sales once more", [&] { return activeAndVisible(sales()); },
            [&] { sales()->N2->trigger(); })  // the menu's 销售明细
        .step(
            "details once more", [&] { return activeAndVisible(details()); },
            [&] {
                mainShows = std::make_unique<ShowCounter>(main());
                salesShows = std::make_unique<ShowCounter>(sales());
                QTest::mouseClick(details()->Label1, Qt::LeftButton);  // 【退出软件】
            });
    user.start();

    EXPECT_EQ(program.exec(), 0);
    EXPECT_TRUE(user.done());
    ASSERT_TRUE(mainShows && salesShows);
    EXPECT_EQ(mainShows->shows, 0);
    EXPECT_EQ(salesShows->shows, 0);
    EXPECT_FALSE(main()->isVisible());
    EXPECT_TRUE(messages.requests.isEmpty());
}

TEST(Navigation, EveryWayOfLeavingAWindowReturnsToTheOneBefore) {
    TempStore store;
    MessageLog messages;
    app::Application program;
    auto main = [&] { return program.mainForm(); };
    auto sales = [&] { return program.xsxxForm(); };
    auto details = [&] { return program.xsmxForm(); };

    struct Way {
        const char* name;
        std::function<void()> leaveDetails;
        std::function<void()> leaveSales;
    };
    const Way ways[] = {
        {"toolbar", [&] { details()->SpeedButton7->click(); },
         [&] { sales()->SpeedButton7->click(); }},
        {"context menu", [&] { details()->N10->trigger(); }, [&] { sales()->N10->trigger(); }},
        {"close box", [&] { details()->close(); }, [&] { sales()->close(); }},
    };

    UiScript user;
    for (const Way& way : ways) {
        const QString name = QString::fromUtf8(way.name);
        user.step(
                name + ": main", [&] { return activeAndVisible(main()); },
                [&] { main()->N5->trigger(); })
            .step(
                name + ": sales", [&] { return activeAndVisible(sales()); },
                [&] { sales()->SpeedButton2->click(); })
            .step(
                name + ": details", [&] { return activeAndVisible(details()); }, way.leaveDetails)
            .step(
                name + ": back in sales",
                [&] { return activeAndVisible(sales()) && !details()->isVisible(); },
                way.leaveSales)
            .step(
                name + ": back in main",
                [&] { return activeAndVisible(main()) && !sales()->isVisible(); }, [] {});
    }
    user.then("quit from the menu", [&] { main()->N17->trigger(); });  // 【退出软件】
    user.start();

    EXPECT_EQ(program.exec(), 0);
    EXPECT_TRUE(user.done());
    EXPECT_TRUE(messages.requests.isEmpty());
}

TEST(Navigation, QuitInTheSalesWindowEndsTheProgramWithoutShowingTheMainWindow) {
    TempStore store;
    MessageLog messages;
    app::Application program;
    std::unique_ptr<ShowCounter> mainShows;
    UiScript user;
    user.step(
            "main", [&] { return activeAndVisible(program.mainForm()); },
            [&] { program.mainForm()->N5->trigger(); })
        .step(
            "sales", [&] { return activeAndVisible(program.xsxxForm()); },
            [&] {
                mainShows = std::make_unique<ShowCounter>(program.mainForm());
                QTest::mouseClick(program.xsxxForm()->Label1, Qt::LeftButton);
            });
    user.start();
    EXPECT_EQ(program.exec(), 0);
    EXPECT_TRUE(user.done());
    ASSERT_TRUE(mainShows);
    EXPECT_EQ(mainShows->shows, 0);
}

TEST(Navigation, EscapeDoesNotLeaveTheSalesWindow) {
    TempStore store;
    MessageLog messages;
    app::Application program;
    UiScript user;
    user.step(
            "main", [&] { return activeAndVisible(program.mainForm()); },
            [&] { program.mainForm()->N5->trigger(); })
        .step(
            "sales", [&] { return activeAndVisible(program.xsxxForm()); },
            [&] { QTest::keyClick(program.xsxxForm(), Qt::Key_Escape); })
        .then("still in sales", [&] {
            EXPECT_TRUE(program.xsxxForm()->isVisible());
            EXPECT_FALSE(program.mainForm()->isVisible());
            program.mainForm()->close();  // the main window's close box
        });
    user.start();
    EXPECT_EQ(program.exec(), 0);
    EXPECT_TRUE(user.done());
}
