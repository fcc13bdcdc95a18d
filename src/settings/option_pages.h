#pragma once
// The option pages of the channel window as a model without a display. Every
// setting control is bound to bits of the codeplug image: InitOpt fills each
// control and sets it from the image, and each control's change handler writes
// its value straight back. The model holds each control exactly as the window
// shows it (items, selection, check, text, enabled, tool tip); the windows
// mirror it and report the user's actions to it.
//
// Setting a control from the program runs its handler as a user action would:
// a list handler runs on every selection (the list was just filled), a check
// box or text handler only when the value changes. Handlers ask `loading()` to
// tell InitOpt's own settings from the user's choices.
#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/caption_table.h"
#include "foundation/codeplug_image.h"

namespace q7 {

enum class ControlKind { List, Check, Text, Button };

// What a window shows of one control.
struct ControlState {
  ControlKind kind = ControlKind::List;
  std::string frame;               // frame holding the control ("fraSysSet1", "fraModelInfo", ...)
  int labelRow = -1;               // caption row of its label or box text; -1 = none
  std::string label;               // label text made otherwise (array elements)
  std::vector<std::string> items;  // lists
  int selected = -1;               // lists: -1 = no selection
  bool checked = false;            // check boxes
  std::string text;                // text boxes
  bool enabled = true;
  std::string toolTip;
};

class OptionPages;
using PageHandler = std::function<void(OptionPages&)>;
// Adds one page's controls and load steps to the model.
using PageRegistration = void (*)(OptionPages&);

// Name of an element of a control array: "cboVoxCmpDat(3)".
std::string elementName(std::string_view array, int index);

class OptionPages {
 public:
  using Listener = std::function<void(const std::string& control)>;

  // A model of the given pages (every page of the channel window by default).
  OptionPages(CodeplugImage& image, const CaptionTable& captions);
  OptionPages(CodeplugImage& image, const CaptionTable& captions,
              std::span<const PageRegistration> pages);
  OptionPages(const OptionPages&) = delete;
  OptionPages& operator=(const OptionPages&) = delete;

  // InitOpt: runs the load steps in the refresh order of the pages; the
  // handlers run as they do for the user, so every option byte ends in the
  // encoding its control shows. Failures are left to the caller.
  void initOpt();
  bool loading() const { return loading_; }

  // The user's actions. A disabled control takes none; positions beyond the list are ignored.
  void choose(std::string_view control, int position);
  void click(std::string_view control, bool checked);
  void type(std::string_view control, const std::string& text);
  void press(std::string_view control);

  const ControlState& control(std::string_view name) const;
  bool has(std::string_view name) const;
  // Controls of one frame, in the order their pages added them.
  std::vector<std::string> controlsIn(std::string_view frame) const;
  // Every control, in the order their pages added them.
  const std::vector<std::string>& controlNames() const { return addedOrder_; }
  // Told the name of every control whose state changed.
  void setListener(Listener listener) { listener_ = std::move(listener); }

  // --- for the pages ---
  void addControl(const std::string& name, ControlState state, PageHandler handler);
  // A step of InitOpt; `initOrder()` names the steps in the order they run.
  void addLoadStep(const std::string& name, PageHandler load);
  const std::map<std::string, PageHandler, std::less<>>& loadSteps() const { return loadSteps_; }

  // Setting controls as the program does (handlers run as described above).
  void fill(std::string_view list, std::vector<std::string> items);  // no selection afterwards
  void select(std::string_view list, int position);  // beyond the list: no selection, no handler
  void check(std::string_view box, bool checked);
  void setText(std::string_view box, const std::string& text);
  void setEnabled(std::string_view control, bool enabled);
  void setToolTip(std::string_view control, const std::string& tip);

  CodeplugImage& image() { return image_; }
  const CodeplugImage& image() const { return image_; }
  const CaptionTable& captions() const { return captions_; }

 private:
  struct Entry {
    ControlState state;
    PageHandler handler;
  };
  Entry& entry(std::string_view name);
  const Entry& entry(std::string_view name) const;
  void runHandler(std::string_view name);
  void notify(std::string_view name);

  CodeplugImage& image_;
  const CaptionTable& captions_;
  std::map<std::string, Entry, std::less<>> controls_;
  std::vector<std::string> addedOrder_;
  std::map<std::string, PageHandler, std::less<>> loadSteps_;
  bool loading_ = false;
  Listener listener_;
};

}  // namespace q7
