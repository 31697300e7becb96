// Placing controls on a tab page. Positions and sizes are in twips, measured
// from the top left corner of the tab control, its two rows of tab headers
// included.
#pragma once

#include "tabs/description.h"
#include "ui/twips.h"

#include <QString>

#include <array>
#include <functional>
#include <initializer_list>
#include <span>
#include <vector>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace entry {
class FamilleChamps;
}

namespace tabs {

using ui::pixels;

// The page's own top left corner, in the tab control's twips.
constexpr int gauchePage = 0;
constexpr int hautPage = 2 * ui::hauteurRangOnglets;

void placer(QWidget* controle, int gauche, int haut, int largeur, int hauteur);

// Inside a frame, positions are measured from the frame's own top left
// corner: this gives the placement helpers the same spot.
constexpr int dansCadre(int haut) {
    return haut + hautPage;
}

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

// Where a box (an entry field, a list or a result) stands, with its caption
// right above it and its unit right of it: the labels "Nom(titre)" and
// "Nom(unite)" of the page's caption array, -1 for none. A caption the page
// has placed already (shared by the boxes of a row) is not placed again.
// The range its calculation accepts goes into the field's tooltip.
struct Encadre {
    int titre, unite;
    const char* texteTitre;
    const char* texteUnite;
    int gauche, haut;
    int lignes = 1; // lines the caption may wrap into
    Plage plage = {};
};

// A caption whose text a handler rewrites.
void reecrireLegende(QLabel* legende, const QString& texte);

// The text a control shows, as words: a field's or a result's text, a list's
// item, a caption on one line with its small "2"s (see indice) in place.
QString texteAffiche(const QWidget* controle);

// Places `boite` as `e` says, `largeur` × `hauteur`, with its caption
// (`largeurTitre` wide) and its unit, and adds it to the page's description.
void encadrer(QWidget* boite, const QString& legendes, const Encadre& e, int largeur, int hauteur,
              int largeurTitre);

// A unit label's new text, written by a calculation or a handler: the label
// stays as wide as its text.
void ecrireUnite(QLabel* unite, const QString& texte);

// A small "²" standing in a caption's text right after its first
// `caracteres` characters, on the caption's line and in its font; placerIndice
// moves it there again once the caption's text has changed.
QLabel* indice(QWidget* page, const QString& nom, const QLabel* legende, int caracteres);
void placerIndice(QLabel* indice, const QLabel* legende, int caracteres);

// An entry field of a family, its default text and where it stands.
struct ChampPlace {
    int champ;
    const char* defaut;
    Encadre e;
};

// Writes each field's default text and places it with its caption and unit.
void placerChamps(entry::FamilleChamps* champs, const QString& legendes,
                  std::initializer_list<ChampPlace> liste, int largeur, int hauteur,
                  int largeurTitre);

// Sets a label's text in bold, for headings and warnings.
void mettreEnGras(QLabel* label);

// The result labels "Nom(0)", "Nom(1)", … of a control array, each showing "0",
// into `labels`; encadrer places them.
void creerResultats(QWidget* page, const QString& nom, std::span<QLabel*> labels);

// A block's heading: one line in bold.
QLabel* titreDeBloc(QWidget* page, const QString& nom, const QString& texte, int gauche, int haut,
                    int largeur);

// A result flagged as a problem reads bold in pure red, otherwise in normal
// weight and black.
void signaler(QLabel* label, bool probleme);

// A line of text the calculation writes, empty at start, on one line or
// wrapping into the given height.
QLabel* ligneDeTexte(QWidget* page, const QString& nom, int gauche, int haut, int largeur,
                     int hauteur = 255);

// A picture drawn from one of the program's vector images (":/images/…"), at
// its own size (its pixels at 96 dpi), its top left corner at (gauche, haut);
// the page's sheet shows it too.
QWidget* illustration(QWidget* page, const QString& nom, const QString& image, int gauche,
                      int haut);

// A sunken line separating two blocks of a page, horizontal unless told otherwise.
QWidget* filet(QWidget* page, const QString& nom, int gauche, int haut, int longueur,
               bool vertical = false);

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

// The two arrow buttons of a row whose two fields convert into each other:
// "Nom(index)", caption ">", at `gauche`, converts the left field into the
// right one; "Nom(index + 1)", caption "<", 720 twips further, converts back.
// `convertir` receives the index of the button clicked.
std::array<QPushButton*, 2> fleches(QWidget* page, const QString& nom, int index, int gauche,
                                    int haut, const std::function<void(int index)>& convertir);

// The other field of such a row: index + 1 for an even index, index − 1 for
// an odd one.
constexpr int partenaire(int index) {
    return index % 2 == 0 ? index + 1 : index - 1;
}

// The order in which the Tab key moves through a page's controls.
void ordreTabulation(const std::vector<QWidget*>& controles);

} // namespace tabs
