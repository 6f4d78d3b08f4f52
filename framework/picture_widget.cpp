#include "framework/picture_widget.h"

#include <QAccessibleWidget>
#include <QFontInfo>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace fw {

namespace {

// Otherwise a widget of Qt's own kind is taken for a filler.
QAccessibleInterface *pictureFactory(const QString &className, QObject *object)
{
    if (className != QLatin1String("fw::PictureWidget") || !object || !object->isWidgetType())
        return nullptr;
    auto *picture = static_cast<PictureWidget *>(object);
    return new QAccessibleWidget(picture, picture->accessibleRole());
}

} // namespace

PictureWidget::PictureWidget(QWidget *parent)
    : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(pictureFactory);
        return true;
    }();
    Q_UNUSED(installed);
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
