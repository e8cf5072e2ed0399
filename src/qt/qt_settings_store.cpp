// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/qt_settings_store.h"

#include <QSettings>

namespace stockcalc {
namespace {

QString Key(std::string_view key) {
  return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

}  // namespace

std::optional<std::string> QtSettingsStore::Read(std::string_view key) const {
  const QVariant value = QSettings(QStringLiteral("stockcalc"), QStringLiteral("stockcalc")).value(Key(key));
  if (!value.isValid()) return std::nullopt;
  return value.toString().toStdString();
}

void QtSettingsStore::Write(std::string_view key, std::string_view value) {
  QSettings(QStringLiteral("stockcalc"), QStringLiteral("stockcalc")).setValue(Key(key), Key(value));
}

}  // namespace stockcalc
