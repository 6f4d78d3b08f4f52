// The people a profile file has finished with, to refuse one seen again
// after another: 16 bytes each, their names' 64-bit hashes and the lines
// they started on. Two names sharing a hash would be taken for one person;
// among millions of people that is about as likely as a cosmic ray.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace batch {

class SeenPeople {
public:
    // The line the person started on, or 0 when not seen.
    size_t lineOf(std::string_view person) const
    {
        if (m_slots.empty())
            return 0;
        const uint64_t hash = hashOf(person);
        for (size_t at = hash & (m_slots.size() - 1);; at = (at + 1) & (m_slots.size() - 1)) {
            if (m_slots[at].hash == 0)
                return 0;
            if (m_slots[at].hash == hash)
                return m_slots[at].line;
        }
    }

    void add(std::string_view person, size_t line)
    {
        if (2 * (m_count + 1) > m_slots.size())
            grow();
        place({hashOf(person), line});
        ++m_count;
    }

private:
    struct Slot {
        uint64_t hash = 0; // 0: empty
        size_t line = 0;
    };

    static uint64_t hashOf(std::string_view person)
    {
        const uint64_t hash = std::hash<std::string_view>()(person);
        return hash == 0 ? 1 : hash;
    }

    void place(const Slot &slot)
    {
        size_t at = slot.hash & (m_slots.size() - 1);
        while (m_slots[at].hash != 0)
            at = (at + 1) & (m_slots.size() - 1);
        m_slots[at] = slot;
    }

    void grow()
    {
        std::vector<Slot> old(m_slots.empty() ? 64 : m_slots.size() * 2);
        old.swap(m_slots);
        for (const Slot &slot : old)
            if (slot.hash != 0)
                place(slot);
    }

    std::vector<Slot> m_slots; // a power of two, at most half full
    size_t m_count = 0;
};

} // namespace batch
