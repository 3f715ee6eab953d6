#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace listui {

// Every message box of the program goes through here, so tests can answer
// them. Boxes are titled "提示" unless a caller names another title.
class Messages {
public:
    enum class Buttons { Ok, OkCancel };
    enum class Icon { None, Information, Warning, Critical };

    struct Request {
        QString title;
        QString text;
        Buttons buttons;
        Icon icon;
    };
    // Returns true for OK.
    using Responder = std::function<bool(const Request&)>;

    // Shows a box; true when the user answered OK.
    static bool show(QWidget* parent, const QString& text, Buttons buttons = Buttons::Ok,
                     Icon icon = Icon::None, const QString& title = QString());
    // The general error report: the error's text, OK, a stop icon.
    static void error(QWidget* parent, const QString& text);

    // Tests install a responder that answers instead of a real box; pass
    // nullptr to go back to real boxes.
    static void setResponder(Responder responder);
};

// Runs a command handler; a store error ends it with the general error
// report, and the window carries on.
void guard(QWidget* parent, const std::function<void()>& handler);

}  // namespace listui
