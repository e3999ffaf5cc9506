#include "basic/app/input_file.h"

#include <windows.h>

#include <limits>


namespace {

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};

// Standard input stays open for the process; a file is closed with its script.
std::shared_ptr<void> OpenHandle(const std::string& path) {
  if (path == "-") {
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    if (input == nullptr || input == INVALID_HANDLE_VALUE) return nullptr;
    return std::shared_ptr<void>(input, [](HANDLE) {});
  }
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  return std::shared_ptr<void>(file, HandleCloser());
}

}  // namespace

bool OpenInputScript(const BasicAppOptions& options, std::unique_ptr<InputScript>* script, std::string* error) {
  script->reset();
  if (options.input.empty()) return true;
  std::shared_ptr<void> handle = OpenHandle(options.input);
  if (!handle) {
    *error = "basic: cannot read the input lines " + options.input;
    return false;
  }
  // A pipe or a terminal gives what it has; ReadFile waits only when it has
  // nothing, so a line typed into a terminal reaches INPUT at once.
  *script = std::make_unique<InputScript>([handle](char* buffer, std::size_t size) -> std::size_t {
    DWORD got = 0;
    const auto wanted = static_cast<DWORD>(std::min<std::size_t>(size, std::numeric_limits<DWORD>::max()));
    if (!ReadFile(handle.get(), buffer, wanted, &got, nullptr)) return 0;
    return got;
  });
  return true;
}
