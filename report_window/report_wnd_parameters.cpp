// The Score Report's parameters: reliability, confidence, method and
// descriptor system, and what they make of the interval and the labels.
// All but the reliability, a property of the test given, are remembered
// between runs.
#include "report_window/report_wnd.h"

#include "report_window/core_words.h"
#include "report_window/report_numbers.h"
#include "framework/file_dialog.h"
#include "framework/language.h"
#include "framework/message_box.h"
#include "framework/settings_store.h"
#include "framework/status_line.h"
#include "text/small_file.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSettings>

namespace report {

namespace {

constexpr int kConfidences[] = {68, 90, 95, 99};
constexpr int kDefaultConfidence = 95;
const char *const kChooseFile = "choose";
const char *const kCustom = "custom";

namespace key {
const char *const kReliability = "report/reliability"; // stored by earlier releases; removed
const char *const kConfidence = "report/confidence";
const char *const kMethod = "report/method";
const char *const kDescriptors = "report/descriptors";
const char *const kDescriptorFile = "report/descriptorFile";
} // namespace key

const char *const kReliabilityTip = QT_TRANSLATE_NOOP(
    "report::ReportWnd",
    "The reliability coefficient of the test, a number between 0 and 1 such as %1. "
    "Leave it empty for no confidence interval.");
const char *const kConfidenceTip = QT_TRANSLATE_NOOP(
    "report::ReportWnd",
    "How sure the interval is meant to be: the share of intervals made this way that hold "
    "the true score.");
const char *const kMethodTip = QT_TRANSLATE_NOOP(
    "report::ReportWnd",
    "True score centres the interval on the estimated true score, drawn towards the mean; "
    "Obtained score centres it on the score itself, with the standard error of measurement.");
const char *const kDescriptorTip = QT_TRANSLATE_NOOP(
    "report::ReportWnd",
    "The system of labels that names the range a score lies in. Custom\u2026 reads one from a "
    "CSV file with the header from,label.");

QString qs(const std::string &text)
{
    return QString::fromStdString(text);
}

// The file's system, or why it cannot be had: read as the batch tool reads
// it, a regular file of at most 1 MB, without waiting on a pipe.
QString readDescriptorFile(const QString &path, interpretation::DescriptorSystem &system)
{
    const QString name = QFileInfo(path).fileName();
    std::string contents;
    text::SmallFileProblem unread;
    if (!text::readSmallFile(QFile::encodeName(path).toStdString(), contents, unread))
        return ReportWnd::tr("%1 could not be read: %2").arg(name, problemWords(unread));
    const interpretation::DescriptorFileProblem problem = interpretation::readDescriptorSystem(contents, system);
    if (problem.kind != interpretation::DescriptorFileProblem::Kind::None)
        return ReportWnd::tr("%1 is not a descriptor system: %2").arg(name, problemWords(problem));
    return {};
}

// A decimal number written plainly with the locale's mark: "0.9", ".90",
// "1" (",90" where the mark is a comma). Exponents, signs, "nan" and "inf"
// are not reliabilities anyone types.
bool isPlainNumber(const QString &text)
{
    static QChar mark;
    static QRegularExpression plain;
    if (mark != fw::decimalMark()) {
        mark = fw::decimalMark();
        const QString escaped = QRegularExpression::escape(QString(mark));
        plain.setPattern(QStringLiteral("^(\\d+%1?\\d*|%1\\d+)$").arg(escaped));
    }
    return plain.match(text).hasMatch();
}

} // namespace

void ReportWnd::createParameterRow()
{
    QWidget *area = content();
    m_reliability = new QLineEdit(area);
    m_reliability->setObjectName(QStringLiteral("reliabilityFld"));
    // The example as the locale writes it: ".90", ",90".
    const QString example = proportion(0.9);
    m_reliability->setPlaceholderText(tr("e.g. %1").arg(example));
    m_reliability->setToolTip(tr(kReliabilityTip).arg(example));
    m_reliability->setMaximumWidth(90);
    // However small the window, the hint and a typed ".955" stay whole.
    const QFontMetrics metrics = m_reliability->fontMetrics();
    const int text = std::max(metrics.horizontalAdvance(m_reliability->placeholderText()),
                              metrics.horizontalAdvance(QStringLiteral("0.955")));
    m_reliability->setMinimumWidth(std::min(90, text + 2 * metrics.averageCharWidth() + 8));

    m_confidence = new QComboBox(area);
    m_confidence->setObjectName(QStringLiteral("confidenceBox"));
    for (int level : kConfidences)
        m_confidence->addItem(tr("%1%").arg(level), level);
    m_confidence->setToolTip(tr(kConfidenceTip));

    m_method = new QComboBox(area);
    m_method->setObjectName(QStringLiteral("methodBox"));
    m_method->addItem(tr("True score"), QStringLiteral("true-score"));
    m_method->addItem(tr("Obtained score"), QStringLiteral("obtained"));
    m_method->setToolTip(tr(kMethodTip));

    m_descriptors = new QComboBox(area);
    m_descriptors->setObjectName(QStringLiteral("descriptorBox"));
    m_descriptors->setToolTip(tr(kDescriptorTip));
    // A custom file's name widens the box, up to a point.
    m_descriptors->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    for (fw::StatusLine **line : {&m_reliabilityError, &m_descriptorError}) {
        *line = new fw::StatusLine(tr("Messages"), area);
        (*line)->setStyleSheet(QStringLiteral("color: #B00020;"));
        (*line)->hide();
    }
    m_reliabilityError->setObjectName(QStringLiteral("reliabilityErrorTxt"));
    m_descriptorError->setObjectName(QStringLiteral("descriptorErrorTxt"));
}

void ReportWnd::fillDescriptorBox()
{
    m_descriptors->clear();
    for (const interpretation::DescriptorSystem &system : interpretation::builtInSystems())
        m_descriptors->addItem(systemTitle(system), qs(system.key));
    if (!m_customPath.isEmpty()) {
        // A long name is shortened in its middle; the item's tip gives it whole.
        const QFontMetrics metrics = m_descriptors->fontMetrics();
        const QString name = metrics.elidedText(QFileInfo(m_customPath).fileName(), Qt::ElideMiddle,
                                                30 * metrics.averageCharWidth());
        m_descriptors->addItem(ReportWnd::tr("Custom: %1").arg(name), QString::fromLatin1(kCustom));
        m_descriptors->setItemData(m_descriptors->count() - 1, m_customPath, Qt::ToolTipRole);
    }
    m_descriptors->addItem(ReportWnd::tr("Custom\u2026"), QString::fromLatin1(kChooseFile));
    m_descriptors->setMinimumWidth(m_descriptors->sizeHint().width());
}

void ReportWnd::restoreSettings()
{
    const QSettings settings;
    const int confidence = settings.value(key::kConfidence, kDefaultConfidence).toInt();
    const int at = m_confidence->findData(confidence);
    m_confidence->setCurrentIndex(at >= 0 ? at : m_confidence->findData(kDefaultConfidence));
    m_method->setCurrentIndex(std::max(0, m_method->findData(settings.value(key::kMethod))));

    const QString path = settings.value(key::kDescriptorFile).toString();
    if (!path.isEmpty())
        readStoredDescriptorFile(path);
    fillDescriptorBox();
    const int chosen = m_descriptors->findData(settings.value(key::kDescriptors));
    m_descriptorIndex = chosen >= 0 && chosen < m_descriptors->count() - 1 ? chosen : 0;
    m_descriptors->setCurrentIndex(m_descriptorIndex);
}

// A file gone or gone bad since it was chosen stays the choice, and the
// window says why its labels are not used; choosing Custom… or the file's
// entry again reads it anew.
void ReportWnd::readStoredDescriptorFile(const QString &path)
{
    m_customPath = path;
    interpretation::DescriptorSystem system;
    m_customProblem = readDescriptorFile(path, system);
    if (m_customProblem.isEmpty())
        m_custom = std::move(system);
    else
        m_custom.reset();
}

void ReportWnd::saveSettings() const
{
    QSettings settings;
    settings.remove(QLatin1String(key::kReliability));
    settings.setValue(key::kConfidence, m_confidence->currentData());
    settings.setValue(key::kMethod, m_method->currentData());
    settings.setValue(key::kDescriptors, m_descriptors->itemData(m_descriptorIndex));
    settings.setValue(key::kDescriptorFile, m_customPath);
    fw::commitSettings(settings);
}

void ReportWnd::reliabilityFld_TextChanged()
{
    refresh();
}

void ReportWnd::descriptorBox_Activated(int index)
{
    const QString chosen = m_descriptors->itemData(index).toString();
    if (chosen != QLatin1String(kChooseFile)) {
        if (chosen == QLatin1String(kCustom) && !m_custom)
            readStoredDescriptorFile(m_customPath); // perhaps it is back
        m_descriptorIndex = index;
        saveSettings();
        refresh();
        return;
    }
    // Until a file is read, the choice stays what it was.
    m_descriptors->setCurrentIndex(m_descriptorIndex);
    const QString path = fw::GetOpenFileName(this, ReportWnd::tr("Descriptor System"),
                                             ReportWnd::tr("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    const QString problem = loadDescriptorFile(path);
    if (!problem.isEmpty())
        fw::MsgBox(problem.toStdString());
}

QString ReportWnd::loadDescriptorFile(const QString &path)
{
    interpretation::DescriptorSystem system;
    const QString problem = readDescriptorFile(path, system);
    if (!problem.isEmpty())
        return problem;
    m_custom = std::move(system);
    m_customPath = QFileInfo(path).absoluteFilePath();
    m_customProblem.clear();
    fillDescriptorBox();
    m_descriptorIndex = m_descriptors->findData(QString::fromLatin1(kCustom));
    m_descriptors->setCurrentIndex(m_descriptorIndex);
    saveSettings();
    refresh();
    return {};
}

// A chosen file that cannot be read leaves AACN's labels (showDescriptorProblem).
const interpretation::DescriptorSystem &ReportWnd::chosenSystem() const
{
    const QString chosen = m_descriptors->itemData(m_descriptorIndex).toString();
    const bool fileChosen = chosen == QLatin1String(kCustom);
    if (fileChosen && m_custom)
        return *m_custom;
    if (const interpretation::DescriptorSystem *system = interpretation::findSystem(chosen.toStdString()))
        return *system;
    return interpretation::builtInSystems().front();
}

void ReportWnd::showDescriptorProblem()
{
    const bool unreadable = m_descriptors->itemData(m_descriptorIndex).toString() == QLatin1String(kCustom)
        && !m_custom;
    m_descriptorError->setVisible(unreadable); // shown first: a hidden line is not heard
    m_descriptorError->setMessage(unreadable ? ReportWnd::tr("%1 The labels are AACN's until it can be read; choose it "
                                               "again from Descriptors to read it anew.")
                                                .arg(m_customProblem)
                                          : QString());
}

std::optional<interpretation::IntervalSettings> ReportWnd::readInterval()
{
    const QString text = m_reliability->text().trimmed();
    QString problem;
    interpretation::IntervalSettings settings;
    if (!text.isEmpty()) {
        settings.reliability = QString::fromStdString(fw::coreNumber(text)).toDouble();
        settings.confidence = m_confidence->currentData().toInt();
        settings.method = m_method->currentIndex() == 0 ? interpretation::Method::TrueScore
                                                        : interpretation::Method::Obtained;
        if (!isPlainNumber(text))
            problem = ReportWnd::tr("The reliability must be a number between 0 and 1, such as %1.")
                          .arg(proportion(0.9));
        // Judged as written: .99999999999999999999 is below 1 though its double is not.
        else if (const std::string why = interpretation::checkReliability(fw::coreNumber(text));
                 !why.empty())
            problem = coreMessage(why);
    }
    const bool invalid = !problem.isEmpty();
    m_reliabilityError->setVisible(invalid);
    m_reliabilityError->setMessage(invalid ? ReportWnd::tr("%1 No interval is shown.").arg(problem) : QString());
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

} // namespace report
