#include "report_window/report_wnd.h"

#include "converter_window/score_feed.h"
#include "framework/application.h"
#include "framework/edit_commands.h"
#include "framework/language.h"
#include "framework/menu_bar.h"
#include "framework/status_line.h"
#include "interpretation/explain.h"
#include "report_window/core_words.h"
#include "report_window/curve_view.h"
#include "report_window/identification_block.h"
#include "report_window/report_items.h"
#include "report_window/report_table.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QShortcut>
#include <QTableWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace report {

namespace {

QLabel *labelFor(QWidget *control, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(control);
    label->setToolTip(control->toolTip());
    return label;
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

const int kDescriptorRow = interpretation::kScaleIdCount;

} // namespace

void ReportWnd::Layout()
{
    setWindowTitle(tr("Score Report"));
    if (fw::MenuBar *bar = shownMenuBar())
        setMenuBar(bar->present());
    scrollContent();
    resizeWithinScreen(QSize(980, 860));
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
    connect(m_identification, &IdentificationBlock::changed, this, [this] {
        if (fw::MenuBar *bar = shownMenuBar())
            bar->runEnablingPass();
    });
    connect(&ScoreFeed::instance(), &ScoreFeed::changed, this, [this] { refresh(); });
    // The report is a view of the converter's score: Escape puts it away.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setObjectName(QStringLiteral("closeShortcut"));
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    refresh();
}

void ReportWnd::createReport()
{
    QWidget *area = content();
    m_identification = new IdentificationBlock(tr("Test"), area, tr("Te&st:"));

    m_source = new QLabel(area);
    m_source->setObjectName(QStringLiteral("sourceTxt"));
    QFont bold = m_source->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    m_source->setFont(bold);

    m_curve = new CurveView(area);
    m_curve->setObjectName(QStringLiteral("curveView"));
    m_curve->setAccessibleName(tr("Normal curve"));

    m_table = new QTableWidget(kDescriptorRow + 1, 2, area);
    m_table->setObjectName(QStringLiteral("scoresTable"));
    m_table->setAccessibleName(tr("Scores"));
    m_table->verticalHeader()->hide();
    // Sized once per fill (fitTable): sizing to contents at every cell
    // written would take most of the time a report has to follow a score.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setTabKeyNavigation(false); // Tab leaves the table for the explanation
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    createHowPane();

    m_sentence = new QLabel(area);
    m_sentence->setObjectName(QStringLiteral("sentenceTxt"));
    m_sentence->setWordWrap(true);
    m_sentence->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_sentence->setTextFormat(Qt::RichText);
    m_sentence->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_sentence->setFocusPolicy(Qt::StrongFocus);
    m_sentence->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Minimum);

    auto *parameters = new QHBoxLayout;
    // The mnemonics are the Battery Sheet's for the same settings. A name
    // of its own keeps the caption's colon out of what a screen reader says.
    const std::pair<QWidget *, QString> captions[] = {
        {m_reliability, tr("Re&liability:")},
        {m_confidence, tr("Co&nfidence:")},
        {m_method, tr("Me&thod:")},
        {m_descriptors, tr("&Descriptors:")},
    };
    const QString names[] = {tr("Reliability"), tr("Confidence"), tr("Method"), tr("Descriptors")};
    for (std::size_t i = 0; i < std::size(captions); ++i) {
        if (i > 0)
            parameters->addSpacing(12);
        parameters->addWidget(labelFor(captions[i].first, captions[i].second, area));
        parameters->addWidget(captions[i].first);
        captions[i].first->setAccessibleName(names[i]);
    }
    parameters->addStretch(1);

    m_legend = new QLabel(QCoreApplication::translate("ReportText", kMarkLegend), area);
    m_legend->setObjectName(QStringLiteral("legendTxt"));
    m_legend->setWordWrap(true);
    m_legend->setStyleSheet(QStringLiteral("color: #555555;"));
    m_legend->hide();

    auto *explanation = new QVBoxLayout;
    explanation->addWidget(m_how, 1);
    explanation->addWidget(m_howButton, 0, Qt::AlignLeft);
    auto *lower = new QHBoxLayout;
    lower->addWidget(m_table, 0, Qt::AlignTop);
    lower->addLayout(explanation, 1);

    auto *column = new QVBoxLayout(area);
    // Tight enough that the smallest window fits a 768-pixel screen.
    column->setSpacing(4);
    column->setContentsMargins(8, 6, 8, 6);
    column->addWidget(m_identification);
    column->addLayout(parameters);
    column->addWidget(m_reliabilityError);
    column->addWidget(m_descriptorError);
    column->addWidget(m_source);
    column->addWidget(m_curve, 1);
    column->addLayout(lower);
    column->addWidget(m_sentence);
    column->addWidget(m_legend);
}

void ReportWnd::setTabOrder()
{
    QList<QWidget *> order = m_identification->tabOrder();
    order << m_reliability << m_confidence << m_method << m_descriptors << m_curve << m_table << m_how
          << m_howButton << m_sentence;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

Identification ReportWnd::identification() const
{
    return m_identification->identification();
}

void ReportWnd::refresh()
{
    rebuild();
    if (fw::MenuBar *bar = shownMenuBar())
        bar->runEnablingPass();
}

void ReportWnd::rebuild()
{
    showDescriptorProblem();
    const std::optional<interpretation::IntervalSettings> interval = readInterval();
    const std::optional<CalculatedScore> &latest = ScoreFeed::instance().latest();
    if (!latest) {
        m_facts.reset();
        showNoScore();
        return;
    }
    ReportFacts facts;
    facts.score = *latest;
    facts.system = chosenSystem();
    // From the outcome, so the six scales the converter shows read the same here.
    facts.reading = interpretation::interpret(latest->outcome, facts.system, interval ? &*interval : nullptr);
    facts.systemName = m_custom && m_descriptors->itemData(m_descriptorIndex).toString() == QLatin1String("custom")
        ? QFileInfo(m_customPath).completeBaseName()
        : systemTitle(facts.system);
    facts.interval = interval;
    if (interval) {
        facts.reliabilityText = fw::writtenNumber(fw::coreNumber(m_reliability->text().trimmed()));
        facts.confidence = interval->confidence;
        facts.method = interval->method;
    }
    m_facts = facts;
    showFacts(*m_facts);
}

void ReportWnd::showNoScore()
{
    m_source->setText(tr("No score yet"));
    const QString words = tr("There is no score yet. Calculate one in the converter window "
                             "and the report follows it.");
    m_sentence->setText(words);
    m_sentence->setAccessibleName(words); // a rich-text label is otherwise heard without its text
    fillTable(emptyTable());
    m_legend->hide();
    drawPicture(nullptr);
    m_curve->setAccessibleDescription(tr("The normal curve, with no score marked."));
    m_how->clear();
}

void ReportWnd::showFacts(const ReportFacts &facts)
{
    m_source->setText(tr("Score: %1").arg(sourceText(facts.score)));
    const QString words = sentence(facts);
    m_sentence->setText(unbrokenNumbers(words));
    m_sentence->setAccessibleName(words);
    fillTable(reportTable(facts, NumberStyle::Page));
    m_legend->setVisible(hasMarkedScore(facts));
    drawPicture(&facts);
    m_curve->setAccessibleDescription(tr("The normal curve from z \u2212" "4 to +4. %1").arg(words));
    explainRow(m_table->currentRow());
}

void ReportWnd::setCell(int row, int column, const QString &text)
{
    QTableWidgetItem *item = m_table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setTextAlignment(column == 0 || row == kDescriptorRow ? Qt::AlignLeft | Qt::AlignVCenter
                                                                    : Qt::AlignRight | Qt::AlignVCenter);
        m_table->setItem(row, column, item);
    }
    item->setText(text);
}

void ReportWnd::fillTable(const ReportTable &table)
{
    const int columns = int(table.header.size());
    if (m_table->columnCount() != columns) {
        m_table->clearSpans();
        m_table->setColumnCount(columns);
        if (columns > 2)
            m_table->setSpan(kDescriptorRow, 1, 1, columns - 1);
    }
    for (int c = 0; c < columns; ++c) {
        QTableWidgetItem *head = m_table->horizontalHeaderItem(c);
        if (!head) {
            head = new QTableWidgetItem;
            m_table->setHorizontalHeaderItem(c, head);
        }
        head->setText(table.header[c]);
        head->setToolTip(c < table.headerTips.size() ? table.headerTips[c] : QString());
    }
    for (int row = 0; row < int(table.rows.size()); ++row)
        for (int c = 0; c < columns; ++c)
            setCell(row, c, c < table.rows[row].size() ? table.rows[row][c] : QString());
    fitTable();
}

// Every row and column shows: the table is as large as its contents, and
// the window's minimum size follows from it.
void ReportWnd::fitTable()
{
    // The descriptor spans the value columns: it must not widen the first.
    QTableWidgetItem *spanning = m_table->item(kDescriptorRow, 1);
    const QString descriptor = spanning ? spanning->text() : QString();
    if (spanning)
        spanning->setText(QString());
    m_table->resizeColumnsToContents();
    if (spanning)
        spanning->setText(descriptor);
    int values = 0;
    for (int c = 1; c < m_table->columnCount(); ++c)
        values += m_table->columnWidth(c);
    const int needed = m_table->fontMetrics().horizontalAdvance(descriptor) + 12;
    const int last = m_table->columnCount() - 1;
    if (needed > values)
        m_table->setColumnWidth(last, m_table->columnWidth(last) + needed - values);
    int width = 2 * m_table->frameWidth();
    for (int c = 0; c < m_table->columnCount(); ++c)
        width += m_table->columnWidth(c);
    int height = 2 * m_table->frameWidth() + m_table->horizontalHeader()->sizeHint().height();
    for (int row = 0; row < m_table->rowCount(); ++row)
        height += m_table->rowHeight(row);
    m_table->setFixedSize(width, height);
}

void ReportWnd::drawPicture(const ReportFacts *facts)
{
    CurvePicture picture;
    std::vector<CurvePicture::Band> bands;
    for (const interpretation::DescriptorBand &band : chosenSystem().bands)
        bands.push_back({interpretation::bandStartZ(band), descriptorLabel(chosenSystem(), band.label)});
    picture.setBands(std::move(bands));
    if (facts) {
        picture.setScore(facts->reading.z, markerText(facts->score));
        if (facts->reading.hasInterval)
            picture.setInterval(facts->reading.interval.low, facts->reading.interval.high,
                                tr("%1% CI").arg(facts->confidence));
    }
    m_curve->setPicture(picture);
}

void ReportWnd::AddMenuHandlers()
{
    registerMenuHandler("ControlMenuItem", [this] { return _ControlMenuItem_Action(); });
    registerMenuHandler("DescriptionMenuItem", [this] { return _DescriptionMenuItem_Action(); });
    registerMenuHandler(item::kCopyTable, [this] { return _CopyTableAction_Action(); });
    registerMenuHandler(std::string(fw::kEditCopy), [this] { return _CopyTableAction_Action(); });
    registerMenuHandler(item::kCopySentence, [this] { return _CopySentenceAction_Action(); });
    registerMenuHandler(item::kSavePicture, [this] { return _SavePictureAction_Action(); });
    registerMenuHandler(item::kPrintReport, [this] { return _PrintReportAction_Action(); });
    registerMenuHandler(item::kPrint, [this] { return _PrintReportAction_Action(); });
    registerMenuHandler(item::kExportPdf, [this] { return _ExportPdfItem_Action(); });
    registerMenuHandler(item::kExportDocument, [this] { return _ExportDocumentItem_Action(); });
    registerMenuHandler(item::kClose, [this] {
        close();
        return true;
    });
}

// Control, Description and About as in the other windows; copying, saving,
// printing and exporting only with a score to report.
void ReportWnd::EnableMenuItems()
{
    fw::MenuBar *bar = shownMenuBar();
    if (!bar)
        return;
    auto enable = [bar](std::string_view name, bool on) {
        if (fw::MenuItem *found = bar->find(name))
            found->SetEnabled(on);
    };
    enable("ControlMenuItem", true);
    enable("DescriptionMenuItem", true);
    enable("AboutMenuItem", true);
    enable(item::kClose, true);
    for (const char *name : {item::kCopyTable, item::kCopySentence, item::kSavePicture, item::kPrintReport,
                             item::kPrint, item::kExportPdf, item::kExportDocument})
        enable(name, m_facts.has_value());
    // Edit > Copy copies what is selected in a text, else the table.
    if (m_facts)
        enable(fw::kEditCopy, true);
}

} // namespace report
