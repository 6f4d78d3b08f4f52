// Large text on a 1600 × 1200 screen, run once with QT_SCALE_FACTOR=2 and
// once with QT_FONT_DPI=144: the Score Report and the Battery Sheet open no
// larger than the screen's free area, nothing in them is squeezed below
// its least size, and what lies beyond the window scrolls into view.
#include "battery_window/battery_wnd.h"
#include "tests/report_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

class TestLargeText : public QObject, ReportFixture {
    Q_OBJECT

private slots:
    void initTestCase() { startTests(); }
    void init() { startProgram(); }
    void cleanup() { endProgram(); }

    void opensOnTheScreen_data();
    void opensOnTheScreen();
};

void TestLargeText::opensOnTheScreen_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("reachable"); // controls that must scroll into view
    QTest::newRow("Score Report") << QStringLiteral("ReportWnd")
                                  << QStringList{"scoresTable", "sentenceTxt", "howBtn"};
    QTest::newRow("Battery Sheet") << QStringLiteral("BatteryWnd") << QStringList{"scoresTable", "statusTxt"};
}

void TestLargeText::opensOnTheScreen()
{
    QFETCH(QString, window);
    QFETCH(QStringList, reachable);
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    // The premise: the large text leaves the windows fewer pixels than they
    // would open with (800 × 600 at twice the size, 1067 × 800 at 144 dpi).
    QVERIFY2(free.width() < 1180 && free.height() < 820,
             qPrintable(QStringLiteral("screen %1 × %2").arg(free.width()).arg(free.height())));

    QWidget *shown = nullptr;
    if (window == QLatin1String("ReportWnd")) {
        calculate({{"wechslerFld", "78"}});
        shown = openReport();
        QTest::keyClicks(in<QLineEdit>("reliabilityFld"), ".90");
    } else {
        bringToFront(fw::implicitWindow<ControlWnd>());
        QVERIFY(bar().trigger("BatteryMenuItem"));
        shown = fw::existingWindow(battery::BatteryWnd::kClassName);
    }
    QVERIFY(shown);
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QTRY_VERIFY2(free.contains(shown->frameGeometry()),
             qPrintable(QStringLiteral("%1 × %2 at %3, %4").arg(shown->frameGeometry().width())
                            .arg(shown->frameGeometry().height()).arg(shown->x()).arg(shown->y())));

    auto *scroll = shown->findChild<QScrollArea *>(QStringLiteral("contentScroll"));
    QVERIFY(scroll);
    const QWidget *content = scroll->widget();
    const QSize hint = content->minimumSizeHint(), set = content->minimumSize();
    const QSize least(set.width() > 0 ? set.width() : hint.width(), set.height() > 0 ? set.height() : hint.height());
    QVERIFY2(content->width() >= least.width() && content->height() >= least.height(),
             qPrintable(QStringLiteral("content %1 × %2, needs %3 × %4").arg(content->width())
                            .arg(content->height()).arg(least.width()).arg(least.height())));
    for (const QString &name : reachable) {
        QWidget *control = shown->findChild<QWidget *>(name);
        QVERIFY2(control, qPrintable(name));
        scroll->ensureWidgetVisible(control, 0, 0);
        const QRect inViewport(control->mapTo(scroll->viewport(), QPoint()), control->size());
        QVERIFY2(scroll->viewport()->rect().intersects(inViewport), qPrintable(name));
    }
}

QTEST_MAIN(TestLargeText)
#include "tst_gui_large_text.moc"
