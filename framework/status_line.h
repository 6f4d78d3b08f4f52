// A line of messages under a window's content ("Pasted 1 row.", "Saved
// battery.csv.", why a value is refused). A screen reader meets it as a
// status bar whose name is the message, and hears each new message: its
// change is sent as a change of name.
#pragma once

#include <QLabel>

namespace fw {

class StatusLine : public QLabel {
    Q_OBJECT

public:
    // caption: what the line is, its name while it says nothing.
    explicit StatusLine(const QString &caption, QWidget *parent = nullptr);

    // Shows and announces the message; the same message again is not
    // announced again. Empty clears the line.
    void setMessage(const QString &message);
    QString caption() const { return m_caption; }

private:
    QString m_caption;
};

} // namespace fw
