// The language of the windows and the way they write numbers. English is
// the program's own language; German comes from its translation, built into
// the program. The language is chosen once at start: the desktop's, or the
// one --lang names. Numbers follow the language's locale: with German, the
// desktop's own German locale (a decimal comma in Germany and Austria, a
// point in Switzerland), with English always a point, as before.
//
// The cores read and write numbers with a point. The windows convert at
// their edge: coreNumber() for what the user typed, shownNumber() for what
// a core wrote.
#pragma once

#include <QChar>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>

namespace fw {

enum class Language { English, German };

// The first of the desktop's preferred languages (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG) that the program speaks; English when none is.
Language desktopLanguage();
// The same from the locale that names the messages' language ("de_DE.UTF-8",
// "C") and the preferred languages as Qt lists them ("de-DE", "en").
Language desktopLanguage(const QString &messagesLocale, const QStringList &preferred);
// "de", "en", also with a region ("de_AT", "en-GB"); nothing for others.
std::optional<Language> languageNamed(const QString &name);

// Installs the program's translation and Qt's own German catalogue (when
// it is installed), the number conventions and Qt's default locale. Safe
// to call again: the previous language's translations go.
void useLanguage(Language language);
Language currentLanguage();

// "," where the language's locale writes a decimal comma, else ".".
QChar decimalMark();
// The locale whose numbers the windows write in a language, on a desktop
// with this locale; its decimal mark as the windows use it.
QLocale numberLocale(Language language, const QLocale &desktop);
QChar decimalMarkOf(const QLocale &numbers);

// A number as a core writes it ("-1.50", "<0.1", "99*") as the windows
// show it ("-1,50"); text without a point is unchanged.
QString shownNumber(const QString &core);
QString shownNumber(const std::string &core);

// A number as a report, a sheet or their pages write it in a table or a
// sentence: like shownNumber, and a figure that is zero carries no sign
// ("+0.0" -> "0.0"); German writes the leading zero (",90" -> "0,90").
// Signs, "<" and ">" before it and a "*" after it are kept.
QString writtenNumber(const QString &core);
QString writtenNumber(const std::string &core);

// What the user typed, as the cores read it: the decimal mark becomes a
// point. Where the mark is a comma, a typed point becomes a comma, so it
// ends the number just as a comma does where the mark is a point.
std::string coreNumber(const QString &typed);

} // namespace fw
