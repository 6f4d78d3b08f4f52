// A single-line entry field. Its key handler sees every key before the
// field acts on it (Tab included, which then moves the focus on), except the
// key combinations of commands (isCommandKey), and each character that an
// input method commits. Its typing limit binds what the user types or
// pastes but never text that the program sets: QLineEdit::setMaxLength
// would cut both, so it is not used.
#pragma once

#include <QLineEdit>

#include <functional>
#include <string>

namespace fw {

class EntryField : public QLineEdit {
    Q_OBJECT

public:
    using KeyHandler = std::function<bool(const std::string &key)>;

    explicit EntryField(QWidget *parent = nullptr);

    void setKeyHandler(KeyHandler handler);
    void setTypingLimit(int characters); // 0: no limit
    int typingLimit() const { return m_limit; }

    // Paste from the clipboard, cut to what the typing limit leaves room for.
    void pasteLimited();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    int room() const;
    void insertLimited(const QString &text);

    KeyHandler m_keyHandler;
    int m_limit = 0;
};

} // namespace fw
