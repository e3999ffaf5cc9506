#include "basic/app/made_resources.h"

#include <windows.h>

#include "basic/app/source_file.h"
#include "basic/made/version_resource.h"

namespace {

// An icon file of more than this is no icon a program carries.
constexpr std::size_t MaxIconFileBytes = std::size_t{16} << 20;
constexpr WORD NeutralLanguage = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);

// The name as UTF-16, from the system's code page, as its file name is.
std::u16string Wide(const std::string& text) {
  if (text.empty()) return {};
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
  if (length > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return std::u16string(wide.begin(), wide.end());
}

bool Put(HANDLE update, LPCSTR type, WORD id, WORD language, const std::string& bytes) {
  return UpdateResourceA(update, type, MAKEINTRESOURCEA(id), language, const_cast<char*>(bytes.data()),
                         static_cast<DWORD>(bytes.size())) != 0;
}

bool PutAll(HANDLE update, const IconResources& icon, const std::string& version) {
  if (!Put(update, MAKEINTRESOURCEA(16) /* RT_VERSION */, 1, VersionLanguage, version)) return false;
  if (icon.images.empty()) return true;
  for (std::size_t i = 0; i < icon.images.size(); ++i) {
    if (!Put(update, MAKEINTRESOURCEA(3) /* RT_ICON */, static_cast<WORD>(i + 1), NeutralLanguage, icon.images[i])) {
      return false;
    }
  }
  return Put(update, MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */, 1, NeutralLanguage, icon.group);
}

}  // namespace

bool ReadMadeIcon(const std::string& icon_file, IconResources* icon, std::string* error) {
  std::string bytes, problem;
  if (!ReadFileUpTo(icon_file, MaxIconFileBytes + 1, &bytes, error)) return false;
  if (bytes.size() > MaxIconFileBytes) problem = "larger than 16 MB, too large for an icon";
  if (!problem.empty() || !ReadIconFile(bytes, 1, icon, &problem)) {
    *error = icon_file + ": " + problem;
    return false;
  }
  return true;
}

bool AddMadeResources(const std::string& path, const std::string& program_name, const std::string& file_name,
                      const IconResources& icon, std::string* error) {
  const std::string version = VersionResource({Wide(program_name), Wide(file_name)});
  HANDLE update = BeginUpdateResourceA(path.c_str(), FALSE);
  if (update == nullptr) {
    *error = "cannot add resources to " + path;
    return false;
  }
  const bool put = PutAll(update, icon, version);
  if (!EndUpdateResourceA(update, put ? FALSE : TRUE) || !put) {
    *error = "cannot add resources to " + path;
    return false;
  }
  return true;
}
