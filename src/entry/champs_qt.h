// The Qt side of the entry fields: a control array of line edits (or of
// pick-only unit lists) sharing one set of handlers, as every tab needs.
#pragma once

#include "entry/nettoyage.h"

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

class QComboBox;
class QLineEdit;
class QWidget;

namespace entry {

// A handler of a control array, given the index of the member that raised it.
using ActionIndex = std::function<void(int index)>;

// Runs a calculation started by the user (a button, Enter, a field's change).
// Each calculator reports its own failures; should anything still be thrown,
// it ends here, the results left as they stand, instead of unwinding through
// Qt's event loop and ending the program.
void lancerCalcul(const std::function<void()>& calcul);

// Entry fields "Nom(i)": a typed "," or "." becomes the system separator,
// every change runs the cleaning (then the family's own extra handling),
// Enter runs the family's calculation, taking the focus selects all.
class FamilleChamps : public QObject {
public:
    struct Comportement {
        ActionIndex apresNettoyage;      // extra Change handling, may be empty
        ActionIndex entree;              // what Enter runs, may be empty
        std::map<int, Refus> refus = {}; // by index, checked after the cleaning
    };

    FamilleChamps(QWidget* page, const QString& nom, const std::vector<int>& indices,
                  Comportement comportement);

    // The member of that index; the index must be one of the family's.
    QLineEdit* champ(int index) const;
    QString texte(int index) const;
    void ecrire(int index, const QString& texte);
    // The field's text read as a number with the system separator; nullopt
    // while it holds a lone "-" (a single beyond range reads as an infinity).
    std::optional<double> lireDouble(int index) const;
    std::optional<float> lireSimple(int index) const;
    // Puts the focus back on a field after a refusal, its text selected.
    void rendreFocus(int index);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void change(int index);

    Comportement comportement_;
    Nettoyage nettoyage_;
    std::map<int, QLineEdit*> champs_;
    std::map<const QObject*, int> indices_;
    // A field given the focus by a mouse press: the mouse leaves its
    // selection alone until the button comes up.
    QObject* focusParSouris_ = nullptr;
    bool boutonEnfonce_ = false;
};

// Pick-only lists "Nom(i)" with the light yellow background of the unit and
// fuel lists; Enter runs the family's calculation, picking an item (with the
// mouse, the arrow keys or a typed letter) its Click handling.
class FamilleListes : public QObject {
public:
    FamilleListes(QWidget* page, const QString& nom, const std::vector<int>& indices,
                  ActionIndex entree, ActionIndex clic = nullptr);

    // The member of that index; the index must be one of the family's.
    QComboBox* liste(int index) const;
    // Appends these items to the list of that index, in order.
    void remplir(int index, std::span<const std::u16string_view> items);
    // Shows that item as a user's pick would, raising the Click handling.
    void choisir(int index, const QString& item);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    ActionIndex entree_;
    ActionIndex clic_;
    std::map<int, QComboBox*> listes_;
    std::map<const QObject*, int> indices_;
};

// A number as a label or a field shows it, with the system separator.
QString texteDouble(double valeur);
QString texteSimple(float valeur);

// 0, 1, … nombre − 1: the indices of a control array without gaps.
std::vector<int> indicesJusqua(int nombre);

// "Nom(i)", the object name of a member of a control array.
QString nomIndexe(const QString& nom, int index);

} // namespace entry
