// A bevelled rectangle: a 2 px border, one colour on the top and left edges
// and another on the bottom and right, around a fill.
#pragma once

#include <QColor>
#include <QWidget>

namespace fw {

class Rectangle : public QWidget {
    Q_OBJECT

public:
    explicit Rectangle(QWidget *parent = nullptr);

    void setColours(const QColor &fill, const QColor &topLeft, const QColor &bottomRight);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill = Qt::white;
    QColor m_topLeft = QColor(204, 204, 204);
    QColor m_bottomRight = QColor(102, 102, 102);
};

} // namespace fw
