// Who was tested and when: the identification that heads the Score
// Report, the Battery Sheet and every page they print. Every part is
// optional and kept as typed; the dates are ISO dates ("2026-11-02") once
// they are dates. It is never written to the settings.
#pragma once

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace report {

// The longest a part may be in a window: longer names print whole but
// are no name anyone types.
constexpr qsizetype kLongestIdPart = 120;

struct Identification {
    QString person;    // name or code
    QString birthDate;
    QString testDate;
    QString testName;  // the test, or the battery
    QString examiner;

    bool operator==(const Identification &other) const;
};

// The age at testing from the two dates: its text ("10;7 (19 days)"), or
// why there is none. Without both dates, both are empty.
struct AgeReading {
    QString text;
    QString problem; // a date that is not one, or testing before birth
    bool birthBad = false, testBad = false; // which field to mark
};
AgeReading readAge(const Identification &id);

// Dates are kept as ISO dates ("2016-02-29") and shown as the language
// writes them: German "29.02.2016", English as kept. Either form is read
// in German, ISO in English; text that is no date stays as typed.
QString shownDate(const QString &date);
QString storedDate(const QString &typed);
// Today, as shownDate writes it.
QString today();

// "Name or code", "Date of birth", ... in the window's words.
QString personCaption();
QString birthCaption();
QString testDateCaption();
QString examinerCaption();
QString ageCaption();

// The lines a printed page starts with: the parts given, with the age.
// testCaption names the test or battery field ("Test", "Battery").
QStringList headerLines(const Identification &id, const QString &testCaption);
// The same as caption and value; an age that cannot be worked out has its
// problem as the value and no caption.
std::vector<std::pair<QString, QString>> headerFacts(const Identification &id, const QString &testCaption);

// A file name for what is saved or exported: "<code>-<date>.<suffix>",
// with characters no file name may hold replaced; fallback stands for a
// missing name or code, and today's date for a missing date of testing.
QString suggestedFileName(const Identification &id, const QString &fallback, const QString &suffix);

} // namespace report
