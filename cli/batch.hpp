// Batch calculation for scripts and bills of materials: one flange a line in,
// one result line out, streamed so that memory stays flat.
#pragma once

#include <cstddef>
#include <cstdio>

namespace flange::cli {

struct BatchOptions {
  // A longer input line is reported and leaves an empty output line; its text
  // is skipped without being held, so memory stays flat whatever the input.
  std::size_t maxLineBytes = std::size_t{1} << 20;
  // Input is read in blocks of this many bytes (1 to 65536); lines that
  // straddle two blocks are joined.
  std::size_t readBytes = std::size_t{1} << 16;
};

// Reads flanges from `in` until its end and writes, for every input line, one
// line to `out`: the volume text, a tab, the weight text. A UTF-8 byte-order
// mark at the start of the input is skipped. Fields are split at
// tabs, or at commas when a line has no tab; a trailing CR is dropped. Empty
// lines and lines starting with "#" are copied unchanged. A line without
// twelve fields, or longer than the options allow (counted without its
// newline), is reported on `err` and leaves an empty line in `out`.
// A read error is reported on `err` after the results of the lines before it.
// When a write to `out` fails, the loss is reported on `err` and reading stops.
// Returns 0, or 1 when any line, read or write was reported.
int RunBatch(std::FILE* in, std::FILE* out, std::FILE* err, const BatchOptions& options = {});

// Writes `text` to `out`; when that fails, reports the lost output on `err`
// and returns false.
bool WriteOutput(std::FILE* out, const char* text, std::size_t size, std::FILE* err);

// Flushes and closes `out`. When that fails, reports the lost output on `err`
// (unless a failed write to `out` was reported already) and returns false.
bool CloseOutput(std::FILE* out, std::FILE* err);

}  // namespace flange::cli
