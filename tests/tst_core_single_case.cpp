// Change by regression on a retest study and one person against a control
// sample: the published worked examples, the smallest samples, refusals, the
// change method's decision, and the intervals held to their defining
// equation.
#include <QtTest>

#include <cmath>

#include <boost/math/distributions/non_central_t.hpp>

#include "profile/analysis.h"

using namespace profile;

namespace {

struct Cells {
    std::string scale = "wechsler", score{}, retest{}, reliability{};
    std::array<std::string, 6> study{};
    std::array<std::string, 3> controls{};
};

ScoreEntry entryOf(const Cells &c)
{
    EntryCells cells{"A", c.scale, c.score, "", "", c.reliability, c.retest, "", ""};
    for (size_t k = 0; k < 6; ++k)
        cells.study[k] = c.study[k];
    for (size_t k = 0; k < 3; ++k)
        cells.controls[k] = c.controls[k];
    ScoreEntry entry;
    readEntry(cells, '.', entry);
    return entry;
}

Analysis analysed(const ScoreEntry &entry, ChangeMethod method = ChangeMethod::Auto)
{
    Profile p;
    p.entries = {entry};
    Settings s;
    s.changeMethod = method;
    return analyse(p, Correlations(), s);
}

const std::array<std::string, 6> kStudy = {"113", "7.2", "118.7", "8.3", ".93", "821"};

double percentBelow(double z)
{
    return 50 * std::erfc(-z / std::sqrt(2.0));
}

} // namespace

Q_DECLARE_METATYPE(ChangeMethod)
Q_DECLARE_METATYPE(Problem)
Q_DECLARE_METATYPE(Field)
Q_DECLARE_METATYPE(Change)

class TestSingleCase : public QObject {
    Q_OBJECT

private slots:
    void regressionWorkedExample()
    {
        const small_sample::RegressionChange c =
            small_sample::regressionChange(88, 103, {113, 7.2, 118.7, 8.3, .93, 821});
        QCOMPARE(std::round(c.predicted * 100) / 100, 91.90);
        QCOMPARE(std::round(c.see * 100) / 100, 3.05);
        QCOMPARE(std::round(c.srbZ * 100) / 100, 3.64);
        QCOMPARE(std::round(c.s * 1000) / 1000, 3.077);
        QCOMPARE(std::round(c.t * 100) / 100, 3.61);
        QCOMPARE(c.df, 819.0);
        QCOMPARE(c.percent, 100 * c.p);
        QVERIFY(c.percentLow < c.percent && c.percent < c.percentHigh);

        Cells cells{"wechsler", "88", "103"};
        cells.study = kStudy;
        for (const auto &[method, shown] : {std::pair{ChangeMethod::Srb, "3.64"},
                                            std::pair{ChangeMethod::CrawfordGarthwaite, "3.61"}}) {
            const Analysis a = analysed(entryOf(cells), method);
            const RegressionFigures &r = a.scores[0].regression;
            QCOMPARE(r.predicted.text, std::string("91.90"));
            QCOMPARE((method == ChangeMethod::Srb ? r.z : r.t).text, std::string(shown));
            QCOMPARE(a.scores[0].change, Change::Gain);
        }
    }

    void singleCaseWorkedExamples_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("n");
        QTest::addColumn<QString>("t");
        QTest::addColumn<QString>("p");
        QTest::addColumn<QString>("zcc");     // "low high", empty: not published
        QTest::addColumn<QString>("percent"); // "point low high"
        QTest::newRow("n 28, 1.7549 SD below") << -1.7549 << 28.0 << "-1.7244" << ".0480" << "-2.34 -1.15"
                                               << "4.80 0.96 12.44";
        QTest::newRow("n 15, 2 SD below") << -2.0 << 15.0 << "-1.936" << ".0366" << "" << "";
    }

    void singleCaseWorkedExamples()
    {
        QFETCH(double, x);
        QFETCH(double, n);
        QFETCH(QString, t);
        QFETCH(QString, p);
        QFETCH(QString, zcc);
        QFETCH(QString, percent);
        const auto rounded = [](double value, const QString &published) {
            const int decimals = published.size() - published.indexOf(QLatin1Char('.')) - 1;
            return QString::number(value, 'f', decimals).remove(QRegularExpression("^0(?=\\.)"))
                .replace("-0.", "-.");
        };
        const auto same = [&](double value, const QString &published) {
            QString want = published;
            want.replace(QRegularExpression("^(-?)0\\."), "\\1.");
            QCOMPARE(rounded(value, published).replace(QRegularExpression("^(-?)0\\."), "\\1."), want);
        };
        const small_sample::SingleCase c = small_sample::singleCase(x, 0, 1, n);
        same(c.t, t);
        same(c.p, p);
        QCOMPARE(c.df, n - 1);
        QVERIFY(!c.above);
        if (!zcc.isEmpty()) {
            same(c.zccLow, zcc.section(' ', 0, 0));
            same(c.zccHigh, zcc.section(' ', 1, 1));
        }
        if (!percent.isEmpty()) {
            same(c.percent, percent.section(' ', 0, 0));
            same(c.percentLow, percent.section(' ', 1, 1));
            same(c.percentHigh, percent.section(' ', 2, 2));
        }
    }

    // The percentages' bounds against the non-central t's distribution
    // function integrated numerically at 30 digits, outside Boost: to 1e-8.
    void intervalsAgreeWithAnIndependentIntegration()
    {
        const small_sample::SingleCase c = small_sample::singleCase(-1.7549, 0, 1, 28);
        QVERIFY(std::fabs(c.percentLow - 0.955640254680756831) < 1e-8);
        QVERIFY(std::fabs(c.percentHigh - 12.4373411415047106) < 1e-8);
        const small_sample::RegressionChange r =
            small_sample::regressionChange(88, 98, {113, 7.2, 118.7, 8.3, .93, 821});
        QVERIFY(std::fabs(r.percentLow - 1.17866762322044902) < 1e-8);
        QVERIFY(std::fabs(r.percentHigh - 4.15592711462276984) < 1e-8);
    }

    // The interval is what the published method defines: delta bounds at
    // which the non-central t puts the observed statistic at .975 and .025,
    // and the point percentage is 100 p. Over small and large samples, on
    // both sides of the mean and at it.
    void singleCaseIntervalsAgreeWithTheirDefinition_data()
    {
        QTest::addColumn<double>("z");
        QTest::addColumn<double>("n");
        for (const double n : {2.0, 3.0, 5.0, 20.0, 100.0, 5000.0})
            for (const double z : {-4.0, -1.0, 0.0, 0.5, 3.0})
                QTest::addRow("n %g, z %g", n, z) << z << n;
    }

    void singleCaseIntervalsAgreeWithTheirDefinition()
    {
        QFETCH(double, z);
        QFETCH(double, n);
        const small_sample::SingleCase c = small_sample::singleCase(50 + 10 * z, 50, 10, n);
        QCOMPARE(c.percent, 100 * c.p);
        QVERIFY(c.zccLow < c.zcc && c.zcc < c.zccHigh);
        QVERIFY2(c.percentLow <= c.percent && c.percent <= c.percentHigh,
                 qPrintable(QString("%1 %2 %3").arg(c.percentLow).arg(c.percent).arg(c.percentHigh)));
        const double root = std::sqrt(n);
        for (const auto &[bound, probability] : {std::pair{c.zccLow, .975}, std::pair{c.zccHigh, .025}}) {
            const boost::math::non_central_t_distribution<double> t(n - 1, bound * root);
            QVERIFY(std::fabs(boost::math::cdf(t, z * root) - probability) < 1e-9);
        }
        // The percentage to 1e-8: a bound moved that far in delta moves it more.
        const double percentAtBound = c.above ? percentBelow(-c.zccHigh) : percentBelow(c.zccLow);
        QVERIFY(std::fabs(percentAtBound - c.percentLow) < 1e-8);
        // A case as far above as another is below: the same percentages.
        const small_sample::SingleCase mirrored = small_sample::singleCase(50 - 10 * z, 50, 10, n);
        QVERIFY(std::fabs(mirrored.percentLow - c.percentLow) < 1e-8);
        QVERIFY(std::fabs(mirrored.percentHigh - c.percentHigh) < 1e-8);
        QVERIFY(std::fabs(mirrored.t + c.t) < 1e-12);
        if (z == 0) {
            QCOMPARE(c.t, 0.0);
            QCOMPARE(c.p, .5);
            QVERIFY(std::fabs(c.percentLow + c.percentHigh - 100) < 1e-8);
        }
    }

    // Crawford & Garthwaite's interval by the same definition, with
    // noncentrality delta / sqrt(theta); the smallest study, a retest
    // correlation near 1 and a weak one.
    void regressionIntervalsAgreeWithTheirDefinition_data()
    {
        QTest::addColumn<double>("r12");
        QTest::addColumn<double>("n");
        QTest::addColumn<double>("retest");
        QTest::newRow("N 3") << .93 << 3.0 << 103.0;
        QTest::newRow("N 821") << .93 << 821.0 << 103.0;
        QTest::newRow("r12 .99") << .99 << 50.0 << 96.0;
        QTest::newRow("r12 .10, a loss") << .10 << 50.0 << 100.0;
        QTest::newRow("retest as predicted") << .5 << 40.0 << 104.85;
    }

    void regressionIntervalsAgreeWithTheirDefinition()
    {
        QFETCH(double, r12);
        QFETCH(double, n);
        QFETCH(double, retest);
        const RetestStudy study{113, 7.2, 118.7, 8.3, r12, n};
        const small_sample::RegressionChange c = small_sample::regressionChange(88, retest, study);
        QCOMPARE(c.df, n - 2);
        QCOMPARE(c.percent, 100 * c.p);
        QVERIFY(std::isfinite(c.percentLow) && std::isfinite(c.percentHigh));
        QVERIFY(c.percentLow <= c.percent && c.percent <= c.percentHigh);
        const double root = std::sqrt(c.theta);
        const double observed = (retest - c.predicted) / c.residualSd / root;
        // The bounds back as deltas: the larger percentage lies at the smaller |delta|.
        const bool gain = retest > c.predicted;
        const double high = gain ? -std::sqrt(2.0) * boost::math::erfc_inv(2 * c.percentLow / 100)
                                 : std::sqrt(2.0) * boost::math::erfc_inv(2 * c.percentHigh / 100);
        const double low = gain ? -std::sqrt(2.0) * boost::math::erfc_inv(2 * c.percentHigh / 100)
                                : std::sqrt(2.0) * boost::math::erfc_inv(2 * c.percentLow / 100);
        // erfc_inv(2 P) = -z / sqrt 2 for P = Phi(z).
        for (const auto &[delta, probability] : {std::pair{-low, .975}, std::pair{-high, .025}}) {
            if (!std::isfinite(delta) || std::fabs(delta) > 30)
                continue; // a percentage of 0 or 100 within a double: no delta back from it
            const boost::math::non_central_t_distribution<double> t(c.df, delta / root);
            QVERIFY2(std::fabs(boost::math::cdf(t, observed) - probability) < 1e-7,
                     qPrintable(QString::number(boost::math::cdf(t, observed), 'g', 12)));
        }
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("study");
        QTest::addColumn<QStringList>("controls");
        QTest::addColumn<Problem>("problem");
        QTest::addColumn<Field>("field");
        const QStringList study{"113", "7.2", "118.7", "8.3", ".93", "821"}, controls{"100", "15", "20"};
        const auto with = [](QStringList cells, int at, const QString &value) {
            cells[at] = value;
            return cells;
        };
        QTest::newRow("controls n 1") << QStringList() << with(controls, 2, "1") << Problem::SampleTooSmall
                                      << Field::ControlsN;
        QTest::newRow("controls n 2.5") << QStringList() << with(controls, 2, "2.5") << Problem::SampleTooSmall
                                        << Field::ControlsN;
        QTest::newRow("controls sd 0") << QStringList() << with(controls, 1, "0") << Problem::SdNotPositive
                                       << Field::ControlsSd;
        QTest::newRow("controls without a mean") << QStringList() << with(controls, 0, "") << Problem::Missing
                                                 << Field::ControlsMean;
        QTest::newRow("controls n not a number") << QStringList() << with(controls, 2, "twenty")
                                                 << Problem::NotANumber << Field::ControlsN;
        QTest::newRow("study N 2") << with(study, 5, "2") << QStringList() << Problem::SampleTooSmall
                                   << Field::StudyN;
        QTest::newRow("study sd1 negative") << with(study, 1, "-7.2") << QStringList() << Problem::SdNotPositive
                                            << Field::StudySd1;
        QTest::newRow("study sd2 0") << with(study, 3, "0") << QStringList() << Problem::SdNotPositive
                                     << Field::StudySd2;
        QTest::newRow("r12 1") << with(study, 4, "1") << QStringList() << Problem::CorrelationOutOfRange
                               << Field::StudyR12;
        QTest::newRow("r12 -1") << with(study, 4, "-1") << QStringList() << Problem::CorrelationOutOfRange
                                << Field::StudyR12;
        QTest::newRow("r12 1.5") << with(study, 4, "1.5") << QStringList() << Problem::CorrelationOutOfRange
                                 << Field::StudyR12;
        QTest::newRow("study without r12") << with(study, 4, " ") << QStringList() << Problem::Missing
                                           << Field::StudyR12;
    }

    void refusals()
    {
        QFETCH(QStringList, study);
        QFETCH(QStringList, controls);
        QFETCH(Problem, problem);
        QFETCH(Field, field);
        Cells cells{"wechsler", "88", "103"};
        for (int k = 0; k < study.size(); ++k)
            cells.study[size_t(k)] = study[k].toStdString();
        for (int k = 0; k < controls.size(); ++k)
            cells.controls[size_t(k)] = controls[k].toStdString();
        const ScoreEntry entry = entryOf(cells);
        const EntryProblem found = checkEntry(entry);
        QCOMPARE(found.problem, problem);
        QCOMPARE(found.field, field);
        const Analysis a = analysed(entry);
        QCOMPARE(a.refused, std::vector<int>{0});
        QVERIFY(!a.scores[0].controls.t.known() && !a.scores[0].regression.predicted.known());
    }

    // Which figure decides the change, and that a method without its
    // inputs decides nothing rather than falling back unseen.
    void changeMethod_data()
    {
        QTest::addColumn<ChangeMethod>("method");
        QTest::addColumn<bool>("study");
        QTest::addColumn<QString>("retest");
        QTest::addColumn<Change>("change");
        QTest::addColumn<ChangeMethod>("resolved");
        // 88 to 98 at r .93: no reliable change by the RCI, but a gain
        // against the regression's prediction of 91.9.
        QTest::newRow("auto without a study: the RCI") << ChangeMethod::Auto << false << "103" << Change::Gain
                                                       << ChangeMethod::JacobsonTruax;
        QTest::newRow("auto with a study: CG") << ChangeMethod::Auto << true << "98" << Change::Gain
                                               << ChangeMethod::CrawfordGarthwaite;
        QTest::newRow("jt with a study") << ChangeMethod::JacobsonTruax << true << "98" << Change::NoChange
                                         << ChangeMethod::JacobsonTruax;
        QTest::newRow("srb, a loss") << ChangeMethod::Srb << true << "85" << Change::Loss << ChangeMethod::Srb;
        QTest::newRow("cg without a study") << ChangeMethod::CrawfordGarthwaite << false << "103" << Change::None
                                            << ChangeMethod::CrawfordGarthwaite;
        QTest::newRow("cg without a retest") << ChangeMethod::CrawfordGarthwaite << true << "" << Change::None
                                             << ChangeMethod::CrawfordGarthwaite;
    }

    void changeMethod()
    {
        QFETCH(ChangeMethod, method);
        QFETCH(bool, study);
        QFETCH(QString, retest);
        QFETCH(Change, change);
        QFETCH(ChangeMethod, resolved);
        Cells cells{"wechsler", "88", retest.toStdString(), ".93"};
        if (study)
            cells.study = kStudy;
        const Analysis a = analysed(entryOf(cells), method);
        const ScoreResult &s = a.scores[0];
        QCOMPARE(s.change, change);
        QCOMPARE(s.regression.method, resolved);
        QCOMPARE(s.rci.known(), !retest.isEmpty()); // the RCI stays beside the method's figures
        QCOMPARE(s.regression.predicted.known(),
                 study && !retest.isEmpty() && resolved != ChangeMethod::JacobsonTruax);
        if (change != Change::None) {
            const auto e = explain(a, Item::Change, 0);
            QVERIFY(e);
            QCOMPARE(e->shown, std::string(changeText(change)));
        }
    }

    // A t of exactly the critical value as shown is a change; a hair less is not.
    void decisionOnTheShownT()
    {
        const RetestStudy study{113, 7.2, 118.7, 8.3, .93, 821};
        const double tc = small_sample::criticalT(.05, 819);
        const double critical = std::ceil(tc * 100) / 100;
        const small_sample::RegressionChange base = small_sample::regressionChange(88, 92, study, false);
        for (const auto &[t, change] : {std::pair{critical, Change::Gain}, std::pair{critical - .006, Change::NoChange}}) {
            const double retest = base.predicted + t * base.s;
            Cells cells{"wechsler", "88", QByteArray::number(retest, 'f', 12).toStdString()};
            cells.study = kStudy;
            QCOMPARE(analysed(entryOf(cells)).scores[0].change, change);
        }
    }

    // Every figure explains itself, with the number and text the table has.
    void explanationsAgreeWithTheFigures()
    {
        Cells cells{"wechsler", "88", "103"};
        cells.study = kStudy;
        cells.controls = {"100", "15", "28"};
        for (const ChangeMethod method : {ChangeMethod::Srb, ChangeMethod::CrawfordGarthwaite}) {
            const Analysis a = analysed(entryOf(cells), method);
            const ScoreResult &s = a.scores[0];
            const RegressionFigures &r = s.regression;
            const CaseFigures &c = s.controls;
            const std::pair<Item, const Figure *> figures[] = {
                {Item::PredictedRetest, &r.predicted}, {Item::SrbZ, &r.z}, {Item::ChangeT, &r.t},
                {Item::ChangeP, &r.p}, {Item::ChangePercent, &r.percent},
                {Item::ChangePercentLow, &r.percentLow}, {Item::ChangePercentHigh, &r.percentHigh},
                {Item::CaseT, &c.t}, {Item::CaseP, &c.p}, {Item::CaseZcc, &c.zcc},
                {Item::CaseZccLow, &c.zccLow}, {Item::CaseZccHigh, &c.zccHigh},
                {Item::CasePercent, &c.percent}, {Item::CasePercentLow, &c.percentLow},
                {Item::CasePercentHigh, &c.percentHigh}};
            for (const auto &[item, figure] : figures) {
                const auto e = explain(a, item, 0);
                QCOMPARE(bool(e), figure->known());
                if (!e)
                    continue;
                QCOMPARE(e->result.value, figure->value);
                QCOMPARE(e->shown, figure->text);
                QVERIFY(e->source != interpretation::Source::None);
                QVERIFY(!e->inputs.empty());
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestSingleCase)
#include "tst_core_single_case.moc"
