// Files for the batch tests to read from and write to.
#pragma once

#include <QTemporaryFile>

#include <memory>

#include <unistd.h>

// A temporary file holding the bytes, its descriptor at the start.
inline std::unique_ptr<QTemporaryFile> tempFile(const QByteArray &bytes = {})
{
    auto file = std::make_unique<QTemporaryFile>();
    if (!file->open() || file->write(bytes) != bytes.size() || !file->flush())
        qFatal("cannot write a temporary file");
    ::lseek(file->handle(), 0, SEEK_SET);
    return file;
}
