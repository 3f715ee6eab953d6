#include "IndicatorHeader.h"

#include <QItemSelectionModel>
#include <QPainter>
#include <QPolygon>

#include "GridLook.h"

namespace listui {

IndicatorHeader::IndicatorHeader(QWidget* parent) : QHeaderView(Qt::Vertical, parent) {
    setSectionsClickable(true);
    setHighlightSections(false);
    setMinimumSectionSize(1);
    setDefaultSectionSize(look::kRowHeight);
    // Every row the same height: no per-row measuring, however many rows.
    setSectionResizeMode(QHeaderView::Fixed);
}

QSize IndicatorHeader::sizeHint() const {
    return QSize(look::kIndicatorWidth, look::kRowHeight);
}

int IndicatorHeader::markedRow() const {
    const QItemSelectionModel* sm = selectionModel();
    return sm && sm->currentIndex().isValid() ? sm->currentIndex().row() : -1;
}

void IndicatorHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    painter->fillRect(rect, look::face());
    painter->setPen(look::line());
    painter->drawLine(rect.right(), rect.top(), rect.right(), rect.bottom());
    painter->drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
    if (logicalIndex != markedRow()) return;
    const int cx = rect.left() + rect.width() / 2 - 1;
    const int cy = rect.center().y();
    QPolygon tri;
    tri << QPoint(cx - 2, cy - 4) << QPoint(cx + 2, cy) << QPoint(cx - 2, cy + 4);
    painter->setPen(Qt::NoPen);
    painter->setBrush(Qt::black);
    painter->drawPolygon(tri);
}

}  // namespace listui
