// SPDX-License-Identifier: GPL-3.0-or-later
// A thread-safe map that keeps at most `capacity` entries, dropping the least recently used
// one when full, so a long run never grows it without bound. retainIf() drops what the
// current events no longer use.
#pragma once

#include <QHash>
#include <list>
#include <mutex>
#include <optional>
#include <unordered_map>

namespace ruvo::videocalls {

template <typename Key, typename Value> class BoundedCache {
public:
    explicit BoundedCache(std::size_t capacity) : m_capacity(capacity) { Q_ASSERT(capacity > 0); }

    std::optional<Value> find(const Key& key) {
        std::lock_guard lock(m_mutex);
        const auto it = m_index.find(key);
        if (it == m_index.end())
            return std::nullopt;
        m_order.splice(m_order.begin(), m_order, it->second);
        return it->second->second;
    }

    void insert(const Key& key, Value value) {
        std::lock_guard lock(m_mutex);
        if (const auto it = m_index.find(key); it != m_index.end()) {
            it->second->second = std::move(value);
            m_order.splice(m_order.begin(), m_order, it->second);
            return;
        }
        m_order.emplace_front(key, std::move(value));
        m_index.emplace(key, m_order.begin());
        if (m_order.size() > m_capacity) {
            m_index.erase(m_order.back().first);
            m_order.pop_back();
        }
    }

    // Keeps only the entries whose key satisfies `keep`.
    template <typename Predicate> void retainIf(Predicate keep) {
        std::lock_guard lock(m_mutex);
        for (auto it = m_order.begin(); it != m_order.end();) {
            if (keep(it->first)) {
                ++it;
                continue;
            }
            m_index.erase(it->first);
            it = m_order.erase(it);
        }
    }

    std::size_t size() const {
        std::lock_guard lock(m_mutex);
        return m_order.size();
    }

    void clear() {
        std::lock_guard lock(m_mutex);
        m_index.clear();
        m_order.clear();
    }

private:
    struct Hasher {
        std::size_t operator()(const Key& key) const { return qHash(key); }
    };
    using Entries = std::list<std::pair<Key, Value>>;

    const std::size_t m_capacity;
    mutable std::mutex m_mutex;
    Entries m_order; // most recently used first
    std::unordered_map<Key, typename Entries::iterator, Hasher> m_index;
};

} // namespace ruvo::videocalls
