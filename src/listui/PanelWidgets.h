#pragma once

#include <QFont>
#include <QString>
#include <initializer_list>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The small parts the windows build their panels from.
namespace listui {

// 宋体 at a pixel size: the windows' own font.
QFont simSun(int pixels, bool bold = false);

// The two faces of a panel's fields. Bordered: a thin grey line round the
// field, the caption 64 pixels to its left (purchase and company windows).
// Sunken: the plain field, read-only ones in the grey of a button face, the
// caption 58 pixels to its left (sales windows).
enum class FieldFace { Bordered, Sunken };

// A caption right-aligned on a field's line, ending just left of the field.
QLabel* addCaption(QWidget* panel, FieldFace face, const QString& text, int fieldLeft, int top);

// A single-line field, 21 pixels high, with its caption.
QLineEdit* addField(QWidget* panel, FieldFace face, const QString& name, const QString& caption,
                    int left, int top, int width, bool readOnly = false);

// One row of a table of fields.
struct FieldSpec {
    QLineEdit** edit;
    const char* name;
    const char* caption;
    int left, top, width;
    bool readOnly = false;
};
// The fields in the given order, which is their tab order.
void addFields(QWidget* panel, FieldFace face, std::initializer_list<FieldSpec> fields);

// The red circled number at a group's left edge, its hint naming the group.
QLabel* addGroupNumber(QWidget* panel, const QString& number, const QString& hint, int top,
                       const QString& name = QString());

// A thin rule across the whole panel between two groups.
QFrame* addRule(QWidget* panel, const QString& name, int top);

// A 57 × 22 push button.
QPushButton* addButton(QWidget* panel, const QString& name, const QString& text, int left, int top);

}  // namespace listui
