#include "RecordGrid.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>

#include "DatasetModel.h"
#include "GridFooter.h"
#include "GridLook.h"
#include "IndicatorHeader.h"
#include "Messages.h"
#include "TwoLevelHeader.h"

namespace listui {
namespace {

// Paints the current row across all columns, lighter than a selected row,
// and leaves out the focus frame of the current cell.
class RowDelegate : public QStyledItemDelegate {
public:
    explicit RowDelegate(QTableView* view) : QStyledItemDelegate(view), m_view(view) {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~QStyle::State_HasFocus;
        if (!(option->state & QStyle::State_Selected) &&
            index.row() == m_view->currentIndex().row())
            option->backgroundBrush = look::currentRow();
    }

private:
    QTableView* m_view;
};

// Drawing stays off while a run of rows is deleted, and comes back on
// however the run ends.
class UpdatesSuspended {
public:
    explicit UpdatesSuspended(QWidget* w) : m_w(w), m_was(w->updatesEnabled()) {
        m_w->setUpdatesEnabled(false);
    }
    ~UpdatesSuspended() { m_w->setUpdatesEnabled(m_was); }

private:
    QWidget* m_w;
    bool m_was;
};

}  // namespace

RecordGrid::RecordGrid(store::Dataset& dataset, QList<ColumnSpec> columns, QWidget* parent)
    : QTableView(parent), m_dataset(dataset), m_columns(std::move(columns)) {
    setFont(look::gridFont());
    m_header = new TwoLevelHeader(this);
    setHorizontalHeader(m_header);
    m_indicator = new IndicatorHeader(this);
    setVerticalHeader(m_indicator);
    m_model = new DatasetModel(m_dataset, m_columns, this);
    setModel(m_model);
    setItemDelegate(new RowDelegate(this));

    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setAcceptDrops(false);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setAlternatingRowColors(false);  // the model colours rows by record number
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setCornerButtonEnabled(false);

    for (int i = 0; i < m_columns.size(); ++i) setColumnWidth(i, m_columns[i].width);

    m_footer = new GridFooter(*m_header, *m_model, this);
    m_footer->setIndicatorWidth(look::kIndicatorWidth);

    m_corner = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    if (m_corner) m_corner->installEventFilter(this);

    connect(&m_dataset, &store::Dataset::currentChanged, this, &RecordGrid::followDataset);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { followGrid(current); });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, m_footer,
            qOverload<>(&QWidget::update));
    connect(m_indicator, &QHeaderView::sectionDoubleClicked, this,
            [this] { emit rowDoubleClicked(); });

    if (m_dataset.isOpen()) followDataset(m_dataset.currentIndex());
}

RecordGrid::~RecordGrid() = default;

QList<int> RecordGrid::selectedRowIndexes() const {
    std::vector<int> rows;
    const int lastColumn = m_model->columnCount() - 1;
    for (const QItemSelectionRange& r : selectionModel()->selection()) {
        const bool wholeRows = r.left() == 0 && r.right() == lastColumn;
        for (int row = r.top(); row <= r.bottom(); ++row)
            if (wholeRows || selectionModel()->isRowSelected(row)) rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return QList<int>(rows.begin(), rows.end());
}

QList<store::Dataset::Bookmark> RecordGrid::selectedBookmarks() const {
    QList<store::Dataset::Bookmark> out;
    if (!m_dataset.isOpen()) return out;
    for (int row : selectedRowIndexes()) out << m_dataset.bookmarkAt(row);
    return out;
}

void RecordGrid::selectBookmarks(const QList<store::Dataset::Bookmark>& bookmarks) {
    QItemSelection selection;
    if (m_dataset.isOpen()) {
        const int lastColumn = m_model->columnCount() - 1;
        for (auto mark : bookmarks) {
            const int row = m_dataset.indexOf(mark);
            if (row >= 0) selection.select(m_model->index(row, 0), m_model->index(row, lastColumn));
        }
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void RecordGrid::deleteSelected() {
    const QList<int> rows = selectedRowIndexes();
    if (rows.isEmpty() || !m_dataset.isOpen() || m_dataset.rowCount() == 0) return;
    {
        UpdatesSuspended suspended(this);
        // Last to first: deleting a row leaves the positions above it as they were.
        for (auto it = rows.crbegin(); it != rows.crend(); ++it) {
            if (*it >= m_dataset.rowCount()) continue;
            m_dataset.moveTo(*it);
            m_dataset.deleteCurrent();  // the row leaves the selection with the model row
        }
    }
    viewport()->update();
    m_footer->update();
}

void RecordGrid::deleteWithConfirmation() {
    guard(this, [this] {
        if (!m_dataset.isOpen() || m_dataset.rowCount() == 0) return;
        const int selected = int(selectedRowIndexes().size());
        const QString question = selected <= 1 ? QStringLiteral("Delete record?")
                                               : QStringLiteral("Delete all selected records?");
        if (!Messages::show(this, question, Messages::Buttons::OkCancel, Messages::Icon::Warning))
            return;
        if (selected > 0)
            deleteSelected();
        else if (m_dataset.currentIndex() >= 0)
            m_dataset.deleteCurrent();
    });
}

QString RecordGrid::footerText(int column) const {
    return m_model->footerText(column);
}

void RecordGrid::keyPressEvent(QKeyEvent* event) {
    const auto mods = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Delete && mods == Qt::ControlModifier) {
        event->accept();
        deleteWithConfirmation();
        return;
    }
    QTableView::keyPressEvent(event);
}

// Only the left button selects; a right click keeps the selection for the
// context menu's commands, and a click below the rows changes nothing.
void RecordGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !indexAt(event->position().toPoint()).isValid()) {
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
}

void RecordGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QTableView::mouseReleaseEvent(event);
}

void RecordGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QTableView::mouseDoubleClickEvent(event);
    emit rowDoubleClicked();
}

// QTableView leaves no room under the rows, so the footer's row is reserved
// after it lays out, and the row header and the scroll range are fitted to
// the shorter viewport.
void RecordGrid::updateGeometries() {
    if (m_inGeometries) return;
    QScopedValueRollback<bool> busy(m_inGeometries, true);
    QTableView::updateGeometries();
    if (!m_footer) return;  // still being built

    QMargins margins = viewportMargins();
    if (margins.bottom() != look::kRowHeight) {
        margins.setBottom(look::kRowHeight);
        setViewportMargins(margins);
    }
    const QRect vg = viewport()->geometry();
    const int left = vg.left() - margins.left();
    m_indicator->setGeometry(left, vg.top(), margins.left(), vg.height());

    QScrollBar* bar = verticalScrollBar();
    bar->setPageStep(vg.height());
    bar->setSingleStep(look::kRowHeight);
    bar->setRange(0, qMax(0, m_indicator->length() - vg.height()));

    m_footer->setIndicatorWidth(margins.left());
    m_footer->setGeometry(left, vg.bottom() + 1, margins.left() + vg.width(), look::kRowHeight);
    m_footer->raise();
}

void RecordGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    viewport()->update();  // the current row is painted across all columns
}

QItemSelectionModel::SelectionFlags RecordGrid::selectionCommand(const QModelIndex& index,
                                                                 const QEvent* event) const {
    // Following the dataset moves the current row without touching the selection.
    if (m_followingDataset) return QItemSelectionModel::NoUpdate;
    return QTableView::selectionCommand(index, event);
}

void RecordGrid::followDataset(int index) {
    if (m_model->isChanging()) return;  // the dataset reports its current row again when done
    const QModelIndex current = currentIndex();
    if (index < 0) {
        if (current.isValid()) {
            QScopedValueRollback<bool> following(m_followingDataset, true);
            selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        }
        return;
    }
    if (current.isValid() && current.row() == index) return;
    if (index >= m_model->rowCount()) return;
    QScopedValueRollback<bool> following(m_followingDataset, true);
    // Also makes this row the anchor of a following Shift-click.
    setCurrentIndex(m_model->index(index, current.isValid() ? current.column() : 0));
}

void RecordGrid::followGrid(const QModelIndex& current) {
    if (m_followingDataset || m_model->isChanging() || !current.isValid() || !m_dataset.isOpen())
        return;
    if (current.row() != m_dataset.currentIndex()) m_dataset.moveTo(current.row());
}

bool RecordGrid::eventFilter(QObject* watched, QEvent* event) {
    // The blank corner over the indicator column, drawn like the titles.
    if (watched == m_corner && event->type() == QEvent::Paint) {
        QPainter p(m_corner);
        const QRect r = m_corner->rect();
        p.fillRect(r, look::face());
        p.setPen(look::line());
        p.drawLine(r.topRight(), r.bottomRight());
        p.drawLine(r.bottomLeft(), r.bottomRight());
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

}  // namespace listui
