#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <vector>

#include "ColumnSpec.h"
#include "Dataset.h"

namespace listui {

// A table model over a dataset's snapshot, shaped by a column table. Texts
// are formatted in data() straight from the snapshot's cells; nothing is
// queried and nothing is kept per row, so a reload of any size costs the
// model nothing. Footer sums are recomputed once after a change, never per
// paint.
class DatasetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Header roles for the two title rows (horizontal headerData).
    enum Role {
        UpperTitleRole = Qt::UserRole + 1,  // the part before "|", or the whole title
        LowerTitleRole,                     // the part after "|"; empty for a one-row title
    };

    DatasetModel(store::Dataset& dataset, QList<ColumnSpec> columns, QObject* parent = nullptr);

    store::Dataset& dataset() const { return m_dataset; }
    const QList<ColumnSpec>& columns() const { return m_columns; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The footer text under a column: "合计", a sum, or empty.
    QString footerText(int column) const;
    // The footer text is the bold label rather than a sum.
    bool footerIsLabel(int column) const;
    // The sum of a sum column over all rows (nulls count as nothing); 0 elsewhere.
    long double sum(int column) const;

    // True between the dataset's announcement of a reload, insertion or
    // removal and its completion: the dataset must not be moved then.
    bool isChanging() const { return m_changing; }

signals:
    // The footer's texts may have changed (rows added, changed, deleted or reloaded).
    void footerChanged();

private:
    void mapColumns();
    void invalidateSums();
    // A changed row moves the sums by its difference instead of a new pass.
    void takeOutRow(int index);
    void putBackRow(int index);
    void computeSums() const;

    store::Dataset& m_dataset;
    QList<ColumnSpec> m_columns;
    std::vector<int> m_datasetColumn;  // list column -> dataset column (-1 when absent)
    bool m_hasSums = false;
    bool m_changing = false;
    mutable bool m_sumsValid = false;
    mutable std::vector<long double> m_sums;
    std::vector<long double> m_outgoing;  // a changing row's old values, by list column
    mutable int m_differences = 0;        // changed rows followed since the last adding up
};

}  // namespace listui
