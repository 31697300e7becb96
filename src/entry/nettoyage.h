// What every change of an entry field's text runs, whatever shows the field:
// the cleaning, then the refusal of a value typed out of range, then the
// family's own extra handling. Replacing the text is itself a change: all of
// it runs again, nested, before the replacement returns.
#pragma once

#include "entry/controle_saisie.h"

#include <functional>
#include <map>
#include <string_view>

namespace entry {

// A value a field refuses as soon as it is typed: the warning box with the
// message, then the field holds "0", selected.
struct Refus {
    bool (*refuse)(double valeur) = nullptr; // the text read as a double
    const char* message = nullptr;           // UTF-8
};

class Nettoyage {
public:
    // The cleaning nests at most four times on its own replacements; deeper
    // than this is a loop, not a cleaning, and the text is left as it stands.
    static constexpr int profondeurMaximale = 8;

    // The refusals of the family's fields, by index.
    explicit Nettoyage(std::map<int, Refus> refus = {});

    // The Change handling of member `index`: the cleaning, then its refusal
    // (`avertir` shows the message; the field then holds "0", selected), then
    // `apres`.
    void changer(ChampSaisie& champ, int index, char16_t separateur,
                 const std::function<void(std::string_view message)>& avertir,
                 const std::function<void()>& apres = {});

    // The deepest nesting reached so far.
    int profondeurAtteinte() const { return profondeurAtteinte_; }

private:
    std::map<int, Refus> refus_;
    int profondeur_ = 0;
    int profondeurAtteinte_ = 0;
};

// A field held in memory, for the tests and the fuzz target: its text and
// selection; replacing the text runs `change`, as a shown field does.
class ChampTexte : public ChampSaisie {
public:
    explicit ChampTexte(std::u16string texte = u"0", std::function<void()> change = {})
        : texte_(std::move(texte)), change_(std::move(change)) {}

    std::u16string texte() const override { return texte_; }
    void remplacerTexte(const std::u16string& texte) override;
    void selectionner(int debut, int longueur) override;

    // The user types or pastes `frappe` over the selection.
    void saisir(std::u16string_view frappe);
    void placerCurseur(std::size_t position);
    int debut() const { return debut_; }
    int longueur() const { return longueur_; }

private:
    std::u16string texte_;
    std::function<void()> change_;
    int debut_ = 0, longueur_ = 0;
};

} // namespace entry
