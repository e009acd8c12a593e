#include "batch.hpp"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <string>
#include <string_view>

#include "flange/field_calculation.hpp"

namespace flange::cli {

namespace {

constexpr std::size_t kChunk = 1 << 16;

// Spreadsheets start a "CSV UTF-8" file with this byte-order mark.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Writes "flange-calc: <what>: <reason>" on `err`.
void ReportStreamError(std::FILE* err, std::string_view what, int errorNumber) {
  std::string message = "flange-calc: ";
  message.append(what);
  message += ": ";
  message += std::strerror(errorNumber);
  message += '\n';
  std::fwrite(message.data(), 1, message.size(), err);
}

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
    if (++lineNumber_ == 1 && line.starts_with(kByteOrderMark)) {
      line.remove_prefix(kByteOrderMark.size());
    }
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
        Reject("expected 12 fields, found ", count, "");
      }
    }
    EndLine();
  }

  // A line longer than `limit` bytes, whose text was skipped unread.
  void LongLine(std::size_t limit) {
    ++lineNumber_;
    Reject("longer than ", limit, " bytes");
    EndLine();
  }

  // Hands the buffered lines to `out`; after a failed write nothing more is
  // written.
  void Flush() {
    if (!lost_) lost_ = !WriteOutput(out_, output_.data(), output_.size(), err_);
    output_.clear();
  }

  // Flushes the buffered lines through `out` to its file.
  void FlushThrough() {
    Flush();
    if (!lost_ && std::fflush(out_) != 0) {
      lost_ = true;
      ReportStreamError(err_, "cannot write the results", errno);
    }
  }

  void ReadError(int errorNumber) {
    failed_ = true;
    FlushThrough();
    ReportStreamError(err_, "cannot read the input", errorNumber);
  }

  bool OutputLost() const { return lost_; }
  int Status() const { return failed_ || lost_ ? 1 : 0; }

 private:
  // Reports the current line as "line N: <before><n><after>"; its output line
  // stays empty.
  void Reject(std::string_view before, std::size_t n, std::string_view after) {
    failed_ = true;
    FlushThrough();  // the message follows the output of the lines before it, in one file too
    std::string message = "line ";
    AppendNumber(message, lineNumber_);
    message += ": ";
    message += before;
    AppendNumber(message, n);
    message += after;
    message += '\n';
    std::fwrite(message.data(), 1, message.size(), err_);
  }

  void EndLine() {
    output_.push_back('\n');
    if (output_.size() >= kChunk) Flush();
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
  bool lost_ = false;
};

}  // namespace

int RunBatch(std::FILE* in, std::FILE* out, std::FILE* err, const BatchOptions& options) {
  const std::size_t limit = options.maxLineBytes;
  const std::size_t readBytes = std::clamp<std::size_t>(options.readBytes, 1, kChunk);
  BatchRun run(out, err);
  std::string pending;   // the unfinished last line of the chunks read so far
  bool tooLong = false;  // it is over the limit: the rest of its text is skipped, not held
  char chunk[kChunk];
  for (;;) {
    const std::size_t n = std::fread(chunk, 1, readBytes, in);
    if (n == 0) {
      // An unfinished line cut off by a read error is not calculated.
      if (std::ferror(in)) {
        run.ReadError(errno);
        return run.Status();
      }
      break;
    }
    std::string_view data(chunk, n);
    for (std::size_t newline; (newline = data.find('\n')) != std::string_view::npos;) {
      const std::string_view end = data.substr(0, newline);
      if (tooLong || pending.size() + end.size() > limit) {
        run.LongLine(limit);
      } else if (pending.empty()) {
        run.Line(end);  // whole in the chunk: read in place
      } else {
        pending.append(end);
        run.Line(pending);
      }
      pending.clear();
      tooLong = false;
      data.remove_prefix(newline + 1);
    }
    tooLong = tooLong || pending.size() + data.size() > limit;
    if (tooLong) {
      pending.clear();
    } else {
      pending.append(data);
    }
    if (run.OutputLost()) return run.Status();
  }
  if (tooLong) {
    run.LongLine(limit);
  } else if (!pending.empty()) {
    run.Line(pending);
  }
  run.FlushThrough();
  return run.Status();
}

bool WriteOutput(std::FILE* out, const char* text, std::size_t size, std::FILE* err) {
  if (std::fwrite(text, 1, size, out) == size) return true;
  ReportStreamError(err, "cannot write the results", errno);
  return false;
}

bool CloseOutput(std::FILE* out, std::FILE* err) {
  // Every write to `out` reports its own failure, which leaves the stream's
  // error indicator set: report only a failure that shows first here.
  const bool reported = std::ferror(out) != 0;
  if (std::fclose(out) == 0) return !reported;
  if (!reported) ReportStreamError(err, "cannot write the results", errno);
  return false;
}

}  // namespace flange::cli
