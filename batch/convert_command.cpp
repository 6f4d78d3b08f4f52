#include "batch/convert_command.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "batch/batch_converter.h"
#include "batch/csv_table.h"
#include "batch/help_text.h"
#include "text/csv_reader.h"
#include "text/csv_writer.h"
#include "text/plain_number.h"
#include "batch/progress_meter.h"
#include "interpretation/interpretation.h"
#include "text/ascii.h"
#include "text/small_file.h"
#include "text/text_routines.h"

namespace batch {

namespace {

constexpr const char *kProgram = "quintaval-convert";

bool delimiterFromName(const std::string &name, char &delimiter)
{
    if (name == "," || name == "comma")
        delimiter = ',';
    else if (name == ";" || name == "semicolon")
        delimiter = ';';
    else if (name == "\t" || name == "tab" || name == "\\t")
        delimiter = '\t';
    else
        return false;
    return true;
}

// An option's number, with a decimal point or a decimal comma, as the
// core reads it (with a point).
bool optionNumber(const std::string &value, std::string &number)
{
    return text::readPlainNumber(value, {'.', false}, number)
           || text::readPlainNumber(value, {',', false}, number);
}

} // namespace

ConvertCommand::ConvertCommand(int inFd, int outFd, int errFd)
    : m_inFd(inFd), m_outFd(outFd), m_errFd(errFd)
{
}

ConvertCommand::~ConvertCommand()
{
    if (m_openedIn >= 0)
        ::close(m_openedIn);
}

int ConvertCommand::run(const std::vector<std::string> &arguments)
{
    switch (parseArguments(arguments)) {
    case Parsed::Done:
        return Success;
    case Parsed::Usage:
        return UsageError;
    case Parsed::Run:
        break;
    }
    if (!openInput())
        return failure("cannot open " + m_inputPath + ": " + std::strerror(errno));
    addInput("the input file itself", m_inFd);
    if (const std::string input = outputOntoInput(); !input.empty())
        return usage("the output is " + input + "; write to another file");

    text::CsvRecord header;
    if (const int status = openSource(header); status >= 0)
        return status;
    if (m_profile.enabled)
        return convertProfile(header);
    BatchConverter converter(header, m_settings);
    if (!converter.error().empty())
        return usage(converter.error());
    m_source->setNumberColumns(converter.numberColumns());
    if (const std::vector<std::string> &emptied = converter.emptiedColumns(); !emptied.empty()) {
        std::vector<std::string_view> names(emptied.begin(), emptied.end());
        say(std::string(kProgram) + ": " + (names.size() == 1 ? "the column " : "the columns ")
                + joinNames(names, " and ") + (names.size() == 1 ? " is" : " are")
                + " emptied; --interpret writes " + (names.size() == 1 ? "it" : "them") + "\n",
            m_errFd);
    }
    if (const int status = openSink(converter.columns()); status >= 0)
        return status;
    return convertRows(converter);
}

// The input is read as what its content is: SPSS and Stata files by their
// first bytes, whatever their names, anything else as CSV. -1 when it can
// be read, with its header; else the exit status, the reason said.
int ConvertCommand::openSource(text::CsvRecord &header)
{
    std::string first(600, '\0');
    struct stat info;
    const bool regular = ::fstat(m_inFd, &info) == 0 && S_ISREG(info.st_mode);
    // A stream is read no further than its magic number or its first line
    // break, so that a slow pipe is converted as its rows come.
    size_t got = 0;
    while (regular ? got < first.size()
                   : got < 16 && std::memchr(first.data(), '\n', got) == nullptr) {
        const ssize_t n = regular ? ::pread(m_inFd, first.data() + got, first.size() - got, off_t(got))
                                  : ::read(m_inFd, first.data() + got, 16 - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += size_t(n);
    }
    first.resize(got);
    const StatFormat format = statFormatOf(first);
    const StatFormat named = statFormatOfName(m_inputPath);
    if (format == StatFormat::None && named != StatFormat::None)
        return usage(inputName() + " holds no " + statProgram(named) + " data");
    m_settings.decimalComma = m_decimalMark == ',';
    if (format != StatFormat::None) {
        if (!regular)
            return usage(inputName() + " is " + statProgram(format)
                         + " data; name the file as the input, as it is read twice");
        auto source = std::make_unique<StatSource>(m_inFd, format, m_decimalMark == ',' ? ',' : '.');
        m_statSource = source.get();
        m_source = std::move(source);
        if (!m_source->readHeader(header))
            return usage("cannot read " + inputName() + " as " + statProgram(format) + " data: "
                         + m_source->error());
        return -1;
    }
    auto source = std::make_unique<CsvSource>(m_inFd, m_delimiter, regular ? std::string_view() : first);
    const text::CsvReader &reader = source->reader();
    m_csvSource = source.get();
    m_source = std::move(source);
    if (!m_source->readHeader(header)) {
        if (reader.failed())
            return failure("cannot read " + inputName() + ": " + reader.error());
        if (reader.isUtf16())
            return usage(inputName() + " is UTF-16; it must be UTF-8 (save it as CSV UTF-8)");
        return usage("the input is empty; its first row must name the columns");
    }
    if (m_decimalMark == 0 && reader.delimiter() == ';')
        m_settings.decimalComma = true;
    return -1;
}

// -o FILE.sav, .zsav or .dta writes that format; anything else is CSV.
int ConvertCommand::openSink(const std::vector<OutputColumn> &columns, bool rowByRow)
{
    // Opened only now, so that a usage error leaves an existing file alone.
    if (std::string why; !openOutput(why))
        return failure("cannot open " + m_outputPath + ": " + why);
    const char decimalMark = m_settings.decimalComma ? ',' : '.';
    if (m_outputFormat != StatFormat::None) {
        m_sink = std::make_unique<StatSink>(m_outFd, m_outputFormat, decimalMark, m_statSource,
                                            rowByRow);
    } else if (m_csvSource) {
        const text::CsvReader &reader = m_csvSource->reader();
        m_sink = std::make_unique<CsvSink>(m_outFd, reader.delimiter(), reader.lineEnding(),
                                           reader.hadByteOrderMark());
    } else {
        const char delimiter = m_delimiter ? m_delimiter : decimalMark == ',' ? ';' : ',';
        m_sink = std::make_unique<CsvSink>(m_outFd, delimiter, "\n", false);
    }
    if (std::string why; !m_sink->begin(columns, why)) {
        m_output.discard();
        return usage(why);
    }
    return -1;
}

const ConvertCommand::Option ConvertCommand::kOptions[] = {
    {"-o", "--output", true, &ConvertCommand::setOutput},
    {"-d", "--delimiter", true, &ConvertCommand::setDelimiter},
    {nullptr, "--decimal-comma", false, &ConvertCommand::setDecimalComma},
    {nullptr, "--decimal-point", false, &ConvertCommand::setDecimalPoint},
    {nullptr, "--from", true, &ConvertCommand::setFrom},
    {nullptr, "--raw", true, &ConvertCommand::setRaw},
    {nullptr, "--mean", true, &ConvertCommand::setMean},
    {nullptr, "--sd", true, &ConvertCommand::setSd},
    {nullptr, "--score", true, &ConvertCommand::setScore},
    {nullptr, "--prefix", true, &ConvertCommand::setPrefix},
    {nullptr, "--missing", true, &ConvertCommand::setMissing},
    {nullptr, "--interpret", false, &ConvertCommand::setInterpret},
    {nullptr, "--reliability", true, &ConvertCommand::setReliability},
    {nullptr, "--confidence", true, &ConvertCommand::setConfidence},
    {nullptr, "--ci-method", true, &ConvertCommand::setIntervalMethod},
    {nullptr, "--ci-scale", true, &ConvertCommand::setIntervalScale},
    {nullptr, "--descriptors", true, &ConvertCommand::setDescriptors},
    {nullptr, "--profile", false, &ConvertCommand::setProfile},
    {nullptr, "--pairs", false, &ConvertCommand::setPairs},
    {nullptr, "--composites", false, &ConvertCommand::setComposites},
    {nullptr, "--wide", false, &ConvertCommand::setWide},
    {nullptr, "--summary", false, &ConvertCommand::setSummary},
    {nullptr, "--low-cutoff", true, &ConvertCommand::setLowCutoff},
    {nullptr, "--pairs-correction", true, &ConvertCommand::setPairsCorrection},
    {nullptr, "--metric", true, &ConvertCommand::setMetric},
    {nullptr, "--alpha", true, &ConvertCommand::setAlpha},
    {nullptr, "--bonferroni", false, &ConvertCommand::setBonferroni},
    {nullptr, "--change-method", true, &ConvertCommand::setChangeMethod},
    {nullptr, "--correlations", true, &ConvertCommand::setCorrelations},
    {"-h", "--help", false, &ConvertCommand::showHelp},
    {"-V", "--version", false, &ConvertCommand::showVersion},
};

const ConvertCommand::Option *ConvertCommand::findOption(const std::string &name)
{
    for (const Option &option : kOptions)
        if ((option.shortName && name == option.shortName) || name == option.longName)
            return &option;
    return nullptr;
}

ConvertCommand::Parsed ConvertCommand::parseArguments(const std::vector<std::string> &arguments)
{
    bool optionsEnded = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string &argument = arguments[i];
        if (argument.empty()) {
            usage("an empty file name was given");
            return Parsed::Usage;
        }
        if (optionsEnded || argument == "-" || argument[0] != '-') {
            if (!m_inputPath.empty()) {
                usage("more than one input file given");
                return Parsed::Usage;
            }
            m_inputPath = argument;
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        std::string name = argument, value;
        bool attached = false;
        const size_t equals = argument.find('=');
        if (argument.compare(0, 2, "--") == 0 && equals != std::string::npos) {
            name = argument.substr(0, equals);
            value = argument.substr(equals + 1);
            attached = true;
        } else if (argument.compare(0, 2, "--") != 0 && argument.size() > 2) {
            name = argument.substr(0, 2);
            value = argument.substr(2);
            attached = true;
        }
        const Option *option = findOption(name);
        if (option == nullptr || (attached && !option->takesValue)) {
            usage("unknown option " + argument);
            return Parsed::Usage;
        }
        if (option->takesValue && !attached) {
            if (i + 1 == arguments.size()) {
                usage("option " + name + " needs a value");
                return Parsed::Usage;
            }
            value = arguments[++i];
        }
        const Parsed parsed = (this->*option->take)(value);
        if (parsed != Parsed::Run)
            return parsed;
    }
    if (m_inputPath == "-")
        m_inputPath.clear();
    if (const Parsed parsed = checkColumnOptions(); parsed != Parsed::Run)
        return parsed;
    return checkInterpretOptions();
}

ConvertCommand::Parsed ConvertCommand::showHelp(const std::string &)
{
    say(helpText(), m_outFd);
    return Parsed::Done;
}

ConvertCommand::Parsed ConvertCommand::showVersion(const std::string &)
{
    say(std::string(kProgram) + " (Quintaval) " + QUINTAVAL_VERSION + "\n", m_outFd);
    return Parsed::Done;
}

ConvertCommand::Parsed ConvertCommand::setOutput(const std::string &path)
{
    if (path.empty()) {
        usage("the output file name is empty");
        return Parsed::Usage;
    }
    m_outputPath = path == "-" ? std::string() : path;
    m_outputFormat = statFormatOfName(m_outputPath);
    if (m_outputFormat == StatFormat::Por)
        return refuse("-o " + path + ": SPSS data is written as .sav or .zsav, not .por");
    // A "*" after a number has no place in a numeric variable.
    m_settings.marksInNote = m_outputFormat != StatFormat::None;
    return Parsed::Run;
}

ConvertCommand::Parsed ConvertCommand::setDelimiter(const std::string &name)
{
    if (!delimiterFromName(name, m_delimiter)) {
        usage("the delimiter must be comma, semicolon or tab, not \"" + name + "\"");
        return Parsed::Usage;
    }
    return Parsed::Run;
}

ConvertCommand::Parsed ConvertCommand::setDecimalComma(const std::string &)
{
    return setDecimalMark(',');
}

// A semicolon file from a statistics program may well use decimal points.
ConvertCommand::Parsed ConvertCommand::setDecimalPoint(const std::string &)
{
    return setDecimalMark('.');
}

ConvertCommand::Parsed ConvertCommand::setDecimalMark(char mark)
{
    if (m_decimalMark != 0 && m_decimalMark != mark)
        return refuse("--decimal-point and --decimal-comma cannot both be given");
    m_decimalMark = mark;
    m_settings.decimalComma = mark == ',';
    return Parsed::Run;
}

ConvertCommand::Parsed ConvertCommand::setFrom(const std::string &column)
{
    m_settings.from = column;
    return Parsed::Run;
}

ConvertCommand::Parsed ConvertCommand::setInterpret(const std::string &)
{
    m_settings.interpretation.enabled = true;
    return Parsed::Run;
}

// The options of an interpretation do nothing without --interpret: being
// silently ignored would look like a result.
ConvertCommand::Parsed ConvertCommand::needsInterpret(const char *option)
{
    if (m_interpretOption == nullptr)
        m_interpretOption = option;
    m_interpretOptions.push_back(option);
    return Parsed::Run;
}

ConvertCommand::Parsed ConvertCommand::needsInterval(const char *option)
{
    if (m_intervalOption == nullptr)
        m_intervalOption = option;
    return needsInterpret(option);
}

ConvertCommand::Parsed ConvertCommand::checkInterpretOptions()
{
    if (m_interpretOption && !m_settings.interpretation.enabled && !m_profile.enabled)
        return refuse(std::string(m_interpretOption) + " needs --interpret");
    return checkProfileOptions();
}

ConvertCommand::Parsed ConvertCommand::setReliability(const std::string &value)
{
    std::string number;
    if (!optionNumber(value, number))
        return refuse("--reliability: \"" + value + "\" is not a number");
    if (const std::string why = interpretation::checkReliability(number); !why.empty())
        return refuse("--reliability \"" + value + "\": " + why);
    m_settings.interpretation.reliability = text::Val(number);
    return needsInterpret("--reliability");
}

ConvertCommand::Parsed ConvertCommand::setConfidence(const std::string &value)
{
    std::string number;
    if (!optionNumber(value, number))
        return refuse("--confidence: \"" + value + "\" is not a number");
    if (const std::string why = interpretation::checkConfidence(number); !why.empty())
        return refuse("--confidence \"" + value + "\": " + why);
    m_settings.interpretation.confidence = text::Val(number);
    return needsInterval("--confidence");
}

ConvertCommand::Parsed ConvertCommand::setIntervalMethod(const std::string &name)
{
    const std::string method = text::lowerAscii(name);
    if (method == "true-score")
        m_settings.interpretation.method = interpretation::Method::TrueScore;
    else if (method == "obtained")
        m_settings.interpretation.method = interpretation::Method::Obtained;
    else
        return refuse("--ci-method takes true-score or obtained, not \"" + name + "\"");
    return needsInterval("--ci-method");
}

ConvertCommand::Parsed ConvertCommand::setIntervalScale(const std::string &name)
{
    const std::string column = text::lowerAscii(name);
    for (int i = 0; i < interpretation::kScaleIdCount; ++i) {
        const auto scale = interpretation::ScaleId(i);
        if (column == interpretation::scaleColumn(scale)) {
            m_settings.interpretation.intervalScale = scale;
            return needsInterval("--ci-scale");
        }
    }
    return refuse("--ci-scale takes " + joinNames(intervalScaleColumns(), " or ") + ", not \""
                  + name + "\"");
}

// A built-in system's name, else a file.
ConvertCommand::Parsed ConvertCommand::setDescriptors(const std::string &system)
{
    InterpretationSettings &settings = m_settings.interpretation;
    if (const interpretation::DescriptorSystem *known =
            interpretation::findSystem(text::lowerAscii(system))) {
        settings.descriptors = *known;
        return needsInterpret("--descriptors");
    }
    std::string text, why;
    if (!text::readSmallFile(system, text, why)) {
        std::string names;
        for (const interpretation::DescriptorSystem &s : interpretation::builtInSystems())
            names += s.key + ", ";
        return refuse("--descriptors takes " + names + "or a descriptor file; cannot read \""
                      + system + "\": " + why);
    }
    const std::string problem = interpretation::parseDescriptorFile(text, settings.descriptors);
    if (!problem.empty())
        return refuse("--descriptors " + system + ": " + problem);
    addInput("the --descriptors file", system);
    return needsInterpret("--descriptors");
}

bool ConvertCommand::openInput()
{
    if (m_inputPath.empty())
        return true;
    m_openedIn = ::open(m_inputPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (m_openedIn < 0)
        return false;
    m_inFd = m_openedIn;
    return true;
}

void ConvertCommand::addInput(const std::string &what, const std::string &path)
{
    m_inputs.add(what, path);
}

void ConvertCommand::addInput(const std::string &what, int fd)
{
    m_inputs.add(what, fd);
}

// The output would replace a file the run reads, and standard output
// appending to the input would feed the tool its own rows until the disk
// is full. Empty when it is none.
std::string ConvertCommand::outputOntoInput() const
{
    return m_outputPath.empty() ? m_inputs.holding(m_outFd) : m_inputs.holding(m_outputPath);
}

bool ConvertCommand::openOutput(std::string &why)
{
    if (m_outputPath.empty())
        return true;
    if (!m_output.open(m_outputPath, why))
        return false;
    m_outFd = m_output.fd();
    return true;
}

int ConvertCommand::convertRows(BatchConverter &converter)
{
    ProgressMeter progress(m_errFd, m_source->size());
    long long rows = 0;
    const auto counted = [&](RowResult result) {
        switch (result) {
        case RowResult::Converted:
            ++m_converted;
            break;
        case RowResult::Refused:
            ++m_refused;
            break;
        case RowResult::Empty:
            ++m_empty;
            break;
        case RowResult::Malformed:
            ++m_malformed;
            break;
        }
        progress.update(++rows, m_source->bytesConsumed());
    };
    // CSV to CSV, the most common, without a virtual call per cell.
    if (auto *csv = dynamic_cast<CsvSink *>(m_sink.get())) {
        m_source->readRows([&](text::CsvRecord &record) {
            counted(converter.writeRow(record, *csv));
            return !csv->failed();
        });
    } else {
        m_source->readRows([&](text::CsvRecord &record) {
            counted(converter.writeRow(record, *m_sink));
            return !m_sink->failed();
        });
    }
    progress.finish();
    if (const int status = finishOutput(); status != Success)
        return status;
    if (m_intervalOption && m_converted > 0 && converter.rowsWithReliability() == 0)
        say(std::string(kProgram) + ": " + m_intervalOption
                + " had no effect: no row had a reliability (a column \"reliability\" or "
                  "--reliability)\n",
            m_errFd);
    summarise();
    return Success;
}

// A failed run leaves no output file that could pass for a whole one.
int ConvertCommand::finishOutput()
{
    const std::string output = m_outputPath.empty() ? "standard output" : m_outputPath;
    std::string why;
    const bool written = !m_source->failed() && m_sink->finish(why);
    if (m_source->failed()) {
        m_output.discard();
        return failure("cannot read " + inputName() + ": " + m_source->error());
    }
    if (!written) {
        m_output.discard();
        return failure("cannot write " + output + ": " + why);
    }
    if (!m_output.commit(why))
        return failure("cannot write " + output + ": " + why);
    return Success;
}

void ConvertCommand::summarise() const
{
    say(std::string(kProgram) + ": " + std::to_string(m_converted)
            + (m_converted == 1 ? " row" : " rows") + " converted, " + std::to_string(m_refused)
            + " refused, " + (m_empty > 0 ? std::to_string(m_empty) + " empty, " : "")
            + std::to_string(m_malformed) + " malformed\n",
        m_errFd);
}

std::string ConvertCommand::inputName() const
{
    return m_inputPath.empty() ? "standard input" : m_inputPath;
}

int ConvertCommand::usage(const std::string &reason) const
{
    say(std::string(kProgram) + ": " + reason + "\nTry '" + kProgram
            + " --help' for more information.\n",
        m_errFd);
    return UsageError;
}

ConvertCommand::Parsed ConvertCommand::refuse(const std::string &reason) const
{
    usage(reason);
    return Parsed::Usage;
}

int ConvertCommand::failure(const std::string &reason) const
{
    say(std::string(kProgram) + ": " + reason + "\n", m_errFd);
    return Failure;
}

void ConvertCommand::say(const std::string &text, int fd) const
{
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        done += size_t(n);
    }
}

} // namespace batch
