#include "basic/screen/screen_blocks.h"

#include "basic/screen/screen_draw.h"
#include "basic/screen/screen_modes.h"
#include "runtime/graphics/pixels.h"

namespace {

// Colour to number as POINT reads it: the palette before the mode's own,
// the lower number first; a colour neither holds is 0. The last colour
// found is kept, since an image's pixels come in runs.
class ColourNumbers {
 public:
  explicit ColourNumbers(const ScreenState& screen) : screen_(screen) {}
  uint8_t Of(Colour colour) {
    if (colour != last_colour_) {
      last_colour_ = colour;
      last_number_ = Find(colour);
    }
    return last_number_;
  }

 private:
  uint8_t Find(Colour colour) const {
    const int32_t number = ColourNumberOf(screen_, colour);
    return static_cast<uint8_t>(number < 0 ? 0 : number);
  }

  const ScreenState& screen_;
  Colour last_colour_ = 0;
  uint8_t last_number_ = Find(0);
};

bool InMode(const ScreenMode& mode, ViewPoint low, int32_t width, int32_t height) {
  return width > 0 && height > 0 && low.x >= 0 && low.y >= 0 && width <= mode.width - low.x &&
         height <= mode.height - low.y;
}

}  // namespace

bool ScreenReadNumbers(const ScreenState& screen, ViewPoint low, int32_t width, int32_t height,
                       std::vector<uint8_t>* numbers) {
  const ScreenMode& mode = *screen.mode;
  if (!InMode(mode, low, width, height)) return false;
  const int32_t picture_width = width * mode.scale_x;
  std::vector<Colour> picture(static_cast<std::size_t>(picture_width) * static_cast<std::size_t>(height * mode.scale_y));
  if (!GfxReadRgb(low.x * mode.scale_x, low.y * mode.scale_y, picture_width, height * mode.scale_y, picture.data())) {
    return false;
  }
  ColourNumbers known(screen);
  numbers->assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      const Colour colour = picture[static_cast<std::size_t>(y * mode.scale_y) * picture_width + x * mode.scale_x];
      (*numbers)[static_cast<std::size_t>(y) * width + x] = known.Of(colour);
    }
  }
  return true;
}

void ScreenDrawNumbers(const ScreenState& screen, ViewPoint low, int32_t width, int32_t height,
                       const std::vector<uint8_t>& numbers) {
  const ScreenMode& mode = *screen.mode;
  if (!InMode(mode, low, width, height)) return;
  const int32_t picture_width = width * mode.scale_x, picture_height = height * mode.scale_y;
  std::vector<Colour> picture(static_cast<std::size_t>(picture_width) * static_cast<std::size_t>(picture_height));
  for (int32_t py = 0; py < picture_height; ++py) {
    const uint8_t* row = numbers.data() + static_cast<std::size_t>(py / mode.scale_y) * width;
    Colour* out = picture.data() + static_cast<std::size_t>(py) * picture_width;
    for (int32_t px = 0; px < picture_width; ++px) out[px] = screen.palette[row[px / mode.scale_x]];
  }
  GfxWriteRgb(low.x * mode.scale_x, low.y * mode.scale_y, picture_width, picture_height, picture.data());
}
