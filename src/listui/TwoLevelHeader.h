#pragma once

#include <QHeaderView>
#include <optional>

namespace listui {

// The grid's column titles in two rows. A title "upper|lower" shows its
// lower part in the second row, and adjacent columns with the same upper part
// share one merged cell in the first row; a title without "|" fills both
// rows. Titles come from the model's DatasetModel::UpperTitleRole and
// LowerTitleRole. A click on a title toggles an ascending/descending marker
// on that column; nothing is re-sorted.
class TwoLevelHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit TwoLevelHeader(QWidget* parent = nullptr);

    QSize sizeHint() const override;

    // Whether a column's title has two rows.
    bool isTwoLevel(int logical) const;
    QString upperTitle(int logical) const;
    QString lowerTitle(int logical) const;
    // The first and last logical column of the merged upper cell over a
    // column (the column itself for a one-row title).
    int groupFirst(int logical) const;
    int groupLast(int logical) const;
    // Cells in viewport coordinates: the upper (merged) cell over a column,
    // and its lower cell. A one-row title gives its full-height cell for both.
    QRect upperRect(int logical) const;
    QRect lowerRect(int logical) const;

    // The column carrying the sort marker, and its direction.
    std::optional<int> markedSection() const { return m_marked; }
    Qt::SortOrder markerOrder() const { return m_order; }
    // Puts the marker on a column as a title click does: a new column starts
    // ascending, the marked column flips.
    void toggleMarker(int logical);
    void clearMarker();

signals:
    void markerChanged(int logical, Qt::SortOrder order);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool sameGroup(int leftLogical, int rightLogical) const;
    void drawCell(QPainter& p, const QRect& cell, const QString& text, int logical,
                  bool marker) const;
    void onSectionClicked(int logical);

    std::optional<int> m_marked;
    Qt::SortOrder m_order = Qt::AscendingOrder;
    bool m_pressInUpperRow = false;
};

}  // namespace listui
