#include "battery_window/battery_file.h"

#include "framework/written_file.h"
#include "profile/profile.h"
#include "report_window/identification.h"
#include "text/ascii.h"
#include "text/csv_reader.h"
#include "text/csv_writer.h"


#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace battery {

namespace {

constexpr std::string_view kIdKeys[] = {"person", "birth_date", "test_date", "battery", "examiner"};
constexpr std::size_t kIdCount = std::size(kIdKeys);

std::string &idPart(Identification &id, std::size_t which)
{
    std::string *parts[kIdCount] = {&id.person, &id.birthDate, &id.testDate, &id.battery, &id.examiner};
    return *parts[which];
}

const std::string &idPart(const Identification &id, std::size_t which)
{
    return idPart(const_cast<Identification &>(id), which);
}

// The batch tool's own figures: worked out again from the scores whenever
// it runs, and stale as soon as a score is edited here.
bool isWorkedOut(std::string_view key)
{
    for (profile::Metric metric : profile::kMetrics)
        if (key == profile::metricColumn(metric))
            return true;
    static constexpr std::string_view kFigures[] = {
        "percentile_rank", "descriptor", "ci_low", "ci_high", "deviation", "deviation_critical",
        "strength_weakness", "deviation_base_rate", "rci", "change", "note", "predicted_retest",
        "change_z", "change_t", "change_p", "change_percent", "change_percent_low", "change_percent_high",
        "case_t", "case_df", "case_p", "case_zcc", "case_zcc_low", "case_zcc_high", "case_percent",
        "case_percent_low", "case_percent_high"};
    return std::find(std::begin(kFigures), std::end(kFigures), key) != std::end(kFigures);
}

std::size_t lineBreaksIn(std::string_view text)
{
    std::size_t breaks = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        breaks += text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'));
    return breaks;
}

// Lines a record takes beyond its first: quoted cells may hold line breaks.
std::size_t extraLines(const text::CsvRecord &record)
{
    std::size_t breaks = lineBreaksIn(record.surplus);
    for (const std::string &cell : record.cells)
        breaks += lineBreaksIn(cell);
    return breaks;
}

FileProblem problemOf(FileProblem::Kind kind)
{
    FileProblem problem;
    problem.kind = kind;
    return problem;
}

bool isText(std::string_view cell)
{
    return cell.find('\0') == std::string_view::npos && text::isValidUtf8(cell);
}

class RecordReader {
public:
    RecordReader(text::CsvReader &reader, FileReading &out, FileProblem &problem, bool everyone)
        : m_reader(reader), m_out(out), m_problem(problem), m_everyone(everyone)
    {
    }

    bool read()
    {
        text::CsvRecord record;
        if (!m_reader.next(record))
            return failedAtStart();
        if (!readHeader(record))
            return false;
        Sheet &sheet = m_out.sheet;
        sheet.shape.delimiter = m_reader.delimiter();
        sheet.shape.lineEnding = m_reader.lineEnding();
        sheet.shape.byteOrderMark = m_reader.hadByteOrderMark();
        std::size_t line = 2 + extraLines(record);
        while (m_reader.next(record)) {
            const std::size_t at = line;
            line += 1 + extraLines(record);
            bool more = true;
            if (!readRow(record, at, more))
                return false;
            if (!more)
                return true;
        }
        if (m_reader.failed())
            return fail(FileProblem::ReadFailed, 0, m_reader.error());
        return true;
    }

private:
    bool fail(FileProblem::Kind kind, std::size_t line, std::string why = {})
    {
        m_problem = FileProblem{};
        m_problem.kind = kind;
        m_problem.line = line;
        m_problem.why = std::move(why);
        return false;
    }

    bool failedAtStart()
    {
        if (m_reader.isUtf16())
            return fail(FileProblem::Utf16, 0);
        if (m_reader.failed())
            return fail(FileProblem::ReadFailed, 0, m_reader.error());
        return fail(FileProblem::NoHeader, 1);
    }

    bool readHeader(const text::CsvRecord &header)
    {
        m_width = header.cellCount();
        m_scoreAt.fill(-1);
        m_idAt.fill(-1);
        for (std::size_t i = 0; i < header.cells.size(); ++i) {
            const std::string &cell = header.cells[i];
            if (!isText(cell))
                return fail(FileProblem::NotText, 1);
            if (cell.size() > kMaxCellBytes) {
                fail(FileProblem::CellTooLong, 1);
                m_problem.column = std::to_string(i + 1);
                return false;
            }
            const std::string key = text::lowerAscii(text::trimmed(cell));
            if (int *at = slotOf(key)) {
                if (*at >= 0) {
                    fail(FileProblem::DuplicateColumn, 1);
                    m_problem.column = key;
                    return false;
                }
                *at = int(i);
            } else if (!isWorkedOut(key)) {
                if (m_extraAt.size() == kMaxExtraColumns)
                    return fail(FileProblem::TooManyColumns, 1);
                m_extraAt.push_back(i);
                m_out.sheet.extraColumns.push_back(cell);
            }
        }
        for (profile::Field field : {profile::Field::Name, profile::Field::Scale, profile::Field::Score})
            if (m_scoreAt[std::size_t(field)] < 0) {
                fail(FileProblem::MissingColumn, 1);
                m_problem.column = columnKey(field);
                return false;
            }
        return true;
    }

    int *slotOf(const std::string &key)
    {
        for (int field = 0; field < kInputColumns; ++field)
            if (key == columnKey(profile::Field(field)))
                return &m_scoreAt[std::size_t(field)];
        for (std::size_t part = 0; part < kIdCount; ++part)
            if (key == kIdKeys[part])
                return &m_idAt[part];
        return nullptr;
    }

    std::string columnName(std::size_t cell) const
    {
        for (int field = 0; field < kInputColumns; ++field)
            if (m_scoreAt[std::size_t(field)] == int(cell))
                return std::string(columnKey(profile::Field(field)));
        for (std::size_t part = 0; part < kIdCount; ++part)
            if (m_idAt[part] == int(cell))
                return std::string(kIdKeys[part]);
        for (std::size_t extra = 0; extra < m_extraAt.size(); ++extra)
            if (m_extraAt[extra] == cell)
                return m_out.sheet.extraColumns[extra];
        return {};
    }

    // False on a fault; `more` false when the next person begins.
    bool readRow(const text::CsvRecord &record, std::size_t line, bool &more)
    {
        const bool emptyLine = record.cellCount() == 1 && record.cells[0].empty();
        if (emptyLine && record.problem == text::RowProblem::None)
            return true;
        if (record.problem != text::RowProblem::None || record.cellCount() != m_width) {
            fail(FileProblem::Malformed, line);
            m_problem.cells = record.problem == text::RowProblem::None ? record.cellCount() : 0;
            m_problem.expected = m_width;
            return false;
        }
        bool anything = false;
        for (std::size_t i = 0; i < record.cells.size(); ++i) {
            const std::string &cell = record.cells[i];
            if (cell.size() > kMaxCellBytes) {
                fail(FileProblem::CellTooLong, line);
                m_problem.column = columnName(i);
                return false;
            }
            if (!isText(cell))
                return fail(FileProblem::NotText, line);
            anything |= !cell.empty();
        }
        if (!anything)
            return true;
        if (!readIdentification(record, line, more))
            return false;
        if (!more)
            return true;
        Sheet &sheet = current();
        if (sheet.rows.size() == kMaxScores)
            return fail(FileProblem::TooManyScores, line);
        SheetRow row;
        for (int field = 0; field < kInputColumns; ++field)
            if (const int at = m_scoreAt[std::size_t(field)]; at >= 0)
                row.cells[std::size_t(field)] = record.cells[std::size_t(at)];
        for (std::size_t at : m_extraAt)
            row.extra.push_back(record.cells[at]);
        sheet.rows.push_back(std::move(row));
        return true;
    }

    // The value as a window's field holds it: at most kLongestIdPart
    // characters, the cut noted once per column.
    std::string_view keptPart(std::string_view value, std::size_t part)
    {
        std::size_t characters = 0, at = 0;
        for (; at < value.size(); ++at)
            if ((static_cast<unsigned char>(value[at]) & 0xC0) != 0x80 && ++characters > std::size_t(report::kLongestIdPart))
                break;
        if (at == value.size())
            return value;
        const std::string column(kIdKeys[part]);
        if (std::find(m_out.cutColumns.begin(), m_out.cutColumns.end(), column) == m_out.cutColumns.end())
            m_out.cutColumns.push_back(column);
        return value.substr(0, at);
    }

    Sheet &current() { return m_out.others.empty() ? m_out.sheet : m_out.others.back(); }

    bool readIdentification(const text::CsvRecord &record, std::size_t line, bool &more)
    {
        for (std::size_t part = 0; part < kIdCount; ++part) {
            Identification &id = current().id;
            if (m_idAt[part] < 0)
                continue;
            const std::string_view value = keptPart(text::trimmed(record.cells[std::size_t(m_idAt[part])]), part);
            if (part == 0) {
                // A person is the rows that stand together under one name; a
                // row without one belongs to the person above it.
                if (!m_firstPerson) {
                    m_firstPerson = std::string(value);
                    id.person = *m_firstPerson;
                } else if (!value.empty() && value != *m_firstPerson) {
                    m_out.severalPeople = true;
                    if (!m_everyone) {
                        more = false;
                        return true;
                    }
                    Sheet next;
                    next.shape = m_out.sheet.shape;
                    next.extraColumns = m_out.sheet.extraColumns;
                    next.id.person = std::string(value);
                    m_out.others.push_back(std::move(next));
                    m_firstPerson = std::string(value);
                    m_idLine = {};
                }
                continue;
            }
            if (value.empty())
                continue;
            std::string &known = idPart(id, part);
            if (known.empty()) {
                known = std::string(value);
                m_idLine[part] = line;
            } else if (known != value) {
                fail(FileProblem::Conflict, line);
                m_problem.otherLine = m_idLine[part];
                m_problem.column = kIdKeys[part];
                return false;
            }
        }
        return true;
    }

    text::CsvReader &m_reader;
    FileReading &m_out;
    FileProblem &m_problem;
    std::size_t m_width = 0;
    std::array<int, kInputColumns> m_scoreAt{};
    std::array<int, kIdCount> m_idAt{};
    std::array<std::size_t, kIdCount> m_idLine{};
    std::vector<std::size_t> m_extraAt;
    std::optional<std::string> m_firstPerson;
    bool m_everyone;
};

bool readWith(text::CsvReader &reader, FileReading &out, FileProblem &problem, bool everyone = false)
{
    FileReading reading;
    if (!RecordReader(reader, reading, problem, everyone).read())
        return false;
    out = std::move(reading);
    return true;
}

// A look at the file's start: a binary file is refused before its first
// "line", which may be all of it, is read.
bool looksLikeText(int fd, FileProblem &problem)
{
    char head[65536];
    ssize_t n;
    do
        n = ::pread(fd, head, sizeof head, 0);
    while (n < 0 && errno == EINTR);
    if (n < 0) {
        problem = problemOf(FileProblem::ReadFailed);
        problem.why = std::strerror(errno);
        return false;
    }
    std::string_view start(head, std::size_t(n));
    if (start.size() >= 2 && (start.substr(0, 2) == "\xFF\xFE" || start.substr(0, 2) == "\xFE\xFF")) {
        problem = problemOf(FileProblem::Utf16);
        return false;
    }
    // A character cut by the end of the look is not a fault.
    if (start.size() == sizeof head) {
        std::size_t cut = 0;
        while (cut < 3 && cut < start.size() && (static_cast<unsigned char>(start[start.size() - 1 - cut]) & 0xC0) == 0x80)
            ++cut;
        if (cut < start.size() && static_cast<unsigned char>(start[start.size() - 1 - cut]) >= 0xC0)
            start.remove_suffix(cut + 1);
    }
    if (!isText(start)) {
        problem = problemOf(FileProblem::NotText);
        return false;
    }
    return true;
}

} // namespace

bool readBatteryFile(const std::string &path, FileReading &out, FileProblem &problem, bool everyone)
{
    // O_NONBLOCK: a FIFO would otherwise wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        problem = problemOf(FileProblem::CannotOpen);
        problem.why = std::strerror(errno);
        return false;
    }
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0;
    if (!ok) {
        problem = problemOf(FileProblem::ReadFailed);
        problem.why = std::strerror(errno);
    } else if (!S_ISREG(info.st_mode)) {
        problem = problemOf(FileProblem::NotAFile);
        ok = false;
    }
    if (ok)
        ok = looksLikeText(fd, problem);
    if (ok) {
        text::CsvReader reader(fd);
        ok = readWith(reader, out, problem, everyone);
    }
    ::close(fd);
    return ok;
}

bool readBatteryText(std::string_view text, FileReading &out, FileProblem &problem)
{
    text::CsvReader reader(text);
    return readWith(reader, out, problem);
}

bool writeBatteryFile(const QString &path, const Sheet &sheet, FileProblem &problem, const text::ReadFiles &reads)
{
    const bool withId = !sheet.id.empty();
    const auto fill = [&](int fd, std::string &why) {
        text::CsvWriter out(fd, sheet.shape.delimiter, sheet.shape.lineEnding);
        if (sheet.shape.byteOrderMark)
            out.writeByteOrderMark();
        if (withId)
            for (std::string_view key : kIdKeys)
                out.cell(key);
        // A study's and a control sample's columns only when some row has one:
        // a sheet without them keeps the file it always had.
        const bool study = anyStudy(sheet), controls = anyControls(sheet);
        const auto written = [&](int field) {
            return (study || !isStudyField(field)) && (controls || !isControlsField(field));
        };
        for (int field = 0; field < kInputColumns; ++field)
            if (written(field))
                out.cell(columnKey(profile::Field(field)));
        for (const std::string &column : sheet.extraColumns)
            out.cell(column);
        out.endRow();
        for (const SheetRow &row : sheet.rows) {
            if (row.blank())
                continue;
            if (withId)
                for (std::size_t part = 0; part < kIdCount; ++part)
                    out.cell(idPart(sheet.id, part));
            for (int field = 0; field < kInputColumns; ++field)
                if (written(field))
                    out.cell(row.cells[std::size_t(field)]);
            for (std::size_t extra = 0; extra < sheet.extraColumns.size(); ++extra)
                out.cell(extra < row.extra.size() ? std::string_view(row.extra[extra]) : std::string_view());
            out.endRow();
        }
        if (out.flush())
            return true;
        why = out.error();
        return false;
    };
    const fw::FileWrite written = fw::writeFile(path, reads, fill);
    if (written.written())
        return true;
    problem = problemOf(FileProblem::WriteFailed);
    problem.why = written.why.toStdString();
    return false;
}

} // namespace battery
