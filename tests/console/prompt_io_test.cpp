// PRINT for programs in the real window: the text lands at the cursor and is
// on the window as soon as PRINT returns, scrolling when the cursor passes
// the bottom; CLS's clear keeps its place among them without waiting; and
// PRINT and INPUT when there is no window to take them.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <future>
#include <iterator>
#include <string>
#include <vector>

#include "program/program.h"
#include "runtime/console/prompt_io.h"
#include "runtime/console/text_layer.h"
#include "runtime/console/window.h"
#include "tests/support/window_harness.h"

namespace {

constexpr uint32_t Black = 0x000000;
constexpr uint32_t Red = 0x0000FF;
constexpr uint32_t White = 0xFFFFFF;

// One row band as it must look: red, with each cell's byte drawn by itself
// in white on black at its own cell.
Picture ExpectedBand(const std::string& cells) {
  return DrawOffscreen(ClientRect().right, CellHeight, Red, [&](HDC dc) {
    HGDIOBJ kept_font = SelectObject(dc, PromptFont.handle);
    SetTextColor(dc, White);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, Black);
    for (size_t j = 0; j < cells.size(); ++j) TextOutA(dc, static_cast<int>(j) * CellWidth, 0, &cells[j], 1);
    SelectObject(dc, kept_font);
  });
}

RECT Band(int32_t row) { return RECT{0, row * CellHeight, ClientRect().right, (row + 1) * CellHeight}; }

class PromptPrintTest : public testing::Test {
 protected:
  void SetUp() override {
    StartRuntimeOnce();
    SetClientSize(640, 400);
    ClearTextNow();
    FillBackBuffer(ClientRect(), Red);
    RepaintNow(nullptr);
    at_rest_.assign(std::begin(StringSlots), std::end(StringSlots));
    ASSERT_EQ(RegistrySettlesTo(at_rest_), at_rest_);
  }
  std::vector<void*> at_rest_;
};

TEST_F(PromptPrintTest, TextIsOnTheWindowWhenPrintReturns) {
  PromptPrint(TestString("Hi\tZ"));
  EXPECT_EQ(RegistrySettlesTo(at_rest_), at_rest_) << "PRINT's string is released";
  EXPECT_EQ(TextCursor.column, 9);
  EXPECT_EQ(TextCursor.row, 0);
  const Picture window = CaptureWindow(Band(0));
  EXPECT_EQ(window.pixels, ExpectedBand("Hi      Z").pixels) << "drawn without waiting for a paint";
  const Picture below = CaptureWindow(Band(1));
  EXPECT_EQ(CountColour(below, RECT{0, 0, below.width, below.height}, Red), below.width * below.height);
}

TEST_F(PromptPrintTest, PassingTheBottomScrollsAndRedrawsEveryRow) {
  const int32_t last_whole_row = ClientRect().bottom / CellHeight - 1;
  std::string lines;
  for (int32_t i = 0; i < last_whole_row + 3; ++i) lines += "L" + std::to_string(i % 10) + "\r\n";
  PromptPrint(TestString(lines + "end"));
  EXPECT_EQ(TextCursor.row, last_whole_row) << "the cursor row is back on the last whole row";
  EXPECT_EQ(TextCursor.column, 3);
  const int32_t last_line = last_whole_row + 2;  // the "L" line printed before "end"
  const struct {
    int32_t row;
    std::string text;
    const char* why;
  } bands[] = {
      {last_whole_row, "end", "the cursor row"},
      {last_whole_row - 1, "L" + std::to_string(last_line % 10), "the row above it"},
      {0, "L3", "the top row: the three lines past the bottom scrolled away"},
  };
  for (const auto& b : bands) {
    const Picture window = CaptureWindow(Band(b.row));
    EXPECT_EQ(window.pixels, ExpectedBand(b.text).pixels) << b.why;
  }
}

TEST_F(PromptPrintTest, ClearReturnsWhileTheWindowThreadIsBusyAndKeepsItsOrder) {
  PromptPrint(TestString("before"));
  // A paint stalls the window thread on the back buffer's lock until it is
  // released: every request queued meanwhile waits behind it.
  BackBufferLockEnter();
  InvalidateRect(PromptWindow, nullptr, FALSE);
  Sleep(200);
  auto cleared = std::async(std::launch::async, [] { PromptClearText(); });
  const bool returned = cleared.wait_for(std::chrono::seconds(3)) == std::future_status::ready;
  auto printed = std::async(std::launch::async, [] { PromptPrint(TestString("x")); });
  BackBufferLockLeave();
  printed.wait();
  EXPECT_TRUE(returned) << "the clear waited for the busy window thread";
  EXPECT_EQ(TextCursor.row, 0);
  EXPECT_EQ(TextCursor.column, 1) << "cleared after the first PRINT and before the second";
}

TEST(PromptWithoutWindow, PrintReleasesItsStringAndInputGivesAnEmptyLine) {
  // The runtime's window is never started in this process.
  StrHeapInit();
  ASSERT_EQ(PromptWindow, nullptr);
  PromptPrint(TestString("lost"));
  EXPECT_EQ(StringRegistry.count, 0) << "a message nobody takes must not leak PRINT's string";
  RtString line = PromptInput();
  EXPECT_EQ(StrLength(line), 0) << "INPUT comes back at once with an empty line";
  EXPECT_EQ(StringRegistry.count, 1);
  StrRelease(line);
}

}  // namespace
