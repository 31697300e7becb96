// The calculation sheet of a tab: its title, its inputs and results with
// their captions and units as the page shows them, its picture and its
// formulas. Copied as text a spreadsheet pastes into columns, or saved as a
// PDF of one or two pages; the same data feeds both.
#pragma once

#include <QString>

#include <vector>

namespace tabs {

struct Feuille {
    // One quantity; a line of text the calculation wrote has only a caption,
    // as has the heading of a block's lines within a section.
    struct Ligne {
        QString titre, valeur, unite;
        bool intertitre = false;
    };
    struct Section {
        QString titre; // "Données", "Valeurs", "Résultats", "Valeurs intermédiaires"
        std::vector<Ligne> lignes;
    };
    QString titre; // the tab's
    std::vector<Section> sections;
    QString formules; // one a line
    QString image;    // ":/images/…", empty for none
};

// The sheet as text: the title, then each section's name and its quantities,
// one a line, caption, value and unit separated by tabs.
QString texteFeuille(const Feuille& feuille);

// Writes the sheet as an A4 PDF, replacing the file only once the new one is
// whole; false when it cannot be written, the file then as it was. The
// tables and the formulas with the picture share one page when they fit,
// else the formulas and the picture take a second one.
bool ecrirePdf(const Feuille& feuille, const QString& chemin);

} // namespace tabs
