// The console window's input method, driven for tests and benchmarks as a
// user's typing drives it.
#pragma once

#include <windows.h>

#include <imm.h>

#include <functional>
#include <string>

#include "runtime/console/window.h"

// The window thread's input method, told what to compose as a user's typing
// would tell it: its calls are made on the window thread, through a hook
// that runs them there when a message of its own arrives.
class InputMethod {
 public:
  InputMethod() {
    hook_ = SetWindowsHookExA(WH_CALLWNDPROC, RunPending, nullptr, GetWindowThreadProcessId(PromptWindow, nullptr));
    OnWindowThread([this] {
      context_ = ImmGetContext(PromptWindow);
      if (context_ != nullptr) ImmSetOpenStatus(context_, TRUE);
    });
  }
  ~InputMethod() {
    OnWindowThread([this] {
      if (context_ == nullptr) return;
      ImmNotifyIME(context_, NI_COMPOSITIONSTR, CPS_CANCEL, 0);
      ImmSetOpenStatus(context_, FALSE);
      ImmReleaseContext(PromptWindow, context_);
    });
    UnhookWindowsHookEx(hook_);
  }
  bool Present() const { return context_ != nullptr; }
  void Compose(const std::wstring& text) {
    OnWindowThread([&] {
      ImmSetCompositionStringW(context_, SCS_SETSTR, const_cast<wchar_t*>(text.data()),
                               static_cast<DWORD>(text.size() * sizeof(wchar_t)), nullptr, 0);
    });
  }
  void Cancel() {
    OnWindowThread([this] { ImmNotifyIME(context_, NI_COMPOSITIONSTR, CPS_CANCEL, 0); });
  }
  void Complete() {
    OnWindowThread([this] { ImmNotifyIME(context_, NI_COMPOSITIONSTR, CPS_COMPLETE, 0); });
    Settle();
  }

 private:
  // Runs `action` on the window thread: the messages the input method
  // sends the window are handled before this returns.
  static void OnWindowThread(const std::function<void()>& action) {
    Pending = &action;
    SendMessageA(PromptWindow, RunMessage(), 0, 0);
  }
  // Lets the messages posted to the window thread (typed characters) be
  // handled too.
  static void Settle() {
    for (int i = 0; i < 5; ++i) {
      Sleep(10);
      SendMessageA(PromptWindow, WM_NULL, 0, 0);
    }
  }
  static UINT RunMessage() {
    static const UINT message = RegisterWindowMessageA("composition test: run on the window thread");
    return message;
  }
  static LRESULT CALLBACK RunPending(int code, WPARAM wparam, LPARAM lparam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lparam);
    if (code == HC_ACTION && sent->message == RunMessage() && Pending != nullptr) {
      const std::function<void()>* action = Pending;
      Pending = nullptr;
      (*action)();
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
  }
  static inline const std::function<void()>* Pending = nullptr;
  HHOOK hook_ = nullptr;
  HIMC context_ = nullptr;
};
