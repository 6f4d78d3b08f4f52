// The Battery Sheet driven as a practitioner drives it: opened from the
// menu, scores typed and pasted, every edit undone and redone from the
// keyboard, saved, reopened, asked about before unsaved scores go, fed
// hostile input, printed, copied, and explained.
#include "battery_window/battery_wnd.h"
#include "battery_window/chart_data.h"
#include "battery_window/chart_view.h"
#include "battery_window/battery_settings.h"
#include "battery_window/correlation_grid.h"
#include "battery_window/scores_model.h"
#include "converter_window/control_wnd.h"
#include "framework/file_dialog.h"
#include "framework/menu_bar.h"
#include "framework/menu_item.h"
#include "framework/message_box.h"
#include "framework/question_box.h"
#include "profile/analysis.h"
#include "profile/correlations.h"
#include "profile/unusual.h"
#include "text/fixed_number.h"
#include "shell/program.h"
#include "tests/program_fixture.h"
#include "tests/mnemonics.h"
#include "tests/command_run.h"

#include <QAccessible>
#include <QApplication>
#include <QAccessibleTableInterface>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QSettings>
#include <QSvgRenderer>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using battery::BatteryWnd;

namespace {

// Twelve scores of one person: groups, retests, a practice change.
const char *const kBattery =
    "person,birth_date,test_date,battery,examiner,name,scale,score,reliability,retest,practice,group\n"
    "C-0417,2015-03-12,2026-11-02,Cognitive battery,R. Meyer,Word Meaning,scaled,14,.92,,,Verbal\n"
    "C-0417,2015-03-12,2026-11-02,Cognitive battery,R. Meyer,Analogies,scaled,13,.88,,,Verbal\n"
    "C-0417,2015-03-12,2026-11-02,Cognitive battery,R. Meyer,General Knowledge,scaled,12,.87,,,Verbal\n"
    "C-0417,2015-03-12,2026-11-02,Cognitive battery,R. Meyer,Matrices,scaled,9,.90,,,Reasoning\n"
    "C-0417,2015-03-12,2026-11-02,Cognitive battery,R. Meyer,Block Patterns,scaled,7,.86,,,Reasoning\n"
    "C-0417,2015-03-12,2026-11-02,Cognitive battery,R. Meyer,Quantitative,scaled,10,.89,,,Reasoning\n"
    "C-0417,2015-03-12,2026-11-02,Cognitive battery,R. Meyer,Digit Recall,scaled,8,.91,,,Memory\n"
    "C-0417,2015-03-12,2026-11-02,Cognitive battery,R. Meyer,Word List,scaled,6,.84,10,,Memory\n"
    "C-0417,2015-03-12,2026-11-02,Cognitive battery,R. Meyer,Symbol Coding,scaled,5,.85,7,1,Speed\n"
    "C-0417,2015-03-12,2026-11-02,Cognitive battery,R. Meyer,Visual Search,scaled,7,.81,,,Speed\n"
    "C-0417,2015-03-12,2026-11-02,Cognitive battery,R. Meyer,Word Reading,wechsler,92,.94,98,,\n"
    "C-0417,2015-03-12,2026-11-02,Cognitive battery,R. Meyer,Spelling,wechsler,88,.93,,,\n";

const char *const kCorrelations =
    "name,Word Meaning,Analogies,General Knowledge,Matrices,Block Patterns,Quantitative,Digit Recall,Word List,"
    "Symbol Coding,Visual Search,Word Reading,Spelling\n"
    "Word Meaning,1\nAnalogies,.66,1\nGeneral Knowledge,.63,.60,1\nMatrices,.52,.50,.49,1\n"
    "Block Patterns,.49,.47,.45,.56,1\nQuantitative,.51,.49,.48,.56,.54,1\n"
    "Digit Recall,.41,.40,.39,.39,.36,.37,1\nWord List,.38,.36,.35,.35,.33,.34,.43,1\n"
    "Symbol Coding,.34,.32,.32,.32,.29,.31,.25,.23,1\nVisual Search,.34,.32,.32,.32,.29,.31,.25,.23,.39,1\n"
    "Word Reading,.49,.47,.45,.45,.42,.44,.36,.33,.29,.29,1\nSpelling,.45,.43,.42,.42,.39,.41,.33,.30,.27,.27,.55,1\n";

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

} // namespace

class TestBattery : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void openedOnFirstUse();
    void heardByAScreenReader();
    void closedAndNamedLikeItsPdf();
    void typedAndPastedRowsGiveTheCoresFigures();
    void cellsThatCannotBeUsedAreMarked();
    void undoAndRedoFromTheKeyboard_data();
    void undoAndRedoFromTheKeyboard();
    void saveThenOpenGivesTheSameFile();
    void unsavedScoresAreAskedAbout_data();
    void unsavedScoresAreAskedAbout();
    void failedSaveKeepsTheOldFile();
    void writersNeverReplaceWhatTheSheetReads_data();
    void writersNeverReplaceWhatTheSheetReads();
    void fileChangedOnDisk_data();
    void fileChangedOnDisk();
    void hostileInput_data();
    void hostileInput();
    void fileNamesAreNeverPlaceholders();
    void identificationKeptToItsLimit();
    void figuresNeverCutOnScreen();
    void printedReport_data();
    void printedReport();
    void comparisonSetsOnScreenAndOnPaper();
    void copiesTablesAndSavesPictures();
    void copiedTablesCarryNoFormulas();
    void copiedTableSaysWhoseItIs();
    void typesLikeASpreadsheet();
    void openingSizeShowsRowsAndReasons();
    void emptyFiguresSayWhy();
    void chartFollowsEdits();
    void chartKeepsAGroupTogether();
    void explainsTheSelectedFigure();
    void studyAndControlsShowWhenUsed();
    void howUnusualIsWorkedOutAside();
    void keyboardAndScreenReaders();
    void editMenuFromTheKeyboard_data();
    void editMenuFromTheKeyboard();
    void settingsRemembered();
    void correlationGrid();
    void correlationGridIsAWindowOfTheProgram();
    void correlationGridAsksAboutUnsavedEdits_data();
    void correlationGridAsksAboutUnsavedEdits();
    void correlationGridFollowsTheSheet();

private:
    BatteryWnd *openSheet();
    BatteryWnd *openBattery(bool withCorrelations = true);
    template <class T>
    T *in(const char *name) const
    {
        return fw::existingWindow(BatteryWnd::kClassName)->findChild<T *>(QLatin1String(name));
    }
    QTableView *scores() const { return in<QTableView>("scoresTable"); }
    QString sheetCells() const;
    void type(const QString &text);
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void answerDialogs(const QString &path);

    std::unique_ptr<shell::Program> m_program;
    QTemporaryDir m_dir;
    QStringList m_messages, m_questions;
    fw::Answer m_answer = fw::Answer::Cancel;
    std::vector<int> m_quits;
};

void TestBattery::initTestCase()
{
    quietOffscreen();
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("QuintavalTest"));
    QLocale::setDefault(QLocale::c());
    fw::setQuitHook([this](int code) { m_quits.push_back(code); });
    fw::setMsgBoxHook([this](const std::string &message) { m_messages << QString::fromStdString(message); });
    fw::setAskHook([this](const QString &text) {
        m_questions << text;
        return m_answer;
    });
    QVERIFY(m_dir.isValid());
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("battery.csv")), kBattery));
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("correlations.csv")), kCorrelations));
}

void TestBattery::init()
{
    m_messages.clear();
    m_questions.clear();
    m_quits.clear();
    m_answer = fw::Answer::Cancel;
    m_program = std::make_unique<shell::Program>();
    QSettings().clear();
    endSplash();
}

void TestBattery::cleanup()
{
    fw::setPrinterDialogHook({});
    fw::setFileDialogHook({});
    m_program.reset();
    QSettings().clear();
}

BatteryWnd *TestBattery::openSheet()
{
    auto *converter = existing<ControlWnd>();
    bringToFront(converter);
    QTest::keyClick(converter, Qt::Key_B, Qt::ControlModifier);
    auto *sheet = existing<BatteryWnd>();
    if (!sheet || !QTest::qWaitForWindowActive(sheet))
        return nullptr;
    return sheet;
}

BatteryWnd *TestBattery::openBattery(bool withCorrelations)
{
    BatteryWnd *sheet = openSheet();
    if (!sheet || !sheet->openFile(m_dir.filePath(QStringLiteral("battery.csv"))))
        return nullptr;
    if (withCorrelations && !sheet->loadCorrelations(m_dir.filePath(QStringLiteral("correlations.csv"))).isEmpty())
        return nullptr;
    return sheet;
}

QString TestBattery::sheetCells() const
{
    const battery::Sheet &sheet = existing<BatteryWnd>()->scoresModel()->sheet();
    QStringList rows{QString::fromStdString(sheet.id.person)};
    for (const battery::SheetRow &row : sheet.rows) {
        QStringList cells;
        for (const std::string &cell : row.cells)
            cells << QString::fromStdString(cell);
        // The set and a study's and controls' cells, written only when given.
        while (cells.size() > int(profile::Field::Set) && cells.back().isEmpty())
            cells.removeLast();
        rows << cells.join(QLatin1Char('|'));
    }
    return rows.join(QLatin1Char(';'));
}

// Keys go where the focus is, as they do for the user: the first opens
// the cell's editor, the rest go to it.
void TestBattery::type(const QString &text)
{
    for (const QChar c : text)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
}

void TestBattery::key(int key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
}

void TestBattery::answerDialogs(const QString &path)
{
    fw::setFileDialogHook([path](fw::FileDialogKind, const QString &) { return path; });
}

// Nothing of the sheet exists until it is asked for; Ctrl+B brings it.
void TestBattery::openedOnFirstUse()
{
    QVERIFY(!fw::existingWindow(BatteryWnd::kClassName));
    BatteryWnd *sheet = openSheet();
    QVERIFY(sheet);
    QCOMPARE(sheet->objectName(), QStringLiteral("BatteryWnd"));
    QCOMPARE(sheet->windowTitle(), QStringLiteral("Untitled[*] \u2014 Battery Sheet"));
    QVERIFY(!sheet->isWindowModified());
    QCOMPARE(in<QLineEdit>("testDateFld")->text(), QDate::currentDate().toString(Qt::ISODate));
    QCOMPARE(scores()->model()->rowCount(), 1); // the row that takes a new score
    QVERIFY(!bar().enabled("BatteryMenuItem"));
    QVERIFY(bar().trigger("ControlMenuItem"));
    QTRY_COMPARE(frontName(), QStringLiteral("ControlWnd"));
    QVERIFY(bar().trigger("BatteryMenuItem"));
    QTRY_COMPARE(frontName(), QStringLiteral("BatteryWnd"));
    QCOMPARE(fw::existingWindow(BatteryWnd::kClassName), sheet);
}

// Two scores typed from the keyboard, three pasted: every figure the
// tables show is the core's for the same scores, and the published worked
// example (r .90 and .90 on the Wechsler metric) reads SE 6.71, critical 13.15.
void TestBattery::typedAndPastedRowsGiveTheCoresFigures()
{
    BatteryWnd *sheet = openSheet();
    QVERIFY(sheet);
    QTRY_COMPARE(QApplication::focusWidget(), scores());
    for (const QStringList &cells : {QStringList{"Vocabulary", "w", "120", "", "", ".90", "", "", "Verbal", ""},
                                     QStringList{"Similarities", "w", "100", "", "", ".90", "", "", "Verbal", ""}}) {
        for (const QString &cell : cells) {
            if (!cell.isEmpty())
                type(cell);
            key(Qt::Key_Tab);
        }
        // Tab from Set went on to the new row's Name, past the figures.
        QCOMPARE(scores()->currentIndex(), scores()->model()->index(scores()->model()->rowCount() - 1, 0));
    }
    key(Qt::Key_Escape); // the new row's Name is open for typing: the paste goes to the table
    QTRY_COMPARE(QApplication::focusWidget(), scores());
    QCOMPARE(sheetCells(), QStringLiteral(";Vocabulary|wechsler|120|||.90|||Verbal;Similarities|wechsler|100|||.90|||Verbal"));
    QGuiApplication::clipboard()->setText(QStringLiteral("Name\tScale\tScore\tReliability\tRetest\tGroup\n"
                                                         "Matrices\tT\t40\t.86\t52\tReasoning\n"
                                                         "Blocks\tz\t-0.5\t.84\t\tReasoning\n"
                                                         "Reading\tpercentile\t30\t.93\t\t\n"));
    key(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(sheet->scoresModel()->sheet().rows.size(), std::size_t(5));

    const battery::SheetResults &shown = sheet->results();
    profile::Analysis core = profile::analyse(shown.sheetProfile.profile, profile::Correlations(), profile::Settings());
    QCOMPARE(core.scores.size(), std::size_t(5));
    for (int row = 0; row < 5; ++row) {
        const profile::ScoreResult &expected = core.scores[std::size_t(row)];
        auto cell = [&](int column) { return sheet->scoresModel()->cellText(row, column); };
        QCOMPARE(cell(battery::kMetricColumn).toStdString(), expected.metric.text);
        QCOMPARE(cell(battery::kPercentileColumn).toStdString(), expected.percentileRank.text);
        QCOMPARE(cell(battery::kCiLowColumn).toStdString(), expected.ciLow.text);
        QCOMPARE(cell(battery::kDeviationColumn).toStdString(), expected.deviation.text);
        QCOMPARE(cell(battery::kCriticalColumn).toStdString(), expected.deviationCritical.text);
        QCOMPARE(cell(battery::kRciColumn).toStdString(), expected.rci.text);
    }
    QAbstractItemModel *pairs = in<QTableView>("pairsTable")->model();
    QCOMPARE(pairs->rowCount(), int(core.pairs.size()));
    for (int row = 0; row < pairs->rowCount(); ++row)
        QCOMPARE(pairs->index(row, 4).data().toString().toStdString(), core.pairs[std::size_t(row)].critical.text);
    QCOMPARE(pairs->index(0, 3).data().toString(), QStringLiteral("6.71"));
    QCOMPARE(pairs->index(0, 4).data().toString(), QStringLiteral("13.15"));
    QCOMPARE(pairs->index(0, 5).data().toString(), QStringLiteral("yes")); // 20 >= 13.15

    // Significant only: the same pairs the core calls significant.
    in<QCheckBox>("significantOnlyBox")->setChecked(true);
    const auto significant = std::count_if(core.pairs.begin(), core.pairs.end(), [](const profile::PairResult &p) {
        return p.significant == profile::Significance::Yes;
    });
    QCOMPARE(pairs->rowCount(), int(significant));
    QVERIFY(significant > 0 && significant < long(core.pairs.size()));
}

// A paste with cells that cannot be used keeps every cell as written and
// marks each one in place with why; the rows it makes are left out of the
// figures and the chart, and the rest are worked out without them.
void TestBattery::cellsThatCannotBeUsedAreMarked()
{
    BatteryWnd *sheet = openSheet();
    QVERIFY(sheet);
    sheet->pasteText(QStringLiteral("A\twechsler\t100\t\t\t.9\n"
                                    "B\twechsler\tn/a\t\t\t1.5\n"
                                    "C\tIQ\t100\n"
                                    "A\tT\t50\n"
                                    "D\traw\t23\t20\t0\n"
                                    "E\tz\t+1\t100\t15\n"));
    QCOMPARE(sheetCells(), QStringLiteral(";A|wechsler|100|||.9|||;B|wechsler|n/a|||1.5|||;C|IQ|100||||||;"
                                          "A|t|50||||||;D|raw|23|20|0||||;E|z|+1|100|15||||"));
    battery::ScoresModel *model = sheet->scoresModel();
    auto tip = [&](int row, profile::Field field) {
        return model->index(row, int(field)).data(Qt::ToolTipRole).toString();
    };
    QVERIFY2(tip(1, profile::Field::Score).contains(QStringLiteral("\u201Cn/a\u201D is not a number")), qPrintable(tip(1, profile::Field::Score)));
    QVERIFY(tip(1, profile::Field::Reliability).contains(QLatin1String("between")) || tip(1, profile::Field::Reliability).contains(QLatin1String("greater than 0")));
    QVERIFY(tip(2, profile::Field::Scale).contains(QStringLiteral("\u201CIQ\u201D is not a scale")));
    QVERIFY(tip(3, profile::Field::Name).contains(QLatin1String("Row 1")));
    QVERIFY(tip(4, profile::Field::Sd).contains(QLatin1String("greater than 0")));
    QVERIFY(tip(5, profile::Field::Mean).contains(QLatin1String("raw score")));  // a note: E is still used
    QVERIFY(model->index(1, int(profile::Field::Score)).data(Qt::DecorationRole).isValid());
    QVERIFY(!model->index(5, int(profile::Field::Mean)).data(Qt::DecorationRole).isValid());
    QCOMPARE(model->index(1, int(profile::Field::Score)).data(Qt::AccessibleDescriptionRole),
             model->index(1, int(profile::Field::Score)).data(Qt::ToolTipRole));
    QCOMPARE(sheet->results().analysis.refused, (std::vector<int>{1, 2, 3, 4}));
    QCOMPARE(in<battery::ChartView>("profileChart")->chart().data().scores.size(), std::size_t(2));
    QVERIFY2(in<QLabel>("statusTxt")->text().contains(QLatin1String("cannot be used")), qPrintable(in<QLabel>("statusTxt")->text()));
    // The current cell's reason is said where a keyboard user reads it.
    scores()->setCurrentIndex(model->index(2, int(profile::Field::Scale)));
    QVERIFY(in<QLabel>("statusTxt")->text().startsWith(QLatin1String("Row 3, Scale: ")));
}

// What the sheet says is heard: its messages as a status line, the chart
// as a chart, a cell's editor by its column and row, a refused cell's reason.
void TestBattery::heardByAScreenReader()
{
    BatteryWnd *sheet = openSheet();
    QVERIFY(sheet);
    QAccessibleInterface *status = QAccessible::queryAccessibleInterface(in<QLabel>("statusTxt"));
    QCOMPARE(status->role(), QAccessible::StatusBar);
    QCOMPARE(status->text(QAccessible::Name), QStringLiteral("Messages"));
    sheet->pasteText(QStringLiteral("A\twechsler\tn/a\nB\twechsler\t<b>110</b>\n"));
    QVERIFY2(status->text(QAccessible::Name).contains(QLatin1String("cannot be used")),
             qPrintable(status->text(QAccessible::Name)));
    QCOMPARE(status->text(QAccessible::Name), in<QLabel>("statusTxt")->text());
    QCOMPARE(in<QLabel>("statusTxt")->textFormat(), Qt::PlainText); // a pasted tag is never markup
    QCOMPARE(QAccessible::queryAccessibleInterface(in<battery::ChartView>("profileChart"))->role(),
             QAccessible::Chart);
    const QStringList clashes = mnemonicClashes(sheet);
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QLatin1String("; "))));

    battery::ScoresModel *model = sheet->scoresModel();
    const QModelIndex refused = model->index(0, int(profile::Field::Score));
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(scores());
    QAccessibleInterface *cell = table->tableInterface()->cellAt(refused.row(), refused.column());
    QVERIFY(cell);
    QVERIFY2(cell->text(QAccessible::Description).contains(QStringLiteral("\u201Cn/a\u201D is not a number")),
             qPrintable(cell->text(QAccessible::Description)));
    scores()->setFocus();
    scores()->setCurrentIndex(refused);
    QVERIFY(in<QLabel>("statusTxt")->text().startsWith(QLatin1String("Row 1, Score: ")));
    QVERIFY(status->text(QAccessible::Name).startsWith(QLatin1String("Row 1, Score: ")));

    // A value refused as it is typed is said at once, though Tab moved on.
    scores()->setCurrentIndex(model->index(1, int(profile::Field::Reliability)));
    type(QStringLiteral("x"));
    key(Qt::Key_Tab);
    QTRY_COMPARE(scores()->currentIndex().column(), int(profile::Field::Reliability) + 1);
    QVERIFY2(status->text(QAccessible::Name).startsWith(QLatin1String("Row 2, Reliability: ")),
             qPrintable(status->text(QAccessible::Name)));
    key(Qt::Key_Escape);
    QTRY_COMPARE(QApplication::focusWidget(), scores());
    key(Qt::Key_Z, Qt::ControlModifier);

    for (profile::Field field : {profile::Field::Score, profile::Field::Scale, profile::Field::Reliability}) {
        const QModelIndex index = model->index(1, int(field));
        scores()->setCurrentIndex(index);
        key(Qt::Key_F2);
        QTRY_VERIFY(QApplication::focusWidget() && QApplication::focusWidget() != scores());
        const QString column = model->headerData(int(field), Qt::Horizontal, Qt::DisplayRole).toString();
        QWidget *editor = QApplication::focusWidget();
        const QString name = QStringLiteral("%1, row 2").arg(column);
        QCOMPARE(editor->accessibleName(), name);
        // A list box is heard by its value, and named by its label.
        if (field == profile::Field::Scale) {
            const auto labels = QAccessible::queryAccessibleInterface(editor)->relations(QAccessible::Label);
            QCOMPARE(labels.size(), 1);
            QCOMPARE(labels.first().first->text(QAccessible::Name), name);
        } else {
            QCOMPARE(QAccessible::queryAccessibleInterface(editor)->text(QAccessible::Name), name);
        }
        key(Qt::Key_Escape);
        QTRY_COMPARE(QApplication::focusWidget(), scores());
    }
}

// Save suggests the name Export PDF suggests; Ctrl+W closes the sheet, and
// asks first about scores not saved.
void TestBattery::closedAndNamedLikeItsPdf()
{
    BatteryWnd *sheet = openSheet();
    QVERIFY(sheet);
    QTest::keyClicks(in<QLineEdit>("clientFld"), QStringLiteral("Ada Example"));
    in<QLineEdit>("testDateFld")->clear();
    QTest::keyClicks(in<QLineEdit>("testDateFld"), QStringLiteral("2026-11-02"));
    QStringList suggested;
    fw::setFileDialogNameHook([&suggested](fw::FileDialogKind, const QString &, const QString &name) {
        suggested << QFileInfo(name).fileName();
        return QString();
    });
    QVERIFY(bar().trigger("FileSaveAs"));
    QVERIFY(bar().trigger("ExportPdfItem"));
    QCOMPARE(suggested, QStringList({"Ada Example-2026-11-02.csv", "Ada Example-2026-11-02.pdf"}));

    m_answer = fw::Answer::Cancel;
    key(Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(m_questions.size(), 1);
    QVERIFY(fw::existingWindow(BatteryWnd::kClassName));
    m_answer = fw::Answer::No;
    key(Qt::Key_W, Qt::ControlModifier);
    QTRY_VERIFY(!fw::existingWindow(BatteryWnd::kClassName));
}

void TestBattery::undoAndRedoFromTheKeyboard_data()
{
    QTest::addColumn<QString>("edit");
    QTest::newRow("typed into a cell") << "type";
    QTest::newRow("a new score typed") << "new";
    QTest::newRow("pasted") << "paste";
    QTest::newRow("a row inserted (Insert)") << "insert";
    QTest::newRow("rows deleted (Delete)") << "delete";
    QTest::newRow("a row moved (Ctrl+Down)") << "move";
    QTest::newRow("cut") << "cut";
    QTest::newRow("cleared (Backspace)") << "clear";
    QTest::newRow("the name or code") << "identification";
}

// Ctrl+Z takes back each kind of edit whole, Ctrl+Shift+Z does it again,
// and the modified mark follows.
void TestBattery::undoAndRedoFromTheKeyboard()
{
    QFETCH(QString, edit);
    BatteryWnd *sheet = openBattery(false);
    QVERIFY(sheet);
    QTableView *table = scores();
    table->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), table);
    QAbstractItemModel *model = table->model();
    table->setCurrentIndex(model->index(1, 0));
    const QString before = sheetCells();
    QVERIFY(!sheet->isWindowModified());

    if (edit == QLatin1String("type")) {
        table->setCurrentIndex(model->index(1, int(profile::Field::Score)));
        type(QStringLiteral("15"));
        key(Qt::Key_Return); // the editor commits once the key is done with
        QTRY_COMPARE(QApplication::focusWidget(), table);
    } else if (edit == QLatin1String("new")) {
        table->setCurrentIndex(model->index(model->rowCount() - 1, 0));
        type(QStringLiteral("Extra"));
        key(Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), table);
    } else if (edit == QLatin1String("paste")) {
        QGuiApplication::clipboard()->setText(QStringLiteral("X\tt\t55\nY\tt\t45\n"));
        key(Qt::Key_V, Qt::ControlModifier);
    } else if (edit == QLatin1String("insert")) {
        key(Qt::Key_Insert);
    } else if (edit == QLatin1String("delete")) {
        table->selectionModel()->select(QItemSelection(model->index(1, 0), model->index(3, 2)),
                                        QItemSelectionModel::ClearAndSelect);
        key(Qt::Key_Delete);
    } else if (edit == QLatin1String("move")) {
        key(Qt::Key_Down, Qt::ControlModifier);
    } else if (edit == QLatin1String("cut")) {
        table->selectionModel()->select(QItemSelection(model->index(1, 0), model->index(2, 2)),
                                        QItemSelectionModel::ClearAndSelect);
        key(Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Analogies\tScaled score\t13\n"
                                                                      "General Knowledge\tScaled score\t12\n"));
    } else if (edit == QLatin1String("clear")) {
        table->selectionModel()->select(QItemSelection(model->index(1, 5), model->index(2, 5)),
                                        QItemSelectionModel::ClearAndSelect);
        key(Qt::Key_Backspace);
    } else if (edit == QLatin1String("identification")) {
        in<QLineEdit>("clientFld")->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), in<QLineEdit>("clientFld"));
        type(QStringLiteral("-B"));
        table->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), table);
    }
    const QString after = sheetCells();
    QVERIFY2(after != before, qPrintable(after));
    QVERIFY(sheet->isWindowModified());
    QCOMPARE(sheet->undoStack()->count(), 1); // one step, however many cells

    key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(sheetCells(), before);
    QVERIFY(!sheet->isWindowModified());
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(sheetCells(), after);
    QVERIFY(sheet->isWindowModified());
}

// Saved, opened again and saved again: the same bytes; the title names the
// file, with the modified mark only while there are unsaved changes; the
// file is among the recent files.
void TestBattery::saveThenOpenGivesTheSameFile()
{
    BatteryWnd *sheet = openSheet();
    QVERIFY(sheet);
    sheet->pasteText(QString::fromUtf8(kBattery));
    in<QLineEdit>("clientFld")->setText(QStringLiteral("Kim, \"K\""));
    in<QLineEdit>("examinerFld")->setText(QStringLiteral("R. M\u00fcller"));
    QVERIFY(sheet->isWindowModified());
    const QString first = m_dir.filePath(QStringLiteral("first.csv"));
    const QString second = m_dir.filePath(QStringLiteral("second.csv"));
    answerDialogs(m_dir.filePath(QStringLiteral("first"))); // the .csv is added
    key(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_messages, QStringList());
    QVERIFY(!sheet->isWindowModified());
    QCOMPARE(sheet->windowTitle(), QStringLiteral("first.csv[*] \u2014 Battery Sheet"));
    const QString cells = sheetCells();

    QVERIFY(bar().trigger("FileNew"));
    QCOMPARE(sheet->scoresModel()->sheet().rows.size(), std::size_t(0));
    answerDialogs(first);
    QVERIFY(bar().trigger("FileOpen"));
    QCOMPARE(sheetCells(), cells);
    QCOMPARE(in<QLineEdit>("clientFld")->text(), QStringLiteral("Kim, \"K\""));
    answerDialogs(second);
    QVERIFY(bar().trigger("FileSaveAs"));
    QCOMPARE(readFile(second), readFile(first));
    QVERIFY(readFile(first).startsWith("person,birth_date,test_date,battery,examiner,name,scale,score,mean,sd,"));

    QCOMPARE(bar().find("RecentFile1")->action()->text(), QStringLiteral("&1 second.csv"));
    QCOMPARE(bar().find("RecentFile2")->action()->text(), QStringLiteral("&2 first.csv"));
    QVERIFY(!bar().find("RecentFile3")->action()->isVisible());
    QVERIFY(bar().trigger("FileNew"));
    QVERIFY(bar().trigger("RecentFile2"));
    QCOMPARE(sheet->filePath(), first);
}

void TestBattery::unsavedScoresAreAskedAbout_data()
{
    QTest::addColumn<QString>("leaving"); // how the user would leave the scores
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("left");       // whether they are left
    QTest::addColumn<bool>("saved");
    for (const char *leaving : {"close", "new", "open", "quit"}) {
        QTest::addRow("%s, save", leaving) << leaving << int(fw::Answer::Yes) << true << true;
        QTest::addRow("%s, don't save", leaving) << leaving << int(fw::Answer::No) << true << false;
        QTest::addRow("%s, cancel", leaving) << leaving << int(fw::Answer::Cancel) << false << false;
    }
}

void TestBattery::unsavedScoresAreAskedAbout()
{
    QFETCH(QString, leaving);
    QFETCH(int, answer);
    QFETCH(bool, left);
    QFETCH(bool, saved);
    BatteryWnd *sheet = openSheet();
    QVERIFY(sheet);
    sheet->pasteText(QStringLiteral("A\tz\t1\n"));
    const QString cells = sheetCells();
    const QString savedTo = m_dir.filePath(QStringLiteral("asked.csv"));
    QFile::remove(savedTo);
    const QString other = m_dir.filePath(QStringLiteral("battery.csv"));
    // A Save As dialog answers with the new file; the Open dialog with another.
    fw::setFileDialogHook([&](fw::FileDialogKind kind, const QString &) {
        return kind == fw::FileDialogKind::Save ? savedTo : other;
    });
    m_answer = fw::Answer(answer);
    QPointer<BatteryWnd> guarded(sheet);
    if (leaving == QLatin1String("close"))
        sheet->close();
    else if (leaving == QLatin1String("quit"))
        QVERIFY(bar().trigger("FileQuit"));
    else
        QVERIFY(bar().trigger(leaving == QLatin1String("new") ? "FileNew" : "FileOpen"));

    QCOMPARE(m_questions, QStringList{QStringLiteral("Save the changes to Untitled?")});
    QCOMPARE(QFile::exists(savedTo), saved);
    if (saved)
        QVERIFY(readFile(savedTo).contains(",A,z,1,"));
    if (leaving == QLatin1String("close")) {
        QTRY_COMPARE(guarded.isNull(), left);
    } else if (leaving == QLatin1String("quit")) {
        QCOMPARE(m_quits.size(), std::size_t(left ? 1 : 0));
    } else {
        QVERIFY(!guarded.isNull());
        QCOMPARE(sheetCells() != cells, left);
    }
    if (!left)
        QCOMPARE(sheetCells(), cells);
}

// A save that fails part way (the file-size limit holds for root too) says
// so, leaves the file on disk as it was, and keeps the scores unsaved.
void TestBattery::failedSaveKeepsTheOldFile()
{
    const QString path = m_dir.filePath(QStringLiteral("kept.csv"));
    QVERIFY(writeFile(path, kBattery));
    BatteryWnd *sheet = openSheet();
    QVERIFY(sheet && sheet->openFile(path));
    for (int i = 0; i < 20; ++i)
        sheet->pasteText(QStringLiteral("Another score with a long name %1\tscaled\t10\t\t\t.9\n").arg(i));
    QVERIFY(sheet->isWindowModified());
    const QString cells = sheetCells();

    rlimit was{};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &was) == 0);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = was;
    small.rlim_cur = 1024;
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
    const bool triggered = bar().trigger("FileSave");
    ::setrlimit(RLIMIT_FSIZE, &was);
    std::signal(SIGXFSZ, handler);

    QVERIFY(triggered);
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages.front().startsWith(QLatin1String("kept.csv could not be saved:"))
                 && m_messages.front().endsWith(QLatin1String("The file on disk is as it was.")),
             qPrintable(m_messages.front()));
    QCOMPARE(readFile(path), QByteArray(kBattery));
    QVERIFY(sheet->isWindowModified());
    QCOMPARE(sheetCells(), cells);
}

void TestBattery::writersNeverReplaceWhatTheSheetReads_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("target"); // "link:" a symbolic link to, "hard:" a hard link to, "fifo:" a FIFO
    QTest::addColumn<QString>("said");   // in the one message; empty: written, no message
    QTest::newRow("Export PDF over the sheet's file") << "ExportPdfItem" << "link:battery.csv"
                                                       << "it is the sheet's own file, which this would replace";
    QTest::newRow("Save Picture over the correlations") << "SavePictureAction" << "hard:correlations.csv"
                                                        << "it is the correlation file the sheet uses";
    QTest::newRow("Save As over the correlations") << "FileSaveAs" << "link:correlations.csv"
                                                   << "it is the correlation file the sheet uses";
    QTest::newRow("Save As over its own file, linked") << "FileSaveAs" << "hard:battery.csv" << "";
    QTest::newRow("Export PDF to a full device") << "ExportPdfItem" << "link:/dev/full" << "No space left on device";
    QTest::newRow("Save Picture to a device") << "SavePictureAction" << "link:/dev/null" << "";
    QTest::newRow("Save As into a pipe nothing reads") << "FileSaveAs" << "fifo:" << "a pipe that nothing reads";
    QTest::newRow("Export PDF to a folder") << "ExportPdfItem" << "folder:" << "Is a directory";
}

// Export PDF…, Save Picture… and Save As… never write over a file the sheet
// reads, by any name or link; a device is written as a stream and never
// replaced, a pipe without a reader is refused rather than waited for, and
// a failed write says why and leaves nothing behind.
void TestBattery::writersNeverReplaceWhatTheSheetReads()
{
    QFETCH(QString, command);
    QFETCH(QString, target);
    QFETCH(QString, said);
    BatteryWnd *sheet = openBattery();
    QVERIFY(sheet);
    QTemporaryDir dir(m_dir.filePath(QStringLiteral("writers-XXXXXX")));
    const QString suffix = command == QLatin1String("FileSaveAs") ? QStringLiteral(".csv")
        : command == QLatin1String("ExportPdfItem")                ? QStringLiteral(".pdf")
                                                                   : QStringLiteral(".svg");
    const QString path = dir.filePath(QStringLiteral("out") + suffix);
    const QString kind = target.section(QLatin1Char(':'), 0, 0);
    QString read = target.section(QLatin1Char(':'), 1);
    if (!read.isEmpty() && !read.startsWith(QLatin1Char('/')))
        read = m_dir.filePath(read);
    if (kind == QLatin1String("link"))
        QVERIFY(QFile::link(read, path));
    else if (kind == QLatin1String("hard"))
        QCOMPARE(::link(QFile::encodeName(read).constData(), QFile::encodeName(path).constData()), 0);
    else if (kind == QLatin1String("fifo"))
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else
        QVERIFY(QDir(dir.path()).mkdir(QFileInfo(path).fileName()));
    struct stat before {};
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &before), 0);
    const QByteArray contents = QFileInfo(read).isFile() ? readFile(read) : QByteArray();

    answerDialogs(path);
    QVERIFY(bar().trigger(command.toLatin1().constData()));
    if (said.isEmpty()) {
        QCOMPARE(m_messages, QStringList());
    } else {
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages.front().contains(said), qPrintable(m_messages.front()));
        if (!contents.isEmpty())
            QCOMPARE(readFile(read), contents);
    }
    struct stat after {};
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &after), 0);
    QCOMPARE(after.st_mode & S_IFMT, before.st_mode & S_IFMT);
    if (!said.isEmpty() || !S_ISREG(before.st_mode))
        QCOMPARE(after.st_ino, before.st_ino); // never replaced
    const QStringList hidden = QDir(dir.path()).entryList(QDir::Hidden | QDir::Files | QDir::System | QDir::NoDotAndDotDot);
    QVERIFY2(std::none_of(hidden.begin(), hidden.end(), [](const QString &name) { return name.startsWith('.'); }),
             qPrintable(hidden.join(QLatin1Char(' '))));
    QVERIFY(sheet->isVisible());
}

void TestBattery::fileChangedOnDisk_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("overwritten");
    QTest::addColumn<bool>("savedElsewhere");
    QTest::newRow("overwrite") << int(fw::Answer::Yes) << true << false;
    QTest::newRow("save as") << int(fw::Answer::No) << false << true;
    QTest::newRow("cancel") << int(fw::Answer::Cancel) << false << false;
}

// Someone else wrote the file since it was opened: Save asks first, and
// neither their file nor the sheet's scores are lost unless the user says so.
void TestBattery::fileChangedOnDisk()
{
    QFETCH(int, answer);
    QFETCH(bool, overwritten);
    QFETCH(bool, savedElsewhere);
    const QString path = m_dir.filePath(QStringLiteral("shared.csv"));
    const QString elsewhere = m_dir.filePath(QStringLiteral("mine.csv"));
    QFile::remove(elsewhere);
    QVERIFY(writeFile(path, kBattery));
    BatteryWnd *sheet = openSheet();
    QVERIFY(sheet && sheet->openFile(path));
    sheet->pasteText(QStringLiteral("Mine\tz\t1\n"));
    const QByteArray theirs = QByteArray(kBattery) + "C-0417,,,,,Theirs,z,2,,,,\n";
    QVERIFY(writeFile(path, theirs));
    m_answer = fw::Answer(answer);
    answerDialogs(elsewhere);
    QVERIFY(bar().trigger("FileSave"));
    QCOMPARE(m_questions, QStringList{QStringLiteral("shared.csv has changed on disk since it was opened.")});
    QCOMPARE(readFile(path) != theirs, overwritten);
    QCOMPARE(QFile::exists(elsewhere), savedElsewhere);
    QCOMPARE(sheet->isWindowModified(), !overwritten && !savedElsewhere);
    QVERIFY(sheetCells().contains(QLatin1String("Mine")));
}

void TestBattery::hostileInput_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("message"); // the start of what the user is told
    QTest::newRow("a paste of 10,000 rows") << "paste" << "The clipboard holds more than 200 rows";
    QTest::newRow("a paste of 9 MB") << "huge paste" << "The clipboard holds more than 8 MB";
    QTest::newRow("100 MB of binary data") << "binary" << "hostile.csv is not a text file";
    QTest::newRow("100 MB of one person's scores") << "long" << "hostile.csv, line 202: the person has more than 200";
    QTest::newRow("a UTF-16 file") << "utf16" << "hostile.csv is written in UTF-16";
    QTest::newRow("a folder") << "folder" << "hostile.csv is not a file that can be read";
    QTest::newRow("a correlation file that is not one") << "bad correlations" << "hostile.csv, line 3, cell 2: ";
}

// Each gives a clear message, leaves the sheet and its correlations as they
// were, and the sheet takes a typed score afterwards.
void TestBattery::hostileInput()
{
    QFETCH(QString, input);
    QFETCH(QString, message);
    BatteryWnd *sheet = openBattery();
    QVERIFY(sheet);
    const QString cells = sheetCells();
    const QString correlations = in<QLabel>("correlationsTxt")->text();
    const QString path = m_dir.filePath(QStringLiteral("hostile.csv"));
    QFile::remove(path);
    QDir(path).removeRecursively();
    if (input == QLatin1String("paste") || input == QLatin1String("huge paste")) {
        QString text;
        const int rows = input == QLatin1String("paste") ? 10000 : 120000;
        text.reserve(rows * 110);
        for (int i = 0; i < rows; ++i)
            text += QStringLiteral("Score %1\tscaled\t10\t\t\t.9\t\t\tGroup with a long name to fill the clipboard%1\n")
                        .arg(i);
        sheet->pasteText(text);
    } else if (input == QLatin1String("binary")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(100 << 20));
        file.close();
        sheet->openFile(path);
    } else if (input == QLatin1String("long")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QByteArray block;
        for (int i = 0; i < 20000; ++i)
            block += "A score " + QByteArray::number(i) + ",scaled,10,.9,,,Group of scores\n";
        file.write("name,scale,score,reliability,retest,practice,group\n");
        while (file.size() < (100 << 20))
            QVERIFY(file.write(block) == block.size());
        file.close();
        sheet->openFile(path);
    } else if (input == QLatin1String("utf16")) {
        QVERIFY(writeFile(path, QByteArray("\xFF\xFE", 2) + QByteArray("n\0a\0m\0e\0", 8)));
        sheet->openFile(path);
    } else if (input == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(path));
        sheet->openFile(path);
    } else {
        QVERIFY(writeFile(path, "name,A,B\nA,1\nB,1.5,1\n"));
        QVERIFY2(sheet->loadCorrelations(path).startsWith(message), qPrintable(sheet->loadCorrelations(path)));
        m_messages << sheet->loadCorrelations(path);
    }
    QVERIFY(!m_messages.isEmpty());
    QVERIFY2(m_messages.back().startsWith(message), qPrintable(m_messages.back()));
    QCOMPARE(sheetCells(), cells);
    QCOMPARE(in<QLabel>("correlationsTxt")->text(), correlations);
    scores()->setFocus();
    scores()->setCurrentIndex(scores()->model()->index(0, int(profile::Field::Score)));
    type(QStringLiteral("15"));
    key(Qt::Key_Return);
    QTRY_COMPARE(sheet->scoresModel()->cellText(0, battery::kMetricColumn), QStringLiteral("125"));
    QFile::remove(path);
    QDir(path).removeRecursively();
}

// A file name is text, even with "%2" in it: a message naming it keeps it
// whole and still says the line.
void TestBattery::fileNamesAreNeverPlaceholders()
{
    BatteryWnd *sheet = openBattery();
    QVERIFY(sheet);
    const QString scores = m_dir.filePath(QStringLiteral("50%2 %3.csv"));
    QVERIFY(writeFile(scores, "name,scale,score\nA,z,1,2\n"));
    m_messages.clear();
    sheet->openFile(scores);
    QCOMPARE(m_messages, QStringList{QStringLiteral("50%2 %3.csv, line 2: the line has 4 cells where the first line has 3.")});
    const QString correlations = m_dir.filePath(QStringLiteral("r%1%2.csv"));
    QVERIFY(writeFile(correlations, "name,A,B\nA,1\nB,1.5,1\n"));
    const QString message = sheet->loadCorrelations(correlations);
    QVERIFY2(message.startsWith(QLatin1String("r%1%2.csv, line 3, cell 2: ")), qPrintable(message));
    QFile::remove(scores);
    QFile::remove(correlations);
}

// A name longer than a field holds keeps its first 120 characters and the
// window says so, whether opened from a file or pasted; the file it came
// from is not overwritten with the shorter name.
void TestBattery::identificationKeptToItsLimit()
{
    QString examiner = QStringLiteral("Dr.");
    while (examiner.size() < 150)
        examiner += QStringLiteral(" Examiner-Hollingsworth");
    const QString path = m_dir.filePath(QStringLiteral("long-names.csv"));
    QVERIFY(writeFile(path, "person,examiner,name,scale,score\nK-0117,\"" + examiner.toUtf8() + "\",A,z,1\n"));
    BatteryWnd *sheet = openSheet();
    QVERIFY(sheet);
    QVERIFY(sheet->openFile(path));
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages[0].contains(QLatin1String("examiner runs past 120 characters")), qPrintable(m_messages[0]));
    const QString kept = examiner.left(120);
    QCOMPARE(in<QLineEdit>("examinerFld")->text(), kept);
    QCOMPARE(QString::fromStdString(sheet->scoresModel()->sheet().id.examiner), kept);
    QCOMPARE(sheet->filePath(), QString()); // Save asks for a new name

    in<QLineEdit>("clientFld")->setText(examiner); // as a paste puts it
    QCOMPARE(in<QLineEdit>("clientFld")->text(), kept);
    QCOMPARE(QString::fromStdString(sheet->scoresModel()->sheet().id.person), kept);
    QVERIFY(!in<QLabel>("cutLbl")->isHidden());
    QVERIFY2(in<QLabel>("cutLbl")->text().startsWith(QLatin1String("Name or code was longer than 120 characters")),
             qPrintable(in<QLabel>("cutLbl")->text()));
    QVERIFY(readFile(path).contains(examiner.toUtf8()));
}

// A column narrowed below its widest figure widens again with the next
// figures; words may be cut on screen, and their tip holds them whole.
void TestBattery::figuresNeverCutOnScreen()
{
    BatteryWnd *sheet = openBattery();
    QVERIFY(sheet);
    QTableView *table = scores();
    for (int column = battery::kMetricColumn; column < battery::kColumnCount; ++column)
        table->setColumnWidth(column, 4);
    sheet->pasteText(QStringLiteral("Word Meaning\tscaled\t4\n"));
    const QFontMetrics metrics(table->font());
    QAbstractItemModel *model = table->model();
    int figures = 0;
    for (int column = battery::kMetricColumn; column < battery::kColumnCount; ++column) {
        if (!battery::isNumberColumn(column) || table->isColumnHidden(column))
            continue;
        for (int row = 0; row < model->rowCount(); ++row) {
            const QString figure = model->index(row, column).data().toString();
            figures += !figure.isEmpty();
            QVERIFY2(metrics.horizontalAdvance(figure) + 8 <= table->columnWidth(column),
                     qPrintable(QStringLiteral("%1 in column %2").arg(figure).arg(column)));
        }
    }
    QVERIFY(figures > 50);
    QCOMPARE(model->index(0, int(profile::Field::Name)).data(Qt::ToolTipRole).toString(), QStringLiteral("Word Meaning"));
    QCOMPARE(model->index(0, battery::kDescriptorColumn).data(Qt::ToolTipRole).toString(),
             model->index(0, battery::kDescriptorColumn).data().toString());
}

// The psychologist's battery: subtests, indexes and achievement scores each
// compared within their own set, in the table, its tips, the chart, the
// file and the printed page.
void TestBattery::comparisonSetsOnScreenAndOnPaper()
{
    const QString path = m_dir.filePath(QStringLiteral("sets.csv"));
    QVERIFY(writeFile(path,
                      "person,name,scale,score,reliability,set\n"
                      "C-0417,Similarities,scaled,13,.86,subtests\nC-0417,Vocabulary,scaled,14,.89,subtests\n"
                      "C-0417,Information,scaled,12,.87,subtests\nC-0417,Comprehension,scaled,12,.81,subtests\n"
                      "C-0417,Block Design,scaled,7,.84,subtests\nC-0417,Matrix Reasoning,scaled,9,.88,subtests\n"
                      "C-0417,Picture Concepts,scaled,11,.83,subtests\nC-0417,Digit Span,scaled,10,.9,subtests\n"
                      "C-0417,Coding,scaled,6,.82,subtests\nC-0417,Symbol Search,scaled,8,.8,subtests\n"
                      "C-0417,Verbal Index,wechsler,108,.92,indexes\nC-0417,Perceptual Index,wechsler,91,.91,indexes\n"
                      "C-0417,Reading,t,42,.9,achievement\nC-0417,Mathematics,t,55,.9,achievement\n"));
    BatteryWnd *sheet = openSheet();
    QVERIFY(sheet && sheet->openFile(path));
    const battery::SheetResults &results = sheet->results();
    QCOMPARE(results.analysis.sets.size(), std::size_t(3));
    QString marks;
    for (const profile::ScoreResult &s : results.analysis.scores)
        marks += s.mark == profile::Mark::None ? '.' : profile::markText(s.mark)[0];
    QCOMPARE(marks.mid(10), QStringLiteral("....")); // the indexes and T scores never
    QCOMPARE(marks.mid(4, 5), QStringLiteral("W...W"));

    const battery::ScoresModel *model = sheet->scoresModel();
    QCOMPARE(model->headerData(int(profile::Field::Set), Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Set"));
    int deviationColumn = -1;
    for (int column = battery::kInputColumns; column < model->columnCount(); ++column)
        if (battery::itemOfColumn(column) == profile::Item::Deviation)
            deviationColumn = column;
    QVERIFY(deviationColumn > 0);
    QCOMPARE(model->index(10, deviationColumn).data().toString(), QString());
    const QString why = model->index(10, deviationColumn).data(Qt::ToolTipRole).toString();
    QVERIFY2(why.contains(QLatin1String("needs 3 scores in its set")) && why.contains(QLatin1String("indexes"))
                 && why.contains(QLatin1Char('2')),
             qPrintable(why));
    QVERIFY(model->index(0, deviationColumn).data(Qt::ToolTipRole).toString().isEmpty());

    const battery::ChartData chart = battery::chartData(results, {});
    QVERIFY(std::isnan(chart.meanZ)); // no one mean for the whole person
    QVERIFY(!std::isnan(chart.scores[0].setMeanZ));
    QVERIFY(std::isnan(chart.scores[10].setMeanZ));
    battery::ProfileChart drawn;
    drawn.setData(chart);
    QCOMPARE(drawn.layout(QRectF(0, 0, 900, 500), 12).setMeans.size(), std::size_t(1));

    const QString saved = m_dir.filePath(QStringLiteral("sets-saved.csv"));
    QVERIFY(sheet->saveTo(saved));
    QVERIFY(readFile(saved).contains(",set"));
    QVERIFY(readFile(saved).contains(",indexes"));

    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("needs pdftotext (poppler-utils)");
    const QString pdf = m_dir.filePath(QStringLiteral("sets.pdf"));
    QFile::remove(pdf);
    answerDialogs(pdf);
    QVERIFY(bar().trigger("ExportPdfItem"));
    const std::optional<QString> printed = pdfText(pdf);
    QVERIFY(printed);
    const QString text = printed->normalized(QString::NormalizationForm_KC).simplified();
    for (const char *part : {"in the score's set (subtests, 10 scores, mean 101.0; indexes, 2 scores, too few; "
                             "achievement, 2 scores, too few)",
                             "Weaknesses: Block Design, Coding."})
        QVERIFY2(text.contains(QLatin1String(part)), part);
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("Verbal Index 108 .*indexes"))));
}

void TestBattery::printedReport_data()
{
    QTest::addColumn<int>("paper");
    QTest::addColumn<bool>("exported");
    QTest::newRow("A4, printed") << int(QPageSize::A4) << false;
    QTest::newRow("Letter, printed") << int(QPageSize::Letter) << false;
    QTest::newRow("exported") << int(QPageSize::A4) << true;
}

// A battery of twelve scores prints on two pages: who and when on each,
// every score's figures, the significant differences, strengths and
// weaknesses, change, composites and the Method with its sources, and
// nothing cut at a page's edge (each row is read back whole).
void TestBattery::printedReport()
{
    QFETCH(int, paper);
    QFETCH(bool, exported);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("needs pdftotext (poppler-utils)");
    BatteryWnd *sheet = openBattery();
    QVERIFY(sheet);
    const QString pdf = m_dir.filePath(QStringLiteral("report.pdf"));
    QFile::remove(pdf);
    if (exported) {
        answerDialogs(pdf);
        QVERIFY(bar().trigger("ExportPdfItem"));
    } else {
        fw::setPrinterDialogHook([pdf, paper]() -> std::unique_ptr<QPrinter> {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            printer->setPageSize(QPageSize(QPageSize::PageSizeId(paper)));
            return printer;
        });
        key(Qt::Key_P, Qt::ControlModifier);
    }
    QCOMPARE(m_messages, QStringList());
    const std::optional<QString> printed = pdfText(pdf);
    QVERIFY(printed);
    // The page's fonts join "fi" and "ff"; read as letters.
    const QString read = printed->normalized(QString::NormalizationForm_KC);
    const QStringList pages = read.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QCOMPARE(pages.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QVERIFY(pages[i].contains(QLatin1String("Name or code: C-0417")));
        QVERIFY(pages[i].contains(QLatin1String("Age at testing: 11;7 (20 days)")));
        QVERIFY(pages[i].contains(QStringLiteral("page %1 of 3").arg(i + 1)));
    }
    const QString text = read.simplified();
    for (const char *part : {"Battery Report", "Strengths: Word Meaning, Analogies, General Knowledge.",
                             "Weaknesses: Word List, Symbol Coding.", "Composites", "Change on retest",
                             "Significant differences", "33 of 66 differences are significant at alpha .05", "Method",
                             "centred on the estimated true score", "Correlations between the scores: from correlations.csv",
                             "Gulliksen, H. (1950). Theory of mental tests.", "Davis, F. B. (1959)",
                             "Payne, R. W., & Jones, H. G. (1957)", "Tellegen, A., & Briggs, P. F. (1967)",
                             "Mosier, C. I. (1943)", "Jacobson, N. S., & Truax, P. (1991)"})
        QVERIFY2(text.contains(QLatin1String(part)), part);

    // Read as laid out, each table row is one line: every score's row and
    // every significant pair whole, so nothing was cut at a page's edge.
    QProcess tool;
    tool.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(tool.waitForFinished(20000));
    const QStringList lines =
        QString::fromUtf8(tool.readAllStandardOutput()).normalized(QString::NormalizationForm_KC).split(QLatin1Char('\n'));
    auto printedLine = [&](const QStringList &cells) {
        QStringList escaped;
        for (QString cell : cells)
            escaped << QRegularExpression::escape(cell.replace(QLatin1Char('-'), QChar(0x2212)));
        const QRegularExpression row(escaped.join(QStringLiteral("\\s+")));
        return std::any_of(lines.begin(), lines.end(), [&](const QString &line) { return row.match(line).hasMatch(); });
    };
    auto fig = [](const profile::Figure &figure) { return QString::fromStdString(figure.text); };
    const battery::SheetResults &results = sheet->results();
    for (std::size_t i = 0; i < results.analysis.scores.size(); ++i) {
        const profile::ScoreResult &score = results.analysis.scores[i];
        const battery::SheetRow &given = sheet->scoresModel()->sheet().rows[i];
        auto cell = [&](profile::Field field) { return QString::fromStdString(given.cell(field)); };
        QStringList cells{QString::fromStdString(results.nameOf(int(i))),
                          cell(profile::Field::Score) + " " + cell(profile::Field::Scale), cell(profile::Field::Reliability),
                          fig(score.metric), fig(score.percentileRank), QString::fromStdString(score.descriptor),
                          fig(score.ciLow) + " to " + fig(score.ciHigh), fig(score.deviation),
                          fig(score.deviationCritical)};
        if (score.mark != profile::Mark::None)
            cells << QString::fromStdString(std::string(profile::markText(score.mark)));
        cells << fig(score.deviationBaseRate);
        QVERIFY2(printedLine(cells), qPrintable(cells.join(QLatin1Char('|'))));
    }
    for (const profile::PairResult &pair : results.analysis.pairs)
        if (pair.significant == profile::Significance::Yes)
            QVERIFY2(printedLine({QString::fromStdString(results.nameOf(pair.first)),
                                  QString::fromStdString(results.nameOf(pair.second)), fig(pair.difference),
                                  fig(pair.critical), fig(pair.baseRate)}),
                     qPrintable(QString::fromStdString(results.nameOf(pair.first))));
}

// Copy Table takes the focused table as HTML and tab-separated text; Save
// Picture writes the chart as SVG, PNG or PDF by the name's extension.
void TestBattery::copiesTablesAndSavesPictures()
{
    BatteryWnd *sheet = openBattery();
    QVERIFY(sheet);
    QTableView *pairs = in<QTableView>("pairsTable");
    pairs->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), pairs);
    key(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    QVERIFY(copied->html().startsWith(QLatin1String("<table")));
    QVERIFY(copied->html().contains(QLatin1String("<th>Score 1</th>")));
    const QStringList lines = copied->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 67);
    QCOMPARE(lines[0], QStringLiteral("Score 1\tScore 2\tDifference\tSE\tCritical\tSignificant\tBase rate %\tEither way %\tp"));
    QCOMPARE(lines[1], QStringLiteral("Word Meaning\tAnalogies\t5\t6.71\t13.15\tno\t34.3\t68.6\t.457"));

    scores()->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), scores());
    key(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QStringList scoreLines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(scoreLines.size(), 13); // the header and twelve scores, not the empty row
    // Mean and SD are given for no score here: left out.
    QVERIFY2(scoreLines[1].startsWith(QLatin1String("Word Meaning\tScaled score\t14\t.92\t")), qPrintable(scoreLines[1]));
    QVERIFY(!scoreLines[0].split(QLatin1Char('\t')).contains(QStringLiteral("Mean")));

    for (const char *suffix : {"svg", "png", "pdf"}) {
        const QString path = m_dir.filePath(QStringLiteral("chart.") + QLatin1String(suffix));
        QFile::remove(path);
        answerDialogs(path);
        QVERIFY(bar().trigger("SavePictureAction"));
        QVERIFY2(QFile::exists(path), suffix);
    }
    QSvgRenderer svg(m_dir.filePath(QStringLiteral("chart.svg")));
    QVERIFY(svg.isValid());
    QVERIFY(readFile(m_dir.filePath(QStringLiteral("chart.svg"))).contains("Word Meaning 120"));
    QVERIFY(!QImage(m_dir.filePath(QStringLiteral("chart.png"))).isNull());
    QVERIFY(readFile(m_dir.filePath(QStringLiteral("chart.pdf"))).startsWith("%PDF"));
    QCOMPARE(m_messages, QStringList());
}

// Copy Table's tab-separated text passes a score named as a formula as
// text, keeps numbers numbers and every cell one cell; the HTML is as typed.
void TestBattery::copiedTablesCarryNoFormulas()
{
    BatteryWnd *sheet = openSheet();
    QVERIFY(sheet);
    sheet->pasteText(QStringLiteral("=HYPERLINK(\"http://x\",\"y\")\tz\t-1.5\t\t\t.9\n"
                                    "@SUM(A1)\tt\t60\t\t\t.9\n"
                                    "Plain\tz\t-0.5\t\t\t.9\n"));
    scores()->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), scores());
    key(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    QVERIFY2(lines[1].startsWith(QLatin1String("'=HYPERLINK(\"http://x\",\"y\")\tz\t-1.5\t")), qPrintable(lines[1]));
    QVERIFY2(lines[2].startsWith(QLatin1String("'@SUM(A1)\tT\t60\t")), qPrintable(lines[2]));
    QVERIFY2(lines[3].startsWith(QLatin1String("Plain\tz\t-0.5\t")), qPrintable(lines[3]));
    for (const QString &line : lines)
        for (const QString &cell : line.split(QLatin1Char('\t')))
            QVERIFY2(!cell.startsWith(QLatin1Char('=')) && !cell.startsWith(QLatin1Char('@')), qPrintable(cell));
    QVERIFY(QGuiApplication::clipboard()->mimeData()->html().contains(
        QLatin1String("<td>=HYPERLINK(&quot;http://x&quot;,&quot;y&quot;)</td>")));
}

// Copy Table leaves out the columns nothing was worked out in, heads the
// HTML with whose scores they are and how they were worked out, and sets
// a true minus there while the text keeps the spreadsheet's.
void TestBattery::copiedTableSaysWhoseItIs()
{
    BatteryWnd *sheet = openSheet();
    QVERIFY(sheet);
    in<QLineEdit>("clientFld")->setText(QStringLiteral("Case <7>"));
    sheet->pasteText(QStringLiteral("A\tz\t-1.5\t\t\t.9\nB\tz\t1\t\t\t.9\nC\tz\t0\t\t\t.9\n"));
    scores()->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), scores());
    key(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    const QStringList lines = copied->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    const QStringList heads = lines[0].split(QLatin1Char('\t'));
    for (const char *empty : {"Mean", "SD", "Retest", "Practice", "Group", "RCI", "Change"})
        QVERIFY2(!heads.contains(empty), qPrintable(lines[0]));
    QVERIFY2(heads.contains(QStringLiteral("Reliability")) && heads.contains(QStringLiteral("Deviation")), qPrintable(lines[0]));
    for (const QString &line : lines)
        QCOMPARE(line.count(QLatin1Char('\t')), heads.size() - 1);
    QVERIFY2(lines[1].startsWith(QLatin1String("A\tz\t-1.5\t.9\t")), qPrintable(lines[1]));
    QVERIFY(!copied->text().contains(QChar(0x2212)));
    const QString html = copied->html();
    QVERIFY2(html.contains(QStringLiteral("<caption>Case &lt;7&gt;: Wechsler IQ scores, 95% intervals centred on the "
                                          "estimated true score, alpha .05</caption>")),
             qPrintable(html));
    QVERIFY2(html.contains(QStringLiteral("<td>\u2212" "1.5</td>")), qPrintable(html));
    QVERIFY(!html.contains(QLatin1String(">-")));
}

// Delete empties cells and Ctrl+minus deletes rows, both undone; scrolled
// right to the figures, the names stay in view over the first column.
void TestBattery::typesLikeASpreadsheet()
{
    BatteryWnd *sheet = openBattery();
    QVERIFY(sheet);
    scores()->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), scores());
    QAbstractItemModel *model = scores()->model();
    const QString before = sheetCells();
    const int rows = model->rowCount();
    scores()->setCurrentIndex(model->index(1, int(profile::Field::Score)));
    key(Qt::Key_Delete);
    QCOMPARE(model->rowCount(), rows);
    QCOMPARE(sheet->scoresModel()->sheet().rows[1].cells[std::size_t(profile::Field::Score)], std::string());
    key(Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(model->rowCount(), rows - 1);
    key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(model->rowCount(), rows);
    key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(sheetCells(), before);

    auto *names = scores()->findChild<QTableView *>(QStringLiteral("nameColumn"));
    QVERIFY(names);
    QVERIFY(!names->isVisible());
    scores()->scrollTo(model->index(0, battery::kChangeColumn));
    QTRY_VERIFY(names->isVisible());
    QVERIFY(scores()->columnViewportPosition(0) < 0);
    QCOMPARE(names->model()->index(0, 0).data().toString(), model->index(0, 0).data().toString());
    QVERIFY(names->geometry().intersects(scores()->viewport()->geometry()));

    // At every scroll position the names end where a column begins, so no
    // column shows a cut sliver beside them.
    QScrollBar *bar = scores()->horizontalScrollBar();
    for (int value = bar->minimum(); value <= bar->maximum(); ++value) {
        bar->setValue(value);
        if (!names->isVisible())
            continue;
        const int cover = names->width();
        QVERIFY(names->columnWidth(0) >= scores()->columnWidth(0));
        const int next = scores()->columnAt(cover);
        if (next >= 0)
            QVERIFY2(scores()->columnViewportPosition(next) == cover,
                     qPrintable(QStringLiteral("at %1: column %2 starts at %3, the names end at %4")
                                    .arg(value).arg(next).arg(scores()->columnViewportPosition(next)).arg(cover)));
    }
    // Walked left by the keys, the current cell never hides behind them.
    scores()->setCurrentIndex(model->index(0, battery::kChangeColumn));
    for (int column = battery::kChangeColumn; column > 0; --column) {
        key(Qt::Key_Left);
        const int at = scores()->currentIndex().column();
        QVERIFY(at < column);
        if (names->isVisible())
            QVERIFY2(scores()->columnViewportPosition(at) >= names->width(),
                     qPrintable(QStringLiteral("column %1 behind the names").arg(at)));
        if (at == 0)
            break;
        column = at + 1;
    }
    QCOMPARE(scores()->currentIndex().column(), 0);
    QTRY_VERIFY(!names->isVisible());

    // Names dragged wider than half the table stay where they are.
    scores()->setColumnWidth(0, scores()->viewport()->width() * 2 / 3);
    scores()->scrollTo(model->index(0, battery::kChangeColumn));
    QVERIFY(scores()->columnViewportPosition(0) < 0);
    QVERIFY(!names->isVisible());
    QVERIFY(scores()->columnViewportPosition(battery::kChangeColumn) >= 0);
}

// At the size the window opens, a dozen rows of scores show, and a
// refused cell's reason stands in a line under the table, in view.
void TestBattery::openingSizeShowsRowsAndReasons()
{
    BatteryWnd *sheet = openSheet();
    QVERIFY(sheet);
    QCOMPARE(sheet->size(), QSize(1180, 820));
    QString rows;
    for (int row = 0; row < 14; ++row)
        rows += QStringLiteral("Score %1\tz\t%2\t\t\t.9\n").arg(row).arg(row == 9 ? QStringLiteral("high") : QStringLiteral("1"));
    sheet->pasteText(rows);
    const int shown = scores()->viewport()->height() / scores()->rowHeight(0);
    QVERIFY2(shown >= 12, qPrintable(QString::number(shown)));

    auto *reason = in<QLabel>("cellReasonTxt");
    QTRY_VERIFY(reason->text().startsWith(QLatin1String("Row 10, Score: ")));
    QVERIFY(reason->isVisible());
    const QRect place(reason->mapTo(sheet, QPoint(0, 0)), reason->size());
    QVERIFY(sheet->rect().contains(place));
    QVERIFY(reason->height() >= reason->fontMetrics().height());
    QCOMPARE(reason->text().mid(15), scores()->model()->index(9, int(profile::Field::Score)).data(Qt::ToolTipRole).toString());
    scores()->setCurrentIndex(scores()->model()->index(9, int(profile::Field::Score)));
    type(QStringLiteral("2"));
    key(Qt::Key_Return);
    QTRY_COMPARE(reason->text(), QString());
}

// An empty figure's tip says what it needs; a composite without its
// correlations says so rather than show a row of blanks.
void TestBattery::emptyFiguresSayWhy()
{
    BatteryWnd *sheet = openSheet();
    QVERIFY(sheet);
    sheet->pasteText(QStringLiteral("A\tz\t1\t\t\t.9\t\t\tG\nB\tz\t0\t\t\t.9\t\t\tG\nC\tz\t-1\t\t\t.9\nD\tz\t.5\n"));
    QAbstractItemModel *model = scores()->model();
    auto tip = [model](int row, int column) { return model->index(row, column).data(Qt::ToolTipRole).toString(); };
    QCOMPARE(model->index(0, battery::kBaseRateColumn).data().toString(), QString());
    QCOMPARE(tip(0, battery::kBaseRateColumn), QStringLiteral("Not worked out: a correlation is not known."));
    QCOMPARE(tip(3, battery::kCiLowColumn), QStringLiteral("Not worked out: a reliability is missing."));
    QCOMPARE(tip(3, battery::kDeviationColumn), QStringLiteral("Not worked out: a reliability is missing."));
    QCOMPARE(tip(0, battery::kRetestColumn), QStringLiteral("No retest."));
    QVERIFY(!model->index(0, battery::kCiLowColumn).data().toString().isEmpty());
    QCOMPARE(tip(0, battery::kCiLowColumn), QString()); // a number shown needs no excuse

    QAbstractItemModel *composites = in<QTableView>("compositesTable")->model();
    QCOMPARE(composites->rowCount(), 1);
    QStringList row;
    for (int column = 0; column < composites->columnCount(); ++column)
        row << composites->index(0, column).data().toString();
    QVERIFY2(row.contains(QStringLiteral("not computed: correlations unknown")), qPrintable(row.join(QLatin1Char('|'))));
}

// A group's scores stand side by side on the chart wherever they stand in
// the table, at the place of the first of them, and are joined and
// labelled as one group.
void TestBattery::chartKeepsAGroupTogether()
{
    BatteryWnd *sheet = openSheet();
    QVERIFY(sheet);
    sheet->pasteText(QStringLiteral("A\tz\t1\t\t\t.9\t\t\tVerbal\n"
                                    "B\tz\t0\t\t\t.9\n"
                                    "C\tz\t-1\t\t\t.9\t\t\tSpeed\n"
                                    "D\tz\t.5\t\t\t.9\t\t\tVerbal\n"
                                    "E\tz\t-.5\t\t\t.9\t\t\tSpeed\n"
                                    "F\tz\t0\t\t\t.9\n"));
    auto *view = in<battery::ChartView>("profileChart");
    QStringList names, groups;
    for (const battery::ChartScore &score : view->chart().data().scores)
        names << score.name;
    QCOMPARE(names, (QStringList{"A", "D", "B", "C", "E", "F"}));
    const battery::ProfileChart::Geometry g = view->chart().layout(view->rect(), view->fontPixels());
    for (const auto &span : g.groups)
        groups << span.label;
    QCOMPARE(groups, (QStringList{"Verbal", "Speed"}));
    // Each group's span covers its own columns and no other.
    QVERIFY(g.groups[0].left < g.columns[0].x && g.columns[1].x < g.groups[0].right && g.groups[0].right < g.columns[2].x);
    QVERIFY(g.columns[2].x < g.groups[1].left && g.groups[1].left < g.columns[3].x && g.columns[4].x < g.groups[1].right);
    // The join between A and D is painted: the line's middle is in the score's colour.
    const QImage shown = view->grab().toImage();
    const QPointF middle = (g.columns[0].dot + g.columns[1].dot) / 2 * shown.devicePixelRatio();
    // Within a pixel of it, as an antialiased line rounds.
    QColor colour = shown.pixelColor(middle.toPoint());
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            const QColor near = shown.pixelColor(middle.toPoint() + QPoint(dx, dy));
            if (near.blue() - near.red() > colour.blue() - colour.red())
                colour = near;
        }
    QVERIFY2(colour.blue() > colour.red() + 60, qPrintable(colour.name()));
    QVERIFY(view->accessibleDescription().contains(QLatin1String("the scores of a group together")));
}

// The chart in the window is the chart the core's figures give, dot for
// dot, after an edit as before it; only its backdrop is kept between edits.
void TestBattery::chartFollowsEdits()
{
    BatteryWnd *sheet = openBattery();
    QVERIFY(sheet);
    auto *view = in<battery::ChartView>("profileChart");
    auto dotColour = [&](int column) {
        const QImage shown = view->grab().toImage();
        const battery::ProfileChart::Geometry g = view->chart().layout(view->rect(), view->fontPixels());
        const QPointF dot = g.columns[std::size_t(column)].dot * shown.devicePixelRatio();
        return std::pair{shown.pixelColor(dot.toPoint()), g.columns[std::size_t(column)].dot};
    };
    const auto [before, at] = dotColour(0);
    QVERIFY2(before.blue() > before.red() + 60, qPrintable(before.name()));
    sheet->pasteText(QStringLiteral("Word Meaning\tscaled\t4\n")); // far down the axis
    const auto [after, moved] = dotColour(0);
    QVERIFY(moved.y() > at.y() + 20);
    QCOMPARE(after, before);
    const QImage shown = view->grab().toImage();
    const QColor left = shown.pixelColor((at * shown.devicePixelRatio()).toPoint());
    QVERIFY2(!(left.blue() > left.red() + 60), qPrintable(left.name())); // no dot left behind
}

// Selecting a figure shows its formula, the numbers put in and its source;
// the same text is copied.
void TestBattery::explainsTheSelectedFigure()
{
    BatteryWnd *sheet = openBattery();
    QVERIFY(sheet);
    QTableView *pairs = in<QTableView>("pairsTable");
    pairs->setFocus();
    pairs->setCurrentIndex(pairs->model()->index(0, 4));
    QString how = in<QTextBrowser>("howPane")->toPlainText();
    for (const char *part : {"Word Meaning \u2212 Analogies: Critical", "Critical difference", "Source: Gulliksen, 1950",
                             "critical z", "1.959964", "Result: 13.147", "shown as 13.15"})
        QVERIFY2(how.contains(QString::fromUtf8(part)), part);
    QTest::mouseClick(in<QPushButton>("copyHowBtn"), Qt::LeftButton);
    QVERIFY(QGuiApplication::clipboard()->text().contains(QLatin1String("shown as 13.15")));

    scores()->setFocus();
    scores()->setCurrentIndex(scores()->model()->index(0, battery::kBaseRateColumn));
    how = in<QTextBrowser>("howPane")->toPlainText();
    QVERIFY2(how.contains(QLatin1String("Payne & Jones, 1957")), qPrintable(how));
    // One score's own figures read as the Score Report words them.
    scores()->setCurrentIndex(scores()->model()->index(0, battery::kMetricColumn));
    how = in<QTextBrowser>("howPane")->toPlainText();
    QVERIFY2(how.contains(QStringLiteral("Wechsler IQ = M + SD \u00d7 z = 100 + 15 \u00d7 1.33")) && how.contains(QLatin1String("shown as 120")),
             qPrintable(how));
    // A figure that is not worked out says why.
    scores()->setCurrentIndex(scores()->model()->index(0, battery::kRciColumn));
    const QString why = scores()->model()->index(0, battery::kRciColumn).data(Qt::ToolTipRole).toString();
    QCOMPARE(why, QStringLiteral("No retest."));
    QVERIFY(in<QTextBrowser>("howPane")->toPlainText().contains(why));
}

// A retest study's and a control sample's columns stay hidden until a row
// fills one or the View menu shows them; the chosen change method's figures
// stand beside the RCI's; the controls get a table of their own; every new
// figure explains itself.
void TestBattery::studyAndControlsShowWhenUsed()
{
    BatteryWnd *sheet = openSheet();
    QVERIFY(sheet);
    QTableView *table = scores();
    const int studyN = int(profile::Field::StudyN), controlsN = int(profile::Field::ControlsN);
    QVERIFY(table->isColumnHidden(studyN) && table->isColumnHidden(controlsN));
    QVERIFY(in<QWidget>("casesBox")->isHidden());
    fw::menuItem("ShowSampleColumnsAction")->action()->trigger();
    QTRY_VERIFY(!table->isColumnHidden(studyN) && !table->isColumnHidden(controlsN));
    QVERIFY(table->isColumnHidden(battery::kPredictedColumn)); // no study given yet
    fw::menuItem("ShowSampleColumnsAction")->action()->trigger();
    QTRY_VERIFY(table->isColumnHidden(studyN));

    sheet->pasteText(QStringLiteral(
        "name\tscale\tscore\tretest\treliability\tstudy_mean1\tstudy_sd1\tstudy_mean2\tstudy_sd2\tstudy_r12\tstudy_n\n"
        "Attention\twechsler\t88\t98\t.93\t113\t7.2\t118.7\t8.3\t.93\t821\n"));
    QTRY_VERIFY(!table->isColumnHidden(studyN));
    QVERIFY(table->isColumnHidden(controlsN));
    QAbstractItemModel *model = table->model();
    // Automatic: Crawford and Garthwaite's t decides, where the RCI would not.
    QCOMPARE(model->index(0, battery::kRciColumn).data().toString(), QStringLiteral("1.78"));
    QCOMPARE(model->index(0, battery::kChangeTColumn).data().toString(), QStringLiteral("1.98"));
    QCOMPARE(model->index(0, battery::kChangeColumn).data().toString(), QStringLiteral("reliable gain"));
    QVERIFY(!table->isColumnHidden(battery::kChangePercentHighColumn));
    QVERIFY(table->isColumnHidden(battery::kChangeZColumn));
    table->setFocus();
    table->setCurrentIndex(model->index(0, battery::kChangeTColumn));
    QString how = in<QTextBrowser>("howPane")->toPlainText();
    for (const char *part : {"Crawford & Garthwaite, 2006", "predicted retest", "91.89", "Result:", "shown as 1.98"})
        QVERIFY2(how.contains(QLatin1String(part)), qPrintable(how));
    table->setCurrentIndex(model->index(0, battery::kChangeColumn));
    QVERIFY(in<QTextBrowser>("howPane")->toPlainText().contains(QLatin1String("critical t")));

    auto *method = in<QComboBox>("changeMethodBox");
    method->setCurrentIndex(method->findData(int(profile::ChangeMethod::Srb)));
    QTRY_COMPARE(model->index(0, battery::kChangeZColumn).data().toString(), QStringLiteral("2.00"));
    QVERIFY(!table->isColumnHidden(battery::kChangeZColumn) && table->isColumnHidden(battery::kChangeTColumn));
    method->setCurrentIndex(method->findData(int(profile::ChangeMethod::JacobsonTruax)));
    QTRY_COMPARE(model->index(0, battery::kChangeColumn).data().toString(), QStringLiteral("no reliable change"));
    QVERIFY(table->isColumnHidden(battery::kPredictedColumn));

    sheet->pasteText(QStringLiteral("name\tscale\tscore\tcontrols_mean\tcontrols_sd\tcontrols_n\n"
                                    "Naming\tz\t-1.7549\t0\t1\t28\n"));
    QTRY_VERIFY(!in<QWidget>("casesBox")->isHidden());
    QVERIFY(!table->isColumnHidden(controlsN));
    QTableView *cases = in<QTableView>("casesTable");
    QCOMPARE(cases->model()->rowCount(), 1);
    QStringList row;
    for (int column = 0; column < cases->model()->columnCount(); ++column)
        row << cases->model()->index(0, column).data().toString();
    QCOMPARE(row, (QStringList{"Naming", "-1.724", "27", "0.0480", "-1.75", "-2.34", "-1.15", "below", "4.80", "0.96",
                               "12.44"}));
    cases->setFocus();
    cases->setCurrentIndex(cases->model()->index(0, 9));
    how = in<QTextBrowser>("howPane")->toPlainText();
    QVERIFY2(how.contains(QLatin1String("Naming: 95% low")) && how.contains(QLatin1String("Crawford & Garthwaite, 2002"))
                 && how.contains(QLatin1String("shown as 0.96")),
             qPrintable(how));
    // A control sample of one is refused, and said so in its cell.
    scores()->setFocus();
    sheet->pasteText(QStringLiteral("name\tscale\tscore\tcontrols_mean\tcontrols_sd\tcontrols_n\n"
                                    "Span\tt\t40\t50\t10\t1\n"));
    QTRY_VERIFY(sheet->results().analysis.refused.size() == 1);
    const int spanRow = sheet->results().rowOfEntry(sheet->results().analysis.refused.front());
    const battery::CellMark &mark = sheet->results().marks[std::size_t(spanRow)][std::size_t(controlsN)];
    QVERIFY2(mark.refused && mark.reason.contains(QLatin1String("at least 2")), qPrintable(mark.reason));
}

// A new matrix's low-score distribution is worked out on another thread:
// the block says it is working, then shows the figure the core gives and
// explains it; an edit that keeps the matrix and the cut-off has it at once.
void TestBattery::howUnusualIsWorkedOutAside()
{
    const QString battery = m_dir.filePath(QStringLiteral("unusual.csv"));
    const QString correlations = m_dir.filePath(QStringLiteral("unusual-correlations.csv"));
    for (const auto &[path, text] : {std::pair{battery, QByteArray("name,scale,score,reliability\nA,wechsler,70,.9\n"
                                                                   "B,wechsler,75,.9\nC,wechsler,100,.9\nD,wechsler,110,.9\n")},
                                     std::pair{correlations, QByteArray("name,A,B,C,D\nA,1\nB,.41,1\nC,.42,.43,1\n"
                                                                        "D,.44,.45,.46,1\n")}}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    BatteryWnd *sheet = openSheet();
    QVERIFY(sheet && sheet->openFile(battery));
    QVERIFY(sheet->loadCorrelations(correlations).isEmpty());
    QTableView *unusual = in<QTableView>("unusualTable");
    const auto cell = [unusual](int column) { return unusual->model()->index(0, column).data().toString(); };
    QCOMPARE(cell(2), QStringLiteral("2"));
    QCOMPARE(cell(3), QStringLiteral("\u2026"));
    QVERIFY(!cell(4).isEmpty()); // the distance needs no simulation

    const std::vector<double> matrix{1, .41, .42, .44, .41, 1, .43, .45, .42, .43, 1, .46, .44, .45, .46, 1};
    std::string expected;
    text::fixedNumber(profile::lowScoreDistribution(matrix, 4, 5)->percent(2), 1, expected);
    QTRY_COMPARE(cell(3), QString::fromStdString(expected));
    unusual->setFocus();
    unusual->setCurrentIndex(unusual->model()->index(0, 3));
    const QString how = in<QTextBrowser>("howPane")->toPlainText();
    for (const char *part : {"by Monte Carlo", "Crawford", "2007", "simulated profiles", "standard error"})
        QVERIFY2(how.contains(QLatin1String(part)), qPrintable(how));

    // A new score, the same correlations and cut-off: no waiting.
    QVERIFY(scores()->model()->setData(scores()->model()->index(0, int(profile::Field::Score)), QStringLiteral("72")));
    QCOMPARE(cell(3), QString::fromStdString(expected));
    // Another cut-off is another distribution.
    auto *cutoff = in<QComboBox>("lowCutoffBox");
    cutoff->setCurrentIndex(cutoff->findData(10.0));
    QCOMPARE(cell(3), QStringLiteral("\u2026"));
    QTRY_VERIFY(cell(3) != QStringLiteral("\u2026") && !cell(3).isEmpty());
}

// Every control has a name a screen reader says; Tab reaches the tables,
// the chart and the explanation; the labels' letters reach their controls.
void TestBattery::keyboardAndScreenReaders()
{
    BatteryWnd *sheet = openBattery();
    QVERIFY(sheet);
    for (QWidget *widget : sheet->content()->findChildren<QWidget *>()) {
        if (widget->focusPolicy() == Qt::NoFocus || !widget->isVisible() || widget->objectName().isEmpty())
            continue;
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
        QVERIFY2(iface && !iface->text(QAccessible::Name).isEmpty(), qPrintable(widget->objectName()));
    }
    QVERIFY(in<battery::ChartView>("profileChart")->accessibleDescription().contains(QLatin1String("Word Meaning 120")));

    QStringList reached;
    in<QLineEdit>("clientFld")->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), in<QLineEdit>("clientFld"));
    for (int i = 0; i < 30 && !reached.contains(QLatin1String("copyHowBtn")); ++i) {
        reached << QApplication::focusWidget()->objectName();
        // Ctrl+Tab leaves the scores table, whose Tab moves between its cells.
        key(Qt::Key_Tab, QApplication::focusWidget() == scores() ? Qt::ControlModifier : Qt::NoModifier);
    }
    for (const char *name : {"metricBox", "alphaBox", "bonferroniBox", "confidenceBox", "methodBox", "descriptorsBox",
                             "scoresTable", "profileChart", "pairsTable", "compositesTable", "howPane"})
        QVERIFY2(reached.contains(QLatin1String(name)), name);

    QTest::keyClick(sheet, Qt::Key_S, Qt::AltModifier);
    QTRY_COMPARE(QApplication::focusWidget(), scores());
    QTest::keyClick(sheet, Qt::Key_P, Qt::AltModifier);
    QTRY_COMPARE(QApplication::focusWidget(), in<QTableView>("pairsTable"));
}

void TestBattery::editMenuFromTheKeyboard_data()
{
    QTest::addColumn<int>("key");      // the key that opens the menus
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("enabled"); // Cut, Copy, Paste, Insert Row, Delete Row, Move Up, Move Down
    QTest::newRow("Alt+E, scores") << int(Qt::Key_E) << "scoresTable" << "YYYYYYY";
    QTest::newRow("F10, scores") << int(Qt::Key_F10) << "scoresTable" << "YYYYYYY";
    QTest::newRow("Alt+E, pairs") << int(Qt::Key_E) << "pairsTable" << "NYNNNNN";
    QTest::newRow("F10, composites") << int(Qt::Key_F10) << "compositesTable" << "NYNNNNN";
}

// The Edit menu opened from the keyboard, which gives the menu bar the
// focus, is enabled for the table that had it, as it is opened with the mouse.
void TestBattery::editMenuFromTheKeyboard()
{
    QFETCH(int, key);
    QFETCH(QString, table);
    QFETCH(QString, enabled);
    BatteryWnd *sheet = openBattery();
    QVERIFY(sheet);
    QGuiApplication::clipboard()->setText(QStringLiteral("Extra\tz\t1\n"));
    auto *view = in<QTableView>(table.toLatin1().constData());
    view->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), view);
    view->selectionModel()->setCurrentIndex(view->model()->index(1, 0), QItemSelectionModel::ClearAndSelect);
    QVERIFY(view->selectionModel()->hasSelection());

    if (key == Qt::Key_F10) {
        QTest::keyClick(view, Qt::Key_F10);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QCOMPARE(QApplication::activePopupWidget()->objectName(), QStringLiteral("UntitledMenu2")); // File
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
    } else {
        QTest::keyClick(view, Qt::Key(key), Qt::AltModifier);
    }
    QTRY_VERIFY(QApplication::activePopupWidget()
                && QApplication::activePopupWidget()->objectName() == QLatin1String("UntitledMenu0")); // Edit
    QString actual;
    for (const char *name : {"EditCut", "EditCopy", "EditPaste", "InsertRowAction", "DeleteRowAction", "MoveRowUpAction",
                             "MoveRowDownAction"}) {
        const QAction *action = QApplication::activePopupWidget()->findChild<QAction *>(QLatin1String(name));
        const auto shown = QApplication::activePopupWidget()->actions();
        const auto at = std::find_if(shown.begin(), shown.end(),
                                     [name](const QAction *a) { return a->objectName() == QLatin1String(name); });
        QVERIFY2(at != shown.end() || action, name);
        actual += (at != shown.end() ? *at : action)->isEnabled() ? QLatin1Char('Y') : QLatin1Char('N');
    }
    QCOMPARE(actual, enabled);
    // Chosen from the keyboard, Copy copies the table's cell.
    QGuiApplication::clipboard()->clear();
    for (int i = 0; i < 2; ++i) // Undo and Redo come first, disabled or not
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Down);
    QWidget *menu = QApplication::activePopupWidget();
    while (menu && static_cast<QMenu *>(menu)->activeAction()
           && static_cast<QMenu *>(menu)->activeAction()->objectName() != QLatin1String("EditCopy"))
        QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Return);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QCOMPARE(QGuiApplication::clipboard()->text().trimmed(),
             view->model()->index(1, 0).data(Qt::DisplayRole).toString().trimmed());
    QTRY_COMPARE(QApplication::focusWidget(), view);
}

// The settings come back at the next opening; confidence and method are
// the Score Report's as well.
void TestBattery::settingsRemembered()
{
    BatteryWnd *sheet = openBattery();
    QVERIFY(sheet);
    in<QComboBox>("metricBox")->setCurrentIndex(1);
    in<QComboBox>("alphaBox")->setCurrentIndex(0);
    in<QComboBox>("confidenceBox")->setCurrentIndex(1);
    in<QComboBox>("methodBox")->setCurrentIndex(1);
    in<QCheckBox>("bonferroniBox")->setChecked(true);
    QCOMPARE(sheet->scoresModel()->headerData(battery::kMetricColumn, Qt::Horizontal, Qt::DisplayRole).toString(),
             QStringLiteral("T"));
    QCOMPARE(sheet->scoresModel()->cellText(0, battery::kMetricColumn), QStringLiteral("63"));
    QCOMPARE(QSettings().value(QStringLiteral("report/confidence")).toInt(), 90);
    m_answer = fw::Answer::No;
    sheet->close();
    QTRY_VERIFY(!fw::existingWindow(BatteryWnd::kClassName));

    sheet = openSheet();
    QVERIFY(sheet);
    QCOMPARE(in<QComboBox>("metricBox")->currentIndex(), 1);
    QCOMPARE(in<QComboBox>("alphaBox")->currentText(), QStringLiteral(".01"));
    QCOMPARE(in<QComboBox>("confidenceBox")->currentData().toInt(), 90);
    QCOMPARE(in<QComboBox>("methodBox")->currentIndex(), 1);
    QVERIFY(in<QCheckBox>("bonferroniBox")->isChecked());
    QVERIFY(in<QLabel>("correlationsTxt")->text().startsWith(QLatin1String("correlations.csv: 66 pairs")));
    // Nothing of the person is kept.
    QCOMPARE(sheet->scoresModel()->sheet().rows.size(), std::size_t(0));
    QCOMPARE(in<QLineEdit>("clientFld")->text(), QString());
}

// The grid typed, pasted and undone from the keyboard; what it refuses
// says why and changes nothing; its file is one the batch tool reads.
void TestBattery::correlationGrid()
{
    BatteryWnd *sheet = openBattery(false);
    QVERIFY(sheet);
    QTest::mouseClick(in<QPushButton>("editCorrelationsBtn"), Qt::LeftButton);
    auto *grid = existing<battery::CorrelationGrid>();
    QVERIFY(grid);
    QVERIFY(QTest::qWaitForWindowActive(grid));
    auto *table = grid->findChild<QTableWidget *>(QStringLiteral("gridTbl"));
    QCOMPARE(table->rowCount(), 12);
    QCOMPARE(grid->value(4, 4), 1.0);
    table->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), table);
    auto typeAt = [&](int row, int column, const QString &text) {
        table->setCurrentCell(row, column);
        QTRY_VERIFY(table->findChildren<QLineEdit *>().isEmpty()); // the last editor gone
        QTRY_COMPARE(QApplication::focusWidget(), table);
        QTest::keyClick(table, text.at(0).toLatin1());
        QTRY_VERIFY(QApplication::focusWidget() != table && table->isAncestorOf(QApplication::focusWidget()));
        type(text.mid(1));
        key(Qt::Key_Return);
    };

    typeAt(1, 0, QStringLiteral(".66"));
    QTRY_COMPARE(grid->value(1, 0), 0.66);
    QCOMPARE(grid->value(0, 1), 0.66);
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("0.66"));

    // Refused: the cell keeps what it had and the reason is shown.
    const struct { const char *typed, *reason; } refused[] = {
        {"1.5", "outside"}, {"-2", "outside"}, {"abc", "not a number"}, {"nan", "not a number"}};
    for (const auto &r : refused) {
        typeAt(2, 0, QString::fromLatin1(r.typed));
        QTRY_VERIFY2(grid->problem().contains(QLatin1String(r.reason)) && grid->problem().contains(QLatin1String(r.typed)),
                     qPrintable(grid->problem()));
        QVERIFY(std::isnan(grid->value(2, 0)));
        QCOMPARE(table->item(2, 0)->text(), QString());
    }

    // A spreadsheet's lower triangle, diagonal and all, pasted at the corner.
    QStringList lines;
    for (const QString &line : QString::fromLatin1(kCorrelations).split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(1))
        lines << line.section(QLatin1Char(','), 1).replace(QLatin1Char(','), QLatin1Char('\t'));
    QGuiApplication::clipboard()->setText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    table->setCurrentCell(0, 0);
    key(Qt::Key_V, Qt::ControlModifier);
    QTRY_COMPARE(grid->value(11, 10), 0.55);
    QCOMPARE(grid->value(3, 1), 0.50);
    QCOMPARE(grid->problem(), QString());
    // One paste is one step undone; what was typed before stays.
    key(Qt::Key_Z, Qt::ControlModifier);
    QTRY_VERIFY(std::isnan(grid->value(11, 10)));
    QCOMPARE(grid->value(1, 0), 0.66);
    key(Qt::Key_Z, Qt::ControlModifier);
    QTRY_VERIFY(std::isnan(grid->value(1, 0)));
    grid->undoStack()->redo();
    grid->undoStack()->redo();
    QTRY_COMPARE(grid->value(11, 10), 0.55);
    // A block with a refused cell pastes nothing.
    QGuiApplication::clipboard()->setText(QStringLiteral(".1\t.2\n.3\tx\n"));
    table->setCurrentCell(5, 0);
    key(Qt::Key_V, Qt::ControlModifier);
    QTRY_VERIFY(grid->problem().contains(QLatin1String("Nothing pasted")));
    QCOMPARE(grid->value(5, 0), 0.51);

    // Possible pair by pair, impossible together: not saved, and why.
    const QString saved = m_dir.filePath(QStringLiteral("saved.csv"));
    typeAt(2, 1, QStringLiteral("-.9"));
    QTRY_VERIFY(grid->problem().contains(QLatin1String("not positive semi-definite")));
    QVERIFY(grid->problem().contains(QLatin1String("Word Meaning, Analogies, General Knowledge")));
    answerDialogs(saved);
    QVERIFY(bar().trigger("FileSaveAs"));
    QVERIFY(!QFileInfo::exists(saved));
    QVERIFY(in<QLabel>("correlationsTxt")->text().startsWith(QLatin1String("No correlations")));
    table->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), table);
    key(Qt::Key_Z, Qt::ControlModifier);
    QTRY_COMPARE(grid->problem(), QString());

    // Saved, the sheet uses it, and the batch tool reads it as the original.
    QVERIFY(bar().trigger("FileSaveAs"));
    QTRY_VERIFY(QFileInfo::exists(saved));
    QVERIFY(in<QLabel>("correlationsTxt")->text().startsWith(QLatin1String("saved.csv: 66 pairs")));
    const Run fromGrid = runCommand({"--profile", "--correlations", saved.toStdString()}, kBattery);
    const Run fromFile = runCommand(
        {"--profile", "--correlations", m_dir.filePath(QStringLiteral("correlations.csv")).toStdString()}, kBattery);
    QCOMPARE(fromGrid.status, 0);
    QCOMPARE(fromGrid.errors, fromFile.errors);
    QCOMPARE(fromGrid.output, fromFile.output);
    // Never saved over the sheet's own file, though the file it uses may be.
    const QString own = m_dir.filePath(QStringLiteral("battery.csv"));
    const QByteArray before = readFile(own);
    QVERIFY(!grid->saveAs(own));
    QCOMPARE(readFile(own), before);
    QVERIFY(grid->saveAs(saved));

    // Load… fills a grid from a file, refusing what the sheet refuses.
    grid->close();
    QTRY_VERIFY(!existing<battery::CorrelationGrid>());
    sheet->loadCorrelations(QString());
    bringToFront(sheet);
    QTRY_COMPARE(frontName(), QStringLiteral("BatteryWnd"));
    QVERIFY(bar().trigger("EditCorrelationsAction"));
    grid = existing<battery::CorrelationGrid>();
    QVERIFY(grid);
    QVERIFY(std::isnan(grid->value(11, 10)));
    const QString bad = m_dir.filePath(QStringLiteral("bad.csv"));
    QVERIFY(writeFile(bad, "name,a,b\na,1\nb,1.2,1\n"));
    QVERIFY(!grid->load(bad).isEmpty());
    QVERIFY(std::isnan(grid->value(11, 10)));
    QVERIFY(grid->load(saved).isEmpty());
    QCOMPARE(grid->value(11, 10), 0.55);
    grid->close();
}

// The grid shares the one menu bar: Edit acts on its cells, File saves to
// the correlation file the sheet uses, loads and closes it.
void TestBattery::correlationGridIsAWindowOfTheProgram()
{
    const QString inUse = m_dir.filePath(QStringLiteral("in-use.csv"));
    QVERIFY(writeFile(inUse, kCorrelations));
    BatteryWnd *sheet = openBattery(false);
    QVERIFY(sheet);
    QVERIFY(sheet->loadCorrelations(inUse).isEmpty());
    QVERIFY(bar().trigger("EditCorrelationsAction"));
    auto *grid = existing<battery::CorrelationGrid>();
    QVERIFY(grid);
    QTRY_COMPARE(frontName(), QStringLiteral("CorrelationGrid"));
    QVERIFY(grid->menuWidget());
    const QStringList clashes = mnemonicClashes(grid);
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QLatin1String("; "))));
    auto *table = grid->findChild<QTableWidget *>(QStringLiteral("gridTbl"));
    table->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), table);
    QVERIFY(bar().enabled("FileSave") && bar().enabled("FileSaveAs") && bar().enabled("LoadCorrelationsAction")
            && bar().enabled("FileClose"));
    QVERIFY(!bar().enabled("FileNew") && !bar().enabled("InsertRowAction"));
    QVERIFY(!bar().enabled("EditUndo"));

    // Copy a block, clear it, undo and redo, cut, paste: each from the menu.
    table->setRangeSelected(QTableWidgetSelectionRange(2, 0, 2, 1), true);
    table->setCurrentCell(2, 0, QItemSelectionModel::NoUpdate);
    QVERIFY(bar().trigger("EditCopy"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("0.63\t0.6\n"));
    QVERIFY(bar().trigger("EditClear"));
    QVERIFY(std::isnan(grid->value(2, 0)) && std::isnan(grid->value(2, 1)) && std::isnan(grid->value(0, 2)));
    QVERIFY(grid->isModified() && grid->isWindowModified());
    QVERIFY(bar().trigger("EditUndo"));
    QCOMPARE(grid->value(2, 0), 0.63);
    QCOMPARE(grid->value(1, 2), 0.6);
    QVERIFY(!grid->isModified());
    QVERIFY(bar().trigger("EditRedo"));
    QVERIFY(std::isnan(grid->value(2, 1)));
    QVERIFY(bar().trigger("EditUndo"));
    table->clearSelection();
    table->setRangeSelected(QTableWidgetSelectionRange(3, 0, 3, 0), true);
    QVERIFY(bar().trigger("EditCut"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("0.52\n"));
    QVERIFY(std::isnan(grid->value(3, 0)));
    table->setCurrentCell(4, 0);
    QVERIFY(bar().trigger("EditPaste"));
    QCOMPARE(grid->value(4, 0), 0.52);
    // A cell being typed in keeps its own editing.
    QTest::keyClick(table, Qt::Key_5);
    QTRY_VERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
    QGuiApplication::clipboard()->setText(QStringLiteral("9"));
    QVERIFY(bar().trigger("EditPaste"));
    QCOMPARE(qobject_cast<QLineEdit *>(QApplication::focusWidget())->text(), QStringLiteral("59"));
    key(Qt::Key_Escape);
    QTRY_COMPARE(QApplication::focusWidget(), table);
    QCOMPARE(grid->value(4, 0), 0.52);

    // A refusal is said on a status line that a screen reader hears.
    QGuiApplication::clipboard()->setText(QStringLiteral("x"));
    QVERIFY(bar().trigger("EditPaste"));
    QAccessibleInterface *line = QAccessible::queryAccessibleInterface(grid->findChild<QLabel *>(QStringLiteral("problemTxt")));
    QVERIFY(line);
    QCOMPARE(line->role(), QAccessible::StatusBar);
    QVERIFY2(line->text(QAccessible::Name).contains(QLatin1String("Nothing pasted")), qPrintable(line->text(QAccessible::Name)));
    QCOMPARE(grid->value(4, 0), 0.52);

    // Save writes the file in use, asking nothing; the sheet reads it again.
    QStringList dialogs;
    fw::setFileDialogHook([&](fw::FileDialogKind, const QString &) {
        dialogs << QStringLiteral("asked");
        return QString();
    });
    QVERIFY(bar().trigger("FileSave"));
    QCOMPARE(dialogs, QStringList());
    QVERIFY(!grid->isModified());
    profile::Correlations written;
    QVERIFY(battery::readCorrelationFile(inUse, written).isEmpty());
    QVERIFY(std::isnan(written.between("Matrices", "Word Meaning")));
    QCOMPARE(written.between("Word Meaning", "Block Patterns"), 0.52);
    QVERIFY(in<QLabel>("correlationsTxt")->text().startsWith(QLatin1String("in-use.csv: 65 pairs")));

    // Load Correlations… fills the grid; Close closes it, the sheet stays.
    answerDialogs(m_dir.filePath(QStringLiteral("correlations.csv")));
    QVERIFY(bar().trigger("LoadCorrelationsAction"));
    QCOMPARE(grid->value(3, 0), 0.52);
    QCOMPARE(grid->value(4, 0), 0.49);
    QVERIFY(grid->isModified());
    m_answer = fw::Answer::No;
    QPointer<battery::CorrelationGrid> guarded(grid);
    QVERIFY(bar().trigger("FileClose"));
    QTRY_VERIFY(guarded.isNull());
    QVERIFY(existing<BatteryWnd>());
    QCOMPARE(m_questions, QStringList{QStringLiteral("Save the changes to the correlations?")});
}

// Closing the grid, or the sheet with it, with edits not saved asks; Cancel
// keeps both open and the edits, Save writes them, Don't Save drops them.
void TestBattery::correlationGridAsksAboutUnsavedEdits_data()
{
    QTest::addColumn<bool>("closeSheet");
    QTest::addColumn<int>("answer");
    for (const bool sheet : {false, true}) {
        const char *closing = sheet ? "sheet" : "grid";
        QTest::addRow("%s, save", closing) << sheet << int(fw::Answer::Yes);
        QTest::addRow("%s, don't save", closing) << sheet << int(fw::Answer::No);
        QTest::addRow("%s, cancel", closing) << sheet << int(fw::Answer::Cancel);
    }
}

void TestBattery::correlationGridAsksAboutUnsavedEdits()
{
    QFETCH(bool, closeSheet);
    QFETCH(int, answer);
    BatteryWnd *sheet = openBattery(false);
    QVERIFY(sheet);
    QVERIFY(bar().trigger("EditCorrelationsAction"));
    QPointer<battery::CorrelationGrid> grid(existing<battery::CorrelationGrid>());
    QVERIFY(grid);
    QVERIFY(grid->change({{1, 0, 0, 0.5}}));
    const QString savedTo = m_dir.filePath(QStringLiteral("asked-correlations.csv"));
    QFile::remove(savedTo);
    answerDialogs(savedTo);
    m_answer = fw::Answer(answer);
    QPointer<BatteryWnd> guardedSheet(sheet);
    if (closeSheet)
        sheet->close();
    else
        grid->close();
    QCOMPARE(m_questions.value(0), QStringLiteral("Save the changes to the correlations?"));
    const bool left = answer != int(fw::Answer::Cancel);
    QCOMPARE(QFileInfo::exists(savedTo), answer == int(fw::Answer::Yes));
    QTRY_COMPARE(grid.isNull(), left);
    if (left && closeSheet)
        QTRY_VERIFY(guardedSheet.isNull()); // the sheet's scores were saved
    else
        QVERIFY(!guardedSheet.isNull());
    if (!left)
        QCOMPARE(grid->value(1, 0), 0.5);
    if (answer == int(fw::Answer::Yes) && !closeSheet)
        QVERIFY(in<QLabel>("correlationsTxt")->text().startsWith(QLatin1String("asked-correlations.csv: 1 pair")));
}

// Renaming, adding or removing the sheet's scores while the grid is open:
// the grid follows, keeping the values of the scores whose names stay, and
// its undo still finds the cells by their scores.
void TestBattery::correlationGridFollowsTheSheet()
{
    BatteryWnd *sheet = openBattery(true);
    QVERIFY(sheet);
    QVERIFY(bar().trigger("EditCorrelationsAction"));
    auto *grid = existing<battery::CorrelationGrid>();
    QVERIFY(grid);
    const QStringList before = grid->names();
    QCOMPARE(grid->value(2, 1), 0.6); // General Knowledge and Analogies
    QVERIFY(grid->change({{2, 1, 0, 0.2}}));
    QVERIFY(grid->change({{3, 0, 0, 0.3}})); // Matrices and Word Meaning

    bringToFront(sheet);
    scores()->setCurrentIndex(scores()->model()->index(0, 0));
    sheet->pasteText(QStringLiteral("Vocabulary\n")); // was Word Meaning
    QStringList renamed = before;
    renamed[0] = QStringLiteral("Vocabulary");
    QTRY_COMPARE(grid->names(), renamed);
    QCOMPARE(grid->value(2, 1), 0.2);
    QVERIFY(std::isnan(grid->value(1, 0)));
    QVERIFY(std::isnan(grid->value(3, 0)));
    QCOMPARE(grid->value(0, 0), 1.0);
    // The sheet's undo brings the name back, not its values.
    QVERIFY(bar().trigger("EditUndo"));
    QTRY_COMPARE(grid->names(), before);
    QVERIFY(std::isnan(grid->value(1, 0)));
    // A row deleted before the others moves them up: undo finds them.
    scores()->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), scores());
    scores()->setCurrentIndex(scores()->model()->index(0, 0));
    QVERIFY(bar().trigger("DeleteRowAction"));
    QTRY_COMPARE(grid->names(), before.mid(1));
    QCOMPARE(grid->value(1, 0), 0.2);
    bringToFront(grid);
    grid->undoStack()->undo(); // Matrices and Word Meaning: the pair is gone, nothing happens
    grid->undoStack()->undo();
    QCOMPARE(grid->value(1, 0), 0.6);
    grid->undoStack()->redo();
    QCOMPARE(grid->value(1, 0), 0.2);
    QCOMPARE(grid->problem(), QString());
    m_answer = fw::Answer::No;
}

QTEST_MAIN(TestBattery)
#include "tst_gui_battery.moc"
