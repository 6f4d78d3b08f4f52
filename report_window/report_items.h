// Names of the Report menu and its items: the menu table makes them, the
// Score Report window enables and answers them.
#pragma once

namespace report::item {

inline constexpr const char *kMenu = "ReportMenu";
inline constexpr const char *kCopyTable = "CopyTableAction";
inline constexpr const char *kCopySentence = "CopySentenceAction";
inline constexpr const char *kSavePicture = "SavePictureAction";
inline constexpr const char *kPrintReport = "PrintReportAction";

} // namespace report::item
