// What a page is made of, for the people and programs that read it: each
// box (an entry field, a list, a result) with where its caption and its unit
// are read, the range its calculation accepts, the lines of text the
// calculation writes, the page's picture and its formulas. The placement
// helpers of tabs/disposition.h fill it as the page is built; the tooltips,
// the accessible names and the calculation sheet (tabs/feuille.h) are drawn
// from it.
#pragma once

#include <QObject>
#include <QString>

#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QWidget;

namespace tabs {

struct Feuille;

// The values a field's calculation accepts, told with the field's unit:
// "0 à 150 °C", "au plus 100 °C", "au moins 0 °C", "0 < n < 1" (a ratio
// named by its symbol), or a rule told in words.
class Plage {
public:
    Plage() = default;
    static Plage entre(double min, double max);
    static Plage auPlus(double max);
    static Plage auMoins(double min);
    static Plage strictementEntre(double min, double max);
    static Plage regle(const QString& texte);

    // "" when the calculation sets no range.
    QString lire(const QString& unite) const;

private:
    enum class Genre { Aucune, Entre, AuPlus, AuMoins, Strict, Regle } genre_ = Genre::Aucune;
    double min_ = 0, max_ = 0;
    QString texte_;
};

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

    // Created first thing by the page; `formules` are the calculation's
    // main formulas, one a line, in plain notation.
    Description(QWidget* page, QString formules);

    // The description of the page holding `controle`, nullptr for none.
    static Description* de(const QWidget* controle);
    // Tooltips and names again, once a caption or unit of that page changed.
    static void actualiserPage(const QWidget* controle);

    // Adds a box, or gives one already added other captions and unit. An
    // entry field or a list is an input, a label a result, unless told.
    // The caption's pieces are joined by a space, a list's item after " : ".
    // The last caption label becomes the field's buddy unless it has one.
    void ajouter(QWidget* boite, std::vector<Texte> titre, Texte unite = {}, Plage plage = {},
                 std::optional<Genre> genre = std::nullopt);
    // Other captions for a box already added.
    void legender(QWidget* boite, std::vector<Texte> titre);
    // A line of text the calculation writes, reported among the results.
    void noter(QLabel* ligne);
    // A picture of the page (":/images/…"), on the sheet while it is shown.
    void illustrer(const QWidget* image, const QString& chemin);

    // Each box's tooltip and accessible name from its captions and unit as
    // they read now.
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
        Plage plage;
        Genre genre;
        bool note = false;
    };
    QString titreDe(const Boite& b) const;
    void suivre(const Texte& texte);
    void actualiser(const Boite& b);

    QWidget* page_;
    QString formules_;
    std::vector<Boite> boites_;
    std::vector<std::pair<const QWidget*, QString>> images_;
    std::vector<const QComboBox*> suivies_; // lists read as captions or units
};

} // namespace tabs
