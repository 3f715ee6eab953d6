#pragma once

#include <QList>
#include <QTableView>

#include "ColumnSpec.h"
#include "Dataset.h"

namespace listui {

class DatasetModel;
class GridFooter;
class IndicatorHeader;
class TwoLevelHeader;

// The ledger grid of the list windows: a QTableView over a dataset, with
// two-level titles, a footer row of sums, alternating row colours, an
// indicator column, whole-row multiple selection and Ctrl+Delete. Rows are
// never edited or added here. The dataset's current row follows the grid's
// and the other way round; the selection empties whenever the dataset
// reloads.
class RecordGrid : public QTableView {
    Q_OBJECT
public:
    RecordGrid(store::Dataset& dataset, QList<ColumnSpec> columns, QWidget* parent = nullptr);
    ~RecordGrid() override;

    store::Dataset& dataset() const { return m_dataset; }
    const QList<ColumnSpec>& columns() const { return m_columns; }
    DatasetModel* datasetModel() const { return m_model; }
    TwoLevelHeader* titleHeader() const { return m_header; }
    IndicatorHeader* indicatorHeader() const { return m_indicator; }
    GridFooter* footer() const { return m_footer; }

    // The remembered rows of the selection, in list order.
    QList<store::Dataset::Bookmark> selectedBookmarks() const;
    // The selected rows' 0-based positions, in list order.
    QList<int> selectedRowIndexes() const;
    // Replaces the selection by these rows (those still in the list).
    void selectBookmarks(const QList<store::Dataset::Bookmark>& bookmarks);

    // Deletes the selected rows from last to first with drawing suspended
    // (each made current and deleted from the file at once). Throws
    // store::Error when the file refuses a row; rows deleted before stay
    // deleted.
    void deleteSelected();
    // The grid's own Ctrl+Delete: asks "Delete record?" (at most one row
    // selected) or "Delete all selected records?" and on OK deletes the
    // selected rows, or the current row when none is selected.
    void deleteWithConfirmation();

    // The footer's text under a column ("合计", a sum, or empty).
    QString footerText(int column) const;

    // Typing letters does not jump between rows here.
    void keyboardSearch(const QString&) override {}

signals:
    // A double click on a row (after it became current).
    void rowDoubleClicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void updateGeometries() override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& index, const QEvent* event = nullptr) const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followDataset(int index);
    void followGrid(const QModelIndex& current);

    store::Dataset& m_dataset;
    QList<ColumnSpec> m_columns;
    DatasetModel* m_model = nullptr;
    TwoLevelHeader* m_header = nullptr;
    IndicatorHeader* m_indicator = nullptr;
    GridFooter* m_footer = nullptr;
    QWidget* m_corner = nullptr;  // QTableView's corner button, drawn blank
    bool m_followingDataset = false;
    bool m_inGeometries = false;
};

}  // namespace listui
