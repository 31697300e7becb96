// Placing controls on a tab page. Positions and sizes are given in twips
// (1/1440 inch, 15 to a pixel at 96 dpi; Qt scales the pixels on high-DPI
// screens), measured from the top left corner of the tab control, its two
// rows of tab headers included.
#pragma once

#include <QString>

#include <vector>

class QLabel;
class QPushButton;
class QWidget;

namespace tabs {

constexpr int twipsParPixel = 15;
constexpr int pixels(int twips) {
    return (twips + twipsParPixel / 2) / twipsParPixel;
}

// Height of one row of tab headers; the tab control has two.
constexpr int hauteurRangOnglets = 520;

// The page's own top left corner, in the tab control's twips.
constexpr int gauchePage = 0;
constexpr int hautPage = 2 * hauteurRangOnglets;

void placer(QWidget* controle, int gauche, int haut, int largeur, int hauteur);

// A caption label; a text longer than its box wraps instead of being clipped.
QLabel* legende(QWidget* page, const QString& nom, const QString& texte, int gauche, int haut,
                int largeur, int hauteur);

// A caption right above a field or result box whose top is `hautBoite`: its
// last line stands against the box whatever the number of lines it wraps into.
QLabel* legendeAuDessus(QWidget* page, const QString& nom, const QString& texte, int gauche,
                        int hautBoite, int largeur, int lignes = 1);

// A unit label right of a field or result box.
QLabel* uniteADroite(QWidget* page, const QString& nom, const QString& texte, int gaucheBoite,
                     int largeurBoite, int hautBoite);

// Sets a label's text in bold, for headings and warnings.
void mettreEnGras(QLabel* label);

// A read-only, bordered result box showing "0".
QLabel* resultat(QWidget* page, const QString& nom, int gauche, int haut, int largeur, int hauteur);

// A calculate button, caption ">" unless told otherwise.
QPushButton* bouton(QWidget* page, const QString& nom, int gauche, int haut, int largeur,
                    int hauteur, const QString& texte = QStringLiteral(">"));

// The order in which the Tab key moves through a page's controls.
void ordreTabulation(const std::vector<QWidget*>& controles);

} // namespace tabs
