// SPDX-License-Identifier: GPL-3.0-or-later
// Every result stays readable in the fixed layout: with large prices, share
// counts and amounts, each written text shows all its characters, none
// behind another control, none cut at the window's edge, none scrolled out
// of its box, at a font of 8 pixels or more.

#include <QAccessible>
#include <QFontInfo>

#include "qt/startup.h"
#include "widget_helpers.h"

using namespace test;

namespace {

using Inputs = QList<QPair<const char*, QString>>;

int PixelSize(const QWidget& widget) { return QFontInfo(widget.font()).pixelSize(); }

QString Where(const QWidget& control) {
  return QStringLiteral("%1 %2 \"%3\"")
      .arg(control.window()->objectName(), control.objectName(),
           TextOf(*control.window(), qPrintable(control.objectName())));
}

// Where a label's text draws: from its left edge, as wide as its advance,
// as high as its glyphs (centred on the label's height, as QLabel draws).
QRect DrawnText(const QLabel& label) {
  const QFontMetrics metrics(label.font());
  const int baseline = label.y() + (label.height() - metrics.height()) / 2 + metrics.ascent();
  const QRect ink = metrics.tightBoundingRect(label.text()).translated(label.x(), baseline);
  return {label.x(), ink.top(), metrics.horizontalAdvance(label.text()), ink.height()};
}

// The controls to the right of a label that its text reaches.
QStringList RunsInto(const QLabel& label) {
  QStringList reached;
  const QRect drawn = DrawnText(label);
  for (const QWidget* other :
       label.parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (other != &label && other->x() > label.x() && other->geometry().intersects(drawn)) {
      reached << other->objectName();
    }
  }
  return reached;
}

void CheckLabel(const QLabel& label) {
  const QString where = Where(label);
  QVERIFY2(PixelSize(label) >= 8, qPrintable(where));
  QVERIFY2(DrawnText(label).right() < label.window()->width(),
           qPrintable(where + " is cut at the window's edge"));
  QVERIFY2(RunsInto(label).isEmpty(), qPrintable(where + " runs into " + RunsInto(label).join(' ')));
  // Screen readers read the whole text.
  QCOMPARE(QAccessible::queryAccessibleInterface(const_cast<QLabel*>(&label))->text(QAccessible::Name),
           label.text());
}

// Where the box's text cursor stands (Qt reports a rectangle a few pixels
// wider than the cursor, centred on it).
int CursorX(const QLineEdit& edit) {
  return edit.inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
}

// The box shows its text from the first character, and moving the cursor
// to the end scrolls nothing: the whole text is in view.
void CheckBox(QLineEdit& edit) {
  const QString where = Where(edit);
  QVERIFY2(PixelSize(edit) >= 8, qPrintable(where));
  QVERIFY2(edit.cursorPosition() == 0, qPrintable(where + ": cursor not at the first character"));
  edit.grab();  // QLineEdit works out its scrolling when it paints
  const int first = CursorX(edit);
  QVERIFY2(first >= 0 && first < edit.width(), qPrintable(where + ": first character out of view"));
  edit.setCursorPosition(static_cast<int>(edit.text().size()));
  edit.grab();
  const int last = CursorX(edit);
  edit.setCursorPosition(0);
  const int advance = QFontMetrics(edit.font()).horizontalAdvance(edit.text());
  QVERIFY2(last >= 0 && last < edit.width(), qPrintable(where + ": last character out of view"));
  QVERIFY2(last - first >= advance - 1, qPrintable(where + ": scrolls to show its end"));
  const auto* accessible = QAccessible::queryAccessibleInterface(&edit);
  QCOMPARE(accessible->text(QAccessible::Value), edit.text());
}

// Computes window `form` with `inputs` and checks every text it wrote.
void CheckWindow(int form, const Inputs& inputs) {
  WindowSet windows;
  if (form == stockcalc::kFeesForm) windows.StartWithFees();
  FormWindow& window = form == stockcalc::kFeesForm ? *windows.Existing(form) : Open(windows, form);
  window.show();
  for (const auto& [box, text] : inputs) Child<QLineEdit>(window, box)->setText(text);
  MessageCatcher catcher;
  catcher.Arm();
  QTest::mouseClick(Child<QPushButton>(window, "Command1"), Qt::LeftButton);
  QVERIFY2(catcher.buttons == -1, qPrintable("unexpected message: " + catcher.text));
  const auto& layout = window.Calculator().Layout();
  for (const auto& control : layout.controls) {
    const QString name = QString::fromUtf8(control.name.data(), static_cast<qsizetype>(control.name.size()));
    const QString loaded =
        QString::fromUtf8(control.text.data(), static_cast<qsizetype>(control.text.size()));
    if (auto* edit = window.findChild<QLineEdit*>(name)) {
      const bool typed = std::any_of(inputs.begin(), inputs.end(), [&](const auto& input) {
        return name == input.first && edit->text() == input.second;
      });
      if (control.kind == stockcalc::ControlKind::ResultBox || !typed) CheckBox(*edit);
    } else if (auto* label = window.findChild<QLabel*>(name); label != nullptr && label->text() != loaded) {
      CheckLabel(*label);
    }
    if (QTest::currentTestFailed()) return;
  }
}

}  // namespace

class ReadabilityTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    FreshSettings();
    stockcalc::InstallChineseCatalogue(*QCoreApplication::instance());
  }

  void LargeValuesShowInFull_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<Inputs>("inputs");
    // The main window: every price it shows, the take-profit price too, up
    // to 9999.99, from the stop-loss price of zero to twice the close.
    QTest::newRow("Form1 1523.5 at 3%") << 1 << Inputs{{"Text1", "1523.5"}, {"Text2", "3"}};
    QTest::newRow("Form1 9999.99 at 0%") << 1 << Inputs{{"Text1", "9999.99"}, {"Text2", "0"}};
    QTest::newRow("Form1 9708.73 at 3%") << 1 << Inputs{{"Text1", "9708.73"}, {"Text2", "3"}};
    QTest::newRow("Form1 4999.99 at 100%") << 1 << Inputs{{"Text1", "4999.99"}, {"Text2", "100"}};
    QTest::newRow("Form1 4999.99 at -100%") << 1 << Inputs{{"Text1", "4999.99"}, {"Text2", "-100"}};
    // Percent change from -99.99 % to +1000 %.
    QTest::newRow("Form2 up 1000%") << 2 << Inputs{{"Text1", "9999.99"}, {"Text2", "909.09"}};
    QTest::newRow("Form2 down 99.99%") << 2 << Inputs{{"Text1", "0.01"}, {"Text2", "9999.99"}};
    QTest::newRow("Form3 9999.99") << 3 << Inputs{{"Text1", "9999.99"}};
    // Thirty limit days at the 10 %, 20 % and 30 % limits, and one day at 1000 %.
    QTest::newRow("Form7 30 days at 10%")
        << 7 << Inputs{{"Text1", "9999.99"}, {"Text2", "30"}, {"Text5", "10"}};
    QTest::newRow("Form7 30 days at 30%")
        << 7 << Inputs{{"Text1", "9999.99"}, {"Text2", "30"}, {"Text5", "30"}};
    QTest::newRow("Form7 1 day at 1000%")
        << 7 << Inputs{{"Text1", "9999.99"}, {"Text2", "1"}, {"Text5", "1000"}};
    QTest::newRow("Form7 30 days at -100%")
        << 7 << Inputs{{"Text1", "9999.99"}, {"Text2", "30"}, {"Text5", "-100"}};
    QTest::newRow("Form6 1688.88 x 1200 + 1520.50 x 800")
        << 6 << Inputs{{"Text1", "1688.88"}, {"Text2", "1200"}, {"Text3", "1520.50"}, {"Text4", "800"}};
    QTest::newRow("Form6 2599.99 x 10000000 twice")
        << 6
        << Inputs{{"Text1", "2599.99"}, {"Text2", "10000000"}, {"Text3", "2599.99"}, {"Text4", "10000000"}};
    QTest::newRow("Form6 9999.99 x 100000000 twice")
        << 6
        << Inputs{{"Text1", "9999.99"}, {"Text2", "100000000"}, {"Text3", "9999.99"}, {"Text4", "100000000"}};
    QTest::newRow("Form6 9999.99 and 0.01")
        << 6 << Inputs{{"Text1", "9999.99"}, {"Text2", "99999999"}, {"Text3", "0.01"}, {"Text4", "1"}};
    QTest::newRow("Form8 1688.88") << 8 << Inputs{{"Text1", "1688.88"}};
    QTest::newRow("Form8 9999.99") << 8 << Inputs{{"Text1", "9999.99"}};
    QTest::newRow("Form8 4999.99 down 100% and up 100%")
        << 8 << Inputs{{"Text1", "4999.99"}, {"Text2", "100"}, {"Text4", "-100"}, {"Text6", "99.99"}};
    QTest::newRow("Form5 1688.88 x 1234500") << 5 << Inputs{{"Text1", "1688.88"}, {"Text2", "1234500"}};
    QTest::newRow("Form5 2599.99 x 10000000") << 5 << Inputs{{"Text1", "2599.99"}, {"Text2", "10000000"}};
    QTest::newRow("Form5 9999.99 x 100000000") << 5 << Inputs{{"Text1", "9999.99"}, {"Text2", "100000000"}};
    QTest::newRow("Form4 123456789.5 + 1000000")
        << 4 << Inputs{{"Text1", "123456789.5"}, {"Text2", "1000000"}};
    QTest::newRow("Form4 999999999998.99 + 1") << 4 << Inputs{{"Text1", "999999999998.99"}, {"Text2", "1"}};
    QTest::newRow("Form4 -999999999999.99 + 0") << 4 << Inputs{{"Text1", "-999999999999.99"}, {"Text2", "0"}};
    QTest::newRow("Form9 2084958360 / 7") << 9 << Inputs{{"Text1", "2084958360"}, {"Text2", "7"}};
    QTest::newRow("Form9 999999999999.99 / 1") << 9 << Inputs{{"Text1", "999999999999.99"}, {"Text2", "1"}};
    // The trading-costs window: the largest position, and a four-digit price.
    QTest::newRow("fees 9999.99 x 100000000")
        << stockcalc::kFeesForm << Inputs{{"Text1", "9999.99"}, {"Text2", "100000000"}, {"Text3", "9999.99"}};
    QTest::newRow("fees 1688.88 x 200")
        << stockcalc::kFeesForm << Inputs{{"Text1", "1688.88"}, {"Text2", "200"}, {"Text3", "1700"}};
    QTest::newRow("Form9 -999999999999.99 / 1") << 9 << Inputs{{"Text1", "-999999999999.99"}, {"Text2", "1"}};
  }

  void LargeValuesShowInFull() {
    QFETCH(int, form);
    QFETCH(Inputs, inputs);
    CheckWindow(form, inputs);
  }

  // Beyond any range a trader meets: the text shows from its first
  // character at the smallest font, stands above the caption it runs into,
  // and its tooltip holds all of it. The next everyday result looks as usual.
  void ATextThatCannotFitShowsFromItsStartWithATooltip() {
    WindowSet windows;
    FormWindow& main = Open(windows, 1);
    auto* take_profit = Child<QLabel>(main, "Label8");
    const QFont usual = take_profit->font();
    auto compute = [&](const QString& close, const QString& percent) {
      Child<QLineEdit>(main, "Text1")->setText(close);
      Child<QLineEdit>(main, "Text2")->setText(percent);
      Press(windows, 1, "Command1");
    };
    compute(QStringLiteral("9999.99"), QStringLiteral("1000"));
    QCOMPARE(take_profit->text(), QStringLiteral("109999.89"));
    QCOMPARE(PixelSize(*take_profit), 8);
    QCOMPARE(take_profit->toolTip(), take_profit->text());
    QVERIFY(take_profit->autoFillBackground());
    const QObjectList stacking = main.children();
    QVERIFY(stacking.indexOf(take_profit) > stacking.indexOf(Child<QLabel>(main, "Label4")));

    compute(QStringLiteral("10"), QStringLiteral("1.5"));
    QCOMPARE(take_profit->text(), QStringLiteral("10.15"));
    QCOMPARE(take_profit->font(), usual);
    QVERIFY(take_profit->toolTip().isEmpty());
    QVERIFY(!take_profit->autoFillBackground());
    CheckLabel(*take_profit);

    FormWindow& sum = Open(windows, 4);
    auto* result = Child<QLineEdit>(sum, "Text3");
    const QFont bold = result->font();
    Child<QLineEdit>(sum, "Text1")->setText(QStringLiteral("1e30"));
    Child<QLineEdit>(sum, "Text2")->setText(QStringLiteral("1"));
    Press(windows, 4, "Command1");
    QCOMPARE(result->text(), QStringLiteral("1000000000000000000000000000000.00"));
    QCOMPARE(PixelSize(*result), 8);
    QCOMPARE(result->cursorPosition(), 0);
    QCOMPARE(result->toolTip(), result->text());
    Child<QLineEdit>(sum, "Text1")->setText(QStringLiteral("12.3"));
    Press(windows, 4, "Command1");
    QCOMPARE(result->font(), bold);
    QVERIFY(result->toolTip().isEmpty());
  }

  // A box that was shrunk for a long cleaned text takes the window's font
  // again when the user types into it.
  void TypingIntoAShrunkBoxRestoresItsFont() {
    WindowSet windows;
    FormWindow& main = Open(windows, 1);
    auto* close = Child<QLineEdit>(main, "Text1");
    const QFont usual = close->font();
    close->setText(QStringLiteral("12345678901234567890元"));
    Press(windows, 1, "Command1");
    QVERIFY(PixelSize(*close) < QFontInfo(usual).pixelSize());
    close->setFocus();
    QTest::keyClick(close, Qt::Key_Delete);
    QCOMPARE(close->font(), usual);
  }
};

QTEST_MAIN(ReadabilityTest)
#include "readability_test.moc"
