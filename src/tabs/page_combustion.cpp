#include "tabs/page_combustion.h"

#include "formulaires/combustion.h"
#include "tabs/disposition.h"
#include "tabs/texte_affiche.h"
#include "ui/accessibilite.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tabs {

namespace {

namespace combustion = calc::combustion;
namespace form = formulaires::combustion;
using namespace form; // the page's columns and rows

// Boxes, lists and buttons, twips.
constexpr int largeurBoite = 1095;
constexpr int largeurListe = 1500;

// Rows of results.
constexpr int hautResultats = 5700;
constexpr int hautResultats2 = 6540;

QString LblIndice(int index) {
    return entry::nomIndexe(QStringLiteral("LblIndice"), index);
}

} // namespace

PageCombustion::PageCombustion()
    : Page(QStringLiteral("LblCombustion"), {calc::combustion::formules}) {
    const auto calculer = [this](int index) { CmdCombustion_Click(index); };
    TxtCombustion =
        creerChamps(QStringLiteral("TxtCombustion"),
                    {form::champsConversion, form::champsRendement}, {nullptr, calculer});
    CmbCombustion =
        new entry::FamilleListes(this, QStringLiteral("CmbCombustion"), entry::indicesJusqua(3),
                                 calculer, [this](int index) { CmbCombustion_Click(index); });
    CmbCombustion->remplir(0, calc::nomsCombustibles);
    for (const int i : {1, 2})
        CmbCombustion->remplir(i, combustion::nomsMesures);
    creerResultats(this, QStringLiteral("LblResltat_Combustion"), LblResltat_Combustion);
    note_ = &description().annoter(QStringLiteral("Rendement de combustion"));

    encadrer(CmbCombustion->liste(0), {0, -1, "Combustible", "", colonne(0), 1500}, 2100,
             hauteurBoite, 2100);
    // The legend of the two gases, their "2" set in the gap of each name.
    const struct {
        int legende, indice;
        const char* texte;
        int haut;
    } gaz[] = {{17, 0, "CO  = Dioxyde de carbone, en %", 2010},
               {18, 1, "O  = Oxygène, en %", 2250}};
    for (const auto& g : gaz) {
        const QString t = QString::fromUtf8(g.texte);
        auto* ligne = tabs::legende(this, nomLegende(g.legende), t, colonne(0), g.haut, 4000, 225);
        indice(this, LblIndice(g.indice), ligne, static_cast<int>(t.indexOf(u' ')));
    }
    filet(this, QStringLiteral("Line3"), colonne(0), 2610, 15210);
    placerConversion();
    filet(this, QStringLiteral("Line4"), colonne(0), 3840, 15210);
    placerRendement();
    tabs::legende(this, nomLegende(23),
                  QStringLiteral("(n) = à la pression et à la température normale"), colonne(0),
                  7140, 6000, 225);

    ordreTabulation({CmbCombustion->liste(0), TxtCombustion->champ(0), CmbCombustion->liste(1),
                     findChild<QWidget*>(QStringLiteral("CmdCombustion(0)")),
                     TxtCombustion->champ(1), TxtCombustion->champ(2), TxtCombustion->champ(3),
                     CmbCombustion->liste(2),
                     findChild<QWidget*>(QStringLiteral("CmdCombustion(1)"))});
}

void PageCombustion::placerConversion() {
    const QString titre = QStringLiteral("Conversion CO  <--> O");
    auto* entete = titreDeBloc(this, nomLegende(1), titre, colonne(0), 2730, 6000);
    indice(this, LblIndice(2), entete, static_cast<int>(titre.indexOf(QStringLiteral("  "))));
    indice(this, LblIndice(3), entete, static_cast<int>(titre.size()));

    const int xListe = colonne(0) + largeurBoite + 60, xBouton = xListe + largeurListe + 120,
              xResultat = xBouton + largeurBouton + 240;
    placerChamps(TxtCombustion, form::champsConversion, largeurBoite, hauteurBoite, 0);
    placer(CmbCombustion->liste(1), xListe, hautConversion, largeurListe, hauteurBoite);
    bouton(this, QStringLiteral("CmdCombustion(0)"), xBouton, hautConversion, largeurBouton,
           hauteurBoite, [this] { CmdCombustion_Click(0); });
    legendeCachee(TxtCombustion->champ(0), QStringLiteral("Teneur mesurée"));
    legendeCachee(CmbCombustion->liste(1), QStringLiteral("Gaz mesuré pour la conversion"));
    encadrer(LblResltat_Combustion[0], {2, -1, "O", "", xResultat, hautConversion}, largeurBoite,
             hauteurBoite, 600);
    titreResultat_ = legende(2);
    indiceResultat_ = indice(this, LblIndice(7), titreResultat_, 1);
    // The field is the gas its list names, the result the other one, in %.
    description().ajouter(TxtCombustion->champ(0), {CmbCombustion->liste(1)}, "%");
    description().ajouter(LblResltat_Combustion[0], {titreResultat_}, "%");
}

void PageCombustion::placerRendement() {
    titreDeBloc(this, nomLegende(3), QStringLiteral("Rendement de combustion"), colonne(0), 3960,
                6000);

    constexpr int largeurTitre = 2760;
    placerChamps(TxtCombustion, form::champsRendement, largeurBoite, hauteurBoite, largeurTitre);
    const auto* mesure = legende(8);
    indice(this, LblIndice(4), mesure, 2);
    indice(this, LblIndice(5), mesure, static_cast<int>(mesure->text().lastIndexOf(u'O')) + 1);
    description().ajouter(TxtCombustion->champ(3), {mesure, CmbCombustion->liste(2)}, "%");
    const int xListe = colonne(2) + largeurBoite + 60;
    placer(CmbCombustion->liste(2), xListe, hautEntrees, largeurListe, hauteurBoite);
    ui::nommer(bouton(this, QStringLiteral("CmdCombustion(1)"), xListe + largeurListe + 120,
                      hautEntrees, largeurBouton, hauteurBoite, [this] { CmdCombustion_Click(1); }),
               QStringLiteral("Calculer le rendement de combustion"),
               QStringLiteral("Pertes par les fumées, rendement, excès d'air, facteur d'air, "
                              "température de rosée et volume de gaz brûlés"));
    legendeCachee(CmbCombustion->liste(2), QStringLiteral("Gaz mesuré pour le rendement"));

    const struct {
        int resultat;
        formulaires::Encadre e;
    } resultats[] = {
        {1, {9, 10, "Pertes par les fumées", "%", colonne(0), hautResultats}},
        {2, {11, 12, "Rendement de combustion", "%", colonne(1), hautResultats}},
        {3, {14, 13, "Excès d'air", "%", colonne(2), hautResultats}},
        {4, {15, 16, "Facteur d'air", "n", colonne(3), hautResultats}},
        {5, {21, 22, "Température de rosée", "°C", colonne(0), hautResultats2}},
        {6, {20, 19, "Volume de gaz brûlés", "m3(n)/kg", colonne(1), hautResultats2}},
    };
    for (const auto& r : resultats)
        encadrer(LblResltat_Combustion[static_cast<std::size_t>(r.resultat)], r.e, largeurBoite,
                 hauteurBoite, largeurTitre);
    uniteVolume_ = legende(19);
}

void PageCombustion::demarrer() {
    CmbCombustion->choisir(0, QStringLiteral("Fuel domestique"));
    CmbCombustion->choisir(1, QStringLiteral("CO2 mesuré"));
    CmbCombustion->choisir(2, QStringLiteral("CO2 mesuré"));
}

void PageCombustion::CmbCombustion_Click(int index) {
    if (index == 0) {
        const auto combustible =
            static_cast<calc::Combustible>(CmbCombustion->liste(0)->currentIndex());
        ecrireUnite(uniteVolume_, QStringView(combustion::uniteVolume(combustible)).toString());
    } else if (index == 1) {
        TxtCombustion->ecrire(0, QStringLiteral("0"));
        // The result is the gas that was not measured.
        const bool co2 =
            CmbCombustion->liste(1)->currentIndex() == static_cast<int>(combustion::Mesure::CO2);
        reecrireLegende(titreResultat_, co2 ? QStringLiteral("O") : QStringLiteral("CO"));
        placerIndice(indiceResultat_, titreResultat_,
                     static_cast<int>(titreResultat_->text().size()));
        description().actualiser();
        ui::nommer(findChild<QWidget*>(QStringLiteral("CmdCombustion(0)")),
                   co2 ? QStringLiteral("Convertir le CO2 mesuré en O2")
                       : QStringLiteral("Convertir l'O2 mesuré en CO2"),
                   QStringLiteral("Teneur de l'autre gaz des fumées, pour le combustible choisi"));
    }
}

void PageCombustion::CmdCombustion_Click(int index) {
    if (index == 0)
        convertir();
    else if (index >= 1 && index <= 3)
        calculerRendement();
}

// A failure of either calculation shows in the efficiency's results; the
// conversion's own result keeps its value.
void PageCombustion::echecRendement() {
    for (std::size_t i = 1; i < LblResltat_Combustion.size(); ++i)
        LblResltat_Combustion[i]->setText(texteEchec);
}

void PageCombustion::convertir() {
    const auto entree =
        lire<combustion::EntreeConversion>(form::sourcesConversion, form::listesConversion);
    const auto autre = entree ? combustion::convertir(*entree) : std::nullopt;
    if (!autre) {
        // The efficiency's results no longer show what its note tells.
        note_->enregistrer(lus(form::sourcesConversion, form::listesConversion), {},
                           QStringLiteral("échec de la conversion CO2 / O2"));
        echecRendement();
        return;
    }
    LblResltat_Combustion[0]->setText(entry::texteDouble(*autre));
}

void PageCombustion::calculerRendement() {
    const auto entree =
        lire<combustion::EntreeRendement>(form::sourcesRendement, form::listesRendement);
    combustion::Intermediaires notes;
    const auto r = entree ? combustion::calculerRendement(*entree, &notes) : std::nullopt;
    note_->enregistrer(lus(form::sourcesRendement, form::listesRendement),
                       valeursIntermediaires(form::intermediaires, notes),
                       r ? QString() : echecDuCalcul());
    if (!r) {
        echecRendement();
        return;
    }
    LblResltat_Combustion[1]->setText(entry::texteSimple(r->pertes));
    LblResltat_Combustion[2]->setText(entry::texteDouble(r->rendement));
    LblResltat_Combustion[3]->setText(entry::texteDouble(r->excesAir));
    LblResltat_Combustion[4]->setText(entry::texteDouble(r->facteurAir));
    LblResltat_Combustion[5]->setText(entry::texteDouble(r->rosee));
    LblResltat_Combustion[6]->setText(entry::texteDouble(r->volume));
}

} // namespace tabs
