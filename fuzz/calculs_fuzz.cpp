// libFuzzer target over the calculations and the entry fields. The bytes
// become the texts of a tab's fields, pasted or typed at a caret, and a
// decimal separator; the fields' cleaning runs on them as on every change, the
// texts are read as doubles and singles, and one calculator of the table below
// runs on those readings as its page runs it. What must never happen aborts:
// a cleaning that does not settle, a success with a value that is not finite,
// a written number showing "inf" or "nan" (the sanitizers and libFuzzer's
// timeout catch the rest).
//
// Input, UTF-8: a first line, then one line per field (field i on line i + 1,
// a missing field holds "0").
//   - first line: its first byte "." for the point as separator (anything else
//     the comma); its second byte picks the calculator, "a" for the first row
//     of the table; each further byte picks an item of one of the tab's lists,
//     "0" for the first.
//   - field line "T": T pasted over the field's whole text.
//   - field line "A\1B\1C" (or with \2): the program has written A + C into the
//     field; with the caret after A, B is then typed key by key (\1) or pasted
//     at once (\2).
#include "calc/combustion.h"
#include "calc/cond_fumees.h"
#include "calc/conversion.h"
#include "calc/deperdition.h"
#include "calc/devoiement.h"
#include "calc/gicleur.h"
#include "calc/masse_volumique.h"
#include "calc/pci_pcs.h"
#include "calc/pression_temperature.h"
#include "calc/vase_expansion.h"
#include "calc/vase_sanitaire.h"
#include "entry/controle_saisie.h"
#include "entry/nombres.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace {

using entry::lireDouble;
using entry::lireSimple;

// The calculator running, named in every report.
const char* calculEnCours = "";

[[noreturn]] void echec(const std::string& quoi) {
    std::fprintf(stderr, "\n*** %s: %s\n", calculEnCours, quoi.c_str());
    std::abort();
}

std::string ascii(std::u16string_view texte) {
    std::string s;
    for (const char16_t c : texte)
        s += c < 0x80 ? static_cast<char>(c) : '?';
    return s;
}

// ---------------------------------------------------------------------------
// Texts.

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

// A text the program writes: never an infinity, a NaN or the failure marker.
void verifierTexte(std::u16string_view texte, const char* quoi) {
    if (contientSansCasse(texte, u"inf") || contientSansCasse(texte, u"nan") ||
        texte.find(u"#####") != std::u16string_view::npos)
        echec(std::string(quoi) + " written \"" + ascii(texte) + "\"");
}

// ---------------------------------------------------------------------------
// An entry field: replacing its text is a change, which runs the cleaning and
// the family's refusal again, nested, as in the window.

using Refus = bool (*)(int champ, double valeur);

// The cleaning nests at most this deep on its own replacements (the window
// gives up at 8, leaving the text as it stands).
constexpr int profondeurPermise = 4;

class Champ : public entry::ChampSaisie {
public:
    Champ(char16_t separateur, int index, Refus refus)
        : separateur_(separateur), index_(index), refus_(refus) {}

    std::u16string texte() const override { return texte_; }
    void remplacerTexte(const std::u16string& texte) override {
        texte_ = texte;
        debut_ = static_cast<int>(texte_.size());
        longueur_ = 0;
        changer();
    }
    void selectionner(int debut, int longueur) override {
        if (debut < 0 || longueur < 0 || debut + longueur > static_cast<int>(texte_.size()))
            echec("selection " + std::to_string(debut) + "+" + std::to_string(longueur) +
                  " outside \"" + ascii(texte_) + "\"");
        debut_ = debut;
        longueur_ = longueur;
    }

    // The user types or pastes `frappe` over the selection.
    void saisir(std::u16string_view frappe) {
        std::u16string t = texte_;
        t.replace(static_cast<std::size_t>(debut_), static_cast<std::size_t>(longueur_), frappe);
        texte_ = t;
        debut_ += static_cast<int>(frappe.size());
        longueur_ = 0;
        changer();
    }
    void placerCurseur(std::size_t position) {
        debut_ = static_cast<int>(std::min(position, texte_.size()));
        longueur_ = 0;
    }

private:
    void changer() {
        if (++profondeur_ > profondeurPermise)
            echec("the cleaning nests deeper than " + std::to_string(profondeurPermise) + " on \"" +
                  ascii(texte_) + "\"");
        entry::Controle_Saisie(*this, separateur_);
        if (refus_ != nullptr) {
            const auto v = lireDouble(texte_, separateur_);
            if (v && refus_(index_, *v)) {
                remplacerTexte(u"0");
                selectionner(0, static_cast<int>(texte_.size()));
            }
        }
        --profondeur_;
    }

    char16_t separateur_;
    int index_;
    Refus refus_;
    std::u16string texte_ = u"0";
    int debut_ = 0, longueur_ = 0;
    int profondeur_ = 0;
};

// The cleaning leaves a clean text as it is.
void verifierStable(std::u16string_view texte, char16_t separateur, const char* quoi) {
    Champ champ(separateur, -1, nullptr);
    champ.remplacerTexte(std::u16string(texte));
    if (champ.texte() != texte)
        echec(std::string(quoi) + " \"" + ascii(texte) + "\" cleaned again into \"" +
              ascii(champ.texte()) + "\"");
}

// A number the program writes into an entry field: the cleaning that the
// write raises must leave it as it is.
void verifierEcritDansChamp(std::u16string_view texte, char16_t separateur, const char* quoi) {
    verifierTexte(texte, quoi);
    if (!lireDouble(texte, separateur))
        echec(std::string(quoi) + " \"" + ascii(texte) + "\" is no number");
    verifierStable(texte, separateur, quoi);
}

// ---------------------------------------------------------------------------
// The fields of one input, cleaned and read.

struct Lecture {
    std::u16string texte;
    std::optional<double> d; // nullopt: a lone "-"
    std::optional<float> s;  // an infinity beyond the single range
};

class Saisies {
public:
    char16_t separateur = u',';
    std::string_view choix;
    std::vector<Lecture> champs;

    const Lecture& operator[](std::size_t i) const {
        static const Lecture zero{u"0", 0.0, 0.0f};
        return i < champs.size() ? champs[i] : zero;
    }
    // The item picked in a list of `nombre` items.
    std::size_t liste(std::size_t i, std::size_t nombre) const {
        const unsigned octet = i < choix.size() ? static_cast<unsigned char>(choix[i]) : '0';
        return (octet - '0') % nombre;
    }
    bool nombres(std::initializer_list<std::size_t> indices) const {
        return std::all_of(indices.begin(), indices.end(),
                           [this](std::size_t i) { return (*this)[i].d.has_value(); });
    }
};

// A number a label shows: finite, written without "inf" or "nan", and read
// back as a number.
void afficheDouble(double v, char16_t separateur, const char* quoi) {
    if (!std::isfinite(v))
        echec(std::string(quoi) + " is not finite after a success");
    const auto texte = entry::ecrireDouble(v, separateur);
    verifierTexte(texte, quoi);
    if (!lireDouble(texte, separateur))
        echec(std::string(quoi) + " written \"" + ascii(texte) + "\" does not read back");
}

void afficheSimple(float v, char16_t separateur, const char* quoi) {
    if (!std::isfinite(v))
        echec(std::string(quoi) + " is not finite after a success");
    const auto texte = entry::ecrireSimple(v, separateur);
    verifierTexte(texte, quoi);
    const auto relu = lireSimple(texte, separateur);
    if (!relu || !std::isfinite(*relu))
        echec(std::string(quoi) + " written \"" + ascii(texte) + "\" does not read back");
}

// The value a label written as a single shows, read back as a double.
double relu(float v) {
    return lireDouble(entry::ecrireSimple(v, u'.'), u'.').value_or(0);
}

// ---------------------------------------------------------------------------
// The calculators, each fed as its page feeds it.

void conversion(const Saisies& e) {
    using namespace calc::conversion;
    const auto grandeur = static_cast<Grandeur>(e.liste(0, 5));
    const auto& unites = calc::conversion::unites(grandeur);
    const auto r = convertir(grandeur, e[0].texte, unites[e.liste(1, unites.size())],
                             unites[e.liste(2, unites.size())], e.separateur);
    if (r)
        verifierEcritDansChamp(*r, e.separateur, "converted value");
}

void pciPcs(const Saisies& e) {
    using namespace calc::pci_pcs;
    const auto combustible = static_cast<Combustible>(e.liste(0, 3));
    const auto& unites = calc::pci_pcs::unites(combustible);
    // Natural gas has unit labels, not lists.
    const auto unite = [&](std::size_t i) -> std::u16string_view {
        if (combustible == Combustible::GazNaturel)
            return u"";
        return unites[e.liste(i, unites.size())];
    };
    const auto r = convertir(combustible, e.liste(1, 2) == 0 ? Sens::VersPCS : Sens::VersPCI,
                             e[0].texte, unite(2), unite(3), e.separateur);
    if (!r)
        return;
    verifierEcritDansChamp(r->cible, e.separateur, "converted heating value");
    verifierTexte(r->phrase, "sentence");
}

void gicleur(const Saisies& e) {
    if (!e.nombres({0, 1, 2, 3}))
        return;
    const auto r = calc::gicleur::calculer(*e[0].s, *e[2].s, *e[1].s, *e[3].s, *e[0].d, *e[1].d);
    if (!r)
        return;
    afficheDouble(r->gicleur, e.separateur, "nozzle");
    afficheSimple(r->pression, e.separateur, "pressure");
    afficheDouble(r->debit, e.separateur, "flow");
    if (r->rangee < -1 || r->rangee >= 28)
        echec("row " + std::to_string(r->rangee));
}

void combustion(const Saisies& e) {
    namespace c = calc::combustion;
    const auto fuel = c::Combustibles()[e.liste(0, 3)];
    if (const auto autre = c::convertir(fuel, c::Mesures()[e.liste(1, 2)], e[0].d))
        afficheDouble(*autre, e.separateur, "other gas content");
    const auto r = c::calculerRendement(fuel, c::Mesures()[e.liste(2, 2)], e[1].s, e[2].s, e[3].s);
    if (!r)
        return;
    afficheSimple(r->pertes, e.separateur, "flue-gas loss");
    afficheDouble(r->rendement, e.separateur, "efficiency");
    afficheDouble(r->excesAir, e.separateur, "excess air");
    afficheDouble(r->facteurAir, e.separateur, "air factor");
    afficheDouble(r->rosee, e.separateur, "dew point");
    afficheDouble(r->volume, e.separateur, "flue-gas volume");
}

void condFumees(const Saisies& e) {
    namespace f = calc::cond_fumees;
    if (!e.nombres({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}))
        return;
    f::Saisie s;
    s.combustible = f::Combustibles()[e.liste(0, 3)];
    s.materiauRaccordement = f::MateriauxRaccordement()[e.liste(1, 3)];
    s.materiauConduit = f::MateriauxConduit()[e.liste(2, 7)];
    s.hauteur = *e[9].s, s.longueur = *e[10].s, s.longueurRaccordement = *e[0].s;
    s.diametreRaccordement = *e[1].s, s.temperatureFumees = *e[6].s;
    s.temperatureExterieure = *e[12].s, s.volumeFumees = *e[5].s, s.puissance = *e[4].s;
    s.rendement = *e[13].s;
    s.hauteurDouble = *e[9].d, s.longueurDouble = *e[10].d, s.diametreDouble = *e[1].d;
    s.coudes45 = *e[2].d, s.coudes90 = *e[3].d, s.coudesDevoiement = *e[11].d;
    s.depressionSortie = *e[7].d, s.depressionAirComburant = *e[8].d;
    const auto calcul = f::calculer(s);
    if (const auto* r = std::get_if<f::Resultat>(&calcul)) {
        afficheDouble(r->section, e.separateur, "section");
        afficheDouble(r->cote, e.separateur, "square side");
        afficheDouble(r->diametre, e.separateur, "diameter");
    }
}

// Fields: the shift and the angle of the offset frame, the duct's height.
void devoiement(const Saisies& e) {
    namespace d = calc::devoiement;
    d::controlerOuverture(e[2].d.value_or(0));
    if (!e.nombres({0, 1, 2}))
        return;
    const auto r = d::calculer(*e[0].d, *e[1].d, *e[2].d);
    if (!r)
        return;
    afficheDouble(r->longueurInclinee, e.separateur, "inclined length");
    afficheDouble(r->hauteurInclinee, e.separateur, "inclined height");
    afficheDouble(r->longueurTotale, e.separateur, "total length");
    // "-->" reports the total into the duct's length field.
    verifierEcritDansChamp(entry::ecrireDouble(r->longueurTotale, e.separateur), e.separateur,
                           "reported length");
}

void masseVolumique(const Saisies& e) {
    namespace m = calc::masse_volumique;
    if (e.nombres({0})) {
        const auto calcul = m::calculerEau(*e[0].s);
        if (const auto* eau = std::get_if<m::Eau>(&calcul)) {
            afficheDouble(eau->kgM3, e.separateur, "water kg/m3");
            afficheDouble(eau->kgL, e.separateur, "water kg/l");
            afficheDouble(eau->m3Kg, e.separateur, "water m3/kg");
            afficheDouble(eau->lKg, e.separateur, "water l/kg");
        }
    }
    if (!e.nombres({1, 2}))
        return;
    const auto resultat = m::calculerAir(*e[1].s, *e[1].d, *e[2].s, *e[2].d);
    const auto* air = std::get_if<m::Air>(&resultat);
    if (air == nullptr)
        return;
    afficheDouble(air->secKgM3, e.separateur, "dry air kg/m3");
    afficheDouble(air->secM3Kg, e.separateur, "dry air m3/kg");
    if (air->humide == m::Air::Humide::Calcule) {
        afficheDouble(air->humideKgM3, e.separateur, "humid air kg/m3");
        afficheDouble(air->humideM3Kg, e.separateur, "humid air m3/kg");
    } else if (air->humide == m::Air::Humide::Sature) {
        afficheSimple(air->saturation, e.separateur, "saturation humidity");
    }
}

calc::deperdition::Entree entreeDeperdition(const Saisies& e) {
    namespace d = calc::deperdition;
    return {d::materiaux[e.liste(0, 3)].texte,
            *e[4].s,
            *e[4].d,
            *e[7].s,
            *e[6].s,
            *e[3].s,
            *e[1].s,
            *e[0].s,
            *e[2].s,
            *e[5].s,
            d::fluideDuTexte(d::fluides[e.liste(1, 2)]),
            e.liste(2, 2) == 0,
            e.liste(3, 2) == 0 ? d::Milieu::Air : d::Milieu::Eau};
}

void deperdition(const Saisies& e) {
    namespace d = calc::deperdition;
    if (!e.nombres({0, 1, 2, 3, 4, 5, 6, 7}))
        return;
    const auto calcul = d::calculer(entreeDeperdition(e));
    const auto* r = std::get_if<d::Resultat>(&calcul);
    if (r == nullptr)
        return;
    for (const auto& [v, quoi] : {std::pair(r->y, "Y"),
                                  {r->ui, "Ui"},
                                  {r->ue, "Ue"},
                                  {r->temperatureSurface, "surface temperature"},
                                  {r->temperatureSortie, "outlet temperature"},
                                  {r->perteLineique, "loss per metre"},
                                  {r->perteSurfaciqueExterne, "outer loss per m2"},
                                  {r->perteTotale, "total loss"}})
        afficheSimple(v, e.separateur, quoi);
    afficheDouble(r->perteTotaleKw, e.separateur, "total loss in kW");
    afficheDouble(r->chute, e.separateur, "temperature drop");
    afficheDouble(r->perteSurfaciqueInterne, e.separateur, "inner loss per m2");
}

// The pressure at a temperature: fields h, tfill, V, Pv of the vessel's tab,
// t and Pf, then the static pressure, the vessel and its precharge as the
// vessel's labels show them.
void pression(const Saisies& e, double pst, double vn, double pp, const Lecture& pf,
              const Lecture& t) {
    namespace p = calc::pression_temperature;
    if (!e.nombres({0, 3}) || !e[2].s || !e[4].s || !pf.d || !t.s)
        return;
    const auto r = p::calculer(*e[0].d, *e[2].s, *e[3].d, *e[4].s, pst, vn, pp, *pf.d, *t.s);
    const p::Lignes* l = nullptr;
    if (const auto* normal = std::get_if<p::Normal>(&r.fin))
        l = &normal->l;
    else if (const auto* decharge = std::get_if<p::Decharge>(&r.fin))
        l = &decharge->l;
    if (l == nullptr)
        return;
    afficheSimple(l->p, e.separateur, "pressure");
    afficheSimple(l->vd, e.separateur, "expanded volume");
    afficheSimple(l->vw0, e.separateur, "water in the vessel");
}

// Fields as the tab's: 0 altitude, 1 tmax, 2 tfill, 3 content, 4 valve,
// 6 height; 7 and 8 the water temperature and filling pressure below.
void vaseExpansion(const Saisies& e) {
    namespace v = calc::vase_expansion;
    if (!e.nombres({0, 3, 6}) || !e[1].s || !e[2].s || !e[4].s)
        return;
    const auto calcul = v::calculer(*e[0].d, *e[1].s, *e[2].s, *e[3].d, *e[6].d, *e[4].s);
    if (const auto* refus = std::get_if<v::RefusVolume>(&calcul))
        afficheSimple(refus->vmin, e.separateur, "volume refused");
    const auto* r = std::get_if<v::Resultat>(&calcul);
    if (r == nullptr)
        return;
    for (const auto& [x, quoi] : {std::pair(r->ve, "Ve"),
                                  {r->vmin, "Vmin"},
                                  {r->vu, "Vu"},
                                  {r->pst, "static pressure"},
                                  {r->vr, "reserve"},
                                  {r->pfill, "filling pressure"}})
        afficheSimple(x, e.separateur, quoi);
    afficheDouble(r->patm, e.separateur, "atmospheric pressure");
    // The filling pressure goes into its field; the pressure below then reads
    // the vessel from the labels.
    const auto pf = entry::ecrireSimple(r->pfill, e.separateur);
    verifierEcritDansChamp(pf, e.separateur, "filling pressure");
    pression(e, relu(r->pst), r->vase.volume, relu(r->vase.precharge),
             {pf, lireDouble(pf, e.separateur), lireSimple(pf, e.separateur)}, e[7]);
}

// Fields 0 to 8 as vaseExpansion's, then 9 to 11 the texts of the static
// pressure, vessel and precharge labels.
void pressionTemperature(const Saisies& e) {
    if (e.nombres({9, 10, 11}))
        pression(e, *e[9].d, *e[10].d, *e[11].d, e[8], e[7]);
}

// Fields as the tab's: 0 altitude, 1 vessel, 2 hot, 3 cold, 4 cylinder,
// 5 precharge, 6 mains, 7 valve.
void vaseSanitaire(const Saisies& e) {
    namespace v = calc::vase_sanitaire;
    if (!e.nombres({0, 1, 2, 3, 4, 5, 6, 7}))
        return;
    const auto calcul =
        v::calculer(*e[0].d, *e[2].s, *e[3].s, *e[4].d, *e[1].s, *e[5].s, *e[6].s, *e[7].s);
    const auto* r = std::get_if<v::Resultat>(&calcul);
    if (r == nullptr)
        return;
    for (const auto& [x, quoi] : {std::pair(r->ve, "Ve"),
                                  {r->vmin, "Vmin"},
                                  {r->vu, "Vu"},
                                  {r->vc, "Vc"},
                                  {r->d, "reserve"},
                                  {r->p5, "highest mains pressure"},
                                  {r->p7, "valve setting"},
                                  {r->absorbe, "absorbed volume"}})
        afficheSimple(x, e.separateur, quoi);
    afficheDouble(r->patm, e.separateur, "atmospheric pressure");
}

// Refusals as typed: the field then holds "0".
bool refusExpansion(int champ, double v) {
    return (champ == 1 || champ == 7) && calc::vase_expansion::temperatureRefusee(v);
}
bool refusSanitaire(int champ, double v) {
    return (champ == 2 && calc::vase_sanitaire::eauChaudeRefusee(v)) ||
           (champ == 3 && calc::vase_sanitaire::eauFroideRefusee(v));
}

struct Calculateur {
    const char* nom;
    void (*calculer)(const Saisies&);
    Refus refus = nullptr;
};

// One row per calculator; the second byte of an input picks one, "a" the first.
constexpr Calculateur calculateurs[] = {
    {"conversion", conversion},
    {"pci_pcs", pciPcs},
    {"gicleur", gicleur},
    {"combustion", combustion},
    {"cond_fumees", condFumees},
    {"devoiement", devoiement},
    {"masse_volumique", masseVolumique},
    {"deperdition", deperdition},
    {"vase_expansion", vaseExpansion, refusExpansion},
    {"pression_temperature", pressionTemperature, refusExpansion},
    {"vase_sanitaire", vaseSanitaire, refusSanitaire},
};

// ---------------------------------------------------------------------------

// One field: written by the program, then typed into or pasted over.
Lecture saisir(std::string_view ligne, char16_t separateur, int index, Refus refus) {
    Champ champ(separateur, index, refus);
    const auto marque = ligne.find_first_of("\x01\x02");
    const std::u16string texte = utf16(ligne.substr(0, marque));
    if (marque == std::string_view::npos) {
        // Pasted over the whole text, which taking the focus selected.
        champ.selectionner(0, 1);
        champ.saisir(texte);
        // A text that is a number keeps its value, unless a sign stands
        // against the separator ("-,5" becomes "0") or it was refused.
        const auto avant = lireDouble(texte, separateur);
        const bool signeColle =
            texte.find(std::u16string{u'-', separateur}) != std::u16string::npos ||
            texte.find(std::u16string{separateur, u'-'}) != std::u16string::npos;
        if (avant && !signeColle && !(refus && refus(index, *avant)) &&
            lireDouble(champ.texte(), separateur) != avant)
            echec("\"" + ascii(texte) + "\" lost its value, cleaned into \"" +
                  ascii(champ.texte()) + "\"");
    } else {
        const bool touche = ligne[marque] == '\x01';
        const auto reste = ligne.substr(marque + 1);
        const auto fin = reste.find_first_of("\x01\x02");
        const std::u16string frappe = utf16(reste.substr(0, fin));
        const std::u16string droite =
            fin == std::string_view::npos ? u"" : utf16(reste.substr(fin + 1));
        champ.remplacerTexte(texte + droite);
        champ.placerCurseur(texte.size());
        if (touche) {
            for (std::size_t i = 0; i < frappe.size(); ++i)
                champ.saisir(frappe.substr(i, 1));
        } else {
            champ.saisir(frappe);
        }
    }

    Lecture l{champ.texte(), lireDouble(champ.texte(), separateur),
              lireSimple(champ.texte(), separateur)};
    if (!l.d && l.texte != u"-")
        echec("the cleaning left \"" + ascii(l.texte) + "\", which is no number");
    if (l.d.has_value() != l.s.has_value())
        echec("\"" + ascii(l.texte) + "\" reads as a double or a single only");
    verifierStable(l.texte, separateur, "cleaned text");
    return l;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string_view entree(reinterpret_cast<const char*>(donnees), taille);
    std::vector<std::string_view> lignes;
    for (std::size_t debut = 0; debut <= entree.size();) {
        const auto fin = std::min(entree.find('\n', debut), entree.size());
        lignes.push_back(entree.substr(debut, fin - debut));
        debut = fin + 1;
    }
    const std::string_view entete = lignes.front();
    if (entete.size() < 2)
        return 0;

    constexpr std::size_t nombre = std::size(calculateurs);
    const Calculateur& calcul = calculateurs[static_cast<unsigned char>(entete[1] - 'a') % nombre];
    calculEnCours = calcul.nom;

    Saisies saisies;
    saisies.separateur = entete[0] == '.' ? u'.' : u',';
    saisies.choix = entete.substr(2);
    for (std::size_t i = 1; i < lignes.size(); ++i)
        saisies.champs.push_back(
            saisir(lignes[i], saisies.separateur, static_cast<int>(i - 1), calcul.refus));
    calcul.calculer(saisies);
    return 0;
}
