#include "Messages.h"

#include <QMessageBox>
#include <QPushButton>

#include "StoreError.h"

namespace listui {
namespace {

Messages::Responder& responder() {
    static Messages::Responder r;
    return r;
}

}  // namespace

bool Messages::show(QWidget* parent, const QString& text, Buttons buttons, Icon icon, const QString& title) {
    const Request request{title.isEmpty() ? QStringLiteral("提示") : title, text, buttons, icon};
    if (responder()) return responder()(request);

    QMessageBox box(parent);
    box.setWindowTitle(request.title);
    box.setText(text);
    switch (icon) {
        case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
        case Icon::Information: box.setIcon(QMessageBox::Information); break;
        case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
        case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    QPushButton* ok = box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
    if (buttons == Buttons::OkCancel) {
        QPushButton* cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
        box.setEscapeButton(cancel);
    } else {
        box.setEscapeButton(ok);
    }
    box.setDefaultButton(ok);
    box.exec();
    return box.clickedButton() == ok;
}

void Messages::error(QWidget* parent, const QString& text) {
    show(parent, text, Buttons::Ok, Icon::Critical);
}

void Messages::setResponder(Responder r) { responder() = std::move(r); }

void guard(QWidget* parent, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const store::Error& e) {
        Messages::error(parent, e.message());
    }
}

}  // namespace listui
