// The volume model against totals worked out independently from the piece
// formulas (same order of operations, circle constant 3.1415926), and the
// material list.
#include <gtest/gtest.h>

#include <cmath>

#include "flange/flange_model.hpp"

namespace flange {
namespace {

TEST(ComputeFlange, Totals) {
  struct Case {
    FlangeDimensions dims;  // D d B dk Nb N A C f H h gamma
    double volume;
    double weight;
  };
  // The worked flange; 2.5 bolt holes (a real multiplier, never made whole);
  // shorter than f + C + h (a negative straight end, not refused); a bore
  // wider than the plate; no straight end, where exchanging N and A keeps the
  // hub; A = N, a cylindrical hub q4 x N^2 x h; the plate alone (78.5398163...
  // with the double nearest to pi); nothing.
  const Case cases[] = {
      {{220, 158, 110, 18, 8, 132, 115, 20, 3, 52, 12, 7.85}, 604.75107771295, 4.74729596005},
      {{220, 158, 110, 18, 2.5, 132, 115, 20, 3, 52, 12, 7.85}, 632.74266777895, 4.96702994206},
      {{220, 158, 110, 18, 8, 132, 115, 20, 3, 20, 12, 7.85}, 576.47674431295, 4.52534244286},
      {{220, 158, 300, 18, 8, 132, 115, 20, 3, 52, 12, 7.85}, -2576.73974830705, -20.2274070242},
      {{220, 158, 110, 18, 8, 132, 115, 20, 3, 35, 12, 7.85}, 589.7303380942, 4.62938315404},
      {{220, 158, 110, 18, 8, 115, 132, 20, 3, 35, 12, 7.85}, 589.7303380942, 4.62938315404},
      {{0, 0, 0, 0, 0, 132, 132, 0, 0, 12, 12, 1}, 164.2173283872, 0.1642173283872},
      {{100, 0, 0, 0, 0, 0, 0, 10, 0, 0, 0, 7.85}, 78.539815, 0.61653754775},
      {{}, 0, 0}};
  for (const Case& c : cases) {
    const FlangeResult r = ComputeFlange(c.dims);
    EXPECT_NEAR(c.volume, r.V, std::abs(c.volume) * 1e-12) << c.volume;
    EXPECT_NEAR(c.weight, r.Wf, std::abs(c.weight) * 1e-11) << c.weight;
  }
}

TEST(MaterialDensityTable, PositionsOneAndTwoOnly) {
  EXPECT_EQ("碳钢或低合金钢", MaterialAtPosition(1)->listText);
  EXPECT_EQ(7.85, MaterialAtPosition(1)->density);
  EXPECT_EQ("不锈钢", MaterialAtPosition(2)->listText);
  EXPECT_EQ(7.93, MaterialAtPosition(2)->density);
  for (int nothing : {-1, 0, 3})
    EXPECT_EQ(nullptr, MaterialAtPosition(nothing)) << nothing;
}

}  // namespace
}  // namespace flange
