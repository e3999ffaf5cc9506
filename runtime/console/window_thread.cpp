// The window thread: sets up the character layer, the font and the window,
// runs the message loop, and ends the process when the window is gone.
#include <windows.h>

#include "runtime/console/prompt_queue.h"
#include "runtime/console/text_layer.h"
#include "runtime/console/window.h"
#include "runtime/system.h"

HWND PromptWindow;
ScreenSizeState ScreenSize;
PromptFontState PromptFont;
std::atomic<int32_t> FirstPaintFlag;
uint8_t LastKey;
std::atomic<int32_t> WindowClosedExitCode{0};

// "ＭＳ 明朝" in code page 932.
static constexpr char PromptFontFace[] = "\x82\x6C\x82\x72\x20\x96\xBE\x92\xA9";

static void CreatePromptFont() {
  LOGFONTA& font = PromptFont.logfont;
  font = LOGFONTA{};
  font.lfHeight = -16;
  font.lfCharSet = SHIFTJIS_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = FIXED_PITCH | FF_DONTCARE;
  lstrcpyA(font.lfFaceName, PromptFontFace);
  PromptFont.handle = CreateFontIndirectA(&font);
}

static void RegisterPromptClass(HINSTANCE instance) {
  WNDCLASSEXA window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  window_class.lpfnWndProc = PromptWndProc;
  window_class.hInstance = instance;
  window_class.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
  window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  window_class.lpszClassName = "PROMPT";
  window_class.hIconSm = LoadIconA(nullptr, IDI_WINLOGO);
  RegisterClassExA(&window_class);
}

// The main thread draws on the window whenever it likes, but the system may
// hold that drawing back until the window's thread next waits for a message
// (wine keeps a window's drawing in memory and hands it to the X server
// there, and in EndPaint). A program that draws and then sleeps, computes or
// polls the keyboard would leave its picture unseen. So the window thread
// wakes every FlushIntervalMs: a thread timer, whose WM_TIMER has no window
// and reaches no window procedure; its only work is the wait that follows.
// When nothing was drawn, the wake-up is all it costs.
static constexpr UINT FlushIntervalMs = 25;

static void StartFlushTimer() { SetTimer(nullptr, 0, FlushIntervalMs, nullptr); }

static void RunMessageLoop() {
  MSG message{};
  // GetMessageA gives 0 for WM_QUIT and -1 on failure: both end the loop.
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

DWORD WINAPI WindowThreadMain(LPVOID) {
  PromptQueueInit();
  TextScreenSetUp();
  ScreenSize = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  CreatePromptFont();
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  RegisterPromptClass(instance);
  HWND window = CreateWindowExA(WS_EX_CLIENTEDGE, "PROMPT", "BASIC PROMPT", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
  // Without a window nothing would ever paint, and the hand-shake would wait
  // for ever.
  if (window == nullptr) {
    SysDebugLine(WindowUnavailableMessage);
    SysExitProcess(WindowUnavailableExitCode);
  }
  PromptWindow = window;
  // The first WM_PAINT comes through the message loop; no UpdateWindow.
  ShowWindow(PromptWindow, SW_SHOW);
  StartFlushTimer();
  RunMessageLoop();
  TextScreenTearDown();
  ExitProcess(static_cast<UINT>(WindowClosedExitCode.load()));
}
