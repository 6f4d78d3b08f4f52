// The words of the Score Report: where the score came from, the sentence
// that explains it, and how each figure was reached. Everything is built
// from the converter's score and the core's interpretation of it; no number
// is computed here. Numbers are written as a report writes them
// (report_numbers.h).
#pragma once

#include "converter_window/score_feed.h"
#include "interpretation/explain.h"
#include "interpretation/interpretation.h"
#include "report_window/explanation_words.h"

#include <QString>

#include <optional>

namespace report {

struct ReportFacts {
    CalculatedScore score;
    interpretation::Interpretation reading;
    interpretation::DescriptorSystem system;
    QString systemName;      // "AACN", or the file a custom system came from
    QString reliabilityText; // as typed, written as the report writes numbers; only with an interval
    std::optional<interpretation::IntervalSettings> interval;
    double confidence = 95;
    interpretation::Method method = interpretation::Method::TrueScore;
};

// "1st", "2nd", "3rd", "11th", "22nd", "99.7th", "0.1st" from the number
// as a core writes it; in German the number alone, with its decimal mark.
QString ordinal(const QString &number);

// "Wechsler IQ 115", "raw score 23 (mean 20, sd 4)", "percentile 84".
QString sourceText(const CalculatedScore &score);
// Short, for the picture: "IQ 115", "Raw 23", "PR 84"; empty for a z
// score, which the picture names by its z.
QString markerText(const CalculatedScore &score);

// The scale the report states a score and its interval on: the one it came
// in on, or the Wechsler metric for a raw score or a percentile.
interpretation::ScaleId statedScale(const CalculatedScore &score);

QString sentence(const ReportFacts &facts);

// Whether a score or bound is held at its scale's bound ("*"), and the
// legend that says what the mark means.
bool hasMarkedScore(const ReportFacts &facts);
// An estimated true score (z) on a row's scale, kept on that scale: a band
// scale (stanine, sten) shows the band it falls in, a value beyond the
// range its bound marked "*". Linear scales carry a decimal more than their
// whole scores, two on z's. In page style.
struct TrueScoreText {
    QString text;
    bool marked = false;
};
TrueScoreText trueScoreShown(interpretation::ScaleId scale, double z);
extern const char *const kMarkLegend;

// The score given, as the explanations take it.
interpretation::Given givenOf(const CalculatedScore &score);

// How the figure of a row of the table was reached: the scales in
// ScaleId order, then the descriptor (row kScaleIdCount).
interpretation::Explanations rowExplanation(const ReportFacts &facts, int row);
// What those explanations' scores are called (explanation_words.h).
Naming naming(const ReportFacts &facts);
// "Wechsler IQ 115", "Descriptor High Average": what the row's figure is.
QString rowHeading(const ReportFacts &facts, int row);

} // namespace report
