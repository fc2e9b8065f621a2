#include "app/TraducaoQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void instalaTraducaoQt() {
    static QTranslator traducao;  // for the whole run
    if (!traducao.isEmpty()) return;
    if (traducao.load(QLocale(QLocale::Portuguese, QLocale::Brazil), "qtbase", "_",
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&traducao);
}
