// The base of a picture shown in a window (the report's curve, the
// profile chart): it takes the keyboard focus, so that a screen reader can
// reach its name and description, shows that focus with the style's frame,
// and draws its text at the widget's font size. A screen reader meets it
// as a picture, or as a chart where it plots figures.
#pragma once

#include <QAccessible>
#include <QWidget>

namespace fw {

class PictureWidget : public QWidget {
    Q_OBJECT

public:
    explicit PictureWidget(QWidget *parent = nullptr);

    // The text size the picture is drawn with here, in pixels.
    double fontPixels() const;

    QAccessible::Role accessibleRole() const { return m_role; }
    void setAccessibleRole(QAccessible::Role role) { m_role = role; }

protected:
    // The style's focus frame, when the widget has the focus.
    void paintFocus(QPainter &painter) const;

private:
    QAccessible::Role m_role = QAccessible::Graphic;
};

} // namespace fw
