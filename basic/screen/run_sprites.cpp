// Graphics GET and PUT at run time: the screen's colour numbers in a block
// to an array's bytes (sprite_format.h, array_bytes.h) and back, combined
// with what the screen holds. Both work in the mode's pixels, through
// WINDOW's mapping, and fail whole (Illegal function call) rather than
// clip: a block reaching past the screen, an array too small for the image.
#include <algorithm>
#include <string>
#include <vector>

#include "basic/executor/machine.h"
#include "basic/executor/statements.h"
#include "basic/screen/compile_sprites.h"
#include "basic/screen/screen.h"
#include "basic/screen/screen_blocks.h"
#include "basic/screen/screen_draw.h"
#include "basic/screen/sprite_format.h"
#include "basic/variables/array_bytes.h"

namespace {

RunFault NoShape(const ScreenState& screen, SpriteShape* shape) {
  if (SpriteShapeOf(*screen.mode, shape)) return {};
  return IllegalCall("graphics GET and PUT work only in the classic screen modes (SCREEN 1 to 13)");
}

RunFault TooSmall(Machine& machine, const ArrayVariable& array, int64_t offset, int64_t needed) {
  return machine.Fail(RunError::IllegalFunctionCall, "array " + array.name + " holds " +
                                                         std::to_string(ArrayByteCount(array) - offset) +
                                                         " bytes from there; the image needs " + std::to_string(needed));
}

// The image's colours combined with the screen's under them, the action
// chosen once for the whole image.
template <typename Combine>
void CombineAll(std::vector<uint8_t>& image, const std::vector<uint8_t>& screen, Combine combine) {
  for (std::size_t i = 0; i < image.size(); ++i) image[i] = combine(image[i], screen[i]);
}

void Combined(SpriteAction action, std::vector<uint8_t>& image, const std::vector<uint8_t>& screen, uint8_t mask) {
  switch (action) {
    case SpriteAction::Pset: return;
    case SpriteAction::Preset: return CombineAll(image, screen, [mask](uint8_t a, uint8_t) { return static_cast<uint8_t>(~a & mask); });
    case SpriteAction::And: return CombineAll(image, screen, [](uint8_t a, uint8_t b) { return static_cast<uint8_t>(a & b); });
    case SpriteAction::Or: return CombineAll(image, screen, [](uint8_t a, uint8_t b) { return static_cast<uint8_t>(a | b); });
    default: return CombineAll(image, screen, [](uint8_t a, uint8_t b) { return static_cast<uint8_t>(a ^ b); });
  }
}

}  // namespace

RunFault RunGetSprite(Machine& machine, const Instruction& in, double*& sp) {
  sp -= 4 + in.b;
  const ScreenState& screen = machine.screen;
  SpriteShape shape;
  if (const RunFault fault = NoShape(screen, &shape)) return fault;
  const double x1 = sp[0] + ((in.c & SpriteFirstStep) ? screen.last_x : 0);
  const double y1 = sp[1] + ((in.c & SpriteFirstStep) ? screen.last_y : 0);
  const double x2 = sp[2] + ((in.c & SpriteSecondStep) ? x1 : 0);
  const double y2 = sp[3] + ((in.c & SpriteSecondStep) ? y1 : 0);
  const ViewPoint a = ToView(screen, x1, y1), b = ToView(screen, x2, y2);
  const ViewPoint low{std::min(a.x, b.x), std::min(a.y, b.y)}, high{std::max(a.x, b.x), std::max(a.y, b.y)};
  if (!InDrawingArea(screen, low) || !InDrawingArea(screen, high)) {
    return IllegalCall("GET's block reaches outside the screen");
  }
  ArrayVariable& array = machine.variables.arrays[static_cast<std::size_t>(in.a)];
  int64_t offset;
  if (const RunFault fault = ElementByteOffset(array, sp + 4, in.b, &offset)) return fault;
  const int32_t width = high.x - low.x + 1, height = high.y - low.y + 1;
  const int64_t needed = SpriteBytes(shape, width, height);
  if (offset + needed > ArrayByteCount(array)) return TooSmall(machine, array, offset, needed);
  std::vector<uint8_t> colours;
  if (!ScreenReadNumbers(screen, low, width, height, &colours)) return IllegalCall("GET's block reaches outside the screen");
  const std::vector<uint8_t> bytes = EncodeSprite(shape, width, height, colours);
  WriteArrayBytes(array, offset, bytes.data(), needed);
  return {};
}

RunFault RunPutSprite(Machine& machine, const Instruction& in, double*& sp) {
  sp -= 2 + in.b;
  ScreenState& screen = machine.screen;
  SpriteShape shape;
  if (const RunFault fault = NoShape(screen, &shape)) return fault;
  const bool step = (in.c & SpriteStep) != 0;
  const ViewPoint at = ToView(screen, sp[0] + (step ? screen.last_x : 0), sp[1] + (step ? screen.last_y : 0));
  ArrayVariable& array = machine.variables.arrays[static_cast<std::size_t>(in.a)];
  int64_t offset;
  if (const RunFault fault = ElementByteOffset(array, sp + 2, in.b, &offset)) return fault;
  if (offset + 4 > ArrayByteCount(array)) return TooSmall(machine, array, offset, 4);
  uint8_t header[4];
  ReadArrayBytes(array, offset, header, 4);
  int32_t width, height;
  SpriteSizes(shape, header, &width, &height);
  if (width == 0 || height == 0) return IllegalCall("the array holds no image: its width or height is 0");
  const int64_t needed = SpriteBytes(shape, width, height);
  if (offset + needed > ArrayByteCount(array)) return TooSmall(machine, array, offset, needed);
  if (!InDrawingArea(screen, at) || !InDrawingArea(screen, {at.x + width - 1, at.y + height - 1})) {
    return IllegalCall("PUT's image reaches outside the screen");
  }
  std::vector<uint8_t> rows(static_cast<std::size_t>(needed - 4));
  ReadArrayBytes(array, offset + 4, rows.data(), needed - 4);
  std::vector<uint8_t> colours = DecodeSprite(shape, width, height, rows.data());
  const auto action = static_cast<SpriteAction>(in.c & (SpriteStep - 1));
  const auto mask = static_cast<uint8_t>(screen.mode->colours - 1);
  std::vector<uint8_t> under(colours.size(), 0);
  const bool reads = action != SpriteAction::Pset && action != SpriteAction::Preset;
  if (reads && !ScreenReadNumbers(screen, at, width, height, &under)) return IllegalCall("PUT's image reaches outside the screen");
  Combined(action, colours, under, mask);
  ScreenDrawNumbers(screen, at, width, height, colours);
  return {};
}
