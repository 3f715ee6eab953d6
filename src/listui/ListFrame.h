#pragma once

#include <QHash>
#include <QWidget>
#include <functional>
#include <initializer_list>

#include "Pictures.h"

class QAction;
class QDialog;
class QLabel;
class QMenu;
class QToolButton;

namespace listui {

class FloatingPanel;

// The client area shared by the three list windows: 1000 × 603 pixels with
// the background picture, a row of flat toolbar buttons along the top and the
// white list area (Panel1) at 12, 60, 976 × 505 that the grid fills. The
// floating panels are children of the list area, drawn over the grid.
class ListFrame : public QWidget {
    Q_OBJECT
public:
    static constexpr int Width = 1000;
    static constexpr int Height = 603;
    static constexpr QRect ListRect{12, 60, 976, 505};

    explicit ListFrame(QWidget* parent = nullptr);
    ~ListFrame() override;

    // Makes `dialog` a fixed list window with only a close box, this frame
    // being its whole client area.
    static ListFrame* fillDialog(QDialog* dialog);

    // A flat toolbar button (105 × 33, picture and bold caption, hand cursor)
    // at (left, 7), named SpeedButton<number>.
    QToolButton* addSpeedButton(int number, int left, const QString& caption,
                                Pictures::Tool picture);
    QToolButton* speedButton(int number) const;

    // One toolbar button, numbered by its place in the row.
    struct ToolItem {
        QToolButton** button;
        const char* caption;
        Pictures::Tool picture;
        std::function<void()> handler;
    };
    // The toolbar: SpeedButton1, 2, ... from `firstLeft` on, 112 pixels apart,
    // a click calling the handler in `owner`.
    void addSpeedButtons(QObject* owner, int firstLeft, std::initializer_list<ToolItem> tools);

    QWidget* listArea() const { return m_listArea; }
    // Puts the list widget into the list area, filling it.
    void setList(QWidget* list);

    // A floating panel over the list area in 宋体 13 pixels, its close picture
    // at `closeAt` named `closeName`.
    FloatingPanel* addPanel(const QString& name, QPoint opening, QSize size, QPoint closeAt,
                            const QString& closeName);

    // Makes a child act on a left click, with the hand cursor.
    void makeClickable(QWidget* widget, std::function<void()> onClick);
    // The label "【退出软件】" at the top right (Label1).
    QLabel* addExitLabel(std::function<void()> onClick);

    // One entry of a context menu; an entry without a caption is a separator.
    struct PopupItem {
        QAction** action = nullptr;
        const char* name = nullptr;  // N1, N2, ...
        const char* caption = nullptr;
        std::function<void()> handler;
    };
    // The list's context menu (PopupMenu1), shown on a right click on `list`.
    static QMenu* buildPopup(QWidget* owner, QWidget* list, std::initializer_list<PopupItem> items);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_listArea;
    QHash<QObject*, std::function<void()>> m_clicks;
};

// Places a window in the centre of the desktop of its screen the first time
// it is shown; afterwards it stays where the user puts it.
void centreOnDesktop(QWidget* window);

}  // namespace listui
