// The profile chart in the window, painted at the widget's size and text
// size. It takes the keyboard focus so a screen reader reaches its name and
// its description, which says in words what it shows.
#pragma once

#include "battery_window/profile_chart.h"

#include <QPixmap>
#include <QWidget>

namespace battery {

class ChartView : public QWidget {
    Q_OBJECT

public:
    explicit ChartView(QWidget *parent = nullptr);

    const ProfileChart &chart() const { return m_chart; }
    void setData(ChartData data);
    double fontPixels() const;

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ProfileChart m_chart;
    // The backdrop as last painted: an edit of a score moves marks only.
    QPixmap m_backdrop;
    QString m_backdropKey;
};

} // namespace battery
