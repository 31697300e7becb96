#include "tabs/page_conversion.h"

#include "formulaires/conversion.h"
#include "tabs/disposition.h"
#include "ui/accessibilite.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tabs {

namespace {
namespace form = formulaires::conversion;
} // namespace

PageConversion::PageConversion()
    : Page(QStringLiteral("LblCOnversion"), {calc::conversion::formules}) {
    const auto convertir = [this](int index) { CmdConversion_Click(index); };
    TxtConversion = new entry::FamilleChamps(this, QStringLiteral("TxtConversion"),
                                             entry::indicesJusqua(10), {nullptr, convertir});
    CmbConversion = new entry::FamilleListes(this, QStringLiteral("CmbConversion"),
                                             entry::indicesJusqua(10), convertir);

    for (std::size_t r = 0; r < notes_.size(); ++r)
        notes_[r] = &description().annoter(QString::fromUtf8(form::rangees[r].legende),
                                           Note::Genre::Rangee);
    std::vector<QWidget*> tabulation;
    for (int r = 0; r < static_cast<int>(form::rangees.size()); ++r) {
        const form::Rangee& rangee = form::rangees[static_cast<std::size_t>(r)];
        const int x = rangee.gauche;
        const int y = rangee.haut;
        const int gauche = 2 * r;
        const int droite = 2 * r + 1;

        auto* titre = tabs::legende(this, nomLegende(r), QString::fromUtf8(rangee.legende),
                                    x + 2160, y - 480, 1215, 255);
        titre->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

        placer(TxtConversion->champ(gauche), x, y, 1215, hauteurBoite);
        placer(CmbConversion->liste(gauche), x + 1200, y, 855, hauteurBoite);
        placer(TxtConversion->champ(droite), x + 3480, y, 1215, hauteurBoite);
        placer(CmbConversion->liste(droite), x + 4680, y, 855, hauteurBoite);
        for (const int i : {gauche, droite}) {
            for (const auto& unite : calc::conversion::unites(rangee.grandeur))
                CmbConversion->liste(i)->addItem(QString::fromStdU16String(unite));
            // Either side is typed or written by the conversion.
            description().ajouter(TxtConversion->champ(i), {titre}, CmbConversion->liste(i), {},
                                  Description::Genre::Valeur);
        }

        const auto [versDroite, versGauche] =
            fleches(this, QStringLiteral("CmdConversion"), gauche, x + 2160, y, convertir);
        // Where the row shows no caption of its own, a screen reader gets one.
        const QString nom = titre->text();
        legendeCachee(CmbConversion->liste(gauche), nom + QStringLiteral(", unité de gauche"));
        legendeCachee(CmbConversion->liste(droite), nom + QStringLiteral(", unité de droite"));
        legendeCachee(TxtConversion->champ(droite), nom + QStringLiteral(", à droite"));
        // The arrows say which way they convert, in the units the lists show.
        const auto nommerFleches = [this, gauche, droite, versDroite, versGauche] {
            const QString de = CmbConversion->liste(gauche)->currentText(),
                          vers = CmbConversion->liste(droite)->currentText();
            ui::nommer(versDroite, QStringLiteral("Convertir de %1 en %2").arg(de, vers),
                       QStringLiteral("Écrit à droite la valeur de gauche convertie"));
            ui::nommer(versGauche, QStringLiteral("Convertir de %1 en %2").arg(vers, de),
                       QStringLiteral("Écrit à gauche la valeur de droite convertie"));
        };
        for (const int i : {gauche, droite})
            connect(CmbConversion->liste(i), &QComboBox::currentIndexChanged, this, nommerFleches);
        nommerFleches();
        tabulation.insert(tabulation.end(),
                          {TxtConversion->champ(gauche), CmbConversion->liste(gauche), versDroite,
                           versGauche, TxtConversion->champ(droite), CmbConversion->liste(droite)});
    }
    ordreTabulation(tabulation);
}

void PageConversion::demarrer() {
    for (int r = 0; r < static_cast<int>(form::rangees.size()); ++r) {
        const form::Rangee& rangee = form::rangees[static_cast<std::size_t>(r)];
        CmbConversion->liste(2 * r)->setCurrentText(QString::fromUtf8(rangee.uniteGauche));
        CmbConversion->liste(2 * r + 1)->setCurrentText(QString::fromUtf8(rangee.uniteDroite));
    }
}

void PageConversion::CmdConversion_Click(int index) {
    if (index < 0 || index > 9)
        return;
    const form::Rangee& rangee = form::rangees[static_cast<std::size_t>(index / 2)];
    const auto x = TxtConversion->lireDouble(index);
    const int source = CmbConversion->liste(index)->currentIndex();
    const int destination = CmbConversion->liste(formulaires::partenaire(index))->currentIndex();
    if (!x || source < 0 || destination < 0)
        return;
    calc::conversion::Intermediaires notes;
    const auto resultat =
        calc::conversion::convertir(rangee.grandeur, *x, source, destination, &notes);
    const int partenaire = formulaires::partenaire(index);
    notes_[static_cast<std::size_t>(index / 2)]->enregistrer(
        {TxtConversion->champ(index), CmbConversion->liste(index),
         CmbConversion->liste(partenaire)},
        valeursIntermediaires(form::intermediaires, notes), resultat ? QString() : echecDuCalcul(),
        QString::fromUtf8(rangee.legende) + QStringLiteral(" : ") +
            CmbConversion->liste(index)->currentText() + QStringLiteral(" → ") +
            CmbConversion->liste(partenaire)->currentText());
    if (resultat)
        TxtConversion->ecrire(formulaires::partenaire(index), entry::texteDouble(*resultat));
}

} // namespace tabs
