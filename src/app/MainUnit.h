#pragma once

#include <QMainWindow>
#include <QPointer>

#include "Connection.h"
#include "Dataset.h"

class QAction;
class QLabel;
class QMenu;
class QToolButton;
class TJbzlForm;
class TXsxxForm;
namespace listui {
class ListFrame;
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

signals:
    // The window has closed: the program ends.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void reload();

    QPointer<TXsxxForm> m_sales;
    QPointer<TJbzlForm> m_company;
};
