// The cleaning run on every change of an entry field's text: it keeps the
// text a number, or a number being typed, and puts "0" in place of the rest.
#pragma once

#include <string>

namespace entry {

// What the cleaning needs of a field. Replacing the text is itself a change:
// the field's whole Change handling (this cleaning included) runs again,
// nested, before remplacerTexte returns.
class ChampSaisie {
public:
    virtual ~ChampSaisie() = default;
    virtual std::u16string texte() const = 0;
    virtual void remplacerTexte(const std::u16string& texte) = 0;
    virtual void selectionner(int debut, int longueur) = 0;
};

void Controle_Saisie(ChampSaisie& champ, char16_t separateur);

} // namespace entry
