#include "tests/basic/app/pictures.h"

#include <cstdio>

Picture CaptureForeignWindow(HWND window, const RECT& area) {
  HDC dc = GetDC(window);
  Picture picture = CaptureDC(dc, area);
  ReleaseDC(window, dc);
  return picture;
}

Picture AwaitWindowPicture(HWND window, const RECT& area, const Picture& expected, int seconds) {
  Picture shown = CaptureForeignWindow(window, area);
  for (int tries = 0; tries < seconds * 10 && shown.pixels != expected.pixels; ++tries) {
    Sleep(100);
    shown = CaptureForeignWindow(window, area);
  }
  return shown;
}

::testing::AssertionResult SamePictures(const Picture& expected, const Picture& actual) {
  if (expected.width != actual.width || expected.height != actual.height) {
    return ::testing::AssertionFailure() << "sizes " << expected.width << "x" << expected.height << " and "
                                         << actual.width << "x" << actual.height;
  }
  int differing = 0;
  size_t first = 0;
  for (size_t i = 0; i < expected.pixels.size(); ++i) {
    if (expected.pixels[i] != actual.pixels[i] && differing++ == 0) first = i;
  }
  if (differing == 0) return ::testing::AssertionSuccess();
  char colours[40];
  std::snprintf(colours, sizeof colours, "want 0x%06X got 0x%06X", expected.pixels[first], actual.pixels[first]);
  return ::testing::AssertionFailure() << differing << " pixels differ, the first at (" << first % expected.width
                                       << ", " << first / expected.width << "): " << colours;
}
