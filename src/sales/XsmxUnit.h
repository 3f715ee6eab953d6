#pragma once

#include <QPointer>

#include "Connection.h"
#include "Dataset.h"
#include "ModalListForm.h"

class QAction;
class QLabel;
class QMenu;
class QToolButton;
namespace listui {
class ListFrame;
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

    listui::ListFrame* Frame;
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

public slots:
    // Leaving the window, by any way but "【退出软件】": the sales window
    // comes back first, then the modal run ends.
    void reject() override;

protected:
    // Becoming active hides the modification and search panels.
    virtual void hidePanels();

private:
    void reload();

    QPointer<QWidget> m_mainWindow;
    QPointer<QWidget> m_sales;
};
