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

// The size, and what Picture2 shows inside its border at the window's design
// size.
inline constexpr int kWidth = 376, kHeight = 421, kVisibleWidth = 367, kVisibleHeight = 420;

// White, light blue of the cut material, red of the dimensions, blue of the
// title.
inline constexpr QRgb kWhite = qRgb(255, 255, 255), kLightBlue = qRgb(127, 191, 255),
                      kRed = qRgb(255, 0, 0), kBlue = qRgb(0, 0, 255);

// A one-pixel line: its row (or column) and the range it covers along it.
struct Line {
  int at, from, to;
};

// The dimension lines, named by their letters.
// clang-format off
inline constexpr Line kLineD{98, 39, 329}, kLined{124, 97, 272}, kLineB{156, 124, 245};
inline constexpr Line kLinedk{156, 58, 82}, kLineA{334, 112, 257}, kLineN{364, 99, 270};
inline constexpr std::array kHorizontalDimensionLines = {kLineD, kLined, kLineB, kLinedk, kLineA, kLineN};
// clang-format on
// f and C share one line at x 19; H is the overall height, h the taper.
inline constexpr Line kLinefC{19, 167, 241}, kLineH{355, 185, 298}, kLineh{292, 241, 283};
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
  int extension, side;
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
  QRect box;     // ink box (left, top, width, height); for centred letters only the rows count
  bool centred;  // centred on x 184.5, the middle of its dimension line
  bool turned;
};
// clang-format off
inline const std::array<LetterPlace, 10> kLetters = {{
    {"D", QRect(178, 80, 11, 13), false, false}, {"d", QRect(180, 108, 10, 13), true, false},
    {"B", QRect(180, 138, 10, 13), true, false}, {"dk", QRect(60, 138, 18, 13), false, false},
    {"f", QRect(5, 168, 13, 6), false, true}, {"C", QRect(3, 209, 13, 11), false, true},
    {"H", QRect(337, 238, 13, 11), false, true}, {"h", QRect(274, 259, 13, 8), false, true},
    {"A", QRect(180, 318, 10, 13), true, false}, {"N", QRect(180, 346, 10, 13), true, false},
}};
// clang-format on
inline constexpr int kLetterTolerance = 2;

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
// The title's ink box, x 102 to 262 and y 24 to 43, widened by the tolerance.
inline const QRect kTitleWindow(QPoint(100, 22), QPoint(264, 45));

}  // namespace flange::drawing_test
