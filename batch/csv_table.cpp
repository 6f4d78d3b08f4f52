#include "batch/csv_table.h"

#include <sys/stat.h>

namespace batch {

namespace {

long long regularFileSize(int fd)
{
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return -1;
    return (long long)info.st_size;
}

} // namespace

CsvSource::CsvSource(int fd, char delimiter, std::string_view alreadyRead)
    : m_reader(fd, delimiter, text::kRecordLimit, alreadyRead), m_size(regularFileSize(fd))
{
}

bool CsvSource::readHeader(text::CsvRecord &header)
{
    return m_reader.next(header);
}

bool CsvSource::readRows(const std::function<bool(text::CsvRecord &)> &row)
{
    text::CsvRecord record;
    while (m_reader.next(record))
        if (!row(record))
            break;
    m_error = m_reader.error(); // error() is the source's, said after "cannot read"
    return !m_reader.failed();
}

CsvSink::CsvSink(int fd, char delimiter, std::string lineEnding, bool byteOrderMark)
    : m_writer(fd, delimiter, std::move(lineEnding))
{
    if (byteOrderMark)
        m_writer.writeByteOrderMark();
}

bool CsvSink::begin(const std::vector<OutputColumn> &columns, std::string &)
{
    for (const OutputColumn &column : columns)
        m_writer.cell(column.name);
    m_writer.endRow();
    return true;
}

bool CsvSink::finish(std::string &why)
{
    if (m_writer.flush())
        return true;
    why = m_writer.error();
    return false;
}

} // namespace batch
