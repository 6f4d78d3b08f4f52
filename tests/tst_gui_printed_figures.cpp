// Every figure on the printed Battery Report, read back from the PDF: for
// batteries of short and very long names, of few and many scores, in both
// languages and on two metrics, nothing is cut ("…"), each figure the core
// worked out is there whole in the language's number format, and the
// examiner is named whole on every page.
#include "battery_window/battery_page.h"
#include "battery_window/battery_pdf.h"
#include "battery_window/sheet_results.h"
#include "battery_window/numbers.h"
#include "framework/language.h"
#include "framework/printed_document.h"
#include "profile/correlations.h"
#include "text/text_routines.h"
#include "tests/odt_reading.h"
#include "tests/program_fixture.h"

#include <QApplication>
#include <QPageSize>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <set>

namespace {

// Words of several lengths, so that long names wrap as names do.
const QString kFiller = QStringLiteral(
    "Processing Speed Index Symbol Search and Coding Working Memory Verbal Comprehension Visual Spatial "
    "Fluid Reasoning Delayed Recall Recognition Phonological Awareness Quantitative Knowledge ");

// A distinct name of exactly `length` characters.
QString nameOf(int index, int length)
{
    if (length == 1)
        return QString(QChar(index < 26 ? 'A' + index : '1' + index - 26));
    QString name = QString::number(index + 1) + QLatin1Char(' ');
    while (name.size() < length)
        name += kFiller;
    name.truncate(length);
    if (name.endsWith(QLatin1Char(' ')))
        name[length - 1] = QLatin1Char('x');
    return name;
}

QString longName(const QString &start)
{
    QString name = start + QLatin1Char(' ');
    while (name.size() < 150)
        name += kFiller;
    name.truncate(150);
    return name.trimmed() + QLatin1Char('q');
}

struct Battery {
    battery::Sheet sheet;
    profile::Correlations correlations;
};

// Scores spread wide enough for strengths, weaknesses and significant
// pairs; unequal reliabilities; groups for composites; retests for change;
// a retest study for some of those, a control sample for others; and one
// refused row.
Battery makeBattery(int scores, int nameLength)
{
    Battery battery;
    battery::Sheet &sheet = battery.sheet;
    sheet.id.person = "K-0117";
    sheet.id.birthDate = "2016-03-14";
    sheet.id.testDate = "2026-11-02";
    sheet.id.battery = longName(QStringLiteral("Battery")).toStdString();
    sheet.id.examiner = longName(QStringLiteral("Examiner")).toStdString();
    std::string header = "name";
    std::string matrix;
    for (int i = 0; i < scores; ++i) {
        battery::SheetRow row;
        const std::string name = nameOf(i, nameLength).toStdString();
        auto set = [&row](profile::Field field, const std::string &text) { row.cells[std::size_t(field)] = text; };
        set(profile::Field::Name, name);
        const int offset = (i * 37) % 61 - 30; // -30 .. 30
        switch (i % 4) {
        case 0: set(profile::Field::Scale, "wechsler"); set(profile::Field::Score, std::to_string(100 + offset)); break;
        case 1: set(profile::Field::Scale, "scaled"); set(profile::Field::Score, std::to_string(10 + offset / 5)); break;
        case 2: set(profile::Field::Scale, "t"); set(profile::Field::Score, std::to_string(50 + offset / 2)); break;
        default: set(profile::Field::Scale, "z"); set(profile::Field::Score, text::Format(offset / 15.0, "0.00")); break;
        }
        set(profile::Field::Reliability, "." + std::to_string(80 + (i * 7) % 16));
        if (i % 3 == 1) {
            if (i % 4 == 0)
                set(profile::Field::Retest, std::to_string(100 + offset + 12));
            else if (i % 4 == 1)
                set(profile::Field::Retest, std::to_string(10 + offset / 5 - 3));
            else if (i % 4 == 2)
                set(profile::Field::Retest, std::to_string(50 + offset / 2 + 1));
            else
                set(profile::Field::Retest, text::Format(offset / 15.0 + 0.5, "0.00"));
            if (i % 2 == 0)
                set(profile::Field::Practice, "2");
            // A retest study on the score's own scale.
            static const char *const kStudies[4][6] = {{"100", "15", "103", "14", ".85", "60"},
                                                       {"10", "3", "10.5", "3", ".8", "45"},
                                                       {"50", "10", "51", "9.5", ".8", "30"},
                                                       {"0", "1", ".1", "1", ".75", "25"}};
            if (i % 2 == 1)
                for (std::size_t k = 0; k < 6; ++k)
                    set(battery::kStudyFields[k], kStudies[i % 4][k]);
        }
        if (i % 5 == 2) {
            static const char *const kControls[4][3] = {{"100", "15", "20"}, {"10", "3", "12"}, {"50", "10", "28"},
                                                        {"0", "1", "15"}};
            for (std::size_t k = 0; k < 3; ++k)
                set(battery::kControlsFields[k], kControls[i % 4][k]);
        }
        set(profile::Field::Group, i % 5 == 4 ? "" : "Group " + std::to_string(i % 2 + 1));
        sheet.rows.push_back(row);
        header += ",\"" + name + "\"";
        matrix += "\"" + name + "\"";
        for (int j = 0; j <= i; ++j)
            matrix += j == i ? ",1" : "," + std::string(j % 2 ? ".55" : ".62");
        matrix += "\n";
    }
    battery::SheetRow refused;
    refused.cells[std::size_t(profile::Field::Name)] = "Refused " + nameOf(scores, nameLength).toStdString();
    refused.cells[std::size_t(profile::Field::Scale)] = "wechsler";
    refused.cells[std::size_t(profile::Field::Score)] = "1o5";
    sheet.rows.push_back(refused);
    profile::CorrelationError error;
    if (!profile::Correlations::parse(header + "\n" + matrix, battery.correlations, error))
        qFatal("%s", profile::errorMessage(error).c_str());
    return battery;
}

QString page(const profile::Figure &figure)
{
    return battery::numbers::page(figure.text);
}

// Every figure of the analysis the printed report shows.
QStringList figuresOf(const battery::Sheet &sheet, const battery::SheetResults &results)
{
    QStringList figures;
    auto add = [&figures](const profile::Figure &figure) {
        if (figure.known() && !figure.text.empty())
            figures << page(figure);
    };
    const profile::Analysis &analysis = results.analysis;
    for (std::size_t i = 0; i < analysis.scores.size(); ++i) {
        const profile::ScoreResult &score = analysis.scores[i];
        if (score.problem)
            continue;
        const battery::SheetRow &row = sheet.rows[std::size_t(results.rowOfEntry(int(i)))];
        figures << battery::numbers::page(row.cell(profile::Field::Score))
                << battery::numbers::page(row.cell(profile::Field::Reliability));
        for (const profile::Figure *figure : {&score.metric, &score.percentileRank, &score.ciLow, &score.ciHigh,
                                              &score.deviation, &score.deviationCritical, &score.deviationBaseRate,
                                              &score.rci, &score.regression.predicted, &score.regression.z,
                                              &score.regression.t, &score.regression.p, &score.regression.percent,
                                              &score.regression.percentLow, &score.regression.percentHigh,
                                              &score.controls.t, &score.controls.df, &score.controls.p,
                                              &score.controls.zcc, &score.controls.zccLow, &score.controls.zccHigh,
                                              &score.controls.percent, &score.controls.percentLow,
                                              &score.controls.percentHigh})
            add(*figure);
    }
    for (const profile::PairResult &pair : analysis.pairs)
        if (pair.significant == profile::Significance::Yes)
            for (const profile::Figure *figure : {&pair.difference, &pair.critical, &pair.baseRate})
                add(*figure);
    for (const profile::CompositeResult &composite : analysis.composites)
        for (const profile::Figure *figure : {&composite.metric, &composite.percentileRank, &composite.reliability,
                                              &composite.ciLow, &composite.ciHigh})
            add(*figure);
    // The page works out a distribution the sheet is still waiting for.
    for (profile::UnusualSet set : results.unusual) {
        if (set.lowBaseRate.missing == profile::Missing::Working)
            profile::setLowBaseRate(set, battery::sharedLowScores().get(set.matrix, set.k(), set.cutoff).get());
        for (const profile::Figure *figure : {&set.lowCount, &set.lowBaseRate, &set.mahalanobis, &set.mahalanobisRate})
            add(*figure);
    }
    return figures;
}

} // namespace

class TestPrintedFigures : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void cleanup() { fw::useLanguage(fw::Language::English); }
    void everyFigureWhole_data();
    void everyFigureWhole();
    void editableDocument_data();
    void editableDocument();
    void wordProcessorReadsThePrintedWords_data();
    void wordProcessorReadsThePrintedWords();
};

void TestPrintedFigures::everyFigureWhole_data()
{
    QTest::addColumn<bool>("german");
    QTest::addColumn<int>("scores");
    QTest::addColumn<int>("nameLength");
    QTest::addColumn<bool>("zMetric");
    QTest::addColumn<int>("paper");
    // Each name length with few and many scores, each on both metrics
    // somewhere, in both languages; not the whole cross product.
    struct Case {
        int scores, nameLength;
        bool z;
    };
    const Case cases[] = {{3, 1, false}, {30, 1, true},   {12, 20, true},  {30, 20, false},
                          {12, 70, false}, {30, 70, true}, {3, 150, true},  {12, 150, false},
                          {30, 150, true}, {30, 150, false}};
    for (const bool german : {false, true})
        for (const Case &c : cases)
            QTest::addRow("%s, %d scores, names of %d, %s", german ? "German" : "English", c.scores, c.nameLength,
                          c.z ? "z" : "Wechsler")
                << german << c.scores << c.nameLength << c.z << int(QPageSize::A4);
    // Paper too narrow for the scores table even in the least type: it is
    // split under its heading, continued.
    for (const bool german : {false, true})
        QTest::addRow("%s, 12 scores, names of 20, z, A6", german ? "German" : "English")
            << german << 12 << 20 << true << int(QPageSize::A6);
}

void TestPrintedFigures::everyFigureWhole()
{
    QFETCH(bool, german);
    QFETCH(int, scores);
    QFETCH(int, nameLength);
    QFETCH(bool, zMetric);
    QFETCH(int, paper);
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("needs pdftotext (poppler-utils)");
    fw::useLanguage(german ? fw::Language::German : fw::Language::English);
    const Battery battery = makeBattery(scores, nameLength);
    profile::Settings settings;
    settings.metric = zMetric ? profile::Metric::Z : profile::Metric::Wechsler;
    battery::SheetResults results;
    battery::workOut(battery.sheet, battery.correlations, settings, results);
    // The battery has what the report must show whole.
    const profile::Analysis &analysis = results.analysis;
    QCOMPARE(analysis.refused.size(), std::size_t(1));
    QVERIFY(std::any_of(analysis.pairs.begin(), analysis.pairs.end(),
                        [](const profile::PairResult &p) { return p.significant == profile::Significance::Yes; }));
    QVERIFY(std::any_of(analysis.composites.begin(), analysis.composites.end(),
                        [](const profile::CompositeResult &c) { return c.missing == profile::Missing::None; }));
    QVERIFY(std::any_of(analysis.scores.begin(), analysis.scores.end(),
                        [](const profile::ScoreResult &s) { return s.rci.known(); }));
    QVERIFY(std::any_of(results.unusual.begin(), results.unusual.end(),
                        [](const profile::UnusualSet &u) { return u.mahalanobis.known(); }));
    QVERIFY(std::any_of(analysis.scores.begin(), analysis.scores.end(),
                        [](const profile::ScoreResult &s) { return s.regression.percentHigh.known(); }));
    QVERIFY(std::any_of(analysis.scores.begin(), analysis.scores.end(),
                        [](const profile::ScoreResult &s) { return s.controls.percentHigh.known(); }));
    QVERIFY(std::any_of(analysis.scores.begin(), analysis.scores.end(),
                        [](const profile::ScoreResult &s) { return s.deviation.known() && s.deviation.value < 0; }));

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("battery.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::PageSizeId(paper)));
    battery::BatteryReport report{&battery.sheet, &results, settings, QStringLiteral("AACN"),
                                  QStringLiteral("correlations.csv")};
    int pages = 0;
    QVERIFY(battery::printBattery(printer, report, &pages));
    const std::optional<QString> text = pdfText(pdf);
    QVERIFY(text);
    const QString printed = text->normalized(QString::NormalizationForm_KC);

    for (const QString &cut : {QString(QChar(0x2026)), QStringLiteral("...")})
        QVERIFY2(!printed.contains(cut), qPrintable(printed.mid(std::max<qsizetype>(0, printed.indexOf(cut) - 300), 600)));
    const QStringList split = printed.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    const std::set<QString> words(split.begin(), split.end());
    for (const QString &figure : figuresOf(battery.sheet, results))
        QVERIFY2(words.count(figure), qPrintable(QStringLiteral("%1 is not printed whole").arg(figure)));
    // Each block under its own heading, a line to itself: the Method's
    // paragraphs name the same topics.
    QStringList lines;
    for (const QString &line : printed.split(QLatin1Char('\n')))
        lines << line.simplified();
    // A question may wrap on a small page; it is printed whole all the same.
    const QString question = QCoreApplication::translate("battery::BatteryPage", "How unusual is this profile?");
    QVERIFY2(printed.simplified().contains(question), qPrintable(question));
    for (const char *heading : {"Battery Report", "Scores", "Composites", "Change on retest", "Case against controls",
                                "Significant differences", "Method", "References"}) {
        const QString translated = QCoreApplication::translate("battery::BatteryPage", heading);
        QVERIFY2(lines.contains(translated), qPrintable(translated));
    }
    const QString continued = QCoreApplication::translate("battery::BatteryPage", "%1 (continued)")
                                  .arg(QCoreApplication::translate("battery::BatteryPage", "Scores"));
    QCOMPARE(lines.contains(continued), paper == int(QPageSize::A6));
    // The refused row, named and said to be left out.
    const QString refusedName = QString::fromStdString(battery.sheet.rows.back().cell(profile::Field::Name));
    const QString leftOut = QCoreApplication::translate("battery::BatteryPage", "%1 is left out: %2")
                                .arg(refusedName, QStringLiteral("\x01"))
                                .section(QChar(1), 0, 0)
                                .simplified();
    QVERIFY2(printed.simplified().contains(leftOut), qPrintable(leftOut));

    const QStringList sheets = printed.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QCOMPARE(sheets.size(), pages);
    const QString examiner = QString::fromStdString(battery.sheet.id.examiner);
    const QString test = QString::fromStdString(battery.sheet.id.battery);
    for (int at = 0; at < sheets.size(); ++at) {
        const QString words = sheets[at].simplified();
        QVERIFY2(words.contains(examiner), qPrintable(QStringLiteral("page %1: %2").arg(at + 1).arg(words.left(600))));
        QVERIFY2(words.contains(test), qPrintable(QStringLiteral("page %1").arg(at + 1)));
        QVERIFY(words.contains(QStringLiteral("K-0117")));
    }
}

void TestPrintedFigures::editableDocument_data()
{
    QTest::addColumn<bool>("german");
    QTest::newRow("English") << false;
    QTest::newRow("German") << true;
}

// A 12-score Battery Report written as an OpenDocument text, through the
// same writer as Export Document…: every figure the printed report shows
// is a table cell's text or within one, each heading a paragraph of its
// own, the chart a 300 dpi picture with the page's width.
void TestPrintedFigures::editableDocument()
{
    QFETCH(bool, german);
    if (!hasUnzip())
        QSKIP("needs unzip to read the document back");
    fw::useLanguage(german ? fw::Language::German : fw::Language::English);
    const Battery battery = makeBattery(12, 20);
    profile::Settings settings;
    battery::SheetResults results;
    battery::workOut(battery.sheet, battery.correlations, settings, results);
    const battery::BatteryReport report{&battery.sheet, &results, settings, QStringLiteral("AACN"),
                                        QStringLiteral("correlations.csv")};
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("battery.odt"));
    QVERIFY(battery::exportOdt({report}, path, {}).isEmpty());
    const std::optional<OdtContents> odt = readOdt(path);
    QVERIFY(odt);

    QStringList cellWords;
    for (const QString &cell : odt->cells)
        cellWords << cell.split(QLatin1Char(' '));
    for (const QString &figure : figuresOf(battery.sheet, results))
        QVERIFY2(cellWords.contains(figure), qPrintable(QStringLiteral("%1 is in no cell").arg(figure)));
    QVERIFY(odt->cells.contains(german ? QStringLiteral("02.11.2026") : QStringLiteral("2026-11-02")));
    QVERIFY(odt->cells.contains(QString::fromStdString(battery.sheet.id.examiner)));
    // Headings as a word processor's navigator lists them.
    QList<std::pair<int, QString>> headings;
    for (const char *heading : {"Battery Report", "Scores", "How unusual is this profile?", "Composites",
                                "Change on retest", "Case against controls", "Significant differences", "Method"}) {
        const QString translated = QCoreApplication::translate("battery::BatteryPage", heading);
        QVERIFY2(odt->paragraphs.contains(translated), qPrintable(translated));
        headings << std::pair{headings.isEmpty() ? 1 : 2, translated};
    }
    headings << std::pair{3, QCoreApplication::translate("battery::BatteryPage", "References")};
    std::sort(headings.begin() + 1, headings.end());
    QList<std::pair<int, QString>> read = odt->headings;
    QVERIFY(!read.isEmpty());
    std::sort(read.begin() + 1, read.end());
    QCOMPARE(read, headings);
    // Every table of figures has its head row repeated; the identification
    // and the references' two columns have no head.
    QCOMPARE(odt->headRows.size(), odt->tables);
    QCOMPARE(odt->headRows.front(), 0);
    QCOMPARE(odt->headRows.back(), 0);
    QCOMPARE(odt->headRows.count(1), odt->tables - 2);
    QVERIFY(odt->tables >= 5);
    // Each table of figures with its columns as wide as printed, so that a
    // word processor breaks no figure; within an A4 or Letter page's body.
    for (int t = 0; t < odt->tables; ++t) {
        if (odt->headRows[t] == 0)
            continue;
        double whole = 0;
        for (double width : odt->columnWidths[t]) {
            QVERIFY2(width > 0, qPrintable(QStringLiteral("table %1").arg(t)));
            whole += width;
        }
        QVERIFY(whole <= 528);
    }
    QCOMPARE(odt->language, german ? QStringLiteral("de-DE") : QStringLiteral("en-US"));
    QVERIFY(odt->soundPackage);
    QVERIFY2(odt->unknownStyles.isEmpty(), qPrintable(odt->unknownStyles.join(QLatin1Char(' '))));
    // The language's own words and decimal sign.
    const QString words = odt->paragraphs.join(QLatin1Char(' '));
    QCOMPARE(words.contains(QStringLiteral("Stärken")), german);
    const QRegularExpression decimal(german ? QStringLiteral("^-?\\d+,\\d+$") : QStringLiteral("^-?\\d*\\.\\d+$"));
    QVERIFY(std::any_of(cellWords.begin(), cellWords.end(), [&](const QString &w) { return decimal.match(w).hasMatch(); }));

    QCOMPARE(odt->pictures.size(), 1);
    QCOMPARE(odt->frames.size(), 1);
    QVERIFY(odt->frames.front().width() > 400);
    QVERIFY(qAbs(odt->pictures.front().width() - odt->frames.front().width() * fw::kPictureDpi / 72) <= 2);
    QVERIFY(qAbs(odt->pictures.front().height() - odt->frames.front().height() * fw::kPictureDpi / 72) <= 2);
    QCOMPARE(qRound(odt->pictures.front().dotsPerMeterX() * 0.0254), qRound(fw::kPictureDpi));
    // The chart's words name every score.
    QCOMPARE(odt->titles.size(), 1);
    QCOMPARE(odt->descriptions, odt->titles);
    for (std::size_t i = 0; i + 1 < battery.sheet.rows.size(); ++i) { // the last is refused
        const std::string name = battery.sheet.rows[i].cell(profile::Field::Name);
        QVERIFY2(odt->titles.front().contains(QString::fromStdString(name)), name.c_str());
    }
}

void TestPrintedFigures::wordProcessorReadsThePrintedWords_data()
{
    editableDocument_data();
}

// Where LibreOffice is installed, the document it reads says what the PDF
// says: each of its words is a printed word, and the printed report's
// figures and headings are all in it, in the same language.
void TestPrintedFigures::wordProcessorReadsThePrintedWords()
{
    QFETCH(bool, german);
    const QString office = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (office.isEmpty())
        QSKIP("LibreOffice (soffice) is not installed: the document is not compared with the PDF");
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("needs pdftotext (poppler-utils)");
    fw::useLanguage(german ? fw::Language::German : fw::Language::English);
    const Battery battery = makeBattery(12, 20);
    profile::Settings settings;
    battery::SheetResults results;
    battery::workOut(battery.sheet, battery.correlations, settings, results);
    const battery::BatteryReport report{&battery.sheet, &results, settings, QStringLiteral("AACN"), QString()};
    QTemporaryDir dir;
    const QString odt = dir.filePath(QStringLiteral("battery.odt"));
    const QString pdf = dir.filePath(QStringLiteral("battery.pdf"));
    QVERIFY(battery::exportOdt({report}, odt, {}).isEmpty());
    QVERIFY(battery::exportPdf({report}, pdf, {}).isEmpty());
    QProcess convert;
    convert.setWorkingDirectory(dir.path());
    convert.start(office, {QStringLiteral("--headless"), QStringLiteral("-env:UserInstallation=file://") + dir.filePath("profile"),
                           QStringLiteral("--convert-to"), QStringLiteral("txt:Text (encoded):UTF8"),
                           QStringLiteral("--outdir"), dir.path(), odt});
    QVERIFY(convert.waitForFinished(180000));
    QFile text(dir.filePath(QStringLiteral("battery.txt")));
    QVERIFY(text.open(QIODevice::ReadOnly));
    const QString read = QString::fromUtf8(text.readAll()).remove(QChar(0xFEFF)).normalized(QString::NormalizationForm_KC);
    const std::optional<QString> printed = pdfText(pdf);
    QVERIFY(printed);
    const QString printedText = printed->normalized(QString::NormalizationForm_KC);
    const QRegularExpression space(QStringLiteral("\\s+"));
    const QStringList readWords = read.split(space, Qt::SkipEmptyParts);
    // Words as letters and digits: the PDF's text has the captions' colons,
    // its own line breaks and its own way with a combining bar.
    auto words = [](const QString &text) {
        QString plain = text.normalized(QString::NormalizationForm_KD);
        plain.remove(QRegularExpression(QStringLiteral("\\p{Mn}")));
        std::set<QString> found;
        QRegularExpressionMatchIterator it = QRegularExpression(QStringLiteral("\\w+"),
                                                                QRegularExpression::UseUnicodePropertiesOption)
                                                 .globalMatch(plain);
        while (it.hasNext())
            found.insert(it.next().captured());
        return found;
    };
    std::set<QString> printedWords = words(printedText);
    // A hyphenated word broken at a line's end is printed as one.
    QRegularExpressionMatchIterator hyphenated
        = QRegularExpression(QStringLiteral("\\w+(-\\w+)+"), QRegularExpression::UseUnicodePropertiesOption).globalMatch(read);
    while (hyphenated.hasNext()) {
        const QString compound = hyphenated.next().captured();
        if (printedWords.count(QString(compound).remove(QLatin1Char('-'))))
            for (const QString &part : words(compound))
                printedWords.insert(part);
    }
    QStringList unprinted;
    for (const QString &word : words(read))
        if (!printedWords.count(word))
            unprinted << word;
    QVERIFY2(unprinted.isEmpty(), qPrintable(unprinted.join(QLatin1Char(' '))));
    for (const QString &figure : figuresOf(battery.sheet, results))
        QVERIFY2(readWords.contains(figure), qPrintable(figure));
    QStringList lines;
    for (const QString &line : read.split(QLatin1Char('\n')))
        lines << line.simplified();
    for (const char *heading : {"Battery Report", "Scores", "How unusual is this profile?", "Composites",
                                "Change on retest", "Case against controls", "Significant differences", "Method"}) {
        const QString translated = QCoreApplication::translate("battery::BatteryPage", heading);
        QVERIFY2(lines.contains(translated), qPrintable(translated));
    }
}

QTEST_MAIN(TestPrintedFigures)
#include "tst_gui_printed_figures.moc"
