#include "shell/menu.h"

#include "report_window/report_items.h"

#include <memory>

namespace shell {

namespace {

using Kind = fw::MenuItem::Kind;

struct MenuRow {
    const char *name;
    Kind kind;
    const char *menu; // the menu it goes in; nullptr: the bar itself
    const char *caption;
    const char *shortcut; // nullptr: left unset
    bool autoEnable;
};

// In the order the items are made. Print is enabled by the Description
// window and the Score Report, Export PDF and the Report menu only by the
// Score Report; Quit is the one item that is always available.
const MenuRow kRows[] = {
    {"UntitledMenu2", Kind::Menu, nullptr, "File", "", false},
    {item::kPrint, Kind::Item, "UntitledMenu2", "Print\u2026", "Cmd+P", false},
    {report::item::kExportPdf, Kind::Item, "UntitledMenu2", "Export PDF\u2026", "", false},
    {item::kFileQuit, Kind::Quit, "UntitledMenu2", "Quit", "Cmd+Q", true},
    {"UntitledMenu0", Kind::Menu, nullptr, "Edit", "", false},
    {"EditUndo", Kind::Item, "UntitledMenu0", "Undo", "Cmd+Z", false},
    {"UntitledMenu1", Kind::Item, "UntitledMenu0", "-", nullptr, false},
    {"EditCut", Kind::Item, "UntitledMenu0", "Cut", "Cmd+X", false},
    {"EditCopy", Kind::Item, "UntitledMenu0", "Copy", "Cmd+C", false},
    {"EditPaste", Kind::Item, "UntitledMenu0", "Paste", "Cmd+V", false},
    {"EditClear", Kind::Item, "UntitledMenu0", "", "", false},
    {report::item::kMenu, Kind::Menu, nullptr, "Report", "", false},
    {report::item::kCopyTable, Kind::Item, report::item::kMenu, "Copy Table", "Cmd+Shift+C", false},
    {report::item::kCopySentence, Kind::Item, report::item::kMenu, "Copy Sentence", "", false},
    {report::item::kSavePicture, Kind::Item, report::item::kMenu, "Save Picture\u2026", "", false},
    {report::item::kPrintReport, Kind::Item, report::item::kMenu, "Print Report\u2026", "", false},
    {"WindowMenu", Kind::Menu, nullptr, "Window", "", false},
    {item::kControl, Kind::Item, "WindowMenu", "Control", "", false},
    {item::kDescription, Kind::Item, "WindowMenu", "Description", "", false},
    {item::kAbout, Kind::Item, "WindowMenu", "About Quintaval", "", false},
    {item::kAboutVex, Kind::AppleMenuItem, "WindowMenu", "About Quintaval", "", false},
    {item::kReport, Kind::Item, "WindowMenu", "Score Report", "Cmd+R", false},
};

} // namespace

Menu::Menu()
{
    for (const MenuRow &row : kRows) {
        auto made = std::make_unique<fw::MenuItem>(row.kind);
        made->SetName(row.name);
        made->SetAutoEnable(row.autoEnable);
        made->SetText(row.caption);
        if (row.shortcut)
            made->SetKeyboardShortcut(row.shortcut);
        if (row.menu)
            Append(row.menu, std::move(made));
        else
            Append(std::move(made));
    }
}

fw::MenuItem *menuItem(std::string_view name)
{
    return fw::menuItem(name);
}

void enableMenuItem(std::string_view name, bool enabled)
{
    fw::enableMenuItem(name, enabled);
}

} // namespace shell
