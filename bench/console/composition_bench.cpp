// composition_bench [KEYS]: what a key costs while a word is being composed.
// Brings the console window up in this process, starts a line, and has the
// window thread's input method compose KEYS times (default 400): each time
// one kana longer, as typing a long word makes it, up to 40 kana (80 cells:
// a row and the next), then taken back and begun again, below a screen of
// text. Every composition
// is drawn by the window before the call returns. Prints the median and
// the slowest of those keys beside the medians of a plain typed character's
// echo and of the same compositions while no line is read (nothing drawn),
// each measured the same way.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "bench/timing.h"
#include "runtime/console/prompt_io.h"
#include "runtime/console/text_layer.h"
#include "runtime/console/window.h"
#include "tests/support/input_method.h"
#include "tests/support/window_harness.h"

namespace {

constexpr int LongestWord = 40;

// A line being read, as INPUT reads it, on a thread of its own.
class WaitingLine {
 public:
  WaitingLine() : thread_([this] { line_ = PromptInput(); }) {
    while (InputLine.length != 0) Sleep(1);
    SendMessageA(PromptWindow, WM_NULL, 0, 0);
  }
  ~WaitingLine() {
    SendMessageA(PromptWindow, WM_CHAR, '\r', 0);
    thread_.join();
    StrRelease(line_);
  }

 private:
  RtString line_ = nullptr;
  std::thread thread_;
};

std::vector<double> TypedCharacters(int keys) {
  const WaitingLine line;
  std::vector<double> times;
  for (int i = 0; i < keys; ++i) {
    times.push_back(Milliseconds([] { SendMessageA(PromptWindow, WM_CHAR, 'a', 0); }));
    if (InputLine.length >= 80) SendMessageA(PromptWindow, WM_CHAR, '\r', 0);
  }
  return times;
}

// With no line being read the window draws nothing: what is left is the
// input method's own work and its messages.
std::vector<double> ComposedKeys(InputMethod& input_method, int keys, bool line_read) {
  std::unique_ptr<WaitingLine> line;
  if (line_read) line = std::make_unique<WaitingLine>();
  std::vector<double> times;
  std::wstring word;
  for (int i = 0; i < keys; ++i) {
    if (word.size() == LongestWord) {
      input_method.Cancel();
      word.clear();
    }
    word += static_cast<wchar_t>(0x3042 + word.size() % 80);  // hiragana
    times.push_back(Milliseconds([&] { input_method.Compose(word); }));
  }
  return times;
}

}  // namespace

int main(int argc, char** argv) {
  const int keys = argc > 1 ? std::atoi(argv[1]) : 400;
  if (keys < 1) {
    std::fprintf(stderr, "usage: composition_bench [KEYS]\n");
    return 2;
  }
  StartRuntimeOnce();
  PaintCanvas(0x402010);
  InputMethod input_method;
  if (!input_method.Present()) {
    std::printf("no input context on this system: nothing to measure\n");
    return 0;
  }
  // A screen of text above the line, as a program leaves it.
  std::string screen;
  for (int row = 0; row < 24; ++row) screen += std::string(79, static_cast<char>('A' + row % 26)) + "\r\n";
  PromptPrint(TestString(screen));
  const std::vector<double> typed = TypedCharacters(keys);
  const std::vector<double> undrawn = ComposedKeys(input_method, keys, false);
  const std::vector<double> composed = ComposedKeys(input_method, keys, true);
  std::printf("a typed character, echoed:                  median %.3f ms\n", Median(typed));
  std::printf("a key composed, no line read, nothing drawn: median %.3f ms\n", Median(undrawn));
  std::printf("a key composed and drawn (1 to %d kana):     median %.3f ms, slowest %.3f ms\n", LongestWord,
              Median(composed), *std::max_element(composed.begin(), composed.end()));
  return 0;
}
