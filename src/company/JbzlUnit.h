#pragma once

#include <QDialog>

#include "Connection.h"
#include "Dataset.h"

// The company information window "基本资料".
class TJbzlForm : public QDialog {
    Q_OBJECT
public:
    explicit TJbzlForm(QWidget* parent = nullptr);

    store::Connection ADOConnection1;
    store::Dataset ADOQuery1{ADOConnection1};
};
