#include "entry/separateur.h"

#include <cstdlib>
#include <langinfo.h>
#include <locale.h>

namespace {
char16_t separateurCourant = u',';

// First character of a UTF-8 text as one UTF-16 unit (separators are in the BMP).
std::optional<char16_t> premierCaractere(const char* utf8) {
    const auto* s = reinterpret_cast<const unsigned char*>(utf8);
    if (s == nullptr || s[0] == 0)
        return std::nullopt;
    if (s[0] < 0x80)
        return static_cast<char16_t>(s[0]);
    if ((s[0] & 0xE0) == 0xC0 && (s[1] & 0xC0) == 0x80)
        return static_cast<char16_t>(((s[0] & 0x1F) << 6) | (s[1] & 0x3F));
    if ((s[0] & 0xF0) == 0xE0 && (s[1] & 0xC0) == 0x80 && (s[2] & 0xC0) == 0x80)
        return static_cast<char16_t>(((s[0] & 0x0F) << 12) | ((s[1] & 0x3F) << 6) | (s[2] & 0x3F));
    return std::nullopt;
}
} // namespace

namespace entry {

std::optional<std::string> localeNumeriqueSysteme() {
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* valeur = std::getenv(variable);
        if (valeur != nullptr && valeur[0] != '\0')
            return std::string(valeur);
    }
    return std::nullopt;
}

std::optional<char16_t> separateurDeLocale(const std::string& nom) {
    locale_t locale = newlocale(LC_NUMERIC_MASK, nom.c_str(), static_cast<locale_t>(0));
    if (locale == static_cast<locale_t>(0))
        return std::nullopt;
    const auto separateur = premierCaractere(nl_langinfo_l(RADIXCHAR, locale));
    freelocale(locale);
    return separateur;
}

} // namespace entry

namespace ModGeneral {

char16_t Separateur_Decimal() {
    return separateurCourant;
}

void Lire_Separateur_Decimal(const SeparateurDeNom& repli) {
    const auto nom = entry::localeNumeriqueSysteme();
    if (!nom) {
        separateurCourant = u'.';
        return;
    }
    auto separateur = entry::separateurDeLocale(*nom);
    if (!separateur && repli)
        separateur = repli(*nom);
    separateurCourant = separateur.value_or(u',');
}

void Fixer_Separateur_Decimal(char16_t separateur) {
    separateurCourant = separateur;
}

} // namespace ModGeneral
