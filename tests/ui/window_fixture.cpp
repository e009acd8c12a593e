#include "window_fixture.hpp"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTimer>

#include "forms/combo_box.hpp"
#include "forms/text_box.hpp"
#include "module1.hpp"

namespace flange::ui::testing {

bool Program::Start() {
  Module1::Main();
  return QTest::qWaitForWindowActive(&Form1::Default()) && Focused() != nullptr;
}

void Program::Stop() {
  Settle();
  Form1::Release();
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
  // The list's text part is its own line edit inside the list.
  QWidget* target = &control;
  if (auto* list = qobject_cast<QComboBox*>(&control)) {
    target = list->lineEdit();
  }
  QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier,
                    QPoint(target->width() / 2, target->height() / 2));
  Settle();
}

void Type(const QString& text) {
  for (const QChar character : text) {
    if (character.unicode() < 0x80) {
      QTest::keyClick(Focused(), character.toLatin1());
    } else {
      // A key that types a character beyond ASCII, as a Chinese keyboard
      // layout delivers it: no key code of its own, just the text.
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

void CommitFromInputMethod(const QString& text) {
  QInputMethodEvent event;
  event.setCommitString(text);
  QApplication::sendEvent(Focused(), &event);
  Settle();
}

void FillFields(std::initializer_list<std::pair<int, QString>> fieldTexts) {
  for (const auto& [index, text] : fieldTexts) {
    ClickInto(Form1::Default().txtIn(index));
    Type(text);
  }
}

int RunSuite(int argc, char** argv, QObject& suite) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  qInfo("window tests on the %s platform", qPrintable(QApplication::platformName()));
  // The window opens no dialogs; should one ever appear, close it rather than
  // wait for a user who is not there.
  QTimer modalGuard;
  QObject::connect(&modalGuard, &QTimer::timeout, [] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      qWarning("closing an unexpected modal window: %s", qPrintable(modal->windowTitle()));
      modal->close();
    }
  });
  modalGuard.start(200);
  return QTest::qExec(&suite, argc, argv);
}

}  // namespace flange::ui::testing
