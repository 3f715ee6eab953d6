#pragma once

#include "Connection.h"
#include "Dataset.h"
#include "ModalListForm.h"
#include "SaleRules.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;
namespace listui {
class FloatingPanel;
class RecordGrid;
}  // namespace listui

// The sales details window "销售明细": one row per sale of 表3. Runs modally
// in place of the sales window.
class TXsmxForm : public ModalListForm {
    Q_OBJECT
public:
    explicit TXsmxForm(QWidget* parent = nullptr);
    ~TXsmxForm() override;

    // The main window (closed by "【退出软件】") and the sales window (shown
    // again on leaving).
    void setNavigation(QWidget* mainWindow, QWidget* sales);

    store::Connection ADOConnection1;
    store::Dataset ADOQuery1{ADOConnection1};  // sale records, 表3

    listui::RecordGrid* DBGridEh1;
    QToolButton* SpeedButton1;  // 修改信息
    QToolButton* SpeedButton2;  // 删除信息
    QToolButton* SpeedButton3;  // 查询信息
    QToolButton* SpeedButton4;  // 刷新信息
    QToolButton* SpeedButton5;  // 明细打印
    QToolButton* SpeedButton6;  // 数据导出
    QToolButton* SpeedButton7;  // 关闭窗口
    QLabel* Label1;             // 【退出软件】
    QMenu* PopupMenu1;
    QAction* N1;   // 修改信息
    QAction* N2;   // 删除信息
    QAction* N4;   // 查询信息
    QAction* N5;   // 刷新信息
    QAction* N7;   // 明细打印
    QAction* N8;   // 数据导出
    QAction* N10;  // 关闭窗口

    // The modification panel.
    listui::FloatingPanel* Panel2;
    QLabel* Image2;        // its close picture
    QLineEdit* Edit1;      // 商品编码
    QLineEdit* Edit2;      // 商品名称
    QLineEdit* Edit3;      // 商品型号
    QLineEdit* Edit4;      // 商品规格
    QLineEdit* Edit5;      // 单位
    QLineEdit* Edit6;      // 销售单价
    QLineEdit* Edit7;      // 销售数量
    QLineEdit* Edit8;      // 客户姓名
    QLineEdit* Edit9;      // 联系电话
    QLineEdit* Edit10;     // 详细地址
    QLineEdit* Edit11;     // 备注
    QPushButton* Button1;  // 修改
    QPushButton* Button2;  // 取消

    // The search panel.
    listui::FloatingPanel* Panel5;
    QLabel* Image3;        // its close picture
    QLineEdit* Edit12;     // 商品编码
    QLineEdit* Edit13;     // 商品名称
    QLineEdit* Edit14;     // 客户姓名
    QLineEdit* Edit15;     // 联系电话
    QPushButton* Button3;  // 查询

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
    void N4Click();
    void N5Click();
    void N7Click();
    void N8Click();
    void N10Click();
    void Label1Click();
    void DBGridEh1DblClick();
    void Button1Click();
    void Button2Click();
    void Image2Click();
    void Button3Click();
    void Image3Click();

    // Which customer fields the user edited since the panel was filled.
    const sales::CustomerFlags& changedFlags() const { return m_changed; }

protected:
    // Becoming active hides the modification and search panels.
    virtual void hidePanels();

private:
    void buildModificationPanel();
    void buildSearchPanel();
    void reload();
    // The toolbar and the menu hide the search panel; a double click leaves it.
    void openModificationPanel(bool hideSearch);
    void openSearchPanel();

    // The sale record the modification panel was filled from.
    store::Dataset::Bookmark m_saleRecord = -1;
    sales::CustomerFlags m_changed{};
};
