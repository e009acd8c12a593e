// The core's work for the web page, through a C interface on UTF-8 buffers.
// The calculate button: the page writes the twelve field texts one after
// another into the text buffer and their byte lengths into the length table,
// calls CalculateFromFieldTexts and reads back "volume\nweight". The material
// list: MaterialEntry gives each entry's text and the density it writes.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "flange/field_calculation.hpp"
#include "flange/flange_model.hpp"
#include "flange/number_writer.hpp"

namespace {

std::string fieldTexts;
std::uint32_t fieldLengths[flange::kInputFieldCount];
std::string shown;
std::string entry;

}  // namespace

extern "C" {

// Room for `bytes` bytes of field text. The page writes into it right away:
// the next call may move it, and growing the memory moves the page's view.
char* FieldTextBuffer(std::uint32_t bytes) {
  fieldTexts.resize(bytes);
  return fieldTexts.data();
}

// The byte length of each of the twelve texts, in field order.
std::uint32_t* FieldTextLengths() {
  return fieldLengths;
}

// The volume text, a line feed and the weight text, NUL-terminated. Lengths
// that run past the buffer are cut at its end, so no input reads outside it.
const char* CalculateFromFieldTexts() {
  std::array<std::string_view, flange::kInputFieldCount> texts;
  std::string_view rest = fieldTexts;
  for (int i = 0; i < flange::kInputFieldCount; ++i) {
    texts[i] = rest.substr(0, fieldLengths[i]);
    rest.remove_prefix(texts[i].size());
  }
  const flange::ResultTexts results = flange::CalculateFromFieldTexts(texts);
  shown = results.volume;
  shown += '\n';
  shown += results.weight;
  return shown.c_str();
}

// "list text\ndensity text" of the material at list position 1 or 2; the
// empty text for any other position.
const char* MaterialEntry(int position) {
  entry.clear();
  if (const flange::MaterialDensity* material = flange::MaterialAtPosition(position)) {
    entry = material->listText;
    entry += '\n';
    entry += flange::NumberToText(material->density);
  }
  return entry.c_str();
}

}  // extern "C"
