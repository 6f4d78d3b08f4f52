// The printed Score Report: one page with a title, where the score came
// from, the picture, the table and the sentence.
#pragma once

#include "report_window/report_text.h"

class QPrinter;

namespace report {

class CurvePicture;

// False when the printer could not be drawn on.
bool printReport(QPrinter &printer, const ReportFacts &facts, const CurvePicture &picture);

} // namespace report
