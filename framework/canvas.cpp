#include "framework/canvas.h"

#include "framework/picture.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace fw {

Canvas::Canvas(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true); // erase before drawing
}

void Canvas::setPicture(int number)
{
    m_picture = number;
    update();
}

void Canvas::setMouseDownHandler(MouseHandler handler)
{
    m_mouseDown = std::move(handler);
}

void Canvas::setMouseEnterHandler(std::function<void()> handler)
{
    m_mouseEnter = std::move(handler);
}

void Canvas::paintEvent(QPaintEvent *)
{
    QSvgRenderer *renderer = m_picture ? Picture(m_picture) : nullptr;
    if (!renderer)
        return;
    QPainter painter(this);
    renderer->render(&painter, QRectF(QPointF(0, 0), renderer->defaultSize()));
}

void Canvas::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (m_mouseDown && m_mouseDown(at.x(), at.y()))
        event->accept();
    else
        event->ignore(); // on to the window's MouseDown
}

void Canvas::enterEvent(QEnterEvent *event)
{
    if (m_mouseEnter)
        m_mouseEnter();
    QWidget::enterEvent(event);
}

} // namespace fw
