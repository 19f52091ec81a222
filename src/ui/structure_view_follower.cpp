#include "ui/structure_view_follower.h"

#include "ui/finding_marks.h"
#include "ui/view_exports.h"

namespace zentrix::ui {

bool StructureViewFollower::open(std::optional<ViewSubject> subject) {
  subject_ =
      subject.value_or(structureAvailable() ? ViewSubject::Structure : ViewSubject::BaseModule);
  return host_.showStructureView(model_, content());
}

void StructureViewFollower::follow() {
  host_.updateStructureView(model_, content());
}

void StructureViewFollower::releaseStructure() {
  marks_.reset();
  StructureViewContent baseModule = content();
  baseModule.subject = ViewSubject::BaseModule;
  baseModule.outOfDate = false;
  host_.updateStructureView(model_, baseModule);
}

void StructureViewFollower::showGenerated(const std::vector<generation::Finding>& findings) {
  marks_ =
      std::make_shared<const drawing::Marks>(marksOf(findings, model_, ViewSubject::Structure));
  if (structureAvailable()) subject_ = ViewSubject::Structure;
  follow();
}

StructureViewContent StructureViewFollower::content() const {
  StructureViewContent shown;
  shown.subject = subject_ == ViewSubject::Structure && structureAvailable()
                      ? ViewSubject::Structure
                      : ViewSubject::BaseModule;
  shown.outOfDate = shown.subject == ViewSubject::Structure && session_.inputsChangedSinceGenerate;
  shown.place = exportPlaceOf(session_, dataFolder_);
  if (shown.subject == ViewSubject::Structure) shown.marks = marks_;
  return shown;
}

}  // namespace zentrix::ui
