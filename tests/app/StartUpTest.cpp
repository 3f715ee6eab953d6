// Start-up: the windows, their order, their data, and a start that fails.
#include <gtest/gtest.h>
#include <sqlcipher/sqlite3.h>

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QLineEdit>
#include <QProcess>
#include <QStyle>
#include <QTemporaryDir>

#include "AppTestSupport.h"
#include "Application.h"
#include "Dy1Unit.h"
#include "Dy2Unit.h"
#include "DyUnit.h"
#include "JbzlUnit.h"
#include "MainUnit.h"
#include "TempStore.h"
#include "XsmxUnit.h"
#include "XsxxUnit.h"

namespace {

bool anyWindowVisible() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) return true;
    return false;
}

void writeWrongKeyDatabase(const QString& path) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "PRAGMA key = 'not-the-password'; create table 表1(x);", nullptr,
                           nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
}

struct FailedStart {
    const char* name;
    std::function<void(const QString& dir)> prepare;
    const char* engineMessage;
};

}  // namespace

TEST(StartUp, ABadDatabaseEndsTheProgramWithTheApplicationErrorBox) {
    const FailedStart cases[] = {
        {"no data.mdb", [](const QString&) {}, "unable to open database file"},
        {"not a database",
         [](const QString& dir) {
             QFile f(dir + "/data.mdb");
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
             f.write(QByteArray(8192, 'x'));
         },
         "file is encrypted or is not a database"},
        {"another password", [](const QString& dir) { writeWrongKeyDatabase(dir + "/data.mdb"); },
         "file is encrypted or is not a database"},
    };
    for (const FailedStart& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        c.prepare(dir.path());
        WorkingDirectory cwd(dir.path());
        MessageLog messages;

        app::Application program;
        EXPECT_EQ(program.exec(), 1);

        ASSERT_EQ(messages.requests.size(), 1);
        const auto& box = messages.requests.front();
        EXPECT_EQ(box.title, "Application Error");
        EXPECT_EQ(box.icon, listui::Messages::Icon::Critical);
        EXPECT_EQ(box.buttons, listui::Messages::Buttons::Ok);
        EXPECT_TRUE(box.text.contains("data.mdb")) << box.text.toStdString();
        EXPECT_TRUE(box.text.contains(c.engineMessage)) << box.text.toStdString();
        EXPECT_TRUE(program.windows().isEmpty());
        EXPECT_FALSE(anyWindowVisible());
    }
}

TEST(StartUp, AMissingTableOfTheStartStatementsEndsTheProgram) {
    TempStore store;
    store.exec("drop table 表4");
    MessageLog messages;
    app::Application program;
    EXPECT_EQ(program.exec(), 1);
    ASSERT_EQ(messages.requests.size(), 1);
    EXPECT_EQ(messages.requests.front().title, "Application Error");
    EXPECT_TRUE(messages.requests.front().text.contains("表4"))
        << messages.requests.front().text.toStdString();
    EXPECT_FALSE(anyWindowVisible());
}

TEST(StartUp, CreatesTheSevenWindowsInOrderWithTheirDataBeforeShowingTheMainWindow) {
    TempStore store;
    store.insertGoods("A1", "铅笔", 2, 10);
    store.insert("表2", {{"公司名称", "岚桐商行"},
                         {"公司地址", "杭州市"},
                         {"联系人", "张三"},
                         {"联系电话", "123"},
                         {"网址", "www.x.cn"},
                         {"备注", "无"}});
    store.insert("表3", {{"商品编码", "A1"}, {"客户姓名", "李四"}});
    MessageLog messages;

    app::Application program;
    QStringList order;
    program.setCreationHook([&](QWidget* w) {
        order << w->metaObject()->className();
        EXPECT_FALSE(anyWindowVisible()) << "shown while creating " << order.back().toStdString();
    });

    bool mainShown = false;
    UiScript user;
    user.step(
        "main window active", [&] { return activeAndVisible(program.mainForm()); },
        [&] {
            mainShown = true;
            TMainForm* main = program.mainForm();
            EXPECT_EQ(gridRows(main), 1);
            EXPECT_TRUE(main->ADOQuery2.isOpen());
            // The sales window's staging list waits for its first activation.
            EXPECT_TRUE(program.xsxxForm()->ADOQuery1.isOpen());
            EXPECT_TRUE(program.xsxxForm()->ADOQuery2.isOpen());
            EXPECT_FALSE(program.xsxxForm()->ADOQuery3.isOpen());
            EXPECT_EQ(gridRows(program.xsxxForm()), 1);
            EXPECT_EQ(gridRows(program.xsmxForm()), 1);
            // The company window loaded its record at creation.
            TJbzlForm* company = program.jbzlForm();
            EXPECT_EQ(company->Edit1->text(), "岚桐商行");
            EXPECT_EQ(company->Edit2->text(), "杭州市");
            EXPECT_EQ(company->Edit3->text(), "张三");
            EXPECT_EQ(company->Edit4->text(), "123");
            EXPECT_EQ(company->Edit5->text(), "www.x.cn");
            EXPECT_EQ(company->Edit6->text(), "无");
            EXPECT_TRUE(company->Edit1->isReadOnly());
            EXPECT_TRUE(company->Edit5->isReadOnly());
            // The report holders are connected but never shown.
            for (ReportHolder* holder : std::initializer_list<ReportHolder*>{
                     program.dyForm(), program.dy1Form(), program.dy2Form()}) {
                EXPECT_TRUE(holder->ADODataSet1.isOpen());
                EXPECT_TRUE(holder->ADOConnection1.isOpen());
                EXPECT_FALSE(holder->isVisible());
                EXPECT_EQ(holder->windowTitle(), "打印预览");
            }
            EXPECT_EQ(program.dy2Form()->ADODataSet1.rowCount(), 1);
            main->close();
        });
    user.start();
    EXPECT_EQ(program.exec(), 0);
    EXPECT_TRUE(mainShown);
    EXPECT_EQ(order, QStringList({"TMainForm", "TXsxxForm", "TDy1Form", "TJbzlForm", "TDyForm",
                                  "TXsmxForm", "TDy2Form"}));
    EXPECT_TRUE(messages.requests.isEmpty());
}

TEST(StartUp, AnEmptyCompanyTableLeavesTheCompanyFieldsEmpty) {
    TempStore store;
    TJbzlForm company;
    for (QLineEdit* e :
         {company.Edit1, company.Edit2, company.Edit3, company.Edit4, company.Edit5, company.Edit6})
        EXPECT_TRUE(e->text().isEmpty());
}

TEST(StartUp, WithoutADisplayTheProgramSaysHowToRunItUnderXvfb) {
    const QString bin = qEnvironmentVariable("LANTONG_BIN");
    if (bin.isEmpty()) GTEST_SKIP() << "LANTONG_BIN is not set";
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
    program.setProcessEnvironment(env);
    program.start(bin + "/lantong", {});
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 1);
    const QString text = QString::fromUtf8(program.readAllStandardError());
    EXPECT_TRUE(text.contains("xvfb-run -a ./run")) << text.toStdString();
    EXPECT_TRUE(text.contains("xvfb-run -a build/bin/lantong")) << text.toStdString();
    EXPECT_TRUE(text.contains("图形显示")) << text.toStdString();
}

TEST(StartUp, TheApplicationSpeaksChineseInFusionWithSimSunAsUMing) {
    // The test environment ran app::initialise already.
    EXPECT_EQ(QApplication::style()->name(), "fusion");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "取消");
    for (const char* family : {"宋体", "SimSun"}) {
        QFont f(QString::fromUtf8(family));
        f.setPixelSize(13);
        EXPECT_TRUE(QFontInfo(f).family().startsWith("AR PL UMing"))
            << family << " -> " << QFontInfo(f).family().toStdString();
    }
}
