// The weld-neck flange as twelve numbers, the material densities, and the
// solid-geometry computation of its volume and weight.
#pragma once

#include <array>
#include <string_view>

namespace flange {

// The circle constant the calculator has always used: eight significant digits,
// not the double nearest to pi. Every published figure depends on it.
inline constexpr double kCircleConstant = 3.1415926;

// The twelve values, in the order of the input fields 1 to 12.
struct FlangeDimensions {
  double D = 0;      // 1  flange outer diameter (plate), mm
  double d = 0;      // 2  outer diameter of the raised sealing face, mm
  double B = 0;      // 3  bore, mm
  double dk = 0;     // 4  bolt-hole diameter, mm
  double Nb = 0;     // 5  number of bolt holes, a real multiplier (never made whole)
  double N = 0;      // 6  neck diameter at the plate (large end of the hub), mm
  double A = 0;      // 7  lower diameter (small end of the hub and the straight end), mm
  double C = 0;      // 8  plate thickness, mm
  double f = 0;      // 9  height of the raised face, mm
  double H = 0;      // 10 overall height, raised face to neck end, mm
  double h = 0;      // 11 height of the tapered hub, mm
  double gamma = 0;  // 12 density, t/m3 (= g/cm3)
};

struct FlangeResult {
  double V = 0;   // volume, cm3
  double Wf = 0;  // weight, kg
};

// Pure: no state, no failure path; every combination of doubles is accepted.
FlangeResult ComputeFlange(const FlangeDimensions& dims);

struct MaterialDensity {
  std::string_view listText;  // as shown in the material list
  double density;             // t/m3, written into the density field
};

// The material list, in list order (positions 1 and 2).
inline constexpr std::array<MaterialDensity, 2> MaterialDensityTable{{
    {"碳钢或低合金钢", 7.85},  // carbon or low-alloy steel
    {"不锈钢", 7.93},          // stainless steel
}};

// The entry at list position 1 or 2; nullptr for any other position
// (0 is "nothing chosen").
const MaterialDensity* MaterialAtPosition(int position);

}  // namespace flange
