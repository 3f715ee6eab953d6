#include "XsmxUnit.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

#include "ActivationTracker.h"
#include "ColumnSpec.h"
#include "FloatingPanel.h"
#include "ListCommands.h"
#include "ListFrame.h"
#include "Messages.h"
#include "NumberText.h"
#include "NumericKeyFilter.h"
#include "PanelWidgets.h"
#include "RecordGrid.h"
#include "Reopen.h"
#include "Schema.h"

using listui::FieldFace;
using listui::Messages;
using listui::Pictures::Tool;
using store::Statement;
namespace Tables = store::Tables;

TXsmxForm::TXsmxForm(QWidget* parent)
    : ModalListForm(parent), ADOQuery1(ADOConnection1, Statement::table(Tables::Sales)) {
    setObjectName(QStringLiteral("XsmxForm"));
    setWindowTitle(QStringLiteral("销售明细"));

    auto on = [this](void (TXsmxForm::*handler)()) {
        return [this, handler] { (this->*handler)(); };
    };
    Frame->addSpeedButtons(
        this, 8,
        {{&SpeedButton1, "修改信息", Tool::Modify, on(&TXsmxForm::SpeedButton1Click)},
         {&SpeedButton2, "删除信息", Tool::Delete, on(&TXsmxForm::SpeedButton2Click)},
         {&SpeedButton3, "查询信息", Tool::Search, on(&TXsmxForm::SpeedButton3Click)},
         {&SpeedButton4, "刷新信息", Tool::Refresh, on(&TXsmxForm::SpeedButton4Click)},
         {&SpeedButton5, "明细打印", Tool::Print, on(&TXsmxForm::SpeedButton5Click)},
         {&SpeedButton6, "数据导出", Tool::Export, on(&TXsmxForm::SpeedButton6Click)},
         {&SpeedButton7, "关闭窗口", Tool::Close, on(&TXsmxForm::SpeedButton7Click)}});
    Label1 = Frame->addExitLabel([this] { Label1Click(); });

    DBGridEh1 = new listui::RecordGrid(ADOQuery1, listui::salesDetailColumns());
    DBGridEh1->setObjectName(QStringLiteral("DBGridEh1"));
    Frame->setList(DBGridEh1);
    connect(DBGridEh1, &listui::RecordGrid::rowDoubleClicked, this, &TXsmxForm::DBGridEh1DblClick);

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

    buildModificationPanel();
    buildSearchPanel();

    ADOQuery1.open();
    listui::ActivationTracker::instance().registerWindow(this, [this] { FormActivate(); });
}

TXsmxForm::~TXsmxForm() = default;

void TXsmxForm::buildModificationPanel() {
    Panel2 = Frame->addPanel(QStringLiteral("Panel2"), {256, 88}, {417, 265}, {392, 8},
                             QStringLiteral("Image2"));
    Image2 = Panel2->closePicture();
    connect(Panel2, &listui::FloatingPanel::closeClicked, this, &TXsmxForm::Image2Click);

    listui::addGroupNumber(Panel2, QStringLiteral("①"), QStringLiteral("商品信息"), 40);
    listui::addGroupNumber(Panel2, QStringLiteral("②"), QStringLiteral("销售信息"), 120);
    listui::addGroupNumber(Panel2, QStringLiteral("③"), QStringLiteral("客户信息"), 152);
    listui::addRule(Panel2, QStringLiteral("Bevel1"), 112);
    listui::addRule(Panel2, QStringLiteral("Bevel2"), 144);

    listui::addFields(Panel2, FieldFace::Sunken,
                      {
                          {&Edit1, "Edit1", "商品编码", 80, 40, 121, true},
                          {&Edit2, "Edit2", "商品名称", 272, 40, 121, true},
                          {&Edit3, "Edit3", "商品型号", 80, 64, 121, true},
                          {&Edit4, "Edit4", "商品规格", 272, 64, 121, true},
                          {&Edit5, "Edit5", "单位", 80, 88, 121, true},
                          {&Edit6, "Edit6", "销售单价", 80, 120, 121, true},
                          {&Edit7, "Edit7", "销售数量", 272, 120, 121, true},
                          {&Edit8, "Edit8", "客户姓名", 80, 152, 121, false},
                          {&Edit9, "Edit9", "联系电话", 272, 152, 121, false},
                          {&Edit10, "Edit10", "详细地址", 80, 176, 313, false},
                          {&Edit11, "Edit11", "备注", 80, 200, 313, false},
                      });
    auto* numbers = new listui::NumericKeyFilter(Panel2);
    numbers->attach(Edit6);
    numbers->attach(Edit7);
    // Only the user's edits mark a field; the program's setText() does not.
    int flag = 0;
    for (QLineEdit* e : {Edit8, Edit9, Edit10, Edit11}) {
        connect(e, &QLineEdit::textEdited, this, [this, flag] { m_changed[flag] = true; });
        ++flag;
    }

    Button1 =
        listui::addButton(Panel2, QStringLiteral("Button1"), QStringLiteral("修改"), 136, 232);
    Button2 =
        listui::addButton(Panel2, QStringLiteral("Button2"), QStringLiteral("取消"), 224, 232);
    connect(Button1, &QPushButton::clicked, this, &TXsmxForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TXsmxForm::Button2Click);
}

void TXsmxForm::buildSearchPanel() {
    Panel5 = Frame->addPanel(QStringLiteral("Panel5"), {224, 168}, {481, 97}, {456, 8},
                             QStringLiteral("Image3"));
    Image3 = Panel5->closePicture();
    connect(Panel5, &listui::FloatingPanel::closeClicked, this, &TXsmxForm::Image3Click);

    listui::addFields(Panel5, FieldFace::Sunken,
                      {{&Edit12, "Edit12", "商品编码", 80, 40, 121},
                       {&Edit13, "Edit13", "商品名称", 264, 40, 121},
                       {&Edit14, "Edit14", "客户姓名", 80, 64, 121},
                       {&Edit15, "Edit15", "联系电话", 264, 64, 121}});
    Button3 = listui::addButton(Panel5, QStringLiteral("Button3"), QStringLiteral("查询"), 400, 40);
    connect(Button3, &QPushButton::clicked, this, &TXsmxForm::Button3Click);
}

void TXsmxForm::setNavigation(QWidget* mainWindow, QWidget* sales) {
    setWindows(mainWindow, sales);
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

void TXsmxForm::hidePanels() {
    Panel2->hide();
    Panel5->hide();
}

void TXsmxForm::openModificationPanel(bool hideSearch) {
    listui::guard(this, [this, hideSearch] {
        if (!ADOQuery1.isOpen() || ADOQuery1.rowCount() == 0) {
            Messages::show(this, sales::kNothingToCorrect, Messages::Buttons::OkCancel,
                           Messages::Icon::Warning);
            return;
        }
        // Both figures first: a record that cannot show them leaves the panel as it was.
        const QString price = store::NumberText::round2(ADOQuery1.text(QStringLiteral("销售单价")));
        const QString quantity =
            store::NumberText::round2(ADOQuery1.text(QStringLiteral("销售数量")));
        Edit1->setText(ADOQuery1.text(QStringLiteral("商品编码")));
        Edit2->setText(ADOQuery1.text(QStringLiteral("商品名称")));
        Edit3->setText(ADOQuery1.text(QStringLiteral("商品型号")));
        Edit4->setText(ADOQuery1.text(QStringLiteral("商品规格")));
        Edit5->setText(ADOQuery1.text(QStringLiteral("单位")));
        Edit6->setText(price);
        Edit7->setText(quantity);
        Edit8->setText(ADOQuery1.text(QStringLiteral("客户姓名")));
        Edit9->setText(ADOQuery1.text(QStringLiteral("联系电话")));
        Edit10->setText(ADOQuery1.text(QStringLiteral("详细地址")));
        Edit11->setText(ADOQuery1.text(QStringLiteral("备注")));
        m_changed.fill(false);
        m_saleRecord = ADOQuery1.bookmark();

        Panel2->open();
        if (hideSearch) Panel5->hide();
    });
}

void TXsmxForm::openSearchPanel() {
    for (QLineEdit* e : {Edit12, Edit13, Edit14, Edit15}) e->clear();
    Panel5->open();
    Panel2->hide();
}

void TXsmxForm::Button1Click() {
    listui::guard(this, [this] {
        const sales::CustomerTexts texts{Edit8->text(), Edit9->text(), Edit10->text(),
                                         Edit11->text()};
        const sales::Outcome outcome = sales::correct(ADOQuery1, m_saleRecord, texts, m_changed);
        Messages::show(this, outcome.message);
        if (outcome.stored) Panel2->hide();  // the list shows the record in place
    });
}

void TXsmxForm::Button2Click() {
    Panel2->hide();
}

void TXsmxForm::Image2Click() {
    Panel2->hide();
}

void TXsmxForm::Button3Click() {
    listui::guard(this, [this] {
        listui::searchList(ADOQuery1, Tables::Sales,
                           {{Edit12->text(), QStringLiteral("商品编码")},
                            {Edit13->text(), QStringLiteral("商品名称")},
                            {Edit14->text(), QStringLiteral("客户姓名")},
                            {Edit15->text(), QStringLiteral("联系电话")}});
    });
}

void TXsmxForm::Image3Click() {
    Panel5->hide();
}

void TXsmxForm::SpeedButton1Click() {
    openModificationPanel(true);
}

void TXsmxForm::SpeedButton2Click() {
    listui::guard(
        this, [this] { listui::deleteSelectedRecords(*DBGridEh1, listui::kDeleteHintInfo, this); });
}

void TXsmxForm::SpeedButton3Click() {
    openSearchPanel();
}

void TXsmxForm::SpeedButton4Click() {
    listui::guard(this, [this] { reload(); });
}

void TXsmxForm::SpeedButton5Click() {}

void TXsmxForm::SpeedButton6Click() {}

void TXsmxForm::SpeedButton7Click() {
    close();
}

void TXsmxForm::N1Click() {
    openModificationPanel(true);
}

void TXsmxForm::N2Click() {
    SpeedButton2Click();
}

void TXsmxForm::N4Click() {
    openSearchPanel();
}

void TXsmxForm::N5Click() {
    SpeedButton4Click();
}

void TXsmxForm::N7Click() {}

void TXsmxForm::N8Click() {}

void TXsmxForm::N10Click() {
    close();
}

void TXsmxForm::Label1Click() {
    quitProgram();
}

void TXsmxForm::DBGridEh1DblClick() {
    openModificationPanel(false);
}
