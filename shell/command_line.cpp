#include "shell/command_line.h"

#include "battery_window/battery_pdf.h"
#include "shell/program.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <memory>

namespace shell {

namespace {

constexpr int kUsageError = 2;

// Qt's own options, taken by QApplication. They must not be refused here,
// and they stay out of the help text.
constexpr const char *kQtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle", "session", "style", "stylesheet", "display",
    "geometry", "title", "name",
};
constexpr const char *kQtFlags[] = {"reverse", "widgetcount", "sync", "nograb", "dograb"};

void write(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// The program's options, worded in the language in use when made.
struct Options {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    QCommandLineParser parser;
    QCommandLineOption help, version, language, battery, pdf;

    Options()
        : help(parser.addHelpOption())
        , version(parser.addVersionOption())
        , language(QStringLiteral("lang"),
                   tr("Show the windows in this language for the session: de (Deutsch) or en (English). "
                      "Without it, the desktop's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG); English "
                      "where it is neither."),
                   tr("language"))
        , battery(QStringLiteral("battery"), tr("Open FILE, a battery of one person's scores, in the Battery Sheet."),
                  QStringLiteral("FILE"))
        , pdf(QStringLiteral("pdf"), tr("With --battery: write its printed report to OUT and exit."),
              QStringLiteral("OUT"))
    {
        // Qt's options are single words after one dash: -platform, -style.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.setApplicationDescription(
            tr("Quintaval converts a raw score, or a score on any of the z, T, Wechsler IQ,\n"
               "NCE, CEEB and AGCT scales or a percentile, to every other scale.\n"
               "\n"
               "quintaval --battery FILE starts with FILE open in the Battery Sheet.\n"
               "quintaval --battery FILE --pdf OUT.pdf writes the Battery Sheet's printed\n"
               "report of FILE to OUT.pdf, with the settings the sheet last had, and exits\n"
               "without a window or a display: 0 when written, 1 when a file cannot be\n"
               "read or written, 2 on a usage error. A script can make one report per\n"
               "person this way.\n"
               "For CSV files of many scores, see quintaval-convert."));
        parser.addOption(language);
        parser.addOption(battery);
        parser.addOption(pdf);
        for (const char *name : kQtOptionsWithValue) {
            QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
        for (const char *name : kQtFlags) {
            QCommandLineOption option(QString::fromLatin1(name));
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
    }
};

} // namespace

std::optional<int> answerCommandLine(int argc, char *argv[], StartRequest &request)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    auto options = std::make_unique<Options>();
    if (!options->parser.parse(arguments)) {
        write(stderr, QStringLiteral("quintaval: %1\nTry 'quintaval --help' for more information.\n")
                          .arg(options->parser.errorText()));
        return kUsageError;
    }
    // --help-all would add Qt's options, which are not the program's to explain.
    const bool helpAsked = options->parser.isSet(options->help) || options->parser.isSet(QStringLiteral("help-all"));
    if (helpAsked || options->parser.isSet(options->version)) {
        // In the session's language: the translation needs an application
        // object, and the options are worded again once it is in use.
        QCoreApplication application(argc, argv);
        const std::optional<fw::Language> named = fw::languageNamed(options->parser.value(options->language));
        fw::useLanguage(named.value_or(fw::desktopLanguage()));
        options = std::make_unique<Options>();
        options->parser.parse(arguments);
        if (helpAsked) {
            // Without the program's name set the parser's first line names no program.
            const QString text = options->parser.helpText();
            write(stdout, Options::tr("Usage: quintaval [options]") + text.mid(text.indexOf(QLatin1Char('\n'))));
        } else {
            write(stdout, Options::tr("quintaval (Quintaval) %1\n").arg(QStringLiteral(QUINTAVAL_VERSION)));
        }
        fw::useLanguage(fw::Language::English);
        return 0;
    }
    QCommandLineParser &parser = options->parser;
    const QCommandLineOption &language = options->language;
    const QCommandLineOption &battery = options->battery;
    const QCommandLineOption &pdf = options->pdf;
    if (parser.isSet(language)) {
        const QString name = parser.value(language);
        const bool known = name.compare(QLatin1String("de"), Qt::CaseInsensitive) == 0
            || name.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0;
        if (!known) {
            write(stderr, QStringLiteral("quintaval: unknown language '%1'; the languages are de and en\n"
                                         "Try 'quintaval --help' for more information.\n")
                              .arg(name));
            return kUsageError;
        }
        request.language = fw::languageNamed(name);
    }
    if (!parser.positionalArguments().isEmpty()) {
        write(stderr, QStringLiteral("quintaval: unexpected argument '%1'\n"
                                     "Try 'quintaval --help' for more information.\n")
                          .arg(parser.positionalArguments().constFirst()));
        return kUsageError;
    }
    request.battery = parser.value(battery);
    request.pdf = parser.value(pdf);
    const bool emptyValue = (parser.isSet(battery) && request.battery.isEmpty())
        || (parser.isSet(pdf) && request.pdf.isEmpty());
    if (emptyValue || (parser.isSet(pdf) && !parser.isSet(battery))
        || parser.values(battery).size() > 1 || parser.values(pdf).size() > 1) {
        write(stderr, QStringLiteral("quintaval: %1\nTry 'quintaval --help' for more information.\n")
                          .arg(emptyValue ? QStringLiteral("--battery and --pdf each need a file name")
                                          : parser.isSet(pdf) && !parser.isSet(battery)
                                  ? QStringLiteral("--pdf needs --battery FILE, the battery to print")
                                  : QStringLiteral("--battery and --pdf are given once each")));
        return kUsageError;
    }
    return std::nullopt;
}

void startLanguage(const StartRequest &request)
{
    fw::useLanguage(request.language.value_or(fw::desktopLanguage()));
}

int writeBatteryPdf(int argc, char *argv[], const StartRequest &request)
{
    // No display is needed, nor used if there is one.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    nameApplication();
    startLanguage(request);
    const QString problem = battery::batteryFileToPdf(request.battery, request.pdf);
    if (!problem.isEmpty()) {
        write(stderr, QStringLiteral("quintaval: %1\n").arg(problem));
        return 1;
    }
    return 0;
}

} // namespace shell
