#include "app/startup.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace stockcalc {

void InstallChineseCatalogue(QCoreApplication& app) {
  auto* catalogue = new QTranslator(&app);
  if (catalogue->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(catalogue);
  } else {
    delete catalogue;
  }
}

}  // namespace stockcalc
