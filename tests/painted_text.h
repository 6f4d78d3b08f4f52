// The texts a painting draws, as drawn: a paint device whose engine keeps
// each piece of text and draws nothing. A text cut short to its room ends
// in "…" here.
#pragma once

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <QTextItem>

#include <functional>

class PaintedText : public QPaintDevice {
public:
    explicit PaintedText(QSize size)
        : m_size(size)
    {
    }

    // Runs the painting and returns what it wrote.
    QStringList texts(const std::function<void(QPainter &)> &paint)
    {
        m_engine.texts.clear();
        QPainter painter(this);
        paint(painter);
        painter.end();
        return m_engine.texts;
    }

    QPaintEngine *paintEngine() const override { return &m_engine; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return m_size.width();
        case PdmHeight: return m_size.height();
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return 96;
        case PdmDepth: return 32;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
        default: return 1000;
        }
    }

private:
    struct Engine : QPaintEngine {
        Engine()
            : QPaintEngine(AllFeatures)
        {
        }
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &) override {}
        // Nothing but text is kept; the rest is drawn nowhere.
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
        void drawPath(const QPainterPath &) override {}
        void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
        void drawPolygon(const QPoint *, int, PolygonDrawMode) override {}
        void drawLines(const QLineF *, int) override {}
        void drawLines(const QLine *, int) override {}
        void drawRects(const QRectF *, int) override {}
        void drawRects(const QRect *, int) override {}
        void drawEllipse(const QRectF &) override {}
        void drawEllipse(const QRect &) override {}
        void drawPoints(const QPointF *, int) override {}
        void drawPoints(const QPoint *, int) override {}
        void drawImage(const QRectF &, const QImage &, const QRectF &, Qt::ImageConversionFlags) override {}
        void drawTiledPixmap(const QRectF &, const QPixmap &, const QPointF &) override {}
        void drawTextItem(const QPointF &, const QTextItem &item) override { texts << item.text(); }
        Type type() const override { return User; }
        QStringList texts;
    };

    QSize m_size;
    mutable Engine m_engine;
};
