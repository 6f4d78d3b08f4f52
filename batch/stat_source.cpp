// Reading SPSS and Stata files with ReadStat: the dictionary in a first
// pass, the values in a second, each row handed over as text beside the
// values as stored.
#include "batch/stat_file.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <readstat.h>
#include <sys/stat.h>
#include <unistd.h>

#include "text/text_routines.h"

namespace batch {

namespace {

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

std::string lowerExtension(std::string_view path)
{
    const size_t dot = path.rfind('.');
    const size_t slash = path.rfind('/');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        return {};
    std::string extension(path.substr(dot + 1));
    for (char &c : extension)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return extension;
}

// A number as the text a CSV file would hold: the shortest that reads back
// as the same double (a float's shortest for a float), never an exponent.
void setNumberText(std::string &cell, double value, readstat_type_t type, char decimalMark, int &places)
{
    char text[text::kFormattedSize];
    size_t size = 0;
    if (type == READSTAT_TYPE_FLOAT)
        size = size_t(std::to_chars(text, text + sizeof text, float(value), std::chars_format::fixed).ptr
                      - text);
    else
        size = text::ShortestInto(text, value, places);
    if (decimalMark != '.')
        std::replace(text, text + size, '.', decimalMark);
    cell.assign(text, size);
}

// Read from the value's fields, as readstat.h declares them: the accessor
// functions cost a call each, for every value of every row.
StatValue::Kind kindOf(const readstat_value_t &value)
{
    if (value.type == READSTAT_TYPE_STRING || value.type == READSTAT_TYPE_STRING_REF)
        return StatValue::Text;
    if (value.is_tagged_missing)
        return StatValue::TaggedMissing;
    if (value.is_system_missing)
        return StatValue::SystemMissing;
    return StatValue::Number;
}

double numberOf(const readstat_value_t &value)
{
    switch (value.type) {
    case READSTAT_TYPE_INT8:
        return value.v.i8_value;
    case READSTAT_TYPE_INT16:
        return value.v.i16_value;
    case READSTAT_TYPE_INT32:
        return value.v.i32_value;
    case READSTAT_TYPE_FLOAT:
        return value.v.float_value;
    case READSTAT_TYPE_DOUBLE:
        return value.v.double_value;
    default:
        return 0;
    }
}

} // namespace

StatFormat statFormatOf(std::string_view first)
{
    if (startsWith(first, "$FL2"))
        return StatFormat::Sav;
    if (startsWith(first, "$FL3"))
        return StatFormat::Zsav;
    if (startsWith(first, "<stata_dta>"))
        return StatFormat::Dta;
    // Stata before 13: release, byte order, file type 1, a zero.
    static constexpr unsigned char kReleases[] = {104, 105, 108, 110, 111, 112, 113, 114, 115};
    if (first.size() >= 4
        && std::find(std::begin(kReleases), std::end(kReleases), (unsigned char)first[0])
               != std::end(kReleases)
        && (first[1] == 1 || first[1] == 2) && first[2] == 1 && first[3] == 0)
        return StatFormat::Dta;
    // A portable file: its header of 464 characters ends in "SPSSPORT".
    if (first.find("SPSSPORT") != std::string_view::npos && first.size() >= 200)
        return StatFormat::Por;
    return StatFormat::None;
}

StatFormat statFormatOfName(std::string_view path)
{
    const std::string extension = lowerExtension(path);
    if (extension == "sav")
        return StatFormat::Sav;
    if (extension == "zsav")
        return StatFormat::Zsav;
    if (extension == "por")
        return StatFormat::Por;
    if (extension == "dta")
        return StatFormat::Dta;
    return StatFormat::None;
}

const char *statProgram(StatFormat format)
{
    return format == StatFormat::Dta ? "Stata" : "SPSS";
}

// SPSS's widest string; Stata's are narrower, its long strings aside.
constexpr size_t kWidestString = 32767;
// SPSS allows three missing values or a range and one value.
constexpr int kMostMissingRanges = 3;

// ReadStat reads through these handlers from the file already open, in
// large blocks: its own reads are small and many.
struct StatSource::Parsing {
    StatSource *source = nullptr;
    int fd = -1;
    std::vector<char> block = std::vector<char>(256 * 1024);
    size_t start = 0, end = 0; // the unread part of the block
    long long blockOffset = 0; // of the block's first byte in the file
    long long fileSize = -1;
    readstat_parser_t *parser = nullptr;
    std::string errorText;
    std::string damage; // what a handler found wrong, where
    std::string encoding; // the file's, as its dictionary says
    // While rows are read:
    const std::function<bool(text::CsvRecord &)> *row = nullptr;
    text::CsvRecord record;
    long long rows = 0;
    size_t lastVariable = 0;
    // A column's cell still holds its number's text from the row before:
    // a column of means or sds repeats one number in every row.
    std::vector<char> written;
    std::vector<char> hasMissing; // a column with missing-value codes to look up
    std::vector<int> places; // a column's numbers mostly have as many decimals
    bool stopped = false; // by the row handler, not by a damaged file

    long long position() const { return blockOffset + (long long)start; }

    static int open(const char *, void *context)
    {
        auto *self = static_cast<Parsing *>(context);
        self->start = self->end = 0;
        self->blockOffset = 0;
        return ::lseek(self->fd, 0, SEEK_SET) == 0 ? 0 : -1;
    }
    static int close(void *) { return 0; }
    static readstat_off_t seek(readstat_off_t offset, readstat_io_flags_t whence, void *context)
    {
        auto *self = static_cast<Parsing *>(context);
        long long target = offset;
        if (whence == READSTAT_SEEK_CUR)
            target = self->position() + offset;
        else if (whence == READSTAT_SEEK_END)
            target = self->fileSize + offset;
        if (target < 0)
            return -1;
        if (target >= self->blockOffset && target <= self->blockOffset + (long long)self->end) {
            self->start = size_t(target - self->blockOffset);
            return target;
        }
        if (::lseek(self->fd, target, SEEK_SET) < 0)
            return -1;
        self->blockOffset = target;
        self->start = self->end = 0;
        return target;
    }
    static ssize_t read(void *buffer, size_t bytes, void *context)
    {
        auto *self = static_cast<Parsing *>(context);
        char *out = static_cast<char *>(buffer);
        size_t done = 0;
        while (done < bytes) {
            if (self->start == self->end) {
                self->blockOffset += (long long)self->end;
                self->start = self->end = 0;
                if (bytes - done >= self->block.size()) { // large: straight through
                    const ssize_t n = ::read(self->fd, out + done, bytes - done);
                    if (n < 0 && errno == EINTR)
                        continue;
                    if (n <= 0)
                        return n < 0 && done == 0 ? -1 : ssize_t(done);
                    done += size_t(n);
                    self->blockOffset += n;
                    continue;
                }
                const ssize_t n = ::read(self->fd, self->block.data(), self->block.size());
                if (n < 0 && errno == EINTR)
                    continue;
                if (n <= 0)
                    return n < 0 && done == 0 ? -1 : ssize_t(done);
                self->end = size_t(n);
            }
            const size_t take = std::min(bytes - done, self->end - self->start);
            std::memcpy(out + done, self->block.data() + self->start, take);
            self->start += take;
            done += take;
        }
        return ssize_t(done);
    }
    static readstat_error_t update(long, readstat_progress_handler, void *, void *)
    {
        return READSTAT_OK;
    }
    static void error(const char *message, void *context)
    {
        static_cast<Parsing *>(context)->errorText = message;
    }

    // The dictionary.
    static int metadata(readstat_metadata_t *metadata, void *context)
    {
        auto *self = static_cast<Parsing *>(context);
        StatDictionary &d = self->source->m_dictionary;
        if (const char *encoding = readstat_get_file_encoding(metadata))
            self->encoding = encoding;
        d.rows = readstat_get_row_count(metadata);
        if (const char *label = readstat_get_file_label(metadata))
            d.fileLabel = label;
        d.compression = readstat_get_compression(metadata);
        return READSTAT_HANDLER_OK;
    }
    static int note(int, const char *note, void *context)
    {
        static_cast<Parsing *>(context)->source->m_dictionary.notes.emplace_back(note ? note : "");
        return READSTAT_HANDLER_OK;
    }
    static int variable(int index, readstat_variable_t *variable, const char *labels, void *context)
    {
        auto *self = static_cast<Parsing *>(context);
        std::vector<StatVariable> &variables = self->source->m_dictionary.variables;
        if (self->row != nullptr)
            return READSTAT_HANDLER_OK; // known from the first pass
        if (index < 0 || size_t(index) != variables.size())
            return READSTAT_HANDLER_ABORT;
        const auto damaged = [&](const std::string &what) {
            self->damage = "variable " + std::to_string(index + 1) + " " + what;
            return READSTAT_HANDLER_ABORT;
        };
        if (variable == nullptr)
            return damaged("is missing");
        const char *name = readstat_variable_get_name(variable);
        if (name == nullptr || *name == '\0')
            return damaged("has no name");
        StatVariable v;
        v.name = name;
        if (const char *label = readstat_variable_get_label(variable))
            v.label = label;
        if (const char *format = readstat_variable_get_format(variable))
            v.format = format;
        v.text = readstat_variable_get_type_class(variable) == READSTAT_TYPE_CLASS_STRING;
        const readstat_type_t type = readstat_variable_get_type(variable);
        v.integer = type == READSTAT_TYPE_INT8 || type == READSTAT_TYPE_INT16 || type == READSTAT_TYPE_INT32;
        // A string's width as declared (its format says it: A11, %11s), not
        // as stored in pieces of 8 bytes or with room for a NUL.
        v.width = readstat_variable_get_storage_width(variable);
        int declared = 0;
        if (v.text && (std::sscanf(v.format.c_str(), "A%d", &declared) == 1
                       || std::sscanf(v.format.c_str(), "%%%ds", &declared) == 1
                       || std::sscanf(v.format.c_str(), "%%-%ds", &declared) == 1)
            && declared > 0 && size_t(declared) <= v.width)
            v.width = size_t(declared);
        // No program writes a string wider than this; a damaged width
        // would ask for gigabytes.
        if (v.text && type != READSTAT_TYPE_STRING_REF && v.width > kWidestString)
            return damaged("(" + v.name + ") has a string width of " + std::to_string(v.width));
        v.displayWidth = readstat_variable_get_display_width(variable);
        v.decimals = variable->decimals;
        v.measure = readstat_variable_get_measure(variable);
        v.alignment = readstat_variable_get_alignment(variable);
        const int ranges = readstat_variable_get_missing_ranges_count(variable);
        if (ranges < 0 || ranges > kMostMissingRanges)
            return damaged("(" + v.name + ") has " + std::to_string(ranges) + " missing-value ranges");
        for (int i = 0; i < ranges; ++i) {
            const readstat_value_t low = readstat_variable_get_missing_range_lo(variable, i);
            const readstat_value_t high = readstat_variable_get_missing_range_hi(variable, i);
            StatMissing m;
            m.text = readstat_value_type_class(low) == READSTAT_TYPE_CLASS_STRING;
            if (m.text) {
                m.textLow = readstat_string_value(low) ? readstat_string_value(low) : "";
                m.textHigh = readstat_string_value(high) ? readstat_string_value(high) : "";
            } else {
                m.low = numberOf(low);
                m.high = numberOf(high);
            }
            v.missing.push_back(m);
        }
        if (labels)
            v.labelSet = labels;
        variables.push_back(std::move(v));
        return READSTAT_HANDLER_OK;
    }
    static int valueLabel(const char *set, readstat_value_t value, const char *label, void *context)
    {
        StatLabel l;
        l.kind = kindOf(value);
        if (l.kind == StatValue::Text)
            l.text = readstat_string_value(value) ? readstat_string_value(value) : "";
        else if (l.kind == StatValue::TaggedMissing)
            l.tag = readstat_value_tag(value);
        else
            l.value = numberOf(value);
        if (l.kind == StatValue::SystemMissing)
            return READSTAT_HANDLER_OK;
        l.label = label ? label : "";
        static_cast<Parsing *>(context)->source->m_dictionary.labelSets[set ? set : ""].push_back(
            std::move(l));
        return READSTAT_HANDLER_OK;
    }

    // The rows.
    static int value(int, readstat_variable_t *variable, readstat_value_t value, void *context)
    {
        auto *self = static_cast<Parsing *>(context);
        StatSource &source = *self->source;
        const int index = variable ? readstat_variable_get_index(variable) : -1;
        if (index < 0 || size_t(index) >= source.m_values.size()) {
            self->damage = "row " + std::to_string(self->rows + 1) + " has a value of variable "
                           + std::to_string(index + 1) + ", which the file does not declare";
            return READSTAT_HANDLER_ABORT;
        }
        // A converter may keep the record handed over, leaving another.
        if (index == 0 && self->record.cells.size() != source.m_values.size()) {
            self->record.cells.resize(source.m_values.size());
            self->record.problem = text::RowProblem::None;
            self->record.surplus.clear();
            self->record.surplusCells = 0;
            std::fill(self->written.begin(), self->written.end(), false);
        }
        StatValue &stored = source.m_values[size_t(index)];
        std::string &cell = self->record.cells[size_t(index)];
        const StatValue::Kind kind = kindOf(value);
        if (kind != StatValue::Number || stored.kind != StatValue::Number)
            self->written[size_t(index)] = false;
        stored.kind = kind;
        stored.tag = stored.kind == StatValue::TaggedMissing ? value.tag : 0;
        if (stored.kind == StatValue::Text) {
            const char *text = readstat_string_value(value);
            std::string &string = source.m_strings[size_t(index)];
            string.assign(text ? text : "");
            if (source.m_numberColumn[size_t(index)] && source.isMissingText(size_t(index), string))
                cell.clear();
            else
                cell = string;
        } else if (stored.kind == StatValue::Number) {
            const double number = numberOf(value);
            // A user-defined missing value in a column of numbers is empty:
            // a code such as 999 is no score.
            if (source.m_numberColumn[size_t(index)] && self->hasMissing[size_t(index)]
                && readstat_value_is_defined_missing(value, variable))
                cell.clear();
            else if (!(self->written[size_t(index)] && number == stored.number && !cell.empty()))
                setNumberText(cell, number, value.type, source.m_decimalMark,
                              self->places[size_t(index)]); // else as the row before
            self->written[size_t(index)] = !cell.empty();
            stored.number = number;
        } else {
            cell.clear();
        }
        if (size_t(index) == self->lastVariable) {
            ++self->rows;
            if (!(*self->row)(self->record)) {
                self->stopped = true;
                return READSTAT_HANDLER_ABORT;
            }
        }
        return READSTAT_HANDLER_OK;
    }

    readstat_error_t parse()
    {
        readstat_set_open_handler(parser, open);
        readstat_set_close_handler(parser, close);
        readstat_set_seek_handler(parser, seek);
        readstat_set_read_handler(parser, read);
        readstat_set_update_handler(parser, update);
        readstat_set_io_ctx(parser, this);
        readstat_set_error_handler(parser, error);
        switch (source->m_format) {
        case StatFormat::Sav:
        case StatFormat::Zsav:
            return readstat_parse_sav(parser, "", this);
        case StatFormat::Por:
            return readstat_parse_por(parser, "", this);
        case StatFormat::Dta:
            return readstat_parse_dta(parser, "", this);
        case StatFormat::None:
            break;
        }
        return READSTAT_ERROR_PARSE;
    }

    std::string why(readstat_error_t error) const
    {
        std::string text = damage.empty() ? std::string(readstat_error_message(error)) : damage;
        if (!errorText.empty())
            text += " (" + errorText + ")";
        return text;
    }
};

StatSource::StatSource(int fd, StatFormat format, char decimalMark)
    : m_fd(fd), m_format(format), m_decimalMark(decimalMark), m_parsing(std::make_unique<Parsing>())
{
    m_parsing->source = this;
    m_parsing->fd = fd;
    struct stat info;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode))
        m_parsing->fileSize = info.st_size;
    m_dictionary.format = format;
}

StatSource::~StatSource() = default;

long long StatSource::size() const
{
    return m_parsing->fileSize;
}

long long StatSource::bytesConsumed() const
{
    return m_parsing->position();
}

bool StatSource::readHeader(text::CsvRecord &header)
{
    Parsing &p = *m_parsing;
    p.parser = readstat_parser_init();
    readstat_set_metadata_handler(p.parser, Parsing::metadata);
    readstat_set_note_handler(p.parser, Parsing::note);
    readstat_set_variable_handler(p.parser, Parsing::variable);
    readstat_set_value_label_handler(p.parser, Parsing::valueLabel);
    const readstat_error_t error = p.parse();
    readstat_parser_free(p.parser);
    p.parser = nullptr;
    if (error != READSTAT_OK) {
        m_error = p.why(error);
        return false;
    }
    if (m_dictionary.variables.empty()) {
        m_error = "it holds no variables";
        return false;
    }
    header.cells.clear();
    header.problem = text::RowProblem::None;
    header.surplus.clear();
    header.surplusCells = 0;
    for (const StatVariable &variable : m_dictionary.variables)
        header.cells.push_back(variable.name);
    m_numberColumn.assign(m_dictionary.variables.size(), false);
    m_values.assign(m_dictionary.variables.size(), StatValue{});
    m_strings.assign(m_dictionary.variables.size(), std::string());
    return true;
}

std::shared_ptr<const StoredRow> StatSource::storedRow() const
{
    return std::make_shared<const StoredRow>(StoredRow{m_values, m_strings});
}

void StatSource::setNumberColumns(const std::vector<size_t> &columns)
{
    for (const size_t column : columns)
        if (column < m_numberColumn.size())
            m_numberColumn[column] = true;
}

bool StatSource::isMissingText(size_t column, std::string_view text) const
{
    for (const StatMissing &m : m_dictionary.variables[column].missing)
        if (m.text && text >= m.textLow && text <= m.textHigh)
            return true;
    return false;
}

bool StatSource::readRows(const std::function<bool(text::CsvRecord &)> &row)
{
    Parsing &p = *m_parsing;
    p.row = &row;
    p.record.cells.assign(m_dictionary.variables.size(), std::string());
    p.written.assign(m_dictionary.variables.size(), false);
    p.hasMissing.clear();
    for (const StatVariable &variable : m_dictionary.variables)
        p.hasMissing.push_back(!variable.missing.empty());
    p.places.assign(m_dictionary.variables.size(), -1);
    p.lastVariable = m_dictionary.variables.size() - 1;
    p.parser = readstat_parser_init();
    // ReadStat 1.1.8 needs a variable handler to read the values of a .sav.
    readstat_set_variable_handler(p.parser, Parsing::variable);
    // Strings of a UTF-8 file need no converting to UTF-8.
    std::string encoding = p.encoding;
    for (char &c : encoding)
        c = char(std::toupper((unsigned char)c));
    if (encoding == "UTF-8" || encoding == "UTF8")
        readstat_set_handler_character_encoding(p.parser, nullptr);
    readstat_set_value_handler(p.parser, Parsing::value);
    const readstat_error_t error = p.parse();
    readstat_parser_free(p.parser);
    p.parser = nullptr;
    if (p.stopped)
        return true;
    if (error != READSTAT_OK) {
        m_error = p.why(error);
        return false;
    }
    if (m_dictionary.rows >= 0 && p.rows != m_dictionary.rows) {
        m_error = "the file ends after " + std::to_string(p.rows) + " of its "
                  + std::to_string(m_dictionary.rows) + " rows; it is cut short";
        return false;
    }
    return true;
}

} // namespace batch
