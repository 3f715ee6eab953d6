#include "JbzlUnit.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ActivationTracker.h"
#include "ListFrame.h"
#include "Reopen.h"
#include "Schema.h"

namespace {

QFont simSun(int pixels, bool bold = false) {
    QFont f(QStringLiteral("宋体"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

}  // namespace

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

    Button1 = new QPushButton(QStringLiteral("保存"), header);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(264, 8, 57, 22);
    Button2 = new QPushButton(QStringLiteral("取消"), header);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(336, 8, 57, 22);
    connect(Button1, &QPushButton::clicked, this, &TJbzlForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TJbzlForm::Button2Click);

    auto* body = new QWidget(this);
    body->setGeometry(0, 39, 428, 148);
    struct Field {
        QLineEdit** edit;
        const char* name;
        const char* label;
        int left, top, width;
        bool readOnly;
    };
    const Field fields[] = {
        {&Edit1, "Edit1", "公司名称", 80, 16, 321, true},
        {&Edit2, "Edit2", "公司地址", 80, 40, 321, false},
        {&Edit3, "Edit3", "联系人", 80, 64, 121, false},
        {&Edit4, "Edit4", "联系电话", 280, 64, 121, false},
        {&Edit5, "Edit5", "网址", 80, 88, 321, true},
        {&Edit6, "Edit6", "备注", 80, 112, 321, false},
    };
    for (const Field& f : fields) {
        auto* edit = new QLineEdit(body);
        edit->setObjectName(QString::fromLatin1(f.name));
        edit->setGeometry(f.left, f.top, f.width, 21);
        edit->setReadOnly(f.readOnly);
        edit->setStyleSheet(
            QStringLiteral("QLineEdit { border: 1px solid #7f7f7f; padding: 0 2px; }"));
        auto* label = new QLabel(QString::fromUtf8(f.label), body);
        label->setGeometry(f.left - 64, f.top, 58, 21);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        *f.edit = edit;
    }

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
