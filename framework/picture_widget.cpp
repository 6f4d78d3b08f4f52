#include "framework/picture_widget.h"

#include <QFontInfo>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace fw {

PictureWidget::PictureWidget(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

double PictureWidget::fontPixels() const
{
    return QFontInfo(font()).pixelSize();
}

void PictureWidget::paintFocus(QPainter &painter) const
{
    if (!hasFocus())
        return;
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(1, 1, -1, -1);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

} // namespace fw
