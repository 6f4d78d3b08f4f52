#include "report_window/core_words.h"

#include "framework/language.h"

#include <QCoreApplication>

#include <cstring>

namespace report {

namespace {

// The sources lupdate reads; the cores hold the same English texts.
[[maybe_unused]] constexpr const char *kScaleNames[] = {
    QT_TRANSLATE_NOOP("Scale", "raw score"),   QT_TRANSLATE_NOOP("Scale", "z"),
    QT_TRANSLATE_NOOP("Scale", "T"),           QT_TRANSLATE_NOOP("Scale", "Wechsler IQ"),
    QT_TRANSLATE_NOOP("Scale", "NCE"),         QT_TRANSLATE_NOOP("Scale", "CEEB"),
    QT_TRANSLATE_NOOP("Scale", "AGCT"),        QT_TRANSLATE_NOOP("Scale", "Percentile"),
    QT_TRANSLATE_NOOP("Scale", "Scaled score"), QT_TRANSLATE_NOOP("Scale", "Stanine"),
    QT_TRANSLATE_NOOP("Scale", "Sten"),        QT_TRANSLATE_NOOP("Scale", "Percentile rank"),
};

[[maybe_unused]] constexpr const char *kScaleKeys[] = {
    QT_TRANSLATE_NOOP("Scale key", "raw"),  QT_TRANSLATE_NOOP("Scale key", "z"),
    QT_TRANSLATE_NOOP("Scale key", "t"),    QT_TRANSLATE_NOOP("Scale key", "wechsler"),
    QT_TRANSLATE_NOOP("Scale key", "nce"),  QT_TRANSLATE_NOOP("Scale key", "ceeb"),
    QT_TRANSLATE_NOOP("Scale key", "agct"), QT_TRANSLATE_NOOP("Scale key", "percentile"),
    QT_TRANSLATE_NOOP("Scale key", "scaled"),
};

[[maybe_unused]] constexpr const char *kSystemNames[] = {
    QT_TRANSLATE_NOOP("Descriptor system", "AACN"),
    QT_TRANSLATE_NOOP("Descriptor system", "Wechsler"),
    QT_TRANSLATE_NOOP("Descriptor system", "Wechsler (classic)"),
    QT_TRANSLATE_NOOP("Descriptor system", "Woodcock-Johnson"),
};

// Each built-in system's labels, top band first.
[[maybe_unused]] constexpr const char *kLabels[] = {
    // AACN
    QT_TRANSLATE_NOOP("Descriptor", "Exceptionally High"),
    QT_TRANSLATE_NOOP("Descriptor", "Above Average"),
    QT_TRANSLATE_NOOP("Descriptor", "High Average"),
    QT_TRANSLATE_NOOP("Descriptor", "Average"),
    QT_TRANSLATE_NOOP("Descriptor", "Low Average"),
    QT_TRANSLATE_NOOP("Descriptor", "Below Average"),
    QT_TRANSLATE_NOOP("Descriptor", "Exceptionally Low"),
    // Wechsler
    QT_TRANSLATE_NOOP("Descriptor", "Extremely High"),
    QT_TRANSLATE_NOOP("Descriptor", "Very High"),
    QT_TRANSLATE_NOOP("Descriptor", "Very Low"),
    QT_TRANSLATE_NOOP("Descriptor", "Extremely Low"),
    // Wechsler (classic)
    QT_TRANSLATE_NOOP("Descriptor", "Very Superior"),
    QT_TRANSLATE_NOOP("Descriptor", "Superior"),
    QT_TRANSLATE_NOOP("Descriptor", "Borderline"),
    // Woodcock-Johnson
    QT_TRANSLATE_NOOP("Descriptor", "Low"),
};

[[maybe_unused]] constexpr const char *kMessages[] = {
    QT_TRANSLATE_NOOP("Core", "The reliability must be greater than 0 and less than 1."),
    QT_TRANSLATE_NOOP("Core", "The confidence level must be at least 50 and less than 100."),
    QT_TRANSLATE_NOOP("Core", "The reliability is too close to 1 to calculate with: it rounds to 1."),
    QT_TRANSLATE_NOOP("Core", "The reliability is too close to 0 to calculate with: it rounds to 0."),
    QT_TRANSLATE_NOOP("Core", "The confidence level is too close to 100 to calculate with: it rounds to 100."),
};

QString translated(const char *context, std::string_view text)
{
    const std::string source(text);
    return QCoreApplication::translate(context, source.c_str());
}

bool isCustom(const interpretation::DescriptorSystem &system)
{
    return interpretation::findSystem(system.key) == nullptr;
}

struct ProblemWords {
    Q_DECLARE_TR_FUNCTIONS(FileProblem)
};

} // namespace

QString scaleTitle(interpretation::ScaleId scale)
{
    return scaleTitle(interpretation::scaleName(scale));
}

QString positionTitle(int position)
{
    if (position < 0 || position >= conversion::kScaleCount)
        return QString();
    return scaleTitle(conversion::kScales[position].name);
}

QString scaleTitle(std::string_view name)
{
    return translated("Scale", name);
}

QString scaleKey(std::string_view column)
{
    return translated("Scale key", column);
}

QString systemTitle(const interpretation::DescriptorSystem &system)
{
    if (isCustom(system))
        return QString::fromStdString(system.name);
    return translated("Descriptor system", system.name);
}

QString descriptorLabel(const interpretation::DescriptorSystem &system, const std::string &label)
{
    if (isCustom(system) || label.empty())
        return QString::fromStdString(label);
    return translated("Descriptor", label);
}

QString coreMessage(const std::string &message)
{
    return translated("Core", message);
}

QString problemWords(const interpretation::DescriptorFileProblem &problem)
{
    using Kind = interpretation::DescriptorFileProblem::Kind;
    QString what;
    switch (problem.kind) {
    case Kind::None: return QString();
    case Kind::Empty:
        return ProblemWords::tr("line 1: the file is empty; it needs the header \"from,label\" and one row per "
                                "band");
    case Kind::UnclosedQuote: what = ProblemWords::tr("a quoted cell is not closed properly"); break;
    case Kind::BadHeader: what = ProblemWords::tr("the header must be \"from,label\""); break;
    case Kind::CellCount:
        what = ProblemWords::tr("expected 2 cells, from and label, but found %1").arg(problem.count);
        break;
    case Kind::NotWhole:
        what = ProblemWords::tr("\"%1\" is not a whole standard score").arg(QString::fromStdString(problem.cell));
        break;
    case Kind::EmptyLabel: what = ProblemWords::tr("the label is empty"); break;
    case Kind::NulInLabel: what = ProblemWords::tr("the label holds a NUL byte"); break;
    case Kind::NotUtf8: what = ProblemWords::tr("the label is not valid UTF-8 text"); break;
    case Kind::RepeatedFrom:
        what = ProblemWords::tr("from %1 is given already on line %2")
                   .arg(QString::fromStdString(problem.cell), QString::number(problem.count));
        break;
    case Kind::NoBands: what = ProblemWords::tr("the header is followed by no bands"); break;
    }
    return ProblemWords::tr("line %1: %2").arg(QString::number(problem.line), what);
}

QString problemWords(const text::SmallFileProblem &problem)
{
    using Kind = text::SmallFileProblem::Kind;
    switch (problem.kind) {
    case Kind::None: return QString();
    case Kind::System: return QString::fromLocal8Bit(std::strerror(problem.error));
    case Kind::NotRegular: return ProblemWords::tr("it is not a regular file");
    case Kind::TooLarge:
        if (problem.limit % (std::size_t(1) << 20) == 0)
            return ProblemWords::tr("it is larger than %1 MB").arg(problem.limit >> 20);
        return ProblemWords::tr("it is larger than %1 bytes").arg(problem.limit);
    }
    return QString();
}

} // namespace report
