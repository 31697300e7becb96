// What a page is made of, for the people and programs that read it: each
// box (an entry field, a list, a result) with where its caption and its unit
// are read, the range its calculation accepts, the lines of text the
// calculation writes, the page's picture and its formulas. The page fills it
// as it places its boxes; the tooltips, the accessible names and the
// calculation sheet are drawn from it.
#pragma once

#include "formulaires/formulaire.h"
#include "tabs/feuille.h"
#include "tabs/note.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QWidget;

namespace tabs {

// The range told with the field's unit: "0 à 150 °C", "au plus 100 °C",
// "au moins 0 °C", "0 < n < 1"; "" when the calculation sets none.
QString lirePlage(const formulaires::Plage& plage, const QString& unite);

// A caption or a unit: the text a control shows as it stands (a label, a
// list's item, a button's caption), or a fixed text for a box the page shows
// without one.
struct Texte {
    Texte() = default;
    Texte(const QWidget* controle) : controle(controle) {}
    Texte(const char* fixe) : fixe(QString::fromUtf8(fixe)) {}
    QString lire() const;

    const QWidget* controle = nullptr;
    QString fixe;
};

class Description : public QObject {
    Q_OBJECT

public:
    // Inputs, fields that are both (a conversion's two sides), results.
    enum class Genre { Donnee, Valeur, Resultat };

    // `formules` are the calculation's main formulas, one a line, in plain
    // notation. Each result added gets the sheet's entries in its menu.
    Description(QWidget* page, QString formules);

    // Adds a box, or gives one already added other captions and unit. An
    // entry field or a list is an input, a label a result, unless told.
    // The caption's pieces are joined by a space, a list's item after " : ".
    // The last caption label becomes the field's buddy unless it has one.
    void ajouter(QWidget* boite, std::vector<Texte> titre, Texte unite = {},
                 formulaires::Plage plage = {}, std::optional<Genre> genre = std::nullopt);
    // Other captions for a box already added.
    void legender(QWidget* boite, std::vector<Texte> titre);
    // A line of text the calculation writes, reported among the results.
    void noter(QLabel* ligne);
    // A picture of the page (":/images/…"), on the sheet while it is shown.
    void illustrer(const QWidget* image, const QString& chemin);
    // The note of a block's last calculation, in the section "Valeurs
    // intermédiaires" of the sheet, in the order they are made; a block
    // named when its page has other calculations.
    Note& annoter(QString nom = {}, Note::Genre genre = Note::Genre::Bloc);

    // Each box's tooltip and accessible name from its captions and unit as
    // they read now: once a caption or a unit has changed.
    void actualiser();

    // The sheet of the page as it shows now.
    Feuille feuille() const;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    struct Boite {
        QWidget* boite;
        std::vector<Texte> titre;
        Texte unite;
        formulaires::Plage plage;
        Genre genre;
        bool note = false;
    };
    QString titreDe(const Boite& b) const;
    Feuille::Section intermediaires() const;
    void suivre(const Texte& texte);
    void actualiser(const Boite& b);

    QWidget* page_;
    QString formules_;
    std::vector<Boite> boites_;
    std::vector<std::pair<const QWidget*, QString>> images_;
    std::vector<std::unique_ptr<Note>> notes_;
    std::vector<const QComboBox*> suivies_; // lists read as captions or units
};

} // namespace tabs
