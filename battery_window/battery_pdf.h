// The Battery Sheet's report written to a PDF file without a window: for
// Export PDF… and for `quintaval --battery FILE --pdf OUT.pdf`, which uses
// the settings the Battery Sheet last had.
#pragma once

#include "battery_window/battery_page.h"

#include <QString>

namespace battery {

// Empty when written; otherwise why not. Written whole or not at all.
QString exportPdf(const BatteryReport &report, const QString &path);

// Reads the battery file, works its figures out with the remembered
// settings and correlations, and writes the report. Empty when written;
// otherwise why not.
QString batteryFileToPdf(const QString &file, const QString &pdf);

} // namespace battery
