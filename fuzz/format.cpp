#include "format.h"

#include <algorithm>

namespace fuzz {

std::u16string utf16(std::string_view octets) {
    std::u16string texte;
    std::size_t i = 0;
    while (i < octets.size()) {
        const auto o = static_cast<unsigned char>(octets[i]);
        const int suite = o < 0x80 ? 0 : o >= 0xF0 ? 3 : o >= 0xE0 ? 2 : o >= 0xC0 ? 1 : -1;
        char32_t c = suite == 0 ? o : suite == 1 ? o & 0x1F : suite == 2 ? o & 0x0F : o & 0x07;
        bool valide = suite >= 0 && o < 0xF8 && i + suite < octets.size();
        for (int k = 1; valide && k <= suite; ++k) {
            const auto s = static_cast<unsigned char>(octets[i + k]);
            valide = (s & 0xC0) == 0x80;
            c = (c << 6) | (s & 0x3F);
        }
        if (!valide || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            texte += u'\uFFFD';
            ++i;
            continue;
        }
        if (c > 0xFFFF) {
            texte += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            texte += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            texte += static_cast<char16_t>(c);
        }
        i += static_cast<std::size_t>(suite) + 1;
    }
    return texte;
}

bool decouper(std::string_view octets, Entree& entree) {
    std::vector<std::string_view> lignes;
    for (std::size_t debut = 0; debut <= octets.size();) {
        const auto fin = std::min(octets.find('\n', debut), octets.size());
        lignes.push_back(octets.substr(debut, fin - debut));
        debut = fin + 1;
    }
    const std::string_view premiere = lignes.front();
    if (premiere.size() < 2)
        return false;
    entree.entete = {premiere[0] == '.' ? u'.' : u',', static_cast<unsigned char>(premiere[1]),
                     premiere.substr(2)};
    entree.lignes.assign(lignes.begin() + 1, lignes.end());
    return true;
}

int choisi(std::string_view choix, std::size_t rang, int nombre) {
    const unsigned octet = rang < choix.size() ? static_cast<unsigned char>(choix[rang]) : '0';
    return static_cast<int>((octet - '0') % static_cast<unsigned>(nombre));
}

Ligne lireLigne(std::string_view ligne) {
    const auto marque = ligne.find_first_of("\x01\x02");
    if (marque == std::string_view::npos)
        return {Ligne::Genre::Collee, utf16(ligne), {}, {}};
    const auto reste = ligne.substr(marque + 1);
    const auto fin = reste.find_first_of("\x01\x02");
    return {ligne[marque] == '\x01' ? Ligne::Genre::Tapee : Ligne::Genre::ColleeAuCurseur,
            utf16(ligne.substr(0, marque)), utf16(reste.substr(0, fin)),
            fin == std::string_view::npos ? u"" : utf16(reste.substr(fin + 1))};
}

} // namespace fuzz
