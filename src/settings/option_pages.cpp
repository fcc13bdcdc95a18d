#include "settings/option_pages.h"

#include <utility>

#include "foundation/error_report.h"
#include "settings/flag_scope.h"
#include "settings/init_order.h"
#include "settings/page_list.h"

namespace q7 {

std::string elementName(std::string_view array, int index) {
  return std::string(array) + "(" + std::to_string(index) + ")";
}

OptionPages::OptionPages(CodeplugImage& image, const CaptionTable& captions)
    : OptionPages(image, captions, allPages()) {}

OptionPages::OptionPages(CodeplugImage& image, const CaptionTable& captions,
                         std::span<const PageRegistration> pages)
    : image_(image), captions_(captions) {
  for (PageRegistration add : pages) add(*this);
}

void OptionPages::initOpt() {
  const FlagScope loading(loading_);
  for (const char* step : initOrder()) {
    const auto found = loadSteps_.find(std::string_view(step));
    if (found != loadSteps_.end()) found->second(*this);
  }
}

void OptionPages::choose(std::string_view control, int position) {
  const Entry& e = entry(control);
  if (!e.state.enabled || position < 0 || position >= static_cast<int>(e.state.items.size()))
    return;
  select(control, position);
}

void OptionPages::click(std::string_view control, bool checked) {
  if (entry(control).state.enabled) check(control, checked);
}

void OptionPages::type(std::string_view control, const std::string& text) {
  if (entry(control).state.enabled) setText(control, text);
}

void OptionPages::press(std::string_view control) {
  if (entry(control).state.enabled) runHandler(control);
}

const ControlState& OptionPages::control(std::string_view name) const {
  return entry(name).state;
}

bool OptionPages::has(std::string_view name) const {
  return controls_.find(name) != controls_.end();
}

std::vector<std::string> OptionPages::controlsIn(std::string_view frame) const {
  std::vector<std::string> names;
  for (const std::string& name : addedOrder_) {
    if (entry(name).state.frame == frame) names.push_back(name);
  }
  return names;
}

void OptionPages::addControl(const std::string& name, ControlState state, PageHandler handler) {
  if (has(name)) throw Failure(err::kInvalidCall, "frmChMem->" + name);
  controls_.emplace(name, Entry{std::move(state), std::move(handler)});
  addedOrder_.push_back(name);
}

void OptionPages::addLoadStep(const std::string& name, PageHandler load) {
  if (!loadSteps_.emplace(name, std::move(load)).second)
    throw Failure(err::kInvalidCall, "frmChMem->" + name);
}

void OptionPages::fill(std::string_view list, std::vector<std::string> items) {
  ControlState& state = entry(list).state;
  state.items = std::move(items);
  state.selected = -1;
  notify(list);
}

void OptionPages::select(std::string_view list, int position) {
  ControlState& state = entry(list).state;
  const bool inList = position >= 0 && position < static_cast<int>(state.items.size());
  state.selected = inList ? position : -1;
  notify(list);
  if (inList) runHandler(list);
}

void OptionPages::check(std::string_view box, bool checked) {
  ControlState& state = entry(box).state;
  if (state.checked == checked) return;
  state.checked = checked;
  notify(box);
  runHandler(box);
}

void OptionPages::setText(std::string_view box, const std::string& text) {
  ControlState& state = entry(box).state;
  if (state.text == text) return;
  state.text = text;
  notify(box);
  runHandler(box);
}

void OptionPages::setEnabled(std::string_view control, bool enabled) {
  ControlState& state = entry(control).state;
  if (state.enabled == enabled) return;
  state.enabled = enabled;
  notify(control);
}

void OptionPages::setToolTip(std::string_view control, const std::string& tip) {
  ControlState& state = entry(control).state;
  if (state.toolTip == tip) return;
  state.toolTip = tip;
  notify(control);
}

OptionPages::Entry& OptionPages::entry(std::string_view name) {
  return const_cast<Entry&>(std::as_const(*this).entry(name));
}

const OptionPages::Entry& OptionPages::entry(std::string_view name) const {
  const auto found = controls_.find(name);
  if (found == controls_.end()) throw Failure(err::kInvalidCall, "frmChMem->" + std::string(name));
  return found->second;
}

void OptionPages::runHandler(std::string_view name) {
  const PageHandler& handler = entry(name).handler;
  if (handler) handler(*this);
}

void OptionPages::notify(std::string_view name) {
  if (listener_) listener_(std::string(name));
}

}  // namespace q7
