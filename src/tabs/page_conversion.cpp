#include "tabs/page_conversion.h"

#include "calc/conversion.h"
#include "entry/champs_qt.h"
#include "entry/separateur.h"
#include "tabs/disposition.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>

namespace tabs {

namespace {

using calc::conversion::Grandeur;

struct Rangee {
    Grandeur grandeur;
    const char16_t* legende;
    const char16_t* uniteGauche; // shown at start
    const char16_t* uniteDroite;
    int gauche, haut; // left field, twips
};

const std::array<Rangee, 5> rangees = {{
    {Grandeur::Temperature, u"Degrés", u"°C", u"°K", 840, 1920},
    {Grandeur::Pression, u"Pression", u"mCE", u"bar", 840, 3960},
    {Grandeur::Puissance, u"Puissance", u"W", u"kW", 3960, 6120},
    {Grandeur::Energie, u"Ènergie", u"W/h", u"kW/h", 7080, 1920},
    {Grandeur::Debit, u"Débit", u"m3/h", u"l/h", 7080, 3960},
}};

QString texte(const char16_t* t) {
    return QString::fromUtf16(t);
}

const QString formules = QStringLiteral(
    "Valeur convertie = valeur × facteur(unité de départ) / facteur(unité d'arrivée)\n"
    "°K = °C + 273,15 ; °F = °C × 9/5 + 32\n"
    "1 atm = 101325 Pa = 760 mmHg ; 1 bar = 100000 Pa ; 1 mCE = 9810 Pa ; 1 mmCE = 9,81 Pa\n"
    "1 kCal = 4,1855 kJ ; 1 kW/h = 3600 kJ ; 1 W/h = 3,6 kJ\n"
    "Arrondis : 3 décimales pour les températures, 4 pour les pressions et les puissances, "
    "5 pour les énergies et les débits");

} // namespace

PageConversion::PageConversion(QWidget* parent) : QWidget(parent) {
    auto* description = new Description(this, formules);
    const auto convertir = [this](int index) { CmdConversion_Click(index); };
    TxtConversion = new entry::FamilleChamps(this, QStringLiteral("TxtConversion"),
                                             entry::indicesJusqua(10), {nullptr, convertir});
    CmbConversion = new entry::FamilleListes(this, QStringLiteral("CmbConversion"),
                                             entry::indicesJusqua(10), convertir);

    constexpr int hauteur = 315;
    std::vector<QWidget*> tabulation;
    for (int r = 0; r < static_cast<int>(rangees.size()); ++r) {
        const Rangee& rangee = rangees[static_cast<std::size_t>(r)];
        const int x = rangee.gauche;
        const int y = rangee.haut;
        const int gauche = 2 * r;
        const int droite = 2 * r + 1;

        auto* titre = legende(this, entry::nomIndexe(QStringLiteral("LblCOnversion"), r),
                              texte(rangee.legende), x + 2160, y - 480, 1215, 255);
        titre->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

        placer(TxtConversion->champ(gauche), x, y, 1215, hauteur);
        placer(CmbConversion->liste(gauche), x + 1200, y, 855, hauteur);
        placer(TxtConversion->champ(droite), x + 3480, y, 1215, hauteur);
        placer(CmbConversion->liste(droite), x + 4680, y, 855, hauteur);
        for (const int i : {gauche, droite}) {
            for (const auto& unite : calc::conversion::unites(rangee.grandeur))
                CmbConversion->liste(i)->addItem(QString::fromStdU16String(unite));
            // Either side is typed or written by the conversion.
            description->ajouter(TxtConversion->champ(i), {titre}, CmbConversion->liste(i), {},
                                 Description::Genre::Valeur);
        }

        const auto [versDroite, versGauche] =
            fleches(this, QStringLiteral("CmdConversion"), gauche, x + 2160, y, convertir);
        tabulation.insert(tabulation.end(),
                          {TxtConversion->champ(gauche), CmbConversion->liste(gauche), versDroite,
                           versGauche, TxtConversion->champ(droite), CmbConversion->liste(droite)});
    }
    ordreTabulation(tabulation);
}

void PageConversion::afficherUnitesInitiales() {
    for (int r = 0; r < static_cast<int>(rangees.size()); ++r) {
        const Rangee& rangee = rangees[static_cast<std::size_t>(r)];
        CmbConversion->liste(2 * r)->setCurrentText(texte(rangee.uniteGauche));
        CmbConversion->liste(2 * r + 1)->setCurrentText(texte(rangee.uniteDroite));
    }
}

void PageConversion::CmdConversion_Click(int index) {
    if (index < 0 || index > 9)
        return;
    const Rangee& rangee = rangees[static_cast<std::size_t>(index / 2)];
    const auto resultat = calc::conversion::convertir(
        rangee.grandeur, TxtConversion->texte(index).toStdU16String(),
        CmbConversion->liste(index)->currentText().toStdU16String(),
        CmbConversion->liste(partenaire(index))->currentText().toStdU16String(),
        ModGeneral::Separateur_Decimal());
    if (resultat)
        TxtConversion->ecrire(partenaire(index), QString::fromStdU16String(*resultat));
}

} // namespace tabs
