// How long the Battery Sheet takes to follow an edit: one score changed in
// the table (as typing it would), every figure worked out again, the
// tables, the chart and the explanation refreshed and the window painted
// (whole, and as the event loop paints it, only what changed).
// Thirty scores in five groups, each with a reliability, some retested, all
// correlations known: 435 pairs and five composites. Prints the median and
// the 99th percentile in milliseconds, for the whole step and for the
// core's analysis alone.
#include "battery_window/battery_wnd.h"
#include "battery_window/scores_model.h"
#include "bench/percentile.h"
#include "framework/implicit_window.h"
#include "framework/message_box.h"
#include "profile/analysis.h"
#include "shell/program.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kScores = 30;

QString scores()
{
    QString text = QStringLiteral("name\tscale\tscore\tmean\tsd\treliability\tretest\tpractice\tgroup\n");
    for (int i = 0; i < kScores; ++i)
        text += QStringLiteral("Subtest %1\tscaled\t%2\t\t\t.%3\t%4\t\tGroup %5\n")
                    .arg(i + 1)
                    .arg(6 + (i * 7) % 9)
                    .arg(80 + i % 15)
                    .arg(i % 4 == 0 ? QString::number(8 + i % 5) : QString())
                    .arg(i / 6 + 1);
    return text;
}

QByteArray correlations()
{
    QByteArray text = "name";
    for (int i = 0; i < kScores; ++i)
        text += ",Subtest " + QByteArray::number(i + 1);
    text += '\n';
    for (int i = 0; i < kScores; ++i) {
        text += "Subtest " + QByteArray::number(i + 1);
        for (int j = 0; j <= i; ++j)
            text += i == j ? QByteArray(",1") : i / 6 == j / 6 ? QByteArray(",.62") : QByteArray(",.41");
        text += '\n';
    }
    return text;
}

} // namespace

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true); // leave the user's settings alone
    QApplication app(argc, argv);
    fw::setMsgBoxHook([](const std::string &) {});
    shell::Program program;
    QSettings().clear(); // the sheet's defaults, whatever an earlier run chose
    auto *sheet = fw::implicitWindow<battery::BatteryWnd>();
    sheet->resize(1280, 900);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("correlations.csv")));
    if (!file.open(QIODevice::WriteOnly) || file.write(correlations()) < 0)
        return 1;
    file.close();
    sheet->pasteText(scores());
    if (const QString problem = sheet->loadCorrelations(file.fileName()); !problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        return 1;
    }
    battery::ScoresModel *model = sheet->scoresModel();
    auto *table = sheet->findChild<QTableView *>(QStringLiteral("scoresTable"));
    table->setCurrentIndex(model->index(3, battery::kDeviationColumn)); // the pane explains a figure
    QApplication::processEvents();
    if (sheet->results().analysis.pairs.size() != std::size_t(kScores * (kScores - 1) / 2)
        || sheet->results().analysis.composites.size() != 5) {
        std::fprintf(stderr, "the battery is not as meant\n");
        return 1;
    }

    const int runs = argc > 1 ? std::max(10, atoi(argv[1])) : 300;
    std::vector<double> whole, changed, core;
    QElapsedTimer clock;
    const battery::SheetResults &results = sheet->results();
    for (int i = 0; i < runs; ++i) {
        const QModelIndex cell = model->index(i % kScores, int(profile::Field::Score));
        clock.start();
        model->setData(cell, QString::number(4 + i % 13), Qt::EditRole);
        sheet->repaint();
        whole.push_back(clock.nsecsElapsed() / 1e6);

        // As the event loop paints it: only what the edit changed.
        const QModelIndex other = model->index((i + 7) % kScores, int(profile::Field::Score));
        clock.start();
        model->setData(other, QString::number(5 + i % 11), Qt::EditRole);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        changed.push_back(clock.nsecsElapsed() / 1e6);

        profile::Analysis again;
        clock.start();
        profile::analyse(results.sheetProfile.profile, profile::Correlations(), results.analysis.settings, again);
        core.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::printf("Battery Sheet update after an edit (%d runs, %d scores, %zu pairs, window %dx%d, platform %s):\n",
                runs, kScores, results.analysis.pairs.size(), sheet->width(), sheet->height(),
                qPrintable(QGuiApplication::platformName()));
    std::printf("  edit + figures + tables, chart, explanation + whole window painted: median %.2f ms, 99th percentile %.2f ms\n",
                bench::percentile(whole, 0.5), bench::percentile(whole, 0.99));
    std::printf("  the same, the event loop painting what changed:                   median %.2f ms, 99th percentile %.2f ms\n",
                bench::percentile(changed, 0.5), bench::percentile(changed, 0.99));
    std::printf("  the core's analysis alone (no correlations):                         median %.2f ms, 99th percentile %.2f ms\n",
                bench::percentile(core, 0.5), bench::percentile(core, 0.99));
    std::printf("  target: within one frame, 16 ms\n");
    return 0;
}
