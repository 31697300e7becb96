#include "chm/sommaire.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <utility>

namespace chm {

namespace {

char minuscule(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string enMinuscules(std::string_view s) {
    std::string r(s);
    std::transform(r.begin(), r.end(), r.begin(), minuscule);
    return r;
}

bool espace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

void ajouterUtf8(std::string& s, unsigned long c) {
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xc0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3f));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xe0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
        s += static_cast<char>(0x80 | (c & 0x3f));
    } else {
        s += static_cast<char>(0xf0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3f));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
        s += static_cast<char>(0x80 | (c & 0x3f));
    }
}

// An attribute value with its character references replaced.
std::string decoderEntites(std::string_view v) {
    std::string r;
    std::size_t i = 0;
    while (i < v.size()) {
        const auto pointVirgule = v.find(';', i);
        if (v[i] != '&' || pointVirgule == std::string_view::npos || pointVirgule - i > 10) {
            r += v[i++];
            continue;
        }
        const std::string_view nom = v.substr(i + 1, pointVirgule - i - 1);
        static constexpr std::pair<std::string_view, char> nommees[] = {
            {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
        bool lue = false;
        for (const auto& [entite, caractere] : nommees)
            if (nom == entite) {
                r += caractere;
                lue = true;
            }
        if (!lue && nom.size() > 1 && nom[0] == '#') {
            const bool hexa = nom[1] == 'x' || nom[1] == 'X';
            const std::string chiffres(nom.substr(hexa ? 2 : 1));
            char* finLue = nullptr;
            const unsigned long c = std::strtoul(chiffres.c_str(), &finLue, hexa ? 16 : 10);
            if (!chiffres.empty() && *finLue == '\0' && c > 0 && c <= 0x10ffff) {
                ajouterUtf8(r, c);
                lue = true;
            }
        }
        if (!lue) {
            r += v[i++];
            continue;
        }
        i = pointVirgule + 1;
    }
    return r;
}

// The value of attribute `nom` (lower case) in the inside of a tag.
std::optional<std::string> attribut(std::string_view balise, std::string_view nom) {
    std::size_t i = 0;
    while (i < balise.size() && !espace(balise[i]))
        ++i; // the tag's own name
    while (i < balise.size()) {
        while (i < balise.size() && (espace(balise[i]) || balise[i] == '/'))
            ++i;
        const std::size_t debutNom = i;
        while (i < balise.size() && !espace(balise[i]) && balise[i] != '=' && balise[i] != '/')
            ++i;
        const std::string nomLu = enMinuscules(balise.substr(debutNom, i - debutNom));
        while (i < balise.size() && espace(balise[i]))
            ++i;
        std::string_view valeur;
        if (i < balise.size() && balise[i] == '=') {
            ++i;
            while (i < balise.size() && espace(balise[i]))
                ++i;
            if (i < balise.size() && (balise[i] == '"' || balise[i] == '\'')) {
                const char guillemet = balise[i++];
                const auto fin = std::min(balise.find(guillemet, i), balise.size());
                valeur = balise.substr(i, fin - i);
                i = fin + 1;
            } else {
                const std::size_t debut = i;
                while (i < balise.size() && !espace(balise[i]))
                    ++i;
                valeur = balise.substr(debut, i - debut);
            }
        }
        if (nomLu.empty() && i == debutNom)
            break; // nothing more that reads as an attribute
        if (nomLu == nom)
            return decoderEntites(valeur);
    }
    return std::nullopt;
}

} // namespace

std::vector<EntreeSommaire> lireSommaire(std::string_view texte) {
    std::vector<EntreeSommaire> entrees;
    int listesOuvertes = 0;
    std::optional<EntreeSommaire> courante;
    std::size_t position = 0;
    while ((position = texte.find('<', position)) != std::string_view::npos) {
        if (texte.substr(position, 4) == "<!--") {
            const auto fin = texte.find("-->", position + 4);
            if (fin == std::string_view::npos)
                break;
            position = fin + 3;
            continue;
        }
        // The end of the tag, outside quoted values.
        std::size_t fin = position + 1;
        char guillemet = 0;
        while (fin < texte.size() && (guillemet != 0 || texte[fin] != '>')) {
            if (guillemet == 0 && (texte[fin] == '"' || texte[fin] == '\''))
                guillemet = texte[fin];
            else if (texte[fin] == guillemet)
                guillemet = 0;
            ++fin;
        }
        if (fin >= texte.size())
            break;
        const std::string_view balise = texte.substr(position + 1, fin - position - 1);
        position = fin + 1;

        std::size_t finNom = 0;
        while (finNom < balise.size() && !espace(balise[finNom]) && balise[finNom] != '>')
            ++finNom;
        const std::string nom = enMinuscules(balise.substr(0, finNom));
        if (nom == "ul") {
            ++listesOuvertes;
        } else if (nom == "/ul") {
            listesOuvertes = std::max(0, listesOuvertes - 1);
        } else if (nom == "object") {
            if (enMinuscules(attribut(balise, "type").value_or("")) == "text/sitemap")
                courante = EntreeSommaire{{}, {}, std::max(0, listesOuvertes - 1)};
        } else if (nom == "param" && courante) {
            const std::string cle = enMinuscules(attribut(balise, "name").value_or(""));
            if (cle == "name")
                courante->titre = attribut(balise, "value").value_or("");
            else if (cle == "local")
                courante->page = attribut(balise, "value").value_or("");
        } else if (nom == "/object" && courante) {
            if (!courante->titre.empty() || !courante->page.empty())
                entrees.push_back(std::move(*courante));
            courante.reset();
        }
    }
    return entrees;
}

} // namespace chm
