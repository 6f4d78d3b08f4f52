// Every file the windows write, and the PDF written without a window, goes
// through here, so that each follows the same rules: never onto a file the
// window or run reads, whatever name or link leads to it; a device or a
// FIFO is written as a stream and never replaced; a folder is refused; a
// file is written whole or not at all, and a failed write says why.
#pragma once

#include "text/output_file.h"
#include "text/read_files.h"

#include <QByteArray>
#include <QString>

namespace fw {

struct FileWrite {
    enum Outcome { Written, Refused, Failed };
    Outcome outcome = Written;
    // In the user's words: which read file it is, or the system's reason.
    QString why;
    bool written() const { return outcome == Written; }
};

// `what` of each read file is in the user's language. In a window a FIFO
// that nothing reads is refused rather than waited for.
FileWrite writeFile(const QString &path, const text::ReadFiles &reads, const text::FileFiller &fill,
                    bool waitForReader = false);
FileWrite writeFile(const QString &path, const text::ReadFiles &reads, const QByteArray &bytes,
                    bool waitForReader = false);

} // namespace fw
