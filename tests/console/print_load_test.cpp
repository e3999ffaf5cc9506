// PRINT under load: a hundred thousand lines from the program's thread, the
// layer scrolling all the while, and another thread having the window
// repaint as fast as it can. Each PRINT carries from one to two hundred
// lines, so that some scroll more than the layer's 101 rows at once; one
// line per PRINT would spend the run redrawing every row each time. Nothing may be lost or garbled: the rows end
// holding exactly the last lines printed, the window shows them, and the
// registry holds just what it held before.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <random>
#include <string>
#include <thread>

#include "program/program.h"
#include "runtime/console/prompt_io.h"
#include "runtime/console/text_layer.h"
#include "runtime/console/window.h"
#include "tests/support/window_harness.h"

namespace {

constexpr uint32_t Red = 0x0000FF;
constexpr int Lines = 100000;

std::string LineText(int n) { return "line " + std::to_string(n) + " of the load"; }

// A row band as it must show: the text in white on black over red.
Picture ExpectedBand(const std::string& cells, int width) {
  return DrawOffscreen(width, CellHeight, Red, [&](HDC dc) {
    HGDIOBJ kept_font = SelectObject(dc, PromptFont.handle);
    SetTextColor(dc, 0xFFFFFF);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, 0);
    for (size_t j = 0; j < cells.size(); ++j) TextOutA(dc, static_cast<int>(j) * CellWidth, 0, &cells[j], 1);
    SelectObject(dc, kept_font);
  });
}

TEST(PrintLoad, AHundredThousandLinesWhileTheWindowRepaintsLoseNothing) {
  StartRuntimeOnce();
  // As tall as the system lets the window be, up to the layer's 101 rows.
  SetClientSize(640, TextRows * CellHeight);
  ClearTextNow();
  FillBackBuffer(ClientRect(), Red);
  const std::vector<void*> at_rest(std::begin(StringSlots), std::end(StringSlots));
  ASSERT_EQ(RegistrySettlesTo(at_rest), at_rest);

  std::atomic<bool> printing{true};
  std::atomic<int> repaints{0};
  std::thread painter([&] {
    while (printing.load()) {
      RepaintNow(nullptr);
      repaints += 1;
    }
  });
  const auto started = std::chrono::steady_clock::now();
  std::mt19937 random(3);
  int prints = 0;
  for (int n = 0; n < Lines; ++prints) {
    std::string batch;
    for (int k = static_cast<int>(random() % 200) + 1; k > 0 && n < Lines; --k, ++n) batch += LineText(n) + "\r\n";
    PromptPrint(TestString(batch));
  }
  const auto ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started).count();
  printing = false;
  painter.join();
  std::printf("%d lines in %d PRINTs, %lld ms, %d repaints meanwhile, %d rows shown\n", Lines, prints,
              static_cast<long long>(ms), repaints.load(), static_cast<int>(TextCursor.row));

  // The cursor sits on the empty row after the last line; above it, in
  // order, the last lines printed, as many as the window shows (the layer
  // keeps at most 100 of them above the cursor).
  const int32_t kept = TextCursor.row;
  EXPECT_EQ(TextCursor.column, 0);
  EXPECT_GE(kept, ClientRect().bottom / CellHeight - 1) << "scrolling kept the cursor on the last whole row";
  int wrong_rows = 0;
  for (int32_t row = 0; row < kept; ++row) {
    const std::string want = LineText(Lines - kept + row);
    if (LayerRowText(row) != want) {
      if (++wrong_rows <= 5) ADD_FAILURE() << "row " << row << ": want \"" << want << "\" got \"" << LayerRowText(row) << "\"";
    }
  }
  EXPECT_EQ(wrong_rows, 0);
  EXPECT_EQ(LayerRowText(kept), "");
  EXPECT_GE(repaints.load(), 10) << "the window kept repainting";

  SettleWindow();
  const int width = ClientRect().right;
  for (int32_t row : {0, kept / 2, kept - 1}) {
    const RECT band{0, row * CellHeight, width, (row + 1) * CellHeight};
    const Picture shown = CaptureWindow(band);
    const Picture want = ExpectedBand(LineText(Lines - kept + row), width);
    size_t differing = 0;
    for (size_t i = 0; i < shown.pixels.size(); ++i) differing += shown.pixels[i] != want.pixels[i];
    EXPECT_EQ(differing, 0u) << "pixels of row " << row << " that the window shows wrong";
  }
  EXPECT_EQ(RegistrySettlesTo(at_rest), at_rest) << "every PRINTed string was released";
}

}  // namespace
