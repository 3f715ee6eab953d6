#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QTimer>
#include <functional>

#include "Messages.h"

class QLineEdit;
class QWidget;

// Every message box of a test, answered OK (or as told) and kept for checks.
class MessageLog {
public:
    explicit MessageLog(bool answer = true);
    ~MessageLog();
    QList<listui::Messages::Request> requests;
};

// Sets the working directory for a test's life.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const QString& dir);
    ~WorkingDirectory();

private:
    QString m_previous;
};

// The user of a test: steps that each wait until their condition holds and
// then act. Steps run from a timer, so an action may start a modal run and
// the following steps then run inside it. Give up after `timeoutMs`,
// ending every event loop with status 99.
class UiScript {
public:
    UiScript& step(const QString& name, std::function<bool()> ready, std::function<void()> act);
    UiScript& then(const QString& name, std::function<void()> act) {
        return step(
            name, [] { return true; }, std::move(act));
    }
    void start(int timeoutMs = 15000);
    bool done() const { return m_next == m_steps.size(); }
    // The step that was awaited when time ran out, or empty.
    const QString& timedOut() const { return m_timedOut; }

private:
    struct Step {
        QString name;
        std::function<bool()> ready;
        std::function<void()> act;
    };
    void tick();

    QList<Step> m_steps;
    qsizetype m_next = 0;
    QTimer m_timer;
    QElapsedTimer m_clock;
    int m_timeoutMs = 0;
    QString m_timedOut;
};

// True when `w` is shown and is the application's active window.
bool activeAndVisible(QWidget* w);
// The number of rows the grid of a list window shows.
int gridRows(QWidget* window);
// Types like a user: Latin characters as keys, others committed by an input method.
void typeText(QLineEdit* edit, const QString& text);
