#pragma once

#include <QPointer>

#include "Connection.h"
#include "CustomerLookup.h"
#include "Dataset.h"
#include "ModalListForm.h"

class QAction;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;
class TXsmxForm;
namespace listui {
class FloatingPanel;
class RecordGrid;
}  // namespace listui

// The sales window "销售信息": the goods of 表1 with their sales and stock
// figures, where goods are sold. Runs modally in place of the main window.
class TXsxxForm : public ModalListForm {
    Q_OBJECT
public:
    explicit TXsxxForm(QWidget* parent = nullptr);
    ~TXsxxForm() override;

    // The main window (shown again on leaving, closed by "【退出软件】") and
    // the sales details window ("销售明细").
    void setNavigation(QWidget* mainWindow, TXsmxForm* details);

    store::Connection ADOConnection1;
    store::Dataset ADOQuery1{ADOConnection1};  // goods list, 表1
    // 表3: no rows until the selling panel lists the customers in it; the
    // target a sale appends to.
    store::Dataset ADOQuery2{ADOConnection1};
    store::Dataset ADOQuery3{ADOConnection1};  // export staging, 表5

    listui::RecordGrid* DBGridEh1;
    QToolButton* SpeedButton1;  // 销售商品
    QToolButton* SpeedButton2;  // 销售明细
    QToolButton* SpeedButton3;  // 查询信息
    QToolButton* SpeedButton4;  // 刷新信息
    QToolButton* SpeedButton5;  // 销售打印
    QToolButton* SpeedButton6;  // 数据导出
    QToolButton* SpeedButton7;  // 关闭窗口
    QLabel* Label1;             // 【退出软件】
    QMenu* PopupMenu1;
    QAction* N1;   // 销售商品
    QAction* N2;   // 销售明细
    QAction* N4;   // 查询信息
    QAction* N5;   // 刷新信息
    QAction* N7;   // 打印报表
    QAction* N8;   // 数据导出
    QAction* N10;  // 关闭窗体

    // The selling panel "【销售商品】".
    listui::FloatingPanel* Panel2;
    QLabel* Image2;  // its close picture
    QDateEdit* DateTimePicker1;
    QLineEdit* Edit1;      // 商品编码
    QLineEdit* Edit2;      // 商品名称
    QLineEdit* Edit3;      // 商品型号
    QLineEdit* Edit4;      // 商品规格
    QLineEdit* Edit5;      // 单位
    QLineEdit* Edit6;      // 进货单价
    QLineEdit* Edit7;      // 库存数量
    QLineEdit* Edit8;      // 销售单价
    QLineEdit* Edit9;      // 销售数量
    QLineEdit* Edit10;     // 销售金额, computed
    QComboBox* ComboBox1;  // 客户姓名
    QLineEdit* Edit11;     // 联系电话
    QLineEdit* Edit12;     // 详细地址
    QLineEdit* Edit13;     // 备注
    QPushButton* Button1;  // 确定

    // The search panel.
    listui::FloatingPanel* Panel6;
    QLabel* Image3;        // its close picture
    QLineEdit* Edit15;     // 商品编码
    QLineEdit* Edit16;     // 商品名称
    QPushButton* Button2;  // 查询

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
    void Edit8Change();
    void Edit9Change();
    void Edit9KeyUp();
    void ComboBox1Change();
    void Button1Click();
    void Image2Click();
    void Button2Click();
    void Image3Click();

protected:
    // Becoming active hides the selling and search panels.
    virtual void hidePanels();
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildSellingPanel();
    void buildSearchPanel();
    // The reopen cycle over 表1, 表3 and 表5.
    void reloadAll();
    void openSellingPanel();
    void openSearchPanel();
    void followAmount();

    sales::CustomerLookup m_customers{ADOQuery2};
    // The goods record the selling panel was filled from.
    store::Dataset::Bookmark m_goodsRecord = -1;
    QPointer<TXsmxForm> m_details;
};
