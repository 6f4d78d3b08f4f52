// How a figure was reached, in the Battery Sheet's words: the core's
// explanation (formula, inputs, steps, result, source) written out as rich
// text for the explanation pane, with the scores named.
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

    // "Standard error of a difference" and its written form, as rich text.
    static QString formulaName(interpretation::Formula formula);
    static QString formulaText(interpretation::Formula formula);
    // "Gulliksen (1950)", or within parentheses "Gulliksen, 1950"; empty for none.
    static QString citation(interpretation::Source source, bool parenthetical = false);
    // As a reference list gives it.
    static QString reference(interpretation::Source source);

private:
    static QString quantityName(interpretation::Quantity quantity);
    static QString symbol(interpretation::Quantity quantity);
    static QString value(const interpretation::Term &term);
    static QString decision(interpretation::Formula formula, double value);
    static QString whose(const interpretation::Term &term, const NameOf &nameOf);
};

} // namespace battery
