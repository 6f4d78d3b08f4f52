// Quintaval in German, as a German-speaking user meets it under a de_DE
// locale: decimal commas typed and shown, the Score Report's table,
// sentence and explanations in German, the printed page, the descriptor
// labels, the language chosen and named, and settings that read back the
// same in either language. With QUINTAVAL_SCREENSHOTS set to a folder, the
// windows are saved there as pictures for the README.
#include "conversion/calculate.h"
#include "framework/language.h"
#include "interpretation/interpretation.h"
#include "battery_window/battery_wnd.h"
#include "battery_window/scores_model.h"
#include "profile/profile.h"
#include "report_window/core_words.h"
#include "report_window/curve_view.h"
#include "report_window/report_text.h"
#include "shell/about_wnd.h"
#include "shell/description_wnd.h"
#include "tests/field_texts.h"
#include "tests/report_fixture.h"
#include "tests/mnemonics.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextDocumentFragment>

#include <set>

using report::ReportWnd;

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The window as the README shows it, when asked for.
void keepPicture(QWidget *window, const char *name)
{
    const QString folder = qEnvironmentVariable("QUINTAVAL_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    window->grab().save(folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
}

} // namespace

class TestGerman : public QObject, ReportFixture {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        startTests();
        fw::useLanguage(fw::desktopLanguage());
        QCOMPARE(fw::currentLanguage(), fw::Language::German);
    }
    void init() { startProgram(); }
    void cleanup()
    {
        endProgram();
        fw::useLanguage(fw::Language::German);
    }

    void languageOfTheDesktop_data();
    void languageOfTheDesktop();
    void numbersOfTheLocale_data();
    void numbersOfTheLocale();
    void typedWithDecimalComma_data();
    void typedWithDecimalComma();
    void refusedInGerman_data();
    void refusedInGerman();
    void reportInGerman();
    void reliabilityWithDecimalComma_data();
    void reliabilityWithDecimalComma();
    void copiedTableReadsAsNumbers();
    void descriptorLabels_data();
    void descriptorLabels();
    void customLabelsAsWritten();
    void printedInGerman();
    void settingsReadBackInEitherLanguage();
    void aboutNamesTheLanguage();
    void descriptionInGerman();
    void batteryInGerman();
    void commandLineLanguage_data();
    void commandLineLanguage();
    void germanPageOnACDesktop();
    void numbersAsWritten_data();
    void numbersAsWritten();
    void printedPagesReadAsGerman_data();
    void printedPagesReadAsGerman();
    void germanDatesTyped();
    void bandNamesNeverTurned_data();
    void bandNamesNeverTurned();

private:
    QString shownSentence() const
    {
        return QTextDocumentFragment::fromHtml(in<QLabel>("sentenceTxt")->text()).toPlainText();
    }
    QString howText() const { return in<QTextBrowser>("howPane")->toPlainText(); }
    QString converterText(const char *field) const
    {
        return QString::fromStdString(fw::implicitWindow<ControlWnd>()->Text(field));
    }
    void restartIn(fw::Language language)
    {
        m_program.reset();
        fw::useLanguage(language);
        m_program = std::make_unique<shell::Program>();
        endSplash();
    }
    void chooseDescriptors(const QString &shown)
    {
        auto *box = in<QComboBox>("descriptorBox");
        const int at = box->findText(shown);
        QVERIFY2(at >= 0, qPrintable(shown));
        box->setCurrentIndex(at);
        emit box->activated(at);
    }
};

void TestGerman::languageOfTheDesktop_data()
{
    QTest::addColumn<QString>("messages"); // LC_ALL, else LC_MESSAGES, else LANG
    QTest::addColumn<QStringList>("preferred"); // as Qt reads them (LANGUAGE first)
    QTest::addColumn<bool>("german");
    QTest::newRow("de_DE") << "de_DE.UTF-8" << QStringList{"de-DE"} << true;
    QTest::newRow("de_AT") << "de_AT.UTF-8" << QStringList{"de-AT", "de"} << true;
    QTest::newRow("French, then German") << "fr_FR.UTF-8" << QStringList{"fr-FR", "de-DE"} << true;
    QTest::newRow("French only") << "fr_FR.UTF-8" << QStringList{"fr-FR"} << false;
    QTest::newRow("English before German") << "de_DE.UTF-8" << QStringList{"en-US", "de-DE"} << false;
    QTest::newRow("C, with LANGUAGE=de") << "C.UTF-8" << QStringList{"de"} << false;
    QTest::newRow("nothing set") << "" << QStringList{} << false;
}

void TestGerman::languageOfTheDesktop()
{
    QFETCH(QString, messages);
    QFETCH(QStringList, preferred);
    QFETCH(bool, german);
    QCOMPARE(fw::desktopLanguage(messages, preferred) == fw::Language::German, german);
}

void TestGerman::numbersOfTheLocale_data()
{
    QTest::addColumn<QLocale>("desktop");
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("mark");
    QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany) << true << ",";
    QTest::newRow("de_CH writes a point") << QLocale(QLocale::German, QLocale::Switzerland) << true << ".";
    QTest::newRow("--lang de on a C desktop") << QLocale::c() << true << ",";
    QTest::newRow("English on a German desktop") << QLocale(QLocale::German, QLocale::Germany) << false << ".";
    QTest::newRow("English in South Africa, as before") << QLocale(QLocale::English, QLocale::SouthAfrica) << false
                                                       << ".";
}

void TestGerman::numbersOfTheLocale()
{
    QFETCH(QLocale, desktop);
    QFETCH(bool, german);
    QFETCH(QString, mark);
    const fw::Language language = german ? fw::Language::German : fw::Language::English;
    QCOMPARE(QString(fw::decimalMarkOf(fw::numberLocale(language, desktop))), mark);
}

void TestGerman::typedWithDecimalComma_data()
{
    QTest::addColumn<Fields>("typed");
    QTest::addColumn<QString>("english"); // the same calculation as the core reads it
    QTest::addColumn<QString>("field");   // a field to read back as typed
    QTest::addColumn<QString>("shown");
    QTest::newRow("z 1,5") << Fields{{"zFld", "1,5"}} << "z=1.5" << "zFld" << "+1,5";
    QTest::newRow("z -,25") << Fields{{"zFld", "-,25"}} << "z=-.25" << "zFld" << "-,25";
    QTest::newRow("a typed point is refused") << Fields{{"rawFld", "2.5"}, {"rawmeanFld", "20"}, {"rawsdFld", "4"}}
                                              << "raw=25;mean=20;sd=4" << "rawFld" << "25";
    QTest::newRow("raw scores with commas") << Fields{{"rawFld", "23,5"}, {"rawmeanFld", "20"}, {"rawsdFld", "4,25"}}
                                            << "raw=23.5;mean=20;sd=4.25" << "rawsdFld" << "4,25";
    QTest::newRow("AGCT 9,5") << Fields{{"agctFld", "9,5"}} << "agct=9.5" << "agctFld" << "10";
    QTest::newRow("T takes no comma") << Fields{{"tFld", "6,1"}} << "t=61" << "tFld" << "61";
    QTest::newRow("held at a bound") << Fields{{"zFld", "-6,5"}} << "z=-6.5" << "nceFld" << "1*";
}

// Every field that takes a point takes a comma instead; every result shows
// one; the figures are the core's, bit for bit.
void TestGerman::typedWithDecimalComma()
{
    QFETCH(Fields, typed);
    QFETCH(QString, english);
    QFETCH(QString, field);
    QFETCH(QString, shown);
    calculate(typed);
    QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join('\n')));
    QCOMPARE(converterText(field.toLatin1().constData()), shown);
    const conversion::Outcome core = conversion::calculate(fieldsFrom(english));
    QVERIFY(!core.refused);
    for (int i = conversion::Z; i <= conversion::Percentile; ++i) {
        const char *name = conversion::kScales[i].field.data();
        QString expected = QString::fromStdString(core.results[i]);
        expected.replace('.', ',');
        QCOMPARE(converterText(name), expected);
    }
    report::ReportWnd *report = openReport();
    QVERIFY(report);
    QCOMPARE(ScoreFeed::instance().latest()->outcome.z, core.z);
}

void TestGerman::refusedInGerman_data()
{
    QTest::addColumn<Fields>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("nothing") << Fields{} << "Geben Sie Rohwert, Rohwert-Mittelwert und Rohwert-SD ein, um "
                                            "Standardwerte zu berechnen, oder einen Standardwert, um ihn in die "
                                            "anderen umzurechnen.";
    QTest::newRow("z out of range") << Fields{{"zFld", "7"}} << "z-Werte müssen zwischen -6,99 und +6,99 liegen.";
    QTest::newRow("sd 0,0") << Fields{{"rawFld", "1"}, {"rawmeanFld", "1"}, {"rawsdFld", "0,0"}}
                            << "Die Rohwert-SD muss größer als 0 sein.";
}

void TestGerman::refusedInGerman()
{
    QFETCH(Fields, typed);
    QFETCH(QString, message);
    calculate(typed);
    QCOMPARE(m_messages, QStringList{message});
}

// The table, the sentence and the explanations of a report with an
// interval, as a German report writes them.
void TestGerman::reportInGerman()
{
    calculate({{"wechslerFld", "115"}});
    QVERIFY(openReport());
    // Alt and a letter reaches one control or menu, in German too.
    QStringList clashes = mnemonicClashes(fw::existingWindow(report::ReportWnd::kClassName));
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QLatin1String("; "))));
    QTest::keyClicks(in<QLineEdit>("reliabilityFld"), ",90");
    QCOMPARE(header(), (QStringList{"Skala", "Wert", "Geschätzter wahrer Wert", "SEE",
                                    "95-%-KI um den wahren Wert"}));
    const int descriptor = interpretation::kScaleIdCount;
    const QStringList rows[] = {
        {"z", "+1,0", "+0,90", "0,30", "+0,31 bis +1,49"},
        {"Wechsler-IQ", "115", "113,5", "4,50", "105 bis 122"},
        {"Prozentrang", "84", "82", "", "62 bis 93"},
        {"Klassifikation", "Oberer Durchschnitt (AACN)"},
    };
    for (const QStringList &row : rows) {
        int at = 0;
        while (at <= descriptor && cell(at, 0) != row.front())
            ++at;
        QVERIFY2(at <= descriptor, qPrintable(row.front()));
        for (int c = 1; c < row.size(); ++c)
            QCOMPARE(cell(at, c), row[c]);
    }
    QCOMPARE(shownSentence(),
             QStringLiteral("Ein Wechsler-IQ von 115 entspricht einem Prozentrang von 84 und liegt im Bereich "
                            "„Oberer Durchschnitt“ (AACN). Das 95-%-Konfidenzintervall (Methode des wahren Werts, "
                            "Reliabilität 0,90) reicht von 105 bis 122 (Prozentrang 62 bis 93)."));

    auto *table = in<QTableWidget>("scoresTable");
    table->setCurrentCell(int(interpretation::ScaleId::Wechsler), 0);
    const QString how = howText();
    for (const char *expected :
         {"Geschätzter wahrer Wert T′ = M + r (X − M) = 100 + 0,90 × 15 = 113,5 (Kelley, 1927).",
          "Standardschätzfehler SEE = SD √(r (1 − r)) = 15 × √(0,90 × 0,10) = 4,50 (Dudek, 1979).",
          "Grenzen: T′ ± zc × SEE = 113,5 − 1,96 × 4,50 = 104,7 und 113,5 + 1,96 × 4,50 = 122,3, angezeigt als 105 "
          "und 122."})
        QVERIFY2(how.contains(QString::fromUtf8(expected)), qPrintable(QString::fromUtf8(expected) + "\n in: " + how));
    table->setCurrentCell(int(interpretation::ScaleId::PercentileRank), 0);
    QVERIFY2(howText().contains(QStringLiteral("Prozentränge unter 0,1 und über 99,9 werden als <0,1 und >99,9 "
                                               "angezeigt.")),
             qPrintable(howText()));
    table->setCurrentCell(descriptor, 0);
    QVERIFY2(howText().contains(QStringLiteral("Klassifikation: Im System AACN umfasst „Oberer Durchschnitt“ die "
                                               "Standardwerte von 110 bis 119; 115 gehört dazu")),
             qPrintable(howText()));
    keepPicture(fw::existingWindow(ReportWnd::kClassName), "report-de");

    // A negative figure after an operator is bracketed; a zero has no sign.
    calculate({{"wechslerFld", "85"}});
    table->setCurrentCell(int(interpretation::ScaleId::Wechsler), 0);
    QVERIFY2(howText().contains(QStringLiteral("100 + 0,90 × (−15) = 86,5")), qPrintable(howText()));
    table->setCurrentCell(int(interpretation::ScaleId::T), 0);
    QVERIFY2(howText().contains(QStringLiteral("50 + 10 × (−1,00) = 40,0")), qPrintable(howText()));
    calculate({{"wechslerFld", "100"}});
    QCOMPARE(cell(int(interpretation::ScaleId::Z), 1), QStringLiteral("0,0"));
    QCOMPARE(cell(int(interpretation::ScaleId::Z), 2), QStringLiteral("0,00"));
}

void TestGerman::reliabilityWithDecimalComma_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("problem"); // empty: an interval
    QTest::newRow(",90") << ",90" << "";
    QTest::newRow("0,85") << "0,85" << "";
    QTest::newRow("a point is not the mark") << ".90"
                                             << "Die Reliabilität muss eine Zahl zwischen 0 und 1 sein, etwa 0,90. Es "
                                                "wird kein Intervall angezeigt.";
    QTest::newRow("1,0") << "1,0"
                         << "Die Reliabilität muss größer als 0 und kleiner als 1 sein. Es wird kein Intervall "
                            "angezeigt.";
}

void TestGerman::reliabilityWithDecimalComma()
{
    QFETCH(QString, typed);
    QFETCH(QString, problem);
    calculate({{"tFld", "40"}});
    QVERIFY(openReport());
    QTest::keyClicks(in<QLineEdit>("reliabilityFld"), typed);
    QCOMPARE(in<QLabel>("reliabilityErrorTxt")->text(), problem);
    QCOMPARE(in<QLabel>("reliabilityErrorTxt")->isVisibleTo(fw::existingWindow(ReportWnd::kClassName)),
             !problem.isEmpty());
    const auto &facts = qobject_cast<ReportWnd *>(fw::existingWindow(ReportWnd::kClassName))->facts();
    QCOMPARE(facts->reading.hasInterval, problem.isEmpty());
    if (problem.isEmpty())
        QCOMPARE(facts->interval->reliability, QString(typed).replace(',', '.').toDouble());
}

// Tab-separated numbers with the locale's comma and an ASCII minus, so a
// German spreadsheet reads numbers; the same table as HTML for a word
// processor.
void TestGerman::copiedTableReadsAsNumbers()
{
    calculate({{"zFld", "-,25"}});
    QVERIFY(openReport());
    QTest::keyClicks(in<QLineEdit>("reliabilityFld"), ",90");
    QVERIFY(bar().trigger("CopyTableAction"));
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    const QStringList lines = data->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.first(), QStringLiteral("Skala\tWert\tGeschätzter wahrer Wert\tSEE\t95-%-KI um den wahren "
                                           "Wert: untere Grenze\t95-%-KI um den wahren Wert: obere Grenze"));
    QCOMPARE(lines[1], QStringLiteral("z\t-0,25\t-0,23\t0,30\t-0,81\t+0,36"));
    QCOMPARE(lines[3], QStringLiteral("Wechsler-IQ\t96\t96,6\t4,50\t88\t105"));
    QVERIFY(data->html().contains(QStringLiteral("<td>\u22120,25</td>")));
}

void TestGerman::descriptorLabels_data()
{
    QTest::addColumn<int>("system");
    for (std::size_t i = 0; i < interpretation::builtInSystems().size(); ++i)
        QTest::newRow(interpretation::builtInSystems()[i].key.c_str()) << int(i);
}

// One German label per band, none shared within a system, each shown for
// the lowest score of its band.
void TestGerman::descriptorLabels()
{
    QFETCH(int, system);
    const interpretation::DescriptorSystem &built = interpretation::builtInSystems()[std::size_t(system)];
    calculate({{"wechslerFld", "100"}});
    QVERIFY(openReport());
    chooseDescriptors(report::systemTitle(built));
    std::set<QString> labels;
    for (const interpretation::DescriptorBand &band : built.bands) {
        const QString label = report::descriptorLabel(built, band.label);
        QVERIFY2(label != QString::fromStdString(band.label) && labels.insert(label).second, qPrintable(label));
        calculate({{"wechslerFld", QString::number(std::isinf(band.from) ? 45 : int(band.from))}});
        QCOMPARE(cell(interpretation::kScaleIdCount, 1), QStringLiteral("%1 (%2)").arg(label, report::systemTitle(built)));
    }
}

// A custom file's labels are the user's: "Average" stays "Average".
void TestGerman::customLabelsAsWritten()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bezirk.csv"));
    QVERIFY(writeFile(path, "from,label\n0,Below Average\n90,Average\n110,Sehr gut (1.)\n"));
    calculate({{"wechslerFld", "112"}});
    QVERIFY(openReport());
    auto *wnd = qobject_cast<ReportWnd *>(fw::existingWindow(ReportWnd::kClassName));
    QCOMPARE(wnd->loadDescriptorFile(path), QString());
    QCOMPARE(cell(interpretation::kScaleIdCount, 1), QStringLiteral("Sehr gut (1.) (bezirk)"));
    calculate({{"wechslerFld", "100"}});
    QCOMPARE(cell(interpretation::kScaleIdCount, 1), QStringLiteral("Average (bezirk)"));

    const QString bad = dir.filePath(QStringLiteral("kaputt.csv"));
    QVERIFY(writeFile(bad, "from,label\n100,Typisch\nhoch,Stark\n"));
    QCOMPARE(wnd->loadDescriptorFile(bad),
             QStringLiteral("kaputt.csv ist kein Klassifikationssystem: Zeile 3: „hoch“ ist kein ganzzahliger "
                            "Standardwert"));
}

void TestGerman::printedInGerman()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("bericht.pdf"));
    printDialogAnswers(pdf, false);
    calculate({{"rawFld", "23"}, {"rawmeanFld", "20"}, {"rawsdFld", "4"}});
    QVERIFY(openReport());
    QTest::keyClicks(in<QLineEdit>("clientFld"), QStringLiteral("K-0117"));
    QTest::keyClicks(in<QLineEdit>("birthDateFld"), QStringLiteral("2016-03-14"));
    in<QLineEdit>("testDateFld")->setText(QStringLiteral("02.11.2026"));
    QTest::keyClicks(in<QLineEdit>("reliabilityFld"), ",90");
    QTest::keyClick(fw::existingWindow(ReportWnd::kClassName), Qt::Key_P, Qt::ControlModifier);
    QVERIFY(m_messages.isEmpty());
    const std::optional<QString> printed = pdfText(pdf);
    if (!printed)
        QSKIP("needs pdftotext (poppler-utils)");
    const QStringList pages = printed->normalized(QString::NormalizationForm_KC).split('\f', Qt::SkipEmptyParts);
    const QString words = pages.join(' ').simplified();
    for (const QString &expected :
         {QStringLiteral("Name oder Kürzel: K-0117"), QStringLiteral("Geburtsdatum: 14.03.2016"),
          QStringLiteral("Alter bei Testung: 10;7 Jahre (18 Tage)"),
          QStringLiteral("Wert: Rohwert 23 (M = 20, SD = 4)"), QStringLiteral("95-%-KI um den wahren Wert"),
          QStringLiteral("Ein Rohwert von 23 (M = 20, SD = 4) entspricht einem Standardwert von 111"),
          QStringLiteral("sowie einem Prozentrang von 77 und liegt im Bereich „Oberer Durchschnitt“ (AACN)."),
          QStringLiteral("(23 \u2212 20) / 4 = 0,75"), QStringLiteral("Literatur"),
          QStringLiteral("Quintaval " QUINTAVAL_VERSION " \u00b7 gedruckt am ")})
        QVERIFY2(words.contains(expected), qPrintable(expected + "\n in: " + words));
    for (int page = 0; page < pages.size(); ++page)
        QVERIFY(pages[page].simplified().contains(QStringLiteral("Seite %1 von %2").arg(page + 1).arg(pages.size())));
    // No English word of the program's own reached the page.
    for (const char *english : {"Score Report", "page", "printed", "Method", "Estimated", "interval", "Percentile"})
        QVERIFY2(!words.contains(QRegularExpression(QStringLiteral("\\b%1\\b").arg(QLatin1String(english)))), english);
}

// The choices are stored as keys and numbers, never as the words or
// numbers shown: each language reads back what the other wrote.
void TestGerman::settingsReadBackInEitherLanguage()
{
    calculate({{"wechslerFld", "125"}});
    QVERIFY(openReport());
    in<QComboBox>("confidenceBox")->setCurrentIndex(1);
    in<QComboBox>("methodBox")->setCurrentIndex(1);
    chooseDescriptors(QStringLiteral("Wechsler (klassisch)"));
    QCOMPARE(in<QComboBox>("confidenceBox")->currentText(), QStringLiteral("90 %"));

    restartIn(fw::Language::English);
    calculate({{"wechslerFld", "125"}});
    QVERIFY(openReport());
    QCOMPARE(in<QComboBox>("confidenceBox")->currentText(), QStringLiteral("90%"));
    QCOMPARE(in<QComboBox>("methodBox")->currentText(), QStringLiteral("Obtained score"));
    QCOMPARE(in<QComboBox>("descriptorBox")->currentText(), QStringLiteral("Wechsler (classic)"));
    QCOMPARE(cell(interpretation::kScaleIdCount, 1), QStringLiteral("Superior (Wechsler (classic))"));
}

void TestGerman::aboutNamesTheLanguage()
{
    QVERIFY(bar().trigger("AboutMenuItem"));
    auto *about = existing<shell::AboutWnd>();
    QVERIFY(about);
    QCOMPARE(about->Text("languageTxt"), std::string("Sprache: Deutsch"));
    QCOMPARE(QString::fromStdString(about->Text("StaticText5")),
             QStringLiteral("Quintaval " QUINTAVAL_RELEASE " \u00b7 von den Quintaval-Entwicklern"));
    keepPicture(about, "about-de");

    restartIn(fw::Language::English);
    QVERIFY(bar().trigger("AboutMenuItem"));
    QCOMPARE(existing<shell::AboutWnd>()->Text("languageTxt"), std::string("Language: English"));
}

// The Description window's table keeps its columns with the German names
// and shows its figures with commas; its menus are German too.
void TestGerman::descriptionInGerman()
{
    QVERIFY(bar().trigger("DescriptionMenuItem"));
    auto *description = existing<shell::DescriptionWnd>();
    QVERIFY(description);
    QCOMPARE(description->windowTitle(), QStringLiteral("Beschreibung"));
    const QStringList lines = QString::fromStdString(description->Text("DescribeFld2")).split('\r');
    QCOMPARE(lines.first(), QStringLiteral("Quintaval"));
    const int head = int(lines.indexOf(QRegularExpression(QStringLiteral("Skala .*"))));
    QVERIFY(head > 0);
    QCOMPARE(lines[head + 2], QStringLiteral("z").leftJustified(34) + QStringLiteral("  0            1              "
                                                                                    "-6,99 bis +6,99"));
    QCOMPARE(lines[head + 5], QStringLiteral("Normal Curve Equivalent (NCE)").leftJustified(34)
                                  + QStringLiteral(" 50        21,06                  1 bis 99"));
    for (int row = head + 2; row < head + 8; ++row)
        QCOMPARE(lines[row].indexOf(QStringLiteral(" bis ")), 69);
    QStringList menus;
    for (QAction *action : description->menuBar()->actions())
        menus << action->text();
    QCOMPARE(menus, (QStringList{"&Datei", "&Bearbeiten", "An&zeige", "Be&richt", "&Fenster", "&Hilfe"}));
    keepPicture(description, "description-de");
    bringToFront(fw::implicitWindow<ControlWnd>());
    calculate({{"rawFld", "23"}, {"rawmeanFld", "20,5"}, {"rawsdFld", "4"}});
    keepPicture(fw::implicitWindow<ControlWnd>(), "converter-de");
}

// A spreadsheet's rows pasted into a new sheet: German scale names and
// decimal commas are taken, a point is refused with the reason, the
// figures show commas, the file is written as German spreadsheets write
// CSV, and read back in English it gives the same figures.
void TestGerman::batteryInGerman()
{
    bringToFront(fw::implicitWindow<ControlWnd>());
    QVERIFY(bar().trigger("BatteryMenuItem"));
    auto *sheet = qobject_cast<battery::BatteryWnd *>(fw::existingWindow(battery::BatteryWnd::kClassName));
    QVERIFY(sheet);
    QCOMPARE(sheet->windowTitle(), QStringLiteral("Unbenannt[*] \u2014 Profilbogen"));
    const QStringList clashes = mnemonicClashes(sheet);
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QLatin1String("; "))));
    battery::ScoresModel *model = sheet->scoresModel();
    sheet->findChild<QTableView *>(QStringLiteral("scoresTable"))->setCurrentIndex(model->index(0, 0));
    sheet->pasteText(QStringLiteral("Wortschatz\tWertpunkt\t14\t\t\t0,92\t\t\tSprache\n"
                                    "Matrizen\tWertpunkt\t7\t\t\t0.90\t\t\tDenken\n"
                                    "Lesen\tWechsler-IQ\t92\t\t\t,94\t\t\t\n"
                                    "Muster\tscaled\t9\t\t\t0,86\t\t\tDenken\n"));
    QCOMPARE(model->sheet().rows[0].cells[1], std::string("scaled"));
    QCOMPARE(model->cellText(0, 1), QStringLiteral("Wertpunkte (WP)"));
    QCOMPARE(model->cellText(2, 5), QStringLiteral("0,94"));
    QCOMPARE(model->cellText(2, 1), QStringLiteral("Wechsler-IQ"));
    QCOMPARE(model->data(model->index(1, 5), Qt::ToolTipRole).toString(),
             QStringLiteral("\u201C0.90\u201D ist keine Zahl. Schreiben Sie sie mit Ziffern und Dezimalkomma, etwa 0,90."));
    QCOMPARE(model->headerData(battery::kDescriptorColumn, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Klassifikation"));
    QCOMPARE(model->cellText(0, battery::kDescriptorColumn), QStringLiteral("Überdurchschnittlich"));
    QCOMPARE(model->cellText(0, battery::kCiLowColumn), QStringLiteral("110"));
    QCOMPARE(model->cellText(0, battery::kDeviationColumn), QStringLiteral("17,7"));
    auto *table = sheet->findChild<QTableView *>(QStringLiteral("scoresTable"));
    table->setCurrentIndex(model->index(0, battery::kDeviationColumn));
    QVERIFY(sheet->findChild<QTextBrowser *>(QStringLiteral("howPane"))->toPlainText().contains(
        QStringLiteral("Abweichung vom Mittelwert der Person")));
    // At the size it opens, the German settings fit across: nothing to scroll
    // sideways to reach the explanation.
    auto *scroll = sheet->findChild<QScrollArea *>(QStringLiteral("contentScroll"));
    QVERIFY(scroll && scroll->widget());
    QVERIFY2(scroll->widget()->minimumSizeHint().width() <= 1180,
             qPrintable(QString::number(scroll->widget()->minimumSizeHint().width())));
    keepPicture(sheet, "battery-de");
    // The correlation grid's menus take their letters once each in German too.
    bringToFront(sheet);
    QVERIFY(bar().trigger("EditCorrelationsAction"));
    fw::Window *grid = fw::existingWindow("CorrelationGrid");
    QVERIFY(grid && QTest::qWaitForWindowActive(grid));
    const QStringList gridClashes = mnemonicClashes(grid);
    QVERIFY2(gridClashes.isEmpty(), qPrintable(gridClashes.join(QLatin1String("; "))));
    QVERIFY(bar().trigger("FileClose"));
    QTRY_VERIFY(!fw::existingWindow("CorrelationGrid"));
    bringToFront(sheet);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("profil.csv"));
    QVERIFY(sheet->saveTo(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    QVERIFY2(written.contains("Wortschatz;scaled;14;;;0,92;;;Sprache"), written.constData());
    file.close();
    QStringList german;
    for (int row = 0; row < 4; ++row)
        german << model->cellText(row, battery::kDeviationColumn).replace(',', '.');

    restartIn(fw::Language::English);
    bringToFront(fw::implicitWindow<ControlWnd>());
    QVERIFY(bar().trigger("BatteryMenuItem"));
    sheet = qobject_cast<battery::BatteryWnd *>(fw::existingWindow(battery::BatteryWnd::kClassName));
    QVERIFY(sheet->openFile(path));
    QCOMPARE(sheet->scoresModel()->cellText(0, 1), QStringLiteral("Scaled score"));
    QStringList english;
    for (int row = 0; row < 4; ++row)
        english << sheet->scoresModel()->cellText(row, battery::kDeviationColumn);
    QCOMPARE(english, german);
}

void TestGerman::commandLineLanguage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said");
    QTest::newRow("--help in German") << QStringList{"--help"} << 0 << "--lang <Sprache>";
    QTest::newRow("--help as --lang asks") << QStringList{"--lang", "en", "--help"} << 0 << "--lang <language>";
    QTest::newRow("--version") << QStringList{"--version"} << 0 << "quintaval (Quintaval) " QUINTAVAL_VERSION;
    QTest::newRow("unknown language") << QStringList{"--lang", "fr"} << 2
                                      << "quintaval: unknown language 'fr'; the languages are de and en";
    QTest::newRow("no language given") << QStringList{"--lang"} << 2 << "Missing value after '--lang'.";
}

// --help and --version in the session's language; the command line's
// errors stay English, for scripts.
void TestGerman::commandLineLanguage()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, said);
    QProcess program;
    program.start(QStringLiteral(QUINTAVAL_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitCode(), status);
    const QString output = QString::fromLocal8Bit(program.readAllStandardOutput() + program.readAllStandardError());
    QVERIFY2(output.contains(said), qPrintable(output));
}

// LANGUAGE=de on a C desktop: German words, and German numbers with them,
// never a page that mixes "α = 0,05" with "0.90".
void TestGerman::germanPageOnACDesktop()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("needs pdftotext (poppler-utils)");
    QTemporaryDir folder;
    const QString battery = folder.filePath(QStringLiteral("b.csv"));
    const QString pdf = folder.filePath(QStringLiteral("b.pdf"));
    QFile file(battery);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("name,scale,score,reliability\nA,wechsler,113,.9\nB,wechsler,100,.85\nC,t,40,.8\n");
    file.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LC_ALL", "LC_NUMERIC", "LC_MESSAGES"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("de"));
    environment.insert(QStringLiteral("HOME"), folder.path());
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUINTAVAL_PROGRAM),
                  {QStringLiteral("--lang"), QStringLiteral("de"), QStringLiteral("--battery"), battery, QStringLiteral("--pdf"), pdf});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 0);
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(text.waitForFinished(30000));
    QString page = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY2(page.contains(QStringLiteral("0,85")), qPrintable(page));
    // Dates and the version are the only points a German page writes.
    page.remove(QRegularExpression(QStringLiteral("\\d\\d\\.\\d\\d\\.\\d{4}|Quintaval \\d+\\.\\d+\\.\\d+")));
    QVERIFY2(!page.contains(QRegularExpression(QStringLiteral("\\d\\.\\d"))), qPrintable(page));
}

void TestGerman::numbersAsWritten_data()
{
    QTest::addColumn<QString>("core");
    QTest::addColumn<QString>("german");
    QTest::addColumn<QString>("english");
    QTest::newRow("proportion") << ".90" << "0,90" << ".90";
    QTest::newRow("negative proportion") << "-.25" << "-0,25" << "-.25";
    QTest::newRow("plus zero") << "+.0" << "0,0" << ".0";
    QTest::newRow("plus zero, leading zero") << "+0.00" << "0,00" << "0.00";
    QTest::newRow("minus zero") << "-0" << "0" << "0";
    QTest::newRow("plus one") << "+1.0" << "+1,0" << "+1.0";
    QTest::newRow("plus a tenth") << "+.10" << "+0,10" << "+.10";
    QTest::newRow("below a tenth") << "<0.1" << "<0,1" << "<0.1";
    QTest::newRow("above") << ">99.9" << ">99,9" << ">99.9";
    QTest::newRow("held at a bound") << "1*" << "1*" << "1*";
    QTest::newRow("held zero") << "+0*" << "0*" << "0*";
    QTest::newRow("whole") << "113" << "113" << "113";
}

// The one routine the windows and pages write figures with: German puts
// the leading zero and the comma, and neither language signs a zero.
void TestGerman::numbersAsWritten()
{
    QFETCH(QString, core);
    QFETCH(QString, german);
    QFETCH(QString, english);
    QCOMPARE(fw::writtenNumber(core), german);
    fw::useLanguage(fw::Language::English);
    QCOMPARE(fw::writtenNumber(core), english);
    fw::useLanguage(fw::Language::German);
}

void TestGerman::printedPagesReadAsGerman_data()
{
    QTest::addColumn<bool>("battery");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("Ergebnisbericht")
        << false
        << QStringList{"Geburtsdatum: 29.02.2016", "Testdatum: 07.12.2026", "Alter bei Testung: 10;9 Jahre (8 Tage)",
                       "95-%-Konfidenzintervall um den geschätzten wahren Wert (r = 0,90)",
                       "Standardschätzfehler SEE = SD √(r (1 − r)) = 15 × √(0,90 × 0,10)", "T′ ± zc × SEE",
                       "liegt im Wertebereich der Skala"};
    QTest::newRow("Profilbericht")
        << true
        << QStringList{"Geburtsdatum: 29.02.2016", "Testdatum: 07.12.2026", "Alter bei Testung: 10;9 Jahre (8 Tage)",
                       "Abweichung vom Personenmittelwert",
                       "kritische Abweichung (α = 0,05)", "Übungseffekt", "S = Stärke, W = Schwäche",
                       "gerundet(100 + 15 z)", "anschließend in die Metrik umgerechnet",
                       "|D| (gerundet) ≥ kritische Differenz", "14 WP 0,92"};
}

// The printed pages as a German psychologist signs them: dates as
// TT.MM.JJJJ, every decimal with its leading zero, nothing cut short,
// and the wording of German reports.
void TestGerman::printedPagesReadAsGerman()
{
    QFETCH(bool, battery);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("bericht.pdf"));
    printDialogAnswers(pdf, false);
    if (battery) {
        // Written with points, as an English sheet writes it.
        const QString path = dir.filePath(QStringLiteral("profil.csv"));
        QVERIFY(writeFile(path, "person,birth_date,test_date,name,scale,score,reliability,retest,practice,group\n"
                                "0417,2016-02-29,2026-12-07,Wortschatz,scaled,14,.92,,,Sprache\n"
                                "0417,2016-02-29,2026-12-07,Matrizen,scaled,7,.90,,,Denken\n"
                                "0417,2016-02-29,2026-12-07,Zahlen,scaled,6,.84,10,+1,\n"
                                "0417,2016-02-29,2026-12-07,Lesen,wechsler,92,.94,,,\n"
                                "0417,2016-02-29,2026-12-07,Muster,scaled,10,.86,,,Denken\n"));
        bringToFront(fw::implicitWindow<ControlWnd>());
        QVERIFY(bar().trigger("BatteryMenuItem"));
        auto *sheet = qobject_cast<battery::BatteryWnd *>(fw::existingWindow(battery::BatteryWnd::kClassName));
        QVERIFY(sheet && sheet->openFile(path));
        QCOMPARE(sheet->scoresModel()->cellText(0, int(profile::Field::Reliability)), QStringLiteral("0,92"));
        QCOMPARE(sheet->findChild<QLineEdit *>(QStringLiteral("birthDateFld"))->text(), QStringLiteral("29.02.2016"));
        const battery::ScoresModel *model = sheet->scoresModel();
        QCOMPARE(model->headerData(battery::kCiLowColumn, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("KI untere Grenze (95 %)"));
        QCOMPARE(model->headerData(battery::kCiHighColumn, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("KI obere Grenze (95 %)"));
        bringToFront(sheet);
        QVERIFY(bar().trigger("Print"));
    } else {
        calculate({{"rawFld", "23"}, {"rawmeanFld", "20"}, {"rawsdFld", "4"}});
        QVERIFY(openReport());
        QTest::keyClicks(in<QLineEdit>("birthDateFld"), QStringLiteral("29.02.2016"));
        in<QLineEdit>("testDateFld")->setText(QStringLiteral("2026-12-07"));
        QTest::keyClicks(in<QLineEdit>("reliabilityFld"), QStringLiteral(",90"));
        QVERIFY(bar().trigger("Print"));
    }
    QVERIFY(m_messages.isEmpty());
    const std::optional<QString> printed = pdfText(pdf);
    if (!printed)
        QSKIP("needs pdftotext (poppler-utils)");
    const QString words = printed->normalized(QString::NormalizationForm_KC).simplified();
    for (const QString &wanted : expected)
        QVERIFY2(words.contains(wanted), qPrintable(wanted + "\n in: " + words));
    const QString today = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    QVERIFY2(words.contains(QStringLiteral("gedruckt am ") + today), qPrintable(words));
    for (const char *wrong : {"(?<![\\d)])[,.]\\d", "\\d{4}-\\d\\d-\\d\\d", "\u2026", "\\.\\.\\.", "\\+0,0\\b",
                              "\u2213", "\\bround\\b", "\\bpractice\\b", "Wertpunkt\\b", "95 % unten", "reliabler",
                              "auf deren Grenze", "nicht auf eine Grenze", "Alpha"}) {
        const QRegularExpressionMatch match = QRegularExpression(QString::fromUtf8(wrong)).match(words);
        QVERIFY2(!match.hasMatch(), qPrintable(QStringLiteral("%1 at: %2").arg(QString::fromUtf8(wrong),
                                                                            words.mid(match.capturedStart() - 60, 120))));
    }
}

// Dates typed as German writes them: the age follows, a wrong day is
// refused, and the sheet keeps ISO dates, which an English window shows.
void TestGerman::germanDatesTyped()
{
    calculate({{"wechslerFld", "100"}});
    QVERIFY(openReport());
    QCOMPARE(in<QLineEdit>("testDateFld")->text(), QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
    in<QLineEdit>("testDateFld")->clear();
    QTest::keyClicks(in<QLineEdit>("birthDateFld"), QStringLiteral("29.02.2016"));
    QTest::keyClicks(in<QLineEdit>("testDateFld"), QStringLiteral("07.12.2026"));
    QCOMPARE(in<QLabel>("ageLbl")->text(), QStringLiteral("10;9 Jahre (8 Tage)"));
    in<QLineEdit>("birthDateFld")->setText(QStringLiteral("29.02.2015"));
    QCOMPARE(in<QLabel>("ageLbl")->text(),
             QStringLiteral("Geburtsdatum ist kein Datum; bitte als TT.MM.JJJJ schreiben, etwa 14.03.2016."));
    in<QLineEdit>("birthDateFld")->setText(QStringLiteral("2016-02-29"));
    QCOMPARE(in<QLabel>("ageLbl")->text(), QStringLiteral("10;9 Jahre (8 Tage)"));

    bringToFront(fw::implicitWindow<ControlWnd>());
    QVERIFY(bar().trigger("BatteryMenuItem"));
    auto *sheet = qobject_cast<battery::BatteryWnd *>(fw::existingWindow(battery::BatteryWnd::kClassName));
    QVERIFY(sheet);
    auto *birth = sheet->findChild<QLineEdit *>(QStringLiteral("birthDateFld"));
    auto *test = sheet->findChild<QLineEdit *>(QStringLiteral("testDateFld"));
    test->clear();
    QTest::keyClicks(birth, QStringLiteral("29.02.2016"));
    QTest::keyClicks(test, QStringLiteral("07.12.2026"));
    QCOMPARE(sheet->findChild<QLabel *>(QStringLiteral("ageLbl"))->text(), QStringLiteral("10;9 Jahre (8 Tage)"));
    QCOMPARE(birth->text(), QStringLiteral("29.02.2016"));
    QCOMPARE(sheet->scoresModel()->sheet().id.birthDate, std::string("2016-02-29"));
    QCOMPARE(sheet->scoresModel()->sheet().id.testDate, std::string("2026-12-07"));
    sheet->pasteText(QStringLiteral("Wortschatz\tWertpunkt\t14\t\t\t0,92\n"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("profil.csv"));
    QVERIFY(sheet->saveTo(path));

    restartIn(fw::Language::English);
    bringToFront(fw::implicitWindow<ControlWnd>());
    QVERIFY(bar().trigger("BatteryMenuItem"));
    sheet = qobject_cast<battery::BatteryWnd *>(fw::existingWindow(battery::BatteryWnd::kClassName));
    QVERIFY(sheet->openFile(path));
    QCOMPARE(sheet->findChild<QLineEdit *>(QStringLiteral("birthDateFld"))->text(), QStringLiteral("2016-02-29"));
    QCOMPARE(sheet->findChild<QLabel *>(QStringLiteral("ageLbl"))->text(), QStringLiteral("10;9 (8 days)"));
}

void TestGerman::bandNamesNeverTurned_data()
{
    QTest::addColumn<bool>("german");
    QTest::addColumn<int>("width");
    QTest::newRow("German, smallest") << true << 0;
    QTest::newRow("German, wide") << true << 1400;
    QTest::newRow("English, smallest") << false << 0;
}

// Every band name of every built-in system reads across, inside its band,
// at the Score Report's smallest size as at a wide one.
void TestGerman::bandNamesNeverTurned()
{
    QFETCH(bool, german);
    QFETCH(int, width);
    if (!german)
        restartIn(fw::Language::English);
    calculate({{"wechslerFld", "100"}});
    QVERIFY(openReport());
    QWidget *report = fw::existingWindow(ReportWnd::kClassName);
    const QSize size = width > 0 ? QSize(width, 900) : report->minimumSize();
    report->resize(size);
    QTRY_COMPARE(report->size(), size);
    const auto *curve = in<report::CurveView>("curveView");
    for (int system = 0; system < int(interpretation::builtInSystems().size()); ++system) {
        chooseDescriptors(report::systemTitle(interpretation::builtInSystems()[std::size_t(system)]));
        // On the window, and as printed.
        for (const auto &g : {curve->picture().geometry(QRectF(curve->rect()), curve->fontPixels()),
                              curve->picture().geometry(QRectF(0, 0, 483, 290), 8)}) {
        int names = 0;
        for (const report::CurvePicture::Text &text : g.texts) {
            if (text.part != report::CurvePicture::Part::BandName)
                continue;
            ++names;
            // Across: no taller than its lines, no line wider than its band.
            QVERIFY2(text.box.height() <= 3.5 * text.pixels * (text.text.count(QLatin1Char('\n')) + 1), qPrintable(text.text));
            QVERIFY2(!text.text.contains(QChar(0x2026)), qPrintable(text.text));
            bool inside = false;
            for (const QRectF &band : g.bands)
                inside |= band.contains(text.box.center()) && text.box.width() <= band.width();
            QVERIFY2(inside, qPrintable(text.text));
        }
        QVERIFY(names >= 3);
        for (std::size_t i = 0; i < g.texts.size(); ++i)
            for (std::size_t j = i + 1; j < g.texts.size(); ++j)
                QVERIFY2(!g.texts[i].box.intersects(g.texts[j].box), qPrintable(g.texts[i].text + " / " + g.texts[j].text));
        }
    }
}

QTEST_MAIN(TestGerman)
#include "tst_gui_german.moc"
