// The German translation is complete and nothing a user reads bypasses it.
// The catalogue in the repository must be what lupdate makes of the sources,
// every entry finished and every placeholder kept. Then, with a translator
// that returns each German text between marks, every window, menu, table,
// tooltip, accessible name, message and printed page the program shows is
// walked: a word outside the marks never went through the translation, or
// has no German. In English, the windows word the cores' refusals and file
// problems exactly as the cores do.
#include "conversion/calculate.h"
#include "framework/language.h"
#include "interpretation/interpretation.h"
#include "battery_window/battery_wnd.h"
#include "report_window/core_words.h"
#include "report_window/explanation_words.h"
#include "report_window/report_wnd.h"
#include "shell/description_text.h"
#include "tests/field_texts.h"
#include "tests/report_fixture.h"
#include "tests/window_walk.h"

#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

const QChar kOpen(0x27E6);  // ⟦
const QChar kClose(0x27E7); // ⟧

// Each German text between marks; nothing for a text without German.
class MarkingTranslator : public QTranslator {
public:
    MarkingTranslator()
        : m_loaded(m_program.load(QStringLiteral(":/i18n/quintaval_de.qm")))
    {
        // Qt's own catalogue, where it is installed.
        (void)m_qt.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    bool loaded() const { return m_loaded; }
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *disambiguation, int n) const override
    {
        for (const QTranslator *catalogue : {&m_program, &m_qt}) {
            const QString german = catalogue->translate(context, source, disambiguation, n);
            if (!german.isEmpty())
                return kOpen + german + kClose;
        }
        return QString();
    }

private:
    QTranslator m_program, m_qt;
    bool m_loaded;
};

// The letters of a text that lie outside every pair of marks, with the
// names that are the same in every language taken out.
QString unmarkedWords(QString text, const QStringList &names)
{
    QString outside;
    int depth = 0;
    for (const QChar c : text) {
        if (c == kOpen)
            ++depth;
        else if (c == kClose)
            depth = std::max(0, depth - 1);
        else if (depth == 0)
            outside += c;
    }
    for (const QString &name : names)
        outside.remove(name);
    outside.remove(QLatin1Char('&')); // a mnemonic's mark
    // Symbols and abbreviations of up to three letters ("z", "SDm", "PR", "Σrij") are the same in German.
    static const QRegularExpression kWord(QStringLiteral("\\p{Latin}{4,}"));
    return outside.contains(kWord) ? outside.simplified() : QString();
}

struct Message {
    QString context, source, comment, translation, type;
};

QList<Message> readCatalogue(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    QString *into = nullptr; // the text being read
    while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
        const auto name = xml.name();
        if (xml.isStartElement() && name == QLatin1String("byte")) { // a control character, as lupdate writes it
            if (into)
                *into += QChar(xml.attributes().value(QLatin1String("value")).mid(1).toUInt(nullptr, 16));
        } else if (xml.isStartElement()) {
            if (name == QLatin1String("message"))
                message = Message{context, {}, {}, {}, {}};
            if (name == QLatin1String("translation"))
                message.type = xml.attributes().value(QLatin1String("type")).toString();
            into = name == QLatin1String("name") ? &context
                : name == QLatin1String("source") ? &message.source
                : name == QLatin1String("comment") ? &message.comment
                : name == QLatin1String("translation") ? &message.translation
                                                        : nullptr;
            if (into)
                into->clear();
        } else if (xml.isCharacters() && into) {
            *into += xml.text();
        } else if (xml.isEndElement() && name != QLatin1String("byte")) {
            if (name == QLatin1String("message"))
                messages << message;
            into = nullptr;
        }
    }
    return messages;
}

QStringList placeholders(const QString &text)
{
    QStringList found;
    static const QRegularExpression kArg(QStringLiteral("%(\\d+)"));
    for (const QRegularExpressionMatch &match : kArg.globalMatch(text))
        found << match.captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

// One person's scores in the German way of writing CSV: every kind of
// figure, a retest with practice, groups for composites, a cell that
// cannot be used.
const char *const kBattery =
    "person;test_date;name;scale;score;reliability;retest;practice;group\n"
    "0417;2026-11-02;Wortschatz;scaled;14;0,92;;;Sprache\n"
    "0417;2026-11-02;Analogien;scaled;13;0,88;;;Sprache\n"
    "0417;2026-11-02;Matrizen;scaled;7;0,90;;;Denken\n"
    "0417;2026-11-02;Muster;scaled;9;0,86;;;Denken\n"
    "0417;2026-11-02;Zahlen;scaled;6;0,84;10;+1;\n"
    "0417;2026-11-02;Lesen;wechsler;92;1,5;98;;\n"
    "0417;2026-11-02;Symbole;raw;23;0,85;;;\n";
const char *const kCorrelations =
    "name,Wortschatz,Analogien,Matrizen,Muster,Zahlen,Lesen,Symbole\n"
    "Wortschatz,1\nAnalogien,.66,1\nMatrizen,.52,.50,1\nMuster,.49,.47,.56,1\nZahlen,.41,.40,.39,.36,1\n"
    "Lesen,.49,.47,.45,.42,.36,1\nSymbole,.34,.32,.32,.29,.25,.29,1\n";
const QStringList kBatteryNames = {"Wortschatz", "Analogien", "Matrizen", "Muster", "Zahlen", "Lesen",
                                   "Symbole", "Sprache", "Denken", "bericht", "korrelationen", "csv"};

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestTranslation : public QObject, ReportFixture {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        startTests();
        fw::useLanguage(fw::Language::German);
        QVERIFY(m_marking.loaded());
    }
    void init() { startProgram(); }
    void cleanup()
    {
        QCoreApplication::removeTranslator(&m_marking);
        endProgram();
        fw::useLanguage(fw::Language::German);
    }

    void catalogueMatchesTheSources();
    void translationsKeepTheirPlaceholders();
    void englishAsTheCoresWordIt_data();
    void englishAsTheCoresWordIt();
    void englishDescriptionTableAsBefore();
    void everyShownTextTranslated_data();
    void everyShownTextTranslated();
    void printedPageTranslated_data();
    void printedPageTranslated();

private:
    void mark() { QCoreApplication::installTranslator(&m_marking); }
    // Fails naming every text with words outside the marks.
    void expectMarked(const QList<ShownText> &shown, QStringList names = {})
    {
        // References are given as published.
        for (int source = 1; source <= int(interpretation::Source::CrawfordEtAl2012); ++source)
            names << report::referenceText(interpretation::Source(source))
                  << report::citation(interpretation::Source(source));
        QStringList bypassed;
        for (const ShownText &text : shown)
            if (const QString words = unmarkedWords(text.text, names); !words.isEmpty())
                bypassed << QStringLiteral("%1: \"%2\" (in \"%3\")").arg(text.where, words, text.text);
        bypassed.removeDuplicates();
        QVERIFY2(bypassed.isEmpty(), qPrintable(QStringLiteral("not through the translation:\n")
                                                + bypassed.join(QLatin1Char('\n'))));
    }

    // The Battery Sheet, opened from the menu; with scores, every figure of
    // its tables explained in turn.
    QList<ShownText> batteryTexts(bool withScores)
    {
        QList<ShownText> shown;
        bringToFront(fw::implicitWindow<ControlWnd>());
        if (!bar().trigger("BatteryMenuItem"))
            return shown;
        auto *sheet = qobject_cast<battery::BatteryWnd *>(fw::existingWindow(battery::BatteryWnd::kClassName));
        if (!sheet || !withScores)
            return shown;
        const QString file = m_dir.filePath(QStringLiteral("bericht.csv"));
        const QString correlations = m_dir.filePath(QStringLiteral("korrelationen.csv"));
        if (!writeFile(file, kBattery) || !writeFile(correlations, kCorrelations) || !sheet->openFile(file)
            || !sheet->loadCorrelations(correlations).isEmpty())
            return shown;
        for (const char *name : {"scoresTable", "pairsTable", "compositesTable"}) {
            auto *table = sheet->findChild<QAbstractItemView *>(QLatin1String(name));
            for (int row = 0; row < std::min(table->model()->rowCount(), 3); ++row)
                for (int column = 0; column < table->model()->columnCount(); ++column) {
                    table->setCurrentIndex(table->model()->index(row, column));
                    shown << shownTexts();
                }
        }
        return shown;
    }

    MarkingTranslator m_marking;
    QTemporaryDir m_dir;
};

// lupdate over the sources changes nothing in the catalogue: no source
// text without a finished German translation, none left over.
void TestTranslation::catalogueMatchesTheSources()
{
    QTemporaryDir dir;
    const QString fresh = dir.filePath(QStringLiteral("check.ts"));
    QVERIFY(QFile::copy(QStringLiteral(QUINTAVAL_TS_FILE), fresh));
    QFile::setPermissions(fresh, QFile::ReadOwner | QFile::WriteOwner);
    QProcess lupdate;
    lupdate.start(QStringLiteral(QUINTAVAL_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("@" QUINTAVAL_TRANSLATED_SOURCES), QStringLiteral("-ts"), fresh});
    QVERIFY(lupdate.waitForFinished(120000));
    QCOMPARE(lupdate.exitCode(), 0);
    QStringList problems;
    const QList<Message> messages = readCatalogue(fresh);
    QVERIFY(messages.size() > 100);
    for (const Message &m : messages) {
        if (m.type == QLatin1String("unfinished"))
            problems << QStringLiteral("no German for [%1] \"%2\"").arg(m.context, m.source);
        else if (m.type == QLatin1String("vanished") || m.type == QLatin1String("obsolete"))
            problems << QStringLiteral("no longer in the sources: [%1] \"%2\"").arg(m.context, m.source);
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))
                                            + "\n(cmake --build <build> --target update_translations, then "
                                              "translate)"));
}

// A translation that drops or adds a %1 shows the wrong figure; one that
// loses a line break or adds a second mnemonic breaks its control.
void TestTranslation::translationsKeepTheirPlaceholders()
{
    QStringList problems;
    for (const Message &m : readCatalogue(QStringLiteral(QUINTAVAL_TS_FILE))) {
        if (placeholders(m.source) != placeholders(m.translation))
            problems << QStringLiteral("[%1] \"%2\": %3 in German").arg(m.context, m.source,
                                                                       placeholders(m.translation).join(' '));
        if (m.source.count(QLatin1Char('\r')) != m.translation.count(QLatin1Char('\r')))
            problems << QStringLiteral("[%1] \"%2\": other line breaks in German").arg(m.context, m.source);
        if (m.context == QLatin1String("Menu") && m.translation.count(QLatin1Char('&')) > 1)
            problems << QStringLiteral("[%1] \"%2\": two mnemonics").arg(m.context, m.source);
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestTranslation::englishAsTheCoresWordIt_data()
{
    using namespace std::string_view_literals;
    QTest::addColumn<QString>("fields"); // typed into the converter
    QTest::addColumn<QByteArray>("file"); // or read as a descriptor file
    QTest::newRow("nothing to calculate") << "" << QByteArray();
    QTest::newRow("z out of range") << "z=-7" << QByteArray();
    QTest::newRow("CEEB out of range") << "ceeb=199" << QByteArray();
    QTest::newRow("percentile out of range") << "percentile=0" << QByteArray();
    QTest::newRow("sd 0") << "raw=1;mean=1;sd=0" << QByteArray();
    QTest::newRow("raw too large") << "raw=" + QString(400, '9') + ";mean=1;sd=1" << QByteArray();
    QTest::newRow("mean too large") << "raw=1;mean=" + QString(400, '9') + ";sd=1" << QByteArray();
    QTest::newRow("sd too large") << "raw=1;mean=1;sd=" + QString(400, '9') << QByteArray();
    const std::pair<const char *, std::string_view> files[] = {
        {"empty file", ""sv},
        {"unclosed quote", "from,label\n100,\"Typical\n"sv},
        {"bad header", "score,name\n"sv},
        {"three cells", "from,label\n100,Typical,x\n"sv},
        {"not whole", "from,label\n100.5,Typical\n"sv},
        {"empty label", "from,label\n100,\n"sv},
        {"NUL in label", "from,label\n100,Ty\0pical\n"sv},
        {"not UTF-8", "from,label\n100,Typ\xff\n"sv},
        {"from twice", "from,label\n100,Typical\n\n100,Again\n"sv},
        {"no bands", "\n\nfrom,label\n"sv},
        {"a placeholder in a cell", "from,label\n%2,Typical\n"sv},
    };
    for (const auto &[name, bytes] : files)
        QTest::newRow(name) << QString() << QByteArray(bytes.data(), qsizetype(bytes.size())).append('\n').chopped(1);
}

void TestTranslation::englishAsTheCoresWordIt()
{
    QFETCH(QString, fields);
    QFETCH(QByteArray, file);
    m_program.reset();
    fw::useLanguage(fw::Language::English);
    m_program = std::make_unique<shell::Program>();
    endSplash();
    if (file.isNull()) {
        const conversion::Outcome core = conversion::calculate(fieldsFrom(fields));
        QVERIFY(core.refused);
        auto *converter = fw::implicitWindow<ControlWnd>();
        const QStringList texts = fieldList(fields);
        const char *const names[] = {"rawFld", "rawmeanFld", "rawsdFld", "zFld", "tFld", "wechslerFld",
                                     "nceFld", "greFld", "agctFld", "percentileFld"};
        for (int i = 0; i < texts.size(); ++i)
            converter->SetText(names[i], texts[i].toStdString());
        QTest::mouseClick(converter->control("CalculateBtn"), Qt::LeftButton);
        QCOMPARE(m_messages, QStringList{QString::fromStdString(core.message)});
        return;
    }
    interpretation::DescriptorSystem system;
    const interpretation::DescriptorFileProblem problem =
        interpretation::readDescriptorSystem(std::string_view(file.constData(), std::size_t(file.size())), system);
    QVERIFY(problem.kind != interpretation::DescriptorFileProblem::Kind::None);
    QCOMPARE(report::problemWords(problem), QString::fromStdString(interpretation::problemText(problem)));
}

// The table is laid out from the scale table and the words in use; in
// English it is the table the window always showed.
void TestTranslation::englishDescriptionTableAsBefore()
{
    fw::useLanguage(fw::Language::English);
    const QStringList lines = QString::fromStdString(shell::descriptionText()).split(QLatin1Char('\r'));
    const QStringList table = {
        "+++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++",
        "Score                             Mean          SD         Possible Range of Scores",
        "+++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++",
        "z                                   0            1              -6.99 to +6.99",
        "T                                  50           10                  1 to 99",
        "Wechsler IQ                       100           15                  1 to 199",
        "Normal Curve Equivalent            50        21.06                  1 to 99",
        "College Entrance Exam Board       500          100                200 to 800",
        "Army General Classification Test  100           20                  1 to 199",
    };
    const qsizetype at = lines.indexOf(table.front());
    QVERIFY(at > 0);
    QCOMPARE(lines.mid(at, table.size()), table);
    QCOMPARE(lines.size(), 23);
}

void TestTranslation::everyShownTextTranslated_data()
{
    QTest::addColumn<QString>("scene");
    for (const char *scene : {"converter", "converter refusals", "converter held at a bound", "report without score",
                              "report with interval", "report refusing a reliability",
                              "report with a custom system gone bad", "report beyond the curve", "description",
                              "about", "battery sheet, new", "battery sheet with scores"})
        QTest::newRow(scene) << QString::fromLatin1(scene);
}

// Each scene opens what it names, and every text then shown is walked;
// every row of the report's table is explained in turn.
void TestTranslation::everyShownTextTranslated()
{
    QFETCH(QString, scene);
    m_program.reset();
    mark();
    m_program = std::make_unique<shell::Program>();
    endSplash();
    QStringList names; // the same in every language
    QList<ShownText> shown;
    if (scene == "converter refusals") {
        for (const Fields &fields : {Fields{}, Fields{{"zFld", "7"}}, Fields{{"percentileFld", "0"}},
                                     Fields{{"rawFld", "1"}, {"rawmeanFld", "1"}, {"rawsdFld", "0"}}})
            calculate(fields);
        QCOMPARE(m_messages.size(), 4);
        for (const QString &message : m_messages)
            shown.push_back({QStringLiteral("message box"), message});
    } else if (scene == "converter held at a bound") {
        calculate({{"zFld", "-6,5"}});
    } else if (scene.startsWith("report")) {
        if (scene != "report without score")
            calculate({{"wechslerFld", scene == "report beyond the curve" ? "199" : "115"}});
        QVERIFY(openReport());
        if (scene == "report with interval" || scene == "report beyond the curve")
            QTest::keyClicks(in<QLineEdit>("reliabilityFld"), ",90");
        if (scene == "report beyond the curve")
            in<QComboBox>("methodBox")->setCurrentIndex(1);
        if (scene == "report refusing a reliability")
            QTest::keyClicks(in<QLineEdit>("reliabilityFld"), "1,5");
        if (scene == "report with a custom system gone bad") {
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("bezirk.csv"));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("from,label\n0,Schwach\n100,Gut\n") > 0);
            file.close();
            auto *wnd = qobject_cast<report::ReportWnd *>(fw::existingWindow(report::ReportWnd::kClassName));
            QCOMPARE(wnd->loadDescriptorFile(path), QString());
            names << QStringLiteral("bezirk") << QStringLiteral("Schwach") << QStringLiteral("Gut");
            fw::setFileDialogHook([&shown](fw::FileDialogKind, const QString &title) {
                shown.push_back({QStringLiteral("file dialog"), title});
                return QString();
            });
            auto *box = in<QComboBox>("descriptorBox");
            emit box->activated(box->count() - 1); // Custom…, cancelled
            QVERIFY(file.remove());
            closeReport();
            QVERIFY(openReport()); // the stored file is read again, and is gone
            QVERIFY(in<QLabel>("descriptorErrorTxt")->isVisibleTo(fw::existingWindow(report::ReportWnd::kClassName)));
        }
        if (scene != "report without score") {
            auto *table = in<QTableWidget>("scoresTable");
            for (int row = 0; row < table->rowCount(); ++row) {
                table->setCurrentCell(row, 0);
                shown << shownTexts();
            }
        }
    } else if (scene == "description") {
        QVERIFY(bar().trigger("DescriptionMenuItem"));
        QTRY_COMPARE(frontName(), QStringLiteral("DescriptionWnd"));
    } else if (scene == "about") {
        QVERIFY(bar().trigger("AboutMenuItem"));
    } else if (scene.startsWith("battery")) {
        names << kBatteryNames << m_dir.path();
        shown << batteryTexts(scene == "battery sheet with scores");
    }
    shown << shownTexts();
    QVERIFY(shown.size() > 10);
    expectMarked(shown, names);
}

// The printed report, read back from the PDF: every word of the page but
// the references (authors and titles, as published) went through the
// translation.
void TestTranslation::printedPageTranslated_data()
{
    QTest::addColumn<bool>("battery");
    QTest::newRow("Score Report") << false;
    QTest::newRow("Battery Sheet") << true;
}

// The printed page, read back from the PDF: every word but the names
// typed and the references (authors and titles, as published) went
// through the translation.
void TestTranslation::printedPageTranslated()
{
    QFETCH(bool, battery);
    m_program.reset();
    mark();
    m_program = std::make_unique<shell::Program>();
    endSplash();
    const QString pdf = m_dir.filePath(QStringLiteral("bericht.pdf"));
    printDialogAnswers(pdf, false);
    QStringList names{QStringLiteral("Dr"), QStringLiteral("Muster")};
    if (battery) {
        QVERIFY(!batteryTexts(true).isEmpty());
        bringToFront(fw::existingWindow(battery::BatteryWnd::kClassName));
        names << kBatteryNames;
    } else {
        calculate({{"rawFld", "23"}, {"rawmeanFld", "20"}, {"rawsdFld", "4"}});
        QVERIFY(openReport());
        QTest::keyClicks(in<QLineEdit>("reliabilityFld"), ",90");
    }
    QVERIFY(bar().trigger("Print"));
    const std::optional<QString> printed = pdfText(pdf);
    if (!printed)
        QSKIP("needs pdftotext (poppler-utils)");
    QString words = printed->normalized(QString::NormalizationForm_KC);
    const qsizetype references = words.indexOf(kOpen + QStringLiteral("Literatur") + kClose);
    QVERIFY(references > 0);
    // The last page's footer follows the references.
    const qsizetype footer = words.lastIndexOf(kOpen + QStringLiteral("Quintaval"));
    QVERIFY(footer > references);
    words = words.left(references) + words.mid(footer);
    expectMarked({{QStringLiteral("printed page"), words}}, names);
}

QTEST_MAIN(TestTranslation)
#include "tst_gui_translation.moc"
