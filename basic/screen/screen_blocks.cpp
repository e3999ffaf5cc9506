#include "basic/screen/screen_blocks.h"

#include "basic/screen/screen_pages.h"

namespace {

bool InMode(const ScreenState& screen, ViewPoint low, int32_t width, int32_t height) {
  const ScreenMode& mode = *screen.mode;
  return HasPages(screen) && width > 0 && height > 0 && low.x >= 0 && low.y >= 0 && width <= mode.width - low.x &&
         height <= mode.height - low.y;
}

}  // namespace

bool ScreenReadNumbers(const ScreenState& screen, ViewPoint low, int32_t width, int32_t height,
                       std::vector<uint8_t>* numbers) {
  if (!InMode(screen, low, width, height)) return false;
  numbers->resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  PagesRead(screen, low.x, low.y, width, height, numbers->data());
  return true;
}

void ScreenDrawNumbers(ScreenState& screen, ViewPoint low, int32_t width, int32_t height,
                       const std::vector<uint8_t>& numbers) {
  if (!InMode(screen, low, width, height)) return;
  if (numbers.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) return;
  PagesWrite(screen, low.x, low.y, width, height, numbers.data());
}
