#include "XsmxUnit.h"

#include <QLabel>
#include <QMenu>
#include <QToolButton>

#include "ActivationTracker.h"
#include "ColumnSpec.h"
#include "ListFrame.h"
#include "Messages.h"
#include "RecordGrid.h"
#include "Reopen.h"
#include "Schema.h"

using listui::Pictures::Tool;
using store::Statement;
namespace Tables = store::Tables;

TXsmxForm::TXsmxForm(QWidget* parent)
    : ModalListForm(parent), ADOQuery1(ADOConnection1, Statement::table(Tables::Sales)) {
    setObjectName(QStringLiteral("XsmxForm"));
    setWindowTitle(QStringLiteral("销售明细"));
    Frame = listui::ListFrame::fillDialog(this);

    const struct {
        QToolButton** button;
        const char* caption;
        Tool picture;
        void (TXsmxForm::*handler)();
    } tools[] = {
        {&SpeedButton1, "修改信息", Tool::Modify, &TXsmxForm::SpeedButton1Click},
        {&SpeedButton2, "删除信息", Tool::Delete, &TXsmxForm::SpeedButton2Click},
        {&SpeedButton3, "查询信息", Tool::Search, &TXsmxForm::SpeedButton3Click},
        {&SpeedButton4, "刷新信息", Tool::Refresh, &TXsmxForm::SpeedButton4Click},
        {&SpeedButton5, "明细打印", Tool::Print, &TXsmxForm::SpeedButton5Click},
        {&SpeedButton6, "数据导出", Tool::Export, &TXsmxForm::SpeedButton6Click},
        {&SpeedButton7, "关闭窗口", Tool::Close, &TXsmxForm::SpeedButton7Click},
    };
    int number = 1;
    for (const auto& t : tools) {
        *t.button = Frame->addSpeedButton(number, 8 + 112 * (number - 1),
                                          QString::fromUtf8(t.caption), t.picture);
        connect(*t.button, &QToolButton::clicked, this, t.handler);
        ++number;
    }
    Label1 = Frame->addExitLabel([this] { Label1Click(); });

    DBGridEh1 = new listui::RecordGrid(ADOQuery1, listui::salesDetailColumns());
    DBGridEh1->setObjectName(QStringLiteral("DBGridEh1"));
    Frame->setList(DBGridEh1);
    connect(DBGridEh1, &listui::RecordGrid::rowDoubleClicked, this, &TXsmxForm::DBGridEh1DblClick);

    auto on = [this](void (TXsmxForm::*handler)()) {
        return [this, handler] { (this->*handler)(); };
    };
    PopupMenu1 =
        listui::ListFrame::buildPopup(this, DBGridEh1,
                                      {{&N1, "N1", "修改信息", on(&TXsmxForm::N1Click)},
                                       {&N2, "N2", "删除信息", on(&TXsmxForm::N2Click)},
                                       {},
                                       {&N4, "N4", "查询信息", on(&TXsmxForm::N4Click)},
                                       {&N5, "N5", "刷新信息", on(&TXsmxForm::N5Click)},
                                       {},
                                       {&N7, "N7", "明细打印", on(&TXsmxForm::N7Click)},
                                       {&N8, "N8", "数据导出", on(&TXsmxForm::N8Click)},
                                       {},
                                       {&N10, "N10", "关闭窗口", on(&TXsmxForm::N10Click)}});

    ADOQuery1.open();
    listui::ActivationTracker::instance().registerWindow(this, [this] { FormActivate(); });
}

TXsmxForm::~TXsmxForm() = default;

void TXsmxForm::setNavigation(QWidget* mainWindow, QWidget* sales) {
    m_mainWindow = mainWindow;
    m_sales = sales;
}

void TXsmxForm::reload() {
    store::reopen(ADOConnection1, {{&ADOQuery1, Statement::table(Tables::Sales)}});
}

void TXsmxForm::FormActivate() {
    listui::guard(this, [this] {
        reload();
        hidePanels();
    });
}

void TXsmxForm::hidePanels() {}

void TXsmxForm::SpeedButton1Click() {}

void TXsmxForm::SpeedButton2Click() {}

void TXsmxForm::SpeedButton3Click() {}

void TXsmxForm::SpeedButton4Click() {
    listui::guard(this, [this] { reload(); });
}

void TXsmxForm::SpeedButton5Click() {}

void TXsmxForm::SpeedButton6Click() {}

void TXsmxForm::SpeedButton7Click() {
    close();
}

void TXsmxForm::N1Click() {}

void TXsmxForm::N2Click() {}

void TXsmxForm::N4Click() {}

void TXsmxForm::N5Click() {
    SpeedButton4Click();
}

void TXsmxForm::N7Click() {}

void TXsmxForm::N8Click() {}

void TXsmxForm::N10Click() {
    close();
}

void TXsmxForm::Label1Click() {
    if (m_mainWindow) m_mainWindow->close();
}

void TXsmxForm::DBGridEh1DblClick() {}

void TXsmxForm::reject() {
    if (m_sales) {
        m_sales->show();
        m_sales->activateWindow();
    }
    ModalListForm::reject();
}
