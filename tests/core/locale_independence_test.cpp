// The window's toolkit sets the C locale from the environment, so an engineer
// with a German or French desktop runs the calculator under a decimal-comma
// locale. Every conversion must give the same texts there.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "flange/field_calculation.hpp"
#include "flange/format_result.hpp"
#include "flange/number_reader.hpp"

namespace flange {
namespace {

// Switches to de_DE.UTF-8, compiling it into a folder of this test process's
// own when the machine has not generated it (needs localedef and the locale
// sources). The folder is per process because ctest runs tests in parallel,
// and one process must never read a locale another is still writing.
class DecimalCommaLocale : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
      dir_ = std::filesystem::temp_directory_path() /
             ("flange-test-locales-" + std::to_string(::getpid()));
      std::filesystem::create_directories(dir_);
      const std::filesystem::path& dir = dir_;
      const std::string command =
          "localedef -i de_DE -f UTF-8 '" + (dir / "de_DE.UTF-8").string() + "' >/dev/null 2>&1";
      [[maybe_unused]] const int status = std::system(command.c_str());
      ::setenv("LOCPATH", dir.c_str(), 1);
    }
    ready_ = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
  }
  static void TearDownTestSuite() {
    std::setlocale(LC_ALL, "C");
    if (!dir_.empty()) std::filesystem::remove_all(dir_);
  }

  void SetUp() override {
    ASSERT_TRUE(ready_) << "cannot set de_DE.UTF-8 (install the 'locales' package)";
    ASSERT_STREQ(",", std::localeconv()->decimal_point);
  }

  static inline bool ready_ = false;
  static inline std::filesystem::path dir_;
};

TEST_F(DecimalCommaLocale, ConversionsIgnoreTheLocale) {
  EXPECT_EQ(12.5, ParseLeadingNumber(" 12.5"));  // the blank sends it the general way
  EXPECT_EQ(12.0, ParseLeadingNumber(" 12,5"));  // a comma is no decimal point
  EXPECT_EQ("7.85", NumberToText(7.85));
  EXPECT_EQ("1.5E+15", NumberToText(1.5e15));
  EXPECT_EQ("1.235E+7", FormatResult(kAdaptiveMode, 12345678));
  const ResultTexts r = CalculateFromFieldTexts(
      {"220", "158", "110", "18", "8", "132", "115", "20", "3", "52", "12", "7.85"});
  EXPECT_EQ("604.75", r.volume);
  EXPECT_EQ("4.75", r.weight);
}

}  // namespace
}  // namespace flange
