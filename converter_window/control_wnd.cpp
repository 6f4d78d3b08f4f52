#include "converter_window/control_wnd.h"

#include "conversion/calculate.h"
#include "conversion/scales.h"
#include "converter_window/keystroke_rule.h"
#include "converter_window/module1.h"
#include "converter_window/score_feed.h"
#include "framework/message_box.h"

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
    fields.raw = Text("rawFld");
    fields.rawMean = Text("rawmeanFld");
    fields.rawSd = Text("rawsdFld");
    for (int i = Z; i <= Percentile; ++i)
        fields.score[i] = Text(scales[i].field);

    const Outcome outcome = calculate(fields);
    if (outcome.refused) {
        fw::MsgBox(outcome.message);
        if (!outcome.focusField.empty())
            SetFocus(outcome.focusField);
        return;
    }
    for (int i = Z; i <= Percentile; ++i)
        SetText(scales[i].field, outcome.results[i]);
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
