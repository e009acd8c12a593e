// Form1's controls: where each sits, what it shows, its font and colours, and
// the order in which the focus visits them. Controls are created in tab order,
// which is the order Tab visits them in; labels and group boxes never take
// the focus.
#include <QApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleFactory>

#include "app_icon.hpp"
#include "flange_picture.hpp"
#include "form1.hpp"
#include "forms/controls.hpp"

namespace flange::ui {
namespace {

using forms::TwipRect;

constexpr int kClientWidthTwips = 11700;  // 780 px
constexpr int kClientHeightTwips = 8115;  // 541 px

enum Container { kWindow, kFrame1, kFrame2 };

struct FieldRow {
  int index;
  Container container;
  TwipRect place;
};

// The fourteen fields in tab order, except the material list, which comes
// between fields 11 and 12.
constexpr FieldRow kFieldsBeforeList[] = {
    {1, kFrame1, {4755, 360, 828, 288}},   {2, kFrame1, {4755, 660, 828, 288}},
    {3, kFrame1, {4755, 960, 828, 288}},   {4, kFrame1, {4755, 1260, 828, 288}},
    {5, kFrame1, {4755, 1560, 828, 288}},  {6, kFrame1, {4755, 1860, 828, 288}},
    {7, kFrame1, {4755, 2160, 828, 288}},  {8, kFrame1, {4755, 2460, 828, 288}},
    {9, kFrame1, {4755, 2760, 828, 288}},  {10, kFrame1, {4755, 3060, 828, 288}},
    {11, kFrame1, {4755, 3360, 828, 288}},
};
constexpr TwipRect kListPlace{3465, 3660, 2112, 315};
constexpr FieldRow kFieldsAfterList[] = {
    {12, kFrame1, {4755, 3990, 828, 288}},
    {13, kFrame2, {4755, 360, 828, 288}},
    {14, kFrame2, {4755, 660, 828, 288}},
};

constexpr TwipRect kPicture2Place{210, 315, 5565, 6365};
constexpr TwipRect kFrame1Place{5790, 210, 5655, 4485};
constexpr TwipRect kFrame2Place{5790, 4845, 5655, 1845};
constexpr TwipRect kCommand0Place{8490, 7140, 930, 525};
constexpr TwipRect kCommand8Place{2160, 7140, 1455, 540};

// The field (or, for kList, the material list) that each label names.
constexpr int kList = 0;

struct LabelRow {
  int index;
  Container container;
  TwipRect place;
  const char* text;  // UTF-8
  int names;
};

// Leader dots line the unit symbols up in one column in the window font.
// The labels of d, B, dk, Nb, N, f and the material are drawn in the system
// window-frame colour and the rest in the window-text colour; Qt has no
// window-frame colour, and both are the palette's window text (black in the
// standard scheme).
constexpr LabelRow kLabels[] = {
    {4, kFrame2, {90, 390, 4650, 270}, "法兰体积..............................V(cm3)", 13},
    {3, kFrame2, {90, 675, 4650, 270}, "法兰重量..............................Wf(Kg)", 14},
    {2, kFrame1, {90, 3080, 4650, 270}, "法兰高度...............................H(mm)", 10},
    {1, kFrame1, {90, 3375, 4650, 270}, "法兰颈部高度...........................h(mm)", 11},
    {0, kFrame1, {90, 2780, 4635, 240}, "法兰密封面高度.........................f(mm)", 9},
    {48, kFrame1, {90, 1290, 4665, 240}, "螺栓孔直径............................dk(mm)", 4},
    {9, kFrame1, {90, 2190, 4650, 270}, "法兰下部直径...........................A(mm)", 7},
    {38, kFrame1, {90, 2475, 4650, 270}, "法兰厚度...............................C(mm)", 8},
    {34, kFrame1, {90, 1575, 4665, 240}, "螺栓孔个数..............................Nb", 5},
    {32, kFrame1, {90, 990, 4665, 240}, "法兰内直径.............................B(mm)", 3},
    {46, kFrame1, {90, 1890, 4665, 240}, "法兰颈部直径...........................N(mm)", 6},
    {47, kFrame1, {90, 3690, 3345, 240}, "法兰材料类别............MatType", kList},
    {49, kFrame1, {90, 390, 4650, 240}, "法兰外直径.............................D(mm)", 1},
    {50, kFrame1, {90, 690, 4665, 240}, "法兰密封面外径.........................d(mm)", 2},
    {56, kFrame1, {90, 4020, 4620, 240}, "法兰材料密度......................γ(吨/米3)", 12},
};

// The first of the faces that is installed. Naming a missing face first
// makes Qt ask fontconfig for substitutes for every script the text uses,
// which costs more at start-up than all the other font work together; the
// installed faces are looked up once.
QStringList FirstInstalled(const QStringList& faces) {
  static const QStringList installed = QFontDatabase::families();
  for (const QString& face : faces) {
    if (installed.contains(face, Qt::CaseInsensitive)) {
      return {face};
    }
  }
  return faces;
}

// Fonts name the Windows faces first, then a face of the same style that
// Debian provides (fonts-arphic-uming for Song, fonts-arphic-ukai for Kai); no
// free clerical-script face exists, so the calculate button falls back to Kai.
QFont MakeFont(const QStringList& faces, double points, QFont::Weight weight,
               QFont::StyleHint hint) {
  QFont font;
  font.setFamilies(FirstInstalled(faces));
  font.setStyleHint(hint);
  // Sizes in pixels at 96 dpi (a point is 4/3 of a pixel), so that text keeps
  // its proportion to the fixed control sizes whatever the desktop's font dpi.
  font.setPixelSize(static_cast<int>(points * 96.0 / 72.0 + 0.5));
  font.setWeight(weight);
  return font;
}

// The Chinese faces are drawn unhinted: they carry no hinting of their own,
// and FreeType's automatic hinter would first measure dozens of reference
// glyphs of each, slowing start-up and reading megabytes of the font files.
QFont MakeChineseFont(const QStringList& faces, double points, QFont::Weight weight) {
  QFont font = MakeFont(faces, points, weight, QFont::Serif);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

struct Fonts {
  QFont window = MakeChineseFont({"宋体", "SimSun", "AR PL UMing CN"}, 10.5, QFont::Normal);
  QFont frame = MakeChineseFont({"宋体-18030", "SimSun-18030", "宋体", "SimSun", "AR PL UMing CN"},
                                12, QFont::Normal);
  QFont field = MakeFont({"MS Sans Serif", "Microsoft Sans Serif", "DejaVu Sans"}, 8.25,
                         QFont::Normal, QFont::SansSerif);
  QFont calculate = MakeChineseFont({"隶书", "LiSu", "AR PL UKai CN"}, 15, QFont::Normal);
  QFont exit = MakeChineseFont({"楷体_GB2312", "KaiTi_GB2312", "楷体", "KaiTi", "AR PL UKai CN"},
                               15, QFont::Bold);
};

void SetColour(QWidget& control, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = control.palette();
  palette.setColor(role, colour);
  control.setPalette(palette);
}

// What a screen reader announces for a field: its label's words without the
// leader dots, "法兰外直径 D(mm)".
QString LabelWords(const QString& labelText) {
  const qsizetype dots = labelText.indexOf(u"..");
  if (dots < 0) {
    return labelText;
  }
  qsizetype symbol = dots;
  while (symbol < labelText.size() && labelText.at(symbol) == u'.') {
    ++symbol;
  }
  return labelText.left(dots) + u' ' + labelText.mid(symbol);
}

// The classic Windows look, for the controls whose look the layout fixes: a
// group box's caption sits on its etched border line, with the controls
// placed from the box's top-left corner below it (Qt's default style on Linux
// draws the caption above a separate frame instead, which pushes the frame
// down onto the first row of fields); a text field sits in the two-pixel
// sunken 3D border; the calculate button's face is painted flat in its colour
// inside the raised 3D bevel, with a dotted focus rectangle, where the default
// style paints rounded frames and a gradient.
QStyle* ClassicStyle() {
  static QStyle* const style = QStyleFactory::create(QStringLiteral("Windows"));
  return style;
}

}  // namespace

void Form1::CreateControls() {
  const Fonts fonts;
  // Windows that a control opens, the list's drop-down among them, take the
  // application's font: the fields' font, as the list's entries are shown in
  // the list's own font.
  QApplication::setFont(fonts.field);
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("带颈对焊法兰重量计算"));
  setFont(fonts.window);

  frame1_ = new QGroupBox(this);
  frame2_ = new QGroupBox(this);
  frame1_->setObjectName(QStringLiteral("Frame1"));
  frame2_->setObjectName(QStringLiteral("Frame2"));
  for (auto [frame, place, caption] : {std::tuple{frame1_, kFrame1Place, "输入数据"},
                                       std::tuple{frame2_, kFrame2Place, "计算结果"}}) {
    // Font first: the caption is measured again on every change of style
    // or caption, and measuring it in any other font would be wasted.
    frame->setFont(fonts.frame);
    frame->setStyle(ClassicStyle());
    frame->setTitle(QString::fromUtf8(caption));
    forms::Place(*frame, place);
  }
  auto container = [this](Container c) -> QWidget* {
    return c == kFrame1 ? frame1_ : c == kFrame2 ? frame2_ : static_cast<QWidget*>(this);
  };

  auto createField = [&](const FieldRow& row) {
    auto* field = new forms::TextBox(container(row.container));
    field->setObjectName(QStringLiteral("txtIn(%1)").arg(row.index));
    field->setFont(fonts.field);
    field->setStyle(ClassicStyle());
    forms::Place(*field, row.place);
    txtIn_[row.index] = field;
  };
  for (const FieldRow& row : kFieldsBeforeList) {
    createField(row);
  }
  combCover_ = new forms::ComboBox(frame1_);
  combCover_->setObjectName(QStringLiteral("CombCover"));
  combCover_->setFont(fonts.field);
  forms::Place(*combCover_, kListPlace);
  for (const FieldRow& row : kFieldsAfterList) {
    createField(row);
  }
  for (int index : {kVolumeField, kWeightField}) {
    SetColour(*txtIn_[index], QPalette::Base, QColor(255, 255, 192));
    SetColour(*txtIn_[index], QPalette::Text, Qt::red);
  }

  picture2_ = new FlangePicture(this);
  picture2_->setObjectName(QStringLiteral("Picture2"));
  forms::Place(*picture2_, kPicture2Place);

  command0_ = new QPushButton(QStringLiteral("退出"), this);
  command0_->setObjectName(QStringLiteral("Command0"));
  command0_->setFont(fonts.exit);
  command0_->setToolTip(QStringLiteral("退出程序"));
  command0_->setAccessibleDescription(command0_->toolTip());
  forms::Place(*command0_, kCommand0Place);

  command8_ = new QPushButton(QStringLiteral("重量计算"), this);
  command8_->setObjectName(QStringLiteral("Command8"));
  command8_->setFont(fonts.calculate);
  SetColour(*command8_, QPalette::Button, Qt::cyan);
  command8_->setStyle(ClassicStyle());
  forms::Place(*command8_, kCommand8Place);

  for (QPushButton* button : {command0_, command8_}) {
    // Enter presses a button that has the focus, as on the Windows desktop.
    button->setAutoDefault(true);
  }

  for (const LabelRow& row : kLabels) {
    auto* label = new QLabel(QString::fromUtf8(row.text), container(row.container));
    label->setObjectName(QStringLiteral("LabelDT(%1)").arg(row.index));
    label->setFont(fonts.window);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    forms::Place(*label, row.place);
    QWidget* named = row.names == kList ? static_cast<QWidget*>(combCover_) : txtIn_[row.names];
    label->setBuddy(named);
    named->setAccessibleName(LabelWords(label->text()));
    labelDT_[row.index] = label;
  }
}

QIcon Form1::Icon() const {
  return ApplicationIcon();
}

Form1::Form1() : forms::Form(kClientWidthTwips, kClientHeightTwips) {
  CreateControls();
  ConnectHandlers();
}

}  // namespace flange::ui
