#include "battery_window/battery_settings.h"

#include "battery_window/words.h"
#include "profile/unusual.h"
#include "report_window/core_words.h"
#include "text/small_file.h"

#include <QFileInfo>
#include <QSettings>

#include <cmath>

namespace battery {

namespace {

// As the settings file keeps them, in profile::ChangeMethod's order.
const char *const kChangeMethods[] = {"auto", "jt", "srb", "cg"};

namespace key {
const char *const kMetric = "battery/metric";
const char *const kAlpha = "battery/alpha";
const char *const kBonferroni = "battery/bonferroni";
const char *const kCorrelations = "battery/correlations";
const char *const kChangeMethod = "battery/changeMethod";
const char *const kPairsCorrection = "battery/pairsCorrection";
const char *const kLowCutoff = "battery/lowCutoff";
// The Score Report's: one choice for both windows.
const char *const kConfidence = "report/confidence";
const char *const kMethod = "report/method";
const char *const kDescriptors = "report/descriptors";
const char *const kDescriptorFile = "report/descriptorFile";
} // namespace key

bool isOffered(double alpha)
{
    for (double offered : kAlphas)
        if (std::fabs(offered - alpha) < 1e-9)
            return true;
    return false;
}

QString readSmall(const QString &path, std::string &contents, size_t limit = text::kSmallFileLimit)
{
    text::SmallFileProblem why;
    if (text::readSmallFile(QFileInfo(path).absoluteFilePath().toStdString(), contents, why, limit))
        return {};
    return Words::tr("%1 could not be read: %2.").arg(QFileInfo(path).fileName(), report::problemWords(why));
}

} // namespace

BatterySettings BatterySettings::load()
{
    const QSettings stored;
    BatterySettings settings;
    if (const std::optional<profile::Metric> metric =
            profile::findMetric(stored.value(key::kMetric).toString().toStdString()))
        settings.metric = *metric;
    const double alpha = stored.value(key::kAlpha, settings.alpha).toDouble();
    if (isOffered(alpha))
        settings.alpha = alpha;
    settings.bonferroni = stored.value(key::kBonferroni, false).toBool();
    const int confidence = stored.value(key::kConfidence, settings.confidence).toInt();
    if (std::find(std::begin(kConfidences), std::end(kConfidences), confidence) != std::end(kConfidences))
        settings.confidence = confidence;
    if (stored.value(key::kMethod).toString() == QLatin1String("obtained"))
        settings.method = interpretation::Method::Obtained;
    const QString descriptors = stored.value(key::kDescriptors).toString();
    if (descriptors == QLatin1String("custom") || interpretation::findSystem(descriptors.toStdString()))
        settings.descriptors = descriptors;
    settings.descriptorFile = stored.value(key::kDescriptorFile).toString();
    settings.correlationsFile = stored.value(key::kCorrelations).toString();
    const QString method = stored.value(key::kChangeMethod).toString();
    for (int i = 0; i < int(std::size(kChangeMethods)); ++i)
        if (method == QLatin1String(kChangeMethods[i]))
            settings.changeMethod = profile::ChangeMethod(i);
    if (const std::optional<profile::PairsCorrection> correction =
            profile::findCorrection(stored.value(key::kPairsCorrection).toString().toStdString()))
        settings.pairsCorrection = *correction;
    const double cutoff = stored.value(key::kLowCutoff, settings.lowCutoff).toDouble();
    for (double offered : kLowCutoffs)
        if (std::fabs(offered - cutoff) < 1e-9)
            settings.lowCutoff = offered;
    return settings;
}

void BatterySettings::save() const
{
    QSettings stored;
    stored.setValue(key::kMetric, QString::fromUtf8(profile::metricColumn(metric).data(),
                                                    qsizetype(profile::metricColumn(metric).size())));
    stored.setValue(key::kAlpha, alpha);
    stored.setValue(key::kBonferroni, bonferroni);
    stored.setValue(key::kConfidence, confidence);
    stored.setValue(key::kMethod, method == interpretation::Method::Obtained ? QStringLiteral("obtained")
                                                                              : QStringLiteral("true-score"));
    stored.setValue(key::kDescriptors, descriptors);
    stored.setValue(key::kDescriptorFile, descriptorFile);
    stored.setValue(key::kCorrelations, correlationsFile);
    stored.setValue(key::kChangeMethod, QLatin1String(kChangeMethods[int(changeMethod)]));
    const std::string_view correction = profile::correctionColumn(pairsCorrection);
    stored.setValue(key::kPairsCorrection, QString::fromUtf8(correction.data(), qsizetype(correction.size())));
    stored.setValue(key::kLowCutoff, lowCutoff);
}

QString readDescriptorFile(const QString &path, interpretation::DescriptorSystem &out)
{
    std::string contents;
    if (const QString problem = readSmall(path, contents); !problem.isEmpty())
        return problem;
    interpretation::DescriptorSystem system;
    const interpretation::DescriptorFileProblem problem = interpretation::readDescriptorSystem(contents, system);
    if (problem.kind != interpretation::DescriptorFileProblem::Kind::None)
        return Words::tr("%1 is not a descriptor system: %2").arg(QFileInfo(path).fileName(),
                                                                   report::problemWords(problem));
    out = std::move(system);
    return {};
}

QString readCorrelationFile(const QString &path, profile::Correlations &out)
{
    std::string contents;
    if (const QString problem = readSmall(path, contents, profile::Correlations::kFileLimit); !problem.isEmpty())
        return problem;
    profile::CorrelationError error;
    if (!profile::Correlations::parse(contents, out, error))
        return Words::correlationProblem(QFileInfo(path).fileName(), error);
    return {};
}

profile::Settings coreSettings(const BatterySettings &settings, const interpretation::DescriptorSystem &system)
{
    profile::Settings core;
    core.metric = settings.metric;
    core.alpha = settings.alpha;
    core.bonferroni = settings.bonferroni;
    core.confidence = settings.confidence;
    core.method = settings.method;
    core.descriptors = system;
    core.changeMethod = settings.changeMethod;
    core.pairsCorrection = settings.pairsCorrection;
    core.lowCutoff = settings.lowCutoff;
    return core;
}

QString metricName(profile::Metric metric)
{
    return report::scaleTitle(profile::metricScale(metric));
}

} // namespace battery
