#include "battery_window/words.h"

#include "battery_window/numbers.h"
#include "conversion/scales.h"
#include "report_window/core_words.h"
#include "text/text_routines.h"

namespace battery {

namespace {

QString quoted(const std::string &cell)
{
    return QStringLiteral("\u201C%1\u201D").arg(QString::fromStdString(cell));
}

QString bound(double value)
{
    return numbers::plain(value);
}

} // namespace

QString Words::column(profile::Field field)
{
    switch (field) {
    case profile::Field::Name: return tr("Name");
    case profile::Field::Scale: return tr("Scale");
    case profile::Field::Score: return tr("Score");
    case profile::Field::Mean: return tr("Mean");
    case profile::Field::Sd: return tr("SD");
    case profile::Field::Reliability: return tr("Reliability");
    case profile::Field::Retest: return tr("Retest");
    case profile::Field::Practice: return tr("Practice");
    case profile::Field::Group: return tr("Group");
    case profile::Field::Set: return tr("Set");
    case profile::Field::StudyMean1: return tr("Study M1");
    case profile::Field::StudySd1: return tr("Study SD1");
    case profile::Field::StudyMean2: return tr("Study M2");
    case profile::Field::StudySd2: return tr("Study SD2");
    case profile::Field::StudyR12: return tr("Study r12");
    case profile::Field::StudyN: return tr("Study N");
    case profile::Field::ControlsMean: return tr("Controls M");
    case profile::Field::ControlsSd: return tr("Controls SD");
    case profile::Field::ControlsN: return tr("Controls n");
    }
    return {};
}

QString Words::scale(const std::string &cell)
{
    const int row = profile::findScale(cell);
    return row < 0 ? QString::fromStdString(cell) : report::scaleTitle(conversion::kScales[row].name);
}

QString Words::notANumber(const std::string &cell, char decimalMark)
{
    return decimalMark == ','
        ? tr("%1 is not a number. Write it with digits and a decimal comma, such as 0,90.").arg(quoted(cell))
        : tr("%1 is not a number. Write it with digits and a decimal point, such as .90.").arg(quoted(cell));
}

QString Words::entryProblem(const profile::ScoreEntry &entry, const profile::EntryProblem &problem,
                            const std::string &cell, char decimalMark, int otherRow)
{
    using profile::Field;
    using profile::Problem;
    const conversion::Scale *scale = entry.scale >= 0 ? &conversion::kScales[entry.scale] : nullptr;
    switch (problem.problem) {
    case Problem::None:
        return {};
    case Problem::Missing:
        switch (problem.field) {
        case Field::Name: return tr("Every score needs a name.");
        case Field::Scale: return tr("Choose the scale the score is on.");
        case Field::Score: return tr("The score is missing.");
        case Field::Mean: return tr("A raw score needs the mean of its distribution.");
        case Field::Sd: return tr("A raw score needs the SD of its distribution.");
        case Field::StudyMean1:
        case Field::StudySd1:
        case Field::StudyMean2:
        case Field::StudySd2:
        case Field::StudyR12:
        case Field::StudyN:
            return tr("A retest study needs all six cells: its means and SDs at both testings, its retest "
                      "correlation and its size.");
        case Field::ControlsMean:
        case Field::ControlsSd:
        case Field::ControlsN:
            return tr("A control sample needs all three cells: its mean, its SD and its size.");
        default: return tr("This cell must be filled.");
        }
    case Problem::NotANumber:
        return notANumber(cell, decimalMark);
    case Problem::UnknownScale:
        return tr("%1 is not a scale. Choose one from the list: z, T, Wechsler IQ, NCE, CEEB, AGCT, "
                  "percentile, scaled score or raw score.").arg(quoted(cell));
    case Problem::BandScale:
        return tr("Stanines and stens are bands, not points: give the score on another scale.");
    case Problem::OutOfRange:
        if (problem.field == Field::Mean || problem.field == Field::Practice || problem.field >= Field::StudyMean1)
            return tr("%1 is too large to be used.").arg(quoted(cell));
        if (scale && profile::isPercentileScale(entry.scale))
            return tr("A percentile must be greater than 0 and less than 100.");
        if (scale)
            return tr("The %1 scale ranges from %2 to %3.").arg(report::scaleTitle(scale->name), bound(scale->lowest),
                                                           bound(scale->highest));
        return tr("%1 is out of range.").arg(quoted(cell));
    case Problem::ZBeyondLimits:
        return tr("%1 stands for a z beyond the z scale, which ranges from %2 to %3.")
            .arg(quoted(cell), bound(conversion::kScales[conversion::Z].lowest),
                 bound(conversion::kScales[conversion::Z].highest));
    case Problem::SdNotPositive:
        return tr("The SD must be greater than 0.");
    case Problem::ReliabilityOutOfRange:
        return tr("The reliability must be greater than 0 and less than 1, such as %1.")
            .arg(decimalMark == ',' ? QStringLiteral(",90") : QStringLiteral(".90"));
    case Problem::PracticeOnPercentile:
        return tr("A percentile is compared in z units alone: it takes no practice change.");
    case Problem::SampleTooSmall:
        return problem.field == Field::StudyN
            ? tr("A retest study needs at least 3 people, counted in whole numbers.")
            : tr("A control sample needs at least 2 people, counted in whole numbers.");
    case Problem::CorrelationOutOfRange:
        return tr("The retest correlation must lie between \u2212" "1 and 1, both left out.");
    case Problem::DuplicateName:
        return tr("Row %1 already has the name %2; each score needs a name of its own.")
            .arg(otherRow)
            .arg(quoted(entry.name));
    }
    return {};
}

QString Words::missing(profile::Missing missing)
{
    switch (missing) {
    case profile::Missing::None: return {};
    case profile::Missing::Refused: return tr("The score cannot be used; see the marked cell.");
    case profile::Missing::NoReliability: return tr("Not worked out: a reliability is missing.");
    case profile::Missing::NoCorrelation: return tr("Not worked out: a correlation is not known.");
    case profile::Missing::TooFewScores:
        return tr("Not worked out: strengths and weaknesses need at least three scores with a reliability.");
    case profile::Missing::NoRetest: return tr("No retest.");
    case profile::Missing::InconsistentCorrelations:
        return tr("Not worked out: the correlations leave the difference no spread; check them.");
    case profile::Missing::ReliabilityNotUsable:
        return tr("Not worked out: the composite's reliability would not lie between 0 and 1.");
    case profile::Missing::RetestOutOfRange:
        return tr("Not worked out: the retest lies outside its scale.");
    case profile::Missing::CorrelationsImpossible:
        return tr("Not worked out: no set of scores could have these correlations together; check them.");
    case profile::Missing::NoStudy:
        return tr("Not worked out: no retest study, or another change method chosen.");
    case profile::Missing::NoControls: return tr("No control sample.");
    case profile::Missing::NotComputable: return tr("Not worked out: too far out to be computed.");
    case profile::Missing::NotPositiveDefinite:
        return tr("Not worked out: the correlations of the set are not positive definite, so the "
                  "profile's distance and low-score rate are undefined; check them.");
    case profile::Missing::NoSingleCritical:
        return tr("Under Holm's correction no single critical value decides: the adjusted p does.");
    case profile::Missing::NotCorrected: return tr("No correction for the family of pairs is chosen.");
    case profile::Missing::Working: return tr("Being worked out…");
    }
    return {};
}

QString Words::tooFewInSet(const std::string &set, int count)
{
    if (set.empty())
        return tr("Not worked out: needs 3 scores in its set; the scores with no set have %1 with a reliability.")
            .arg(count);
    return tr("Not worked out: needs 3 scores in its set; the set %1 has %2 with a reliability.")
        .arg(quoted(set))
        .arg(count);
}

QString Words::fileProblem(const QString &fileName, const FileProblem &problem)
{
    const QString why = QString::fromStdString(problem.why);
    const QString column = QString::fromStdString(problem.column);
    switch (problem.kind) {
    case FileProblem::CannotOpen:
        return tr("%1 could not be opened: %2.").arg(fileName, why);
    case FileProblem::NotAFile:
        return tr("%1 is not a file that can be read.").arg(fileName);
    case FileProblem::NotText:
        if (problem.line > 0)
            return tr("%1, line %2: the line is not text (UTF-8). Is this a battery file?").arg(fileName, QString::number(problem.line));
        return tr("%1 is not a text file (UTF-8). A battery file is a CSV file of scores.").arg(fileName);
    case FileProblem::Utf16:
        return tr("%1 is written in UTF-16. Save it as UTF-8 CSV and open it again.").arg(fileName);
    case FileProblem::ReadFailed:
        return tr("%1 could not be read: %2.").arg(fileName, why);
    case FileProblem::NoHeader:
        return tr("%1 is empty. A battery file starts with a line naming its columns, such as "
                  "name,scale,score.").arg(fileName);
    case FileProblem::MissingColumn:
        return tr("%1, line 1: there is no column \u201C%2\u201D. A battery file needs the columns "
                  "name, scale and score.").arg(fileName, column);
    case FileProblem::DuplicateColumn:
        return tr("%1, line 1: the column \u201C%2\u201D is named twice.").arg(fileName, column);
    case FileProblem::TooManyColumns:
        return tr("%1, line 1: the file has more than %2 columns; it is not a battery file.")
            .arg(fileName, QString::number(kMaxExtraColumns));
    case FileProblem::Malformed:
        if (problem.cells > 0)
            return tr("%1, line %2: the line has %3 cells where the first line has %4.")
                .arg(fileName, QString::number(problem.line), QString::number(problem.cells),
                     QString::number(problem.expected));
        return tr("%1, line %2: a quoted cell is not closed properly.").arg(fileName, QString::number(problem.line));
    case FileProblem::CellTooLong:
        return tr("%1, line %2: the cell in column \u201C%3\u201D is longer than %4 characters.")
            .arg(fileName, QString::number(problem.line), column, QString::number(kMaxCellBytes));
    case FileProblem::TooManyScores:
        return tr("%1, line %2: the person has more than %3 scores; a Battery Sheet holds at most %3.")
            .arg(fileName, QString::number(problem.line), QString::number(kMaxScores));
    case FileProblem::Conflict:
        return tr("%1, lines %2 and %3: the column \u201C%4\u201D holds two different values for one person.")
            .arg(fileName, QString::number(problem.otherLine), QString::number(problem.line), column);
    case FileProblem::WriteFailed:
        return tr("%1 could not be saved: %2. The file on disk is as it was.").arg(fileName, why);
    }
    return {};
}

QString Words::pasteProblem(const PasteProblem &problem)
{
    switch (problem.kind) {
    case PasteProblem::None: return {};
    case PasteProblem::Empty: return tr("The clipboard holds no cells to paste.");
    case PasteProblem::TooLarge:
        return tr("The clipboard holds more than %1 MB of text; that is no battery. Nothing was pasted.")
            .arg(kMaxPasteBytes >> 20);
    case PasteProblem::NotText:
        return tr("The clipboard does not hold text that can be pasted. Nothing was pasted.");
    case PasteProblem::TooManyRows:
        return tr("The clipboard holds more than %1 rows; a Battery Sheet holds at most %1 scores. "
                  "Nothing was pasted.").arg(kMaxScores);
    case PasteProblem::CellTooLong:
        return tr("Row %1 of the clipboard has a cell longer than %2 characters. Nothing was pasted.")
            .arg(problem.row)
            .arg(kMaxCellBytes);
    case PasteProblem::BrokenQuote:
        return tr("Row %1 of the clipboard has a quoted cell that is not closed properly. Nothing was pasted.")
            .arg(problem.row);
    }
    return {};
}

QString Words::correlationProblem(const QString &fileName, const profile::CorrelationError &error)
{
    using E = profile::CorrelationError;
    const QString text = QString::fromStdString(error.text);
    const QString where = error.cell > 0 ? tr("%1, line %2, cell %3").arg(fileName, QString::number(error.line), QString::number(error.cell))
                                         : tr("%1, line %2").arg(fileName, QString::number(error.line));
    QString why;
    switch (error.kind) {
    case E::Empty: return tr("%1 is empty. A correlation file starts with name and the scores' names.").arg(fileName);
    case E::BadHeader: why = tr("the first cell must be \u201Cname\u201D"); break;
    case E::EmptyName: why = tr("a score's name is empty"); break;
    case E::DuplicateName:
        why = error.otherLine > 0 ? tr("%1 already has a row at line %2").arg(text, QString::number(error.otherLine))
                                  : tr("%1 is named twice").arg(text);
        break;
    case E::UnknownName: why = tr("%1 is not named in the first line").arg(text); break;
    case E::MissingRow: return tr("%1: %2 has no row.").arg(fileName, text);
    case E::TooManyCells: why = tr("the line has more cells than the first line"); break;
    case E::BrokenQuote: why = tr("a quoted cell is not closed properly"); break;
    case E::NotANumber: why = tr("\u201C%1\u201D is not a number").arg(text); break;
    case E::OutOfRange: why = tr("%1 lies outside \u2212" "1 to 1").arg(text); break;
    case E::BadDiagonal: why = tr("a score correlates 1 with itself, not %1").arg(text); break;
    case E::Disagrees:
        why = tr("%1 disagrees with %2 at line %3, cell %4")
                  .arg(text, QString::fromStdString(error.otherText), QString::number(error.otherLine),
                       QString::number(error.otherCell));
        break;
    case E::NotText: why = tr("the name is not text (UTF-8)"); break;
    case E::TooManyNames:
        return tr("%1 names more than %2 scores; it is not a correlation matrix of a battery.")
            .arg(fileName, QString::number(profile::Correlations::kMaxNames));
    case E::Utf16: return tr("%1 is written in UTF-16. Save it as UTF-8 CSV and load it again.").arg(fileName);
    default:
        return tr("%1: %2").arg(fileName, QString::fromStdString(profile::errorMessage(error)));
    }
    return tr("%1: %2.").arg(where, why);
}

QString Words::mark(profile::Mark mark)
{
    switch (mark) {
    case profile::Mark::Strength: return tr("S");
    case profile::Mark::Weakness: return tr("W");
    case profile::Mark::None: break;
    }
    return {};
}

QString Words::change(profile::Change change)
{
    switch (change) {
    case profile::Change::Gain: return tr("reliable gain");
    case profile::Change::Loss: return tr("reliable loss");
    case profile::Change::NoChange: return tr("no reliable change");
    case profile::Change::None: break;
    }
    return {};
}

QString Words::significance(profile::Significance significance)
{
    switch (significance) {
    case profile::Significance::Yes: return tr("yes");
    case profile::Significance::No: return tr("no");
    case profile::Significance::Unknown: break;
    }
    return {};
}

} // namespace battery
