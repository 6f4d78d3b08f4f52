#include "framework/canvas.h"

#include "framework/picture.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace fw {

namespace {

// Without this a picture area is announced as an empty panel.
QAccessibleInterface *accessibleCanvas(const QString &className, QObject *object)
{
    if (className == QLatin1String("fw::Canvas") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    return nullptr;
}

} // namespace

Canvas::Canvas(QWidget *parent)
    : QWidget(parent)
{
    static const bool s_accessible = [] {
        QAccessible::installFactory(accessibleCanvas);
        return true;
    }();
    Q_UNUSED(s_accessible);
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
