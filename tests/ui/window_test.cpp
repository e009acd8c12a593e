// The window driven as a user drives it: calculate, results that follow the
// inputs, the material list, the focus order, a value selected on arrival;
// and the window as it stands: its place, labels beside their fields, colours
// and borders.
#include <QInputMethodEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "flange_picture.hpp"
#include "window_fixture.hpp"

using namespace flange::ui::testing;
using Inputs = QMap<int, QString>;

class WindowTest : public QObject {
  Q_OBJECT

  flange::ui::Form1& form() { return Window(); }
  QString Text(int field) { return form().txtIn(field).text(); }
  void Calculate() { QTest::mouseClick(&form().Command8(), Qt::LeftButton); }

 private slots:
  void init() { QVERIFY(Start()); }
  void cleanup() { Stop(); }

  // The volume is written before the weight; a result too long for its field
  // shows from its first character.
  void calculateWritesVolumeThenWeight_data() {
    QTest::addColumn<Inputs>("inputs");
    QTest::addColumn<QStringList>("writes");
    QTest::newRow("worked flange")
        << Inputs{{1, "220"}, {2, "158"}, {3, "110"}, {4, "18"},  {5, "8"},   {6, "132"},
                  {7, "115"}, {8, "20"},  {9, "3"},   {10, "52"}, {11, "12"}, {12, "7.85"}}
        << QStringList{"604.75", "4.75"};
    QTest::newRow("1500 mm flange, long volume")
        << Inputs{{1, "1500"}, {8, "150"}, {12, "7.85"}} << QStringList{"265071.88", "2080.81"};
  }
  void calculateWritesVolumeThenWeight() {
    QFETCH(Inputs, inputs);
    QFETCH(QStringList, writes);
    for (auto [field, text] : inputs.asKeyValueRange()) {
      Fill(field, text);
    }
    QStringList seen;
    for (int field : {13, 14}) {
      connect(&form().txtIn(field), &QLineEdit::textChanged, this,
              [&seen](const QString& text) { seen << text; });
    }
    Calculate();
    QCOMPARE(seen, writes);
    QLineEdit& volume = form().txtIn(13);
    const QImage shown = volume.grab().toImage();
    volume.home(false);
    QCOMPARE(shown, volume.grab().toImage());
  }

  // Typing in the density or the list's text blanks both results; typing in a
  // result blanks nothing.
  void typingBlanksTheResultsOfTheInputs_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QStringList>("results");
    QTest::newRow("density") << "txtIn(12)" << QStringList{"", ""};
    QTest::newRow("material list") << "CombCover" << QStringList{"", ""};
    QTest::newRow("volume") << "txtIn(13)" << QStringList{"5", "2080.81"};
  }
  void typingBlanksTheResultsOfTheInputs() {
    QFETCH(QString, control);
    QFETCH(QStringList, results);
    Fill(1, "1500");
    Fill(8, "150");
    Fill(12, "7.85");
    Calculate();
    ClickInto(*form().findChild<QWidget*>(control));
    Type("5");
    QCOMPARE(QStringList({Text(13), Text(14)}), results);
  }

  // The list starts with nothing chosen; Down chooses each material in turn
  // and writes its density. The list raises click for a choice and change
  // for typing only; Return adds no entry and moves on to the density.
  void theMaterialListWritesTheDensity() {
    auto& list = form().CombCover();
    QStringList events;
    list.Events().change = [&] { events << "change"; };
    list.click = [&, choose = list.click] {
      events << "click";
      choose();
    };
    ClickInto(list);
    Press(Qt::Key_Down);
    QCOMPARE(QStringList({list.currentText(), Text(12)}), QStringList({"碳钢或低合金钢", "7.85"}));
    Press(Qt::Key_Down);
    QCOMPARE(QStringList({list.currentText(), Text(12)}), QStringList({"不锈钢", "7.93"}));
    // Typing the other entry's name neither blanks the density nor chooses.
    QTest::keyClick(list.lineEdit(), Qt::Key_A, Qt::ControlModifier);
    QInputMethodEvent typed;  // Chinese arrives from an input method
    typed.setCommitString(QStringLiteral("碳钢或低合金钢"));
    QCoreApplication::sendEvent(list.lineEdit(), &typed);
    Press(Qt::Key_Return);
    QCOMPARE(Text(12), QStringLiteral("7.93"));
    QCOMPARE(events.count("click"), 2);
    QVERIFY(events.endsWith("change"));
    QCOMPARE(list.count(), 2);
    QCOMPARE(Focused(), &form().txtIn(12));
  }

  // Tab visits the controls in row order. Enter moves on like it, except from
  // the density back to D; the Tab it sends moves the focus once the key
  // handler has returned.
  void theFocusMovesInRowOrder() {
    QStringList visited;
    for (int i = 0; i < 18; ++i) {
      Press(Qt::Key_Tab);
      visited << Focused()->objectName();
    }
    QCOMPARE(visited.join(' '),
             "txtIn(2) txtIn(3) txtIn(4) txtIn(5) txtIn(6) txtIn(7) txtIn(8) txtIn(9) txtIn(10) "
             "txtIn(11) CombCover txtIn(12) txtIn(13) txtIn(14) Picture2 Command0 Command8 "
             "txtIn(1)");
    for (auto [from, to] : {std::pair(12, 1), std::pair(13, 14)}) {
      ClickInto(form().txtIn(from));
      Press(Qt::Key_Return);
      QCOMPARE(Focused(), &form().txtIn(to));
    }
    QWidget* focusAtReturn = nullptr;
    form().txtIn(3).Events().keyPress = [&](flange::ui::forms::KeyAscii& keyAscii) {
      keyAscii = 0;
      flange::ui::forms::SendTabKey();
      focusAtReturn = Focused();
    };
    ClickInto(form().txtIn(3));
    Press(Qt::Key_Return);
    QCOMPARE(focusAtReturn, &form().txtIn(3));
  }

  // Arriving by Tab or by mouse selects the value up to its trailing blanks,
  // so typing replaces it.
  void arrivingSelectsTheValue() {
    for (bool byMouse : {false, true}) {
      form().txtIn(2).setText(" 12.5  ");
      ClickInto(form().txtIn(1));
      byMouse ? ClickInto(form().txtIn(2)) : Press(Qt::Key_Tab);
      QCOMPARE(form().txtIn(2).selectedText(), QStringLiteral(" 12.5"));
    }
  }

  // Centred on the screen, Picture2 at 14..384 x 21..444; each label's top one
  // or two pixels (15 to 30 twips) below its field's, its text within it.
  void theWindowStandsAsDrawn() {
    const QPoint off =
        form().screen()->availableGeometry().center() - form().frameGeometry().center();
    QVERIFY(off.manhattanLength() <= 8);
    QCOMPARE(form().Picture2().geometry(), QRect(QPoint(14, 21), QPoint(384, 444)));
    for (QLabel* label : form().findChildren<QLabel*>()) {
      const int below = label->y() - label->buddy()->y();
      const int width = label->fontMetrics().horizontalAdvance(label->text());
      QVERIFY2(below >= 1 && below <= 2 && width <= label->width(), qPrintable(label->text()));
    }
  }

  // Results in red on light yellow; the fields and the picture in the two-pixel
  // sunken border (dark, then shadow along the top and left, light along the
  // bottom and right); the calculate button's face flat cyan.
  void coloursAndBorders() {
    for (int field : {13, 14}) {
      const QImage result = form().txtIn(field).grab().toImage();
      QCOMPARE(result.pixelColor(result.width() / 2, result.height() / 2), QColor(255, 255, 192));
      QCOMPARE(form().txtIn(field).palette().color(QPalette::Text), QColor(255, 0, 0));
    }
    QList<QWidget*> boxes{&form().Picture2()};
    for (int field = 1; field <= 14; ++field) {
      boxes << &form().txtIn(field);
    }
    for (QWidget* box : boxes) {
      const QImage image = box->grab().toImage();
      const int w = image.width();
      const int h = image.height();
      auto is = [&](int x, int y, QPalette::ColorRole role) {
        return image.pixel(x, y) == box->palette().color(role).rgb();
      };
      QVERIFY2(is(w / 2, 0, QPalette::Dark) && is(0, h / 2, QPalette::Dark) &&
                   is(w / 2, 1, QPalette::Shadow) && is(1, h / 2, QPalette::Shadow) &&
                   is(w / 2, h - 1, QPalette::Light) && is(w - 1, h / 2, QPalette::Light),
               qPrintable(box->objectName()));
    }
    const QImage button = form().Command8().grab().toImage();
    for (int y = 4; y < button.height() - 4; ++y) {
      QCOMPARE(button.pixel(4, y), qRgb(0, 255, 255));
    }
  }
};

FLANGE_WINDOW_TEST_MAIN(WindowTest)
#include "window_test.moc"
