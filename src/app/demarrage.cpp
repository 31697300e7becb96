#include "app/demarrage.h"

#include "app/aide.h"
#include "app/fenetre_aide.h"
#include "ui/accessibilite.h"

#include <QAction>
#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QTextStream>
#include <QTimer>
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

    QGuiApplication::setDesktopFileName(QStringLiteral(BRIVANE_ID_APPLICATION));
    ui::installerAccessibilite();
}

int verifierInstallation(QWidget& fenetre) {
    QTextStream sortie(stdout);
    const QString id = QGuiApplication::desktopFileName();
    sortie << "Application : " << id << '\n';

    // A box shown instead of the help runs its own event loop: a timer reads
    // its title and closes it.
    QString boite;
    QTimer minuterie;
    QObject::connect(&minuterie, &QTimer::timeout, [&] {
        if (auto* message = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            boite = message->windowTitle();
            message->done(QMessageBox::Ok);
        }
    });
    minuterie.start(10);
    fenetre.findChild<QAction*>(QStringLiteral("MnuAide"))->trigger();
    minuterie.stop();
    const FenetreAide* aide = fenetreAide();
    const bool aideOuverte = boite.isEmpty() && aide != nullptr && aide->isVisible();
    QString vue = boite;
    if (aideOuverte)
        vue = aide->chemin();
    else if (boite.isEmpty())
        vue = QStringLiteral("non ouverte");
    sortie << "Aide : " << vue << '\n';
    delete aide;

    const QString icone =
        QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                               QStringLiteral("icons/hicolor/scalable/apps/%1.svg").arg(id));
    sortie << "Icône : " << (icone.isEmpty() ? QStringLiteral("introuvable") : icone) << '\n';
    return aideOuverte && !icone.isEmpty() ? 0 : 1;
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
