#include "basic/screen/screen_pages.h"

#include <algorithm>
#include <chrono>

#include "basic/screen/screen.h"
#include "runtime/graphics/pixels.h"

namespace {

uint64_t NowUs() {
  using namespace std::chrono;
  return static_cast<uint64_t>(duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count());
}

// After a write of the picture that began at `began`: the next waits
// ShowAfterMs, or four times the write's own time.
void Shown(ScreenPages& pages, uint64_t began) {
  const uint64_t now = NowUs();
  pages.show_next_us = now + std::max<uint64_t>(ShowAfterMs * 1000, 4 * (now - began));
}

std::size_t At(const ScreenMode& mode, int32_t x, int32_t y) {
  return static_cast<std::size_t>(y) * static_cast<std::size_t>(mode.width) + static_cast<std::size_t>(x);
}

bool IsPage(const ScreenState& screen, int32_t page) { return page >= 0 && page < PageCount(screen); }

// A block of the visible page onto the picture, in one write.
void Show(const ScreenState& screen, int32_t x, int32_t y, int32_t width, int32_t height) {
  const ScreenMode& mode = *screen.mode;
  const std::vector<uint8_t>& page = screen.pages.pages[static_cast<std::size_t>(screen.pages.visible)];
  const int32_t picture_width = width * mode.scale_x, picture_height = height * mode.scale_y;
  std::vector<Colour> picture(static_cast<std::size_t>(picture_width) * static_cast<std::size_t>(picture_height));
  Colour* out = picture.data();
  for (int32_t row = 0; row < height; ++row) {
    const uint8_t* numbers = page.data() + At(mode, x, y + row);
    Colour* first = out;
    for (int32_t column = 0; column < width; ++column) {
      out = std::fill_n(out, mode.scale_x, screen.palette[numbers[column]]);
    }
    for (int32_t copy = 1; copy < mode.scale_y; ++copy) out = std::copy(first, first + picture_width, out);
  }
  GfxWriteRgb(x * mode.scale_x, y * mode.scale_y, picture_width, picture_height, picture.data());
}

// The whole visible page, on the window at once: a flip or a palette
// change is one picture, not something to wait for the next figure.
void ShowAll(ScreenState& screen) {
  const uint64_t began = NowUs();
  Show(screen, 0, 0, screen.mode->width, screen.mode->height);
  GfxShowPending();
  screen.pages.palette_changed = false;
  screen.pages.unshown = false;
  Shown(screen.pages, began);
}

// The visible page's pixels drawn since the picture last caught up.
void ShowUnshown(ScreenState& screen) {
  ScreenPages& pages = screen.pages;
  if (!pages.unshown) return;
  const uint64_t began = NowUs();
  Show(screen, pages.unshown_left, pages.unshown_top, pages.unshown_right - pages.unshown_left + 1,
       pages.unshown_bottom - pages.unshown_top + 1);
  pages.unshown = false;
  Shown(pages, began);
}

// A block drawn on the active page: when that is the visible one, the
// picture gets it with the rest, once ShowAfterMs has passed.
void Drawn(ScreenState& screen, int32_t x, int32_t y, int32_t width, int32_t height) {
  ScreenPages& pages = screen.pages;
  if (pages.active != pages.visible) return;
  if (pages.palette_changed) return ShowAll(screen);
  const int32_t right = x + width - 1, bottom = y + height - 1;
  if (!pages.unshown) {
    pages.unshown = true;
    pages.unshown_left = x, pages.unshown_top = y, pages.unshown_right = right, pages.unshown_bottom = bottom;
  } else {
    pages.unshown_left = std::min(pages.unshown_left, x);
    pages.unshown_top = std::min(pages.unshown_top, y);
    pages.unshown_right = std::max(pages.unshown_right, right);
    pages.unshown_bottom = std::max(pages.unshown_bottom, bottom);
  }
  if (NowUs() >= pages.show_next_us) ShowUnshown(screen);
}

}  // namespace

void PagesStart(ScreenState* screen, int32_t count) {
  const ScreenMode& mode = *screen->mode;
  screen->pages = ScreenPages{};
  screen->pages.pages.assign(static_cast<std::size_t>(count),
                             std::vector<uint8_t>(static_cast<std::size_t>(mode.width) * static_cast<std::size_t>(mode.height), 0));
}

bool HasPages(const ScreenState& screen) { return !screen.pages.pages.empty(); }

int32_t PageCount(const ScreenState& screen) { return static_cast<int32_t>(screen.pages.pages.size()); }

void PagesFill(ScreenState& screen, int32_t x, int32_t y, int32_t width, int32_t height, uint8_t number) {
  const ScreenMode& mode = *screen.mode;
  std::vector<uint8_t>& page = screen.pages.pages[static_cast<std::size_t>(screen.pages.active)];
  for (int32_t row = y; row < y + height; ++row) std::fill_n(page.begin() + At(mode, x, row), width, number);
  Drawn(screen, x, y, width, height);
}

uint8_t PagesNumberAt(const ScreenState& screen, int32_t x, int32_t y) {
  return screen.pages.pages[static_cast<std::size_t>(screen.pages.active)][At(*screen.mode, x, y)];
}

void PagesRead(const ScreenState& screen, int32_t x, int32_t y, int32_t width, int32_t height, uint8_t* numbers) {
  const std::vector<uint8_t>& page = screen.pages.pages[static_cast<std::size_t>(screen.pages.active)];
  for (int32_t row = y; row < y + height; ++row) numbers = std::copy_n(page.begin() + At(*screen.mode, x, row), width, numbers);
}

void PagesWrite(ScreenState& screen, int32_t x, int32_t y, int32_t width, int32_t height, const uint8_t* numbers) {
  std::vector<uint8_t>& page = screen.pages.pages[static_cast<std::size_t>(screen.pages.active)];
  for (int32_t row = y; row < y + height; ++row, numbers += width) {
    std::copy_n(numbers, width, page.begin() + At(*screen.mode, x, row));
  }
  Drawn(screen, x, y, width, height);
}

void PagesPaletteChanged(ScreenState& screen) {
  if (!HasPages(screen)) return;
  screen.pages.palette_changed = true;
  if (NowUs() >= screen.pages.show_next_us) ShowAll(screen);
}

void PagesSettle(ScreenState& screen) {
  if (!HasPages(screen)) return;
  if (screen.pages.palette_changed) return ShowAll(screen);
  ShowUnshown(screen);
}

bool PagesChoose(ScreenState& screen, int32_t active, int32_t visible) {
  if (!IsPage(screen, active) || !IsPage(screen, visible)) return false;
  const bool shows_other = visible != screen.pages.visible;
  screen.pages.active = active;
  screen.pages.visible = visible;
  if (shows_other || screen.pages.palette_changed) ShowAll(screen);
  return true;
}

bool PagesCopy(ScreenState& screen, int32_t from, int32_t to) {
  if (!IsPage(screen, from) || !IsPage(screen, to)) return false;
  if (from == to) return true;
  std::vector<std::vector<uint8_t>>& pages = screen.pages.pages;
  pages[static_cast<std::size_t>(to)] = pages[static_cast<std::size_t>(from)];
  if (to == screen.pages.visible) ShowAll(screen);
  return true;
}
