// The Score Report's parameters: reliability, confidence, method and
// descriptor system, remembered between runs, and what they make of the
// interval and the labels.
#include "report_window/report_wnd.h"

#include "framework/file_dialog.h"
#include "framework/message_box.h"

#include <QComboBox>
#include <QFile>
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

} // namespace

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
        else if (const std::string why = interpretation::checkReliability(settings.reliability);
                 !why.empty())
            problem = QString::fromStdString(why);
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

} // namespace report
