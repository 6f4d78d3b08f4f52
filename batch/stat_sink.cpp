// Writing SPSS and Stata files with ReadStat. The variables are planned
// from the input's dictionary and the converter's ColumnSpecs; rows go to
// ReadStat as they come when their count and every variable's type and
// width are known beforehand, else to a temporary file first.
#include "batch/stat_file.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <readstat.h>
#include <set>
#include <unistd.h>

#include "text/plain_number.h"
#include "text/text_routines.h"

namespace batch {

namespace {

constexpr size_t kBlock = 256 * 1024;

// The longest strings each format holds, and its longest names and labels.
constexpr size_t kSavLongestText = 32767;
constexpr size_t kDtaLongestText = 2045;

bool isSpss(StatFormat format)
{
    return format == StatFormat::Sav || format == StatFormat::Zsav || format == StatFormat::Por;
}

} // namespace

std::string cut(std::string_view text, size_t bytes)
{
    if (text.size() <= bytes)
        return std::string(text);
    while (bytes > 0 && (static_cast<unsigned char>(text[bytes]) & 0xC0) == 0x80)
        --bytes;
    return std::string(text.substr(0, bytes));
}

namespace {

bool asciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool asciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string lower(std::string text)
{
    for (char &c : text)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return text;
}

} // namespace

size_t longestName(StatFormat format)
{
    return isSpss(format) ? 64 : 32;
}

size_t longestLabel(StatFormat format)
{
    return isSpss(format) ? 255 : 80;
}

std::string validName(std::string_view name, StatFormat format)
{
    const bool spss = isSpss(format);
    const size_t longest = longestName(format);
    std::string valid;
    for (const char c : name) {
        const bool kept = asciiLetter(c) || asciiDigit(c) || c == '_'
                          || (spss && (c == '.' || c == '@' || c == '#' || c == '$'));
        valid += kept ? c : '_';
    }
    while (!valid.empty() && (valid.back() == '.' || valid.back() == ' '))
        valid.pop_back();
    if (valid.empty() || !asciiLetter(valid[0]))
        valid.insert(0, "v");
    valid = valid.substr(0, longest);
    static const std::set<std::string> kSpssReserved = {"all", "and", "by", "eq", "ge", "gt", "le",
                                                       "lt", "ne", "not", "or", "to", "with"};
    static const std::set<std::string> kStataReserved = {
        "_all", "_b", "byte", "_coef", "_cons", "double", "float", "if", "in", "int", "long",
        "_n", "_N", "_pi", "_pred", "_rc", "_skip", "strl", "using", "with"};
    if ((spss ? kSpssReserved : kStataReserved).count(lower(valid)))
        valid = "v" + valid.substr(0, longest - 1);
    return valid;
}

namespace {

// Cut into lines of at most 80 bytes, as an SPSS document holds them.
std::vector<std::string> documentLines(const std::string &note)
{
    std::vector<std::string> lines;
    std::string_view rest = note;
    do {
        std::string line = cut(rest, 80);
        rest.remove_prefix(line.size());
        lines.push_back(std::move(line));
    } while (!rest.empty());
    return lines;
}

// A number the tool wrote ("+1.5", "99*") or an input cell read as one;
// false for any other text.
bool readNumber(std::string_view text, char decimalMark, double &value)
{
    size_t end = text.size();
    while (end > 0 && (text[end - 1] == ' ' || text[end - 1] == '\t'))
        --end;
    if (end > 0 && text[end - 1] == '*')
        --end;
    text = text.substr(0, end);
    const std::optional<text::PlainNumberSpan> span = text::findPlainNumber(text, {decimalMark, true});
    if (!span)
        return false;
    if (span->mark == std::string_view::npos || decimalMark == '.') {
        value = text::Val(text);
    } else {
        char number[64];
        const std::string_view digits = text.substr(span->begin, span->end - span->begin);
        if (digits.size() >= sizeof number)
            return false;
        std::copy(digits.begin(), digits.end(), number);
        number[span->mark - span->begin] = '.';
        value = text::Val({number, digits.size()});
    }
    return std::isfinite(value);
}

// A number the way a CSV column of numbers holds it: no sign but '-', no
// leading zero, no spaces (an id such as 007 stays a string).
bool strictNumber(std::string_view text, char decimalMark, int &decimals)
{
    const std::optional<text::PlainNumberSpan> span = text::findPlainNumber(text, {decimalMark, false});
    if (!span || span->begin != 0 || span->end != text.size())
        return false;
    const size_t digits = text[0] == '-' ? 1 : 0;
    const size_t integerEnd = span->mark == std::string_view::npos ? text.size() : span->mark;
    if (integerEnd - digits > 1 && text[digits] == '0')
        return false;
    if (span->mark != std::string_view::npos)
        decimals = std::max(decimals, int(text.size() - span->mark - 1));
    return true;
}

// An input variable's display format in the other family's terms: SPSS
// Fw.d is Stata's %w.df and back; Stata's general %w.dg shows whole
// numbers whole. Other formats (dates) are left to the default.
std::string translatedFormat(const StatVariable &v, bool toSpss)
{
    if (v.text || v.format.empty())
        return {};
    int width = 0, decimals = 0;
    char kind = 0;
    if (toSpss) {
        if (std::sscanf(v.format.c_str(), "%%%d.%d%c", &width, &decimals, &kind) != 3
            && std::sscanf(v.format.c_str(), "%%-%d.%d%c", &width, &decimals, &kind) != 3)
            return {};
        if (kind == 'g')
            return v.integer ? "F8.0" : "F8.2";
        if (kind != 'f' && kind != 'c')
            return {};
        return "F" + std::to_string(std::clamp(width, 1, 40)) + "." + std::to_string(std::clamp(decimals, 0, 16));
    }
    if (std::sscanf(v.format.c_str(), "F%d.%d", &width, &decimals) < 1)
        return {};
    return "%" + std::to_string(std::clamp(width, 1, 40)) + "." + std::to_string(std::clamp(decimals, 0, 16)) + "f";
}

void putU32(std::vector<char> &out, uint32_t n)
{
    char bytes[4];
    std::memcpy(bytes, &n, 4);
    out.insert(out.end(), bytes, bytes + 4);
}

} // namespace

struct StatSink::Writing {
    struct Column {
        OutputColumn output;
        const StatVariable *input = nullptr;
        bool text = false;
        size_t width = 0;
        std::string name, label, format;
        int measure = 0, alignment = 0, displayWidth = 0;
        std::vector<StatLabel> labels;
        std::string labelSetName;
        readstat_variable_t *variable = nullptr;
        // What the rows held, when they were held back.
        size_t longest = 0;
        int decimals = 0;
        bool anyText = false, numbers = true, strictNumbers = true, labelled = true;
    };

    int fd = -1;
    StatFormat format = StatFormat::Sav;
    char decimalMark = '.';
    const StatSource *input = nullptr;
    std::vector<Column> columns;
    size_t next = 0; // the row's next column
    int noteColumn = -1;
    bool rowByRow = true;
    bool streaming = false;
    bool rowStarted = false;
    readstat_writer_t *writer = nullptr;
    std::string *error = nullptr;
    std::string scratch;

    // The file written: through a block, as ReadStat's writes are small.
    std::vector<char> block;
    int writeErrno = 0;

    // The rows held back: each its length, then its cells.
    int spool = -1;
    std::vector<char> row;
    std::vector<char> spoolBlock;
    long long rows = 0;

    ~Writing()
    {
        if (writer)
            readstat_writer_free(writer);
        if (spool >= 0)
            ::close(spool);
    }

    bool fail(const std::string &why)
    {
        if (error->empty())
            *error = why;
        return false;
    }

    static ssize_t write(const void *data, size_t size, void *context)
    {
        auto *self = static_cast<Writing *>(context);
        if (self->writeErrno != 0)
            return -1;
        if (self->block.size() + size > kBlock && !self->flush())
            return -1;
        self->block.insert(self->block.end(), static_cast<const char *>(data),
                           static_cast<const char *>(data) + size);
        return ssize_t(size);
    }

    bool flush()
    {
        size_t done = 0;
        while (done < block.size() && writeErrno == 0) {
            const ssize_t n = ::write(fd, block.data() + done, block.size() - done);
            if (n >= 0)
                done += size_t(n);
            else if (errno != EINTR)
                writeErrno = errno;
        }
        block.clear();
        return writeErrno == 0;
    }

    static void readstatError(const char *message, void *context)
    {
        static_cast<Writing *>(context)->fail(message);
    }

    bool check(readstat_error_t status)
    {
        if (status == READSTAT_OK)
            return true;
        if (writeErrno != 0)
            return fail(std::strerror(writeErrno));
        return fail(readstat_error_message(status));
    }

    // Types, names and labels, from the input's variables, the tool's
    // outputs and, for rows held back, what the rows held.
    bool plan()
    {
        std::set<std::string> names;
        const size_t longestText = isSpss(format) ? kSavLongestText : kDtaLongestText;
        const bool sameFamily = input && isSpss(input->dictionary().format) == isSpss(format);
        for (Column &c : columns) {
            const OutputColumn &output = c.output;
            if (input && output.input >= 0)
                c.input = &input->dictionary().variables[size_t(output.input)];
            if (c.input) {
                c.text = c.input->text;
                if (!c.text && output.written && output.type == ColumnType::Text)
                    return fail("the variable " + c.input->name
                                + " is numeric, but the tool writes text into it; rename it");
            } else if (!output.written) {
                c.text = !c.anyText || !c.strictNumbers;
            } else {
                c.text = output.type == ColumnType::Text
                         || (!streaming && (output.type == ColumnType::Number ? !c.numbers : !c.labelled));
            }
            if (c.text) {
                c.width = std::max({c.input ? c.input->width : 0,
                                    streaming ? (output.written ? output.width : 0) : c.longest, size_t(1)});
                if (c.width > longestText)
                    return fail("the column " + output.name + " holds a text of " + std::to_string(c.width)
                                + " bytes; " + statProgram(format) + " holds at most "
                                + std::to_string(longestText));
            }
            // A name the format takes, not given twice.
            std::string name = validName(output.name, format);
            const size_t longest = longestName(format);
            for (int n = 2; names.count(lower(name)); ++n) {
                const std::string suffix = "_" + std::to_string(n);
                name = validName(output.name, format).substr(0, longest - suffix.size()) + suffix;
            }
            names.insert(lower(name));
            c.name = name;
            c.label = c.input ? c.input->label : output.label;
            if (c.label.empty() && name != output.name)
                c.label = output.name;
            c.label = cut(c.label, longestLabel(format));
            // The input's format, in the other family's terms if need be;
            // a column the tool writes, shown as the tool writes it.
            // A string's format follows its width, which may grow.
            if (c.input && !c.text && (sameFamily || !output.written))
                c.format = sameFamily ? c.input->format : translatedFormat(*c.input, isSpss(format));
            if (c.format.empty() && !c.text) {
                const int decimals = output.written ? output.decimals : std::min(c.decimals, 16);
                c.format = isSpss(format) ? "F8." + std::to_string(decimals)
                                          : "%9." + std::to_string(decimals) + (decimals == 0 ? "g" : "f");
            }
            // Stata keeps no measure: the tool's own columns get theirs.
            c.measure = c.input && (c.input->measure != READSTAT_MEASURE_UNKNOWN || !output.written)
                            ? c.input->measure
                        : output.ordinal ? READSTAT_MEASURE_ORDINAL
                        : c.text       ? READSTAT_MEASURE_NOMINAL
                                       : READSTAT_MEASURE_SCALE;
            c.alignment = c.input ? c.input->alignment : 0;
            // A string's display width would become its format's width.
            c.displayWidth = c.input && sameFamily && !c.text ? c.input->displayWidth : 0;
            if (c.input && !c.input->labelSet.empty()) {
                const auto set = input->dictionary().labelSets.find(c.input->labelSet);
                if (set != input->dictionary().labelSets.end())
                    c.labels = set->second;
                c.labelSetName = c.input->labelSet;
            }
            if (!c.text) {
                for (const ValueLabel &label : output.valueLabels) {
                    const bool taken = std::any_of(c.labels.begin(), c.labels.end(), [&](const StatLabel &l) {
                        return l.kind == StatValue::Number && l.value == label.value;
                    });
                    if (!taken)
                        c.labels.push_back({StatValue::Number, label.value, 0, {}, label.label});
                }
            }
        }
        return true;
    }

    bool start(long long rowCount)
    {
        writer = readstat_writer_init();
        readstat_set_data_writer(writer, write);
        readstat_writer_set_error_handler(writer, readstatError);
        std::map<std::string, readstat_label_set_t *> sets;
        const bool spss = isSpss(format);
        for (Column &c : columns) {
            c.variable = readstat_add_variable(writer, c.name.c_str(),
                                               c.text ? READSTAT_TYPE_STRING : READSTAT_TYPE_DOUBLE,
                                               c.text ? c.width : 0);
            readstat_variable_set_label(c.variable, c.label.empty() ? nullptr : c.label.c_str());
            if (!c.format.empty())
                readstat_variable_set_format(c.variable, c.format.c_str());
            readstat_variable_set_measure(c.variable, readstat_measure_t(c.measure));
            if (c.alignment)
                readstat_variable_set_alignment(c.variable, readstat_alignment_t(c.alignment));
            if (c.displayWidth > 0)
                readstat_variable_set_display_width(c.variable, c.displayWidth);
            if (c.input && spss && isSpss(input->dictionary().format)) {
                for (const StatMissing &m : c.input->missing) {
                    if (m.text && c.text)
                        readstat_variable_add_missing_string_range(c.variable, m.textLow.c_str(),
                                                                   m.textHigh.c_str());
                    else if (!m.text && !c.text)
                        readstat_variable_add_missing_double_range(c.variable, m.low, m.high);
                }
            }
            // Codes given on the command line, where the variable declares
            // none of its own: SPSS takes at most three.
            if (spss && !c.text && !(c.input && isSpss(input->dictionary().format) && !c.input->missing.empty()))
                for (size_t i = 0; i < c.output.missing.size() && i < 3; ++i)
                    readstat_variable_add_missing_double_value(c.variable, c.output.missing[i]);
            if (c.labels.empty() || (c.text && !spss)) // Stata labels numbers alone
                continue;
            // A set shared by several input variables stays shared.
            const std::string setName = c.labelSetName.empty() ? c.name
                                        : spss ? c.labelSetName
                                               : validName(c.labelSetName, format);
            readstat_label_set_t *&set = sets[c.labelSetName.empty() ? "\1" + c.name : c.labelSetName];
            if (set == nullptr) {
                set = readstat_add_label_set(writer, c.text ? READSTAT_TYPE_STRING
                                                            : spss ? READSTAT_TYPE_DOUBLE
                                                                   : READSTAT_TYPE_INT32,
                                             setName.c_str());
                for (const StatLabel &l : c.labels) {
                    if (c.text && l.kind == StatValue::Text)
                        readstat_label_string_value(set, l.text.c_str(), l.label.c_str());
                    else if (!c.text && spss && l.kind == StatValue::Number)
                        readstat_label_double_value(set, l.value, l.label.c_str());
                    else if (!c.text && !spss && l.kind == StatValue::Number && l.value == std::trunc(l.value)
                             && std::fabs(l.value) < 2147483647.0)
                        readstat_label_int32_value(set, int32_t(l.value), l.label.c_str());
                    else if (!c.text && !spss && l.kind == StatValue::TaggedMissing)
                        readstat_label_tagged_value(set, l.tag, l.label.c_str());
                }
                // SPSS codes written as Stata's .a, .b, ... keep their labels.
                if (!c.text && !spss && c.input)
                    for (size_t i = 0; i < c.input->missing.size() && i < 26; ++i)
                        for (const StatLabel &l : c.labels)
                            if (l.kind == StatValue::Number && c.input->missing[i].low == l.value
                                && c.input->missing[i].high == l.value)
                                readstat_label_tagged_value(set, char('a' + i), l.label.c_str());
            }
            readstat_variable_set_label_set(c.variable, set);
        }
        if (input) {
            const StatDictionary &d = input->dictionary();
            if (!d.fileLabel.empty())
                readstat_writer_set_file_label(writer, cut(d.fileLabel, spss ? 64 : 80).c_str());
            for (const std::string &note : d.notes)
                for (const std::string &line : spss ? documentLines(note) : std::vector<std::string>{note})
                    readstat_add_note(writer, line.c_str());
        }
        readstat_error_t status = READSTAT_OK;
        if (spss) {
            // Compressed as SPSS compresses, unless the input was not.
            readstat_compress_t compression = READSTAT_COMPRESS_ROWS;
            if (format == StatFormat::Zsav)
                compression = READSTAT_COMPRESS_BINARY;
            else if (input && isSpss(input->dictionary().format)
                     && input->dictionary().compression == READSTAT_COMPRESS_NONE)
                compression = READSTAT_COMPRESS_NONE;
            readstat_writer_set_compression(writer, compression);
            status = readstat_begin_writing_sav(writer, this, long(rowCount));
        } else {
            readstat_writer_set_file_format_version(writer, 118);
            status = readstat_begin_writing_dta(writer, this, long(rowCount));
        }
        if (status == READSTAT_OK)
            status = readstat_validate_metadata(writer);
        for (const Column &c : columns)
            if (status == READSTAT_OK)
                status = readstat_validate_variable(writer, c.variable);
        return check(status);
    }

    // A cell the tool wrote, or an input cell read from CSV.
    void text(Column &c, std::string_view text)
    {
        if (c.text) {
            scratch = cut(text, c.width);
            check(readstat_insert_string_value(writer, c.variable, scratch.c_str()));
            return;
        }
        if (text.empty()) {
            check(readstat_insert_missing_value(writer, c.variable));
            return;
        }
        double value = 0;
        if (readNumber(text, decimalMark, value)) {
            check(readstat_insert_double_value(writer, c.variable, value));
            return;
        }
        for (const ValueLabel &label : c.output.valueLabels) {
            if (label.writtenAs(text)) {
                check(readstat_insert_double_value(writer, c.variable, label.value));
                return;
            }
        }
        fail("\"" + std::string(text) + "\" is no number for the variable " + c.name);
    }

    // An input cell of an SPSS or Stata file, as stored.
    void original(Column &c, size_t column, const StoredRow *stored)
    {
        original(c, stored ? stored->values[column] : input->value(column),
                 stored ? stored->strings[column] : input->string(column));
    }

    void original(Column &c, const StatValue &v, std::string_view string)
    {
        if (c.text) {
            scratch = cut(string, c.width);
            check(readstat_insert_string_value(writer, c.variable, scratch.c_str()));
            return;
        }
        switch (v.kind) {
        case StatValue::Number:
            if (!isSpss(format) && c.input)
                for (size_t i = 0; i < c.input->missing.size() && i < 26; ++i)
                    if (!c.input->missing[i].text && v.number >= c.input->missing[i].low
                        && v.number <= c.input->missing[i].high) {
                        // Stata has no missing codes: .a, .b, ... in their order.
                        check(readstat_insert_tagged_missing_value(writer, c.variable, char('a' + i)));
                        return;
                    }
            check(readstat_insert_double_value(writer, c.variable, v.number));
            return;
        case StatValue::TaggedMissing:
            if (!isSpss(format)) {
                check(readstat_insert_tagged_missing_value(writer, c.variable, v.tag));
                return;
            }
            break;
        case StatValue::SystemMissing:
        case StatValue::Text:
            break;
        }
        check(readstat_insert_missing_value(writer, c.variable));
    }

    void hold(char kind, std::string_view text)
    {
        row.push_back(kind);
        putU32(row, uint32_t(text.size()));
        row.insert(row.end(), text.begin(), text.end());
    }

    void noteHeld(Column &c, std::string_view text)
    {
        c.longest = std::max(c.longest, text.size());
        if (text.empty())
            return;
        c.anyText = true;
        double value = 0;
        int decimals = c.decimals;
        if (c.strictNumbers && !strictNumber(text, decimalMark, decimals))
            c.strictNumbers = false;
        c.decimals = decimals;
        if (c.numbers && !readNumber(text, decimalMark, value)
            && std::none_of(c.output.valueLabels.begin(), c.output.valueLabels.end(),
                            [&](const ValueLabel &l) { return l.writtenAs(text); }))
            c.numbers = false;
        if (c.labelled && std::none_of(c.output.valueLabels.begin(), c.output.valueLabels.end(),
                                       [&](const ValueLabel &l) { return l.writtenAs(text); }))
            c.labelled = false;
    }

    bool flushSpool(bool force)
    {
        if (spoolBlock.size() < kBlock && !force)
            return true;
        size_t done = 0;
        while (done < spoolBlock.size()) {
            const ssize_t n = ::write(spool, spoolBlock.data() + done, spoolBlock.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return fail(std::string("cannot hold the rows back in a temporary file: ")
                            + std::strerror(errno));
            done += size_t(n);
        }
        spoolBlock.clear();
        return true;
    }

    bool openSpool()
    {
        const char *folder = std::getenv("TMPDIR");
        std::string name = std::string(folder && *folder ? folder : "/tmp") + "/quintaval-rows.XXXXXX";
        spool = ::mkostemp(name.data(), O_CLOEXEC);
        if (spool < 0)
            return fail(std::string("cannot make a temporary file: ") + std::strerror(errno));
        ::unlink(name.c_str()); // gone with the process, however it ends
        return true;
    }

    // The rows held back, written in order.
    bool replay()
    {
        if (!flushSpool(true))
            return false;
        if (::lseek(spool, 0, SEEK_SET) != 0)
            return fail(std::strerror(errno));
        std::vector<char> buffer(kBlock);
        size_t start = 0, end = 0;
        const auto fill = [&](size_t need) {
            if (end - start >= need)
                return true;
            std::memmove(buffer.data(), buffer.data() + start, end - start);
            end -= start;
            start = 0;
            if (buffer.size() < need)
                buffer.resize(need);
            while (end < need) {
                const ssize_t n = ::read(spool, buffer.data() + end, buffer.size() - end);
                if (n < 0 && errno == EINTR)
                    continue;
                if (n <= 0)
                    return false;
                end += size_t(n);
            }
            return true;
        };
        std::vector<std::pair<char, std::string_view>> cells;
        for (long long r = 0; r < rows; ++r) {
            uint32_t size = 0;
            if (!fill(4))
                return fail("the rows held back cannot be read again");
            std::memcpy(&size, buffer.data() + start, 4);
            start += 4;
            if (!fill(size))
                return fail("the rows held back cannot be read again");
            const char *p = buffer.data() + start;
            const char *const rowEnd = p + size;
            start += size;
            cells.clear();
            std::string overflow;
            while (p < rowEnd) {
                const char kind = *p++;
                uint32_t length = 0;
                std::memcpy(&length, p, 4);
                p += 4;
                const std::string_view text(p, length);
                p += length;
                if (kind == 'X')
                    overflow += (overflow.empty() ? "" : ",") + std::string(text);
                else
                    cells.emplace_back(kind, text);
            }
            if (!check(readstat_begin_row(writer)))
                return false;
            for (size_t i = 0; i < columns.size(); ++i) {
                const auto [kind, held] = i < cells.size() ? cells[i] : std::pair<char, std::string_view>('T', {});
                if (kind == 'V') {
                    StatValue value;
                    value.kind = StatValue::Kind(held[0]);
                    value.tag = held[1];
                    std::memcpy(&value.number, held.data() + 2, sizeof value.number);
                    original(columns[i], value, {});
                    continue;
                }
                std::string_view cell = held;
                std::string noted;
                if (int(i) == noteColumn && !overflow.empty()) {
                    noted = std::string(cell) + "; beyond the header: " + overflow;
                    cell = noted;
                }
                text(columns[i], cell);
            }
            if (!check(readstat_end_row(writer)) || !error->empty())
                return false;
        }
        return true;
    }
};

StatSink::StatSink(int fd, StatFormat format, char decimalMark, const StatSource *input,
                   bool rowByRow)
    : m_writing(std::make_unique<Writing>())
{
    m_writing->rowByRow = rowByRow;
    m_writing->fd = fd;
    m_writing->format = format;
    m_writing->decimalMark = decimalMark;
    m_writing->input = input;
    m_writing->error = &m_error;
}

StatSink::~StatSink() = default;

bool StatSink::begin(const std::vector<OutputColumn> &columns, std::string &why)
{
    Writing &w = *m_writing;
    for (const OutputColumn &output : columns) {
        if (output.note)
            w.noteColumn = int(w.columns.size());
        Writing::Column column;
        column.output = output;
        w.columns.push_back(std::move(column));
    }
    // Rows go straight to ReadStat only when its header can be written now.
    w.streaming = w.rowByRow && w.input && w.input->dictionary().rows >= 0;
    const bool ready = w.streaming ? w.plan() && w.start(w.input->dictionary().rows) : w.openSpool();
    if (!ready) {
        why = m_error;
        return false;
    }
    return true;
}

void StatSink::cell(std::string_view text)
{
    Writing &w = *m_writing;
    if (!m_error.empty())
        return;
    if (w.next >= w.columns.size()) {
        writtenCells(text);
        return;
    }
    Writing::Column &c = w.columns[w.next++];
    if (w.streaming) {
        if (!w.rowStarted)
            w.rowStarted = w.check(readstat_begin_row(w.writer));
        w.text(c, text);
    } else {
        w.noteHeld(c, text);
        w.hold('T', text);
    }
}

// The tool's own numbers ("+1.37", "99*") need no checking: read at once,
// as a label's code where they are a label ("<0.1").
void StatSink::numberCell(std::string_view text)
{
    Writing &w = *m_writing;
    if (!w.streaming || !m_error.empty() || w.next >= w.columns.size() || text.empty()
        || w.columns[w.next].text || text.size() > 32
        || !(text[0] == '+' || text[0] == '-' || text[0] == '.' || text[0] == ','
             || (text[0] >= '0' && text[0] <= '9'))) {
        cell(text);
        return;
    }
    // Digits with one decimal mark, read as text::Val reads them: a whole
    // number exactly, else its digits divided by a power of ten.
    static constexpr double kPowers[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
    size_t i = text[0] == '+' || text[0] == '-' ? 1 : 0;
    uint64_t digits = 0;
    int places = -1, count = 0;
    for (; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch >= '0' && ch <= '9') {
            digits = digits * 10 + uint64_t(ch - '0');
            ++count;
            places += places >= 0 ? 1 : 0;
        } else if (ch == w.decimalMark && places < 0) {
            places = 0;
        } else {
            break;
        }
    }
    if (count == 0 || count > 15 || places > 8 || (i < text.size() && !(text[i] == '*' && i + 1 == text.size()))) {
        cell(text);
        return;
    }
    Writing::Column &c = w.columns[w.next++];
    if (!w.rowStarted)
        w.rowStarted = w.check(readstat_begin_row(w.writer));
    const double magnitude = places <= 0 ? double(digits) : double(digits) / kPowers[places];
    w.check(readstat_insert_double_value(w.writer, c.variable, text[0] == '-' ? -magnitude : magnitude));
}

void StatSink::inputCell(size_t column, std::string_view text)
{
    inputCell(column, text, nullptr);
}

void StatSink::inputCell(size_t column, std::string_view text, const StoredRow *stored)
{
    Writing &w = *m_writing;
    if (!w.input || !m_error.empty() || w.next >= w.columns.size()) {
        cell(text);
        return;
    }
    Writing::Column &c = w.columns[w.next++];
    if (w.streaming) {
        if (!w.rowStarted)
            w.rowStarted = w.check(readstat_begin_row(w.writer));
        w.original(c, column, stored);
    } else {
        // Held back as the text a string variable or a number reads back
        // from, missing values as empty; a variable's missing-value
        // definitions come through all the same.
        const StatValue &v = stored ? stored->values[column] : w.input->value(column);
        if (v.kind == StatValue::Text) {
            const std::string &string = stored ? stored->strings[column] : w.input->string(column);
            w.noteHeld(c, string);
            w.hold('T', string);
        } else {
            char value[1 + 1 + sizeof v.number];
            value[0] = char(v.kind);
            value[1] = v.tag;
            std::memcpy(value + 2, &v.number, sizeof v.number);
            w.hold('V', {value, sizeof value});
        }
    }
}

void StatSink::writtenCells(std::string_view text)
{
    Writing &w = *m_writing;
    if (!m_error.empty())
        return;
    if (w.streaming)
        w.fail("a row has more cells than the header names");
    else
        w.hold('X', text);
}

void StatSink::endRow()
{
    Writing &w = *m_writing;
    if (!m_error.empty())
        return;
    if (w.streaming) {
        for (; w.next < w.columns.size(); ++w.next)
            w.text(w.columns[w.next], {});
        w.check(readstat_end_row(w.writer));
        w.rowStarted = false;
    } else {
        const size_t size = w.row.size();
        putU32(w.spoolBlock, uint32_t(size));
        w.spoolBlock.insert(w.spoolBlock.end(), w.row.begin(), w.row.end());
        w.row.clear();
        ++w.rows;
        w.flushSpool(false);
    }
    w.next = 0;
}

bool StatSink::finish(std::string &why)
{
    Writing &w = *m_writing;
    if (m_error.empty() && !w.streaming)
        w.plan() && w.start(w.rows) && w.replay();
    if (m_error.empty())
        w.check(readstat_end_writing(w.writer));
    if (m_error.empty() && !w.flush())
        w.fail(std::strerror(w.writeErrno));
    why = m_error;
    return m_error.empty();
}

} // namespace batch
