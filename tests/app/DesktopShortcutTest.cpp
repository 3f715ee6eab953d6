// The desktop launcher written at every start.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include "AppTestSupport.h"
#include "DesktopShortcut.h"
#include "MainUnit.h"
#include "TempStore.h"

namespace {

// A home folder of the test's own for the time of one test.
class Home {
public:
    Home() : m_previous(qgetenv("HOME")) { qputenv("HOME", m_dir.path().toUtf8()); }
    ~Home() { qputenv("HOME", m_previous); }
    QString path(const QString& relative = {}) const {
        return relative.isEmpty() ? m_dir.path() : m_dir.path() + u'/' + relative;
    }
    void write(const QString& relative, const QByteArray& bytes) const {
        QFileInfo info(path(relative));
        QDir().mkpath(info.absolutePath());
        QFile f(info.filePath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
};

QMap<QString, QString> readEntry(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QMap<QString, QString> keys;
    const QStringList lines = QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
    if (lines.value(0) != "[Desktop Entry]") return {};
    for (const QString& line : lines.mid(1)) {
        const int eq = line.indexOf(u'=');
        if (eq > 0) keys.insert(line.left(eq), line.mid(eq + 1));
    }
    return keys;
}

const QString kLauncher = QStringLiteral("岚桐进销存管理软件（旗舰版）.desktop");

}  // namespace

TEST(DesktopShortcut, StartingWritesTheLauncherOverAnOldOne) {
    Home home;
    home.write("Desktop/" + kLauncher, "[Desktop Entry]\nExec=/old/program\n");
    TempStore store;
    TMainForm main;  // its creation writes the launcher

    const QString file = home.path("Desktop/" + kLauncher);
    const auto entry = readEntry(file);
    const QString exe = QCoreApplication::applicationFilePath();
    EXPECT_EQ(entry.value("Type"), "Application");
    EXPECT_EQ(entry.value("Name"), "岚桐进销存管理软件（旗舰版）");
    EXPECT_EQ(entry.value("Exec"), '"' + exe + '"');
    EXPECT_EQ(entry.value("Path"), QFileInfo(exe).absolutePath());
    EXPECT_TRUE(QFileInfo(file).isExecutable());
    const QString icon = entry.value("Icon");
    EXPECT_TRUE(icon.startsWith(home.path())) << icon.toStdString();
    EXPECT_EQ(QImage(icon).size(), QSize(128, 128));
}

TEST(DesktopShortcut, GoesToTheDesktopFolderTheUserNamed) {
    Home home;
    QDir().mkpath(home.path("桌面"));
    home.write(".config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/桌面\"\n");
    app::writeDesktopShortcut();
    EXPECT_TRUE(QFile::exists(home.path("桌面/" + kLauncher)));
}

TEST(DesktopShortcut, WithoutADesktopFolderNothingIsWrittenAndNothingSaid) {
    Home home;
    MessageLog messages;
    app::writeDesktopShortcut();
    home.write("Desktop", "a file where the folder should be");
    app::writeDesktopShortcut();
    EXPECT_FALSE(QFile::exists(home.path("Desktop/" + kLauncher)));
    EXPECT_TRUE(messages.requests.isEmpty());
}

TEST(DesktopShortcut, TheExecutablePathIsQuotedAsOneArgument) {
    // As the file holds them: the quoting rule's backslashes are doubled again
    // by the string escapes, and "%" is doubled.
    const struct {
        const char* path;
        const char* exec;
    } cases[] = {
        {"/opt/lantong/lantong", R"("/opt/lantong/lantong")"},
        {"/home/王 五/岚桐/lantong", R"("/home/王 五/岚桐/lantong")"},
        {"/tmp/a$b/lantong", R"("/tmp/a\\$b/lantong")"},
        {"/tmp/a\"b`c/lantong", R"("/tmp/a\\"b\\`c/lantong")"},
        {"/tmp/a\\b/lantong", R"("/tmp/a\\\\b/lantong")"},
        {"/tmp/100%/lantong", R"("/tmp/100%%/lantong")"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(app::desktopExecArgument(QString::fromUtf8(c.path)), QString::fromUtf8(c.exec))
            << c.path;
}
