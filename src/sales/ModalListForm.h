#pragma once

#include <QDialog>
#include <QPointer>

class QEventLoop;
namespace listui {
class ListFrame;
}

// A list window that runs modally in place of the window it came from. Its
// modal run survives the window being hidden while a further window runs in
// its place (QDialog::exec would end there), and ends only when the window
// is left (done) or the program ends.
class ModalListForm : public QDialog {
    Q_OBJECT
public:
    explicit ModalListForm(QWidget* parent = nullptr);

    // Shows the window application-modal and returns when its run ends.
    void showModal();
    bool inModalRun() const { return m_loop != nullptr; }

    void done(int result) override;

    // The whole client area: toolbar, list and floating panels.
    listui::ListFrame* Frame;

public slots:
    // Leaving the window, by any way but "【退出软件】": the window it came
    // from comes back first, then the modal run ends.
    void reject() override;

protected:
    // The main window, closed to end the program, and the window this one
    // runs in place of.
    void setWindows(QWidget* mainWindow, QWidget* cameFrom);
    // "【退出软件】": closing the main window ends the program.
    void quitProgram();

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QEventLoop* m_loop = nullptr;
    QPointer<QWidget> m_mainWindow;
    QPointer<QWidget> m_cameFrom;
};
