#pragma once

class QApplication;

namespace app {

// Look and language of the whole program: one style on every desktop, the
// small font the twips layout is drawn for, Qt's own texts in French.
void preparerApplication(QApplication& application);

} // namespace app
