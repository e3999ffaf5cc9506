#include "basic/screen/run_screen.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "basic/executor/machine.h"
#include "basic/executor/statements.h"
#include "basic/screen/figure_flags.h"
#include "basic/screen/run_text_screen.h"
#include "basic/screen/screen.h"
#include "basic/text/number_text.h"
#include "basic/variables/array_bytes.h"
#include "runtime/console/text_colours.h"
#include "runtime/numeric/numeric.h"

namespace {

std::string ModeName(const ScreenState& screen) { return "SCREEN " + std::to_string(screen.mode->number); }

// COLOR background, palette in SCREEN 1: the background any of the 16
// colours, the palette's parity choosing colours 1 to 3. Figures drawn
// before keep their colours.
RunFault ColorInScreen1(Machine& machine, const Instruction& in, const double* arguments) {
  ScreenState& screen = machine.screen;
  if (ArgumentWritten(in, 0)) {
    const double background = arguments[0];
    if (!(background >= 0 && background <= 15) || background != std::floor(background)) {
      return machine.Fail(RunError::IllegalFunctionCall, "COLOR: background " + FormatNumber(background) + " is not one of SCREEN 1's (0 to 15)");
    }
    screen.palette[0] = EgaColour(NumToInt32(background));
  }
  if (ArgumentWritten(in, 1)) {
    const double palette = arguments[1];
    if (!(palette >= 0 && palette <= 255) || palette != std::floor(palette)) {
      return machine.Fail(RunError::IllegalFunctionCall, "COLOR: palette " + FormatNumber(palette) + " is not 0 to 255 (even or odd)");
    }
    for (int32_t n = 1; n < 4; ++n) screen.palette[n] = CgaPaletteColour(NumToInt32(palette), n);
  }
  PagesPaletteChanged(screen);
  PromptTextColours(screen.palette[screen.foreground], screen.palette[0]);
  return {};
}

}  // namespace

RunFault ProgramColour(Machine& machine, double number, uint8_t* colour) {
  if (ScreenColour(machine.screen, number, colour)) return {};
  return machine.Fail(RunError::IllegalFunctionCall, "colour " + FormatNumber(number) + " is not one of " + ModeName(machine.screen) + "'s (0 to " +
                       std::to_string(machine.screen.mode->colours - 1) + ")");
}

RunFault NoPixelsHere() {
  return IllegalCall("the PC's text screen has no pixels: figures and POINT need a graphics mode (SCREEN 1 to 13)");
}

RunFault ProgramColourOr(Machine& machine, bool omitted, double number, int32_t default_number, uint8_t* colour) {
  return ProgramColour(machine, omitted ? default_number : number, colour);
}

namespace {

// Whether SCREEN's mode is the one there is: then nothing is cleared.
bool SameMode(const ScreenState& screen, int32_t number) {
  if (number == 0) return ShowsPcText(screen);
  return screen.mode->number == number;
}

RunFault StartMode(Machine& machine, const ScreenMode& mode) {
  if (mode.number == 0) return StartPcText(machine);
  ScreenStart(&machine.screen, mode);
  PromptTextColours(machine.screen.palette[machine.screen.foreground], machine.screen.palette[0]);
  GfxCls(3);
  StartTextGrid(machine, 0, 0);
  return {};
}

// The pages, the visible one the active one unless given.
RunFault ChoosePages(Machine& machine, const Instruction& in, const double* arguments) {
  ScreenState& screen = machine.screen;
  const bool text = ShowsPcText(screen);
  const int32_t count = text ? static_cast<int32_t>(machine.text_pages.grids.size()) : PageCount(screen);
  const int32_t active_now = text ? machine.text_pages.active : screen.pages.active;
  const int32_t visible_now = text ? machine.text_pages.visible : screen.pages.visible;
  const double active = ArgumentWritten(in, 2) ? arguments[2] : active_now;
  const double visible = ArgumentWritten(in, 3) ? arguments[3] : ArgumentWritten(in, 2) ? active : visible_now;
  const auto is_page = [count](double page) { return page >= 0 && page < count && page == std::floor(page); };
  if (!is_page(active) || !is_page(visible)) {
    const std::string pages = count == 1 ? "only page 0" : "pages 0 to " + std::to_string(count - 1);
    return machine.Fail(RunError::IllegalFunctionCall, "SCREEN: " + ModeName(screen) + " has " + pages);
  }
  if (text) {
    ChooseTextPages(machine, NumToInt32(active), NumToInt32(visible));
  } else {
    PagesChoose(screen, NumToInt32(active), NumToInt32(visible));
  }
  return {};
}

}  // namespace

// SCREEN mode, colour switch, active page, visible page. A mode other than
// the one there is starts afresh, cleared; the same mode, or none, keeps
// the screen and changes its pages.
RunFault RunScreen(Machine& machine, const Instruction& in, double*& sp) {
  sp -= 4;
  if (ArgumentWritten(in, 0)) {
    const double number = sp[0];
    const ScreenMode* mode = number == std::floor(number) ? FindScreenMode(NumToInt32(number)) : nullptr;
    if (mode == nullptr) {
      return machine.Fail(RunError::IllegalFunctionCall, "SCREEN " + FormatNumber(number) + " is not a screen mode (0, 1, 2, 7 to 13)");
    }
    if (!SameMode(machine.screen, mode->number)) {
      if (const RunFault fault = StartMode(machine, *mode)) return fault;
    }
  }
  if (!ArgumentWritten(in, 2) && !ArgumentWritten(in, 3)) return {};
  if (machine.screen.mode == &RuntimeScreenMode()) return IllegalCall("SCREEN's pages need a screen mode: SCREEN 0 to 13 first");
  return ChoosePages(machine, in, sp);
}

// PCOPY from, to: one page's picture onto another's.
RunFault RunPcopy(Machine& machine, const Instruction&, double*& sp) {
  sp -= 2;
  ScreenState& screen = machine.screen;
  const auto whole = [](double page) { return page >= 0 && page < 8 && page == std::floor(page); };
  const int32_t from = whole(sp[0]) ? NumToInt32(sp[0]) : -1, to = whole(sp[1]) ? NumToInt32(sp[1]) : -1;
  const bool copied = ShowsPcText(screen) ? CopyTextPage(machine, from, to) : PagesCopy(screen, from, to);
  if (!copied) return machine.Fail(RunError::IllegalFunctionCall, "PCOPY: " + FormatNumber(sp[0]) + " and " + FormatNumber(sp[1]) + " are not both pages of " + ModeName(screen));
  return {};
}

// COLOR foreground, background, border: the border is read and left; in
// SCREEN 1, COLOR background, palette.
RunFault RunColor(Machine& machine, const Instruction& in, double*& sp) {
  sp -= 3;
  ScreenState& screen = machine.screen;
  if (ShowsPcText(screen)) return PcTextColor(machine, in, sp);
  if (screen.mode->number == 1) return ColorInScreen1(machine, in, sp);
  uint8_t fore = static_cast<uint8_t>(screen.foreground), back = static_cast<uint8_t>(screen.background);
  if (ArgumentWritten(in, 0)) {
    if (const RunFault fault = ProgramColour(machine, sp[0], &fore)) return fault;
    screen.foreground = NumToInt32(sp[0]);
  }
  if (ArgumentWritten(in, 1)) {
    if (const RunFault fault = ProgramColour(machine, sp[1], &back)) return fault;
    screen.background = NumToInt32(sp[1]);
  }
  PromptTextColours(screen.palette[fore], screen.palette[back]);
  TextGridColours(machine);
  return {};
}

// PALETTE attribute, colour; a colour of -1 leaves the attribute as it is.
RunFault RunPalette(Machine& machine, const Instruction&, double*& sp) {
  sp -= 2;
  ScreenState& screen = machine.screen;
  if (screen.mode->number == 0) return IllegalCall("PALETTE works only in the classic screen modes (SCREEN 1 to 13)");
  uint8_t attribute;
  if (!ScreenColour(screen, sp[0], &attribute)) {
    return machine.Fail(RunError::IllegalFunctionCall, "PALETTE: " + FormatNumber(sp[0]) + " is not an attribute of " + ModeName(screen));
  }
  if (sp[1] == -1) return {};
  if (!PaletteValueColour(*screen.mode, sp[1], &screen.palette[attribute])) {
    return machine.Fail(RunError::IllegalFunctionCall, "PALETTE: " + FormatNumber(sp[1]) + " is not a colour of " + ModeName(screen));
  }
  PagesPaletteChanged(screen);
  return {};
}

// PALETTE USING array(i): attribute n from element i + n, for each of the
// mode's attributes; -1 leaves one as it is.
RunFault RunPaletteUsing(Machine& machine, const Instruction& in, double*& sp) {
  sp -= in.b;
  ScreenState& screen = machine.screen;
  if (screen.mode->number == 0) return IllegalCall("PALETTE works only in the classic screen modes (SCREEN 1 to 13)");
  ArrayVariable& array = machine.variables.arrays[static_cast<std::size_t>(in.a)];
  int64_t first;
  if (const RunFault fault = ClassicElementIndex(array, sp, in.b, &first)) return fault;
  const int32_t attributes = screen.mode->colours;
  if (first + attributes > static_cast<int64_t>(array.numbers.size())) {
    return machine.Fail(RunError::IllegalFunctionCall, "PALETTE USING needs " + std::to_string(attributes) +
                                                           " elements from there, one for each of " + ModeName(screen) + "'s attributes");
  }
  // Every value is checked before any attribute changes.
  Colour colours[256];
  for (int32_t n = 0; n < attributes; ++n) {
    const double value = array.numbers[StoredElementIndex(array, first + n)];
    colours[n] = screen.palette[n];
    if (value != -1 && !PaletteValueColour(*screen.mode, value, &colours[n])) {
      return machine.Fail(RunError::IllegalFunctionCall, "PALETTE USING: " + FormatNumber(value) + " is not a colour of " + ModeName(screen));
    }
  }
  std::copy_n(colours, attributes, screen.palette);
  PagesPaletteChanged(screen);
  return {};
}

RunFault RunPaletteReset(Machine& machine, const Instruction&, double*&) {
  if (machine.screen.mode->number == 0) return IllegalCall("PALETTE works only in the classic screen modes (SCREEN 1 to 13)");
  ScreenResetPalette(&machine.screen);
  PagesPaletteChanged(machine.screen);
  return {};
}

// WINDOW [SCREEN] (x1, y1)-(x2, y2): a is 1 for SCREEN, whose y grows
// downwards as the pixels' do.
RunFault RunWindow(Machine& machine, const Instruction& in, double*& sp) {
  sp -= 4;
  const double x1 = sp[0], y1 = sp[1], x2 = sp[2], y2 = sp[3];
  if (!(x1 != x2 && y1 != y2 && std::isfinite(x1 - x2) && std::isfinite(y1 - y2))) {
    return IllegalCall("WINDOW needs two corners apart in both x and y");
  }
  machine.screen.window = {true, in.a != 0, std::fmin(x1, x2), std::fmin(y1, y2), std::fmax(x1, x2),
                           std::fmax(y1, y2)};
  return {};
}

RunFault RunWindowReset(Machine& machine, const Instruction&, double*&) {
  machine.screen.window = WindowMapping{};
  return {};
}
