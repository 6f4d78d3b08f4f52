// The Battery Sheet's printed report, one to two pages for a battery of a
// dozen scores: who and when at the top of every page, the profile chart,
// the scores, the significant differences, strengths and weaknesses,
// change, the composites, and a Method section stating the settings and
// the formulas with their references. Blocks move whole to the next page
// rather than be cut.
#pragma once

#include "battery_window/sheet_results.h"
#include "report_window/identification.h"

#include <QString>

#include <memory>

class QPrinter;

namespace fw {
class PrintedDocument;
}

namespace battery {

struct BatteryReport {
    const Sheet *sheet = nullptr;
    const SheetResults *results = nullptr;
    profile::Settings settings;
    QString descriptorName;   // "AACN", or the custom file's name
    QString correlationsFile; // its name; empty for none
};

report::Identification identificationOf(const Sheet &sheet);
Identification sheetIdentification(const report::Identification &id);

std::unique_ptr<fw::PrintedDocument> batteryDocument(const BatteryReport &report);

// False when the printer could not be drawn on; pages, when given, gets
// the number printed.
bool printBattery(QPrinter &printer, const BatteryReport &report, int *pages = nullptr);

// The PDF's suggested name: "<code>-<date>.pdf".
QString suggestedPdfName(const Sheet &sheet);

} // namespace battery
