// The calculators the fuzz target runs, each fed from its tab's form as its
// page feeds it, and what an input's lines and choices enter for it.
#pragma once

#include "onglet.h"

#include "formulaires/formulaire.h"

#include <functional>
#include <span>
#include <string_view>
#include <vector>

namespace fuzz {

// A list (or a check box, an option group) and how many items it offers.
struct Liste {
    Controle controle;
    int items;
    bool operator==(const Liste&) const = default;
};

// Field line k + 1 enters control lignes[k]; choice byte choixPris + k picks
// the item of listes[k].
struct Disposition {
    std::vector<Controle> lignes;
    std::vector<Liste> listes;
    int index = 0;             // the member whose handler runs, on the converting tabs
    std::size_t choixPris = 0; // choice bytes taken first, to pick that member
};

// A family of entry fields with the form's table of its fields.
struct Champs {
    std::string_view famille;
    std::span<const formulaires::Champ> table;
};

struct Calculateur {
    const char* nom;
    std::vector<Champs> familles;
    std::function<Disposition(std::string_view choix)> disposer;
    void (*calculer)(Onglet& onglet, const Disposition& disposition);
};

// The calculators, the second byte of an input picking one: "a" the first.
const std::vector<Calculateur>& calculateurs();

} // namespace fuzz
