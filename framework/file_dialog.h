// The open and save dialogs. Tests replace them with a hook that answers
// for the user: a path, or an empty one to play a cancelled dialog.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace fw {

enum class FileDialogKind { Open, Save };

// filters as Qt writes them: "SVG picture (*.svg);;PNG picture (*.png)".
// The path chosen, empty when cancelled; *chosenFilter (when given) gets
// the filter the user had selected.
QString GetOpenFileName(QWidget *parent, const QString &title, const QString &filters);
QString GetSaveFileName(QWidget *parent, const QString &title, const QString &suggested,
                        const QString &filters, QString *chosenFilter = nullptr);

// Gets the dialog's kind and title (and the name a save dialog suggests)
// and returns the path.
void setFileDialogHook(std::function<QString(FileDialogKind kind, const QString &title)> hook);
void setFileDialogNameHook(std::function<QString(FileDialogKind kind, const QString &title,
                                                 const QString &suggested)> hook);

} // namespace fw
