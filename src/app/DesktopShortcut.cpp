#include "DesktopShortcut.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "Pictures.h"

namespace app {
namespace {

const QString kName = QStringLiteral("岚桐进销存管理软件（旗舰版）");

// The escapes of a string value in a desktop entry.
QString stringValue(QString s) {
    s.replace(u'\\', QStringLiteral("\\\\"));
    s.replace(u'\n', QStringLiteral("\\n"));
    s.replace(u'\t', QStringLiteral("\\t"));
    s.replace(u'\r', QStringLiteral("\\r"));
    return s;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return false;
    f.write(bytes);
    return f.commit();
}

}  // namespace

QString desktopShortcutName() {
    return kName + QStringLiteral(".desktop");
}

QString desktopExecArgument(const QString& path) {
    QString quoted;
    for (QChar c : path) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') quoted += u'\\';
        quoted += c;
    }
    // The quoting is read after the string escapes, and "%" starts a field code.
    return stringValue(u'"' + quoted + u'"').replace(u'%', QStringLiteral("%%"));
}

QString desktopEntry(const QString& executable, const QString& iconFile) {
    const QString folder = QFileInfo(executable).absolutePath();
    return QStringLiteral(
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Version=1.0\n"
               "Name=%1\n"
               "Exec=%2\n"
               "Path=%3\n"
               "Icon=%4\n"
               "Terminal=false\n")
        .arg(stringValue(kName), desktopExecArgument(executable), stringValue(folder),
             stringValue(iconFile));
}

void writeDesktopShortcut() {
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (desktop.isEmpty() || !QFileInfo(desktop).isDir()) return;

    const QString iconDir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                            QStringLiteral("/icons");
    const QString iconFile = iconDir + QStringLiteral("/lantong.png");
    if (QDir().mkpath(iconDir)) listui::Pictures::iconPixmap(128).save(iconFile, "PNG");

    const QString path = desktop + u'/' + desktopShortcutName();
    const QString text = desktopEntry(QCoreApplication::applicationFilePath(), iconFile);
    // Desktops start only launchers marked executable.
    if (writeFile(path, text.toUtf8()))
        QFile::setPermissions(
            path, QFile::permissions(path) | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
}

}  // namespace app
