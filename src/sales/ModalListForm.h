#pragma once

#include <QDialog>

class QEventLoop;

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

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QEventLoop* m_loop = nullptr;
};
