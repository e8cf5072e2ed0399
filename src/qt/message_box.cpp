// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/message_box.h"

#include <QMessageBox>

#include "qt/look.h"
#include "fields/prompt.h"

namespace stockcalc {

void ShowAppMessage(QWidget* over, const QString& text) {
  const QString title = QString::fromUtf8(kAppTitle.data(), static_cast<qsizetype>(kAppTitle.size()));
  QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, over);
  box.setFont(WindowFont());
  box.setObjectName(QStringLiteral("AppMessage"));
  box.exec();
}

}  // namespace stockcalc
