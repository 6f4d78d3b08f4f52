// quintaval-convert --profile: a long file, one row per score, analysed
// person by person with the profile core. Rows of one person stand together
// (an empty person cell joins the row to the person before it); they are
// held until the person ends, then written as the score table (every input
// cell, then the person's figures for that score) or used for the pair or
// composite table. Memory holds one person's rows, at most kMaxScores of
// them, and about 24 bytes for each person seen, to refuse one seen again.
//
// With --wide the score table is written as one row per person, a column
// per score and figure: the columns are known only once every person is
// read, so the rows are held in a temporary file (HeldRows) until then.
//
// Every column this writes is computed for its row or left empty: a row
// refused now never keeps an earlier run's figures, nor a column of another
// metric.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "batch/held_rows.h"
#include "batch/seen_people.h"
#include "batch/stat_file.h"
#include "batch/table.h"
#include "profile/analysis.h"
#include "profile/unusual.h"
#include "text/csv_reader.h"


namespace batch {

enum class ProfileTable { Scores, Pairs, Composites, Summary };

struct ProfileSettings {
    bool enabled = false;
    ProfileTable table = ProfileTable::Scores;
    profile::Settings analysis;
    profile::Correlations correlations;
    std::string correlationsPath; // empty: none given
    bool wide = false;            // the score table as a row per person
    StatFormat format = StatFormat::None; // written to, for --wide's names
};

class ProfileConverter {
public:
    // A person with more scores than this is no battery: the rest of their
    // rows are refused, so that memory and the pairs stay bounded.
    static constexpr size_t kMaxScores = 1000;

    ProfileConverter(const text::CsvRecord &header, const ProfileSettings &settings,
                     bool decimalComma);
    ProfileConverter(const ProfileConverter &) = delete;
    ProfileConverter &operator=(const ProfileConverter &) = delete;

    // Why the header cannot be used (a usage error); empty when it can.
    const std::string &error() const { return m_error; }

    // The table's columns: the score table's the input's and what it adds.
    std::vector<OutputColumn> columns() const;
    // The input columns read as numbers: score, mean, sd, reliability,
    // retest, practice and those of a study and of controls.
    std::vector<size_t> numberColumns() const;

    // Takes the record's contents (leaving it other cells to reuse) and
    // writes whatever persons it ends.
    // stored: the row's values as its source stored them (SPSS, Stata).
    void add(text::CsvRecord &record, RowSink &out, std::shared_ptr<const StoredRow> stored = nullptr);
    // Writes the last person.
    void finish(RowSink &out);
    // With --wide, add() and finish() write nothing: the rows are held
    // until the columns (then known) are written, and this writes them.
    bool writeWide(RowSink &out);
    // Why the rows could not be held back; empty when they could.
    const std::string &holdError() const { return m_held.error(); }

    long long analysed() const { return m_analysed; }
    long long refused() const { return m_refused; }
    long long malformed() const { return m_malformed; }
    long long people() const { return m_people; } // not counting one seen again
    long long tableRows() const { return m_tableRows; } // pair, composite or summary rows

    // Without a note column (pairs, composites) the reasons rows were
    // refused are told on standard error: the first few of them.
    static constexpr size_t kToldRefusals = 20;
    const std::vector<std::string> &refusalNotes() const { return m_refusalNotes; }
    // What a person's correlations cannot be, for standard error, and how
    // many more such notes there were.
    const std::vector<std::string> &personNotes() const { return m_personNotes; }
    long long untoldPersonNotes() const { return m_untoldPersonNotes; }
    // Scores analysed with a reliability.
    long long withReliability() const { return m_withReliability; }

private:
    struct Row {
        enum Kind { Score, Blank, Malformed, Refused };
        text::CsvRecord record;
        std::shared_ptr<const StoredRow> stored;
        size_t line = 0;
        Kind kind = Score;
        int entry = -1;   // in m_profile, for a score
        std::string note; // why it was refused
    };

    struct Identity {
        std::string value; // the first one given
        size_t line = 0;   // 0: none given yet
    };

    void mapColumns();
    void endPerson(RowSink &out);
    void flush(RowSink &out, bool more);
    void readRows();
    bool checkIdentity(Row &row);
    static void refuse(Row &row, std::string note);
    void takeRefusals(bool more);
    std::string problemNote(const Row &row, const profile::EntryProblem &problem) const;
    std::string retestNote(const Row &row) const;
    void noteCorrelations();
    void tell(std::string note);
    void writeScoreRow(const Row &row, RowSink &out);
    void outputCell(int cell, const Row &row, RowSink &out);
    void writeMalformed(const Row &row, RowSink &out);
    void collectWide();
    void noteWide(size_t line, const std::string &note);
    void endWidePerson();
    void writePairs(RowSink &out);
    void writeComposites(RowSink &out);
    void writeSummary(RowSink &out);
    void number(RowSink &out, std::string_view text);
    bool isBlank(const text::CsvRecord &record) const;
    bool isMalformed(const text::CsvRecord &record) const;

    ProfileSettings m_settings;
    bool m_decimalComma;
    std::string m_error;
    std::vector<std::string> m_header;
    // What each input column is: an input (Field or identification), an
    // output rewritten, or carried.
    std::vector<int> m_role;
    std::array<int, 19> m_fieldColumn{};  // profile::Field's column, or -1
    int m_personColumn = -1;
    std::vector<int> m_identityColumns;  // birth_date, test_date, battery, examiner
    std::vector<int> m_appended;         // output cells the input lacks
    // With study columns: how change is judged, and so which of its columns are written.
    profile::ChangeMethod m_changeMethod = profile::ChangeMethod::JacobsonTruax;
    bool m_noteAppended = true;

    std::vector<Row> m_rows;             // the person's rows; the rest are spares
    size_t m_count = 0;                  // rows in use
    std::string m_person;                // the person's first non-empty cell
    bool m_seenBefore = false;           // the person stood before others already
    bool m_overflowed = false;           // more than kMaxScores rows: the rest refused
    size_t m_nextLine = 2;               // of the next record
    SeenPeople m_seen;
    std::vector<Identity> m_identity;    // per identification column, for the person

    profile::Profile m_profile;
    profile::Analysis m_analysis;
    // The low-score distributions, worked out once per matrix and cut-off.
    profile::LowScoreCache m_lowScores;
    profile::SetsMemo m_setsMemo;
    std::vector<profile::UnusualSet> m_unusual;
    std::vector<size_t> m_entryLine;     // the line of each entry
    std::vector<size_t> m_leftOut;       // lines refused or malformed
    std::string m_omissions;             // "computed without line 5"
    std::string m_rowNote;
    std::vector<std::string> m_personNotes;
    long long m_untoldPersonNotes = 0;
    long long m_withReliability = 0;
    static constexpr size_t kNamedInANote = 10;
    std::string m_cell;                  // a number with a decimal comma

    // --wide: the figures written per score, the scores' names (as first
    // spelt) by their keys, and the person's row being held.
    std::vector<int> m_wideCells;
    std::vector<std::string> m_wideNames;
    std::unordered_map<std::string, int> m_wideIndex;
    HeldRows m_held;
    bool m_wideAny = false;              // the person has a row that is not blank
    std::string m_wideNote;
    long long m_wideUntold = 0;
    size_t m_wideTold = 0;

    long long m_analysed = 0, m_refused = 0, m_malformed = 0, m_people = 0, m_tableRows = 0;
    std::vector<std::string> m_refusalNotes;
};

} // namespace batch
