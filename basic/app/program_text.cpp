#include "basic/app/program_text.h"

#include "basic/app/source_file.h"

namespace {

// The folder part of a path, with its separator; "" for a bare name.
std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\:");
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

bool ReadProgramText(const std::string& path, BasicSourceText* text, std::string* message) {
  std::string source;
  if (!ReadSourceFile(path, &source, message)) {
    *message += "\r\n";
    return false;
  }
  const std::string folder = FolderOf(path);
  const BasicIncludeReader read = [&folder](const std::string& name, std::string* included, std::string* error) {
    return ReadSourceFile(folder + name, included, error);
  };
  std::vector<BasicDiagnostic> errors;
  if (BasicReadIncludes(source, path, read, text, &errors)) return true;
  message->clear();
  for (const BasicDiagnostic& diagnostic : errors) *message += BasicFormatDiagnostic(diagnostic);
  return false;
}
