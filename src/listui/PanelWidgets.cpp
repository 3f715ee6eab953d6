#include "PanelWidgets.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace listui {

QFont simSun(int pixels, bool bold) {
    QFont f(QStringLiteral("宋体"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QLabel* addCaption(QWidget* panel, FieldFace face, const QString& text, int fieldLeft, int top) {
    auto* label = new QLabel(text, panel);
    if (face == FieldFace::Bordered)
        label->setGeometry(fieldLeft - 64, top, 58, 21);
    else
        label->setGeometry(fieldLeft - 58, top, 54, 21);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QLineEdit* addField(QWidget* panel, FieldFace face, const QString& name, const QString& caption,
                    int left, int top, int width, bool readOnly) {
    addCaption(panel, face, caption, left, top);
    auto* edit = new QLineEdit(panel);
    edit->setObjectName(name);
    edit->setGeometry(left, top, width, 21);
    edit->setReadOnly(readOnly);
    if (face == FieldFace::Bordered) {
        edit->setStyleSheet(
            QStringLiteral("QLineEdit { border: 1px solid #7f7f7f; padding: 0 2px; }"));
    } else if (readOnly) {
        QPalette pal = edit->palette();
        pal.setColor(QPalette::Base, pal.color(QPalette::Button));
        edit->setPalette(pal);
    }
    return edit;
}

void addFields(QWidget* panel, FieldFace face, std::initializer_list<FieldSpec> fields) {
    for (const FieldSpec& f : fields)
        *f.edit = addField(panel, face, QString::fromLatin1(f.name), QString::fromUtf8(f.caption),
                           f.left, f.top, f.width, f.readOnly);
}

QLabel* addGroupNumber(QWidget* panel, const QString& number, const QString& hint, int top,
                       const QString& name) {
    auto* label = new QLabel(number, panel);
    label->setObjectName(name);
    label->setFont(simSun(16, true));
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(pal);
    label->setToolTip(hint);
    label->setGeometry(8, top, 20, 21);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QFrame* addRule(QWidget* panel, const QString& name, int top) {
    auto* line = new QFrame(panel);
    line->setObjectName(name);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    line->setLineWidth(1);
    line->setGeometry(0, top, panel->width(), 2);
    return line;
}

QPushButton* addButton(QWidget* panel, const QString& name, const QString& text, int left,
                       int top) {
    auto* button = new QPushButton(text, panel);
    button->setObjectName(name);
    button->setGeometry(left, top, 57, 22);
    button->setCursor(Qt::ArrowCursor);  // not a floating panel's move cursor
    return button;
}

}  // namespace listui
