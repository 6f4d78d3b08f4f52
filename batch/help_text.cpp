#include "batch/help_text.h"

#include "batch/row_interpreter.h"
#include "conversion/scales.h"
#include "interpretation/interpretation.h"
#include "profile/profile.h"
#include "text/text_routines.h"

namespace batch {

namespace {

constexpr size_t kOptionColumn = 26;

std::string option(std::string_view flags, std::string_view description)
{
    std::string first = "  " + std::string(flags);
    if (first.size() + 1 >= kOptionColumn) {
        first += '\n';
        return first + wrapped(description, std::string(kOptionColumn, ' '), kOptionColumn);
    }
    first.resize(kOptionColumn, ' ');
    return wrapped(description, first, kOptionColumn);
}

// --profile and the options only it takes.
std::string profileOptions()
{
    std::vector<std::string_view> scales;
    for (const int row : profile::sourceScales())
        scales.push_back(conversion::kScales[row].column);
    std::vector<std::string_view> metrics;
    for (const profile::Metric metric : profile::kMetrics)
        metrics.push_back(profile::metricColumn(metric));
    const profile::Settings defaults;
    const std::string lowCutoff = text::Str(defaults.lowCutoff);
    std::string text = option(
        "    --profile",
        "analyse each person's scores together: a row per score with the columns name, scale ("
            + joinNames(scales, " or ")
            + ") and score, and as needed person, mean, sd, reliability, retest, practice, "
              "group, set and the study_ and controls_ columns below; writes the score table; --confidence, --ci-method and "
              "--descriptors apply (default: off)");
    text += option("", "strengths and weaknesses are taken within each set (the scores with "
                       "the same set; an empty set is one set of its own); with a set column "
                       "the table gets set_mean and set_size, the mean and number of the "
                       "scores with a reliability in the row's set");
    text += option("    --pairs", "with --profile, write the pair table instead");
    text += option("    --composites", "with --profile, write the composite table instead");
    text += option("    --wide", "with --profile, write the score table as one row per person: "
                                 "person, birth_date, test_date, battery and examiner as given, "
                                 "a column <name>_<figure> per score and figure, and a note "
                                 "(default: off)");
    text += option("    --summary",
                   "with --profile, write how unusual each person's profile is instead: a row per "
                   "person and set with person, set, scores, low_cutoff, low_count (scores below "
                   "the cut-off), low_base_rate (% of healthy people with as many low scores or "
                   "more), mahalanobis (the profile's distance D squared), mahalanobis_df, "
                   "mahalanobis_rate (% of healthy people with a profile as unusual), "
                   "pairs_tested, pairs_significant (pairs within the set) and note; the rates "
                   "need --correlations");
    text += option("    --low-cutoff P",
                   "a score is low below this percentile, 0 < P < 50 (default: "
                       + lowCutoff + ")");
    text += option("    --pairs-correction C",
                   "none, bonferroni or holm: how a person's pairs are tested as a family; the "
                   "pair table gets the two-tailed p and p_adjusted, and under holm no critical "
                   "value (default: none)");
    text += option("", "base_rate is the % of people with a difference as large in the same "
                       "direction, base_rate_either in either direction; likewise "
                       "deviation_base_rate and deviation_base_rate_either");
    text += option("    --metric METRIC", "the scale of a profile's figures: "
                                              + joinNames(metrics, " or ") + " (default: "
                                              + std::string(profile::metricColumn(defaults.metric))
                                              + ")");
    text += option("    --alpha A",
                   "level of a profile's two-tailed tests, 0 < A < .5 (default: .05)");
    text += option("    --bonferroni", "divide alpha among the scores of a set tested for "
                                       "strengths and weaknesses (default: off)");
    text += option("    --change-method jt|srb|cg",
                   "what decides a reliable gain or loss: jt, the reliable change index; srb, the "
                   "standardized regression-based z; cg, Crawford and Garthwaite's t (default: cg "
                   "for a row with a retest study, jt without); the study's columns are "
                   "study_mean1, study_sd1, study_mean2, study_sd2, study_r12 and study_n, on the "
                   "score's scale, and add predicted_retest, change_z or change_t, change_p and "
                   "for cg change_percent, change_percent_low and change_percent_high; with srb or cg a "
                   "row without a study gets no decision");
    text += option("", "with the columns controls_mean, controls_sd and controls_n, on the "
                       "score's scale, each score is set against its control sample: case_t, "
                       "case_df, case_p (one-tailed), case_zcc with case_zcc_low and "
                       "case_zcc_high, and case_percent, the controls below the score (above "
                       "it for a score above their mean), with case_percent_low and "
                       "case_percent_high; the intervals are 95 %");
    text += option("    --correlations FILE",
                   "the scores' correlations, for base rates and composites: a CSV file with the "
                   "header \"name,<name>,...\" and a row per name (default: none)");
    return text;
}

} // namespace

std::string joinNames(const std::vector<std::string_view> &names, std::string_view lastJoin)
{
    std::string list;
    for (size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            list += i + 1 == names.size() ? lastJoin : std::string_view(", ");
        list += names[i];
    }
    return list;
}

std::vector<std::string_view> sourceColumns()
{
    std::vector<std::string_view> names;
    for (int position = 0; position < conversion::kScaleCount; ++position)
        names.push_back(conversion::kScales[position].column);
    return names;
}

std::vector<std::string_view> interpretedScaleColumns()
{
    std::vector<std::string_view> names;
    for (int cell = 0; cell < kInterpretedScaleCellCount; ++cell)
        names.push_back(interpretedColumnName(cell));
    return names;
}

std::vector<std::string_view> intervalScaleColumns()
{
    std::vector<std::string_view> names;
    for (int i = 0; i < interpretation::kScaleIdCount; ++i)
        names.push_back(interpretation::scaleColumn(interpretation::ScaleId(i)));
    return names;
}

std::string wrapped(std::string_view text, std::string_view first, size_t indent, size_t width)
{
    std::string out(first);
    size_t lineStart = 0;
    bool lineEmpty = true;
    size_t i = 0;
    while (i < text.size()) {
        const size_t end = std::min(text.find(' ', i), text.size());
        const std::string_view word = text.substr(i, end - i);
        i = end + 1;
        if (word.empty())
            continue;
        if (!lineEmpty && out.size() - lineStart + 1 + word.size() > width) {
            out += '\n';
            lineStart = out.size();
            out.append(indent, ' ');
            lineEmpty = true;
        }
        if (!lineEmpty)
            out += ' ';
        out += word;
        lineEmpty = false;
    }
    return out + '\n';
}

std::string helpText()
{
    const std::vector<std::string_view> sources = sourceColumns();
    const std::vector<std::string_view> scores(sources.begin() + 1, sources.end());
    std::string text =
        "Usage: quintaval-convert [options] [FILE]\n"
        "Converts the scores in a CSV file as the Quintaval converter window does,\n"
        "each row as one press of Calculate. Reads FILE, or standard input when FILE\n"
        "is absent or \"-\", and writes CSV to standard output.\n"
        "SPSS (.sav, .zsav, .por) and Stata (.dta) files are read as what they hold,\n"
        "whatever their names; -o FILE.sav, .zsav or .dta writes one, keeping every\n"
        "variable with its labels and missing values. A missing value where a score,\n"
        "mean, sd or reliability is read counts as an empty cell.\n"
        "\n"
        "The first row (or the variables) names the columns; these are recognised,\n"
        "in any case:\n";
    text += option(std::string(sources.front()) + ", mean, sd",
                   "a raw score with its distribution's mean and sd");
    text += option(joinNames(scores, ", "), "one standard score");
    text +=
        "Other columns are carried through unchanged. Score columns the input lacks\n"
        "are appended, and a last column \"note\" (or the input's own \"note\" column)\n"
        "says why a row was not converted. A refused row keeps the cells it was given\n"
        "and no figure of a conversion.\n"
        "\n"
        "With --interpret, a column \"reliability\" gives each row its own reliability;\n"
        "it also asks for the interval columns.\n"
        "\n"
        "A number cell must be empty or a plain decimal number such as -1.25;\n"
        "anything else refuses its row. A score ending in \"*\" (held at its scale's\n"
        "bound) is never converted from, but is held there again.\n"
        "\n"
        "Options:\n";
    text += option("-o, --output FILE",
                   "write to FILE (\"-\" or default: standard output), whole or not at all; "
                   "never onto a file the run reads");
    text += option("-d, --delimiter DELIM",
                   "comma, semicolon or tab (default: as in the header)");
    text += option("    --decimal-comma", "numbers have a decimal comma (the default with "
                                          "semicolons); results are written with one too");
    text += option("    --decimal-point", "numbers have a decimal point, whatever the delimiter "
                                          "(the default without semicolons)");
    text += option("    --from COLUMN",
                   "convert from this column only: " + joinNames(sources, " or ")
                       + "; it is kept as given (default: every score of a row, which must agree; "
                         "the row converts from a z that gives each back as written)");
    text += option("    --raw COLUMN", "read the raw score from this column, not \"raw\"");
    text += option("    --mean M", "the raw score's mean for every row, with --sd; the columns "
                                   "mean and sd are then carried (default: the columns)");
    text += option("    --sd S", "the raw score's sd for every row, S > 0, with --mean");
    text += option("    --score SCALE=COLUMN",
                   "read this column as a score of SCALE (" + joinNames(scores, " or ")
                       + "); may be given for each scale");
    text += option("    --prefix P",
                   "put P before the name of every column the tool adds or reads (read_ gives "
                   "read_z, read_note, ...); columns without it are carried, so that two tests of "
                   "one file convert in two runs (default: none)");
    text += option("    --missing CODES",
                   "numbers, parted by commas, that mean \"no score\" (999,-9): such a cell is "
                   "empty, as an SPSS user-missing value is, and is declared missing in a .sav; "
                   "COLUMN:CODE applies to that column alone (default: none)");
    std::vector<std::string_view> added = interpretedScaleColumns();
    added.push_back(interpretedColumnName(DescriptorCell));
    std::vector<std::string_view> intervals;
    for (int cell = kFirstIntervalCell; cell < kInterpretedCellCount; ++cell)
        intervals.push_back(interpretedColumnName(cell));
    text += option("    --interpret", "add " + joinNames(added, " and ")
                                          + " columns; with a reliability also "
                                          + joinNames(intervals, " and "));
    text += option("    --reliability R",
                   "the test's reliability, 0 < R < 1, for rows whose \"reliability\" cell is "
                   "empty or absent (default: none; without one a row gets no interval)");
    text += option("    --confidence C",
                   "confidence level of the interval, 50 <= C < 100 (default: 95)");
    text += option("    --ci-method METHOD",
                   "true-score (centred on the estimated true score) or obtained (on the "
                   "score itself) (default: true-score)");
    text += option("    --ci-scale SCALE", "scale of ci_low and ci_high: "
                                               + joinNames(intervalScaleColumns(), " or ")
                                               + " (default: wechsler)");
    std::vector<std::string_view> systems;
    for (const interpretation::DescriptorSystem &system : interpretation::builtInSystems())
        systems.push_back(system.key);
    text += option("    --descriptors NAME",
                   joinNames(systems, " or ")
                       + ", or a CSV file with the header \"from,label\" and one row per band "
                         "(default: "
                       + std::string(systems.front()) + ")");
    text += profileOptions();
    text += option("-h, --help", "show this help and exit");
    text += option("-V, --version", "show the version and exit");
    text += "\n"
            "Exit status: 0 when every row was written, 1 on a read or write failure,\n"
            "2 on a usage error or when the output would overwrite the input.\n";
    return text;
}

} // namespace batch
