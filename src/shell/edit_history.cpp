#include "shell/edit_history.h"

#include <algorithm>

namespace q7 {

bool sameFiledBytes(const CodeplugImage& a, const CodeplugImage& b) {
  const auto filed = [](const CodeplugImage& image) {
    return image.bytes().subspan(kFileHeaderSize, kRadioSize - kFileHeaderSize);
  };
  return std::ranges::equal(filed(a), filed(b));
}

void EditHistory::reset(const CodeplugImage& image) {
  steps_.assign(1, image);
  at_ = 0;
}

bool EditHistory::record(const CodeplugImage& image) {
  if (sameFiledBytes(steps_[at_], image)) return false;
  steps_.resize(at_ + 1);
  steps_.push_back(image);
  if (steps_.size() > kDepth) steps_.erase(steps_.begin());
  at_ = steps_.size() - 1;
  return true;
}

void EditHistory::settle(const CodeplugImage& image) {
  steps_[at_] = image;
}

const CodeplugImage& EditHistory::undo() {
  return steps_.at(--at_);
}

const CodeplugImage& EditHistory::redo() {
  return steps_.at(++at_);
}

}  // namespace q7
