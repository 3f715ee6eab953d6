#include "XsxxUnit.h"

#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>

#include "ActivationTracker.h"
#include "ColumnSpec.h"
#include "FloatingPanel.h"
#include "ListCommands.h"
#include "ListFrame.h"
#include "Messages.h"
#include "NumericKeyFilter.h"
#include "PanelWidgets.h"
#include "RecordGrid.h"
#include "Reopen.h"
#include "SaleRules.h"
#include "Schema.h"
#include "StoreError.h"
#include "XsmxUnit.h"

using listui::FieldFace;
using listui::Messages;
using listui::simSun;
using listui::Pictures::Tool;
using store::Statement;
namespace Tables = store::Tables;

TXsxxForm::TXsxxForm(QWidget* parent)
    : ModalListForm(parent),
      ADOQuery1(ADOConnection1, Statement::table(Tables::Goods)),
      ADOQuery2(ADOConnection1, Statement::emptyOf(Tables::Sales)),
      ADOQuery3(ADOConnection1, Statement::table(Tables::SalesExport)) {
    setObjectName(QStringLiteral("XsxxForm"));
    setWindowTitle(QStringLiteral("销售信息"));

    auto on = [this](void (TXsxxForm::*handler)()) {
        return [this, handler] { (this->*handler)(); };
    };
    Frame->addSpeedButtons(
        this, 8,
        {{&SpeedButton1, "销售商品", Tool::Sell, on(&TXsxxForm::SpeedButton1Click)},
         {&SpeedButton2, "销售明细", Tool::Details, on(&TXsxxForm::SpeedButton2Click)},
         {&SpeedButton3, "查询信息", Tool::Search, on(&TXsxxForm::SpeedButton3Click)},
         {&SpeedButton4, "刷新信息", Tool::Refresh, on(&TXsxxForm::SpeedButton4Click)},
         {&SpeedButton5, "销售打印", Tool::Print, on(&TXsxxForm::SpeedButton5Click)},
         {&SpeedButton6, "数据导出", Tool::Export, on(&TXsxxForm::SpeedButton6Click)},
         {&SpeedButton7, "关闭窗口", Tool::Close, on(&TXsxxForm::SpeedButton7Click)}});
    Label1 = Frame->addExitLabel([this] { Label1Click(); });

    DBGridEh1 = new listui::RecordGrid(ADOQuery1, listui::salesColumns());
    DBGridEh1->setObjectName(QStringLiteral("DBGridEh1"));
    DBGridEh1->setToolTip(QStringLiteral("双击可以销售商品"));
    Frame->setList(DBGridEh1);
    connect(DBGridEh1, &listui::RecordGrid::rowDoubleClicked, this, &TXsxxForm::DBGridEh1DblClick);

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

    buildSellingPanel();
    buildSearchPanel();

    ADOQuery1.open();
    ADOQuery2.open();
    listui::ActivationTracker::instance().registerWindow(this, [this] { FormActivate(); });
}

TXsxxForm::~TXsxxForm() = default;

void TXsxxForm::buildSellingPanel() {
    Panel2 = Frame->addPanel(QStringLiteral("Panel2"), {642, 46}, {308, 425}, {283, 5},
                             QStringLiteral("Image2"));
    Image2 = Panel2->closePicture();
    connect(Panel2, &listui::FloatingPanel::closeClicked, this, &TXsxxForm::Image2Click);

    auto* title = new QLabel(QStringLiteral("【销售商品】"), Panel2);
    title->setObjectName(QStringLiteral("Label2"));
    title->setFont(simSun(20, true));
    QPalette red = title->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    title->setPalette(red);
    title->setGeometry(0, 14, Panel2->width(), 28);
    title->setAlignment(Qt::AlignCenter);

    listui::addGroupNumber(Panel2, QStringLiteral("①"), QStringLiteral("商品信息"), 56);
    listui::addGroupNumber(Panel2, QStringLiteral("②"), QStringLiteral("进货及库存信息"), 208);
    listui::addGroupNumber(Panel2, QStringLiteral("③"), QStringLiteral("销售信息"), 240);
    listui::addGroupNumber(Panel2, QStringLiteral("④"), QStringLiteral("客户信息"), 296);
    listui::addRule(Panel2, QStringLiteral("Bevel1"), 200);
    listui::addRule(Panel2, QStringLiteral("Bevel2"), 232);
    listui::addRule(Panel2, QStringLiteral("Bevel3"), 288);

    listui::addCaption(Panel2, FieldFace::Sunken, QStringLiteral("销售日期"), 80, 56);
    DateTimePicker1 = new QDateEdit(Panel2);
    DateTimePicker1->setObjectName(QStringLiteral("DateTimePicker1"));
    DateTimePicker1->setGeometry(80, 56, 209, 21);
    DateTimePicker1->setCalendarPopup(true);
    DateTimePicker1->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    DateTimePicker1->setCursor(Qt::ArrowCursor);

    listui::addFields(Panel2, FieldFace::Sunken,
                      {
                          {&Edit1, "Edit1", "商品编码", 80, 80, 209, true},
                          {&Edit2, "Edit2", "商品名称", 80, 104, 209, true},
                          {&Edit3, "Edit3", "商品型号", 80, 128, 209, true},
                          {&Edit4, "Edit4", "商品规格", 80, 152, 209, true},
                          {&Edit5, "Edit5", "单位", 80, 176, 209, true},
                          {&Edit6, "Edit6", "进货单价", 80, 208, 73, true},
                          {&Edit7, "Edit7", "库存数量", 216, 208, 73, true},
                          {&Edit8, "Edit8", "销售单价", 80, 240, 73, false},
                          {&Edit9, "Edit9", "销售数量", 216, 240, 73, false},
                          {&Edit10, "Edit10", "销售金额", 80, 264, 209, true},
                          {&Edit11, "Edit11", "联系电话", 80, 320, 209, false},
                          {&Edit12, "Edit12", "详细地址", 80, 344, 209, false},
                          {&Edit13, "Edit13", "备注", 80, 368, 209, false},
                      });
    auto* numbers = new listui::NumericKeyFilter(Panel2);
    for (QLineEdit* e : {Edit6, Edit7, Edit8, Edit9, Edit10}) numbers->attach(e);
    connect(Edit8, &QLineEdit::textChanged, this, &TXsxxForm::Edit8Change);
    connect(Edit9, &QLineEdit::textChanged, this, &TXsxxForm::Edit9Change);
    Edit9->installEventFilter(this);

    listui::addCaption(Panel2, FieldFace::Sunken, QStringLiteral("客户姓名"), 80, 296);
    ComboBox1 = new QComboBox(Panel2);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(80, 296, 209, 21);
    ComboBox1->setEditable(true);
    // The name stays as typed (no inline completion, no entry added on
    // Enter), and ten thousand names are not measured for a size nobody uses.
    ComboBox1->setCompleter(nullptr);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboBox1->setCursor(Qt::ArrowCursor);
    connect(ComboBox1, &QComboBox::editTextChanged, this, &TXsxxForm::ComboBox1Change);

    Button1 =
        listui::addButton(Panel2, QStringLiteral("Button1"), QStringLiteral("确定"), 125, 395);
    connect(Button1, &QPushButton::clicked, this, &TXsxxForm::Button1Click);

    // The date, the thirteen fields top to bottom, 确定, and the name box last.
    QWidget* order[] = {DateTimePicker1, Edit1, Edit2,  Edit3,  Edit4,  Edit5,  Edit6,   Edit7,
                        Edit8,           Edit9, Edit10, Edit11, Edit12, Edit13, Button1, ComboBox1};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void TXsxxForm::buildSearchPanel() {
    Panel6 = Frame->addPanel(QStringLiteral("Panel6"), {224, 168}, {481, 89}, {456, 8},
                             QStringLiteral("Image3"));
    Image3 = Panel6->closePicture();
    connect(Panel6, &listui::FloatingPanel::closeClicked, this, &TXsxxForm::Image3Click);

    listui::addFields(Panel6, FieldFace::Sunken,
                      {{&Edit15, "Edit15", "商品编码", 80, 48, 121},
                       {&Edit16, "Edit16", "商品名称", 272, 48, 121}});
    Button2 = listui::addButton(Panel6, QStringLiteral("Button2"), QStringLiteral("查询"), 400, 48);
    connect(Button2, &QPushButton::clicked, this, &TXsxxForm::Button2Click);
}

void TXsxxForm::setNavigation(QWidget* mainWindow, TXsmxForm* details) {
    setWindows(mainWindow, mainWindow);
    m_details = details;
}

// 表3 is opened without its rows: nothing here shows them, and with a
// million sales reading them at every activation would hold the window up.
void TXsxxForm::reloadAll() {
    store::reopen(ADOConnection1, {{&ADOQuery1, Statement::table(Tables::Goods)},
                                   {&ADOQuery2, Statement::emptyOf(Tables::Sales)},
                                   {&ADOQuery3, Statement::table(Tables::SalesExport)}});
}

void TXsxxForm::FormActivate() {
    listui::guard(this, [this] {
        reloadAll();
        hidePanels();
    });
}

void TXsxxForm::hidePanels() {
    Panel2->hide();
    Panel6->hide();
}

void TXsxxForm::openSellingPanel() {
    listui::guard(this, [this] {
        if (!ADOQuery1.isOpen() || ADOQuery1.rowCount() == 0) {
            Messages::show(this, sales::kNoGoods);
            return;
        }
        const sales::GoodsPanel goods = sales::goodsPanel(ADOQuery1);
        DateTimePicker1->setDate(QDate::currentDate());
        Edit1->setText(goods.code);
        Edit2->setText(goods.name);
        Edit3->setText(goods.model);
        Edit4->setText(goods.size);
        Edit5->setText(goods.unit);
        Edit6->setText(goods.price);
        Edit7->setText(goods.stock);
        Edit8->setText(QStringLiteral("0"));
        Edit9->setText(QStringLiteral("0"));
        Edit10->setText(QStringLiteral("0"));
        Edit11->clear();
        Edit12->clear();
        Edit13->clear();
        m_goodsRecord = ADOQuery1.bookmark();

        Panel2->open();
        Panel6->hide();

        const QStringList customers = m_customers.customers();
        const QSignalBlocker quiet(ComboBox1);  // filling the box is no change of the name
        ComboBox1->clear();
        ComboBox1->addItems(customers);
        ComboBox1->setCurrentIndex(-1);
        ComboBox1->setEditText(QString());
    });
}

void TXsxxForm::openSearchPanel() {
    Edit15->clear();
    Edit16->clear();
    Panel6->open();
    Panel2->hide();
}

// The amount follows the two texts however they change, pasting included;
// until both are numbers it keeps what it showed.
void TXsxxForm::followAmount() {
    try {
        Edit10->setText(sales::saleAmount(Edit8->text(), Edit9->text()));
    } catch (const store::Error&) {
    }
}

void TXsxxForm::Edit8Change() {
    followAmount();
}

void TXsxxForm::Edit9Change() {
    followAmount();
}

void TXsxxForm::Edit9KeyUp() {
    bool exceeds = false;
    try {
        exceeds = sales::exceedsStock(Edit9->text(), Edit7->text());
    } catch (const store::Error&) {
        return;  // a quantity still being typed; 确定 names it if it stays so
    }
    if (!exceeds) return;
    Messages::show(this, sales::kStockShort);
    Edit9->setText(QStringLiteral("0"));
    Edit10->setText(QStringLiteral("0"));
}

bool TXsxxForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit9 && event->type() == QEvent::KeyRelease &&
        !static_cast<QKeyEvent*>(event)->isAutoRepeat())
        Edit9KeyUp();
    return ModalListForm::eventFilter(watched, event);
}

void TXsxxForm::ComboBox1Change() {
    listui::guard(this, [this] {
        const auto customer = m_customers.lookup(ComboBox1->currentText());
        if (!customer) return;
        Edit11->setText(customer->phone);
        Edit12->setText(customer->address);
        Edit13->setText(customer->remark);
    });
}

void TXsxxForm::Button1Click() {
    listui::guard(this, [this] {
        sales::SaleTexts sale;
        sale.date = DateTimePicker1->date();
        sale.code = Edit1->text();
        sale.name = Edit2->text();
        sale.model = Edit3->text();
        sale.size = Edit4->text();
        sale.unit = Edit5->text();
        sale.price = Edit8->text();
        sale.quantity = Edit9->text();
        sale.customer = ComboBox1->currentText();
        sale.phone = Edit11->text();
        sale.address = Edit12->text();
        sale.remark = Edit13->text();
        const sales::Outcome outcome = sales::sell(ADOQuery1, m_goodsRecord, ADOQuery2, sale);
        Messages::show(this, outcome.message);
        if (outcome.stored) Panel2->hide();  // the list shows the record in place
    });
}

void TXsxxForm::Image2Click() {
    Panel2->hide();
}

void TXsxxForm::Button2Click() {
    listui::guard(this, [this] {
        listui::searchList(ADOQuery1, Tables::Goods,
                           {{Edit15->text(), QStringLiteral("商品编码")},
                            {Edit16->text(), QStringLiteral("商品名称")}});
    });
}

void TXsxxForm::Image3Click() {
    Panel6->hide();
}

void TXsxxForm::SpeedButton1Click() {
    openSellingPanel();
}

void TXsxxForm::SpeedButton2Click() {
    if (!m_details) return;
    hide();
    m_details->showModal();
}

void TXsxxForm::SpeedButton3Click() {
    openSearchPanel();
}

void TXsxxForm::SpeedButton4Click() {
    listui::guard(this, [this] { reloadAll(); });
}

void TXsxxForm::SpeedButton5Click() {}

void TXsxxForm::SpeedButton6Click() {}

void TXsxxForm::SpeedButton7Click() {
    close();
}

void TXsxxForm::N1Click() {
    openSellingPanel();
}

void TXsxxForm::N2Click() {
    SpeedButton2Click();
}

void TXsxxForm::N4Click() {
    openSearchPanel();
}

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
    quitProgram();
}

void TXsxxForm::DBGridEh1DblClick() {
    openSellingPanel();
}
