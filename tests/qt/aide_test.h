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
// The texts of members 0 to nombre − 1 of a control array, blank-separated.
template <typename T> QString textes(const auto& racine, const QString& nom, int nombre) {
    QStringList vus;
    for (int i = 0; i < nombre; ++i)
        vus << trouver<T>(racine, nom, i)->text();
    return vus.join(u' ');
}

// Gives the field the focus, selects its whole text and types `touches`.
inline void taper(QLineEdit* champ, const QString& touches) {
    champ->setFocus(Qt::OtherFocusReason);
    champ->selectAll();
    QTest::keyClicks(champ, touches);
}
inline void cliquer(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton);
}
inline void entree(QWidget* w) {
    QTest::keyClick(w, Qt::Key_Return);
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

} // namespace aide
