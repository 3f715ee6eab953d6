#include "DatasetModel.h"

#include <QColor>
#include <algorithm>
#include <cmath>

#include "GridLook.h"
#include "NumberText.h"

namespace listui {
namespace {

bool isSum(ColumnSpec::Footer f) {
    return f == ColumnSpec::Footer::Sum || f == ColumnSpec::Footer::SumGeneral;
}

}  // namespace

DatasetModel::DatasetModel(store::Dataset& dataset, QList<ColumnSpec> columns, QObject* parent)
    : QAbstractTableModel(parent), m_dataset(dataset), m_columns(std::move(columns)) {
    for (const ColumnSpec& c : m_columns) m_hasSums = m_hasSums || isSum(c.footer);

    connect(&m_dataset, &store::Dataset::aboutToReset, this, [this] {
        m_changing = true;
        beginResetModel();
    });
    connect(&m_dataset, &store::Dataset::reset, this, [this] {
        mapColumns();
        endResetModel();
        m_changing = false;
        invalidateSums();
    });
    connect(&m_dataset, &store::Dataset::rowAboutToBeInserted, this, [this](int i) {
        m_changing = true;
        beginInsertRows({}, i, i);
    });
    connect(&m_dataset, &store::Dataset::rowInserted, this, [this] {
        endInsertRows();
        m_changing = false;
        invalidateSums();
    });
    connect(&m_dataset, &store::Dataset::rowAboutToBeRemoved, this, [this](int i) {
        m_changing = true;
        beginRemoveRows({}, i, i);
    });
    connect(&m_dataset, &store::Dataset::rowRemoved, this, [this] {
        endRemoveRows();
        m_changing = false;
        invalidateSums();
    });
    connect(&m_dataset, &store::Dataset::rowAboutToChange, this, [this](int i) { takeOutRow(i); });
    connect(&m_dataset, &store::Dataset::rowChanged, this, [this](int i) {
        emit dataChanged(index(i, 0), index(i, columnCount() - 1));
        putBackRow(i);
    });
    mapColumns();
}

void DatasetModel::mapColumns() {
    m_datasetColumn.clear();
    for (const ColumnSpec& c : m_columns) m_datasetColumn.push_back(m_dataset.columnIndex(c.field));
}

// Sums are summed again on the next read, so a run of changes (deleting a
// selection row by row) costs one pass over the rows, not one per change.
void DatasetModel::invalidateSums() {
    if (!m_hasSums) return;
    m_sumsValid = false;
    emit footerChanged();
}

// A changed row (a sale, a correction) moves each sum by the difference
// between the row's old and new values instead of adding up every row again.
// Such a difference leaves an error in the last binary digits of the larger
// of the old sum and the values; where the new sum is much smaller than that
// (a large row leaving a small total), the error would show among the fifteen
// digits of the general form, so the sums are added up afresh then, and after
// many differences in a row.
void DatasetModel::takeOutRow(int i) {
    m_outgoing.assign(m_columns.size(), 0.0L);
    if (!m_hasSums || !m_sumsValid) return;
    for (int c = 0; c < int(m_columns.size()); ++c) {
        const int dc = m_datasetColumn[c];
        if (!isSum(m_columns[c].footer) || dc < 0) continue;
        m_outgoing[c] = m_dataset.numberAt(i, dc).value_or(0.0);
    }
}

void DatasetModel::putBackRow(int i) {
    if (!m_hasSums) return;
    if (!m_sumsValid || m_outgoing.size() != m_sums.size()) {
        invalidateSums();
        return;
    }
    bool afresh = false;
    for (int c = 0; c < int(m_columns.size()); ++c) {
        const int dc = m_datasetColumn[c];
        if (!isSum(m_columns[c].footer) || dc < 0) continue;
        const long double before = m_sums[c];
        const long double out = m_outgoing[c];
        const long double in = m_dataset.numberAt(i, dc).value_or(0.0);
        const long double after = before - out + in;
        const long double scale = std::max({std::fabs(before), std::fabs(out), std::fabs(in)});
        if (std::fabs(after) < scale * 1e-3L) afresh = true;
        m_sums[c] = after;
    }
    if (afresh || ++m_differences > 1000) m_sumsValid = false;
    emit footerChanged();
}

void DatasetModel::computeSums() const {
    m_sums.assign(m_columns.size(), 0.0L);
    m_sumsValid = true;
    m_differences = 0;
    if (!m_dataset.isOpen()) return;
    const int rows = m_dataset.rowCount();
    for (int c = 0; c < int(m_columns.size()); ++c) {
        const int dc = m_datasetColumn[c];
        if (!isSum(m_columns[c].footer) || dc < 0) continue;
        long double total = 0;
        for (int r = 0; r < rows; ++r)
            if (const auto v = m_dataset.numberAt(r, dc)) total += *v;
        m_sums[c] = total;
    }
}

long double DatasetModel::sum(int column) const {
    if (column < 0 || column >= int(m_columns.size())) return 0;
    if (!m_sumsValid) computeSums();
    return m_sums[column];
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
    const ColumnSpec& col = m_columns[index.column()];
    switch (role) {
        case Qt::DisplayRole: {
            const int dc = m_datasetColumn[index.column()];
            if (dc < 0) return {};
            if (col.format == ColumnSpec::Format::Money) {
                auto v = m_dataset.numberAt(index.row(), dc);
                return v ? store::NumberText::display(*v) : QString();
            }
            return m_dataset.textAt(index.row(), dc);
        }
        case Qt::TextAlignmentRole:
            return int(col.alignment | Qt::AlignVCenter);
        case Qt::BackgroundRole:
            // By record number: odd numbers white, even numbers light grey.
            return index.row() % 2 == 0 ? look::oddRow() : look::evenRow();
    }
    return {};
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= int(m_columns.size())) return {};
    const ColumnSpec& col = m_columns[section];
    switch (role) {
        case Qt::DisplayRole:
            return col.twoLevel() ? col.lowerTitle() : col.upperTitle();
        case UpperTitleRole:
            return col.upperTitle();
        case LowerTitleRole:
            return col.lowerTitle();
        case Qt::TextAlignmentRole:
            return int(Qt::AlignCenter);
    }
    return {};
}

Qt::ItemFlags DatasetModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

bool DatasetModel::footerIsLabel(int column) const {
    return column >= 0 && column < int(m_columns.size()) &&
           m_columns[column].footer == ColumnSpec::Footer::Label;
}

QString DatasetModel::footerText(int column) const {
    if (column < 0 || column >= int(m_columns.size())) return {};
    const ColumnSpec& col = m_columns[column];
    switch (col.footer) {
        case ColumnSpec::Footer::None:
            return {};
        case ColumnSpec::Footer::Label:
            return QStringLiteral("合计");
        case ColumnSpec::Footer::Sum:
            return col.format == ColumnSpec::Format::Money
                       ? store::NumberText::display(double(sum(column)))
                       : store::NumberText::general(sum(column));
        case ColumnSpec::Footer::SumGeneral:
            return store::NumberText::general(sum(column));
    }
    return {};
}

}  // namespace listui
