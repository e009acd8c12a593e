#include "flange/flange_model.hpp"

namespace flange {

namespace {

// A quarter and a third of the circle constant, formed afresh at each use as
// the published figures were.
double QuarterCircle() {
  return kCircleConstant / 4.0;
}
double ThirdCircle() {
  return kCircleConstant / 3.0;
}
double Square(double x) {
  return x * x;
}

// Volumes of the pieces in mm3.
struct FlangePieces {
  double raisedFace = 0;   // V1
  double plate = 0;        // V2
  double hub = 0;          // V3
  double straightEnd = 0;  // V4
  double bore = 0;         // V5
  double boltHoles = 0;    // V6
};

FlangePieces ComputeFlangePieces(const FlangeDimensions& m) {
  // The order of every operation below is fixed: floating-point association
  // changes the last digits, and the results must match the tables engineers
  // already hold.
  FlangePieces p;
  p.raisedFace = (QuarterCircle() * Square(m.d)) * m.f;
  p.plate = (QuarterCircle() * Square(m.D)) * m.C;
  const double rN = m.N / 2.0;
  const double rA = m.A / 2.0;
  p.hub = (ThirdCircle() * m.h) * ((Square(rN) + rN * rA) + Square(rA));
  p.straightEnd = (QuarterCircle() * Square(m.A)) * (((m.H - m.f) - m.C) - m.h);
  p.bore = (QuarterCircle() * Square(m.B)) * m.H;
  p.boltHoles = ((QuarterCircle() * Square(m.dk)) * m.C) * m.Nb;
  return p;
}

}  // namespace

FlangeResult ComputeFlange(const FlangeDimensions& dims) {
  const FlangePieces p = ComputeFlangePieces(dims);
  FlangeResult r;
  // mm3 to cm3, then cm3 times g/cm3 to kg.
  r.V = (((((p.raisedFace + p.plate) + p.hub) + p.straightEnd) - p.bore) - p.boltHoles) / 1000.0;
  r.Wf = (r.V * dims.gamma) / 1000.0;
  return r;
}

const MaterialDensity* MaterialAtPosition(int position) {
  if (position < 1 || position > static_cast<int>(MaterialDensityTable.size())) {
    return nullptr;
  }
  return &MaterialDensityTable[static_cast<std::size_t>(position - 1)];
}

}  // namespace flange
