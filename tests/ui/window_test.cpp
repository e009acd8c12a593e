// The window driven as a user drives it: calculate, results that follow the
// inputs, the material list, Enter moving on like Tab, a field's value
// selected on arrival; and the window as it stands: tab order, labels beside
// their fields, colours and borders, its place on the screen.
#include <QAbstractItemView>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionComboBox>

#include "flange_picture.hpp"
#include "forms/controls.hpp"
#include "window_fixture.hpp"

using flange::ui::forms::KeyAscii;
using namespace flange::ui::testing;
using Inputs = QMap<int, QString>;

class WindowTest : public QObject {
  Q_OBJECT

  flange::ui::Form1& form() { return Window(); }
  QString Text(int field) { return form().txtIn(field).text(); }
  void Calculate() { QTest::mouseClick(&form().Command8(), Qt::LeftButton); }
  QWidget* Named(const QString& name) { return form().findChild<QWidget*>(name); }

  // Opens the list's drop-down with a click on its arrow and clicks an entry.
  void ChooseWithTheMouse(int row) {
    auto& list = form().CombCover();
    QStyleOptionComboBox option;
    option.initFrom(&list);
    option.editable = true;
    const QRect arrow =
        list.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, &list);
    QTest::mouseClick(&list, Qt::LeftButton, Qt::NoModifier, arrow.center());
    QAbstractItemView* view = list.view();
    QVERIFY(QTest::qWaitForWindowExposed(view->window()));
    // A release too soon after the opening click is taken as part of it.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    const QRect entry = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, entry.center());
    QTRY_VERIFY(!view->window()->isVisible());
    Settle();
  }

 private slots:
  void init() { QVERIFY(Start()); }
  void cleanup() { Stop(); }

  // The volume is written before the weight, and neither write blanks the
  // other; a result too long for its field shows from its first character.
  void calculateWritesVolumeThenWeight_data() {
    QTest::addColumn<Inputs>("inputs");
    QTest::addColumn<QStringList>("writes");
    QTest::newRow("worked flange")
        << Inputs{{1, "220"}, {2, "158"}, {3, "110"}, {4, "18"},  {5, "8"},   {6, "132"},
                  {7, "115"}, {8, "20"},  {9, "3"},   {10, "52"}, {11, "12"}, {12, "7.85"}}
        << QStringList{"604.75", "4.75"};
    QTest::newRow("text after a number, leading blank")
        << Inputs{{1, "100mm"}, {8, " 10"}, {12, "7.85"}} << QStringList{"78.54", "0.6165"};
    QTest::newRow("no density") << Inputs{{1, "220"}, {8, "20"}} << QStringList{"760.27", "0.0"};
    QTest::newRow("1500 mm flange, long volume")
        << Inputs{{1, "1500"}, {8, "150"}, {12, "7.85"}} << QStringList{"265071.88", "2080.81"};
    QTest::newRow("negative volume")
        << Inputs{{3, "1000"}, {10, "100"}} << QStringList{"-78539.82", "0.0"};
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
    Calculate();
    QCOMPARE(seen, writes);
    QLineEdit& volume = form().txtIn(13);
    const QImage shown = volume.grab().toImage();
    volume.home(false);
    QCOMPARE(shown, volume.grab().toImage());
  }

  // Typing in an input or in the list's text blanks both results; typing in a
  // result blanks nothing.
  void typingBlanksTheResultsOfTheInputs_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("blanks");
    for (int field = 1; field <= 14; ++field) {
      QTest::addRow("txtIn(%d)", field) << QStringLiteral("txtIn(%1)").arg(field) << (field <= 12);
    }
    QTest::newRow("CombCover") << "CombCover" << true;
  }
  void typingBlanksTheResultsOfTheInputs() {
    QFETCH(QString, control);
    QFETCH(bool, blanks);
    FillWorkedFlange();
    Calculate();
    ClickInto(*Named(control));
    Type("5");
    const QString volume = control == "txtIn(13)" ? "5" : blanks ? "" : "604.75";
    const QString weight = control == "txtIn(14)" ? "5" : blanks ? "" : "4.75";
    QCOMPARE(QStringList({Text(13), Text(14), Text(12)}),
             QStringList({volume, weight, control == "txtIn(12)" ? "5" : "7.85"}));
  }

  // Choosing a material writes its density (which blanks the results);
  // typing its text in the list chooses nothing, completes nothing, adds no
  // entry and leaves the density as it was.
  void theMaterialListWritesTheDensityOnlyWhenChosen() {
    auto& list = form().CombCover();
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.currentIndex(), -1);
    FillWorkedFlange();
    Calculate();
    ChooseWithTheMouse(1);
    QCOMPARE(QStringList({list.currentText(), Text(12), Text(13)}),
             QStringList({"不锈钢", "7.93", ""}));
    ClickInto(list);
    Press(Qt::Key_Up);
    QCOMPARE(QStringList({list.currentText(), Text(12)}), QStringList({"碳钢或低合金钢", "7.85"}));
    Press(Qt::Key_Down);
    QCOMPARE(Text(12), QStringLiteral("7.93"));
    Fill(12, "8.1");
    ClickInto(list);
    Type(QStringLiteral("碳"));
    QCOMPARE(list.currentText(), QStringLiteral("碳"));
    Type(QStringLiteral("钢或低合金钢"));
    Press(Qt::Key_Return);
    QCOMPARE(Focused(), &form().txtIn(12));
    QCOMPARE(Text(12), QStringLiteral("8.1"));
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.currentIndex(), 1);  // the entry chosen before, not the typed text
  }

  // Tab visits the controls in row order, and Return or Enter moves on like
  // it without reaching the field, except from the density back to D.
  void tabAndEnterVisitTheControlsInRowOrder_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Tab") << int(Qt::Key_Tab);
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
  }
  void tabAndEnterVisitTheControlsInRowOrder() {
    QFETCH(int, key);
    QStringList order;
    for (int field = 2; field <= 11; ++field) {
      order << QStringLiteral("txtIn(%1)").arg(field);
    }
    order << "CombCover"
          << "txtIn(12)";
    if (key == Qt::Key_Tab) {
      order << "txtIn(13)"
            << "txtIn(14)"
            << "Picture2"
            << "Command0"
            << "Command8"
            << "txtIn(1)";
    } else {
      order << "txtIn(1)";
    }
    QCOMPARE(Focused(), &form().txtIn(1));
    for (const QString& next : order) {
      auto* edit = qobject_cast<QLineEdit*>(Focused());
      Type("7");
      const QString typed = edit != nullptr ? edit->text() : QString();
      Press(Qt::Key(key));
      QCOMPARE(Focused()->objectName(), next);
      QVERIFY(edit == nullptr || edit->text() == typed);
    }
    if (key != Qt::Key_Tab) {
      ClickInto(form().txtIn(13));
      Press(Qt::Key(key));
      QCOMPARE(Focused(), &form().txtIn(14));
    }
  }

  // Arriving by Tab, Enter or mouse selects the value up to its trailing
  // blanks, so typing replaces it; a second click places the cursor.
  void arrivingSelectsTheValue_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("previous");
    QTest::addColumn<QString>("how");
    const std::pair<const char*, const char*> steps[] = {
        {"txtIn(2)", "txtIn(1)"}, {"txtIn(14)", "txtIn(13)"}, {"CombCover", "txtIn(11)"}};
    for (const auto& [control, previous] : steps) {
      for (const char* how : {"Tab", "Enter", "mouse"}) {
        QTest::addRow("%s by %s", control, how) << control << previous << how;
      }
    }
  }
  void arrivingSelectsTheValue() {
    QFETCH(QString, control);
    QFETCH(QString, previous);
    QFETCH(QString, how);
    QWidget* target = Named(control);
    ClickInto(*target);
    Type(" 12.5  ");
    ClickInto(*Named(previous));
    if (how == "mouse") {
      ClickInto(*target);
    } else {
      Press(how == "Tab" ? Qt::Key_Tab : Qt::Key_Return);
    }
    auto* list = qobject_cast<QComboBox*>(target);
    QLineEdit* edit = list != nullptr ? list->lineEdit() : static_cast<QLineEdit*>(target);
    QCOMPARE(edit->selectionStart(), 0);
    QCOMPARE(edit->selectedText(), QStringLiteral(" 12.5"));
    Type("8");
    QCOMPARE(edit->text(), QStringLiteral("8  "));
    ClickInto(*target);
    QVERIFY(!edit->hasSelectedText());
  }

  // The Tab that Enter sends moves the focus once the handler has returned;
  // the list raises change for typing and click for a choice, nothing else.
  void theControlsRaiseTheirEventsInOrder() {
    QWidget* focusAtReturn = nullptr;
    form().txtIn(3).Events().keyPress = [&](KeyAscii& keyAscii) {
      keyAscii = 0;
      flange::ui::forms::SendTabKey();
      focusAtReturn = Focused();
    };
    ClickInto(form().txtIn(3));
    Press(Qt::Key_Return);
    QCOMPARE(focusAtReturn, &form().txtIn(3));
    QCOMPARE(Focused(), &form().txtIn(4));
    QStringList events;
    form().CombCover().Events().change = [&] { events << "change"; };
    form().CombCover().click = [&] { events << "click"; };
    ClickInto(form().CombCover());
    Press(Qt::Key_Down);
    Type("7");
    QCOMPARE(events, QStringList({"click", "change"}));
  }

  // The window at start: empty fields, the focus in D, centred on the screen,
  // 780 x 541 with the picture at 14..384 x 21..444 and the input group one
  // pixel right of it; resizing lays nothing out again.
  void theWindowStandsAsDrawn() {
    QCOMPARE(form().size(), QSize(780, 541));
    const QPoint off =
        form().screen()->availableGeometry().center() - form().frameGeometry().center();
    QVERIFY(off.manhattanLength() <= 40);
    QCOMPARE(form().Picture2().geometry(), QRect(QPoint(14, 21), QPoint(384, 444)));
    QCOMPARE(form().Frame1().x(), 386);
    QCOMPARE(form().Frame2().geometry().left(), 386);
    QVERIFY(form().Frame1().geometry().bottom() < form().Frame2().y());
    for (int field = 1; field <= 14; ++field) {
      QVERIFY(Text(field).isEmpty());
    }
    QList<QRect> before;
    for (QWidget* w : form().findChildren<QWidget*>()) {
      before << w->geometry();
    }
    form().resize(1100, 800);
    Settle();
    QList<QRect> after;
    for (QWidget* w : form().findChildren<QWidget*>()) {
      after << w->geometry();
    }
    QCOMPARE(after, before);
  }

  // Each label names its field: its top 15 to 30 twips (one or two pixels)
  // below the field's, ending left of the field, its words read out for the
  // field; the unit symbols end in one column. No two controls overlap.
  void labelsStandBesideTheirFields() {
    int column = -1;
    const QList<QLabel*> labels = form().findChildren<QLabel*>();
    QCOMPARE(labels.size(), 15);
    for (QLabel* label : labels) {
      QWidget* field = label->buddy();
      QVERIFY2(field != nullptr && field->parentWidget() == label->parentWidget(),
               qPrintable(label->text()));
      QVERIFY2(label->y() - field->y() >= 1 && label->y() - field->y() <= 2,
               qPrintable(label->text()));
      QVERIFY2(label->geometry().right() < field->x(), qPrintable(label->text()));
      const int width = label->fontMetrics().horizontalAdvance(label->text());
      QVERIFY2(width <= label->width(), qPrintable(label->text()));
      if (field != &form().CombCover() && field != &form().txtIn(5)) {
        column = column < 0 ? width : column;
        QVERIFY2(width == column, qPrintable(label->text()));
      }
    }
    QCOMPARE(QAccessible::queryAccessibleInterface(&form().txtIn(12))->text(QAccessible::Name),
             QStringLiteral("法兰材料密度 γ(吨/米3)"));
    QList<QWidget*> controls;
    for (QWidget* w : form().findChildren<QWidget*>()) {
      if (w->parentWidget() == &form() || qobject_cast<QGroupBox*>(w->parentWidget()) != nullptr) {
        controls << w;
      }
    }
    for (QWidget* a : controls) {
      for (QWidget* b : controls) {
        QVERIFY2(a == b || a->parentWidget() != b->parentWidget() ||
                     !a->geometry().intersects(b->geometry()),
                 qPrintable(a->objectName() + " overlaps " + b->objectName()));
      }
    }
  }

  // Results red on light yellow; the fields and the picture in the two-pixel
  // sunken border (dark, then shadow along the top and left, light along the
  // bottom and right); calculate a flat cyan face in the raised bevel, whose
  // look changes with the focus.
  void coloursAndBorders() {
    for (int field : {13, 14}) {
      const QImage image = form().txtIn(field).grab().toImage();
      QCOMPARE(image.pixelColor(image.width() / 2, image.height() / 2), QColor(255, 255, 192));
      QCOMPARE(form().txtIn(field).palette().color(QPalette::Text), QColor(Qt::red));
    }
    QList<QWidget*> boxes{&form().Picture2()};
    for (int field = 1; field <= 14; ++field) {
      boxes << &form().txtIn(field);
    }
    for (QWidget* box : boxes) {
      const QImage image = box->grab().toImage();
      const QPalette& colours = box->palette();
      const int w = image.width();
      const int h = image.height();
      const std::pair<QPoint, QPalette::ColorRole> edges[] = {
          {{w / 2, 0}, QPalette::Dark},      {{0, h / 2}, QPalette::Dark},
          {{w / 2, 1}, QPalette::Shadow},    {{1, h / 2}, QPalette::Shadow},
          {{w / 2, h - 1}, QPalette::Light}, {{w - 1, h / 2}, QPalette::Light}};
      for (const auto& [at, role] : edges) {
        QVERIFY2(image.pixel(at) == colours.color(role).rgb(), qPrintable(box->objectName()));
      }
    }
    QPushButton& button = form().Command8();
    const QImage image = button.grab().toImage();
    const int w = image.width();
    const int h = image.height();
    for (int y = 4; y < h - 4; ++y) {
      QCOMPARE(image.pixel(4, y), qRgb(0, 255, 255));
    }
    for (int x = 4; x < w - 4; ++x) {
      QCOMPARE(image.pixel(x, h - 5), qRgb(0, 255, 255));
    }
    QCOMPARE(image.pixel(w / 2, 1), button.palette().color(QPalette::Light).rgb());
    QCOMPARE(image.pixel(w - 2, h / 2), button.palette().color(QPalette::Shadow).rgb());
    ClickInto(form().Command0());
    Press(Qt::Key_Tab);
    QCOMPARE(Focused(), &button);
    QVERIFY(button.grab().toImage() != image);
  }
};

FLANGE_WINDOW_TEST_MAIN(WindowTest)
#include "window_test.moc"
