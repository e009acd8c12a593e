// The layer under the window, on its own controls: a write raises the change
// event at once inside the writer, a key handler's code decides what the
// control receives, the Tab a handler sends moves the focus only after the
// handler has returned, and the list raises its events for the user alone.
#include <QLineEdit>
#include <QVBoxLayout>

#include "forms/combo_box.hpp"
#include "forms/runtime.hpp"
#include "forms/text_box.hpp"
#include "window_fixture.hpp"

using flange::ui::forms::ComboBox;
using flange::ui::forms::KeyAscii;
using flange::ui::forms::TextBox;
using namespace flange::ui::testing;

class FormsLayerTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    window_ = new QWidget;
    auto* layout = new QVBoxLayout(window_);
    first_ = new TextBox(window_);
    second_ = new TextBox(window_);
    list_ = new ComboBox(window_);
    for (QWidget* w : {static_cast<QWidget*>(first_), static_cast<QWidget*>(second_),
                       static_cast<QWidget*>(list_)}) {
      layout->addWidget(w);
    }
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
    first_->setFocus();
  }
  void cleanup() { delete window_; }

  void aWriteRaisesTheChangeInsideTheWriter() {
    QStringList seen;
    first_->Events().OnChange([&] { seen << "change " + first_->Text(); });
    seen << "before";
    first_->SetText("7.85");
    seen << "after";
    QCOMPARE(seen, (QStringList{"before", "change 7.85", "after"}));
  }

  void theKeyHandlerDecidesWhatTheFieldReceives() {
    first_->Events().OnKeyPress([](KeyAscii& keyAscii) {
      if (keyAscii == 'x') {
        keyAscii = 0;
      } else if (keyAscii == 'a') {
        keyAscii = 'b';
      }
    });
    Type("axa1");
    QCOMPARE(first_->text(), QStringLiteral("bb1"));
  }

  void keyCodesBeyondU7FFFArriveNegativeAndPassUnchanged() {
    KeyAscii seen = 0;
    first_->Events().OnKeyPress([&](KeyAscii& keyAscii) { seen = keyAscii; });
    Type(QStringLiteral("锈"));  // U+9508
    QVERIFY(seen < 0);
    QCOMPARE(static_cast<char16_t>(seen), u'锈');
    QCOMPARE(first_->text(), QStringLiteral("锈"));
  }

  void aSentTabMovesTheFocusAfterTheHandlerReturns() {
    QWidget* focusAtReturn = nullptr;
    first_->Events().OnKeyPress([&](KeyAscii& keyAscii) {
      keyAscii = 0;
      flange::ui::forms::SendTabKey();
      focusAtReturn = Focused();
    });
    QTest::keyClick(first_, Qt::Key_Return);
    QCOMPARE(focusAtReturn, first_);
    Settle();
    QCOMPARE(Focused(), second_);
  }

  void theListRaisesItsEventsForTheUserAlone() {
    int changes = 0;
    int clicks = 0;
    list_->Events().OnChange([&] { ++changes; });
    list_->OnClick([&] { ++clicks; });
    list_->AddItem(QStringLiteral("碳钢或低合金钢"));
    list_->AddItem(QStringLiteral("不锈钢"));
    QCOMPARE(list_->ListIndex(), -1);
    QCOMPARE(list_->Text(), QString());
    QCOMPARE(changes + clicks, 0);
    ClickInto(*list_);
    Press(Qt::Key_Down);
    QCOMPARE(list_->ListIndex(), 0);
    QCOMPARE(clicks, 1);
    QCOMPARE(changes, 0);
    Type("7");
    QCOMPARE(changes, 1);
    QCOMPARE(clicks, 1);
  }

 private:
  QWidget* window_ = nullptr;
  TextBox* first_ = nullptr;
  TextBox* second_ = nullptr;
  ComboBox* list_ = nullptr;
};

FLANGE_WINDOW_TEST_MAIN(FormsLayerTest)
#include "forms_layer_test.moc"
