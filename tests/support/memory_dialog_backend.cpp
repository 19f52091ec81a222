#include "support/memory_dialog_backend.h"

#include "ui/view_exports.h"

namespace zentrix::ui {

MemoryDialog::MemoryDialog(int templateId, ModalScript script)
    : templateId_(templateId), script_(std::move(script)) {}

void MemoryDialog::onEvent(ControlId control, Handler handler) {
  handlers_[control] = std::move(handler);
}

void MemoryDialog::onInitialised(Handler handler) {
  initialised_ = std::move(handler);
}

const MemoryDialog::Control* MemoryDialog::find(ControlId id) const {
  const auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : &found->second;
}

void MemoryDialog::setEntryCount(ControlId list, int count) {
  auto& entries = control(list).entries;
  entries.resize(static_cast<std::size_t>(count < 0 ? 0 : count));
  if (control(list).selection > count) control(list).selection = 0;
}

int MemoryDialog::entryCount(ControlId list) const {
  const Control* found = find(list);
  return found == nullptr ? 0 : static_cast<int>(found->entries.size());
}

void MemoryDialog::setEntryText(ControlId list, int entry, std::string_view text) {
  auto& entries = control(list).entries;
  if (entry >= 1 && entry <= static_cast<int>(entries.size()))
    entries[static_cast<std::size_t>(entry - 1)] = std::string(text);
}

std::string MemoryDialog::entryText(ControlId list, int entry) const {
  const Control* found = find(list);
  if (found == nullptr || entry < 1 || entry > static_cast<int>(found->entries.size())) return {};
  return found->entries[static_cast<std::size_t>(entry - 1)];
}

void MemoryDialog::setSelection(ControlId list, int entry) {
  Control& c = control(list);
  c.selection = (entry >= 1 && entry <= static_cast<int>(c.entries.size())) ? entry : 0;
}

int MemoryDialog::selection(ControlId list) const {
  const Control* found = find(list);
  return found == nullptr ? 0 : found->selection;
}

void MemoryDialog::setText(ControlId control_, std::string_view text) {
  control(control_).text = std::string(text);
}

std::string MemoryDialog::text(ControlId control_) const {
  const Control* found = find(control_);
  return found == nullptr ? std::string{} : found->text;
}

void MemoryDialog::setToolTip(ControlId control_, std::string_view text) {
  control(control_).toolTip = std::string(text);
}

std::string MemoryDialog::toolTip(ControlId control_) const {
  const Control* found = find(control_);
  return found == nullptr ? std::string{} : found->toolTip;
}

void MemoryDialog::setEnabled(ControlId control_, bool enabled) {
  control(control_).enabled = enabled;
}

bool MemoryDialog::isEnabled(ControlId control_) const {
  const Control* found = find(control_);
  return found == nullptr ? true : found->enabled;
}

void MemoryDialog::setChecked(ControlId checkBox, bool checked) {
  control(checkBox).checked = checked;
}

bool MemoryDialog::isChecked(ControlId checkBox) const {
  const Control* found = find(checkBox);
  return found != nullptr && found->checked;
}

void MemoryDialog::setImage(ControlId control_, ImageId image) {
  control(control_).image = image;
}

std::optional<ImageId> MemoryDialog::image(ControlId control_) const {
  const Control* found = find(control_);
  return found == nullptr ? std::nullopt : found->image;
}

void MemoryDialog::fire(ControlId control_, EventKind event) {
  const auto found = handlers_.find(control_);
  if (found == handlers_.end()) return;
  // Copy: a handler may re-register handlers of its own dialog.
  Handler handler = found->second;
  handler(*this, control_, event);
}

int MemoryDialog::runModal() {
  running_ = true;
  closed_ = false;
  exitCode_ = kCancelButton;
  if (initialised_) {
    Handler handler = initialised_;
    handler(*this, templateId_, EventKind::Initialised);
  }
  if (script_ && !closed_) script_(*this);
  running_ = false;
  // A script that forgot to close leaves as Escape would.
  if (!closed_) exitCode_ = kCancelButton;
  return exitCode_;
}

void MemoryDialog::close(int exitCode) {
  if (!running_ || closed_) return;
  closed_ = true;
  exitCode_ = exitCode;
}

bool MemoryDialog::userType(ControlId edit, std::string_view text) {
  if (!running_ || closed_ || !isEnabled(edit)) return false;
  control(edit).text = std::string(text);
  fire(edit, EventKind::TextChanged);
  return true;
}

bool MemoryDialog::userChoose(ControlId list, int entry) {
  if (!running_ || closed_ || !isEnabled(list)) return false;
  Control& c = control(list);
  if (entry < 1 || entry > static_cast<int>(c.entries.size())) return false;
  c.selection = entry;
  fire(list, EventKind::SelectionChanged);
  return true;
}

void MemoryDialog::userClose(int exitCode) {
  if (!running_ || closed_) return;
  if (closeRequest_) {
    CloseRequest request = closeRequest_;
    if (!request(exitCode)) return;
  }
  close(exitCode);
}

bool MemoryDialog::userClick(ControlId button) {
  if (!running_ || closed_ || !isEnabled(button)) return false;
  if (button == kOkButton || button == kCancelButton) {
    userClose(button);
    return true;
  }
  fire(button, EventKind::Clicked);
  return true;
}

bool MemoryDialog::userPressEnter(ControlId edit) {
  if (!running_ || closed_ || !isEnabled(edit)) return false;
  const auto bound = enterButtons_.find(edit);
  return userClick(bound == enterButtons_.end() ? kOkButton : bound->second);
}

bool MemoryDialog::userToggle(ControlId checkBox) {
  if (!running_ || closed_ || !isEnabled(checkBox)) return false;
  control(checkBox).checked = !control(checkBox).checked;
  fire(checkBox, EventKind::Clicked);
  return true;
}

void MemoryDialogHost::scriptDialog(int templateId, ModalScript script) {
  scripts_[templateId] = std::move(script);
}

void MemoryDialogHost::scriptNextOpening(int templateId, ModalScript script) {
  oneShot_[templateId].push_back(std::move(script));
}

std::unique_ptr<Dialog> MemoryDialogHost::createDialog(int templateId) {
  opened_.push_back(templateId);
  ModalScript script;
  auto& queued = oneShot_[templateId];
  if (!queued.empty()) {
    script = std::move(queued.front());
    queued.pop_front();
  } else if (const auto found = scripts_.find(templateId); found != scripts_.end()) {
    script = found->second;
  }
  return std::make_unique<MemoryDialog>(templateId, std::move(script));
}

namespace {

class MemoryProgressWindow final : public ProgressWindow {
 public:
  MemoryProgressWindow(double cancelAt, std::shared_ptr<int> open)
      : cancelAt_(cancelAt), open_(std::move(open)) {
    ++*open_;
  }
  ~MemoryProgressWindow() override { --*open_; }
  MemoryProgressWindow(const MemoryProgressWindow&) = delete;
  MemoryProgressWindow& operator=(const MemoryProgressWindow&) = delete;
  bool advance(double fraction) override {
    if (fraction >= cancelAt_) cancelled_ = true;
    return !cancelled_;
  }

 private:
  double cancelAt_;
  std::shared_ptr<int> open_;
  bool cancelled_ = false;
};

}  // namespace

std::unique_ptr<ProgressWindow> MemoryDialogHost::startProgress(std::string_view label) {
  progressLabels_.emplace_back(label);
  return std::make_unique<MemoryProgressWindow>(cancelAt_, openProgress_);
}

MessageAnswer MemoryDialogHost::showMessage(std::string_view text, std::string_view title,
                                            MessageButtons buttons, MessageIcon icon) {
  messages_.push_back({std::string(text), std::string(title), buttons, icon, *openProgress_});
  if (!answers_.empty()) {
    const MessageAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  switch (buttons) {
    case MessageButtons::RetryCancel:
      return MessageAnswer::Retry;
    case MessageButtons::YesNo:
      return MessageAnswer::Yes;
    case MessageButtons::SaveDiscardCancel:
      return MessageAnswer::Discard;
    case MessageButtons::Ok:
      break;
  }
  return MessageAnswer::Ok;
}

std::optional<std::string> MemoryDialogHost::chooseFile(std::string_view title,
                                                        std::string_view initialFolder,
                                                        std::string_view proposedName,
                                                        FileChoice choice, const FileType& type) {
  fileRequests_.push_back({std::string(title), std::string(initialFolder),
                           std::string(proposedName), choice, type.extension});
  if (fileChoices_.empty()) return std::nullopt;
  auto chosen = std::move(fileChoices_.front());
  fileChoices_.pop_front();
  // As the save dialog with the type's filter chosen.
  if (chosen && choice == FileChoice::Save) *chosen = withDefaultExtension(*chosen, type.extension);
  return chosen;
}

bool MemoryDialogHost::showStructureView(const model::Model&, const StructureViewContent& content) {
  if (!structureViewOffered_) return false;
  structureViews_.push_back(content.subject);
  viewOpen_ = true;
  viewContents_.push_back(content);
  return true;
}

void MemoryDialogHost::updateStructureView(const model::Model&,
                                           const StructureViewContent& content) {
  if (viewOpen_ && viewContents_.back() != content) viewContents_.push_back(content);
}

}  // namespace zentrix::ui
