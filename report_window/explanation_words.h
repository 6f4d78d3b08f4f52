// How a figure was reached, in words: the cores' explanations written out
// with the numbers put in, for the explanation pane and the printed Method
// section. Both windows' panes use these, so a figure reads the same
// wherever it is explained.
#pragma once

#include "interpretation/explanation.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace report {

// One paragraph of rich text per step; the two bounds of an interval, and
// the percentile ranks of both, make one paragraph each.
QStringList explanationParagraphs(const interpretation::Explanation &explanation);

// A heading and the paragraphs as one rich-text document.
QString explanationHtml(const QString &heading, const interpretation::Explanation &explanation);

// "Kelley, 1927"; empty for Source::None.
QString citation(interpretation::Source source);
// The full reference, as a reference list gives it.
QString reference(interpretation::Source source);

// The sources these explanations cite, each once, in reference-list order.
std::vector<interpretation::Source> sourcesOf(const std::vector<interpretation::Explanation> &explanations);

} // namespace report
