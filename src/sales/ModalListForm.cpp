#include "ModalListForm.h"

#include <QEventLoop>
#include <QKeyEvent>

#include "ListFrame.h"

ModalListForm::ModalListForm(QWidget* parent) : QDialog(parent) {
    setWindowModality(Qt::ApplicationModal);
    Frame = listui::ListFrame::fillDialog(this);
}

void ModalListForm::showModal() {
    if (m_loop) return;
    QEventLoop loop;
    m_loop = &loop;
    QPointer<ModalListForm> guard(this);
    show();
    // Shown means brought to the front to be worked in, with or without a
    // window manager to do it.
    activateWindow();
    loop.exec(QEventLoop::DialogExec);
    if (guard) m_loop = nullptr;
}

void ModalListForm::done(int result) {
    QDialog::done(result);
    if (m_loop) m_loop->exit(result);
}

void ModalListForm::reject() {
    if (m_cameFrom) {
        m_cameFrom->show();
        m_cameFrom->activateWindow();
    }
    QDialog::reject();
}

void ModalListForm::setWindows(QWidget* mainWindow, QWidget* cameFrom) {
    m_mainWindow = mainWindow;
    m_cameFrom = cameFrom;
}

void ModalListForm::quitProgram() {
    if (m_mainWindow) m_mainWindow->close();
}

void ModalListForm::showEvent(QShowEvent* event) {
    listui::centreOnDesktop(this);
    QDialog::showEvent(event);
}

void ModalListForm::keyPressEvent(QKeyEvent* event) {
    // Escape does not leave the window; only its own commands do.
    if (event->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(event);
}
