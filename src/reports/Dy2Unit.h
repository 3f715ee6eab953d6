#pragma once

#include "ReportHolder.h"

// Holder of the sales detail report "销售明细表".
class TDy2Form : public ReportHolder {
    Q_OBJECT
public:
    explicit TDy2Form(QWidget* parent = nullptr);
};
