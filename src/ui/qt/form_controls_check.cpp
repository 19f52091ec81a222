// Every control the dialog logic names is in its dialog's form: a control
// renamed or taken out of a form stops the build here, naming the id, instead
// of leaving a button that does nothing. The forms' id lists are made from
// the forms at build time (cmake/form_controls.cmake), which also refuses a
// control whose object name is not "control" and its id.
#include <algorithm>
#include <array>

#include "ui/dialogs/coordinates_dialog.h"
#include "ui/dialogs/element_types_dialog.h"
#include "ui/dialogs/expansion_parameter_dialogs.h"
#include "ui/dialogs/model_check_dialog.h"
#include "ui/dialogs/topology_dialog.h"
#include "ui/main_dialog.h"
#include "ui/qt/forms/dialog102_controls.h"
#include "ui/qt/forms/dialog103_controls.h"
#include "ui/qt/forms/dialog104_controls.h"
#include "ui/qt/forms/dialog105_controls.h"
#include "ui/qt/forms/dialog106_controls.h"
#include "ui/qt/forms/dialog107_controls.h"
#include "ui/qt/forms/dialog108_controls.h"
#include "ui/qt/forms/dialog109_controls.h"

namespace zentrix::ui::forms {
namespace {

template <std::size_t N>
constexpr bool holds(const std::array<int, N>& form, ControlId id) {
  return std::find(form.begin(), form.end(), id) != form.end();
}

template <std::size_t N, std::size_t M>
constexpr bool holdsAll(const std::array<int, N>& form, const std::array<ControlId, M>& ids) {
  return std::all_of(ids.begin(), ids.end(), [&form](ControlId id) { return holds(form, id); });
}

namespace ids102 = main_controls;
static_assert(kMainDialogTemplate == 102);
static_assert(holds(kDialog102Controls, ids102::kOldFile));
static_assert(holds(kDialog102Controls, ids102::kOldFilePath));
static_assert(holds(kDialog102Controls, ids102::kDegreesOfFreedom));
static_assert(holds(kDialog102Controls, ids102::kNodesInBase0));
static_assert(holds(kDialog102Controls, ids102::kNodesInBase1));
static_assert(holds(kDialog102Controls, ids102::kElements));
static_assert(holds(kDialog102Controls, ids102::kCoordinates));
static_assert(holds(kDialog102Controls, ids102::kTopology));
static_assert(holds(kDialog102Controls, ids102::kPreviewBase));
static_assert(holds(kDialog102Controls, ids102::kHelp));
static_assert(holds(kDialog102Controls, ids102::kProblemTitle));
static_assert(holds(kDialog102Controls, ids102::kDirection));
static_assert(holds(kDialog102Controls, ids102::kExpansionType));
static_assert(holds(kDialog102Controls, ids102::kModules));
static_assert(holds(kDialog102Controls, ids102::kModuleLength));
static_assert(holds(kDialog102Controls, ids102::kElementTypes));
static_assert(holds(kDialog102Controls, ids102::kLastNodesInBase0));
static_assert(holds(kDialog102Controls, ids102::kGenerate));
static_assert(holds(kDialog102Controls, ids102::kSaveData));
static_assert(holds(kDialog102Controls, ids102::kViewSavedFile));
static_assert(holds(kDialog102Controls, ids102::kCreate));
static_assert(holds(kDialog102Controls, ids102::kView));
static_assert(holds(kDialog102Controls, ids102::kPreviewStructure));
static_assert(holds(kDialog102Controls, ids102::kGeometryFilePath));
static_assert(holds(kDialog102Controls, ids102::kGenerationStatus));
static_assert(holds(kDialog102Controls, ids102::kStructureView));
static_assert(holds(kDialog102Controls, ids102::kDone));
static_assert(holds(kDialog102Controls, kCancelButton));

using Coordinates = CoordinatesControls;
static_assert(Coordinates::kTemplate == 103);
static_assert(holds(kDialog103Controls, Coordinates::kNodeList));
static_assert(holds(kDialog103Controls, Coordinates::kEmptyButton));
static_assert(holds(kDialog103Controls, Coordinates::kCoordinatesEdit));
static_assert(holds(kDialog103Controls, Coordinates::kApplyButton));
static_assert(holds(kDialog103Controls, Coordinates::kPrompt));
static_assert(holds(kDialog103Controls, Coordinates::kProcessedList));
static_assert(holds(kDialog103Controls, kOkButton) && holds(kDialog103Controls, kCancelButton));

using Topology = TopologyControls;
static_assert(Topology::kTemplate == 104);
static_assert(holds(kDialog104Controls, Topology::kElementList));
static_assert(holds(kDialog104Controls, Topology::kEmptyButton));
static_assert(holds(kDialog104Controls, Topology::kEndNodesEdit));
static_assert(holds(kDialog104Controls, Topology::kApplyButton));
static_assert(holds(kDialog104Controls, Topology::kProcessedList));
static_assert(holds(kDialog104Controls, kOkButton) && holds(kDialog104Controls, kCancelButton));

static_assert(PyramidControls::kTemplate == 105);
static_assert(holds(kDialog105Controls, PyramidControls::kShrinkRatioEdit));
static_assert(holds(kDialog105Controls, PyramidControls::kVertexFootEdit));
static_assert(holds(kDialog105Controls, PyramidControls::kHint));
static_assert(holds(kDialog105Controls, kOkButton) && holds(kDialog105Controls, kCancelButton));

static_assert(ShrinkControls::kTemplate == 106);
static_assert(holds(kDialog106Controls, ShrinkControls::kShrinkRatioEdit));
static_assert(holds(kDialog106Controls, ShrinkControls::kDirectionList));
static_assert(holds(kDialog106Controls, kOkButton) && holds(kDialog106Controls, kCancelButton));

static_assert(ArchControls::kTemplate == 107);
static_assert(holds(kDialog107Controls, ArchControls::kHalfSpanEdit));
static_assert(holds(kDialog107Controls, ArchControls::kHeightEdit));
static_assert(holds(kDialog107Controls, ArchControls::kKindList));
static_assert(holds(kDialog107Controls, kOkButton) && holds(kDialog107Controls, kCancelButton));

static_assert(ElementTypesControls::kTemplate == 108);
static_assert(holdsAll(kDialog108Controls, ElementTypesControls::kNameEdits));
static_assert(holdsAll(kDialog108Controls, ElementTypesControls::kAreaEdits));
static_assert(holds(kDialog108Controls, kOkButton) && holds(kDialog108Controls, kCancelButton));

static_assert(ModelCheckControls::kTemplate == 109);
static_assert(holds(kDialog109Controls, ModelCheckControls::kHeading));
static_assert(holds(kDialog109Controls, ModelCheckControls::kFindings));
static_assert(holds(kDialog109Controls, kOkButton));

}  // namespace
}  // namespace zentrix::ui::forms
