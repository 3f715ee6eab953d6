#pragma once

#include <QList>
#include <QString>

#include "Dataset.h"

class QWidget;

namespace listui {

class RecordGrid;

// Second lines of the delete hint: the toolbar's and most menus' ...
inline const QString kDeleteHintInfo =
    QStringLiteral("也可以用Ctrl及Shift来进行多选，然后再删除信息。");
// ... and the main window's context menu item's.
inline const QString kDeleteHintRecord =
    QStringLiteral("也可以用Ctrl及Shift来进行多选，然后再删除记录。");

// "删除信息": with nothing selected, shows the hint (an information box
// whose first line asks to click the numbers at the left, then
// `hintSecondLine`) and deletes nothing. Otherwise asks "确定要删除选中的记录？"
// (OK/Cancel, warning) and on OK deletes the selected rows, last to first,
// with the grid's drawing suspended. No reload, no further message. A row
// the file refuses throws store::Error (run it inside listui::guard).
void deleteSelectedRecords(RecordGrid& grid, const QString& hintSecondLine,
                           QWidget* parent = nullptr);

// The text of the delete hint.
QString deleteHint(const QString& secondLine);

// One search field of a search panel: the text typed and the column it searches.
struct SearchField {
    QString text;
    QString column;
};

// "查询": when exactly one field holds text (blanks count as text), the
// list's statement becomes the rows of `table` whose column contains that
// text; otherwise nothing happens. A search always runs over the whole
// table, also after a search that found nothing. Returns whether it ran.
bool searchList(store::Dataset& dataset, const QString& table, const QList<SearchField>& fields);

}  // namespace listui
