// Runs quintaval-convert's command in the test's own process, on temporary
// files standing in for the standard streams, and reads its CSV back.
#pragma once

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "batch/convert_command.h"
#include "tests/temp_file.h"
#include "text/csv_reader.h"

struct Run {
    int status = -1;
    QByteArray output;
    QByteArray errors;
};

// The command with these arguments and the input on standard input.
inline Run runCommand(const std::vector<std::string> &arguments, const QByteArray &input = {})
{
    const auto in = tempFile(input), out = tempFile(), err = tempFile();
    Run run;
    run.status = batch::ConvertCommand(in->handle(), out->handle(), err->handle()).run(arguments);
    out->seek(0);
    err->seek(0);
    run.output = out->readAll();
    run.errors = err->readAll();
    return run;
}

using Rows = std::vector<std::vector<std::string>>;

inline Rows parseCsv(const QByteArray &csv)
{
    text::CsvReader reader(std::string_view(csv.constData(), size_t(csv.size())));
    text::CsvRecord record;
    Rows rows;
    while (reader.next(record))
        rows.push_back(record.cells);
    return rows;
}

// The cell of the named column in the given data row (1: the first), or a
// text saying it is not there.
inline std::string cellOf(const Rows &rows, size_t row, std::string_view column)
{
    const auto &header = rows.at(0);
    const auto at = std::find(header.begin(), header.end(), column);
    if (at == header.end() || row >= rows.size())
        return "(no column " + std::string(column) + " in row " + std::to_string(row) + ")";
    return rows[row].at(size_t(at - header.begin()));
}
