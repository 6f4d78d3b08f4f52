#include "framework/file_dialog.h"

#include <QFileDialog>

namespace fw {

namespace {

std::function<QString(FileDialogKind, const QString &)> &hook()
{
    static std::function<QString(FileDialogKind, const QString &)> s_hook;
    return s_hook;
}

} // namespace

QString GetOpenFileName(QWidget *parent, const QString &title, const QString &filters)
{
    if (hook())
        return hook()(FileDialogKind::Open, title);
    return QFileDialog::getOpenFileName(parent, title, QString(), filters);
}

QString GetSaveFileName(QWidget *parent, const QString &title, const QString &suggested,
                        const QString &filters, QString *chosenFilter)
{
    if (hook())
        return hook()(FileDialogKind::Save, title);
    return QFileDialog::getSaveFileName(parent, title, suggested, filters, chosenFilter);
}

void setFileDialogHook(std::function<QString(FileDialogKind kind, const QString &title)> hook_)
{
    hook() = std::move(hook_);
}

} // namespace fw
