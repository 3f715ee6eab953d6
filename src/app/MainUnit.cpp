#include "MainUnit.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <QUrl>

#include "ActivationTracker.h"
#include "ColumnSpec.h"
#include "DesktopShortcut.h"
#include "JbzlUnit.h"
#include "ListFrame.h"
#include "Messages.h"
#include "RecordGrid.h"
#include "Reopen.h"
#include "Schema.h"
#include "XsxxUnit.h"

using listui::Pictures::Tool;
using store::Statement;
namespace Tables = store::Tables;

namespace {

QFont simSun(int pixels) {
    QFont f(QStringLiteral("宋体"));
    f.setPixelSize(pixels);
    return f;
}

}  // namespace

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

    const struct {
        QToolButton** button;
        const char* caption;
        Tool picture;
        void (TMainForm::*handler)();
    } tools[] = {
        {&SpeedButton1, "添加信息", Tool::Add, &TMainForm::SpeedButton1Click},
        {&SpeedButton2, "修改信息", Tool::Modify, &TMainForm::SpeedButton2Click},
        {&SpeedButton3, "删除信息", Tool::Delete, &TMainForm::SpeedButton3Click},
        {&SpeedButton4, "查询信息", Tool::Search, &TMainForm::SpeedButton4Click},
        {&SpeedButton5, "刷新信息", Tool::Refresh, &TMainForm::SpeedButton5Click},
        {&SpeedButton6, "进货打印", Tool::Print, &TMainForm::SpeedButton6Click},
        {&SpeedButton7, "数据导出", Tool::Export, &TMainForm::SpeedButton7Click},
    };
    int number = 1;
    for (const auto& t : tools) {
        *t.button = Frame->addSpeedButton(number, 24 + 112 * (number - 1),
                                          QString::fromUtf8(t.caption), t.picture);
        connect(*t.button, &QToolButton::clicked, this, t.handler);
        ++number;
    }

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

    auto on = [this](void (TMainForm::*handler)()) {
        return [this, handler] { (this->*handler)(); };
    };
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

void TMainForm::SpeedButton1Click() {}

void TMainForm::SpeedButton2Click() {}

void TMainForm::SpeedButton3Click() {}

void TMainForm::SpeedButton4Click() {}

void TMainForm::SpeedButton5Click() {
    listui::guard(this, [this] { reload(); });
}

void TMainForm::SpeedButton6Click() {}

void TMainForm::SpeedButton7Click() {}

void TMainForm::N1Click() {}

void TMainForm::N2Click() {}

void TMainForm::N3Click() {}

void TMainForm::N11Click() {}

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

void TMainForm::DBGridEh1DblClick() {}

void TMainForm::showEvent(QShowEvent* event) {
    listui::centreOnDesktop(this);
    QMainWindow::showEvent(event);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}
