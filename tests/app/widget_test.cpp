#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QInputMethodEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/look.h"
#include "app/placement.h"
#include "app/window_set.h"

using stockcalc::FormWindow;
using stockcalc::WindowSet;

namespace {

template <class W>
W* Child(QWidget& window, const char* name) {
  auto* widget = window.findChild<W*>(QString::fromLatin1(name));
  if (widget == nullptr) qFatal("no control %s in %s", name, qPrintable(window.objectName()));
  return widget;
}

// Types as a user does: ASCII through key events, Chinese characters as an
// input method commits them.
void Type(QLineEdit* edit, const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() < 128) {
      QTest::keyClicks(edit, QString(c));
    } else {
      QInputMethodEvent commit;
      commit.setCommitString(QString(c));
      QApplication::sendEvent(edit, &commit);
    }
  }
}

QString TextOf(QWidget& window, const char* name) {
  if (auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(name))) return edit->text();
  return Child<QLabel>(window, name)->text();
}

// Answers the next message box from inside its modal loop, remembering its
// title, text and buttons.
struct MessageCatcher {
  QString title, text;
  int buttons = -1;
  bool had_icon = true;

  void Arm() {
    QTimer::singleShot(0, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      title = box->windowTitle();
      text = box->text();
      buttons = static_cast<int>(box->buttons().size());
      had_icon = box->icon() != QMessageBox::NoIcon;
      box->accept();
    });
  }
};

}  // namespace

class WidgetTest : public QObject {
  Q_OBJECT

 private slots:
  void StartsWithTheMainWindowCentred() {
    WindowSet windows;
    windows.Start();
    FormWindow& main = windows.Window(1);
    QVERIFY(main.isVisible());
    for (int n = 2; n <= 9; ++n) QVERIFY(windows.Existing(n) == nullptr);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    // Placed at load, before the toolkit knows the frame: by the client size.
    QCOMPARE(main.Left(), stockcalc::CenterOnScreen(screen.width(), 307));
    QCOMPARE(main.Top(), stockcalc::CenterOnScreen(screen.height(), 231));
    QCOMPARE(main.pos(), QPoint(qRound(main.Left()), qRound(main.Top())));
    QCOMPARE(main.objectName(), QStringLiteral("Form1"));
    QCOMPARE(main.windowTitle(), QStringLiteral("鼎衡股票计算器    作者：青松"));
    QCOMPARE(main.size(), QSize(307, 231));
    QCOMPARE(Child<QLineEdit>(main, "Text2")->text(), QStringLiteral("1.50"));
    QCOMPARE(Child<QLabel>(main, "Label7")->palette().color(QPalette::WindowText), QColor(0, 192, 0));
  }

  void TypedPricesAreCleanedAndComputed() {
    WindowSet windows;
    windows.Start();
    FormWindow& main = windows.Window(1);
    Type(Child<QLineEdit>(main, "Text1"), QStringLiteral("10元"));
    QTest::mouseClick(Child<QPushButton>(main, "Command1"), Qt::LeftButton);
    QCOMPARE(TextOf(main, "Text1"), QStringLiteral("10"));
    QCOMPARE(TextOf(main, "Text3"), QStringLiteral("9.85"));
    QCOMPARE(TextOf(main, "Label7"), QStringLiteral("0.15元"));
    QCOMPARE(TextOf(main, "Label8"), QStringLiteral("10.15"));
    QCOMPARE(TextOf(main, "Label9"), QStringLiteral("0.30元"));
  }

  void AnEmptyFieldShowsItsPromptInTheProgramsMessageBox() {
    WindowSet windows;
    windows.Start();
    FormWindow& main = windows.Window(1);
    Child<QLineEdit>(main, "Text2")->setText(QStringLiteral("元"));
    MessageCatcher catcher;
    catcher.Arm();
    QTest::mouseClick(Child<QPushButton>(main, "Command1"), Qt::LeftButton);
    QCOMPARE(catcher.text, QStringLiteral("请输入昨天收盘价！"));
    QCOMPARE(catcher.title, QStringLiteral("鼎衡股票计算器"));
    QCOMPARE(catcher.buttons, 1);
    QVERIFY(!catcher.had_icon);
    QCOMPARE(TextOf(main, "Text2"), QStringLiteral(""));  // cleaned before the prompt
    QCOMPARE(TextOf(main, "Text3"), QStringLiteral("最低价"));
  }

  void ClosingAWindowEndsTheProgram() {
    WindowSet windows;
    windows.Start();
    QTimer::singleShot(0, [&windows] { windows.Window(1).close(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(2); });  // a hang would end here
    QCOMPARE(QApplication::exec(), 0);
  }
};

QTEST_MAIN(WidgetTest)
#include "widget_test.moc"
