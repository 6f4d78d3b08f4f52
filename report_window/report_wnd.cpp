#include "report_window/report_wnd.h"

#include "converter_window/score_feed.h"
#include "framework/application.h"
#include "framework/menu_bar.h"
#include "report_window/curve_view.h"
#include "report_window/report_items.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTableWidget>
#include <QVBoxLayout>

namespace report {

namespace {

using interpretation::ScaleId;

QLabel *labelFor(QWidget *control, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(control);
    label->setToolTip(control->toolTip());
    return label;
}

QString qs(const std::string &text)
{
    return QString::fromStdString(text);
}

// The sentence as rich text in which no number breaks across lines: plain
// wrapping would split ".90" after its point.
QString unbrokenNumbers(const QString &words)
{
    static const QRegularExpression kNumber(QStringLiteral("\\S*\\d\\S*"));
    QString html;
    qsizetype from = 0;
    for (const QRegularExpressionMatch &match : kNumber.globalMatch(words)) {
        html += words.mid(from, match.capturedStart() - from).toHtmlEscaped();
        html += QStringLiteral("<nobr>%1</nobr>").arg(match.captured().toHtmlEscaped());
        from = match.capturedEnd();
    }
    return html + words.mid(from).toHtmlEscaped();
}

} // namespace

void ReportWnd::Layout()
{
    setWindowTitle(QStringLiteral("Score Report"));
    if (fw::MenuBar *bar = shownMenuBar())
        setMenuBar(bar->present());
    setMinimumSize(560, 520);
    resize(760, 700);
}

void ReportWnd::CreateControls()
{
    createParameterRow();
    createReport();
    setTabOrder();
    restoreSettings();

    connect(m_reliability, &QLineEdit::textChanged, this, [this] { reliabilityFld_TextChanged(); });
    for (QComboBox *box : {m_confidence, m_method})
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            saveSettings();
            refresh();
        });
    connect(m_descriptors, &QComboBox::activated, this, [this](int index) { descriptorBox_Activated(index); });
    connect(&ScoreFeed::instance(), &ScoreFeed::changed, this, [this] { refresh(); });
    refresh();
}

void ReportWnd::createReport()
{
    QWidget *area = content();
    m_source = new QLabel(area);
    m_source->setObjectName(QStringLiteral("sourceTxt"));
    QFont bold = m_source->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    m_source->setFont(bold);

    m_curve = new CurveView(area);
    m_curve->setObjectName(QStringLiteral("curveView"));
    m_curve->setAccessibleName(QStringLiteral("Normal curve"));

    m_table = new QTableWidget(interpretation::kScaleIdCount + 1, 4, area);
    m_table->setObjectName(QStringLiteral("scoresTable"));
    m_table->setAccessibleName(QStringLiteral("Scores"));
    m_table->setHorizontalHeaderLabels({QStringLiteral("Scale"), QStringLiteral("Score"),
                                        QStringLiteral("Lower"), QStringLiteral("Upper")});
    m_table->verticalHeader()->hide();
    // Sized once per fill (fitTable): sizing to contents at every cell
    // written would take most of the time a report has to follow a score.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false); // Tab leaves the table for the sentence
    m_table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    m_table->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    m_table->setMinimumHeight(m_table->fontMetrics().height() * 8);
    for (int row = 0; row < interpretation::kScaleIdCount; ++row)
        setCell(row, 0, qs(std::string(interpretation::scaleName(static_cast<ScaleId>(row)))));
    setCell(interpretation::kScaleIdCount, 0, QStringLiteral("Descriptor"));
    m_table->setSpan(interpretation::kScaleIdCount, 1, 1, 3);

    m_sentence = new QLabel(area);
    m_sentence->setObjectName(QStringLiteral("sentenceTxt"));
    m_sentence->setWordWrap(true);
    m_sentence->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_sentence->setTextFormat(Qt::RichText);
    m_sentence->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_sentence->setFocusPolicy(Qt::StrongFocus);
    m_sentence->setAccessibleName(QStringLiteral("Sentence"));
    m_sentence->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Maximum);

    auto *parameters = new QGridLayout;
    parameters->addWidget(labelFor(m_reliability, QStringLiteral("Reliability:"), area), 0, 0);
    parameters->addWidget(m_reliability, 0, 1);
    parameters->addWidget(labelFor(m_confidence, QStringLiteral("Confidence:"), area), 0, 2);
    parameters->addWidget(m_confidence, 0, 3);
    parameters->addWidget(labelFor(m_method, QStringLiteral("Method:"), area), 1, 0);
    parameters->addWidget(m_method, 1, 1);
    parameters->addWidget(labelFor(m_descriptors, QStringLiteral("Descriptors:"), area), 1, 2);
    parameters->addWidget(m_descriptors, 1, 3);
    parameters->setColumnStretch(4, 1);

    m_legend = new QLabel(QString::fromUtf8(kMarkLegend), area);
    m_legend->setObjectName(QStringLiteral("legendTxt"));
    m_legend->setWordWrap(true);
    m_legend->setStyleSheet(QStringLiteral("color: #555555;"));
    m_legend->hide();

    auto *words = new QVBoxLayout;
    words->addWidget(m_sentence);
    words->addWidget(m_legend);
    words->addStretch(1);
    auto *lower = new QHBoxLayout;
    lower->addWidget(m_table, 0, Qt::AlignTop);
    lower->addLayout(words, 1);

    auto *column = new QVBoxLayout(area);
    column->addLayout(parameters);
    column->addWidget(m_reliabilityError);
    column->addWidget(m_source);
    column->addWidget(m_curve, 1);
    column->addLayout(lower);
}

void ReportWnd::setTabOrder()
{
    QWidget *order[] = {m_reliability, m_confidence, m_method, m_descriptors,
                        m_curve, m_table, m_sentence};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void ReportWnd::refresh()
{
    rebuild();
    if (fw::MenuBar *bar = shownMenuBar())
        bar->runEnablingPass();
}

void ReportWnd::rebuild()
{
    const std::optional<interpretation::IntervalSettings> interval = readInterval();
    const std::optional<CalculatedScore> &latest = ScoreFeed::instance().latest();
    if (!latest) {
        m_facts.reset();
        showNoScore();
        return;
    }
    ReportFacts facts;
    facts.score = *latest;
    const interpretation::DescriptorSystem &system = chosenSystem();
    // From the outcome, so the six scales the converter shows read the same here.
    facts.reading = interpretation::interpret(latest->outcome, system, interval ? &*interval : nullptr);
    facts.systemName = m_custom && &system == &*m_custom ? QFileInfo(m_customPath).completeBaseName()
                                                          : qs(system.name);
    if (interval) {
        facts.reliabilityText = m_reliability->text().trimmed();
        facts.confidence = interval->confidence;
        facts.method = interval->method;
    }
    m_facts = facts;
    showFacts(*m_facts);
}

void ReportWnd::showNoScore()
{
    m_source->setText(QStringLiteral("No score yet"));
    m_sentence->setText(QStringLiteral("There is no score yet. Calculate one in the converter window "
                                       "and the report follows it."));
    for (int row = 0; row <= interpretation::kScaleIdCount; ++row)
        for (int column = 1; column < 4; ++column)
            setCell(row, column, QString());
    fitTable(false);
    m_legend->hide();
    drawPicture(nullptr);
    m_curve->setAccessibleDescription(QStringLiteral("The normal curve, with no score marked."));
}

void ReportWnd::showFacts(const ReportFacts &facts)
{
    m_source->setText(QStringLiteral("Score: ") + sourceText(facts.score));
    const QString words = sentence(facts);
    m_sentence->setText(unbrokenNumbers(words));
    fillTable(facts);
    m_legend->setVisible(hasMarkedScore(facts));
    drawPicture(&facts);
    m_curve->setAccessibleDescription(QStringLiteral("The normal curve from z -4 to +4. ") + words);
}

void ReportWnd::setCell(int row, int column, const QString &text)
{
    QTableWidgetItem *item = m_table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setTextAlignment(column == 0 || row == interpretation::kScaleIdCount
                                   ? Qt::AlignLeft | Qt::AlignVCenter
                                   : Qt::AlignRight | Qt::AlignVCenter);
        m_table->setItem(row, column, item);
    }
    item->setText(text);
}

void ReportWnd::fillTable(const ReportFacts &facts)
{
    const interpretation::Interpretation &reading = facts.reading;
    for (int row = 0; row < interpretation::kScaleIdCount; ++row) {
        setCell(row, 1, qs(reading.score[row].text));
        setCell(row, 2, reading.hasInterval ? qs(reading.lower[row].text) : QString());
        setCell(row, 3, reading.hasInterval ? qs(reading.upper[row].text) : QString());
    }
    setCell(interpretation::kScaleIdCount, 1,
            QStringLiteral("%1 (%2)").arg(qs(reading.descriptor), facts.systemName));
    fitTable(reading.hasInterval);
}

void ReportWnd::fitTable(bool withInterval)
{
    m_table->setColumnHidden(2, !withInterval);
    m_table->setColumnHidden(3, !withInterval);
    // The descriptor spans the value columns: it must not widen the first.
    const int span = interpretation::kScaleIdCount;
    const QString descriptor = m_table->item(span, 1) ? m_table->item(span, 1)->text() : QString();
    if (m_table->item(span, 1))
        m_table->item(span, 1)->setText(QString());
    m_table->resizeColumnsToContents();
    if (m_table->item(span, 1))
        m_table->item(span, 1)->setText(descriptor);
    const int values = m_table->columnWidth(1) + (withInterval ? m_table->columnWidth(2) + m_table->columnWidth(3) : 0);
    const int needed = m_table->fontMetrics().horizontalAdvance(descriptor) + 12;
    if (needed > values)
        m_table->setColumnWidth(1, m_table->columnWidth(1) + needed - values);
    m_table->updateGeometry();
}

void ReportWnd::drawPicture(const ReportFacts *facts)
{
    CurvePicture picture;
    std::vector<CurvePicture::Band> bands;
    for (const interpretation::DescriptorBand &band : chosenSystem().bands)
        // A label holds every z whose rounded standard score reaches its from.
        bands.push_back({(band.from - 0.5 - 100) / 15, qs(band.label)});
    picture.setBands(std::move(bands));
    if (facts) {
        picture.setScore(facts->reading.z, markerText(facts->score));
        if (facts->reading.hasInterval)
            picture.setInterval(facts->reading.interval.low, facts->reading.interval.high,
                                QStringLiteral("%1% CI").arg(facts->confidence));
    }
    m_curve->setPicture(picture);
}

void ReportWnd::AddMenuHandlers()
{
    registerMenuHandler("ControlMenuItem", [this] { return _ControlMenuItem_Action(); });
    registerMenuHandler("DescriptionMenuItem", [this] { return _DescriptionMenuItem_Action(); });
    registerMenuHandler(item::kCopyTable, [this] { return _CopyTableAction_Action(); });
    registerMenuHandler(item::kCopySentence, [this] { return _CopySentenceAction_Action(); });
    registerMenuHandler(item::kSavePicture, [this] { return _SavePictureAction_Action(); });
    registerMenuHandler(item::kPrintReport, [this] { return _PrintReportAction_Action(); });
}

// Control, Description and About as in the other windows; the Report items only with a
// score to report.
void ReportWnd::EnableMenuItems()
{
    fw::MenuBar *bar = shownMenuBar();
    if (!bar)
        return;
    auto enable = [bar](const char *name, bool on) {
        if (fw::MenuItem *found = bar->find(name))
            found->SetEnabled(on);
    };
    enable("ControlMenuItem", true);
    enable("DescriptionMenuItem", true);
    enable("AboutMenuItem", true);
    for (const char *name : {item::kCopyTable, item::kCopySentence, item::kSavePicture, item::kPrintReport})
        enable(name, m_facts.has_value());
}

} // namespace report
