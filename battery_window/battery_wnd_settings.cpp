// The Battery Sheet's settings: the common metric, confidence, interval
// method, descriptor system, alpha, Bonferroni and the correlations,
// remembered between runs; any change works the figures out again.
#include "battery_window/battery_wnd.h"

#include "battery_window/correlation_grid.h"
#include "battery_window/numbers.h"
#include "battery_window/scores_model.h"
#include "framework/file_dialog.h"
#include "framework/implicit_window.h"
#include "framework/message_box.h"
#include "report_window/core_words.h"
#include "text/text_routines.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include <cmath>

namespace battery {

namespace {

const char *const kChooseFile = "choose";
const char *const kCustom = "custom";

QString qs(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace

void BatteryWnd::createSettings()
{
    QWidget *area = content();
    m_metric = new QComboBox(area);
    m_metric->setObjectName(QStringLiteral("metricBox"));
    for (profile::Metric metric : profile::kMetrics) {
        const conversion::Scale &scale = interpretation::scaleRow(profile::metricScale(metric));
        m_metric->addItem(tr("%1 (mean %2, SD %3)")
                              .arg(metricName(metric), numbers::plain(scale.mean), numbers::plain(scale.sd)),
                          int(metric));
    }
    m_metric->setToolTip(tr("The scale every score is shown and compared on."));

    m_confidence = new QComboBox(area);
    m_confidence->setObjectName(QStringLiteral("confidenceBox"));
    for (int level : kConfidences)
        m_confidence->addItem(tr("%1%").arg(level), level);
    m_confidence->setToolTip(tr("How sure each interval is meant to be. Shared with the Score Report."));

    m_method = new QComboBox(area);
    m_method->setObjectName(QStringLiteral("methodBox"));
    m_method->addItem(tr("True score"), int(interpretation::Method::TrueScore));
    m_method->addItem(tr("Obtained score"), int(interpretation::Method::Obtained));
    m_method->setToolTip(tr("True score centres an interval on the estimated true score; Obtained score on "
                            "the score itself. Shared with the Score Report."));

    m_alpha = new QComboBox(area);
    m_alpha->setObjectName(QStringLiteral("alphaBox"));
    for (double alpha : kAlphas)
        m_alpha->addItem(numbers::proportion(alpha, 2), alpha);
    m_alpha->setToolTip(tr("The chance, two-tailed, of calling a difference, a strength or a weakness, or "
                           "a change real when it is not."));

    m_bonferroni = new QCheckBox(tr("&Bonferroni"), area);
    m_bonferroni->setObjectName(QStringLiteral("bonferroniBox"));
    m_bonferroni->setToolTip(tr("Divide alpha by the number of scores when finding strengths and weaknesses."));

    m_changeMethod = new QComboBox(area);
    m_changeMethod->setObjectName(QStringLiteral("changeMethodBox"));
    m_changeMethod->addItem(tr("Automatic"), int(profile::ChangeMethod::Auto));
    m_changeMethod->addItem(tr("RCI"), int(profile::ChangeMethod::JacobsonTruax));
    m_changeMethod->addItem(tr("SRB z"), int(profile::ChangeMethod::Srb));
    m_changeMethod->addItem(tr("Crawford-Garthwaite t"), int(profile::ChangeMethod::CrawfordGarthwaite));
    m_changeMethod->setToolTip(tr("What decides a reliable gain or loss. Automatic: the regression's t for a "
                                  "score with a retest study, the RCI without. The regression methods need "
                                  "the study's columns: its means and SDs at both testings, r12 and N."));

    m_pairsCorrection = new QComboBox(area);
    m_pairsCorrection->setObjectName(QStringLiteral("pairsCorrectionBox"));
    m_pairsCorrection->addItem(tr("No correction"), int(profile::PairsCorrection::None));
    m_pairsCorrection->addItem(tr("Bonferroni"), int(profile::PairsCorrection::Bonferroni));
    m_pairsCorrection->addItem(tr("Holm"), int(profile::PairsCorrection::Holm));
    m_pairsCorrection->setToolTip(tr("How the pairs of scores are tested as a family: Bonferroni divides alpha "
                                     "by the number of pairs; Holm's step-down correction finds at least as "
                                     "many differences."));

    m_lowCutoff = new QComboBox(area);
    m_lowCutoff->setObjectName(QStringLiteral("lowCutoffBox"));
    for (double cutoff : kLowCutoffs)
        m_lowCutoff->addItem(numbers::plain(cutoff), cutoff);
    m_lowCutoff->setToolTip(tr("A score is low when its percentile rank lies below this."));

    m_descriptors = new QComboBox(area);
    m_descriptors->setObjectName(QStringLiteral("descriptorsBox"));
    m_descriptors->setToolTip(tr("The labels that name the range a score lies in. Custom\u2026 reads them from "
                                 "a CSV file with the header from,label. Shared with the Score Report."));

    m_loadCorrelations = new QPushButton(tr("&Load Correlations\u2026"), area);
    m_loadCorrelations->setObjectName(QStringLiteral("correlationsBtn"));
    m_loadCorrelations->setToolTip(tr("Read the correlations between the scores from a CSV file: they give "
                                      "base rates and composites."));
    m_editCorrelations = new QPushButton(tr("Correlation &Grid\u2026"), area);
    m_editCorrelations->setObjectName(QStringLiteral("editCorrelationsBtn"));
    m_editCorrelations->setAccessibleName(tr("Edit correlations"));
    m_editCorrelations->setToolTip(tr("Type or paste the correlations between this sheet's scores and save "
                                      "them as a CSV file."));
    // Alt+V opens the View menu.
    m_forgetCorrelations = new QPushButton(tr("&Unload"), area);
    m_forgetCorrelations->setObjectName(QStringLiteral("forgetCorrelationsBtn"));
    m_forgetCorrelations->setAccessibleName(tr("Remove correlations"));
    m_forgetCorrelations->setToolTip(tr("Work on without the correlations."));
    m_correlationsText = new QLabel(area);
    m_correlationsText->setObjectName(QStringLiteral("correlationsTxt"));
    m_correlationsText->setWordWrap(true);

    for (QComboBox *box : {m_metric, m_confidence, m_method, m_alpha, m_changeMethod, m_pairsCorrection, m_lowCutoff})
        connect(box, &QComboBox::currentIndexChanged, this, [this] { settingsChanged(); });
    connect(m_bonferroni, &QCheckBox::toggled, this, [this] { settingsChanged(); });
    connect(m_descriptors, &QComboBox::activated, this, [this](int index) { descriptorBox_Activated(index); });
    connect(m_loadCorrelations, &QPushButton::clicked, this, [this] { correlationsBtn_Clicked(); });
    connect(m_editCorrelations, &QPushButton::clicked, this, [this] { editCorrelationsBtn_Clicked(); });
    connect(m_forgetCorrelations, &QPushButton::clicked, this, [this] { loadCorrelations(QString()); });
}

void BatteryWnd::applySettings(const BatterySettings &settings)
{
    m_applyingSettings = true;
    m_metric->setCurrentIndex(std::max(0, m_metric->findData(int(settings.metric))));
    m_confidence->setCurrentIndex(std::max(0, m_confidence->findData(settings.confidence)));
    m_method->setCurrentIndex(std::max(0, m_method->findData(int(settings.method))));
    for (int i = 0; i < m_alpha->count(); ++i)
        if (std::fabs(m_alpha->itemData(i).toDouble() - settings.alpha) < 1e-9)
            m_alpha->setCurrentIndex(i);
    m_bonferroni->setChecked(settings.bonferroni);
    m_changeMethod->setCurrentIndex(std::max(0, m_changeMethod->findData(int(settings.changeMethod))));
    m_pairsCorrection->setCurrentIndex(std::max(0, m_pairsCorrection->findData(int(settings.pairsCorrection))));
    for (int i = 0; i < m_lowCutoff->count(); ++i)
        if (std::fabs(m_lowCutoff->itemData(i).toDouble() - settings.lowCutoff) < 1e-9)
            m_lowCutoff->setCurrentIndex(i);
    // Files that have gone or gone bad since are left out, not reported at
    // every opening.
    if (!settings.descriptorFile.isEmpty()) {
        interpretation::DescriptorSystem system;
        if (readDescriptorFile(settings.descriptorFile, system).isEmpty()) {
            m_custom = std::move(system);
            m_customPath = settings.descriptorFile;
        }
    }
    fillDescriptorBox();
    const int chosen = m_descriptors->findData(settings.descriptors);
    m_descriptorIndex = chosen >= 0 && chosen < m_descriptors->count() - 1 ? chosen : 0;
    m_descriptors->setCurrentIndex(m_descriptorIndex);
    if (!settings.correlationsFile.isEmpty()
        && readCorrelationFile(settings.correlationsFile, m_correlations).isEmpty())
        m_correlationsPath = settings.correlationsFile;
    m_applyingSettings = false;
    m_core = coreSettings(chosenSettings(), chosenSystem());
}

BatterySettings BatteryWnd::chosenSettings() const
{
    BatterySettings settings;
    settings.metric = profile::Metric(m_metric->currentData().toInt());
    settings.confidence = m_confidence->currentData().toInt();
    settings.method = interpretation::Method(m_method->currentData().toInt());
    settings.alpha = m_alpha->currentData().toDouble();
    settings.bonferroni = m_bonferroni->isChecked();
    settings.pairsCorrection = profile::PairsCorrection(m_pairsCorrection->currentData().toInt());
    settings.lowCutoff = m_lowCutoff->currentData().toDouble();
    settings.descriptors = m_descriptors->itemData(m_descriptorIndex).toString();
    settings.descriptorFile = m_custom ? m_customPath : QString();
    settings.correlationsFile = m_correlationsPath;
    settings.changeMethod = profile::ChangeMethod(m_changeMethod->currentData().toInt());
    return settings;
}

void BatteryWnd::settingsChanged()
{
    if (m_applyingSettings)
        return;
    const BatterySettings settings = chosenSettings();
    settings.save();
    m_core = coreSettings(settings, chosenSystem());
    refresh();
}

void BatteryWnd::fillDescriptorBox()
{
    m_descriptors->clear();
    for (const interpretation::DescriptorSystem &system : interpretation::builtInSystems())
        m_descriptors->addItem(report::systemTitle(system), qs(system.key));
    if (m_custom)
        m_descriptors->addItem(tr("Custom: %1").arg(QFileInfo(m_customPath).fileName()), QString::fromLatin1(kCustom));
    m_descriptors->addItem(tr("Custom\u2026"), QString::fromLatin1(kChooseFile));
}

const interpretation::DescriptorSystem &BatteryWnd::chosenSystem() const
{
    const QString chosen = m_descriptors->itemData(m_descriptorIndex).toString();
    if (chosen == QLatin1String(kCustom) && m_custom)
        return *m_custom;
    if (const interpretation::DescriptorSystem *system = interpretation::findSystem(chosen.toStdString()))
        return *system;
    return interpretation::builtInSystems().front();
}

void BatteryWnd::descriptorBox_Activated(int index)
{
    if (m_descriptors->itemData(index).toString() != QLatin1String(kChooseFile)) {
        m_descriptorIndex = index;
        settingsChanged();
        return;
    }
    // Until a file is read, the choice stays what it was.
    m_descriptors->setCurrentIndex(m_descriptorIndex);
    const QString path = fw::GetOpenFileName(this, tr("Descriptor System"), tr("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    const QString problem = loadDescriptorFile(path);
    if (!problem.isEmpty())
        fw::MsgBox(problem.toStdString());
}

QString BatteryWnd::loadDescriptorFile(const QString &path)
{
    interpretation::DescriptorSystem system;
    if (const QString problem = readDescriptorFile(path, system); !problem.isEmpty())
        return problem;
    m_custom = std::move(system);
    m_customPath = QFileInfo(path).absoluteFilePath();
    fillDescriptorBox();
    m_descriptorIndex = m_descriptors->findData(QString::fromLatin1(kCustom));
    m_descriptors->setCurrentIndex(m_descriptorIndex);
    settingsChanged();
    return {};
}

void BatteryWnd::correlationsBtn_Clicked()
{
    const QString path = fw::GetOpenFileName(this, tr("Load Correlations"), tr("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    const QString problem = loadCorrelations(path);
    if (!problem.isEmpty())
        fw::MsgBox(problem.toStdString());
}

// The grid holds the sheet's scores as they are when it opens; a saved
// grid is loaded as any correlation file is.
void BatteryWnd::editCorrelationsBtn_Clicked()
{
    if (m_correlationGrid) {
        m_correlationGrid->Show();
        return;
    }
    const QStringList names = correlationNames();
    if (names.size() < 2) {
        fw::MsgBox(tr("Correlations need two scores with names on the sheet.").toStdString());
        return;
    }
    auto *grid = new CorrelationGrid(names, m_correlations, m_correlationsPath);
    // The correlation file in use may be saved over: that is the edit.
    grid->protectedFiles = [this] { return readFiles(true, false); };
    connect(grid, &CorrelationGrid::saved, this, [this](const QString &path) {
        if (const QString problem = loadCorrelations(path); !problem.isEmpty())
            fw::MsgBox(problem.toStdString());
    });
    m_correlationGrid = grid;
    fw::adoptWindow(grid);
}

// The names the grid shows: the sheet's scores with a name, each once.
QStringList BatteryWnd::correlationNames() const
{
    QStringList names;
    for (const profile::ScoreEntry &entry : m_results.sheetProfile.profile.entries) {
        const QString name = qs(entry.name).trimmed();
        bool seen = name.isEmpty();
        for (const QString &other : names)
            seen = seen || other.compare(name, Qt::CaseInsensitive) == 0;
        if (!seen)
            names << name;
    }
    return names;
}

QString BatteryWnd::loadCorrelations(const QString &path)
{
    if (path.isEmpty()) {
        m_correlations = profile::Correlations();
        m_correlationsPath.clear();
    } else {
        profile::Correlations read;
        if (const QString problem = readCorrelationFile(path, read); !problem.isEmpty())
            return problem; // the correlations in use stay
        m_correlations = std::move(read);
        m_correlationsPath = QFileInfo(path).absoluteFilePath();
    }
    settingsChanged();
    return {};
}

// The file, the pairs it gives, and those of them this sheet can use; the
// names it does not know are said, as a file for another battery would be.
void BatteryWnd::showCorrelations()
{
    const bool loaded = !m_correlationsPath.isEmpty();
    m_forgetCorrelations->setEnabled(loaded);
    if (!loaded) {
        m_correlationsText->setText(tr("No correlations: no base rates, no composites."));
        return;
    }
    const std::vector<profile::ScoreEntry> &entries = m_results.sheetProfile.profile.entries;
    int known = 0, pairs = 0;
    QStringList unknown;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (m_correlations.indexOf(entries[i].name) < 0 && !entries[i].name.empty() && unknown.size() < 4)
            unknown << qs(entries[i].name);
        for (std::size_t j = i + 1; j < entries.size(); ++j) {
            ++pairs;
            known += !std::isnan(m_correlations.between(entries[i].name, entries[j].name));
        }
    }
    const QString file = QFileInfo(m_correlationsPath).fileName();
    QString text = m_correlations.knownPairs() == 1
        ? tr("%1: 1 pair of scores").arg(file)
        : tr("%1: %2 pairs of scores").arg(file, QString::number(m_correlations.knownPairs()));
    text += known == pairs ? tr(", %1 of this sheet's %1.", "every pair known").arg(pairs)
                           : tr(", %1 of this sheet's %2.").arg(known).arg(pairs);
    if (!unknown.isEmpty())
        text += QLatin1Char(' ') + tr("Not in the file: %1.").arg(unknown.join(QStringLiteral(", ")));
    m_correlationsText->setText(text);
    m_correlationsText->setToolTip(m_correlationsPath);
}

} // namespace battery
