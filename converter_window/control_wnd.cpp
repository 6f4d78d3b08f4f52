#include "converter_window/control_wnd.h"

#include "conversion/calculate.h"
#include "conversion/scales.h"
#include "converter_window/keystroke_rule.h"
#include "converter_window/module1.h"
#include "converter_window/score_feed.h"
#include "framework/language.h"
#include "framework/message_box.h"
#include "text/text_routines.h"

namespace {

// By conversion::Position: what a score typed outside its scale is told.
constexpr const char *kRangeMessages[conversion::kScaleCount] = {
    nullptr,
    QT_TRANSLATE_NOOP("ControlWnd", "z scores must range from %1 to +%2."),
    QT_TRANSLATE_NOOP("ControlWnd", "T scores must range from %1 to %2."),
    QT_TRANSLATE_NOOP("ControlWnd", "Wechsler IQ scores must range from %1 to %2."),
    QT_TRANSLATE_NOOP("ControlWnd", "NCE scores must range from %1 to %2."),
    QT_TRANSLATE_NOOP("ControlWnd", "CEEB scores must range from %1 to %2."),
    QT_TRANSLATE_NOOP("ControlWnd", "AGCT scores must range from %1 to %2."),
    QT_TRANSLATE_NOOP("ControlWnd", "Percentile scores must range from %1 to %2."),
};

// A refusal in the window's words; in English they are the core's own.
QString refusalMessage(const conversion::Outcome &outcome)
{
    using conversion::Refusal;
    switch (outcome.refusal) {
    case Refusal::NothingToCalculate:
        return ControlWnd::tr("Enter all 3 raw scores to calculate standard scores. Or, enter 1 standard "
                              "score to convert to other standard scores.");
    case Refusal::SdNotPositive:
        return ControlWnd::tr("The raw score sd must be greater than 0.");
    case Refusal::TooLarge:
        if (outcome.focusField == "rawmeanFld")
            return ControlWnd::tr("The raw score mean is too large a number to calculate with.");
        if (outcome.focusField == "rawsdFld")
            return ControlWnd::tr("The raw score sd is too large a number to calculate with.");
        return ControlWnd::tr("The raw score is too large a number to calculate with.");
    case Refusal::OutOfRange:
        if (outcome.source > conversion::Raw && outcome.source < conversion::kScaleCount) {
            const conversion::Scale &scale = conversion::scaleTable()[outcome.source];
            return ControlWnd::tr(kRangeMessages[outcome.source])
                .arg(fw::shownNumber(text::Str(scale.lowest)), fw::shownNumber(text::Str(scale.highest)));
        }
        break;
    case Refusal::None:
        break;
    }
    return QString::fromStdString(outcome.message);
}

} // namespace

void ControlWnd::bindFieldKeys()
{
    using Handler = bool (ControlWnd::*)(const std::string &);
    struct Binding { std::string_view field; Handler handler; };
    static constexpr Binding kBindings[] = {
        {"rawFld", &ControlWnd::rawFld_KeyDown},
        {"rawmeanFld", &ControlWnd::rawmeanFld_KeyDown},
        {"rawsdFld", &ControlWnd::rawsdFld_KeyDown},
        {"zFld", &ControlWnd::zFld_KeyDown},
        {"tFld", &ControlWnd::tFld_KeyDown},
        {"wechslerFld", &ControlWnd::wechslerFld_KeyDown},
        {"nceFld", &ControlWnd::nceFld_KeyDown},
        {"greFld", &ControlWnd::greFld_KeyDown},
        {"percentileFld", &ControlWnd::percentileFld_KeyDown},
        {"agctFld", &ControlWnd::agctFld_KeyDown},
    };
    for (const Binding &binding : kBindings) {
        const Handler handler = binding.handler;
        onKeyDown(binding.field, [this, handler](const std::string &key) { return (this->*handler)(key); });
    }
}

void ControlWnd::bindEvents()
{
    onAction("ClearBtn", [this] { ClearBtn_Action(); });
    onAction("CalculateBtn", [this] { CalculateBtn_Action(); });
    onMouseEnter("Canvas1", [this] { Canvas1_MouseEnter(); });
    onMouseDown("Canvas2", [this](int x, int y) { return Canvas2_MouseDown(x, y); });
}

bool ControlWnd::rawFld_KeyDown(const std::string &key)
{
    return applyKeystrokeRule(*this, "rawFld", key);
}

bool ControlWnd::rawmeanFld_KeyDown(const std::string &key)
{
    return applyKeystrokeRule(*this, "rawmeanFld", key);
}

bool ControlWnd::rawsdFld_KeyDown(const std::string &key)
{
    return applyKeystrokeRule(*this, "rawsdFld", key);
}

bool ControlWnd::zFld_KeyDown(const std::string &key)
{
    return applyKeystrokeRule(*this, "zFld", key);
}

bool ControlWnd::tFld_KeyDown(const std::string &key)
{
    return applyKeystrokeRule(*this, "tFld", key);
}

bool ControlWnd::wechslerFld_KeyDown(const std::string &key)
{
    return applyKeystrokeRule(*this, "wechslerFld", key);
}

bool ControlWnd::nceFld_KeyDown(const std::string &key)
{
    return applyKeystrokeRule(*this, "nceFld", key);
}

bool ControlWnd::greFld_KeyDown(const std::string &key)
{
    return applyKeystrokeRule(*this, "greFld", key);
}

bool ControlWnd::percentileFld_KeyDown(const std::string &key)
{
    return applyKeystrokeRule(*this, "percentileFld", key);
}

bool ControlWnd::agctFld_KeyDown(const std::string &key)
{
    return applyKeystrokeRule(*this, "agctFld", key);
}

void ControlWnd::CalculateBtn_Action()
{
    using namespace conversion;
    const auto &scales = scaleTable();
    FieldTexts fields;
    // The fields hold numbers as the locale writes them; the core reads points.
    auto typed = [this](std::string_view name) { return fw::coreNumber(QString::fromStdString(Text(name))); };
    fields.raw = typed("rawFld");
    fields.rawMean = typed("rawmeanFld");
    fields.rawSd = typed("rawsdFld");
    for (int i = Z; i <= Percentile; ++i)
        fields.score[i] = typed(scales[i].field);

    const Outcome outcome = calculate(fields);
    if (outcome.refused) {
        fw::MsgBox(refusalMessage(outcome).toStdString());
        if (!outcome.focusField.empty())
            SetFocus(outcome.focusField);
        return;
    }
    for (int i = Z; i <= Percentile; ++i)
        SetText(scales[i].field, fw::shownNumber(outcome.results[i]).toStdString());
    SetVisible("boundtext", outcome.legendVisible);
    Module1::dirty = "yes";

    CalculatedScore score{outcome, {}, {}, {}};
    if (outcome.source == Raw) {
        score.value = fields.raw;
        score.rawMean = fields.rawMean;
        score.rawSd = fields.rawSd;
    } else {
        score.value = outcome.results[outcome.source];
    }
    ScoreFeed::instance().publish(score);
}
