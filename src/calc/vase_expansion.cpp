#include "calc/vase_expansion.h"

#include "calc/atmosphere.h"
#include "calc/eau.h"
#include "calc/echec.h"
#include "nombres/nombres.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace calc::vase_expansion {

namespace {

constexpr double g = 9.81;               // m/s²
constexpr double pascalsParBar = 100000; // Pa

// Runs of passes adding the same step to Vmin are taken in one leap (sauter), leaving a handful of
// passes; the bound is for volumes below the normal single range, which the leap leaves alone.
constexpr int passesMaximales = 10000;

constexpr Vase classe05[] = {
    {2, 0.5f, "2/0,5"},     {4, 0.5f, "4/0,5"},     {8, 0.5f, "8/0,5"},     {12, 0.5f, "12/0,5"},
    {18, 0.5f, "18/0,5"},   {25, 0.5f, "25/0,5"},   {35, 0.5f, "35/0,5"},   {50, 0.5f, "50/0,5"},
    {80, 0.5f, "80/0,5"},   {110, 0.5f, "110/0,5"}, {140, 0.5f, "140/0,5"}, {200, 0.5f, "200/0,5"},
    {280, 0.5f, "280/0,5"}, {425, 0.5f, "425/0,5"},
};
constexpr Vase classe1[] = {
    {18, 1, "18/1"},   {25, 1, "25/1"},   {35, 1, "35/1"},   {50, 1, "50/1"},
    {80, 1, "80/1"},   {110, 1, "110/1"}, {140, 1, "140/1"}, {200, 1, "200/1"},
    {280, 1, "280/1"}, {425, 1, "425/1"}, {600, 1, "600/1"},
};
constexpr Vase classe15[] = {
    {35, 1.5f, "35/1,5"},   {50, 1.5f, "50/1,5"},   {80, 1.5f, "80/1,5"},
    {110, 1.5f, "110/1,5"}, {140, 1.5f, "140/1,5"}, {200, 1.5f, "200/1,5"},
    {280, 1.5f, "280/1,5"}, {425, 1.5f, "425/1,5"}, {600, 1.5f, "600/1,5"},
};
constexpr Vase classe2[] = {
    {80, 2, "80/2"},   {110, 2, "110/2"}, {140, 2, "140/2"}, {200, 2, "200/2"},
    {280, 2, "280/2"}, {425, 2, "425/2"}, {600, 2, "600/2"},
};
constexpr Vase classe25[] = {
    {110, 2.5f, "110/2,5"}, {140, 2.5f, "140/2,5"}, {200, 2.5f, "200/2,5"},
    {280, 2.5f, "280/2,5"}, {425, 2.5f, "425/2,5"}, {600, 2.5f, "600/2,5"},
};

// Round(x, 2) held as the single its label writes.
float arrondi2(float x) {
    return arith::simple(nombres::Round(x, 2));
}

// Vmin after the passes that follow x0 → x1 → x2, each adding the same float step x2 − x1 ==
// x1 − x0 with x0 and x2 in one binade: in a binade, x + c rounds to the double grid and then to
// the float grid the same way for every x (a tie only on the first pass, onto an even x1), so
// the step stays exact while Vmin stays within the binade and the vessel. A negative Vmin (a
// valve setting just below the static pressure) rises towards zero through ever finer binades,
// a positive one towards the vessel.
// `passes` counts the passes taken in the leap.
float sauter(float x0, float x2, float pas, int volume, long& passes) {
    const auto normal = [](float x) { return std::abs(x) >= std::numeric_limits<float>::min(); };
    if (!normal(x0) || !normal(x2) || (x0 < 0) != (x2 < 0) || std::ilogb(x0) != std::ilogb(x2))
        return x2;
    const int e = std::ilogb(x2);
    const double ulp = std::ldexp(1.0, e - 23);
    const double plafond =
        x2 > 0 ? std::min<double>(volume, std::ldexp(1.0, e + 1) - ulp) : -std::ldexp(1.0, e) - ulp;
    if (!(x2 < plafond))
        return x2;
    const double n = std::floor((plafond - x2) / pas);
    passes += static_cast<long>(n);
    return static_cast<float>(x2 + n * pas);
}

} // namespace

bool temperatureRefusee(double t) {
    return t > temperatureMaximale;
}

const std::array<Classe, 5>& gamme() {
    static constexpr std::array<Classe, 5> classes = {{
        {5, 0.5f, classe05},
        {10, 1, classe1},
        {15, 1.5f, classe15},
        {20, 2, classe2},
        {25, 2.5f, classe25},
    }};
    return classes;
}

std::variant<Resultat, RefusHauteur, RefusVolume, Echec> calculer(const Entree& e,
                                                                  Intermediaires* notes) {
    Intermediaires ici;
    Intermediaires& note = notes != nullptr ? *notes : ici;
    note = {};
    const auto& [h, tmax, tfill, V, H, Pv] = e;
    using arith::div;
    using arith::fini;
    using arith::simple;
    try {
        // A field beyond the single range is an overflow, not a number.
        for (const float v : {tmax, tfill, Pv})
            fini(v);
        // Densities (kg/m³) and every named quantity below are held as singles.
        const Dilatation dilate = dilatation(V, tfill, tmax);
        const float rhoFill = dilate.rho1;
        note.rhoFill = rhoFill;
        note.rhoMax = dilate.rho2;
        const float ve = dilate.volume; // litres
        const double patm = pressionAtmospherique(h);
        const float pa = simple(div(patm, pascalsParBar)); // bar
        note.pa = pa;
        const float pst = simple(div(fini(fini(H * rhoFill) * g), pascalsParBar));
        if (pst > pressionStatiqueMaximale)
            return RefusHauteur{};

        // Absolute pressures, bar: final at the valve setting, initial at the static pressure.
        const float a = simple(fini(double{pa} + Pv));
        note.a = a;
        const float b = simple(fini(double{pa} + pst));
        note.b = b;
        float vmin = simple(div(fini(double{ve} * a), fini(double{a} - b)));
        note.vminInitial = vmin;
        note.corrections = 0;

        const float k = simple(fini(10.0 * pst));
        const Classe* classe = nullptr;
        for (const Classe& c : gamme())
            if (k <= c.borne) {
                classe = &c;
                break;
            }
        const auto refusVolume = [&vmin] { return RefusVolume{arrondi2(vmin)}; };
        if (classe == nullptr)
            return refusVolume();
        // A valve setting at the class's precharge leaves no useful volume. A is a single and
        // Pa + Pp exact in double, so A − (Pa + Pp) is then A's own rounding, at most half a unit
        // in its last place; a setting within another half unit of the precharge is one A cannot
        // tell from it. Within one unit the useful volume is zero: refused with the volume the
        // installation needs, before any correction.
        const double gonflage = fini(double{pa} + classe->precharge); // absolute precharge
        int exposant = 0;
        std::frexp(a, &exposant);
        if (std::abs(a - gonflage) <= std::ldexp(1.0, exposant - 24))
            return refusVolume();

        // The smallest vessel of the class holding Vmin; while its useful volume falls short of
        // the expanded volume, the shortfall is added to Vmin and the search runs again.
        const Vase* vase = nullptr;
        const Vase* vasePrecedent = nullptr;
        float vu = 0;
        float vminPrecedent = 0;
        float pasPrecedent = 0;
        for (int passe = 0;; ++passe) {
            vase = nullptr;
            for (const Vase& v : classe->vases)
                if (vmin <= v.volume) {
                    vase = &v;
                    break;
                }
            if (vase == nullptr)
                return refusVolume();
            vu = simple(div(fini(vase->volume * fini(a - gonflage)), a));
            if (!(vu < ve))
                break;
            float corrige = simple(fini(vmin + fini(double{ve} - vu)));
            // A correction too small to move Vmin would repeat forever.
            if (corrige == vmin || passe == passesMaximales)
                return refusVolume();
            const float pas = corrige - vmin;
            const float x0 = vminPrecedent;
            vminPrecedent = vmin;
            ++*note.corrections;
            if (vase == vasePrecedent && pas == pasPrecedent)
                corrige = sauter(x0, corrige, pas, vase->volume, *note.corrections);
            vasePrecedent = vase;
            pasPrecedent = pas;
            vmin = corrige;
        }

        const float vr = simple(fini(double{vu} - ve));
        const float pp = vase->precharge;
        const float pfill = simple(fini(
            div(fini(fini(double{pa} + pp) * vase->volume), fini(vase->volume - double{vr})) - pa));

        Resultat r{};
        r.ve = arrondi2(ve);
        r.vmin = arrondi2(vmin);
        r.vu = arrondi2(vu);
        r.pst = arrondi2(pst);
        r.vr = arrondi2(vr);
        r.pfill = arrondi2(pfill);
        r.vase = *vase;
        r.patm = nombres::Round(patm, 2);
        return r;
    } catch (const EchecExecution&) {
        return Echec{};
    }
}

} // namespace calc::vase_expansion
