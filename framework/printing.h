// The print dialog. Tests replace it with a hook that returns a printer of
// their own (a PDF file, say) or nullptr to play a cancelled dialog.
#pragma once

#include <QString>

#include <functional>
#include <memory>

class QPrinter;

namespace fw {

// The print dialog with default settings and no parent; the chosen printer,
// or nullptr when the user cancelled. pdfName ("name-2024-05-02.pdf") is
// the file it offers when printing to a file.
std::unique_ptr<QPrinter> OpenPrinterDialog(const QString &pdfName = QString());

void setPrinterDialogHook(std::function<std::unique_ptr<QPrinter>()> hook);

} // namespace fw
