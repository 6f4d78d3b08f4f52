// Names of the menu items the Battery Sheet answers: the menu table makes
// them, the Battery Sheet enables and handles them. The Report menu's
// Copy Table, Save Picture… and Print Report… and File > Print… serve it
// too while it is in front.
#pragma once

namespace battery::item {

inline constexpr const char *kNew = "FileNew";
inline constexpr const char *kOpen = "FileOpen";
inline constexpr const char *kRecent[] = {"RecentFile1", "RecentFile2", "RecentFile3", "RecentFile4",
                                          "RecentFile5"};
inline constexpr const char *kSave = "FileSave";
inline constexpr const char *kSaveAs = "FileSaveAs";
inline constexpr const char *kExportPdf = "ExportPdfAction";
inline constexpr const char *kRedo = "EditRedo";
inline constexpr const char *kInsertRow = "InsertRowAction";
inline constexpr const char *kDeleteRow = "DeleteRowAction";
inline constexpr const char *kMoveUp = "MoveRowUpAction";
inline constexpr const char *kMoveDown = "MoveRowDownAction";

} // namespace battery::item

namespace battery::item {

// The shell's File > Print…, which prints the front window's report.
inline constexpr const char *kPrint = "Print";

} // namespace battery::item
