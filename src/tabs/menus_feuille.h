// The menus that copy or save a tab's calculation sheet: on the page's free
// area, and on each result after Qt's own copy and select-all.
#pragma once

#include <functional>

class QLabel;
class QWidget;

namespace tabs {

struct Feuille;

// The sheet of the page as it shows when the entry is chosen.
using SourceFeuille = std::function<Feuille()>;

// "Copier la feuille de calcul" puts the sheet on the clipboard as text;
// "Enregistrer la feuille de calcul en PDF…" asks for a file in Qt's save
// dialog and writes it there, a warning box telling when it could not.
void menuDePage(QWidget* page, SourceFeuille source);
void menuDeResultat(QLabel* resultat, SourceFeuille source);

} // namespace tabs
