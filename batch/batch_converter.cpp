#include "batch/batch_converter.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "batch/help_text.h"
#include "text/ascii.h"
#include "text/csv_writer.h"

namespace batch {

namespace {

struct NamedField {
    std::string_view name;
    int field;
};

// Score columns in the window's order, so that missing ones are appended
// in it and a row's cells are checked in it: the raw score with its mean
// and sd, then the converter's scales, named as the scale table names them.
constexpr std::array<NamedField, conversion::kScaleCount + 2> kColumnNames = [] {
    std::array<NamedField, conversion::kScaleCount + 2> names{};
    names[0] = {conversion::kScales[conversion::Raw].column, conversion::Raw};
    names[1] = {"mean", conversion::kScaleCount};
    names[2] = {"sd", conversion::kScaleCount + 1};
    for (int position = conversion::Raw + 1; position < conversion::kScaleCount; ++position)
        names[size_t(position) + 2] = {conversion::kScales[position].column, position};
    return names;
}();

constexpr std::string_view kNoteColumn = "note";
constexpr std::string_view kReliabilityColumn = "reliability";

// A cell quoted in a note: enough of it to find it by.
constexpr size_t kQuotedCellLimit = 40;

std::string normalisedName(std::string_view name)
{
    return text::lowerAscii(text::trimmed(name));
}

std::string_view columnName(int field)
{
    for (const NamedField &named : kColumnNames)
        if (named.field == field)
            return named.name;
    return {};
}

bool isScore(int field)
{
    return field >= conversion::Z && field <= conversion::Percentile;
}

// The fields a conversion can start from: the raw score and the scales.
bool isSource(int field)
{
    return field == conversion::Raw || isScore(field);
}

template <typename Keep> std::string nameList(Keep keep, std::string_view lastJoin)
{
    std::vector<std::string_view> names;
    for (const NamedField &named : kColumnNames)
        if (keep(named.field))
            names.push_back(named.name);
    return joinNames(names, lastJoin);
}

// The ten texts in FieldTextViews' order: raw, mean, sd, then positions 1-7.
size_t viewIndex(int field)
{
    switch (field) {
    case conversion::Raw:
        return 0;
    case conversion::kScaleCount:
        return 1;
    case conversion::kScaleCount + 1:
        return 2;
    default:
        return size_t(field) + 2;
    }
}

std::string quoted(std::string_view cell)
{
    if (cell.size() <= kQuotedCellLimit)
        return "\"" + std::string(cell) + "\"";
    size_t cut = kQuotedCellLimit;
    while (cut > 0 && (static_cast<unsigned char>(cell[cut]) & 0xC0) == 0x80)
        --cut; // not inside a UTF-8 character
    return "\"" + std::string(cell.substr(0, cut)) + "...\"";
}

// A result "held at its bound" is written with a trailing "*".
bool stripMark(std::string_view &text)
{
    const auto last = text.find_last_not_of(" \t");
    if (last == std::string_view::npos || text[last] != '*')
        return false;
    text = text.substr(0, last);
    return true;
}

} // namespace

BatchConverter::BatchConverter(const text::CsvRecord &header, const ConversionSettings &settings)
    : m_header(header.cells), m_settings(settings),
      m_interpreter(settings.interpretation, settings.decimalComma),
      m_calculate(settings.interpretation.enabled ? &m_interpreter : nullptr)
{
    if (header.problem != text::RowProblem::None) {
        m_error = "the header row is malformed: a quoted name is not closed properly";
        return;
    }
    mapColumns();
    if (m_error.empty())
        chooseSource();
}

void BatchConverter::mapColumns()
{
    m_columnOf.fill(-1);
    m_interpretedColumnOf.fill(-1);
    m_fieldOfColumn.assign(m_header.size(), Carried);
    bool any = false;
    for (size_t column = 0; column < m_header.size(); ++column) {
        const std::string name = normalisedName(m_header[column]);
        if (name == kNoteColumn) {
            if (m_noteColumn >= 0) {
                m_error = "the header names the column \"note\" twice";
                return;
            }
            m_noteColumn = int(column);
            m_fieldOfColumn[column] = NoteColumn;
        }
        for (const NamedField &named : kColumnNames) {
            if (name != named.name)
                continue;
            if (m_columnOf[named.field] >= 0) {
                m_error = "the header names the column \"" + name + "\" twice";
                return;
            }
            m_columnOf[named.field] = int(column);
            m_fieldOfColumn[column] = named.field;
            any = true;
        }
        if (m_settings.interpretation.enabled && !mapInterpretedColumn(name, column))
            return;
    }
    if (!any) {
        m_error = "the header names none of the columns "
                  + nameList([](int) { return true; }, ", ");
        return;
    }
    for (int position = conversion::Z; position <= conversion::Percentile; ++position)
        if (m_columnOf[position] < 0)
            m_appended.push_back(position);
    chooseInterpretedColumns();
}

// False, with m_error set, for a column named twice.
bool BatchConverter::mapInterpretedColumn(const std::string &name, size_t column)
{
    int *seen = nullptr;
    if (name == kReliabilityColumn) {
        seen = &m_reliabilityColumn;
    } else {
        for (int cell = 0; cell < kInterpretedCellCount; ++cell) {
            if (name == interpretedColumnName(cell)) {
                seen = &m_interpretedColumnOf[size_t(cell)];
                m_fieldOfColumn[column] = FirstInterpreted + cell;
            }
        }
    }
    if (seen == nullptr)
        return true;
    if (*seen >= 0) {
        m_error = "the header names the column \"" + name + "\" twice";
        return false;
    }
    *seen = int(column);
    return true;
}

// A reliability column asks for intervals even when every row must bring
// its own reliability.
void BatchConverter::chooseInterpretedColumns()
{
    const InterpretationSettings &settings = m_settings.interpretation;
    if (!settings.enabled)
        return;
    const bool intervals = settings.reliability || m_reliabilityColumn >= 0;
    const int count = intervals ? kInterpretedCellCount : kFirstIntervalCell;
    for (int cell = 0; cell < count; ++cell)
        if (m_interpretedColumnOf[size_t(cell)] < 0)
            m_appendedCells.push_back(cell);
}

void BatchConverter::chooseSource()
{
    if (m_settings.from.empty())
        return;
    const std::string name = normalisedName(m_settings.from);
    for (const NamedField &named : kColumnNames)
        if (name == named.name && isSource(named.field))
            m_source = named.field;
    if (m_source < 0) {
        m_error = "--from takes " + nameList(isSource, " or ") + ", not \"" + m_settings.from
                  + "\"";
    } else if (m_source == RawField
               && (m_columnOf[RawField] < 0 || m_columnOf[MeanField] < 0
                   || m_columnOf[SdField] < 0)) {
        m_error = "--from raw needs the columns raw, mean and sd";
    } else if (m_columnOf[size_t(m_source)] < 0) {
        m_error = "--from " + name + ": the header has no column " + name;
    }
}

void BatchConverter::writeHeader(text::CsvWriter &out) const
{
    for (const std::string &name : m_header)
        out.cell(name);
    for (const int position : m_appended)
        out.cell(columnName(position));
    for (const int cell : m_appendedCells)
        out.cell(interpretedColumnName(cell));
    if (m_noteColumn < 0)
        out.cell(kNoteColumn);
    out.endRow();
}

RowResult BatchConverter::writeRow(const text::CsvRecord &record, text::CsvWriter &out)
{
    const std::vector<std::string> &cells = record.cells;
    // An empty line is a row whose cells are all empty.
    const bool blank = cells.size() == 1 && cells[0].empty() && record.problem == text::RowProblem::None;
    if (record.problem != text::RowProblem::None || (record.cellCount() != m_header.size() && !blank)) {
        writeMalformed(record, out);
        return RowResult::Malformed;
    }
    if (!fillFields(cells, blank)) {
        writeRefused(cells, blank, m_note, out);
        return RowResult::Refused;
    }
    const RowOutcome &row =
        m_calculate.calculate(m_fields, m_hasReliability ? &m_reliability : nullptr);
    if (row.outcome.refused) {
        writeRefused(cells, blank, row.outcome.message, out);
        return RowResult::Refused;
    }
    writeConverted(cells, blank, row, out);
    return RowResult::Converted;
}

text::NumberSyntax BatchConverter::syntaxOf(int field) const
{
    return {m_settings.decimalComma ? ',' : '.', field == conversion::Z};
}

// The row's cells as calculate() is to see them; false, with m_note saying
// why, when the row cannot be converted.
bool BatchConverter::fillFields(const std::vector<std::string> &cells, bool blank)
{
    m_fields.fill({});
    for (const NamedField &named : kColumnNames) {
        const int column = m_columnOf[size_t(named.field)];
        if (column < 0 || blank || cells[size_t(column)].empty())
            continue;
        const std::string_view cell = cells[size_t(column)];
        std::string_view text = cell;
        const bool marked = isScore(named.field) && stripMark(text);
        const text::NumberSyntax syntax = syntaxOf(named.field);
        const std::optional<text::PlainNumberSpan> span = text::findPlainNumber(text, syntax);
        if (!span) {
            m_note = std::string(named.name) + ": " + quoted(cell) + " is not a number";
            return false;
        }
        std::string_view number = text.substr(span->begin, span->end - span->begin);
        if (span->mark != std::string_view::npos && syntax.decimalMark != '.') {
            std::string &copy = m_numbers[size_t(named.field)];
            copy.assign(number);
            copy[span->mark - span->begin] = '.';
            number = copy;
        }
        if (marked && named.field == m_source) {
            m_note = std::string(named.name) + ": " + quoted(cell)
                     + " is a result held at its bound, not a score to convert from";
            return false;
        }
        if (!marked)
            m_fields[viewIndex(named.field)] = number;
    }
    if (!takeReliability(cells, blank))
        return false;
    return m_source < 0 || takeSource();
}

// The row's own reliability, else the option's; false, with m_note saying
// why, for a cell that is no reliability.
bool BatchConverter::takeReliability(const std::vector<std::string> &cells, bool blank)
{
    const std::optional<double> &given = m_settings.interpretation.reliability;
    m_hasReliability = given.has_value();
    m_reliability = given.value_or(0);
    if (m_reliabilityColumn < 0 || blank || cells[size_t(m_reliabilityColumn)].empty())
        return true;
    const std::string_view cell = cells[size_t(m_reliabilityColumn)];
    // A column of reliabilities holds one per test: most cells repeat one
    // read lately.
    for (const ReadReliability &read : m_readReliabilities) {
        if (!read.cell.empty() && read.cell == cell) {
            m_hasReliability = true;
            m_reliability = read.value;
            return true;
        }
    }
    const std::optional<double> value =
        text::plainNumberValue(cell, {m_settings.decimalComma ? ',' : '.', false});
    if (!value) {
        m_note = std::string(kReliabilityColumn) + ": " + quoted(cell) + " is not a number";
        return false;
    }
    if (const std::string why = interpretation::checkReliability(*value); !why.empty()) {
        m_note = std::string(kReliabilityColumn) + ": " + quoted(cell) + ": " + why;
        return false;
    }
    m_hasReliability = true;
    m_reliability = *value;
    ReadReliability &oldest = m_readReliabilities[m_oldestRead];
    oldest.cell.assign(cell);
    oldest.value = *value;
    m_oldestRead = (m_oldestRead + 1) % m_readReliabilities.size();
    return true;
}

// With --from, the source alone is given to calculate().
bool BatchConverter::takeSource()
{
    static constexpr int kRawFields[] = {RawField, MeanField, SdField};
    const bool raw = m_source == RawField;
    const int *const begin = raw ? std::begin(kRawFields) : &m_source;
    const int *const end = raw ? std::end(kRawFields) : &m_source + 1;
    for (const int *field = begin; field != end; ++field) {
        if (m_fields[viewIndex(*field)].empty()) {
            m_note = std::string(columnName(*field)) + ": the cell is empty";
            return false;
        }
    }
    for (int field = 0; field < FieldCount; ++field)
        if (std::find(begin, end, field) == end)
            m_fields[viewIndex(field)] = {};
    return true;
}

void BatchConverter::writeConverted(const std::vector<std::string> &cells, bool blank,
                                    const RowOutcome &row, text::CsvWriter &out)
{
    const auto result = [&](int position) -> std::string_view {
        const std::string &text = row.outcome.results[size_t(position)];
        if (!m_settings.decimalComma)
            return text;
        m_result = text;
        for (char &c : m_result)
            if (c == '.')
                c = ',';
        return m_result;
    };
    for (size_t column = 0; column < m_header.size(); ++column) {
        const int field = m_fieldOfColumn[column];
        if (field == NoteColumn)
            out.cell({});
        else if (field >= FirstInterpreted)
            out.cell(row.interpreted[size_t(field - FirstInterpreted)]);
        else if (isScore(field) && field != m_source)
            out.cell(result(field));
        else
            out.cell(blank ? std::string_view() : std::string_view(cells[column]));
    }
    for (const int position : m_appended)
        out.cell(result(position));
    for (const int cell : m_appendedCells)
        out.cell(row.interpreted[size_t(cell)]);
    if (m_noteColumn < 0)
        out.cell({});
    out.endRow();
}

void BatchConverter::writeRefused(const std::vector<std::string> &cells, bool blank,
                                  std::string_view note, text::CsvWriter &out) const
{
    for (size_t column = 0; column < m_header.size(); ++column) {
        if (int(column) == m_noteColumn)
            out.cell(note);
        else if (m_fieldOfColumn[column] >= FirstInterpreted)
            out.cell({}); // an earlier run's interpretation would contradict the note
        else
            out.cell(blank ? std::string_view() : std::string_view(cells[column]));
    }
    for (size_t i = 0; i < m_appended.size() + m_appendedCells.size(); ++i)
        out.cell({});
    if (m_noteColumn < 0)
        out.cell(note);
    out.endRow();
}

// A malformed row keeps every cell: those beyond the header's width follow
// the note, so that the note stays in its column, and so does a cell that
// stood where the note now goes.
void BatchConverter::writeMalformed(const text::CsvRecord &record, text::CsvWriter &out) const
{
    const std::vector<std::string> &cells = record.cells;
    const std::string note = malformedNote(record);
    std::string_view displaced;
    for (size_t column = 0; column < m_header.size(); ++column) {
        const std::string_view cell = column < cells.size() ? std::string_view(cells[column])
                                                            : std::string_view();
        if (int(column) == m_noteColumn) {
            out.cell(note);
            displaced = cell;
        } else {
            out.cell(cell);
        }
    }
    for (size_t i = 0; i < m_appended.size() + m_appendedCells.size(); ++i)
        out.cell({});
    if (m_noteColumn < 0)
        out.cell(note);
    if (!displaced.empty())
        out.cell(displaced);
    for (size_t column = m_header.size(); column < cells.size(); ++column)
        out.cell(cells[column]);
    if (record.surplusCells > 0)
        out.writtenCells(record.surplus);
    out.endRow();
}

std::string BatchConverter::malformedNote(const text::CsvRecord &record) const
{
    switch (record.problem) {
    case text::RowProblem::UnclosedQuote:
        return "malformed row: a quoted cell is not closed";
    case text::RowProblem::TextAfterQuote:
        return "malformed row: text follows the closing quote of a cell";
    case text::RowProblem::None:
        break;
    }
    return "malformed row: " + std::to_string(record.cellCount()) + " cells where the header has "
           + std::to_string(m_header.size());
}

} // namespace batch
