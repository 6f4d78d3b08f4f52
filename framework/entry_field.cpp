#include "framework/entry_field.h"

#include "framework/key_text.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>

namespace fw {

namespace {

int characterCount(const QString &text)
{
    return static_cast<int>(text.toUcs4().size());
}

// The first `count` characters, never splitting a surrogate pair.
QString leftCharacters(const QString &text, int count)
{
    const QList<uint> codes = text.toUcs4();
    return QString::fromUcs4(reinterpret_cast<const char32_t *>(codes.constData()),
                             qMin<qsizetype>(count, codes.size()));
}

// Newer Qt names the standard menu's paste action; older Qt only captions
// it, with QLineEdit's own translation of "&Paste".
QAction *pasteAction(const QMenu &menu)
{
    static const char *const kPaste = "&Paste"; // Qt's own catalogue translates it
    const QString caption = QLineEdit::tr(kPaste);
    for (QAction *action : menu.actions())
        if (action->objectName() == QLatin1String("edit-paste") || action->text().startsWith(caption))
            return action;
    return nullptr;
}

} // namespace

EntryField::EntryField(QWidget *parent)
    : QLineEdit(parent)
{
}

void EntryField::setKeyHandler(KeyHandler handler)
{
    m_keyHandler = std::move(handler);
}

void EntryField::setTypingLimit(int characters)
{
    m_limit = qMax(0, characters);
    // Dropping text in would bypass the limit; a limited field takes none.
    setAcceptDrops(m_limit == 0);
}

int EntryField::room() const
{
    if (m_limit == 0)
        return INT_MAX;
    const int kept = characterCount(text()) - characterCount(selectedText());
    return qMax(0, m_limit - kept);
}

void EntryField::insertLimited(const QString &text)
{
    const QString fitting = leftCharacters(text, room());
    if (!fitting.isEmpty() || hasSelectedText())
        insert(fitting);
}

void EntryField::pasteLimited()
{
    if (isReadOnly())
        return;
    insertLimited(QGuiApplication::clipboard()->text());
}

bool EntryField::event(QEvent *event)
{
    // Handled here rather than in keyPressEvent() so that the handler sees
    // Tab before QWidget::event() moves the focus with it.
    if (event->type() == QEvent::KeyPress && m_keyHandler) {
        const auto *pressed = static_cast<QKeyEvent *>(event);
        const auto key = isCommandKey(*pressed) ? std::nullopt : keyText(*pressed);
        if (key && m_keyHandler(*key)) {
            event->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void EntryField::keyPressEvent(QKeyEvent *event)
{
    if (m_limit > 0 && !isReadOnly()) {
        if (event->matches(QKeySequence::Paste)) {
            pasteLimited();
            event->accept();
            return;
        }
        const QString typed = event->text();
        const bool inserts = !typed.isEmpty() && typed.at(0).isPrint()
            && !(event->modifiers() & Qt::ControlModifier);
        if (inserts && characterCount(typed) > room()) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

// Text from an input method, a compose key or a dead key is typing too: each
// character passes the key handler as if typed, then the limit applies.
void EntryField::inputMethodEvent(QInputMethodEvent *event)
{
    QString commit = event->commitString();
    if (m_keyHandler && !commit.isEmpty()) {
        QString accepted;
        for (const uint code : commit.toUcs4()) {
            const char32_t character = code;
            const QString one = QString::fromUcs4(&character, 1);
            if (!m_keyHandler(one.toStdString()))
                accepted += one;
        }
        commit = accepted;
    }
    if (m_limit > 0)
        commit = leftCharacters(commit, room());
    if (commit == event->commitString()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(commit, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
}

void EntryField::mouseReleaseEvent(QMouseEvent *event)
{
    // The X11 middle-button paste of the selection.
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (m_limit > 0 && event->button() == Qt::MiddleButton && !isReadOnly()
        && clipboard->supportsSelection()) {
        insertLimited(clipboard->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void EntryField::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (QAction *paste = pasteAction(*menu)) {
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        connect(paste, &QAction::triggered, this, &EntryField::pasteLimited);
    }
    menu->popup(event->globalPos());
}

} // namespace fw
