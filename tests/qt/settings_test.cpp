// SPDX-License-Identifier: GPL-3.0-or-later
// A settings file that is broken in any way costs nothing but what it
// remembered: the program starts with the defaults, shows no message,
// computes, and a folder that cannot be written only forgets.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

#include "calc/fees/form10.h"
#include "qt/qt_settings_store.h"
#include "widget_helpers.h"

using namespace test;
using stockcalc::kFeesForm;

namespace {

// What stands where the settings file should be.
enum class Damage { Empty, Truncated, NotText, Huge, Directory, Pipe, Unreadable, FolderIsAFile };

void Make(Damage damage, const QString& path) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  switch (damage) {
    case Damage::Directory: QVERIFY(QDir().mkpath(path)); return;
    case Damage::Pipe: QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0); return;  // reading would wait forever
    case Damage::FolderIsAFile: {
      QVERIFY(QDir(QFileInfo(path).path()).removeRecursively());
      QFile folder(QFileInfo(path).path());
      QVERIFY(folder.open(QIODevice::WriteOnly));
      return;
    }
    default: break;
  }
  QVERIFY(file.open(QIODevice::WriteOnly));
  switch (damage) {
    case Damage::Truncated: file.write("[window]\nstay_on_top=tr\n[fees]\ncommission_ra"); break;
    case Damage::NotText: {
      QByteArray junk(4096, '\0');
      for (int i = 0; i < junk.size(); ++i) junk[i] = static_cast<char>((i * 131 + 7) % 256);
      file.write(junk);
      break;
    }
    case Damage::Huge: {
      const QByteArray line("[fees]\ncommission_rate=999\n");
      QByteArray block;
      while (block.size() < (1 << 20)) block += line;
      for (int i = 0; i < 100; ++i) file.write(block);
      break;
    }
    case Damage::Unreadable:
      file.write("[window]\nstay_on_top=true\n");
      file.setPermissions(QFileDevice::Permissions());
      break;
    default: break;
  }
}

QString DefaultText(const char* name) {
  for (const auto& control : stockcalc::Form10::kLayout.controls) {
    if (control.name == name) return QString::fromUtf8(control.text.data(), static_cast<qsizetype>(control.text.size()));
  }
  return {};
}

}  // namespace

class SettingsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QVERIFY(FreshSettings().contains(QStringLiteral(".qttest"))); }

  void cleanup() {
    const QString path = stockcalc::QtSettingsStore::Path();
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (QFileInfo(QFileInfo(path).path()).isFile()) QFile::remove(QFileInfo(path).path());
    QDir(path).removeRecursively();
    QFile::remove(path);
  }

  void ABrokenFileStartsWithTheDefaults_data() {
    QTest::addColumn<Damage>("damage");
    QTest::newRow("empty") << Damage::Empty;
    QTest::newRow("truncated") << Damage::Truncated;
    QTest::newRow("not text") << Damage::NotText;
    QTest::newRow("100 MB") << Damage::Huge;
    QTest::newRow("a directory") << Damage::Directory;
    QTest::newRow("a named pipe") << Damage::Pipe;
    QTest::newRow("unreadable") << Damage::Unreadable;
    QTest::newRow("its folder is a file") << Damage::FolderIsAFile;
  }

  void ABrokenFileStartsWithTheDefaults() {
    QFETCH(Damage, damage);
    const QString path = stockcalc::QtSettingsStore::Path();
    Make(damage, path);
    if (damage == Damage::Unreadable && QFile(path).open(QIODevice::ReadOnly)) {
      QSKIP("this user reads any file (root), so an unreadable file cannot be made");
    }

    const qint64 size_before = QFileInfo(path).size();
    QElapsedTimer clock;
    clock.start();
    WindowSet windows;
    windows.Start();
    QVERIFY(!windows.StaysOnTop());
    MessageCatcher catcher;
    catcher.Arm();
    windows.OpenFeesWindow(1);
    QVERIFY2(clock.elapsed() < 2000, "a broken settings file slowed the start");
    FormWindow& fees = *windows.Existing(kFeesForm);
    QVERIFY(fees.isVisible());
    QCoreApplication::processEvents();
    QCOMPARE(catcher.buttons, -1);  // no message came up
    for (const char* rate : {"Text4", "Text5", "Text6", "Text7"}) QCOMPARE(TextOf(fees, rate), DefaultText(rate));

    // The window computes as usual, and what it writes back costs at most the remembering.
    Child<QLineEdit>(fees, "Text1")->setText(QStringLiteral("10"));
    Child<QLineEdit>(fees, "Text2")->setText(QStringLiteral("1000"));
    QTest::mouseClick(Child<QPushButton>(fees, "Command1"), Qt::LeftButton);
    QCOMPARE(TextOf(fees, "Label17"), QStringLiteral("买入费用：5.10元"));
    windows.SetStayOnTop(true);
    QVERIFY(windows.Existing(1)->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    if (damage == Damage::Huge) QCOMPARE(QFileInfo(path).size(), size_before);  // not ours: left as it was
  }
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
