#include "battery_window/chart_view.h"

#include <QPainter>

namespace battery {

ChartView::ChartView(QWidget *parent)
    : fw::PictureWidget(parent)
{
    setAccessibleRole(QAccessible::Chart);
}

void ChartView::setData(ChartData data)
{
    const bool fewer = data.scores.size() != m_chart.data().scores.size();
    m_chart.setData(std::move(data));
    if (fewer)
        updateGeometry();
    update();
}

QSize ChartView::minimumSizeHint() const
{
    // Wide enough for a few columns; more scroll rather than squeeze.
    return ProfileChart::minimumSize(fontPixels(), 6).toSize();
}

QSize ChartView::sizeHint() const
{
    const QSizeF least = ProfileChart::minimumSize(fontPixels(), int(m_chart.data().scores.size()));
    return QSizeF(least.width() * 1.3, least.height() * 1.3).toSize();
}

void ChartView::paintEvent(QPaintEvent *)
{
    const ProfileChart::Geometry geometry = m_chart.layout(rect(), fontPixels());
    QPainter painter(this);
    if (geometry.plot.width() > 0 && geometry.plot.height() > 0) {
        const QString key = m_chart.backdropKey(geometry) + QString::number(devicePixelRatioF());
        if (key != m_backdropKey) {
            m_backdrop = QPixmap(size() * devicePixelRatioF());
            m_backdrop.setDevicePixelRatio(devicePixelRatioF());
            QPainter backdrop(&m_backdrop);
            m_chart.paintBackdrop(backdrop, geometry);
            m_backdropKey = key;
        }
        painter.drawPixmap(0, 0, m_backdrop);
        m_chart.paintMarks(painter, geometry);
    } else {
        painter.fillRect(rect(), Qt::white);
    }
    paintFocus(painter);
}

} // namespace battery
