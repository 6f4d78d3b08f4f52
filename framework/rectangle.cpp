#include "framework/rectangle.h"

#include <QPainter>

namespace fw {

namespace {
constexpr int kBorder = 2;
}

Rectangle::Rectangle(QWidget *parent)
    : QWidget(parent)
{
}

void Rectangle::setColours(const QColor &fill, const QColor &topLeft, const QColor &bottomRight)
{
    m_fill = fill;
    m_topLeft = topLeft;
    m_bottomRight = bottomRight;
    update();
}

void Rectangle::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int w = width();
    const int h = height();
    painter.fillRect(rect(), m_bottomRight);
    // The light edges overlap the dark ones at the top-right and bottom-left
    // corners with a diagonal, as a bevel does.
    const QPolygon light({QPoint(0, 0), QPoint(w, 0), QPoint(w - kBorder, kBorder),
                          QPoint(kBorder, kBorder), QPoint(kBorder, h - kBorder), QPoint(0, h)});
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_topLeft);
    painter.drawPolygon(light);
    painter.fillRect(QRect(kBorder, kBorder, w - 2 * kBorder, h - 2 * kBorder), m_fill);
}

} // namespace fw
