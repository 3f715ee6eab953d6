#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "Dataset.h"

namespace sales {

// The selling panel's customer name box: the list of earlier customers, and
// the lookup that fills 联系电话, 详细地址 and 备注 from the first earlier
// sale whose customer name contains the typed text. Works through the sales
// window's sales dataset, replacing its statement.
class CustomerLookup {
public:
    struct Customer {
        QString phone, address, remark;
        bool operator==(const Customer&) const = default;
    };

    explicit CustomerLookup(store::Dataset& sales) : m_sales(sales) {}

    // On opening the panel: one entry per distinct name in 表3, in the
    // store's order (an empty name gives one empty entry).
    QStringList customers();

    // On every change of the name. Nothing (the fields stay as they are) for
    // an empty name or when 表3 held no sale at all when the list was built;
    // otherwise the first match's texts, or three empty texts when no sale
    // matches. Every lookup searches the whole of 表3.
    std::optional<Customer> lookup(const QString& name);

private:
    store::Dataset& m_sales;
    bool m_anySales = true;  // until the list says otherwise
};

}  // namespace sales
