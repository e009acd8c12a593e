// The volume model: each piece of the flange, the order of evaluation that
// fixes the last digits, and dimensions that make no physical sense.
#include <gtest/gtest.h>

#include <cmath>

#include "flange_model.hpp"

namespace flange {
namespace {

// The reference flange used throughout: a PN16 DN100-like weld-neck flange.
FlangeDimensions WorkedFlange() {
  FlangeDimensions m;
  m.D = 220;
  m.d = 158;
  m.B = 110;
  m.dk = 18;
  m.Nb = 8;
  m.N = 132;
  m.A = 115;
  m.C = 20;
  m.f = 3;
  m.H = 52;
  m.h = 12;
  m.gamma = 7.85;
  return m;
}

// Agreement to n significant digits.
void ExpectSignificant(double expected, double actual, int digits) {
  EXPECT_NEAR(actual, expected, std::abs(expected) * std::pow(10.0, 1 - digits) / 2)
      << "expected " << expected;
}

TEST(FlangeModel, WorkedFlangePiecesAndTotals) {
  const FlangePieces p = ComputeFlangePieces(WorkedFlange());
  ExpectSignificant(58820.0382498, p.raisedFace, 12);
  ExpectSignificant(760265.4092, p.plate, 10);
  ExpectSignificant(143976.0472654, p.hub, 13);
  ExpectSignificant(176577.1390738, p.straightEnd, 13);
  ExpectSignificant(494172.51598, p.bore, 11);
  ExpectSignificant(40715.040096, p.boltHoles, 11);

  const FlangeResult r = ComputeFlange(WorkedFlange());
  ExpectSignificant(604.75107771295, r.V, 12);
  ExpectSignificant(4.74729596005, r.Wf, 12);
}

TEST(FlangeModel, UsesTheEightDigitCircleConstantNotPi) {
  FlangeDimensions m;
  m.D = 100;
  m.C = 10;
  m.gamma = 7.85;
  const FlangeResult r = ComputeFlange(m);
  EXPECT_DOUBLE_EQ(78.539815, r.V);  // with pi it would be 78.5398163...
  EXPECT_NEAR(0.616537547, r.Wf, 1e-9);
}

TEST(FlangeModel, AllZeroGivesZero) {
  const FlangeResult r = ComputeFlange(FlangeDimensions{});
  EXPECT_EQ(0.0, r.V);
  EXPECT_EQ(0.0, r.Wf);
}

TEST(FlangeModel, BoltHoleCountIsARealMultiplier) {
  FlangeDimensions m = WorkedFlange();
  m.Nb = 2.5;
  const double twoAndAHalf = ComputeFlangePieces(m).boltHoles;
  m.Nb = 1;
  EXPECT_DOUBLE_EQ(2.5 * ComputeFlangePieces(m).boltHoles, twoAndAHalf);
}

TEST(FlangeModel, EqualHubDiametersGiveACylinder) {
  FlangeDimensions m = WorkedFlange();
  m.A = m.N;
  const double cylinder = kCircleConstant / 4 * m.N * m.N * m.h;
  EXPECT_NEAR(cylinder, ComputeFlangePieces(m).hub, cylinder * 1e-15);
}

TEST(FlangeModel, SwappingHubDiametersKeepsTheHubButNotTheStraightEnd) {
  FlangeDimensions m = WorkedFlange();
  const FlangePieces before = ComputeFlangePieces(m);
  std::swap(m.N, m.A);
  const FlangePieces after = ComputeFlangePieces(m);
  EXPECT_NEAR(before.hub, after.hub, before.hub * 1e-15);
  EXPECT_NE(before.straightEnd, after.straightEnd);
}

TEST(FlangeModel, TooShortAFlangeIsComputedWithANegativeStraightEnd) {
  FlangeDimensions m = WorkedFlange();
  m.H = 20;  // less than f + C + h = 35
  const FlangePieces p = ComputeFlangePieces(m);
  EXPECT_LT(p.straightEnd, 0);
  EXPECT_LT(ComputeFlange(m).V, ComputeFlange(WorkedFlange()).V);
}

TEST(MaterialDensityTable, TwoEntriesInListOrder) {
  ASSERT_EQ(2u, MaterialDensityTable.size());
  EXPECT_EQ("碳钢或低合金钢", MaterialAtPosition(1)->listText);
  EXPECT_EQ(7.85, MaterialAtPosition(1)->density);
  EXPECT_EQ("不锈钢", MaterialAtPosition(2)->listText);
  EXPECT_EQ(7.93, MaterialAtPosition(2)->density);
  EXPECT_EQ(nullptr, MaterialAtPosition(0));  // nothing chosen
  EXPECT_EQ(nullptr, MaterialAtPosition(3));
  EXPECT_EQ(nullptr, MaterialAtPosition(-1));
}

}  // namespace
}  // namespace flange
