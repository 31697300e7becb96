#pragma once

class QApplication;
class QWidget;

namespace app {

// Look and language of the whole program: one style on every desktop, the
// small font the twips layout is drawn for, Qt's own texts in French; and the
// application id, which lets a desktop match the window to its menu entry.
void preparerApplication(QApplication& application);

// The check of an installed copy, "brivane --verifier-installation": opens the
// help as the menu "&Aide" of `fenetre` does, looks up the icon named by the
// application id in the desktop's data directories (XDG_DATA_DIRS), and
// prints the id, the help file and the icon found (or what went wrong)
// on standard output. Returns the program's exit code: 0 when both were found.
int verifierInstallation(QWidget& fenetre);

// Whether the program has somewhere to show its window: a display or a
// platform named by the environment (DISPLAY, WAYLAND_DISPLAY,
// QT_QPA_PLATFORM) or by a "-platform NAME" argument.
bool affichageIndique(int argc, const char* const argv[]);

} // namespace app
