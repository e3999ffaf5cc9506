// The classic graphics modes' pages, as the adapter's memory held them:
// each pixel a colour number. The program draws on the active page and the
// window shows the visible one, each number in the palette's colour.
//
// What is drawn on the visible page is gathered into one rectangle and
// written to the picture in one block at most every ShowAfterMs, or four
// times as long as the last write took, whichever is longer (a write per
// dot or sprite would cost more than the drawing, and on a slow display a
// large write costs milliseconds), at the program's next wait, and at its
// end. A page not shown is drawn in its numbers
// alone and reaches the picture whole, in one write, when it is shown, so
// a flip never shows half a frame. A palette change colours again every
// pixel of its number, as a VGA's colour registers did: the visible page
// is shown again once, before the next figure, at the next wait, or within
// ShowAfterMs of a stream of changes, however many there were.
//
// The runtime's own screen has no pages (its pictures are the runtime's
// own statements'): there fills go straight to the picture.
#pragma once

#include <cstdint>
#include <vector>

struct ScreenState;

struct ScreenPages {
  std::vector<std::vector<uint8_t>> pages;  // each the mode's width x height numbers, row after row
  int32_t active = 0, visible = 0;
  bool palette_changed = false;  // the picture's colours are older than the palette's
  bool unshown = false;          // the visible page has pixels the picture lacks, within:
  int32_t unshown_left = 0, unshown_top = 0, unshown_right = 0, unshown_bottom = 0;
  uint64_t show_next_us = 0;     // when the picture may next catch up
};

inline constexpr uint64_t ShowAfterMs = 15;

// Pages of the screen's mode, every pixel 0 (count 0: none).
void PagesStart(ScreenState* screen, int32_t count);
bool HasPages(const ScreenState& screen);
int32_t PageCount(const ScreenState& screen);

// A block of the active page in one colour number; the block lies within
// the mode.
void PagesFill(ScreenState& screen, int32_t x, int32_t y, int32_t width, int32_t height, uint8_t number);
// The active page's number at a point within the mode.
uint8_t PagesNumberAt(const ScreenState& screen, int32_t x, int32_t y);
// Blocks of the active page, row after row, within the mode.
void PagesRead(const ScreenState& screen, int32_t x, int32_t y, int32_t width, int32_t height, uint8_t* numbers);
void PagesWrite(ScreenState& screen, int32_t x, int32_t y, int32_t width, int32_t height, const uint8_t* numbers);

// The palette changed: the visible page will be shown in its new colours.
void PagesPaletteChanged(ScreenState& screen);
// Shows what the picture lacks, pixels or colours: a program calls it as it
// waits.
void PagesSettle(ScreenState& screen);

// SCREEN's active and visible pages; false, changing nothing, unless both
// are pages of the mode.
bool PagesChoose(ScreenState& screen, int32_t active, int32_t visible);
// PCOPY: page `from`'s pixels onto page `to`; false unless both are pages.
bool PagesCopy(ScreenState& screen, int32_t from, int32_t to);
