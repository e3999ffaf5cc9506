// window-flood WINDOW KIND COUNT SEED [EVENT]: another process's hostile
// messages for the tests. Posts COUNT messages of KIND to the window whose
// handle is WINDOW (hexadecimal), with parameters drawn from a generator
// seeded with SEED:
//   app   WM_APP to WM_APP + 63
//   char  WM_CHAR, any code
//   ime   the WM_IME_* messages
//   all   the three mixed
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
    std::fprintf(stderr, "usage: window-flood WINDOW app|char|ime|all COUNT SEED [EVENT]\n");
    return 2;
  }
  const auto window = reinterpret_cast<HWND>(static_cast<uintptr_t>(std::strtoull(argv[1], nullptr, 16)));
  const long count = std::strtol(argv[3], nullptr, 10);
  std::mt19937_64 random(std::strtoull(argv[4], nullptr, 10));
  HANDLE started = argc == 6 ? OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[5]) : nullptr;
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
