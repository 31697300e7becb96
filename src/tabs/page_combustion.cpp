#include "tabs/page_combustion.h"

#include "calc/combustion.h"
#include "entry/champs_qt.h"
#include "tabs/disposition.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tabs {

namespace {

namespace combustion = calc::combustion;

const QString echec = QStringLiteral("#####");

// Boxes, lists and buttons, twips.
constexpr int largeurBoite = 1095;
constexpr int hauteurBoite = 315;
constexpr int largeurListe = 1500;
constexpr int largeurBouton = 495;

// Columns of the efficiency block; rows of boxes.
constexpr int colonne(int i) {
    return 120 + i * 3600;
}
constexpr int hautConversion = 3300;
constexpr int hautEntrees = 4740;
constexpr int hautResultats = 5700;
constexpr int hautResultats2 = 6540;

QString LblCombustion(int index) {
    return entry::nomIndexe(QStringLiteral("LblCombustion"), index);
}
QString LblIndice(int index) {
    return entry::nomIndexe(QStringLiteral("LblIndice"), index);
}

const QString formules = QStringLiteral(
    "O2 = (CO2max − CO2) / CO2max × 20,9 ; CO2 = (1 − O2 / 20,9) × CO2max\n"
    "Pertes par les fumées (Siegert) : q = (A1 / CO2 + B) × (tf − ta), ou (A2 / (20,9 − O2) + "
    "B) × (tf − ta)\n"
    "Rendement de combustion = 100 − q\n"
    "Excès d'air e = (CO2max − CO2) / CO2, ou O2 / (20,9 − O2) ; facteur d'air n = 1 + e\n"
    "Volume de gaz brûlés V = (n − 1) × Va + Vf\n"
    "Température de rosée = ((Vw / V × 101325 / 288,68)^(1 / 8,02) − 1,098) × 100\n"
    "Va, Vf, Vw : volumes d'air, de fumées et de vapeur d'eau de la combustion neutre du "
    "combustible");

} // namespace

PageCombustion::PageCombustion(QWidget* parent) : QWidget(parent) {
    new Description(this, formules);
    const auto calculer = [this](int index) { CmdCombustion_Click(index); };
    TxtCombustion = new entry::FamilleChamps(this, QStringLiteral("TxtCombustion"),
                                             entry::indicesJusqua(4), {nullptr, calculer});
    CmbCombustion =
        new entry::FamilleListes(this, QStringLiteral("CmbCombustion"), entry::indicesJusqua(3),
                                 calculer, [this](int index) { CmbCombustion_Click(index); });
    CmbCombustion->remplir(0, combustion::Combustibles());
    for (const int i : {1, 2})
        CmbCombustion->remplir(i, combustion::Mesures());
    creerResultats(this, QStringLiteral("LblResltat_Combustion"), LblResltat_Combustion);

    encadrer(CmbCombustion->liste(0), QStringLiteral("LblCombustion"),
             {0, -1, "Combustible", "", colonne(0), 1500}, 2100, hauteurBoite, 2100);
    // The legend of the two gases, their "2" set in the gap of each name.
    const struct {
        int legende, indice;
        const char* texte;
        int haut;
    } gaz[] = {{17, 0, "CO  = Dioxyde de carbone, en %", 2010},
               {18, 1, "O  = Oxygène, en %", 2250}};
    for (const auto& g : gaz) {
        const QString t = QString::fromUtf8(g.texte);
        auto* ligne = legende(this, LblCombustion(g.legende), t, colonne(0), g.haut, 4000, 225);
        indice(this, LblIndice(g.indice), ligne, static_cast<int>(t.indexOf(u' ')));
    }
    filet(this, QStringLiteral("Line3"), colonne(0), 2610, 15210);
    placerConversion();
    filet(this, QStringLiteral("Line4"), colonne(0), 3840, 15210);
    placerRendement();
    legende(this, LblCombustion(23),
            QStringLiteral("(n) = à la pression et à la température normale"), colonne(0), 7140,
            6000, 225);

    ordreTabulation({CmbCombustion->liste(0), TxtCombustion->champ(0), CmbCombustion->liste(1),
                     findChild<QWidget*>(QStringLiteral("CmdCombustion(0)")),
                     TxtCombustion->champ(1), TxtCombustion->champ(2), TxtCombustion->champ(3),
                     CmbCombustion->liste(2),
                     findChild<QWidget*>(QStringLiteral("CmdCombustion(1)"))});
}

void PageCombustion::placerConversion() {
    const QString titre = QStringLiteral("Conversion CO  <--> O");
    auto* entete = titreDeBloc(this, LblCombustion(1), titre, colonne(0), 2730, 6000);
    indice(this, LblIndice(2), entete, static_cast<int>(titre.indexOf(QStringLiteral("  "))));
    indice(this, LblIndice(3), entete, static_cast<int>(titre.size()));

    const int xListe = colonne(0) + largeurBoite + 60, xBouton = xListe + largeurListe + 120,
              xResultat = xBouton + largeurBouton + 240;
    placer(TxtCombustion->champ(0), colonne(0), hautConversion, largeurBoite, hauteurBoite);
    placer(CmbCombustion->liste(1), xListe, hautConversion, largeurListe, hauteurBoite);
    bouton(this, QStringLiteral("CmdCombustion(0)"), xBouton, hautConversion, largeurBouton,
           hauteurBoite, [this] { CmdCombustion_Click(0); });
    encadrer(LblResltat_Combustion[0], QStringLiteral("LblCombustion"),
             {2, -1, "O", "", xResultat, hautConversion}, largeurBoite, hauteurBoite, 600);
    titreResultat_ = findChild<QLabel*>(LblCombustion(2));
    indiceResultat_ = indice(this, LblIndice(7), titreResultat_, 1);
    // The field is the gas its list names, the result the other one, in %.
    Description* description = Description::de(this);
    description->ajouter(TxtCombustion->champ(0), {CmbCombustion->liste(1)}, "%");
    description->ajouter(LblResltat_Combustion[0], {titreResultat_}, "%");
}

void PageCombustion::placerRendement() {
    titreDeBloc(this, LblCombustion(3), QStringLiteral("Rendement de combustion"), colonne(0), 3960,
                6000);

    const QString legendes = QStringLiteral("LblCombustion");
    constexpr int largeurTitre = 2760;
    encadrer(TxtCombustion->champ(1), legendes,
             {4, 5, "Température des fumées", "°C", colonne(0), hautEntrees}, largeurBoite,
             hauteurBoite, largeurTitre);
    encadrer(TxtCombustion->champ(2), legendes,
             {6, 7, "Température de l'air comburant à proximité du brûleur", "°C", colonne(1),
              hautEntrees, 2},
             largeurBoite, hauteurBoite, largeurTitre);
    encadrer(TxtCombustion->champ(3), legendes,
             {8, -1, "CO  ou O  mesuré", "", colonne(2), hautEntrees}, largeurBoite, hauteurBoite,
             largeurTitre);
    const auto* mesure = findChild<QLabel*>(LblCombustion(8));
    indice(this, LblIndice(4), mesure, 2);
    indice(this, LblIndice(5), mesure, static_cast<int>(mesure->text().lastIndexOf(u'O')) + 1);
    Description::de(this)->ajouter(TxtCombustion->champ(3), {mesure, CmbCombustion->liste(2)}, "%");
    const int xListe = colonne(2) + largeurBoite + 60;
    placer(CmbCombustion->liste(2), xListe, hautEntrees, largeurListe, hauteurBoite);
    bouton(this, QStringLiteral("CmdCombustion(1)"), xListe + largeurListe + 120, hautEntrees,
           largeurBouton, hauteurBoite, [this] { CmdCombustion_Click(1); });

    const struct {
        int resultat;
        Encadre e;
    } resultats[] = {
        {1, {9, 10, "Pertes par les fumées", "%", colonne(0), hautResultats}},
        {2, {11, 12, "Rendement de combustion", "%", colonne(1), hautResultats}},
        {3, {14, 13, "Excès d'air", "%", colonne(2), hautResultats}},
        {4, {15, 16, "Facteur d'air", "n", colonne(3), hautResultats}},
        {5, {21, 22, "Température de rosée", "°C", colonne(0), hautResultats2}},
        {6, {20, 19, "Volume de gaz brûlés", "m3(n)/kg", colonne(1), hautResultats2}},
    };
    for (const auto& r : resultats)
        encadrer(LblResltat_Combustion[static_cast<std::size_t>(r.resultat)], legendes, r.e,
                 largeurBoite, hauteurBoite, largeurTitre);
    uniteVolume_ = findChild<QLabel*>(LblCombustion(19));
}

void PageCombustion::afficherChoixInitiaux() {
    CmbCombustion->choisir(0, QStringLiteral("Fuel domestique"));
    CmbCombustion->choisir(1, QStringLiteral("CO2 mesuré"));
    CmbCombustion->choisir(2, QStringLiteral("CO2 mesuré"));
}

QString PageCombustion::texteListe(int index) const {
    return CmbCombustion->liste(index)->currentText();
}

void PageCombustion::CmbCombustion_Click(int index) {
    if (index == 0) {
        ecrireUnite(
            uniteVolume_,
            QStringView(combustion::uniteVolume(texteListe(0).toStdU16String())).toString());
    } else if (index == 1) {
        TxtCombustion->ecrire(0, QStringLiteral("0"));
        // The result is the gas that was not measured.
        const bool co2 = texteListe(1) == QStringView(combustion::Mesures()[0]);
        reecrireLegende(titreResultat_, co2 ? QStringLiteral("O") : QStringLiteral("CO"));
        placerIndice(indiceResultat_, titreResultat_,
                     static_cast<int>(titreResultat_->text().size()));
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
        LblResltat_Combustion[i]->setText(echec);
}

void PageCombustion::convertir() {
    const auto autre =
        combustion::convertir(texteListe(0).toStdU16String(), texteListe(1).toStdU16String(),
                              TxtCombustion->lireDouble(0));
    if (!autre) {
        echecRendement();
        return;
    }
    LblResltat_Combustion[0]->setText(entry::texteDouble(*autre));
}

void PageCombustion::calculerRendement() {
    const auto r = combustion::calculerRendement(
        texteListe(0).toStdU16String(), texteListe(2).toStdU16String(),
        TxtCombustion->lireSimple(1), TxtCombustion->lireSimple(2), TxtCombustion->lireSimple(3));
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
