#include "tests/support/window_harness.h"

#include <cstdio>
#include <cstring>

#include "program/program.h"
#include "runtime/console/text_layer.h"
#include "runtime/console/window.h"
#include "tests/support/child_process.h"

RtString TestString(const std::string& bytes) {
  RtString s = StrNew(static_cast<int32_t>(bytes.size()));
  std::memcpy(s, bytes.data(), bytes.size());
  return s;
}

std::string LayerRowText(int32_t row) {
  return std::string(TextScreen.characters[row], static_cast<size_t>(TextRowLength(row)));
}

void StartRuntimeOnce() {
  static bool started = false;
  if (started) return;
  started = true;
  RuntimeStartUp();
  AwaitFirstPaint();
}

static uint32_t ColorRefFromDib(uint32_t pixel) {
  return ((pixel & 0xFF) << 16) | (pixel & 0xFF00) | ((pixel >> 16) & 0xFF);
}

// Copies area of `source` into a top-down 32-bit DIB and returns its pixels.
Picture CaptureDC(HDC source, const RECT& area) {
  Picture picture;
  picture.width = area.right - area.left;
  picture.height = area.bottom - area.top;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = -picture.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC memory = CreateCompatibleDC(nullptr);
  HGDIOBJ kept = SelectObject(memory, dib);
  BitBlt(memory, 0, 0, picture.width, picture.height, source, area.left, area.top, SRCCOPY);
  GdiFlush();
  const auto* raw = static_cast<const uint32_t*>(bits);
  picture.pixels.reserve(static_cast<size_t>(picture.width) * picture.height);
  for (size_t i = 0; i < static_cast<size_t>(picture.width) * picture.height; ++i) {
    picture.pixels.push_back(ColorRefFromDib(raw[i] & 0xFFFFFF));
  }
  SelectObject(memory, kept);
  DeleteDC(memory);
  DeleteObject(dib);
  return picture;
}

Picture DrawOffscreen(int width, int height, uint32_t background, const std::function<void(HDC)>& draw) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  ReleaseDC(nullptr, screen);
  HGDIOBJ kept = SelectObject(dc, bitmap);
  HBRUSH fill = CreateSolidBrush(background);
  const RECT all{0, 0, width, height};
  FillRect(dc, &all, fill);
  DeleteObject(fill);
  draw(dc);
  Picture picture = CaptureDC(dc, all);
  SelectObject(dc, kept);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return picture;
}

Picture CaptureWindow(const RECT& area) {
  HDC dc = GetDC(PromptWindow);
  Picture picture = CaptureDC(dc, area);
  ReleaseDC(PromptWindow, dc);
  return picture;
}

Picture CaptureBackBuffer(const RECT& area) {
  BackBufferLockEnter();
  Picture picture = CaptureDC(BackBuffer.dc, area);
  BackBufferLockLeave();
  return picture;
}

void FillBackBuffer(const RECT& area, uint32_t colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  BackBufferLockEnter();
  FillRect(BackBuffer.dc, &area, brush);
  BackBufferLockLeave();
  DeleteObject(brush);
}

void AwaitPromptQueue() {
  // A sent message is served before posted ones, and the window thread
  // serves the whole queue for it.
  SendMessageA(PromptWindow, PromptQueueMessage, 0, 0);
}

void ClearTextNow() {
  PromptClearText();
  AwaitPromptQueue();
}

void RepaintNow(const RECT* area) {
  RedrawWindow(PromptWindow, area, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  // A paint the window thread had already begun may have taken the area
  // over, and then RedrawWindow has nothing left to wait for: a message sent
  // behind it returns only once that paint is done.
  SendMessageA(PromptWindow, WM_NULL, 0, 0);
}

void SettleWindow() {
  // Exposures come when the display server sends them, which on a busy or
  // emulated machine can be long after the change that caused them: wait
  // until half a second has passed with nothing left to paint.
  RepaintNow(nullptr);
  constexpr int QuietRounds = 5, MaxRounds = 50;
  for (int round = 0, quiet = 0; quiet < QuietRounds && round < MaxRounds; ++round) {
    Sleep(100);
    if (GetUpdateRect(PromptWindow, nullptr, FALSE)) {
      UpdateWindow(PromptWindow);
      quiet = 0;
    } else {
      quiet += 1;
    }
  }
}

void SetClientSize(int width, int height) {
  RECT frame{0, 0, width, height};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(PromptWindow, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongA(PromptWindow, GWL_EXSTYLE)));
  SetWindowPos(PromptWindow, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT ClientRect() {
  RECT client{};
  GetClientRect(PromptWindow, &client);
  return client;
}

std::vector<void*> RegistryEntries() {
  return std::vector<void*>(StringRegistry.entries, StringRegistry.entries + StringRegistry.count);
}

std::vector<void*> RegistrySettlesTo(const std::vector<void*>& expected) {
  std::vector<void*> now = RegistryEntries();
  for (int tries = 0; tries < 100 && now != expected; ++tries) {
    Sleep(20);
    now = RegistryEntries();
  }
  return now;
}

int CountColour(const Picture& picture, const RECT& area, uint32_t colour) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) count += picture.At(x, y) == colour;
  }
  return count;
}

std::string SiblingExecutable(const char* name) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  folder.erase(folder.find_last_of("\\/") + 1);
  return folder + name;
}

DWORD RunProgram(std::string command, std::string* output) {
  PipedChild child;
  if (!StartPiped(std::move(command), &child)) return 0xFFFFFFFF;
  const std::string text = ReadAll(child.output);
  WaitForSingleObject(child.process.hProcess, INFINITE);
  if (output != nullptr) *output = text;
  return ClosePiped(child);
}

PROCESS_INFORMATION StartSibling(const char* name, const std::string& arguments) {
  std::string command = "\"" + SiblingExecutable(name) + "\"";
  if (!arguments.empty()) command += " " + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
  return process;
}

PROCESS_INFORMATION StartFlood(HWND window, const char* kind, int count, unsigned seed) {
  char event_name[64];
  std::snprintf(event_name, sizeof event_name, "window-flood-%lu-%u", GetCurrentProcessId(), seed);
  HANDLE started = CreateEventA(nullptr, TRUE, FALSE, event_name);
  char arguments[160];
  std::snprintf(arguments, sizeof arguments, "%llx %s %d %u %s",
                static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(window)), kind, count, seed, event_name);
  PROCESS_INFORMATION flood = StartSibling("window-flood.exe", arguments);
  if (flood.dwProcessId != 0) {
    const HANDLE either[] = {started, flood.hProcess};
    WaitForMultipleObjects(2, either, FALSE, 60000);
  }
  CloseHandle(started);
  return flood;
}

HWND PromptWindowOf(const PROCESS_INFORMATION& process) {
  for (int tries = 0; tries < 12000; ++tries) {
    if (const HWND window = FindPromptWindow(process.dwProcessId)) return window;
    if (WaitForSingleObject(process.hProcess, 5) == WAIT_OBJECT_0) return nullptr;
  }
  return nullptr;
}

DWORD FinishProcess(PROCESS_INFORMATION process) {
  WaitForSingleObject(process.hProcess, 60000);
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process.hProcess, &code);
  if (code == STILL_ACTIVE) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

bool AwaitLineInput(HWND window) {
  const DWORD thread = GetWindowThreadProcessId(window, nullptr);
  for (int tries = 0; tries < 1000; ++tries) {
    SendMessageA(window, WM_SETFOCUS, 0, 0);
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (GetGUIThreadInfo(thread, &info) && info.hwndCaret == window) return true;
    Sleep(10);
  }
  return false;
}

void PaintCanvas(uint32_t colour) {
  StartRuntimeOnce();
  SetClientSize(640, 400);
  FillBackBuffer(ClientRect(), colour);
  RepaintNow(nullptr);
}

static std::vector<HPEN> HeldPens;

int ExhaustGdiHandles() {
  // The table is bounded (about 65 000 objects on wine, 10 000 by default
  // on Windows): the loop's own bound only guards against a system without one.
  for (int i = 0; i < 1000000; ++i) {
    HPEN pen = CreatePen(PS_SOLID, 1, static_cast<COLORREF>(i & 0xFFFFFF));
    if (pen == nullptr) break;
    HeldPens.push_back(pen);
  }
  return static_cast<int>(HeldPens.size());
}

void FreeGdiHandles() {
  for (HPEN pen : HeldPens) DeleteObject(pen);
  HeldPens.clear();
}
