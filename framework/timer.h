// A timer registered in a window by name. Mode 0 is off, 1 fires once
// (and then turns the mode to 0), 2 fires every Period milliseconds.
// Setting either property restarts the count.
#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

namespace fw {

class Timer : public QObject {
    Q_OBJECT

public:
    enum Mode { Off = 0, Single = 1, Multiple = 2 };

    explicit Timer(QObject *parent = nullptr);

    int mode() const { return m_mode; }
    void setMode(int mode);
    int period() const { return m_period; }
    void setPeriod(int milliseconds);
    void setActionHandler(std::function<void()> handler);

private:
    void restart();
    void fire();

    QTimer m_timer;
    int m_mode = Off;
    int m_period = 1000;
    std::function<void()> m_action;
};

} // namespace fw
