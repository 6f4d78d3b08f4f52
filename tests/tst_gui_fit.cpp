// No German word is cut off: every label, button, list, field hint, table
// head and cell, and every band name of the picture has the room its text
// takes, and lies inside what holds it, in every window at its opening size
// and at its smallest. Run once as it is and once with QT_SCALE_FACTOR=2.
#include "framework/language.h"
#include "battery_window/battery_wnd.h"
#include "converter_window/control_wnd.h"
#include "battery_window/chart_view.h"
#include "report_window/curve_view.h"
#include "tests/painted_text.h"
#include "tests/report_fixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QTableView>
#include <QTextDocument>

namespace {

QString nameOf(const QWidget *widget)
{
    return widget->window()->objectName() + QLatin1Char('/')
        + (widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName());
}

// Where a widget is cut by what holds it. A window's content that scrolls
// inside it is reached by scrolling, not cut.
bool clipped(const QWidget *widget)
{
    for (const QWidget *w = widget; w->parentWidget() && !w->isWindow(); w = w->parentWidget()) {
        const QWidget *holder = w->parentWidget()->parentWidget();
        if (holder && holder->objectName() == QLatin1String("contentScroll"))
            return false;
        if (!w->parentWidget()->rect().contains(w->geometry()))
            return true;
    }
    return false;
}

// The text as shown: a single "&" marks the mnemonic and takes no room.
QString withoutMnemonic(QString text)
{
    text.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
    return text;
}

int widest(const QFontMetrics &metrics, const QString &text)
{
    int width = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        width = std::max(width, metrics.horizontalAdvance(line));
    return width;
}

void checkLabel(const QLabel *label, QStringList &cut)
{
    const QRect room = label->contentsRect();
    if (label->wordWrap() || label->textFormat() == Qt::RichText || Qt::mightBeRichText(label->text())) {
        QTextDocument document;
        document.setDefaultFont(label->font());
        document.setDocumentMargin(0);
        document.setHtml(label->text());
        if (label->wordWrap()) {
            document.setTextWidth(room.width());
            if (document.size().height() > room.height() + 1)
                cut << QStringLiteral("%1: \"%2\" needs %3 px of height, has %4")
                           .arg(nameOf(label), label->text().left(60))
                           .arg(document.size().height())
                           .arg(room.height());
        } else if (document.idealWidth() > room.width() + 1) {
            cut << QStringLiteral("%1: \"%2\" needs %3 px, has %4").arg(nameOf(label), label->text()).arg(
                       document.idealWidth()).arg(room.width());
        }
        return;
    }
    const int needed = widest(label->fontMetrics(), label->buddy() ? withoutMnemonic(label->text()) : label->text());
    if (needed > room.width())
        cut << QStringLiteral("%1: \"%2\" needs %3 px, has %4").arg(nameOf(label), label->text()).arg(needed).arg(
                   room.width());
}

void checkButton(const QPushButton *button, QStringList &cut)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const int needed = button->fontMetrics().horizontalAdvance(withoutMnemonic(button->text()));
    if (needed > room.width())
        cut << QStringLiteral("%1: \"%2\" needs %3 px, has %4").arg(nameOf(button), button->text()).arg(needed).arg(
                   room.width());
}

void checkComboBox(const QComboBox *box, QStringList &cut)
{
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = box->isEditable();
    const QRect room = box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box);
    for (int i = 0; i < box->count(); ++i) {
        const int needed = box->fontMetrics().horizontalAdvance(box->itemText(i));
        if (needed > room.width())
            cut << QStringLiteral("%1: item \"%2\" needs %3 px, has %4").arg(nameOf(box), box->itemText(i)).arg(
                       needed).arg(room.width());
    }
}

void checkPlaceholder(const QLineEdit *field, QStringList &cut)
{
    if (field->placeholderText().isEmpty())
        return;
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth = field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field) : 0;
    const QRect room = field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
    const int needed = field->fontMetrics().horizontalAdvance(field->placeholderText()) + 4; // the text margins
    if (needed > room.width())
        cut << QStringLiteral("%1: hint \"%2\" needs %3 px, has %4").arg(nameOf(field), field->placeholderText()).arg(
                   needed).arg(room.width());
}

// Columns that hold what the user typed or named (a score's name, its
// group): their width is the user's business.
bool userColumn(const QTableView *table, int column)
{
    const QString name = table->objectName();
    if (name == QLatin1String("scoresTable") && table->window()->objectName() == QLatin1String("BatteryWnd"))
        return column < 9 && column != 1; // the entries but the scale, whose names are the program's
    if (name == QLatin1String("pairsTable") || name == QLatin1String("compositesTable"))
        return column < 2;
    return false;
}

void checkTable(const QTableView *table, QStringList &cut)
{
    const QAbstractItemModel *model = table->model();
    const QHeaderView *head = table->horizontalHeader();
    const int headMargin = 2 * table->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, head);
    const int cellMargin = 2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1);
    const QFontMetrics headMetrics(head->font());
    for (int c = 0; c < model->columnCount(); ++c) {
        const QString caption = model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        const int needed = headMetrics.horizontalAdvance(caption) + headMargin;
        if (!head->isSectionHidden(c) && needed > head->sectionSize(c))
            cut << QStringLiteral("%1: head \"%2\" needs %3 px, has %4").arg(nameOf(table), caption).arg(needed).arg(
                       head->sectionSize(c));
    }
    for (int r = 0; r < model->rowCount(); ++r)
        for (int c = 0; c < model->columnCount(); ++c) {
            const QString text = model->index(r, c).data(Qt::DisplayRole).toString();
            if (text.isEmpty() || userColumn(table, c))
                continue;
            int room = 0;
            for (int k = c; k < c + table->columnSpan(r, c); ++k)
                room += table->columnWidth(k);
            const int needed = table->fontMetrics().horizontalAdvance(text) + cellMargin;
            if (needed > room)
                cut << QStringLiteral("%1: cell \"%2\" needs %3 px, has %4").arg(nameOf(table), text).arg(needed).arg(room);
        }
    // The Score Report's table is as large as its contents.
    if (table->objectName() == QLatin1String("scoresTable") && table->window()->objectName() == QLatin1String("ReportWnd")
        && (table->horizontalScrollBar()->maximum() > 0 || table->verticalScrollBar()->maximum() > 0))
        cut << nameOf(table) + QStringLiteral(": scrolls");
}

// A picture's words as it paints them: one cut short ends in "…".
void checkPicture(QWidget *widget, QStringList &cut)
{
    PaintedText device(widget->size());
    QStringList texts;
    if (auto *curve = qobject_cast<report::CurveView *>(widget))
        texts = device.texts([curve](QPainter &painter) {
            curve->picture().paint(painter, QRectF(curve->rect()), curve->fontPixels());
        });
    else if (auto *chart = qobject_cast<battery::ChartView *>(widget))
        texts = device.texts([chart](QPainter &painter) {
            chart->chart().paint(painter, QRectF(chart->rect()), chart->fontPixels());
        });
    for (const QString &text : texts)
        if (text.contains(QChar(0x2026)))
            cut << QStringLiteral("%1: \"%2\" cut short in the picture").arg(nameOf(widget), text);
}

// Every cut text of the program's visible windows.
QStringList cutTexts()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QStringList cut;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!qobject_cast<fw::Window *>(top) || !top->isVisible())
            continue;
        for (QWidget *widget : top->findChildren<QWidget *>()) {
            if (!widget->isVisibleTo(top))
                continue;
            const bool shows = qobject_cast<QLabel *>(widget) || qobject_cast<QAbstractButton *>(widget)
                || qobject_cast<QComboBox *>(widget) || qobject_cast<QTableView *>(widget)
                || qobject_cast<QLineEdit *>(widget);
            if (shows && clipped(widget))
                cut << nameOf(widget) + QStringLiteral(": reaches beyond what holds it");
            if (auto *label = qobject_cast<QLabel *>(widget); label && !label->text().isEmpty())
                checkLabel(label, cut);
            else if (auto *button = qobject_cast<QPushButton *>(widget))
                checkButton(button, cut);
            else if (auto *box = qobject_cast<QComboBox *>(widget))
                checkComboBox(box, cut);
            else if (auto *field = qobject_cast<QLineEdit *>(widget); field && !qobject_cast<QComboBox *>(field->parentWidget()))
                checkPlaceholder(field, cut);
            else if (auto *table = qobject_cast<QTableView *>(widget))
                checkTable(table, cut);
            else
                checkPicture(widget, cut);
        }
    }
    cut.removeDuplicates();
    return cut;
}

} // namespace

class TestFit : public QObject, ReportFixture {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        startTests();
        fw::useLanguage(fw::Language::German);
    }
    void init() { startProgram(); }
    void cleanup() { endProgram(); }

    void nothingCutOff_data();
    void nothingCutOff();

private:
    void shrink(QWidget *window)
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const QSize least = window->minimumSizeHint().expandedTo(window->minimumSize());
        window->resize(least);
        QTRY_COMPARE(window->size(), least);
    }
};

void TestFit::nothingCutOff_data()
{
    QTest::addColumn<QString>("scene");
    QTest::addColumn<bool>("smallest"); // the window at its minimum size
    for (const char *scene : {"converter", "converter held at a bound", "report without score", "report with interval",
                              "report refusing a reliability", "report with a custom system",
                              "report beyond the curve", "description", "about", "battery sheet, new",
                              "battery sheet with scores"}) {
        QTest::newRow(scene) << QString::fromLatin1(scene) << false;
        if (QByteArray(scene).startsWith("report") || QByteArray(scene).startsWith("battery"))
            QTest::newRow(QByteArray(scene) + ", smallest") << QString::fromLatin1(scene) << true;
    }
}

void TestFit::nothingCutOff()
{
    QFETCH(QString, scene);
    QFETCH(bool, smallest);
    QTemporaryDir dir;
    if (scene == "converter held at a bound") {
        calculate({{"zFld", "-6,5"}});
    } else if (scene.startsWith("report")) {
        if (scene != "report without score")
            calculate({{"wechslerFld", scene == "report beyond the curve" ? "199" : "115"}});
        QVERIFY(openReport());
        if (scene != "report without score" && scene != "report refusing a reliability")
            QTest::keyClicks(in<QLineEdit>("reliabilityFld"), ",90");
        if (scene == "report beyond the curve")
            in<QComboBox>("methodBox")->setCurrentIndex(1);
        if (scene == "report refusing a reliability")
            QTest::keyClicks(in<QLineEdit>("reliabilityFld"), "1,5");
        if (scene == "report with a custom system") {
            const QString path = dir.filePath(QStringLiteral("Einstufungen-Bezirk-Oberland.csv"));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("from,label\n0,Schwach\n100,Gut\n") > 0);
            file.close();
            auto *wnd = qobject_cast<report::ReportWnd *>(fw::existingWindow(report::ReportWnd::kClassName));
            QCOMPARE(wnd->loadDescriptorFile(path), QString());
        }
        auto *table = in<QTableWidget>("scoresTable");
        table->setCurrentCell(int(interpretation::ScaleId::Wechsler), 0);
        if (smallest)
            shrink(fw::existingWindow(report::ReportWnd::kClassName));
    } else if (scene.startsWith("battery")) {
        bringToFront(fw::implicitWindow<ControlWnd>());
        QVERIFY(bar().trigger("BatteryMenuItem"));
        auto *sheet = qobject_cast<battery::BatteryWnd *>(fw::existingWindow(battery::BatteryWnd::kClassName));
        QVERIFY(sheet);
        if (scene == "battery sheet with scores") {
            // Every kind of figure and word: retests, groups, a cell refused.
            const QString path = dir.filePath(QStringLiteral("k.csv"));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("name;scale;score;reliability;retest;practice;group\n"
                       "A;scaled;14;0,92;;;G1\nB;scaled;13;0,88;;;G1\nC;scaled;6;0,90;;;G2\nD;scaled;9;0,86;12;;G2\n"
                       "E;scaled;10;0,84;4;+1;\nF;wechsler;92;1,5;;;\nH;percentile;2;0,85;;;\n");
            file.close();
            const QString correlations = dir.filePath(QStringLiteral("r.csv"));
            QFile matrix(correlations);
            QVERIFY(matrix.open(QIODevice::WriteOnly));
            matrix.write("name,A,B,C,D,E,F,H\nA,1\nB,.66,1\nC,.52,.50,1\nD,.49,.47,.56,1\nE,.41,.40,.39,.36,1\n"
                         "F,.49,.47,.45,.42,.36,1\nH,.34,.32,.32,.29,.25,.29,1\n");
            matrix.close();
            QVERIFY(sheet->openFile(path));
            QCOMPARE(sheet->loadCorrelations(correlations), QString());
        }
        if (smallest)
            shrink(sheet);
    } else if (scene == "description") {
        QVERIFY(bar().trigger("DescriptionMenuItem"));
        QTRY_COMPARE(frontName(), QStringLiteral("DescriptionWnd"));
    } else if (scene == "about") {
        QVERIFY(bar().trigger("AboutMenuItem"));
    }
    QStringList cut = cutTexts();
    if (scene == "battery sheet with scores") {
        // Each system's labels in the chart and the tables.
        auto *box = fw::existingWindow(battery::BatteryWnd::kClassName)->findChild<QComboBox *>("descriptorsBox");
        for (int i = 1; i < int(interpretation::builtInSystems().size()); ++i) {
            box->setCurrentIndex(i);
            emit box->activated(i);
            cut << cutTexts();
        }
    }
    if (scene == "report with interval") {
        // Each system's labels in the picture and the table.
        auto *box = in<QComboBox>("descriptorBox");
        for (int i = 1; i < int(interpretation::builtInSystems().size()); ++i) {
            box->setCurrentIndex(i);
            emit box->activated(i);
            for (const char *score : {"60", "75", "100", "125", "140"}) {
                calculate({{"wechslerFld", score}});
                cut << cutTexts();
            }
        }
    }
    QVERIFY2(cut.isEmpty(), qPrintable(QStringLiteral("at %1 %: ").arg(qApp->devicePixelRatio() * 100)
                                       + cut.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestFit)
#include "tst_gui_fit.moc"
