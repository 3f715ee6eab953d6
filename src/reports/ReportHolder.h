#pragma once

#include <QWidget>

#include "Connection.h"
#include "Dataset.h"

// A never-shown window that owns one printed report: its own connection and
// the report's dataset over one table. The previews are what the user sees.
class ReportHolder : public QWidget {
    Q_OBJECT
public:
    ReportHolder(const QString& table, QWidget* parent = nullptr);

    store::Connection ADOConnection1;
    store::Dataset ADODataSet1;

protected:
    // Connects and opens the report dataset; a store::Error escapes.
    void FormCreate();
};
