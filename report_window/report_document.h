// Printed pages as both reports print them: the identification heads every
// page, the footer gives the program's version, the date printed and
// "page n of m", and the PDF is titled with the report and the person. The
// Battery Sheet builds its report from these as the Score Report does.
//
//   auto doc = identifiedDocument(tr("Battery Sheet"), id, tr("Battery"));
//   addHeading(*doc, tr("Battery Sheet"), Heading::Title);
//   doc->add(std::make_unique<fw::PictureBlock>(paintChart, 0.6));
//   doc->addTable(table, kSpace);
//   addMethodSection(*doc, paragraphs, sources);
//   doc->print(printer);
#pragma once

#include "framework/printed_document.h"
#include "interpretation/explanation.h"
#include "report_window/identification.h"

#include <memory>
#include <vector>

namespace report {

// Sizes in points.
constexpr double kBodyPoints = 10.5;
constexpr double kTablePoints = 9.5;
constexpr double kPicturePoints = 8;
constexpr double kSpace = 12;

std::unique_ptr<fw::PrintedDocument> identifiedDocument(const QString &title, const Identification &id,
                                                        const QString &testCaption);

enum class Heading { Title, Section };
void addHeading(fw::PrintedDocument &document, const QString &text, Heading level);
// Rich text in the body size.
void addParagraph(fw::PrintedDocument &document, const QString &html, double points = kBodyPoints);

// "Method": the opening lines (settings), the paragraphs of the
// explanations (report::explanationParagraphs), each once, then the
// references of the sources they cite.
void addMethodSection(fw::PrintedDocument &document, const QStringList &opening, const QStringList &paragraphs,
                      const std::vector<interpretation::Source> &sources);

// "Quintaval 1.2.0 · printed 2026-12-06".
QString footerText();

} // namespace report
