#pragma once

class QApplication;

namespace app {

// Look and language of the whole program: one style on every desktop, the
// small font the twips layout is drawn for, Qt's own texts in French.
void preparerApplication(QApplication& application);

// Whether the program has somewhere to show its window: a display or a
// platform named by the environment (DISPLAY, WAYLAND_DISPLAY,
// QT_QPA_PLATFORM) or by a "-platform NAME" argument.
bool affichageIndique(int argc, const char* const argv[]);

} // namespace app
