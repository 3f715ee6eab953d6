#include "RecordGrid.h"

#include <QKeyEvent>

#include "DatasetModel.h"

namespace listui {

// First cut: a plain grid over the dataset. The header, footer, colours and
// selection rules are still to come.
RecordGrid::RecordGrid(store::Dataset& dataset, QList<ColumnSpec> columns, QWidget* parent)
    : QTableView(parent), m_dataset(dataset), m_columns(std::move(columns)) {
    m_model = new DatasetModel(m_dataset, m_columns, this);
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int i = 0; i < m_columns.size(); ++i) setColumnWidth(i, m_columns[i].width);
}

RecordGrid::~RecordGrid() = default;

QList<store::Dataset::Bookmark> RecordGrid::selectedBookmarks() const {
    QList<store::Dataset::Bookmark> out;
    for (const QModelIndex& i : selectionModel()->selectedRows()) out << m_dataset.bookmarkAt(i.row());
    return out;
}

void RecordGrid::deleteSelected() {
    const auto marks = selectedBookmarks();
    for (auto it = marks.rbegin(); it != marks.rend(); ++it)
        if (m_dataset.gotoBookmark(*it)) m_dataset.deleteCurrent();
}

QString RecordGrid::footerText(int column) const { return m_model->footerText(column); }

void RecordGrid::keyPressEvent(QKeyEvent* event) { QTableView::keyPressEvent(event); }

void RecordGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    emit rowDoubleClicked();
}

}  // namespace listui
