// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/startup.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "qt/form_window.h"

namespace stockcalc {

void InstallChineseCatalogue(QCoreApplication& app) {
  auto* catalogue = new QTranslator(&app);
  if (catalogue->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(catalogue);
  } else {
    delete catalogue;
  }
}

namespace {

QAccessibleInterface* CalculatorWindowAccessible(const QString& /*class_name*/, QObject* object) {
  auto* window = dynamic_cast<FormWindow*>(object);
  return window != nullptr ? new QAccessibleWidget(window, QAccessible::Window) : nullptr;
}

}  // namespace

void InstallWindowAccessibility() { QAccessible::installFactory(CalculatorWindowAccessible); }

}  // namespace stockcalc
