#pragma once

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QPoint>
#include <QTest>
#include <memory>

#include "AppTestSupport.h"
#include "MainUnit.h"
#include "RecordGrid.h"
#include "TempStore.h"

// The main window over a fresh data.mdb, with every message box answered OK
// and kept.
class MainWindowFixture : public ::testing::Test {
protected:
    // Shows the main window; the boxes of its start are not the test's.
    void start() {
        main = std::make_unique<TMainForm>();
        main->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
        messages.requests.clear();
    }

    QPoint rowPoint(int row) const {
        return main->DBGridEh1->visualRect(main->DBGridEh1->model()->index(row, 1)).center();
    }
    void clickRow(int row, Qt::KeyboardModifiers mods = {}) {
        QTest::mouseClick(main->DBGridEh1->viewport(), Qt::LeftButton, mods, rowPoint(row));
    }

    TempStore store;
    MessageLog messages;
    std::unique_ptr<TMainForm> main;
};
