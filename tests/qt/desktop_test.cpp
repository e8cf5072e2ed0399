// SPDX-License-Identifier: GPL-3.0-or-later
// The program as a desktop program: Qt's own strings in Chinese, the
// keyboard, screen readers, copy and paste.

#include <QAccessible>
#include <QClipboard>

#include "qt/startup.h"
#include "widget_helpers.h"

using namespace test;

namespace {

// A worked example of each window: its inputs.
const QList<QList<QPair<const char*, QString>>> kExamples = {
    {{"Text1", "10"}, {"Text2", "1.50"}},
    {{"Text1", "9.85"}, {"Text2", "10"}},
    {{"Text1", "12.34"}},
    {{"Text1", "10.5"}, {"Text2", "2"}},
    {{"Text1", "12.34"}, {"Text2", "1000"}},
    {{"Text1", "12.34"}, {"Text2", "300"}, {"Text3", "11.11"}, {"Text4", "200"}},
    {{"Text1", "10"}, {"Text2", "3"}, {"Text5", "10"}},
    {{"Text1", "10"}},
    {{"Text1", "100"}, {"Text2", "3"}},
};

QString Name(std::string_view name) {
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

class DesktopTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    FreshSettings();
    stockcalc::InstallChineseCatalogue(*QCoreApplication::instance());
    stockcalc::InstallWindowAccessibility();
  }

  void ThePromptsButtonIsChineseWhateverTheLocale() {
    QCOMPARE(qgetenv("LANG"), QByteArray("C"));
    WindowSet windows;
    windows.Start();
    MessageCatcher catcher;
    catcher.Arm();
    Press(windows, 1, "Command1");
    QCOMPARE(catcher.text, QStringLiteral("请输入昨天收盘价！"));
    QCOMPARE(catcher.button_text, QStringLiteral("确定"));
  }

  void ReturnOrKeypadEnterInAnyBoxComputes() {
    for (int form = 1; form <= stockcalc::kFormCount; ++form) {
      WindowSet windows;
      FormWindow& window = Open(windows, form);
      for (const auto& [box, text] : kExamples[form - 1]) Child<QLineEdit>(window, box)->setText(text);
      bool keypad = false;
      for (QLineEdit* edit : window.findChildren<QLineEdit*>()) {
        // "元" is cleaned away by every compute, so it shows whether one ran.
        auto* first = Child<QLineEdit>(window, "Text1");
        first->setText(kExamples[form - 1].front().second + QStringLiteral("元"));
        QTest::keyClick(edit, keypad ? Qt::Key_Enter : Qt::Key_Return,
                        keypad ? Qt::KeypadModifier : Qt::NoModifier);
        const QString where = QStringLiteral("Form%1 %2").arg(form).arg(edit->objectName());
        QVERIFY2(!first->text().contains(QStringLiteral("元")), qPrintable(where));
        keypad = !keypad;
      }
    }
  }

  void EnterOrSpaceOnAFocusedButtonPressesIt() {
    WindowSet windows;
    FormWindow& main = Open(windows, 1);
    QTest::keyClick(Child<QPushButton>(main, "Command3"), Qt::Key_Return);  // 涨跌幅切换
    QVERIFY(windows.Window(2).isVisible());
    QTest::keyClick(Child<QPushButton>(windows.Window(2), "Command3"), Qt::Key_Space);  // 切换回去
    QVERIFY(main.isVisible());
  }

  void TabFollowsEachWindowsFocusOrderFromItsFirstControl() {
    for (int form = 1; form <= stockcalc::kFormCount; ++form) {
      WindowSet windows;
      FormWindow& window = Open(windows, form);
      window.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&window));
      const auto order = window.Calculator().Layout().tab_order;
      const QString where = QStringLiteral("Form%1").arg(form);
      QCOMPARE(QApplication::focusWidget()->objectName(), Name(order.front()));
      for (std::size_t i = 1; i <= order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY2(QApplication::focusWidget()->objectName() == Name(order[i % order.size()]),
                 qPrintable(where));
      }
    }
  }

  void ScreenReadersFindANameForEveryBoxButtonAndWindow() {
    for (int form = 1; form <= stockcalc::kFormCount; ++form) {
      WindowSet windows;
      FormWindow& window = Open(windows, form);
      QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&window);
      QCOMPARE(root->text(QAccessible::Name), window.windowTitle());
      QCOMPARE(root->role(), QAccessible::Window);
      int named = 0;
      for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        const auto role = child->role();
        if (role != QAccessible::EditableText && role != QAccessible::PushButton) continue;
        const QString where = QStringLiteral("Form%1 %2").arg(form).arg(child->object()->objectName());
        QVERIFY2(!child->text(QAccessible::Name).isEmpty(), qPrintable(where));
        QVERIFY2(!child->text(QAccessible::Name).contains(QStringLiteral("：")), qPrintable(where));
        ++named;
      }
      QVERIFY(named >= 5);
    }
    WindowSet windows;
    QCOMPARE(Child<QLineEdit>(Open(windows, 1), "Text1")->accessibleName(), QStringLiteral("昨天收盘价"));
  }

  void ResultsCopyAsShownAndPastedPricesAreCleanedLikeTypedOnes() {
    WindowSet windows;
    FormWindow& main = Open(windows, 1);
    auto* close = Child<QLineEdit>(main, "Text1");
    close->setFocus();
    const QList<QPair<QString, QString>> pasted = {
        {QStringLiteral("12,345.6"), QStringLiteral("12.345.6")},
        {QStringLiteral("12.5 元"), QStringLiteral("12.5 ")},
        {QStringLiteral("¥12.5"), QStringLiteral("¥12.5")},
    };
    for (const auto& [text, cleaned] : pasted) {
      close->clear();
      QGuiApplication::clipboard()->setText(text);
      QTest::keyClick(close, Qt::Key_V, Qt::ControlModifier);
      QCOMPARE(close->text(), text);
      QTest::keyClick(close, Qt::Key_Return);
      QCOMPARE(close->text(), cleaned);
    }
    close->setText(QStringLiteral("10"));
    QTest::keyClick(close, Qt::Key_Return);
    auto* stop_loss = Child<QLineEdit>(main, "Text3");
    stop_loss->selectAll();
    stop_loss->copy();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("9.85"));
    auto* fall = Child<QLabel>(main, "Label7");
    QVERIFY(fall->textInteractionFlags() & Qt::TextSelectableByMouse);
    fall->setSelection(0, static_cast<int>(fall->text().size()));
    QCOMPARE(fall->selectedText(), QStringLiteral("0.15元"));
  }
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
