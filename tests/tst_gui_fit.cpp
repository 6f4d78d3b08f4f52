// No German word is cut off: every label, button, list, field hint, table
// head and cell, and every band name of the picture has the room its text
// takes, and lies inside what holds it, in every window at its opening size
// and at its smallest. Run once as it is and once with QT_SCALE_FACTOR=2.
#include "framework/language.h"
#include "report_window/curve_view.h"
#include "tests/report_fixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QTableWidget>
#include <QTextDocument>

namespace {

QString nameOf(const QWidget *widget)
{
    return widget->window()->objectName() + QLatin1Char('/')
        + (widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName());
}

// Where a widget is cut by what holds it.
bool clipped(const QWidget *widget)
{
    for (const QWidget *w = widget; w->parentWidget() && !w->isWindow(); w = w->parentWidget())
        if (!w->parentWidget()->rect().contains(w->geometry()))
            return true;
    return false;
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
    const int needed = widest(label->fontMetrics(), label->text());
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
    const int needed = button->fontMetrics().horizontalAdvance(button->text());
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

void checkTable(const QTableWidget *table, QStringList &cut)
{
    const QHeaderView *head = table->horizontalHeader();
    const int headMargin = 2 * table->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, head);
    const int cellMargin = 2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1);
    for (int c = 0; c < table->columnCount(); ++c) {
        const QTableWidgetItem *item = table->horizontalHeaderItem(c);
        const QFont bold = head->font();
        if (item && QFontMetrics(bold).horizontalAdvance(item->text()) + headMargin > head->sectionSize(c))
            cut << QStringLiteral("%1: head \"%2\" needs %3 px, has %4").arg(nameOf(table), item->text()).arg(
                       QFontMetrics(bold).horizontalAdvance(item->text()) + headMargin).arg(head->sectionSize(c));
    }
    for (int r = 0; r < table->rowCount(); ++r)
        for (int c = 0; c < table->columnCount(); ++c) {
            const QTableWidgetItem *item = table->item(r, c);
            if (!item || item->text().isEmpty())
                continue;
            int room = 0;
            for (int k = c; k < c + table->columnSpan(r, c); ++k)
                room += table->columnWidth(k);
            const int needed = table->fontMetrics().horizontalAdvance(item->text()) + cellMargin;
            if (needed > room)
                cut << QStringLiteral("%1: cell \"%2\" needs %3 px, has %4").arg(nameOf(table), item->text()).arg(
                           needed).arg(room);
        }
    if (table->horizontalScrollBar()->maximum() > 0 || table->verticalScrollBar()->maximum() > 0)
        cut << nameOf(table) + QStringLiteral(": scrolls");
}

void checkPicture(const report::CurveView *curve, QStringList &cut)
{
    const auto geometry = curve->picture().geometry(QRectF(curve->rect()), curve->fontPixels());
    for (const report::CurvePicture::Text &text : geometry.texts)
        if (text.text.contains(QChar(0x2026)))
            cut << QStringLiteral("%1: \"%2\" cut short in the picture").arg(nameOf(curve), text.text);
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
                || qobject_cast<QComboBox *>(widget) || qobject_cast<QTableWidget *>(widget)
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
            else if (auto *table = qobject_cast<QTableWidget *>(widget))
                checkTable(table, cut);
            else if (auto *curve = qobject_cast<report::CurveView *>(widget))
                checkPicture(curve, cut);
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
};

void TestFit::nothingCutOff_data()
{
    QTest::addColumn<QString>("scene");
    QTest::addColumn<bool>("smallest"); // the report at its minimum size
    for (const char *scene : {"converter", "converter held at a bound", "report without score", "report with interval",
                              "report refusing a reliability", "report with a custom system",
                              "report beyond the curve", "description", "about"}) {
        QTest::newRow(scene) << QString::fromLatin1(scene) << false;
        if (QByteArray(scene).startsWith("report"))
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
        if (smallest) {
            QWidget *report = fw::existingWindow(report::ReportWnd::kClassName);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            report->resize(report->minimumSizeHint());
            QTRY_COMPARE(report->size(), report->minimumSizeHint());
        }
    } else if (scene == "description") {
        QVERIFY(bar().trigger("DescriptionMenuItem"));
        QTRY_COMPARE(frontName(), QStringLiteral("DescriptionWnd"));
    } else if (scene == "about") {
        QVERIFY(bar().trigger("AboutMenuItem"));
    }
    QStringList cut = cutTexts();
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
