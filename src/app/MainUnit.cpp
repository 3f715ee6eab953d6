#include "MainUnit.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>

#include "ActivationTracker.h"
#include "ColumnSpec.h"
#include "DesktopShortcut.h"
#include "FloatingPanel.h"
#include "JbzlUnit.h"
#include "ListCommands.h"
#include "ListFrame.h"
#include "Messages.h"
#include "NumericKeyFilter.h"
#include "PanelWidgets.h"
#include "RecordGrid.h"
#include "Reopen.h"
#include "Schema.h"
#include "XsxxUnit.h"

using listui::FieldFace;
using listui::simSun;
using listui::Pictures::Tool;
using store::Statement;
namespace Tables = store::Tables;

QString TMainForm::webSite() {
    return QStringLiteral("https://lantong.example.com");
}

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent),
      ADOQuery1(ADOConnection1, Statement::table(Tables::Goods)),
      ADOQuery2(ADOConnection1, Statement::table(Tables::PurchaseExport)) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("岚桐进销存管理软件 V2.2（旗舰版）"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(listui::Pictures::windowIcon());

    Frame = new listui::ListFrame;
    setCentralWidget(Frame);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    auto on = [this](void (TMainForm::*handler)()) {
        return [this, handler] { (this->*handler)(); };
    };
    Frame->addSpeedButtons(
        this, 24,
        {{&SpeedButton1, "添加信息", Tool::Add, on(&TMainForm::SpeedButton1Click)},
         {&SpeedButton2, "修改信息", Tool::Modify, on(&TMainForm::SpeedButton2Click)},
         {&SpeedButton3, "删除信息", Tool::Delete, on(&TMainForm::SpeedButton3Click)},
         {&SpeedButton4, "查询信息", Tool::Search, on(&TMainForm::SpeedButton4Click)},
         {&SpeedButton5, "刷新信息", Tool::Refresh, on(&TMainForm::SpeedButton5Click)},
         {&SpeedButton6, "进货打印", Tool::Print, on(&TMainForm::SpeedButton6Click)},
         {&SpeedButton7, "数据导出", Tool::Export, on(&TMainForm::SpeedButton7Click)}});

    Image1 = new QLabel(Frame);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(888, 10, 99, 27);
    Image1->setPixmap(listui::Pictures::logo());
    Frame->makeClickable(Image1, [this] { Image1Click(); });

    const struct {
        QLabel** label;
        const char* name;
        int left;
        const char* text;
    } contacts[] = {
        {&Label1, "Label1", 472, "客服QQ：2730519086"},
        {&Label2, "Label2", 624, "电话：0571-85052319"},
        {&Label3, "Label3", 800, "邮箱：lantong@example.com"},
    };
    for (const auto& c : contacts) {
        auto* label = new QLabel(QString::fromUtf8(c.text), Frame);
        label->setObjectName(QString::fromLatin1(c.name));
        label->setFont(simSun(13));
        label->move(c.left, 576);
        label->adjustSize();
        *c.label = label;
    }

    DBGridEh1 = new listui::RecordGrid(ADOQuery1, listui::purchaseColumns());
    DBGridEh1->setObjectName(QStringLiteral("DBGridEh1"));
    DBGridEh1->setToolTip(QStringLiteral("双击可以修改信息"));
    Frame->setList(DBGridEh1);
    connect(DBGridEh1, &listui::RecordGrid::rowDoubleClicked, this, &TMainForm::DBGridEh1DblClick);
    buildEntryPanel();
    buildSearchPanel();

    PopupMenu1 = listui::ListFrame::buildPopup(this, DBGridEh1,
                                               {{&N1, "N1", "添加信息", on(&TMainForm::N1Click)},
                                                {&N2, "N2", "修改信息", on(&TMainForm::N2Click)},
                                                {&N3, "N3", "删除信息", on(&TMainForm::N3Click)},
                                                {},
                                                {&N11, "N11", "查询信息", on(&TMainForm::N11Click)},
                                                {&N12, "N12", "刷新信息", on(&TMainForm::N12Click)},
                                                {},
                                                {&N14, "N14", "进货打印", on(&TMainForm::N14Click)},
                                                {&N7, "N7", "数据导出", on(&TMainForm::N7Click)}});

    // The captions carry no accelerators, and the menu bar stays in the window.
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    bar->setNativeMenuBar(false);
    bar->setFont(simSun(13));
    const struct {
        QAction** action;
        const char* name;
        const char* caption;
        void (TMainForm::*handler)();
    } items[] = {
        {&N4, "N4", "【基本资料】", &TMainForm::N4Click},
        {&N5, "N5", "【销售信息】", &TMainForm::N5Click},
        {&N8, "N8", "【数据备份】", &TMainForm::N8Click},
        {&N9, "N9", "【数据恢复】", &TMainForm::N9Click},
        {&N15, "N15", "【技术支持】", &TMainForm::N15Click},
        {&N16, "N16", "【常见问题】", &TMainForm::N16Click},
        {&N17, "N17", "【退出软件】", &TMainForm::N17Click},
    };
    for (const auto& i : items) {
        QAction* a = bar->addAction(QString::fromUtf8(i.caption));
        a->setObjectName(QString::fromLatin1(i.name));
        connect(a, &QAction::triggered, this, i.handler);
        *i.action = a;
    }

    ADOQuery1.open();
    ADOQuery2.open();
    listui::ActivationTracker::instance().registerWindow(this, [this] { FormActivate(); });
    FormCreate();
}

TMainForm::~TMainForm() = default;

void TMainForm::setNavigation(TXsxxForm* sales, TJbzlForm* company) {
    m_sales = sales;
    m_company = company;
}

void TMainForm::FormCreate() {
    app::writeDesktopShortcut();
}

void TMainForm::reload() {
    store::reopen(ADOConnection1, {{&ADOQuery1, Statement::table(Tables::Goods)}});
}

void TMainForm::FormActivate() {
    listui::guard(this, [this] { reload(); });
}

void TMainForm::buildEntryPanel() {
    Panel2 = Frame->addPanel(QStringLiteral("Panel2"), {240, 88}, {425, 289}, {400, 8},
                             QStringLiteral("Image2"));
    Image2 = Panel2->closePicture();
    connect(Panel2, &listui::FloatingPanel::closeClicked, this, &TMainForm::Image2Click);

    listui::addFields(Panel2, FieldFace::Bordered,
                      {
                          {&Edit1, "Edit1", "商品编码", 80, 40, 121},
                          {&Edit2, "Edit2", "商品名称", 280, 40, 121},
                          {&Edit3, "Edit3", "商品型号", 80, 64, 121},
                          {&Edit4, "Edit4", "商品规格", 280, 64, 121},
                          {&Edit5, "Edit5", "单位", 80, 88, 121},
                          {&Edit6, "Edit6", "进货单价", 80, 120, 121},
                          {&Edit7, "Edit7", "进货数量", 280, 120, 121},
                          {&Edit8, "Edit8", "供货单位", 80, 152, 121},
                          {&Edit9, "Edit9", "联系人", 280, 152, 121},
                          {&Edit10, "Edit10", "联系电话", 80, 176, 321},
                          {&Edit11, "Edit11", "详细地址", 80, 200, 321},
                          {&Edit12, "Edit12", "备注", 80, 224, 321},
                      });
    m_entry = {Edit1, Edit2, Edit3, Edit4,  Edit5,  Edit6,
               Edit7, Edit8, Edit9, Edit10, Edit11, Edit12};
    for (int field = 0; field < purchase::FieldCount; ++field) {
        // Only the user's edits count as changes; setText() does not emit this.
        connect(m_entry[field], &QLineEdit::textEdited, this,
                [this, field] { m_changed[field] = true; });
    }

    listui::addGroupNumber(Panel2, QStringLiteral("①"), QStringLiteral("商品信息"), 40,
                           QStringLiteral("Label4"));
    listui::addGroupNumber(Panel2, QStringLiteral("②"), QStringLiteral("进货信息"), 120,
                           QStringLiteral("Label5"));
    listui::addGroupNumber(Panel2, QStringLiteral("③"), QStringLiteral("供货商信息"), 152,
                           QStringLiteral("Label6"));
    listui::addRule(Panel2, QStringLiteral("Bevel1"), 112);
    listui::addRule(Panel2, QStringLiteral("Bevel2"), 144);

    Button1 =
        listui::addButton(Panel2, QStringLiteral("Button1"), QStringLiteral("添加"), 136, 256);
    Button3 =
        listui::addButton(Panel2, QStringLiteral("Button3"), QStringLiteral("修改"), 136, 256);
    Button3->hide();
    Button2 =
        listui::addButton(Panel2, QStringLiteral("Button2"), QStringLiteral("取消"), 224, 256);
    connect(Button1, &QPushButton::clicked, this, &TMainForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TMainForm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TMainForm::Button3Click);

    KeyFilter = new listui::NumericKeyFilter(Panel2);
    KeyFilter->attach(Edit6);
    KeyFilter->attach(Edit7);
}

void TMainForm::buildSearchPanel() {
    Panel5 = Frame->addPanel(QStringLiteral("Panel5"), {224, 168}, {481, 97}, {456, 8},
                             QStringLiteral("Image3"));
    Image3 = Panel5->closePicture();
    connect(Panel5, &listui::FloatingPanel::closeClicked, this, &TMainForm::Image3Click);

    listui::addFields(Panel5, FieldFace::Bordered,
                      {{&Edit13, "Edit13", "商品编码", 80, 40, 121},
                       {&Edit14, "Edit14", "商品名称", 272, 40, 121},
                       {&Edit15, "Edit15", "联系人", 80, 64, 121},
                       {&Edit16, "Edit16", "联系电话", 272, 64, 121}});
    Button4 = listui::addButton(Panel5, QStringLiteral("Button4"), QStringLiteral("查询"), 400, 38);
    connect(Button4, &QPushButton::clicked, this, &TMainForm::Button4Click);
}

purchase::Texts TMainForm::entryTexts() const {
    purchase::Texts texts;
    for (int f = 0; f < purchase::FieldCount; ++f) texts[f] = m_entry[f]->text();
    return texts;
}

void TMainForm::setEntryTexts(const purchase::Texts& texts) {
    for (int f = 0; f < purchase::FieldCount; ++f) m_entry[f]->setText(texts[f]);
    m_changed.fill(false);
}

void TMainForm::openForAdd() {
    Panel2->open();
    Panel5->hide();
    Button1->show();
    Button3->hide();
    setEntryTexts(purchase::addDefaults());
}

void TMainForm::openForModify(bool hideSearch) {
    listui::guard(this, [&] {
        if (ADOQuery1.rowCount() == 0) {
            listui::Messages::show(this, purchase::kNothingToModify,
                                   listui::Messages::Buttons::OkCancel,
                                   listui::Messages::Icon::Warning);
            return;
        }
        setEntryTexts(purchase::fieldsOf(ADOQuery1));
        // The save goes to this record, wherever the list's current row is by then.
        m_modifyRecord = ADOQuery1.bookmark();
        Panel2->open();
        if (hideSearch) Panel5->hide();
        Button1->hide();
        Button3->show();
    });
}

void TMainForm::openSearch() {
    for (QLineEdit* edit : {Edit13, Edit14, Edit15, Edit16}) edit->clear();
    Panel2->hide();
    Panel5->open();
}

void TMainForm::SpeedButton1Click() {
    openForAdd();
}

void TMainForm::SpeedButton2Click() {
    openForModify(true);
}

void TMainForm::SpeedButton3Click() {
    listui::guard(
        this, [this] { listui::deleteSelectedRecords(*DBGridEh1, listui::kDeleteHintInfo, this); });
}

void TMainForm::SpeedButton4Click() {
    openSearch();
}

void TMainForm::SpeedButton5Click() {
    listui::guard(this, [this] { reload(); });
}

void TMainForm::SpeedButton6Click() {}

void TMainForm::SpeedButton7Click() {}

void TMainForm::N1Click() {
    SpeedButton1Click();
}

void TMainForm::N2Click() {
    SpeedButton2Click();
}

void TMainForm::N3Click() {
    listui::guard(this, [this] {
        listui::deleteSelectedRecords(*DBGridEh1, listui::kDeleteHintRecord, this);
    });
}

void TMainForm::N11Click() {
    SpeedButton4Click();
}

void TMainForm::N12Click() {
    SpeedButton5Click();
}

void TMainForm::N14Click() {}

void TMainForm::N7Click() {}

void TMainForm::N4Click() {
    if (!m_company) return;
    m_company->exec();
    activateWindow();
}

void TMainForm::N5Click() {
    if (!m_sales) return;
    hide();
    m_sales->showModal();
}

void TMainForm::N8Click() {}

void TMainForm::N9Click() {}

// Whether a browser opens is the desktop's business; nothing is reported.
void TMainForm::N15Click() {
    QDesktopServices::openUrl(QUrl(webSite()));
}

void TMainForm::N16Click() {
    QDesktopServices::openUrl(QUrl(webSite() + QStringLiteral("/qjques.htm")));
}

void TMainForm::N17Click() {
    close();
}

void TMainForm::Image1Click() {
    N15Click();
}

// The search panel stays as it is: the user may be going through a result.
void TMainForm::DBGridEh1DblClick() {
    openForModify(false);
}

void TMainForm::Button1Click() {
    listui::guard(this, [this] {
        // The whole table again, also when the entry is refused.
        reload();
        const purchase::Outcome outcome = purchase::add(ADOQuery1, entryTexts());
        if (!outcome.stored) {
            listui::Messages::show(this, outcome.message);
            return;
        }
        setEntryTexts(purchase::addDefaults());
        listui::Messages::show(this, outcome.message);
        reload();
    });
}

void TMainForm::Button2Click() {
    Panel2->hide();
}

void TMainForm::Button3Click() {
    listui::guard(this, [this] {
        const purchase::Outcome outcome =
            purchase::modify(ADOQuery1, m_modifyRecord, entryTexts(), m_changed);
        listui::Messages::show(this, outcome.message);
        if (outcome.stored) Panel2->hide();
    });
}

void TMainForm::Button4Click() {
    listui::guard(this, [this] {
        listui::searchList(ADOQuery1, store::Tables::Goods,
                           {{Edit13->text(), QStringLiteral("商品编码")},
                            {Edit14->text(), QStringLiteral("商品名称")},
                            {Edit15->text(), QStringLiteral("联系人")},
                            {Edit16->text(), QStringLiteral("联系电话")}});
    });
}

void TMainForm::Image2Click() {
    Panel2->hide();
}

void TMainForm::Image3Click() {
    Panel5->hide();
}

void TMainForm::showEvent(QShowEvent* event) {
    listui::centreOnDesktop(this);
    QMainWindow::showEvent(event);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}
