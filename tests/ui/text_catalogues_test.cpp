#include <gtest/gtest.h>

#include <deque>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_texts.h"
#include "cli/new_texts.h"
#include "cli/render_texts.h"
#include "drawing/drawing_texts.h"
#include "files/export_texts.h"
#include "files/file_headings.h"
#include "files/file_texts.h"
#include "generation/check_texts.h"
#include "generation/generation_texts.h"
#include "model/field_labels.h"
#include "model/model_texts.h"
#include "model/text.h"
#include "templates/template_texts.h"
#include "ui/dialog_captions.h"
#include "ui/dialogs/model_check_texts.h"
#include "ui/qt/qt_texts.h"
#include "ui/ui_texts.h"
#include "ui/view_texts.h"

namespace zentrix {
namespace {

struct NamedText {
  const char* name;
  const model::Text& text;
};

const NamedText kEveryText[] = {
    {"model_texts_kKindNames1", model::texts::kKindNames[0]},
    {"model_texts_kKindNames2", model::texts::kKindNames[1]},
    {"model_texts_kKindNames3", model::texts::kKindNames[2]},
    {"model_texts_kKindNames4", model::texts::kKindNames[3]},
    {"model_texts_kArchChord", model::texts::kArchChord},
    {"model_texts_kArchStrut", model::texts::kArchStrut},
    {"model_texts_kExpected", model::texts::kExpected},
    {"model_texts_kInteger", model::texts::kInteger},
    {"model_texts_kReal", model::texts::kReal},
    {"model_texts_kText", model::texts::kText},
    {"model_texts_kEndOfTheText", model::texts::kEndOfTheText},
    {"model_texts_kEndOfTheFile", model::texts::kEndOfTheFile},
    {"model_texts_kOutOfRange", model::texts::kOutOfRange},
    {"model_texts_kUnclosedQuote", model::texts::kUnclosedQuote},
    {"model_texts_kZeroRepeat", model::texts::kZeroRepeat},
    {"model_texts_kMalformed", model::texts::kMalformed},
    {"model_labels_kNodesInBase0", model::labels::kNodesInBase0},
    {"model_labels_kNodesInBase1", model::labels::kNodesInBase1},
    {"model_labels_kElementCount", model::labels::kElementCount},
    {"model_labels_kModuleLength", model::labels::kModuleLength},
    {"model_labels_kShrinkRatio", model::labels::kShrinkRatio},
    {"model_labels_kVertexFootCoordinate", model::labels::kVertexFootCoordinate},
    {"model_labels_kHalfSpan", model::labels::kHalfSpan},
    {"model_labels_kArchHeight", model::labels::kArchHeight},
    {"model_labels_kDegreesOfFreedom", model::labels::kDegreesOfFreedom},
    {"model_labels_kExpansionDirection", model::labels::kExpansionDirection},
    {"model_labels_kExpansionType", model::labels::kExpansionType},
    {"model_labels_kNumberOfModules", model::labels::kNumberOfModules},
    {"model_labels_kTypeArea", model::labels::kTypeArea},
    {"check_texts_kBaseNodeCounts", generation::texts::kBaseNodeCounts},
    {"check_texts_kBase0NodeOffPlane", generation::texts::kBase0NodeOffPlane},
    {"check_texts_kBase1NodeMoved", generation::texts::kBase1NodeMoved},
    {"check_texts_kBase1NodeOtherChord", generation::texts::kBase1NodeOtherChord},
    {"check_texts_kArchLine", generation::texts::kArchLine},
    {"check_texts_kInnerChord", generation::texts::kInnerChord},
    {"check_texts_kBase1NodeOtherY", generation::texts::kBase1NodeOtherY},
    {"check_texts_kElementOutOfKindOrder", generation::texts::kElementOutOfKindOrder},
    {"check_texts_kBase0ElementTooEarly", generation::texts::kBase0ElementTooEarly},
    {"check_texts_kModuleElementTooLate", generation::texts::kModuleElementTooLate},
    {"check_texts_kEndNodeOutOfRange", generation::texts::kEndNodeOutOfRange},
    {"check_texts_kZeroLength", generation::texts::kZeroLength},
    {"check_texts_kDuplicateElements", generation::texts::kDuplicateElements},
    {"check_texts_kCoincidentNodes", generation::texts::kCoincidentNodes},
    {"check_texts_kUnusedNode", generation::texts::kUnusedNode},
    {"check_texts_kStaticallyUnstable", generation::texts::kStaticallyUnstable},
    {"check_texts_kMoreNotListed", generation::texts::kMoreNotListed},
    {"check_texts_kNonPositiveArea", generation::texts::kNonPositiveArea},
    {"check_texts_kNoFindings", generation::texts::kNoFindings},
    {"check_texts_kOneFindingHeading", generation::texts::kOneFindingHeading},
    {"check_texts_kFindingsHeading", generation::texts::kFindingsHeading},
    {"model_check_texts_kModelCheckTitle", ui::texts::kModelCheckTitle},
    {"generation_texts_kDofPerNode", generation::texts::kDofPerNode},
    {"generation_texts_kNegativeCount", generation::texts::kNegativeCount},
    {"generation_texts_kTooFewModules", generation::texts::kTooFewModules},
    {"generation_texts_kNoDirection", generation::texts::kNoDirection},
    {"generation_texts_kPlaneAlongZ", generation::texts::kPlaneAlongZ},
    {"generation_texts_kShortCoordinates", generation::texts::kShortCoordinates},
    {"generation_texts_kNarrowCoordinates", generation::texts::kNarrowCoordinates},
    {"generation_texts_kNonFiniteBaseCoordinate", generation::texts::kNonFiniteBaseCoordinate},
    {"generation_texts_kNoTopology", generation::texts::kNoTopology},
    {"generation_texts_kShortTopology", generation::texts::kShortTopology},
    {"generation_texts_kEndNodeOutside", generation::texts::kEndNodeOutside},
    {"generation_texts_kNotFinite", generation::texts::kNotFinite},
    {"generation_texts_kOr", generation::texts::kOr},
    {"generation_texts_kNoShrinkDirection", generation::texts::kNoShrinkDirection},
    {"generation_texts_kFlatArch", generation::texts::kFlatArch},
    {"generation_texts_kNodes", generation::texts::kNodes},
    {"generation_texts_kElements", generation::texts::kElements},
    {"generation_texts_kTooMany", generation::texts::kTooMany},
    {"generation_texts_kCopyBeyondNodes", generation::texts::kCopyBeyondNodes},
    {"generation_texts_kMoreThanTheMemory", generation::texts::kMoreThanTheMemory},
    {"generation_texts_kCancelled", generation::texts::kCancelled},
    {"generation_texts_kOutOfMemory", generation::texts::kOutOfMemory},
    {"generation_texts_kNonFiniteCoordinate", generation::texts::kNonFiniteCoordinate},
    {"generation_texts_kModuleLengthWarning", generation::texts::kModuleLengthWarning},
    {"files_texts_kFileLine", files::texts::kFileLine},
    {"files_texts_kNotAText", files::texts::kNotAText},
    {"files_texts_kLineTooLong", files::texts::kLineTooLong},
    {"files_texts_kOnlyTheFirst64MiB", files::texts::kOnlyTheFirst64MiB},
    {"files_texts_kEndsBefore", files::texts::kEndsBefore},
    {"files_texts_kEndsInTheCommentHeader", files::texts::kEndsInTheCommentHeader},
    {"files_texts_kEmptyFile", files::texts::kEmptyFile},
    {"files_texts_kNegative", files::texts::kNegative},
    {"files_texts_kCannotHold", files::texts::kCannotHold},
    {"files_texts_kCoordinatesPerNode", files::texts::kCoordinatesPerNode},
    {"files_texts_kNodesInBase0", files::texts::kNodesInBase0},
    {"files_texts_kNodesInBase1", files::texts::kNodesInBase1},
    {"files_texts_kTooManyNodes", files::texts::kTooManyNodes},
    {"files_texts_kNodeRecords", files::texts::kNodeRecords},
    {"files_texts_kNodeNumberMissing", files::texts::kNodeNumberMissing},
    {"files_texts_kNodeOutside", files::texts::kNodeOutside},
    {"files_texts_kModules", files::texts::kModules},
    {"files_texts_kElements", files::texts::kElements},
    {"files_texts_kElementRecords", files::texts::kElementRecords},
    {"files_texts_kElementNumberMissing", files::texts::kElementNumberMissing},
    {"files_texts_kElementOutside", files::texts::kElementOutside},
    {"files_texts_kTypeCount", files::texts::kTypeCount},
    {"files_texts_kNoMemoryToLoad", files::texts::kNoMemoryToLoad},
    {"files_texts_kWrongDataInOldFile", files::texts::kWrongDataInOldFile},
    {"files_texts_fields_kTitle", files::texts::fields::kTitle},
    {"files_texts_fields_kCounts", files::texts::fields::kCounts},
    {"files_texts_fields_kCoordinatesHeading", files::texts::fields::kCoordinatesHeading},
    {"files_texts_fields_kNodeRecord", files::texts::fields::kNodeRecord},
    {"files_texts_fields_kExpansionHeading", files::texts::fields::kExpansionHeading},
    {"files_texts_fields_kDirection", files::texts::fields::kDirection},
    {"files_texts_fields_kExpansion", files::texts::fields::kExpansion},
    {"files_texts_fields_kPyramidRatio", files::texts::fields::kPyramidRatio},
    {"files_texts_fields_kVertexFoot", files::texts::fields::kVertexFoot},
    {"files_texts_fields_kShrink", files::texts::fields::kShrink},
    {"files_texts_fields_kArch", files::texts::fields::kArch},
    {"files_texts_fields_kTopologyHeading", files::texts::fields::kTopologyHeading},
    {"files_texts_fields_kElementCount", files::texts::fields::kElementCount},
    {"files_texts_fields_kElementRecord", files::texts::fields::kElementRecord},
    {"files_texts_fields_kTypeCount", files::texts::fields::kTypeCount},
    {"files_texts_fields_kTypeName", files::texts::fields::kTypeName},
    {"files_texts_fields_kTypeArea", files::texts::fields::kTypeArea},
    {"files_texts_kNotAFolder", files::texts::kNotAFolder},
    {"files_texts_kSystemError", files::texts::kSystemError},
    {"files_texts_kCannotCreate", files::texts::kCannotCreate},
    {"files_texts_kCannotWrite", files::texts::kCannotWrite},
    {"files_texts_kCannotOpen", files::texts::kCannotOpen},
    {"files_texts_kCannotRead", files::texts::kCannotRead},
    {"files_texts_kWriteCancelled", files::texts::kWriteCancelled},
    {"files_texts_kNoFileName", files::texts::kNoFileName},
    {"files_texts_kReadOnly", files::texts::kReadOnly},
    {"files_texts_kNotEnoughMemory", files::texts::kNotEnoughMemory},
    {"files_texts_kSpaceShortage", files::texts::kSpaceShortage},
    {"files_texts_kMalformedEpoch", files::texts::kMalformedEpoch},
    {"files_texts_kEpochOutOfRange", files::texts::kEpochOutOfRange},
    {"files_texts_kNotWritten", files::texts::kNotWritten},
    {"files_texts_kCannotWritePath", files::texts::kCannotWritePath},
    {"files_texts_kTablesDoNotMatch", files::texts::kTablesDoNotMatch},
    {"files_texts_kNotGenerated", files::texts::kNotGenerated},
    {"files_texts_kNonFiniteValue", files::texts::kNonFiniteValue},
    {"files_texts_kNanCoordinate", files::texts::kNanCoordinate},
    {"files_texts_kInfiniteCoordinate", files::texts::kInfiniteCoordinate},
    {"files_texts_kNanBaseCoordinate", files::texts::kNanBaseCoordinate},
    {"files_texts_kInfiniteBaseCoordinate", files::texts::kInfiniteBaseCoordinate},
    {"files_texts_kNonFiniteArea", files::texts::kNonFiniteArea},
    {"files_texts_kGeometryCreated", files::texts::kGeometryCreated},
    {"files_texts_kEndNodeOutOfRange", files::texts::kEndNodeOutOfRange},
    {"files_texts_kStructureExported", files::texts::kStructureExported},
    {"files_texts_kBlockedNodesGroup", files::texts::kBlockedNodesGroup},
    {"files_texts_kUnnamedType", files::texts::kUnnamedType},
    {"files_headings_kGeometryHeader", files::headings::kGeometryHeader},
    {"files_headings_kBaseModuleHeader", files::headings::kBaseModuleHeader},
    {"files_headings_kInputFileHeader", files::headings::kInputFileHeader},
    {"files_headings_kElasticSupports", files::headings::kElasticSupports},
    {"files_headings_kBasicUnits", files::headings::kBasicUnits},
    {"files_headings_kNodeCoordinates", files::headings::kNodeCoordinates},
    {"files_headings_kNodeTopology", files::headings::kNodeTopology},
    {"files_headings_kElementData", files::headings::kElementData},
    {"files_headings_kMaterials", files::headings::kMaterials},
    {"files_headings_kEndOfFile", files::headings::kEndOfFile},
    {"files_headings_kCoordinates", files::headings::kCoordinates},
    {"files_headings_kExpansion", files::headings::kExpansion},
    {"files_headings_kTopology", files::headings::kTopology},
    {"files_headings_kEndOfInput", files::headings::kEndOfInput},
    {"files_headings_kEndOfInputMark", files::headings::kEndOfInputMark},
    {"files_headings_kGeneratedData", files::headings::kGeneratedData},
    {"files_headings_kElementEnds", files::headings::kElementEnds},
    {"app_texts_kInputPathEmpty", app::texts::kInputPathEmpty},
    {"app_texts_kPathEmpty", app::texts::kPathEmpty},
    {"app_texts_kSameFile", app::texts::kSameFile},
    {"app_texts_kNamesTheInput", app::texts::kNamesTheInput},
    {"app_texts_kWriting", app::texts::kWriting},
    {"app_texts_kBaseModuleCreated", app::texts::kBaseModuleCreated},
    {"app_texts_kNothingGenerated", app::texts::kNothingGenerated},
    {"app_texts_kStandardOutputLost", app::texts::kStandardOutputLost},
    {"app_texts_kPathHoldsControl", app::texts::kPathHoldsControl},
    {"app_texts_kStandardOutputUnwritable", app::texts::kStandardOutputUnwritable},
    {"ui_texts_kUnexpectedError", ui::texts::kUnexpectedError},
    {"ui_texts_kUnsavedChanges", ui::texts::kUnsavedChanges},
    {"ui_texts_kGeneratedCounts", ui::texts::kGeneratedCounts},
    {"ui_texts_kGenerating", ui::texts::kGenerating},
    {"ui_texts_kCountAboveLimit", ui::texts::kCountAboveLimit},
    {"ui_texts_kGenerateNeeds", ui::texts::kGenerateNeeds},
    {"ui_texts_kSavedTo", ui::texts::kSavedTo},
    {"ui_texts_kSaving", ui::texts::kSaving},
    {"ui_texts_kWritingGeometry", ui::texts::kWritingGeometry},
    {"ui_texts_kTooManyPrograms", ui::texts::kTooManyPrograms},
    {"ui_texts_kReadMeFile", ui::texts::kReadMeFile},
    {"ui_texts_kNoNodeSelected", ui::texts::kNoNodeSelected},
    {"ui_texts_kWrongCoordinates", ui::texts::kWrongCoordinates},
    {"ui_texts_kNoElementSelected", ui::texts::kNoElementSelected},
    {"ui_texts_kWrongEndNodes", ui::texts::kWrongEndNodes},
    {"ui_texts_kZeroEndNodes", ui::texts::kZeroEndNodes},
    {"ui_texts_kEndNodeOutsideBase", ui::texts::kEndNodeOutsideBase},
    {"ui_texts_kAreaNotANumber", ui::texts::kAreaNotANumber},
    {"ui_texts_kWrongFootCoordinates", ui::texts::kWrongFootCoordinates},
    {"ui_texts_kMessageTitle", ui::texts::kMessageTitle},
    {"ui_texts_kGenerationWarningTitle", ui::texts::kGenerationWarningTitle},
    {"ui_texts_kCreateMessageTitle", ui::texts::kCreateMessageTitle},
    {"ui_texts_kCoordinatesMessageTitle", ui::texts::kCoordinatesMessageTitle},
    {"ui_texts_kTopologyMessageTitle", ui::texts::kTopologyMessageTitle},
    {"ui_texts_kParameterMessageTitle", ui::texts::kParameterMessageTitle},
    {"ui_texts_kProcessMessageTitle", ui::texts::kProcessMessageTitle},
    {"ui_texts_kSelectOldFile", ui::texts::kSelectOldFile},
    {"ui_texts_kSelectZentrixFile", ui::texts::kSelectZentrixFile},
    {"ui_texts_kSelectGeometryFile", ui::texts::kSelectGeometryFile},
    {"ui_texts_kFailedRun", ui::texts::kFailedRun},
    {"ui_texts_kTextViewerTitle", ui::texts::kTextViewerTitle},
    {"ui_texts_kTextNotReadable", ui::texts::kTextNotReadable},
    {"ui_texts_kTextCutShort", ui::texts::kTextCutShort},
    {"ui_texts_kCoordinatesPrompt2", ui::texts::kCoordinatesPrompt2},
    {"ui_texts_kCoordinatesPrompt3", ui::texts::kCoordinatesPrompt3},
    {"ui_qt_texts_kYes", ui::qt_texts::kYes},
    {"ui_qt_texts_kNo", ui::qt_texts::kNo},
    {"ui_qt_texts_kRetry", ui::qt_texts::kRetry},
    {"ui_qt_texts_kCancel", ui::qt_texts::kCancel},
    {"ui_qt_texts_kSave", ui::qt_texts::kSave},
    {"ui_qt_texts_kDiscard", ui::qt_texts::kDiscard},
    {"ui_qt_texts_kOpen", ui::qt_texts::kOpen},
    {"ui_qt_texts_kClose", ui::qt_texts::kClose},
    {"ui_qt_texts_kLookIn", ui::qt_texts::kLookIn},
    {"ui_qt_texts_kFileName", ui::qt_texts::kFileName},
    {"ui_qt_texts_kFilesOfType", ui::qt_texts::kFilesOfType},
    {"ui_qt_texts_kDataFiles", ui::qt_texts::kDataFiles},
    {"ui_qt_texts_kAllFiles", ui::qt_texts::kAllFiles},
    {"ui_qt_texts_kUnexpectedError", ui::qt_texts::kUnexpectedError},
    {"ui_qt_texts_kReplaceFile", ui::qt_texts::kReplaceFile},
    {"ui_qt_texts_kNoSuchFolder", ui::qt_texts::kNoSuchFolder},
    {"drawing_texts_kBlockedNodes", drawing::texts::kBlockedNodes},
    {"drawing_texts_kLegendLine", drawing::texts::kLegendLine},
    {"drawing_texts_kElementFacts", drawing::texts::kElementFacts},
    {"drawing_texts_kUnclassifiedKind", drawing::texts::kUnclassifiedKind},
    {"drawing_texts_kNodeFacts", drawing::texts::kNodeFacts},
    {"drawing_texts_kNodeBlocked", drawing::texts::kNodeBlocked},
    {"drawing_texts_kPngNotEncoded", drawing::texts::kPngNotEncoded},
    {"render_texts_kPictureKind", app::texts::kPictureKind},
    {"render_texts_kNoPngHere", app::texts::kNoPngHere},
    {"render_texts_kBadSize", app::texts::kBadSize},
    {"render_texts_kPictureWritten", app::texts::kPictureWritten},
    {"new_texts_kTemplatesHeading", app::texts::kTemplatesHeading},
    {"new_texts_kParameterLine", app::texts::kParameterLine},
    {"new_texts_kTemplateMissing", app::texts::kTemplateMissing},
    {"new_texts_kParameterWithoutName", app::texts::kParameterWithoutName},
    {"new_texts_kParameterWithoutValue", app::texts::kParameterWithoutValue},
    {"new_texts_kModelWritten", app::texts::kModelWritten},
    {"template_texts_kPratt", templates::texts::kPratt},
    {"template_texts_kHowe", templates::texts::kHowe},
    {"template_texts_kWarren", templates::texts::kWarren},
    {"template_texts_kWarrenVerticals", templates::texts::kWarrenVerticals},
    {"template_texts_kKTruss", templates::texts::kKTruss},
    {"template_texts_kVierendeel", templates::texts::kVierendeel},
    {"template_texts_kBoxBridge", templates::texts::kBoxBridge},
    {"template_texts_kTriangular", templates::texts::kTriangular},
    {"template_texts_kTower", templates::texts::kTower},
    {"template_texts_kArchRib", templates::texts::kArchRib},
    {"template_texts_kPlaneNote", templates::texts::kPlaneNote},
    {"template_texts_kWarrenNote", templates::texts::kWarrenNote},
    {"template_texts_kVierendeelNote", templates::texts::kVierendeelNote},
    {"template_texts_kBridgeNote", templates::texts::kBridgeNote},
    {"template_texts_kTriangularNote", templates::texts::kTriangularNote},
    {"template_texts_kTowerNote", templates::texts::kTowerNote},
    {"template_texts_kArchNote", templates::texts::kArchNote},
    {"template_texts_kTitle", templates::texts::kTitle},
    {"template_texts_kModules", templates::texts::kModules},
    {"template_texts_kPanelLength", templates::texts::kPanelLength},
    {"template_texts_kHeight", templates::texts::kHeight},
    {"template_texts_kWidth", templates::texts::kWidth},
    {"template_texts_kDepth", templates::texts::kDepth},
    {"template_texts_kDeck", templates::texts::kDeck},
    {"template_texts_kBaseWidth", templates::texts::kBaseWidth},
    {"template_texts_kPanelHeight", templates::texts::kPanelHeight},
    {"template_texts_kTopRatio", templates::texts::kTopRatio},
    {"template_texts_kHalfSpan", templates::texts::kHalfSpan},
    {"template_texts_kRise", templates::texts::kRise},
    {"template_texts_kRibDepth", templates::texts::kRibDepth},
    {"template_texts_kArchKind", templates::texts::kArchKind},
    {"template_texts_kGroupName", templates::texts::kGroupName},
    {"template_texts_kGroupArea", templates::texts::kGroupArea},
    {"template_texts_kChords", templates::texts::kChords},
    {"template_texts_kVerticals", templates::texts::kVerticals},
    {"template_texts_kDiagonals", templates::texts::kDiagonals},
    {"template_texts_kEndPost", templates::texts::kEndPost},
    {"template_texts_kCrossFrames", templates::texts::kCrossFrames},
    {"template_texts_kSwayBracing", templates::texts::kSwayBracing},
    {"template_texts_kBottomStruts", templates::texts::kBottomStruts},
    {"template_texts_kSideStruts", templates::texts::kSideStruts},
    {"template_texts_kLegs", templates::texts::kLegs},
    {"template_texts_kHorizontals", templates::texts::kHorizontals},
    {"template_texts_kBracing", templates::texts::kBracing},
    {"template_texts_kPlanBracing", templates::texts::kPlanBracing},
    {"template_texts_kStruts", templates::texts::kStruts},
    {"template_texts_kOutOfRange", templates::texts::kOutOfRange},
    {"template_texts_kNotANumber", templates::texts::kNotANumber},
    {"template_texts_kNotACount", templates::texts::kNotACount},
    {"template_texts_kNotAChoice", templates::texts::kNotAChoice},
    {"template_texts_kNameTooLong", templates::texts::kNameTooLong},
    {"template_texts_kNameHoldsControl", templates::texts::kNameHoldsControl},
    {"template_texts_kNoSuchParameter", templates::texts::kNoSuchParameter},
    {"template_texts_kNoSuchTemplate", templates::texts::kNoSuchTemplate},
    {"template_texts_kAboveOther", templates::texts::kAboveOther},
    {"render_texts_kPictureWrittenOutputLost", app::texts::kPictureWrittenOutputLost},
    {"view_texts_kViewTitleStructure", ui::texts::kViewTitleStructure},
    {"view_texts_kViewTitleBaseModule", ui::texts::kViewTitleBaseModule},
    {"view_texts_kViewFit", ui::texts::kViewFit},
    {"view_texts_kViewIso", ui::texts::kViewIso},
    {"view_texts_kViewNumbers", ui::texts::kViewNumbers},
    {"view_texts_kViewLegend", ui::texts::kViewLegend},
    {"view_texts_kViewExport", ui::texts::kViewExport},
    {"view_texts_kViewClose", ui::texts::kViewClose},
    {"view_texts_kViewHint", ui::texts::kViewHint},
    {"view_texts_kViewCounts", ui::texts::kViewCounts},
    {"view_texts_kViewNothingPicked", ui::texts::kViewNothingPicked},
    {"view_texts_kViewExportTitle", ui::texts::kViewExportTitle},
    {"view_texts_kViewExported", ui::texts::kViewExported},
};

// The places a text holds: {1} ... {9} for say, %1 ... %9 for Qt's arg.
std::multiset<std::string> placesOf(std::string_view text) {
  std::multiset<std::string> places;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    const bool digit = text[i + 1] >= '1' && text[i + 1] <= '9';
    if (text[i] == '%' && digit) places.insert(std::string(text.substr(i, 2)));
    if (text[i] == '{' && digit && i + 2 < text.size() && text[i + 2] == '}')
      places.insert(std::string(text.substr(i, 3)));
  }
  return places;
}

bool plainAscii(std::string_view text) {
  for (const char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

void PrintTo(const NamedText& text, std::ostream* out) {
  *out << text.name;
}

class TextCatalogue : public ::testing::TestWithParam<NamedText> {};

// A Romanian text without one of the English text's places would drop a
// value (a path, a node number) from the message.
TEST_P(TextCatalogue, BothLanguagesHoldTheSamePlaces) {
  const model::Text& text = GetParam().text;
  // The system's own text is English already; only the Romanian names the
  // error number, for the reader to look up.
  if (std::string_view(GetParam().name) == "files_texts_kSystemError") {
    EXPECT_EQ(placesOf(text.en), (std::multiset<std::string>{"{2}"}));
    EXPECT_EQ(placesOf(text.ro), (std::multiset<std::string>{"{1}", "{2}"}));
    return;
  }
  EXPECT_EQ(placesOf(text.en), placesOf(text.ro));
}

// Messages and file headings go to terminals and to files read in a code
// page: a letter with a diacritic would come out garbled.
TEST_P(TextCatalogue, BothLanguagesArePlainAsciiAndNotEmpty) {
  const model::Text& text = GetParam().text;
  EXPECT_TRUE(plainAscii(text.en)) << text.en;
  EXPECT_TRUE(plainAscii(text.ro)) << text.ro;
  EXPECT_FALSE(std::string_view(text.en).empty());
  EXPECT_FALSE(std::string_view(text.ro).empty());
}

INSTANTIATE_TEST_SUITE_P(Every, TextCatalogue, ::testing::ValuesIn(kEveryText),
                         [](const auto& test) { return std::string(test.param.name); });

// The captions of the dialog templates and the entries of their lists.
std::vector<NamedText> everyCaption() {
  // A deque: the names stay where they are while more are added.
  static std::deque<std::string> names;
  std::vector<NamedText> captions;
  for (int templateId = 102; templateId <= 108; ++templateId)
    for (const auto& caption : ui::captionsOf(templateId)) {
      names.push_back("template" + std::to_string(templateId) + "_" +
                      std::to_string(caption.control) +
                      (caption.part == ui::captions::Part::ToolTip ? "_tip" : ""));
      captions.push_back({names.back().c_str(), caption.text});
    }
  for (const auto& entry : ui::captions::kExpansionTypes) {
    names.push_back("expansionType" + std::to_string(captions.size()));
    captions.push_back({names.back().c_str(), entry});
  }
  for (const auto& entry : ui::captions::kArchKinds) {
    names.push_back("archKind" + std::to_string(captions.size()));
    captions.push_back({names.back().c_str(), entry});
  }
  return captions;
}

INSTANTIATE_TEST_SUITE_P(Captions, TextCatalogue, ::testing::ValuesIn(everyCaption()),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace zentrix
