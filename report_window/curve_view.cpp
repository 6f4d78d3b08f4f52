#include "report_window/curve_view.h"

#include <QFontInfo>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace report {

CurveView::CurveView(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CurveView::setPicture(const CurvePicture &picture)
{
    m_picture = picture;
    update();
}

double CurveView::fontPixels() const
{
    return QFontInfo(font()).pixelSize();
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
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

} // namespace report
