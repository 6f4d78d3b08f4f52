// What the profile chart shows, from the sheet's results: the window, the
// picture files and the printed page draw the same.
#pragma once

#include "battery_window/profile_chart.h"
#include "battery_window/sheet_results.h"

namespace battery {

ChartData chartData(const SheetResults &results, const profile::Settings &settings);

// The chart in words, for screen readers and SVG readers: each score with
// its value, interval and mark.
QString chartDescription(const SheetResults &results, const profile::Settings &settings);

} // namespace battery
