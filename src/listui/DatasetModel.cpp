#include "DatasetModel.h"

#include "NumberText.h"

namespace listui {

DatasetModel::DatasetModel(store::Dataset& dataset, QList<ColumnSpec> columns, QObject* parent)
    : QAbstractTableModel(parent), m_dataset(dataset), m_columns(std::move(columns)) {
    connect(&m_dataset, &store::Dataset::aboutToReset, this, [this] { beginResetModel(); });
    connect(&m_dataset, &store::Dataset::reset, this, [this] {
        mapColumns();
        endResetModel();
        recomputeSums();
    });
    connect(&m_dataset, &store::Dataset::rowAboutToBeInserted, this,
            [this](int i) { beginInsertRows({}, i, i); });
    connect(&m_dataset, &store::Dataset::rowInserted, this, [this] {
        endInsertRows();
        recomputeSums();
    });
    connect(&m_dataset, &store::Dataset::rowAboutToBeRemoved, this,
            [this](int i) { beginRemoveRows({}, i, i); });
    connect(&m_dataset, &store::Dataset::rowRemoved, this, [this] {
        endRemoveRows();
        recomputeSums();
    });
    connect(&m_dataset, &store::Dataset::rowChanged, this, [this](int i) {
        emit dataChanged(index(i, 0), index(i, columnCount() - 1));
        recomputeSums();
    });
    mapColumns();
    recomputeSums();
}

void DatasetModel::mapColumns() {
    m_datasetColumn.clear();
    for (const ColumnSpec& c : m_columns) m_datasetColumn << m_dataset.columnIndex(c.field);
}

void DatasetModel::recomputeSums() {
    m_sums = QList<double>(m_columns.size(), 0.0);
    if (m_dataset.isOpen()) {
        const int rows = m_dataset.rowCount();
        for (int c = 0; c < m_columns.size(); ++c) {
            const auto footer = m_columns[c].footer;
            if (footer != ColumnSpec::Footer::Sum && footer != ColumnSpec::Footer::SumGeneral) continue;
            const int dc = m_datasetColumn[c];
            if (dc < 0) continue;
            double sum = 0;
            for (int r = 0; r < rows; ++r)
                if (auto v = m_dataset.numberAt(r, dc)) sum += *v;
            m_sums[c] = sum;
        }
    }
    emit footerChanged();
}

int DatasetModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !m_dataset.isOpen()) return 0;
    return m_dataset.rowCount();
}

int DatasetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant DatasetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const ColumnSpec& spec = m_columns[index.column()];
    switch (role) {
        case Qt::DisplayRole: {
            const int dc = m_datasetColumn[index.column()];
            if (dc < 0) return {};
            if (spec.format == ColumnSpec::Format::Money) {
                auto v = m_dataset.numberAt(index.row(), dc);
                return v ? store::NumberText::display(*v) : QString();
            }
            return m_dataset.textAt(index.row(), dc);
        }
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(spec.alignment | Qt::AlignVCenter);
    }
    return {};
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return {};
    const ColumnSpec& spec = m_columns[section];
    return spec.lowerTitle().isEmpty() ? spec.upperTitle() : spec.lowerTitle();
}

QString DatasetModel::footerText(int column) const {
    if (column < 0 || column >= m_columns.size()) return {};
    switch (m_columns[column].footer) {
        case ColumnSpec::Footer::None: return {};
        case ColumnSpec::Footer::Label: return QStringLiteral("合计");
        case ColumnSpec::Footer::Sum:
            return m_columns[column].format == ColumnSpec::Format::Money
                       ? store::NumberText::display(m_sums[column])
                       : store::NumberText::general(m_sums[column]);
        case ColumnSpec::Footer::SumGeneral: return store::NumberText::general(m_sums[column]);
    }
    return {};
}

}  // namespace listui
