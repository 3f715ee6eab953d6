#pragma once

#include "ReportHolder.h"

// Holder of the sales statistics report "销售统计表".
class TDy1Form : public ReportHolder {
    Q_OBJECT
public:
    explicit TDy1Form(QWidget* parent = nullptr);
};
