#include "framework/key_text.h"

#include "framework/application.h"
#include "framework/menu_bar.h"
#include "text/text_routines.h"

#include <QKeyEvent>

namespace fw {

namespace {

bool isModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Shift: case Qt::Key_Control: case Qt::Key_Meta:
    case Qt::Key_Alt: case Qt::Key_AltGr: case Qt::Key_CapsLock:
    case Qt::Key_NumLock: case Qt::Key_ScrollLock: case Qt::Key_Super_L:
    case Qt::Key_Super_R: case Qt::Key_Hyper_L: case Qt::Key_Hyper_R:
        return true;
    default:
        return false;
    }
}

int codeOfSpecialKey(int key)
{
    switch (key) {
    case Qt::Key_Backspace: return kKeyBackspace;
    case Qt::Key_Tab: case Qt::Key_Backtab: return kKeyTab;
    case Qt::Key_Return: case Qt::Key_Enter: return kKeyReturn;
    case Qt::Key_Escape: return kKeyEscape;
    case Qt::Key_Left: return kKeyLeft;
    case Qt::Key_Right: return kKeyRight;
    case Qt::Key_Up: return kKeyUp;
    case Qt::Key_Down: return kKeyDown;
    case Qt::Key_Delete: return kKeyDelete;
    case Qt::Key_Home: return kKeyHome;
    case Qt::Key_End: return kKeyEnd;
    case Qt::Key_PageUp: return kKeyPageUp;
    case Qt::Key_PageDown: return kKeyPageDown;
    default:
        return key >= Qt::Key_F1 && key <= Qt::Key_F35 ? kKeyFunction : 0;
    }
}

} // namespace

std::optional<std::string> keyText(const QKeyEvent &event)
{
    const int key = event.key();
    if (isModifierKey(key))
        return std::nullopt;
    if (const int code = codeOfSpecialKey(key))
        return text::Chr(code);
    // Qt reports Cmd as ControlModifier on macOS, so Cmd+B there and Ctrl+B
    // elsewhere both arrive as 2 and pass the handlers' control-key rule.
    // (Entry fields keep command keys such as Ctrl+V from their handlers.)
    if ((event.modifiers() & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
        return text::Chr(key - Qt::Key_A + 1);
    const QString text = event.text();
    if (text.isEmpty())
        return std::nullopt;
    const char32_t first = text.toUcs4().value(0);
    return text::Chr(static_cast<int>(first));
}

bool isCommandKey(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers =
        event.modifiers() & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
    const QKeySequence keys(QKeyCombination(modifiers, Qt::Key(event.key())));
    const MenuBar *bar = App() ? App()->menuBar() : nullptr;
    if (bar && bar->hasShortcut(keys))
        return true;
    if (!(modifiers & Qt::ControlModifier))
        return false; // Shift+Delete stays a delete key
    for (QKeySequence::StandardKey command : {QKeySequence::SelectAll, QKeySequence::Undo,
                                              QKeySequence::Redo, QKeySequence::Cut,
                                              QKeySequence::Copy, QKeySequence::Paste})
        if (event.matches(command))
            return true;
    return false;
}

} // namespace fw
