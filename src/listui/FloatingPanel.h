#pragma once

#include <QFrame>
#include <QPoint>

class QLabel;

namespace listui {

// A panel floating over a list area: a raised frame with a lowered inner
// bevel, hidden until opened, not modal (the grid beside it stays usable).
// open() puts it at its opening position on top. The mouse over its free
// area is the four-way move cursor and a left-button drag there moves it;
// the close picture (tooltip "关闭", hand cursor) hides it and nothing else.
class FloatingPanel : public QFrame {
    Q_OBJECT
public:
    explicit FloatingPanel(QWidget* listArea, const QPoint& openingPosition = QPoint());

    void setOpeningPosition(const QPoint& position) { m_opening = position; }
    QPoint openingPosition() const { return m_opening; }

    // The close picture's top left, in panel coordinates. Until it is set
    // the picture keeps to the panel's top right corner.
    void setClosePicturePosition(const QPoint& position);
    QLabel* closePicture() const { return m_close; }

    // Back at the opening position, shown, on top.
    void open();

    // The 16×16 picture: a red × on white.
    static QPixmap closePixmap();

signals:
    // The close picture was clicked (the panel is hidden already).
    void closeClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeClosePicture();

    QPoint m_opening;
    QLabel* m_close = nullptr;
    bool m_closePlaced = false;
    bool m_closePressed = false;
    bool m_dragging = false;
    QPoint m_grabOffset;  // where the panel was taken, in its own coordinates
};

}  // namespace listui
