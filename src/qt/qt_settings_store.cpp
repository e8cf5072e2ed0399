// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/qt_settings_store.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace stockcalc {
namespace {

// The settings this program writes take a few hundred bytes. A larger file
// is not one of ours: reading it would slow every start, and writing would
// replace it, so it is left alone.
constexpr qint64 kLargestSettingsFile = 1 << 20;

QString Key(std::string_view key) {
  return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

// The path is checked before QSettings is made, since making it reads the file.
bool Usable() {
  const QFileInfo file(QtSettingsStore::Path());
  return !file.exists() || (file.isFile() && file.size() <= kLargestSettingsFile);
}

}  // namespace

QString QtSettingsStore::Path() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/stockcalc/stockcalc.conf");
}

std::optional<std::string> QtSettingsStore::Read(std::string_view key) const {
  if (!Usable()) return std::nullopt;
  const QVariant value = QSettings(QStringLiteral("stockcalc"), QStringLiteral("stockcalc")).value(Key(key));
  if (!value.isValid()) return std::nullopt;
  return value.toString().toStdString();
}

void QtSettingsStore::Write(std::string_view key, std::string_view value) {
  if (!Usable()) return;
  QSettings(QStringLiteral("stockcalc"), QStringLiteral("stockcalc")).setValue(Key(key), Key(value));
}

}  // namespace stockcalc
