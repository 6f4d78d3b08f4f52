// quintaval-convert with SPSS and Stata files: what comes through (every
// variable with its label, format, value labels and missing values; the
// file's label and notes), what is added, missing codes read as empty
// cells, every combination with CSV, damaged files refused without a file
// that looks whole, and PSPP, an independent reader, opening the output.
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <fcntl.h>
#include <readstat.h>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

#include "batch/convert_command.h"
#include "batch/stat_file.h"
#include "tests/command_run.h"
#include "tests/temp_file.h"

using batch::StatFormat;

namespace {

// A variable of a test file; numbers are written from text: "" is system
// missing, ".a" Stata's tagged missing a.
struct Variable {
    std::string name;
    bool text = false;
    std::string label, format;
    std::vector<double> missing;                          // user-missing values
    std::vector<std::pair<double, std::string>> labels;  // value labels
};

struct File {
    std::vector<Variable> variables;
    std::vector<std::vector<std::string>> rows;
    std::string label;
    std::vector<std::string> notes;
};

int g_fd = -1;
ssize_t writeBytes(const void *data, size_t size, void *)
{
    return ::write(g_fd, data, size);
}

// Writes the file with ReadStat itself, as SPSS or Stata would.
void write(const QString &path, StatFormat format, const File &file)
{
    g_fd = ::open(qPrintable(path), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    QVERIFY(g_fd >= 0);
    readstat_writer_t *writer = readstat_writer_init();
    readstat_set_data_writer(writer, writeBytes);
    const bool stata = format == StatFormat::Dta;
    std::vector<readstat_variable_t *> variables;
    for (const Variable &v : file.variables) {
        size_t width = 1;
        for (const auto &row : file.rows)
            width = std::max(width, row[variables.size()].size());
        readstat_variable_t *variable = readstat_add_variable(
            writer, v.name.c_str(), v.text ? READSTAT_TYPE_STRING : READSTAT_TYPE_DOUBLE, v.text ? width : 0);
        if (!v.label.empty())
            readstat_variable_set_label(variable, v.label.c_str());
        if (!v.format.empty())
            readstat_variable_set_format(variable, v.format.c_str());
        for (const double missing : v.missing)
            readstat_variable_add_missing_double_value(variable, missing);
        if (!v.labels.empty()) {
            readstat_label_set_t *set = readstat_add_label_set(
                writer, stata ? READSTAT_TYPE_INT32 : READSTAT_TYPE_DOUBLE, (v.name + "_labels").c_str());
            for (const auto &[value, label] : v.labels) {
                if (stata)
                    readstat_label_int32_value(set, int32_t(value), label.c_str());
                else
                    readstat_label_double_value(set, value, label.c_str());
            }
            readstat_variable_set_label_set(variable, set);
        }
        variables.push_back(variable);
    }
    if (!file.label.empty())
        readstat_writer_set_file_label(writer, file.label.c_str());
    for (const std::string &note : file.notes)
        readstat_add_note(writer, note.c_str());
    readstat_error_t status = READSTAT_OK;
    if (format == StatFormat::Dta) {
        readstat_writer_set_file_format_version(writer, 118);
        status = readstat_begin_writing_dta(writer, nullptr, long(file.rows.size()));
    } else if (format == StatFormat::Por) {
        status = readstat_begin_writing_por(writer, nullptr, long(file.rows.size()));
    } else {
        if (format == StatFormat::Zsav)
            readstat_writer_set_compression(writer, READSTAT_COMPRESS_BINARY);
        status = readstat_begin_writing_sav(writer, nullptr, long(file.rows.size()));
    }
    QCOMPARE(status, READSTAT_OK);
    for (const auto &row : file.rows) {
        readstat_begin_row(writer);
        for (size_t i = 0; i < row.size(); ++i) {
            if (file.variables[i].text)
                readstat_insert_string_value(writer, variables[i], row[i].c_str());
            else if (row[i].empty())
                readstat_insert_missing_value(writer, variables[i]);
            else if (row[i][0] == '.' && row[i].size() == 2 && std::isalpha((unsigned char)row[i][1]))
                readstat_insert_tagged_missing_value(writer, variables[i], row[i][1]);
            else
                readstat_insert_double_value(writer, variables[i], std::stod(row[i]));
        }
        QCOMPARE(readstat_end_row(writer), READSTAT_OK);
    }
    QCOMPARE(readstat_end_writing(writer), READSTAT_OK);
    readstat_writer_free(writer);
    ::close(g_fd);
}

struct Table {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
    batch::StatDictionary dictionary;

    std::string cell(size_t row, const std::string &column) const
    {
        const auto at = std::find(header.begin(), header.end(), column);
        return at == header.end() ? "(no column " + column + ")" : rows.at(row).at(size_t(at - header.begin()));
    }
    const batch::StatVariable &variable(const std::string &name) const
    {
        for (const batch::StatVariable &v : dictionary.variables)
            if (v.name == name)
                return v;
        qFatal("no variable %s", name.c_str());
    }
    // The label of a variable's value, as its label set says.
    std::string valueLabel(const std::string &name, double value) const
    {
        const auto set = dictionary.labelSets.find(variable(name).labelSet);
        if (set != dictionary.labelSets.end())
            for (const batch::StatLabel &l : set->second)
                if (l.kind == batch::StatValue::Number && l.value == value)
                    return l.label;
        return {};
    }
};

// An SPSS or Stata file as the tool's reader sees it; a CSV file's cells.
Table read(const QString &path)
{
    Table table;
    const int fd = ::open(qPrintable(path), O_RDONLY);
    char first[600] = {};
    const ssize_t size = ::pread(fd, first, sizeof first, 0);
    const StatFormat format = batch::statFormatOf({first, size_t(std::max<ssize_t>(size, 0))});
    text::CsvRecord record;
    if (format == StatFormat::None) {
        text::CsvReader reader(fd);
        if (reader.next(record))
            table.header = record.cells;
        while (reader.next(record))
            table.rows.push_back(record.cells);
    } else {
        batch::StatSource source(fd, format, '.');
        if (source.readHeader(record)) {
            table.header = record.cells;
            source.readRows([&](text::CsvRecord &row) {
                table.rows.push_back(row.cells);
                return true;
            });
        }
        table.dictionary = source.dictionary();
    }
    ::close(fd);
    return table;
}

Run convert(const std::vector<std::string> &arguments, const QByteArray &input = {})
{
    return runCommand(arguments, input);
}

// A study as researchers keep it: 999 means "not tested", a pupil without
// a reliability, one whose score is out of range.
File study()
{
    File file;
    file.variables = {{"id", false, "", "F4.0", {}, {}},
                      {"name", true, "Pupil", "", {}, {}},
                      {"wechsler", false, "Full scale IQ", "F5.1", {999}, {{999, "not tested"}}},
                      {"reliability", false, "", "F4.2", {}, {}}};
    file.rows = {{"1", "Ada", "115", ".9"}, {"2", "Ben", "999", ".85"}, {"3", "Cleo", "70", ""},
                 {"4", "Dev", "250", ".9"}};
    file.label = "Study one";
    file.notes = {"First wave of the study."};
    return file;
}

// The study as PSPP exports it: ReadStat writes no portable file.
const char kStudyPor[] =
    "QVNDSUkgU1BTUyBQT1JUIEZJTEUgICAgICAgICAgICAgICAgICAgIEFTQ0lJIFNQU1MgUE9SVCBG"
    "SUxFICAgICAgICAgICAgICAgICAgICANCkFTQ0lJIFNQU1MgUE9SVCBGSUxFICAgICAgICAgICAg"
    "ICAgICAgICBBU0NJSSBTUFNTIFBPUlQgRklMRSAgICAgICAgICAgICAgICAgICAgDQpBU0NJSSBT"
    "UFNTIFBPUlQgRklMRSAgICAgICAgICAgICAgICAgICAgMDAwMDAwMDAwMDAwMDAwMDAwMDAwMDAw"
    "MDAwMDAwMDAwMDAwMDAwMA0KMDAwMDAwMDAwMDAwMDAwMDAwMDAwMDAwMDEyMzQ1Njc4OUFCQ0RF"
    "RkdISUpLTE1OT1BRUlNUVVZXWFlaYWJjZGVmZ2hpamtsbW5vcHFyc3QNCnV2d3h5eiAuPCgrfCZb"
    "XSEkKik7Xi0vfCwlXz4/YDokQCc9IjAwMDAwMH4tMDAwMDEyMzQ1Njc4OTAwMC0oKTB7fVwwMDAw"
    "MDAwMDAwMDAwDQowMDAwMDAwMDAwMDAwMDAwMDAwMDAwMDAwMDAwMDAwMDAwMDAwMDAwMDAwMDAw"
    "MDAwMDAwMDAwMFNQU1NQT1JUQTgvMjAyNjEyMDc2LzAyNA0KNTQyMUUvR05VIHBzcHAgMS42LjIz"
    "Si94ODZfNjQtcGMtbGludXgtZ251NDQvNUIvNzAvMi9JRDUvNC8wLzUvNC8wLzc4LzQvTkFNRTEv"
    "OC8NCjAvMS84LzAvNzAvOC9XRUNIU0xFUjUvNi8xLzUvNi8xLzgxMzkvQ0QvRnVsbCBzY2FsZSBJ"
    "UTcwLzMvUkVMNS81LzIvNS81LzIvRDEvOC9XDQpFQ0hTTEVSMS8xMzkvQS9ub3QgdGVzdGVkRjEv"
    "OC9BZGEgICAgIDNQLy5SLzIvOC9CZW4gICAgIDEzOS8uUEYvMy84L0NsZW8gICAgMkEvKg0KLjQv"
    "OC9EZXYgICAgIDhBLy5SL1paWlpaWlpaWlpaWlpaWlpaWlpaWlpaWlpaWlpaWlpaWlpaWlpaWlpa"
    "WlpaWlpaWlpaWlpaWlpaWlpaWloNCg==";

QString extension(StatFormat format)
{
    switch (format) {
    case StatFormat::Sav:
        return "sav";
    case StatFormat::Zsav:
        return "zsav";
    case StatFormat::Por:
        return "por";
    case StatFormat::Dta:
        return "dta";
    case StatFormat::None:
        break;
    }
    return "csv";
}

} // namespace

Q_DECLARE_METATYPE(StatFormat)

class TestBatchStat : public QObject {
    Q_OBJECT

private slots:
    void spssFileComesThrough();
    void spssCodesBecomeStataMissingValues();
    void missingCodesAreEmptyCells_data();
    void missingCodesAreEmptyCells();
    void everyCombinationAgrees_data();
    void everyCombinationAgrees();
    void columnsFromCsv_data();
    void columnsFromCsv();
    void damagedFilesAreRefused_data();
    void damagedFilesAreRefused();
    void damagedFilesNeverCrash_data();
    void damagedFilesNeverCrash();
    void convertingAgainChangesNothing();
    void profilesKeepStoredValues();
    void profileVerdictsAreLabelledCodes_data();
    void profileVerdictsAreLabelledCodes();
    void studyAndControlsComeThrough_data();
    void studyAndControlsComeThrough();
    void psppOpensTheOutput();
    void comparisonSetsComeThrough();
    void psppShowsAStudyConvertedAsItIs();
    void wideNamesAreValid_data();
    void wideNamesAreValid();

private:
    QTemporaryDir m_dir;
};

// The worked example: an interpreted .sav keeps every variable of the
// input as it was, its label and notes, and labels what it adds.
void TestBatchStat::spssFileComesThrough()
{
    const QString in = m_dir.filePath("study.sav"), out = m_dir.filePath("study_scored.sav");
    write(in, StatFormat::Sav, study());
    const Run run = convert({"--interpret", in.toStdString(), "-o", out.toStdString()});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.errors, QByteArray("quintaval-convert: 2 rows converted, 1 refused, 1 empty, 0 malformed\n"));
    const Table t = read(out);
    QCOMPARE(t.dictionary.fileLabel, std::string("Study one"));
    QCOMPARE(t.dictionary.notes, std::vector<std::string>{"First wave of the study."});

    const batch::StatVariable &wechsler = t.variable("wechsler");
    QCOMPARE(wechsler.label, std::string("Full scale IQ"));
    QCOMPARE(wechsler.format, std::string("F5.1"));
    QCOMPARE(wechsler.missing.size(), size_t(1));
    QCOMPARE(wechsler.missing[0].low, 999.0);
    QCOMPARE(t.valueLabel("wechsler", 999), std::string("not tested"));
    QCOMPARE(t.variable("name").label, std::string("Pupil"));
    QVERIFY(t.variable("name").text);

    // Added variables: numeric, labelled, their codes labelled.
    QCOMPARE(t.variable("t").label, std::string("T, converted"));
    QCOMPARE(t.variable("ci_low").label, std::string("95 % interval, lower bound, Wechsler metric"));
    QCOMPARE(t.variable("ci_percentile_high").label, std::string("95 % interval, upper bound, percentile rank"));
    QCOMPARE(t.variable("descriptor").label, std::string("Descriptor, AACN"));
    QVERIFY(!t.variable("percentile_rank").text && !t.variable("descriptor").text);
    QCOMPARE(t.valueLabel("percentile_rank", 0), std::string("<0.1"));
    QCOMPARE(t.valueLabel("descriptor", std::stod(t.cell(0, "descriptor"))), std::string("High Average"));
    QCOMPARE(t.variable("z").format, std::string("F8.2"));

    // The rows: Ben's 999 is still 999 (and still missing), not a score.
    QCOMPARE(t.cell(0, "z"), std::string("1"));
    QCOMPARE(t.cell(0, "ci_low"), std::string("105"));
    QCOMPARE(t.cell(1, "wechsler"), std::string("999"));
    QCOMPARE(t.cell(1, "z"), std::string());
    QCOMPARE(t.cell(1, "note"), std::string(conversion::kNothingToCalculateMessage));
    QCOMPARE(t.cell(2, "ci_low"), std::string());
    QCOMPARE(t.cell(3, "wechsler"), std::string("250"));
    QCOMPARE(t.cell(3, "note"), std::string("Wechsler IQ scores must range from 1 to 199."));
}

// Stata has no missing-value codes: SPSS's become .a, .b, ..., labelled.
void TestBatchStat::spssCodesBecomeStataMissingValues()
{
    const QString in = m_dir.filePath("codes.sav"), out = m_dir.filePath("codes.dta");
    write(in, StatFormat::Sav, study());
    QCOMPARE(convert({in.toStdString(), "-o", out.toStdString()}).status, 0);
    const Table t = read(out);
    QCOMPARE(t.cell(1, "wechsler"), std::string()); // Ben's 999
    QCOMPARE(t.cell(0, "wechsler"), std::string("115"));
    const std::vector<batch::StatLabel> &labels = t.dictionary.labelSets.at(t.variable("wechsler").labelSet);
    QVERIFY(std::any_of(labels.begin(), labels.end(), [](const batch::StatLabel &l) {
        return l.kind == batch::StatValue::TaggedMissing && l.tag == 'a' && l.label == "not tested";
    }));
    QCOMPARE(t.variable("id").format, std::string("%4.0f")); // F4.0 in Stata's terms
}

// A missing value, user-defined or not, in a number the tool reads is an
// empty cell, never the number: the row is what a CSV row with that cell
// empty would be. Elsewhere the value is passed on.
void TestBatchStat::missingCodesAreEmptyCells_data()
{
    QTest::addColumn<StatFormat>("format");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("raw"); // the raw score stored; missing codes -9 and 999
    QTest::addColumn<QString>("wechsler");
    QTest::addColumn<QString>("reliability");
    QTest::addColumn<QString>("expected"); // the CSV row written

    const QStringList none, interpret = {"--interpret"};
    QTest::newRow("a missing raw score: the standard score converts")
        << StatFormat::Sav << none << "-9" << "115" << ".9" << "-9,,100,15,115,0.9,+1.0,60,71,600,120,84,";
    QTest::newRow("a missing code as the score: nothing to convert")
        << StatFormat::Sav << QStringList{"--from", "wechsler"} << "50" << "999" << ".9"
        << "-9,50,100,15,,0.9,,,,,,,wechsler: the cell is empty";
    QTest::newRow("a missing code as the reliability: no interval")
        << StatFormat::Sav << interpret << "" << "115" << "999" << "-9,,100,15,115,,+1.0,60,71,600,120,84,"
                                                                   "13,7,8,84,High Average,,,,,";
    QTest::newRow("system missing") << StatFormat::Sav << none << "" << "" << "" << "-9,,100,15,,,,,,,,,"
        + QString(conversion::kNothingToCalculateMessage).prepend('"').append('"');
    QTest::newRow("Stata's .a") << StatFormat::Dta << none << ".a" << "115" << ""
                                << "-9,,100,15,115,,+1.0,60,71,600,120,84,";
}

void TestBatchStat::missingCodesAreEmptyCells()
{
    QFETCH(StatFormat, format);
    QFETCH(QStringList, options);
    QFETCH(QString, raw);
    QFETCH(QString, wechsler);
    QFETCH(QString, reliability);
    QFETCH(QString, expected);
    File file;
    // The id holds a missing code too, and keeps it: it is no score.
    file.variables = {{"id", false, "", "", {-9}, {}},
                      {"raw", false, "", "", {-9}, {}},
                      {"mean", false, "", "", {}, {}},
                      {"sd", false, "", "", {}, {}},
                      {"wechsler", false, "", "", {999}, {}},
                      {"reliability", false, "", "", {999}, {}}};
    file.rows = {{"-9", raw.toStdString(), "100", "15", wechsler.toStdString(), reliability.toStdString()}};
    const QString in = m_dir.filePath(QTest::currentDataTag() + QString(".") + extension(format));
    write(in, format, file);
    std::vector<std::string> arguments;
    for (const QString &option : options)
        arguments.push_back(option.toStdString());
    arguments.push_back(in.toStdString());
    const Run run = convert(arguments);
    QCOMPARE(run.status, 0);
    QCOMPARE(QString::fromUtf8(run.output.split('\n').value(1)), expected);
}

// The same rows through every pair of formats read the same: numbers as
// numbers, coded texts by their labels, missing codes as they were.
void TestBatchStat::everyCombinationAgrees_data()
{
    QTest::addColumn<StatFormat>("from");
    QTest::addColumn<StatFormat>("to");
    const StatFormat formats[] = {StatFormat::None, StatFormat::Sav, StatFormat::Zsav, StatFormat::Dta};
    // ReadStat 1.1.8 writes no .por, nor reads those PSPP writes: none here.
    for (const StatFormat from : formats)
        for (const StatFormat to : formats)
            if (from != StatFormat::None || to != StatFormat::None)
                QTest::addRow("%s to %s", qPrintable(extension(from)), qPrintable(extension(to)))
                    << from << to;
}

void TestBatchStat::everyCombinationAgrees()
{
    QFETCH(StatFormat, from);
    QFETCH(StatFormat, to);
    const QString csv = m_dir.filePath("study.csv");
    {
        QFile file(csv);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("id,name,wechsler,reliability\n1,Ada,115,.9\n2,Ben,,.85\n3,Cleo,70,\n4,Dev,250,.9\n"
                   "5,Eve,160,.8\n");
    }
    QString in = csv;
    if (from != StatFormat::None) {
        in = m_dir.filePath("combination." + extension(from));
        File file = study();
        file.rows.push_back({"5", "Eve", "160", ".8"});
        file.rows[1][2] = "";
        file.variables[2].missing.clear();
        write(in, from, file);
    }
    const QString out = m_dir.filePath("combination-out." + extension(to));
    const std::vector<std::string> options = {"--interpret", in.toStdString(), "-o", out.toStdString()};
    QCOMPARE(convert(options).status, 0);
    const Run reference = convert({"--interpret", csv.toStdString()});
    const Table got = read(out);
    text::CsvReader reader(std::string_view(reference.output.constData(), size_t(reference.output.size())));
    text::CsvRecord record;
    QVERIFY(reader.next(record));
    QCOMPARE(got.header, record.cells);
    for (size_t row = 0; reader.next(record); ++row) {
        for (size_t column = 0; column < record.cells.size(); ++column) {
            const std::string &want = record.cells[column], &have = got.rows.at(row).at(column);
            const std::string &name = got.header[column];
            if (want == have)
                continue;
            // A number written by SPSS or Stata reads back in its shortest
            // form ("+1.0" as "1"), a coded text as its code, a result held
            // at its bound as the bound, with the note naming it.
            std::string wanted = want;
            if (!wanted.empty() && wanted.back() == '*')
                wanted.pop_back();
            const bool coded = !have.empty() && to != StatFormat::None && !got.variable(name).text
                               && got.valueLabel(name, std::stod(have)) == want;
            const bool same = !wanted.empty() && !have.empty() && wanted.find_first_not_of("+-.0123456789") == std::string::npos
                              && std::stod(wanted) == std::stod(have);
            const bool held = name == "note" && want.empty() && have.rfind("held at the scale's bound: ", 0) == 0;
            QVERIFY2(coded || same || held,
                     qPrintable(QString("row %1, %2: \"%3\", CSV gives \"%4\"")
                                    .arg(row)
                                    .arg(name.c_str(), have.c_str(), want.c_str())));
        }
    }
}

// Columns from CSV get the types their cells allow and names each format
// takes, their own names kept as labels.
void TestBatchStat::columnsFromCsv_data()
{
    QTest::addColumn<StatFormat>("format");
    QTest::addColumn<QString>("column"); // as named in the output
    QTest::addColumn<bool>("text");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("first"); // its first cell, read back

    for (const StatFormat format : {StatFormat::Sav, StatFormat::Dta}) {
        const QString f = extension(format);
        QTest::addRow("%s: ids with leading zeros stay text", qPrintable(f)) << format << "Pupil_ID" << true << "Pupil ID" << "007";
        QTest::addRow("%s: numbers with decimals", qPrintable(f)) << format << "code" << false << "" << "1.5";
        QTest::addRow("%s: a name starting with a digit", qPrintable(f)) << format << "v2nd" << false << "2nd" << "1";
        QTest::addRow("%s: a reserved word", qPrintable(f)) << format << "vwith" << true << "with" << "a, b";
        QTest::addRow("%s: one column of text among numbers", qPrintable(f)) << format << "raw" << true << "" << "x";
        QTest::addRow("%s: a second column of the same name", qPrintable(f)) << format << "CODE_2" << false << "CODE" << "2";
    }
}

void TestBatchStat::columnsFromCsv()
{
    QFETCH(StatFormat, format);
    QFETCH(QString, column);
    QFETCH(bool, text);
    QFETCH(QString, label);
    QFETCH(QString, first);
    const auto in = tempFile("Pupil ID,code,2nd,with,raw,mean,sd,CODE,z\n007,1.5,1,\"a, b\",x,100,15,2,\n"
                             "8,2,2,c,115,100,15,3,\n");
    const QString out = m_dir.filePath("columns." + extension(format));
    QCOMPARE(convert({in->fileName().toStdString(), "-o", out.toStdString()}).status, 0);
    const Table t = read(out);
    const batch::StatVariable &v = t.variable(column.toStdString());
    QCOMPARE(v.text, text);
    QCOMPARE(QString::fromStdString(v.label), label);
    QCOMPARE(QString::fromStdString(t.cell(0, column.toStdString())), first);
}

// A damaged file stops the run with a reason; -o is left as it was.
void TestBatchStat::damagedFilesAreRefused_data()
{
    QTest::addColumn<StatFormat>("format");
    QTest::addColumn<int>("keep"); // bytes of the whole file kept; -1: garbage, -4: a name zeroed
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");

    QTest::newRow("a .sav cut in its header") << StatFormat::Sav << 100 << 2 << "as SPSS data";
    QTest::newRow("a .sav cut in its data") << StatFormat::Sav << -2 << 1 << "cannot read";
    // Stata keeps its value labels after the data: a cut there spoils them.
    QTest::newRow("a .dta cut in its data") << StatFormat::Dta << -3 << 2 << "as Stata data";
    QTest::newRow("a .sav that holds text") << StatFormat::Sav << -1 << 2 << "holds no SPSS data";
    QTest::newRow("a .dta whose first name is zeros")
        << StatFormat::Dta << -4 << 2 << "as Stata data: variable 1 has no name";
}

void TestBatchStat::damagedFilesAreRefused()
{
    QFETCH(StatFormat, format);
    QFETCH(int, keep);
    QFETCH(int, status);
    QFETCH(QString, message);
    const QString whole = m_dir.filePath("whole." + extension(format));
    File file = study();
    for (int i = 0; i < 2000; ++i)
        file.rows.push_back({std::to_string(i), "Pupil", std::to_string(60 + i % 80), ".9"});
    write(whole, format, file);
    QFile source(whole);
    QVERIFY(source.open(QIODevice::ReadOnly));
    QByteArray bytes = source.readAll();
    if (keep == -1)
        bytes = "id,wechsler\n1,115\n";
    else if (keep == -4)
        bytes.replace(bytes.indexOf("<varnames>") + 10, 8, QByteArray(8, '\0'));
    else if (keep < -1) // cut in the data, near its end: a half row missing
        bytes.chop(bytes.size() / 3 + 3);
    else
        bytes.truncate(keep);
    const QString damaged = m_dir.filePath("damaged." + extension(format));
    QFile cut(damaged);
    QVERIFY(cut.open(QIODevice::WriteOnly));
    cut.write(bytes);
    cut.close();
    const QString out = m_dir.filePath("kept.sav");
    QFile old(out);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    const Run run = convert({damaged.toStdString(), "-o", out.toStdString()});
    QCOMPARE(run.status, status);
    QVERIFY2(run.errors.contains(message.toUtf8()), run.errors.constData());
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old"));
    QCOMPARE(QDir(m_dir.path()).entryList({".kept.sav.*"}, QDir::Hidden | QDir::Files), QStringList());
}

// A numeric variable holds no "*": the note names the results held at
// their bounds, and a converted file converted again comes back the same.
void TestBatchStat::convertingAgainChangesNothing()
{
    File file;
    file.variables = {{"id", false, "", "", {}, {}}, {"z", false, "", "", {}, {}}};
    for (int i = 0; i <= 1398; i += 3)
        file.rows.push_back({std::to_string(i), std::to_string(-6.99 + i / 100.0)});
    const QString in = m_dir.filePath("again.sav"), once = m_dir.filePath("again_once.sav"),
                  twice = m_dir.filePath("again_twice.sav");
    write(in, StatFormat::Sav, file);
    QCOMPARE(convert({in.toStdString(), "-o", once.toStdString()}).status, 0);
    QCOMPARE(convert({once.toStdString(), "-o", twice.toStdString()}).status, 0);
    const Table first = read(once), second = read(twice);
    QCOMPARE(second.header, first.header);
    QCOMPARE(second.rows.size(), first.rows.size());
    for (size_t row = 0; row < first.rows.size(); ++row)
        QCOMPARE(second.rows[row], first.rows[row]);
}

// Files cut short or with bytes changed, seeded: each run, in a process of
// its own, ends with no signal, and either converts (a changed byte may be a
// value) or says why with status 1 or 2, the output file untouched.
void TestBatchStat::damagedFilesNeverCrash_data()
{
    QTest::addColumn<StatFormat>("format");
    QTest::newRow("sav") << StatFormat::Sav;
    QTest::newRow("zsav") << StatFormat::Zsav;
    QTest::newRow("dta") << StatFormat::Dta;
    QTest::newRow("por") << StatFormat::Por;
}

void TestBatchStat::damagedFilesNeverCrash()
{
    QFETCH(StatFormat, format);
    const QString whole = m_dir.filePath("fuzzed_whole." + extension(format));
    QByteArray bytes;
    if (format == StatFormat::Por) {
        bytes = QByteArray::fromBase64(kStudyPor);
    } else {
        File file = study();
        file.variables[3].label = "Reliability of the test";
        write(whole, format, file);
        QFile source(whole);
        QVERIFY(source.open(QIODevice::ReadOnly));
        bytes = source.readAll();
    }
    QRandomGenerator random(23 + quint32(format));
    // A whole output is synced to disk: in memory, where there is room, that costs nothing.
    QTemporaryDir memory(QDir("/dev/shm").exists() ? "/dev/shm/tst_batch_stat-XXXXXX" : QString());
    QVERIFY(memory.isValid());
    const QString damaged = memory.filePath("fuzzed." + extension(format));
    const QString out = memory.filePath("fuzzed_out.sav"), errors = memory.filePath("fuzzed_errors");
    for (int attempt = 0; attempt < 120; ++attempt) {
        QByteArray mutant = bytes;
        if (attempt % 4 == 0) {
            mutant.truncate(random.bounded(int(bytes.size())));
        } else if (attempt % 4 == 3) { // a run of zeros, as where a name was
            const int at = random.bounded(int(bytes.size()));
            for (int i = at; i < std::min(int(bytes.size()), at + 1 + random.bounded(16)); ++i)
                mutant[i] = 0;
        } else {
            for (int flips = 1 + random.bounded(attempt % 4 == 1 ? 2 : 8); flips > 0; --flips) {
                const int at = random.bounded(int(bytes.size()));
                mutant[at] = random.bounded(4) == 0 ? char(0) : char(random.bounded(256));
            }
        }
        for (const auto &[path, content] : {std::pair{damaged, mutant}, std::pair{out, QByteArray("old")}}) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(content);
        }
        const int in = ::open("/dev/null", O_RDONLY);
        const int sink = ::open("/dev/null", O_WRONLY);
        const int err = ::open(qPrintable(errors), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const pid_t child = ::fork();
        if (child == 0) {
            const std::vector<std::string> arguments{damaged.toStdString(), "-o", out.toStdString()};
            ::_exit(batch::ConvertCommand(in, sink, err).run(arguments));
        }
        ::close(in);
        ::close(sink);
        ::close(err);
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        const QString what = QStringLiteral("attempt %1").arg(attempt);
        QVERIFY2(WIFEXITED(status), qPrintable(what + QStringLiteral(": signal %1").arg(WTERMSIG(status))));
        const int exit = WEXITSTATUS(status);
        QVERIFY2(exit <= 2, qPrintable(what + QStringLiteral(": status %1").arg(exit)));
        if (exit == 0)
            continue;
        QFile said(errors), kept(out);
        QVERIFY(said.open(QIODevice::ReadOnly) && kept.open(QIODevice::ReadOnly));
        const QByteArray message = said.readAll();
        QVERIFY2(message.startsWith("quintaval-convert: ") && message.size() > 30, qPrintable(what + ": " + message));
        QCOMPARE(kept.readAll(), QByteArray("old"));
        QCOMPARE(QDir(memory.path()).entryList({".fuzzed_out.sav.*"}, QDir::Hidden | QDir::Files), QStringList());
    }
}

// --profile holds a person's rows back: their missing codes still come
// through as stored.
void TestBatchStat::profilesKeepStoredValues()
{
    File file;
    file.variables = {{"person", true, "", "", {}, {}}, {"name", true, "", "", {}, {}},
                      {"scale", true, "", "", {}, {}},  {"score", false, "Scaled score", "", {}, {}},
                      {"retest", false, "", "", {-9}, {{-9, "not retested"}}}};
    file.rows = {{"Ada", "Vocabulary", "scaled", "13", "-9"}, {"Ada", "Matrices", "scaled", "8", "9"},
                 {"Ben", "Vocabulary", "scaled", "10", "-9"}};
    const QString in = m_dir.filePath("battery.sav"), out = m_dir.filePath("profile.sav");
    write(in, StatFormat::Sav, file);
    QCOMPARE(convert({"--profile", in.toStdString(), "-o", out.toStdString()}).status, 0);
    const Table t = read(out);
    QCOMPARE(t.rows.size(), size_t(3));
    QCOMPARE(t.cell(0, "retest"), std::string("-9"));
    QCOMPARE(t.cell(2, "retest"), std::string("-9"));
    QCOMPARE(t.valueLabel("retest", -9), std::string("not retested"));
    QCOMPARE(t.cell(1, "wechsler"), std::string("90"));
    QCOMPARE(t.variable("score").label, std::string("Scaled score"));
}

// A profile written for SPSS or Stata labels every variable it adds and
// stores its verdicts as labelled codes that sort and count.
void TestBatchStat::profileVerdictsAreLabelledCodes_data()
{
    QTest::addColumn<QString>("extension");
    QTest::newRow("SPSS") << "sav";
    QTest::newRow("Stata") << "dta";
}

void TestBatchStat::profileVerdictsAreLabelledCodes()
{
    QFETCH(QString, extension);
    const QString in = m_dir.filePath("verdicts.csv");
    QFile file(in);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("person,name,scale,score,reliability,retest\n"
               "A,vocabulary,scaled,14,.9,15\nA,similarities,scaled,8,.88,\n"
               "A,matrix,scaled,10,.9,4\nA,digits,scaled,11,.91,\n");
    file.close();
    const QString scores = m_dir.filePath("verdicts." + extension);
    QCOMPARE(convert({"--profile", in.toStdString(), "-o", scores.toStdString()}).status, 0);
    const Table t = read(scores);
    for (size_t added = 6; added < t.header.size(); ++added)
        QVERIFY2(!t.variable(t.header[added]).label.empty(), t.header[added].c_str());
    QVERIFY(!t.variable("strength_weakness").text);
    QCOMPARE(t.cell(0, "strength_weakness"), std::string("1"));
    QCOMPARE(t.cell(1, "strength_weakness"), std::string("-1"));
    QCOMPARE(t.cell(2, "strength_weakness"), std::string());
    QCOMPARE(t.valueLabel("strength_weakness", 1), std::string("strength"));
    QCOMPARE(t.valueLabel("strength_weakness", -1), std::string("weakness"));
    QVERIFY(!t.variable("change").text);
    QCOMPARE(t.cell(0, "change"), std::string("0"));
    QCOMPARE(t.cell(2, "change"), std::string("-1"));
    QCOMPARE(t.valueLabel("change", -1), std::string("reliable loss"));
    QCOMPARE(t.valueLabel("change", 0), std::string("no reliable change"));
    QCOMPARE(t.valueLabel("change", 1), std::string("reliable gain"));

    const QString pairs = m_dir.filePath("pairs." + extension);
    QCOMPARE(convert({"--profile", "--pairs", in.toStdString(), "-o", pairs.toStdString()}).status, 0);
    const Table p = read(pairs);
    for (const std::string &name : p.header)
        QVERIFY2(!p.variable(name).label.empty(), name.c_str());
    QVERIFY(!p.variable("significant").text);
    QCOMPARE(p.cell(0, "significant"), std::string("1")); // vocabulary 120 against similarities 90
    QCOMPARE(p.cell(3, "significant"), std::string("0")); // similarities 90 against matrix 100
    QCOMPARE(p.valueLabel("significant", 0), std::string("no"));
    QCOMPARE(p.valueLabel("significant", 1), std::string("yes"));
    // A p below .001 is a number labelled as the CSV writes it.
    QCOMPARE(p.cell(0, "p"), std::string("0"));
    QCOMPARE(p.valueLabel("p", 0), std::string("<.001"));

    const QString summary = m_dir.filePath("summary." + extension);
    QCOMPARE(convert({"--profile", "--summary", "--pairs-correction", "holm", in.toStdString(), "-o",
                      summary.toStdString()})
                 .status,
             0);
    const Table u = read(summary);
    for (const std::string &name : u.header)
        QVERIFY2(!u.variable(name).label.empty(), name.c_str());
    QVERIFY(u.variable("pairs_significant").label.find("holm") != std::string::npos);
    QCOMPARE(u.cell(0, "scores"), std::string("4"));
    QCOMPARE(u.cell(0, "low_count"), std::string("0"));
    QCOMPARE(u.cell(0, "low_base_rate"), std::string()); // no correlations
}

// A retest study and a control sample are read from SPSS and Stata as from
// CSV, and the figures they add are labelled variables.
void TestBatchStat::studyAndControlsComeThrough_data()
{
    QTest::addColumn<QString>("extension");
    QTest::newRow("SPSS") << "sav";
    QTest::newRow("Stata") << "dta";
}

void TestBatchStat::studyAndControlsComeThrough()
{
    QFETCH(QString, extension);
    const QByteArray csv = "person,name,scale,score,retest,study_mean1,study_sd1,study_mean2,study_sd2,study_r12,"
                           "study_n,controls_mean,controls_sd,controls_n\n"
                           "P,A,wechsler,88,98,113,7.2,118.7,8.3,.93,821,100,15,28\n"
                           "P,B,z,-1.7549,,,,,,,,0,1,28\n";
    const Run expected = convert({"--profile", "-"}, csv);
    QCOMPARE(expected.status, 0);
    const std::string stored = m_dir.filePath("small." + extension).toStdString();
    const std::string analysed = m_dir.filePath("small-analysed." + extension).toStdString();
    QCOMPARE(convert({"--profile", "-", "-o", stored}, csv).status, 0);
    const Table t = read(QString::fromStdString(stored));
    for (size_t added = 14; added < t.header.size(); ++added)
        QVERIFY2(!t.variable(t.header[added]).label.empty(), t.header[added].c_str());
    QCOMPARE(std::stod(t.cell(1, "case_p")), 0.048);
    QVERIFY(!t.variable("case_t").text && !t.variable("change_percent_low").text);
    // Read back from the stored file: the same figures as from the CSV.
    QCOMPARE(convert({"--profile", stored, "-o", analysed}).status, 0);
    const auto want = parseCsv(expected.output), got = parseCsv(convert({"--profile", analysed}).output);
    QCOMPARE(got.size(), want.size());
    for (size_t row = 1; row < want.size(); ++row)
        for (const char *column : {"predicted_retest", "change_t", "change_p", "change_percent_low",
                                   "change", "case_t", "case_zcc_high", "case_percent_low", "note"})
            QCOMPARE(cellOf(got, row, column), cellOf(want, row, column));
}

// PSPP opens the output and finds the labels, values and missing codes.
void TestBatchStat::psppOpensTheOutput()
{
    const QString pspp = QStandardPaths::findExecutable("pspp");
    if (pspp.isEmpty())
        QSKIP("pspp is not installed");
    for (const QString name : {"pspp.sav", "pspp.zsav"}) {
        const QString in = m_dir.filePath("pspp-study.sav"), out = m_dir.filePath(name);
        write(in, StatFormat::Sav, study());
        QCOMPARE(convert({"--interpret", in.toStdString(), "-o", out.toStdString()}).status, 0);
        const QString syntax = m_dir.filePath("show.sps");
        QFile file(syntax);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(("GET FILE='" + out + "'.\nDISPLAY DICTIONARY.\nLIST.\n").toUtf8());
        file.close();
        QProcess process;
        process.start(pspp, {"-O", "format=txt", "-O", "width=300", syntax});
        QVERIFY(process.waitForFinished(60000));
        const QString shown = QString::fromUtf8(process.readAllStandardOutput());
        QCOMPARE(process.exitCode(), 0);
        QVERIFY2(!shown.contains("warning", Qt::CaseInsensitive) && !shown.contains("error", Qt::CaseInsensitive),
                 qPrintable(shown));
        for (const char *expected :
             {"Full scale IQ", "T, converted", "95 % interval, lower bound, Wechsler metric",
              "not tested", "High Average", "<0.1", "Ordinal",
              "Wechsler IQ scores must range from 1 to 199."})
            QVERIFY2(shown.contains(expected), qPrintable(QString(expected) + " not in:\n" + shown));
        // Ada's row as converted; Ben's 999 still there, and still missing.
        for (const char *row : {"^\\| 1\\|Ada \\|   115.0\\|        .90\\| 1.00\\|60\\| 71\\| 600\\| 120\\|        84\\|"
                                "    13\\|      7\\|   8\\|           84.0\\|         5\\|   105\\|    122\\|",
                                "^\\| 2\\|Ben \\|   999.0\\|        .85\\|    .\\|",
                                "^\\|wechsler .*\\|999 +\\|$"})
            QVERIFY2(shown.contains(QRegularExpression(row, QRegularExpression::MultilineOption)),
                     qPrintable(QString(row) + " not in:\n" + shown));
    }
}

// A set variable in SPSS and Stata is read as the CSV's set column, and
// written back: the same sets, the same strengths and weaknesses.
void TestBatchStat::comparisonSetsComeThrough()
{
    const QByteArray csv = "person,name,scale,score,reliability,set\n"
                           "P,A,scaled,13,.86,sub\nP,B,scaled,7,.86,sub\nP,C,scaled,10,.86,sub\n"
                           "P,V,wechsler,108,.9,idx\nP,W,wechsler,91,.9,idx\nP,X,t,42,.9,\n";
    const Run expected = convert({"--profile", "-"}, csv);
    QCOMPARE(expected.status, 0);
    for (const char *suffix : {".sav", ".dta"}) {
        const std::string stored = m_dir.filePath(QStringLiteral("sets") + suffix).toStdString();
        const std::string analysed = m_dir.filePath(QStringLiteral("analysed") + suffix).toStdString();
        QCOMPARE(convert({"--profile", "-", "-o", stored}, csv).status, 0);
        QCOMPARE(convert({"--profile", stored, "-o", analysed}).status, 0);
        const Run back = convert({"--profile", analysed});
        QCOMPARE(back.status, 0);
        const auto want = parseCsv(expected.output), got = parseCsv(back.output);
        QCOMPARE(got.size(), want.size());
        for (size_t row = 1; row < want.size(); ++row)
            for (const char *column : {"set", "strength_weakness", "set_size", "deviation"})
                QCOMPARE(cellOf(got, row, column), cellOf(want, row, column));
    }
}

// The study file of the README, converted as it is, opens in PSPP with
// the reading score's code declared missing and every added variable
// saying which test it comes from.
void TestBatchStat::psppShowsAStudyConvertedAsItIs()
{
    const QString pspp = QStandardPaths::findExecutable("pspp");
    if (pspp.isEmpty())
        QSKIP("pspp is not installed");
    const QString out = m_dir.filePath("reading.sav");
    const Run run = convert({"--raw", "reading", "--mean", "50", "--sd", "10", "--missing", "999",
                             "--prefix", "read_", QUINTAVAL_EXAMPLES_DIR "/study.csv", "-o",
                             out.toStdString()});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.errors, QByteArray("quintaval-convert: 4 rows converted, 0 refused, 2 empty, 0 malformed\n"));
    const QString syntax = m_dir.filePath("reading.sps");
    QFile file(syntax);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(("GET FILE='" + out + "'.\nDISPLAY DICTIONARY.\nLIST.\n").toUtf8());
    file.close();
    QProcess process;
    process.start(pspp, {"-O", "format=txt", "-O", "width=300", syntax});
    QVERIFY(process.waitForFinished(60000));
    const QString shown = QString::fromUtf8(process.readAllStandardOutput());
    QCOMPARE(process.exitCode(), 0);
    QVERIFY2(!shown.contains("warning", Qt::CaseInsensitive) && !shown.contains("error", Qt::CaseInsensitive),
             qPrintable(shown));
    for (const char *expected : {"z, converted from reading", "Wechsler IQ, converted from reading",
                                 "Why the row was not converted from reading",
                                 "reading: \"999\" is a missing-value code; no score to convert"})
        QVERIFY2(shown.contains(expected), qPrintable(QString(expected) + " not in:\n" + shown));
    for (const char *row : {"^\\|reading +\\|.*\\|999 +\\|$", "^\\|read_z +\\|",
                            "^\\|read_percentile *\\|"})
        QVERIFY2(shown.contains(QRegularExpression(row, QRegularExpression::MultilineOption)),
                 qPrintable(QString(row) + " not in:\n" + shown));
}

// --wide names a column "<score>_<figure>": for SPSS and Stata made valid
// and unique, every column keeping its figure, and labelled with the
// score's own name; PSPP reads the file without a complaint.
void TestBatchStat::wideNamesAreValid_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<int>("longestName");
    QTest::addColumn<int>("longestLabel");
    QTest::newRow("SPSS") << "sav" << 64 << 255;
    QTest::newRow("Stata") << "dta" << 32 << 80;
}

void TestBatchStat::wideNamesAreValid()
{
    QFETCH(QString, extension);
    QFETCH(int, longestName);
    QFETCH(int, longestLabel);
    const std::string longName = "Reading " + std::string(142, 'x');
    const std::vector<std::string> names = {longName, "Wortschatz Übung", "Block Design", "block_design",
                                            "Matrix Reasoning"};
    QByteArray csv = "person,name,scale,score,reliability\n";
    for (const std::string &name : names)
        csv += "A,\"" + QByteArray::fromStdString(name) + "\",scaled,12,.9\n";
    csv += "B,Matrix Reasoning,scaled,7,.9\n";
    const QString out = m_dir.filePath("wide." + extension);
    const Run run = convert({"--profile", "--wide", "-", "-o", out.toStdString()}, csv);
    QCOMPARE(run.status, 0);
    const Table t = read(out);
    QCOMPARE(t.rows.size(), size_t(2));
    const std::vector<std::string> figures = {"wechsler", "percentile_rank", "descriptor", "ci_low", "ci_high",
                                              "deviation", "deviation_critical", "strength_weakness",
                                              "deviation_base_rate", "deviation_base_rate_either", "rci", "change"};
    QCOMPARE(t.header.size(), 1 + names.size() * figures.size() + 1);
    std::set<std::string> seen;
    const QRegularExpression valid("^[A-Za-z][A-Za-z0-9_]*$");
    for (size_t score = 0; score < names.size(); ++score) {
        for (size_t f = 0; f < figures.size(); ++f) {
            const std::string &name = t.header[1 + score * figures.size() + f];
            QVERIFY2(valid.match(QString::fromStdString(name)).hasMatch() && int(name.size()) <= longestName,
                     name.c_str());
            QVERIFY2(QString::fromStdString(name).endsWith(QString::fromStdString("_" + figures[f])), name.c_str());
            QVERIFY2(seen.insert(QString::fromStdString(name).toLower().toStdString()).second, name.c_str());
            const std::string &label = t.variable(name).label;
            QVERIFY2(int(label.size()) <= longestLabel, label.c_str());
            const size_t colon = label.find(": ");
            QVERIFY2(colon != std::string::npos && names[score].compare(0, colon, label, 0, colon) == 0,
                     label.c_str());
        }
    }
    QCOMPARE(t.header[1 + 2 * figures.size()], std::string("Block_Design_wechsler"));
    QCOMPARE(t.header[1 + 3 * figures.size()], std::string("block_design_2_wechsler"));
    QCOMPARE(t.header[2 + figures.size()],
             std::string(extension == "sav" ? "Wortschatz___bung_percentile_rank" : "Wortschatz___bun_percentile_rank"));
    QCOMPARE(t.variable(t.header[2 + figures.size()]).label, std::string("Wortschatz Übung: Percentile rank"));
    const std::string &longLabel = t.variable(t.header[1]).label;
    QVERIFY2(QString::fromStdString(longLabel).endsWith("xxx: Score, Wechsler metric"), longLabel.c_str());
    // B has Matrix Reasoning only: the other scores are missing, not 0.
    QCOMPARE(t.cell(1, "Matrix_Reasoning_wechsler"), std::string("85"));
    QCOMPARE(t.cell(1, "Block_Design_wechsler"), std::string());
    QCOMPARE(t.cell(1, "block_design_2_percentile_rank"), std::string());
    QVERIFY(!t.variable("Block_Design_strength_weakness").text);

    const QString pspp = QStandardPaths::findExecutable("pspp");
    if (extension != "sav" || pspp.isEmpty())
        return;
    const QString syntax = m_dir.filePath("wide.sps");
    QFile file(syntax);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(("GET FILE='" + out + "'.\nDISPLAY DICTIONARY.\nLIST VARIABLES=person Matrix_Reasoning_wechsler.\n").toUtf8());
    file.close();
    QProcess process;
    process.start(pspp, {"-O", "format=txt", "-O", "width=300", syntax});
    QVERIFY(process.waitForFinished(60000));
    const QString shown = QString::fromUtf8(process.readAllStandardOutput());
    QCOMPARE(process.exitCode(), 0);
    QVERIFY2(!shown.contains("warning", Qt::CaseInsensitive) && !shown.contains("error", Qt::CaseInsensitive),
             qPrintable(shown));
    for (const char *expected : {"Wortschatz Übung: Descriptor", "Matrix Reasoning: Strength or weakness",
                                 "block_design: Score, Wechsler metric"})
        QVERIFY2(shown.contains(expected), qPrintable(QString(expected) + " not in:\n" + shown));
    QVERIFY2(shown.contains(QRegularExpression("^\\|B +\\| +85\\|", QRegularExpression::MultilineOption)),
             qPrintable(shown));
}

QTEST_GUILESS_MAIN(TestBatchStat)
#include "tst_batch_stat.moc"
