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
#include "RecordGrid.h"
#include "Reopen.h"
#include "Schema.h"

using listui::Messages;
using listui::Pictures::Tool;
using store::Statement;
namespace Tables = store::Tables;

namespace {

QFont simSun(int pixels, bool bold = false) {
    QFont f(QStringLiteral("宋体"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// The caption left of a field.
void caption(QWidget* panel, const char* text, int fieldLeft, int top) {
    auto* label = new QLabel(QString::fromUtf8(text), panel);
    label->setGeometry(fieldLeft - 58, top, 54, 21);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

// A field; read-only ones wear the grey of a button face.
QLineEdit* field(QWidget* panel, const char* name, int left, int top, int width, bool readOnly) {
    auto* edit = new QLineEdit(panel);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(left, top, width, 21);
    edit->setReadOnly(readOnly);
    if (readOnly) {
        QPalette pal = edit->palette();
        pal.setColor(QPalette::Base, pal.color(QPalette::Button));
        edit->setPalette(pal);
    }
    return edit;
}

// The red circled number at a group's left edge, its hint naming the group.
void groupNumber(QWidget* panel, const char* number, const char* hint, int top) {
    auto* label = new QLabel(QString::fromUtf8(number), panel);
    label->setFont(simSun(16, true));
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(pal);
    label->setToolTip(QString::fromUtf8(hint));
    label->setGeometry(8, top, 20, 21);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

// A thin rule across the whole panel between two groups.
void rule(QWidget* panel, const char* name, int top) {
    auto* line = new QFrame(panel);
    line->setObjectName(QString::fromLatin1(name));
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    line->setLineWidth(1);
    line->setGeometry(0, top, panel->width(), 2);
}

QPushButton* button(QWidget* panel, const char* name, const char* text, int left, int top) {
    auto* b = new QPushButton(QString::fromUtf8(text), panel);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(left, top, 57, 22);
    b->setCursor(Qt::ArrowCursor);  // not the panel's move cursor
    return b;
}

}  // namespace

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

    buildModificationPanel();
    buildSearchPanel();

    ADOQuery1.open();
    listui::ActivationTracker::instance().registerWindow(this, [this] { FormActivate(); });
}

TXsmxForm::~TXsmxForm() = default;

void TXsmxForm::buildModificationPanel() {
    Panel2 = new listui::FloatingPanel(Frame->listArea(), QPoint(256, 88));
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->resize(417, 265);
    Panel2->setFont(simSun(13));
    Panel2->setClosePicturePosition(QPoint(392, 8));
    Image2 = Panel2->closePicture();
    Image2->setObjectName(QStringLiteral("Image2"));
    connect(Panel2, &listui::FloatingPanel::closeClicked, this, &TXsmxForm::Image2Click);

    groupNumber(Panel2, "①", "商品信息", 40);
    groupNumber(Panel2, "②", "销售信息", 120);
    groupNumber(Panel2, "③", "客户信息", 152);
    rule(Panel2, "Bevel1", 112);
    rule(Panel2, "Bevel2", 144);

    const struct {
        QLineEdit** edit;
        const char* name;
        const char* label;
        int left, top, width;
        bool readOnly;
    } fields[] = {
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
    };
    for (const auto& f : fields) {
        caption(Panel2, f.label, f.left, f.top);
        *f.edit = field(Panel2, f.name, f.left, f.top, f.width, f.readOnly);
    }
    auto* numbers = new listui::NumericKeyFilter(Panel2);
    numbers->attach(Edit6);
    numbers->attach(Edit7);
    // Only the user's edits mark a field; the program's setText() does not.
    int flag = 0;
    for (QLineEdit* e : {Edit8, Edit9, Edit10, Edit11}) {
        connect(e, &QLineEdit::textEdited, this, [this, flag] { m_changed[flag] = true; });
        ++flag;
    }

    Button1 = button(Panel2, "Button1", "修改", 136, 232);
    Button2 = button(Panel2, "Button2", "取消", 224, 232);
    connect(Button1, &QPushButton::clicked, this, &TXsmxForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TXsmxForm::Button2Click);
}

void TXsmxForm::buildSearchPanel() {
    Panel5 = new listui::FloatingPanel(Frame->listArea(), QPoint(224, 168));
    Panel5->setObjectName(QStringLiteral("Panel5"));
    Panel5->resize(481, 97);
    Panel5->setFont(simSun(13));
    Panel5->setClosePicturePosition(QPoint(456, 8));
    Image3 = Panel5->closePicture();
    Image3->setObjectName(QStringLiteral("Image3"));
    connect(Panel5, &listui::FloatingPanel::closeClicked, this, &TXsmxForm::Image3Click);

    const struct {
        QLineEdit** edit;
        const char* name;
        const char* label;
        int left, top;
    } fields[] = {
        {&Edit12, "Edit12", "商品编码", 80, 40},
        {&Edit13, "Edit13", "商品名称", 264, 40},
        {&Edit14, "Edit14", "客户姓名", 80, 64},
        {&Edit15, "Edit15", "联系电话", 264, 64},
    };
    for (const auto& f : fields) {
        caption(Panel5, f.label, f.left, f.top);
        *f.edit = field(Panel5, f.name, f.left, f.top, 121, false);
    }
    Button3 = button(Panel5, "Button3", "查询", 400, 40);
    connect(Button3, &QPushButton::clicked, this, &TXsmxForm::Button3Click);
}

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
    if (m_mainWindow) m_mainWindow->close();
}

void TXsmxForm::DBGridEh1DblClick() {
    openModificationPanel(false);
}

void TXsmxForm::reject() {
    if (m_sales) {
        m_sales->show();
        m_sales->activateWindow();
    }
    ModalListForm::reject();
}
