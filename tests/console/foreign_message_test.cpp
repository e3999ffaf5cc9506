// Messages from anyone: private message numbers with parameters that look
// like pointers, and floods from another process while INPUT waits. None of
// them may make the window act on what they carry, lose or leak a string,
// or stop it from serving PRINT and INPUT afterwards.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "program/program.h"
#include "runtime/console/key_buffer.h"
#include "runtime/console/prompt_io.h"
#include "runtime/console/text_layer.h"
#include "runtime/console/window.h"
#include "tests/support/window_harness.h"

namespace {

// Waits (up to ten seconds) for `done`, polling.
template <typename Done>
bool AwaitUntil(Done done) {
  for (int tries = 0; tries < 1000 && !done(); ++tries) Sleep(10);
  return done();
}

// Posts to the window, waiting while its queue is full.
void PostUntilTaken(UINT message, WPARAM wparam) {
  while (!PostMessageA(PromptWindow, message, wparam, 0)) Sleep(1);
}

// Posts the marker key and waits until the window has handled it and, for a
// moment, nothing after it: input-method messages make keys of their own as
// they are handled, which may overwrite the marker, so it is posted again
// until it stays. True when it stayed and nothing but the marker reached the
// key buffer since it was emptied.
bool MarkerRoundWasQuiet() {
  constexpr uint8_t Marker = VK_F9;
  KeyBufferClear();
  LastKey = 0;
  PostUntilTaken(WM_KEYDOWN, Marker);
  for (int tries = 0; tries < 50 && LastKey != Marker; ++tries) Sleep(10);
  Sleep(20);
  if (LastKey != Marker) return false;
  uint8_t bytes[3] = {};
  int count = 0;
  while (count < 3 && KeyBufferTake(&bytes[count])) ++count;
  return count == 2 && bytes[0] == 0 && bytes[1] == ExtendedKeyScanCode(Marker);
}

// Returns once the window has handled every message posted to it so far,
// and every message those made in turn. A handled message can post others
// behind the marker (an input-method composition posts its characters,
// and each of those a WM_CHAR), so one round that sees the marker is not
// enough: the queue counts as drained after three quiet rounds in a row,
// one for each step of that chain. Under the 32-bit emulator the window can
// take minutes to work through the floods, so the wait is bounded by time,
// generously.
void AwaitQueueDrained() {
  const ULONGLONG give_up = GetTickCount64() + 240000;
  int quiet_rounds = 0;
  while (GetTickCount64() < give_up) {
    quiet_rounds = MarkerRoundWasQuiet() ? quiet_rounds + 1 : 0;
    if (quiet_rounds == 3) return;
  }
  ADD_FAILURE() << "the window did not handle its queue in 4 minutes; line " << InputLine.length;
}

class ForeignMessages : public testing::Test {
 protected:
  void SetUp() override {
    StartRuntimeOnce();
    SetClientSize(640, 400);
    ClearTextNow();
    at_rest_.assign(std::begin(StringSlots), std::end(StringSlots));
    ASSERT_EQ(RegistrySettlesTo(at_rest_), at_rest_);
  }
  std::vector<void*> at_rest_;
};

TEST_F(ForeignMessages, PrivateNumbersWithAnyParametersDoNothingAndGiveZero) {
  PromptPrint(TestString("kept"));
  const int32_t column = TextCursor.column;
  // Its low 32 bits serve as the foreign address in a 32-bit process.
  const uint64_t foreign = 0xdeadbeef000;
  const struct {
    WPARAM wparam;
    LPARAM lparam;
    const char* why;
  } parameters[] = {
      {0, 0, "nothing at all"},
      {static_cast<WPARAM>(foreign), 0, "a foreign address where a string was once handed over"},
      {0x10, static_cast<LPARAM>(foreign), "a foreign address where a request was once handed over"},
      {0x10, 0x10, "small numbers"},
      {~WPARAM{0}, -1, "all ones"},
  };
  for (UINT message = WM_APP; message < WM_APP + 64; ++message) {
    for (const auto& p : parameters) {
      EXPECT_EQ(SendMessageA(PromptWindow, message, p.wparam, p.lparam), 0)
          << "WM_APP + " << message - WM_APP << ": " << p.why;
    }
  }
  EXPECT_EQ(LayerRowText(0), "kept") << "the layer is untouched";
  EXPECT_EQ(TextCursor.column, column);
  EXPECT_EQ(InputLine.length, -1) << "no line input was started";
  EXPECT_EQ(RegistrySettlesTo(at_rest_), at_rest_);
  PromptPrint(TestString("!"));
  EXPECT_EQ(LayerRowText(0), "kept!") << "PRINT still works";
}

// A WM_CREATE can only come from another program once the window exists; it
// must not make a new, black back buffer under the picture.
TEST_F(ForeignMessages, ASecondCreateKeepsTheBackBufferAndThePicture) {
  const RECT area{0, 0, 64, 48};
  FillBackBuffer(area, 0x00FF00);
  RepaintNow(nullptr);
  const HDC back_buffer = BackBuffer.dc;
  const uint64_t foreign = 0xdeadbeef000;
  EXPECT_EQ(SendMessageA(PromptWindow, WM_CREATE, 0, static_cast<LPARAM>(foreign)), 0);
  EXPECT_EQ(BackBuffer.dc, back_buffer);
  EXPECT_EQ(CountColour(CaptureBackBuffer(area), RECT{0, 0, 64, 48}, 0x00FF00), 64 * 48);
  RepaintNow(nullptr);
  EXPECT_EQ(CountColour(CaptureWindow(area), RECT{0, 0, 64, 48}, 0x00FF00), 64 * 48);
  EXPECT_EQ(RegistrySettlesTo(at_rest_), at_rest_);
}

// The flood of the issue that once left INPUT deaf: private numbers, typed
// codes and input-method messages posted by another process while a line is
// being typed. Afterwards Enter still ends the line, and the registry holds
// exactly what it held before.
TEST_F(ForeignMessages, AFloodFromAnotherProcessWhileInputWaitsLeavesItWorking) {
  RtString line = nullptr;
  std::thread input([&] { line = PromptInput(); });
  ASSERT_TRUE(AwaitUntil([] { return InputLine.length == 0; })) << "INPUT started";
  const struct {
    const char* kind;
    int count;
  } floods[] = {{"app", 10000}, {"ime", 2000}, {"char", 2000}, {"all", 2000}};
  for (const auto& [kind, count] : floods) {
    const PROCESS_INFORMATION flood = StartFlood(PromptWindow, kind, count, 9);
    ASSERT_NE(flood.dwProcessId, 0u);
    EXPECT_EQ(FinishProcess(flood), 0u) << kind << ": every message was posted";
  }
  // Typed codes may well have held an Enter, and then INPUT has its line
  // and the rest of the typing went nowhere. Otherwise these, queued behind
  // the flood, empty the line and end it.
  for (int i = 0; i < 300; ++i) PostUntilTaken(WM_CHAR, 8);
  PostUntilTaken(WM_CHAR, 13);
  AwaitQueueDrained();
  input.join();
  AwaitQueueDrained();
  EXPECT_LE(StrLength(line), InputLineCapacity);
  StrRelease(line);
  EXPECT_EQ(InputLine.length, -1);
  EXPECT_EQ(RegistrySettlesTo(at_rest_), at_rest_) << "no string lost or leaked";

  // And the next INPUT works as ever.
  std::thread again([&] { line = PromptInput(); });
  ASSERT_TRUE(AwaitUntil([] { return InputLine.length == 0; }));
  for (char byte : std::string("ok")) SendMessageA(PromptWindow, WM_CHAR, static_cast<uint8_t>(byte), 0);
  SendMessageA(PromptWindow, WM_CHAR, 13, 0);
  again.join();
  EXPECT_EQ(std::string(line, static_cast<size_t>(StrLength(line))), "ok");
  StrRelease(line);
  EXPECT_EQ(RegistrySettlesTo(at_rest_), at_rest_);
}

}  // namespace
