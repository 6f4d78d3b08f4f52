#include "converter_window/keystroke_rule.h"

#include "converter_window/module1.h"
#include "framework/beep.h"
#include "framework/key_text.h"
#include "framework/language.h"
#include "text/text_routines.h"
#include "framework/window.h"

#include <array>

namespace {

enum class Clearing {
    A, // rawFld: delete always empties the score fields, and any key does while dirty
    B, // the others: only delete while dirty empties the other nine fields
};

struct KeystrokeRow {
    std::string_view field;
    Clearing clearing;
    std::array<std::string_view, 9> emptied; // in this order; unused slots empty
    bool hidesLegend;
    std::string_view extras; // accepted besides digits, control keys and delete, tried in order;
                             // "." stands for the locale's decimal mark
};

constexpr KeystrokeRow kRows[] = {
    {"rawFld", Clearing::A,
     {"greFld", "zFld", "tFld", "nceFld", "wechslerFld", "percentileFld", "agctFld"},
     false, "."},
    {"rawmeanFld", Clearing::B,
     {"rawFld", "greFld", "rawsdFld", "zFld", "tFld", "nceFld", "wechslerFld", "percentileFld", "agctFld"},
     false, "."},
    {"rawsdFld", Clearing::B,
     {"rawFld", "rawmeanFld", "greFld", "zFld", "tFld", "nceFld", "wechslerFld", "percentileFld", "agctFld"},
     false, "."},
    {"zFld", Clearing::B,
     {"rawFld", "rawmeanFld", "rawsdFld", "greFld", "tFld", "nceFld", "wechslerFld", "percentileFld", "agctFld"},
     true, ".-"},
    {"tFld", Clearing::B,
     {"rawFld", "rawmeanFld", "rawsdFld", "zFld", "greFld", "nceFld", "wechslerFld", "percentileFld", "agctFld"},
     true, ""},
    {"wechslerFld", Clearing::B,
     {"rawFld", "rawmeanFld", "rawsdFld", "zFld", "tFld", "nceFld", "greFld", "percentileFld", "agctFld"},
     true, ""},
    {"nceFld", Clearing::B,
     {"rawFld", "rawmeanFld", "rawsdFld", "zFld", "tFld", "greFld", "wechslerFld", "percentileFld", "agctFld"},
     true, ""},
    {"greFld", Clearing::B,
     {"rawFld", "rawmeanFld", "rawsdFld", "zFld", "tFld", "nceFld", "wechslerFld", "percentileFld", "agctFld"},
     true, ""},
    {"percentileFld", Clearing::B,
     {"rawFld", "rawmeanFld", "rawsdFld", "zFld", "tFld", "nceFld", "wechslerFld", "greFld", "agctFld"},
     true, ""},
    {"agctFld", Clearing::B,
     {"rawFld", "rawmeanFld", "rawsdFld", "zFld", "tFld", "greFld", "wechslerFld", "percentileFld", "nceFld"},
     false, "."},
};

const KeystrokeRow *rowOf(std::string_view field)
{
    for (const KeystrokeRow &row : kRows)
        if (row.field == field)
            return &row;
    return nullptr;
}

void emptyFields(fw::Window &window, const KeystrokeRow &row)
{
    for (std::string_view name : row.emptied)
        if (!name.empty())
            window.SetText(name, std::string());
}

void clearFor(fw::Window &window, const KeystrokeRow &row, bool deletes)
{
    const bool dirty = Module1::dirty == "yes";
    if (row.clearing == Clearing::A) {
        if (deletes)
            emptyFields(window, row);
        if (dirty)
            emptyFields(window, row);
        return;
    }
    if (deletes && dirty) {
        emptyFields(window, row);
        if (row.hidesLegend)
            window.SetVisible("boundtext", false);
    }
}

bool isDigit(const std::string &key)
{
    return text::Compare(key, "0") != text::Order::Less && text::Compare(key, "9") != text::Order::Greater;
}

bool accepts(const KeystrokeRow &row, const std::string &key, int code)
{
    if (isDigit(key) || code < 32 || code == fw::kKeyDelete)
        return true;
    for (char extra : row.extras)
        if (code == (extra == '.' ? int(fw::decimalMark().unicode()) : extra))
            return true;
    return false;
}

} // namespace

bool applyKeystrokeRule(fw::Window &window, std::string_view field, const std::string &key)
{
    const KeystrokeRow *row = rowOf(field);
    Q_ASSERT_X(row, "applyKeystrokeRule", "no keystroke row for this field");
    if (!row)
        return false;
    const int code = text::Asc(key);
    clearFor(window, *row, code == fw::kKeyDelete || code == fw::kKeyBackspace);
    if (accepts(*row, key, code))
        return false;
    fw::Beep();
    return true;
}
