#pragma once

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QList>
#include <QMap>
#include <QTableView>
#include <QTest>
#include <QVariant>
#include <memory>
#include <ostream>

#include "Messages.h"
#include "QtPrinters.h"
#include "RecordGrid.h"
#include "TempStore.h"

namespace salestest {

using Request = listui::Messages::Request;
using Buttons = listui::Messages::Buttons;
using Icon = listui::Messages::Icon;

// Answers every message box (OK unless told otherwise) and keeps what it
// was shown.
class Boxes {
public:
    Boxes() {
        listui::Messages::setResponder([this](const Request& r) {
            seen << r;
            return answer;
        });
    }
    ~Boxes() { listui::Messages::setResponder(nullptr); }
    Boxes(const Boxes&) = delete;
    Boxes& operator=(const Boxes&) = delete;

    // Checks that exactly one box was shown since the last check, as given.
    void expectOne(const QString& text, Buttons buttons = Buttons::Ok, Icon icon = Icon::None) {
        ASSERT_EQ(seen.size(), 1) << "boxes shown: " << seen.size()
                                  << (seen.isEmpty() ? ""
                                                     : " first: " + seen[0].text.toStdString());
        EXPECT_EQ(seen[0].title, QStringLiteral("提示"));
        EXPECT_EQ(seen[0].text, text);
        EXPECT_EQ(seen[0].buttons, buttons);
        EXPECT_EQ(seen[0].icon, icon);
        seen.clear();
    }
    void expectNone() {
        EXPECT_TRUE(seen.isEmpty())
            << seen.size() << " boxes, the first: " << seen[0].text.toStdString();
        seen.clear();
    }

    QList<Request> seen;
    bool answer = true;
};

// Shows a window and lets it settle, so that its becoming active is over
// before the test works in it.
inline void showSettled(QWidget* w) {
    w->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
    QApplication::processEvents();
}

// A double click on a row of a grid, as the user makes it.
inline void doubleClickRow(listui::RecordGrid* grid, int row) {
    const QRect cell = grid->visualRect(grid->model()->index(row, 1));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

// A plain click on a row (makes it current and the only selected one).
inline void clickRow(listui::RecordGrid* grid, int row) {
    const QRect cell = grid->visualRect(grid->model()->index(row, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

// The texts a grid shows in one column, top to bottom.
inline QStringList columnTexts(const QTableView* grid, int column) {
    QStringList out;
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        out << grid->model()->index(r, column).data().toString();
    return out;
}

// Types a text key by key (QTest::keyClicks would lose what is not Latin-1).
inline void type(QWidget* w, const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(w, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Replaces a field's text by typing, as the user does after selecting it all.
template <class Edit>
void retype(Edit* edit, const QString& text) {
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    else
        type(edit, text);
}

// A window over a fresh data.mdb, its message boxes answered and kept.
template <class Form>
class WindowFixture : public ::testing::Test {
protected:
    // Creates the window and shows it settled.
    void open() {
        form = std::make_unique<Form>();
        showSettled(form.get());
        grid = form->DBGridEh1;
    }

    TempStore ts;
    Boxes boxes;
    std::unique_ptr<Form> form;
    listui::RecordGrid* grid = nullptr;
};

}  // namespace salestest
