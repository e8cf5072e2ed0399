// Walks to each of the nine windows through its switch buttons, types a
// worked example, computes, and saves a PNG of every window.
// Usage: gallery OUT_DIR

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

#include "app/window_set.h"

namespace {

struct Shot {
  int form;
  QList<QPair<int, const char*>> path;  // (window, button) pressed from the main window
  QList<QPair<const char*, const char*>> typed;
};

const QList<Shot> kShots = {
    {1, {}, {{"Text1", "10"}, {"Text2", "1.50"}}},
    {2, {{1, "Command3"}}, {{"Text1", "9.85"}, {"Text2", "10"}}},
    {3, {{1, "Command4"}}, {{"Text1", "12.34"}}},
    {7, {{1, "Command4"}, {3, "Command4"}}, {{"Text1", "10"}, {"Text2", "10"}, {"Text5", "10"}}},
    {6, {{1, "Command2"}}, {{"Text1", "10.5元"}, {"Text2", "1000股"}, {"Text3", "9.8"}, {"Text4", "500"}}},
    {8, {{1, "Command2"}, {6, "Command4"}}, {{"Text1", "12.34"}}},
    {5, {{1, "Command6"}}, {{"Text1", "8.88"}, {"Text2", "350"}}},
    {9, {{1, "Command7"}}, {{"Text1", "100"}, {"Text2", "3"}}},
    {4, {{1, "Command7"}, {9, "Command5"}}, {{"Text1", "12，3元"}, {"Text2", "1%"}}},
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
  for (const Shot& shot : kShots) {
    stockcalc::WindowSet windows;
    windows.Start();
    for (const auto& [form, button] : shot.path) {
      windows.Window(form).findChild<QPushButton*>(QString::fromLatin1(button))->click();
    }
    stockcalc::FormWindow& window = windows.Window(shot.form);
    for (const auto& [box, text] : shot.typed) {
      window.findChild<QLineEdit*>(QString::fromLatin1(box))->setText(QString::fromUtf8(text));
    }
    window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    QApplication::processEvents();
    const QString file = out.filePath(QStringLiteral("form%1.png").arg(shot.form));
    if (!window.grab().save(file)) return 1;
  }
  return 0;
}
