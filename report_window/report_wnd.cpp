#include "report_window/report_wnd.h"

#include "converter_window/score_feed.h"
#include "framework/application.h"
#include "framework/file_dialog.h"
#include "framework/menu_bar.h"
#include "framework/message_box.h"
#include "report_window/curve_view.h"
#include "report_window/report_items.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSettings>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace report {

namespace {

using interpretation::ScaleId;

constexpr int kConfidences[] = {68, 90, 95, 99};
constexpr int kDefaultConfidence = 95;
const char *const kChooseFile = "choose";
const char *const kCustom = "custom";

namespace key {
const char *const kReliability = "report/reliability";
const char *const kConfidence = "report/confidence";
const char *const kMethod = "report/method";
const char *const kDescriptors = "report/descriptors";
const char *const kDescriptorFile = "report/descriptorFile";
} // namespace key

const char *const kReliabilityTip =
    "The reliability coefficient of the test, a number between 0 and 1 such as .90. "
    "Leave it empty for no confidence interval.";
const char *const kConfidenceTip =
    "How sure the interval is meant to be: the share of intervals made this way that hold "
    "the true score.";
const char *const kMethodTip =
    "True score centres the interval on the estimated true score, drawn towards the mean; "
    "Obtained score centres it on the score itself, with the standard error of measurement.";
const char *const kDescriptorTip =
    "The system of labels that names the range a score lies in. Custom\u2026 reads one from a "
    "CSV file with the header from,label.";

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

// A decimal number written plainly: "0.9", ".90", "1". Exponents, signs,
// "nan" and "inf" are not reliabilities anyone types.
bool isPlainNumber(const QString &text)
{
    static const QRegularExpression kPlain(QStringLiteral("^(\\d+\\.?\\d*|\\.\\d+)$"));
    return kPlain.match(text).hasMatch();
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

void ReportWnd::createParameterRow()
{
    QWidget *area = content();
    m_reliability = new QLineEdit(area);
    m_reliability->setObjectName(QStringLiteral("reliabilityFld"));
    m_reliability->setPlaceholderText(QStringLiteral("e.g. .90"));
    m_reliability->setToolTip(QString::fromUtf8(kReliabilityTip));
    m_reliability->setMaximumWidth(90);

    m_confidence = new QComboBox(area);
    m_confidence->setObjectName(QStringLiteral("confidenceBox"));
    for (int level : kConfidences)
        m_confidence->addItem(QStringLiteral("%1%").arg(level), level);
    m_confidence->setToolTip(QString::fromUtf8(kConfidenceTip));

    m_method = new QComboBox(area);
    m_method->setObjectName(QStringLiteral("methodBox"));
    m_method->addItem(QStringLiteral("True score"), QStringLiteral("true-score"));
    m_method->addItem(QStringLiteral("Obtained score"), QStringLiteral("obtained"));
    m_method->setToolTip(QString::fromUtf8(kMethodTip));

    m_descriptors = new QComboBox(area);
    m_descriptors->setObjectName(QStringLiteral("descriptorBox"));
    m_descriptors->setToolTip(QString::fromUtf8(kDescriptorTip));

    m_reliabilityError = new QLabel(area);
    m_reliabilityError->setObjectName(QStringLiteral("reliabilityErrorTxt"));
    m_reliabilityError->setWordWrap(true);
    m_reliabilityError->setStyleSheet(QStringLiteral("color: #B00020;"));
    m_reliabilityError->hide();
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

void ReportWnd::fillDescriptorBox()
{
    m_descriptors->clear();
    for (const interpretation::DescriptorSystem &system : interpretation::builtInSystems())
        m_descriptors->addItem(qs(system.name), qs(system.key));
    if (m_custom)
        m_descriptors->addItem(QStringLiteral("Custom: %1").arg(QFileInfo(m_customPath).fileName()),
                               QString::fromLatin1(kCustom));
    m_descriptors->addItem(QStringLiteral("Custom\u2026"), QString::fromLatin1(kChooseFile));
}

void ReportWnd::restoreSettings()
{
    const QSettings settings;
    m_reliability->setText(settings.value(key::kReliability).toString());
    const int confidence = settings.value(key::kConfidence, kDefaultConfidence).toInt();
    const int at = m_confidence->findData(confidence);
    m_confidence->setCurrentIndex(at >= 0 ? at : m_confidence->findData(kDefaultConfidence));
    m_method->setCurrentIndex(std::max(0, m_method->findData(settings.value(key::kMethod))));

    const QString path = settings.value(key::kDescriptorFile).toString();
    if (!path.isEmpty()) {
        QFile file(path);
        interpretation::DescriptorSystem system;
        // A file that has gone or gone bad since is left out, not reported
        // at every opening.
        if (file.open(QIODevice::ReadOnly)
            && interpretation::parseDescriptorFile(file.readAll().toStdString(), system).empty()) {
            m_custom = std::move(system);
            m_customPath = path;
        }
    }
    fillDescriptorBox();
    const int chosen = m_descriptors->findData(settings.value(key::kDescriptors));
    m_descriptorIndex = chosen >= 0 && chosen < m_descriptors->count() - 1 ? chosen : 0;
    m_descriptors->setCurrentIndex(m_descriptorIndex);
}

void ReportWnd::saveSettings() const
{
    QSettings settings;
    settings.setValue(key::kReliability, m_reliability->text());
    settings.setValue(key::kConfidence, m_confidence->currentData());
    settings.setValue(key::kMethod, m_method->currentData());
    settings.setValue(key::kDescriptors, m_descriptors->itemData(m_descriptorIndex));
    settings.setValue(key::kDescriptorFile, m_custom ? m_customPath : QString());
}

void ReportWnd::reliabilityFld_TextChanged()
{
    saveSettings();
    refresh();
}

void ReportWnd::descriptorBox_Activated(int index)
{
    if (m_descriptors->itemData(index).toString() != QLatin1String(kChooseFile)) {
        m_descriptorIndex = index;
        saveSettings();
        refresh();
        return;
    }
    // Until a file is read, the choice stays what it was.
    m_descriptors->setCurrentIndex(m_descriptorIndex);
    const QString path = fw::GetOpenFileName(this, QStringLiteral("Descriptor System"),
                                             QStringLiteral("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    const QString problem = loadDescriptorFile(path);
    if (!problem.isEmpty())
        fw::MsgBox(problem.toStdString());
}

QString ReportWnd::loadDescriptorFile(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("%1 could not be read: %2").arg(name, file.errorString());
    interpretation::DescriptorSystem system;
    const std::string problem = interpretation::parseDescriptorFile(file.readAll().toStdString(), system);
    if (!problem.empty())
        return QStringLiteral("%1 is not a descriptor system: %2").arg(name, qs(problem));
    m_custom = std::move(system);
    m_customPath = QFileInfo(path).absoluteFilePath();
    fillDescriptorBox();
    m_descriptorIndex = m_descriptors->findData(QString::fromLatin1(kCustom));
    m_descriptors->setCurrentIndex(m_descriptorIndex);
    saveSettings();
    refresh();
    return {};
}

const interpretation::DescriptorSystem &ReportWnd::chosenSystem() const
{
    const QString chosen = m_descriptors->itemData(m_descriptorIndex).toString();
    if (chosen == QLatin1String(kCustom) && m_custom)
        return *m_custom;
    if (const interpretation::DescriptorSystem *system = interpretation::findSystem(chosen.toStdString()))
        return *system;
    return interpretation::builtInSystems().front();
}

std::optional<interpretation::IntervalSettings> ReportWnd::readInterval()
{
    const QString text = m_reliability->text().trimmed();
    QString problem;
    interpretation::IntervalSettings settings;
    if (!text.isEmpty()) {
        settings.reliability = text.toDouble();
        settings.confidence = m_confidence->currentData().toInt();
        settings.method = m_method->currentIndex() == 0 ? interpretation::Method::TrueScore
                                                        : interpretation::Method::Obtained;
        if (!isPlainNumber(text))
            problem = QStringLiteral("The reliability must be a number between 0 and 1, such as .90.");
        else if (!interpretation::checkReliability(settings.reliability).empty())
            problem = QStringLiteral("The reliability must be greater than 0 and less than 1.");
    }
    const bool invalid = !problem.isEmpty();
    m_reliabilityError->setText(invalid ? problem + QStringLiteral(" No interval is shown.") : QString());
    m_reliabilityError->setVisible(invalid);
    m_reliability->setAccessibleDescription(invalid ? problem : QString());
    if (invalid != m_reliabilityMarked) {
        // Only on a change: a style sheet restyles the field, which takes time.
        m_reliabilityMarked = invalid;
        m_reliability->setStyleSheet(invalid ? QStringLiteral("QLineEdit { border: 2px solid #B00020; }")
                                             : QString());
    }
    if (text.isEmpty() || invalid)
        return std::nullopt;
    return settings;
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
    registerMenuHandler(item::kCopyTable, [this] { return _CopyTableAction_Action(); });
    registerMenuHandler(item::kCopySentence, [this] { return _CopySentenceAction_Action(); });
    registerMenuHandler(item::kSavePicture, [this] { return _SavePictureAction_Action(); });
    registerMenuHandler(item::kPrintReport, [this] { return _PrintReportAction_Action(); });
}

// Control and About as in the other windows; the Report items only with a
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
    enable("AboutMenuItem", true);
    for (const char *name : {item::kCopyTable, item::kCopySentence, item::kSavePicture, item::kPrintReport})
        enable(name, m_facts.has_value());
}

} // namespace report
