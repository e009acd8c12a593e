#include "batch.hpp"

#include <array>
#include <charconv>
#include <string>
#include <string_view>

#include "flange/field_calculation.hpp"

namespace flange::cli {

namespace {

constexpr std::size_t kChunk = 1 << 16;

using FieldTexts = std::array<std::string_view, kInputFieldCount>;

// Splits a line into fields at `separator`; returns how many there are
// (fields beyond the twelfth are counted, not stored).
std::size_t SplitFields(std::string_view line, char separator, FieldTexts& fields) {
  std::size_t count = 0;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = line.find(separator, start);
    const std::string_view field =
        line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if (count < fields.size()) fields[count] = field;
    ++count;
    if (end == std::string_view::npos) return count;
    start = end + 1;
  }
}

// Fields are separated by tabs; a line without any tab is split at commas.
std::size_t SplitFields(std::string_view line, FieldTexts& fields) {
  const std::size_t count = SplitFields(line, '\t', fields);
  return count > 1 ? count : SplitFields(line, ',', fields);
}

class BatchRun {
 public:
  BatchRun(std::FILE* out, std::FILE* err) : out_(out), err_(err) { output_.reserve(2 * kChunk); }

  void Line(std::string_view line) {
    ++lineNumber_;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') {
      output_.append(line);
    } else {
      FieldTexts fields;
      const std::size_t count = SplitFields(line, fields);
      if (count == fields.size()) {
        const ResultTexts r = CalculateFromFieldTexts(fields);
        output_.append(r.volume);
        output_.push_back('\t');
        output_.append(r.weight);
      } else {
        Report(count);
      }
    }
    output_.push_back('\n');
    if (output_.size() >= kChunk) Flush();
  }

  void Flush() {
    std::fwrite(output_.data(), 1, output_.size(), out_);
    output_.clear();
  }

  int Status() const { return failed_ ? 1 : 0; }

 private:
  void Report(std::size_t found) {
    failed_ = true;
    Flush();  // keep the error in step with the output lines before it
    std::string message = "line ";
    AppendNumber(message, lineNumber_);
    message += ": expected 12 fields, found ";
    AppendNumber(message, found);
    message += '\n';
    std::fwrite(message.data(), 1, message.size(), err_);
  }

  static void AppendNumber(std::string& text, std::size_t n) {
    char digits[24];
    const auto written = std::to_chars(digits, digits + sizeof digits, n);
    text.append(digits, written.ptr);
  }

  std::FILE* out_;
  std::FILE* err_;
  std::string output_;
  std::size_t lineNumber_ = 0;
  bool failed_ = false;
};

}  // namespace

int RunBatch(std::FILE* in, std::FILE* out, std::FILE* err) {
  BatchRun run(out, err);
  std::string pending;  // the unfinished last line of the chunks read so far
  char chunk[kChunk];
  std::size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, in)) > 0) {
    std::string_view data(chunk, n);
    for (std::size_t newline; (newline = data.find('\n')) != std::string_view::npos;) {
      if (pending.empty()) {
        run.Line(data.substr(0, newline));  // whole in the chunk: read in place
      } else {
        pending.append(data.substr(0, newline));
        run.Line(pending);
        pending.clear();
      }
      data.remove_prefix(newline + 1);
    }
    pending.append(data);
  }
  if (!pending.empty()) run.Line(pending);
  run.Flush();
  std::fflush(out);
  return run.Status();
}

}  // namespace flange::cli
