#include "batch/convert_command.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "batch/batch_converter.h"
#include "batch/help_text.h"
#include "text/csv_reader.h"
#include "text/csv_writer.h"
#include "text/plain_number.h"
#include "batch/progress_meter.h"
#include "interpretation/interpretation.h"
#include "text/ascii.h"
#include "text/small_file.h"

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

// An option's number, with a decimal point or a decimal comma.
std::optional<double> optionNumber(const std::string &value)
{
    if (const std::optional<double> number = text::plainNumberValue(value, {'.', false}))
        return number;
    return text::plainNumberValue(value, {',', false});
}

long long regularFileSize(int fd)
{
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return -1;
    return (long long)info.st_size;
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
    if (m_openedOut >= 0)
        ::close(m_openedOut);
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
    if (outputIsInput())
        return usage("the output is the input file itself; write to another file");

    text::CsvReader reader(m_inFd, m_delimiter);
    text::CsvRecord header;
    if (!reader.next(header)) {
        if (reader.failed())
            return failure("cannot read " + inputName() + ": " + reader.error());
        if (reader.isUtf16())
            return usage(inputName() + " is UTF-16; it must be UTF-8 (save it as CSV UTF-8)");
        return usage("the input is empty; its first row must name the columns");
    }
    if (reader.delimiter() == ';')
        m_settings.decimalComma = true;
    if (m_profile.enabled)
        return convertProfile(reader, header);
    BatchConverter converter(header, m_settings);
    if (!converter.error().empty())
        return usage(converter.error());
    // Opened only now, so that a usage error leaves an existing file alone.
    if (!openOutput())
        return failure("cannot open " + m_outputPath + ": " + std::strerror(errno));
    text::CsvWriter writer(m_outFd, reader.delimiter(), reader.lineEnding());
    if (reader.hadByteOrderMark())
        writer.writeByteOrderMark();
    converter.writeHeader(writer);
    return convertRows(reader, converter, writer);
}

const ConvertCommand::Option ConvertCommand::kOptions[] = {
    {"-o", "--output", true, &ConvertCommand::setOutput},
    {"-d", "--delimiter", true, &ConvertCommand::setDelimiter},
    {nullptr, "--decimal-comma", false, &ConvertCommand::setDecimalComma},
    {nullptr, "--from", true, &ConvertCommand::setFrom},
    {nullptr, "--interpret", false, &ConvertCommand::setInterpret},
    {nullptr, "--reliability", true, &ConvertCommand::setReliability},
    {nullptr, "--confidence", true, &ConvertCommand::setConfidence},
    {nullptr, "--ci-method", true, &ConvertCommand::setIntervalMethod},
    {nullptr, "--ci-scale", true, &ConvertCommand::setIntervalScale},
    {nullptr, "--descriptors", true, &ConvertCommand::setDescriptors},
    {nullptr, "--profile", false, &ConvertCommand::setProfile},
    {nullptr, "--pairs", false, &ConvertCommand::setPairs},
    {nullptr, "--composites", false, &ConvertCommand::setComposites},
    {nullptr, "--metric", true, &ConvertCommand::setMetric},
    {nullptr, "--alpha", true, &ConvertCommand::setAlpha},
    {nullptr, "--bonferroni", false, &ConvertCommand::setBonferroni},
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
    m_settings.decimalComma = true;
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

ConvertCommand::Parsed ConvertCommand::checkInterpretOptions()
{
    if (m_interpretOption && !m_settings.interpretation.enabled && !m_profile.enabled)
        return refuse(std::string(m_interpretOption) + " needs --interpret");
    return checkProfileOptions();
}

ConvertCommand::Parsed ConvertCommand::setReliability(const std::string &value)
{
    const std::optional<double> r = optionNumber(value);
    if (!r)
        return refuse("--reliability: \"" + value + "\" is not a number");
    if (const std::string why = interpretation::checkReliability(*r); !why.empty())
        return refuse("--reliability \"" + value + "\": " + why);
    m_settings.interpretation.reliability = *r;
    return needsInterpret("--reliability");
}

ConvertCommand::Parsed ConvertCommand::setConfidence(const std::string &value)
{
    const std::optional<double> c = optionNumber(value);
    if (!c || !interpretation::checkConfidence(*c).empty())
        return refuse("--confidence must be a number from 50 to less than 100, not \"" + value
                      + "\"");
    m_settings.interpretation.confidence = *c;
    return needsInterpret("--confidence");
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
    return needsInterpret("--ci-method");
}

ConvertCommand::Parsed ConvertCommand::setIntervalScale(const std::string &name)
{
    const std::string column = text::lowerAscii(name);
    for (int i = 0; i < interpretation::kScaleIdCount; ++i) {
        const auto scale = interpretation::ScaleId(i);
        if (column == interpretation::scaleColumn(scale)) {
            m_settings.interpretation.intervalScale = scale;
            return needsInterpret("--ci-scale");
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

// Opening the output would empty it before a single row had been read, and
// standard output appending to the input would feed the tool its own rows
// until the disk is full. Links lead to the same device and inode.
bool ConvertCommand::outputIsInput() const
{
    struct stat in, out;
    if (::fstat(m_inFd, &in) != 0 || !S_ISREG(in.st_mode))
        return false;
    const int status = m_outputPath.empty() ? ::fstat(m_outFd, &out)
                                            : ::stat(m_outputPath.c_str(), &out);
    return status == 0 && in.st_dev == out.st_dev && in.st_ino == out.st_ino;
}

bool ConvertCommand::openOutput()
{
    if (m_outputPath.empty())
        return true;
    m_openedOut = ::open(m_outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (m_openedOut < 0)
        return false;
    m_outFd = m_openedOut;
    return true;
}

int ConvertCommand::convertRows(text::CsvReader &reader, BatchConverter &converter, text::CsvWriter &writer)
{
    ProgressMeter progress(m_errFd, regularFileSize(m_inFd));
    text::CsvRecord record;
    long long rows = 0;
    while (!writer.failed() && reader.next(record)) {
        switch (converter.writeRow(record, writer)) {
        case RowResult::Converted:
            ++m_converted;
            break;
        case RowResult::Refused:
            ++m_refused;
            break;
        case RowResult::Malformed:
            ++m_malformed;
            break;
        }
        progress.update(++rows, reader.bytesConsumed());
    }
    progress.finish();
    return finish(reader, writer);
}

int ConvertCommand::finish(text::CsvReader &reader, text::CsvWriter &writer)
{
    const std::string output = m_outputPath.empty() ? "standard output" : m_outputPath;
    if (reader.failed())
        return failure("cannot read " + inputName() + ": " + reader.error());
    if (!writer.flush())
        return failure("cannot write " + output + ": " + writer.error());
    if (m_openedOut >= 0) {
        const int closed = ::close(m_openedOut);
        m_openedOut = -1;
        if (closed != 0)
            return failure("cannot write " + output + ": " + std::strerror(errno));
    }
    say(std::string(kProgram) + ": " + std::to_string(m_converted) + " rows converted, "
            + std::to_string(m_refused) + " refused, " + std::to_string(m_malformed)
            + " malformed\n",
        m_errFd);
    return Success;
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
