// How a figure was reached, in words: the cores' explanations written out
// with the numbers put in, for an explanation pane and a printed Method
// section. The Score Report and the Battery Sheet both word them here, so
// a figure reads the same wherever it is explained.
#pragma once

#include "interpretation/explanation.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace report {

// What the scores an explanation's terms point at (Term::score) are
// called, in the caller's words.
struct Naming {
    std::function<QString(int score)> given;  // the scale a score was given on: "Wechsler IQ", "raw score"
    std::function<QString(int score)> metric; // the scale a figure is shown on: "T"
    QString system;                           // the descriptor system: "AACN"
    std::function<QString(const std::string &label)> label; // a band's label as shown; unset: as given
};

// Paragraphs of rich text, in order: one for each explanation, a few for an
// interval's two bounds (its centre, standard error, critical value and
// bounds) and for a descriptor (standard score, band).
QStringList explanationParagraphs(const std::vector<interpretation::Explanation> &explanations,
                                  const Naming &naming);

// A heading and the paragraphs as one rich-text document.
QString explanationHtml(const QString &heading, const std::vector<interpretation::Explanation> &explanations,
                        const Naming &naming);

// "Kelley, 1927", "Payne & Jones, 1957", "Guilmette et al., 2020"; empty
// for Source::None.
QString citation(interpretation::Source source);
// "Kelley, T. L. (1927). Interpretation of educational measurements. ..."
QString referenceText(interpretation::Source source);

// The references of these sources as a reference list orders them.
QStringList referenceList(std::vector<interpretation::Source> sources);

} // namespace report
