#include "entry/nettoyage.h"

#include "nombres/nombres.h"

#include <algorithm>
#include <stdexcept>

namespace entry {

Nettoyage::Nettoyage(std::map<int, Refus> refus) : refus_(std::move(refus)) {}

void Nettoyage::changer(ChampSaisie& champ, int index, char16_t separateur,
                        const std::function<void(std::string_view)>& avertir,
                        const std::function<void()>& apres) {
    if (profondeur_ >= profondeurMaximale)
        return;
    ++profondeur_;
    profondeurAtteinte_ = std::max(profondeurAtteinte_, profondeur_);
    Controle_Saisie(champ, separateur);
    if (const auto r = refus_.find(index); r != refus_.end() && r->second.refuse) {
        const auto valeur = nombres::lireDouble(champ.texte(), separateur);
        if (valeur && r->second.refuse(*valeur)) {
            if (avertir)
                avertir(r->second.message);
            champ.remplacerTexte(u"0");
            champ.selectionner(0, static_cast<int>(champ.texte().size()));
        }
    }
    if (apres)
        apres();
    --profondeur_;
}

void ChampTexte::remplacerTexte(const std::u16string& texte) {
    texte_ = texte;
    debut_ = static_cast<int>(texte_.size());
    longueur_ = 0;
    if (change_)
        change_();
}

void ChampTexte::selectionner(int debut, int longueur) {
    if (debut < 0 || longueur < 0 || debut + longueur > static_cast<int>(texte_.size()))
        throw std::out_of_range("selection outside the text");
    debut_ = debut;
    longueur_ = longueur;
}

void ChampTexte::saisir(std::u16string_view frappe) {
    std::u16string t = texte_;
    t.replace(static_cast<std::size_t>(debut_), static_cast<std::size_t>(longueur_), frappe);
    texte_ = t;
    debut_ += static_cast<int>(frappe.size());
    longueur_ = 0;
    if (change_)
        change_();
}

void ChampTexte::placerCurseur(std::size_t position) {
    debut_ = static_cast<int>(std::min(position, texte_.size()));
    longueur_ = 0;
}

} // namespace entry
