// SPDX-License-Identifier: GPL-3.0-or-later
// The floor every start-up figure is divided by: the smallest Qt Widgets
// program of the main window's shape. One 307 x 231 window with the same
// controls (9 labels, 3 text boxes, 7 buttons), the same Chinese captions
// and the same font, shown at start; nothing else.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("鼎衡股票计算器    作者：青松"));
  QFont font;
  font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Source Han Sans SC"),
                    QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Droid Sans Fallback")});
  font.setPixelSize(12);
  window.setFont(font);
  window.setFixedSize(307, 231);

  struct Item {
    int kind;  // 0 label, 1 text box, 2 button
    int x, y, w, h;
    const char* text;
  };
  const Item items[] = {
      {0, 24, 24, 36, 12, "昨天收盘价："},
      {1, 104, 24, 89, 25, ""},
      {0, 200, 32, 12, 12, ""},
      {0, 232, 32, 12, 12, "↑："},
      {0, 264, 32, 36, 12, ""},
      {0, 24, 72, 36, 12, "涨跌幅："},
      {1, 104, 64, 89, 25, "1.50"},
      {0, 200, 72, 60, 12, "% 如：1.55"},
      {0, 24, 112, 36, 12, "最低价："},
      {1, 104, 104, 89, 33, "最低价"},
      {0, 200, 112, 6, 12, "↓下跌："},
      {0, 240, 112, 36, 12, ""},
      {2, 16, 152, 86, 28, "止盈止损价"},
      {2, 112, 152, 86, 28, "补仓成本"},
      {2, 208, 152, 86, 28, "涨跌幅切换"},
      {2, 16, 192, 46, 28, "乘法"},
      {2, 56, 192, 46, 28, "除法"},
      {2, 112, 192, 86, 28, "复利计算器"},
      {2, 208, 192, 86, 28, "涨停价切换"},
  };
  for (const Item& item : items) {
    QWidget* widget = nullptr;
    const QString text = QString::fromUtf8(item.text);
    if (item.kind == 0) {
      auto* label = new QLabel(text, &window);
      label->move(item.x, item.y);
      label->adjustSize();
      continue;
    }
    if (item.kind == 1) {
      widget = new QLineEdit(text, &window);
    } else {
      widget = new QPushButton(text, &window);
    }
    widget->setGeometry(item.x, item.y, item.w, item.h);
  }
  window.show();
  return QApplication::exec();
}
