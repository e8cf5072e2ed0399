// SPDX-License-Identifier: GPL-3.0-or-later
// The trading-costs window and what every window's context menu offers:
// opening it, keeping the windows on top, copying a window's texts.

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>

#include "qt/startup.h"
#include "widget_helpers.h"

using namespace test;
using stockcalc::kFeesForm;

namespace {

QAction* MenuEntry(FormWindow& window, const QString& text) {
  for (QAction* action : window.MenuActions()) {
    if (action->text() == text) return action;
  }
  qFatal("no menu entry %s", qPrintable(text));
}

void Activate(QWidget& window) {
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
}

bool OnTop(const QWidget& window) { return window.windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

}  // namespace

class FeesWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(FreshSettings().contains(QStringLiteral(".qttest")));
    stockcalc::InstallChineseCatalogue(*QCoreApplication::instance());
  }
  void init() { FreshSettings(); }

  void ARightClickOnTheBackgroundOffersTheThreeEntries() {
    WindowSet windows;
    FormWindow& limits = Open(windows, 3);
    QStringList shown;
    QTimer::singleShot(0, [&shown] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (menu == nullptr) return;
      for (const QAction* action : menu->actions()) {
        shown << action->text() + QLatin1Char('|') + action->shortcut().toString(QKeySequence::NativeText);
      }
      menu->close();
    });
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), limits.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&limits, &click);
    QCOMPARE(shown, (QStringList{QStringLiteral("交易费用与保本价…|Ctrl+F"),
                                 QStringLiteral("窗口置顶|Ctrl+T"), QStringLiteral("复制全部|")}));
  }

  // Ctrl+F from a box of any of the nine opens the window beside it; the
  // calculator stays as it was, and closing the new window closes only it.
  void TheShortcutOpensTheWindowBesideTheCalculator() {
    WindowSet windows;
    FormWindow& main = Open(windows, 1);
    main.SetLeft(10);  // room on its right on the 800-pixel offscreen screen
    Activate(main);
    auto* close = Child<QLineEdit>(main, "Text1");
    close->setFocus();
    QTest::keyClick(close, Qt::Key_F, Qt::ControlModifier);
    FormWindow* fees = windows.Existing(kFeesForm);
    QVERIFY(fees != nullptr);
    QVERIFY(fees->isVisible());
    QVERIFY(main.isVisible());
    QCOMPARE(fees->windowTitle(), QStringLiteral("交易费用与保本价"));
    QVERIFY(fees->Left() >= main.Left() + main.OuterWidth());
    QCOMPARE(fees->Top(), main.Top());
    QCOMPARE(close->text(), QString());  // the shortcut typed nothing

    fees->close();
    QVERIFY(!fees->isVisible());
    QVERIFY(main.isVisible());
    Activate(main);
    QTest::keyClick(close, Qt::Key_F, Qt::ControlModifier);  // the same window again
    QCOMPARE(windows.Existing(kFeesForm), fees);
    QVERIFY(fees->isVisible());
  }

  // 窗口置顶 holds for every window, the ones created later too, and is
  // remembered for the next run.
  void StayOnTopHoldsForEveryWindowAndIsRemembered() {
    {
      WindowSet windows;
      FormWindow& main = Open(windows, 1);
      Press(windows, 1, "Command3");  // 涨跌幅切换: Form2 shows, Form1 hides
      FormWindow& change = windows.Window(2);
      Activate(change);
      QTest::keyClick(Child<QLineEdit>(change, "Text1"), Qt::Key_T, Qt::ControlModifier);
      QVERIFY(OnTop(main));
      QVERIFY(OnTop(change));
      QVERIFY(change.isVisible());
      QVERIFY(!main.isVisible());  // re-created windows keep their visibility
      QVERIFY(MenuEntry(main, QStringLiteral("窗口置顶"))->isChecked());
      QVERIFY(OnTop(windows.Window(6)));  // created after the switch was made
      MenuEntry(windows.Window(6), QStringLiteral("交易费用与保本价…"))->trigger();
      QVERIFY(OnTop(*windows.Existing(kFeesForm)));
    }
    WindowSet next_run;
    QVERIFY(next_run.StaysOnTop());
    QVERIFY(OnTop(Open(next_run, 1)));
    MenuEntry(next_run.Window(1), QStringLiteral("窗口置顶"))->trigger();
    QVERIFY(!OnTop(next_run.Window(1)));
    QVERIFY(!WindowSet().StaysOnTop());
  }

  void TheRatesAreRememberedBetweenRuns() {
    {
      WindowSet windows;
      windows.StartWithFees();
      FormWindow& fees = *windows.Existing(kFeesForm);
      QVERIFY(windows.Existing(1) == nullptr);  // --fees starts with this window alone
      Child<QLineEdit>(fees, "Text1")->setText(QStringLiteral("10"));
      Child<QLineEdit>(fees, "Text2")->setText(QStringLiteral("1000"));
      Child<QLineEdit>(fees, "Text4")->setText(QStringLiteral("0.0187"));
      Child<QLineEdit>(fees, "Text5")->setText(QStringLiteral("0"));
      QTest::keyClick(Child<QLineEdit>(fees, "Text4"), Qt::Key_Return);
      QCOMPARE(TextOf(fees, "Label17"), QStringLiteral("买入费用：1.97元"));
    }
    WindowSet next_run;
    next_run.StartWithFees();
    FormWindow& fees = *next_run.Existing(kFeesForm);
    QCOMPARE(TextOf(fees, "Text4"), QStringLiteral("0.0187"));
    QCOMPARE(TextOf(fees, "Text5"), QStringLiteral("0"));
    QCOMPARE(TextOf(fees, "Text1"), QString());  // the trade itself is not remembered
  }

  void ProfitShowsRedAndLossGreen() {
    WindowSet windows;
    windows.StartWithFees();
    FormWindow& fees = *windows.Existing(kFeesForm);
    auto* profit = Child<QLabel>(fees, "Label24");
    const QColor usual = profit->palette().color(QPalette::WindowText);
    const QList<QPair<QString, QColor>> sales = {{QStringLiteral("11"), QColor(255, 0, 0)},
                                                 {QStringLiteral("9"), QColor(0, 192, 0)},
                                                 {QString(), usual}};
    for (const auto& [sell, colour] : sales) {
      Child<QLineEdit>(fees, "Text1")->setText(QStringLiteral("10"));
      Child<QLineEdit>(fees, "Text2")->setText(QStringLiteral("1000"));
      Child<QLineEdit>(fees, "Text3")->setText(sell);
      QTest::mouseClick(Child<QPushButton>(fees, "Command1"), Qt::LeftButton);
      QCOMPARE(profit->palette().color(QPalette::WindowText), colour);
    }
  }

  void CopyAllCopiesTheWindowsTextsAsTyped() {
    WindowSet windows;
    FormWindow& main = Open(windows, 1);
    Child<QLineEdit>(main, "Text1")->setText(QStringLiteral("10"));
    MenuEntry(main, QStringLiteral("复制全部"))->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("鼎衡股票计算器    作者：青松\n"
                                                                  "昨天收盘价： 10 ↑：\n"
                                                                  "涨跌幅： 1.50 % 如：1.55\n"
                                                                  "最低价： 最低价 ↓下跌：\n"));
  }
};

QTEST_MAIN(FeesWindowTest)
#include "fees_window_test.moc"
