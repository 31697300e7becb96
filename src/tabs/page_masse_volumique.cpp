#include "tabs/page_masse_volumique.h"

#include "calc/masse_volumique.h"
#include "entry/champs_qt.h"
#include "tabs/disposition.h"
#include "ui/avertissement.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tabs {

namespace {

using calc::masse_volumique::RefusTemperature;

// Columns, twips: input fields, their units, the buttons, two result columns.
constexpr int xChamp = 600;
constexpr int xBouton = 2280;
constexpr int xResultat = 3600;
constexpr int xResultat2 = 5880;
constexpr int largeurBoite = 1215;
constexpr int hauteurBoite = 315;

QString LblMasse_Vol(int index) {
    return entry::nomIndexe(QStringLiteral("LblMasse_Vol"), index);
}

const QString formules = QStringLiteral(
    "ρeau(t) = 999,9193083276 + 0,0523705799·t − 7,80474·10⁻³·t² + 5,36781·10⁻⁵·t³ − "
    "3,032·10⁻⁷·t⁴ + 8,0·10⁻¹⁰·t⁵ (kg/m3, t en °C)\n"
    "Volume massique = 1 / ρ\n"
    "ρair sec = 352,926871875 / (t + 273,15)\n"
    "Air humide : v = (x + 287,1 / 461,24) × 461,24 × (t + 273,15) / 101325 ; ρ = 1 / v\n"
    "Saturation : ps = 288,68 × (1,098 + t / 100)^8,02 ; xs = (286,9865 / 461,24) × ps / "
    "(101325 − ps)");

} // namespace

PageMasseVolumique::PageMasseVolumique(QWidget* parent) : QWidget(parent) {
    namespace mv = calc::masse_volumique;
    new Description(this, formules);
    // Enter in the water field runs the water block, in the two air fields the air block.
    TxtMasse_Vol = new entry::FamilleChamps(
        this, QStringLiteral("TxtMasse_Vol"), entry::indicesJusqua(3),
        {nullptr, [this](int index) { CmdMasse_Vol_Click(index == 0 ? 0 : 1); }});
    for (int i = 0; i < 2; ++i)
        bouton(this, entry::nomIndexe(QStringLiteral("CmdMasse_Vol"), i), xBouton,
               i == 0 ? 1900 : 3900, 495, hauteurBoite, [this, i] { CmdMasse_Vol_Click(i); });
    titreDeBloc(this, LblMasse_Vol(1), QStringLiteral("Masse volumique de l'eau"), xChamp, 1240,
                6000);
    titreDeBloc(this, LblMasse_Vol(9), QStringLiteral("Masse volumique de l'air"), xChamp, 3240,
                6000);

    // Fields left, results right; the second column shares the first's captions.
    const QString legendes = QStringLiteral("LblMasse_Vol");
    const struct {
        int champ;
        Encadre e;
    } champs[] = {
        {0,
         {0, 2, "Température de l'eau", "°C", xChamp, 1900, 1,
          Plage::entre(mv::eauMinimale, mv::eauMaximale)}},
        {1,
         {10, 8, "Température de l'air", "°C", xChamp, 3900, 1,
          Plage::entre(mv::airMinimale, mv::airMaximale)}},
        {2,
         {20, 21, "Humidité absolue de l'air", "kg eau/kg air sec", xChamp, 4620, 1,
          Plage::regle(QStringLiteral("au plus la saturation de l'air à sa température"))}},
    };
    for (const auto& c : champs)
        encadrer(TxtMasse_Vol->champ(c.champ), legendes, c.e, largeurBoite, hauteurBoite, 2600);
    const struct {
        int resultat;
        Encadre e;
    } resultats[] = {
        {0, {5, 3, "Masse volumique de l'eau entre 0 °C et 150 °C", "kg/m3", xResultat, 1900}},
        {1, {5, 4, "", "kg/l", xResultat2, 1900}},
        {2, {11, 7, "Volume massique de l'eau entre 0 °C et 150 °C", "m3/kg", xResultat, 2620}},
        {3, {11, 6, "", "l/kg ou m3/tonne", xResultat2, 2620}},
        {4,
         {14, 15, "Masse volumique de l'air sec entre -20 °C et 60 °C", "kg/m3 air sec", xResultat,
          3900}},
        {5,
         {13, 12, "Volume massique de l'air sec entre -20 °C et 60 °C", "m3/kg air sec", xResultat,
          4620}},
        {6,
         {18, 17, "Masse volumique de l'air humide entre -20 °C et 60 °C", "kg/m3 air sec",
          xResultat, 5340}},
        {7,
         {16, 19, "Volume massique de l'air humide entre -20 °C et 60 °C", "m3/kg air sec",
          xResultat, 6060}},
    };
    creerResultats(this, QStringLiteral("LblResult_Masse_Vol"), LblResult_Masse_Vol);
    for (const auto& r : resultats)
        encadrer(LblResult_Masse_Vol[static_cast<std::size_t>(r.resultat)], legendes, r.e,
                 largeurBoite, hauteurBoite, 5000);
}

void PageMasseVolumique::CmdMasse_Vol_Click(int index) {
    if (index == 0)
        calculerEau();
    else if (index == 1)
        calculerAir();
}

void PageMasseVolumique::ecrire(int resultat, double valeur) {
    LblResult_Masse_Vol[static_cast<std::size_t>(resultat)]->setText(entry::texteDouble(valeur));
}

// A temperature out of range: the warning, then the field again, its text selected.
void PageMasseVolumique::refuser(int champ, RefusTemperature refus, const QString& tropBasse,
                                 const QString& tropHaute) {
    ui::Avertir(this, refus == RefusTemperature::TropBasse ? tropBasse : tropHaute);
    TxtMasse_Vol->rendreFocus(champ);
}

void PageMasseVolumique::calculerEau() {
    if (!TxtMasse_Vol->sontDesNombres({0}))
        return;
    const auto eau = calc::masse_volumique::calculerEau(*TxtMasse_Vol->lireSimple(0));
    if (const auto* refus = std::get_if<RefusTemperature>(&eau)) {
        refuser(0, *refus,
                QStringLiteral("La température de l'eau doit être supérieure ou égale à 0 °C !"),
                QStringLiteral("La température de l'eau doit être inférieure ou égale à 150 °C !"));
        return;
    }
    const auto& e = std::get<calc::masse_volumique::Eau>(eau);
    ecrire(0, e.kgM3);
    ecrire(1, e.kgL);
    ecrire(2, e.m3Kg);
    ecrire(3, e.lKg);
}

void PageMasseVolumique::calculerAir() {
    if (!TxtMasse_Vol->sontDesNombres({1, 2}))
        return;
    const auto resultat = calc::masse_volumique::calculerAir(
        *TxtMasse_Vol->lireSimple(1), *TxtMasse_Vol->lireDouble(1), *TxtMasse_Vol->lireSimple(2),
        *TxtMasse_Vol->lireDouble(2));
    if (const auto* refus = std::get_if<RefusTemperature>(&resultat)) {
        refuser(1, *refus,
                QStringLiteral("La température de l'air doit être supérieure ou égale à -20 °C !"),
                QStringLiteral("La température de l'air doit être inférieure ou égale à 60 °C !"));
        return;
    }
    using Humide = calc::masse_volumique::Air::Humide;
    const auto& air = std::get<calc::masse_volumique::Air>(resultat);
    ecrire(4, air.secKgM3);
    ecrire(5, air.secM3Kg);
    switch (air.humide) {
    case Humide::Calcule:
        ecrire(6, air.humideKgM3);
        ecrire(7, air.humideM3Kg);
        break;
    case Humide::Sature: {
        const QString temperature = TxtMasse_Vol->texte(1);
        const QString ligne = QStringLiteral("\r\n");
        ui::Avertir(this,
                    QStringLiteral("L'humidité absolue de l'air est trop importante pour la "
                                   "température de ") +
                        temperature + QStringLiteral(" °C !") + ligne + ligne +
                        QStringLiteral("Ceci induit un taux d'humidité relative (degré "
                                       "hygrométrique) supérieur à 100%.") +
                        ligne +
                        QStringLiteral("L'humidité absolue de l'air ne peut pas être supérieure "
                                       "à ") +
                        entry::texteSimple(air.saturation) + QStringLiteral(" kg eau/kg air sec") +
                        ligne + QStringLiteral("pour une température de l'air de ") + temperature +
                        QStringLiteral(" °C."));
        [[fallthrough]];
    }
    case Humide::Echec:
        LblResult_Masse_Vol[6]->setText(QStringLiteral("####"));
        LblResult_Masse_Vol[7]->setText(QStringLiteral("####"));
        break;
    }
}

} // namespace tabs
