// How a figure of a profile was reached, in the Battery Sheet's words: the
// core's explanation (formula, inputs, steps, result, source) written out
// as rich text for the explanation pane, with the scores named. A single
// score's formulas (its z, its place on the metric, percentile rank,
// descriptor and interval) are worded as the Score Report words them
// (report::explanationHtml); citations and references are the report's too.
#pragma once

#include "interpretation/explanation.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <vector>

namespace battery {

class ExplanationText {
    Q_DECLARE_TR_FUNCTIONS(battery::ExplanationText)

public:
    // The name of the score of that index (an entry of the profile).
    using NameOf = std::function<QString(int entry)>;

    // heading: what the figure is ("Vocabulary: 95% low"). Rich text.
    static QString html(const QString &heading, const interpretation::Explanation &explanation, const NameOf &nameOf);
    // Whether the Score Report words this explanation: one score's figure.
    static bool isReportWorded(const interpretation::Explanation &explanation);

    // "Standard error of a difference" and its written form, as rich text.
    static QString formulaName(interpretation::Formula formula);
    static QString formulaText(interpretation::Formula formula);

private:
    static QString quantityName(interpretation::Quantity quantity);
    static QString symbol(interpretation::Quantity quantity);
    static QString value(const interpretation::Term &term);
    static QString decision(interpretation::Formula formula, double value);
    static QString whose(const interpretation::Term &term, const NameOf &nameOf);
};

} // namespace battery
