// The calculation sheet of the tabs (copied, saved as PDF) and the tooltips
// and accessible names of their fields, in the window as the user finds it.
#include "app/frm_brivane.h"
#include "app/onglet.h"
#include "qt/aide_test.h"
#include "tabs/description.h"
#include "tabs/feuille.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

namespace {

const QString copier = QStringLiteral("Copier la feuille de calcul");
const QString enregistrer = QStringLiteral("Enregistrer la feuille de calcul en PDF…");

// `lignes` joined as the clipboard holds them, each with the separator in
// force in place of its ",".
QString feuille(const QStringList& lignes) {
    QString texte;
    for (QString ligne : lignes)
        texte += ligne.replace(u',', QChar(ModGeneral::Separateur_Decimal())) + u'\n';
    return texte;
}

} // namespace

class TestFeuille : public QObject {
    Q_OBJECT

    std::unique_ptr<app::FrmBrivane> fenetre;

    // A window started under that locale, showing tab `onglet`.
    void ouvrir(const QByteArray& locale, int onglet) {
        for (const char* variable : {"LC_NUMERIC", "LANG"})
            qunsetenv(variable);
        qputenv("LC_ALL", locale);
        fenetre = std::make_unique<app::FrmBrivane>();
        fenetre->show();
        fenetre->onglet()->setCurrentIndex(onglet);
    }
    QWidget* page() const { return fenetre->onglet()->currentWidget(); }
    template <typename T = QLineEdit> T* controle(const char* nom, int index) const {
        return aide::trouver<T>(fenetre, nom, index);
    }
    static QString pressePapiers() { return QApplication::clipboard()->text(); }

    // A right click on `w`: the entries of the menu it opens ("--" for a
    // separator); the entry `choix`, if given, is then chosen.
    static QStringList menu(QWidget* w, const QString& choix = {}) {
        const QPoint ou = w->rect().center();
        QContextMenuEvent clic(QContextMenuEvent::Mouse, ou, w->mapToGlobal(ou));
        QApplication::sendEvent(w, &clic);
        auto* ouvert = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (ouvert == nullptr)
            return {};
        QStringList entrees;
        QAction* choisie = nullptr;
        for (QAction* action : ouvert->actions()) {
            entrees << (action->isSeparator() ? QStringLiteral("--") : action->text());
            if (!choix.isEmpty() && action->text() == choix)
                choisie = action;
        }
        ouvert->close();
        if (choisie != nullptr)
            choisie->trigger();
        return entrees;
    }

    // Saves the shown tab's sheet through its menu, answering the save
    // dialog with `chemin`; gives "title | accept button | file offered".
    QString enregistrerSous(const QString& chemin) {
        QString vu;
        QTimer minuterie;
        connect(&minuterie, &QTimer::timeout, [&] {
            auto* dialogue = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialogue == nullptr)
                return;
            minuterie.stop();
            vu = QStringList{dialogue->windowTitle(), dialogue->labelText(QFileDialog::Accept),
                             QFileInfo(dialogue->selectedFiles().value(0)).fileName()}
                     .join(" | ");
            // Typed whole into the file name, as a user may.
            dialogue->findChild<QLineEdit*>("fileNameEdit")->setText(chemin);
            QMetaObject::invokeMethod(dialogue, "accept");
        });
        minuterie.start(10);
        menu(page(), enregistrer);
        minuterie.stop();
        return vu;
    }

private slots:
    void initTestCase() { app::preparerApplication(*qApp); }

    void separateurs() {
        QTest::addColumn<QByteArray>("locale");
        QTest::newRow(",") << QByteArray("fr_FR.UTF-8");
        QTest::newRow(".") << QByteArray("C.UTF-8");
    }

    // Both fields of a row are values; each unit is its list's.
    void conversion_data() { separateurs(); }
    void conversion() {
        QFETCH(QByteArray, locale);
        ouvrir(locale, 0);
        aide::taper(controle("TxtConversion", 0), "100,5");
        aide::entree(controle("TxtConversion", 0));
        QCOMPARE(menu(page(), copier), (QStringList{copier, enregistrer}));
        QCOMPARE(
            pressePapiers(),
            feuille({"Conversion d'unité", "Valeurs", "Degrés\t100,5\t°C", "Degrés\t373,65\t°K",
                     "Pression\t0\tmCE", "Pression\t0\tbar", "Puissance\t0\tW", "Puissance\t0\tkW",
                     "Ènergie\t0\tW/h", "Ènergie\t0\tkW/h", "Débit\t0\tm3/h", "Débit\t0\tl/h"}));
    }

    // Copied from a result's own menu: the vessel of 500 litres at 5 m, then
    // its pressure at 70 °C, above the valve: "#####" as it shows, and the
    // lines of text the calculation wrote.
    void vaseDExpansion_data() { separateurs(); }
    void vaseDExpansion() {
        QFETCH(QByteArray, locale);
        ouvrir(locale, 3);
        aide::taper(controle("TxtExpansion", 3), "500");
        aide::taper(controle("TxtExpansion", 6), "5");
        aide::entree(controle("TxtExpansion", 6));
        aide::taper(controle("TxtExpansionTemp", 0), "70");
        aide::repondreBoite([this] { aide::entree(controle("TxtExpansionTemp", 0)); });

        auto* pression = controle<QLabel>("LblResultat_Expansion", 8);
        QCOMPARE(menu(pression), (QStringList{"Cop&ier\tCtrl+C", "Tout sélectionner\tCtrl+A", "--",
                                              copier, enregistrer}));
        menu(pression, "Tout sélectionner\tCtrl+A");
        menu(pression, "Cop&ier\tCtrl+C");
        QCOMPARE(pressePapiers(), "#####");
        menu(pression, copier);
        QCOMPARE(pressePapiers(),
                 feuille({"Vase d'expansion chauffage", "Données", "Altitude du logement\t0\tm",
                          "Température moyenne maximale de fonctionnement\t70\t°C",
                          "Température à l'arrêt ou de remplissage\t15\t°C",
                          "Contenance de l'installation\t500\tlitres",
                          "Hauteur statique de l'installation\t5\tm",
                          "Pression de tarage de la soupape de sécurité\t3\tbar(s)",
                          "Température de l'eau\t70\t°C", "Pression de remplissage\t0,53\tbar(s)",
                          "Résultats", "Volume d'eau dilaté (volume utile minimum)\t10,89\tlitres",
                          "Volume minimal du vase d'expansion\t17,41\tlitres",
                          "Volume du vase d'expansion choisi\t18\tlitres",
                          "Volume utile du vase d'expansion choisi\t11,21\tlitres",
                          "Volume de la reserve d'eau dans le vase d'expansion\t0,32\tlitres",
                          "Pression statique de l'installation\t0,49\tbar(s)"}) +
                     // The vessel's name keeps its comma.
                     "Type de vase d'expansion choisi\t18/0,5\n" +
                     feuille({"Pression de gonflage du vase d'expansion choisi\t0,5\tbar(s)",
                              "Pression maximale de remplissage à froid ( 15 °C) avec la reserve "
                              "d'eau du vase d'expansion ( 0,32 litres)\t0,53\tbar(s)",
                              "(Pression atmosphérique approximative : 101325 Pa)",
                              "Pression dans l'installation en fonction de la température et de la "
                              "pression de remplissage à la mise en service\t#####\tbar(s)",
                              "Pression sans décharge : 3,02 bars",
                              "Volume d'eau dilaté : 10,89 litre(s)",
                              "Volume d'eau présent dans le vase : 0,35 litre(s) pour une pression "
                              "de remplissage de 0,53 bar(s)"}));
    }

    // The lists are inputs; the offset frame is on the sheet only while open.
    void conduitDeFumees_data() { separateurs(); }
    void conduitDeFumees() {
        QFETCH(QByteArray, locale);
        ouvrir(locale, 7);
        QTest::keyClick(controle<QComboBox>("CmbCond_Fumees", 0), Qt::Key_Down);
        for (const auto& [i, valeur] : {std::pair(9, "8"),
                                        {0, "1"},
                                        {1, "0,08"},
                                        {6, "120"},
                                        {5, "10,59"},
                                        {4, "24"},
                                        {13, "0,9"}})
            aide::taper(controle("TxtCond_Fumees", i), valeur);
        aide::entree(controle("TxtCond_Fumees", 4));
        menu(page(), copier);
        QCOMPARE(
            pressePapiers(),
            feuille({"Conduit de fumées",
                     "Données",
                     "Longueur\t1\tm",
                     "Diamètre\t0,08\tm",
                     "Nombre de coudes à 45°\t0",
                     "Nombre de coudes à 90°\t0",
                     "Nature du conduit de raccordement\tAcier inox",
                     "Combustible\tGaz naturel",
                     "Puissance\t24\tkW",
                     "Rendement de la chaudière (0 > n < 1)\t0,9\tn",
                     "Volume de gaz brûlés (voir onglet Combustion)\t10,59\tm3(n)/m3(n)",
                     "Température moyenne des gaz brûlés en sortie de chaudière\t120\t°C",
                     "Dépression minimale nécessaire en sortie (voir données constructeur)\t10\tPa",
                     "Dépression minimale nécessaire à l'apport d'air comburant\t4\tPa",
                     "Hauteur du conduit de fumées\t8\tm",
                     "Longueur du conduit de fumées (différente de la hauteur si dévoiement)\t8\tm",
                     "Nombre de coudes utilisés pour le dévoiement\t0",
                     "Température moyenne extérieure\t15\t°C",
                     "Nature du conduit de fumées\tBoisseaux béton",
                     "Résultats",
                     "Section minimale\t82,83\tcm²",
                     "Coté minimal si le conduit est carré\t9,1\tcm",
                     "Diamètre minimal si le conduit est rond\t10,27\tcm"}));

        aide::cliquer(controle<QPushButton>("CmdCond_Fumees", 1));
        menu(page(), copier);
        QVERIFY(pressePapiers().contains("\nDécaler\t0\tm\nAngle\t0\tDegrés\nRésultats\n"));
        QVERIFY(pressePapiers().endsWith(
            "\nLongueur totale du conduit de fumées à reporter dans le champ\t0\tm\n"));
    }

    // Through the menu and Qt's save dialog, in French: one A4 page per tab
    // whose text holds the tab's title and every caption, value and unit of
    // its sheet.
    void pdf() {
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir dossier;
        ouvrir("C.UTF-8", 0);
        app::Onglet* onglet = fenetre->onglet();
        for (int t = 0; t < onglet->count(); ++t) {
            onglet->setCurrentIndex(t);
            const QString chemin = dossier.filePath(QString("onglet %1.pdf").arg(t));
            const QString offert = QString(onglet->tabText(t)).replace(u'/', u'-') + ".pdf";
            QCOMPARE(enregistrerSous(chemin),
                     "Enregistrer la feuille de calcul en PDF | &Enregistrer | " + offert);

            QProcess lecture;
            lecture.start(pdftotext, {"-raw", chemin, "-"});
            QVERIFY(lecture.waitForFinished());
            const QString lu = QString::fromUtf8(lecture.readAllStandardOutput());
            QCOMPARE(lu.count(u'\f'), 1);
            const QString texte = QString(lu).replace(u'\n', u' ').simplified();
            const tabs::Feuille f = tabs::Description::de(page())->feuille();
            QStringList attendus{"Brivane 1.0", f.titre};
            for (const tabs::Feuille::Section& section : f.sections)
                for (const tabs::Feuille::Ligne& ligne : section.lignes)
                    attendus << ligne.titre << ligne.valeur << ligne.unite;
            for (const QString& attendu : attendus)
                QVERIFY2(texte.contains(attendu), qPrintable(f.titre + " : " + attendu));
        }
    }

    // Every field names its caption and unit in its tooltip and accessible
    // name, and its caption label is its buddy (but for the few whose caption
    // is a list, or a row's caption over two fields).
    void bullesEtNoms() {
        ouvrir("C.UTF-8", 0);
        const QStringList sansCompagnon{"TxtCombustion(0)", "TxtConversion(1)", "TxtConversion(3)",
                                        "TxtConversion(5)", "TxtConversion(7)", "TxtConversion(9)"};
        app::Onglet* onglet = fenetre->onglet();
        for (int t = 0; t < onglet->count(); ++t) {
            onglet->setCurrentIndex(t);
            const QList<QLabel*> labels = page()->findChildren<QLabel*>();
            for (QLineEdit* champ : page()->findChildren<QLineEdit*>()) {
                const QByteArray nom = champ->objectName().toUtf8();
                const QStringList bulle = champ->toolTip().split(u'\n');
                QVERIFY2(bulle.size() >= 2 && !bulle[0].isEmpty(), nom);
                QVERIFY2(bulle[1].startsWith("Unité : ") && bulle[1].size() > 8, nom);
                QVERIFY2(champ->accessibleName().startsWith(bulle[0]), nom);
                const bool compagnon =
                    std::any_of(labels.begin(), labels.end(),
                                [champ](QLabel* l) { return l->buddy() == champ; });
                QVERIFY2(compagnon != sansCompagnon.contains(champ->objectName()), nom);
            }
        }

        // The ranges; numbers with the separator read at start-up.
        const auto bulle = [this](const char* nom, int index) {
            return controle<QWidget>(nom, index)->toolTip();
        };
        QCOMPARE(bulle("TxtMasse_Vol", 0),
                 "Température de l'eau\nUnité : °C\nPlage acceptée : 0 à 150 °C");
        QCOMPARE(bulle("TxtMasse_Vol", 1),
                 "Température de l'air\nUnité : °C\nPlage acceptée : -20 à 60 °C");
        QCOMPARE(bulle("TxtExpansion", 1), "Température moyenne maximale de fonctionnement\n"
                                           "Unité : °C\nPlage acceptée : au plus 100 °C");
        QCOMPARE(bulle("TxtExpansion", 6), "Hauteur statique de l'installation\nUnité : m\n"
                                           "Plage acceptée : pression statique au plus 2.5 bar(s)");
        QCOMPARE(bulle("TxtGicleur", 1), "Rendement de la chaudière (0 > n < 1)\nUnité : n\n"
                                         "Plage acceptée : 0 < n < 1");
        QCOMPARE(bulle("TxtCond_Fumees", 2), "Nombre de coudes à 45°\nUnité : aucune (un nombre)");
        QCOMPARE(bulle("LblResult_Cond_Fumees", 0), "Section minimale\nUnité : cm²");
        QCOMPARE(controle("TxtCombustion", 3)->accessibleName(),
                 "CO2 ou O2 mesuré : CO2 mesuré, en %");

        // Names follow the unit and caption a pick rewrites.
        onglet->setCurrentIndex(4);
        QTest::keyClick(controle<QComboBox>("CmbDeperdition", 1), Qt::Key_Up);
        QCOMPARE(controle("TxtDeperdition", 2)->accessibleName(), "Débit du fluide, en m3/h");
        onglet->setCurrentIndex(6);
        QTest::keyClick(controle<QComboBox>("CmbCombustion", 1), Qt::Key_Down);
        QCOMPARE(controle("TxtCombustion", 0)->accessibleName(), "O2 mesuré, en %");
        QCOMPARE(controle<QLabel>("LblResltat_Combustion", 0)->accessibleName(), "CO2, en %");
    }
};

QTEST_MAIN(TestFeuille)
#include "feuille_test.moc"
