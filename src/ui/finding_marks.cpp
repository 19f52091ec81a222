#include "ui/finding_marks.h"

namespace zentrix::ui {

drawing::Marks marksOf(const std::vector<generation::Finding>& findings, const model::Model& model,
                       ViewSubject subject) {
  drawing::Marks marks;
  const bool onStructure = subject == ViewSubject::Structure;
  for (const generation::Finding& finding : findings) {
    const bool aboutBaseModule = finding.numbering == generation::Numbering::kBaseModule;
    // A view of the Base module has no structure numbers to mark.
    if (!onStructure && !aboutBaseModule) continue;
    for (std::int64_t node : finding.nodes) {
      if (onStructure && aboutBaseModule) node = generation::structureNodeOfBaseNode(model, node);
      if (node > 0) marks.nodes.push_back(node);
    }
    for (std::int64_t element : finding.elements) {
      if (onStructure && aboutBaseModule)
        element = generation::structureElementOfBaseElement(model, element);
      if (element > 0) marks.elements.push_back(element);
    }
  }
  return marks;
}

drawing::Marks findingMarks(const model::Model& model, ViewSubject subject) {
  const auto findings = subject == ViewSubject::Structure ? generation::checkModel(model)
                                                          : generation::checkBaseModule(model);
  return marksOf(findings, model, subject);
}

}  // namespace zentrix::ui
