// flange-calc: the calculator's core on the command line.
//
//   flange-calc D d B dk Nb N A C f H h density   one flange, two labelled lines
//   flange-calc --batch                           one flange a line on stdin
//
// Each argument is read exactly as the window reads a field ("100mm" is 100,
// an empty argument is 0), and the results are the texts the window shows.
#include <array>
#include <cstdio>
#include <string>
#include <string_view>

#include "batch.hpp"
#include "flange/field_calculation.hpp"

namespace {

constexpr std::string_view kUsage =
    "Usage: flange-calc D d B dk Nb N A C f H h density\n"
    "       flange-calc --batch < flanges.tsv\n"
    "\n"
    "Volume (cm3) and weight (kg) of a weld-neck flange.\n"
    "  D   flange outer diameter, mm       d   raised-face outer diameter, mm\n"
    "  B   bore, mm                        dk  bolt-hole diameter, mm\n"
    "  Nb  number of bolt holes            N   neck diameter at the plate, mm\n"
    "  A   lower diameter, mm              C   plate thickness, mm\n"
    "  f   raised-face height, mm          H   overall height, mm\n"
    "  h   hub height, mm                  density in t/m3 (7.85 carbon steel,\n"
    "                                      7.93 stainless steel)\n"
    "\n"
    "--batch reads one flange a line from standard input, the twelve fields\n"
    "separated by tabs (or by commas on a line without tabs), and writes one\n"
    "line per input line: volume, a tab, weight. Empty lines and lines starting\n"
    "with # are copied. A line without twelve fields is reported on standard\n"
    "error, leaves an empty output line, and makes the exit status 1.\n"
    "\n"
    "Example: flange-calc 220 158 110 18 8 132 115 20 3 52 12 7.85\n";

void Write(std::FILE* stream, std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stream);
}

int UsageError() {
  Write(stderr, kUsage);
  return 2;
}

bool IsOption(std::string_view arg) {
  return arg.starts_with("--") || arg == "-h";
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc - 1;
  if (count == 1) {
    const std::string_view arg = argv[1];
    if (arg == "--help" || arg == "-h") {
      Write(stdout, kUsage);
      return 0;
    }
    if (arg == "--batch") return flange::cli::RunBatch(stdin, stdout, stderr);
    return UsageError();
  }
  if (count != flange::kInputFieldCount) return UsageError();

  std::array<std::string_view, flange::kInputFieldCount> texts;
  for (int i = 0; i < count; ++i) {
    texts[static_cast<std::size_t>(i)] = argv[i + 1];
    if (IsOption(texts[static_cast<std::size_t>(i)])) return UsageError();
  }
  const flange::ResultTexts r = flange::CalculateFromFieldTexts(texts);
  std::string out = "法兰体积 V(cm3): " + r.volume + "\n法兰重量 Wf(Kg): " + r.weight + "\n";
  Write(stdout, out);
  return 0;
}
