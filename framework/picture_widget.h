// The base of a picture shown in a window (the report's curve, the
// profile chart): it takes the keyboard focus, so that a screen reader can
// reach its name and description, shows that focus with the style's frame,
// and draws its text at the widget's font size.
#pragma once

#include <QWidget>

namespace fw {

class PictureWidget : public QWidget {
    Q_OBJECT

public:
    explicit PictureWidget(QWidget *parent = nullptr);

    // The text size the picture is drawn with here, in pixels.
    double fontPixels() const;

protected:
    // The style's focus frame, when the widget has the focus.
    void paintFocus(QPainter &painter) const;
};

} // namespace fw
