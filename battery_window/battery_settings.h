// The Battery Sheet's settings as they are remembered between runs: the
// common metric, alpha and Bonferroni of its own; confidence, interval
// method and descriptor system shared with the Score Report (one choice for
// both windows); the correlation file last loaded. The window and the
// command line's PDF read them alike. Nothing about a person is kept here.
#pragma once

#include "profile/correlations.h"
#include "profile/profile.h"

#include <QString>

#include <optional>

namespace battery {

constexpr double kAlphas[] = {0.01, 0.05, 0.10, 0.15};
constexpr int kConfidences[] = {68, 90, 95, 99};
// Percentiles below which a score counts as low.
constexpr double kLowCutoffs[] = {2, 5, 10, 16};

struct BatterySettings {
    profile::Metric metric = profile::Metric::Wechsler;
    double alpha = 0.05;
    bool bonferroni = false;
    int confidence = 95;
    interpretation::Method method = interpretation::Method::TrueScore;
    QString descriptors = QStringLiteral("aacn"); // a built-in system's key, or "custom"
    QString descriptorFile;   // of the custom system
    QString correlationsFile;
    profile::ChangeMethod changeMethod = profile::ChangeMethod::Auto;
    profile::PairsCorrection pairsCorrection = profile::PairsCorrection::None;
    double lowCutoff = 5;

    static BatterySettings load();
    void save() const;
};

// Reads a descriptor system or a correlation matrix from a file; empty when
// read, otherwise why not, in the window's words.
QString readDescriptorFile(const QString &path, interpretation::DescriptorSystem &out);
QString readCorrelationFile(const QString &path, profile::Correlations &out);

// What the core is asked with; `system` the descriptor system chosen.
profile::Settings coreSettings(const BatterySettings &settings, const interpretation::DescriptorSystem &system);

// The metric's name as reports write it: "Wechsler IQ", "T", "Scaled score", "z".
QString metricName(profile::Metric metric);

} // namespace battery
