// The window routines the interpreter's executor calls, for a target that
// only compiles programs. Compiling runs the executor on a constant's
// value, which never draws, prints or reads; these stand in so that the
// target links, and give nothing back.
#include "runtime/console/prompt_io.h"
#include "runtime/graphics/graphics.h"
#include "runtime/graphics/pixels.h"
#include "runtime/strings/strings.h"

LastPointState LastPoint;

void GfxCls(int32_t) {}
void GfxLine(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) {}
void GfxCircle(int32_t, int32_t, int32_t, int32_t, double, double, double, int32_t, int32_t) {}
void GfxFillRgb(int32_t, int32_t, int32_t, int32_t, Colour) {}
void GfxPset(int32_t, int32_t, int32_t) {}
int64_t GfxPixelAt(int32_t, int32_t) { return PixelOutside; }
bool GfxReadRgb(int32_t, int32_t, int32_t, int32_t, Colour*) { return false; }
void GfxWriteRgb(int32_t, int32_t, int32_t, int32_t, const Colour*) {}
void GfxFloodFill(int32_t, int32_t, int32_t, int32_t, Colour, Colour) {}
void GfxShowPending() {}
void PromptPrint(RtString s) { StrRelease(s); }
RtString PromptInput() { return StrNew(0); }
PromptCursorPlace PromptLocate(int32_t, int32_t) { return PromptCursorPlace{0, 0}; }
void PromptSetCaption(const char*, int32_t) {}
