#include "basic/text/input_script.h"

#include <algorithm>
#include <cstring>
#include <memory>

InputScript InputScript::OfText(std::string text) {
  auto bytes = std::make_shared<std::string>(std::move(text));
  auto at = std::make_shared<std::size_t>(0);
  return InputScript([bytes, at](char* buffer, std::size_t size) {
    const std::size_t taken = std::min(size, bytes->size() - *at);
    std::memcpy(buffer, bytes->data() + *at, taken);
    *at += taken;
    return taken;
  });
}

bool InputScript::Fill() {
  if (ended_) return false;
  // What was given already is dropped first, so that pending_ holds at
  // most one chunk past the line being read.
  pending_.erase(0, at_);
  at_ = 0;
  char buffer[4096];
  const std::size_t got = reader_(buffer, sizeof buffer);
  if (got == 0) {
    ended_ = true;
    return false;
  }
  pending_.append(buffer, std::min(got, sizeof buffer));
  return true;
}

bool InputScript::NextLine(std::string* line) {
  line->clear();
  bool any = false;       // a byte of this line, or its LF, has been seen
  bool cut = false;       // bytes past the limit were dropped
  char previous = 0;      // the byte before the LF
  for (;;) {
    if (at_ == pending_.size() && !Fill()) {
      if (!any) return false;
      break;
    }
    any = true;
    const std::size_t end = pending_.find('\n', at_);
    const std::size_t stop = end == std::string::npos ? pending_.size() : end;
    const std::size_t room = InputLineLimit - line->size();
    cut = cut || stop - at_ > room;
    line->append(pending_, at_, std::min(stop - at_, room));
    if (stop > at_) previous = pending_[stop - 1];
    at_ = stop;
    if (end != std::string::npos) {
      ++at_;
      // The CR of a CR LF; one dropped past the limit was never kept.
      if (previous == '\r' && !cut) line->pop_back();
      break;
    }
  }
  ++lines_read_;
  return true;
}

bool InputScript::HasKey() { return at_ < pending_.size() || Fill(); }

bool InputScript::NextKey(char* key) {
  if (!HasKey()) return false;
  *key = pending_[at_++];
  if (*key == '\r' && HasKey() && pending_[at_] == '\n') ++at_;
  return true;
}
