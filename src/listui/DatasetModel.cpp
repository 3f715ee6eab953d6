#include "DatasetModel.h"

#include <QColor>
#include <algorithm>
#include <cmath>
#include <limits>

#include "GridLook.h"
#include "NumberText.h"

namespace listui {
namespace {

bool isSum(ColumnSpec::Footer f) {
    return f == ColumnSpec::Footer::Sum || f == ColumnSpec::Footer::SumGeneral;
}

// Adds up four columns, each row by row as the rows come (nulls are NaN and
// count as nothing); the four side by side in their own accumulators, so
// that one column's additions need not wait for another's.
void addUp4(const double* const* values, std::size_t rows, long double* totals) {
    const double *a = values[0], *b = values[1], *c = values[2], *d = values[3];
    long double ta = 0, tb = 0, tc = 0, td = 0;
    for (std::size_t r = 0; r < rows; ++r) {
        ta += std::isnan(a[r]) ? 0.0 : a[r];
        tb += std::isnan(b[r]) ? 0.0 : b[r];
        tc += std::isnan(c[r]) ? 0.0 : c[r];
        td += std::isnan(d[r]) ? 0.0 : d[r];
    }
    totals[0] = ta;
    totals[1] = tb;
    totals[2] = tc;
    totals[3] = td;
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
        forgetSumValues();
    });
    connect(&m_dataset, &store::Dataset::rowAboutToBeInserted, this, [this](int i) {
        m_changing = true;
        beginInsertRows({}, i, i);
    });
    connect(&m_dataset, &store::Dataset::rowInserted, this, [this] {
        endInsertRows();
        m_changing = false;
        forgetSumValues();
    });
    connect(&m_dataset, &store::Dataset::rowAboutToBeRemoved, this, [this](int i) {
        m_changing = true;
        beginRemoveRows({}, i, i);
    });
    connect(&m_dataset, &store::Dataset::rowRemoved, this, [this] {
        endRemoveRows();
        m_changing = false;
        forgetSumValues();
    });
    connect(&m_dataset, &store::Dataset::rowChanged, this, [this](int i) {
        emit dataChanged(index(i, 0), index(i, columnCount() - 1));
        followChangedRow(i);
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
// between the row's new value and the one kept for it, instead of adding up
// every row again. Such a difference leaves an error in the last binary
// digits of the larger of the old sum and the values; where the new sum is
// much smaller than that (a large row leaving a small total), the error
// would show among the fifteen digits of the general form, so the sums are
// added up afresh then, and after many differences in a row.
void DatasetModel::followChangedRow(int i) {
    if (!m_hasSums) return;
    if (!m_sumValuesValid) {
        invalidateSums();
        return;
    }
    bool afresh = !m_sumsValid;
    for (int c = 0; c < int(m_columns.size()); ++c) {
        auto& values = m_sumValues[c];
        if (values.empty() || i < 0 || i >= int(values.size())) continue;
        const auto v = m_dataset.numberAt(i, m_datasetColumn[c]);
        const double was = values[i];
        const double now = v ? *v : std::numeric_limits<double>::quiet_NaN();
        values[i] = now;
        if (afresh) continue;
        const long double before = m_sums[c];
        const long double out = std::isnan(was) ? 0.0 : was;
        const long double in = std::isnan(now) ? 0.0 : now;
        const long double after = before - out + in;
        const long double scale = std::max({std::fabs(before), std::fabs(out), std::fabs(in)});
        if (std::fabs(after) < scale * 1e-3L) afresh = true;
        m_sums[c] = after;
    }
    if (afresh || ++m_differences > 1000) m_sumsValid = false;
    emit footerChanged();
}

void DatasetModel::forgetSumValues() {
    m_sumValuesValid = false;
    invalidateSums();
}

void DatasetModel::loadSumValues() const {
    m_sumValues.assign(m_columns.size(), {});
    m_sumValuesValid = true;
    const int rows = m_dataset.rowCount();
    for (int c = 0; c < int(m_columns.size()); ++c) {
        const int dc = m_datasetColumn[c];
        if (!isSum(m_columns[c].footer) || dc < 0) continue;
        auto& values = m_sumValues[c];
        values.resize(rows);
        for (int r = 0; r < rows; ++r) {
            const auto v = m_dataset.numberAt(r, dc);
            values[r] = v ? *v : std::numeric_limits<double>::quiet_NaN();
        }
    }
}

void DatasetModel::computeSums() const {
    m_sums.assign(m_columns.size(), 0.0L);
    m_sumsValid = true;
    m_differences = 0;
    if (!m_dataset.isOpen()) {
        m_sumValues.clear();
        m_sumValuesValid = false;
        return;
    }
    if (!m_sumValuesValid) loadSumValues();
    std::vector<int> summed;
    for (int c = 0; c < int(m_columns.size()); ++c)
        if (!m_sumValues[c].empty()) summed.push_back(c);
    for (std::size_t k = 0; k < summed.size(); k += 4) {
        // A group of fewer than four repeats its first column in the spare
        // places, whose totals are dropped.
        const std::size_t n = std::min<std::size_t>(4, summed.size() - k);
        const double* values[4];
        for (std::size_t j = 0; j < 4; ++j)
            values[j] = m_sumValues[summed[k + (j < n ? j : 0)]].data();
        long double totals[4];
        addUp4(values, m_sumValues[summed[k]].size(), totals);
        for (std::size_t j = 0; j < n; ++j) m_sums[summed[k + j]] = totals[j];
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
