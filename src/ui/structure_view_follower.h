// Keeps the structure view beside the main dialog on the inputs, so that it
// never has to be closed and opened again: it shows the Base module while it
// is being entered, the generated structure after GENERATE, and that
// structure marked as out of date once an input changes. Before the
// structure's arrays are rebuilt (GENERATE, a new Old File) the view is
// given the Base module, so that it never reads arrays being replaced.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "drawing/scene.h"
#include "generation/model_check.h"
#include "model/model.h"
#include "ui/dialog_layer.h"
#include "ui/session.h"

namespace zentrix::ui {

class StructureViewFollower {
 public:
  StructureViewFollower(DialogHost& host, const model::Model& model, const Session& session,
                        std::string dataFolder)
      : host_(host), model_(model), session_(session), dataFolder_(std::move(dataFolder)) {}

  // Opens the view (or brings it to the front) on `subject`; without one on
  // the structure when there is one, else on the Base module. False when
  // the backend has no view.
  bool open(std::optional<ViewSubject> subject);
  // After any change of the inputs.
  void follow();
  // Before the structure's arrays are rebuilt.
  void releaseStructure();
  // After a GENERATE that built the structure the inputs describe, with
  // what the model check found in it.
  void showGenerated(const std::vector<generation::Finding>& findings);

  StructureViewContent content() const;

 private:
  bool structureAvailable() const {
    return model_.structure.generatedWith.has_value() && model_.structure.totalElements() > 0;
  }

  DialogHost& host_;
  const model::Model& model_;
  const Session& session_;
  std::string dataFolder_;
  ViewSubject subject_ = ViewSubject::BaseModule;
  // The findings of the structure in memory, marked.
  std::shared_ptr<const drawing::Marks> marks_;
};

}  // namespace zentrix::ui
