// window-flood WINDOW KIND COUNT SEED [EVENT]: another process's hostile
// messages for the tests. Posts COUNT messages of KIND to the window whose
// handle is WINDOW (hexadecimal), with parameters drawn from a generator
// seeded with SEED:
//   app   WM_APP to WM_APP + 63
//   char  WM_CHAR, any code
//   ime   the WM_IME_* messages
//   all   the three mixed
//   storm resizes, minimises and restores, covers with a window of its own,
//         and invalidates random parts; it ends with the window restored to
//         a 640 x 400 client area and uncovered
// When the window's queue is full it waits a moment and posts again. EVENT,
// when given, names an event set once the first hundred messages are out,
// so that a test knows the flood is under way. Exit code 0 when every
// message was posted, 1 when the window went away first, 2 on bad usage.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

namespace {

constexpr UINT ImeMessages[] = {
    WM_IME_STARTCOMPOSITION, WM_IME_ENDCOMPOSITION, WM_IME_COMPOSITION, WM_IME_SETCONTEXT,
    WM_IME_NOTIFY,           WM_IME_CONTROL,        WM_IME_COMPOSITIONFULL, WM_IME_SELECT,
    WM_IME_CHAR,             WM_IME_REQUEST,        WM_IME_KEYDOWN,     WM_IME_KEYUP,
};

struct Message {
  UINT id;
  WPARAM wparam;
  LPARAM lparam;
};

// Parameters as an attacker would pick them: small numbers, pointer-like
// values and all-ones, besides plain random bits.
uint64_t Parameter(std::mt19937_64& random) {
  switch (random() % 4) {
    case 0: return random() % 256;
    case 1: return 0xdeadbeef000 + (random() % 4096);
    case 2: return ~uint64_t{0};
    default: return random();
  }
}

Message Draw(const char* kind, std::mt19937_64& random) {
  const char* kinds[] = {"app", "char", "ime"};
  if (std::strcmp(kind, "all") == 0) kind = kinds[random() % 3];
  Message m{};
  if (std::strcmp(kind, "app") == 0) {
    m.id = WM_APP + static_cast<UINT>(random() % 64);
  } else if (std::strcmp(kind, "char") == 0) {
    m.id = WM_CHAR;
  } else {
    m.id = ImeMessages[random() % (sizeof ImeMessages / sizeof ImeMessages[0])];
  }
  m.wparam = static_cast<WPARAM>(m.id == WM_CHAR ? random() % 0x10000 : Parameter(random));
  m.lparam = static_cast<LPARAM>(Parameter(random));
  return m;
}

// A plain popup window that covers parts of the target as it moves.
HWND CreateCover() {
  WNDCLASSA cover_class{};
  cover_class.lpfnWndProc = DefWindowProcA;
  cover_class.hInstance = GetModuleHandleA(nullptr);
  cover_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
  cover_class.lpszClassName = "window-flood-cover";
  RegisterClassA(&cover_class);
  return CreateWindowExA(WS_EX_NOACTIVATE, "window-flood-cover", "", WS_POPUP, 0, 0, 10, 10,
                         nullptr, nullptr, cover_class.hInstance, nullptr);
}

void PumpOwnMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

void SetClientSize(HWND window, int width, int height) {
  RECT frame{0, 0, width, height};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)));
  SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Shows the cover over part of the window, directly above it in the
// z-order and never beyond its frame, so that it hides nothing of other
// programs' windows (other tests may be reading theirs).
void Cover(HWND window, HWND cover, const RECT& place, int x, int y, int width, int height) {
  const int left = place.left + x, top = place.top + y;
  const int right = left + width < place.right ? left + width : place.right;
  const int bottom = top + height < place.bottom ? top + height : place.bottom;
  if (right <= left || bottom <= top) return;
  // The cover goes just below whatever is above the window; when that is
  // the cover already, it stays where it is.
  HWND above = GetWindow(window, GW_HWNDPREV);
  UINT flags = SWP_NOACTIVATE | SWP_SHOWWINDOW;
  if (above == cover) flags |= SWP_NOZORDER;
  if (above == nullptr) above = HWND_TOP;
  SetWindowPos(cover, above, left, top, right - left, bottom - top, flags);
}

// One step of the storm; false once the window is gone.
bool StormStep(HWND window, HWND cover, std::mt19937_64& random) {
  if (!IsWindow(window)) return false;
  RECT place{};
  GetWindowRect(window, &place);
  const int x = static_cast<int>(random() % 700), y = static_cast<int>(random() % 500);
  const int width = 20 + static_cast<int>(random() % 600), height = 20 + static_cast<int>(random() % 500);
  switch (random() % 6) {
    case 0: SetClientSize(window, 50 + static_cast<int>(random() % 900), 50 + static_cast<int>(random() % 700)); break;
    case 1: Cover(window, cover, place, x, y, width, height); break;
    case 2: ShowWindow(cover, SW_HIDE); break;
    case 3: {
      const RECT part{x, y, x + width, y + height};
      InvalidateRect(window, &part, random() % 2 == 0);
      break;
    }
    case 4: RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); break;
    case 5:
      ShowWindow(window, SW_SHOWMINNOACTIVE);
      ShowWindow(window, SW_SHOWNOACTIVATE);
      break;
  }
  PumpOwnMessages();
  return true;
}

int Storm(HWND window, long count, std::mt19937_64& random, HANDLE started) {
  HWND cover = CreateCover();
  int code = 0;
  for (long i = 0; i < count && code == 0; ++i) {
    if (!StormStep(window, cover, random)) code = 1;
    if (i == 10 && started != nullptr) SetEvent(started);
  }
  DestroyWindow(cover);
  PumpOwnMessages();
  if (code == 0) {
    ShowWindow(window, SW_SHOWNOACTIVATE);
    SetClientSize(window, 640, 400);
  }
  return code;
}

bool Post(HWND window, const Message& m) {
  while (!PostMessageA(window, m.id, m.wparam, m.lparam)) {
    if (!IsWindow(window)) return false;
    Sleep(1);  // the queue is full: let the window catch up
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5 || argc > 6) {
    std::fprintf(stderr, "usage: window-flood WINDOW app|char|ime|all|storm COUNT SEED [EVENT]\n");
    return 2;
  }
  const auto window = reinterpret_cast<HWND>(static_cast<uintptr_t>(std::strtoull(argv[1], nullptr, 16)));
  const long count = std::strtol(argv[3], nullptr, 10);
  std::mt19937_64 random(std::strtoull(argv[4], nullptr, 10));
  HANDLE started = argc == 6 ? OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[5]) : nullptr;
  if (std::strcmp(argv[2], "storm") == 0) {
    const int code = Storm(window, count, random, started);
    if (started != nullptr) SetEvent(started);
    return code;
  }
  for (long i = 0; i < count; ++i) {
    if (!Post(window, Draw(argv[2], random))) return 1;
    if (i == 100 && started != nullptr) SetEvent(started);
  }
  if (started != nullptr) {
    SetEvent(started);
    CloseHandle(started);
  }
  return 0;
}
