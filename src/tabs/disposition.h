// Placing controls on a tab page. Positions and sizes are in twips, measured
// from the top left corner of the tab control, its two rows of tab headers
// included.
#pragma once

#include "formulaires/formulaire.h"
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

namespace tabs {

using ui::pixels;

// What a failed calculation writes into its results; the two humid-air
// results of the density tab show a shorter one.
inline const QString texteEchec = QStringLiteral("#####");
inline const QString texteEchecAirHumide = QStringLiteral("####");

using formulaires::dansCadre;
using formulaires::gauchePage;
using formulaires::hautPage;

// Twips: the height of a field, a list or a result box; the width of a
// calculate button.
constexpr int hauteurBoite = 315;
constexpr int largeurBouton = 495;

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
// its own size (its pixels at 96 dpi), its top left corner at (gauche, haut).
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

// A caption a screen reader gives `boite` where the page shows none of its
// own (a unit list beside a row's caption): a hidden label, its buddy.
QLabel* legendeCachee(QWidget* boite, const QString& texte);
bool estLegendeCachee(const QWidget* controle);

// The order in which the Tab key moves through a page's controls.
void ordreTabulation(const std::vector<QWidget*>& controles);

} // namespace tabs
