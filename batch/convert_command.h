// The quintaval-convert command: its options, the files it opens, the
// summary and the exit status. The rows themselves go through
// BatchConverter, one press of Calculate each.
#pragma once

#include <memory>
#include <string>
#include <sys/types.h>
#include <vector>

#include "batch/batch_converter.h"
#include "batch/csv_table.h"
#include "batch/profile_converter.h"
#include "batch/stat_file.h"
#include "text/output_file.h"
#include "text/read_files.h"


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
    Parsed setDecimalPoint(const std::string &);
    Parsed setDecimalMark(char mark);
    Parsed setFrom(const std::string &column);
    Parsed setInterpret(const std::string &);
    Parsed setReliability(const std::string &value);
    Parsed setConfidence(const std::string &value);
    Parsed setIntervalMethod(const std::string &name);
    Parsed setIntervalScale(const std::string &name);
    Parsed setDescriptors(const std::string &system);
    Parsed needsInterpret(const char *option);
    Parsed needsInterval(const char *option);
    Parsed refuse(const std::string &reason) const;
    Parsed checkInterpretOptions();
    // --profile and its options: profile_options.cpp.
    Parsed setProfile(const std::string &);
    Parsed setPairs(const std::string &);
    Parsed setComposites(const std::string &);
    Parsed setWide(const std::string &);
    Parsed setSummary(const std::string &);
    Parsed chooseTable(int table, const char *option);
    Parsed setLowCutoff(const std::string &value);
    Parsed setPairsCorrection(const std::string &name);
    Parsed setMetric(const std::string &name);
    Parsed setAlpha(const std::string &value);
    Parsed setBonferroni(const std::string &);
    Parsed setChangeMethod(const std::string &name);
    Parsed setCorrelations(const std::string &path);
    Parsed needsProfile(const char *option);
    Parsed checkProfileOptions();
    int convertProfile(const text::CsvRecord &header);
    // The study's own columns: column_options.cpp.
    Parsed nameColumn(const char *option, const std::string &name, int field);
    Parsed setRaw(const std::string &name);
    Parsed setScore(const std::string &value);
    Parsed setConstant(const char *option, const std::string &value, std::string &number);
    Parsed setMean(const std::string &value);
    Parsed setSd(const std::string &value);
    Parsed setPrefix(const std::string &prefix);
    Parsed setMissing(const std::string &list);
    Parsed checkColumnOptions();

    bool openInput();
    // Every file the run reads is registered, so that the output never
    // lands on one: `what` names it in the message ("the --descriptors
    // file"). Paths that are no regular file are left out.
    void addInput(const std::string &what, const std::string &path);
    void addInput(const std::string &what, int fd);
    std::string outputOntoInput() const;
    bool openOutput(std::string &why);
    int openSource(text::CsvRecord &header);
    // rowByRow: see StatSink; false for a converter that holds rows back.
    int openSink(const std::vector<OutputColumn> &columns, bool rowByRow = true);
    int convertRows(BatchConverter &converter);
    int finishOutput();
    void summarise() const;

    std::string inputName() const;
    int usage(const std::string &reason) const;
    int failure(const std::string &reason) const;
    void say(const std::string &text, int fd) const;

    int m_inFd, m_outFd, m_errFd;
    int m_openedIn = -1;
    text::OutputFile m_output;
    text::ReadFiles m_inputs;
    StatFormat m_outputFormat = StatFormat::None; // by -o's extension
    std::unique_ptr<TableSource> m_source;
    CsvSource *m_csvSource = nullptr;   // m_source, when it reads CSV
    StatSource *m_statSource = nullptr; // m_source, when it reads SPSS or Stata
    std::unique_ptr<RowSink> m_sink;
    std::string m_inputPath, m_outputPath;
    char m_delimiter = 0;
    char m_decimalMark = 0; // given by an option; 0: a comma in semicolon files
    ConversionSettings m_settings;
    const char *m_interpretOption = nullptr; // the first option that needs --interpret
    const char *m_intervalOption = nullptr;  // the first that shapes an interval
    std::vector<const char *> m_interpretOptions; // all of them, as given
    ProfileSettings m_profile;
    const char *m_profileOption = nullptr; // the first option that needs --profile
    const char *m_columnOption = nullptr;  // the first that names a study's columns
    long long m_converted = 0, m_refused = 0, m_empty = 0, m_malformed = 0;
};

} // namespace batch
