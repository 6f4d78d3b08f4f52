#include "batch/outcome_memo.h"

#include <algorithm>
#include <cstring>

#include "text/text_routines.h"

namespace batch {

namespace {

// A power of two; a few megabytes at most, whatever the file.
constexpr size_t kSlotCount = 8192;

// Every stretch of this many lookups is judged: finding fewer than one in
// kWorthwhile of them sets the memory aside for the next kRowsAside rows,
// twice as many each time a stretch finds little again (up to
// kMostRowsAside), so that a file of distinct rows hardly pays for it.
constexpr size_t kStretch = 8192;
constexpr size_t kWorthwhile = 8;
constexpr size_t kRowsAside = 65536;
constexpr size_t kMostRowsAside = size_t(1) << 22;

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

void ResultTexts::set(const conversion::Calculation &calculation, bool decimalComma)
{
    for (int position = conversion::Z; position <= conversion::Percentile; ++position) {
        char *const text = m_text[size_t(position)].data();
        const size_t size = conversion::resultText(calculation, position, text);
        if (decimalComma)
            for (size_t i = 0; i < size; ++i)
                if (text[i] == '.')
                    text[i] = ',';
        m_size[size_t(position)] = uint16_t(size);
    }
}

OutcomeMemo::OutcomeMemo(RowInterpreter *interpreter, bool decimalComma, bool settle)
    : m_hashes(kSlotCount), m_slots(kSlotCount), m_interpreter(interpreter),
      m_decimalComma(decimalComma), m_settle(settle), m_nextAside(kRowsAside)
{
}

// The z a row's shown results agree on (conversion::settleOnShown) depends
// on those results alone, and far fewer of them than of rows: a file of
// distinct scores shows each result again and again. What was settled for
// them is remembered.
void OutcomeMemo::settle(const conversion::FieldTextViews &fields, conversion::Calculation &outcome)
{
    const auto settleAfresh = [&] {
        return conversion::settleOnShown(outcome, fields, m_scratch) && m_scratch.z != outcome.z;
    };
    // A row from its raw score alone mostly keeps its z, found at once; its
    // raw score would make every key new.
    if (outcome.source == conversion::Raw) {
        if (settleAfresh()) {
            outcome.z = m_scratch.z;
            outcome.source = m_scratch.source;
            outcome.value = m_scratch.value;
            outcome.marked = m_scratch.marked;
        }
        return;
    }
    std::string &key = m_settleKey;
    key.clear();
    for (const std::string_view raw : {fields.raw, fields.rawMean, fields.rawSd}) {
        key += raw;
        key += '\x1f';
    }
    for (int position = conversion::Z; position <= conversion::Percentile; ++position) {
        char text[conversion::kResultTextSize];
        key.append(text, conversion::resultText(outcome, position, text));
        key += '\x1f';
    }
    uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : key)
        hash = (hash ^ (unsigned char)c) * 0x100000001b3ULL;
    Settled &slot = m_settled[size_t(hash ^ (hash >> 31)) & (m_settled.size() - 1)];
    if (slot.key != key) {
        slot.key = key;
        // The z settled on, even where it is this row's own: another row
        // showing the same results came from another.
        slot.keep = !conversion::settleOnShown(outcome, fields, m_scratch);
        if (!slot.keep) {
            slot.z = m_scratch.z;
            slot.source = m_scratch.source;
            slot.value = m_scratch.value;
            slot.marked = m_scratch.marked;
        }
    }
    if (slot.keep)
        return;
    outcome.z = slot.z;
    outcome.source = slot.source;
    outcome.value = slot.value;
    outcome.marked = slot.marked;
}

// A score ending in "*" is never converted from, but the row's z must hold
// it at its bound again.
void OutcomeMemo::compute(const FieldTextViews &texts, const double *reliability,
                          RowOutcome &row)
{
    conversion::FieldTextViews fields{texts[0], texts[1], texts[2], {}};
    conversion::HeldSides held{};
    for (int position = conversion::Z; position <= conversion::Percentile; ++position) {
        std::string_view text = texts[size_t(position) + 2];
        if (!text.empty() && text.back() == '*') {
            const conversion::Scale &scale = conversion::kScales[position];
            const double value = text::Val(text.substr(0, text.size() - 1));
            held[size_t(position)] = value <= scale.lowest ? -1 : value >= scale.highest ? 1 : 0;
            text = {};
        }
        fields.score[size_t(position)] = text;
    }
    row.disagreement = conversion::calculateRow(fields, held, false, row.outcome, m_scratch);
    if (m_settle && !row.outcome.refused && !row.disagreement)
        settle(fields, row.outcome);
    if (!row.outcome.refused && !row.disagreement)
        row.results.set(row.outcome, m_decimalComma);
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
        if (m_found * kWorthwhile < m_lookups) {
            m_rowsUnremembered = m_nextAside;
            m_nextAside = std::min(m_nextAside * 2, kMostRowsAside);
        } else {
            m_nextAside = kRowsAside;
        }
        m_lookups = m_found = 0;
    }
    return slot.row;
}

} // namespace batch
