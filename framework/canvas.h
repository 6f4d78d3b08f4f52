// A picture area: draws a picture at its own size from the top-left corner
// and nothing else. Takes no focus; presses it does not consume reach the
// window.
#pragma once

#include <QWidget>

#include <functional>

namespace fw {

class Canvas : public QWidget {
    Q_OBJECT

public:
    using MouseHandler = std::function<bool(int x, int y)>;

    explicit Canvas(QWidget *parent = nullptr);

    void setPicture(int number); // 0: none
    int picture() const { return m_picture; }
    void setMouseDownHandler(MouseHandler handler);
    void setMouseEnterHandler(std::function<void()> handler);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;

private:
    int m_picture = 0;
    MouseHandler m_mouseDown;
    std::function<void()> m_mouseEnter;
};

} // namespace fw
