#include "tabs/page_masse_volumique.h"

#include "formulaires/masse_volumique.h"
#include "tabs/disposition.h"
#include "ui/accessibilite.h"
#include "ui/avertissement.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tabs {

namespace {

using calc::masse_volumique::RefusTemperature;
namespace form = formulaires::masse_volumique;
using form::xChamp;

// Columns, twips: the buttons, two result columns.
constexpr int xBouton = 2280;
constexpr int xResultat = 3600;
constexpr int xResultat2 = 5880;
constexpr int largeurBoite = 1215;

} // namespace

PageMasseVolumique::PageMasseVolumique()
    : Page(QStringLiteral("LblMasse_Vol"), {calc::masse_volumique::formules}) {
    note_ = &description().annoter(QStringLiteral("Masse volumique de l'air"));
    // Enter in the water field runs the water block, in the two air fields the air block.
    TxtMasse_Vol = champs(QStringLiteral("TxtMasse_Vol"), form::champs,
                          {nullptr, [this](int index) { CmdMasse_Vol_Click(index == 0 ? 0 : 1); }},
                          largeurBoite, hauteurBoite, 2600);
    for (int i = 0; i < 2; ++i)
        ui::nommer(bouton(this, entry::nomIndexe(QStringLiteral("CmdMasse_Vol"), i), xBouton,
                          i == 0 ? 1900 : 3900, largeurBouton, hauteurBoite,
                          [this, i] { CmdMasse_Vol_Click(i); }),
                   i == 0 ? QStringLiteral("Calculer la masse volumique de l'eau")
                          : QStringLiteral("Calculer la masse volumique de l'air"),
                   i == 0 ? QStringLiteral("Masse et volume massiques de l'eau à sa température")
                          : QStringLiteral("Masses et volumes massiques de l'air sec et de l'air "
                                           "humide"));
    titreDeBloc(this, nomLegende(1), QStringLiteral("Masse volumique de l'eau"), xChamp, 1240,
                6000);
    titreDeBloc(this, nomLegende(9), QStringLiteral("Masse volumique de l'air"), xChamp, 3240,
                6000);

    // Results right; the second column shares the first's captions.
    const struct {
        int resultat;
        formulaires::Encadre e;
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
        encadrer(LblResult_Masse_Vol[static_cast<std::size_t>(r.resultat)], r.e, largeurBoite,
                 hauteurBoite, 5000);
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
    const auto entree = lire<form::EntreeEau>(form::sourcesEau);
    if (!entree)
        return;
    const auto eau = calc::masse_volumique::calculerEau(entree->t);
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
    const auto entree = lire<form::EntreeAir>(form::sourcesAir);
    if (!entree)
        return;
    calc::masse_volumique::IntermediairesAir notes;
    const auto resultat = calc::masse_volumique::calculerAir(*entree, &notes);
    const auto noter = [&](const QString& raison) {
        note_->enregistrer(lus(form::sourcesAir),
                           valeursIntermediaires(form::intermediairesAir, notes), raison);
    };
    if (const auto* refus = std::get_if<RefusTemperature>(&resultat)) {
        noter(*refus == RefusTemperature::TropBasse
                  ? QStringLiteral("température de l'air inférieure à -20 °C")
                  : QStringLiteral("température de l'air supérieure à 60 °C"));
        refuser(1, *refus,
                QStringLiteral("La température de l'air doit être supérieure ou égale à -20 °C !"),
                QStringLiteral("La température de l'air doit être inférieure ou égale à 60 °C !"));
        return;
    }
    using Humide = calc::masse_volumique::Air::Humide;
    const auto& air = std::get<calc::masse_volumique::Air>(resultat);
    noter(air.humide == Humide::Calcule ? QString()
          : air.humide == Humide::Sature
              ? QStringLiteral("humidité absolue supérieure à la saturation")
              : echecDuCalcul());
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
        LblResult_Masse_Vol[6]->setText(texteEchecAirHumide);
        LblResult_Masse_Vol[7]->setText(texteEchecAirHumide);
        break;
    }
}

} // namespace tabs
