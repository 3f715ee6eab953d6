#include "TwoLevelHeader.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

#include "DatasetModel.h"
#include "GridLook.h"

namespace listui {

TwoLevelHeader::TwoLevelHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setFont(look::titleFont());
    setSectionsClickable(true);
    setSectionsMovable(false);
    setHighlightSections(false);
    setSortIndicatorShown(false);  // the marker is drawn here, and never sorts
    setSectionResizeMode(QHeaderView::Interactive);
    setMinimumSectionSize(8);
    setDefaultAlignment(Qt::AlignCenter);
    connect(this, &QHeaderView::sectionClicked, this, &TwoLevelHeader::onSectionClicked);
}

QSize TwoLevelHeader::sizeHint() const {
    return QSize(length(), 2 * look::kTitleRowHeight);
}

QString TwoLevelHeader::upperTitle(int logical) const {
    if (!model()) return {};
    return model()->headerData(logical, orientation(), DatasetModel::UpperTitleRole).toString();
}

QString TwoLevelHeader::lowerTitle(int logical) const {
    if (!model()) return {};
    return model()->headerData(logical, orientation(), DatasetModel::LowerTitleRole).toString();
}

bool TwoLevelHeader::isTwoLevel(int logical) const {
    return !lowerTitle(logical).isEmpty();
}

bool TwoLevelHeader::sameGroup(int leftLogical, int rightLogical) const {
    return isTwoLevel(leftLogical) && isTwoLevel(rightLogical) &&
           upperTitle(leftLogical) == upperTitle(rightLogical);
}

int TwoLevelHeader::groupFirst(int logical) const {
    int v = visualIndex(logical);
    if (v < 0) return logical;
    while (v > 0 && sameGroup(logicalIndex(v - 1), logicalIndex(v))) --v;
    return logicalIndex(v);
}

int TwoLevelHeader::groupLast(int logical) const {
    int v = visualIndex(logical);
    if (v < 0) return logical;
    while (v + 1 < count() && sameGroup(logicalIndex(v), logicalIndex(v + 1))) ++v;
    return logicalIndex(v);
}

QRect TwoLevelHeader::upperRect(int logical) const {
    const int h = look::kTitleRowHeight;
    if (!isTwoLevel(logical))
        return QRect(sectionViewportPosition(logical), 0, sectionSize(logical), 2 * h);
    const int first = groupFirst(logical);
    const int last = groupLast(logical);
    const int left = sectionViewportPosition(first);
    const int right = sectionViewportPosition(last) + sectionSize(last);
    return QRect(left, 0, right - left, h);
}

QRect TwoLevelHeader::lowerRect(int logical) const {
    const int h = look::kTitleRowHeight;
    if (!isTwoLevel(logical))
        return QRect(sectionViewportPosition(logical), 0, sectionSize(logical), 2 * h);
    return QRect(sectionViewportPosition(logical), h, sectionSize(logical), h);
}

void TwoLevelHeader::toggleMarker(int logical) {
    if (logical < 0 || logical >= count()) return;
    if (m_marked == logical)
        m_order = m_order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    else
        m_order = Qt::AscendingOrder;
    m_marked = logical;
    viewport()->update();
    emit markerChanged(logical, m_order);
}

void TwoLevelHeader::clearMarker() {
    m_marked.reset();
    viewport()->update();
}

void TwoLevelHeader::mousePressEvent(QMouseEvent* event) {
    m_pressInUpperRow = event->position().y() < look::kTitleRowHeight;
    QHeaderView::mousePressEvent(event);
}

// The merged upper cell belongs to several columns, so it is no title button.
void TwoLevelHeader::onSectionClicked(int logical) {
    if (m_pressInUpperRow && isTwoLevel(logical)) return;
    toggleMarker(logical);
}

void TwoLevelHeader::drawCell(QPainter& p, const QRect& cell, const QString& text, int logical,
                              bool marker) const {
    p.fillRect(cell, look::face());
    p.setPen(look::line());
    p.drawLine(cell.right(), cell.top(), cell.right(), cell.bottom());
    p.drawLine(cell.left(), cell.bottom(), cell.right(), cell.bottom());

    QRect textRect = cell.adjusted(1, 0, -2, -1);
    if (marker && m_marked == logical) {
        // A small triangle at the right: point up for ascending, down for descending.
        const int cx = cell.right() - 6;
        const int cy = cell.center().y();
        QPolygon tri;
        if (m_order == Qt::AscendingOrder)
            tri << QPoint(cx - 3, cy + 2) << QPoint(cx + 3, cy + 2) << QPoint(cx, cy - 2);
        else
            tri << QPoint(cx - 3, cy - 2) << QPoint(cx + 3, cy - 2) << QPoint(cx, cy + 2);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x40, 0x40, 0x40));
        p.drawPolygon(tri);
        p.setBrush(Qt::NoBrush);
        textRect.setRight(cx - 5);
    }
    p.setPen(palette().color(QPalette::ButtonText));
    p.save();
    p.setClipRect(cell.adjusted(0, 0, -1, -1), Qt::IntersectClip);
    p.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine, text);
    p.restore();
}

void TwoLevelHeader::paintEvent(QPaintEvent* event) {
    QPainter p(viewport());
    p.setFont(font());
    const QRect area = event->rect();
    p.fillRect(area, look::face());
    if (!model() || count() == 0) return;

    int first = visualIndexAt(area.left());
    int last = visualIndexAt(area.right());
    if (first < 0) first = 0;
    if (last < 0) last = count() - 1;

    // Lower cells and one-row titles.
    for (int v = first; v <= last; ++v) {
        const int logical = logicalIndex(v);
        if (isSectionHidden(logical) || sectionSize(logical) <= 0) continue;
        if (isTwoLevel(logical))
            drawCell(p, lowerRect(logical), lowerTitle(logical), logical, true);
        else
            drawCell(p, upperRect(logical), upperTitle(logical), logical, true);
    }
    // Merged upper cells, each drawn once across its columns.
    int v = first;
    while (v > 0 && sameGroup(logicalIndex(v - 1), logicalIndex(v))) --v;
    while (v <= last) {
        const int logical = logicalIndex(v);
        const int end = visualIndex(groupLast(logical));
        if (isTwoLevel(logical))
            drawCell(p, upperRect(logical), upperTitle(logical), logical, false);
        v = end + 1;
    }
}

}  // namespace listui
