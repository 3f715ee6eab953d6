#pragma once

#include <QColor>
#include <QFont>

// The ledger look shared by the grid, its headers and its footer.
namespace listui::look {

constexpr int kRowHeight = 18;       // data rows and the footer row
constexpr int kTitleRowHeight = 18;  // each of the two title rows
constexpr int kIndicatorWidth = 12;  // the indicator column at the left

// 13-pixel "宋体"; the application maps the name to an installed SimSun face.
inline QFont gridFont() {
    QFont f(QStringLiteral("宋体"));
    f.setPixelSize(13);
    return f;
}

inline QFont titleFont() {
    QFont f = gridFont();
    f.setBold(true);
    return f;
}

inline QColor face() {
    return QColor(0xF0, 0xF0, 0xF0);
}  // title and indicator cells
inline QColor line() {
    return QColor(0xA0, 0xA0, 0xA0);
}  // cell borders of the fixed parts
inline QColor oddRow() {
    return QColor(Qt::white);
}  // record numbers 1, 3, 5 ...
inline QColor evenRow() {
    return QColor(0xEE, 0xEE, 0xEE);
}  // record numbers 2, 4, 6 ...
inline QColor footerBack() {
    return QColor(0x00, 0xFF, 0xFF);
}  // aqua
inline QColor currentRow() {
    return QColor(0xCC, 0xE4, 0xF7);
}  // current but not selected

}  // namespace listui::look
