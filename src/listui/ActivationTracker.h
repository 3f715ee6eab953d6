#pragma once

#include <QHash>
#include <QObject>
#include <functional>

class QWidget;

namespace listui {

// Tells the list windows when they become active in the program's sense:
// shown for the first time, or focused coming from another window of the
// program. Coming back from a message box, a file dialog or another
// application is not becoming active, although the window system reports an
// activation then too; so the tracker remembers the last activated window
// that the program registered, and unregistered windows never count.
class ActivationTracker : public QObject {
    Q_OBJECT
public:
    static ActivationTracker& instance();

    // Registers a window of the program (the seven forms, print previews).
    // onBecomingActive, if given, runs each time the window becomes active.
    void registerWindow(QWidget* window, std::function<void()> onBecomingActive = {});
    void unregisterWindow(QWidget* window);

    // The registered window activated last, or nullptr.
    QWidget* lastActive() const { return m_last; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ActivationTracker() = default;
    void forget(QObject* window);

    QHash<QObject*, std::function<void()>> m_windows;
    QWidget* m_last = nullptr;
};

}  // namespace listui
