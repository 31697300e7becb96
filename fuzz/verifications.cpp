#include "verifications.h"

#include "nombres/nombres.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <type_traits>

namespace fuzz {

namespace {

const char* calculEnCours = "";

bool contientSansCasse(std::u16string_view texte, std::u16string_view mot) {
    const auto bas = [](char16_t c) { return c >= u'A' && c <= u'Z' ? c - u'A' + u'a' : c; };
    for (std::size_t i = 0; i + mot.size() <= texte.size(); ++i) {
        std::size_t k = 0;
        while (k < mot.size() && bas(texte[i + k]) == mot[k])
            ++k;
        if (k == mot.size())
            return true;
    }
    return false;
}

std::string cite(std::u16string_view texte) {
    return "\"" + ascii(texte) + "\"";
}

} // namespace

void nommerCalcul(const char* nom) {
    calculEnCours = nom;
}

void echec(const std::string& quoi) {
    std::fprintf(stderr, "\n*** %s: %s\n", calculEnCours, quoi.c_str());
    std::abort();
}

std::string ascii(std::u16string_view texte) {
    std::string s;
    for (const char16_t c : texte)
        s += c < 0x80 ? static_cast<char>(c) : '?';
    return s;
}

void verifierProfondeur(const entry::Nettoyage& nettoyage, const std::string& champ,
                        std::u16string_view texte) {
    constexpr int profondeurPermise = 4;
    if (nettoyage.profondeurAtteinte() > profondeurPermise)
        echec("the cleaning of " + champ + " nests " +
              std::to_string(nettoyage.profondeurAtteinte()) + " deep, on " + cite(texte));
}

void verifierTexte(std::u16string_view texte, const char* quoi) {
    if (contientSansCasse(texte, u"inf") || contientSansCasse(texte, u"nan") ||
        texte.find(u"#####") != std::u16string_view::npos)
        echec(std::string(quoi) + " written " + cite(texte));
}

void verifierStable(std::u16string_view texte, char16_t separateur, const char* quoi) {
    entry::Nettoyage nettoyage;
    entry::ChampTexte champ(u"0", [&] { nettoyage.changer(champ, 0, separateur, {}); });
    champ.remplacerTexte(std::u16string(texte));
    verifierProfondeur(nettoyage, quoi, texte);
    if (champ.texte() != texte)
        echec(std::string(quoi) + " " + cite(texte) + " cleaned again into " + cite(champ.texte()));
}

void verifierNettoye(std::u16string_view texte, char16_t separateur) {
    const auto d = nombres::lireDouble(texte, separateur);
    if (!d && texte != u"-")
        echec("the cleaning left " + cite(texte) + ", which is no number");
    if (d.has_value() != nombres::lireSimple(texte, separateur).has_value())
        echec(cite(texte) + " reads as a double or a single only");
    verifierStable(texte, separateur, "cleaned text");
}

void verifierValeurGardee(std::u16string_view colle, std::u16string_view nettoye,
                          char16_t separateur, const entry::Refus& refus) {
    const auto avant = nombres::lireDouble(colle, separateur);
    const std::u16string signeSeparateur{u'-', separateur}, separateurSigne{separateur, u'-'};
    const bool signeColle = colle.find(signeSeparateur) != std::u16string_view::npos ||
                            colle.find(separateurSigne) != std::u16string_view::npos;
    const bool refuse = avant && refus.refuse != nullptr && refus.refuse(*avant);
    if (avant && !signeColle && !refuse && nombres::lireDouble(nettoye, separateur) != avant)
        echec(cite(colle) + " lost its value, cleaned into " + cite(nettoye));
}

std::u16string montrer(Valeur valeur, char16_t separateur, const char* quoi) {
    const bool fini = std::visit([](auto v) { return std::isfinite(v); }, valeur);
    if (!fini)
        echec(std::string(quoi) + " is not finite after a success");
    const std::u16string texte = std::visit(
        [&](auto v) {
            if constexpr (std::is_same_v<decltype(v), float>)
                return nombres::ecrireSimple(v, separateur);
            else
                return nombres::ecrireDouble(v, separateur);
        },
        valeur);
    verifierTexte(texte, quoi);
    // A single reads back finite: its 7 digits may not round past the largest single.
    const bool relu = std::holds_alternative<float>(valeur)
                          ? std::isfinite(nombres::lireSimple(texte, separateur).value_or(NAN))
                          : nombres::lireDouble(texte, separateur).has_value();
    if (!relu)
        echec(std::string(quoi) + " written " + cite(texte) + " does not read back");
    return texte;
}

} // namespace fuzz
