// libFuzzer target over the calculations and the entry fields. The bytes
// become the texts of a tab's fields, pasted or typed at a caret, the items
// picked in its lists and a decimal separator; every change of a field runs
// the field's real Change handling (the cleaning, then the refusals of its
// form's Champ table), and one calculator of the table in calculateurs.cpp
// reads its inputs through the form's Source and Choix tables, as its page
// does. What must never happen aborts (verifications.h, onglet.h): a cleaning
// that nests deeper than four, a cleaned text that is no number nor a lone
// "-" or that the cleaning would change again, a number written into a field
// that its Change handling alters, a success with a value that is not finite,
// a result written "inf", "nan" or "#####" or that does not read back. The
// sanitizers and libFuzzer's timeout catch the rest.
//
// Input, UTF-8: a first line, then one line per control.
//   - first line: its first byte "." for the point as separator (anything
//     else the comma); its second byte picks the calculator: a conversion,
//     b pci_pcs, c gicleur, d combustion, e cond_fumees, f devoiement,
//     g masse_volumique, h deperdition, i vase_expansion (then the pressure
//     from its results), j pression_temperature, k vase_sanitaire; each
//     further byte is a choice, "0" for the first item (a missing byte picks
//     it too). On the converting tabs (a, b) the first choice picks the field
//     the conversion starts from, TxtConversion(i) or TxtPCI_PCS(i), the next
//     ones its unit list, then its partner's (natural gas has none).
//     Elsewhere choice k picks in the k-th distinct list the calculator's
//     Choix tables name, in table order (then, for the heat loss, the check
//     box and the option group: "0" insulated, still air).
//   - line k + 1 enters the k-th distinct control the calculator's Source
//     tables name, in table order (on the converting tabs, the field the
//     conversion starts from), leaving out what the program writes before it
//     reads it (in vase_expansion, the vessel's result labels and the filling
//     pressure). A label's line is cleaned as a field's. Further lines are
//     cleaned and checked, nothing more. A field no line enters holds its
//     form's default text, a label nothing wrote "0".
//   - line "T": T pasted over the control's whole text.
//   - line "A\1B\1C" (or with \2): the program has written A + C into the
//     field; with the caret after A, B is then typed key by key (\1) or
//     pasted at once (\2).
#include "calculateurs.h"
#include "format.h"
#include "onglet.h"
#include "verifications.h"

#include <cstdint>
#include <exception>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    fuzz::Entree entree;
    if (!fuzz::decouper({reinterpret_cast<const char*>(donnees), taille}, entree))
        return 0;
    const auto& tous = fuzz::calculateurs();
    const fuzz::Calculateur& calcul =
        tous[static_cast<unsigned char>(entree.entete.calcul - 'a') % tous.size()];
    fuzz::nommerCalcul(calcul.nom);

    // The page would catch what a calculation throws: here nothing may be thrown.
    try {
        fuzz::Onglet onglet(entree.entete.separateur);
        for (const fuzz::Champs& f : calcul.familles)
            onglet.declarer(f.famille, f.table);
        const fuzz::Disposition d = calcul.disposer(entree.entete.choix);
        for (std::size_t k = 0; k < d.listes.size(); ++k)
            onglet.choisir(d.listes[k].controle,
                           fuzz::choisi(entree.entete.choix, d.choixPris + k, d.listes[k].items));
        for (std::size_t k = 0; k < entree.lignes.size(); ++k) {
            const auto brouillon = fuzz::Controle{"Brouillon", static_cast<int>(k)};
            onglet.saisir(k < d.lignes.size() ? d.lignes[k] : brouillon,
                          fuzz::lireLigne(entree.lignes[k]));
        }
        calcul.calculer(onglet, d);
    } catch (const std::exception& e) {
        fuzz::echec(std::string("an exception escaped: ") + e.what());
    }
    return 0;
}
