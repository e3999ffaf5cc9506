// The string heap and its operations under arbitrary sequences of
// allocations, concatenations, comparisons, first bytes, renewals and
// releases, with operands that are live strings, strings already released,
// pointers into the middle of strings, foreign pointers and null. A model
// of the live strings (in allocation order, with their bytes) must agree
// with the registry after every call, every unknown pointer released must
// send the debugger line exactly once, and the registry ends as it began.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/string_heap/debug_lines.h"
#include "fuzz/support/require.h"
#include "runtime/strings/strings.h"

namespace {

constexpr int32_t LongestNew = 300;
// Far below the largest length: concatenating a string with itself doubles
// it, and a failed allocation would end the run by design.
constexpr size_t LargestTotal = 1 << 16;

struct Live {
  RtString s;
  std::string bytes;
};

struct Model {
  std::vector<Live> live;    // allocation order, as the registry keeps it
  std::vector<char*> freed;  // released once already
  char foreign[16] = {};     // memory that never belonged to the heap

  const Live* Find(const char* p) const {
    for (const Live& entry : live)
      if (entry.s == p) return &entry;
    return nullptr;
  }
  // The bytes an operand stands for: a string the registry does not hold
  // counts as empty.
  std::string Text(const char* p) const {
    const Live* entry = Find(p);
    return entry == nullptr ? std::string() : entry->bytes;
  }
  // A consumed or released pointer: a live string leaves the model, any
  // other non-null pointer is one line to the debugger.
  int Release(char* p) {
    auto at = std::find_if(live.begin(), live.end(), [p](const Live& entry) { return entry.s == p; });
    if (at == live.end()) return p != nullptr;
    freed.push_back(p);
    live.erase(at);
    return 0;
  }
  size_t Total() const {
    size_t total = 0;
    for (const Live& entry : live) total += entry.bytes.size();
    return total;
  }
};

Model model;
int32_t registered_before_input = 0;

// Mostly a live string; otherwise one of the pointers a release must
// survive. A freed block may come back from the heap as a new string, so
// "freed" is only whatever the registry does not hold now.
char* PickOperand(FuzzedDataProvider& input) {
  const int kind = input.ConsumeIntegralInRange<int>(0, 7);
  if (kind <= 3 && !model.live.empty()) {
    return model.live[input.ConsumeIntegralInRange<size_t>(0, model.live.size() - 1)].s;
  }
  if (kind == 4 && !model.live.empty()) {
    const Live& entry = model.live[input.ConsumeIntegralInRange<size_t>(0, model.live.size() - 1)];
    // From the second byte to the terminator: every one inside the block.
    return entry.s + input.ConsumeIntegralInRange<size_t>(1, std::max<size_t>(entry.bytes.size(), 1));
  }
  if (kind == 5 && !model.freed.empty()) {
    char* p = model.freed[input.ConsumeIntegralInRange<size_t>(0, model.freed.size() - 1)];
    if (model.Find(p) == nullptr) return p;
  }
  if (kind == 6) return model.foreign + input.ConsumeIntegralInRange<int>(4, 8);
  return nullptr;
}

void RequireRegistryMatches(const char* after) {
  const auto count = static_cast<size_t>(StringRegistry.count - registered_before_input);
  Require(count == model.live.size(), "after %s the registry holds %d new strings, the model %d", after, int(count),
          int(model.live.size()));
  for (size_t i = 0; i < count; ++i) {
    const Live& entry = model.live[i];
    Require(StringRegistry.entries[registered_before_input + static_cast<int32_t>(i)] == entry.s,
            "after %s entry %d is out of order", after, int(i));
    Require(StrLength(entry.s) == static_cast<int32_t>(entry.bytes.size()) &&
                std::memcmp(entry.s, entry.bytes.data(), entry.bytes.size()) == 0 && entry.s[entry.bytes.size()] == 0,
            "after %s string %d lost its bytes or terminator", after, int(i));
  }
}

void RequireDebugLines(const std::string& sent, int expected, const char* after) {
  std::string lines;
  for (int i = 0; i < expected; ++i) lines += UnknownStringMessage;
  Require(sent == lines, "%s sent %d bytes to the debugger, %d lines expected", after, int(sent.size()), expected);
}

RtString Adopt(RtString s, std::string bytes) {
  model.live.push_back({s, std::move(bytes)});
  return s;
}

void NewString(FuzzedDataProvider& input) {
  const std::string bytes = input.ConsumeBytesAsString(input.ConsumeIntegralInRange<size_t>(0, LongestNew));
  RtString s = StrNew(static_cast<int32_t>(bytes.size()));
  Require(std::all_of(s, s + bytes.size() + 1, [](char c) { return c == 0; }), "new string of %d not zero-filled",
          int(bytes.size()));
  if (!bytes.empty()) std::memcpy(s, bytes.data(), bytes.size());
  Adopt(s, bytes);
}

void Renew(FuzzedDataProvider& input) {
  const int32_t length = input.ConsumeIntegralInRange<int32_t>(0, LongestNew);
  Adopt(StrRenew(length), std::string(static_cast<size_t>(length), '\0'));
}

void Concat(FuzzedDataProvider& input) {
  if (model.Total() > LargestTotal) return;
  char* left = PickOperand(input);
  char* right = PickOperand(input);
  std::string joined = model.Text(left) + model.Text(right);
  const int lines = model.Release(left) + model.Release(right);
  DebugLinesStart();
  RtString result = StrConcat(left, right);
  RequireDebugLines(DebugLinesTake(), lines, "StrConcat");
  Adopt(result, std::move(joined));
}

int32_t CompareOrder(const std::string& left, const std::string& right) {
  const int order = left.compare(right);  // unsigned bytes, a prefix first
  return order < 0 ? 1 : order == 0 ? 2 : 3;
}

void Compare(FuzzedDataProvider& input, bool keep_left) {
  char* left = PickOperand(input);
  char* right = PickOperand(input);
  const int32_t expected = CompareOrder(model.Text(left), model.Text(right));
  const int lines = (keep_left ? 0 : model.Release(left)) + model.Release(right);
  DebugLinesStart();
  const int32_t result = keep_left ? StrCompareKeep(left, right) : StrCompare(left, right);
  RequireDebugLines(DebugLinesTake(), lines, keep_left ? "StrCompareKeep" : "StrCompare");
  Require(result == expected, "comparison gave %d, %d expected", result, expected);
}

void FirstByte(FuzzedDataProvider& input) {
  char* s = PickOperand(input);
  const std::string text = model.Text(s);
  const int32_t expected = text.empty() ? 0 : static_cast<uint8_t>(text[0]);
  const int lines = model.Release(s);
  DebugLinesStart();
  const int32_t result = StrFirstByte(s);
  RequireDebugLines(DebugLinesTake(), lines, "StrFirstByte");
  Require(result == expected, "first byte %d, %d expected", result, expected);
}

void Release(FuzzedDataProvider& input) {
  char* s = PickOperand(input);
  const int lines = model.Release(s);
  DebugLinesStart();
  StrRelease(s);
  RequireDebugLines(DebugLinesTake(), lines, "StrRelease");
}

void RunStep(FuzzedDataProvider& input) {
  switch (input.ConsumeIntegralInRange<int>(0, 7)) {
    case 0: NewString(input); return RequireRegistryMatches("StrNew");
    case 1: Renew(input); return RequireRegistryMatches("StrRenew");
    case 2: Concat(input); return RequireRegistryMatches("StrConcat");
    case 3: Compare(input, false); return RequireRegistryMatches("StrCompare");
    case 4: Compare(input, true); return RequireRegistryMatches("StrCompareKeep");
    case 5: FirstByte(input); return RequireRegistryMatches("StrFirstByte");
    default: Release(input); return RequireRegistryMatches("StrRelease");
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  DebugLinesInit();
  StrHeapInit();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  registered_before_input = StringRegistry.count;
  model.live.clear();
  model.freed.clear();
  for (int step = 0; step < 200 && input.remaining_bytes() > 0; ++step) RunStep(input);
  while (!model.live.empty()) StrRelease(model.live.back().s), model.live.pop_back();
  Require(StringRegistry.count == registered_before_input, "registry holds %d strings, %d before",
          StringRegistry.count, registered_before_input);
  return 0;
}
