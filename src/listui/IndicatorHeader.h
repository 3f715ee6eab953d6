#pragma once

#include <QHeaderView>

namespace listui {

// The narrow indicator column at the grid's left edge (the "序号" users click
// to select rows): fixed-height rows, a small triangle on the current row.
class IndicatorHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit IndicatorHeader(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    // The row marked as current (-1 when none).
    int markedRow() const;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};

}  // namespace listui
