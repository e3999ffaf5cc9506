#include "tests/support/reference_picture.h"

#include <windows.h>

static void Draw(HDC dc, const ReferenceFigure& f) {
  if (f.kind == ReferenceFigure::Pixel) {
    SetPixel(dc, f.left, f.top, f.pen);
    return;
  }
  HPEN pen = CreatePen(PS_SOLID, 1, f.pen);
  HBRUSH brush = f.filled ? CreateSolidBrush(f.brush) : static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  HGDIOBJ kept_pen = SelectObject(dc, pen);
  HGDIOBJ kept_brush = SelectObject(dc, brush);
  if (f.kind == ReferenceFigure::Box) {
    Rectangle(dc, f.left, f.top, f.right, f.bottom);
  } else {
    Ellipse(dc, f.left, f.top, f.right, f.bottom);
  }
  SelectObject(dc, kept_pen);
  SelectObject(dc, kept_brush);
  DeleteObject(pen);
  if (f.filled) DeleteObject(brush);
}

Picture DrawReference(int width, int height, uint32_t background,
                      const std::vector<ReferenceFigure>& figures) {
  return DrawOffscreen(width, height, background, [&](HDC dc) {
    for (const ReferenceFigure& figure : figures) Draw(dc, figure);
  });
}
