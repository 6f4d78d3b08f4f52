#include "framework/printing.h"

#include <QPrintDialog>
#include <QPrinter>

namespace fw {

namespace {

std::function<std::unique_ptr<QPrinter>()> &hook()
{
    static std::function<std::unique_ptr<QPrinter>()> s_hook;
    return s_hook;
}

} // namespace

std::unique_ptr<QPrinter> OpenPrinterDialog()
{
    if (hook())
        return hook()();
    auto printer = std::make_unique<QPrinter>();
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
