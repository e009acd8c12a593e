#include "window_fixture.hpp"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

#include "forms/controls.hpp"
#include "module1.hpp"

namespace flange::ui::testing {

bool Start() {
  Module1::Main();
  return QTest::qWaitForWindowActive(&Window()) && Focused() != nullptr;
}

void Stop() {
  Settle();
  Form1::Release();
  Settle();
}

void Settle() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::processEvents();
  }
}

QWidget* Focused() {
  return QApplication::focusWidget();
}

void ClickInto(QWidget& control) {
  auto* list = qobject_cast<QComboBox*>(&control);
  QWidget* target = list != nullptr ? list->lineEdit() : &control;
  QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
  Settle();
}

void Type(const QString& text) {
  for (const QChar character : text) {
    if (character.unicode() < 0x80) {
      QTest::keyClick(Focused(), character.toLatin1());
    } else {
      QTest::sendKeyEvent(QTest::Click, Focused(), Qt::Key_unknown, QString(character),
                          Qt::NoModifier);
    }
  }
  Settle();
}

void Press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(Focused(), key, modifiers);
  Settle();
}

void Fill(int field, const QString& text) {
  ClickInto(Window().txtIn(field));
  Type(text);
}

void FillWorkedFlange(int count) {
  const QStringList worked{"220", "158", "110", "18", "8",  "132",
                           "115", "20",  "3",   "52", "12", "7.85"};
  for (int field = 1; field <= count; ++field) {
    Fill(field, worked[field - 1]);
  }
}

int RunSuite(int argc, char** argv, QObject& suite) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  return QTest::qExec(&suite, argc, argv);
}

}  // namespace flange::ui::testing
