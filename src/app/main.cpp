#include "app/demarrage.h"
#include "app/frm_brivane.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt only prints a stack of platform errors: say what to do.
bool affichageDisponible() {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* valeur = std::getenv(variable);
        if (valeur != nullptr && valeur[0] != '\0')
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (!affichageDisponible()) {
        std::fputs("brivane: no display found (DISPLAY is not set).\n"
                   "Start it from a desktop session, or without one, for instance:\n"
                   "  xvfb-run -a ./build/src/brivane\n"
                   "  QT_QPA_PLATFORM=offscreen ./build/src/brivane\n",
                   stderr);
        return 2;
    }
    QApplication application(argc, argv);
    app::preparerApplication(application);
    app::FrmBrivane fenetre;
    fenetre.show();
    return application.exec();
}
