#include "nombres/nombres.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace nombres {

namespace {

bool estBlanc(char16_t c) {
    return c == u' ' || c == u'\t';
}
bool estChiffre(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// A text that follows the field grammar, rewritten as plain ASCII for
// std::from_chars ("-12.5e3"), with what is needed to tell an overflow from
// an underflow when the value does not fit.
struct TexteNormalise {
    std::string ascii;
    bool mantisseNulle = true;
    long long exposantEffectif = 0; // decimal exponent of the leading digit
};

std::optional<TexteNormalise> normaliser(std::u16string_view texte, char16_t separateur) {
    std::size_t debut = 0;
    std::size_t fin = texte.size();
    while (debut < fin && estBlanc(texte[debut]))
        ++debut;
    while (fin > debut && estBlanc(texte[fin - 1]))
        --fin;
    TexteNormalise n;
    std::size_t i = debut;
    if (i < fin && (texte[i] == u'+' || texte[i] == u'-')) {
        if (texte[i] == u'-')
            n.ascii += '-';
        ++i;
    }
    int chiffres = 0;
    bool separateurVu = false;
    long long chiffresEntiers = 0;      // significant digits before the separator
    long long zerosApresSeparateur = 0; // zeros between the separator and the first digit
    std::string mantisse;
    for (; i < fin; ++i) {
        const char16_t c = texte[i];
        if (estChiffre(c)) {
            ++chiffres;
            mantisse += static_cast<char>(c);
            if (c != u'0')
                n.mantisseNulle = false;
            if (!separateurVu && !n.mantisseNulle)
                ++chiffresEntiers;
            if (separateurVu && n.mantisseNulle)
                ++zerosApresSeparateur;
        } else if (c == separateur && !separateurVu) {
            separateurVu = true;
            mantisse += '.';
        } else {
            break;
        }
    }
    if (chiffres == 0)
        return std::nullopt;
    n.ascii += mantisse;
    long long exposant = 0;
    if (i < fin && (texte[i] == u'e' || texte[i] == u'E')) {
        ++i;
        bool negatif = false;
        if (i < fin && (texte[i] == u'+' || texte[i] == u'-')) {
            negatif = texte[i] == u'-';
            ++i;
        }
        const std::size_t debutExposant = i;
        std::string chiffresExposant;
        for (; i < fin && estChiffre(texte[i]); ++i) {
            chiffresExposant += static_cast<char>(texte[i]);
            exposant = std::min<long long>(exposant * 10 + (texte[i] - u'0'), 1'000'000'000);
        }
        if (i == debutExposant)
            return std::nullopt;
        if (negatif)
            exposant = -exposant;
        n.ascii += negatif ? "e-" : "e";
        n.ascii += chiffresExposant;
    }
    if (i != fin)
        return std::nullopt;
    n.exposantEffectif =
        chiffresEntiers > 0 ? exposant + chiffresEntiers - 1 : exposant - zerosApresSeparateur - 1;
    return n;
}

template <typename T> std::optional<T> lire(std::u16string_view texte, char16_t separateur) {
    const auto n = normaliser(texte, separateur);
    if (!n)
        return std::nullopt;
    T valeur{};
    const char* debut = n->ascii.data();
    const char* fin = debut + n->ascii.size();
    const auto [ptr, ec] = std::from_chars(debut, fin, valeur);
    if (ec == std::errc() && ptr == fin)
        return valeur;
    if (ec != std::errc::result_out_of_range)
        return std::nullopt;
    const bool negatif = n->ascii.front() == '-';
    if (n->mantisseNulle || n->exposantEffectif < 0)
        return negatif ? -T(0) : T(0);
    return negatif ? -std::numeric_limits<T>::infinity() : std::numeric_limits<T>::infinity();
}

// Shortest text of `valeur` rounded to `chiffres` significant digits.
template <typename T>
std::u16string ecrire(T valeur, int chiffres, int exposantLong, char16_t separateur) {
    if (!std::isfinite(valeur))
        return u"#####";
    if (valeur == 0)
        return u"0";
    char tampon[64];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, std::abs(valeur),
                                 std::chars_format::scientific, chiffres - 1);
    const std::string scientifique(tampon, r.ptr);
    const auto posE = scientifique.find('e');
    std::string decimales;
    for (std::size_t k = 0; k < posE; ++k)
        if (scientifique[k] != '.')
            decimales += scientifique[k];
    while (decimales.size() > 1 && decimales.back() == '0')
        decimales.pop_back();
    const int exposant = std::stoi(scientifique.substr(posE + 1));

    std::u16string sortie;
    if (valeur < 0)
        sortie += u'-';
    auto ajouter = [&sortie](const std::string& s) { sortie.append(s.begin(), s.end()); };
    if (exposant >= exposantLong || exposant < -4) {
        sortie += static_cast<char16_t>(decimales[0]);
        if (decimales.size() > 1) {
            sortie += separateur;
            ajouter(decimales.substr(1));
        }
        const int absolu = std::abs(exposant);
        sortie += exposant < 0 ? u"E-" : u"E+";
        if (absolu < 10)
            sortie += u'0';
        ajouter(std::to_string(absolu));
    } else if (exposant >= 0) {
        const std::size_t entiers = static_cast<std::size_t>(exposant) + 1;
        if (decimales.size() <= entiers) {
            ajouter(decimales + std::string(entiers - decimales.size(), '0'));
        } else {
            ajouter(decimales.substr(0, entiers));
            sortie += separateur;
            ajouter(decimales.substr(entiers));
        }
    } else {
        sortie += u'0';
        sortie += separateur;
        ajouter(std::string(static_cast<std::size_t>(-exposant - 1), '0') + decimales);
    }
    return sortie;
}

} // namespace

std::optional<double> lireDouble(std::u16string_view texte, char16_t separateur) {
    const auto v = lire<double>(texte, separateur);
    if (v && std::isinf(*v))
        return std::nullopt;
    return v;
}

std::optional<float> lireSimple(std::u16string_view texte, char16_t separateur) {
    return lire<float>(texte, separateur);
}

std::u16string ecrireDouble(double valeur, char16_t separateur) {
    return ecrire(valeur, 15, 15, separateur);
}

std::u16string ecrireSimple(float valeur, char16_t separateur) {
    return ecrire(valeur, 7, 7, separateur);
}

double Round(double valeur, int decimales) {
    if (!std::isfinite(valeur))
        return valeur;
    decimales = std::clamp(decimales, 0, 15);
    // std::to_chars in fixed notation writes the exact binary value rounded
    // to the requested places, an exact tie going to the even digit.
    char tampon[400];
    const auto r =
        std::to_chars(tampon, tampon + sizeof tampon, valeur, std::chars_format::fixed, decimales);
    double arrondi = valeur;
    std::from_chars(tampon, r.ptr, arrondi);
    return arrondi;
}

double relireDouble(double valeur) {
    return lireDouble(ecrireDouble(valeur, u'.'), u'.').value_or(valeur);
}

double relireSimple(float valeur) {
    return lireDouble(ecrireSimple(valeur, u'.'), u'.').value_or(valeur);
}

float relireEnSimple(double valeur) {
    return lireSimple(ecrireDouble(valeur, u'.'), u'.').value_or(static_cast<float>(valeur));
}

bool seRelit(double valeur) {
    return lireDouble(ecrireDouble(valeur, u'.'), u'.').has_value();
}

} // namespace nombres
