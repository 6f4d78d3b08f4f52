// quintaval-convert --profile: its options and its run. The rows go
// through ProfileConverter, person by person.
#include <cerrno>
#include <cmath>
#include <cstring>
#include <sys/stat.h>

#include "batch/convert_command.h"
#include "batch/progress_meter.h"
#include "profile/unusual.h"
#include "text/ascii.h"
#include "text/csv_reader.h"
#include "text/csv_writer.h"
#include "text/plain_number.h"
#include "text/small_file.h"

namespace batch {

namespace {

constexpr const char *kProgram = "quintaval-convert";

// The interpretation options that mean nothing to a profile: its scores
// bring their own reliabilities, and its intervals are on the metric.
constexpr std::string_view kNotForProfiles[] = {"--reliability", "--ci-scale"};

std::optional<double> optionNumber(const std::string &value)
{
    if (const std::optional<double> number = text::plainNumberValue(value, {'.', false}))
        return number;
    return text::plainNumberValue(value, {',', false});
}

} // namespace

ConvertCommand::Parsed ConvertCommand::setProfile(const std::string &)
{
    m_profile.enabled = true;
    return Parsed::Run;
}

// The options of a profile do nothing without --profile: being silently
// ignored would look like a result.
ConvertCommand::Parsed ConvertCommand::needsProfile(const char *option)
{
    if (m_profileOption == nullptr)
        m_profileOption = option;
    return Parsed::Run;
}

// --pairs, --composites and --summary each ask for a table of their own.
ConvertCommand::Parsed ConvertCommand::chooseTable(int table, const char *option)
{
    static constexpr const char *kTableOptions[] = {nullptr, "--pairs", "--composites", "--summary"};
    const ProfileTable chosen = ProfileTable(table);
    if (m_profile.table != ProfileTable::Scores && m_profile.table != chosen)
        return refuse(std::string(kTableOptions[int(m_profile.table)]) + " and " + option
                      + " ask for different tables; give one of them");
    m_profile.table = chosen;
    return needsProfile(option);
}

ConvertCommand::Parsed ConvertCommand::setPairs(const std::string &)
{
    return chooseTable(int(ProfileTable::Pairs), "--pairs");
}

ConvertCommand::Parsed ConvertCommand::setComposites(const std::string &)
{
    return chooseTable(int(ProfileTable::Composites), "--composites");
}

ConvertCommand::Parsed ConvertCommand::setSummary(const std::string &)
{
    return chooseTable(int(ProfileTable::Summary), "--summary");
}

ConvertCommand::Parsed ConvertCommand::setLowCutoff(const std::string &value)
{
    const std::optional<double> cutoff = optionNumber(value);
    if (!cutoff || !profile::lowCutoffUsable(*cutoff))
        return refuse("--low-cutoff must be a percentile greater than 0 and less than 50, not \""
                      + value + "\"");
    m_profile.analysis.lowCutoff = *cutoff;
    return needsProfile("--low-cutoff");
}

ConvertCommand::Parsed ConvertCommand::setPairsCorrection(const std::string &name)
{
    const std::optional<profile::PairsCorrection> correction = profile::findCorrection(name);
    if (!correction)
        return refuse("--pairs-correction takes none, bonferroni or holm, not \"" + name + "\"");
    m_profile.analysis.pairsCorrection = *correction;
    return needsProfile("--pairs-correction");
}

ConvertCommand::Parsed ConvertCommand::setWide(const std::string &)
{
    m_profile.wide = true;
    return needsProfile("--wide");
}

ConvertCommand::Parsed ConvertCommand::setMetric(const std::string &name)
{
    const std::optional<profile::Metric> metric = profile::findMetric(name);
    if (!metric) {
        std::string names;
        for (const profile::Metric m : profile::kMetrics)
            names += std::string(names.empty() ? "" : m == profile::kMetrics[3] ? " or " : ", ")
                     + std::string(profile::metricColumn(m));
        return refuse("--metric takes " + names + ", not \"" + name + "\"");
    }
    m_profile.analysis.metric = *metric;
    return needsProfile("--metric");
}

ConvertCommand::Parsed ConvertCommand::setAlpha(const std::string &value)
{
    const std::optional<double> alpha = optionNumber(value);
    if (!alpha || !profile::alphaUsable(*alpha))
        return refuse("--alpha must be a number greater than 0 and less than .5, not \"" + value
                      + "\"");
    m_profile.analysis.alpha = *alpha;
    return needsProfile("--alpha");
}

ConvertCommand::Parsed ConvertCommand::setBonferroni(const std::string &)
{
    m_profile.analysis.bonferroni = true;
    return needsProfile("--bonferroni");
}

ConvertCommand::Parsed ConvertCommand::setChangeMethod(const std::string &name)
{
    const std::string_view wanted = text::trimmed(name);
    std::optional<profile::ChangeMethod> method;
    for (const auto &[word, value] : {std::pair{"jt", profile::ChangeMethod::JacobsonTruax},
                                      std::pair{"srb", profile::ChangeMethod::Srb},
                                      std::pair{"cg", profile::ChangeMethod::CrawfordGarthwaite}})
        if (text::equalsIgnoringCase(wanted, word))
            method = value;
    if (!method)
        return refuse("--change-method takes jt, srb or cg, not \"" + name + "\"");
    m_profile.analysis.changeMethod = *method;
    return needsProfile("--change-method");
}

ConvertCommand::Parsed ConvertCommand::setCorrelations(const std::string &path)
{
    std::string contents, why;
    if (!text::readSmallFile(path, contents, why, profile::Correlations::kFileLimit))
        return refuse("--correlations: cannot read \"" + path + "\": " + why);
    profile::CorrelationError error;
    if (!profile::Correlations::parse(contents, m_profile.correlations, error))
        return refuse("--correlations " + path + ": " + profile::errorMessage(error));
    m_profile.correlationsPath = path;
    addInput("the --correlations file", path);
    return needsProfile("--correlations");
}

ConvertCommand::Parsed ConvertCommand::checkProfileOptions()
{
    if (!m_profile.enabled) {
        if (m_profileOption)
            return refuse(std::string(m_profileOption) + " needs --profile");
        return Parsed::Run;
    }
    if (m_settings.interpretation.enabled)
        return refuse("--interpret and --profile ask for different tables; give one of them");
    if (m_profile.wide && m_profile.table != ProfileTable::Scores)
        return refuse(std::string("--wide reshapes the score table; it cannot be used with ")
                      + (m_profile.table == ProfileTable::Pairs        ? "--pairs"
                         : m_profile.table == ProfileTable::Composites ? "--composites"
                                                                       : "--summary"));
    if (!m_settings.from.empty())
        return refuse("--from cannot be used with --profile: each score has its own scale");
    for (const char *option : m_interpretOptions)
        for (const std::string_view unused : kNotForProfiles)
            if (option == unused)
                return refuse(std::string(option)
                              + " cannot be used with --profile: each score brings its own "
                                "reliability, and intervals are on the --metric");
    const InterpretationSettings &given = m_settings.interpretation;
    m_profile.analysis.confidence = given.confidence;
    m_profile.analysis.method = given.method;
    m_profile.analysis.descriptors = given.descriptors;
    return Parsed::Run;
}

int ConvertCommand::convertProfile(const text::CsvRecord &header)
{
    m_profile.format = m_outputFormat;
    ProfileConverter converter(header, m_profile, m_settings.decimalComma);
    if (!converter.error().empty())
        return usage(converter.error());
    m_source->setNumberColumns(converter.numberColumns());
    // A person's rows are held back until the person ends; with --wide,
    // every person until the last, as the columns are known only then.
    const bool wide = m_profile.wide;
    HeldRows nowhere; // the converter writes nothing while reading a wide table
    if (!wide) {
        if (const int status = openSink(converter.columns(), false); status >= 0)
            return status;
    }
    RowSink &out = wide ? static_cast<RowSink &>(nowhere) : *m_sink;
    ProgressMeter progress(m_errFd, m_source->size());
    long long rows = 0;
    m_source->readRows([&](text::CsvRecord &record) {
        converter.add(record, out, m_source->storedRow());
        progress.update(++rows, m_source->bytesConsumed());
        return !out.failed() && converter.holdError().empty();
    });
    if (!m_source->failed() && !out.failed())
        converter.finish(out);
    progress.finish();
    if (wide) {
        if (!converter.holdError().empty())
            return failure(converter.holdError());
        if (m_source->failed())
            return failure("cannot read " + inputName() + ": " + m_source->error());
        if (const int status = openSink(converter.columns(), false); status >= 0)
            return status;
        if (!converter.writeWide(*m_sink) && !converter.holdError().empty()) {
            m_output.discard();
            return failure(converter.holdError());
        }
    }
    for (const std::string &note : converter.refusalNotes())
        say(std::string(kProgram) + ": " + note + "\n", m_errFd);
    for (const std::string &note : converter.personNotes())
        say(std::string(kProgram) + ": " + note + "\n", m_errFd);
    if (converter.untoldPersonNotes() > 0)
        say(std::string(kProgram) + ": and " + std::to_string(converter.untoldPersonNotes())
                + " more notes on people's correlations\n",
            m_errFd);
    const long long untold = converter.refused() - (long long)converter.refusalNotes().size();
    if (m_profile.table != ProfileTable::Scores && untold > 0)
        say(std::string(kProgram) + ": and " + std::to_string(untold) + " more rows refused\n",
            m_errFd);
    const char *unused = m_intervalOption ? m_intervalOption
                         : m_profile.analysis.bonferroni ? "--bonferroni" : nullptr;
    if (unused && converter.analysed() > 0 && converter.withReliability() == 0)
        say(std::string(kProgram) + ": " + unused
                + " had no effect: no score had a reliability (a column \"reliability\")\n",
            m_errFd);
    m_converted = converter.analysed();
    m_refused = converter.refused();
    m_malformed = converter.malformed();
    if (const int status = finishOutput(); status != Success)
        return status;
    summarise();
    std::string summary = std::string(kProgram) + ": " + std::to_string(converter.people())
                          + (converter.people() == 1 ? " person" : " people");
    const long long written = converter.tableRows();
    if (m_profile.table == ProfileTable::Pairs)
        summary += ", " + std::to_string(written) + (written == 1 ? " pair" : " pairs") + " written";
    else if (m_profile.table == ProfileTable::Summary)
        summary += ", " + std::to_string(written) + (written == 1 ? " set" : " sets") + " summarised";
    else if (m_profile.table == ProfileTable::Composites)
        summary += ", " + std::to_string(written)
                   + (written == 1 ? " composite" : " composites") + " written";
    say(summary + "\n", m_errFd);
    return Success;
}

} // namespace batch
