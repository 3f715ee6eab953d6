#pragma once

#include <QAbstractTableModel>
#include <QList>

#include "ColumnSpec.h"
#include "Dataset.h"

namespace listui {

// A table model over a dataset's snapshot, shaped by a column table. Texts
// are formatted in data() from the snapshot's cells; nothing is queried.
class DatasetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    DatasetModel(store::Dataset& dataset, QList<ColumnSpec> columns, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The footer text under a column.
    QString footerText(int column) const;

signals:
    void footerChanged();

private:
    void mapColumns();
    void recomputeSums();

    store::Dataset& m_dataset;
    QList<ColumnSpec> m_columns;
    QList<int> m_datasetColumn;  // spec column -> dataset column (-1 when absent)
    QList<double> m_sums;
};

}  // namespace listui
