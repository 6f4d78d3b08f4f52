// The picture of the Score Report in the window: a CurvePicture painted at
// the widget's size and text size.
#pragma once

#include "framework/picture_widget.h"
#include "report_window/curve_picture.h"

namespace report {

class CurveView : public fw::PictureWidget {
    Q_OBJECT

public:
    explicit CurveView(QWidget *parent = nullptr);

    const CurvePicture &picture() const { return m_picture; }
    void setPicture(const CurvePicture &picture);

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    CurvePicture m_picture;
};

} // namespace report
