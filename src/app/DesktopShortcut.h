#pragma once

#include <QString>

// The desktop launcher, rewritten at every start: it starts this executable
// with the executable's folder as working directory, so that the program
// finds the data.mdb that lies beside it.
namespace app {

// "岚桐进销存管理软件（旗舰版）.desktop"
QString desktopShortcutName();

// Writes the launcher into the user's desktop folder, replacing one of the
// same name, and its icon into the user's icon folder. Nothing is reported:
// a missing or unwritable desktop leaves no launcher.
void writeDesktopShortcut();

// The launcher's text for an executable and an icon file.
QString desktopEntry(const QString& executable, const QString& iconFile);
// An executable path as one quoted argument of an Exec line.
QString desktopExecArgument(const QString& path);

}  // namespace app
