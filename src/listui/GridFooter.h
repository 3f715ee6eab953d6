#pragma once

#include <QWidget>

namespace listui {

class DatasetModel;
class TwoLevelHeader;

// The footer row under the grid's rows: aqua, "合计" in bold under its
// column and the sums centred under theirs. It reads the column positions
// from the title header, so it follows resizing and horizontal scrolling.
// The grid places it; it has no data of its own.
class GridFooter : public QWidget {
    Q_OBJECT
public:
    GridFooter(const TwoLevelHeader& header, const DatasetModel& model, QWidget* parent = nullptr);

    // Width of the blank cell under the indicator column.
    void setIndicatorWidth(int width);
    int indicatorWidth() const { return m_indicatorWidth; }

    // A column's footer cell in this widget's coordinates.
    QRect cellRect(int logical) const;
    QString text(int logical) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const TwoLevelHeader& m_header;
    const DatasetModel& m_model;
    int m_indicatorWidth = 0;
};

}  // namespace listui
