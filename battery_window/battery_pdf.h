// The Battery Sheet's report written to a PDF file without a window: for
// Export PDF… and for `quintaval --battery FILE --pdf OUT.pdf`, which uses
// the settings the Battery Sheet last had unless its options say otherwise.
#pragma once

#include "battery_window/battery_page.h"
#include "text/read_files.h"

#include <QString>

#include <optional>
#include <vector>

namespace battery {

// Empty when written; otherwise why not. Each report from a new page with
// its own page numbers. Written whole or not at all, never onto one of
// `reads`; `refused` tells the caller it was one of them.
QString exportPdf(const std::vector<BatteryReport> &reports, const QString &path, const text::ReadFiles &reads,
                  bool *refused = nullptr, bool waitForReader = false);

// The same as an OpenDocument text made to be edited, with the PDF's words
// and figures.
QString exportOdt(const std::vector<BatteryReport> &reports, const QString &path, const text::ReadFiles &reads,
                  bool *refused = nullptr, bool waitForReader = false);

// The PDF's suggested name with the document's suffix.
QString suggestedOdtName(const Sheet &sheet);

// What the command line asks for; each option left unset takes the stored
// setting.
struct PdfRequest {
    QString battery, pdf;
    bool odt = false; // pdf names an OpenDocument text to write
    std::optional<QString> person; // only this person's report
    std::optional<profile::Metric> metric;
    std::optional<double> alpha;
    bool bonferroni = false; // on; unset keeps the stored choice
    std::optional<double> confidence;
    std::optional<interpretation::Method> method;
    std::optional<profile::ChangeMethod> changeMethod;
    std::optional<profile::PairsCorrection> pairsCorrection;
    std::optional<double> lowCutoff; // percentile, 0 < P < 50
    std::optional<QString> descriptors; // a built-in system's key or a file
    std::optional<QString> correlations;
};

struct PdfOutcome {
    int status = 0;  // 0 written, 1 a file cannot be read or written, 2 a usage error
    QString message; // why not, when not
};

// Reads the battery file, works out the figures of every person in it (or
// of the one asked for) and writes their reports.
PdfOutcome batteryFileToPdf(const PdfRequest &request);

} // namespace battery
