// The profile chart: one column per score in the order ChartData gives
// (table order, a group's scores together), the common metric
// up the left with percentile ranks on the right, the descriptor bands
// shaded behind, each score a dot with its interval as a bar, retests as a
// second, open mark, strengths and weaknesses lettered, the person's mean
// as a dashed line, and the scores of a group joined. Every part differs in
// shape or line as well as colour, so it reads in black and white. It
// paints on any QPainter (widget, SVG, PNG, PDF, printer); sizes follow the
// font size it is given. layout() gives where everything goes, so what is
// drawn can be checked without looking at pixels.
#pragma once

#include "profile/analysis.h"

#include <QPointF>
#include <QRectF>
#include <QString>

#include <cmath>
#include <vector>

class QPainter;

namespace battery {

struct ChartScore {
    QString name;
    QString group;                        // empty: in no group
    double z = std::nan("");              // NaN: no dot (a refused score)
    double low = std::nan(""), high = std::nan(""); // the interval, in z
    double retestZ = std::nan("");
    profile::Mark mark = profile::Mark::None;
    // With several comparison sets, the mean of the score's set (NaN for
    // none) and the set: each set's mean is drawn over its own scores.
    double setMeanZ = std::nan("");
    QString set;
};

struct ChartBand {
    double fromZ; // the lowest band runs on below whatever this says
    QString label;
};

struct ChartData {
    QString metricName;                   // "Wechsler IQ"
    double mean = 100, sd = 15;           // the metric's, from the scale table
    double lowest = 1, highest = 199;     // its limits
    bool signedTicks = false;             // z writes its sign
    std::vector<ChartBand> bands;
    std::vector<ChartScore> scores;
    double meanZ = std::nan("");          // the person's mean; NaN for none or several sets
    QString meanText;                     // as the mean is shown: "103"
    double confidence = 95;
};

class ProfileChart {
public:
    static constexpr double kFarthestZ = 4; // the axis shows z -4..+4, or less where the metric ends

    // Where a mark lies against the axis: on it, or beyond an end.
    enum class Beyond { No, Below, Above };

    struct Column {
        double x = 0;
        bool hasDot = false;
        QPointF dot;
        Beyond dotBeyond = Beyond::No;
        bool hasBar = false;
        double barTop = 0, barBottom = 0;
        bool barCutTop = false, barCutBottom = false; // the interval runs past the axis
        bool hasRetest = false;
        QPointF retest;
        Beyond retestBeyond = Beyond::No;
        QRectF markBox; // the S or W, empty for none
        QRectF nameBox; // the name under the column, before it is turned upright
    };

    struct Tick {
        double y;
        QString label;
    };

    struct Geometry {
        QRectF area, plot;
        double zTop = 0, zBottom = 0;
        double fontPixels = 10;
        double columnWidth = 0;
        std::vector<Column> columns;
        std::vector<Tick> metricTicks, percentileTicks;
        bool hasMean = false;
        double meanY = 0;
        struct SetMean {
            double left, right, y;
        };
        std::vector<SetMean> setMeans; // over each run of neighbouring scores of a set
        struct Span {
            double left, right;
            QString label;
        };
        std::vector<Span> groups;
        double namesTop = 0, groupsTop = 0;
        bool uprightNames = false; // names turned to read upwards, where across they do not fit
        // Upright names too long for their room: cut short, or with
        // numberNames, the columns numbered from 1 for a key beside the chart.
        bool namesCut = false;
        bool numbered = false;
        double y(double z) const { return plot.top() + (zTop - z) / (zTop - zBottom) * plot.height(); }
    };

    void setData(ChartData data) { m_data = std::move(data); }
    // Where names would be cut short, number the columns instead (on paper,
    // where a key in words follows the chart).
    void setNumberNames(bool number) { m_numberNames = number; }
    const ChartData &data() const { return m_data; }

    Geometry layout(const QRectF &area, double fontPixels) const;
    void paint(QPainter &painter, const QRectF &area, double fontPixels) const;
    // paint() in two layers: what the scores' values leave as it is (bands,
    // axes, names), and the marks, the mean and the legend over it. A view
    // keeps the first while the key stays the same.
    void paintBackdrop(QPainter &painter, const Geometry &geometry) const;
    void paintMarks(QPainter &painter, const Geometry &geometry) const;
    QString backdropKey(const Geometry &geometry) const;
    // The least area in which every part is legible.
    static QSizeF minimumSize(double fontPixels, int scores);

private:
    void paintBands(QPainter &painter, const Geometry &g) const;
    void paintAxes(QPainter &painter, const Geometry &g) const;
    void paintMean(QPainter &painter, const Geometry &g) const;
    void paintScores(QPainter &painter, const Geometry &g) const;
    void paintNames(QPainter &painter, const Geometry &g) const;
    void paintLegend(QPainter &painter, const Geometry &g) const;

    ChartData m_data;
    bool m_numberNames = false;
};

} // namespace battery
