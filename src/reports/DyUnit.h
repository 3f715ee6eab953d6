#pragma once

#include "ReportHolder.h"

// Holder of the purchase report "进货明细表".
class TDyForm : public ReportHolder {
    Q_OBJECT
public:
    explicit TDyForm(QWidget* parent = nullptr);
};
