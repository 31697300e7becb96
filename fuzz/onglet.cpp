#include "onglet.h"

#include "nombres/nombres.h"

#include <stdexcept>

namespace fuzz {

namespace {

std::string nom(Controle c) {
    return std::string(c.famille) + "(" + std::to_string(c.index) + ")";
}

} // namespace

void Onglet::declarer(std::string_view famille, std::span<const formulaires::Champ> table) {
    // A family may stand in several tables, one a block of its page.
    Famille& f = familles_[famille];
    for (const formulaires::Champ& c : table)
        if (c.refus.refuse != nullptr)
            f.refus[c.index] = c.refus;
    f.nettoyage = entry::Nettoyage(f.refus);
    for (const formulaires::Champ& c : table)
        ecrire({famille, c.index}, utf16(c.defaut), "default text");
}

entry::ChampTexte& Onglet::champ(Controle controle) {
    auto& champ = champs_[controle];
    if (!champ)
        champ = std::make_unique<entry::ChampTexte>(u"0", [this, controle] {
            familles_.at(controle.famille)
                .nettoyage.changer(*champs_.at(controle), controle.index, separateur_, {});
        });
    return *champ;
}

entry::Refus Onglet::refus(Controle controle) const {
    const auto& refus = familles_.at(controle.famille).refus;
    const auto r = refus.find(controle.index);
    return r != refus.end() ? r->second : entry::Refus{};
}

void Onglet::verifierProfondeur(Controle controle) const {
    fuzz::verifierProfondeur(familles_.at(controle.famille).nettoyage, nom(controle),
                             champs_.at(controle)->texte());
}

void Onglet::entrer(entry::ChampTexte& champ, const Ligne& ligne, const entry::Refus& refus) {
    if (ligne.genre == Ligne::Genre::Collee) {
        // Pasted over the whole text, which taking the focus selected.
        champ.selectionner(0, static_cast<int>(champ.texte().size()));
        champ.saisir(ligne.avant);
        verifierValeurGardee(ligne.avant, champ.texte(), separateur_, refus);
        return;
    }
    champ.remplacerTexte(ligne.avant + ligne.apres);
    champ.placerCurseur(ligne.avant.size());
    if (ligne.genre == Ligne::Genre::ColleeAuCurseur) {
        champ.saisir(ligne.frappe);
        return;
    }
    for (std::size_t i = 0; i < ligne.frappe.size(); ++i)
        champ.saisir(std::u16string_view(ligne.frappe).substr(i, 1));
}

void Onglet::saisir(Controle controle, const Ligne& ligne) {
    // A label has no Change handling of its own: the line is cleaned without refusal.
    familles_.try_emplace(controle.famille, Famille{{}, entry::Nettoyage()});
    entry::ChampTexte& c = champ(controle);
    try {
        entrer(c, ligne, refus(controle));
    } catch (const std::out_of_range&) {
        echec("the cleaning of " + nom(controle) + " selected outside \"" + ascii(c.texte()) +
              "\"");
    }
    verifierProfondeur(controle);
    verifierNettoye(c.texte(), separateur_);
}

void Onglet::ecrire(Controle champ, const std::u16string& texte, const char* quoi) {
    verifierTexte(texte, quoi);
    if (!nombres::lireDouble(texte, separateur_))
        echec(std::string(quoi) + " \"" + ascii(texte) + "\" is no number");
    entry::ChampTexte& c = this->champ(champ);
    c.remplacerTexte(texte);
    verifierProfondeur(champ);
    if (c.texte() != texte)
        echec(std::string(quoi) + " \"" + ascii(texte) + "\" written into " + nom(champ) +
              " became \"" + ascii(c.texte()) + "\"");
}

void Onglet::montrer(std::string_view noms, std::initializer_list<Valeur> valeurs) const {
    for (const Valeur v : valeurs) {
        const auto fin = noms.find(", ");
        fuzz::montrer(v, separateur_, std::string(noms.substr(0, fin)).c_str());
        noms = fin == std::string_view::npos ? std::string_view() : noms.substr(fin + 2);
    }
}

void Onglet::afficher(Controle libelle, std::u16string texte) {
    libelles_[libelle] = std::move(texte);
}

void Onglet::afficher(Controle libelle, Valeur valeur, const char* quoi) {
    afficher(libelle, fuzz::montrer(valeur, separateur_, quoi));
}

void Onglet::choisir(Controle liste, int item) {
    items_[liste] = item;
}

std::u16string Onglet::texte(std::string_view famille, int index) const {
    const Controle c{famille, index};
    if (const auto l = libelles_.find(c); l != libelles_.end())
        return l->second;
    if (const auto f = champs_.find(c); f != champs_.end())
        return f->second->texte();
    return u"0";
}

int Onglet::item(std::string_view famille, int index) const {
    const auto i = items_.find({famille, index});
    return i != items_.end() ? i->second : -1;
}

} // namespace fuzz
