#include "GridFooter.h"

#include <QPaintEvent>
#include <QPainter>

#include "DatasetModel.h"
#include "GridLook.h"
#include "TwoLevelHeader.h"

namespace listui {

GridFooter::GridFooter(const TwoLevelHeader& header, const DatasetModel& model, QWidget* parent)
    : QWidget(parent), m_header(header), m_model(model) {
    setFont(look::gridFont());
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&model, &DatasetModel::footerChanged, this, qOverload<>(&QWidget::update));
    connect(&model, &QAbstractItemModel::modelReset, this, qOverload<>(&QWidget::update));
    connect(&header, &QHeaderView::sectionResized, this, qOverload<>(&QWidget::update));
    connect(&header, &QHeaderView::geometriesChanged, this, qOverload<>(&QWidget::update));
}

void GridFooter::setIndicatorWidth(int width) {
    if (width == m_indicatorWidth) return;
    m_indicatorWidth = width;
    update();
}

QRect GridFooter::cellRect(int logical) const {
    return QRect(m_indicatorWidth + m_header.sectionViewportPosition(logical), 0,
                 m_header.sectionSize(logical), height());
}

QString GridFooter::text(int logical) const {
    return m_model.footerText(logical);
}

void GridFooter::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.fillRect(event->rect(), look::footerBack());

    // The blank cell under the indicator column.
    const QRect indicator(0, 0, m_indicatorWidth, height());
    p.fillRect(indicator, look::face());
    p.setPen(look::line());
    p.drawLine(indicator.topRight(), indicator.bottomRight());
    p.drawLine(0, 0, width(), 0);

    p.setClipRect(QRect(m_indicatorWidth, 0, width() - m_indicatorWidth, height()));
    const QFont regular = look::gridFont();
    const QFont bold = look::titleFont();
    for (int v = 0; v < m_header.count(); ++v) {
        const int logical = m_header.logicalIndex(v);
        if (m_header.isSectionHidden(logical)) continue;
        const QRect cell = cellRect(logical);
        if (cell.right() < m_indicatorWidth || cell.left() > width()) continue;
        p.setPen(look::line());
        p.drawLine(cell.right(), 0, cell.right(), height());
        const QString t = m_model.footerText(logical);
        if (t.isEmpty()) continue;
        p.setFont(m_model.footerIsLabel(logical) ? bold : regular);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(cell.adjusted(1, 1, -2, 0), Qt::AlignCenter | Qt::TextSingleLine, t);
    }
}

}  // namespace listui
