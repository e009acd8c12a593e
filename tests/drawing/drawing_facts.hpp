// What the flange drawing must show, in the pixels of the 376 x 421 image (x to
// the right, y down, ranges inclusive). The tests of the drawing and of the
// window check against these numbers, never against the program that draws
// the images.
#pragma once

#include <QRect>
#include <QRgb>

#include <algorithm>
#include <array>

namespace flange::drawing_test {

inline constexpr int kWidth = 376;
inline constexpr int kHeight = 421;
// What Picture2 shows inside its border at the window's design size.
inline constexpr int kVisibleWidth = 367;
inline constexpr int kVisibleHeight = 420;

inline constexpr QRgb kWhite = qRgb(255, 255, 255);
inline constexpr QRgb kLightBlue = qRgb(127, 191, 255);  // cut material
inline constexpr QRgb kRed = qRgb(255, 0, 0);            // dimensions
inline constexpr QRgb kBlue = qRgb(0, 0, 255);           // title

// A one-pixel line: its row (or column) and the range it covers along it.
struct Line {
  int at;
  int from;
  int to;
};

// The dimension lines, named by their letters.
inline constexpr Line kLineD{98, 39, 329};
inline constexpr Line kLined{124, 97, 272};
inline constexpr Line kLineB{156, 124, 245};
inline constexpr Line kLinedk{156, 58, 82};
inline constexpr Line kLineA{334, 112, 257};
inline constexpr Line kLineN{364, 99, 270};
inline constexpr std::array kHorizontalDimensionLines = {kLineD,  kLined, kLineB,
                                                         kLinedk, kLineA, kLineN};
// f and C share one line at x 19; H is the overall height, h the taper.
inline constexpr Line kLinefC{19, 167, 241};
inline constexpr Line kLineH{355, 185, 298};
inline constexpr Line kLineh{292, 241, 283};
inline constexpr std::array kVerticalDimensionLines = {kLinefC, kLineH, kLineh};

// Extension lines: from the body's edge to two pixels beyond the dimension
// line.
struct Extension {
  Line line;
};
// clang-format off
inline constexpr std::array<Extension, 12> kVerticalExtensions = {{
    {{39, 96, 188}}, {{329, 96, 188}},    // D, from the plate's top corners
    {{97, 122, 184}}, {{272, 122, 184}},  // d, from the raised face's top corners
    {{124, 154, 184}}, {{245, 154, 184}}, // B, from the bore's top corners
    {{58, 154, 188}}, {{82, 154, 188}},   // dk, from the left bolt hole's walls
    {{112, 299, 336}}, {{257, 299, 336}}, // A, from the neck end's corners
    {{99, 242, 366}}, {{270, 242, 366}},  // N, beside the hub's base
}};
inline constexpr std::array<Extension, 7> kHorizontalExtensions = {{
    {{185, 17, 96}}, {{189, 17, 38}}, {{241, 17, 38}},  // f and C, from the left side
    {{185, 273, 357}}, {{298, 258, 357}},                // H, from the right corners
    {{241, 274, 294}}, {{283, 258, 294}},                // h, underside and taper's end
}};
// clang-format on

// An arrowhead where a dimension line meets an extension line: the extension
// line's position and the side (+1 or -1 along the dimension line) on which
// the arrowhead lies.
struct Arrow {
  Line dimension;
  int extension;
  int side;
};
// clang-format off
inline constexpr std::array<Arrow, 12> kHorizontalArrows = {{
    {kLineD, 39, +1}, {kLineD, 329, -1}, {kLined, 97, +1}, {kLined, 272, -1},
    {kLineB, 124, +1}, {kLineB, 245, -1}, {kLinedk, 58, +1}, {kLinedk, 82, -1},
    {kLineA, 112, +1}, {kLineA, 257, -1}, {kLineN, 99, +1}, {kLineN, 270, -1}}};
// f: the raised face is too thin, its arrow comes from above; then C, H and h.
inline constexpr std::array<Arrow, 7> kVerticalArrows = {{
    {kLinefC, 185, -1}, {kLinefC, 189, +1}, {kLinefC, 241, -1},
    {kLineH, 185, +1}, {kLineH, 298, -1}, {kLineh, 241, +1}, {kLineh, 283, -1}}};
// clang-format on

// Centre lines, dash-dot: the flange axis and the two bolt-hole axes.
inline constexpr std::array<Line, 3> kCentreLines = {
    {{184, 178, 306}, {70, 185, 249}, {299, 185, 249}}};

// The letters: where their ink lies (to within 2 pixels) and whether they are
// turned to read from bottom to top.
struct LetterPlace {
  const char* letter;
  QRect box;     // inclusive ink box; for centred letters only the rows count
  bool centred;  // centred on x 184.5, the middle of its dimension line
  bool turned;
};
inline const std::array<LetterPlace, 10> kLetters = {{
    {"D", QRect(QPoint(178, 80), QPoint(188, 92)), false, false},
    {"d", QRect(QPoint(180, 108), QPoint(189, 120)), true, false},
    {"B", QRect(QPoint(180, 138), QPoint(189, 150)), true, false},
    {"dk", QRect(QPoint(60, 138), QPoint(77, 150)), false, false},
    {"f", QRect(QPoint(5, 168), QPoint(17, 173)), false, true},
    {"C", QRect(QPoint(3, 209), QPoint(15, 219)), false, true},
    {"H", QRect(QPoint(337, 238), QPoint(349, 248)), false, true},
    {"h", QRect(QPoint(274, 259), QPoint(286, 266)), false, true},
    {"A", QRect(QPoint(180, 318), QPoint(189, 330)), true, false},
    {"N", QRect(QPoint(180, 346), QPoint(189, 358)), true, false},
}};
inline constexpr double kLetterAxis = 184.5;
inline constexpr int kLetterTolerance = 2;

inline const QRect kTitleBox(QPoint(102, 24), QPoint(262, 43));

// Where a letter may be searched for: its box widened by the tolerance (for a
// centred letter, x 172 to 197), but never reaching the line at x 19 that f
// and C stand beside.
inline QRect LetterWindow(const LetterPlace& place) {
  const int t = kLetterTolerance;
  QRect window = place.box.adjusted(-t, -t, t, t);
  if (place.centred) window.setCoords(172, window.top(), 197, window.bottom());
  if (window.left() < kLinefC.at) window.setRight(std::min(window.right(), kLinefC.at - 1));
  return window;
}
inline const QRect kTitleWindow =
    kTitleBox.adjusted(-kLetterTolerance, -kLetterTolerance, kLetterTolerance, kLetterTolerance);

}  // namespace flange::drawing_test
