#include "shell/menu.h"

#include "battery_window/battery_items.h"
#include "report_window/report_items.h"

#include <QAction>
#include <QCoreApplication>

#include <memory>

namespace shell {

namespace {

using Kind = fw::MenuItem::Kind;

struct MenuRow {
    const char *name;
    Kind kind;
    const char *menu; // the menu it goes in; nullptr: the bar itself
    const char *caption; // translated in the context "Menu"; a translation may place its own mnemonic
    const char *shortcut; // nullptr: left unset
    bool autoEnable;
};

// In the order the items are made. Print is enabled by the Description
// window, the Score Report and the Battery Sheet, Export PDF and the Report
// menu by the Score Report and the Battery Sheet, the other File items and
// the row items by the Battery Sheet alone, Close by the window it closes;
// Save, Save As…, Load Correlations… and the Edit items by the correlation
// grid as well;
// Quit is the one item that is always available. The recent files' slots are
// named by the Battery Sheet when it first opens.
const MenuRow kRows[] = {
    {"UntitledMenu2", Kind::Menu, nullptr, QT_TRANSLATE_NOOP("Menu", "File"), "", false},
    {battery::item::kNew, Kind::Item, "UntitledMenu2", QT_TRANSLATE_NOOP("Menu", "&New"), "Cmd+N", false},
    {battery::item::kOpen, Kind::Item, "UntitledMenu2", QT_TRANSLATE_NOOP("Menu", "&Open\u2026"), "Cmd+O", false},
    {battery::item::kSave, Kind::Item, "UntitledMenu2", QT_TRANSLATE_NOOP("Menu", "&Save"), "Cmd+S", false},
    {battery::item::kSaveAs, Kind::Item, "UntitledMenu2", QT_TRANSLATE_NOOP("Menu", "Save &As\u2026"), "Cmd+Shift+S", false},
    {battery::item::kLoadCorrelations, Kind::Item, "UntitledMenu2", QT_TRANSLATE_NOOP("Menu", "&Load Correlations\u2026"), "", false},
    {"FileSeparator1", Kind::Item, "UntitledMenu2", "-", nullptr, false},
    {item::kPrint, Kind::Item, "UntitledMenu2", QT_TRANSLATE_NOOP("Menu", "&Print\u2026"), "Cmd+P", false},
    {report::item::kExportPdf, Kind::Item, "UntitledMenu2", QT_TRANSLATE_NOOP("Menu", "&Export PDF\u2026"), "", false},
    {report::item::kExportDocument, Kind::Item, "UntitledMenu2", QT_TRANSLATE_NOOP("Menu", "Export &Document\u2026"), "Cmd+Shift+E", false},
    {"FileSeparator2", Kind::Item, "UntitledMenu2", "-", nullptr, false},
    {battery::item::kRecent[0], Kind::Item, "UntitledMenu2", "", nullptr, false},
    {battery::item::kRecent[1], Kind::Item, "UntitledMenu2", "", nullptr, false},
    {battery::item::kRecent[2], Kind::Item, "UntitledMenu2", "", nullptr, false},
    {battery::item::kRecent[3], Kind::Item, "UntitledMenu2", "", nullptr, false},
    {battery::item::kRecent[4], Kind::Item, "UntitledMenu2", "", nullptr, false},
    {"FileSeparator3", Kind::Item, "UntitledMenu2", "-", nullptr, false},
    {report::item::kClose, Kind::Item, "UntitledMenu2", QT_TRANSLATE_NOOP("Menu", "&Close"), "Cmd+W", false},
    {item::kFileQuit, Kind::Quit, "UntitledMenu2", QT_TRANSLATE_NOOP("Menu", "&Quit"), "Cmd+Q", true},
    {"UntitledMenu0", Kind::Menu, nullptr, QT_TRANSLATE_NOOP("Menu", "Edit"), "", false},
    {"EditUndo", Kind::Item, "UntitledMenu0", QT_TRANSLATE_NOOP("Menu", "&Undo"), "Cmd+Z", false},
    {battery::item::kRedo, Kind::Item, "UntitledMenu0", QT_TRANSLATE_NOOP("Menu", "&Redo"), "Cmd+Shift+Z", false},
    {"UntitledMenu1", Kind::Item, "UntitledMenu0", "-", nullptr, false},
    {"EditCut", Kind::Item, "UntitledMenu0", QT_TRANSLATE_NOOP("Menu", "Cu&t"), "Cmd+X", false},
    {"EditCopy", Kind::Item, "UntitledMenu0", QT_TRANSLATE_NOOP("Menu", "&Copy"), "Cmd+C", false},
    {"EditPaste", Kind::Item, "UntitledMenu0", QT_TRANSLATE_NOOP("Menu", "&Paste"), "Cmd+V", false},
    {"EditClear", Kind::Item, "UntitledMenu0", QT_TRANSLATE_NOOP("Menu", "Cle&ar"), "", false},
    {"EditSeparator2", Kind::Item, "UntitledMenu0", "-", nullptr, false},
    {battery::item::kInsertRow, Kind::Item, "UntitledMenu0", QT_TRANSLATE_NOOP("Menu", "&Insert Row"), "Ins", false},
    {battery::item::kDeleteRow, Kind::Item, "UntitledMenu0", QT_TRANSLATE_NOOP("Menu", "&Delete Row"), "Cmd+-", false},
    {battery::item::kMoveUp, Kind::Item, "UntitledMenu0", QT_TRANSLATE_NOOP("Menu", "&Move Row Up"), "Cmd+Up", false},
    {battery::item::kMoveDown, Kind::Item, "UntitledMenu0", QT_TRANSLATE_NOOP("Menu", "Move Row Do&wn"), "Cmd+Down", false},
    {"EditSeparator3", Kind::Item, "UntitledMenu0", "-", nullptr, false},
    {battery::item::kEditCorrelations, Kind::Item, "UntitledMenu0", QT_TRANSLATE_NOOP("Menu", "Edit C&orrelations\u2026"), "", false},
    {battery::item::kViewMenu, Kind::Menu, nullptr, QT_TRANSLATE_NOOP("Menu", "View"), "", false},
    {battery::item::kShowSampleColumns, Kind::Item, battery::item::kViewMenu,
     QT_TRANSLATE_NOOP("Menu", "&Study and Control Columns"), "", false},
    {report::item::kMenu, Kind::Menu, nullptr, QT_TRANSLATE_NOOP("Menu", "Report"), "", false},
    {report::item::kCopyTable, Kind::Item, report::item::kMenu, QT_TRANSLATE_NOOP("Menu", "Copy &Table"), "Cmd+Shift+C", false},
    {report::item::kCopySentence, Kind::Item, report::item::kMenu, QT_TRANSLATE_NOOP("Menu", "Copy &Sentence"), "", false},
    {report::item::kSavePicture, Kind::Item, report::item::kMenu, QT_TRANSLATE_NOOP("Menu", "Save &Picture\u2026"), "", false},
    {report::item::kPrintReport, Kind::Item, report::item::kMenu, QT_TRANSLATE_NOOP("Menu", "P&rint Report\u2026"), "", false},
    {"WindowMenu", Kind::Menu, nullptr, QT_TRANSLATE_NOOP("Menu", "Window"), "", false},
    {item::kControl, Kind::Item, "WindowMenu", QT_TRANSLATE_NOOP("Menu", "&Control"), "", false},
    {item::kDescription, Kind::Item, "WindowMenu", QT_TRANSLATE_NOOP("Menu", "&Description"), "", false},
    {item::kAbout, Kind::Item, "WindowMenu", QT_TRANSLATE_NOOP("Menu", "&About Quintaval"), "", false},
    {item::kAboutVex, Kind::AppleMenuItem, "WindowMenu", QT_TRANSLATE_NOOP("Menu", "&About Quintaval"), "", false},
    {item::kReport, Kind::Item, "WindowMenu", QT_TRANSLATE_NOOP("Menu", "&Score Report"), "Cmd+R", false},
    {item::kBattery, Kind::Item, "WindowMenu", QT_TRANSLATE_NOOP("Menu", "&Battery Sheet"), "Cmd+B", false},
};

} // namespace

Menu::Menu()
{
    for (const MenuRow &row : kRows) {
        auto made = std::make_unique<fw::MenuItem>(row.kind);
        made->SetName(row.name);
        made->SetAutoEnable(row.autoEnable);
        const bool words = *row.caption && std::string_view(row.caption) != "-";
        made->SetText(words ? QCoreApplication::translate("Menu", row.caption).toStdString() : row.caption);
        if (row.shortcut)
            made->SetKeyboardShortcut(row.shortcut);
        if (row.menu)
            Append(row.menu, std::move(made));
        else
            Append(std::move(made));
    }
    // The recent files' slots stay out of sight until they name a file.
    for (const char *slot : battery::item::kRecent)
        find(slot)->action()->setVisible(false);
    find(battery::item::kShowSampleColumns)->action()->setCheckable(true);
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
