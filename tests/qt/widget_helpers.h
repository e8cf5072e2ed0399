// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers of the widget tests: find controls by object name, type as a user
// does, answer message boxes, walk the switch buttons.

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

#include "shell/switch_table.h"
#include "qt/window_set.h"

using stockcalc::FormWindow;
using stockcalc::WindowSet;

namespace test {

// Widget tests keep the program's settings in Qt's test-mode location,
// never in the user's, and start each test from none.
inline QString FreshSettings() {
  QStandardPaths::setTestModeEnabled(true);
  QSettings settings(QStringLiteral("stockcalc"), QStringLiteral("stockcalc"));
  settings.clear();
  settings.sync();
  return settings.fileName();
}

template <class W>
inline W* Child(QWidget& window, const char* name) {
  auto* widget = window.findChild<W*>(QString::fromLatin1(name));
  if (widget == nullptr) qFatal("no control %s in %s", name, qPrintable(window.objectName()));
  return widget;
}

// Types as a user does: ASCII through key events, Chinese characters as an
// input method commits them.
inline void Type(QLineEdit* edit, const QString& text) {
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

inline QString TextOf(QWidget& window, const char* name) {
  if (auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(name))) return edit->text();
  return Child<QLabel>(window, name)->text();
}

// Answers the next message box from inside its modal loop, remembering its
// title, text and buttons.
struct MessageCatcher {
  QString title, text;
  int buttons = -1;
  bool had_icon = true;

  QString button_text;

  void Arm() {
    QTimer::singleShot(0, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      title = box->windowTitle();
      text = box->text();
      buttons = static_cast<int>(box->buttons().size());
      if (buttons == 1) button_text = box->buttons().front()->text();
      had_icon = box->icon() != QMessageBox::NoIcon;
      box->accept();
    });
  }
};

inline int VisibleWindows(const WindowSet& windows) {
  int visible = 0;
  for (int n = 1; n <= stockcalc::kFormCount; ++n) {
    if (windows.Existing(n) != nullptr && windows.Existing(n)->isVisible()) ++visible;
  }
  return visible;
}

inline void Press(WindowSet& windows, int form, const char* button) {
  QTest::mouseClick(Child<QPushButton>(windows.Window(form), button), Qt::LeftButton);
}

// The switch buttons that lead from the main window to window `form`.
inline QList<const stockcalc::SwitchButton*> PathTo(int form) {
  QList<QList<const stockcalc::SwitchButton*>> paths(stockcalc::kFormCount + 1);
  QList<int> queue{1};
  QList<bool> seen(stockcalc::kFormCount + 1, false);
  seen[1] = true;
  while (!queue.isEmpty()) {
    const int at = queue.takeFirst();
    for (const auto& entry : stockcalc::SwitchTable()) {
      if (entry.from != at || seen[entry.to]) continue;
      seen[entry.to] = true;
      paths[entry.to] = paths[at];
      paths[entry.to].append(&entry);
      queue.append(entry.to);
    }
  }
  return paths[form];
}

}  // namespace test

namespace test {

// Shows window `form` the way a user reaches it: through switch buttons
// from the main window.
inline FormWindow& Open(WindowSet& windows, int form) {
  windows.Start();
  for (const auto* step : PathTo(form)) Press(windows, step->from, step->button.data());
  return windows.Window(form);
}

}  // namespace test
