#pragma once
// Caption rows of the grid's row commands, the paste, channel plans and the
// Edit Selected Channels dialog.
namespace q7::row {
inline constexpr int kRowsLocked = 540;
inline constexpr int kNothingSelected = 541;
inline constexpr int kPushPastEnd = 542;
inline constexpr int kAtTop = 543;
inline constexpr int kAtBottom = 544;
inline constexpr int kFirstEmpty = 545;
inline constexpr int kAskOverwrite = 546;
inline constexpr int kRowsNotTaken = 547;
inline constexpr int kPastedRow = 548;
inline constexpr int kPastedChannel = 549;
inline constexpr int kPastLastChannel = 550;
inline constexpr int kNothingToPaste = 551;
inline constexpr int kOpenChannelPlan = 552;
inline constexpr int kChannelPlans = 553;
inline constexpr int kChoosePlan = 554;
inline constexpr int kNoPlans = 555;
inline constexpr int kPlanNotRead = 556;
inline constexpr int kEditSelectedChannels = 557;
inline constexpr int kUnchanged = 558;
inline constexpr int kOnlyChangedFields = 559;
inline constexpr int kSelectedChannels = 560;
inline constexpr int kNotAFrequency = 561;
}  // namespace q7::row
