#include "app/demarrage.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

namespace app {

void preparerApplication(QApplication& application) {
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont police = application.font();
    police.setPointSize(8);
    application.setFont(police);

    // The line edits' context menu and the standard buttons speak French.
    auto* traductionQt = new QTranslator(&application);
    if (traductionQt->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(traductionQt);
}

} // namespace app
