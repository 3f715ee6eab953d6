#pragma once

#include <QList>
#include <QString>
#include <Qt>

namespace listui {

// How a list shows one column of its dataset. Grids, footers, reports and
// exports all read these tables instead of repeating them.
struct ColumnSpec {
    enum class Format { None, Money };                 // Money: "#0.##"
    enum class Footer { None, Label, Sum, SumGeneral };  // Label: "合计"; SumGeneral: no format

    QString field;  // column of the dataset
    QString title;  // "upper|lower", a single title for both rows, or empty (the field name)
    Qt::Alignment alignment = Qt::AlignLeft;
    Format format = Format::None;
    int width = 65;
    Footer footer = Footer::None;

    QString upperTitle() const;  // the part before "|", or the whole title
    QString lowerTitle() const;  // the part after "|"; empty for a one-level title
    bool twoLevel() const { return title.contains(u'|'); }
};

// The purchase list of the main window (表1).
const QList<ColumnSpec>& purchaseColumns();
// The goods list of the sales window (表1).
const QList<ColumnSpec>& salesColumns();
// The sale records of the sales details window (表3).
const QList<ColumnSpec>& salesDetailColumns();

}  // namespace listui
