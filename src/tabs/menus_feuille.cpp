#include "tabs/menus_feuille.h"

#include "tabs/feuille.h"
#include "ui/avertissement.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QStandardPaths>

namespace tabs {

namespace {

// The file name the save dialog offers: the tab's title, with no folder in it.
QString nomPropose(const QString& titre) {
    QString nom = titre;
    nom.replace(u'/', u'-');
    QString dossier = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dossier.isEmpty() || !QDir(dossier).exists())
        dossier = QDir::homePath();
    return QDir(dossier).filePath(nom + QStringLiteral(".pdf"));
}

void copierFeuille(const SourceFeuille& source) {
    QApplication::clipboard()->setText(texteFeuille(source()));
}

void enregistrerFeuille(QWidget* controle, const SourceFeuille& source) {
    const Feuille feuille = source();
    QFileDialog dialogue(controle->window(),
                         QStringLiteral("Enregistrer la feuille de calcul en PDF"),
                         nomPropose(feuille.titre), QStringLiteral("Documents PDF (*.pdf)"));
    dialogue.setOption(QFileDialog::DontUseNativeDialog);
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    dialogue.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return;
    const QString chemin = dialogue.selectedFiles().front();
    if (!ecrirePdf(feuille, chemin))
        ui::Avertir(controle, QStringLiteral("La feuille de calcul n'a pas pu être enregistrée "
                                             "dans « %1 ».")
                                  .arg(QDir::toNativeSeparators(chemin)));
}

QMenu* nouveauMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    return menu;
}

// The two entries "Copier la feuille de calcul" and "Enregistrer la feuille
// de calcul en PDF…".
void ajouterEntrees(QMenu* menu, QWidget* controle, const SourceFeuille& source) {
    QObject::connect(menu->addAction(QStringLiteral("Copier la feuille de calcul")),
                     &QAction::triggered, controle, [source] { copierFeuille(source); });
    QObject::connect(menu->addAction(QStringLiteral("Enregistrer la feuille de calcul en PDF…")),
                     &QAction::triggered, controle,
                     [controle, source] { enregistrerFeuille(controle, source); });
}

} // namespace

void menuDePage(QWidget* page, SourceFeuille source) {
    page->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(page, &QWidget::customContextMenuRequested, page,
                     [page, source = std::move(source)](const QPoint& position) {
                         QMenu* menu = nouveauMenu(page);
                         ajouterEntrees(menu, page, source);
                         menu->popup(page->mapToGlobal(position));
                     });
}

void menuDeResultat(QLabel* resultat, SourceFeuille source) {
    resultat->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(
        resultat, &QWidget::customContextMenuRequested, resultat,
        [resultat, source = std::move(source)](const QPoint& position) {
            // The entries of Qt's own menu of a selectable label, in its words.
            const auto entree = [](const char* texte, QKeySequence::StandardKey touches) {
                return QCoreApplication::translate("QWidgetTextControl", texte) + u'\t' +
                       QKeySequence(touches).toString(QKeySequence::NativeText);
            };
            QMenu* menu = nouveauMenu(resultat);
            QAction* copier = menu->addAction(entree("&Copy", QKeySequence::Copy));
            copier->setEnabled(resultat->hasSelectedText());
            QObject::connect(copier, &QAction::triggered, resultat, [resultat] {
                QApplication::clipboard()->setText(resultat->selectedText());
            });
            QAction* tout = menu->addAction(entree("Select All", QKeySequence::SelectAll));
            tout->setEnabled(!resultat->text().isEmpty());
            QObject::connect(tout, &QAction::triggered, resultat, [resultat] {
                resultat->setSelection(0, static_cast<int>(resultat->text().size()));
            });
            menu->addSeparator();
            ajouterEntrees(menu, resultat, source);
            menu->popup(resultat->mapToGlobal(position));
        });
}

} // namespace tabs
