// The printed Score Report: the identification on every page, a title,
// where the score came from, the picture, the table, the sentence and the
// Method section, flowing over as many pages as they need.
#pragma once

#include "report_window/identification.h"
#include "report_window/report_text.h"

#include <memory>

class QPrinter;

namespace fw {
class PrintedDocument;
}

namespace report {

class CurvePicture;

std::unique_ptr<fw::PrintedDocument> reportDocument(const ReportFacts &facts, const Identification &id,
                                                    const CurvePicture &picture);

// False when the printer could not be drawn on.
bool printReport(QPrinter &printer, const ReportFacts &facts, const Identification &id,
                 const CurvePicture &picture);

// The Method section's opening lines and paragraphs for the report.
QStringList methodOpening(const ReportFacts &facts);
QStringList methodParagraphs(const ReportFacts &facts);

} // namespace report
