// How unusual a profile is: the low-score count's base rate (exact and by
// Monte Carlo, against an independent integral), the Mahalanobis distance,
// matrices that cannot be used, and the pairs as a family, whose decisions
// never contradict the numbers shown.
#include <QtTest>

#include <cmath>
#include <cstring>
#include <random>
#include <set>

#include <boost/math/distributions/binomial.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/quadrature/gauss_kronrod.hpp>

#include "profile/analysis.h"
#include "profile/unusual.h"

using namespace profile;

namespace {

std::vector<double> equicorrelated(int k, double r)
{
    std::vector<double> m(size_t(k * k), r);
    for (int i = 0; i < k; ++i)
        m[size_t(i * k + i)] = 1;
    return m;
}

// Wechsler scores "a" to ..., all in one set; correlations r between every two
// (none when r is NaN).
struct Person {
    Profile profile;
    Correlations correlations;
};

Person wechslerPerson(const std::vector<double> &scores, const std::vector<double> &matrix,
                      const std::vector<std::string> &sets = {})
{
    Person p;
    const int k = int(scores.size());
    std::string csv = "name";
    for (int i = 0; i < k; ++i) {
        ScoreEntry e;
        e.name = std::string(1, char('a' + i));
        e.scale = findScale("wechsler");
        e.score = scores[size_t(i)];
        e.reliability = 0.9;
        if (!sets.empty())
            e.set = sets[size_t(i)];
        p.profile.entries.push_back(e);
        csv += "," + e.name;
    }
    csv += "\n";
    for (int i = 0; i < k && !matrix.empty(); ++i) {
        csv += std::string(1, char('a' + i));
        for (int j = 0; j < k; ++j) {
            const double r = matrix[size_t(i * k + j)];
            csv += "," + (std::isnan(r) ? std::string() : QByteArray::number(r, 'g', 17).toStdString());
        }
        csv += "\n";
    }
    CorrelationError error;
    if (!matrix.empty() && !Correlations::parse(csv, p.correlations, error))
        qFatal("bad correlations: %s", errorMessage(error).c_str());
    return p;
}

std::vector<UnusualSet> unusualOf(const Person &p, Settings settings = {})
{
    const Analysis a = analyse(p.profile, p.correlations, settings);
    std::vector<UnusualSet> sets;
    unusualSets(a, p.correlations, nullptr, true, sets);
    return sets;
}

// P(j or more of k low) for equicorrelated normals: given the common factor
// f, the scores are independent, each low with Phi((c - sqrt(r) f) / sqrt(1 - r)).
double equicorrelatedAtLeast(int k, double r, double cutoff, int j)
{
    const boost::math::normal n;
    const double c = boost::math::quantile(n, cutoff / 100);
    auto integrand = [&](double f) {
        const double p = boost::math::cdf(n, (c - std::sqrt(r) * f) / std::sqrt(1 - r));
        const boost::math::binomial count(k, p);
        const double atLeast = j == 0 ? 1 : boost::math::cdf(boost::math::complement(count, j - 1));
        return boost::math::pdf(n, f) * atLeast;
    };
    return boost::math::quadrature::gauss_kronrod<double, 61>::integrate(integrand, -12, 12, 15, 1e-12);
}

// A p as its column shows it, and whether it lies at or below alpha by
// the text alone.
bool shownAtMost(const std::string &p, double alpha)
{
    if (p == "<.001")
        return alpha >= 0.001;
    return std::stod(p) <= alpha;
}

// Whether two sets say the same to the last bit, NaN agreeing with NaN;
// the first difference, or empty.
QString differenceOf(const UnusualSet &x, const UnusualSet &y)
{
    const auto same = [](double a, double b) {
        return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b));
    };
    const auto sameFigure = [&](const Figure &a, const Figure &b) {
        return a.text == b.text && same(a.value, b.value) && a.missing == b.missing;
    };
    const std::pair<const char *, bool> checks[] = {
        {"set", x.set == y.set && x.name == y.name},
        {"members", x.members == y.members},
        {"z", std::equal(x.z.begin(), x.z.end(), y.z.begin(), y.z.end(), same)},
        {"matrix", x.matrix == y.matrix},
        {"cutoff", same(x.cutoff, y.cutoff) && same(x.zCutoff, y.zCutoff)},
        {"low count", sameFigure(x.lowCount, y.lowCount)},
        {"low base rate", sameFigure(x.lowBaseRate, y.lowBaseRate)
                              && same(x.lowBaseRateSe, y.lowBaseRateSe) && x.draws == y.draws},
        {"mahalanobis", sameFigure(x.mahalanobis, y.mahalanobis) && x.df == y.df},
        {"mahalanobis rate", sameFigure(x.mahalanobisRate, y.mahalanobisRate)},
        {"pairs tested", x.pairsTested == y.pairsTested},
        {"pairs significant", x.pairsSignificant == y.pairsSignificant},
    };
    for (const auto &[what, ok] : checks)
        if (!ok)
            return QString::fromLatin1(what);
    return {};
}

} // namespace

class TestUnusual : public QObject {
    Q_OBJECT

private slots:
    void binomialExact_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<double>("cutoff");
        QTest::addColumn<int>("j");
        QTest::addColumn<double>("percent");
        QTest::newRow("4 at 5 %, 0 or more") << 4 << 5.0 << 0 << 100.0;
        QTest::newRow("4 at 5 %, 1 or more") << 4 << 5.0 << 1 << 18.549375;
        QTest::newRow("4 at 5 %, 2 or more") << 4 << 5.0 << 2 << 1.401875;
        QTest::newRow("4 at 5 %, 3 or more") << 4 << 5.0 << 3 << 0.048125;
        QTest::newRow("4 at 5 %, all") << 4 << 5.0 << 4 << 0.000625;
        QTest::newRow("10 at 16 %, 3 or more") << 10 << 16.0 << 3 << 20.6400547027828;
        QTest::newRow("2 at 2.5 %, 2") << 2 << 2.5 << 2 << 0.0625;
    }
    void binomialExact()
    {
        QFETCH(int, k);
        QFETCH(double, cutoff);
        QFETCH(int, j);
        QFETCH(double, percent);
        const auto d = lowScoreDistribution(equicorrelated(k, 0), k, cutoff);
        QVERIFY(d);
        QCOMPARE(d->draws, 0LL);
        QVERIFY2(std::fabs(d->percent(j) - percent) <= 1e-9 * std::max(1.0, percent),
                 qPrintable(QString::number(d->percent(j), 'g', 17)));
        QCOMPARE(d->standardError(j), 0.0);
    }

    // The same four tests in a profile: of 118, 107, 77 and 68 only 68 lies
    // below the 5th percentile (77 is at the 6th).
    void binomialInAProfile()
    {
        const auto sets = unusualOf(wechslerPerson({118, 107, 77, 68}, equicorrelated(4, 0)));
        QCOMPARE(sets.size(), size_t(1));
        QCOMPARE(sets[0].lowCount.text, std::string("1"));
        QCOMPARE(sets[0].lowBaseRate.text, std::string("18.5"));
        const auto two = unusualOf(wechslerPerson({118, 70, 75, 68}, equicorrelated(4, 0)));
        QCOMPARE(two[0].lowCount.text, std::string("3"));
        QCOMPARE(two[0].lowBaseRate.text, std::string("<0.1"));
        QCOMPARE(two[0].lowBaseRateSe, 0.0);
    }

    void monteCarloAgainstIntegral_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<double>("r");
        QTest::addColumn<double>("cutoff");
        QTest::newRow("10 tests, r .5, 5 %") << 10 << 0.5 << 5.0;
        QTest::newRow("10 tests, r .5, 16 %") << 10 << 0.5 << 16.0;
        QTest::newRow("6 tests, r .8, 2 %") << 6 << 0.8 << 2.0;
    }
    void monteCarloAgainstIntegral()
    {
        QFETCH(int, k);
        QFETCH(double, r);
        QFETCH(double, cutoff);
        const auto d = lowScoreDistribution(equicorrelated(k, r), k, cutoff);
        QVERIFY(d);
        QVERIFY(d->draws >= 1000000);
        for (int j = 1; j <= k; ++j) {
            const double expected = 100 * equicorrelatedAtLeast(k, r, cutoff, j);
            const double se = d->standardError(j);
            // A tail too thin for a million draws to see has nothing to test.
            if (expected < 1e-3)
                break;
            QVERIFY2(std::fabs(d->percent(j) - expected) <= 3 * se,
                     qPrintable(QStringLiteral("j %1: %2 against %3, SE %4")
                                    .arg(j).arg(d->percent(j)).arg(expected).arg(se)));
        }
    }

    // Its draws are fixed: the same figure on every run, and a generator
    // or normal changed unnoticed would move these counts.
    void monteCarloRepeats()
    {
        const auto a = lowScoreDistribution(equicorrelated(10, 0.5), 10, 5);
        const auto b = lowScoreDistribution(equicorrelated(10, 0.5), 10, 5);
        QVERIFY(a && b);
        QCOMPARE(a->atLeast, b->atLeast);
        QCOMPARE(qRound64(a->atLeast[1] * 1e6), 246353LL);
        QCOMPARE(qRound64(a->atLeast[3] * 1e6), 61609LL);
    }

    void mahalanobis_data()
    {
        QTest::addColumn<std::vector<double>>("scores");
        QTest::addColumn<std::vector<double>>("matrix");
        QTest::addColumn<QString>("d2");
        QTest::addColumn<QString>("rate");
        QTest::newRow("published example, identity")
            << std::vector<double>{118, 107, 77, 68} << equicorrelated(4, 0) << "8.56" << "7.3";
        // (z1^2 - 2 r z1 z2 + z2^2) / (1 - r^2): 130 and 70 with r .6 is 12.8 / .64.
        QTest::newRow("two, r .6, opposite")
            << std::vector<double>{130, 70} << equicorrelated(2, 0.6) << "20.00" << "<0.1";
        // The same level twice with r .6: 2 * 4 / 1.6 = 5.
        QTest::newRow("two, r .6, together")
            << std::vector<double>{130, 130} << equicorrelated(2, 0.6) << "5.00" << "8.2";
        QTest::newRow("average profile")
            << std::vector<double>{100, 100, 100} << equicorrelated(3, 0.3) << "0.00" << "100.0";
    }
    void mahalanobis()
    {
        QFETCH(std::vector<double>, scores);
        QFETCH(std::vector<double>, matrix);
        QFETCH(QString, d2);
        QFETCH(QString, rate);
        const auto sets = unusualOf(wechslerPerson(scores, matrix));
        QCOMPARE(QString::fromStdString(sets[0].mahalanobis.text), d2);
        QCOMPARE(sets[0].df, int(scores.size()));
        QCOMPARE(QString::fromStdString(sets[0].mahalanobisRate.text), rate);
    }

    // What cannot be worked out is left empty, saying why; the count of low
    // scores needs no correlations and stays.
    void notWorkedOut_data()
    {
        QTest::addColumn<std::vector<double>>("matrix");
        QTest::addColumn<int>("why");
        const double nan = std::nan("");
        QTest::newRow("not positive semi-definite")
            << std::vector<double>{1, .9, .9, .9, 1, -.9, .9, -.9, 1} << int(Missing::NotPositiveDefinite);
        QTest::newRow("singular: two scores the same")
            << std::vector<double>{1, 1, .5, 1, 1, .5, .5, .5, 1} << int(Missing::NotPositiveDefinite);
        QTest::newRow("a correlation not known")
            << std::vector<double>{1, .5, nan, .5, 1, .5, nan, .5, 1} << int(Missing::NoCorrelation);
        QTest::newRow("no correlations") << std::vector<double>{} << int(Missing::NoCorrelation);
    }
    void notWorkedOut()
    {
        QFETCH(std::vector<double>, matrix);
        QFETCH(int, why);
        const auto sets = unusualOf(wechslerPerson({70, 100, 110}, matrix));
        QCOMPARE(sets[0].lowCount.text, std::string("1"));
        for (const Figure *f : {&sets[0].lowBaseRate, &sets[0].mahalanobis, &sets[0].mahalanobisRate}) {
            QVERIFY(f->text.empty());
            QCOMPARE(int(f->missing), why);
        }
        QVERIFY(!explain(sets[0], UnusualItem::LowBaseRate));
    }

    // Each set on its own: a set of one has no distribution; an impossible
    // matrix in one set leaves the other's figures whole.
    void withinEachSet()
    {
        std::vector<double> m = equicorrelated(4, 0.5);
        m[1] = m[4] = 0.99; // a and b
        const auto sets = unusualOf(wechslerPerson({70, 75, 120, 60}, m, {"x", "x", "y", "z"}));
        QCOMPARE(sets.size(), size_t(3));
        QCOMPARE(sets[0].k(), 2);
        QCOMPARE(sets[0].lowCount.text, std::string("2"));
        QVERIFY(sets[0].mahalanobis.known());
        QCOMPARE(sets[1].k(), 1);
        QCOMPARE(sets[1].lowBaseRate.missing, Missing::TooFewScores);
        QCOMPARE(sets[2].lowCount.text, std::string("1"));
        // Pairs across sets count in no set.
        QCOMPARE(sets[0].pairsTested, 1);
        QCOMPARE(sets[1].pairsTested, 0);
    }

    void cacheWorksOnceAndWaits()
    {
        const Person p = wechslerPerson({70, 75, 80, 100, 105}, equicorrelated(5, 0.4));
        const Analysis a = analyse(p.profile, p.correlations, {});
        LowScoreCache cache;
        std::vector<UnusualSet> sets;
        unusualSets(a, p.correlations, &cache, false, sets);
        QCOMPARE(sets[0].lowBaseRate.missing, Missing::Working);
        QVERIFY(sets[0].mahalanobis.known());
        const LowScoreCache::Entry made = cache.get(sets[0].matrix, 5, 5);
        QVERIFY(made);
        QCOMPARE(cache.get(sets[0].matrix, 5, 5), made);
        unusualSets(a, p.correlations, &cache, false, sets);
        QVERIFY(sets[0].lowBaseRate.known());
        QCOMPARE(sets[0].lowBaseRate.value, made->percent(2));
        QVERIFY(sets[0].lowBaseRateSe > 0);
        QCOMPARE(sets[0].draws, kLowScoreDraws);
        Settings other;
        other.lowCutoff = 10;
        unusualSets(analyse(p.profile, p.correlations, other), p.correlations, &cache, false, sets);
        QCOMPARE(sets[0].lowBaseRate.missing, Missing::Working);
        QCOMPARE(cache.size(), size_t(1));
    }

    // Five p values by hand: .01 .04 .03 .005 .2. Holm ranks them .005 .01
    // .03 .04 .2 and multiplies by 5 4 3 2 1: .025 .040 .090 .080 .200, then
    // keeps the running maximum: .025 .040 .090 .090 .200. Under Bonferroni
    // p .01 is adjusted to .050 exactly, but its D of 2.576 falls short of
    // the critical value as shown, 2.58: the row's own numbers say no.
    void holmByHand_data()
    {
        QTest::addColumn<int>("correction");
        QTest::addColumn<QStringList>("adjusted");
        QTest::addColumn<QString>("significant");
        QTest::newRow("holm") << int(PairsCorrection::Holm)
                              << QStringList{".040", ".090", ".090", ".025", ".200"} << "10010";
        QTest::newRow("bonferroni") << int(PairsCorrection::Bonferroni)
                                    << QStringList{".050", ".200", ".150", ".025", "1.000"} << "00010";
        QTest::newRow("none") << int(PairsCorrection::None) << QStringList{"", "", "", "", ""} << "11110";
    }
    void holmByHand()
    {
        QFETCH(int, correction);
        QFETCH(QStringList, adjusted);
        QFETCH(QString, significant);
        Analysis a;
        a.settings.pairsCorrection = PairsCorrection(correction);
        const boost::math::normal n;
        for (double p : {0.01, 0.04, 0.03, 0.005, 0.2}) {
            PairResult pair;
            pair.difference.text = QByteArray::number(boost::math::quantile(n, 1 - p / 2), 'f', 15).toStdString();
            pair.se.value = 1;
            pair.se.text = "1.00";
            pair.critical.text = "1.96";
            a.pairs.push_back(pair);
        }
        familyFigures(a);
        QCOMPARE(a.pairsTested, 5);
        QString decided;
        for (size_t i = 0; i < a.pairs.size(); ++i) {
            QCOMPARE(QString::fromStdString(a.pairs[i].pAdjusted.text), adjusted[int(i)]);
            decided += a.pairs[i].significant == Significance::Yes ? '1' : '0';
        }
        QCOMPARE(decided, significant);
        QCOMPARE(a.pairs[0].p.text, std::string(".010"));
        QCOMPARE(a.pairs[0].critical.known(), correction != int(PairsCorrection::Holm));
    }

    // Random profiles under each correction and some alphas: a "yes" is
    // backed by every number in its row, a "no" by at least one; Holm finds
    // all that Bonferroni finds, and no correction finds more than none.
    void decisionsAgreeWithNumbersShown()
    {
        std::mt19937_64 random(27);
        std::uniform_real_distribution<double> score(55, 145), reliability(0.6, 0.97);
        for (int round = 0; round < 300; ++round) {
            Profile profile;
            const int k = 2 + int(random() % 9);
            for (int i = 0; i < k; ++i) {
                ScoreEntry e;
                e.name = std::string(1, char('a' + i));
                e.scale = findScale("wechsler");
                e.score = std::round(score(random));
                e.reliability = std::round(reliability(random) * 100) / 100;
                profile.entries.push_back(e);
            }
            Settings settings;
            settings.alpha = std::vector<double>{0.05, 0.01, 0.1, 0.0125}[random() % 4];
            std::vector<std::vector<Significance>> found;
            for (PairsCorrection c : {PairsCorrection::None, PairsCorrection::Bonferroni,
                                      PairsCorrection::Holm}) {
                settings.pairsCorrection = c;
                const Analysis a = analyse(profile, Correlations(), settings, kPairs);
                found.emplace_back();
                for (const PairResult &pair : a.pairs) {
                    found.back().push_back(pair.significant);
                    const std::string &p = pair.pAdjusted.known() ? pair.pAdjusted.text : pair.p.text;
                    QVERIFY(pair.p.value <= std::stod(p == "<.001" ? "0.001" : p));
                    const double d = std::fabs(std::stod(pair.difference.text));
                    const bool byCritical = !pair.critical.known() || d >= std::stod(pair.critical.text);
                    const bool byP = shownAtMost(p, settings.alpha);
                    QVERIFY2((pair.significant == Significance::Yes) == (byCritical && byP),
                             qPrintable(QStringLiteral("D %1, critical %2, p %3, alpha %4")
                                            .arg(QString::fromStdString(pair.difference.text),
                                                 QString::fromStdString(pair.critical.text),
                                                 QString::fromStdString(p))
                                            .arg(settings.alpha)));
                }
            }
            for (size_t p = 0; p < found[0].size(); ++p) {
                if (found[1][p] == Significance::Yes) {
                    QCOMPARE(found[2][p], Significance::Yes);
                    QCOMPARE(found[0][p], Significance::Yes);
                }
            }
        }
    }

    void eitherDirection()
    {
        const Person p = wechslerPerson({130, 100, 80, 95}, equicorrelated(4, 0.5));
        const Analysis a = analyse(p.profile, p.correlations, {});
        for (const PairResult &pair : a.pairs) {
            QVERIFY(pair.baseRateEither.known());
            QCOMPARE(pair.baseRateEither.value, std::min(100.0, 2 * pair.baseRate.value));
        }
        // 130 against 100: 30 / (15 sqrt(1)) = 2 sd, 2.3 % one way, 4.6 % either.
        QCOMPARE(a.pairs[0].baseRate.text, std::string("2.3"));
        QCOMPARE(a.pairs[0].baseRateEither.text, std::string("4.6"));
        QCOMPARE(a.scores[0].deviationBaseRateEither.value,
                 std::min(100.0, 2 * a.scores[0].deviationBaseRate.value));
    }

    // Each figure's explanation ends in the figure as its table shows it.
    void explanationsEndInTheFigure()
    {
        const Person p = wechslerPerson({70, 75, 80, 100, 105}, equicorrelated(5, 0.4));
        Settings settings;
        settings.pairsCorrection = PairsCorrection::Holm;
        const Analysis a = analyse(p.profile, p.correlations, settings);
        std::vector<UnusualSet> sets;
        unusualSets(a, p.correlations, nullptr, true, sets);
        const UnusualSet &u = sets[0];
        const std::pair<UnusualItem, const Figure *> items[] = {
            {UnusualItem::LowCount, &u.lowCount}, {UnusualItem::LowBaseRate, &u.lowBaseRate},
            {UnusualItem::Mahalanobis, &u.mahalanobis}, {UnusualItem::MahalanobisRate, &u.mahalanobisRate}};
        for (const auto &[item, figure] : items) {
            const auto e = explain(u, item);
            QVERIFY(e);
            QCOMPARE(e->shown, figure->text);
            QCOMPARE(e->result.value, figure->value);
        }
        for (int i = 0; i < int(a.pairs.size()); ++i) {
            for (Item item : {Item::PairP, Item::PairPAdjusted, Item::PairBaseRateEither}) {
                const auto e = explain(a, item, i);
                QVERIFY(e);
                const PairResult &pair = a.pairs[size_t(i)];
                const Figure &f = item == Item::PairP           ? pair.p
                                  : item == Item::PairPAdjusted ? pair.pAdjusted
                                                                : pair.baseRateEither;
                QCOMPARE(e->shown, f.text);
            }
            QVERIFY(!explain(a, Item::PairCritical, i));
        }
    }

    // The batch summary's light path against the full analysis, person
    // after person into the same storage and memory: sets named in either
    // case, refusals, scores without a reliability, a correlation missing, a
    // matrix that cannot hold together, every correction, and settings and
    // correlations that change between people.
    void summaryAsTheFullAnalysis()
    {
        const auto file = [](const std::string &rows) {
            Correlations c;
            CorrelationError error;
            if (!Correlations::parse(rows, c, error))
                qFatal("bad correlations: %s", errorMessage(error).c_str());
            return c;
        };
        // One common factor (positive definite); a correlation left out; a
        // triangle of correlations no scores could have (a, b, c).
        std::string factor = "name,a,b,c,d,e,f,g,h\n", gap, impossible;
        for (int i = 0; i < 8; ++i) {
            std::string row = std::string(1, char('a' + i));
            for (int j = 0; j < i; ++j) {
                char cell[8];
                std::snprintf(cell, sizeof cell, ",%.2f", (0.55 + 0.04 * i) * (0.55 + 0.04 * j));
                row += cell;
            }
            factor += row + ",1\n";
        }
        gap = factor;
        gap.replace(gap.find("\nb,") + 3, 4, "");
        impossible = "name,a,b,c,d,e\na,1\nb,.9,1\nc,.9,-.9,1\nd,.3,.3,.3,1\ne,.3,.3,.3,.3,1\n";
        const Correlations files[] = {file(factor), file(gap), file(impossible), Correlations()};

        struct Template {
            std::vector<std::string> names, sets;
        };
        const Template templates[] = {
            {{"a", "b", "c", "d", "e", "f"}, {"", "", "", "", "", ""}},
            {{"a", "b", "c", "d", "e", "f", "g"}, {"X", "X", "x", "y", "Y", "x", "z"}},
            {{"e", "A", "b", "c", "h"}, {"", "", "", "", "s"}},
        };
        const char *const scales[] = {"wechsler", "scaled", "t", "percentile", "z"};
        const double low[] = {55, 1, 20, 1, -3}, high[] = {145, 19, 80, 99, 3};

        std::mt19937_64 random(2707);
        LowScoreCache cache;
        SetsMemo memo;
        Analysis light, full;
        std::vector<UnusualSet> fast, slow;
        std::set<int> seen; // what the people brought, to see the cases happen
        for (int person = 0; person < 600; ++person) {
            const Template &t = templates[random() % 3];
            Profile profile;
            for (size_t i = 0; i < t.names.size(); ++i) {
                ScoreEntry e;
                e.name = t.names[i];
                e.set = t.sets[i];
                const size_t s = random() % 5;
                e.scale = findScale(scales[s]);
                e.score = s == 4 ? std::round((low[s] + (high[s] - low[s]) * double(random() % 1000) / 999) * 10) / 10
                                 : double(int(low[s]) + int(random() % unsigned(high[s] - low[s] + 1)));
                if (random() % 10 != 0)
                    e.reliability = 0.7 + 0.01 * double(random() % 28);
                profile.entries.push_back(e);
            }
            // The last score at times beyond its scale, or named again.
            const unsigned fault = unsigned(random() % 12);
            if (fault == 0)
                profile.entries.back().score = 1000;
            else if (fault == 1)
                profile.entries.back().name = "B";
            Settings settings;
            // Settings and files change in blocks of people, never all at once.
            settings.pairsCorrection = PairsCorrection(person % 3);
            settings.alpha = (person / 70) % 3 == 2 ? 0.01 : 0.05;
            settings.metric = kMetrics[(person / 45) % 4];
            settings.lowCutoff = (person / 30) % 4 == 3 ? 10 : 5;
            const Correlations &c = files[(person / 25) % 4];

            analyse(profile, c, settings, full, kScores | kPairs);
            unusualSets(full, c, &cache, true, slow);
            analyse(profile, c, settings, light, kSets);
            summariseSets(light, c, cache, memo, fast);

            const QByteArray where = "person " + QByteArray::number(person);
            QVERIFY2(light.refused == full.refused, where);
            QVERIFY2(light.impossibleMatrices == full.impossibleMatrices, where);
            QVERIFY2(light.correlationsAboveReliabilities == full.correlationsAboveReliabilities, where);
            QCOMPARE(fast.size(), slow.size());
            for (size_t s = 0; s < slow.size(); ++s) {
                const QString difference = differenceOf(fast[s], slow[s]);
                QVERIFY2(difference.isEmpty(),
                         qPrintable(where + ", set " + QByteArray::number(int(s)) + ": " + difference.toUtf8()));
                seen.insert(int(slow[s].lowBaseRate.missing));
                seen.insert(100 + int(slow[s].pairsSignificant > 0));
            }
            seen.insert(200 + int(!full.refused.empty()));
            seen.insert(300 + int(!full.impossibleMatrices.empty()));
        }
        for (int expected : {int(Missing::None), int(Missing::TooFewScores), int(Missing::NoCorrelation),
                             int(Missing::NotPositiveDefinite), 100, 101, 201, 301})
            QVERIFY2(seen.count(expected), qPrintable(QString::number(expected)));
    }
};

QTEST_APPLESS_MAIN(TestUnusual)
#include "tst_core_unusual.moc"
