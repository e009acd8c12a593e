// Arbitrary bytes through batch mode, with a short line limit and read block
// taken from the first two bytes so that overlong lines and lines across
// blocks are reached too: one output line per input line, each empty, a
// copied # line or two display texts; exit status 1 exactly when a message
// was written.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "batch.hpp"
#include "result_alphabet.hpp"

namespace {

bool IsResultLine(std::string_view line) {
  if (line.empty() || line.front() == '#') return true;
  const std::size_t tab = line.find('\t');
  return tab != std::string_view::npos && flange::fuzz::IsDisplayText(line.substr(0, tab)) &&
         flange::fuzz::IsDisplayText(line.substr(tab + 1));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const flange::cli::BatchOptions options{.maxLineBytes = data[0] % 100u,
                                          .readBytes = data[1] % 32u + 1};
  const std::string_view input(reinterpret_cast<const char*>(data) + 2, size - 2);

  char* outText = nullptr;
  char* errText = nullptr;
  std::size_t outSize = 0;
  std::size_t errSize = 0;
  std::FILE* in = input.empty() ? std::fopen("/dev/null", "r")
                                : fmemopen(const_cast<char*>(input.data()), input.size(), "r");
  std::FILE* out = open_memstream(&outText, &outSize);
  std::FILE* err = open_memstream(&errText, &errSize);
  flange::fuzz::Require(in && out && err);
  const int status = flange::cli::RunBatch(in, out, err, options);
  std::fclose(in);
  std::fclose(out);
  std::fclose(err);
  std::string_view output(outText, outSize);

  const std::size_t inputLines = static_cast<std::size_t>(std::ranges::count(input, '\n')) +
                                 (input.empty() || input.back() == '\n' ? 0 : 1);
  flange::fuzz::Require(static_cast<std::size_t>(std::ranges::count(output, '\n')) == inputLines);
  flange::fuzz::Require(output.empty() || output.back() == '\n');
  flange::fuzz::Require(status == (errSize == 0 ? 0 : 1));
  while (!output.empty()) {
    const std::size_t newline = output.find('\n');
    flange::fuzz::Require(IsResultLine(output.substr(0, newline)));
    output.remove_prefix(newline + 1);
  }
  std::free(outText);
  std::free(errText);
  return 0;
}
