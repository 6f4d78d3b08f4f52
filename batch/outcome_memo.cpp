#include "batch/outcome_memo.h"

#include <cstring>

namespace batch {

namespace {

// A power of two; a few megabytes at most, whatever the file.
constexpr size_t kSlotCount = 8192;

// Every stretch of this many lookups is judged: finding fewer than one in
// kWorthwhile of them sets the memory aside for the next kRowsAside rows.
constexpr size_t kStretch = 8192;
constexpr size_t kWorthwhile = 8;
constexpr size_t kRowsAside = 65536;

uint64_t hashOf(const FieldTextViews &texts, const double *reliability)
{
    // FNV-1a, with each text's length closing it so that texts cannot run
    // into one another.
    uint64_t hash = 0xcbf29ce484222325ULL;
    for (const std::string_view text : texts) {
        for (const char c : text)
            hash = (hash ^ (unsigned char)c) * 0x100000001b3ULL;
        hash = (hash ^ text.size()) * 0x100000001b3ULL;
    }
    if (reliability) {
        uint64_t bits;
        std::memcpy(&bits, reliability, sizeof bits);
        hash = (hash ^ bits) * 0x100000001b3ULL;
    }
    return hash | 1; // never 0, the mark of an empty slot
}

// Most of a row's fields are empty, and clearing a string is far cheaper
// than assigning it nothing.
void setText(std::string &text, std::string_view view)
{
    if (view.empty())
        text.clear();
    else
        text.assign(view);
}

} // namespace

OutcomeMemo::OutcomeMemo(RowInterpreter *interpreter)
    : m_hashes(kSlotCount), m_slots(kSlotCount), m_interpreter(interpreter)
{
}

void OutcomeMemo::compute(const FieldTextViews &texts, const double *reliability,
                          RowOutcome &row)
{
    row.outcome = conversion::calculate(fieldTexts(texts));
    if (m_interpreter)
        m_interpreter->interpret(row.outcome, reliability, row.interpreted);
}

const RowOutcome &OutcomeMemo::calculate(const FieldTextViews &texts, const double *reliability)
{
    if (m_rowsUnremembered > 0) {
        --m_rowsUnremembered;
        compute(texts, reliability, m_unremembered);
        return m_unremembered;
    }
    const uint64_t hash = hashOf(texts, reliability);
    const size_t index = size_t(hash ^ (hash >> 29)) & (kSlotCount - 1);
    Slot &slot = m_slots[index];
    bool known = m_hashes[index] == hash && slot.hasReliability == (reliability != nullptr)
                 && (!reliability || slot.reliability == *reliability);
    for (size_t i = 0; known && i < texts.size(); ++i)
        known = slot.texts[i] == texts[i];
    if (!known) {
        compute(texts, reliability, slot.row);
        for (size_t i = 0; i < texts.size(); ++i)
            setText(slot.texts[i], texts[i]);
        slot.hasReliability = reliability != nullptr;
        slot.reliability = reliability ? *reliability : 0;
        m_hashes[index] = hash;
    }
    m_found += known ? 1 : 0;
    if (++m_lookups == kStretch) {
        if (m_found * kWorthwhile < m_lookups)
            m_rowsUnremembered = kRowsAside;
        m_lookups = m_found = 0;
    }
    return slot.row;
}

const conversion::FieldTexts &OutcomeMemo::fieldTexts(const FieldTextViews &texts)
{
    setText(m_texts.raw, texts[0]);
    setText(m_texts.rawMean, texts[1]);
    setText(m_texts.rawSd, texts[2]);
    for (int position = conversion::Z; position <= conversion::Percentile; ++position)
        setText(m_texts.score[size_t(position)], texts[size_t(position) + 2]);
    return m_texts;
}

} // namespace batch
