#include "basic/keys_and_sound/soft_keys.h"

#include "runtime/console/soft_key_texts.h"

namespace {

// A label's byte as the screen shows it: a control character (a CR above
// all) is a space.
char Shown(char ch) { return static_cast<unsigned char>(ch) < 32 ? ' ' : ch; }

}  // namespace

std::string SoftKeyList(const SoftKeys& keys, int32_t count) {
  std::string list;
  for (int32_t i = 0; i < count && i < SoftKeyCount; ++i) {
    list += "F" + std::to_string(i + 1) + " ";
    for (const char ch : keys.texts[i]) list += Shown(ch);
    list += "\n";
  }
  return list;
}

std::string SoftKeyLine(const SoftKeys& keys, int32_t columns, std::string* reversed) {
  std::string line;
  reversed->clear();
  const int32_t shown_keys = columns >= 80 ? 10 : 5;  // a 40-column screen shows F1 to F5
  for (int32_t i = 0; i < shown_keys; ++i) {
    const std::string number = std::to_string((i + 1) % 10);  // F10 is 0, as the line had room for one digit
    line += number;
    reversed->append(number.size(), '0');
    for (int32_t at = 0; at < SoftKeyLabelWidth; ++at) {
      const std::string& text = keys.texts[i];
      line += at < static_cast<int32_t>(text.size()) ? Shown(text[static_cast<std::size_t>(at)]) : ' ';
      reversed->push_back('1');
    }
    line += ' ';
    reversed->push_back('0');
  }
  if (static_cast<int32_t>(line.size()) > columns) {
    line.resize(static_cast<std::size_t>(columns));
    reversed->resize(static_cast<std::size_t>(columns));
  }
  return line;
}

void HandSoftKeyToWindow(const SoftKeys& keys, int32_t index) {
  if (index < 0 || index >= SoftKeyCount) return;
  const std::string& text = keys.texts[index];
  SoftKeyTextSet(index, text.data(), static_cast<int32_t>(text.size()));
}
