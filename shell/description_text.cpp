#include "shell/description_text.h"

#include "conversion/scales.h"
#include "framework/language.h"
#include "text/text_routines.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace shell {

namespace {

struct TableRow {
    conversion::Position position;
    const char *name;
};

constexpr TableRow kRows[] = {
    {conversion::Z, QT_TRANSLATE_NOOP("Description", "z")},
    {conversion::T, QT_TRANSLATE_NOOP("Description", "T")},
    {conversion::Wechsler, QT_TRANSLATE_NOOP("Description", "Wechsler IQ")},
    {conversion::Nce, QT_TRANSLATE_NOOP("Description", "Normal Curve Equivalent")},
    {conversion::Ceeb, QT_TRANSLATE_NOOP("Description", "College Entrance Exam Board")},
    {conversion::Agct, QT_TRANSLATE_NOOP("Description", "Army General Classification Test")},
};

// Columns of the fixed-pitch table: the name, the mean ending at column 37,
// the sd at 50, the lowest score at 69, then "to" and the highest. Longer
// names move the figures right.
constexpr int kNameWidth = 34;
constexpr int kMeanWidth = 3;
constexpr int kSdWidth = 13;
constexpr int kLowWidth = 19;
constexpr int kRangeTitleColumn = 59;

QString number(double value, bool plus = false)
{
    return fw::shownNumber(QString::fromStdString((plus && value > 0 ? "+" : "") + text::Str(value)));
}

struct Description {
    Q_DECLARE_TR_FUNCTIONS(Description)

public:
    static QStringList table()
    {
        int names = kNameWidth;
        for (const TableRow &row : kRows)
            names = std::max(names, int(tr(row.name).size()) + 2);
        const QString sd = tr("SD");
        QString head = tr("Score").leftJustified(names) + tr("Mean");
        head = head.leftJustified(names + kMeanWidth + kSdWidth - int(sd.size())) + sd;
        head = head.leftJustified(std::max(int(head.size()) + 1, kRangeTitleColumn + names - kNameWidth))
            + tr("Possible Range of Scores");
        QStringList lines{head};
        const QString to = tr("to");
        for (const TableRow &row : kRows) {
            const conversion::Scale &scale = conversion::kScales[row.position];
            const bool signedScale = scale.mask.substr(0, 1) == "+";
            lines << tr(row.name).leftJustified(names) + number(scale.mean).rightJustified(kMeanWidth)
                    + number(scale.sd).rightJustified(kSdWidth) + number(scale.lowest).rightJustified(kLowWidth)
                    + QLatin1Char(' ') + to + QLatin1Char(' ') + number(scale.highest, signedScale);
        }
        return lines;
    }

    static QStringList text()
    {
        const QString plusses(85, QLatin1Char('+'));
        const QStringList rows = table();
        QStringList lines;
        lines << tr("Quintaval") << QString()
              << tr("Quintaval calculates a variety of standard scores from an obtained (raw) score and the mean "
                    "and standard deviation of its distribution, or from any one of the other standard scores "
                    "listed below. For a general introduction to standard scores, percentiles and the normal "
                    "curve, see any textbook of educational and psychological measurement.")
              << QString()
              << tr("The normal-probability and inverse-probability calculations use two published "
                    "approximations of the normal distribution: a polynomial approximation of the error function "
                    "for percentiles, and a rational approximation for the z score of a percentile.")
              << QString() << tr("The standard scores and their means and standard deviations are:") << plusses
              << rows.front() << plusses << rows.mid(1) << QString() << QString(83, QLatin1Char('*'))
              << tr("A score computed beyond its scale's possible range is shown as the scale's bound followed "
                    "by an asterisk (*). A standard score entered outside its range is refused.")
              << QString()
              << tr("Scores are rounded for display: z scores to two decimals, all other scores to whole "
                    "numbers. Interpret them with the judgement of a qualified professional and with the test's "
                    "own norms.")
              << QString()
              << tr("Quintaval is provided as is, without warranty of any kind. It stores nothing and sends "
                    "nothing: everything you type stays in its windows.");
        return lines;
    }
};

} // namespace

std::string descriptionText()
{
    return Description::text().join(QLatin1Char('\r')).toStdString();
}

} // namespace shell
