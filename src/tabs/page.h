// What every tab page has: its description (the boxes with their captions,
// for the tooltips, the accessible names and the calculation sheet), the
// sheet's menus, its start-up step, its help topic, and the helpers that
// place a box with its caption and unit and read the page's controls for a
// calculation.
#pragma once

#include "entry/champs_qt.h"
#include "formulaires/formulaire.h"
#include "tabs/description.h"

#include <QWidget>

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

class QLabel;

namespace tabs {

// Reads the controls of a page for a calculation: a field's or a label's
// text, a list's item, found by their names "famille(index)" under `page`.
class LecteurPage : public formulaires::Lecteur {
public:
    explicit LecteurPage(const QWidget* page) : page_(page) {}
    std::u16string texte(std::string_view famille, int index) const override;
    int item(std::string_view famille, int index) const override;
    char16_t separateur() const override;

private:
    QWidget* controle(std::string_view famille, int index) const;
    const QWidget* page_;
};

class Page : public QWidget {
public:
    // `legendes`: the page's caption array ("LblGic"); `formules`: its
    // calculations' formulas, one a line.
    Page(const QString& legendes, std::initializer_list<std::string_view> formules);

    // What the page does at start-up once the separator is read; no
    // calculation runs.
    virtual void demarrer() {}

    Description& description() { return description_; }
    const Description& description() const { return description_; }

    // The help topic's context number, given by the table of the tabs.
    std::int32_t contexteAide() const { return contexteAide_; }
    void fixerContexteAide(std::int32_t contexte) { contexteAide_ = contexte; }

    // Member `index` of the caption array, its name; nullptr for none yet.
    QString nomLegende(int index) const;
    QLabel* legende(int index) const;

protected:
    // In the tab set, a page whose controls leave a wide band empty on one
    // side has them moved, as a whole, to the middle.
    void resizeEvent(QResizeEvent* evenement) override;

    // Places `boite` as `e` says, `largeur` × `hauteur`, with its caption
    // (`largeurTitre` wide, unless `e` says) and its unit, and adds it to
    // the description; `legendes` names another caption array.
    void encadrer(QWidget* boite, const formulaires::Encadre& e, int largeur, int hauteur,
                  int largeurTitre, const QString& legendes = {});

    // The family "nom" of the fields of the tables, in `parent` (the page
    // unless told); the tables' refusals apply. placerChamps gives each field
    // of a table its default text and places it with its caption and unit;
    // champs does both.
    using Tables = std::initializer_list<std::span<const formulaires::Champ>>;
    entry::FamilleChamps* creerChamps(const QString& nom, Tables tables,
                                      entry::FamilleChamps::Comportement comportement,
                                      QWidget* parent = nullptr);
    void placerChamps(entry::FamilleChamps* famille, std::span<const formulaires::Champ> table,
                      int largeur, int hauteur, int largeurTitre);
    entry::FamilleChamps* champs(const QString& nom, std::span<const formulaires::Champ> table,
                                 entry::FamilleChamps::Comportement comportement, int largeur,
                                 int hauteur, int largeurTitre, QWidget* parent = nullptr);

    // A picture of the page, on the sheet while it is shown; `titre` and
    // `description` tell a screen reader what it shows.
    QWidget* illustrer(const QString& nom, const QString& image, int gauche, int haut,
                       const QString& titre, const QString& description);

    // A caption's or a unit's new text: the tooltips and names follow.
    void reecrireLegende(QLabel* legende, const QString& texte);
    // A unit label stays as wide as its text.
    void ecrireUnite(QLabel* unite, const QString& texte);

    // The controls a calculation reads, for its note: those its tables of
    // sources and choices name.
    template <class... Tables> std::vector<const QWidget*> lus(const Tables&... tables) const {
        std::vector<const QWidget*> controles;
        const auto ajouter = [&](const auto& table) {
            for (const auto& entree : table)
                controles.push_back(controleNomme(entree.famille, entree.index));
        };
        (ajouter(tables), ...);
        return controles;
    }
    const QWidget* controleNomme(std::string_view famille, int index) const;

    // The inputs of a calculation, read from the page's controls.
    template <class E>
    std::optional<E> lire(std::span<const formulaires::Source<E>> sources,
                          std::span<const formulaires::Choix<E>> listes = {}, E depart = {}) const {
        return formulaires::lire<E>(sources, listes, LecteurPage(this), depart);
    }

private:
    QString legendes_;
    Description description_;
    QPoint decalage_; // by which the controls stand moved
    std::int32_t contexteAide_ = 0;
};

} // namespace tabs
