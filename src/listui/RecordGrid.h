#pragma once

#include <QList>
#include <QTableView>

#include "ColumnSpec.h"
#include "Dataset.h"

namespace listui {

class DatasetModel;

// The ledger grid of the list windows: a QTableView over a dataset, with
// two-level titles, a footer row of sums, alternating row colours, an
// indicator column, whole-row multiple selection and Ctrl+Delete.
// The dataset's current row follows the grid's and the other way round.
class RecordGrid : public QTableView {
    Q_OBJECT
public:
    RecordGrid(store::Dataset& dataset, QList<ColumnSpec> columns, QWidget* parent = nullptr);
    ~RecordGrid() override;

    store::Dataset& dataset() const { return m_dataset; }
    const QList<ColumnSpec>& columns() const { return m_columns; }
    DatasetModel* datasetModel() const { return m_model; }

    // The remembered rows of the selection, in list order.
    QList<store::Dataset::Bookmark> selectedBookmarks() const;
    // Deletes the selected rows from last to first with drawing suspended
    // (each made current and deleted from the file at once).
    void deleteSelected();

    // The footer's text under a column ("合计", a sum, or empty).
    QString footerText(int column) const;

signals:
    // A double click on a row (after it became current).
    void rowDoubleClicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    store::Dataset& m_dataset;
    QList<ColumnSpec> m_columns;
    DatasetModel* m_model = nullptr;
};

}  // namespace listui
