#include "calculateurs.h"

#include "formulaires/combustion.h"
#include "formulaires/cond_fumees.h"
#include "formulaires/conversion.h"
#include "formulaires/deperdition.h"
#include "formulaires/expansion.h"
#include "formulaires/expansion_sanitaire.h"
#include "formulaires/gicleur.h"
#include "formulaires/masse_volumique.h"
#include "formulaires/pci_pcs.h"
#include "nombres/nombres.h"

#include <algorithm>
#include <map>
#include <optional>
#include <variant>

namespace fuzz {

namespace {

using formulaires::lire;
using formulaires::partenaire;

namespace fcomb = formulaires::combustion;
namespace fconv = formulaires::conversion;
namespace fdep = formulaires::deperdition;
namespace fexp = formulaires::expansion;
namespace ffum = formulaires::cond_fumees;
namespace fgic = formulaires::gicleur;
namespace fmv = formulaires::masse_volumique;
namespace fpci = formulaires::pci_pcs;
namespace fsan = formulaires::expansion_sanitaire;

template <class T> int taille(const T& items) {
    return static_cast<int>(std::size(items));
}

// The items of the lists as their pages fill them; the heat-loss tab's check
// box and option group as two lists of two, the first item "insulated" and
// "still air".
int items(Controle liste) {
    static const std::map<Controle, int> nombres = {
        {{"CmbCombustion", 0}, taille(calc::nomsCombustibles)},
        {{"CmbCombustion", 1}, taille(calc::combustion::nomsMesures)},
        {{"CmbCombustion", 2}, taille(calc::combustion::nomsMesures)},
        {{"CmbCond_Fumees", 0}, taille(calc::nomsCombustibles)},
        {{"CmbCond_Fumees", 1}, static_cast<int>(calc::cond_fumees::materiauxRaccordement)},
        {{"CmbCond_Fumees", 2}, taille(calc::cond_fumees::nomsMateriaux)},
        {{"CmbDeperdition", 0}, taille(calc::deperdition::nomsConduites)},
        {{"CmbDeperdition", 1}, taille(calc::deperdition::nomsFluides)},
        {{"ChkDeperdition", 0}, 2},
        {{"OptDeperdition", 0}, 2},
    };
    const auto n = nombres.find(liste);
    if (n == nombres.end())
        echec("no item count for the list " + std::string(liste.famille));
    return n->second;
}

// Lines enter the controls a calculation's Source tables name, choices pick
// in the lists its Choix tables name: each control once, in table order.
template <class T> void ajouter(std::vector<T>& v, const T& x) {
    if (std::find(v.begin(), v.end(), x) == v.end())
        v.push_back(x);
}
template <class E, std::size_t N>
void ajouter(Disposition& d, const formulaires::Source<E> (&sources)[N]) {
    for (const auto& s : sources)
        ajouter(d.lignes, Controle{s.famille, s.index});
}
template <class E, std::size_t N>
void ajouter(Disposition& d, const formulaires::Choix<E> (&choix)[N]) {
    for (const auto& c : choix)
        ajouter(d.listes, Liste{{c.famille, c.index}, items({c.famille, c.index})});
}
template <class... T> Disposition tables(const T&... t) {
    Disposition d;
    (ajouter(d, t), ...);
    return d;
}
std::function<Disposition(std::string_view)> fixe(Disposition d) {
    return [d](std::string_view) { return d; };
}

// The result of a calculation that succeeded on inputs that read; nullopt
// for inputs that do not (the page then does nothing or shows its failure)
// and for any other outcome, a refusal or a failure.
template <class R, class E, class F, class... N>
std::optional<R> reussite(const std::optional<E>& entree, F calculer, N*... notes) {
    if (!entree)
        return std::nullopt;
    const auto calcul = calculer(*entree, notes...);
    if (const R* r = std::get_if<R>(&calcul))
        return *r;
    return std::nullopt;
}

// The values a calculation formed, as the sheet writes them, whatever its
// outcome: numbers (or a temperature relation), never an infinity, a NaN or
// the failure marker.
template <class N, std::size_t K>
void verifierNotes(const Onglet& o, const formulaires::Intermediaire<N> (&table)[K],
                   const N& notes) {
    for (const formulaires::Intermediaire<N>& i : table)
        verifierTexte(i.ecrire(notes, o.separateur()), i.titre);
}

// The rows converting into each other: choice byte 0 picks the field the
// conversion starts from (the index its handler is given), the next two the
// unit lists of its row, its own first; line 1 enters that field.
Disposition rangee(std::string_view choix, std::string_view champs, int nombreChamps,
                   std::string_view listes, int listeSource, int listeCible, int unites) {
    Disposition d;
    d.index = choisi(choix, 0, nombreChamps);
    d.choixPris = 1;
    d.lignes = {{champs, d.index}};
    if (listeSource >= 0)
        d.listes = {{{listes, listeSource}, unites}, {{listes, listeCible}, unites}};
    return d;
}

void conversion(Onglet& o, const Disposition& d) {
    const fconv::Rangee& r = fconv::rangees[static_cast<std::size_t>(d.index / 2)];
    const auto x = nombres::lireDouble(o.texte("TxtConversion", d.index), o.separateur());
    const int source = o.item("CmbConversion", d.index);
    const int cible = o.item("CmbConversion", partenaire(d.index));
    if (!x || source < 0 || cible < 0)
        return;
    calc::conversion::Intermediaires notes;
    const auto y = calc::conversion::convertir(r.grandeur, *x, static_cast<std::size_t>(source),
                                               static_cast<std::size_t>(cible), &notes);
    verifierNotes(o, fconv::intermediaires, notes);
    if (y)
        o.ecrire({"TxtConversion", partenaire(d.index)}, nombres::ecrireDouble(*y, o.separateur()),
                 "converted value");
}

void pciPcs(Onglet& o, const Disposition& d) {
    namespace pci = calc::pci_pcs;
    const fpci::Rangee& r = fpci::rangees[static_cast<std::size_t>(d.index / 2)];
    const auto combustible = static_cast<calc::Combustible>(d.index / 2);
    const bool versPCS = d.index % 2 == 0;
    const std::u16string texte = o.texte("TxtPCI_PCS", d.index);
    std::optional<double> x = nombres::lireDouble(texte, o.separateur());
    if (pci::luEnSimple(combustible) && x)
        x = nombres::lireSimple(texte, o.separateur());
    // Natural gas has unit labels, one unit.
    const int unitePCI = r.listePCI < 0 ? 0 : o.item("CmbPCI_PCS", r.listePCI);
    const int unitePCS = r.listePCS < 0 ? 0 : o.item("CmbPCI_PCS", r.listePCS);
    if (!x || unitePCI < 0 || unitePCS < 0)
        return;
    pci::Intermediaires notes;
    const auto resultat = pci::convertir(
        combustible, versPCS ? pci::Sens::VersPCS : pci::Sens::VersPCI, *x,
        static_cast<std::size_t>(unitePCI), static_cast<std::size_t>(unitePCS), &notes);
    verifierNotes(o, fpci::intermediaires, notes);
    if (!resultat)
        return;
    o.ecrire({"TxtPCI_PCS", partenaire(d.index)},
             nombres::ecrireDouble(resultat->cible, o.separateur()), "converted heating value");
    o.montrer("amount of fuel", {resultat->quantite});
}

void gicleur(Onglet& o, const Disposition&) {
    const auto entree = lire<fgic::Entree>(fgic::sources, o);
    calc::gicleur::Intermediaires notes;
    const auto r = entree ? calc::gicleur::calculer(*entree, &notes) : std::nullopt;
    verifierNotes(o, fgic::intermediaires, notes);
    if (!r)
        return;
    o.montrer("nozzle, pressure, flow", {r->gicleur, r->pression, r->debit});
    if (r->rangee < -1 || r->rangee >= taille(calc::gicleur::Gamme_Gicleurs()))
        echec("row " + std::to_string(r->rangee));
}

void combustion(Onglet& o, const Disposition&) {
    namespace k = calc::combustion;
    const auto conversion =
        lire<k::EntreeConversion>(fcomb::sourcesConversion, fcomb::listesConversion, o);
    if (const auto autre = conversion ? k::convertir(*conversion) : std::nullopt)
        o.montrer("other gas content", {*autre});
    const auto entree =
        lire<k::EntreeRendement>(fcomb::sourcesRendement, fcomb::listesRendement, o);
    k::Intermediaires notes;
    const auto r = entree ? k::calculerRendement(*entree, &notes) : std::nullopt;
    verifierNotes(o, fcomb::intermediaires, notes);
    if (r)
        o.montrer("flue-gas loss, efficiency, excess air, air factor, dew point, flue-gas volume",
                  {r->pertes, r->rendement, r->excesAir, r->facteurAir, r->rosee, r->volume});
}

void condFumees(Onglet& o, const Disposition&) {
    namespace f = calc::cond_fumees;
    const auto saisie = lire<f::Saisie>(ffum::sources, ffum::listes, o);
    f::Intermediaires notes;
    const auto r = reussite<f::Resultat>(saisie, f::calculer, &notes);
    verifierNotes(o, ffum::intermediaires, notes);
    if (r)
        o.montrer("section, square side, diameter", {r->section, r->cote, r->diametre});
}

// The offset frame, then "-->" reporting the total into the duct's length.
void devoiement(Onglet& o, const Disposition&) {
    namespace d = calc::devoiement;
    d::controlerOuverture(
        nombres::lireDouble(o.texte("TxtCond_Fumees", 9), o.separateur()).value_or(0));
    const auto entree = lire<d::Entree>(ffum::sourcesDevoiement, o);
    const auto r = entree ? d::calculer(*entree) : std::nullopt;
    if (!r)
        return;
    o.montrer("inclined length, inclined height", {r->longueurInclinee, r->hauteurInclinee});
    o.afficher({"LblDevoiement", 2}, r->longueurTotale, "total length");
    o.ecrire({"TxtCond_Fumees", 10}, o.texte("LblDevoiement", 2), "reported length");
}

void masseVolumique(Onglet& o, const Disposition&) {
    namespace m = calc::masse_volumique;
    const auto eau = lire<fmv::EntreeEau>(fmv::sourcesEau, o);
    const auto calculerEau = [](const fmv::EntreeEau& e) { return m::calculerEau(e.t); };
    if (const auto e = reussite<m::Eau>(eau, calculerEau))
        o.montrer("water kg/m3, kg/l, m3/kg, l/kg", {e->kgM3, e->kgL, e->m3Kg, e->lKg});
    m::IntermediairesAir notes;
    const auto air =
        reussite<m::Air>(lire<m::EntreeAir>(fmv::sourcesAir, o), m::calculerAir, &notes);
    verifierNotes(o, fmv::intermediairesAir, notes);
    if (!air)
        return;
    o.montrer("dry air kg/m3, m3/kg", {air->secKgM3, air->secM3Kg});
    if (air->humide == m::Air::Humide::Calcule)
        o.montrer("humid air kg/m3, m3/kg", {air->humideKgM3, air->humideM3Kg});
    else if (air->humide == m::Air::Humide::Sature)
        o.montrer("saturation humidity", {air->saturation});
}

void deperdition(Onglet& o, const Disposition&) {
    namespace dep = calc::deperdition;
    dep::Entree depart;
    depart.isolee = o.item("ChkDeperdition", 0) == 0;
    depart.milieu = o.item("OptDeperdition", 0) == 0 ? dep::Milieu::Air : dep::Milieu::Eau;
    const auto entree = lire<dep::Entree>(fdep::sources, fdep::listes, o, depart);
    dep::Intermediaires notes;
    const auto r = reussite<dep::Resultat>(entree, dep::calculer, &notes);
    verifierNotes(o, fdep::intermediaires, notes);
    if (r)
        o.montrer("Y, Ui, Ue, surface temperature, outlet temperature, loss per metre, outer "
                  "loss per m2, total loss, total loss in kW, temperature drop, inner loss per m2",
                  {r->y, r->ui, r->ue, r->temperatureSurface, r->temperatureSortie,
                   r->perteLineique, r->perteSurfaciqueExterne, r->perteTotale, r->perteTotaleKw,
                   r->chute, r->perteSurfaciqueInterne});
}

// The pressure block: the vessel read back from the vessel block's labels.
void pression(Onglet& o) {
    namespace p = calc::pression_temperature;
    const auto entree = lire<p::Entree>(fexp::sourcesPression, o);
    if (!entree)
        return;
    p::Intermediaires notes;
    const auto r = p::calculer(*entree, &notes);
    verifierNotes(o, fexp::intermediairesPression, notes);
    const p::Lignes* l = nullptr;
    if (const auto* normal = std::get_if<p::Normal>(&r.fin))
        l = &normal->l;
    else if (const auto* decharge = std::get_if<p::Decharge>(&r.fin))
        l = &decharge->l;
    if (l != nullptr)
        o.montrer("pressure, expanded volume, water in the vessel", {l->p, l->vd, l->vw0});
}

constexpr std::string_view resultatsVase = "LblResultat_Expansion";

// The vessel block, its filling pressure written into the pressure block's
// field, then the pressure block.
void vaseExpansion(Onglet& o, const Disposition&) {
    namespace v = calc::vase_expansion;
    const auto entree = lire<v::Entree>(fexp::sources, o);
    v::Intermediaires notes;
    const auto calcul = entree ? v::calculer(*entree, &notes) : v::Echec{};
    verifierNotes(o, fexp::intermediaires, notes);
    if (const auto* refus = std::get_if<v::RefusVolume>(&calcul))
        o.montrer("volume refused", {refus->vmin});
    if (const auto* r = std::get_if<v::Resultat>(&calcul)) {
        o.montrer("Ve, Vmin, Vu, reserve, atmospheric pressure",
                  {r->ve, r->vmin, r->vu, r->vr, r->patm});
        // The labels the pressure block reads the vessel from, and the filling pressure.
        o.afficher({resultatsVase, 5}, r->pst, "static pressure");
        o.afficher({resultatsVase, 2}, utf16(std::to_string(r->vase.volume)));
        o.afficher({resultatsVase, 9}, r->vase.precharge, "precharge");
        o.afficher({resultatsVase, 7}, r->pfill, "filling pressure");
        o.ecrire({"TxtExpansionTemp", 1}, o.texte(resultatsVase, 7), "filling pressure");
    } else {
        for (const auto& s : fexp::sourcesPression)
            if (s.famille == resultatsVase)
                o.afficher({resultatsVase, s.index}, u"#####");
    }
    pression(o);
}

// The lines of the vessel block: what the pressure block reads from it, the
// program writes.
Disposition dispositionVase() {
    Disposition d = tables(fexp::sources, fexp::sourcesPression);
    std::erase_if(d.lignes, [](Controle c) {
        return c.famille == resultatsVase || c == Controle{"TxtExpansionTemp", 1};
    });
    return d;
}

void vaseSanitaire(Onglet& o, const Disposition&) {
    namespace v = calc::vase_sanitaire;
    v::Intermediaires notes;
    const auto r = reussite<v::Resultat>(lire<v::Entree>(fsan::sources, o), v::calculer, &notes);
    verifierNotes(o, fsan::intermediaires, notes);
    if (r)
        o.montrer("Ve, Vmin, Vu, Vc, reserve, highest mains pressure, valve setting, absorbed "
                  "volume, atmospheric pressure",
                  {r->ve, r->vmin, r->vu, r->vc, r->d, r->p5, r->p7, r->absorbe, r->patm});
}

} // namespace

const std::vector<Calculateur>& calculateurs() {
    static const std::vector<Calculateur> tous = [] {
        const int champsConversion = 2 * static_cast<int>(fconv::rangees.size());
        const int champsPCI = 2 * static_cast<int>(fpci::rangees.size());
        Disposition isolation = tables(fdep::sources, fdep::listes);
        for (const Controle c : {Controle{"ChkDeperdition", 0}, Controle{"OptDeperdition", 0}})
            isolation.listes.push_back({c, items(c)});
        const std::vector<Champs> expansion = {{"TxtExpansion", fexp::champs},
                                               {"TxtExpansionTemp", fexp::champsPression}};
        const std::vector<Champs> fumees = {{"TxtCond_Fumees", ffum::champsRaccordement},
                                            {"TxtCond_Fumees", ffum::champsChaudiere},
                                            {"TxtCond_Fumees", ffum::champsConduit}};
        return std::vector<Calculateur>{
            {"conversion",
             {{"TxtConversion", {}}},
             [=](std::string_view choix) {
                 const int index = choisi(choix, 0, champsConversion);
                 const auto g = fconv::rangees[static_cast<std::size_t>(index / 2)].grandeur;
                 return rangee(choix, "TxtConversion", champsConversion, "CmbConversion", index,
                               partenaire(index), taille(calc::conversion::unites(g)));
             },
             conversion},
            {"pci_pcs",
             {{"TxtPCI_PCS", {}}},
             [=](std::string_view choix) {
                 const int index = choisi(choix, 0, champsPCI);
                 const fpci::Rangee& r = fpci::rangees[static_cast<std::size_t>(index / 2)];
                 const auto c = static_cast<calc::Combustible>(index / 2);
                 const bool pci = index % 2 == 0;
                 return rangee(choix, "TxtPCI_PCS", champsPCI, "CmbPCI_PCS",
                               pci ? r.listePCI : r.listePCS, pci ? r.listePCS : r.listePCI,
                               taille(calc::pci_pcs::unites(c)));
             },
             pciPcs},
            {"gicleur", {{"TxtGicleur", fgic::champs}}, fixe(tables(fgic::sources)), gicleur},
            {"combustion",
             {{"TxtCombustion", fcomb::champsConversion},
              {"TxtCombustion", fcomb::champsRendement}},
             fixe(tables(fcomb::sourcesConversion, fcomb::listesConversion, fcomb::sourcesRendement,
                         fcomb::listesRendement)),
             combustion},
            {"cond_fumees", fumees, fixe(tables(ffum::sources, ffum::listes)), condFumees},
            {"devoiement",
             {{"TxtDevoiement", ffum::champsDevoiement},
              {"TxtCond_Fumees", ffum::champsRaccordement},
              {"TxtCond_Fumees", ffum::champsChaudiere},
              {"TxtCond_Fumees", ffum::champsConduit}},
             fixe(tables(ffum::sourcesDevoiement)),
             devoiement},
            {"masse_volumique",
             {{"TxtMasse_Vol", fmv::champs}},
             fixe(tables(fmv::sourcesEau, fmv::sourcesAir)),
             masseVolumique},
            {"deperdition",
             {{"TxtDeperdition", fdep::champsFluide}, {"TxtDeperdition", fdep::champsIsolation}},
             fixe(isolation),
             deperdition},
            {"vase_expansion", expansion, fixe(dispositionVase()), vaseExpansion},
            {"pression_temperature", expansion, fixe(tables(fexp::sourcesPression)),
             [](Onglet& o, const Disposition&) { pression(o); }},
            {"vase_sanitaire",
             {{"TxtExpansionSanitaire", fsan::champs}},
             fixe(tables(fsan::sources)),
             vaseSanitaire},
        };
    }();
    return tous;
}

} // namespace fuzz
