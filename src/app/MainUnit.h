#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>

#include "Connection.h"
#include "Dataset.h"
#include "PurchaseRules.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;
class TJbzlForm;
class TXsxxForm;
namespace listui {
class FloatingPanel;
class ListFrame;
class NumericKeyFilter;
class RecordGrid;
}  // namespace listui

// The main window: the purchase list of 表1, the menu bar that leads to the
// other windows, and the maker's support contact. Closing it ends the program.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // The maker's web site; its page "/qjques.htm" answers common questions.
    static QString webSite();

    // The sales window ("【销售信息】") and the company window ("【基本资料】").
    void setNavigation(TXsxxForm* sales, TJbzlForm* company);

    store::Connection ADOConnection1;
    store::Dataset ADOQuery1{ADOConnection1};  // purchase list, 表1
    store::Dataset ADOQuery2{ADOConnection1};  // export staging, 表4

    listui::ListFrame* Frame;
    listui::RecordGrid* DBGridEh1;
    QToolButton* SpeedButton1;  // 添加信息
    QToolButton* SpeedButton2;  // 修改信息
    QToolButton* SpeedButton3;  // 删除信息
    QToolButton* SpeedButton4;  // 查询信息
    QToolButton* SpeedButton5;  // 刷新信息
    QToolButton* SpeedButton6;  // 进货打印
    QToolButton* SpeedButton7;  // 数据导出
    QLabel* Image1;             // the logo
    QLabel* Label1;             // support: instant messenger
    QLabel* Label2;             // support: telephone
    QLabel* Label3;             // support: e-mail

    // Menu bar.
    QAction* N4;   // 【基本资料】
    QAction* N5;   // 【销售信息】
    QAction* N8;   // 【数据备份】
    QAction* N9;   // 【数据恢复】
    QAction* N15;  // 【技术支持】
    QAction* N16;  // 【常见问题】
    QAction* N17;  // 【退出软件】
    // The list's context menu.
    QMenu* PopupMenu1;
    QAction* N1;   // 添加信息
    QAction* N2;   // 修改信息
    QAction* N3;   // 删除信息
    QAction* N11;  // 查询信息
    QAction* N12;  // 刷新信息
    QAction* N14;  // 进货打印
    QAction* N7;   // 数据导出

    // The entry panel: a goods record added or modified.
    listui::FloatingPanel* Panel2;
    QLineEdit* Edit1;      // 商品编码
    QLineEdit* Edit2;      // 商品名称
    QLineEdit* Edit3;      // 商品型号
    QLineEdit* Edit4;      // 商品规格
    QLineEdit* Edit5;      // 单位
    QLineEdit* Edit6;      // 进货单价
    QLineEdit* Edit7;      // 进货数量
    QLineEdit* Edit8;      // 供货单位
    QLineEdit* Edit9;      // 联系人
    QLineEdit* Edit10;     // 联系电话
    QLineEdit* Edit11;     // 详细地址
    QLineEdit* Edit12;     // 备注
    QPushButton* Button1;  // 添加
    QPushButton* Button2;  // 取消
    QPushButton* Button3;  // 修改
    QLabel* Image2;        // close picture
    // Typing into Edit6 and Edit7.
    listui::NumericKeyFilter* KeyFilter;

    // The search panel.
    listui::FloatingPanel* Panel5;
    QLineEdit* Edit13;     // 商品编码
    QLineEdit* Edit14;     // 商品名称
    QLineEdit* Edit15;     // 联系人
    QLineEdit* Edit16;     // 联系电话
    QPushButton* Button4;  // 查询
    QLabel* Image3;        // close picture

    // The entry panel's fields the user has edited since the program last
    // set them, Edit1..Edit12.
    const purchase::Flags& changedFlags() const { return m_changed; }

    void FormCreate();
    void FormActivate();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void SpeedButton7Click();
    void N1Click();
    void N2Click();
    void N3Click();
    void N11Click();
    void N12Click();
    void N14Click();
    void N7Click();
    void N4Click();
    void N5Click();
    void N8Click();
    void N9Click();
    void N15Click();
    void N16Click();
    void N17Click();
    void Image1Click();
    void DBGridEh1DblClick();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Image2Click();
    void Image3Click();

signals:
    // The window has closed: the program ends.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void reload();
    void buildEntryPanel();
    void buildSearchPanel();
    void openForAdd();
    void openForModify(bool hideSearch);
    void openSearch();
    purchase::Texts entryTexts() const;
    void setEntryTexts(const purchase::Texts& texts);

    std::array<QLineEdit*, purchase::FieldCount> m_entry{};
    purchase::Flags m_changed{};
    // The goods record the entry panel was filled from for a modify.
    store::Dataset::Bookmark m_modifyRecord = -1;

    QPointer<TXsxxForm> m_sales;
    QPointer<TJbzlForm> m_company;
};
