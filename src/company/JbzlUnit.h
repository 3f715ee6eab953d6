#pragma once

#include <QDialog>

#include "Connection.h"
#include "Dataset.h"

class QLineEdit;
class QPushButton;

// The company information window "基本资料": the shop's own record, the first
// row of 表2, shown modally over the main window. Its dataset stays open on
// that row for the life of the program; the reports read it from here.
class TJbzlForm : public QDialog {
    Q_OBJECT
public:
    explicit TJbzlForm(QWidget* parent = nullptr);

    store::Connection ADOConnection1;
    store::Dataset ADOQuery1{ADOConnection1};

    QLineEdit* Edit1;      // 公司名称 (read-only)
    QLineEdit* Edit2;      // 公司地址
    QLineEdit* Edit3;      // 联系人
    QLineEdit* Edit4;      // 联系电话
    QLineEdit* Edit5;      // 网址 (read-only)
    QLineEdit* Edit6;      // 备注
    QPushButton* Button1;  // 保存
    QPushButton* Button2;  // 取消

    void Button1Click();
    void Button2Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
};
