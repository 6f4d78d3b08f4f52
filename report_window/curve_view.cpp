#include "report_window/curve_view.h"

#include <QPainter>

namespace report {

CurveView::CurveView(QWidget *parent)
    : fw::PictureWidget(parent)
{
}

void CurveView::setPicture(const CurvePicture &picture)
{
    m_picture = picture;
    update();
}

QSize CurveView::minimumSizeHint() const
{
    return CurvePicture::minimumSize(fontPixels()).toSize();
}

QSize CurveView::sizeHint() const
{
    const QSizeF least = CurvePicture::minimumSize(fontPixels());
    return QSizeF(least.width() * 1.4, least.height() * 1.4).toSize();
}

void CurveView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_picture.paint(painter, rect(), fontPixels());
    paintFocus(painter);
}

} // namespace report
