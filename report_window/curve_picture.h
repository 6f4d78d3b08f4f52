// The report's picture: the standard normal curve over z -4 to +4 with the
// descriptor bands behind it, the score and its confidence band on it, and
// aligned z, T, Wechsler IQ and percentile-rank axes and a row of stanines
// under it. It paints on any QPainter (widget, SVG, PNG, PDF, printer), so
// every output is the same picture; sizes follow the font size it is given.
//
// Painting is in two steps: geometry() places every part and every piece of
// text for an area (labels are moved until none overlaps another), then
// paint() draws exactly that. Tests read the geometry.
#pragma once

#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QColor;
class QFontMetricsF;
class QPainter;

namespace report {

// A band's name in lines no wider than room: broken between words or, with
// a hyphen, within a German compound ("Unter-", "durchschnittlich");
// nothing when a piece is wider than room. The Battery Sheet's chart
// breaks its band names so too.
QStringList bandNameLines(const QString &label, const QFontMetricsF &metrics, double room);

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
    // label: what the score is ("IQ 115"); empty for a z score, which the
    // picture names by its z.
    void setScore(double z, const QString &label);
    void clearScore();
    void setInterval(double lowZ, double highZ, const QString &label);
    void clearInterval() { m_interval.reset(); }

    Marker marker() const;
    // The score's label as drawn: "IQ 115", "Raw 250, z +10.00", "z −4.50".
    QString scoreText() const;

    enum class Part { BandName, ScoreLabel, IntervalLabel, AxisName, TickLabel, StanineLabel };
    struct Text {
        Part part;
        QString text;    // as drawn: a long band name on lines, hyphenated
        QRectF box;      // the room the letters take
        double pixels;   // font size
        bool bold = false;
        int flags = 0;       // Qt alignment and wrapping within box
    };
    struct Tick {
        double x;
        QString text; // empty where the tick is too crowded for its number
    };
    struct Geometry {
        QRectF area;
        double f = 0; // text size in use
        double left = 0, right = 0, curveTop = 0, baseline = 0;
        double axesTop = 0, axisRow = 0, stanineTop = 0, stanineHeight = 0;
        std::vector<QRectF> bands;            // one per band; empty where off the picture
        std::optional<QRectF> scoreLine;      // the score's line, as wide as it is drawn
        std::optional<QPolygonF> arrow;       // or the arrow beyond an edge
        std::optional<QRectF> scoreBox;
        std::optional<QRectF> intervalBand;   // from the lower to the upper bound, down to the baseline
        std::optional<QRectF> intervalBox;
        std::vector<std::vector<Tick>> ticks; // per axis row: z, T, Wechsler IQ, percentile
        std::vector<QRectF> stanines;         // stanine 1 to 9
        std::vector<Text> texts;              // every piece of text

        double x(double z) const { return left + (z - kLeftZ) / (kRightZ - kLeftZ) * (right - left); }
        double z(double x) const { return kLeftZ + (x - left) / (right - left) * (kRightZ - kLeftZ); }
        double y(double z) const;             // the curve's height at z
    };

    // Nothing placed (an empty area) when the area is too small for any curve.
    Geometry geometry(const QRectF &area, double fontPixels) const;
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

    void placeBands(Geometry &g) const;
    void placeScoreLine(Geometry &g) const;
    void placeInterval(Geometry &g) const;
    void placeScoreLabel(Geometry &g) const;
    void placeAxes(Geometry &g) const;
    void placeStanines(Geometry &g) const;

    void paintBands(QPainter &painter, const Geometry &g) const;
    void paintCurve(QPainter &painter, const Geometry &g) const;
    void paintInterval(QPainter &painter, const Geometry &g) const;
    void paintScore(QPainter &painter, const Geometry &g) const;
    void paintAxes(QPainter &painter, const Geometry &g) const;
    static void paintText(QPainter &painter, const Text &text, const QColor &colour);

    std::vector<Band> m_bands;
    std::optional<Score> m_score;
    std::optional<Interval> m_interval;
};

} // namespace report
