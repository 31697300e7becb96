// The help launcher of the module and where the program finds its help file.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace ModGeneral {

// Opens the program's help file in the help window, on its default topic or,
// given a context number, on that topic. The help file is always the
// program's own, looked up as app::trouverAide says, whatever `Fichier`
// names; when it is missing, a stop box titled "FICHIER D'AIDE MANQUANT."
// tells the user to put it back, and nothing else happens. With a window
// name, `Fichier` becomes "Fichier>Nom_Fenetre" (both trimmed), the viewer's
// syntax for a named window; the one help window serves every name.
void Ouvrir_Aide(QString& Fichier, QString& Nom_Fenetre,
                 std::optional<std::int32_t> Contexte = std::nullopt);

} // namespace ModGeneral

namespace app {

class FenetreAide;

// "Brivane.chm" in the program's own directory, the path the menu passes.
QString cheminAide();

// The help file the program opens: next to the executable (the build tree),
// else in the program's data directory once installed (share/brivane beside
// the bin directory); "" when neither holds it.
QString trouverAide();

// The directory taken as the program's own; empty for the executable's.
void fixerDossierProgramme(const QString& dossier);

// The help window while it is open, nullptr otherwise.
FenetreAide* fenetreAide();

} // namespace app
