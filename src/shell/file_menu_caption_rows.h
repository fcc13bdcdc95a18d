#pragma once
// Caption rows of the file menu's recent files, printing and PDF export, and
// of the printed pages.
namespace q7::row {
inline constexpr int kOpenRecent = 570;
inline constexpr int kNoRecentFiles = 571;
inline constexpr int kPrint = 572;
inline constexpr int kPrintPreview = 573;
inline constexpr int kExportPdf = 574;
inline constexpr int kPdfFilter = 575;
inline constexpr int kPdfFailed = 576;
inline constexpr int kPrintedChannels = 577;
inline constexpr int kPrintedOptions = 578;
inline constexpr int kPrintedSetting = 579;
inline constexpr int kPrintedName = 580;
inline constexpr int kPrintedValue = 581;
inline constexpr int kPrintedYes = 582;
inline constexpr int kPrintedNo = 583;
inline constexpr int kPrintedInfoLines = 584;
inline constexpr int kPrintedTwoTone = 585;
inline constexpr int kPrintedVolume = 586;
}  // namespace q7::row
