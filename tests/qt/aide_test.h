// Helpers shared by the Qt Test suites.
#pragma once

#include "app/demarrage.h"
#include "entry/separateur.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>

namespace aide {

// Member `index` of the control array `nom` under `racine` (any pointer).
template <typename T> T* trouver(const auto& racine, const QString& nom, int index) {
    return racine->template findChild<T*>(QStringLiteral("%1(%2)").arg(nom).arg(index));
}
// The texts of members 0 to nombre − 1 of a control array.
template <typename T> QStringList textes(const auto& racine, const QString& nom, int nombre) {
    QStringList vus;
    for (int i = 0; i < nombre; ++i)
        vus << trouver<T>(racine, nom, i)->text();
    return vus;
}

// Gives the field the focus, selects its whole text and types `touches`.
inline void taper(QLineEdit* champ, const QString& touches) {
    champ->setFocus(Qt::OtherFocusReason);
    champ->selectAll();
    QTest::keyClicks(champ, touches);
}
// The field's text, its selection in brackets or else its caret as "|".
inline QString vu(const QLineEdit* champ) {
    QString texte = champ->text();
    if (champ->hasSelectedText())
        return texte.insert(champ->selectionEnd(), u']').insert(champ->selectionStart(), u'[');
    return texte.insert(champ->cursorPosition(), u'|');
}
// Runs `action`, answering with OK the first modal message box it opens;
// gives "title | icon | buttons | text" of that box, "" when none opened.
QString repondreBoite(const std::function<void()>& action);

// `texte` with the given separator in place of every ",".
inline QString avecSeparateur(QString texte, QChar separateur) {
    return texte.replace(u',', separateur);
}
// "0,45 2,17": the words of `texte`, with the given separator.
inline QStringList valeurs(const QString& texte, QChar separateur = u',') {
    return avecSeparateur(texte, separateur).split(u' ');
}
// The separator of the current row, "." for "… [.]" and "," otherwise, put in force.
inline QChar fixerSeparateur() {
    const QChar separateur = QByteArray(QTest::currentDataTag()).endsWith("[.]") ? u'.' : u',';
    ModGeneral::Fixer_Separateur_Decimal(separateur.unicode());
    return separateur;
}

// A row of a data table, then the same row twice, "nom [,]" and "nom [.]".
template <typename... V> void ligne(const QString& nom, const V&... valeurs) {
    (QTest::newRow(qPrintable(nom)) << ... << valeurs);
}
template <typename... V> void deuxSeparateurs(const QString& nom, const V&... valeurs) {
    ligne(nom + " [,]", valeurs...);
    ligne(nom + " [.]", valeurs...);
}

} // namespace aide
