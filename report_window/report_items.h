// Names of the items the Score Report answers: the Report menu and its
// items, which the menu table makes, and the File menu's Print… and
// Export PDF… and Export Document…, which the report answers while it is in front.
#pragma once

namespace report::item {

inline constexpr const char *kMenu = "ReportMenu";
inline constexpr const char *kCopyTable = "CopyTableAction";
inline constexpr const char *kCopySentence = "CopySentenceAction";
inline constexpr const char *kSavePicture = "SavePictureAction";
inline constexpr const char *kPrintReport = "PrintReportAction";
inline constexpr const char *kPrint = "Print";
inline constexpr const char *kExportPdf = "ExportPdfItem";
inline constexpr const char *kExportDocument = "ExportDocumentItem";
// Closes the front window; the Battery Sheet has it too.
inline constexpr const char *kClose = "FileClose";

} // namespace report::item
