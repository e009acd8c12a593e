// Batch mode as a script sees it: output lines stay aligned with input lines,
// whatever the chunking of the input.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "batch.hpp"

namespace flange::cli {
namespace {

struct BatchOutput {
  std::string out, err;
  int status = 0;
};

// Runs the batch on `in` (closed after), with its output and messages caught.
BatchOutput RunOn(std::FILE* in, const BatchOptions& options = {}) {
  char* text[2] = {};
  std::size_t size[2] = {};
  std::FILE* out = open_memstream(&text[0], &size[0]);
  std::FILE* err = open_memstream(&text[1], &size[1]);
  BatchOutput result;
  result.status = RunBatch(in, out, err, options);
  for (std::FILE* file : {in, out, err})
    std::fclose(file);
  result.out.assign(text[0], size[0]);
  result.err.assign(text[1], size[1]);
  std::free(text[0]);
  std::free(text[1]);
  return result;
}

BatchOutput RunOn(const std::string& input, const BatchOptions& options = {}) {
  return RunOn(fmemopen(const_cast<char*>(input.data()), input.size(), "r"), options);
}

const std::string kWorked = "220\t158\t110\t18\t8\t132\t115\t20\t3\t52\t12\t7.85";

// Each case: input, expected output, expected messages, the longest line
// read; the status is 1 exactly when there are messages.
TEST(Batch, OneOutputLinePerInputLine) {
  const std::string bom = "\xEF\xBB\xBF";  // as spreadsheets write "CSV UTF-8"
  const std::size_t mib = 1 << 20;         // the default limit
  const std::string atLimit = kWorked + std::string(mib - kWorked.size(), 'x');  // 7.85xx…: 7.85
  // clang-format off
  const struct { std::string input, out, err; std::size_t limit = mib; } cases[] = {
      {kWorked + "\n100,,,,,,,10,,,,7.85\n", "604.75\t4.75\n78.54\t0.6165\n", ""},
      {"# D\td\tB\n\r\n" + kWorked + "\r\n\n# end", "# D\td\tB\n\n604.75\t4.75\n\n# end\n", ""},
      {bom + kWorked + "\n" + kWorked, "604.75\t4.75\n604.75\t4.75\n", ""},
      {bom + "# D\n" + kWorked, "# D\n604.75\t4.75\n", ""},
      // Commas inside tab-separated fields are part of the field text.
      {"220,5\t158\t110\t18\t8\t132\t115\t20\t3\t52\t12\t7.85", "604.75\t4.75\n", ""},
      {"1E400\t158\t110\t18\t8\t132\t115\t20\t3\t52\t12\t7.85", "溢出\t溢出\n", ""},
      {"1,2,3\n" + kWorked + "\n" + kWorked + "\t9\n", "\n604.75\t4.75\n\n",
       "line 1: expected 12 fields, found 3\nline 3: expected 12 fields, found 13\n"},
      // Overlong lines are reported and skipped.
      {atLimit + "\n" + atLimit + "x\n" + kWorked, "604.75\t4.75\n\n604.75\t4.75\n",
       "line 2: longer than 1048576 bytes\n"},
      {kWorked + "\n" + atLimit + "x", "604.75\t4.75\n\n", "line 2: longer than 1048576 bytes\n"},
      {std::string(51, '9') + "\n" + kWorked, "\n604.75\t4.75\n", "line 1: longer than 50 bytes\n", 50}};
  // clang-format on
  for (const auto& c : cases) {
    const BatchOutput r = RunOn(c.input, {.maxLineBytes = c.limit});
    EXPECT_EQ(c.out, r.out) << c.input.substr(0, 80);
    EXPECT_EQ(c.err, r.err) << c.input.substr(0, 80);
    EXPECT_EQ(c.err.empty() ? 0 : 1, r.status) << c.input.substr(0, 80);
  }
}

TEST(Batch, LinesAcrossReadChunks) {
  // Enough lines that some straddle the reader's 64 KiB chunks.
  std::string input;
  std::string expected;
  for (int i = 0; i < 5000; ++i) {
    input += (i % 7 == 0 ? "# note " + std::to_string(i) : kWorked) + "\n";
    expected += (i % 7 == 0 ? "# note " + std::to_string(i) : "604.75\t4.75") + "\n";
  }
  input += std::string(200000, '9') + ",2\n";  // one very long bad line
  expected += "\n";
  const BatchOutput r = RunOn(input);
  EXPECT_EQ(expected, r.out);
  EXPECT_EQ("line 5001: expected 12 fields, found 2\n", r.err);
}

TEST(Batch, ReadErrorKeepsTheResultsBeforeIt) {
  // A stream that gives its text, then fails as a bad disk does.
  std::string text = kWorked + "\n1,2\n" + kWorked;  // the last line is cut off
  cookie_io_functions_t io{};
  io.read = [](void* cookie, char* buffer, std::size_t size) -> ssize_t {
    std::string& rest = *static_cast<std::string*>(cookie);
    const std::size_t n = rest.copy(buffer, size);
    rest.erase(0, n);
    errno = EIO;
    return n > 0 ? static_cast<ssize_t>(n) : -1;
  };
  const BatchOutput r = RunOn(fopencookie(&text, "r", io));
  EXPECT_EQ("604.75\t4.75\n\n", r.out);
  EXPECT_EQ("line 2: expected 12 fields, found 2\nflange-calc: cannot read the input: " +
                std::string(std::strerror(EIO)) + "\n",
            r.err);
  EXPECT_EQ(1, r.status);
}

}  // namespace
}  // namespace flange::cli
