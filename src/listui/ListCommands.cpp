#include "ListCommands.h"

#include "Messages.h"
#include "RecordGrid.h"
#include "Statement.h"

namespace listui {

QString deleteHint(const QString& secondLine) {
    return QStringLiteral("请单击左边的序号选中一条记录或拖选一段记录，\r\n") + secondLine;
}

void deleteSelectedRecords(RecordGrid& grid, const QString& hintSecondLine, QWidget* parent) {
    QWidget* owner = parent ? parent : &grid;
    if (grid.selectedRowIndexes().isEmpty()) {
        Messages::show(owner, deleteHint(hintSecondLine), Messages::Buttons::Ok,
                       Messages::Icon::Information);
        return;
    }
    if (!Messages::show(owner, QStringLiteral("确定要删除选中的记录？"),
                        Messages::Buttons::OkCancel, Messages::Icon::Warning))
        return;
    grid.deleteSelected();
}

// Runs whatever the list shows, an empty one included: skipping it would
// silently ignore every search after one without hits until a refresh.
bool searchList(store::Dataset& dataset, const QString& table, const QList<SearchField>& fields) {
    const SearchField* only = nullptr;
    for (const SearchField& f : fields) {
        if (f.text.isEmpty()) continue;
        if (only) return false;
        only = &f;
    }
    if (!only) return false;
    dataset.replaceStatement(store::Statement::containing(table, only->column, only->text));
    return true;
}

}  // namespace listui
