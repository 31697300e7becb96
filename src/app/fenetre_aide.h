// The help window: the pages of the program's help file in a browser, with
// the table of contents beside them and Back / Forward / Home buttons. It has
// no owner window and is not modal.
#pragma once

#include "chm/fichier_chm.h"

#include <QWidget>

#include <string>

class QPushButton;
class QTextBrowser;
class QTreeWidget;
class QUrl;

namespace app {

class FenetreAide : public QWidget {
public:
    FenetreAide(chm::FichierChm fichier, const QString& chemin);

    // Shows a page of the help ("/conversion.htm"), the default topic for "".
    void afficher(const std::string& page);

    const chm::FichierChm& fichier() const { return fichier_; }
    const QString& chemin() const { return chemin_; }
    QTextBrowser* navigateur() const { return navigateur_; }
    QTreeWidget* sommaire() const { return sommaire_; }

private:
    void suivreSommaire(const QUrl& adresse);

    chm::FichierChm fichier_;
    QString chemin_;
    QTextBrowser* navigateur_;
    QTreeWidget* sommaire_;
};

} // namespace app
