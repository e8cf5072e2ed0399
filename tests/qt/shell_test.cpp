// SPDX-License-Identifier: GPL-3.0-or-later
// The window set: start-up, computing through real widgets, the prompt,
// switching between windows and ending the program.

#include <QScreen>

#include "shell/placement.h"
#include "widget_helpers.h"

using namespace test;

class ShellTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { FreshSettings(); }

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

  void EverySwitchButtonShowsItsTargetWhereTheSourceStood() {
    int tried = 0;
    for (const auto& entry : stockcalc::SwitchTable()) {
      WindowSet windows;
      windows.Start();
      for (const auto* step : PathTo(entry.from)) Press(windows, step->from, step->button.data());
      FormWindow& source = windows.Window(entry.from);
      QVERIFY2(source.isVisible(), qPrintable(source.objectName()));
      source.move(40 + tried, 30 + 2 * tried);  // as if the user dragged it
      Press(windows, entry.from, entry.button.data());

      FormWindow& target = windows.Window(entry.to);
      const QString where = QStringLiteral("Form%1 %2").arg(entry.from).arg(entry.button.data());
      QVERIFY2(target.isVisible(), qPrintable(where));
      QVERIFY2(!source.isVisible(), qPrintable(where));
      QCOMPARE(VisibleWindows(windows), 1);
      QCOMPARE(target.pos(), QPoint(40 + tried, 30 + 2 * tried));
      ++tried;
    }
    QCOMPARE(tried, 22);
  }

  void SwitchBackFromTheConsecutiveLimitWindowEndsOnTheMainWindow() {
    WindowSet windows;
    windows.Start();
    Press(windows, 1, "Command5");  // 复利计算器: Form7 takes Form3's place, so Form3 exists now
    QVERIFY(windows.Existing(3) != nullptr);
    QVERIFY(!windows.Existing(3)->isVisible());
    Press(windows, 7, "Command3");
    QVERIFY(windows.Window(1).isVisible());
    Press(windows, 1, "Command4");  // 涨停价切换 shows Form3 as it was loaded
    QCOMPARE(windows.Window(3).Calculator().LoadCount(), 1);
    QCOMPARE(TextOf(windows.Window(3), "Text2"), QStringLiteral("涨停价"));
    Press(windows, 3, "Command4");  // 连续涨跌停
    Press(windows, 7, "Command3");  // 切换回去
    QVERIFY(windows.Window(1).isVisible());
    QCOMPARE(VisibleWindows(windows), 1);
  }

  void TypedValuesAndResultsSurviveASwitchAwayAndBack() {
    WindowSet windows;
    windows.Start();
    Press(windows, 1, "Command2");  // 补仓成本
    FormWindow& cost = windows.Window(6);
    Type(Child<QLineEdit>(cost, "Text1"), QStringLiteral("12.34"));
    Type(Child<QLineEdit>(cost, "Text2"), QStringLiteral("300"));
    Type(Child<QLineEdit>(cost, "Text3"), QStringLiteral("11.11"));
    Type(Child<QLineEdit>(cost, "Text4"), QStringLiteral("200"));
    Press(windows, 6, "Command1");
    Type(Child<QLineEdit>(cost, "Text1"), QStringLiteral("5"));  // typed, not yet computed
    Press(windows, 6, "Command4");                               // 分批买入
    Press(windows, 8, "Command3");                               // 切换回去 ends on the main window
    QVERIFY(windows.Window(1).isVisible());
    Press(windows, 1, "Command2");
    QCOMPARE(TextOf(cost, "Text5"), QStringLiteral("11.85"));
    QCOMPARE(TextOf(cost, "Label7"), QStringLiteral("平均股价：11.85"));
    QCOMPARE(TextOf(cost, "Text1"), QStringLiteral("12.345"));
  }

  void ClosingAWindowEndsTheProgram() {
    WindowSet windows;
    windows.Start();
    Press(windows, 1, "Command4");
    Press(windows, 3, "Command4");  // Form7 visible, Form1 and Form3 hidden
    QTimer::singleShot(0, [&windows] { windows.Window(7).close(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(2); });  // a hang would end here
    QCOMPARE(QApplication::exec(), 0);
  }
};

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
