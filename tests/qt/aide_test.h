// Helpers shared by the Qt Test suites: finding controls by object name,
// typing into a field through real key events, answering a modal box.
#pragma once

#include <QMessageBox>
#include <QString>
#include <QWidget>

#include <functional>

class QLineEdit;

namespace aide {

template <typename T> T* trouver(const QWidget* racine, const QString& nom) {
    return racine->findChild<T*>(nom);
}

// Gives the field the focus, selects its whole text and types `touches`.
void taper(QLineEdit* champ, const QString& touches);

// What a modal message box showed before it was answered with OK.
struct BoiteVue {
    bool vue = false;
    QString titre;
    QString texte;
    QMessageBox::Icon icone = QMessageBox::NoIcon;
    int boutons = 0;
};

// Runs `action`, answering with OK the first modal message box it opens.
BoiteVue repondreBoite(const std::function<void()>& action);

// "1,5" with the given separator in place of every ",".
QString avecSeparateur(QString texte, QChar separateur);

} // namespace aide
