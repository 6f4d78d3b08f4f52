// The picture of the Score Report in the window: a CurvePicture painted at
// the widget's size and text size. It takes the keyboard focus so that a
// screen reader can reach its name and description.
#pragma once

#include "report_window/curve_picture.h"

#include <QWidget>

namespace report {

class CurveView : public QWidget {
    Q_OBJECT

public:
    explicit CurveView(QWidget *parent = nullptr);

    const CurvePicture &picture() const { return m_picture; }
    void setPicture(const CurvePicture &picture);
    // The text size the picture is drawn with here, in pixels.
    double fontPixels() const;

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    CurvePicture m_picture;
};

} // namespace report
