#include "tabs/description.h"

#include "entry/champs_qt.h"
#include "tabs/menus_feuille.h"
#include "tabs/texte_affiche.h"
#include "ui/accessibilite.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include <algorithm>

namespace tabs {

namespace {

// A count shows "_" for its unit: it has none.
bool sansUnite(const QString& unite) {
    return unite.isEmpty() || unite == u"_";
}

QString valeurDe(const QWidget* boite) {
    if (const auto* bouton = qobject_cast<const QAbstractButton*>(boite))
        return bouton->isChecked() ? QStringLiteral("Oui") : QStringLiteral("Non");
    return texteAffiche(boite);
}

// A text of the sheet on one line: a tab or a line break (a pasted value, a
// caption over two lines), with the blanks around it, becomes one space, so
// that a copied line keeps its columns.
QString surUneLigne(const QString& texte) {
    static const QRegularExpression coupure(QStringLiteral("\\s*[\\t\\n\\v\\f\\r]\\s*"));
    return QString(texte).replace(coupure, QStringLiteral(" ")).trimmed();
}

} // namespace

QString lirePlage(const formulaires::Plage& plage, const QString& unite) {
    using Genre = formulaires::Plage::Genre;
    const QString min = entry::texteDouble(plage.min), max = entry::texteDouble(plage.max);
    const QString apres = sansUnite(unite) ? QString() : u' ' + unite;
    switch (plage.genre) {
    case Genre::Aucune:
        return {};
    case Genre::Entre:
        return min + QStringLiteral(" à ") + max + apres;
    case Genre::AuPlus:
        return QStringLiteral("au plus ") + max + apres;
    case Genre::AuMoins:
        return QStringLiteral("au moins ") + min + apres;
    case Genre::Strict:
        return min + QStringLiteral(" < ") + unite + QStringLiteral(" < ") + max;
    case Genre::Regle: {
        const QString regle = QString::fromUtf8(plage.regle);
        return regle.contains(QStringLiteral("%1")) ? regle.arg(max) : regle;
    }
    }
    return {};
}

QString Texte::lire() const {
    return controle != nullptr ? texteAffiche(controle) : fixe;
}

Description::Description(QWidget* page, QString formules)
    : page_(page), formules_(std::move(formules)) {
    // Numbers in the ranges take the separator read at start-up, after the
    // pages are built.
    page->installEventFilter(this);
}

void Description::ajouter(QWidget* boite, std::vector<Texte> titre, Texte unite,
                          formulaires::Plage plage, std::optional<Genre> genre) {
    for (const Texte& t : titre)
        suivre(t);
    suivre(unite);
    if (boite->focusPolicy() & Qt::TabFocus) {
        const auto legende = std::find_if(titre.rbegin(), titre.rend(), [](const Texte& t) {
            return qobject_cast<const QLabel*>(t.controle) != nullptr;
        });
        if (legende != titre.rend()) {
            auto* label = const_cast<QLabel*>(qobject_cast<const QLabel*>(legende->controle));
            if (label->buddy() == nullptr)
                label->setBuddy(boite);
        }
    }
    const auto* label = qobject_cast<QLabel*>(boite);
    Boite b{boite, std::move(titre), std::move(unite), std::move(plage),
            genre.value_or(label != nullptr ? Genre::Resultat : Genre::Donnee)};
    const auto deja = std::find_if(boites_.begin(), boites_.end(),
                                   [boite](const Boite& autre) { return autre.boite == boite; });
    if (deja != boites_.end()) {
        *deja = std::move(b);
        actualiser(*deja);
        return;
    }
    boites_.push_back(std::move(b));
    boite->installEventFilter(this);
    if (label != nullptr)
        menuDeResultat(static_cast<QLabel*>(boite), [this] { return feuille(); });
    actualiser(boites_.back());
}

void Description::legender(QWidget* boite, std::vector<Texte> titre) {
    for (Boite& b : boites_)
        if (b.boite == boite) {
            for (const Texte& t : titre)
                suivre(t);
            b.titre = std::move(titre);
            actualiser(b);
        }
}

void Description::noter(QLabel* ligne) {
    ligne->setTextInteractionFlags(Qt::TextSelectableByMouse);
    boites_.push_back({ligne, {}, {}, {}, Genre::Resultat, true});
    menuDeResultat(ligne, [this] { return feuille(); });
}

void Description::illustrer(const QWidget* image, const QString& chemin) {
    images_.emplace_back(image, chemin);
}

Note& Description::annoter(QString nom, Note::Genre genre) {
    notes_.push_back(std::make_unique<Note>(std::move(nom), genre));
    return *notes_.back();
}

// A list read as a caption or a unit: its pick changes them.
void Description::suivre(const Texte& texte) {
    const auto* liste = qobject_cast<const QComboBox*>(texte.controle);
    if (liste == nullptr || std::find(suivies_.begin(), suivies_.end(), liste) != suivies_.end())
        return;
    suivies_.push_back(liste);
    connect(liste, &QComboBox::currentTextChanged, this, [this] { actualiser(); });
}

// The pieces joined by a space; a list's item after a caption follows " : "
// ("CO2 ou O2 mesuré : CO2 mesuré").
QString Description::titreDe(const Boite& b) const {
    QString titre;
    for (const Texte& t : b.titre) {
        const QString morceau = t.lire();
        if (morceau.isEmpty())
            continue;
        if (!titre.isEmpty())
            titre += qobject_cast<const QComboBox*>(t.controle) != nullptr ? QStringLiteral(" : ")
                                                                           : QStringLiteral(" ");
        titre += morceau;
    }
    return titre;
}

void Description::actualiser() {
    for (const Boite& b : boites_)
        actualiser(b);
}

// Tooltip: the caption, the unit, the range; accessible name: the caption
// and the unit. Buttons keep their own caption.
void Description::actualiser(const Boite& b) {
    if (b.note || qobject_cast<QAbstractButton*>(b.boite) != nullptr)
        return;
    const QString titre = titreDe(b), unite = b.unite.lire(), plage = lirePlage(b.plage, unite);
    QStringList bulle{titre};
    if (!sansUnite(unite))
        bulle << QStringLiteral("Unité : ") + unite;
    else if (qobject_cast<QLineEdit*>(b.boite) != nullptr)
        bulle << QStringLiteral("Unité : aucune (un nombre)");
    if (!plage.isEmpty())
        bulle << QStringLiteral("Plage acceptée : ") + plage;
    if (const QString texte = bulle.join(u'\n'); b.boite->toolTip() != texte)
        b.boite->setToolTip(texte);
    // A result's name is its caption, its figure and its unit, the figure
    // read as it shows; a field's the caption and unit, its text being its
    // value. The description tells what the name does not (without one, the
    // tooltip would repeat the name).
    if (b.genre == Genre::Resultat) {
        if (auto* label = qobject_cast<QLabel*>(b.boite))
            ui::decrireResultat(label, titre, sansUnite(unite) ? QString() : unite);
        return;
    }
    bulle.removeFirst();
    ui::nommer(b.boite, sansUnite(unite) ? titre : titre + QStringLiteral(", en ") + unite,
               bulle.join(QStringLiteral(". ")));
}

// The texts again as the page is shown, and a box's as its tooltip is about
// to show: a caption may hold a figure a calculation wrote.
bool Description::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet == page_ && evenement->type() == QEvent::Show)
        actualiser();
    else if (evenement->type() == QEvent::ToolTip)
        for (const Boite& b : boites_)
            if (b.boite == objet)
                actualiser(b);
    return false;
}

Feuille Description::feuille() const {
    Feuille f;
    f.titre = page_->windowTitle();
    f.formules = formules_;
    for (const auto& [image, chemin] : images_)
        if (image->isVisibleTo(page_)) {
            f.image = chemin;
            break;
        }
    const std::pair<Genre, const char*> sections[] = {
        {Genre::Donnee, "Données"}, {Genre::Valeur, "Valeurs"}, {Genre::Resultat, "Résultats"}};
    for (const auto& [genre, nom] : sections) {
        Feuille::Section section{QString::fromUtf8(nom), {}};
        for (const Boite& b : boites_) {
            // What the page does not show is not on its sheet: the fields of
            // a bare pipe's insulation, a closed frame, a line not written.
            if (b.genre != genre || !b.boite->isVisibleTo(page_))
                continue;
            if (b.note) {
                if (const QString texte = surUneLigne(texteAffiche(b.boite)); !texte.isEmpty())
                    section.lignes.push_back({texte, {}, {}});
                continue;
            }
            const QString unite = surUneLigne(b.unite.lire());
            section.lignes.push_back({surUneLigne(titreDe(b)), surUneLigne(valeurDe(b.boite)),
                                      sansUnite(unite) ? QString() : unite});
        }
        if (!section.lignes.empty())
            f.sections.push_back(std::move(section));
    }
    if (!notes_.empty())
        f.sections.push_back(intermediaires());
    return f;
}

// Each named block headed by its name; the rows that have converted; one
// line when no row has.
Feuille::Section Description::intermediaires() const {
    Feuille::Section section{QStringLiteral("Valeurs intermédiaires"), {}};
    for (const auto& note : notes_) {
        if (note->genre() == Note::Genre::Rangee && !note->faite())
            continue;
        if (note->genre() == Note::Genre::Bloc && !note->nom().isEmpty())
            section.lignes.push_back({note->nom(), {}, {}, true});
        for (const Feuille::Ligne& l : note->lignes())
            section.lignes.push_back(l);
    }
    if (section.lignes.empty())
        section.lignes.push_back({QStringLiteral("Aucun calcul effectué"), {}, {}});
    return section;
}

} // namespace tabs
