#include "ListFrame.h"

#include <QAbstractScrollArea>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include "FloatingPanel.h"
#include "PanelWidgets.h"

namespace listui {

ListFrame::ListFrame(QWidget* parent) : QWidget(parent) {
    setFixedSize(Width, Height);
    m_listArea = new QWidget(this);
    m_listArea->setObjectName(QStringLiteral("Panel1"));
    m_listArea->setGeometry(ListRect);
    m_listArea->setAutoFillBackground(true);
    QPalette pal = m_listArea->palette();
    pal.setColor(QPalette::Window, Qt::white);
    m_listArea->setPalette(pal);
    auto* layout = new QVBoxLayout(m_listArea);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
}

ListFrame::~ListFrame() {
    // The clickable children outlive this part of the frame.
    for (QObject* o : m_clicks.keys()) disconnect(o, &QObject::destroyed, this, nullptr);
}

ListFrame* ListFrame::fillDialog(QDialog* dialog) {
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    auto* frame = new ListFrame(dialog);
    auto* layout = new QVBoxLayout(dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(frame);
    return frame;
}

QToolButton* ListFrame::addSpeedButton(int number, int left, const QString& caption,
                                       Pictures::Tool picture) {
    auto* b = new QToolButton(this);
    b->setObjectName(QStringLiteral("SpeedButton%1").arg(number));
    b->setGeometry(left, 7, 105, 33);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setCursor(Qt::PointingHandCursor);
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setIcon(QIcon(Pictures::tool(picture)));
    b->setIconSize(QSize(22, 22));
    b->setFont(simSun(15, true));
    b->setText(caption);
    return b;
}

QToolButton* ListFrame::speedButton(int number) const {
    return findChild<QToolButton*>(QStringLiteral("SpeedButton%1").arg(number),
                                   Qt::FindDirectChildrenOnly);
}

void ListFrame::addSpeedButtons(QObject* owner, int firstLeft,
                                std::initializer_list<ToolItem> tools) {
    int number = 1;
    for (const ToolItem& t : tools) {
        *t.button = addSpeedButton(number, firstLeft + 112 * (number - 1),
                                   QString::fromUtf8(t.caption), t.picture);
        connect(*t.button, &QToolButton::clicked, owner, t.handler);
        ++number;
    }
}

FloatingPanel* ListFrame::addPanel(const QString& name, QPoint opening, QSize size, QPoint closeAt,
                                   const QString& closeName) {
    auto* panel = new FloatingPanel(m_listArea, opening);
    panel->setObjectName(name);
    panel->resize(size);
    panel->setFont(simSun(13));
    panel->setClosePicturePosition(closeAt);
    panel->closePicture()->setObjectName(closeName);
    return panel;
}

void ListFrame::setList(QWidget* list) {
    list->setParent(m_listArea);
    m_listArea->layout()->addWidget(list);
    list->lower();  // the floating panels stay above it
}

void ListFrame::makeClickable(QWidget* widget, std::function<void()> onClick) {
    widget->setCursor(Qt::PointingHandCursor);
    widget->installEventFilter(this);
    m_clicks.insert(widget, std::move(onClick));
    connect(widget, &QObject::destroyed, this, [this](QObject* o) { m_clicks.remove(o); });
}

QLabel* ListFrame::addExitLabel(std::function<void()> onClick) {
    auto* label = new QLabel(QStringLiteral("【退出软件】"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setFont(simSun(13, true));
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, QColor(0xA0, 0x20, 0x10));
    label->setPalette(pal);
    label->move(888, 16);
    label->adjustSize();
    makeClickable(label, std::move(onClick));
    return label;
}

QMenu* ListFrame::buildPopup(QWidget* owner, QWidget* list,
                             std::initializer_list<PopupItem> items) {
    auto* menu = new QMenu(owner);
    menu->setObjectName(QStringLiteral("PopupMenu1"));
    for (const PopupItem& item : items) {
        if (!item.caption) {
            menu->addSeparator();
            continue;
        }
        QAction* a = menu->addAction(QString::fromUtf8(item.caption));
        a->setObjectName(QString::fromLatin1(item.name));
        QObject::connect(a, &QAction::triggered, owner, item.handler);
        if (item.action) *item.action = a;
    }
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(list, &QWidget::customContextMenuRequested, menu, [menu, list](QPoint pos) {
        // Scroll areas report the position in their viewport.
        auto* area = qobject_cast<QAbstractScrollArea*>(list);
        menu->popup((area ? area->viewport() : list)->mapToGlobal(pos));
    });
    return menu;
}

bool ListFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* e = static_cast<QMouseEvent*>(event);
        auto* w = qobject_cast<QWidget*>(watched);
        auto it = m_clicks.constFind(watched);
        if (it != m_clicks.constEnd() && w && e->button() == Qt::LeftButton &&
            w->rect().contains(e->position().toPoint())) {
            const auto onClick = it.value();  // the handler may end this frame's life
            onClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ListFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Pictures::paintBackground(p);
}

void centreOnDesktop(QWidget* window) {
    static const char* const placed = "lantongPlaced";
    if (window->property(placed).toBool()) return;
    window->setProperty(placed, true);
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    // The frame is only known once shown; until then assume the client size.
    const QRect frame = window->frameGeometry();
    const QRect area = screen->availableGeometry();
    const QPoint topLeft(area.x() + (area.width() - frame.width()) / 2,
                         area.y() + (area.height() - frame.height()) / 2);
    window->move(topLeft);
}

}  // namespace listui
