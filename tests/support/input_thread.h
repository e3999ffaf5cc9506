// A program thread waiting in INPUT, for tests that type into the real
// window: it starts the line and returns once the window thread has served
// the start.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "runtime/console/prompt_io.h"
#include "runtime/console/text_layer.h"
#include "runtime/console/window.h"
#include "runtime/strings/strings.h"
#include "tests/support/window_harness.h"

class InputThread {
 public:
  InputThread() {
    thread_ = std::thread([this] {
      line_ = PromptInput();
      returned_ = true;
    });
    for (int tries = 0; tries < 200 && InputLine.length != 0; ++tries) Sleep(10);
    // The line is active before the window thread has placed the caret for
    // it; a message sent behind returns once that start has been served.
    SendMessageA(PromptWindow, WM_NULL, 0, 0);
  }
  ~InputThread() {
    if (thread_.joinable()) thread_.join();
  }
  bool Returned() const { return returned_; }
  // The line INPUT returned; it must be a registered string of its own.
  std::string Finish() {
    thread_.join();
    const std::vector<void*> entries = RegistryEntries();
    EXPECT_EQ(entries.back(), line_) << "the line is a new string, the newest";
    std::string bytes(line_, static_cast<size_t>(StrLength(line_)));
    StrRelease(line_);
    return bytes;
  }

 private:
  std::thread thread_;
  std::atomic<bool> returned_{false};
  RtString line_ = nullptr;
};
