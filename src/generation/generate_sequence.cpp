#include "generation/generate_sequence.h"

#include "generation/generate.h"

namespace zentrix::generation {

namespace {

// Passes the progress on and remembers whether it asked to stop, so that a
// failed run can be told apart from a cancelled one.
class CancelWatch final : public model::Progress {
 public:
  explicit CancelWatch(model::Progress& shown) : shown_(shown) {}
  bool advance(double fraction) override {
    if (!shown_.advance(fraction)) stopped_ = true;
    return !stopped_;
  }
  bool stopped() const { return stopped_; }

 private:
  model::Progress& shown_;
  bool stopped_ = false;
};

}  // namespace

GenerateResult runGenerate(model::Model& model, bool romanian, GenerateCaller& caller,
                           const model::LineSink& console) {
  if (auto refusal = refusalOf(model, romanian)) return {GenerateEnd::Refused, std::move(*refusal)};
  measureBaseModule(model);
  if (!moduleLengthMatches(model) && !caller.goOnDespite(moduleLengthWarning(model, romanian)))
    return {GenerateEnd::Declined, {}};
  bool stopped = false;
  const model::Outcome generated = caller.withProgress([&](model::Progress& shown) {
    CancelWatch watch(shown);
    const model::Outcome outcome = generateStructure(model, romanian, &watch, console);
    stopped = watch.stopped();
    return outcome;
  });
  if (generated) return {};
  return {stopped ? GenerateEnd::Cancelled : GenerateEnd::Refused, generated.message};
}

}  // namespace zentrix::generation
