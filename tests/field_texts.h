// The ten field texts written as "raw=115;mean=100;sd=15", by the batch
// converter's column names; fields not named stay empty.
#pragma once

#include "conversion/agreement.h"
#include "conversion/calculate.h"
#include "text/text_routines.h"

#include <array>
#include <string>

#include <QStringList>

inline const QStringList kFieldNames = {"raw", "mean", "sd", "z", "t", "wechsler",
                                        "nce", "ceeb", "agct", "percentile"};

// The ten texts in the order of kFieldNames.
inline QStringList fieldList(const QString &record)
{
    QStringList texts(kFieldNames.size());
    for (const QString &cell : record.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype at = kFieldNames.indexOf(cell.section(QLatin1Char('='), 0, 0));
        if (at < 0)
            qFatal("unknown field in %s", qPrintable(cell));
        texts[at] = cell.section(QLatin1Char('='), 1);
    }
    return texts;
}

inline conversion::FieldTexts fieldsFrom(const QStringList &texts)
{
    conversion::FieldTexts fields;
    fields.raw = texts[0].toStdString();
    fields.rawMean = texts[1].toStdString();
    fields.rawSd = texts[2].toStdString();
    for (int position = conversion::Z; position <= conversion::Percentile; ++position)
        fields.score[size_t(position)] = texts[position + 2].toStdString();
    return fields;
}

inline conversion::FieldTexts fieldsFrom(const QString &record)
{
    return fieldsFrom(fieldList(record));
}

// Whether the standard scores among the texts (spaces around them, a sign
// and a mark "*" as a file may hold them) disagree, as the batch converter
// reads them: a score held at its bound is a result and counts for nothing.
inline bool scoresDisagree(const std::array<std::string, conversion::kScaleCount> &scores)
{
    std::array<std::string, conversion::kScaleCount> numbers;
    conversion::FieldTextViews views;
    for (int position = conversion::Z; position <= conversion::Percentile; ++position) {
        std::string text = scores[size_t(position)];
        const auto first = text.find_first_not_of(" \t");
        text = first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(" \t") - first + 1);
        if (!text.empty() && (text.back() == '*' || text[0] == '+'))
            text = text.back() == '*' ? std::string() : text.substr(1);
        numbers[size_t(position)] = text;
        views.score[size_t(position)] = numbers[size_t(position)];
    }
    return conversion::scoresDisagree(views).has_value();
}

struct RowConversion {
    conversion::Outcome outcome;
    bool disagree = false; // refused, as calculate() would convert it
};

// What quintaval-convert makes of a row's texts, read as a file holds them
// (spaces around them, a mark "*" after a result held at its bound): the
// window's refusals, then the agreement of two or more scores; with
// `settle`, as when it interprets without --from.
inline RowConversion convertRow(const conversion::FieldTexts &texts, bool settle = false)
{
    const auto trimmed = [](const std::string &text) {
        const auto first = text.find_first_not_of(" \t");
        return first == std::string::npos ? std::string_view()
                                          : std::string_view(text).substr(first, text.find_last_not_of(" \t") - first + 1);
    };
    conversion::FieldTextViews views{trimmed(texts.raw), trimmed(texts.rawMean), trimmed(texts.rawSd), {}};
    conversion::HeldSides held{};
    for (int position = conversion::Z; position <= conversion::Percentile; ++position) {
        std::string_view text = trimmed(texts.score[size_t(position)]);
        if (!text.empty() && text.back() == '*') {
            const double value = text::Val(text.substr(0, text.size() - 1));
            const conversion::Scale &scale = conversion::kScales[position];
            held[size_t(position)] = value <= scale.lowest ? -1 : value >= scale.highest ? 1 : 0;
            text = {};
        }
        views.score[size_t(position)] = text;
    }
    conversion::Calculation calculation, scratch;
    RowConversion row;
    row.disagree = conversion::calculateRow(views, held, settle, calculation, scratch).has_value();
    conversion::Outcome &out = row.outcome;
    out.refused = calculation.refused;
    out.message = calculation.message;
    out.z = calculation.z;
    out.source = calculation.source;
    if (!out.refused) {
        for (int position = conversion::Z; position <= conversion::Percentile; ++position) {
            char text[conversion::kResultTextSize];
            out.results[size_t(position)].assign(text, conversion::resultText(calculation, position, text));
            out.marked[size_t(position)] = calculation.marked[size_t(position)];
        }
    }
    return row;
}
