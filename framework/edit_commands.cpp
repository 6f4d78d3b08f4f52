#include "framework/edit_commands.h"

#include "framework/entry_field.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTextEdit>

namespace fw {

namespace {

bool clipboardHasText()
{
    return !QGuiApplication::clipboard()->text().isEmpty();
}

bool lineEditAvailable(std::string_view item, const QLineEdit &field)
{
    const bool writable = !field.isReadOnly();
    const bool selection = field.hasSelectedText();
    if (item == kEditUndo) return writable && field.isUndoAvailable();
    if (item == kEditCopy) return selection && field.echoMode() == QLineEdit::Normal;
    if (item == kEditCut) return writable && selection && field.echoMode() == QLineEdit::Normal;
    if (item == kEditPaste) return writable && clipboardHasText();
    if (item == kEditClear) return writable && selection;
    return false;
}

bool textEditAvailable(std::string_view item, const QTextEdit &area)
{
    const bool writable = !area.isReadOnly();
    const bool selection = area.textCursor().hasSelection();
    if (item == kEditUndo) return writable && area.document()->isUndoAvailable();
    if (item == kEditCopy) return selection;
    if (item == kEditCut) return writable && selection;
    if (item == kEditPaste) return writable && area.canPaste();
    if (item == kEditClear) return writable && selection;
    return false;
}

void runOnLineEdit(std::string_view item, QLineEdit &field)
{
    auto *entry = qobject_cast<EntryField *>(&field);
    if (item == kEditUndo) field.undo();
    else if (item == kEditCut) field.cut();
    else if (item == kEditCopy) field.copy();
    else if (item == kEditPaste && entry) entry->pasteLimited();
    else if (item == kEditPaste) field.paste();
    else if (item == kEditClear) field.del();
}

void runOnTextEdit(std::string_view item, QTextEdit &area)
{
    if (item == kEditUndo) area.undo();
    else if (item == kEditCut) area.cut();
    else if (item == kEditCopy) area.copy();
    else if (item == kEditPaste) area.paste();
    else if (item == kEditClear) area.textCursor().removeSelectedText();
}

} // namespace

bool EditCommands::isEditItem(std::string_view itemName)
{
    return itemName == kEditUndo || itemName == kEditCut || itemName == kEditCopy
        || itemName == kEditPaste || itemName == kEditClear;
}

bool EditCommands::available(std::string_view itemName, const QWidget *focus)
{
    if (const auto *field = qobject_cast<const QLineEdit *>(focus))
        return lineEditAvailable(itemName, *field);
    if (const auto *area = qobject_cast<const QTextEdit *>(focus))
        return textEditAvailable(itemName, *area);
    return false;
}

void EditCommands::run(std::string_view itemName, QWidget *focus)
{
    if (!available(itemName, focus))
        return;
    if (auto *field = qobject_cast<QLineEdit *>(focus))
        runOnLineEdit(itemName, *field);
    else if (auto *area = qobject_cast<QTextEdit *>(focus))
        runOnTextEdit(itemName, *area);
}

} // namespace fw
