#include "report_window/identification.h"

#include "framework/language.h"
#include "interpretation/age.h"

#include <QCoreApplication>
#include <QDate>

#include <optional>

namespace report {

namespace {

struct IdentificationWords {
    Q_DECLARE_TR_FUNCTIONS(Identification)
};

bool german()
{
    return fw::currentLanguage() == fw::Language::German;
}

// ISO in either language; German also as it writes dates.
std::optional<interpretation::Date> dateOf(const QString &text)
{
    const std::string trimmed = text.trimmed().toStdString();
    if (const auto iso = interpretation::parseIsoDate(trimmed))
        return iso;
    if (german())
        return interpretation::parseDottedDate(trimmed);
    return std::nullopt;
}

// Longer names would make unwieldy file names; most systems allow 255 bytes.
constexpr qsizetype kLongestStem = 60;

} // namespace

bool Identification::operator==(const Identification &other) const
{
    return person == other.person && birthDate == other.birthDate && testDate == other.testDate
        && testName == other.testName && examiner == other.examiner;
}

AgeReading readAge(const Identification &id)
{
    AgeReading age;
    const QString birthText = id.birthDate.trimmed();
    const QString testText = id.testDate.trimmed();
    const auto birth = dateOf(birthText);
    const auto test = dateOf(testText);
    age.birthBad = !birthText.isEmpty() && !birth;
    age.testBad = !testText.isEmpty() && !test;
    if (age.birthBad || age.testBad) {
        age.problem = IdentificationWords::tr("%1 is not a date; write it as year-month-day, such as 2016-03-14.")
                          .arg(age.birthBad ? birthCaption() : testDateCaption());
        return age;
    }
    if (!birth || !test)
        return age;
    const std::optional<interpretation::Age> years = interpretation::ageAt(*birth, *test);
    if (!years) {
        age.testBad = true;
        age.problem = IdentificationWords::tr("The date of testing is before the date of birth.");
        return age;
    }
    const QString days = years->days == 1 ? IdentificationWords::tr("1 day") : IdentificationWords::tr("%1 days").arg(years->days);
    age.text = IdentificationWords::tr("%1;%2 (%3)").arg(years->years).arg(years->months).arg(days);
    return age;
}

QString shownDate(const QString &date)
{
    const auto read = dateOf(date);
    if (!read)
        return date;
    return QString::fromStdString(german() ? interpretation::dottedDate(*read) : interpretation::isoDate(*read));
}

QString storedDate(const QString &typed)
{
    const auto read = dateOf(typed);
    return read ? QString::fromStdString(interpretation::isoDate(*read)) : typed;
}

QString today()
{
    return shownDate(QDate::currentDate().toString(Qt::ISODate));
}

QString personCaption() { return IdentificationWords::tr("Name or code"); }
QString birthCaption() { return IdentificationWords::tr("Date of birth"); }
QString testDateCaption() { return IdentificationWords::tr("Date of testing"); }
QString examinerCaption() { return IdentificationWords::tr("Examiner"); }
QString ageCaption() { return IdentificationWords::tr("Age at testing"); }

std::vector<std::pair<QString, QString>> headerFacts(const Identification &id, const QString &testCaption)
{
    std::vector<std::pair<QString, QString>> facts;
    auto part = [&facts](const QString &caption, const QString &value) {
        if (!value.trimmed().isEmpty())
            facts.emplace_back(caption, value.trimmed());
    };
    part(personCaption(), id.person);
    part(testCaption, id.testName);
    part(examinerCaption(), id.examiner);
    if (!id.birthDate.trimmed().isEmpty())
        part(birthCaption(), shownDate(id.birthDate));
    if (!id.testDate.trimmed().isEmpty())
        part(testDateCaption(), shownDate(id.testDate));
    const AgeReading age = readAge(id);
    if (!age.text.isEmpty())
        part(ageCaption(), age.text);
    else if (!age.problem.isEmpty())
        facts.emplace_back(QString(), age.problem);
    return facts;
}

QStringList headerLines(const Identification &id, const QString &testCaption)
{
    // Who on the first line, when on the second.
    const std::vector<std::pair<QString, QString>> facts = headerFacts(id, testCaption);
    const QStringList whoCaptions{personCaption(), testCaption, examinerCaption()};
    QStringList who, when;
    for (const auto &[caption, value] : facts) {
        const QString text = caption.isEmpty() ? value : IdentificationWords::tr("%1: %2").arg(caption, value);
        (whoCaptions.contains(caption) && !caption.isEmpty() ? who : when) << text;
    }
    QStringList lines;
    const QString separator = QStringLiteral(" \u00b7 ");
    if (!who.isEmpty())
        lines << who.join(separator);
    if (!when.isEmpty())
        lines << when.join(separator);
    return lines;
}

QString suggestedFileName(const Identification &id, const QString &fallback, const QString &suffix)
{
    QString stem;
    for (const QChar c : id.person.trimmed()) {
        const bool unsafe = c.unicode() < 0x20 || c == QChar(0x7F) || QStringLiteral("/\\:*?\"<>|").contains(c);
        stem += unsafe ? QLatin1Char('_') : c;
    }
    stem = stem.left(kLongestStem).trimmed();
    while (stem.startsWith(QLatin1Char('.')))
        stem.remove(0, 1); // no hidden file
    if (stem.isEmpty())
        stem = fallback;
    const auto test = dateOf(id.testDate);
    const QString date = test ? QString::fromStdString(interpretation::isoDate(*test))
                              : QDate::currentDate().toString(Qt::ISODate);
    return stem + QLatin1Char('-') + date + QLatin1Char('.') + suffix;
}

} // namespace report
