#pragma once
// ProgressCode: every event handler and every risky step writes its code here first. When a
// failure escapes a handler, the failure report picks its message by the code that stands.
#include <cstdint>

namespace volmira {

inline std::int32_t progressCode = 0;

// Codes with a fixed meaning: the failure report has its own text for 23, 181/191 and 995.
namespace progress {
inline constexpr std::int32_t kSolver = 23;
inline constexpr std::int32_t kNewNetwork = 48;
inline constexpr std::int32_t kAnalysis = 101;
inline constexpr std::int32_t kResize = 112;
inline constexpr std::int32_t kWindowCreation = 116;
inline constexpr std::int32_t kSymbolChoice = 121;
inline constexpr std::int32_t kMouseMove = 133;
inline constexpr std::int32_t kMouseDown = 134;
inline constexpr std::int32_t kMouseUp = 135;
inline constexpr std::int32_t kUndo = 141;
inline constexpr std::int32_t kOpen = 181;
inline constexpr std::int32_t kSave = 191;     // save, save as and the delete dialog
inline constexpr std::int32_t kExport = 196;   // exports of curves and of the branch table
inline constexpr std::int32_t kStretch = 281;  // the curve tools from here to kCurveRecall
inline constexpr std::int32_t kCentre = 282;
inline constexpr std::int32_t kLargeView = 283;
inline constexpr std::int32_t kRipple = 301;
inline constexpr std::int32_t kModeChoice = 314;  // mode buttons and mode menu entries
inline constexpr std::int32_t kTimer = 341;
inline constexpr std::int32_t kExtremeSearch = 351;
inline constexpr std::int32_t kImageMemory = 361;
inline constexpr std::int32_t kCurveStore = 371;
inline constexpr std::int32_t kCurveRecall = 381;
inline constexpr std::int32_t kGroundPoints = 391;
inline constexpr std::int32_t kSchematicCheck = 401;
inline constexpr std::int32_t kNetworkMove = 411;
inline constexpr std::int32_t kOpenRecent = 421;
inline constexpr std::int32_t kOptions = 451;   // the options panel and its fields
inline constexpr std::int32_t kSettings = 461;  // reading and writing the settings file
inline constexpr std::int32_t kHelp = 471;      // the context help and the help topics
inline constexpr std::int32_t kClose = 481;
inline constexpr std::int32_t kComposerHelp = 771;
inline constexpr std::int32_t kWindowCreationControls = 872;
inline constexpr std::int32_t kStartupBegin = 876;  // 876..881: the start-up steps in order
inline constexpr std::int32_t kStartupCaption = 877;
inline constexpr std::int32_t kStartupCatalogue = 879;
inline constexpr std::int32_t kStartupMacros = 880;
inline constexpr std::int32_t kStartupEnd = 881;
inline constexpr std::int32_t kCalculator = 995;
inline constexpr std::int32_t kFormulaCollection = 996;
inline constexpr std::int32_t kPrintComposer = 4611;
inline constexpr std::int32_t kPrinterSetup = 4612;
}  // namespace progress

}  // namespace volmira
