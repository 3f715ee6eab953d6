#include "AppTestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "Application.h"

MessageLog::MessageLog(bool answer) {
    listui::Messages::setResponder([this, answer](const listui::Messages::Request& r) {
        requests << r;
        return answer;
    });
}

MessageLog::~MessageLog() {
    listui::Messages::setResponder(nullptr);
}

WorkingDirectory::WorkingDirectory(const QString& dir) : m_previous(QDir::currentPath()) {
    QDir::setCurrent(dir);
}

WorkingDirectory::~WorkingDirectory() {
    QDir::setCurrent(m_previous);
}

UiScript& UiScript::step(const QString& name, std::function<bool()> ready,
                         std::function<void()> act) {
    m_steps.append({name, std::move(ready), std::move(act)});
    return *this;
}

void UiScript::start(int timeoutMs) {
    m_timeoutMs = timeoutMs;
    m_clock.start();
    m_timer.setInterval(5);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { tick(); });
    m_timer.start();
}

void UiScript::tick() {
    if (done()) {
        m_timer.stop();
        return;
    }
    Step& s = m_steps[m_next];
    if (!s.ready()) {
        if (m_clock.elapsed() > m_timeoutMs) {
            m_timedOut = s.name;
            m_timer.stop();
            ADD_FAILURE() << "timed out waiting for: " << s.name.toStdString();
            QCoreApplication::exit(99);
        }
        return;
    }
    ++m_next;
    // From a timer of its own: a timer does not fire again while its slot
    // runs, and the action may start a modal run in which this one ticks on.
    QTimer::singleShot(0, &m_timer, s.act);
}

bool activeAndVisible(QWidget* w) {
    return w && w->isVisible() && QApplication::activeWindow() == w;
}

int gridRows(QWidget* window) {
    auto* grid = window->findChild<QTableView*>(QStringLiteral("DBGridEh1"));
    return grid ? grid->model()->rowCount() : -1;
}

void typeText(QLineEdit* edit, const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(edit, char(c.unicode()));
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(QString(c));
            QCoreApplication::sendEvent(edit, &commit);
        }
    }
}

namespace {

// The program writes its launcher to the desktop at every start: keep it,
// and its icon, out of the real home folder.
class TemporaryHome : public ::testing::Environment {
public:
    void SetUp() override {
        m_home = std::make_unique<QTemporaryDir>();
        qputenv("HOME", m_home->path().toUtf8());
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_DATA_HOME");
        QDir(m_home->path()).mkpath(QStringLiteral("Desktop"));
        app::initialise(*qApp);
    }
    void TearDown() override { m_home.reset(); }

private:
    std::unique_ptr<QTemporaryDir> m_home;
};

[[maybe_unused]] ::testing::Environment* const kHome =
    ::testing::AddGlobalTestEnvironment(new TemporaryHome);

}  // namespace
