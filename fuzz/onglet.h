// A tab's controls as the fuzz target holds them: entry fields in memory
// whose every change runs their family's real Change handling (the cleaning,
// then the refusals of the form's Champ table), result labels and the items
// picked in lists, read by formulaires::lire as the page's controls are.
#pragma once

#include "format.h"
#include "verifications.h"

#include "entry/nettoyage.h"
#include "formulaires/formulaire.h"

#include <compare>
#include <initializer_list>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace fuzz {

// A control "famille(index)": a field, a label or a list. The names come
// from the forms' tables and outlive every input.
struct Controle {
    std::string_view famille;
    int index;
    auto operator<=>(const Controle&) const = default;
};

class Onglet final : public formulaires::Lecteur {
public:
    explicit Onglet(char16_t separateur) : separateur_(separateur) {}

    // The fields "famille(i)": those of `table` hold its default texts and
    // its refusals apply; any other member, created when it is first named,
    // holds "0".
    void declarer(std::string_view famille, std::span<const formulaires::Champ> table);

    // The user enters a field line into a field of a declared family; into a
    // label, the line is cleaned as a field's without refusal and shown.
    void saisir(Controle controle, const Ligne& ligne);
    // The program writes a number into a field: its Change handling must
    // leave it as it is.
    void ecrire(Controle champ, const std::u16string& texte, const char* quoi);
    // The results of a success, each checked; `noms` names them for the
    // reports, ", " between two.
    void montrer(std::string_view noms, std::initializer_list<Valeur> valeurs) const;
    // A label's new text; a result checked, then shown in its label.
    void afficher(Controle libelle, std::u16string texte);
    void afficher(Controle libelle, Valeur valeur, const char* quoi);
    void choisir(Controle liste, int item);

    // A label's or a field's text, "0" for a control nothing wrote; the item
    // picked in a list, -1 for a list never chosen.
    std::u16string texte(std::string_view famille, int index) const override;
    int item(std::string_view famille, int index) const override;
    char16_t separateur() const override { return separateur_; }

private:
    struct Famille {
        std::map<int, entry::Refus> refus;
        entry::Nettoyage nettoyage;
    };

    entry::ChampTexte& champ(Controle controle);
    entry::Refus refus(Controle controle) const;
    void entrer(entry::ChampTexte& champ, const Ligne& ligne, const entry::Refus& refus);
    void verifierProfondeur(Controle controle) const;

    char16_t separateur_;
    std::map<std::string_view, Famille> familles_;
    std::map<Controle, std::unique_ptr<entry::ChampTexte>> champs_;
    std::map<Controle, std::u16string> libelles_;
    std::map<Controle, int> items_;
};

} // namespace fuzz
