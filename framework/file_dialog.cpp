#include "framework/file_dialog.h"

#include <QFileDialog>

namespace fw {

namespace {

using Hook = std::function<QString(FileDialogKind, const QString &title, const QString &suggested)>;

Hook &hook()
{
    static Hook s_hook;
    return s_hook;
}

} // namespace

QString GetOpenFileName(QWidget *parent, const QString &title, const QString &filters)
{
    if (hook())
        return hook()(FileDialogKind::Open, title, QString());
    return QFileDialog::getOpenFileName(parent, title, QString(), filters);
}

QString GetSaveFileName(QWidget *parent, const QString &title, const QString &suggested,
                        const QString &filters, QString *chosenFilter)
{
    if (hook())
        return hook()(FileDialogKind::Save, title, suggested);
    return QFileDialog::getSaveFileName(parent, title, suggested, filters, chosenFilter);
}

void setFileDialogHook(std::function<QString(FileDialogKind kind, const QString &title)> hook_)
{
    if (!hook_) {
        hook() = nullptr;
        return;
    }
    hook() = [answer = std::move(hook_)](FileDialogKind kind, const QString &title, const QString &) {
        return answer(kind, title);
    };
}

void setFileDialogNameHook(std::function<QString(FileDialogKind kind, const QString &title,
                                                 const QString &suggested)> hook_)
{
    hook() = std::move(hook_);
}

} // namespace fw
