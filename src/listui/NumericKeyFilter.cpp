#include "NumericKeyFilter.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace listui {
namespace {

constexpr char16_t kBackspace = 8;

// Keys that move the caret or edit without typing a character.
bool typesNoCharacter(int key) {
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Delete:
        case Qt::Key_Insert:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_Meta:
        case Qt::Key_AltGr:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
            return true;
        default:
            return key >= Qt::Key_F1 && key <= Qt::Key_F35;
    }
}

// Ctrl with a letter (or @ [ \ ] ^ _) types a control character, whatever
// text the platform attaches to the event.
bool typesControlCharacter(const QKeyEvent* ke) {
    const auto mods = ke->modifiers();
    if (!(mods & Qt::ControlModifier) || (mods & Qt::AltModifier)) return false;
    const int key = ke->key();
    return (key >= Qt::Key_A && key <= Qt::Key_Z) || key == Qt::Key_At ||
           key == Qt::Key_BracketLeft || key == Qt::Key_Backslash || key == Qt::Key_BracketRight ||
           key == Qt::Key_AsciiCircum || key == Qt::Key_Underscore;
}

}  // namespace

NumericKeyFilter::NumericKeyFilter(QObject* parent) : QObject(parent) {}

void NumericKeyFilter::attach(QLineEdit* edit) {
    if (edit) edit->installEventFilter(this);
}

NumericKeyFilter* NumericKeyFilter::attachTo(QLineEdit* edit) {
    auto* filter = new NumericKeyFilter(edit);
    filter->attach(edit);
    return filter;
}

bool NumericKeyFilter::accepts(QChar typed, const QString& text) {
    if (typed.unicode() == kBackspace) return true;
    if (typed >= u'0' && typed <= u'9') return true;
    if (typed == u'.') return !text.contains(u'.');
    return false;
}

bool NumericKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit) return false;

    if (event->type() == QEvent::KeyPress) {
        auto* ke = static_cast<QKeyEvent*>(event);
        if (typesNoCharacter(ke->key())) return false;
        if (ke->key() == Qt::Key_Backspace) return false;
        if (typesControlCharacter(ke)) return true;
        const QString typed = ke->text();
        if (typed.isEmpty()) return false;
        QString text = edit->text();
        for (QChar c : typed) {
            if (!accepts(c, text)) return true;
            text += c;
        }
        return false;
    }

    // Text committed by an input method is typed text too.
    if (event->type() == QEvent::InputMethod) {
        auto* ime = static_cast<QInputMethodEvent*>(event);
        const QString commit = ime->commitString();
        if (commit.isEmpty()) return false;
        QString allowed;
        QString text = edit->text();
        for (QChar c : commit) {
            if (c.unicode() == kBackspace || !accepts(c, text)) continue;
            allowed += c;
            text += c;
        }
        if (allowed == commit) return false;
        QInputMethodEvent filtered(ime->preeditString(), ime->attributes());
        filtered.setCommitString(allowed, ime->replacementStart(), ime->replacementLength());
        QCoreApplication::sendEvent(edit, &filtered);
        return true;
    }
    return false;
}

}  // namespace listui
