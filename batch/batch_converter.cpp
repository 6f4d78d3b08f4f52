#include "batch/batch_converter.h"

#include <string_view>

#include "batch/csv_writer.h"

namespace batch {

namespace {

struct NamedField {
    std::string_view name;
    int field;
};

// Score columns in the window's order, so that missing ones are appended
// in it.
constexpr NamedField kColumnNames[] = {
    {"raw", conversion::Raw}, {"mean", conversion::kScaleCount},
    {"sd", conversion::kScaleCount + 1}, {"z", conversion::Z}, {"t", conversion::T},
    {"wechsler", conversion::Wechsler}, {"nce", conversion::Nce}, {"ceeb", conversion::Ceeb},
    {"agct", conversion::Agct}, {"percentile", conversion::Percentile}};

constexpr std::string_view kNoteColumn = "note";

std::string normalisedName(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    std::string name(text);
    for (char &c : name)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return name;
}

std::string_view columnName(int field)
{
    for (const NamedField &named : kColumnNames)
        if (named.field == field)
            return named.name;
    return {};
}

std::string recognisedList()
{
    std::string list;
    for (const NamedField &named : kColumnNames)
        list += (list.empty() ? "" : ", ") + std::string(named.name);
    return list;
}

bool isScore(int field)
{
    return field >= conversion::Z && field <= conversion::Percentile;
}

} // namespace

BatchConverter::BatchConverter(const CsvRecord &header) : m_header(header.cells)
{
    if (header.problem != RowProblem::None) {
        m_error = "the header row is malformed: a quoted name is not closed properly";
        return;
    }
    mapColumns();
}

void BatchConverter::mapColumns()
{
    m_columnOf.fill(-1);
    m_fieldOfColumn.assign(m_header.size(), -1);
    bool any = false;
    for (size_t column = 0; column < m_header.size(); ++column) {
        const std::string name = normalisedName(m_header[column]);
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
    }
    if (!any) {
        m_error = "the header names none of the columns " + recognisedList();
        return;
    }
    for (int position = conversion::Z; position <= conversion::Percentile; ++position)
        if (m_columnOf[position] < 0)
            m_appended.push_back(position);
}

void BatchConverter::writeHeader(CsvWriter &out) const
{
    for (const std::string &name : m_header)
        out.cell(name);
    for (const int position : m_appended)
        out.cell(columnName(position));
    out.cell(kNoteColumn);
    out.endRow();
}

RowResult BatchConverter::writeRow(const CsvRecord &record, CsvWriter &out)
{
    const std::vector<std::string> &cells = record.cells;
    // An empty line is a row whose cells are all empty.
    const bool blank = cells.size() == 1 && cells[0].empty() && record.problem == RowProblem::None;
    if (record.problem != RowProblem::None || (cells.size() != m_header.size() && !blank)) {
        writeMalformed(record, out);
        return RowResult::Malformed;
    }
    fillFields(cells, blank);
    const conversion::Outcome &outcome = m_calculate.calculate(m_fields);
    writeConverted(cells, blank, outcome, out);
    return outcome.refused ? RowResult::Refused : RowResult::Converted;
}

void BatchConverter::fillFields(const std::vector<std::string> &cells, bool blank)
{
    const auto text = [&](int field) -> std::string_view {
        const int column = m_columnOf[size_t(field)];
        return column < 0 || blank ? std::string_view() : std::string_view(cells[size_t(column)]);
    };
    m_fields[0] = text(RawField);
    m_fields[1] = text(MeanField);
    m_fields[2] = text(SdField);
    for (int position = conversion::Z; position <= conversion::Percentile; ++position)
        m_fields[size_t(position) + 2] = text(position);
}

void BatchConverter::writeConverted(const std::vector<std::string> &cells, bool blank,
                                    const conversion::Outcome &outcome, CsvWriter &out) const
{
    const bool converted = !outcome.refused;
    for (size_t column = 0; column < m_header.size(); ++column) {
        const int field = m_fieldOfColumn[column];
        if (converted && isScore(field))
            out.cell(outcome.results[size_t(field)]);
        else
            out.cell(blank ? std::string_view() : std::string_view(cells[column]));
    }
    for (const int position : m_appended)
        out.cell(converted ? std::string_view(outcome.results[size_t(position)]) : std::string_view());
    out.cell(converted ? std::string_view() : std::string_view(outcome.message));
    out.endRow();
}

// A malformed row keeps every cell: those beyond the header's width follow
// the note, so that the note stays in its column.
void BatchConverter::writeMalformed(const CsvRecord &record, CsvWriter &out) const
{
    const std::vector<std::string> &cells = record.cells;
    for (size_t column = 0; column < m_header.size(); ++column)
        out.cell(column < cells.size() ? std::string_view(cells[column]) : std::string_view());
    for (size_t i = 0; i < m_appended.size(); ++i)
        out.cell({});
    out.cell(malformedNote(record));
    for (size_t column = m_header.size(); column < cells.size(); ++column)
        out.cell(cells[column]);
    out.endRow();
}

std::string BatchConverter::malformedNote(const CsvRecord &record) const
{
    switch (record.problem) {
    case RowProblem::UnclosedQuote:
        return "malformed row: a quoted cell is not closed";
    case RowProblem::TextAfterQuote:
        return "malformed row: text follows the closing quote of a cell";
    case RowProblem::None:
        break;
    }
    return "malformed row: " + std::to_string(record.cells.size()) + " cells where the header has "
           + std::to_string(m_header.size());
}

} // namespace batch
