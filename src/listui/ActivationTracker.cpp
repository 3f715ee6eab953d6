#include "ActivationTracker.h"

#include <QEvent>
#include <QWidget>

namespace listui {

ActivationTracker& ActivationTracker::instance() {
    static ActivationTracker* tracker = new ActivationTracker;  // lives as long as the process
    return *tracker;
}

void ActivationTracker::registerWindow(QWidget* window, std::function<void()> onBecomingActive) {
    if (!m_windows.contains(window)) {
        window->installEventFilter(this);
        connect(window, &QObject::destroyed, this, &ActivationTracker::forget);
    }
    m_windows.insert(window, std::move(onBecomingActive));
}

void ActivationTracker::unregisterWindow(QWidget* window) {
    if (!m_windows.contains(window)) return;
    window->removeEventFilter(this);
    disconnect(window, &QObject::destroyed, this, &ActivationTracker::forget);
    forget(window);
}

void ActivationTracker::forget(QObject* window) {
    m_windows.remove(window);
    // Gone windows count as another window: whoever is activated next reloads.
    if (m_last == window) m_last = nullptr;
}

bool ActivationTracker::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        auto it = m_windows.constFind(watched);
        if (it != m_windows.constEnd() && m_last != watched) {
            // Set before the handler runs: an error box it shows hands the
            // focus back to this same window, which must not reload again.
            m_last = static_cast<QWidget*>(watched);
            if (const auto handler = it.value()) handler();
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace listui
