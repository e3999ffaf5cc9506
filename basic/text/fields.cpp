#include "basic/text/fields.h"

#include <algorithm>

#include "basic/text/number_text.h"
#include "basic/tokens/lexer.h"

namespace {

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

}  // namespace

std::vector<Field> SplitFields(std::string_view line) {
  std::vector<Field> fields;
  std::size_t at = 0;
  for (;;) {
    Field field;
    while (at < line.size() && line[at] == ' ') ++at;
    std::size_t start = at;
    if (at < line.size() && line[at] == '"') {
      field.quoted = true;
      start = ++at;
      while (at < line.size() && line[at] != '"') at += IsLeadByte(static_cast<unsigned char>(line[at])) ? 2 : 1;
      at = std::min(at, line.size());
      field.text = line.substr(start, at - start);
      if (at < line.size()) ++at;
      while (at < line.size() && line[at] != ',') field.malformed |= line[at++] != ' ';
    } else {
      while (at < line.size() && line[at] != ',') at += IsLeadByte(static_cast<unsigned char>(line[at])) ? 2 : 1;
      at = std::min(at, line.size());
      field.text = Trim(line.substr(start, at - start));
    }
    fields.push_back(field);
    if (at >= line.size()) return fields;
    ++at;  // the comma
  }
}

bool ReadFieldNumber(const Field& field, double* value, RunError* error) {
  *error = RunError::None;
  return !field.quoted && ReadInputNumber(field.text, value, nullptr, error);
}

InputVerdict SplitInputLine(std::string_view line, const std::vector<ValueKind>& form, std::vector<double>* numbers,
                            std::vector<std::string>* texts) {
  const std::vector<Field> fields = SplitFields(line);
  if (fields.size() < form.size()) return InputVerdict::Redo;
  numbers->assign(form.size(), 0.0);
  texts->assign(form.size(), std::string());
  for (std::size_t i = 0; i < form.size(); ++i) {
    const Field& field = fields[i];
    if (field.malformed) return InputVerdict::Redo;
    if (form[i] == ValueKind::String) {
      (*texts)[i] = std::string(field.text);
      continue;
    }
    double value;
    RunError error;
    if (!ReadFieldNumber(field, &value, &error)) return InputVerdict::Redo;
    if (error != RunError::None || !KeepNumber(form[i], value, &(*numbers)[i])) return InputVerdict::Overflow;
  }
  return fields.size() > form.size() ? InputVerdict::ExtraIgnored : InputVerdict::Accepted;
}
