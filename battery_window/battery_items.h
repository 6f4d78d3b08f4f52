// Names of the menu items the Battery Sheet answers: the menu table makes
// them, the Battery Sheet enables and handles them. The Score Report's
// items (report_items.h) serve it too while it is in front: Copy Table,
// Save Picture…, Print Report…, File > Print… and Export PDF….
#pragma once

namespace battery::item {

inline constexpr const char *kNew = "FileNew";
inline constexpr const char *kOpen = "FileOpen";
inline constexpr const char *kRecent[] = {"RecentFile1", "RecentFile2", "RecentFile3", "RecentFile4",
                                          "RecentFile5"};
inline constexpr const char *kSave = "FileSave";
inline constexpr const char *kSaveAs = "FileSaveAs";
inline constexpr const char *kLoadCorrelations = "LoadCorrelationsAction";
inline constexpr const char *kRedo = "EditRedo";
inline constexpr const char *kInsertRow = "InsertRowAction";
inline constexpr const char *kDeleteRow = "DeleteRowAction";
inline constexpr const char *kMoveUp = "MoveRowUpAction";
inline constexpr const char *kMoveDown = "MoveRowDownAction";
inline constexpr const char *kEditCorrelations = "EditCorrelationsAction";
inline constexpr const char *kViewMenu = "ViewMenu";
// Shows a retest study's and a control sample's columns though no row fills them.
inline constexpr const char *kShowSampleColumns = "ShowSampleColumnsAction";

} // namespace battery::item
