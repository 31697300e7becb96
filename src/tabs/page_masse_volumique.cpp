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

// Heading right above a box (none over a second column), unit label right of it.
void entoure(QWidget* page, int titre, const QString& texteTitre, int unite,
             const QString& texteUnite, int gauche, int haut, int largeurTitre) {
    if (titre >= 0)
        legendeAuDessus(page, LblMasse_Vol(titre), texteTitre, gauche, haut, largeurTitre);
    uniteADroite(page, LblMasse_Vol(unite), texteUnite, gauche, largeurBoite, haut);
}

QLabel* titreDeBloc(QWidget* page, int index, const QString& texte, int haut) {
    auto* titre = legende(page, LblMasse_Vol(index), texte, xChamp, haut, 6000, 255);
    mettreEnGras(titre);
    return titre;
}

} // namespace

PageMasseVolumique::PageMasseVolumique(QWidget* parent) : QWidget(parent) {
    // Enter in the water field runs the water block, in the two air fields the air block.
    TxtMasse_Vol = new entry::FamilleChamps(
        this, QStringLiteral("TxtMasse_Vol"), entry::indicesJusqua(3),
        {nullptr, [this](int index) { CmdMasse_Vol_Click(index == 0 ? 0 : 1); }});
    for (int i = 0; i < 8; ++i)
        LblResult_Masse_Vol[static_cast<std::size_t>(i)] =
            resultat(this, entry::nomIndexe(QStringLiteral("LblResult_Masse_Vol"), i), 0, 0,
                     largeurBoite, hauteurBoite);
    const auto placerResultat = [this](int i, int gauche, int haut) {
        placer(LblResult_Masse_Vol[static_cast<std::size_t>(i)], gauche, haut, largeurBoite,
               hauteurBoite);
    };
    const auto placerChamp = [this](int i, int haut) {
        placer(TxtMasse_Vol->champ(i), xChamp, haut, largeurBoite, hauteurBoite);
    };
    for (int i = 0; i < 2; ++i) {
        bouton(this, entry::nomIndexe(QStringLiteral("CmdMasse_Vol"), i), xBouton,
               i == 0 ? 1900 : 3900, 495, hauteurBoite, [this, i] { CmdMasse_Vol_Click(i); });
    }

    // Water.
    titreDeBloc(this, 1, QStringLiteral("Masse volumique de l'eau"), 1240);
    placerChamp(0, 1900);
    entoure(this, 0, QStringLiteral("Température de l'eau"), 2, QStringLiteral("°C"), xChamp, 1900,
            2600);
    placerResultat(0, xResultat, 1900);
    entoure(this, 5, QStringLiteral("Masse volumique de l'eau entre 0 °C et 150 °C"), 3,
            QStringLiteral("kg/m3"), xResultat, 1900, 5000);
    placerResultat(1, xResultat2, 1900);
    entoure(this, -1, {}, 4, QStringLiteral("kg/l"), xResultat2, 1900, 0);
    placerResultat(2, xResultat, 2620);
    entoure(this, 11, QStringLiteral("Volume massique de l'eau entre 0 °C et 150 °C"), 7,
            QStringLiteral("m3/kg"), xResultat, 2620, 5000);
    placerResultat(3, xResultat2, 2620);
    entoure(this, -1, {}, 6, QStringLiteral("l/kg ou m3/tonne"), xResultat2, 2620, 0);

    // Air.
    titreDeBloc(this, 9, QStringLiteral("Masse volumique de l'air"), 3240);
    placerChamp(1, 3900);
    entoure(this, 10, QStringLiteral("Température de l'air"), 8, QStringLiteral("°C"), xChamp, 3900,
            2600);
    placerChamp(2, 4620);
    entoure(this, 20, QStringLiteral("Humidité absolue de l'air"), 21,
            QStringLiteral("kg eau/kg air sec"), xChamp, 4620, 2600);
    const struct {
        int resultat, titre, unite;
        const char* texteTitre;
        const char* texteUnite;
        int haut;
    } air[] = {
        {4, 14, 15, "Masse volumique de l'air sec entre -20 °C et 60 °C", "kg/m3 air sec", 3900},
        {5, 13, 12, "Volume massique de l'air sec entre -20 °C et 60 °C", "m3/kg air sec", 4620},
        {6, 18, 17, "Masse volumique de l'air humide entre -20 °C et 60 °C", "kg/m3 air sec", 5340},
        {7, 16, 19, "Volume massique de l'air humide entre -20 °C et 60 °C", "m3/kg air sec", 6060},
    };
    for (const auto& a : air) {
        placerResultat(a.resultat, xResultat, a.haut);
        entoure(this, a.titre, QString::fromUtf8(a.texteTitre), a.unite,
                QString::fromUtf8(a.texteUnite), xResultat, a.haut, 5000);
    }
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
