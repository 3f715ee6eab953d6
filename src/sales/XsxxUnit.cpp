#include "XsxxUnit.h"

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
#include "XsmxUnit.h"

using listui::Pictures::Tool;
using store::Statement;
namespace Tables = store::Tables;

TXsxxForm::TXsxxForm(QWidget* parent)
    : ModalListForm(parent),
      ADOQuery1(ADOConnection1, Statement::table(Tables::Goods)),
      ADOQuery2(ADOConnection1, Statement::table(Tables::Sales)),
      ADOQuery3(ADOConnection1, Statement::table(Tables::SalesExport)) {
    setObjectName(QStringLiteral("XsxxForm"));
    setWindowTitle(QStringLiteral("销售信息"));
    Frame = listui::ListFrame::fillDialog(this);

    const struct {
        QToolButton** button;
        const char* caption;
        Tool picture;
        void (TXsxxForm::*handler)();
    } tools[] = {
        {&SpeedButton1, "销售商品", Tool::Sell, &TXsxxForm::SpeedButton1Click},
        {&SpeedButton2, "销售明细", Tool::Details, &TXsxxForm::SpeedButton2Click},
        {&SpeedButton3, "查询信息", Tool::Search, &TXsxxForm::SpeedButton3Click},
        {&SpeedButton4, "刷新信息", Tool::Refresh, &TXsxxForm::SpeedButton4Click},
        {&SpeedButton5, "销售打印", Tool::Print, &TXsxxForm::SpeedButton5Click},
        {&SpeedButton6, "数据导出", Tool::Export, &TXsxxForm::SpeedButton6Click},
        {&SpeedButton7, "关闭窗口", Tool::Close, &TXsxxForm::SpeedButton7Click},
    };
    int number = 1;
    for (const auto& t : tools) {
        *t.button = Frame->addSpeedButton(number, 8 + 112 * (number - 1),
                                          QString::fromUtf8(t.caption), t.picture);
        connect(*t.button, &QToolButton::clicked, this, t.handler);
        ++number;
    }
    Label1 = Frame->addExitLabel([this] { Label1Click(); });

    DBGridEh1 = new listui::RecordGrid(ADOQuery1, listui::salesColumns());
    DBGridEh1->setObjectName(QStringLiteral("DBGridEh1"));
    DBGridEh1->setToolTip(QStringLiteral("双击可以销售商品"));
    Frame->setList(DBGridEh1);
    connect(DBGridEh1, &listui::RecordGrid::rowDoubleClicked, this, &TXsxxForm::DBGridEh1DblClick);

    auto on = [this](void (TXsxxForm::*handler)()) {
        return [this, handler] { (this->*handler)(); };
    };
    PopupMenu1 =
        listui::ListFrame::buildPopup(this, DBGridEh1,
                                      {{&N1, "N1", "销售商品", on(&TXsxxForm::N1Click)},
                                       {&N2, "N2", "销售明细", on(&TXsxxForm::N2Click)},
                                       {},
                                       {&N4, "N4", "查询信息", on(&TXsxxForm::N4Click)},
                                       {&N5, "N5", "刷新信息", on(&TXsxxForm::N5Click)},
                                       {},
                                       {&N7, "N7", "打印报表", on(&TXsxxForm::N7Click)},
                                       {&N8, "N8", "数据导出", on(&TXsxxForm::N8Click)},
                                       {},
                                       {&N10, "N10", "关闭窗体", on(&TXsxxForm::N10Click)}});

    ADOQuery1.open();
    ADOQuery2.open();
    listui::ActivationTracker::instance().registerWindow(this, [this] { FormActivate(); });
}

TXsxxForm::~TXsxxForm() = default;

void TXsxxForm::setNavigation(QWidget* mainWindow, TXsmxForm* details) {
    m_mainWindow = mainWindow;
    m_details = details;
}

void TXsxxForm::reloadAll() {
    store::reopen(ADOConnection1, {{&ADOQuery1, Statement::table(Tables::Goods)},
                                   {&ADOQuery2, Statement::table(Tables::Sales)},
                                   {&ADOQuery3, Statement::table(Tables::SalesExport)}});
}

void TXsxxForm::FormActivate() {
    listui::guard(this, [this] {
        reloadAll();
        hidePanels();
    });
}

void TXsxxForm::hidePanels() {}

void TXsxxForm::SpeedButton1Click() {}

void TXsxxForm::SpeedButton2Click() {
    if (!m_details) return;
    hide();
    m_details->showModal();
}

void TXsxxForm::SpeedButton3Click() {}

void TXsxxForm::SpeedButton4Click() {
    listui::guard(this, [this] { reloadAll(); });
}

void TXsxxForm::SpeedButton5Click() {}

void TXsxxForm::SpeedButton6Click() {}

void TXsxxForm::SpeedButton7Click() {
    close();
}

void TXsxxForm::N1Click() {}

void TXsxxForm::N2Click() {
    SpeedButton2Click();
}

void TXsxxForm::N4Click() {}

// The menu's refresh reloads the goods list only.
void TXsxxForm::N5Click() {
    listui::guard(this, [this] {
        store::reopen(ADOConnection1, {{&ADOQuery1, Statement::table(Tables::Goods)}});
    });
}

void TXsxxForm::N7Click() {}

void TXsxxForm::N8Click() {}

void TXsxxForm::N10Click() {
    close();
}

void TXsxxForm::Label1Click() {
    if (m_mainWindow) m_mainWindow->close();
}

void TXsxxForm::DBGridEh1DblClick() {}

void TXsxxForm::reject() {
    if (m_mainWindow) {
        m_mainWindow->show();
        m_mainWindow->activateWindow();
    }
    ModalListForm::reject();
}
