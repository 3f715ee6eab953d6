// A list window reloads when it becomes active coming from another window of
// the program, and not when it comes back from a message box or another
// application.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>

#include "ActivationTracker.h"
#include "AppTestSupport.h"
#include "Application.h"
#include "JbzlUnit.h"
#include "MainUnit.h"
#include "Messages.h"
#include "TempStore.h"
#include "XsmxUnit.h"
#include "XsxxUnit.h"

namespace {

qint64 addGoods(TempStore& store, const QString& code) {
    return store.insertGoods(code, QStringLiteral("商品") + code, 1, 1);
}

qint64 addSale(TempStore& store, const QString& code) {
    return store.insert(QStringLiteral("表3"), {{QStringLiteral("商品编码"), code}});
}

}  // namespace

TEST(Activation, ListsReloadWhenReturningFromAnotherWindowOfTheProgram) {
    TempStore store;
    MessageLog messages;
    app::Application program;
    auto main = [&] { return program.mainForm(); };
    auto sales = [&] { return program.xsxxForm(); };
    auto details = [&] { return program.xsmxForm(); };

    UiScript user;
    user.step(
            "main", [&] { return activeAndVisible(main()); },
            [&] {
                EXPECT_EQ(gridRows(main()), 0);
                addGoods(store, "A");
                main()->N4->trigger();  // 【基本资料】, modal
            })
        .step(
            "company window", [&] { return activeAndVisible(program.jbzlForm()); },
            [&] { program.jbzlForm()->Button2->click(); })  // 取消
        .step(
            "main after the company window", [&] { return activeAndVisible(main()); },
            [&] {
                EXPECT_EQ(gridRows(main()), 1);
                addGoods(store, "B");
                main()->N5->trigger();
            })
        .step(
            "sales", [&] { return activeAndVisible(sales()); },
            [&] {
                EXPECT_EQ(gridRows(sales()), 2);
                EXPECT_TRUE(sales()->ADOQuery3.isOpen());  // 表5 with the others
                addSale(store, "A");
                addGoods(store, "C");
                sales()->SpeedButton2->click();
            })
        .step(
            "details", [&] { return activeAndVisible(details()); },
            [&] {
                EXPECT_EQ(gridRows(details()), 1);
                addSale(store, "B");
                addGoods(store, "D");
                details()->SpeedButton7->click();
            })
        .step(
            "sales after details", [&] { return activeAndVisible(sales()); },
            [&] {
                EXPECT_EQ(gridRows(sales()), 4);
                // The sales dataset was reopened as the append target, not loaded.
                EXPECT_TRUE(sales()->ADOQuery2.isOpen());
                EXPECT_EQ(sales()->ADOQuery2.statement(),
                          store::Statement::emptyOf(QStringLiteral("表3")));
                addGoods(store, "E");
                sales()->SpeedButton7->click();
            })
        .step(
            "main after sales", [&] { return activeAndVisible(main()); },
            [&] {
                EXPECT_EQ(gridRows(main()), 5);
                main()->close();
            });
    user.start();
    EXPECT_EQ(program.exec(), 0);
    EXPECT_TRUE(user.done());
    EXPECT_TRUE(messages.requests.isEmpty());
}

TEST(Activation, AMessageBoxOrAnotherApplicationReloadsNothing) {
    TempStore store;
    app::Application program;
    auto main = [&] { return program.mainForm(); };
    QMessageBox* box = nullptr;

    UiScript user;
    user.step(
            "main", [&] { return activeAndVisible(main()); },
            [&] {
                EXPECT_EQ(gridRows(main()), 0);
                addGoods(store, "A");
                // A real box: the window system moves the focus to it and back.
                listui::Messages::show(main(), QStringLiteral("你好"));
            })
        .step(
            "the box",
            [&] {
                box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                return box && activeAndVisible(box);
            },
            [&] {
                EXPECT_EQ(box->text(), "你好");
                box->buttons().front()->click();
            })
        .step(
            "box gone", [&] { return !QApplication::activeModalWidget(); },
            [&] { main()->activateWindow(); })
        .step(
            "main after the box", [&] { return activeAndVisible(main()); },
            [&] {
                EXPECT_EQ(gridRows(main()), 0);
                // Off to another application and back.
                QApplication::setActiveWindow(nullptr);
            })
        .step(
            "another application", [&] { return QApplication::activeWindow() == nullptr; },
            [&] { QApplication::setActiveWindow(main()); })
        .step(
            "main after the other application", [&] { return activeAndVisible(main()); },
            [&] {
                EXPECT_EQ(gridRows(main()), 0);
                main()->SpeedButton5->click();  // 刷新信息
                EXPECT_EQ(gridRows(main()), 1);
                main()->close();
            });
    user.start();
    EXPECT_EQ(program.exec(), 0);
    EXPECT_TRUE(user.done());
}

TEST(Activation, AClosedProgramWindowCountsAsAnotherWindow) {
    TempStore store;
    MessageLog messages;
    app::Application program;
    auto main = [&] { return program.mainForm(); };
    std::unique_ptr<QWidget> preview;

    UiScript user;
    user.step(
            "main", [&] { return activeAndVisible(main()); },
            [&] {
                addGoods(store, "A");
                // Stands for a print preview, which registers itself.
                preview = std::make_unique<QWidget>();
                listui::ActivationTracker::instance().registerWindow(preview.get());
                preview->show();
                preview->activateWindow();
            })
        .step(
            "preview", [&] { return activeAndVisible(preview.get()); },
            [&] {
                preview.reset();
                main()->activateWindow();
            })
        .step(
            "main after the preview", [&] { return activeAndVisible(main()); },
            [&] {
                EXPECT_EQ(gridRows(main()), 1);
                main()->close();
            });
    user.start();
    EXPECT_EQ(program.exec(), 0);
    EXPECT_TRUE(user.done());
}

namespace {

template <class Form>
class CountingPanels : public Form {
public:
    int hidden = 0;

protected:
    void hidePanels() override { ++hidden; }
};

template <class Form>
void checkFailedReload() {
    TempStore store;
    MessageLog messages;
    CountingPanels<Form> form;
    form.FormActivate();
    EXPECT_EQ(form.hidden, 1);
    ASSERT_TRUE(messages.requests.isEmpty());

    ASSERT_TRUE(QFile::rename(store.dbPath(), store.dbPath() + ".away"));
    form.FormActivate();
    EXPECT_EQ(form.hidden, 1);  // the error ends the handler
    ASSERT_EQ(messages.requests.size(), 1);
    EXPECT_EQ(messages.requests[0].title, "提示");
    EXPECT_EQ(messages.requests[0].icon, listui::Messages::Icon::Critical);
    EXPECT_TRUE(messages.requests[0].text.contains("data.mdb"));
    EXPECT_EQ(gridRows(&form), 0);

    ASSERT_TRUE(QFile::rename(store.dbPath() + ".away", store.dbPath()));
    addGoods(store, "A");
    addSale(store, "A");
    form.FormActivate();
    EXPECT_EQ(form.hidden, 2);
    EXPECT_EQ(gridRows(&form), 1);
}

}  // namespace

TEST(Activation, BecomingActiveHidesThePanelsUnlessTheReloadFails) {
    {
        SCOPED_TRACE("sales window");
        checkFailedReload<TXsxxForm>();
    }
    {
        SCOPED_TRACE("sales details window");
        checkFailedReload<TXsmxForm>();
    }
}
