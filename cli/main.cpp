// flange-calc: the calculator's core on the command line.
//
//   flange-calc D d B dk Nb N A C f H h density   one flange, two labelled lines
//   flange-calc --batch                           one flange a line on stdin
//
// Each argument is read exactly as the window reads a field ("100mm" is 100,
// an empty argument is 0), and the results are the texts the window shows.
#include <array>
#include <charconv>
#include <cstdio>
#include <cwchar>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "batch.hpp"
#include "flange/field_calculation.hpp"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#endif

namespace {

constexpr std::string_view kUsage =
    "Usage: flange-calc D d B dk Nb N A C f H h density\n"
    "       flange-calc --batch < flanges.tsv\n"
    "       flange-calc --help | --version\n"
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
    "with # are copied; a UTF-8 byte-order mark at the start is skipped. A line\n"
    "without twelve fields or longer than 1048576 bytes is reported on standard\n"
    "error and leaves an empty output line.\n"
    "\n"
    "Exit status: 0 done, 1 a line was reported or the input could not be read\n"
    "or the results could not be written, 2 wrong arguments.\n"
    "\n"
    "Example: flange-calc 220 158 110 18 8 132 115 20 3 52 12 7.85\n";

// Says what was wrong with the arguments and where the help is: exit status 2.
int UsageError(std::string_view problem) {
  std::string message = "flange-calc: ";
  message += problem;
  message += "\nTry 'flange-calc --help'.\n";
  std::fwrite(message.data(), 1, message.size(), stderr);
  return 2;
}

bool IsOption(std::string_view arg) {
  return arg.starts_with("--") || arg == "-h";
}

// Writes `text` as the program's whole output: 0, or 1 when it was lost.
int Output(std::string_view text) {
  const bool written = flange::cli::WriteOutput(stdout, text.data(), text.size(), stderr);
  return flange::cli::CloseOutput(stdout, stderr) && written ? 0 : 1;
}

// Runs the one option given alone.
int RunOption(std::string_view option) {
  if (option == "--help" || option == "-h") return Output(kUsage);
  if (option == "--version") return Output("flange-calc " FLANGE_VERSION "\n");
  if (option == "--batch") {
    const int status = flange::cli::RunBatch(stdin, stdout, stderr);
    return flange::cli::CloseOutput(stdout, stderr) ? status : 1;
  }
  return UsageError("unknown option '" + std::string(option) + "'");
}

#ifdef _WIN32
// On Windows the program's bytes are the same as on every other system: its
// streams are binary (no CR written before each "\n", no end of input at a
// Ctrl-Z), and a console it writes to shows UTF-8, the labels' encoding, for
// as long as the program runs.
class WindowsStreams {
 public:
  WindowsStreams() {
    for (std::FILE* stream : {stdin, stdout, stderr}) {
      if (_fileno(stream) >= 0) _setmode(_fileno(stream), _O_BINARY);
    }
    DWORD mode = 0;
    if (GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode)) {
      consoleCodePage_ = GetConsoleOutputCP();
      SetConsoleOutputCP(CP_UTF8);
      // Unbuffered, the C library may hand a console one byte at a time, and
      // a character split between writes shows as garbage; with a buffer the
      // labels go out whole. Messages still follow the results, as standard
      // output is flushed before each one.
      std::setvbuf(stdout, nullptr, _IOFBF, 64 * 1024);
    }
  }
  ~WindowsStreams() {
    if (consoleCodePage_ != 0) SetConsoleOutputCP(consoleCodePage_);
  }
  WindowsStreams(const WindowsStreams&) = delete;
  WindowsStreams& operator=(const WindowsStreams&) = delete;

 private:
  UINT consoleCodePage_ = 0;
};

// The arguments in UTF-8, from the command line as typed. The `argv` Windows
// hands to main is in the desktop's ANSI code page (GBK on a Chinese
// desktop), which loses the full-width digits an input method types.
std::vector<std::string> Arguments(int, char**) {
  std::vector<std::string> args;
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) return args;
  for (int i = 1; i < count; ++i) {
    const int length = static_cast<int>(std::wcslen(wide[i]));
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], length, nullptr, 0, nullptr, nullptr);
    std::string& arg = args.emplace_back(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide[i], length, arg.data(), size, nullptr, nullptr);
  }
  LocalFree(wide);
  return args;
}
#else
std::vector<std::string> Arguments(int argc, char** argv) {
  return std::vector<std::string>(argv + 1, argv + argc);
}
#endif

int Run(std::span<const std::string> args) {
  for (const std::string_view arg : args) {
    if (!IsOption(arg)) continue;
    if (args.size() == 1) return RunOption(arg);
    const bool known = arg == "--batch" || arg == "--help" || arg == "-h" || arg == "--version";
    return UsageError(known ? "'" + std::string(arg) + "' takes no other arguments"
                            : "unknown option '" + std::string(arg) + "'");
  }
  if (args.size() != flange::kInputFieldCount) {
    char count[24];
    const auto end = std::to_chars(count, count + sizeof count, args.size()).ptr;
    return UsageError("expected the 12 values D d B dk Nb N A C f H h density, found " +
                      std::string(count, end));
  }

  std::array<std::string_view, flange::kInputFieldCount> texts;
  for (std::size_t i = 0; i < texts.size(); ++i)
    texts[i] = args[i];
  const flange::ResultTexts r = flange::CalculateFromFieldTexts(texts);
  return Output("法兰体积 V(cm3): " + r.volume + "\n法兰重量 Wf(Kg): " + r.weight + "\n");
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  const WindowsStreams streams;
#endif
  return Run(Arguments(argc, argv));
}
