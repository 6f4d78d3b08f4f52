// The profile chart in the window, painted at the widget's size and text
// size; its description says in words what it shows.
#pragma once

#include "battery_window/profile_chart.h"
#include "framework/picture_widget.h"

#include <QPixmap>

namespace battery {

class ChartView : public fw::PictureWidget {
    Q_OBJECT

public:
    explicit ChartView(QWidget *parent = nullptr);

    const ProfileChart &chart() const { return m_chart; }
    void setData(ChartData data);

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
