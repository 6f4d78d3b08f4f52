#include "framework/printing.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QString>

namespace fw {

namespace {

std::function<std::unique_ptr<QPrinter>()> &hook()
{
    static std::function<std::unique_ptr<QPrinter>()> s_hook;
    return s_hook;
}

} // namespace

std::unique_ptr<QPrinter> OpenPrinterDialog(const QString &pdfName)
{
    if (hook())
        return hook()();
    auto printer = std::make_unique<QPrinter>();
    // The dialog names a file to print to after the document, less its suffix.
    printer->setDocName(pdfName);
    QPrintDialog dialog(printer.get());
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return printer;
}

void setPrinterDialogHook(std::function<std::unique_ptr<QPrinter>()> hook_)
{
    hook() = std::move(hook_);
}

} // namespace fw
