#pragma once

#include "Dataset.h"

namespace store {

// The grid's current row is the user's; a command bound to another record
// must not leave the list somewhere else. Goes back to the row it found when
// it ends, if that row is still there.
class KeepCurrent {
public:
    explicit KeepCurrent(Dataset& ds) : m_ds(ds), m_bookmark(ds.bookmark()) {}
    ~KeepCurrent() {
        if (m_bookmark >= 0 && m_ds.isOpen()) m_ds.gotoBookmark(m_bookmark);
    }
    KeepCurrent(const KeepCurrent&) = delete;
    KeepCurrent& operator=(const KeepCurrent&) = delete;

private:
    Dataset& m_ds;
    Dataset::Bookmark m_bookmark;
};

}  // namespace store
