#include "batch/profile_converter.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <set>

#include "batch/cell_notes.h"
#include "batch/help_text.h"
#include "conversion/scales.h"
#include "text/ascii.h"
#include "text/fixed_number.h"
#include "text/plain_number.h"
#include "text/text_routines.h"

namespace batch {

namespace {

using profile::Field;
using profile::Problem;

// A cell's number with a decimal point, as the core's checks read it.
std::string withPoint(std::string_view cell)
{
    std::string number(text::trimmed(cell));
    std::replace(number.begin(), number.end(), ',', '.');
    return number;
}

std::string zLimits()
{
    const conversion::Scale &z = conversion::kScales[conversion::Z];
    return text::Str(z.lowest) + " to +" + text::Str(z.highest);
}

// The score table's cells after the input's, in the order they are
// appended. OtherMetric is a column of a metric not chosen: emptied.
enum OutputCell {
    MetricCell, PercentileRankCell, DescriptorCell, CiLowCell, CiHighCell, DeviationCell,
    DeviationCriticalCell, StrengthWeaknessCell, DeviationBaseRateCell, DeviationBaseRateEitherCell,
    SetMeanCell, SetSizeCell, RciCell, ChangeCell, PredictedRetestCell, ChangeZCell, ChangeTCell, ChangePCell,
    ChangePercentCell, ChangePercentLowCell, ChangePercentHighCell, CaseTCell, CaseDfCell, CasePCell,
    CaseZccCell, CaseZccLowCell, CaseZccHighCell, CasePercentCell, CasePercentLowCell,
    CasePercentHighCell, NoteCell, kOutputCells, OtherMetricCell = kOutputCells
};
constexpr std::string_view kOutputNames[kOutputCells] = {
    "", "percentile_rank", "descriptor", "ci_low", "ci_high", "deviation", "deviation_critical",
    "strength_weakness", "deviation_base_rate", "deviation_base_rate_either", "set_mean", "set_size", "rci",
    "change", "predicted_retest", "change_z", "change_t", "change_p", "change_percent", "change_percent_low",
    "change_percent_high", "case_t", "case_df", "case_p", "case_zcc", "case_zcc_low", "case_zcc_high",
    "case_percent", "case_percent_low", "case_percent_high", "note"};

// In profile::Field's order.
constexpr std::string_view kFieldNames[] = {
    "name", "scale", "score", "mean", "sd", "reliability", "retest", "practice", "group", "set",
    "study_mean1", "study_sd1", "study_mean2", "study_sd2", "study_r12", "study_n",
    "controls_mean", "controls_sd", "controls_n"};
constexpr Field kStudyFields[] = {Field::StudyMean1, Field::StudySd1, Field::StudyMean2,
                                  Field::StudySd2,   Field::StudyR12, Field::StudyN};
constexpr Field kControlsFields[] = {Field::ControlsMean, Field::ControlsSd, Field::ControlsN};
constexpr std::string_view kPersonName = "person";
constexpr std::string_view kIdentityNames[] = {"birth_date", "test_date", "battery", "examiner"};

// What a column of the input is: m_role's values.
enum : int { Carried = -1, PersonRole = 100, IdentityRole = 101, FirstOutputRole = 200 };

// Line breaks inside a record's quoted cells: the next record starts that
// many lines further on.
size_t lineBreaksIn(std::string_view text)
{
    if (!std::memchr(text.data(), '\n', text.size()) && !std::memchr(text.data(), '\r', text.size()))
        return 0; // as most cells
    size_t breaks = 0;
    for (size_t j = 0; j < text.size(); ++j)
        if (text[j] == '\n' || (text[j] == '\r' && (j + 1 == text.size() || text[j + 1] != '\n')))
            ++breaks;
    return breaks;
}

// A name's key among the output's names: SPSS and Stata tell no case.
std::string nameKey(std::string_view name, batch::StatFormat format)
{
    return format == batch::StatFormat::None ? std::string(name) : text::lowerAscii(name);
}

// A score's columns in the wide table, "<name>_<figure>", none of them
// taken. For SPSS and Stata the name is made valid and cut so that each
// column keeps its figure; a score whose names are taken is numbered.
std::vector<std::string> wideNames(const std::string &name, const std::vector<std::string_view> &figures,
                                   batch::StatFormat format, std::set<std::string> &taken)
{
    const bool stat = format != batch::StatFormat::None;
    const std::string stem = stat ? batch::validName(name, format) : name;
    std::vector<std::string> names;
    for (int n = 1;; ++n) {
        const std::string number = n == 1 ? std::string() : "_" + std::to_string(n);
        names.clear();
        bool free = true;
        for (const std::string_view figure : figures) {
            const size_t ending = number.size() + 1 + figure.size();
            const std::string start = stat ? stem.substr(0, batch::longestName(format) - ending) : stem;
            names.push_back(start + number + "_" + std::string(figure));
            free = free && !taken.count(nameKey(names.back(), format));
        }
        if (free)
            break;
    }
    for (const std::string &made : names)
        taken.insert(nameKey(made, format));
    return names;
}

// "Vocabulary: Percentile rank", the score's name cut so that the figure stays.
std::string wideLabel(const std::string &name, const std::string &figure, batch::StatFormat format)
{
    const size_t longest = format == batch::StatFormat::None ? 255 : batch::longestLabel(format);
    const size_t room = longest > figure.size() + 2 ? longest - figure.size() - 2 : 0;
    return batch::cut(name, room) + ": " + figure;
}

std::string lineList(const std::vector<size_t> &lines)
{
    std::string list = lines.size() == 1 ? "line " : "lines ";
    for (size_t i = 0; i < lines.size(); ++i)
        list += (i == 0 ? "" : ", ") + std::to_string(lines[i]);
    return list;
}

static_assert(std::size(kFieldNames) == size_t(Field::ControlsN) + 1);

} // namespace

ProfileConverter::ProfileConverter(const text::CsvRecord &header, const ProfileSettings &settings,
                                   bool decimalComma)
    : m_settings(settings), m_decimalComma(decimalComma), m_header(header.cells)
{
    if (header.problem != text::RowProblem::None) {
        m_error = "the header row is malformed: a quoted name is not closed properly";
        return;
    }
    mapColumns();
}

void ProfileConverter::mapColumns()
{
    m_fieldColumn.fill(-1);
    m_role.assign(m_header.size(), Carried);
    std::array<bool, kOutputCells> present{};
    std::vector<std::string> named;
    for (size_t column = 0; column < m_header.size(); ++column) {
        const std::string name = columnKey(m_header[column]);
        int role = Carried;
        for (size_t field = 0; field < std::size(kFieldNames); ++field)
            if (name == kFieldNames[field])
                role = int(field);
        if (name == kPersonName)
            role = PersonRole;
        for (const std::string_view identity : kIdentityNames)
            if (name == identity)
                role = IdentityRole;
        for (const profile::Metric metric : profile::kMetrics)
            if (name == profile::metricColumn(metric))
                role = FirstOutputRole
                       + (metric == m_settings.analysis.metric ? MetricCell : OtherMetricCell);
        for (int cell = PercentileRankCell; cell < kOutputCells; ++cell)
            if (name == kOutputNames[cell])
                role = FirstOutputRole + cell;
        if (role == Carried)
            continue;
        if (std::find(named.begin(), named.end(), name) != named.end()) {
            m_error = "the header names the column \"" + name + "\" twice";
            return;
        }
        named.push_back(name);
        m_role[column] = role;
        if (role < int(std::size(kFieldNames)))
            m_fieldColumn[size_t(role)] = int(column);
        else if (role == PersonRole)
            m_personColumn = int(column);
        else if (role == IdentityRole)
            m_identityColumns.push_back(int(column));
        else if (role - FirstOutputRole < kOutputCells)
            present[size_t(role - FirstOutputRole)] = true;
    }
    for (const Field field : {Field::Name, Field::Scale, Field::Score}) {
        if (m_fieldColumn[size_t(field)] < 0) {
            m_error = "--profile needs the columns name, scale and score; the header has no "
                      + std::string(kFieldNames[size_t(field)]);
            return;
        }
    }
    // A study or a control sample comes with all its columns or none: a
    // header that lacks one would refuse every row for it.
    const auto given = [&](const auto &fields) {
        std::string lacking;
        bool any = false;
        for (const Field field : fields) {
            any = any || m_fieldColumn[size_t(field)] >= 0;
            if (m_fieldColumn[size_t(field)] < 0)
                lacking += (lacking.empty() ? "" : ", ") + std::string(kFieldNames[size_t(field)]);
        }
        if (any && !lacking.empty())
            m_error = "the header has " + std::string(kFieldNames[size_t(fields[0])] == "study_mean1"
                                                          ? "a retest study's" : "control samples'")
                      + " columns but not " + lacking;
        return any;
    };
    const bool study = given(kStudyFields);
    const bool controls = given(kControlsFields);
    if (!m_error.empty())
        return;
    const profile::ChangeMethod chosen = m_settings.analysis.changeMethod;
    if (!study && (chosen == profile::ChangeMethod::Srb || chosen == profile::ChangeMethod::CrawfordGarthwaite)) {
        m_error = "--change-method " + std::string(chosen == profile::ChangeMethod::Srb ? "srb" : "cg")
                  + " needs a retest study: the columns study_mean1, study_sd1, study_mean2, "
                    "study_sd2, study_r12 and study_n";
        return;
    }
    m_changeMethod = !study || chosen == profile::ChangeMethod::JacobsonTruax
                         ? profile::ChangeMethod::JacobsonTruax
                     : chosen == profile::ChangeMethod::Srb ? profile::ChangeMethod::Srb
                                                             : profile::ChangeMethod::CrawfordGarthwaite;
    const bool srb = m_changeMethod == profile::ChangeMethod::Srb;
    const bool cg = m_changeMethod == profile::ChangeMethod::CrawfordGarthwaite;
    const auto wanted = [&](int cell) {
        switch (cell) {
        case SetMeanCell:
        case SetSizeCell:
            // Without sets every score is in one: today's tables stay as they were.
            return m_fieldColumn[size_t(Field::Set)] >= 0;
        case PredictedRetestCell:
        case ChangePCell:
            return srb || cg;
        case ChangeZCell:
            return srb;
        case ChangeTCell:
        case ChangePercentCell:
        case ChangePercentLowCell:
        case ChangePercentHighCell:
            return cg;
        default:
            return cell < CaseTCell || controls;
        }
    };
    for (int cell = MetricCell; cell < NoteCell; ++cell)
        if (!present[size_t(cell)] && wanted(cell))
            m_appended.push_back(cell);
    m_noteAppended = !present[NoteCell];
    for (int cell = MetricCell; cell < NoteCell; ++cell)
        if (wanted(cell))
            m_wideCells.push_back(cell);
    m_identity.assign(m_identityColumns.size(), {});
}

std::vector<OutputColumn> ProfileConverter::columns() const
{
    const std::string metric(profile::metricColumn(m_settings.analysis.metric));
    const int metricDecimals = m_settings.analysis.metric == profile::Metric::Z ? 2 : 0;
    const auto text = [](std::string_view name) {
        OutputColumn described;
        described.name = std::string(name);
        described.written = true;
        return described;
    };
    const auto number = [&](std::string_view name, int decimals) {
        OutputColumn described = text(name);
        described.type = ColumnType::Number;
        described.decimals = decimals;
        return described;
    };
    const auto rate = [&](std::string_view name) {
        OutputColumn described = number(name, 1);
        const std::string below = m_decimalComma ? "<0,1" : "<0.1";
        described.valueLabels = {{0, below}};
        if (name == "percentile_rank")
            described.valueLabels.push_back({100, m_decimalComma ? ">99,9" : ">99.9"});
        return described;
    };
    const auto descriptor = [&] {
        OutputColumn described = text("descriptor");
        described.type = ColumnType::Code;
        described.ordinal = true;
        for (const interpretation::DescriptorBand &band : m_settings.analysis.descriptors.bands)
            described.valueLabels.push_back({double(described.valueLabels.size() + 1), band.label});
        return described;
    };
    // Labels for SPSS and Stata, on the figures' metric.
    std::string metricName(interpretation::scaleName(profile::metricScale(m_settings.analysis.metric)));
    if (metricName.size() > 3 && metricName.compare(metricName.size() - 3, 3, " IQ") == 0)
        metricName.resize(metricName.size() - 3);
    metricName += " metric";
    std::string interval = text::Str(m_settings.analysis.confidence) + " % interval, ";
    if (m_decimalComma)
        std::replace(interval.begin(), interval.end(), '.', ',');
    const auto labelled = [](OutputColumn described, std::string label) {
        described.label = std::move(label);
        return described;
    };
    // Codes that sort and count as the texts mean; the texts stay in CSV.
    const auto coded = [&](std::string_view name, std::string label, std::vector<ValueLabel> codes) {
        OutputColumn described = labelled(text(name), std::move(label));
        described.type = ColumnType::Code;
        described.ordinal = true;
        described.valueLabels = std::move(codes);
        for (const ValueLabel &code : described.valueLabels)
            described.width = std::max(described.width, (code.text.empty() ? code.label : code.text).size());
        return described;
    };
    const auto changeCode = [](profile::Change change, double value) {
        return ValueLabel{value, std::string(profile::changeText(change))};
    };
    const auto output = [&](int cell) {
        switch (cell) {
        case MetricCell:
            return labelled(number(metric, metricDecimals), "Score, " + metricName);
        case CiLowCell:
        case CiHighCell:
            return labelled(number(kOutputNames[cell], metricDecimals),
                            interval + (cell == CiLowCell ? "lower" : "upper") + " bound, " + metricName);
        case PercentileRankCell:
            return labelled(rate(kOutputNames[cell]), "Percentile rank");
        case DeviationBaseRateCell:
            return labelled(rate(kOutputNames[cell]), "Base rate of the deviation, same direction, %");
        case DeviationBaseRateEitherCell:
            return labelled(rate(kOutputNames[cell]), "Base rate of the deviation, either direction, %");
        case DescriptorCell:
            return labelled(descriptor(), "Descriptor, " + m_settings.analysis.descriptors.name);
        case DeviationCell:
            return labelled(number(kOutputNames[cell], metricDecimals + 1),
                            "Deviation from the mean of the score's set, " + metricName);
        case SetMeanCell:
            return labelled(number(kOutputNames[cell], metricDecimals + 1),
                            "Mean of the score's comparison set, " + metricName);
        case SetSizeCell:
            return labelled(number(kOutputNames[cell], 0), "Scores with a reliability in the comparison set");
        case DeviationCriticalCell:
            return labelled(number(kOutputNames[cell], 2), "Critical deviation for a strength or weakness");
        case RciCell:
            return labelled(number(kOutputNames[cell], 2), "Reliable change index");
        case StrengthWeaknessCell:
            return coded(kOutputNames[cell], "Strength or weakness",
                         {{-1, "weakness", std::string(profile::markText(profile::Mark::Weakness))},
                          {1, "strength", std::string(profile::markText(profile::Mark::Strength))}});
        case PredictedRetestCell:
            return labelled(number(kOutputNames[cell], 2), "Retest predicted from the retest study, score's scale");
        case ChangeZCell:
            return labelled(number(kOutputNames[cell], 2), "Standardized regression-based change z");
        case ChangeTCell:
            return labelled(number(kOutputNames[cell], 2), "Crawford-Garthwaite t of the change");
        case ChangePCell:
            return labelled(number(kOutputNames[cell], 4), "One-tailed p of the change");
        case ChangePercentCell:
            return labelled(number(kOutputNames[cell], 2), "People with a larger change the same way, %");
        case ChangePercentLowCell:
        case ChangePercentHighCell:
            return labelled(number(kOutputNames[cell], 2),
                            std::string("95 % interval, ") + (cell == ChangePercentLowCell ? "lower" : "upper")
                                + " bound, people with a larger change, %");
        case CaseTCell:
            return labelled(number(kOutputNames[cell], 3), "t of the score against the controls");
        case CaseDfCell:
            return labelled(number(kOutputNames[cell], 0), "Degrees of freedom of case_t");
        case CasePCell:
            return labelled(number(kOutputNames[cell], 4), "One-tailed p of case_t");
        case CaseZccCell:
            return labelled(number(kOutputNames[cell], 2), "z of the score against the controls");
        case CaseZccLowCell:
        case CaseZccHighCell:
            return labelled(number(kOutputNames[cell], 2),
                            std::string("95 % interval, ") + (cell == CaseZccLowCell ? "lower" : "upper")
                                + " bound, z against the controls");
        case CasePercentCell:
            return labelled(number(kOutputNames[cell], 2), "Controls beyond the score, %");
        case CasePercentLowCell:
        case CasePercentHighCell:
            return labelled(number(kOutputNames[cell], 2),
                            std::string("95 % interval, ") + (cell == CasePercentLowCell ? "lower" : "upper")
                                + " bound, controls beyond the score, %");
        case ChangeCell:
            return coded(kOutputNames[cell], "Change at retest",
                         {changeCode(profile::Change::Loss, -1), changeCode(profile::Change::NoChange, 0),
                          changeCode(profile::Change::Gain, 1)});
        case NoteCell: {
            OutputColumn described = labelled(text(kOutputNames[cell]), "Why the row was not analysed");
            described.note = true;
            return described;
        }
        default:
            return text(cell >= 0 && cell < kOutputCells ? kOutputNames[cell] : std::string_view());
        }
    };
    const auto significant = [&] {
        OutputColumn described =
            coded("significant", "Difference significant",
                  {{0, std::string(profile::significanceText(profile::Significance::No))},
                   {1, std::string(profile::significanceText(profile::Significance::Yes))}});
        described.ordinal = false;
        return described;
    };
    // A p as shown: three decimals, or "<.001".
    const auto pValue = [&](std::string_view name, std::string label) {
        OutputColumn described = labelled(number(name, 3), std::move(label));
        described.valueLabels = {{0, "<.001"}};
        return described;
    };
    const std::string correction(profile::correctionColumn(m_settings.analysis.pairsCorrection));
    std::vector<OutputColumn> columns;
    switch (m_settings.table) {
    case ProfileTable::Scores:
        if (m_settings.wide) {
            columns.push_back(labelled(text("person"), "Person"));
            for (const int column : m_identityColumns)
                columns.push_back(text(m_header[size_t(column)]));
            std::set<std::string> taken;
            for (const OutputColumn &column : columns)
                taken.insert(nameKey(column.name, m_settings.format));
            taken.insert("note");
            std::vector<std::string_view> figures;
            for (const int cell : m_wideCells)
                figures.push_back(cell == MetricCell ? std::string_view(metric) : kOutputNames[cell]);
            for (const std::string &name : m_wideNames) {
                const std::vector<std::string> names = wideNames(name, figures, m_settings.format, taken);
                for (size_t i = 0; i < m_wideCells.size(); ++i) {
                    OutputColumn described = output(m_wideCells[i]);
                    described.name = names[i];
                    described.label = wideLabel(name, described.label, m_settings.format);
                    columns.push_back(std::move(described));
                }
            }
            OutputColumn note = labelled(text("note"), "Why rows of the person were not analysed");
            note.note = true;
            columns.push_back(std::move(note));
            break;
        }
        for (size_t column = 0; column < m_header.size(); ++column) {
            const int role = m_role[column];
            OutputColumn described;
            if (role >= FirstOutputRole)
                described = role - FirstOutputRole == OtherMetricCell ? number("", 0)
                                                                  : output(role - FirstOutputRole);
            described.name = m_header[column];
            described.input = int(column);
            columns.push_back(std::move(described));
        }
        for (const int cell : m_appended)
            columns.push_back(output(cell));
        if (m_noteAppended)
            columns.push_back(output(NoteCell));
        break;
    case ProfileTable::Pairs:
        columns = {labelled(text("person"), "Person"),
                   labelled(text("name_1"), "First score of the pair"),
                   labelled(text("name_2"), "Second score of the pair"),
                   labelled(number("score_1", metricDecimals), "First score, " + metricName),
                   labelled(number("score_2", metricDecimals), "Second score, " + metricName),
                   labelled(number("difference", metricDecimals), "Difference, first less second"),
                   labelled(number("se", 2), "Standard error of the difference"),
                   labelled(number("critical", 2), "Critical difference"),
                   significant(),
                   labelled(rate("base_rate"), "Base rate of the difference, same direction, %"),
                   labelled(rate("base_rate_either"), "Base rate of the difference, either direction, %"),
                   pValue("p", "p of the difference, two-tailed"),
                   pValue("p_adjusted", "p adjusted for the person's pairs (" + correction + ")"),
                   labelled(text("correction"), "Correction for the person's pairs")};
        break;
    case ProfileTable::Summary: {
        std::string cutoff = text::Str(m_settings.analysis.lowCutoff);
        if (m_decimalComma)
            std::replace(cutoff.begin(), cutoff.end(), '.', ',');
        columns = {labelled(text("person"), "Person"),
                   labelled(text("set"), "Comparison set"),
                   labelled(number("scores", 0), "Scores in the set"),
                   labelled(number("low_cutoff", 3), "Percentile below which a score is low"),
                   labelled(number("low_count", 0), "Scores below the " + cutoff + "th percentile"),
                   labelled(rate("low_base_rate"), "Healthy people with as many low scores or more, %"),
                   labelled(number("mahalanobis", 2), "Mahalanobis distance squared of the set's profile"),
                   labelled(number("mahalanobis_df", 0), "Degrees of freedom of the distance"),
                   labelled(rate("mahalanobis_rate"), "Healthy people with a profile as unusual, %"),
                   labelled(number("pairs_tested", 0), "Pairs within the set tested"),
                   labelled(number("pairs_significant", 0),
                            "Pairs within the set significant (" + correction + ")")};
        OutputColumn note = labelled(text("note"), "Why a figure is empty");
        note.note = true;
        columns.push_back(std::move(note));
        break;
    }
    case ProfileTable::Composites:
        columns = {labelled(text("person"), "Person"),
                   labelled(text("group"), "Composite"),
                   labelled(text("members"), "Scores in the composite"),
                   labelled(number(metric, metricDecimals), "Composite score, " + metricName),
                   labelled(rate("percentile_rank"), "Percentile rank"),
                   labelled(descriptor(), "Descriptor, " + m_settings.analysis.descriptors.name),
                   labelled(number("reliability", 3), "Reliability of the composite"),
                   labelled(number("ci_low", metricDecimals), interval + "lower bound, " + metricName),
                   labelled(number("ci_high", metricDecimals), interval + "upper bound, " + metricName)};
        break;
    }
    return columns;
}

std::vector<size_t> ProfileConverter::numberColumns() const
{
    std::vector<size_t> columns;
    for (const Field field : {Field::Score, Field::Mean, Field::Sd, Field::Reliability,
                              Field::Retest, Field::Practice, Field::StudyMean1, Field::StudySd1,
                              Field::StudyMean2, Field::StudySd2, Field::StudyR12, Field::StudyN,
                              Field::ControlsMean, Field::ControlsSd, Field::ControlsN})
        if (m_fieldColumn[size_t(field)] >= 0)
            columns.push_back(size_t(m_fieldColumn[size_t(field)]));
    return columns;
}

bool ProfileConverter::isBlank(const text::CsvRecord &record) const
{
    return record.problem == text::RowProblem::None && record.surplusCells == 0
           && record.cells.size() == 1 && record.cells[0].empty();
}

bool ProfileConverter::isMalformed(const text::CsvRecord &record) const
{
    return record.problem != text::RowProblem::None || record.cellCount() != m_header.size();
}

void ProfileConverter::add(text::CsvRecord &record, RowSink &out,
                           std::shared_ptr<const StoredRow> stored)
{
    const size_t line = m_nextLine;
    size_t breaks = lineBreaksIn(record.surplus);
    for (const std::string &cell : record.cells)
        breaks += lineBreaksIn(cell);
    m_nextLine += 1 + breaks;

    Row::Kind kind = Row::Score;
    if (isBlank(record))
        kind = Row::Blank;
    else if (isMalformed(record))
        kind = Row::Malformed;
    std::string_view person;
    if (kind == Row::Score && m_personColumn >= 0)
        person = text::trimmed(record.cells[size_t(m_personColumn)]);
    if (!person.empty() && !m_person.empty() && person != m_person)
        endPerson(out);
    if (m_count == kMaxScores) {
        flush(out, true);
        m_overflowed = true;
    }
    if (m_count == m_rows.size())
        m_rows.emplace_back();
    Row &row = m_rows[m_count++];
    std::swap(row.record, record);
    row.stored = std::move(stored);
    row.line = line;
    row.kind = kind;
    row.entry = -1;
    row.note.clear();
    if (!person.empty() && m_person.empty()) {
        m_person.assign(person);
        m_seenBefore = m_seen.contains(m_person);
    }
}

void ProfileConverter::finish(RowSink &out)
{
    endPerson(out);
}

void ProfileConverter::endPerson(RowSink &out)
{
    if ((m_count > 0 || m_overflowed) && !m_seenBefore)
        ++m_people;
    flush(out, false);
    if (m_settings.wide)
        endWidePerson();
    if (!m_person.empty() && !m_seenBefore)
        m_seen.add(m_person);
    m_person.clear();
    m_seenBefore = false;
    m_overflowed = false;
    for (Identity &identity : m_identity)
        identity = {};
}

void ProfileConverter::flush(RowSink &out, bool more)
{
    if (m_count == 0)
        return;
    readRows();
    static constexpr unsigned kParts[] = {profile::kScores, profile::kPairs, profile::kComposites,
                                          profile::kSets};
    profile::analyse(m_profile, m_settings.correlations, m_settings.analysis, m_analysis,
                     kParts[int(m_settings.table)]);
    takeRefusals(more);
    switch (m_settings.table) {
    case ProfileTable::Scores:
        if (m_settings.wide) {
            collectWide();
            break;
        }
        for (size_t i = 0; i < m_count; ++i)
            writeScoreRow(m_rows[i], out);
        break;
    case ProfileTable::Pairs:
        writePairs(out);
        break;
    case ProfileTable::Composites:
        writeComposites(out);
        break;
    case ProfileTable::Summary:
        writeSummary(out);
        break;
    }
    m_count = 0;
}

// The rows as entries of a profile, but for those refused before they are
// read: a person seen before, one with too many scores, a second birth date.
void ProfileConverter::readRows()
{
    std::vector<profile::ScoreEntry> &entries = m_profile.entries;
    size_t used = 0;
    m_entryLine.clear();
    for (size_t i = 0; i < m_count; ++i) {
        Row &row = m_rows[i];
        if (row.kind != Row::Score)
            continue;
        const std::vector<std::string> &cells = row.record.cells;
        if (m_seenBefore) {
            refuse(row, "person: " + quoted(m_person)
                            + " was seen before, with other people between; a person's rows "
                              "must stand together");
            continue;
        }
        if (m_overflowed) {
            refuse(row, "person: more than " + std::to_string(kMaxScores)
                            + " scores for one person; give each person their own \"person\" cell");
            continue;
        }
        if (!checkIdentity(row))
            continue;
        const auto cellOf = [&](Field field) -> std::string_view {
            const int column = m_fieldColumn[size_t(field)];
            return column < 0 ? std::string_view() : std::string_view(cells[size_t(column)]);
        };
        if (used == entries.size())
            entries.emplace_back();
        profile::EntryCells entryCells{cellOf(Field::Name),     cellOf(Field::Scale),
                                       cellOf(Field::Score),    cellOf(Field::Mean),
                                       cellOf(Field::Sd),       cellOf(Field::Reliability),
                                       cellOf(Field::Retest),   cellOf(Field::Practice),
                                       cellOf(Field::Group),    cellOf(Field::Set)};
        for (size_t k = 0; k < std::size(kStudyFields); ++k)
            entryCells.study[k] = cellOf(kStudyFields[k]);
        for (size_t k = 0; k < std::size(kControlsFields); ++k)
            entryCells.controls[k] = cellOf(kControlsFields[k]);
        profile::readEntry(entryCells, m_decimalComma ? ',' : '.', entries[used]);
        row.entry = int(used++);
        m_entryLine.push_back(row.line);
    }
    entries.resize(used);
}

// The identification of a person is the same on all their rows that give it.
bool ProfileConverter::checkIdentity(Row &row)
{
    for (size_t i = 0; i < m_identityColumns.size(); ++i) {
        const size_t column = size_t(m_identityColumns[i]);
        const std::string_view value = text::trimmed(row.record.cells[column]);
        if (value.empty())
            continue;
        Identity &identity = m_identity[i];
        if (identity.line == 0) {
            identity.value.assign(value);
            identity.line = row.line;
        } else if (value != identity.value) {
            refuse(row, columnKey(m_header[column]) + ": " + quoted(value) + " differs from "
                            + quoted(identity.value) + " on line " + std::to_string(identity.line));
            return false;
        }
    }
    return true;
}

void ProfileConverter::refuse(Row &row, std::string note)
{
    row.kind = Row::Refused;
    row.note = std::move(note);
}

// Counts the rows, and gives the person's figures a note naming the rows
// they were computed without.
void ProfileConverter::takeRefusals(bool more)
{
    std::vector<size_t> &left = m_leftOut;
    left.clear();
    for (size_t i = 0; i < m_count; ++i) {
        Row &row = m_rows[i];
        if (row.kind == Row::Score) {
            const profile::EntryProblem &problem = m_analysis.scores[size_t(row.entry)].problem;
            if (problem) {
                refuse(row, problemNote(row, problem));
            } else {
                ++m_analysed;
                m_withReliability += m_profile.entries[size_t(row.entry)].reliability.has_value();
            }
        }
        if (row.kind == Row::Refused) {
            ++m_refused;
            if (m_settings.table != ProfileTable::Scores && m_refusalNotes.size() < kToldRefusals)
                m_refusalNotes.push_back("line " + std::to_string(row.line) + ": " + row.note);
        } else if (row.kind == Row::Malformed) {
            ++m_malformed;
        }
        if (row.kind == Row::Refused || row.kind == Row::Malformed)
            left.push_back(row.line);
    }
    m_omissions.clear();
    if (!left.empty())
        m_omissions = "computed without " + lineList(left);
    noteCorrelations();
    if (more)
        m_omissions += std::string(m_omissions.empty() ? "" : "; ") + "computed from the first "
                       + std::to_string(kMaxScores) + " rows of this person";
}

// What the person's correlations cannot be: said in the note of every
// score, and on standard error where the table has no notes.
void ProfileConverter::noteCorrelations()
{
    if (m_settings.correlations.empty())
        return;
    const std::vector<profile::ScoreEntry> &entries = m_profile.entries;
    const auto personNote = [&](const std::string &note) {
        m_omissions += (m_omissions.empty() ? "" : "; ") + note;
        if (m_settings.table != ProfileTable::Scores)
            tell("person " + quoted(m_person) + ": " + note);
    };
    const auto names = [&](const std::vector<int> &set) {
        std::vector<std::string_view> named;
        for (size_t i = 0; i < set.size() && i < kNamedInANote; ++i)
            named.push_back(entries[size_t(set[i])].name);
        std::string list = joinNames(named, " and ");
        if (set.size() > kNamedInANote)
            list += " and " + std::to_string(set.size() - kNamedInANote) + " more";
        return list;
    };
    for (const std::vector<int> &set : m_analysis.impossibleMatrices)
        personNote("the correlations of " + names(set)
                   + " cannot hold together (their matrix is not positive semi-definite): "
                     "the figures that use them are left empty");
    const auto &above = m_analysis.correlationsAboveReliabilities;
    for (size_t i = 0; i < above.size() && i < kNamedInANote; ++i) {
        const auto [a, b] = above[i];
        personNote("the correlation of " + entries[size_t(a)].name + " and " + entries[size_t(b)].name
                   + " lies further from 0 than the square root of the product of their "
                     "reliabilities, which is inconsistent with them");
    }
    bool anyNamed = false, anyUsed = false;
    const std::vector<int> &index = m_analysis.memo.index;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (m_analysis.scores[i].problem)
            continue;
        anyUsed = true;
        anyNamed = anyNamed || (i < index.size() && index[i] >= 0);
    }
    if (anyUsed && !anyNamed)
        tell("person " + quoted(m_person) + ": the correlation file names none of their scores");
}

void ProfileConverter::tell(std::string note)
{
    if (m_personNotes.size() < kToldRefusals)
        m_personNotes.push_back(std::move(note));
    else
        ++m_untoldPersonNotes;
}

// Why a row's retest gives no change, as a refusal of it would say.
std::string ProfileConverter::retestNote(const Row &row) const
{
    const profile::ScoreEntry &entry = m_profile.entries[size_t(row.entry)];
    const double retest = entry.retest.value_or(0);
    const double z = profile::scoreZ(entry, retest);
    const bool beyondZ = std::isfinite(z) && !(profile::isPercentileScale(entry.scale) && !(retest > 0 && retest < 100))
                         && (conversion::kScales[entry.scale].display == conversion::Display::None
                             || (retest >= conversion::kScales[entry.scale].lowest
                                 && retest <= conversion::kScales[entry.scale].highest));
    return problemNote(row, {beyondZ ? Problem::ZBeyondLimits : Problem::OutOfRange, Field::Retest, -1})
           + "; no change is worked out";
}

std::string ProfileConverter::problemNote(const Row &row, const profile::EntryProblem &problem) const
{
    const size_t field = size_t(problem.field);
    const std::string column(kFieldNames[field]);
    const int at = m_fieldColumn[field];
    const std::string_view cell =
        at < 0 ? std::string_view() : std::string_view(row.record.cells[size_t(at)]);
    const std::string start = column + ": " + quoted(cell);
    const int scale = m_profile.entries[size_t(row.entry)].scale;
    switch (problem.problem) {
    case Problem::Missing:
        if (at < 0)
            return column + ": a raw score needs the columns mean and sd";
        return column + ": the cell is empty";
    case Problem::NotANumber: {
        // A number with the other decimal mark says so, as a plain conversion does.
        const text::NumberSyntax other{m_decimalComma ? '.' : ',', problem.field == Field::Score
                                                                      || problem.field == Field::Retest
                                                                      || problem.field == Field::Practice};
        if (text::findPlainNumber(cell, other))
            return start + ": this file uses a decimal " + (m_decimalComma ? "comma" : "point");
        return start + " is not a number";
    }
    case Problem::UnknownScale: {
        std::string names;
        for (const int row : profile::sourceScales())
            names += std::string(names.empty() ? "" : ", ")
                     + std::string(conversion::kScales[row].column);
        return start + " is not a scale; the scales are " + names;
    }
    case Problem::BandScale:
        return start + " is a scale of bands, not points; give the score on another scale";
    case Problem::OutOfRange: {
        if (problem.field >= Field::StudyMean1)
            return start + " is too large a number to calculate with";
        if (profile::isPercentileScale(scale)) {
            // 99.999999999999999999 lies below 100 but reads as 100.
            const std::string number = withPoint(cell);
            if (number.find('.') != std::string::npos && text::Val(number) == 100
                && text::trimmed(number).substr(0, 2) == "99")
                return start + " is too close to 100 to calculate with: it rounds to 100";
            if (text::Val(number) == 0 && number.find_first_of("123456789") != std::string::npos)
                return start + " is too close to 0 to calculate with: it rounds to 0";
            return start + " must be greater than 0 and less than 100";
        }
        const conversion::Scale &row = conversion::kScales[scale];
        if (row.display == conversion::Display::None || problem.field == Field::Practice
            || problem.field == Field::Mean)
            return start + " is too large a number to calculate with";
        // "Scaled scores range", not "Scaled score scores range".
        const std::string_view name = row.name;
        const bool noun = name.size() >= 5 && name.substr(name.size() - 5) == "score";
        return start + " is outside the scale: " + std::string(name) + (noun ? "s" : " scores")
               + " range from " + text::Str(row.lowest) + " to " + text::Str(row.highest);
    }
    case Problem::ZBeyondLimits:
        return start + " stands for a z beyond the z scale's " + zLimits();
    case Problem::SdNotPositive:
        return start + " must be greater than 0";
    case Problem::ReliabilityOutOfRange: {
        // As written, so that .999999999999999999999 is too close to 1, not 1.
        const std::string why = interpretation::checkReliability(withPoint(text::trimmed(cell)));
        return start + ": "
               + (why.empty() ? interpretation::checkReliability(
                                    m_profile.entries[size_t(row.entry)].reliability.value_or(0))
                              : why);
    }
    case Problem::PracticeOnPercentile:
        return column + ": a percentile takes no practice change";
    case Problem::SampleTooSmall:
        return start + " must be a whole number of at least "
               + (problem.field == Field::StudyN ? "3: the study's t has N - 2 degrees of freedom"
                                                 : "2: the controls' t has n - 1 degrees of freedom");
    case Problem::CorrelationOutOfRange:
        return start + " must lie between -1 and 1, both left out";
    case Problem::DuplicateName:
        return start + " is given already on line "
               + std::to_string(m_entryLine[size_t(problem.other)]);
    case Problem::None:
        break;
    }
    return {};
}

void ProfileConverter::number(RowSink &out, std::string_view text)
{
    if (!m_decimalComma || text.find('.') == std::string_view::npos) {
        out.numberCell(text);
        return;
    }
    m_cell.assign(text);
    std::replace(m_cell.begin(), m_cell.end(), '.', ',');
    out.numberCell(m_cell);
}

void ProfileConverter::outputCell(int cell, const Row &row, RowSink &out)
{
    if (cell == NoteCell) {
        if (row.kind == Row::Score
            && m_analysis.scores[size_t(row.entry)].rci.missing == profile::Missing::RetestOutOfRange) {
            m_rowNote = retestNote(row);
            if (!m_omissions.empty())
                m_rowNote += "; " + m_omissions;
            out.cell(m_rowNote);
            return;
        }
        out.cell(row.kind == Row::Score ? std::string_view(m_omissions)
                                        : std::string_view(row.note));
        return;
    }
    if (row.kind != Row::Score || cell == OtherMetricCell) {
        out.cell({});
        return;
    }
    const profile::ScoreResult &s = m_analysis.scores[size_t(row.entry)];
    switch (cell) {
    case MetricCell:
        return number(out, s.metric.text);
    case PercentileRankCell:
        return number(out, s.percentileRank.text);
    case DescriptorCell:
        return out.cell(s.descriptor);
    case CiLowCell:
        return number(out, s.ciLow.text);
    case CiHighCell:
        return number(out, s.ciHigh.text);
    case DeviationCell:
        return number(out, s.deviation.text);
    case DeviationCriticalCell:
        return number(out, s.deviationCritical.text);
    case StrengthWeaknessCell:
        return out.cell(profile::markText(s.mark));
    case DeviationBaseRateCell:
        return number(out, s.deviationBaseRate.text);
    case DeviationBaseRateEitherCell:
        return number(out, s.deviationBaseRateEither.text);
    case SetMeanCell:
    case SetSizeCell: {
        if (s.set < 0)
            break;
        const profile::Analysis::ComparisonSet &set = m_analysis.sets[size_t(s.set)];
        if (cell == SetSizeCell)
            return number(out, std::to_string(set.count()));
        if (std::isnan(set.meanZ))
            break;
        const conversion::Scale &row =
            interpretation::scaleRow(profile::metricScale(m_analysis.settings.metric));
        std::string shown;
        const int decimals = m_analysis.settings.metric == profile::Metric::Z ? 3 : 1;
        text::fixedNumber(row.mean + set.meanZ * row.sd, decimals, shown);
        return number(out, shown);
    }
    case RciCell:
        return number(out, s.rci.text);
    case ChangeCell:
        return out.cell(profile::changeText(s.change));
    case PredictedRetestCell:
        return number(out, s.regression.predicted.text);
    case ChangeZCell:
        return number(out, s.regression.z.text);
    case ChangeTCell:
        return number(out, s.regression.t.text);
    case ChangePCell:
        return number(out, s.regression.p.text);
    case ChangePercentCell:
        return number(out, s.regression.percent.text);
    case ChangePercentLowCell:
        return number(out, s.regression.percentLow.text);
    case ChangePercentHighCell:
        return number(out, s.regression.percentHigh.text);
    case CaseTCell:
        return number(out, s.controls.t.text);
    case CaseDfCell:
        return number(out, s.controls.df.text);
    case CasePCell:
        return number(out, s.controls.p.text);
    case CaseZccCell:
        return number(out, s.controls.zcc.text);
    case CaseZccLowCell:
        return number(out, s.controls.zccLow.text);
    case CaseZccHighCell:
        return number(out, s.controls.zccHigh.text);
    case CasePercentCell:
        return number(out, s.controls.percent.text);
    case CasePercentLowCell:
        return number(out, s.controls.percentLow.text);
    case CasePercentHighCell:
        return number(out, s.controls.percentHigh.text);
    default:
        break;
    }
    out.cell({});
}

void ProfileConverter::writeScoreRow(const Row &row, RowSink &out)
{
    if (row.kind == Row::Malformed)
        return writeMalformed(row, out);
    const std::vector<std::string> &cells = row.record.cells;
    const bool blank = row.kind == Row::Blank;
    for (size_t column = 0; column < m_header.size(); ++column) {
        const int role = m_role[column];
        if (role >= FirstOutputRole)
            outputCell(role - FirstOutputRole, row, out);
        else
            out.inputCell(column, blank ? std::string_view() : std::string_view(cells[column]),
                          row.stored.get());
    }
    for (const int cell : m_appended)
        outputCell(cell, row, out);
    if (m_noteAppended)
        outputCell(NoteCell, row, out);
    out.endRow();
}

// A malformed row keeps every cell as it was: those beyond the header's
// width follow the note, and so does a cell that stood where the note goes.
void ProfileConverter::writeMalformed(const Row &row, RowSink &out)
{
    const text::CsvRecord &record = row.record;
    const std::string note = malformedNote(record, m_header.size());
    std::string_view displaced;
    for (size_t column = 0; column < m_header.size(); ++column) {
        const std::string_view cell = column < record.cells.size()
                                          ? std::string_view(record.cells[column])
                                          : std::string_view();
        if (m_role[column] == FirstOutputRole + NoteCell) {
            out.cell(note);
            displaced = cell;
        } else {
            out.inputCell(column, cell, row.stored.get());
        }
    }
    for (size_t i = 0; i < m_appended.size(); ++i)
        out.cell({});
    if (m_noteAppended)
        out.cell(note);
    if (!displaced.empty())
        out.cell(displaced);
    for (size_t column = m_header.size(); column < record.cells.size(); ++column)
        out.cell(record.cells[column]);
    if (record.surplusCells > 0)
        out.writtenCells(record.surplus);
    out.endRow();
}

// The person's scores, each as its column index and figures, are held in
// the row being built; what became of the other rows goes to its note.
void ProfileConverter::collectWide()
{
    for (size_t i = 0; i < m_count; ++i) {
        const Row &row = m_rows[i];
        if (row.kind == Row::Blank)
            continue;
        m_wideAny = true;
        if (row.kind == Row::Malformed) {
            noteWide(row.line, malformedNote(row.record, m_header.size()));
            continue;
        }
        if (row.kind == Row::Refused) {
            noteWide(row.line, row.note);
            continue;
        }
        const std::string &name = m_profile.entries[size_t(row.entry)].name;
        std::string key = columnKey(name);
        int index = -1;
        if (const auto found = m_wideIndex.find(key); found != m_wideIndex.end()) {
            index = found->second;
        } else if (m_wideNames.size() < kMaxScores) {
            index = int(m_wideNames.size());
            m_wideIndex.emplace(std::move(key), index);
            m_wideNames.push_back(name);
        } else {
            noteWide(row.line, "name: " + quoted(name) + " is a score name beyond the first "
                                   + std::to_string(kMaxScores)
                                   + " of the file; the wide table leaves its figures out");
            continue;
        }
        if (m_analysis.scores[size_t(row.entry)].rci.missing == profile::Missing::RetestOutOfRange)
            noteWide(row.line, retestNote(row));
        m_held.cell(std::to_string(index));
        for (const int cell : m_wideCells)
            outputCell(cell, row, m_held);
    }
    if (!m_omissions.empty())
        m_wideNote += (m_wideNote.empty() ? "" : "; ") + m_omissions;
}

void ProfileConverter::noteWide(size_t line, const std::string &note)
{
    if (m_wideTold == kNamedInANote) {
        ++m_wideUntold;
        return;
    }
    ++m_wideTold;
    m_wideNote += (m_wideNote.empty() ? "line " : "; line ") + std::to_string(line) + ": " + note;
}

// The person's own cells end the row held: see writeWide().
void ProfileConverter::endWidePerson()
{
    if (m_wideAny) {
        if (m_wideUntold > 0)
            m_wideNote += "; and " + std::to_string(m_wideUntold) + " more rows not analysed";
        m_held.cell(m_person);
        for (const Identity &identity : m_identity)
            m_held.cell(identity.value);
        m_held.cell(m_wideNote);
        m_held.endRow();
    }
    m_wideAny = false;
    m_wideNote.clear();
    m_wideUntold = 0;
    m_wideTold = 0;
}

bool ProfileConverter::writeWide(RowSink &out)
{
    const size_t own = 2 + m_identity.size();
    const size_t group = 1 + m_wideCells.size();
    std::vector<int> at(m_wideNames.size());
    return m_held.replay([&](const std::vector<HeldCell> &cells) {
        std::fill(at.begin(), at.end(), -1);
        const size_t scores = (cells.size() - own) / group;
        for (size_t g = 0; g < scores; ++g)
            at[size_t(std::stoi(std::string(cells[g * group].text)))] = int(g * group + 1);
        for (size_t i = cells.size() - own; i + 1 < cells.size(); ++i)
            out.cell(cells[i].text);
        for (const int first : at) {
            for (size_t f = 0; f < m_wideCells.size(); ++f) {
                if (first < 0) {
                    out.cell({});
                    continue;
                }
                const HeldCell &held = cells[size_t(first) + f];
                if (held.number)
                    out.numberCell(held.text);
                else
                    out.cell(held.text);
            }
        }
        out.cell(cells.back().text);
        out.endRow();
        return !out.failed();
    }) && !m_held.failed();
}

void ProfileConverter::writePairs(RowSink &out)
{
    const std::vector<profile::ScoreEntry> &entries = m_profile.entries;
    for (const profile::PairResult &pair : m_analysis.pairs) {
        out.cell(m_person);
        out.cell(entries[size_t(pair.first)].name);
        out.cell(entries[size_t(pair.second)].name);
        number(out, m_analysis.scores[size_t(pair.first)].metric.text);
        number(out, m_analysis.scores[size_t(pair.second)].metric.text);
        number(out, pair.difference.text);
        number(out, pair.se.text);
        number(out, pair.critical.text);
        out.cell(profile::significanceText(pair.significant));
        number(out, pair.baseRate.text);
        number(out, pair.baseRateEither.text);
        number(out, pair.p.text);
        number(out, pair.pAdjusted.text);
        out.cell(profile::correctionColumn(m_analysis.settings.pairsCorrection));
        out.endRow();
        ++m_tableRows;
    }
}

void ProfileConverter::writeComposites(RowSink &out)
{
    const std::vector<profile::ScoreEntry> &entries = m_profile.entries;
    for (const profile::CompositeResult &c : m_analysis.composites) {
        std::string members;
        for (const int member : c.members)
            members += (members.empty() ? "" : "+") + entries[size_t(member)].name;
        out.cell(m_person);
        out.cell(c.group);
        out.cell(members);
        number(out, c.metric.text);
        number(out, c.percentileRank.text);
        out.cell(c.descriptor);
        number(out, c.reliability.text);
        number(out, c.ciLow.text);
        number(out, c.ciHigh.text);
        out.endRow();
        ++m_tableRows;
    }
}

// Why a set's figures are empty, in the words of the other notes.
static std::string_view unusualNote(profile::Missing missing)
{
    switch (missing) {
    case profile::Missing::TooFewScores:
        return "the low-score base rate and the distance need at least 2 scores in the set";
    case profile::Missing::NoCorrelation:
        return "the low-score base rate and the distance need every correlation among the set's "
               "scores (--correlations)";
    case profile::Missing::NotPositiveDefinite:
        return "the correlations among the set's scores are not positive definite: no low-score "
               "base rate or distance";
    default:
        break;
    }
    return {};
}

void ProfileConverter::writeSummary(RowSink &out)
{
    profile::summariseSets(m_analysis, m_settings.correlations, m_lowScores, m_setsMemo, m_unusual);
    // A person none of whose rows could be used still has a row, saying why.
    if (m_unusual.empty()) {
        out.cell(m_person);
        out.cell({});
        number(out, "0");
        number(out, text::Str(m_settings.analysis.lowCutoff));
        for (int empty = 0; empty < 5; ++empty)
            out.cell({});
        number(out, "0");
        number(out, "0");
        out.cell(m_omissions.empty() ? std::string_view("no score to analyse") : std::string_view(m_omissions));
        out.endRow();
        ++m_tableRows;
        return;
    }
    for (const profile::UnusualSet &u : m_unusual) {
        out.cell(m_person);
        out.cell(u.name);
        number(out, std::to_string(u.k()));
        number(out, text::Str(u.cutoff));
        number(out, u.lowCount.text);
        number(out, u.lowBaseRate.text);
        number(out, u.mahalanobis.text);
        number(out, u.mahalanobis.known() ? std::to_string(u.df) : std::string());
        number(out, u.mahalanobisRate.text);
        number(out, std::to_string(u.pairsTested));
        number(out, std::to_string(u.pairsSignificant));
        m_rowNote = unusualNote(u.mahalanobis.missing);
        if (!m_omissions.empty())
            m_rowNote += (m_rowNote.empty() ? "" : "; ") + m_omissions;
        out.cell(m_rowNote);
        out.endRow();
        ++m_tableRows;
    }
}

} // namespace batch
