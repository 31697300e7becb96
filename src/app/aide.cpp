#include "app/aide.h"

#include "app/fenetre_aide.h"
#include "chm/fichier_chm.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>

#include <variant>

namespace app {

namespace {

QString dossierProgramme;
QPointer<FenetreAide> fenetre;

QString dossier() {
    return dossierProgramme.isEmpty() ? QCoreApplication::applicationDirPath() : dossierProgramme;
}

void avertirArret(const QString& titre, const QString& texte) {
    QMessageBox boite(QMessageBox::Critical, titre, texte, QMessageBox::Ok,
                      QApplication::activeWindow());
    boite.exec();
}

// Shows the help window on `contexte`'s topic, the default one without it,
// reading the file the first time.
void afficherAide(const QString& chemin, std::optional<std::int32_t> contexte) {
    if (fenetre == nullptr || fenetre->chemin() != chemin) {
        auto lu = chm::FichierChm::ouvrir(QFile::encodeName(chemin).toStdString());
        if (const auto* raison = std::get_if<std::string>(&lu)) {
            avertirArret(QStringLiteral("FICHIER D'AIDE ENDOMMAGÉ."),
                         QStringLiteral("Le fichier d'aide 'Brivane.chm' ne peut pas être lu (") +
                             QString::fromStdString(*raison) +
                             QStringLiteral("). Replacez-le dans le dossier de l'application."));
            return;
        }
        delete fenetre;
        fenetre = new FenetreAide(std::move(std::get<chm::FichierChm>(lu)), chemin);
        // The window has no owner and does not keep the program running:
        // it goes when the program ends.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, fenetre.data(),
                         [f = fenetre.data()] { delete f; });
    }
    std::string page;
    if (contexte && *contexte >= 0)
        page = fenetre->fichier()
                   .pageDuContexte(static_cast<std::uint32_t>(*contexte))
                   .value_or(std::string());
    fenetre->afficher(page);
    fenetre->show();
    fenetre->raise();
    fenetre->activateWindow();
}

} // namespace

QString cheminAide() {
    return QDir(dossier()).filePath(QStringLiteral("Brivane.chm"));
}

QString trouverAide() {
    for (const QString& chemin :
         {cheminAide(),
          QDir(dossier()).filePath(QStringLiteral(BRIVANE_DONNEES_RELATIVES "/Brivane.chm"))})
        if (QFileInfo(chemin).isFile())
            return QDir::cleanPath(chemin);
    return {};
}

void fixerDossierProgramme(const QString& dossier) {
    dossierProgramme = dossier;
}

FenetreAide* fenetreAide() {
    return fenetre;
}

} // namespace app

namespace ModGeneral {

void Ouvrir_Aide(QString& Fichier, QString& Nom_Fenetre, std::optional<std::int32_t> Contexte) {
    const QString chemin = app::trouverAide();
    if (chemin.isEmpty()) {
        app::avertirArret(QStringLiteral("FICHIER D'AIDE MANQUANT."),
                          QStringLiteral("Le fichier d'aide 'Brivane.chm' ne se trouve") +
                              QStringLiteral(" plus dans le dossier du programme, faite une "
                                             "recherche sur votre système") +
                              QStringLiteral(" et replacez le dans le dossier de l'application. "
                                             "Si vous ne le trouvez plus,") +
                              QStringLiteral(" contactez moi, je vous le ferai parvenir."));
        return;
    }
    if (!Nom_Fenetre.isEmpty())
        Fichier = Fichier.trimmed() + u'>' + Nom_Fenetre.trimmed();
    app::afficherAide(chemin, Contexte);
}

} // namespace ModGeneral
