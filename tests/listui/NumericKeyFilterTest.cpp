#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <variant>

#include "NumericKeyFilter.h"

namespace {

// One step typed into the field: characters as typed, or one key with modifiers.
struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers mods = Qt::NoModifier;
};
using Step = std::variant<QString, Key>;

struct Case {
    const char* name;
    QString start;
    std::vector<Step> steps;
    QString expected;
};

void run(QLineEdit& edit, const std::vector<Step>& steps) {
    for (const Step& s : steps) {
        if (auto* chars = std::get_if<QString>(&s))
            QTest::keyClicks(&edit, *chars);
        else
            QTest::keyClick(&edit, std::get<Key>(s).key, std::get<Key>(s).mods);
    }
}

const Key Left{Qt::Key_Left};
const Key Home{Qt::Key_Home};
const Key End{Qt::Key_End};
const Key Del{Qt::Key_Delete};
const Key Backspace{Qt::Key_Backspace};
const Key CtrlA{Qt::Key_A, Qt::ControlModifier};
const Key CtrlV{Qt::Key_V, Qt::ControlModifier};
const Key CtrlX{Qt::Key_X, Qt::ControlModifier};
const Key CtrlZ{Qt::Key_Z, Qt::ControlModifier};
const Key ShiftEnd{Qt::Key_End, Qt::ShiftModifier};

}  // namespace

TEST(NumericKeyFilter, TypedSequences) {
    const std::vector<Case> cases{
        {"second point refused", "", {QString("1.2.3")}, "1.23"},
        {"point may come first", "", {QString(".5")}, ".5"},
        {"minus refused", "", {QString("-7")}, "7"},
        {"blank refused", "", {QString("1 2")}, "12"},
        {"letters refused", "", {QString("a1b2E3")}, "123"},
        {"other symbols refused", "", {QString("1,5+2")}, "152"},
        {"backspace works", "", {QString("123"), Backspace}, "12"},
        {"arrows move the caret", "", {QString("12"), Left, Left, QString("3")}, "312"},
        {"home and end", "", {QString("12"), Home, QString("0"), End, QString("9")}, "0129"},
        {"delete works", "", {QString("123"), Home, Del}, "23"},
        {"point refused before an existing one", "", {QString("1.5"), Home, QString(".")}, "1.5"},
        {"point refused even over a selected point",
         "",
         {QString("1.5"), Home, ShiftEnd, QString("."), QString("7")},
         "7"},
        {"ctrl+a selects nothing", "", {QString("12"), CtrlA, QString("3")}, "123"},
        {"ctrl+x cuts nothing", "", {QString("12"), Home, ShiftEnd, CtrlX}, "12"},
        {"ctrl+z undoes nothing", "", {QString("12"), CtrlZ}, "12"},
    };
    for (const Case& c : cases) {
        QLineEdit edit;
        edit.setText(c.start);
        listui::NumericKeyFilter::attachTo(&edit);
        run(edit, c.steps);
        EXPECT_EQ(edit.text(), c.expected) << c.name;
    }
}

TEST(NumericKeyFilter, ClipboardShortcutsDoNothing) {
    QGuiApplication::clipboard()->setText(QStringLiteral("99"));
    QLineEdit edit;
    listui::NumericKeyFilter filter;
    filter.attach(&edit);
    QTest::keyClicks(&edit, QStringLiteral("12"));
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), QStringLiteral("12"));

    // Ctrl+C with the text selected copies nothing either.
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("99"));

    // The field's own paste (its context menu's) is not filtered.
    edit.setCursorPosition(edit.text().size());
    edit.paste();
    EXPECT_EQ(edit.text(), QStringLiteral("1299"));
}

TEST(NumericKeyFilter, OneFilterServesSeveralFieldsAndReadsEachOwnText) {
    QLineEdit price, quantity;
    listui::NumericKeyFilter filter;
    filter.attach(&price);
    filter.attach(&quantity);
    QTest::keyClicks(&price, QStringLiteral("1.5"));
    QTest::keyClicks(&quantity, QStringLiteral("2.5."));
    EXPECT_EQ(price.text(), QStringLiteral("1.5"));
    EXPECT_EQ(quantity.text(), QStringLiteral("2.5"));
}

TEST(NumericKeyFilter, InputMethodTextIsFilteredLikeTyping) {
    QLineEdit edit;
    listui::NumericKeyFilter::attachTo(&edit);
    edit.setText(QStringLiteral("1."));
    edit.setCursorPosition(2);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("5a.６7"));
    QCoreApplication::sendEvent(&edit, &commit);
    EXPECT_EQ(edit.text(), QStringLiteral("1.57"));
}
