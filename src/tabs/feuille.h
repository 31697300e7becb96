// The calculation sheet of a tab: its title, its inputs and results with
// their captions and units as the page shows them, its picture and its
// formulas. Copied as text a spreadsheet pastes into columns, or saved as a
// one-page PDF through Qt's save dialog; the same data feeds both.
#pragma once

#include <QString>

#include <vector>

class QLabel;
class QMenu;
class QWidget;

namespace tabs {

struct Feuille {
    // One quantity; a line of text the calculation wrote has only a caption.
    struct Ligne {
        QString titre, valeur, unite;
    };
    struct Section {
        QString titre; // "Données", "Valeurs", "Résultats"
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

// Writes the sheet as a one-page A4 PDF; false when the file cannot be written.
bool ecrirePdf(const Feuille& feuille, const QString& chemin);

// The two entries "Copier la feuille de calcul" and "Enregistrer la feuille
// de calcul en PDF…" for the page holding `controle`.
void ajouterEntrees(QMenu* menu, QWidget* controle);

// The context menu of a page's free area: the two entries.
void menuDePage(QWidget* page);

// The context menu of a result: Qt's own copy and select-all, then the two entries.
void menuDeResultat(QLabel* resultat);

} // namespace tabs
