// What a tab's form is made of, as data: its entry fields (default text,
// caption, unit, place, accepted range, the value refused as it is typed)
// and, for each calculation, which control's text feeds which input and how
// it is read (single or double precision). The page builds and reads its
// controls from these tables; the fuzz target and the tests read the same
// ones. Standard C++ only.
#pragma once

#include "entry/nettoyage.h"
#include "nombres/nombres.h"
#include "ui/twips.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

namespace formulaires {

// The page's own top left corner, in the tab control's twips.
inline constexpr int gauchePage = 0;
inline constexpr int hautPage = 2 * ui::hauteurRangOnglets;

// Inside a frame, positions are measured from the frame's own top left
// corner: this gives the placement helpers the same spot.
constexpr int dansCadre(int haut) {
    return haut + hautPage;
}

// The values a field's calculation accepts, told in its tooltip with the
// field's unit: "0 à 150 °C", "au plus 100 °C", "au moins 0 °C", "0 < n < 1"
// (a ratio named by its symbol), or a rule told in words, where "%1" stands
// for `max` written with the system separator.
struct Plage {
    enum class Genre { Aucune, Entre, AuPlus, AuMoins, Strict, Regle } genre = Genre::Aucune;
    double min = 0, max = 0;
    const char* regle = nullptr; // UTF-8

    static constexpr Plage entre(double min, double max) { return {Genre::Entre, min, max}; }
    static constexpr Plage auPlus(double max) { return {Genre::AuPlus, 0, max}; }
    static constexpr Plage auMoins(double min) { return {Genre::AuMoins, min, 0}; }
    static constexpr Plage strictementEntre(double min, double max) {
        return {Genre::Strict, min, max};
    }
    static constexpr Plage enMots(const char* regle, double max = 0) {
        return {Genre::Regle, 0, max, regle};
    }
};

// Where a box (an entry field, a list or a result) stands, in twips from the
// tab control's top left corner, with its caption right above it and its unit
// right of it: the labels "Nom(titre)" and "Nom(unite)" of the page's caption
// array, -1 for none. A caption the page has placed already (shared by the
// boxes of a row) is not placed again. Texts in UTF-8.
struct Encadre {
    int titre, unite;
    const char* texteTitre;
    const char* texteUnite;
    int gauche, haut;
    int lignes = 1; // lines the caption may wrap into
    Plage plage = {};
    int largeurTitre = 0; // twips, 0 for the page's usual width
};

// An entry field "Famille(index)" of the page: its text at start, its box.
struct Champ {
    int index;
    const char* defaut; // UTF-8; the start-up step may write another value
    Encadre e;
    entry::Refus refus = {};
};

// The other field of a row whose two fields convert into each other:
// index + 1 for an even index, index − 1 for an odd one.
constexpr int partenaire(int index) {
    return index % 2 == 0 ? index + 1 : index - 1;
}

// Reads the controls of a page: the text of a field or a label, the item
// picked in a list (-1 for none).
class Lecteur {
public:
    virtual ~Lecteur() = default;
    virtual std::u16string texte(std::string_view famille, int index) const = 0;
    virtual int item(std::string_view famille, int index) const = 0;
    virtual char16_t separateur() const = 0;
};

template <class> struct MembreDe;
template <class E, class T> struct MembreDe<T E::*> {
    using Classe = E;
    using Type = T;
};
template <auto M> using ClasseDe = typename MembreDe<decltype(M)>::Classe;

// Reads `texte` into member M as the member's type says: float, a single (an
// infinity beyond the single range); double, a double; an optional member
// takes a text that is no number as nullopt, which the calculation handles
// itself. False when a non-optional member's text is no number.
template <auto M> bool lireDans(ClasseDe<M>& entree, std::u16string_view texte, char16_t sep) {
    using T = typename MembreDe<decltype(M)>::Type;
    auto& valeur = entree.*M;
    constexpr bool simple = std::is_same_v<T, float> || std::is_same_v<T, std::optional<float>>;
    static_assert(simple || std::is_same_v<T, double> || std::is_same_v<T, std::optional<double>>);
    const auto v = [&] {
        if constexpr (simple)
            return nombres::lireSimple(texte, sep);
        else
            return nombres::lireDouble(texte, sep);
    }();
    if constexpr (std::is_same_v<T, float> || std::is_same_v<T, double>) {
        valeur = v.value_or(0);
        return v.has_value();
    } else {
        valeur = v;
        return true;
    }
}

// Sets member M, an enumeration in the list's order, to its item-th value.
template <auto M> void choisirItem(ClasseDe<M>& entree, int item) {
    entree.*M = static_cast<typename MembreDe<decltype(M)>::Type>(item);
}

// One input of a calculation, fed by the text of control "famille(index)".
template <class E> struct Source {
    const char* famille;
    int index;
    bool (*lire)(E& entree, std::u16string_view texte, char16_t separateur);
};
template <auto M> constexpr Source<ClasseDe<M>> source(const char* famille, int index) {
    return {famille, index, &lireDans<M>};
}

// One choice of a calculation, fed by the item picked in list "famille(index)".
template <class E> struct Choix {
    const char* famille;
    int index;
    void (*choisir)(E& entree, int item);
};
template <auto M> constexpr Choix<ClasseDe<M>> choix(const char* famille, int index) {
    return {famille, index, &choisirItem<M>};
}

// One value a calculation forms on its way to its results, for the sheet:
// member M of its notes, a std::optional reached or not (a text, empty while
// not reached), with its caption and unit (UTF-8). `uniteSelon`, if set,
// gives the unit instead, one that follows an input (a fuel's).
template <class N> struct Intermediaire {
    const char* titre;
    const char* unite;
    // The value with the number conventions and the separator; "" while not reached.
    std::u16string (*ecrire)(const N& notes, char16_t separateur);
    std::u16string_view (*uniteSelon)(const N& notes) = nullptr;
};

// A single with 7 digits, a double with 15, a count whole; a text as it
// stands, its decimal points written with the separator.
template <class T> std::u16string ecrireValeur(const T& v, char16_t sep) {
    if constexpr (std::is_same_v<T, float>) {
        return nombres::ecrireSimple(v, sep);
    } else if constexpr (std::is_floating_point_v<T> || std::is_integral_v<T>) {
        return nombres::ecrireDouble(static_cast<double>(v), sep);
    } else {
        std::u16string texte(v);
        for (char16_t& c : texte)
            if (c == u'.')
                c = sep;
        return texte;
    }
}

template <class> constexpr bool estOptionnel = false;
template <class T> constexpr bool estOptionnel<std::optional<T>> = true;

template <auto M> std::u16string ecrireMembre(const ClasseDe<M>& notes, char16_t sep) {
    const auto& v = notes.*M;
    if constexpr (estOptionnel<std::remove_cvref_t<decltype(v)>>)
        return v ? ecrireValeur(*v, sep) : std::u16string();
    else
        return ecrireValeur(v, sep);
}

template <auto M>
constexpr Intermediaire<ClasseDe<M>>
intermediaire(const char* titre, const char* unite = "",
              std::u16string_view (*uniteSelon)(const ClasseDe<M>&) = nullptr) {
    return {titre, unite, &ecrireMembre<M>, uniteSelon};
}

// The inputs of a calculation read from the controls, starting from
// `depart` (what no control feeds: check boxes, options); nullopt when a
// non-optional input's text is no number (a lone "-") or a list has no item.
template <class E>
std::optional<E> lire(std::span<const Source<E>> sources, std::span<const Choix<E>> listes,
                      const Lecteur& lecteur, E depart = {}) {
    for (const Source<E>& s : sources)
        if (!s.lire(depart, lecteur.texte(s.famille, s.index), lecteur.separateur()))
            return std::nullopt;
    for (const Choix<E>& c : listes) {
        const int item = lecteur.item(c.famille, c.index);
        if (item < 0)
            return std::nullopt;
        c.choisir(depart, item);
    }
    return depart;
}

template <class E>
std::optional<E> lire(std::span<const Source<E>> sources, const Lecteur& lecteur, E depart = {}) {
    return lire<E>(sources, {}, lecteur, depart);
}

} // namespace formulaires
