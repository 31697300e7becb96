// Placing controls on a tab page. Positions and sizes are in twips, measured
// from the top left corner of the tab control, its two rows of tab headers
// included.
#pragma once

#include "ui/twips.h"

#include <QString>

#include <functional>
#include <vector>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace tabs {

using ui::pixels;

// The page's own top left corner, in the tab control's twips.
constexpr int gauchePage = 0;
constexpr int hautPage = 2 * ui::hauteurRangOnglets;

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

// Where a box (an entry field or a result) stands, with its caption right
// above it and its unit right of it: the labels "Nom(titre)" and "Nom(unite)"
// of the page's caption array, -1 for none.
struct Encadre {
    int titre, unite;
    const char* texteTitre;
    const char* texteUnite;
    int gauche, haut;
    int lignes = 1; // lines the caption may wrap into
};

// A unit label whose text a calculation rewrites: it stays as wide as its text.
void reecrireUnite(QLabel* unite, const QString& texte);

// Places `boite` as `e` says, `largeur` × `hauteur`, with its caption
// (`largeurTitre` wide) and its unit.
void encadrer(QWidget* boite, const QString& legendes, const Encadre& e, int largeur, int hauteur,
              int largeurTitre);

// Sets a label's text in bold, for headings and warnings.
void mettreEnGras(QLabel* label);

// A result flagged as a problem reads bold in pure red, otherwise in normal
// weight and black.
void signaler(QLabel* label, bool probleme);

// A line of text the calculation writes, empty at start, on one line or
// wrapping into the given height.
QLabel* ligneDeTexte(QWidget* page, const QString& nom, int gauche, int haut, int largeur,
                     int hauteur = 255);

// A picture drawn from one of the program's vector images (":/images/…"), at
// its own size (its pixels at 96 dpi), its top left corner at (gauche, haut).
QWidget* illustration(QWidget* page, const QString& nom, const QString& image, int gauche,
                      int haut);

// A thin line drawn from (x1, y1) to (x2, y2), such as a leader from a
// field to a picture.
QWidget* trait(QWidget* page, const QString& nom, int x1, int y1, int x2, int y2);

// A small round dot in the middle of its box, such as the end of a leader.
QWidget* point(QWidget* page, const QString& nom, int gauche, int haut, int largeur, int hauteur);

// A plain rectangle around a group of controls, which are created in it
// (see option).
QFrame* cadre(QWidget* page, const QString& nom, int gauche, int haut, int largeur, int hauteur);

// An option button of the group in `cadre`, placed in the page's twips; a
// caption wider than the button goes on to as many lines as it needs.
QRadioButton* option(QFrame* cadre, const QString& nom, const QString& texte, int gauche, int haut,
                     int largeur, int hauteur);

// A check box.
QCheckBox* caseACocher(QWidget* page, const QString& nom, const QString& texte, int gauche,
                       int haut, int largeur, int hauteur);

// A read-only, bordered result box showing "0".
QLabel* resultat(QWidget* page, const QString& nom, int gauche, int haut, int largeur, int hauteur);

// A calculate button running `calcul` when clicked (guarded as every
// calculation is, see entry::lancerCalcul), caption ">" unless told otherwise.
QPushButton* bouton(QWidget* page, const QString& nom, int gauche, int haut, int largeur,
                    int hauteur, std::function<void()> calcul,
                    const QString& texte = QStringLiteral(">"));

// The order in which the Tab key moves through a page's controls.
void ordreTabulation(const std::vector<QWidget*>& controles);

} // namespace tabs
