#include "tabs/feuille.h"

#include "tabs/description.h"
#include "ui/avertissement.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QKeySequence>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTextDocument>

#include <algorithm>

namespace tabs {

namespace {

const QString programme = QStringLiteral("Brivane " BRIVANE_VERSION);

// Millimetres, on the PDF page.
constexpr double marge = 15;
constexpr double ecart = 5; // between the tables and the formulas, the formulas and the picture
constexpr int resolution = 300;

QString enLigne(const Feuille::Ligne& ligne) {
    QStringList champs{ligne.titre, ligne.valeur, ligne.unite};
    while (champs.size() > 1 && champs.back().isEmpty())
        champs.removeLast();
    return champs.join(u'\t');
}

QString echappe(const QString& texte) {
    return texte.toHtmlEscaped();
}

// The heading line, the title and the tables of the sections.
QString tableaux(const Feuille& f) {
    const QString quand = QLocale(QLocale::French, QLocale::France)
                              .toString(QDateTime::currentDateTime(), "'le' dd/MM/yyyy 'à' HH:mm");
    QString html = QStringLiteral("<table width='100%' cellspacing='0' cellpadding='0'><tr>"
                                  "<td><b>%1</b> – feuille de calcul</td>"
                                  "<td align='right'>Établie %2</td></tr></table>"
                                  "<h2>%3</h2>")
                       .arg(echappe(programme), echappe(quand), echappe(f.titre));
    // Thin grey lines around every cell.
    html += QStringLiteral("<table width='100%' cellspacing='0' cellpadding='4' border='1' "
                           "style='border-collapse: collapse; border-color: #a0a0a0;'>");
    const QString td = QStringLiteral("<td style='border: 1px solid #a0a0a0;'");
    for (const Feuille::Section& section : f.sections) {
        html += QStringLiteral("<tr>%1 colspan='3' bgcolor='#e6e6e6'><b>%2</b></td></tr>")
                    .arg(td, echappe(section.titre));
        for (const Feuille::Ligne& l : section.lignes) {
            if (l.valeur.isEmpty() && l.unite.isEmpty())
                html += QStringLiteral("<tr>%1 colspan='3'>%2</td></tr>").arg(td, echappe(l.titre));
            else
                html +=
                    QStringLiteral("<tr>%1 width='64%'>%2</td>%1 width='18%' align='right'>%3</td>"
                                   "%1 width='18%'>%4</td></tr>")
                        .arg(td, echappe(l.titre), echappe(l.valeur), echappe(l.unite));
        }
    }
    return html + QStringLiteral("</table>");
}

// One formula a paragraph, its following lines indented under its start.
QString formules(const Feuille& f) {
    QString html = QStringLiteral("<p style='margin-bottom: 18px;'><b>Formules</b></p>");
    for (const QString& ligne : f.formules.split(u'\n', Qt::SkipEmptyParts))
        html += QStringLiteral("<p style='margin-top: 0; margin-bottom: 12px; margin-left: 60px; "
                               "text-indent: -60px;'>%1</p>")
                    .arg(echappe(ligne));
    return html;
}

void preparer(QTextDocument& document, QPdfWriter& pdf, double largeur, const QString& html) {
    document.documentLayout()->setPaintDevice(&pdf);
    QFont police = QApplication::font();
    police.setPointSizeF(9);
    // No ligatures: the PDF's text reads back letter for letter ("ff", not "ﬀ").
    police.setStyleStrategy(QFont::PreferNoShaping);
    document.setDefaultFont(police);
    document.setDocumentMargin(0);
    document.setTextWidth(largeur);
    document.setHtml(html);
}

// The file name the save dialog offers: the tab's title, with no folder in it.
QString nomPropose(const QString& titre) {
    QString nom = titre;
    nom.replace(u'/', u'-');
    QString dossier = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dossier.isEmpty() || !QDir(dossier).exists())
        dossier = QDir::homePath();
    return QDir(dossier).filePath(nom + QStringLiteral(".pdf"));
}

void copierFeuille(QWidget* controle) {
    if (const Description* description = Description::de(controle))
        QApplication::clipboard()->setText(texteFeuille(description->feuille()));
}

void enregistrerFeuille(QWidget* controle) {
    const Description* description = Description::de(controle);
    if (description == nullptr)
        return;
    const Feuille feuille = description->feuille();
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

} // namespace

QString texteFeuille(const Feuille& feuille) {
    QStringList lignes{feuille.titre};
    for (const Feuille::Section& section : feuille.sections) {
        lignes << section.titre;
        for (const Feuille::Ligne& ligne : section.lignes)
            lignes << enLigne(ligne);
    }
    return lignes.join(u'\n') + u'\n';
}

bool ecrirePdf(const Feuille& feuille, const QString& chemin) {
    QPdfWriter pdf(chemin);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(marge, marge, marge, marge), QPageLayout::Millimeter));
    pdf.setResolution(resolution);
    pdf.setTitle(feuille.titre);
    pdf.setCreator(programme);
    QPainter peintre;
    if (!peintre.begin(&pdf))
        return false;
    const QRectF zone = pdf.pageLayout().paintRectPixels(resolution);
    const double parMm = resolution / 25.4;

    QSvgRenderer dessin;
    QSizeF tailleDessin;
    if (!feuille.image.isEmpty() && dessin.load(feuille.image))
        tailleDessin = QSizeF(dessin.defaultSize()) * (resolution / 96.0);
    QTextDocument haut, bas;
    preparer(haut, pdf, zone.width(), tableaux(feuille));
    const double largeurFormules =
        tailleDessin.isEmpty() ? zone.width() : zone.width() - tailleDessin.width() - ecart * parMm;
    preparer(bas, pdf, largeurFormules, formules(feuille));

    // One page: a sheet taller than the page is drawn smaller.
    const double hautBas = haut.size().height() + ecart * parMm;
    const double hauteur = hautBas + std::max(bas.size().height(), tailleDessin.height());
    const double echelle = std::min(1.0, zone.height() / hauteur);
    peintre.scale(echelle, echelle);
    haut.drawContents(&peintre);
    peintre.translate(0, hautBas);
    bas.drawContents(&peintre);
    if (!tailleDessin.isEmpty())
        dessin.render(&peintre,
                      QRectF(QPointF(zone.width() - tailleDessin.width(), 0), tailleDessin));
    return peintre.end();
}

void ajouterEntrees(QMenu* menu, QWidget* controle) {
    QObject::connect(menu->addAction(QStringLiteral("Copier la feuille de calcul")),
                     &QAction::triggered, controle, [controle] { copierFeuille(controle); });
    QObject::connect(menu->addAction(QStringLiteral("Enregistrer la feuille de calcul en PDF…")),
                     &QAction::triggered, controle, [controle] { enregistrerFeuille(controle); });
}

void menuDePage(QWidget* page) {
    page->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(page, &QWidget::customContextMenuRequested, page,
                     [page](const QPoint& position) {
                         QMenu* menu = nouveauMenu(page);
                         ajouterEntrees(menu, page);
                         menu->popup(page->mapToGlobal(position));
                     });
}

void menuDeResultat(QLabel* resultat) {
    resultat->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(
        resultat, &QWidget::customContextMenuRequested, resultat,
        [resultat](const QPoint& position) {
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
            ajouterEntrees(menu, resultat);
            menu->popup(resultat->mapToGlobal(position));
        });
}

} // namespace tabs
