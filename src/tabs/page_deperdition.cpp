#include "tabs/page_deperdition.h"

#include "calc/deperdition.h"
#include "entry/champs_qt.h"
#include "tabs/disposition.h"
#include "ui/curseur_occupe.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <string>

namespace tabs {

namespace {

namespace dep = calc::deperdition;

// Boxes, twips; a box stands this far below the top of its caption.
constexpr int largeurBoite = 1095;
constexpr int hauteurBoite = 315;
constexpr int sousLegende = 240;

// Columns: lists and inputs, the insulation conductivity, the picture with
// the diameters on it, the button, two result columns.
constexpr int xEntrees = 360;
constexpr int xLambda = 3000; // its caption on one line, clear of the picture's lines
constexpr int xImage = 4965;
constexpr int hautImage = 1780;
constexpr int xDiametres = 5640;
constexpr int xBouton = 8160;
constexpr int xResultats = 8760;
constexpr int xResultats2 = 10920;
constexpr int largeurListe = 2535;
constexpr int largeurLegende = 2880; // either caption of the surroundings on one line

// The options' frame reaches to the picture, so that each caption holds on
// two lines between its button and the next.
constexpr int xCadre = 360, hautCadre = 3000, largeurCadre = 4440, hauteurCadre = 1575;

const QString echecTexte = QStringLiteral("#####");
const QString temperatureAir = QStringLiteral("Température de l'air du local");
const QString temperatureEau = QStringLiteral("Température de l'eau du ballon");

QString LblDeperdition(int index) {
    return entry::nomIndexe(QStringLiteral("LblDeperdition"), index);
}

QString chaine(std::u16string_view texte) {
    return QString::fromUtf16(texte.data(), static_cast<qsizetype>(texte.size()));
}

const QString formules = QStringLiteral(
    "Y = π / (ln(de / di) / (2 λc) + 1 / (hi × di) + ln(diso / de) / (2 λiso) + 1 / (he × D)) "
    "(W/(m.K))\n"
    "Ue = 1 / ((D / (2 λc)) ln(de / di) + (1 / hi)(D / di) + (D / (2 λiso)) ln(diso / de) + "
    "1 / he) ; Ui de même, rapporté au diamètre intérieur\n"
    "Tsortie = Tentrée − Y × L × (Tmoy − Tamb) / C, C = 4185,5 × Q / 3600 (eau) ou 0,34 × Q "
    "(air)\n"
    "Température superficielle Ts = Tmoy − (Tmoy − Tamb) × Ue × (résistances de la paroi, du "
    "film intérieur et de l'isolant), cherchée par pas de 0,001 °C\n"
    "Déperditions : linéiques (Tmoy − Tamb) × Y ; surfaciques (Tmoy − Tamb) × Ue ou Ui ; "
    "totales (Tmoy − Tamb) × Y × L\n"
    "D = diso si la conduite est isolée, de sinon ; λc : Cuivre 380, Acier 50, Per/Pvc "
    "0,35 W/(m.K)");

} // namespace

PageDeperdition::PageDeperdition(QWidget* parent) : QWidget(parent) {
    new Description(this, formules);
    const auto calculer = [this](int) { CmdDeperdition_Click(); };
    TxtDeperdition = new entry::FamilleChamps(this, QStringLiteral("TxtDeperdition"),
                                              entry::indicesJusqua(8), {nullptr, calculer});
    CmbDeperdition =
        new entry::FamilleListes(this, QStringLiteral("CmbDeperdition"), {0, 1}, calculer);
    placerEntrees();
    placerIsolation();
    placerResultats();
}

void PageDeperdition::placerEntrees() {
    // The fluid list above the pipe list; the pipe list is filled at start-up.
    QComboBox* fluide = CmbDeperdition->liste(1);
    for (const auto texte : dep::fluides)
        fluide->addItem(chaine(texte));
    fluide->setCurrentIndex(-1);
    const QString legendes = QStringLiteral("LblDeperdition");
    encadrer(fluide, legendes, {3, -1, "Fluide", "", xEntrees, 1200 + sousLegende}, largeurListe,
             hauteurBoite, largeurListe);
    encadrer(CmbDeperdition->liste(0), legendes,
             {2, -1, "Type de conduite", "", xEntrees, 2040 + sousLegende}, largeurListe,
             hauteurBoite, largeurListe);
    for (const int i : {0, 1})
        connect(CmbDeperdition->liste(i), &QComboBox::currentIndexChanged, this,
                [this, i] { CmbDeperdition_Click(i); });

    ChkDeperdition =
        caseACocher(this, QStringLiteral("ChkDeperdition"),
                    QStringLiteral("La conduite est isolée"), xEntrees, 2640, largeurListe, 255);
    ChkDeperdition->setChecked(true);
    connect(ChkDeperdition, &QCheckBox::toggled, this, [this] { ChkDeperdition_Click(); });
    Description* description = Description::de(this);
    description->ajouter(ChkDeperdition, {ChkDeperdition});

    QFrame* Shape1 =
        cadre(this, QStringLiteral("Shape1"), xCadre, hautCadre, largeurCadre, hauteurCadre);
    const char* options[] = {
        "La conduite est dans l'air, où l'air est en convection libre (ex : conduite dans un "
        "local)",
        "La conduite est dans l'eau où l'eau est en convection libre (ex : serpentin d'un ballon "
        "sanitaire)"};
    for (int i = 0; i < 2; ++i) {
        auto* bouton = option(Shape1, entry::nomIndexe(QStringLiteral("OptDeperdition"), i),
                              QString::fromUtf8(options[i]), xCadre + 120,
                              hautCadre + 120 + 600 * i, largeurCadre - 240, 555);
        OptDeperdition[static_cast<std::size_t>(i)] = bouton;
        bouton->setChecked(i == 0);
        description->ajouter(bouton, {bouton});
        connect(bouton, &QRadioButton::toggled, this, [this, i](bool choisie) {
            if (choisie)
                OptDeperdition_Click(i);
        });
    }

    const struct {
        int champ;
        Encadre e;
    } entrees[] = {
        {2, {0, 1, "Débit du fluide", "l/h", xEntrees, 4920 + sousLegende}},
        {4,
         {12, 11, "Température du fluide", "°C", xEntrees, 5640 + sousLegende, 1,
          Plage::auPlus(dep::temperatureFluideMaximale)}},
        {5, {14, 13, "Longueur de la conduite", "m", xEntrees, 6360 + sousLegende}},
        {7,
         {22, 23, "Température de l'air du local", "°C", xEntrees, 7080 + sousLegende, 1,
          Plage::regle(QStringLiteral("au plus la température du fluide"))}},
    };
    for (const auto& e : entrees)
        encadrer(TxtDeperdition->champ(e.champ), legendes, e.e, largeurBoite, hauteurBoite,
                 largeurLegende);

    tabs::bouton(this, QStringLiteral("CmdDeperdition"), xBouton, 1200, 495, hauteurBoite,
                 [this] { CmdDeperdition_Click(); });
}

void PageDeperdition::placerIsolation() {
    ImgDeperdition[0] =
        illustration(this, QStringLiteral("ImgDeperdition(0)"),
                     QStringLiteral(":/images/conduite_isolee.svg"), xImage, hautImage);
    ImgDeperdition[1] =
        illustration(this, QStringLiteral("ImgDeperdition(1)"),
                     QStringLiteral(":/images/conduite_nue.svg"), xImage, hautImage);
    ImgDeperdition[1]->hide();
    // Under the fields that stand on them.
    for (QWidget* image : ImgDeperdition)
        image->lower();

    // The diameters on the picture, each by its dimension arrow; the
    // insulation's conductivity left of it, with a leader to the insulation.
    const struct {
        int champ;
        Encadre e;
        int largeurTitre;
    } entrees[] = {
        {6,
         {20, 21, "Coefficient Lambda de l'isolant", "W/(m.K)", xLambda, 5760 + sousLegende},
         2580},
        // Between the extension lines of the picture, above its arrow.
        {0,
         {4, 7, "Diamètre extérieur de l'isolation", "m", xDiametres, 1560 + sousLegende, 2},
         1770},
        {1,
         {5, 8, "Diamètre extérieur de la conduite", "m", xDiametres, 2565 + sousLegende, 2},
         1770},
        // Below the picture's lines, on one line.
        {3, {6, 9, "Diamètre intérieur de la conduite", "m", xDiametres, 6180 + sousLegende}, 2760},
    };
    for (const auto& e : entrees)
        encadrer(TxtDeperdition->champ(e.champ), QStringLiteral("LblDeperdition"), e.e,
                 largeurBoite, hauteurBoite, e.largeurTitre);

    isolation_ = {findChild<QLabel*>(LblDeperdition(4)),
                  findChild<QLabel*>(LblDeperdition(7)),
                  TxtDeperdition->champ(0),
                  findChild<QLabel*>(LblDeperdition(20)),
                  findChild<QLabel*>(LblDeperdition(21)),
                  TxtDeperdition->champ(6),
                  trait(this, QStringLiteral("Line8"), 4560, 5640, 5280, 4920),
                  point(this, QStringLiteral("PointDeperdition"), 5250, 4800, 90, 255)};

    ordreTabulation({CmbDeperdition->liste(1), CmbDeperdition->liste(0), ChkDeperdition,
                     OptDeperdition[0], OptDeperdition[1], TxtDeperdition->champ(2),
                     TxtDeperdition->champ(4), TxtDeperdition->champ(5), TxtDeperdition->champ(7),
                     TxtDeperdition->champ(6), TxtDeperdition->champ(0), TxtDeperdition->champ(1),
                     TxtDeperdition->champ(3),
                     findChild<QWidget*>(QStringLiteral("CmdDeperdition"))});
}

void PageDeperdition::placerResultats() {
    const struct {
        int resultat;
        Encadre e;
        int largeurTitre;
    } sorties[] = {
        {0, {15, 10, "Coefficient Y", "W/(m.K)", xResultats, 1200 + sousLegende}, 2100},
        {8, {34, 35, "Régime du fluide", "_", xResultats2, 1200 + sousLegende}, 2100},
        {1, {17, 18, "Coefficient Ui", "W/(m².K)", xResultats, 1920 + sousLegende}, 2100},
        {2, {16, 19, "Coefficient Ue", "W/(m².K)", xResultats2, 1920 + sousLegende}, 2100},
        {3,
         {25, 24, "Température superficielle extérieure", "°C", xResultats, 3000 + sousLegende},
         4200},
        {4,
         {27, 26, "Température du fluide en sortie", "°C", xResultats, 3960 + sousLegende, 2},
         2100},
        {9,
         {36, 37, "Chute de température (DeltaT)", "°C", xResultats2, 3960 + sousLegende, 2},
         4200},
        {5,
         {29, 28, "Déperditions thermiques linéiques", "W/m", xResultats, 5040 + sousLegende, 2},
         2100},
        {10,
         {31, 30, "Déperditions thermiques surfaciques internes", "W/m²", xResultats2,
          5040 + sousLegende, 2},
         4200},
        {6,
         {38, 39, "Déperditions thermiques surfaciques externes", "W/m²", xResultats,
          6000 + sousLegende, 2},
         4200},
        {7,
         {33, 32, "Déperditions thermiques totales", "W (0 kW)", 9720, 7080 + sousLegende, 2},
         4200},
    };
    creerResultats(this, QStringLiteral("LblResltat_Deperdition"), LblResltat_Deperdition);
    for (const auto& s : sorties)
        encadrer(LblResltat_Deperdition[static_cast<std::size_t>(s.resultat)],
                 QStringLiteral("LblDeperdition"), s.e, s.resultat == 7 ? 1335 : largeurBoite,
                 hauteurBoite, s.largeurTitre);
    LblResltat_Deperdition[8]->setText(QStringLiteral("-----"));
}

void PageDeperdition::remplirListes() {
    QComboBox* conduite = CmbDeperdition->liste(0);
    {
        // Appending raises nothing, and leaves nothing shown yet.
        const QSignalBlocker silence(conduite);
        for (const dep::Materiau& m : dep::materiaux)
            conduite->addItem(chaine(m.texte));
        conduite->setCurrentIndex(-1);
    }
    conduite->setCurrentText(chaine(dep::materiauInitial));
    CmbDeperdition->liste(1)->setCurrentText(chaine(dep::fluideInitial));
}

void PageDeperdition::CmbDeperdition_Click(int) {
    const bool eau = dep::fluideDuTexte(CmbDeperdition->liste(1)->currentText().toStdU16String()) ==
                     dep::Fluide::Eau;
    ecrireUnite(findChild<QLabel*>(LblDeperdition(1)),
                eau ? QStringLiteral("l/h") : QStringLiteral("m3/h"));
}

void PageDeperdition::OptDeperdition_Click(int) {
    reecrireLegende(findChild<QLabel*>(LblDeperdition(22)),
                    OptDeperdition[0]->isChecked() ? temperatureAir : temperatureEau);
}

void PageDeperdition::ChkDeperdition_Click() {
    const bool isolee = ChkDeperdition->isChecked();
    ImgDeperdition[0]->setVisible(isolee);
    ImgDeperdition[1]->setVisible(!isolee);
    for (QWidget* controle : isolation_)
        controle->setVisible(isolee);
}

void PageDeperdition::echec() {
    for (QLabel* label : LblResltat_Deperdition)
        label->setText(echecTexte);
    ecrireUnite(findChild<QLabel*>(LblDeperdition(32)), QStringLiteral("W (0 kW)"));
}

// The surface-temperature march holds the window's thread: the busy pointer
// shows until it ends, whichever way it ends.
void PageDeperdition::CmdDeperdition_Click() {
    const ui::CurseurOccupe occupe;
    const auto* c = TxtDeperdition;
    const auto tIn = c->lireSimple(4), tA = c->lireSimple(7), lambdaIsolant = c->lireSimple(6),
               di = c->lireSimple(3), de = c->lireSimple(1), dIsolant = c->lireSimple(0),
               debit = c->lireSimple(2), longueur = c->lireSimple(5);
    const auto tInDouble = c->lireDouble(4);
    if (!tIn || !tInDouble || !tA || !lambdaIsolant || !di || !de || !dIsolant || !debit ||
        !longueur) {
        echec();
        return;
    }
    const std::u16string conduite = CmbDeperdition->liste(0)->currentText().toStdU16String();
    const dep::Entree entree{
        conduite,
        *tIn,
        *tInDouble,
        *tA,
        *lambdaIsolant,
        *di,
        *de,
        *dIsolant,
        *debit,
        *longueur,
        dep::fluideDuTexte(CmbDeperdition->liste(1)->currentText().toStdU16String()),
        ChkDeperdition->isChecked(),
        OptDeperdition[0]->isChecked() ? dep::Milieu::Air : dep::Milieu::Eau};
    const auto calcul = dep::calculer(entree);
    const auto* r = std::get_if<dep::Resultat>(&calcul);
    if (r == nullptr) {
        echec();
        return;
    }
    const auto ecrire = [this](int i, const QString& texte) {
        LblResltat_Deperdition[static_cast<std::size_t>(i)]->setText(texte);
    };
    ecrire(0, entry::texteSimple(r->y));
    ecrire(1, entry::texteSimple(r->ui));
    ecrire(2, entry::texteSimple(r->ue));
    ecrire(3, entry::texteSimple(r->temperatureSurface));
    ecrire(4, entry::texteSimple(r->temperatureSortie));
    ecrire(5, entry::texteSimple(r->perteLineique));
    ecrire(6, entry::texteSimple(r->perteSurfaciqueExterne));
    ecrire(7, entry::texteSimple(r->perteTotale));
    ecrireUnite(findChild<QLabel*>(LblDeperdition(32)), QStringLiteral("W (") +
                                                            entry::texteDouble(r->perteTotaleKw) +
                                                            QStringLiteral(" kW)"));
    ecrire(8, chaine(r->regime));
    ecrire(9, entry::texteDouble(r->chute));
    ecrire(10, entry::texteDouble(r->perteSurfaciqueInterne));
}

} // namespace tabs
