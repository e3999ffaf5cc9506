// The colour layer on the back buffer. Writing there alone and letting the
// window's paint copy it costs no window device context, pen or brush per
// call: a program that draws a pixel at a time gets its dots fast.
#include "runtime/graphics/pixels.h"

#include <windows.h>

#include <algorithm>

#include "runtime/console/window.h"
#include "runtime/graphics/flood_fill.h"

namespace {

// Clips the rectangle to the back buffer; false when nothing is left.
bool ClipToBackBuffer(RECT* r) {
  const RECT screen{0, 0, ScreenSize.width, ScreenSize.height};
  return IntersectRect(r, r, &screen) != FALSE;
}

// What the calls changed since the window was last told; main thread only.
struct Pending {
  RECT rect;  // empty when there is nothing
  DWORD shown_at;
};
Pending Unshown{{0, 0, 0, 0}, 0};

void ShowOnWindow(const RECT& r) {
  UnionRect(&Unshown.rect, &Unshown.rect, &r);
  if (GetTickCount() - Unshown.shown_at >= ShowInterval) GfxShowPending();
}

// Its pixels in memory are 0x00RRGGBB; a COLORREF is 0x00BBGGRR. The swap
// is its own inverse.
uint32_t DibFromColour(Colour c) { return (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF); }

// A 32-bit top-down bitmap of width x height: the back buffer's top-left
// (or a block of it from any place) copied in, filled in place and copied
// back where it changed.
class AreaCopy {
 public:
  AreaCopy(int32_t width, int32_t height) : area_{nullptr, width, height} {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    dc_ = CreateCompatibleDC(BackBuffer.dc);
    bitmap_ = CreateDIBSection(BackBuffer.dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dc_ != nullptr && bitmap_ != nullptr) {
      kept_ = SelectObject(dc_, bitmap_);
      area_.pixels = static_cast<uint32_t*>(bits);
    }
  }
  ~AreaCopy() {
    if (kept_ != nullptr) SelectObject(dc_, kept_);
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
    if (dc_ != nullptr) DeleteDC(dc_);
  }
  AreaCopy(const AreaCopy&) = delete;
  AreaCopy& operator=(const AreaCopy&) = delete;

  bool Ready() const { return area_.pixels != nullptr; }
  PixelArea Area() const { return area_; }
  void Take() { TakeFrom(0, 0, area_.width, area_.height); }
  void Give(const FillBounds& b) { GiveAt(0, 0, b); }
  // The block from (x, y) into the bitmap's top-left; and the bitmap's
  // part b back to the back buffer at (x + b.left, y + b.top).
  void TakeFrom(int32_t x, int32_t y, int32_t width, int32_t height) {
    BitBlt(dc_, 0, 0, width, height, BackBuffer.dc, x, y, SRCCOPY);
    GdiFlush();  // the bits are read directly next
  }
  void GiveAt(int32_t x, int32_t y, const FillBounds& b) {
    BitBlt(BackBuffer.dc, x + b.left, y + b.top, b.right - b.left, b.bottom - b.top, dc_, b.left, b.top, SRCCOPY);
  }

 private:
  PixelArea area_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ kept_ = nullptr;
};

}  // namespace

void GfxShowPending() {
  if (!IsRectEmpty(&Unshown.rect)) InvalidateRect(PromptWindow, &Unshown.rect, FALSE);
  Unshown = {{0, 0, 0, 0}, GetTickCount()};
}

void GfxFillRgb(int32_t x, int32_t y, int32_t width, int32_t height, Colour colour) {
  // Held to the screen's size first, so that the sums cannot overflow.
  const auto held = [](int32_t v, int32_t limit) { return std::clamp(v, -limit, limit); };
  const int32_t left = held(x, 2 * ScreenSize.width), top = held(y, 2 * ScreenSize.height);
  RECT r{left, top, left + held(std::max(width, 0), ScreenSize.width),
         top + held(std::max(height, 0), ScreenSize.height)};
  if (!ClipToBackBuffer(&r)) return;
  BackBufferLockEnter();
  if (r.right - r.left == 1 && r.bottom - r.top == 1) {
    SetPixelV(BackBuffer.dc, r.left, r.top, colour);
  } else {
    HGDIOBJ kept = SelectObject(BackBuffer.dc, GetStockObject(DC_BRUSH));
    SetDCBrushColor(BackBuffer.dc, colour);
    PatBlt(BackBuffer.dc, r.left, r.top, r.right - r.left, r.bottom - r.top, PATCOPY);
    SelectObject(BackBuffer.dc, kept);
  }
  BackBufferLockLeave();
  ShowOnWindow(r);
}

void GfxPset(int32_t x, int32_t y, int32_t colour) {
  GfxFillRgb(x, y, 1, 1, ColorFromCode(colour));
  LastPoint = {x, y};
}

int64_t GfxPixelAt(int32_t x, int32_t y) {
  if (x < 0 || y < 0 || x >= ScreenSize.width || y >= ScreenSize.height) return PixelOutside;
  BackBufferLockEnter();
  const COLORREF c = GetPixel(BackBuffer.dc, x, y);
  BackBufferLockLeave();
  return c == CLR_INVALID ? PixelOutside : static_cast<int64_t>(c);
}

void GfxFloodFill(int32_t x, int32_t y, int32_t width, int32_t height, Colour paint, Colour border) {
  width = std::clamp(width, 0, static_cast<int32_t>(ScreenSize.width));
  height = std::clamp(height, 0, static_cast<int32_t>(ScreenSize.height));
  if (x < 0 || y < 0 || x >= width || y >= height) return;
  BackBufferLockEnter();
  FillBounds changed{0, 0, 0, 0};
  {
    AreaCopy copy(width, height);
    if (copy.Ready()) {
      copy.Take();
      changed = FloodFill(copy.Area(), x, y, DibFromColour(paint), DibFromColour(border));
      if (changed.left != changed.right) copy.Give(changed);
    }
  }
  BackBufferLockLeave();
  if (changed.left != changed.right) ShowOnWindow({changed.left, changed.top, changed.right, changed.bottom});
}

// The blocks' copy: a bitmap as large as the back buffer, made at the
// first block and kept for the process's life, so that a block costs two
// copies and no bitmap of its own.
AreaCopy& TheBlockCopy() {
  static AreaCopy* copy = new AreaCopy(ScreenSize.width, ScreenSize.height);
  return *copy;
}

bool GfxReadRgb(int32_t x, int32_t y, int32_t width, int32_t height, Colour* pixels) {
  if (x < 0 || y < 0 || width <= 0 || height <= 0 || width > ScreenSize.width - x || height > ScreenSize.height - y) {
    return false;
  }
  BackBufferLockEnter();
  AreaCopy& copy = TheBlockCopy();
  if (copy.Ready()) {
    copy.TakeFrom(x, y, width, height);
    const PixelArea area = copy.Area();
    for (int32_t row = 0; row < height; ++row) {
      const uint32_t* from = area.pixels + static_cast<std::size_t>(row) * area.width;
      for (int32_t column = 0; column < width; ++column) *pixels++ = DibFromColour(from[column]);
    }
  }
  BackBufferLockLeave();
  return copy.Ready();
}

void GfxWriteRgb(int32_t x, int32_t y, int32_t width, int32_t height, const Colour* pixels) {
  if (width <= 0 || height <= 0 || width > ScreenSize.width || height > ScreenSize.height) return;
  if (x < -width || y < -height || x > ScreenSize.width || y > ScreenSize.height) return;
  RECT r{x, y, x + width, y + height};
  if (!ClipToBackBuffer(&r)) return;
  BackBufferLockEnter();
  AreaCopy& copy = TheBlockCopy();
  if (copy.Ready()) {
    GdiFlush();  // no copy of the bitmap is still pending
    const PixelArea area = copy.Area();
    for (int32_t row = 0; row < height; ++row) {
      uint32_t* to = area.pixels + static_cast<std::size_t>(row) * area.width;
      for (int32_t column = 0; column < width; ++column) to[column] = DibFromColour(*pixels++);
    }
    copy.GiveAt(x, y, {r.left - x, r.top - y, r.right - x, r.bottom - y});
  }
  BackBufferLockLeave();
  ShowOnWindow(r);
}
