// The picture seen through its geometry: where its bands, ticks, stanines,
// score and interval fall, and that no label meets another, at any score
// and interval, at the window's smallest size and in print.
#include "interpretation/explain.h"
#include "interpretation/interpretation.h"
#include "report_window/curve_picture.h"

#include <QtTest>

#include <cmath>
#include <map>

using report::CurvePicture;
using Part = CurvePicture::Part;

namespace {

// The z below which p of the normal curve lies, by bisection on the curve
// itself: independent of the program's inverse.
double zBelow(double p)
{
    double lo = -9, hi = 9;
    for (int i = 0; i < 200; ++i) {
        const double mid = (lo + hi) / 2;
        (0.5 * std::erfc(-mid / std::sqrt(2.0)) < p ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}

CurvePicture withBands(const char *system)
{
    CurvePicture picture;
    std::vector<CurvePicture::Band> bands;
    for (const interpretation::DescriptorBand &band : interpretation::findSystem(system)->bands)
        bands.push_back({interpretation::bandStartZ(band), QString::fromStdString(band.label)});
    picture.setBands(std::move(bands));
    return picture;
}

QString partName(Part part)
{
    const char *const names[] = {"band name", "score label", "interval label", "axis name", "tick", "stanine"};
    return QLatin1String(names[int(part)]);
}

// Every pair of texts, and each text against the score's marks.
QStringList collisions(const CurvePicture::Geometry &g)
{
    QStringList found;
    auto describe = [](const CurvePicture::Text &t) { return partName(t.part) + " \"" + t.text + '"'; };
    for (std::size_t i = 0; i < g.texts.size(); ++i) {
        const CurvePicture::Text &a = g.texts[i];
        if (!g.area.contains(a.box))
            found << describe(a) + " outside the picture";
        for (std::size_t j = i + 1; j < g.texts.size(); ++j)
            if (a.box.intersects(g.texts[j].box))
                found << describe(a) + " meets " + describe(g.texts[j]);
        if (g.scoreLine && a.box.intersects(*g.scoreLine))
            found << describe(a) + " meets the score line";
        if (g.arrow && a.box.intersects(g.arrow->boundingRect()))
            found << describe(a) + " meets the arrow";
    }
    return found;
}

} // namespace

class TestPicture : public QObject {
    Q_OBJECT

private slots:
    void ticksAndStanines();
    void intervalBand_data();
    void intervalBand();
    void labelsNeverMeet_data();
    void labelsNeverMeet();
    void scoreBeyondTheCurve_data();
    void scoreBeyondTheCurve();
};

// Percentile ticks where the normal curve puts them, whole z on the linear
// axes, stanine k from z (k - 5.5) / 2 to (k - 4.5) / 2.
void TestPicture::ticksAndStanines()
{
    const CurvePicture picture = withBands("aacn");
    const CurvePicture::Geometry g = picture.geometry(QRectF(0, 0, 900, 420), 13);
    QCOMPARE(int(g.ticks.size()), 4);
    const double percentiles[] = {1, 2, 5, 10, 16, 25, 50, 75, 84, 90, 95, 98, 99};
    QCOMPARE(g.ticks[3].size(), std::size(percentiles));
    for (std::size_t i = 0; i < std::size(percentiles); ++i)
        QVERIFY2(std::fabs(g.ticks[3][i].x - g.x(zBelow(percentiles[i] / 100))) < 0.01,
                 qPrintable(QString("percentile %1").arg(percentiles[i])));
    const char *const tLabels[] = {"10", "20", "30", "40", "50", "60", "70", "80", "90"};
    for (int z = -4; z <= 4; ++z) {
        QVERIFY(std::fabs(g.ticks[0][z + 4].x - g.x(z)) < 0.01);
        QCOMPARE(g.ticks[1][z + 4].text, QLatin1String(tLabels[z + 4]));
    }
    // Each axis named by the scale its ticks count in: read at z = +1.
    const std::map<QString, QString> atOne{{QStringLiteral("T"), QStringLiteral("60")},
                                           {QStringLiteral("Wechsler IQ"), QStringLiteral("115")}};
    int named = 0;
    for (const CurvePicture::Text &text : g.texts) {
        if (text.part != Part::AxisName)
            continue;
        const int row = int(std::floor((text.box.center().y() - g.axesTop) / g.axisRow));
        const auto expected = atOne.find(text.text);
        if (row < 0 || row >= 4) {
            QVERIFY2(expected == atOne.end(), qPrintable(text.text));
            continue; // the stanines' name
        }
        if (row == 0)
            QVERIFY2(expected == atOne.end() && text.text.compare(QStringLiteral("z"), Qt::CaseInsensitive) == 0,
                     qPrintable(text.text));
        if (expected == atOne.end())
            continue;
        QCOMPARE(g.ticks[std::size_t(row)][5].text, expected->second);
        ++named;
    }
    QCOMPARE(named, 2);
    QCOMPARE(int(g.stanines.size()), 9);
    for (int k = 1; k <= 9; ++k) {
        const QRectF &box = g.stanines[k - 1];
        const double from = k == 1 ? -4 : (k - 5.5) / 2;
        const double to = k == 9 ? 4 : (k - 4.5) / 2;
        QVERIFY2(std::fabs(box.left() - g.x(from)) < 0.01 && std::fabs(box.right() - g.x(to)) < 0.01,
                 qPrintable(QString("stanine %1").arg(k)));
        bool labelled = false;
        for (const CurvePicture::Text &text : g.texts)
            labelled = labelled || (text.part == Part::StanineLabel && text.text == QString::number(k)
                                    && box.contains(text.box));
        QVERIFY2(labelled, qPrintable(QString("stanine %1 labelled in its box").arg(k)));
    }
}

void TestPicture::intervalBand_data()
{
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<double>("left");  // z where the band is drawn from
    QTest::addColumn<double>("right");
    QTest::newRow("inside") << 0.312 << 1.488 << 0.312 << 1.488;
    QTest::newRow("past the left end") << -5.0 << -3.5 << -4.0 << -3.5;
    QTest::newRow("past both ends") << -6.0 << 6.0 << -4.0 << 4.0;
}

void TestPicture::intervalBand()
{
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(double, left);
    QFETCH(double, right);
    CurvePicture picture = withBands("aacn");
    picture.setScore((low + high) / 2, QStringLiteral("IQ"));
    picture.setInterval(low, high, QStringLiteral("95% CI"));
    const CurvePicture::Geometry g = picture.geometry(QRectF(0, 0, 900, 420), 13);
    QVERIFY(g.intervalBand && g.intervalBox);
    QVERIFY(std::fabs(g.intervalBand->left() - g.x(left)) < 0.01);
    QVERIFY(std::fabs(g.intervalBand->right() - g.x(right)) < 0.01);
    QCOMPARE(g.intervalBand->bottom(), g.baseline);
}

void TestPicture::labelsNeverMeet_data()
{
    QTest::addColumn<QString>("system");
    QTest::addColumn<QSizeF>("size");
    QTest::addColumn<double>("font");
    // The window's smallest picture (its text at 13 pixels), a roomy one,
    // and the printed page's (8 points).
    const QSizeF smallest = CurvePicture::minimumSize(13);
    for (const char *system : {"aacn", "wechsler", "wechsler-classic", "woodcock-johnson"}) {
        QTest::newRow(qPrintable(QString("%1, smallest").arg(system))) << system << smallest << 13.0;
        QTest::newRow(qPrintable(QString("%1, roomy").arg(system))) << system << QSizeF(900, 420) << 13.0;
        QTest::newRow(qPrintable(QString("%1, print").arg(system))) << system << QSizeF(483, 290) << 8.0;
    }
}

void TestPicture::labelsNeverMeet()
{
    QFETCH(QString, system);
    QFETCH(QSizeF, size);
    QFETCH(double, font);
    const double scores[] = {-10, -4.5, -4, -3.95, -2.2, -1.37, -0.7, 0, 0.03, 0.31, 1, 1.37, 2.03, 3.2, 3.95, 4, 4.5, 10};
    const double halves[] = {0, 0.25, 0.59, 1.2}; // 0: no interval
    for (double z : scores)
        for (double half : halves)
            for (const char *label : {"IQ 115", "", "Raw 250"}) {
                CurvePicture picture = withBands(system.toLatin1().constData());
                picture.setScore(z, QLatin1String(label));
                const double centre = 0.9 * z;
                if (half > 0)
                    picture.setInterval(centre - half, centre + half, QStringLiteral("95% CI"));
                const CurvePicture::Geometry g = picture.geometry(QRectF(QPointF(0, 0), size), font);
                const QString context = QString("z %1, half %2, \"%3\": ").arg(z).arg(half).arg(label);
                const QStringList found = collisions(g);
                QVERIFY2(found.isEmpty(), qPrintable(context + found.join("; ")));
                QVERIFY2(g.scoreBox, qPrintable(context + "no room for the score's label"));
                const bool intervalShows = half > 0 && centre + half > -4 && centre - half < 4;
                QVERIFY2(bool(g.intervalBox) == intervalShows, qPrintable(context + "interval label"));
            }
}

void TestPicture::scoreBeyondTheCurve_data()
{
    QTest::addColumn<double>("z");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("marker");
    using M = CurvePicture::Marker;
    QTest::newRow("z beyond -4, named once") << -4.5 << "" << "z \u22124.50" << int(M::ArrowLeft);
    QTest::newRow("raw score beyond +4") << 10.0 << "Raw 250" << "Raw 250, z +10.00" << int(M::ArrowRight);
    QTest::newRow("on the curve") << 1.0 << "IQ 115" << "IQ 115" << int(M::Line);
    QTest::newRow("z on the curve") << -1.5 << "" << "z \u22121.50" << int(M::Line);
    QTest::newRow("at the edge, a line") << 4.0 << "IQ 160" << "IQ 160" << int(M::Line);
}

// The arrow's tip at the edge the score lies beyond, the line where z falls.
void TestPicture::scoreBeyondTheCurve()
{
    QFETCH(double, z);
    QFETCH(QString, label);
    QFETCH(QString, shown);
    QFETCH(int, marker);
    CurvePicture picture = withBands("aacn");
    picture.setScore(z, label);
    QCOMPARE(int(picture.marker()), marker);
    QCOMPARE(picture.scoreText(), shown);
    const CurvePicture::Geometry g = picture.geometry(QRectF(0, 0, 900, 420), 13);
    int labels = 0;
    for (const CurvePicture::Text &text : g.texts)
        labels += text.part == Part::ScoreLabel;
    QCOMPARE(labels, 1);
    if (marker == int(CurvePicture::Marker::Line)) {
        QVERIFY(std::fabs(g.scoreLine->center().x() - g.x(z)) < 0.01);
    } else {
        QVERIFY(g.arrow);
        QCOMPARE(g.arrow->first().x(), marker == int(CurvePicture::Marker::ArrowLeft) ? g.left : g.right);
    }
}

QTEST_MAIN(TestPicture)
#include "tst_gui_picture.moc"
