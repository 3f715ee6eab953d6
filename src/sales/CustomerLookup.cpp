#include "CustomerLookup.h"

#include "Schema.h"
#include "Statement.h"

namespace sales {

QStringList CustomerLookup::customers() {
    // Straight to the new statement: whatever the dataset held last is not
    // run again first.
    m_sales.close();
    m_sales.clearStatement();
    m_sales.setStatement(store::Statement::distinctCustomers());
    m_sales.open();

    const QString column = QStringLiteral("客户姓名");
    const int c = m_sales.columnIndex(column);
    QStringList names;
    bool emptyListed = false;
    for (m_sales.first(); !m_sales.atEnd(); m_sales.next()) {
        // Sales made here always store a name, if only an empty one; a null
        // from elsewhere lists as that same empty name rather than failing.
        if (m_sales.isNullAt(m_sales.currentIndex(), c) || m_sales.text(column).isEmpty()) {
            if (!emptyListed) names << QString();
            emptyListed = true;
            continue;
        }
        names << m_sales.value(column);
    }
    m_anySales = m_sales.rowCount() > 0;
    return names;
}

std::optional<CustomerLookup::Customer> CustomerLookup::lookup(const QString& name) {
    if (name.isEmpty() || !m_anySales) return std::nullopt;
    m_sales.replaceStatement(
        store::Statement::containing(store::Tables::Sales, QStringLiteral("客户姓名"), name));
    Customer found;
    if (m_sales.rowCount() > 0) {
        m_sales.first();
        found.phone = m_sales.text(QStringLiteral("联系电话"));
        found.address = m_sales.text(QStringLiteral("详细地址"));
        found.remark = m_sales.text(QStringLiteral("备注"));
    }
    return found;
}

}  // namespace sales
