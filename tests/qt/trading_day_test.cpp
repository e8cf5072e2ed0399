// SPDX-License-Identifier: GPL-3.0-or-later
// A trading day without growth: the real windows driven through a long
// session (every window, typed texts, computes, prompts answered, switches,
// the trading-costs window opened and closed, 窗口置顶 toggled), with the
// process's resident memory read after a warm-up and at the end.

#include <QMessageBox>
#include <unistd.h>

#include <fstream>

#include "widget_helpers.h"

using namespace test;
using stockcalc::kFeesForm;

namespace {

// Texts a trader types, good and bad; an empty one brings up a prompt.
const QStringList kTyped = {QStringLiteral("10"),      QStringLiteral("12，5元"), QStringLiteral(""),
                            QStringLiteral("3%"),      QStringLiteral("1688.88"), QStringLiteral("abc"),
                            QStringLiteral("1000000"), QStringLiteral("0"),       QStringLiteral("-7.5")};

long ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0;
  long resident = 0;
  statm >> pages >> resident;
  return resident * sysconf(_SC_PAGESIZE);
}

// Every warning Qt prints, but the offscreen platform's own word that it
// cannot do what a real desktop does (raise a window, pass on size hints).
int warnings = 0;
void CountWarnings(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message) {
  if (type == QtDebugMsg || type == QtInfoMsg) return;
  if (message.startsWith(QStringLiteral("This plugin does not support "))) return;
  ++warnings;
  fprintf(stderr, "Qt: %s\n", qPrintable(message));
}

// Answers every message box as the user would, from inside its modal loop.
class AnswerPrompts final : public QObject {
 public:
  int answered = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      if (auto* box = qobject_cast<QMessageBox*>(watched)) {
        ++answered;
        QMetaObject::invokeMethod(box, &QMessageBox::accept, Qt::QueuedConnection);
      }
    }
    return false;
  }
};

class Session {
 public:
  explicit Session(WindowSet& windows) : windows_(windows) {}

  // Runs rounds until at least `clicks` more buttons have been pressed.
  void Run(long clicks) {
    const long until = clicks_ + clicks;
    while (clicks_ < until) Round();
  }

  [[nodiscard]] long Clicks() const { return clicks_; }

 private:
  void Click(FormWindow& window, const char* button) {
    QTest::mouseClick(Child<QPushButton>(window, button), Qt::LeftButton);
    ++clicks_;
  }

  // Types into every box of the visible window, computes, sometimes clears.
  void Compute(FormWindow& window) {
    for (QLineEdit* box : window.findChildren<QLineEdit*>()) {
      if (box->isReadOnly()) continue;
      box->selectAll();
      const QString& text = kTyped[static_cast<qsizetype>(next_++ % kTyped.size())];
      if (next_ % 7 == 0) {
        box->clear();
        Type(box, text);  // now and then key by key, Chinese through the input method
      } else {
        box->setText(text);
      }
    }
    Click(window, "Command1");
    if (window.objectName() != QStringLiteral("Form1") && next_ % 3 == 0) Click(window, "Command2");
  }

  // The one calculator window on the screen.
  int Shown() const {
    for (int n = 1; n <= stockcalc::kFormCount; ++n) {
      if (windows_.Existing(n) != nullptr && windows_.Existing(n)->isVisible()) return n;
    }
    return 0;
  }

  // Every switch button once, computing in each window on the way there.
  void Round() {
    for (const auto& entry : stockcalc::SwitchTable()) {
      if (Shown() != entry.from) {
        if (Shown() != 1) Click(windows_.Window(Shown()), "Command3");  // every 切换回去 leads home
        for (const auto* step : PathTo(entry.from)) Click(windows_.Window(step->from), step->button.data());
      }
      Compute(windows_.Window(entry.from));
      Click(windows_.Window(entry.from), entry.button.data());
    }
    windows_.OpenFeesWindow(1);
    FormWindow& fees = *windows_.Existing(kFeesForm);
    Compute(fees);
    fees.close();
    windows_.SetStayOnTop(!windows_.StaysOnTop());
  }

  WindowSet& windows_;
  long clicks_ = 0;
  unsigned next_ = 0;
};

}  // namespace

class TradingDayTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QVERIFY(FreshSettings().contains(QStringLiteral(".qttest"))); }

  void AHundredThousandClicksLeaveMemoryWhereItWas() {
    AnswerPrompts prompts;
    qApp->installEventFilter(&prompts);
    qInstallMessageHandler(CountWarnings);
    WindowSet windows;
    windows.Start();
    Session session(windows);

    session.Run(20000);  // warm-up: every window made, every cache filled
    const long warm = ResidentBytes();
    session.Run(100000);
    const long end = ResidentBytes();
    qInstallMessageHandler(nullptr);
    qApp->removeEventFilter(&prompts);

    qInfo("%ld clicks, %d prompts answered; resident after warm-up %.2f MiB, at the end %.2f MiB",
          session.Clicks(), prompts.answered, static_cast<double>(warm) / 1048576.0, static_cast<double>(end) / 1048576.0);
    QVERIFY(prompts.answered > 1000);
    QCOMPARE(warnings, 0);
    QVERIFY2(end - warm < 1024 * 1024, qPrintable(QStringLiteral("grew by %1 KiB").arg((end - warm) / 1024)));
  }
};

QTEST_MAIN(TradingDayTest)
#include "trading_day_test.moc"
