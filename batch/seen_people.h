// The people a profile file has finished with, to refuse one seen again
// after another: the 64-bit hashes of their names in a table that doubles,
// about 24 bytes a person at its peak (22 MB more for 900,000 more people);
// nothing else of a file grows with it. Two names
// sharing a hash would be taken for one person: among a million people, a
// chance of about 1 in 37 million.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace batch {

class SeenPeople {
public:
    bool contains(std::string_view person) const
    {
        if (m_slots.empty())
            return false;
        const uint64_t hash = hashOf(person);
        for (size_t at = hash & (m_slots.size() - 1);; at = (at + 1) & (m_slots.size() - 1)) {
            if (m_slots[at] == 0)
                return false;
            if (m_slots[at] == hash)
                return true;
        }
    }

    void add(std::string_view person)
    {
        if (4 * (m_count + 1) > 3 * m_slots.size())
            grow();
        place(hashOf(person));
        ++m_count;
    }

private:
    static uint64_t hashOf(std::string_view person)
    {
        const uint64_t hash = std::hash<std::string_view>()(person);
        return hash == 0 ? 1 : hash; // 0 marks a free slot
    }

    void place(uint64_t hash)
    {
        size_t at = hash & (m_slots.size() - 1);
        while (m_slots[at] != 0)
            at = (at + 1) & (m_slots.size() - 1);
        m_slots[at] = hash;
    }

    void grow()
    {
        std::vector<uint64_t> old(m_slots.empty() ? 64 : m_slots.size() * 2);
        old.swap(m_slots);
        for (const uint64_t hash : old)
            if (hash != 0)
                place(hash);
    }

    std::vector<uint64_t> m_slots; // a power of two, at most three quarters full
    size_t m_count = 0;
};

} // namespace batch
