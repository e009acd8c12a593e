#include "flange/field_calculation.hpp"

#include "flange/flange_model.hpp"
#include "flange/format_result.hpp"
#include "flange/number_reader.hpp"

namespace flange {

ResultTexts CalculateFromFieldTexts(const std::array<std::string_view, kInputFieldCount>& texts) {
  // Braced initialisation reads the fields strictly in order 1 to 12.
  const FlangeDimensions dims{
      ParseLeadingNumber(texts[0]), ParseLeadingNumber(texts[1]),  ParseLeadingNumber(texts[2]),
      ParseLeadingNumber(texts[3]), ParseLeadingNumber(texts[4]),  ParseLeadingNumber(texts[5]),
      ParseLeadingNumber(texts[6]), ParseLeadingNumber(texts[7]),  ParseLeadingNumber(texts[8]),
      ParseLeadingNumber(texts[9]), ParseLeadingNumber(texts[10]), ParseLeadingNumber(texts[11]),
  };
  const FlangeResult result = ComputeFlange(dims);
  // The weight comes from the unrounded volume. Display texts carry no
  // blanks, so there is nothing to trim around them.
  ResultTexts shown;
  shown.volume = FormatResult(kAdaptiveMode, result.V);
  shown.weight = FormatResult(kAdaptiveMode, result.Wf);
  return shown;
}

}  // namespace flange
