#include "shell/command_line.h"

#include "battery_window/battery_pdf.h"
#include "interpretation/interpretation.h"
#include "profile/profile.h"
#include "profile/unusual.h"
#include "shell/program.h"
#include "text/ascii.h"
#include "text/plain_number.h"
#include "text/text_routines.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <memory>
#include <vector>

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

// The printed report's options, as quintaval-convert --profile has them.
struct ReportOption {
    const char *name;
    const char *description;
    const char *value; // empty: a flag
};
constexpr ReportOption kReportOptions[] = {
    {"person",
     QT_TRANSLATE_NOOP("CommandLine", "With --pdf: print only the person of this name; without it, every person in "
                                      "FILE, each from a new page."),
     "NAME"},
    {"metric", QT_TRANSLATE_NOOP("CommandLine", "With --pdf: the common metric, wechsler, t, scaled or z."), "M"},
    {"alpha", QT_TRANSLATE_NOOP("CommandLine", "With --pdf: the level of the two-tailed tests, 0 < A < .5."), "A"},
    {"bonferroni",
     QT_TRANSLATE_NOOP("CommandLine", "With --pdf: divide alpha among the scores tested for strengths and weaknesses."),
     ""},
    {"confidence", QT_TRANSLATE_NOOP("CommandLine", "With --pdf: the confidence of the intervals in percent, 50 <= C < 100."),
     "C"},
    {"ci-method",
     QT_TRANSLATE_NOOP("CommandLine", "With --pdf: intervals about the estimated true score (true-score) or about "
                                      "the score itself (obtained)."),
     "M"},
    {"descriptors",
     QT_TRANSLATE_NOOP("CommandLine", "With --pdf: aacn, wechsler, wechsler-classic, woodcock-johnson or a "
                                      "descriptor file."),
     "D"},
    {"correlations", QT_TRANSLATE_NOOP("CommandLine", "With --pdf: the correlation matrix of the scores."), "FILE"},
    {"change-method",
     QT_TRANSLATE_NOOP("CommandLine", "With --pdf: what decides a reliable change, jt (the RCI), srb or cg (by the "
                                      "retest study's regression)."),
     "M"},
    {"pairs-correction",
     QT_TRANSLATE_NOOP("CommandLine", "With --pdf: how a person's pairs of scores are tested as a family: none, "
                                      "bonferroni or holm."),
     "C"},
    {"low-cutoff",
     QT_TRANSLATE_NOOP("CommandLine", "With --pdf: a score is low below this percentile, 0 < P < 50."), "P"},
};

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
    QCommandLineOption help, version, language, battery, pdf, odt;
    std::vector<QCommandLineOption> report;

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
        , odt(QStringLiteral("odt"),
              tr("With --battery: write its report as an OpenDocument text (.odt) to OUT and exit; it takes the "
                 "options and exit statuses of --pdf."),
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
               "report of FILE to OUT.pdf and exits without a window or a display. Every\n"
               "person in FILE is printed, each from a new page with their own page\n"
               "numbers, or the one --person names. The options below set the report\n"
               "as quintaval-convert --profile has them; those not given take the\n"
               "settings the sheet last had. OUT may be a device or a pipe, never FILE or\n"
               "a file the report is made from, by any name or link. Exit status: 0 when\n"
               "written, 1 when a file cannot be read or written (a stored descriptor or\n"
               "correlation file too), 2 on a usage error or when OUT is a file the\n"
               "report is made from.\n"
               "For CSV files of many scores, see quintaval-convert."));
        parser.addOption(language);
        parser.addOption(battery);
        parser.addOption(pdf);
        parser.addOption(odt);
        for (const ReportOption &option : kReportOptions)
            report.emplace_back(QString::fromLatin1(option.name), tr(option.description), QString::fromLatin1(option.value));
        for (const QCommandLineOption &option : report)
            parser.addOption(option);
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

// An option's number with a decimal point or a decimal comma, as the core
// reads it (with a point); empty when it is none.
std::string optionNumber(const QString &value)
{
    std::string number;
    const std::string given = value.toStdString();
    if (text::readPlainNumber(given, {'.', false}, number) || text::readPlainNumber(given, {',', false}, number))
        return number;
    return {};
}

// The report's options, meaning what they mean to `quintaval-convert
// --profile`; empty when all are usable, otherwise why one is not.
QString readReportOptions(const QCommandLineParser &parser, battery::PdfRequest &out)
{
    const auto given = [&](const char *name) { return parser.isSet(QString::fromLatin1(name)); };
    const auto value = [&](const char *name) { return parser.value(QString::fromLatin1(name)); };
    if (given("person"))
        out.person = value("person");
    if (given("metric")) {
        out.metric = profile::findMetric(text::lowerAscii(value("metric").toStdString()));
        if (!out.metric)
            return QCoreApplication::translate("CommandLine", "--metric takes wechsler, t, scaled or z, not \"%1\"").arg(value("metric"));
    }
    if (given("alpha")) {
        const std::string number = optionNumber(value("alpha"));
        if (number.empty() || !profile::alphaUsable(text::Val(number)))
            return QCoreApplication::translate("CommandLine", "--alpha must be a number greater than 0 and less than .5, not \"%1\"").arg(value("alpha"));
        out.alpha = text::Val(number);
    }
    out.bonferroni = given("bonferroni");
    if (given("confidence")) {
        const std::string number = optionNumber(value("confidence"));
        if (number.empty())
            return QCoreApplication::translate("CommandLine", "--confidence: \"%1\" is not a number").arg(value("confidence"));
        if (const std::string why = interpretation::checkConfidence(number); !why.empty())
            return QCoreApplication::translate("CommandLine", "--confidence \"%1\": %2").arg(value("confidence"), QString::fromStdString(why));
        out.confidence = text::Val(number);
    }
    if (given("ci-method")) {
        const std::string method = text::lowerAscii(value("ci-method").toStdString());
        if (method == "true-score")
            out.method = interpretation::Method::TrueScore;
        else if (method == "obtained")
            out.method = interpretation::Method::Obtained;
        else
            return QCoreApplication::translate("CommandLine", "--ci-method takes true-score or obtained, not \"%1\"").arg(value("ci-method"));
    }
    if (given("descriptors"))
        out.descriptors = value("descriptors");
    if (given("correlations"))
        out.correlations = value("correlations");
    if (given("change-method")) {
        const std::string method = text::lowerAscii(value("change-method").toStdString());
        if (method == "jt")
            out.changeMethod = profile::ChangeMethod::JacobsonTruax;
        else if (method == "srb")
            out.changeMethod = profile::ChangeMethod::Srb;
        else if (method == "cg")
            out.changeMethod = profile::ChangeMethod::CrawfordGarthwaite;
        else
            return QCoreApplication::translate("CommandLine", "--change-method takes jt, srb or cg, not \"%1\"")
                .arg(value("change-method"));
    }
    if (given("pairs-correction")) {
        out.pairsCorrection = profile::findCorrection(text::lowerAscii(value("pairs-correction").toStdString()));
        if (!out.pairsCorrection)
            return QCoreApplication::translate("CommandLine", "--pairs-correction takes none, bonferroni or holm, not \"%1\"")
                .arg(value("pairs-correction"));
    }
    if (given("low-cutoff")) {
        const std::string number = optionNumber(value("low-cutoff"));
        if (number.empty() || !profile::lowCutoffUsable(text::Val(number)))
            return QCoreApplication::translate("CommandLine", "--low-cutoff must be a number greater than 0 and less than 50, not \"%1\"")
                .arg(value("low-cutoff"));
        out.lowCutoff = text::Val(number);
    }
    return {};
}

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
    const QCommandLineOption &odt = options->odt;
    // --odt is --pdf writing the other format: the same rules from here on.
    const bool asOdt = parser.isSet(odt);
    if (asOdt && parser.isSet(options->pdf)) {
        write(stderr, QStringLiteral("quintaval: --pdf and --odt cannot be given together\n"
                                     "Try 'quintaval --help' for more information.\n"));
        return kUsageError;
    }
    const QCommandLineOption &pdf = asOdt ? odt : options->pdf;
    const std::vector<QCommandLineOption> &reportOptions = options->report;
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
    request.printing.odt = asOdt;
    const bool emptyValue = (parser.isSet(battery) && request.battery.isEmpty())
        || (parser.isSet(pdf) && request.pdf.isEmpty());
    if (emptyValue || (parser.isSet(pdf) && !parser.isSet(battery))
        || parser.values(battery).size() > 1 || parser.values(pdf).size() > 1) {
        write(stderr, QStringLiteral("quintaval: %1\nTry 'quintaval --help' for more information.\n")
                          .arg((emptyValue ? QStringLiteral("--battery and --pdf each need a file name")
                                          : parser.isSet(pdf) && !parser.isSet(battery)
                                  ? QStringLiteral("--pdf needs --battery FILE, the battery to print")
                                  : QStringLiteral("--battery and --pdf are given once each"))
                                   .replace(QLatin1String("--pdf"), asOdt ? QLatin1String("--odt") : QLatin1String("--pdf"))));
        return kUsageError;
    }
    QString optionProblem;
    for (const QCommandLineOption &option : reportOptions) {
        const QString name = option.names().constFirst();
        if (!parser.isSet(name))
            continue;
        if (!parser.isSet(pdf))
            optionProblem = QCoreApplication::translate("CommandLine", "--%1 is for the printed report: it needs --battery FILE --pdf OUT").arg(name);
        else if (!option.valueName().isEmpty() && parser.values(name).size() > 1)
            optionProblem = QCoreApplication::translate("CommandLine", "--%1 is given once").arg(name);
        else if (!option.valueName().isEmpty() && parser.value(name).isEmpty())
            optionProblem = QCoreApplication::translate("CommandLine", "--%1 needs a value").arg(name);
        if (!optionProblem.isEmpty())
            break;
    }
    if (optionProblem.isEmpty() && parser.isSet(pdf))
        optionProblem = readReportOptions(parser, request.printing);
    if (!optionProblem.isEmpty()) {
        write(stderr, QStringLiteral("quintaval: %1\n").arg(optionProblem)
                          + QCoreApplication::translate("CommandLine", "Try 'quintaval --help' for more information.\n"));
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
    battery::PdfRequest printing = request.printing;
    printing.battery = request.battery;
    printing.pdf = request.pdf;
    const battery::PdfOutcome outcome = battery::batteryFileToPdf(printing);
    if (outcome.status != 0)
        write(stderr, QStringLiteral("quintaval: %1\n").arg(outcome.message));
    return outcome.status;
}

} // namespace shell
