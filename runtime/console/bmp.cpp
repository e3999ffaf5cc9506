#include "runtime/console/bmp.h"

#include <cstdint>
#include <cstdio>
#include <vector>

bool WriteBmp(const char* path, HDC dc, int width, int height) {
  // Rows bottom-up, each padded to a multiple of four bytes.
  const uint32_t row_bytes = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
  const uint32_t pixel_bytes = row_bytes * static_cast<uint32_t>(height);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  info.bmiHeader.biSizeImage = pixel_bytes;

  // GetDIBits wants the bitmap not to be selected anywhere: copy it out.
  HDC copy_dc = CreateCompatibleDC(dc);
  HBITMAP copy = CreateCompatibleBitmap(dc, width, height);
  HGDIOBJ kept = SelectObject(copy_dc, copy);
  BitBlt(copy_dc, 0, 0, width, height, dc, 0, 0, SRCCOPY);
  SelectObject(copy_dc, kept);
  std::vector<unsigned char> pixels(pixel_bytes);
  const int rows = GetDIBits(copy_dc, copy, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
  DeleteObject(copy);
  DeleteDC(copy_dc);
  if (rows != height) return false;

  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info.bmiHeader;
  file.bfSize = file.bfOffBits + pixel_bytes;
  FILE* out = std::fopen(path, "wb");
  if (out == nullptr) return false;
  bool written = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                 std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
                 std::fwrite(pixels.data(), 1, pixels.size(), out) == pixels.size();
  written = (std::fclose(out) == 0) && written;
  return written;
}
