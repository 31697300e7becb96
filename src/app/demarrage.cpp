#include "app/demarrage.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

#include <cstdlib>
#include <string_view>

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

bool affichageIndique(int argc, const char* const argv[]) {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* valeur = std::getenv(variable);
        if (valeur != nullptr && valeur[0] != '\0')
            return true;
    }
    // Qt takes its options with one dash or two.
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string_view option(argv[i]);
        if (option == "-platform" || option == "--platform")
            return true;
    }
    return false;
}

} // namespace app
