// The report's picture: the standard normal curve over z -4 to +4 with the
// descriptor bands behind it, the score and its confidence band on it, and
// aligned z, T, Wechsler IQ and percentile-rank axes and a row of stanines
// under it. It paints on any QPainter (widget, SVG, PNG, PDF, printer), so
// every output is the same picture; sizes follow the font size it is given.
#pragma once

#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

class QPainter;

namespace report {

class CurvePicture {
public:
    static constexpr double kLeftZ = -4;
    static constexpr double kRightZ = 4;

    struct Band {
        double fromZ; // the lowest band starts at minus infinity whatever this says
        QString label;
    };
    // How the score shows: a line on the curve, or an arrow at the edge it
    // lies beyond.
    enum class Marker { None, Line, ArrowLeft, ArrowRight };

    void setBands(std::vector<Band> bands) { m_bands = std::move(bands); }
    void setScore(double z, const QString &label);
    void clearScore();
    void setInterval(double lowZ, double highZ, const QString &label);
    void clearInterval() { m_interval.reset(); }

    Marker marker() const;

    // fontPixels: the text size in the painter's units; everything else is
    // sized from it.
    void paint(QPainter &painter, const QRectF &area, double fontPixels) const;
    // The smallest area that shows every part legibly; in a smaller one
    // parts are cut.
    static QSizeF minimumSize(double fontPixels);

private:
    struct Score {
        double z;
        QString label;
    };
    struct Interval {
        double low, high;
        QString label;
    };
    struct Frame; // where each part goes in one paint

    void paintBands(QPainter &painter, const Frame &frame) const;
    static void paintBandLabel(QPainter &painter, const QRectF &band, const QString &label, double f);
    void paintCurve(QPainter &painter, const Frame &frame) const;
    void paintInterval(QPainter &painter, const Frame &frame) const;
    void paintScore(QPainter &painter, const Frame &frame) const;
    void paintAxes(QPainter &painter, const Frame &frame) const;
    void paintStanines(QPainter &painter, const Frame &frame) const;

    std::vector<Band> m_bands;
    std::optional<Score> m_score;
    std::optional<Interval> m_interval;
};

} // namespace report
