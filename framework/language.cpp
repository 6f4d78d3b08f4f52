#include "framework/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <vector>

namespace fw {

namespace {

struct State {
    Language language = Language::English;
    QChar mark = QLatin1Char('.');
    std::vector<std::unique_ptr<QTranslator>> translators;
    std::optional<QLocale> localeBefore; // Qt's default before a language changed it
};

State &state()
{
    static State s_state;
    return s_state;
}

// The locale that names the messages' language, as the C library finds it.
QString messagesLocale()
{
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            return value;
    }
    return QString();
}

bool isPlainC(const QString &locale)
{
    const QString base = locale.section(QLatin1Char('.'), 0, 0);
    return base == QLatin1String("C") || base == QLatin1String("POSIX");
}

void dropTranslators(State &s)
{
    for (const auto &translator : s.translators)
        QCoreApplication::removeTranslator(translator.get());
    s.translators.clear();
}

void addTranslator(State &s, const QString &file, const QString &folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(file, folder) && QCoreApplication::installTranslator(translator.get()))
        s.translators.push_back(std::move(translator));
}

} // namespace

Language desktopLanguage()
{
    return desktopLanguage(messagesLocale(), QLocale::system().uiLanguages());
}

Language desktopLanguage(const QString &messagesLocale, const QStringList &preferred)
{
    // As the C library does: LANGUAGE counts only when the locale is not C.
    if (messagesLocale.isEmpty() || isPlainC(messagesLocale))
        return Language::English;
    for (const QString &name : preferred)
        if (const std::optional<Language> language = languageNamed(name))
            return *language;
    return Language::English;
}

// German numbers are the desktop's when it is German (Switzerland writes a
// point), else Germany's; English ones always have a point, as before.
QLocale numberLocale(Language language, const QLocale &desktop)
{
    // The territory's own numbers, not the system object's: with LANGUAGE=de
    // on a C desktop, the system says German but writes C's decimal point.
    const QLocale territorys(desktop.language(), desktop.territory());
    if (language == Language::English)
        return desktop.language() == QLocale::English ? territorys : QLocale(QLocale::English, QLocale::UnitedStates);
    return desktop.language() == QLocale::German ? territorys : QLocale(QLocale::German, QLocale::Germany);
}

QChar decimalMarkOf(const QLocale &numbers)
{
    return numbers.language() != QLocale::English && numbers.decimalPoint() == QLatin1String(",")
        ? QLatin1Char(',')
        : QLatin1Char('.');
}

std::optional<Language> languageNamed(const QString &name)
{
    const QString code = name.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower();
    if (code == QLatin1String("de"))
        return Language::German;
    if (code == QLatin1String("en"))
        return Language::English;
    return std::nullopt;
}

void useLanguage(Language language)
{
    State &s = state();
    dropTranslators(s);
    if (s.localeBefore) {
        QLocale::setDefault(*s.localeBefore);
        s.localeBefore.reset();
    }
    s.language = language;
    s.mark = QLatin1Char('.');
    if (language == Language::German) {
        addTranslator(s, QStringLiteral("quintaval_de"), QStringLiteral(":/i18n"));
        // Qt's own dialogs and context menus; missing where the package is not installed.
        addTranslator(s, QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        const QLocale numbers = numberLocale(language, QLocale::system());
        s.localeBefore = QLocale();
        QLocale::setDefault(numbers);
        s.mark = decimalMarkOf(numbers);
    } else if (QLocale().language() == QLocale::German) {
        // English chosen on a German desktop: Qt's dialogs and the pictures follow it.
        s.localeBefore = QLocale();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
}

Language currentLanguage()
{
    return state().language;
}

QChar decimalMark()
{
    return state().mark;
}

QString shownNumber(const QString &core)
{
    const QChar mark = decimalMark();
    if (mark == QLatin1Char('.'))
        return core;
    QString shown = core;
    shown.replace(QLatin1Char('.'), mark);
    return shown;
}

QString shownNumber(const std::string &core)
{
    return shownNumber(QString::fromStdString(core));
}

QString writtenNumber(const QString &core)
{
    QString text = core;
    qsizetype at = 0;
    while (at < text.size() && (text.at(at) == QLatin1Char('<') || text.at(at) == QLatin1Char('>')))
        ++at;
    const bool signed_ = at < text.size() && (text.at(at) == QLatin1Char('+') || text.at(at) == QLatin1Char('-'));
    const qsizetype digits = at + (signed_ ? 1 : 0);
    bool zero = true, digit = false;
    for (qsizetype i = digits; i < text.size() && text.at(i) != QLatin1Char('*'); ++i) {
        if (text.at(i).isDigit())
            digit = true;
        else if (text.at(i) != QLatin1Char('.'))
            zero = false;
        if (text.at(i).isDigit() && text.at(i) != QLatin1Char('0'))
            zero = false;
    }
    if (signed_ && zero && digit)
        text.remove(at, 1);
    else if (signed_)
        ++at;
    if (state().language == Language::German && at < text.size() && text.at(at) == QLatin1Char('.'))
        text.insert(at, QLatin1Char('0'));
    return shownNumber(text);
}

QString writtenNumber(const std::string &core)
{
    return writtenNumber(QString::fromStdString(core));
}

std::string coreNumber(const QString &typed)
{
    const QChar mark = decimalMark();
    if (mark == QLatin1Char('.'))
        return typed.toStdString();
    QString core = typed;
    for (QChar &c : core) {
        if (c == mark)
            c = QLatin1Char('.');
        else if (c == QLatin1Char('.'))
            c = mark;
    }
    return core.toStdString();
}

} // namespace fw
