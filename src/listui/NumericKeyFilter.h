#pragma once

#include <QObject>

class QLineEdit;

namespace listui {

// The key filter of the panels' number fields. Of the characters typed,
// only Backspace, the digits and "." reach the field, and "." only while the
// text holds no "." yet (whatever is selected). Keys that type no character
// (arrows, Delete, Home, End) work as usual; the shortcuts Ctrl+C, Ctrl+X,
// Ctrl+V, Ctrl+Z and Ctrl+A type control characters and so do nothing.
// Pasting through the field's own context menu is not filtered.
class NumericKeyFilter : public QObject {
    Q_OBJECT
public:
    explicit NumericKeyFilter(QObject* parent = nullptr);

    // Filters the field's typing (the filter may serve several fields).
    void attach(QLineEdit* edit);
    // A filter of the field's own, owned by the field.
    static NumericKeyFilter* attachTo(QLineEdit* edit);

    // Whether one typed character may reach a field holding `text`.
    static bool accepts(QChar typed, const QString& text);

    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace listui
