#include "framework/written_file.h"

#include <QCoreApplication>
#include <QFile>

namespace fw {

FileWrite writeFile(const QString &path, const text::ReadFiles &reads, const text::FileFiller &fill,
                    bool waitForReader)
{
    const std::string name = QFile::encodeName(path).toStdString();
    if (const std::string what = reads.holding(name); !what.empty())
        return {FileWrite::Refused, QCoreApplication::translate("WrittenFile", "it is %1, which this would replace")
                                        .arg(QString::fromStdString(what))};
    std::string why;
    if (!text::writeWhole(name, fill, why, waitForReader))
        return {FileWrite::Failed, QString::fromLocal8Bit(why.c_str())};
    return {};
}

FileWrite writeFile(const QString &path, const text::ReadFiles &reads, const QByteArray &bytes, bool waitForReader)
{
    return writeFile(
        path, reads,
        [&](int fd, std::string &why) {
            return text::writeAll(fd, std::string_view(bytes.constData(), std::size_t(bytes.size())), why);
        },
        waitForReader);
}

} // namespace fw
