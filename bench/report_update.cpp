// How long the Score Report takes to follow a Calculate: the converter's
// Calculate, the report rebuilt and its window painted, measured many times
// with a reliability set (so the interval, its band and its columns are
// drawn too). Prints the median and the 99th percentile in milliseconds,
// for the whole step and for the report's own part.
#include "converter_window/control_wnd.h"
#include "converter_window/score_feed.h"
#include "bench/percentile.h"
#include "framework/implicit_window.h"
#include "framework/message_box.h"
#include "report_window/report_wnd.h"
#include "shell/program.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true); // leave the user's settings alone
    QApplication app(argc, argv);
    fw::setMsgBoxHook([](const std::string &) {});
    shell::Program program;
    QSettings().clear(); // the report's defaults, whatever an earlier run chose
    auto *converter = fw::implicitWindow<ControlWnd>();
    auto *report = fw::implicitWindow<report::ReportWnd>();
    report->resize(980, 860); // its size when first opened
    report->findChild<QLineEdit *>(QStringLiteral("reliabilityFld"))->setText(QStringLiteral(".90"));
    QApplication::processEvents();

    const int runs = argc > 1 ? std::max(10, atoi(argv[1])) : 500;
    std::vector<double> whole, ownPart;
    QElapsedTimer clock;
    for (int i = 0; i < runs; ++i) {
        converter->SetText("wechslerFld", std::to_string(55 + i % 90));
        clock.start();
        converter->CalculateBtn_Action();
        report->repaint();
        whole.push_back(clock.nsecsElapsed() / 1e6);

        // The report's part alone: the same score published again.
        const CalculatedScore score = *ScoreFeed::instance().latest();
        clock.start();
        ScoreFeed::instance().publish(score);
        report->repaint();
        ownPart.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::printf("Score Report update after a Calculate (%d runs, window %dx%d, platform %s):\n", runs,
                report->width(), report->height(), qPrintable(QGuiApplication::platformName()));
    std::printf("  Calculate + report rebuilt + window painted: median %.2f ms, 99th percentile %.2f ms\n",
                bench::percentile(whole, 0.5), bench::percentile(whole, 0.99));
    std::printf("  report rebuilt + window painted:             median %.2f ms, 99th percentile %.2f ms\n",
                bench::percentile(ownPart, 0.5), bench::percentile(ownPart, 0.99));
    std::printf("  target: within one frame, 16 ms\n");
    return 0;
}
