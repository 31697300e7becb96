#include "tabs/feuille.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
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
            if (l.intertitre)
                html += QStringLiteral("<tr>%1 colspan='3'><b><i>%2</i></b></td></tr>")
                            .arg(td, echappe(l.titre));
            else if (l.valeur.isEmpty() && l.unite.isEmpty())
                html += QStringLiteral("<tr>%1 colspan='3'>%2</td></tr>").arg(td, echappe(l.titre));
            else
                html +=
                    QStringLiteral("<tr>%1 width='62%'>%2</td>%1 width='20%' align='right'>%3</td>"
                                   "%1 width='18%'>%4</td></tr>")
                        .arg(td, echappe(l.titre), echappe(l.valeur), echappe(l.unite));
        }
    }
    return html + QStringLiteral("</table>");
}

// One formula a paragraph, its following lines indented under its start;
// on a page of their own, under the sheet's title.
QString formules(const Feuille& f, bool suite) {
    QString html =
        suite ? QStringLiteral("<p>%1 – %2 (suite)</p>").arg(echappe(programme), echappe(f.titre))
              : QString();
    html += QStringLiteral("<p style='margin-bottom: 18px;'><b>Formules</b></p>");
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
    // Only a regular file is replaced: the rename would put the PDF in place of a device or a
    // pipe (a link is followed to its target).
    if (const QFileInfo existant(chemin); existant.exists() && !existant.isFile())
        return false;
    // Written beside the file and renamed over it only once whole: a failure leaves it as it was.
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly))
        return false;
    QPdfWriter pdf(&fichier);
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
    preparer(bas, pdf, largeurFormules, formules(feuille, false));

    // The tables, then the formulas beside the picture: below the tables when
    // both fit on one page, else on a page of their own. Either part taller
    // than its page is drawn smaller.
    const double hautTableaux = haut.size().height();
    const double hautFormules = std::max(bas.size().height(), tailleDessin.height());
    const bool unePage = hautTableaux + ecart * parMm + hautFormules <= zone.height();
    const auto echelle = [&](double hauteur) { return std::min(1.0, zone.height() / hauteur); };
    const double e1 = unePage ? 1.0 : echelle(hautTableaux);
    peintre.save();
    peintre.scale(e1, e1);
    haut.drawContents(&peintre);
    peintre.restore();
    if (unePage) {
        peintre.translate(0, hautTableaux + ecart * parMm);
    } else {
        if (!pdf.newPage())
            return false;
        preparer(bas, pdf, largeurFormules, formules(feuille, true));
    }
    const double e2 = unePage ? 1.0 : echelle(std::max(bas.size().height(), tailleDessin.height()));
    peintre.scale(e2, e2);
    bas.drawContents(&peintre);
    if (!tailleDessin.isEmpty())
        dessin.render(&peintre,
                      QRectF(QPointF(zone.width() - tailleDessin.width(), 0), tailleDessin));
    // commit() would not see the last buffered bytes fail to go out: flushed first.
    return peintre.end() && fichier.flush() && fichier.commit();
}

} // namespace tabs
