// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: --help and --version print and end without a window,
// a wrong option or argument ends with a one-line error. The program runs
// with no display at all, so any attempt to open a window would fail loudly.

#include <QProcess>
#include <QtTest>

using Lines = QStringList;

class CommandLineTest : public QObject {
  Q_OBJECT

 private slots:
  void PrintsAndEndsWithoutAWindow_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");    // a piece of standard output
    QTest::addColumn<QString>("error");  // the whole of standard error

    const QString usage = QStringLiteral("用法：");
    QTest::newRow("--help") << QStringList{"--help"} << 0 << usage << QString();
    QTest::newRow("-h") << QStringList{"-h"} << 0 << QStringLiteral("--fees") << QString();
    QTest::newRow("--version") << QStringList{"--version"} << 0
                               << QStringLiteral("stockcalc " STOCKCALC_VERSION "\n") << QString();
    QTest::newRow("-v") << QStringList{"-v"} << 0 << QStringLiteral("stockcalc " STOCKCALC_VERSION)
                        << QString();
    QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << QString()
                                    << QStringLiteral("stockcalc: 未知选项“bogus”。\n");
    QTest::newRow("unknown short option")
        << QStringList{"-x"} << 2 << QString() << QStringLiteral("stockcalc: 未知选项“x”。\n");
    QTest::newRow("an argument") << QStringList{"12.5"} << 2 << QString()
                                 << QStringLiteral("stockcalc: 多余的参数“12.5”。\n");
    QTest::newRow("help wins over a wrong option") << QStringList{"--help", "--bogus"} << 2 << QString()
                                                   << QStringLiteral("stockcalc: 未知选项“bogus”。\n");
  }

  void PrintsAndEndsWithoutAWindow() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, error);

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(STOCKCALC_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(10000));
    const QString standard_out = QString::fromUtf8(program.readAllStandardOutput());
    const QString standard_error = QString::fromUtf8(program.readAllStandardError());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), status);
    QVERIFY2(standard_out.contains(out), qPrintable(standard_out));
    if (out.isEmpty()) QCOMPARE(standard_out, QString());
    QCOMPARE(standard_error, error);
  }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
