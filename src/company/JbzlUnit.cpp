#include "JbzlUnit.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ActivationTracker.h"
#include "ListFrame.h"
#include "PanelWidgets.h"
#include "Reopen.h"
#include "Schema.h"

using listui::simSun;

TJbzlForm::TJbzlForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("JbzlForm"));
    setWindowTitle(QStringLiteral("基本资料"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(428, 187);
    setFont(simSun(13));

    auto* header = new QFrame(this);
    header->setObjectName(QStringLiteral("Panel1"));
    header->setGeometry(0, 0, 428, 39);
    header->setFrameStyle(QFrame::Panel | QFrame::Raised);
    header->setLineWidth(2);

    auto* title = new QLabel(QStringLiteral("基本资料   保存"), header);
    title->setFont(simSun(16, true));
    title->move(16, 11);
    title->adjustSize();
    auto* at = new QLabel(QStringLiteral("@"), header);
    QFont atFont(QStringLiteral("MS Sans Serif"));
    atFont.setPixelSize(16);
    atFont.setBold(true);
    at->setFont(atFont);
    at->move(88, 10);
    at->adjustSize();

    Button1 = listui::addButton(header, QStringLiteral("Button1"), QStringLiteral("保存"), 264, 8);
    Button2 = listui::addButton(header, QStringLiteral("Button2"), QStringLiteral("取消"), 336, 8);
    connect(Button1, &QPushButton::clicked, this, &TJbzlForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TJbzlForm::Button2Click);

    auto* body = new QWidget(this);
    body->setGeometry(0, 39, 428, 148);
    listui::addFields(body, listui::FieldFace::Bordered,
                      {
                          {&Edit1, "Edit1", "公司名称", 80, 16, 321, true},
                          {&Edit2, "Edit2", "公司地址", 80, 40, 321},
                          {&Edit3, "Edit3", "联系人", 80, 64, 121},
                          {&Edit4, "Edit4", "联系电话", 280, 64, 121},
                          {&Edit5, "Edit5", "网址", 80, 88, 321, true},
                          {&Edit6, "Edit6", "备注", 80, 112, 321},
                      });

    listui::ActivationTracker::instance().registerWindow(this);
    FormCreate();
}

void TJbzlForm::FormCreate() {
    store::reopen(ADOConnection1, {{&ADOQuery1, store::Statement::table(store::Tables::Company)}});
    Edit1->setText(ADOQuery1.text(QStringLiteral("公司名称")));
    Edit2->setText(ADOQuery1.text(QStringLiteral("公司地址")));
    Edit3->setText(ADOQuery1.text(QStringLiteral("联系人")));
    Edit4->setText(ADOQuery1.text(QStringLiteral("联系电话")));
    Edit5->setText(ADOQuery1.text(QStringLiteral("网址")));
    Edit6->setText(ADOQuery1.text(QStringLiteral("备注")));
}

void TJbzlForm::showEvent(QShowEvent* event) {
    listui::centreOnDesktop(this);
    QDialog::showEvent(event);
}

void TJbzlForm::Button1Click() {}

void TJbzlForm::Button2Click() {
    close();
}
