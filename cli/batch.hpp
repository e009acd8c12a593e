// Batch calculation for scripts and bills of materials: one flange a line in,
// one result line out, streamed so that memory stays flat.
#pragma once

#include <cstdio>

namespace flange::cli {

// Reads flanges from `in` until its end and writes, for every input line, one
// line to `out`: the volume text, a tab, the weight text. Fields are split at
// tabs, or at commas when a line has no tab; a trailing CR is dropped. Empty
// lines and lines starting with "#" are copied unchanged. A line without
// twelve fields is reported on `err` and leaves an empty line in `out`.
// Returns 0, or 1 when any line was reported.
int RunBatch(std::FILE* in, std::FILE* out, std::FILE* err);

}  // namespace flange::cli
