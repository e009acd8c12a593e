// Writes N plausible flanges, one a line, twelve tab-separated fields, for
// timing batch runs: make-flanges N > flanges.tsv
#include <charconv>
#include <cstdio>
#include <random>
#include <string>

int main(int argc, char** argv) {
  long long count = 1000000;
  if (argc > 1) std::from_chars(argv[1], argv[1] + std::char_traits<char>::length(argv[1]), count);
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> size(50, 1500);
  std::string out;
  char number[32];
  auto field = [&](double v, char end) {
    const auto written =
        std::to_chars(number, number + sizeof number, v, std::chars_format::fixed, 1);
    out.append(number, written.ptr);
    out.push_back(end);
  };
  for (long long i = 0; i < count; ++i) {
    const double D = size(random);
    field(D, '\t');                           // D
    field(D * 0.72, '\t');                    // d
    field(D * 0.5, '\t');                     // B
    field(D * 0.08, '\t');                    // dk
    field(4 + 4 * (i % 6), '\t');             // Nb
    field(D * 0.6, '\t');                     // N
    field(D * 0.52, '\t');                    // A
    field(D * 0.09, '\t');                    // C
    field(3, '\t');                           // f
    field(D * 0.24, '\t');                    // H
    field(D * 0.055, '\t');                   // h
    out.append(i % 2 ? "7.85\n" : "7.93\n");  // density
    if (out.size() > (1 << 16)) {
      std::fwrite(out.data(), 1, out.size(), stdout);
      out.clear();
    }
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
}
