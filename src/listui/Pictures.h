#pragma once

#include <QIcon>
#include <QPixmap>

class QPainter;

namespace listui {

// The program's own artwork, drawn in code so there are no image files to
// ship or lose: the list windows' background, the toolbar pictures, the
// window icon and the logo.
namespace Pictures {

enum class Tool { Add, Modify, Delete, Search, Refresh, Print, Export, Sell, Details, Close };

// The background of a list window's 1000 × 603 client area: a light yellow
// band behind the toolbar, an orange frame around the white list area and an
// orange band along the bottom.
void paintBackground(QPainter& painter);
QPixmap background();

// A toolbar picture, 22 × 22.
QPixmap tool(Tool kind);
// The window icon at the usual sizes, and one size of it as a picture.
QIcon windowIcon();
QPixmap iconPixmap(int size);
// The logo at the top right of the main window, 99 × 27.
QPixmap logo();
// The small close mark of floating panels, 16 × 16.
QPixmap closeMark();

}  // namespace Pictures
}  // namespace listui
