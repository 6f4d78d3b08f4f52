#include "batch/batch_converter.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string_view>

#include "batch/cell_notes.h"
#include "batch/csv_table.h"
#include "batch/help_text.h"
#include "conversion/agreement.h"
#include "text/ascii.h"
#include "text/csv_writer.h"
#include "text/text_routines.h"

namespace batch {

namespace {

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

constexpr std::string_view kHeldNote = "held at the scale's bound: ";

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

// Why a cell is no number: a number with the other decimal mark says so.
std::string notANumber(std::string_view text, std::string_view cell, text::NumberSyntax syntax)
{
    text::NumberSyntax other = syntax;
    other.decimalMark = syntax.decimalMark == '.' ? ',' : '.';
    if (text::findPlainNumber(text, other))
        return quoted(cell) + ": this file uses a decimal "
               + (syntax.decimalMark == '.' ? "point" : "comma");
    return quoted(cell) + " is not a number";
}

std::string oneDecimal(double value, char mark)
{
    std::string out = text::Format(value, "0.0");
    if (mark != '.')
        std::replace(out.begin(), out.end(), '.', mark);
    return out;
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
      m_calculate(settings.interpretation.enabled ? &m_interpreter : nullptr, settings.decimalComma,
                  settings.interpretation.enabled && settings.from.empty())
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
        const std::string name = fieldKey(m_header[column]);
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
        if (!mapInterpretedColumn(name, column))
            return;
    }
    for (const ConversionSettings::NamedColumn &named : m_settings.named) {
        if (m_columnOf[size_t(named.field)] < 0) {
            m_error = (named.field == RawField ? "--raw " : "--score ") + named.key
                      + ": the header has no column " + named.key;
            return;
        }
    }
    for (const ConversionSettings::MissingCode &code : m_settings.missing) {
        if (code.key.empty())
            continue;
        const auto it = std::find_if(m_header.begin(), m_header.end(), [&](const std::string &h) {
            return columnKey(h) == code.key;
        });
        if (it == m_header.end()) {
            m_error = "--missing " + code.key + ":" + text::Str(code.value)
                      + ": the header has no column " + code.key;
            return;
        }
    }
    if (!any) {
        m_error = "the header names none of the columns "
                  + nameList([](int) { return true; }, ", ");
        if (!m_settings.prefix.empty())
            m_error += ", each after the prefix " + m_settings.prefix;
        return;
    }
    for (int position = conversion::Z; position <= conversion::Percentile; ++position)
        if (m_columnOf[position] < 0)
            m_appended.push_back(position);
    for (const NamedField &named : kColumnNames)
        if (m_columnOf[size_t(named.field)] >= 0)
            m_present.push_back(named);
    chooseInterpretedColumns();
}

// The name a header's column is known by: a column named on the command
// line is its field's; with a prefix, only the prefixed names are the
// tool's, and the rest are carried. A column taken by an option is not
// read as well from its usual name.
std::string BatchConverter::fieldKey(const std::string &header) const
{
    std::string key = columnKey(header);
    for (const ConversionSettings::NamedColumn &named : m_settings.named)
        if (named.key == key)
            return std::string(columnName(named.field));
    if (!m_settings.prefix.empty()) {
        const std::string prefix = columnKey(m_settings.prefix);
        if (key.size() <= prefix.size() || key.compare(0, prefix.size(), prefix) != 0)
            return {};
        key.erase(0, prefix.size());
    }
    for (const ConversionSettings::NamedColumn &named : m_settings.named)
        if (key == columnName(named.field))
            return {};
    if ((key == columnName(MeanField) && hasConstant(MeanField))
        || (key == columnName(SdField) && hasConstant(SdField)))
        return {};
    return key;
}

bool BatchConverter::hasConstant(int field) const
{
    return field == MeanField ? !m_settings.mean.empty()
           : field == SdField ? !m_settings.sd.empty()
                              : false;
}

std::vector<double> BatchConverter::missingCodes(size_t column) const
{
    std::vector<double> codes;
    const int field = m_fieldOfColumn[column];
    const bool number = field >= 0 && field < FieldCount;
    const std::string key = columnKey(m_header[column]);
    for (const ConversionSettings::MissingCode &code : m_settings.missing)
        if ((code.key.empty() && number) || code.key == key)
            if (std::find(codes.begin(), codes.end(), code.value) == codes.end())
                codes.push_back(code.value);
    return codes;
}

// `number` as the core reads it (a decimal point).
bool BatchConverter::isMissingCode(size_t column, std::string_view number) const
{
    if (m_settings.missing.empty())
        return false;
    const double value = text::Val(std::string(number));
    const std::string key = columnKey(m_header[column]);
    for (const ConversionSettings::MissingCode &code : m_settings.missing)
        if ((code.key.empty() || code.key == key) && code.value == value)
            return true;
    return false;
}

std::string BatchConverter::addedName(std::string_view name) const
{
    return m_settings.prefix + std::string(name);
}

// Which test a column's figures come from, for the labels: the variables
// named on the command line, else the prefix without its separator.
std::string BatchConverter::convertedFrom() const
{
    std::vector<std::string_view> names;
    for (const ConversionSettings::NamedColumn &named : m_settings.named) {
        const int column = m_columnOf[size_t(named.field)];
        if (column >= 0)
            names.push_back(m_header[size_t(column)]);
    }
    if (!names.empty())
        return joinNames(names, " or ");
    std::string prefix = m_settings.prefix;
    while (!prefix.empty() && (prefix.back() == '_' || prefix.back() == '.' || prefix.back() == '-'))
        prefix.pop_back();
    return prefix;
}

// False, with m_error set, for a column named twice. Interpretation columns
// are the tool's own whether or not it interprets: a run without
// --interpret empties them, as their figures would belong to another run.
bool BatchConverter::mapInterpretedColumn(const std::string &name, size_t column)
{
    const bool interpreting = m_settings.interpretation.enabled;
    int *seen = nullptr;
    if (name == kReliabilityColumn) {
        if (interpreting)
            seen = &m_reliabilityColumn;
    } else {
        for (int cell = 0; cell < kInterpretedCellCount; ++cell) {
            if (name == interpretedColumnName(cell)) {
                seen = &m_interpretedColumnOf[size_t(cell)];
                m_fieldOfColumn[column] = FirstInterpreted + cell;
                if (!interpreting)
                    m_emptied.push_back(m_header[column]);
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
    const std::string name = columnKey(m_settings.from);
    for (const NamedField &named : kColumnNames)
        if (name == named.name && isSource(named.field))
            m_source = named.field;
    if (m_source < 0) {
        m_error = "--from takes " + nameList(isSource, " or ") + ", not \"" + m_settings.from
                  + "\"";
    } else if (m_source == RawField
               && (m_columnOf[RawField] < 0 || (m_columnOf[MeanField] < 0 && !hasConstant(MeanField))
                   || (m_columnOf[SdField] < 0 && !hasConstant(SdField)))) {
        m_error = "--from raw needs the columns raw, mean and sd";
    } else if (m_columnOf[size_t(m_source)] < 0) {
        m_error = "--from " + name + ": the header has no column " + name;
    }
}

std::vector<OutputColumn> BatchConverter::columns() const
{
    std::vector<OutputColumn> columns;
    for (size_t column = 0; column < m_header.size(); ++column) {
        const int field = m_fieldOfColumn[column];
        OutputColumn output;
        if (field == NoteColumn)
            output = noteOutput();
        else if (field >= FirstInterpreted)
            output = interpretedOutput(field - FirstInterpreted);
        else if (isScore(field) && field != m_source)
            output = scoreOutput(field);
        output.name = m_header[column];
        output.input = int(column);
        output.missing = missingCodes(column);
        columns.push_back(std::move(output));
    }
    for (const int position : m_appended)
        columns.push_back(scoreOutput(position));
    for (const int cell : m_appendedCells)
        columns.push_back(interpretedOutput(cell));
    if (m_noteColumn < 0)
        columns.push_back(noteOutput());
    return columns;
}

std::vector<size_t> BatchConverter::numberColumns() const
{
    std::vector<size_t> columns;
    for (size_t column = 0; column < m_header.size(); ++column)
        if ((m_fieldOfColumn[column] >= 0 && m_fieldOfColumn[column] < FieldCount)
            || fieldKey(m_header[column]) == kReliabilityColumn)
            columns.push_back(column);
    return columns;
}

OutputColumn BatchConverter::scoreOutput(int position) const
{
    const conversion::Scale &scale = conversion::kScales[position];
    OutputColumn output;
    output.name = addedName(scale.column);
    output.written = true;
    output.type = ColumnType::Number;
    output.label = std::string(scale.name) + ", converted";
    if (const std::string from = convertedFrom(); !from.empty())
        output.label += " from " + from;
    output.decimals = text::readMask(scale.mask).decimals;
    return output;
}

OutputColumn BatchConverter::interpretedOutput(int cell) const
{
    const InterpretationSettings &settings = m_settings.interpretation;
    const char mark = m_settings.decimalComma ? ',' : '.';
    const auto withMark = [&](std::string text) {
        for (char &c : text)
            if (c == '.')
                c = mark;
        return text;
    };
    OutputColumn output;
    output.name = addedName(interpretedColumnName(cell));
    output.written = true;
    output.type = ColumnType::Number;
    const auto rankLabels = [&] {
        output.valueLabels = {{0, withMark("<0.1")}, {100, withMark(">99.9")}};
        output.decimals = 1;
    };
    const auto metric = [](interpretation::ScaleId scale) {
        std::string name(interpretation::scaleName(scale));
        if (name.size() > 3 && name.compare(name.size() - 3, 3, " IQ") == 0)
            name.resize(name.size() - 3);
        return name + " metric";
    };
    const std::string interval = withMark(text::Str(settings.confidence)) + " % interval, ";
    if (cell < kInterpretedScaleCellCount) {
        const interpretation::ScaleId scale =
            interpretation::ScaleId(int(interpretation::ScaleId::Scaled) + cell);
        output.label = std::string(interpretation::scaleName(scale)) + ", converted";
        if (const std::string from = convertedFrom(); !from.empty())
            output.label += " from " + from;
        if (scale == interpretation::ScaleId::PercentileRank)
            rankLabels();
        output.ordinal = interpretation::scaleRow(scale).display == conversion::Display::Band;
    } else if (cell == DescriptorCell) {
        output.type = ColumnType::Code;
        output.label = "Descriptor, " + settings.descriptors.name;
        output.ordinal = true;
        for (const interpretation::DescriptorBand &band : settings.descriptors.bands) {
            output.valueLabels.push_back({double(output.valueLabels.size() + 1), band.label});
            output.width = std::max(output.width, band.label.size());
        }
    } else if (cell == CiLowCell || cell == CiHighCell) {
        output.label = interval + (cell == CiLowCell ? "lower" : "upper") + " bound, "
                     + metric(settings.intervalScale);
        output.decimals = text::readMask(interpretation::scaleRow(settings.intervalScale).mask).decimals;
        if (settings.intervalScale == interpretation::ScaleId::PercentileRank)
            rankLabels();
    } else {
        output.label = interval + (cell == CiPercentileLowCell ? "lower" : "upper")
                     + " bound, percentile rank";
        rankLabels();
    }
    output.width = std::max(output.width, size_t(interpretation::kShownSize));
    return output;
}

// The longest note a row can get, from the messages and the names they quote.
OutputColumn BatchConverter::noteOutput() const
{
    size_t longestName = kReliabilityColumn.size();
    for (const NamedField &named : m_present)
        longestName = std::max(longestName, m_header[size_t(m_columnOf[size_t(named.field)])].size());
    for (const NamedField &named : kColumnNames)
        longestName = std::max(longestName, named.name.size());
    OutputColumn output;
    output.name = addedName(kNoteColumn);
    output.written = true;
    output.note = true;
    const std::string from = convertedFrom();
    output.label = "Why the row was not converted" + (from.empty() ? "" : " from " + from)
                   + ", or which results are held at their bounds";
    // A quoted cell takes kQuotedCellLimit bytes, "...", its quotes and a
    // message of at most 80 bytes after it; the bounds note names at most
    // every score column.
    output.width = std::max({std::string_view(conversion::kNothingToCalculateMessage).size(),
                           longestName + 2 + kQuotedCellLimit + 5 + 80,
                           kHeldNote.size() + (conversion::kScaleCount - 1) * (longestName + 2)});
    return output;
}

template <class Sink> RowResult BatchConverter::writeRow(const text::CsvRecord &record, Sink &out)
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
    if (row.outcome.refusal == conversion::Refusal::NothingToCalculate) {
        if (m_missingColumn >= 0)
            m_note = m_header[size_t(m_missingColumn)] + ": " + quoted(cells[size_t(m_missingColumn)])
                     + " is a missing-value code; no score to convert";
        writeRefused(cells, blank, m_missingColumn >= 0 ? m_note : refusal(row.outcome), out);
        return RowResult::Empty;
    }
    if (row.outcome.refused) {
        writeRefused(cells, blank, refusal(row.outcome), out);
        return RowResult::Refused;
    }
    // A raw score far beyond what the z scale holds is more likely a code
    // for "not tested" than a score: no result held at the bound for it.
    // Its own z: a remembered outcome may be another row's with the same results.
    if (row.outcome.source == conversion::Raw && row.outcome.marked[conversion::Z]) {
        const double z = (text::Val(m_fields[viewIndex(RawField)]) - text::Val(m_fields[viewIndex(MeanField)]))
                         / text::Val(m_fields[viewIndex(SdField)]);
        m_note = "raw score is " + oneDecimal(std::fabs(z), m_settings.decimalComma ? ',' : '.') + " sd "
                 + (z > 0 ? "above" : "below")
                 + " the mean: is it a missing-value code?";
        writeRefused(cells, blank, m_note, out);
        return RowResult::Refused;
    }
    if (row.disagreement) {
        noteDisagreement(*row.disagreement, cells);
        writeRefused(cells, blank, m_note, out);
        return RowResult::Refused;
    }
    if (m_hasReliability && m_settings.interpretation.enabled)
        ++m_rowsWithReliability;
    writeConverted(cells, blank, row, out);
    return RowResult::Converted;
}

// The window's message; a range's limits with the file's decimal mark.
std::string_view BatchConverter::refusal(const conversion::Calculation &outcome)
{
    if (!m_settings.decimalComma)
        return outcome.message;
    for (int position = conversion::Z; position <= conversion::Percentile; ++position) {
        if (outcome.message == conversion::rangeMessage(position)) {
            m_note = conversion::rangeMessage(position, ',');
            return m_note;
        }
    }
    return outcome.message;
}

text::NumberSyntax BatchConverter::syntaxOf(int field) const
{
    return {m_settings.decimalComma ? ',' : '.', field == conversion::Z};
}

template <class Sink>
void BatchConverter::interpretedCell(const InterpretedCells &cells, int cell, Sink &out)
{
    if (cell == DescriptorCell)
        out.cell(cells[cell]);
    else
        out.numberCell(cells[cell]);
}

// The row's cells as calculate() is to see them; false, with m_note saying
// why, when the row cannot be converted.
bool BatchConverter::fillFields(const std::vector<std::string> &cells, bool blank)
{
    m_fields.fill({});
    m_quotedField = -1;
    m_keepsScores = false;
    m_missingColumn = -1;
    if (!m_settings.mean.empty())
        m_fields[viewIndex(MeanField)] = m_settings.mean;
    if (!m_settings.sd.empty())
        m_fields[viewIndex(SdField)] = m_settings.sd;
    if (blank)
        return takeReliability(cells, blank) && (m_source < 0 || takeSource());
    const std::array<bool, conversion::kScaleCount> heldByNote = heldInNote(cells);
    for (const NamedField &named : m_present) {
        const int column = m_columnOf[size_t(named.field)];
        if (cells[size_t(column)].empty())
            continue;
        const std::string_view cell = cells[size_t(column)];
        std::string_view text = cell;
        const bool marked = isScore(named.field) && (stripMark(text) || heldByNote[size_t(named.field)]);
        const text::NumberSyntax syntax = syntaxOf(named.field);
        const std::optional<text::PlainNumberSpan> span = text::findPlainNumber(text, syntax);
        // A column renamed on the command line is named as the file names it.
        const std::string_view shown = m_settings.named.empty() && m_settings.prefix.empty()
                                           ? named.name
                                           : std::string_view(m_header[size_t(column)]);
        if (!span) {
            m_note = std::string(shown) + ": " + notANumber(text, cell, syntax);
            m_quotedField = named.field;
            return false;
        }
        std::string_view number = text.substr(span->begin, span->end - span->begin);
        if (span->mark != std::string_view::npos && syntax.decimalMark != '.') {
            std::string &copy = m_numbers[size_t(named.field)];
            copy.assign(number);
            copy[span->mark - span->begin] = '.';
            number = copy;
        }
        if (isMissingCode(size_t(column), number)) {
            if (m_missingColumn < 0)
                m_missingColumn = column;
            continue;
        }
        if (marked && named.field == m_source) {
            m_note = std::string(shown) + ": " + quoted(cell)
                     + " is a result held at its bound, not a score to convert from";
            m_quotedField = named.field;
            return false;
        }
        if (marked) {
            std::string &held = m_numbers[size_t(named.field)];
            if (held.data() != number.data())
                held.assign(number);
            held += '*';
            number = held;
        }
        m_fields[viewIndex(named.field)] = number;
    }
    if (!takeReliability(cells, blank))
        return false;
    return m_source < 0 || takeSource();
}

// A numeric variable (SPSS, Stata) holds no "*": the note of the run that
// wrote it names the results held at their bounds, and they are read as
// marked, so that converting such a file again changes nothing.
std::array<bool, conversion::kScaleCount> BatchConverter::heldInNote(const std::vector<std::string> &cells) const
{
    std::array<bool, conversion::kScaleCount> held{};
    if (m_noteColumn < 0)
        return held;
    std::string_view note = cells[size_t(m_noteColumn)];
    if (note.substr(0, kHeldNote.size()) != kHeldNote)
        return held;
    note.remove_prefix(kHeldNote.size());
    while (!note.empty()) {
        size_t end = std::min(note.find(", "), note.find(" and "));
        const std::string_view name = note.substr(0, end);
        for (int position = conversion::Z; position <= conversion::Percentile; ++position) {
            const int column = m_columnOf[size_t(position)];
            if (column >= 0 && (name == m_header[size_t(column)] || name == addedName(columnName(position))))
                held[size_t(position)] = true;
        }
        if (end == std::string_view::npos)
            break;
        note.remove_prefix(end + (note.compare(end, 2, ", ") == 0 ? 2 : 5));
    }
    return held;
}

// A converted file holds every scale's result: a score typed over one result
// would be overwritten by the others, unseen, and a raw score beside a
// standard score of another test would overwrite it. Scores that no one
// score could round to refuse the row, keeping every score as it is.
void BatchConverter::noteDisagreement(const conversion::Disagreement &disagreement,
                                      const std::vector<std::string> &cells)
{
    const auto named = [&](int field) {
        return std::string(columnName(field)) + " " + quoted(cells[size_t(m_columnOf[size_t(field)])]);
    };
    if (const int apart = disagreement.apart; apart != conversion::kNoPosition)
        m_note = named(apart) + " disagrees with the other scores; to convert from it, use --from "
                 + std::string(columnName(apart)) + " or empty the others";
    else
        m_note = "the scores disagree: " + named(disagreement.first) + " and " + named(disagreement.second)
                 + " cannot both be right; convert with --from COLUMN, or empty the cells that are results";
    m_keepsScores = true;
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
    const text::NumberSyntax syntax{m_settings.decimalComma ? ',' : '.', false};
    if (!text::readPlainNumber(cell, syntax, m_number)) {
        m_note = std::string(kReliabilityColumn) + ": " + notANumber(cell, cell, syntax);
        return false;
    }
    if (const std::string why = interpretation::checkReliability(m_number); !why.empty()) {
        m_note = std::string(kReliabilityColumn) + ": " + quoted(cell) + ": " + why;
        return false;
    }
    const double value = text::Val(m_number);
    m_hasReliability = true;
    m_reliability = value;
    ReadReliability &oldest = m_readReliabilities[m_oldestRead];
    oldest.cell.assign(cell);
    oldest.value = value;
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

template <class Sink>
void BatchConverter::writeConverted(const std::vector<std::string> &cells, bool blank,
                                    const RowOutcome &row, Sink &out)
{
    const auto result = [&](int position) { return row.results[position]; };
    const std::string_view note = m_settings.marksInNote ? heldNote(row.outcome) : std::string_view();
    for (size_t column = 0; column < m_header.size(); ++column) {
        const int field = m_fieldOfColumn[column];
        if (field == NoteColumn)
            out.cell(note);
        else if (field >= FirstInterpreted)
            interpretedCell(row.interpreted, field - FirstInterpreted, out);
        else if (isScore(field) && field != m_source)
            out.numberCell(result(field));
        else
            out.inputCell(column, blank ? std::string_view() : std::string_view(cells[column]));
    }
    for (const int position : m_appended)
        out.numberCell(result(position));
    for (const int cell : m_appendedCells)
        interpretedCell(row.interpreted, cell, out);
    if (m_noteColumn < 0)
        out.cell(note);
    out.endRow();
}

// Where a "*" cannot follow a number (a numeric variable), the note names
// the results held at their scales' bounds.
std::string_view BatchConverter::heldNote(const conversion::Calculation &outcome)
{
    int count = 0, last = 0;
    for (int position = conversion::Z; position <= conversion::Percentile; ++position) {
        if (outcome.marked[size_t(position)] && position != m_source) {
            ++count;
            last = position;
        }
    }
    if (count == 0)
        return {};
    m_note.assign(kHeldNote);
    for (int position = conversion::Z, written = 0; position <= conversion::Percentile; ++position) {
        if (!outcome.marked[size_t(position)] || position == m_source)
            continue;
        if (written++ > 0)
            m_note += position == last ? " and " : ", ";
        const int column = m_columnOf[size_t(position)];
        m_note += column >= 0 ? m_header[size_t(column)] : addedName(columnName(position));
    }
    return m_note;
}

// The score a conversion of these cells would start from, by the window's
// rule: the raw score when its three cells are filled, else the last
// unmarked score; -1 for none.
int BatchConverter::sourceOf(const std::vector<std::string> &cells, bool blank) const
{
    if (m_source >= 0)
        return m_source;
    if (blank)
        return -1;
    const auto filled = [&](int field) {
        const int column = m_columnOf[size_t(field)];
        return hasConstant(field) || (column >= 0 && !cells[size_t(column)].empty());
    };
    if (filled(RawField) && filled(MeanField) && filled(SdField))
        return RawField;
    int source = -1;
    for (int position = conversion::Z; position <= conversion::Percentile; ++position) {
        std::string_view cell;
        if (filled(position))
            cell = cells[size_t(m_columnOf[size_t(position)])];
        if (!cell.empty() && !stripMark(cell))
            source = position;
    }
    return source;
}

// A refused row keeps what was given: the raw score, mean and sd, the
// reliability, every other column, the score it would have been converted
// from and the cell its note quotes. The other score cells and the
// interpretation are what a conversion writes, and would contradict the note.
template <class Sink>
void BatchConverter::writeRefused(const std::vector<std::string> &cells, bool blank,
                                  std::string_view note, Sink &out) const
{
    const int source = sourceOf(cells, blank);
    for (size_t column = 0; column < m_header.size(); ++column) {
        const int field = m_fieldOfColumn[column];
        const std::string_view cell = blank ? std::string_view() : std::string_view(cells[column]);
        // An empty cell is passed on: in an SPSS file it may hold a missing code.
        if (field == NoteColumn)
            out.cell(note);
        else if (field >= FirstInterpreted
                 || (isScore(field) && !m_keepsScores && field != source && field != m_quotedField
                     && !cell.empty()))
            out.cell({});
        else
            out.inputCell(column, cell);
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
template <class Sink>
void BatchConverter::writeMalformed(const text::CsvRecord &record, Sink &out) const
{
    const std::vector<std::string> &cells = record.cells;
    const std::string note = malformedNote(record, m_header.size());
    std::string_view displaced;
    for (size_t column = 0; column < m_header.size(); ++column) {
        const std::string_view cell = column < cells.size() ? std::string_view(cells[column])
                                                            : std::string_view();
        if (int(column) == m_noteColumn) {
            out.cell(note);
            displaced = cell;
        } else {
            out.inputCell(column, cell);
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

template RowResult BatchConverter::writeRow(const text::CsvRecord &, CsvSink &);
template RowResult BatchConverter::writeRow(const text::CsvRecord &, RowSink &);

} // namespace batch
