// Converts the rows of a CSV file with the converter window's Calculate
// command. The header decides which column feeds which of the window's ten
// fields; each data row is then one conversion::calculate() call (or the
// remembered outcome of that same call, see OutcomeMemo), and the outcome
// alone decides what the row becomes: converted (score columns rewritten as
// the window rewrites its fields) or refused (the cells that were given as
// they were, the window's message in the note, no figure of a conversion
// left beside it). No rule of the conversion lives here.
//
// What the window's keystroke rules do for typing, this does for cells: a
// cell reaches calculate() only when it is empty or a plain number (see
// plain_number.h), and a score marked "*" as held at its bound is never
// taken as the score to convert from.
//
// With --interpret, a converted row also gets its interpretation columns
// (see RowInterpreter), from the z its outcome gives and the row's
// reliability. Those columns are outputs only: never read, rewritten where
// the input has them, and emptied by a run without --interpret.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "batch/table.h"
#include "text/csv_reader.h"
#include "batch/outcome_memo.h"
#include "text/plain_number.h"
#include "batch/row_interpreter.h"
#include "conversion/calculate.h"


namespace batch {


class CsvSink;

// Empty: a row with no score to convert (all its score cells empty or
// missing codes), which is no refusal of anything given.
enum class RowResult { Converted, Refused, Empty, Malformed };

// A column the converter reads: its name in a header, and its field.
struct NamedField {
    std::string_view name;
    int field;
};

struct ConversionSettings {
    bool decimalComma = false; // read and write numbers with a decimal comma
    bool marksInNote = false;  // a "*" is lost on a numeric variable: say it in the note
    std::string from;          // the source column ("raw", "z", ...); empty: the window's rule
    InterpretationSettings interpretation;
    // Columns named on the command line: a study's own variable (its key,
    // see columnKey) read as a field (conversion::Raw or a scale position).
    struct NamedColumn {
        std::string key;
        int field;
    };
    std::vector<NamedColumn> named;
    // The raw score's mean and sd for every row, as plain numbers; empty:
    // the columns mean and sd.
    std::string mean, sd;
    // Put before the name of every column the tool knows, reads and adds,
    // so that two tests of one file convert in two runs.
    std::string prefix;
    // Cells holding these numbers are empty; a column's own codes apply to
    // it alone (an empty key: every column read as a score, mean or sd).
    struct MissingCode {
        std::string key;
        double value;
    };
    std::vector<MissingCode> missing;
};

class BatchConverter {
public:
    BatchConverter(const text::CsvRecord &header, const ConversionSettings &settings = {});
    BatchConverter(const BatchConverter &) = delete;
    BatchConverter &operator=(const BatchConverter &) = delete;

    // Why the header cannot be used (a usage error); empty when it can.
    const std::string &error() const { return m_error; }

    // Interpretation columns of the input that this run empties, as it
    // does not interpret.
    const std::vector<std::string> &emptiedColumns() const { return m_emptied; }

    // The input's columns, the score columns it lacked, and "note" unless
    // the input has it.
    std::vector<OutputColumn> columns() const;
    // The input columns read as numbers.
    std::vector<size_t> numberColumns() const;

    // For a CsvSink, or any RowSink.
    template <class Sink> RowResult writeRow(const text::CsvRecord &record, Sink &out);

    // Converted rows that had a reliability, when interpreting.
    long long rowsWithReliability() const { return m_rowsWithReliability; }

private:
    // Index into m_columnOf: the scale positions, then the raw fields.
    enum Field { RawField = conversion::Raw, MeanField = conversion::kScaleCount, SdField,
                 FieldCount };
    // m_fieldOfColumn of a column that is not a field; an interpretation
    // column is FirstInterpreted + its InterpretedCell.
    enum { Carried = -1, NoteColumn = -2, FirstInterpreted = FieldCount };

    void mapColumns();
    std::string fieldKey(const std::string &header) const;
    bool isMissingCode(size_t column, std::string_view number) const;
    std::vector<double> missingCodes(size_t column) const;
    std::string addedName(std::string_view name) const;
    std::string convertedFrom() const;
    bool hasConstant(int field) const;
    bool mapInterpretedColumn(const std::string &name, size_t column);
    void chooseInterpretedColumns();
    std::array<bool, conversion::kScaleCount> heldInNote(const std::vector<std::string> &cells) const;
    void noteDisagreement(const conversion::Disagreement &disagreement,
                          const std::vector<std::string> &cells);
    bool takeReliability(const std::vector<std::string> &cells, bool blank);
    void chooseSource();
    bool fillFields(const std::vector<std::string> &cells, bool blank);
    bool takeSource();
    int sourceOf(const std::vector<std::string> &cells, bool blank) const;
    template <class Sink>
    void writeConverted(const std::vector<std::string> &cells, bool blank, const RowOutcome &row,
                        Sink &out);
    template <class Sink>
    void writeRefused(const std::vector<std::string> &cells, bool blank, std::string_view note,
                      Sink &out) const;
    template <class Sink> static void interpretedCell(const InterpretedCells &cells, int cell, Sink &out);
    template <class Sink> void writeMalformed(const text::CsvRecord &record, Sink &out) const;
    std::string_view heldNote(const conversion::Calculation &outcome);
    OutputColumn scoreOutput(int position) const;
    OutputColumn interpretedOutput(int cell) const;
    OutputColumn noteOutput() const;
    text::NumberSyntax syntaxOf(int field) const;
    std::string_view refusal(const conversion::Calculation &outcome);

    std::vector<std::string> m_header;
    std::vector<int> m_fieldOfColumn;          // a Field, Carried or NoteColumn
    std::array<int, FieldCount> m_columnOf{}; // a column index, or -1 when absent
    int m_noteColumn = -1;                     // the input's own note column
    std::vector<int> m_appended;               // score positions the input lacks
    std::vector<NamedField> m_present;         // fields the input has, in the window's order
    std::array<int, kInterpretedCellCount> m_interpretedColumnOf{}; // or -1
    int m_reliabilityColumn = -1;
    std::vector<int> m_appendedCells; // interpretation cells the input lacks
    ConversionSettings m_settings;
    int m_source = -1; // the field named by --from, or -1
    std::string m_error;
    std::vector<std::string> m_emptied;
    int m_quotedField = -1; // the field whose cell a refusal's note quotes
    bool m_keepsScores = false; // a refusal keeps every score cell as given
    int m_missingColumn = -1;   // the first cell of the row holding a missing code

    std::array<std::string, FieldCount> m_numbers; // cells with a decimal comma, made points
    FieldTextViews m_fields; // the row's numbers as calculate() reads them
    std::string m_note;
    std::string m_number; // a cell's number as the core reads it
    long long m_rowsWithReliability = 0;
    double m_reliability = 0;
    bool m_hasReliability = false;
    struct ReadReliability {
        std::string cell; // a usable reliability cell as written; empty: none
        double value = 0;
    };
    std::array<ReadReliability, 8> m_readReliabilities;
    size_t m_oldestRead = 0;
    RowInterpreter m_interpreter;
    OutcomeMemo m_calculate;
};

} // namespace batch
