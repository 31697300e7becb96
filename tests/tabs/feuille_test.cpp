// The calculation sheet of the tabs, copied and saved as PDF, with its intermediate values: after a
// whole calculation, before any, after a refusal, after a field changed since.
#include "qt/banc.h"
#include "tabs/feuille.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

const QString copier = QStringLiteral("Copier la feuille de calcul");
const QString enregistrer = QStringLiteral("Enregistrer la feuille de calcul en PDF…");

// `lignes` joined as the clipboard holds them, each with the separator in
// force in place of its ",".
QString feuille(const QStringList& lignes) {
    return banc::sep(lignes.join(u'\n') + u'\n');
}

// The worked example of the flue tab: a 24 kW gas boiler, 1 m of 80 mm pipe, an 8 m duct.
const QStringList gaz24kW = {"CmbCond_Fumees(0)=Gaz naturel", "TxtCond_Fumees(9)=8",
                             "TxtCond_Fumees(0)=1",           "TxtCond_Fumees(1)=0,08",
                             "TxtCond_Fumees(6)=120",         "TxtCond_Fumees(5)=10,59",
                             "TxtCond_Fumees(13)=0,9",        "TxtCond_Fumees(4)=24"};

} // namespace

class TestFeuille : public banc::BancFenetre {
    Q_OBJECT

    static QString pressePapiers() { return QApplication::clipboard()->text(); }
    static QStringList menu(QWidget* w, const QString& choix = {}) {
        return banc::menuContextuel(w, choix);
    }

    // Saves the shown tab's sheet through its menu, answering the save
    // dialog with `chemin` (a file there replaced); gives "title | accept
    // button | file offered", and in `message` the text of a box then shown.
    QString enregistrerSous(const QString& chemin, QString* message = nullptr) {
        QString vu;
        QTimer minuterie;
        connect(&minuterie, &QTimer::timeout, [&] {
            QWidget* modale = QApplication::activeModalWidget();
            if (auto* boite = qobject_cast<QMessageBox*>(modale)) {
                if (QAbstractButton* oui = boite->button(QMessageBox::Yes))
                    return oui->click();
                if (message != nullptr)
                    *message = boite->text();
                return boite->button(QMessageBox::Ok)->click();
            }
            auto* dialogue = qobject_cast<QFileDialog*>(modale);
            if (dialogue == nullptr || !vu.isEmpty())
                return;
            vu = QStringList{dialogue->windowTitle(), dialogue->labelText(QFileDialog::Accept),
                             QFileInfo(dialogue->selectedFiles().value(0)).fileName()}
                     .join(" | ");
            // Typed whole into the file name, as a user may; accepted from the
            // event loop, so that this timer answers the question it may ask.
            dialogue->findChild<QLineEdit*>("fileNameEdit")->setText(chemin);
            QMetaObject::invokeMethod(dialogue, "accept", Qt::QueuedConnection);
        });
        minuterie.start(10);
        menu(page(), enregistrer);
        minuterie.stop();
        return vu;
    }

    static void separateurs() {
        QTest::addColumn<QByteArray>("locale");
        QTest::newRow(",") << QByteArray("fr_FR.UTF-8");
        QTest::newRow(".") << QByteArray("C.UTF-8");
    }

private slots:
    // Both fields of a row are values; each unit is its list's.
    void conversion_data() { separateurs(); }
    void conversion() {
        QFETCH(QByteArray, locale);
        ouvrir(locale, 0);
        banc::taper(controle("TxtConversion", 0), "100,5");
        banc::entree(controle("TxtConversion", 0));
        QCOMPARE(menu(page(), copier), (QStringList{copier, enregistrer}));
        QCOMPARE(
            pressePapiers(),
            feuille({"Conversion d'unité", "Valeurs", "Degrés\t100,5\t°C", "Degrés\t373,65\t°K",
                     "Pression\t0\tmCE", "Pression\t0\tbar", "Puissance\t0\tW", "Puissance\t0\tkW",
                     "Ènergie\t0\tW/h", "Ènergie\t0\tkW/h", "Débit\t0\tm3/h", "Débit\t0\tl/h",
                     "Valeurs intermédiaires",
                     "Facteur appliqué (Degrés : °C → °K)\t°K = °C + 273,15"}));
    }

    // Copied from a result's own menu: the vessel of 500 litres at 5 m, then
    // its pressure at 70 °C, above the valve: "#####" as it shows, and the
    // lines of text the calculation wrote.
    void vaseDExpansion_data() { separateurs(); }
    void vaseDExpansion() {
        QFETCH(QByteArray, locale);
        ouvrir(locale, 3);
        // Pasted with a tab before it, which the field keeps: its line keeps three columns.
        QApplication::clipboard()->setText("\t15");
        controle("TxtExpansion", 2)->selectAll();
        controle("TxtExpansion", 2)->paste();
        QCOMPARE(controle("TxtExpansion", 2)->text(), "\t15");
        saisir({"TxtExpansion(3)=500", "TxtExpansion(6)=5"});
        saisir({"TxtExpansionTemp(0)=70"});

        auto* pression = controle<QLabel>("LblResultat_Expansion", 8);
        QCOMPARE(menu(pression), (QStringList{"Cop&ier\tCtrl+C", "Tout sélectionner\tCtrl+A", "--",
                                              copier, enregistrer}));
        menu(pression, "Tout sélectionner\tCtrl+A");
        menu(pression, "Cop&ier\tCtrl+C");
        QCOMPARE(pressePapiers(), "#####");
        const QString vue = banc::feuilleCopiee(pression);
        QVERIFY(vue.contains("\nTempérature à l'arrêt ou de remplissage\t15\t°C\n"));
        QCOMPARE(vue.mid(vue.indexOf("\nType de vase") + 1),
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
                              "de remplissage de 0,53 bar(s)",
                              "Valeurs intermédiaires", "Vase d'expansion",
                              "Masse volumique de l'eau au remplissage\t999,1152\tkg/m3",
                              "Masse volumique de l'eau à la température maximale\t977,8184\tkg/m3",
                              "Pression atmosphérique\t1,01325\tbar",
                              "Pression finale absolue\t4,01325\tbar",
                              "Pression initiale absolue\t1,503316\tbar",
                              "Volume minimal avant correction\t17,41252\tlitres",
                              "Nombre de corrections du volume minimal\t0",
                              "Pression dans l'installation à la température de l'eau",
                              "Masse volumique de l'eau à la température choisie\t977,8184\tkg/m3",
                              "Calcul interrompu : décharge de la soupape (pression supérieure à "
                              "son tarage)"}));
    }

    // The lists are inputs; the offset frame is on the sheet only while open.
    void conduitDeFumees_data() { separateurs(); }
    void conduitDeFumees() {
        QFETCH(QByteArray, locale);
        ouvrir(locale, 7);
        saisir(gaz24kW);
        const QString vue = banc::feuilleCopiee(page());
        // The lists are inputs under their captions; a count has no unit; the volume's follows
        // the fuel.
        for (const char* lignes :
             {"\nNombre de coudes à 90°\t0\nNature du conduit de raccordement\tAcier inox\n"
              "Combustible\tGaz naturel\nPuissance\t24\tkW\n",
              "\nVolume de gaz brûlés (voir onglet Combustion)\t10,59\tm3(n)/m3(n)\n",
              "\nNature du conduit de fumées\tBoisseaux béton\nRésultats\n"})
            QVERIFY2(vue.contains(banc::sep(lignes)), lignes);
        QCOMPARE(vue.mid(vue.indexOf("\nRésultats\n") + 1),
                 feuille({"Résultats",
                          "Section minimale\t82,83\tcm²",
                          "Coté minimal si le conduit est carré\t9,1\tcm",
                          "Diamètre minimal si le conduit est rond\t10,27\tcm",
                          "Valeurs intermédiaires",
                          "Température moyenne des fumées\t97,5\t°C",
                          "Masse volumique des fumées\t0,9359247\tkg/m3",
                          "Masse volumique de l'air extérieur\t1,225691\tkg/m3",
                          "Tirage disponible\t22,74088\tPa",
                          "Section du conduit de raccordement\t50,26548\tcm²",
                          "Vitesse des fumées dans le conduit de raccordement\t1,477843\tm/s",
                          "Nombre de Reynolds du conduit de raccordement\t7829,634",
                          "Coefficient de frottement du conduit de raccordement\t0,04050226",
                          "Pertes de charge du conduit de raccordement\t2,155749\tPa",
                          "Vitesse des fumées dans le conduit\t0,8968273\tm/s",
                          "Nombre de Reynolds du conduit\t5405,385",
                          "Coefficient de frottement du conduit\t0,09778114",
                          "Pertes de charge du conduit\t6,584655\tPa",
                          "Total des pertes et dépressions nécessaires\t22,7404038906097\tPa",
                          "Nombre de pas de la recherche\t3257"}));

        // The offset frame, open: its fields among the inputs, its results after the duct's.
        banc::cliquer(controle<QPushButton>("CmdCond_Fumees", 1));
        QVERIFY(
            banc::feuilleCopiee(page()).contains("\nDécaler\t0\tm\nAngle\t0\tDegrés\nRésultats\n"));
        QVERIFY(banc::feuilleCopiee(page()).contains(
            "\nLongueur totale du conduit de fumées à reporter dans le champ\t0\tm\n"
            "Valeurs intermédiaires\n"));
    }

    // The intermediate section at the end of the sheet: nothing before a calculation, why it
    // stopped, a field retyped since (`ensuite`), each block of a tab under its name.
    void intermediaires_data() {
        QTest::addColumn<int>("onglet");
        QTest::addColumn<QStringList>("saisie");
        QTest::addColumn<QString>("ensuite");
        QTest::addColumn<QString>("fin");
        QTest::newRow("donnée changée depuis")
            << 7 << gaz24kW << "TxtCond_Fumees(12)=16"
            << "Nombre de pas de la recherche\t3257\n"
               "Les données ont changé depuis le dernier calcul.\n";
        QTest::newRow("refus") << 7 << gaz24kW + QStringList{"TxtCond_Fumees(4)=240"} << ""
                               << "Pertes de charge du conduit de raccordement\t197,4455\tPa\n"
                                  "Calcul interrompu : dépression disponible trop faible\n";
        QTest::newRow("deux blocs")
            << 3 << QStringList{"TxtExpansion(6)=26"} << ""
            << "Pression atmosphérique\t1,01325\tbar\n"
               "Calcul interrompu : hauteur de l'installation trop importante pour les vases "
               "standards\n"
               "Pression dans l'installation à la température de l'eau\nAucun calcul effectué\n";
        QTest::newRow("rangées converties")
            << 0 << QStringList{"TxtConversion(2)=1"} << "TxtConversion(0)=100"
            << "Valeurs intermédiaires\nFacteur appliqué (Pression : mCE → bar)\t0,0981\n";
    }
    void intermediaires() {
        QFETCH(int, onglet);
        QFETCH(QStringList, saisie);
        QFETCH(QString, ensuite);
        QFETCH(QString, fin);
        ouvrir("fr_FR.UTF-8", onglet);
        QVERIFY(banc::feuilleCopiee(page()).endsWith("\nAucun calcul effectué\n"));
        saisir(saisie);
        if (!ensuite.isEmpty())
            banc::taper(fenetre->findChild<QLineEdit*>(ensuite.section(u'=', 0, 0)),
                        ensuite.section(u'=', 1));
        QCOMPARE(banc::feuilleCopiee(page()).right(fin.size()), banc::sep(fin));
    }

    // Through the menu and Qt's save dialog, in French: one or two A4 pages
    // per tab whose text holds the tab's title and every caption, value and
    // unit of its sheet, the intermediate values before the formulas.
    void pdf() {
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir dossier;
        ouvrir("C.UTF-8", 0);
        saisir(gaz24kW);
        for (int t = 0; t < onglet()->count(); ++t) {
            onglet()->setCurrentIndex(t);
            const QString chemin = dossier.filePath(QString("onglet %1.pdf").arg(t));
            const QString offert = QString(onglet()->tabText(t)).replace(u'/', u'-') + ".pdf";
            QCOMPARE(enregistrerSous(chemin),
                     "Enregistrer la feuille de calcul en PDF | &Enregistrer | " + offert);

            QProcess lecture;
            lecture.start(pdftotext, {"-raw", chemin, "-"});
            QVERIFY(lecture.waitForFinished());
            const QString lu = QString::fromUtf8(lecture.readAllStandardOutput());
            QVERIFY2(lu.count(u'\f') == 1 || lu.count(u'\f') == 2, qPrintable(offert));
            const QString texte = QString(lu).replace(u'\n', u' ').simplified();
            const tabs::Feuille f = page()->description().feuille();
            QStringList attendus{"Brivane 1.0", f.titre};
            for (const tabs::Feuille::Section& section : f.sections)
                for (const tabs::Feuille::Ligne& ligne : section.lignes)
                    attendus << ligne.titre << ligne.valeur << ligne.unite;
            for (const QString& attendu : attendus)
                QVERIFY2(texte.contains(attendu), qPrintable(f.titre + " : " + attendu));
            const auto section = texte.indexOf("Valeurs intermédiaires");
            QVERIFY(section >= 0 && section < texte.indexOf("Formules"));
        }
    }

    // Over a file when the writes fail past 20 kB (a full disk; the last
    // buffered bytes of the PDF), or over a link to a pipe: the failure box,
    // and the file as it was.
    void pdfEchoue_data() {
        QTest::addColumn<bool>("tube");
        QTest::newRow("écriture refusée") << false;
        QTest::newRow("lien vers un tube") << true;
    }
    void pdfEchoue() {
        QFETCH(bool, tube);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("ancien.pdf");
        const QByteArray ancien = "%PDF-1.4 ancien";
        QFile fichier(chemin);
        QVERIFY(tube ? mkfifo(qPrintable(dossier.filePath("tube")), 0600) == 0 &&
                           QFile::link("tube", chemin)
                     : fichier.open(QIODevice::WriteOnly) && fichier.write(ancien) > 0);
        fichier.close();
        ouvrir("C.UTF-8", 3);
        rlimit avant{};
        getrlimit(RLIMIT_FSIZE, &avant);
        const rlimit limite{tube ? avant.rlim_cur : 20000, avant.rlim_max};
        const auto signal = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limite);
        QString message;
        enregistrerSous(chemin, &message);
        setrlimit(RLIMIT_FSIZE, &avant);
        std::signal(SIGXFSZ, signal);
        QCOMPARE(message,
                 "La feuille de calcul n'a pas pu être enregistrée dans « " + chemin + " ».");
        QCOMPARE(QFileInfo(chemin).isFile(), !tube);
        QVERIFY(tube || (fichier.open(QIODevice::ReadOnly) && fichier.readAll() == ancien));
    }
};

QTEST_MAIN(TestFeuille)
#include "feuille_test.moc"
