#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>
#include <utility>

namespace store {

// Raw bytes that grow with realloc: large blocks are remapped rather than
// copied as they grow, and trim() gives back what a load did not use.
class GrowBuffer {
public:
    GrowBuffer() = default;
    ~GrowBuffer() { std::free(m_data); }
    GrowBuffer(const GrowBuffer&) = delete;
    GrowBuffer& operator=(const GrowBuffer&) = delete;
    GrowBuffer(GrowBuffer&& o) noexcept
        : m_data(std::exchange(o.m_data, nullptr)),
          m_size(std::exchange(o.m_size, 0)),
          m_capacity(std::exchange(o.m_capacity, 0)) {}
    GrowBuffer& operator=(GrowBuffer&& o) noexcept {
        std::swap(m_data, o.m_data);
        std::swap(m_size, o.m_size);
        std::swap(m_capacity, o.m_capacity);
        return *this;
    }

    unsigned char* data() { return m_data; }
    const unsigned char* data() const { return m_data; }
    std::size_t size() const { return m_size; }
    std::size_t capacity() const { return m_capacity; }

    // Room for n more bytes at the end; commit() what was written there.
    unsigned char* tail(std::size_t n) {
        if (m_capacity - m_size < n) grow(m_size + n);
        return m_data + m_size;
    }
    void commit(std::size_t n) { m_size += n; }

    void trim() {
        if (m_size == m_capacity) return;
        if (m_size == 0) {
            clear();
            return;
        }
        if (void* p = std::realloc(m_data, m_size)) {
            m_data = static_cast<unsigned char*>(p);
            m_capacity = m_size;
        }
    }
    void clear() {
        std::free(m_data);
        m_data = nullptr;
        m_size = m_capacity = 0;
    }

private:
    void grow(std::size_t need) {
        std::size_t cap = m_capacity + m_capacity / 2;
        if (cap < need) cap = need;
        if (cap < 4096) cap = 4096;
        void* p = std::realloc(m_data, cap);
        if (!p) throw std::bad_alloc();
        m_data = static_cast<unsigned char*>(p);
        m_capacity = cap;
    }

    unsigned char* m_data = nullptr;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
};

}  // namespace store
