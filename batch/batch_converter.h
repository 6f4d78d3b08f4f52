// Converts the rows of a CSV file with the converter window's Calculate
// command. The header decides which column feeds which of the window's ten
// fields; each data row is then one conversion::calculate() call (or the
// remembered outcome of that same call, see OutcomeMemo), and the outcome
// alone decides what the row becomes: converted (score columns rewritten as
// the window rewrites its fields) or refused (cells as they were, the
// window's message in the note). No rule of the conversion lives here.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "batch/csv_reader.h"
#include "batch/outcome_memo.h"
#include "conversion/calculate.h"

namespace batch {

class CsvWriter;

enum class RowResult { Converted, Refused, Malformed };

class BatchConverter {
public:
    explicit BatchConverter(const CsvRecord &header);

    // Why the header cannot be used (a usage error); empty when it can.
    const std::string &error() const { return m_error; }

    // The input's columns, the score columns it lacked, and "note".
    void writeHeader(CsvWriter &out) const;

    RowResult writeRow(const CsvRecord &record, CsvWriter &out);

private:
    // Index into m_columnOf: the scale positions, then the raw fields.
    enum Field { RawField = conversion::Raw, MeanField = conversion::kScaleCount, SdField,
                 FieldCount };

    void mapColumns();
    void fillFields(const std::vector<std::string> &cells, bool blank);
    void writeConverted(const std::vector<std::string> &cells, bool blank,
                        const conversion::Outcome &outcome, CsvWriter &out) const;
    void writeMalformed(const CsvRecord &record, CsvWriter &out) const;
    std::string malformedNote(const CsvRecord &record) const;

    std::vector<std::string> m_header;
    std::vector<int> m_fieldOfColumn;          // a Field, or -1 for a carried column
    std::array<int, FieldCount> m_columnOf{}; // a column index, or -1 when absent
    std::vector<int> m_appended;               // score positions the input lacks
    std::string m_error;
    FieldTextViews m_fields; // into the row being converted
    OutcomeMemo m_calculate;
};

} // namespace batch
