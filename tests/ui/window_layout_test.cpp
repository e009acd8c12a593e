// The window as it stands: where every control sits, what it shows, its fonts
// and colours, the order the focus visits, and what a screen reader announces.
#include <QAccessible>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "flange_picture.hpp"
#include "forms/combo_box.hpp"
#include "forms/text_box.hpp"
#include "window_fixture.hpp"

using flange::ui::Form1;
using namespace flange::ui::testing;

namespace {

// Every label with the field it names (0 for the material list) and its
// place inside its group box, in twips.
struct LabelCase {
  int label;
  int field;
  QRect twips;
};

const LabelCase kLabelCases[] = {
    {49, 1, {90, 390, 4650, 240}},   {50, 2, {90, 690, 4665, 240}},  {32, 3, {90, 990, 4665, 240}},
    {48, 4, {90, 1290, 4665, 240}},  {34, 5, {90, 1575, 4665, 240}}, {46, 6, {90, 1890, 4665, 240}},
    {9, 7, {90, 2190, 4650, 270}},   {38, 8, {90, 2475, 4650, 270}}, {0, 9, {90, 2780, 4635, 240}},
    {2, 10, {90, 3080, 4650, 270}},  {1, 11, {90, 3375, 4650, 270}}, {47, 0, {90, 3690, 3345, 240}},
    {56, 12, {90, 4020, 4620, 240}}, {4, 13, {90, 390, 4650, 270}},  {3, 14, {90, 675, 4650, 270}},
};

QRect Pixels(const QRect& twips) {
  auto px = [](int t) { return (t + 7) / 15; };
  return QRect(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height()));
}

QString AccessibleText(QWidget& widget, QAccessible::Text which) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&widget);
  return face != nullptr ? face->text(which) : QString();
}

}  // namespace

class WindowLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(program_.Start()); }
  void cleanup() { program_.Stop(); }

  void clientAreaIs780By541AndTitled() {
    Form1& form = program_.form();
    QCOMPARE(form.size(), QSize(780, 541));
    QVERIFY(form.windowTitle().contains(QStringLiteral("法兰")));
    QVERIFY(form.windowTitle().contains(QStringLiteral("重量")));
    QVERIFY(!form.windowIcon().isNull());
  }

  void firstShownCentredOnTheScreen() {
    Form1& form = program_.form();
    const QPoint screenCentre = form.screen()->availableGeometry().center();
    const QPoint windowCentre = form.frameGeometry().center();
    // Within a window manager's decorations of the exact centre.
    QVERIFY2((screenCentre - windowCentre).manhattanLength() <= 40,
             qPrintable(QStringLiteral("window centre %1,%2, screen centre %3,%4")
                            .arg(windowCentre.x())
                            .arg(windowCentre.y())
                            .arg(screenCentre.x())
                            .arg(screenCentre.y())));
  }

  void controlsSitInTheirContainers_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("twips");
    for (int i = 1; i <= 11; ++i) {
      QTest::addRow("txtIn(%d)", i) << QStringLiteral("txtIn(%1)").arg(i) << "Frame1"
                                    << QRect(4755, 360 + 300 * (i - 1), 828, 288);
    }
    QTest::newRow("CombCover") << "CombCover"
                               << "Frame1" << QRect(3465, 3660, 2112, 315);
    QTest::newRow("txtIn(12)") << "txtIn(12)"
                               << "Frame1" << QRect(4755, 3990, 828, 288);
    QTest::newRow("txtIn(13)") << "txtIn(13)"
                               << "Frame2" << QRect(4755, 360, 828, 288);
    QTest::newRow("txtIn(14)") << "txtIn(14)"
                               << "Frame2" << QRect(4755, 660, 828, 288);
    QTest::newRow("Picture2") << "Picture2"
                              << "Form1" << QRect(210, 315, 5565, 6365);
    QTest::newRow("Frame1") << "Frame1"
                            << "Form1" << QRect(5790, 210, 5655, 4485);
    QTest::newRow("Frame2") << "Frame2"
                            << "Form1" << QRect(5790, 4845, 5655, 1845);
    QTest::newRow("Command0") << "Command0"
                              << "Form1" << QRect(8490, 7140, 930, 525);
    QTest::newRow("Command8") << "Command8"
                              << "Form1" << QRect(2160, 7140, 1455, 540);
    for (const LabelCase& c : kLabelCases) {
      QTest::addRow("LabelDT(%d)", c.label) << QStringLiteral("LabelDT(%1)").arg(c.label)
                                            << (c.field >= 13 ? "Frame2" : "Frame1") << c.twips;
    }
  }
  void controlsSitInTheirContainers() {
    QFETCH(QString, control);
    QFETCH(QString, container);
    QFETCH(QRect, twips);
    Form1& form = program_.form();
    auto* widget = form.findChild<QWidget*>(control);
    QVERIFY(widget != nullptr);
    const QWidget* parent = widget->parentWidget();
    QCOMPARE(parent == &form ? QStringLiteral("Form1") : parent->objectName(), container);
    QCOMPARE(widget->geometry(), Pixels(twips));
  }

  void pictureAndInputGroupMeetAsDrawn() {
    Form1& form = program_.form();
    const QRect picture = form.Picture2().geometry();
    QCOMPARE(picture.left(), 14);
    QCOMPARE(picture.right(), 384);
    QCOMPARE(picture.top(), 21);
    QCOMPARE(picture.bottom(), 444);
    QCOMPARE(form.Frame1().geometry().left(), picture.right() + 2);
  }

  void resizingLaysNothingOutAgain() {
    Form1& form = program_.form();
    QList<QRect> before;
    const QList<QWidget*> controls = form.findChildren<QWidget*>();
    for (QWidget* w : controls) {
      before.append(w->geometry());
    }
    form.resize(1100, 800);
    Settle();
    form.resize(400, 300);
    Settle();
    for (qsizetype i = 0; i < controls.size(); ++i) {
      QCOMPARE(controls[i]->geometry(), before[i]);
    }
    QVERIFY(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    QVERIFY(form.windowFlags() & Qt::WindowMinimizeButtonHint);
  }

  void everyLabelNamesItsField() {
    Form1& form = program_.form();
    for (const LabelCase& c : kLabelCases) {
      QLabel& label = form.LabelDT(c.label);
      QWidget* field =
          c.field == 0 ? static_cast<QWidget*>(&form.CombCover()) : &form.txtIn(c.field);
      QCOMPARE(label.buddy(), field);
      QCOMPARE(label.parentWidget(), field->parentWidget());
      const int below = label.y() - field->y();
      QVERIFY2(below >= 1 && below <= 2, qPrintable(label.objectName()));
      QVERIFY2(label.geometry().right() < field->x(), qPrintable(label.objectName()));
    }
  }

  // In the window font the unit symbols of the labels end in one column just
  // left of the fields; a face with other widths breaks the column.
  void labelTextsEndInOneColumn() {
    Form1& form = program_.form();
    int column = -1;
    for (const LabelCase& c : kLabelCases) {
      QLabel& label = form.LabelDT(c.label);
      const int width = label.fontMetrics().horizontalAdvance(label.text());
      QVERIFY2(width <= label.width(), qPrintable(label.objectName()));
      if (c.label == 47 || c.label == 34) {
        continue;  // the material and bolt-count labels are shorter by design
      }
      if (column < 0) {
        column = width;
      }
      QVERIFY2(width == column, qPrintable(label.objectName() + ": " + label.text()));
    }
  }

  // Each font names the Windows faces first, then the Debian face of the same
  // style; the text is drawn in the first of them that is installed.
  void fontsUseTheFirstInstalledFace_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QStringList>("faces");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("bold");
    const QStringList song{"宋体", "SimSun", "AR PL UMing CN"};
    const QStringList song18030{"宋体-18030", "SimSun-18030", "宋体", "SimSun", "AR PL UMing CN"};
    const QStringList sans{"MS Sans Serif", "Microsoft Sans Serif", "DejaVu Sans"};
    QTest::newRow("labels") << "LabelDT(49)" << song << 14 << false;
    QTest::newRow("Frame1") << "Frame1" << song18030 << 16 << false;
    QTest::newRow("Frame2") << "Frame2" << song18030 << 16 << false;
    QTest::newRow("fields") << "txtIn(1)" << sans << 11 << false;
    QTest::newRow("results") << "txtIn(14)" << sans << 11 << false;
    QTest::newRow("list") << "CombCover" << sans << 11 << false;
    QTest::newRow("Command8") << "Command8" << QStringList{"隶书", "LiSu", "AR PL UKai CN"} << 20
                              << false;
    QTest::newRow("Command0") << "Command0"
                              << QStringList{"楷体_GB2312", "KaiTi_GB2312", "楷体", "KaiTi",
                                             "AR PL UKai CN"}
                              << 20 << true;
  }
  void fontsUseTheFirstInstalledFace() {
    QFETCH(QString, control);
    QFETCH(QStringList, faces);
    QFETCH(int, pixels);
    QFETCH(bool, bold);
    auto* widget = program_.form().findChild<QWidget*>(control);
    QVERIFY(widget != nullptr);
    const QFont font = widget->font();
    QCOMPARE(font.pixelSize(), pixels);
    QCOMPARE(font.bold(), bold);
    const QStringList installed = QFontDatabase::families();
    const auto first = std::find_if(faces.begin(), faces.end(), [&](const QString& face) {
      return installed.contains(face, Qt::CaseInsensitive);
    });
    QVERIFY2(first != faces.end(),
             qPrintable(faces.join(", ") + ": none installed (fonts-arphic-uming/ukai?)"));
    QCOMPARE(QFontInfo(font).family(), *first);
  }

  void resultsAreRedOnLightYellowAndCalculateIsCyan() {
    Form1& form = program_.form();
    for (int index : {13, 14}) {
      const QPalette palette = form.txtIn(index).palette();
      QCOMPARE(palette.color(QPalette::Base), QColor(255, 255, 192));
      QCOMPARE(palette.color(QPalette::Text), QColor(255, 0, 0));
    }
    QCOMPARE(form.txtIn(1).palette().color(QPalette::Base), form.palette().color(QPalette::Base));
    QCOMPARE(form.Command8().palette().color(QPalette::Button), QColor(0, 255, 255));
    QCOMPARE(form.Command0().palette().color(QPalette::Button),
             form.palette().color(QPalette::Button));
  }

  // The fields and the picture sit in the classic two-pixel sunken border:
  // the dark shade, then the shadow, along the top and left, and the light
  // along the bottom and right (dark grey, black and white in the classic
  // scheme).
  void fieldsAndPictureHaveTheSunkenBorder() {
    Form1& form = program_.form();
    QList<QWidget*> boxes{&form.Picture2()};
    for (int index = 1; index <= 14; ++index) {
      boxes << &form.txtIn(index);
    }
    for (QWidget* box : boxes) {
      const QImage image = box->grab().toImage();
      const QPalette& colours = box->palette();
      const int w = image.width();
      const int h = image.height();
      const std::pair<QPoint, QPalette::ColorRole> edges[] = {
          {{w / 2, 0}, QPalette::Dark},      {{0, h / 2}, QPalette::Dark},
          {{w / 2, 1}, QPalette::Shadow},    {{1, h / 2}, QPalette::Shadow},
          {{w / 2, h - 1}, QPalette::Light}, {{w - 1, h / 2}, QPalette::Light},
      };
      for (const auto& [at, role] : edges) {
        QVERIFY2(image.pixel(at) == colours.color(role).rgb(),
                 qPrintable(QStringLiteral("%1 at %2,%3: %4, not %5")
                                .arg(box->objectName())
                                .arg(at.x())
                                .arg(at.y())
                                .arg(image.pixelColor(at).name(), colours.color(role).name())));
      }
    }
  }

  // The calculate button: a flat cyan face inside the raised bevel (the light
  // along the top and left, the shadow along the bottom and right), and its
  // look changes when it has the focus.
  void calculateIsFlatCyanAndShowsTheFocus() {
    Form1& form = program_.form();
    QPushButton& button = form.Command8();
    const QImage image = button.grab().toImage();
    const QPalette& colours = button.palette();
    const int w = image.width();
    const int h = image.height();
    // Along the left end of the face, top to bottom, and across below the text.
    for (int y = 4; y < h - 4; ++y) {
      QCOMPARE(image.pixel(4, y), qRgb(0, 255, 255));
    }
    for (int x = 4; x < w - 4; ++x) {
      QCOMPARE(image.pixel(x, h - 5), qRgb(0, 255, 255));
    }
    QCOMPARE(image.pixel(w / 2, 1), colours.color(QPalette::Light).rgb());
    QCOMPARE(image.pixel(1, h / 2), colours.color(QPalette::Light).rgb());
    QCOMPARE(image.pixel(w / 2, h - 2), colours.color(QPalette::Shadow).rgb());
    QCOMPARE(image.pixel(w - 2, h / 2), colours.color(QPalette::Shadow).rgb());
    ClickInto(form.Command0());
    Press(Qt::Key_Tab);
    QCOMPARE(Focused(), &button);
    QVERIFY(button.grab().toImage() != image);
  }

  void captionsAndTheOnlyTooltip() {
    Form1& form = program_.form();
    QCOMPARE(form.Frame1().title(), QStringLiteral("输入数据"));
    QCOMPARE(form.Frame2().title(), QStringLiteral("计算结果"));
    QCOMPARE(form.Command8().text(), QStringLiteral("重量计算"));
    QCOMPARE(form.Command0().text(), QStringLiteral("退出"));
    QCOMPARE(form.Command0().toolTip(), QStringLiteral("退出程序"));
    for (QWidget* w : form.findChildren<QWidget*>()) {
      if (w != &form.Command0()) {
        QVERIFY2(w->toolTip().isEmpty(), qPrintable(w->objectName()));
      }
    }
  }

  void startsEmptyWithTheFocusInTheFirstField() {
    Form1& form = program_.form();
    for (int index = 1; index <= 14; ++index) {
      QVERIFY(form.txtIn(index).text().isEmpty());
      QVERIFY(!form.txtIn(index).isReadOnly());
    }
    QCOMPARE(Focused(), &form.txtIn(1));
    auto& list = form.CombCover();
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.itemText(0), QStringLiteral("碳钢或低合金钢"));
    QCOMPARE(list.itemText(1), QStringLiteral("不锈钢"));
    QCOMPARE(list.currentIndex(), -1);
    QCOMPARE(list.currentText(), QString());
  }

  void tabVisitsTheControlsInRowOrder() {
    Form1& form = program_.form();
    QList<QWidget*> expected;
    for (int index = 2; index <= 11; ++index) {
      expected.append(&form.txtIn(index));
    }
    expected << &form.CombCover() << &form.txtIn(12) << &form.txtIn(13) << &form.txtIn(14)
             << &form.Picture2() << &form.Command0() << &form.Command8() << &form.txtIn(1);
    for (QWidget* next : expected) {
      Press(Qt::Key_Tab);
      QCOMPARE(Focused(), next);
    }
  }

  void labelsAndGroupBoxesNeverTakeTheFocus() {
    Form1& form = program_.form();
    for (QWidget* w : form.findChildren<QWidget*>()) {
      if (qobject_cast<QLabel*>(w) != nullptr || qobject_cast<QGroupBox*>(w) != nullptr) {
        QCOMPARE(w->focusPolicy(), Qt::NoFocus);
      }
    }
    ClickInto(form.LabelDT(49));
    ClickInto(form.Frame1());
    QCOMPARE(Focused(), &form.txtIn(1));
  }

  void screenReadersAnnounceTheLabelWords() {
    Form1& form = program_.form();
    QCOMPARE(AccessibleText(form.txtIn(1), QAccessible::Name), QStringLiteral("法兰外直径 D(mm)"));
    QCOMPARE(AccessibleText(form.txtIn(5), QAccessible::Name), QStringLiteral("螺栓孔个数 Nb"));
    QCOMPARE(AccessibleText(form.txtIn(12), QAccessible::Name),
             QStringLiteral("法兰材料密度 γ(吨/米3)"));
    QCOMPARE(AccessibleText(form.txtIn(13), QAccessible::Name), QStringLiteral("法兰体积 V(cm3)"));
    QCOMPARE(AccessibleText(form.txtIn(14), QAccessible::Name), QStringLiteral("法兰重量 Wf(Kg)"));
    QCOMPARE(AccessibleText(form.CombCover(), QAccessible::Name),
             QStringLiteral("法兰材料类别 MatType"));
    QCOMPARE(AccessibleText(form.Command0(), QAccessible::Description), QStringLiteral("退出程序"));
    for (int index = 1; index <= 14; ++index) {
      const QString name = AccessibleText(form.txtIn(index), QAccessible::Name);
      QVERIFY2(!name.isEmpty() && !name.contains(QStringLiteral("..")), qPrintable(name));
    }
  }

 private:
  Program program_;
};

FLANGE_WINDOW_TEST_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
