#include "Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace listui::Pictures {
namespace {

const QColor kOrange(0xF0, 0x92, 0x2B);
const QColor kOrangeDark(0xC9, 0x6A, 0x10);
const QColor kGreen(0x3A, 0xA6, 0x55);
const QColor kRed(0xD9, 0x3B, 0x30);
const QColor kBlue(0x2F, 0x6F, 0xC4);
const QColor kInk(0x55, 0x55, 0x55);

QPixmap canvas(int w, int h) {
    QPixmap pm(w, h);
    pm.fill(Qt::transparent);
    return pm;
}

void sheet(QPainter& p, const QRectF& r) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawRect(r);
}

// A paulownia leaf: the 桐 of the name.
void leaf(QPainter& p, const QPointF& centre, qreal size, const QColor& colour) {
    p.save();
    p.translate(centre);
    p.rotate(-35);
    QPainterPath path;
    path.moveTo(0, -size / 2);
    path.cubicTo(size * 0.45, -size * 0.3, size * 0.45, size * 0.3, 0, size / 2);
    path.cubicTo(-size * 0.45, size * 0.3, -size * 0.45, -size * 0.3, 0, -size / 2);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
    p.setPen(QPen(colour.lighter(160), qMax<qreal>(1, size / 14)));
    p.drawLine(QPointF(0, -size * 0.42), QPointF(0, size * 0.42));
    p.restore();
}

void drawTool(QPainter& p, Tool kind) {
    switch (kind) {
        case Tool::Add:
            p.setPen(Qt::NoPen);
            p.setBrush(kGreen);
            p.drawEllipse(QRectF(2, 2, 18, 18));
            p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(11, 6.5), QPointF(11, 15.5));
            p.drawLine(QPointF(6.5, 11), QPointF(15.5, 11));
            break;
        case Tool::Modify: {
            sheet(p, QRectF(2.5, 3.5, 13, 16));
            p.save();
            p.translate(13, 11);
            p.rotate(45);
            p.setPen(QPen(kOrangeDark, 1));
            p.setBrush(kOrange);
            p.drawRect(QRectF(-2.5, -9, 5, 13));
            QPolygonF tip;
            tip << QPointF(-2.5, 4) << QPointF(2.5, 4) << QPointF(0, 8.5);
            p.setBrush(QColor(0xF6, 0xD8, 0xA8));
            p.drawPolygon(tip);
            p.restore();
            break;
        }
        case Tool::Delete:
            p.setPen(Qt::NoPen);
            p.setBrush(kRed);
            p.drawEllipse(QRectF(2, 2, 18, 18));
            p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(7.5, 7.5), QPointF(14.5, 14.5));
            p.drawLine(QPointF(14.5, 7.5), QPointF(7.5, 14.5));
            break;
        case Tool::Search:
            p.setPen(QPen(kBlue, 2.5));
            p.setBrush(QColor(0xDD, 0xEB, 0xFA));
            p.drawEllipse(QRectF(3, 3, 11, 11));
            p.setPen(QPen(kInk, 3.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(13.5, 13.5), QPointF(19, 19));
            break;
        case Tool::Refresh: {
            p.setPen(QPen(kGreen, 3, Qt::SolidLine, Qt::FlatCap));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(4, 4, 14, 14), 100 * 16, 280 * 16);
            QPolygonF head;
            head << QPointF(9, 0.5) << QPointF(15, 4.5) << QPointF(9, 8.5);
            p.setPen(Qt::NoPen);
            p.setBrush(kGreen);
            p.drawPolygon(head);
            break;
        }
        case Tool::Print:
            sheet(p, QRectF(6.5, 2.5, 9, 6));
            p.setPen(QPen(kInk, 1));
            p.setBrush(QColor(0x9A, 0xA4, 0xAE));
            p.drawRoundedRect(QRectF(2.5, 8.5, 17, 8), 2, 2);
            sheet(p, QRectF(6.5, 13.5, 9, 6));
            p.setPen(QPen(kInk, 1));
            p.drawLine(QPointF(8, 16), QPointF(14, 16));
            p.setPen(Qt::NoPen);
            p.setBrush(kGreen);
            p.drawEllipse(QRectF(15.5, 10, 2, 2));
            break;
        case Tool::Export: {
            sheet(p, QRectF(2.5, 2.5, 13, 17));
            p.setPen(QPen(kGreen, 1));
            for (qreal y = 6.5; y < 19; y += 3.5) p.drawLine(QPointF(3, y), QPointF(15, y));
            p.drawLine(QPointF(7.5, 3), QPointF(7.5, 19));
            p.setPen(QPen(kOrangeDark, 2.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(11, 14), QPointF(18.5, 14));
            QPolygonF head;
            head << QPointF(17, 10) << QPointF(21.5, 14) << QPointF(17, 18);
            p.setPen(Qt::NoPen);
            p.setBrush(kOrangeDark);
            p.drawPolygon(head);
            break;
        }
        case Tool::Sell: {
            QPolygonF tag;
            tag << QPointF(10, 2) << QPointF(20, 2) << QPointF(20, 12) << QPointF(10, 21)
                << QPointF(1, 12);
            p.setPen(QPen(kOrangeDark, 1));
            p.setBrush(kOrange);
            p.drawPolygon(tag);
            p.setBrush(Qt::white);
            p.drawEllipse(QRectF(14, 4.5, 3.5, 3.5));
            p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(7, 12), QPointF(12, 12));
            p.drawLine(QPointF(9.5, 9.5), QPointF(9.5, 14.5));
            break;
        }
        case Tool::Details:
            sheet(p, QRectF(3.5, 2.5, 15, 17));
            p.setPen(QPen(kBlue, 1.5));
            for (qreal y = 6.5; y < 18; y += 3.5) {
                p.drawPoint(QPointF(6.5, y));
                p.drawLine(QPointF(8.5, y), QPointF(16, y));
            }
            break;
        case Tool::Close: {
            p.setPen(QPen(kInk, 1));
            p.setBrush(QColor(0xE8, 0xD3, 0xB0));
            p.drawRect(QRectF(2.5, 2.5, 10, 17));
            p.setPen(QPen(kRed, 2.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(8, 11), QPointF(17, 11));
            QPolygonF head;
            head << QPointF(16, 6.5) << QPointF(21, 11) << QPointF(16, 15.5);
            p.setPen(Qt::NoPen);
            p.setBrush(kRed);
            p.drawPolygon(head);
            break;
        }
    }
}

}  // namespace

void paintBackground(QPainter& p) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(0, 0, 1000, 603), QColor(0xFF, 0xF6, 0xE3));

    QLinearGradient top(0, 0, 0, 52);
    top.setColorAt(0, QColor(0xFF, 0xFB, 0xE6));
    top.setColorAt(1, QColor(0xFF, 0xEC, 0xA8));
    p.fillRect(QRect(0, 0, 1000, 52), top);
    p.fillRect(QRect(0, 52, 1000, 1), QColor(0xF3, 0xC8, 0x6B));

    // The frame around the list area (12, 60, 976 × 505).
    p.fillRect(QRect(7, 55, 986, 515), kOrange);
    p.setPen(kOrangeDark);
    p.drawRect(QRect(7, 55, 985, 514));
    p.fillRect(QRect(12, 60, 976, 505), Qt::white);

    QLinearGradient bottom(0, 572, 0, 603);
    bottom.setColorAt(0, QColor(0xFB, 0xC2, 0x74));
    bottom.setColorAt(1, QColor(0xF5, 0xA5, 0x47));
    p.fillRect(QRect(0, 572, 1000, 31), bottom);
    p.fillRect(QRect(0, 572, 1000, 1), kOrangeDark);
    p.restore();
}

QPixmap background() {
    QPixmap pm(1000, 603);
    QPainter p(&pm);
    paintBackground(p);
    return pm;
}

QPixmap tool(Tool kind) {
    QPixmap pm = canvas(22, 22);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    drawTool(p, kind);
    return pm;
}

QPixmap iconPixmap(int size) {
    QPixmap pm = canvas(size, size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    QLinearGradient g(0, 0, 0, 64);
    g.setColorAt(0, QColor(0xF8, 0xB0, 0x4E));
    g.setColorAt(1, kOrangeDark);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    // A ledger page with a paulownia leaf.
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(13, 10, 34, 44), 3, 3);
    p.setPen(QPen(QColor(0xC9, 0x6A, 0x10), 2.5, Qt::SolidLine, Qt::RoundCap));
    for (int y = 20; y <= 44; y += 8) p.drawLine(QPointF(19, y), QPointF(41, y));
    leaf(p, QPointF(45, 44), 22, kGreen);
    return pm;
}

QIcon windowIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) icon.addPixmap(iconPixmap(size));
    return icon;
}

QPixmap logo() {
    QPixmap pm = canvas(99, 27);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 27);
    g.setColorAt(0, QColor(0xF8, 0xB0, 0x4E));
    g.setColorAt(1, kOrangeDark);
    p.setPen(QPen(kOrangeDark, 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, 98, 26), 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(4, 3.5, 20, 20));
    leaf(p, QPointF(14, 13.5), 15, kGreen);
    QFont f(QStringLiteral("宋体"));
    f.setPixelSize(15);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(27, 0, 70, 27), Qt::AlignCenter, QStringLiteral("岚桐软件"));
    return pm;
}

QPixmap closeMark() {
    QPixmap pm = canvas(16, 16);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kOrangeDark, 1));
    p.setBrush(QColor(0xFF, 0xF1, 0xDC));
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    p.setPen(QPen(kRed, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4.5, 4.5), QPointF(11.5, 11.5));
    p.drawLine(QPointF(11.5, 4.5), QPointF(4.5, 11.5));
    return pm;
}

}  // namespace listui::Pictures
