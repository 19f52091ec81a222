// The benchmark workload: a 3-D prismatic truss whose Base module has 4 nodes
// per base and 13 elements per module (4 chords, 4 cross-section bars, 4
// diagonals, 1 cross-section diagonal) plus the 4 bars of Base 0.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "generation/generate_sequence.h"
#include "model/model.h"

namespace zentrix::bench {

model::Model trussWorkload(std::int32_t moduleCount);

// GENERATE's caller of a benchmark: goes on despite a warning, no progress.
class GenerateWithoutQuestions final : public generation::GenerateCaller {
 public:
  bool goOnDespite(const std::string&) override { return true; }
  model::Outcome withProgress(
      const std::function<model::Outcome(model::Progress&)>& work) override {
    model::NoProgress progress;
    return work(progress);
  }
};

}  // namespace zentrix::bench
