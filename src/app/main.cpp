#include "app/demarrage.h"
#include "app/frm_brivane.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Without a display Qt only prints a stack of platform errors: say what to do.
    if (!app::affichageIndique(argc, argv)) {
        std::fputs("brivane : aucun affichage trouvé (DISPLAY n'est pas défini).\n"
                   "Lancez Brivane depuis une session de bureau ou, sans elle, par exemple :\n"
                   "  xvfb-run -a ./build/src/brivane\n"
                   "  ./build/src/brivane -platform offscreen\n",
                   stderr);
        return 2;
    }
#endif
    QApplication application(argc, argv);
    app::preparerApplication(application);
    app::FrmBrivane fenetre;
    fenetre.show();
    if (QApplication::arguments().contains(QStringLiteral("--verifier-installation")))
        return app::verifierInstallation(fenetre);
    return application.exec();
}
