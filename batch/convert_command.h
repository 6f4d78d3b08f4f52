// The quintaval-convert command: its options, the files it opens, the
// summary and the exit status. The rows themselves go through
// BatchConverter, one press of Calculate each.
#pragma once

#include <string>
#include <vector>

#include "batch/batch_converter.h"
#include "batch/profile_converter.h"

namespace text {
class CsvReader;
class CsvWriter;
}

namespace batch {


class ConvertCommand {
public:
    enum ExitStatus { Success = 0, Failure = 1, UsageError = 2 };

    // The standard streams to use; the tests pass their own.
    ConvertCommand(int inFd, int outFd, int errFd);
    ~ConvertCommand();

    int run(const std::vector<std::string> &arguments);

private:
    enum class Parsed { Run, Done, Usage };

    // One command-line option: adding one is adding a row to kOptions.
    struct Option {
        const char *shortName; // "-o", or nullptr
        const char *longName;  // "--output"
        bool takesValue;
        Parsed (ConvertCommand::*take)(const std::string &value);
    };
    static const Option kOptions[];

    Parsed parseArguments(const std::vector<std::string> &arguments);
    static const Option *findOption(const std::string &name);
    Parsed showHelp(const std::string &);
    Parsed showVersion(const std::string &);
    Parsed setOutput(const std::string &path);
    Parsed setDelimiter(const std::string &name);
    Parsed setDecimalComma(const std::string &);
    Parsed setFrom(const std::string &column);
    Parsed setInterpret(const std::string &);
    Parsed setReliability(const std::string &value);
    Parsed setConfidence(const std::string &value);
    Parsed setIntervalMethod(const std::string &name);
    Parsed setIntervalScale(const std::string &name);
    Parsed setDescriptors(const std::string &system);
    Parsed needsInterpret(const char *option);
    Parsed refuse(const std::string &reason) const;
    Parsed checkInterpretOptions();
    // --profile and its options: profile_options.cpp.
    Parsed setProfile(const std::string &);
    Parsed setPairs(const std::string &);
    Parsed setComposites(const std::string &);
    Parsed setMetric(const std::string &name);
    Parsed setAlpha(const std::string &value);
    Parsed setBonferroni(const std::string &);
    Parsed setCorrelations(const std::string &path);
    Parsed needsProfile(const char *option);
    Parsed checkProfileOptions();
    bool outputIsCorrelations() const;
    int convertProfile(text::CsvReader &reader, const text::CsvRecord &header);

    bool openInput();
    bool outputIsInput() const;
    bool openOutput();
    int convertRows(text::CsvReader &reader, BatchConverter &converter, text::CsvWriter &writer);
    int finish(text::CsvReader &reader, text::CsvWriter &writer);

    std::string inputName() const;
    int usage(const std::string &reason) const;
    int failure(const std::string &reason) const;
    void say(const std::string &text, int fd) const;

    int m_inFd, m_outFd, m_errFd;
    int m_openedIn = -1, m_openedOut = -1;
    std::string m_inputPath, m_outputPath;
    char m_delimiter = 0;
    ConversionSettings m_settings;
    const char *m_interpretOption = nullptr; // the first option that needs --interpret
    std::vector<const char *> m_interpretOptions; // all of them, as given
    ProfileSettings m_profile;
    const char *m_profileOption = nullptr; // the first option that needs --profile
    long long m_converted = 0, m_refused = 0, m_malformed = 0;
};

} // namespace batch
