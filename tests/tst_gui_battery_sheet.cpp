// The Battery Sheet's parts below the window: its file read and written,
// pastes read, every kind of edit undone and redone, and the profile
// chart's geometry at the ends of its axis.
#include "battery_window/battery_file.h"
#include "battery_window/figure_table.h"
#include "battery_window/paste_block.h"
#include "battery_window/profile_chart.h"
#include "battery_window/scores_model.h"
#include "battery_window/sheet_commands.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <csignal>
#include <map>
#include <sys/resource.h>

using namespace battery;
using profile::Field;

Q_DECLARE_METATYPE(FileProblem::Kind)
Q_DECLARE_METATYPE(PasteProblem::Kind)

namespace {

SheetRow row(std::initializer_list<const char *> cells)
{
    SheetRow made;
    std::size_t i = 0;
    for (const char *cell : cells)
        made.cells[i++] = cell;
    return made;
}

// The score cells of every row, "|"-joined, rows ";"-joined: what a test compares.
QString cellsOf(const Sheet &sheet)
{
    QStringList rows;
    for (const SheetRow &r : sheet.rows) {
        QStringList cells;
        for (const std::string &cell : r.cells)
            cells << QString::fromStdString(cell);
        while (!cells.isEmpty() && cells.back().isEmpty())
            cells.removeLast();
        rows << cells.join(QLatin1Char('|'));
    }
    return rows.join(QLatin1Char(';'));
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The whole literal, a NUL byte inside it included.
template <std::size_t N>
QByteArray withNul(const char (&text)[N])
{
    return QByteArray(text, qsizetype(N - 1));
}

QByteArray manyScores(int count)
{
    QByteArray text = "name,scale,score\n";
    for (int i = 1; i <= count; ++i)
        text += "S" + QByteArray::number(i) + ",scaled,10\n";
    return text;
}

// A sheet with every kind of cell a file must carry: identification,
// quotes, delimiters, line breaks inside a cell, UTF-8, carried columns.
Sheet awkwardSheet(char delimiter, const std::string &lineEnding, bool byteOrderMark)
{
    Sheet sheet;
    sheet.shape = {delimiter, lineEnding, byteOrderMark};
    sheet.id = {"C-17, \"Kim\"", "2015-03-12", "2026-11-02", "Sprachtest; Lesen", "R. M\xC3\xBCller"};
    sheet.extraColumns = {"comment", "id"};
    const char *decimal = delimiter == ';' ? "0,90" : ".90";
    sheet.rows = {row({"Vocabulary", "scaled", "13", "", "", decimal, "", "", "Verbal"}),
                  row({"Matrices, timed", "t", "44", "", "", ".86", "48", "+1", "Reasoning"}),
                  row({"Raw \"A\"", "raw", "23", "20", "4", "", "", "", ""})};
    sheet.rows[0].extra = {"first\nline", "7"};
    sheet.rows[1].extra = {"", "8"};
    return sheet;
}

} // namespace

class TestBatterySheet : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void readsFiles_data();
    void readsFiles();
    void refusesWhatIsNoBatteryFile_data();
    void refusesWhatIsNoBatteryFile();
    void saveThenOpenIsTheSameFile_data();
    void saveThenOpenIsTheSameFile();
    void failedSaveKeepsTheOldFile();
    void sampleColumnsWrittenWhenGiven();
    void readsPastes_data();
    void readsPastes();
    void undoesAndRedoesEveryEdit_data();
    void undoesAndRedoesEveryEdit();
    void typingRowStaysLast();
    void chartAtTheEnds_data();
    void chartAtTheEnds();
    void chartDrawsWhereItSays();
    void chartStandsForItsFigures();
    void figureTableSignalsWhatChanged_data();
    void figureTableSignalsWhatChanged();

private:
    QTemporaryDir m_dir;
};

void TestBatterySheet::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TestBatterySheet::readsFiles_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("cells");
    QTest::addColumn<QString>("person");
    QTest::addColumn<bool>("severalPeople");
    QTest::addColumn<QString>("carried"); // extra column names, "|"-joined

    QTest::newRow("the three columns needed") << QByteArray("name,scale,score\nA,wechsler,100\n")
                                             << "A|wechsler|100" << "" << false << "";
    QTest::newRow("columns in any order and case, blank lines skipped")
        << QByteArray("Score,GROUP,Name,Scale,Reliability\r\n\r\n9,V,A,scaled,.9\r\n,,,,\r\n11,V,B,scaled,\r\n")
        << "A|scaled|9|||.9|||V;B|scaled|11||||||V" << "" << false << "";
    QTest::newRow("the batch tool's own figures are dropped, other columns carried")
        << QByteArray("id,name,scale,score,wechsler,percentile_rank,descriptor,note,comment\n"
                      "1,A,t,60,115,84,High Average,,fine\n")
        << "A|t|60" << "" << false << "id|comment";
    QTest::newRow("several people: the first, and the rest is not read")
        << QByteArray("person,name,scale,score\nAda,A,z,1\nAda,B,z,2\nBen,A,z,3\nBen,\"broken\n")
        << "A|z|1;B|z|2" << "Ada" << true << "";
    QTest::newRow("a row without a person belongs to the person above")
        << QByteArray("person,name,scale,score\nAda,A,z,1\n,B,z,2\nAda,C,z,3\n")
        << "A|z|1;B|z|2;C|z|3" << "Ada" << false << "";
    QTest::newRow("cells that cannot be used are kept as written")
        << QByteArray("name,scale,score,reliability\nA,stanine,n/a,1.5\n,,,\nB,,, \n")
        << "A|stanine|n/a|||1.5;B||||| " << "" << false << "";
    QTest::newRow("a retest study and a control sample, the batch tool's figures dropped")
        << QByteArray("name,scale,score,study_mean1,study_sd1,study_mean2,study_sd2,study_r12,study_n,controls_mean,"
                      "controls_sd,controls_n,change_t,case_percent\nA,t,40,50,10,52,9,.8,120,48,9,25,1.2,3.5\n")
        << "A|t|40||||||||50|10|52|9|.8|120|48|9|25" << "" << false << "";
    QTest::newRow("semicolons and a decimal comma")
        << QByteArray("name;scale;score;reliability\nA;z;-1,5;0,9\n") << "A|z|-1,5|||0,9" << "" << false << "";
}

void TestBatterySheet::readsFiles()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, cells);
    QFETCH(QString, person);
    QFETCH(bool, severalPeople);
    QFETCH(QString, carried);
    FileReading reading;
    FileProblem problem;
    QVERIFY2(readBatteryText(text.toStdString(), reading, problem), problem.why.c_str());
    QCOMPARE(cellsOf(reading.sheet), cells);
    QCOMPARE(QString::fromStdString(reading.sheet.id.person), person);
    QCOMPARE(reading.severalPeople, severalPeople);
    QStringList names;
    for (const std::string &name : reading.sheet.extraColumns)
        names << QString::fromStdString(name);
    QCOMPARE(names.join(QLatin1Char('|')), carried);
}

void TestBatterySheet::refusesWhatIsNoBatteryFile_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<FileProblem::Kind>("kind");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("otherLine");
    QTest::addColumn<QString>("column");

    QTest::newRow("empty") << QByteArray() << FileProblem::NoHeader << 1 << 0 << "";
    QTest::newRow("no score column") << QByteArray("name,scale,value\nA,z,1\n") << FileProblem::MissingColumn << 1
                                     << 0 << "score";
    QTest::newRow("a column twice") << QByteArray("name,scale,score,Name\n") << FileProblem::DuplicateColumn << 1 << 0
                                    << "name";
    QTest::newRow("a cell too few") << QByteArray("name,scale,score\nA,z,1\nB,z\n") << FileProblem::Malformed << 3 << 0
                                    << "";
    // The quoted line break makes the second record two lines long.
    QTest::newRow("lines counted past a quoted line break")
        << QByteArray("name,scale,score\n\"A\nB\",z,1\nC,z,1,4\n") << FileProblem::Malformed << 4 << 0 << "";
    QTest::newRow("a quote left open") << QByteArray("name,scale,score\nA,z,\"1\n") << FileProblem::Malformed << 2 << 0
                                       << "";
    QTest::newRow("two dates of birth for one person")
        << QByteArray("person,birth_date,name,scale,score\nAda,2015-01-01,A,z,1\nAda,,B,z,1\nAda,2015-01-02,C,z,1\n")
        << FileProblem::Conflict << 4 << 2 << "birth_date";
    QTest::newRow("one score more than a sheet holds") << manyScores(int(kMaxScores) + 1) << FileProblem::TooManyScores
                                                       << int(kMaxScores) + 2 << 0 << "";
    QTest::newRow("a cell longer than any score or name")
        << QByteArray("name,scale,score\n" + QByteArray(int(kMaxCellBytes) + 1, 'x') + ",z,1\n")
        << FileProblem::CellTooLong << 2 << 0 << "name";
    QTest::newRow("a NUL byte") << withNul("name,scale,score\nA,z,1\nB\0,z,1\n") << FileProblem::NotText << 3 << 0
                                << "";
    QTest::newRow("no UTF-8") << QByteArray("name,scale,score\nA\xFF,z,1\n") << FileProblem::NotText << 2 << 0 << "";
}

void TestBatterySheet::refusesWhatIsNoBatteryFile()
{
    QFETCH(QByteArray, text);
    QFETCH(FileProblem::Kind, kind);
    QFETCH(int, line);
    QFETCH(int, otherLine);
    QFETCH(QString, column);
    FileReading reading;
    reading.sheet.rows = {row({"kept"})};
    FileProblem problem;
    QVERIFY(!readBatteryText(text.toStdString(), reading, problem));
    QCOMPARE(problem.kind, kind);
    QCOMPARE(int(problem.line), line);
    QCOMPARE(int(problem.otherLine), otherLine);
    QCOMPARE(QString::fromStdString(problem.column), column);
    QCOMPARE(cellsOf(reading.sheet), QStringLiteral("kept")); // what was there stays
}

void TestBatterySheet::saveThenOpenIsTheSameFile_data()
{
    QTest::addColumn<char>("delimiter");
    QTest::addColumn<QString>("lineEnding");
    QTest::addColumn<bool>("byteOrderMark");
    QTest::newRow("comma, LF") << ',' << "\n" << false;
    QTest::newRow("semicolon, CRLF, byte-order mark") << ';' << "\r\n" << true;
    QTest::newRow("tab") << '\t' << "\n" << false;
}

// Saved, opened and saved again: the same bytes, and the same sheet.
void TestBatterySheet::saveThenOpenIsTheSameFile()
{
    QFETCH(char, delimiter);
    QFETCH(QString, lineEnding);
    QFETCH(bool, byteOrderMark);
    const Sheet sheet = awkwardSheet(delimiter, lineEnding.toStdString(), byteOrderMark);
    const QString first = m_dir.filePath(QStringLiteral("first.csv")), second = m_dir.filePath(QStringLiteral("second.csv"));
    FileProblem problem;
    QVERIFY(writeBatteryFile(first, sheet, problem));
    FileReading reading;
    QVERIFY2(readBatteryFile(first.toStdString(), reading, problem), problem.why.c_str());
    QVERIFY(!reading.severalPeople);
    QCOMPARE(reading.sheet.rows.size(), sheet.rows.size());
    for (std::size_t i = 0; i < sheet.rows.size(); ++i)
        QVERIFY(reading.sheet.rows[i] == sheet.rows[i]);
    QVERIFY(reading.sheet.id == sheet.id);
    QCOMPARE(reading.sheet.shape.delimiter, delimiter);
    QVERIFY(writeBatteryFile(second, reading.sheet, problem));
    QCOMPARE(readAll(second), readAll(first));
    QCOMPARE(readAll(first).startsWith("\xEF\xBB\xBF"), byteOrderMark);
}

// A sheet without a study or controls keeps the file it always had; with
// them, their group of columns is written and read back whole.
void TestBatterySheet::sampleColumnsWrittenWhenGiven()
{
    Sheet sheet;
    sheet.rows = {row({"A", "t", "40"}), row({"B", "t", "45"})};
    const QString path = m_dir.filePath(QStringLiteral("samples.csv"));
    FileProblem problem;
    QVERIFY(writeBatteryFile(path, sheet, problem));
    QCOMPARE(readAll(path).left(readAll(path).indexOf('\n')),
             QByteArray("name,scale,score,mean,sd,reliability,retest,practice,group,set"));
    sheet.rows[1].cells[std::size_t(Field::ControlsMean)] = "48";
    sheet.rows[1].cells[std::size_t(Field::ControlsSd)] = "9";
    sheet.rows[1].cells[std::size_t(Field::ControlsN)] = "25";
    QVERIFY(writeBatteryFile(path, sheet, problem));
    QCOMPARE(readAll(path).left(readAll(path).indexOf('\n')),
             QByteArray("name,scale,score,mean,sd,reliability,retest,practice,group,set,controls_mean,controls_sd,"
                        "controls_n"));
    FileReading reading;
    QVERIFY2(readBatteryFile(path.toStdString(), reading, problem), problem.why.c_str());
    QCOMPARE(cellsOf(reading.sheet), cellsOf(sheet));
}

// Written through a temporary file: a write that fails part way (here the
// file-size limit, which holds for root too) leaves the old file whole and
// no stray file beside it.
void TestBatterySheet::failedSaveKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("battery.csv"));
    const QByteArray old = "name,scale,score\nOld,z,1\n";
    QVERIFY(writeBytes(path, old));
    Sheet big;
    for (int i = 0; i < 150; ++i)
        big.rows.push_back(row({"A score with a long name", "scaled", "10", "", "", ".9", "", "", "Group"}));

    rlimit was{};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &was) == 0);
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = was;
    small.rlim_cur = 4096;
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
    FileProblem problem;
    const bool written = writeBatteryFile(path, big, problem);
    ::setrlimit(RLIMIT_FSIZE, &was);
    std::signal(SIGXFSZ, signal);

    QVERIFY(!written);
    QCOMPARE(problem.kind, FileProblem::WriteFailed);
    QVERIFY(!problem.why.empty());
    QCOMPARE(readAll(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("battery.csv")});
}

void TestBatterySheet::readsPastes_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<char>("decimalMark");
    QTest::addColumn<PasteProblem::Kind>("kind");
    QTest::addColumn<bool>("header");
    QTest::addColumn<QString>("columns"); // with a header: each block column's score column
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("unused");

    QTest::newRow("a spreadsheet's cells, no header")
        << QByteArray("Vocabulary\tscaled\t13\r\nMatrices\tscaled\t9\r\n") << '.' << PasteProblem::None << false << ""
        << "Vocabulary|scaled|13;Matrices|scaled|9" << "";
    QTest::newRow("the window's own captions as a header, a column not known")
        << QByteArray("Name\tScore\tScale\tPR\tReliability\nA\t100\tWechsler IQ\t50\t.9\n") << '.' << PasteProblem::None
        << true << "0|2|1|-1|5" << "A|100|Wechsler IQ|50|.9" << "PR";
    QTest::newRow("comma-separated with the file's header")
        << QByteArray("name,scale,score,person\nA,z,-1.5,Ada\n") << '.' << PasteProblem::None << true << "0|1|2|-1"
        << "A|z|-1.5|Ada" << "";
    QTest::newRow("one column with its name")
        << QByteArray("reliability\n.9\n.85\n") << '.' << PasteProblem::None << true << "5" << ".9;.85" << "";
    QTest::newRow("one column of numbers") << QByteArray("12\n14\n") << '.' << PasteProblem::None << false << ""
                                           << "12;14" << "";
    QTest::newRow("a decimal comma stays one cell")
        << QByteArray("0,90\n0,85\n") << ',' << PasteProblem::None << false << "" << "0,90;0,85" << "";
    QTest::newRow("a name that is also a column's is a name among numbers")
        << QByteArray("Score\tscaled\t12\n") << '.' << PasteProblem::None << false << "" << "Score|scaled|12" << "";
    QTest::newRow("nothing") << QByteArray("") << '.' << PasteProblem::Empty << false << "" << "" << "";
    QTest::newRow("10,000 rows") << manyScores(10000) << '.' << PasteProblem::TooManyRows << false << "" << "" << "";
    QTest::newRow("binary") << withNul("A\tB\0\tC") << '.' << PasteProblem::NotText << false << "" << "" << "";
    QTest::newRow("a quote left open") << QByteArray("A\t\"B\nC\n") << '.' << PasteProblem::BrokenQuote << false << ""
                                       << "" << "";
}

void TestBatterySheet::readsPastes()
{
    QFETCH(QByteArray, text);
    QFETCH(char, decimalMark);
    QFETCH(PasteProblem::Kind, kind);
    QFETCH(bool, header);
    QFETCH(QString, columns);
    QFETCH(QString, rows);
    QFETCH(QString, unused);
    ColumnAliases aliases;
    aliases[std::size_t(Field::Sd)] = {"sd"};
    PasteBlock block;
    const PasteProblem problem = readPaste(text.toStdString(), decimalMark, aliases, block);
    QCOMPARE(problem.kind, kind);
    if (kind != PasteProblem::None)
        return;
    QCOMPARE(block.header, header);
    QStringList shownColumns, shownRows, shownUnused;
    for (int column : block.columns)
        shownColumns << QString::number(column);
    for (const std::vector<std::string> &cells : block.rows) {
        QStringList line;
        for (const std::string &cell : cells)
            line << QString::fromStdString(cell);
        shownRows << line.join(QLatin1Char('|'));
    }
    for (const std::string &name : block.unusedColumns)
        shownUnused << QString::fromStdString(name);
    QCOMPARE(shownColumns.join(QLatin1Char('|')), columns);
    QCOMPARE(shownRows.join(QLatin1Char(';')), rows);
    QCOMPARE(shownUnused.join(QLatin1Char('|')), unused);
}

void TestBatterySheet::undoesAndRedoesEveryEdit_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("after");
    const QString before = QStringLiteral("A|z|1;B|z|2;C|z|3;D|z|4");
    QTest::newRow("a cell edited") << "edit" << "A|z|1;B|t|2;C|z|3;D|z|4";
    QTest::newRow("a new score typed") << "type" << before + ";E";
    QTest::newRow("a paste past the end") << "paste" << "A|z|1;B|z|2;C|z|3;D|z|9;X|t|50";
    QTest::newRow("rows inserted") << "insert" << "A|z|1;;;B|z|2;C|z|3;D|z|4";
    QTest::newRow("rows deleted, apart") << "delete" << "B|z|2;D|z|4";
    QTest::newRow("rows moved up") << "up" << "B|z|2;C|z|3;A|z|1;D|z|4";
    QTest::newRow("rows moved down") << "down" << "A|z|1;D|z|4;B|z|2;C|z|3";
}

// Each kind of edit as one step: undone, the sheet is as it was; redone,
// as the edit left it; and the stack is clean again where it started.
void TestBatterySheet::undoesAndRedoesEveryEdit()
{
    QFETCH(QString, edit);
    QFETCH(QString, after);
    QUndoStack stack;
    ScoresModel model(&stack);
    Sheet sheet;
    sheet.rows = {row({"A", "z", "1"}), row({"B", "z", "2"}), row({"C", "z", "3"}), row({"D", "z", "4"})};
    model.resetSheet(sheet);
    const QString before = cellsOf(model.sheet());
    stack.setClean();
    if (edit == QLatin1String("edit"))
        QVERIFY(model.setData(model.index(1, int(Field::Scale)), QStringLiteral("T"), Qt::EditRole));
    else if (edit == QLatin1String("type"))
        QVERIFY(model.setData(model.index(4, int(Field::Name)), QStringLiteral("E"), Qt::EditRole));
    else if (edit == QLatin1String("paste"))
        stack.push(new SetCellsCommand(&model, {{3, 2, "4", "9"}, {4, 0, "", "X"}, {4, 1, "", "t"}, {4, 2, "", "50"}}, 5,
                                       QStringLiteral("Paste")));
    else if (edit == QLatin1String("insert"))
        stack.push(new InsertRowsCommand(&model, 1, 2, QStringLiteral("Insert")));
    else if (edit == QLatin1String("delete"))
        stack.push(new RemoveRowsCommand(&model, {2, 0}, QStringLiteral("Delete")));
    else if (edit == QLatin1String("up"))
        stack.push(new MoveRowsCommand(&model, 1, 2, -1, QStringLiteral("Up")));
    else if (edit == QLatin1String("down"))
        stack.push(new MoveRowsCommand(&model, 1, 2, 1, QStringLiteral("Down")));
    QCOMPARE(stack.count(), 1);
    QCOMPARE(cellsOf(model.sheet()), after);
    QCOMPARE(model.rowCount(), int(model.sheet().rows.size()) + 1);
    QVERIFY(!stack.isClean());
    stack.undo();
    QCOMPARE(cellsOf(model.sheet()), before);
    QCOMPARE(model.rowCount(), int(model.sheet().rows.size()) + 1);
    QVERIFY(stack.isClean());
    stack.redo();
    QCOMPARE(cellsOf(model.sheet()), after);
}

// The empty row that takes a new score is always last, and goes when the
// sheet is full, so that no score can be typed past the limit.
void TestBatterySheet::typingRowStaysLast()
{
    QUndoStack stack;
    ScoresModel model(&stack);
    Sheet sheet;
    sheet.rows.assign(kMaxScores - 1, row({"x"}));
    model.resetSheet(sheet);
    QCOMPARE(model.rowCount(), int(kMaxScores));
    QCOMPARE(model.typingRow(), int(kMaxScores) - 1);
    QVERIFY(model.setData(model.index(int(kMaxScores) - 1, 0), QStringLiteral("last"), Qt::EditRole));
    QCOMPARE(model.rowCount(), int(kMaxScores));
    QCOMPARE(model.typingRow(), -1);
    QVERIFY(!model.setData(model.index(int(kMaxScores), 0), QStringLiteral("one more"), Qt::EditRole));
    stack.undo();
    QCOMPARE(model.typingRow(), int(kMaxScores) - 1);
    QCOMPARE(model.rowCount(), int(kMaxScores));
}

void TestBatterySheet::chartAtTheEnds_data()
{
    QTest::addColumn<QString>("metric"); // the scale row's: mean, sd, lowest, highest
    QTest::addColumn<double>("z");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<QString>("dot");    // where each falls: inside, top, bottom, or
    QTest::addColumn<QString>("barTop"); // beyond an end ("below"), a bar cut there ("cut")
    QTest::addColumn<QString>("barBottom");
    // Wechsler's axis is z -4..4 (40 to 160): its bounds 1 and 199 lie beyond.
    QTest::newRow("Wechsler 40, at the foot of the axis")
        << "100 15 1 199" << -4.0 << -4.3 << -3.5 << "bottom" << "inside" << "bottom cut";
    QTest::newRow("Wechsler held at its bound 1, the interval wholly below")
        << "100 15 1 199" << (1 - 100) / 15.0 << -6.9 << -6.0 << "below" << "bottom" << "bottom cut";
    QTest::newRow("interval past the top") << "100 15 1 199" << 3.2 << 2.6 << 4.4 << "inside" << "top cut" << "inside";
    // The scaled score's bounds, 1 and 19, are the axis' ends.
    QTest::newRow("scaled 19, its bound and the axis' top")
        << "10 3 1 19" << 3.0 << 2.5 << 3.2 << "top" << "top cut" << "inside";
    QTest::newRow("scaled 1, its bound and the axis' foot")
        << "10 3 1 19" << -3.0 << -3.3 << -2.4 << "bottom" << "inside" << "bottom cut";
    QTest::newRow("T 90, the top of its axis, the interval ending there")
        << "50 10 1 99" << 4.0 << 3.4 << 4.0 << "top" << "top" << "inside";
}

// Where the dot and the interval's ends fall against the axis: on it, at
// an end, or beyond (the dot then marks the end it lies past, the bar is
// cut there); checked against the axis' own mapping and its tick labels.
void TestBatterySheet::chartAtTheEnds()
{
    QFETCH(QString, metric);
    QFETCH(double, z);
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(QString, dot);
    QFETCH(QString, barTop);
    QFETCH(QString, barBottom);
    const QStringList parts = metric.split(QLatin1Char(' '));
    ChartData data;
    data.metricName = QStringLiteral("metric");
    data.mean = parts[0].toDouble();
    data.sd = parts[1].toDouble();
    data.lowest = parts[2].toDouble();
    data.highest = parts[3].toDouble();
    ChartScore score;
    score.name = QStringLiteral("A");
    score.z = z;
    score.low = low;
    score.high = high;
    score.mark = z > 0 ? profile::Mark::Strength : profile::Mark::Weakness;
    data.scores = {score};
    ProfileChart chart;
    chart.setData(data);
    const ProfileChart::Geometry g = chart.layout(QRectF(10, 20, 600, 400), 12);
    QVERIFY(g.plot.height() > 100);
    // The axis: whole SDs from its foot to its top, labelled with the scale's values.
    const double foot = std::max(-4.0, (data.lowest - data.mean) / data.sd);
    const double top = std::min(4.0, (data.highest - data.mean) / data.sd);
    QCOMPARE(g.zBottom, foot);
    QCOMPARE(g.zTop, top);
    QCOMPARE(g.metricTicks.front().y, g.plot.bottom());
    QCOMPARE(g.metricTicks.back().y, g.plot.top());
    QCOMPARE(g.metricTicks.back().label, QString::number(data.mean + top * data.sd));

    // Inside, an end lies where its z maps.
    auto where = [&](double y, double zAt, bool cut, ProfileChart::Beyond beyond) {
        if (beyond == ProfileChart::Beyond::Below)
            return QStringLiteral("below");
        if (beyond == ProfileChart::Beyond::Above)
            return QStringLiteral("above");
        QString at = qFuzzyCompare(y, g.plot.bottom()) ? QStringLiteral("bottom")
            : qFuzzyCompare(y, g.plot.top())           ? QStringLiteral("top")
            : qFuzzyCompare(y, g.y(zAt))               ? QStringLiteral("inside")
                                                       : QStringLiteral("misplaced");
        return cut ? at + QStringLiteral(" cut") : at;
    };
    const ProfileChart::Column &c = g.columns.front();
    QVERIFY(c.hasDot && c.hasBar);
    QCOMPARE(where(c.dot.y(), z, false, c.dotBeyond), dot);
    QCOMPARE(where(c.barTop, high, c.barCutTop, ProfileChart::Beyond::No), barTop);
    QCOMPARE(where(c.barBottom, low, c.barCutBottom, ProfileChart::Beyond::No), barBottom);
    // The S or W stays inside the plot whatever the score.
    QVERIFY(g.plot.contains(c.markBox));
}

// The marks are painted where the geometry says: the score's colour at the
// dot's centre, the retest's white inside its outline, and nothing of
// either where no mark is.
void TestBatterySheet::chartDrawsWhereItSays()
{
    ChartData data;
    data.metricName = QStringLiteral("Wechsler IQ");
    ChartScore first, second;
    first.name = QStringLiteral("A");
    first.z = 1;
    first.retestZ = -1;
    second.name = QStringLiteral("B");
    second.z = -2;
    data.scores = {first, second};
    ProfileChart chart;
    chart.setData(data);
    QImage image(700, 450, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        chart.paint(painter, image.rect(), 12);
    }
    const ProfileChart::Geometry g = chart.layout(image.rect(), 12);
    auto colour = [&](QPointF at) { return image.pixelColor(at.toPoint()); };
    const QColor dot = colour(g.columns[0].dot);
    QVERIFY2(dot.blue() > dot.red() + 60, qPrintable(dot.name()));
    QCOMPARE(colour(g.columns[1].dot), dot);
    QCOMPARE(colour(g.columns[0].retest), QColor(Qt::white));
    const QColor retestEdge = colour(g.columns[0].retest + QPointF(0, -0.55 * 0.9 * 12));
    QVERIFY2(retestEdge.red() > retestEdge.blue() + 60, qPrintable(retestEdge.name()));
    QVERIFY(colour(QPointF(g.columns[1].x, g.y(1))) != dot); // no dot where B is not
}

// The chart's geometry against the figures it stands for, and its pixels
// where the geometry puts each part: the retest at the retest's z, the
// interval's bar between its bounds, S above its dot and W below, the
// person's mean as a line at the mean's z, and the percentile ranks where
// the normal curve puts them.
void TestBatterySheet::chartStandsForItsFigures()
{
    ChartData data;
    data.metricName = QStringLiteral("Wechsler IQ");
    ChartScore strong, weak;
    strong.name = QStringLiteral("A");
    strong.z = 1;
    strong.low = 0.4;
    strong.high = 1.6;
    strong.retestZ = -1.3;
    strong.mark = profile::Mark::Strength;
    weak.name = QStringLiteral("B");
    weak.z = -1.5;
    weak.low = -2.1;
    weak.high = -0.9;
    weak.mark = profile::Mark::Weakness;
    data.scores = {strong, weak};
    data.meanZ = -0.25;
    data.meanText = QStringLiteral("96");
    ProfileChart chart;
    chart.setData(data);
    QImage image(700, 450, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        chart.paint(painter, image.rect(), 12);
    }
    const ProfileChart::Geometry g = chart.layout(image.rect(), 12);
    QCOMPARE(g.columns.size(), std::size_t(2));
    // A z's height, worked out here from the axis's ends.
    auto height = [&](double z) { return g.plot.top() + (g.zTop - z) / (g.zTop - g.zBottom) * g.plot.height(); };
    auto dark = [&](double x, double y) {
        // Anything near (x, y) drawn in a dark ink.
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (qGray(image.pixel(int(std::lround(x)) + dx, int(std::lround(y)) + dy)) < 110)
                    return true;
        return false;
    };

    const ProfileChart::Column &a = g.columns[0], &b = g.columns[1];
    QVERIFY(std::abs(a.dot.y() - height(1)) < 0.01);
    QVERIFY(a.hasRetest);
    QVERIFY2(std::abs(a.retest.y() - height(-1.3)) < 0.01, qPrintable(QString::number(a.retest.y())));
    // The retest's white inside at its own height, and none at the score's.
    QCOMPARE(image.pixelColor(a.retest.toPoint()), QColor(Qt::white));
    QCOMPARE(image.pixelColor(QPointF(a.retest.x(), height(-1.3)).toPoint()), QColor(Qt::white));
    QVERIFY(image.pixelColor(QPointF(a.retest.x(), height(1)).toPoint()) != QColor(Qt::white));

    // The bar: ink on the column's line between the dot and each bound.
    for (const auto &[column, score] : {std::pair{&a, &strong}, std::pair{&b, &weak}}) {
        QVERIFY(column->hasBar);
        QVERIFY(std::abs(column->barTop - height(score->high)) < 0.01);
        QVERIFY(std::abs(column->barBottom - height(score->low)) < 0.01);
        const double dotY = height(score->z);
        for (const double bound : {height(score->high), height(score->low)}) {
            const double between = dotY + 0.75 * (bound - dotY);
            QVERIFY2(dark(column->x, between), qPrintable(QStringLiteral("no bar at %1, %2").arg(column->x).arg(between)));
        }
    }

    // S above its dot and W below, each letter inked in its box.
    QVERIFY(!a.markBox.isEmpty() && !b.markBox.isEmpty());
    QVERIFY(a.markBox.bottom() < a.dot.y());
    QVERIFY(b.markBox.top() > b.dot.y());
    for (const QRectF &box : {a.markBox, b.markBox}) {
        QVERIFY(g.plot.contains(box));
        QVERIFY(dark(box.center().x(), box.center().y()) || dark(box.center().x(), box.center().y() + 2));
    }

    // The mean: a dashed line across the plot at the mean's z.
    QVERIFY(g.hasMean);
    QVERIFY(std::abs(g.meanY - height(-0.25)) < 0.01);
    int inked = 0, tried = 0;
    for (double x = g.plot.left() + 4; x < g.plot.right() - 4; x += 1, ++tried)
        inked += qGray(image.pixel(int(x), int(std::lround(height(-0.25))))) < 110;
    QVERIFY2(inked > tried / 4, qPrintable(QStringLiteral("%1 of %2").arg(inked).arg(tried)));

    // Percentile ranks at the normal curve's z of each rank.
    const std::map<double, double> normalZ{{1, -2.326348}, {2, -2.053749}, {5, -1.644854}, {10, -1.281552},
                                           {16, -0.994458}, {25, -0.674490}, {50, 0},          {75, 0.674490},
                                           {84, 0.994458},  {90, 1.281552},  {95, 1.644854},   {98, 2.053749},
                                           {99, 2.326348}};
    QVERIFY(g.percentileTicks.size() >= 5);
    for (const ProfileChart::Tick &tick : g.percentileTicks) {
        const auto z = normalZ.find(tick.label.toDouble());
        QVERIFY2(z != normalZ.end(), qPrintable(tick.label));
        QVERIFY2(std::abs(tick.y - height(z->second)) < 0.05, qPrintable(tick.label));
    }
}

// A table filled anew after every edit says which rows changed, so that
// the view repaints them, and nothing when nothing did: a cell whose text,
// tip or figure changed unsaid would stay stale on screen.
void TestBatterySheet::figureTableSignalsWhatChanged_data()
{
    QTest::addColumn<int>("row");     // changed, -1: none
    QTest::addColumn<int>("other");   // a second row changed, -1: none
    QTest::addColumn<QString>("what"); // text, tip or item
    QTest::addColumn<bool>("header"); // the captions change too

    QTest::newRow("nothing") << -1 << -1 << "" << false;
    QTest::newRow("a text") << 1 << -1 << "text" << false;
    QTest::newRow("a tip") << 2 << -1 << "tip" << false;
    QTest::newRow("a figure") << 0 << -1 << "item" << false;
    QTest::newRow("first and last") << 0 << 3 << "text" << false;
    QTest::newRow("the captions") << -1 << -1 << "" << true;
}

void TestBatterySheet::figureTableSignalsWhatChanged()
{
    QFETCH(int, row);
    QFETCH(int, other);
    QFETCH(QString, what);
    QFETCH(bool, header);
    const auto rows = [] {
        std::vector<std::vector<FigureCell>> made(4);
        for (std::size_t r = 0; r < made.size(); ++r)
            for (int c = 0; c < 2; ++c)
                made[r].push_back({QString::number(r * 10 + std::size_t(c)), QString(), profile::Item::PairP, int(r)});
        return made;
    };
    FigureTable table;
    table.setHeader({"A", "B"}, {"", ""}, {false, true});
    table.setRows(rows());
    QSignalSpy data(&table, &QAbstractItemModel::dataChanged);
    QSignalSpy captions(&table, &QAbstractItemModel::headerDataChanged);
    QSignalSpy reset(&table, &QAbstractItemModel::modelReset);
    auto next = rows();
    for (const int changed : {row, other}) {
        if (changed < 0)
            continue;
        FigureCell &cell = next[std::size_t(changed)][1];
        if (what == QLatin1String("text"))
            cell.text = QStringLiteral("changed");
        else if (what == QLatin1String("tip"))
            cell.tip = QStringLiteral("why");
        else
            cell.item = profile::Item::PairPAdjusted;
    }
    table.setHeader({"A", header ? "C" : "B"}, {"", ""}, {false, true});
    table.setRows(next);
    QCOMPARE(captions.count(), header ? 1 : 0);
    QCOMPARE(reset.count(), 0);
    QCOMPARE(data.count(), row < 0 ? 0 : 1);
    if (row >= 0) {
        QCOMPARE(data[0][0].toModelIndex().row(), row);
        QCOMPARE(data[0][1].toModelIndex().row(), std::max(row, other));
        QCOMPARE(data[0][1].toModelIndex().column(), 1);
    }
    for (int r = 0; r < 4; ++r)
        QCOMPARE(table.data(table.index(r, 1), Qt::DisplayRole).toString(), next[std::size_t(r)][1].text);
}

QTEST_MAIN(TestBatterySheet)
#include "tst_gui_battery_sheet.moc"
