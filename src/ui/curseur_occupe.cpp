#include "ui/curseur_occupe.h"

#include <QApplication>
#include <QCursor>

namespace ui {

CurseurOccupe::CurseurOccupe() {
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

CurseurOccupe::~CurseurOccupe() {
    QApplication::restoreOverrideCursor();
}

} // namespace ui
