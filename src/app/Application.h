#pragma once

#include <QList>
#include <QWidget>
#include <functional>
#include <memory>

class QApplication;
class TMainForm;
class TXsxxForm;
class TDy1Form;
class TJbzlForm;
class TDyForm;
class TXsmxForm;
class TDy2Form;

namespace app {

// True when a window system is at hand (an X or Wayland display, or a Qt
// platform named explicitly). Without one Qt would abort at start-up.
bool displayAvailable();
// The message for a start without a display, in Chinese and English.
QString noDisplayMessage();

// Style, translations of the standard dialogs, and the "宋体" font.
void initialise(QApplication& application);

// The program's life: the seven windows created once, in a fixed order, and
// kept until the end; the main window shown; the loop run until the main
// window closes.
class Application {
public:
    Application();
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Called right after each window is created, in creation order.
    void setCreationHook(std::function<void(QWidget*)> hook) { m_hook = std::move(hook); }

    // Creates the seven windows. A store error ends it with the "Application
    // Error" box and no window; false then.
    bool createWindows();
    // createWindows(), then the main window and the message loop. The exit
    // status: 0 when the main window closed, 1 when the start failed.
    int exec();

    TMainForm* mainForm() const { return m_main.get(); }
    TXsxxForm* xsxxForm() const { return m_xsxx.get(); }
    TDy1Form* dy1Form() const { return m_dy1.get(); }
    TJbzlForm* jbzlForm() const { return m_jbzl.get(); }
    TDyForm* dyForm() const { return m_dy.get(); }
    TXsmxForm* xsmxForm() const { return m_xsmx.get(); }
    TDy2Form* dy2Form() const { return m_dy2.get(); }
    // The windows created so far, in creation order.
    QList<QWidget*> windows() const;

private:
    template <class Form>
    void create(std::unique_ptr<Form>& slot);
    void destroyWindows();
    void fail(const QString& message);

    std::function<void(QWidget*)> m_hook;
    std::unique_ptr<TMainForm> m_main;
    std::unique_ptr<TXsxxForm> m_xsxx;
    std::unique_ptr<TDy1Form> m_dy1;
    std::unique_ptr<TJbzlForm> m_jbzl;
    std::unique_ptr<TDyForm> m_dy;
    std::unique_ptr<TXsmxForm> m_xsmx;
    std::unique_ptr<TDy2Form> m_dy2;
};

}  // namespace app
