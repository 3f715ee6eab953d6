#include "FloatingPanel.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace listui {

FloatingPanel::FloatingPanel(QWidget* listArea, const QPoint& openingPosition)
    : QFrame(listArea), m_opening(openingPosition) {
    setFrameStyle(QFrame::Box | QFrame::Raised);  // raised outside, lowered inner bevel
    setLineWidth(1);
    setMidLineWidth(0);
    setAutoFillBackground(true);
    setCursor(Qt::SizeAllCursor);

    m_close = new QLabel(this);
    m_close->setObjectName(QStringLiteral("closePicture"));
    m_close->setPixmap(closePixmap());
    m_close->setFixedSize(16, 16);
    m_close->setToolTip(QStringLiteral("关闭"));
    m_close->setCursor(Qt::PointingHandCursor);
    m_close->installEventFilter(this);
    placeClosePicture();

    move(m_opening);
    hide();
}

QPixmap FloatingPanel::closePixmap() {
    QPixmap pm(16, 16);
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(0, 0, 15, 15);
    QPen cross(QColor(0xD0, 0x00, 0x00));
    cross.setWidth(2);
    p.setPen(cross);
    p.drawLine(4, 4, 11, 11);
    p.drawLine(11, 4, 4, 11);
    return pm;
}

void FloatingPanel::setClosePicturePosition(const QPoint& position) {
    m_closePlaced = true;
    m_close->move(position);
}

void FloatingPanel::placeClosePicture() {
    if (!m_closePlaced) m_close->move(width() - 16 - 4, 4);
}

void FloatingPanel::open() {
    m_dragging = false;
    placeClosePicture();
    move(m_opening);
    show();
    raise();
}

void FloatingPanel::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    placeClosePicture();
}

void FloatingPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    m_dragging = true;
    m_grabOffset = event->position().toPoint();
    event->accept();
}

void FloatingPanel::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging || !(event->buttons() & Qt::LeftButton) || !parentWidget()) {
        event->accept();
        return;
    }
    // Follow the mouse by its global position: the panel itself moves under it.
    const QPoint inParent = parentWidget()->mapFromGlobal(event->globalPosition().toPoint());
    move(inParent - m_grabOffset);
    event->accept();
}

void FloatingPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) m_dragging = false;
    event->accept();
}

bool FloatingPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_close) return QFrame::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* me = static_cast<QMouseEvent*>(event);
            m_closePressed = me->button() == Qt::LeftButton;
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto* me = static_cast<QMouseEvent*>(event);
            const bool click = m_closePressed && me->button() == Qt::LeftButton &&
                               m_close->rect().contains(me->position().toPoint());
            m_closePressed = false;
            if (click) {
                hide();
                emit closeClicked();
            }
            return true;
        }
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            return true;  // the picture is no handle for dragging
        default:
            return false;
    }
}

}  // namespace listui
