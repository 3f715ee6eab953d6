#include "Application.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>

#include "Dy1Unit.h"
#include "Dy2Unit.h"
#include "DyUnit.h"
#include "JbzlUnit.h"
#include "MainUnit.h"
#include "Messages.h"
#include "Pictures.h"
#include "StoreError.h"
#include "XsmxUnit.h"
#include "XsxxUnit.h"

namespace app {

bool displayAvailable() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

QString noDisplayMessage() {
    return QStringLiteral(
        "岚桐进销存管理软件需要图形显示环境，但没有找到显示器（DISPLAY 未设置）。\n"
        "可以在虚拟显示器 Xvfb 下运行：xvfb-run -a ./run  或  xvfb-run -a build/bin/lantong\n"
        "This program needs a display, but none was found (DISPLAY is not set).\n"
        "Run it under Xvfb: xvfb-run -a ./run  or  xvfb-run -a build/bin/lantong\n");
}

void initialise(QApplication& application) {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    // The standard dialogs and the print preview speak Chinese.
    auto* translator = new QTranslator(&application);
    if (translator->load(QStringLiteral("qtbase_zh_CN"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    // Fontconfig would give SimSun a Latin serif face.
    const QStringList song{QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Serif CJK SC"),
                           QStringLiteral("Noto Sans CJK SC")};
    QFont::insertSubstitutions(QStringLiteral("宋体"), song);
    QFont::insertSubstitutions(QStringLiteral("SimSun"), song);
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(12);
    QApplication::setFont(font);
    QApplication::setWindowIcon(listui::Pictures::windowIcon());
    // Only the main window's closing ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
}

Application::Application() = default;

Application::~Application() {
    destroyWindows();
}

void Application::destroyWindows() {
    // Last created, first gone; hidden first so that nothing runs a leaving step.
    for (QWidget* w : windows()) w->hide();
    m_dy2.reset();
    m_xsmx.reset();
    m_dy.reset();
    m_jbzl.reset();
    m_dy1.reset();
    m_xsxx.reset();
    m_main.reset();
}

QList<QWidget*> Application::windows() const {
    QList<QWidget*> out;
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_main.get(), m_xsxx.get(), m_dy1.get(), m_jbzl.get(),
                                         m_dy.get(), m_xsmx.get(), m_dy2.get()})
        if (w) out << w;
    return out;
}

template <class Form>
void Application::create(std::unique_ptr<Form>& slot) {
    slot = std::make_unique<Form>();
    if (m_hook) m_hook(slot.get());
}

void Application::fail(const QString& message) {
    destroyWindows();
    listui::Messages::show(nullptr, message, listui::Messages::Buttons::Ok,
                           listui::Messages::Icon::Critical, QStringLiteral("Application Error"));
}

bool Application::createWindows() {
    try {
        create(m_main);
        create(m_xsxx);
        create(m_dy1);
        create(m_jbzl);
        create(m_dy);
        create(m_xsmx);
        create(m_dy2);
    } catch (const store::Error& e) {
        fail(e.message());
        return false;
    } catch (const std::exception& e) {
        fail(QString::fromLocal8Bit(e.what()));
        return false;
    }
    // Ends every loop: the modal runs of the sales windows end too, without
    // their leaving steps.
    QObject::connect(m_main.get(), &TMainForm::closed, [] { QCoreApplication::exit(0); });
    m_main->setNavigation(m_xsxx.get(), m_jbzl.get());
    m_xsxx->setNavigation(m_main.get(), m_xsmx.get());
    m_xsmx->setNavigation(m_main.get(), m_xsxx.get());
    return true;
}

int Application::exec() {
    if (!createWindows()) return 1;
    m_main->show();
    m_main->activateWindow();  // also where no window manager does it
    const int status = QApplication::exec();
    // The sales windows may still be up after "【退出软件】"; they just go.
    for (QWidget* w : windows()) w->hide();
    return status;
}

}  // namespace app
