// The main window as the user finds it at start-up, under both separators.
#include "app/demarrage.h"
#include "app/frm_brivane.h"
#include "app/onglet.h"
#include "entry/separateur.h"
#include "qt/aide_test.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <memory>

class TestFrmBrivane : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<app::FrmBrivane> ouvrir(const char* locale) {
        qputenv("LC_ALL", locale);
        auto fenetre = std::make_unique<app::FrmBrivane>();
        fenetre->show();
        return fenetre;
    }

private slots:
    void initTestCase() { app::preparerApplication(*qApp); }

    void separateurLuAuDemarrage_data() {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<QChar>("separateur");
        QTest::newRow("français") << QByteArray("fr_FR.UTF-8") << QChar(u',');
        QTest::newRow("C") << QByteArray("C.UTF-8") << QChar(u'.');
        QTest::newRow("locale absente") << QByteArray("xx_YY.UTF-8") << QChar(u',');
    }
    void separateurLuAuDemarrage() {
        QFETCH(QByteArray, locale);
        QFETCH(QChar, separateur);
        if (locale == "fr_FR.UTF-8" && !entry::separateurDeLocale("fr_FR.UTF-8"))
            QSKIP("fr_FR.UTF-8 is not compiled on this machine (LOCPATH)");
        auto fenetre = ouvrir(locale.constData());
        QCOMPARE(QChar(ModGeneral::Separateur_Decimal()), separateur);
    }

    void fenetreEtOnglets() {
        auto fenetre = ouvrir("C.UTF-8");
        QCOMPARE(fenetre->windowTitle(), QStringLiteral("Brivane"));
        QVERIFY(!fenetre->windowIcon().isNull());
        app::Onglet* onglet = aide::trouver<app::Onglet>(fenetre.get(), "Onglet");
        QVERIFY(onglet);
        QCOMPARE(onglet->size(), QSize(887, 513));
        QCOMPARE(onglet->currentIndex(), 3);

        const QStringList legendes = {"Conversion d'unité",
                                      "PCI/PCS",
                                      "Gicleur fioul",
                                      "Vase d'expansion chauffage",
                                      "Déperditions conduite",
                                      "Masse volumique",
                                      "Combustion",
                                      "Conduit de fumées",
                                      "Vase d'expansion sanitaire"};
        QCOMPARE(onglet->count(), legendes.size());
        app::EnTetesDeuxRangs* enTetes = onglet->enTetes();
        const QFontMetrics mesure(enTetes->font());
        for (int i = 0; i < legendes.size(); ++i) {
            QCOMPARE(onglet->tabText(i), legendes[i]);
            const QRect r = enTetes->rectEnTete(i);
            // Five headers in the first row, four in the second, left to right.
            QCOMPARE(r.top(), i < 5 ? 0 : r.height());
            QCOMPARE(r.left(), enTetes->width() * (i % 5) / 5);
            // Every caption fits on one line.
            QVERIFY2(mesure.horizontalAdvance(legendes[i]) < r.width() - 8,
                     qPrintable(legendes[i]));
        }
        // The page starts right below the second row.
        const QPoint originePage = onglet->widget(0)->mapTo(onglet, QPoint(0, 0));
        QVERIFY(originePage.y() >= enTetes->rectEnTete(8).bottom());
        QVERIFY(originePage.y() <= enTetes->rectEnTete(8).bottom() + 4);
    }

    void clicSurUnEnTete() {
        auto fenetre = ouvrir("C.UTF-8");
        app::Onglet* onglet = fenetre->onglet();
        app::EnTetesDeuxRangs* enTetes = onglet->enTetes();
        for (const int i : {7, 0, 5, 4}) {
            QTest::mouseClick(enTetes, Qt::LeftButton, {}, enTetes->rectEnTete(i).center());
            QCOMPARE(onglet->currentIndex(), i);
            QVERIFY(onglet->widget(i)->isVisible());
        }
        // Below the fourth header of the second row there is no tab.
        const QRect vide = enTetes->rectEnTete(8).translated(enTetes->rectEnTete(8).width(), 0);
        QTest::mouseClick(enTetes, Qt::LeftButton, {}, vide.center());
        QCOMPARE(onglet->currentIndex(), 4);
    }

    void menus() {
        auto fenetre = ouvrir("C.UTF-8");
        const QList<QAction*> barre = fenetre->menuBar()->actions();
        QCOMPARE(barre.size(), 2);
        QCOMPARE(barre[0]->text(), QStringLiteral("&Fichier"));
        QCOMPARE(barre[1]->text(), QStringLiteral("&?"));
        QMenu* fichier = aide::trouver<QMenu>(fenetre.get(), "MnuFichier");
        QMenu* point = aide::trouver<QMenu>(fenetre.get(), "MnuPoint");
        QVERIFY(fichier && point);
        QCOMPARE(fichier->menuAction(), barre[0]);
        QCOMPARE(point->menuAction(), barre[1]);

        QCOMPARE(fichier->actions().size(), 1);
        QCOMPARE(fichier->actions()[0]->objectName(), QStringLiteral("MnuQuitter"));
        QCOMPARE(fichier->actions()[0]->text(), QStringLiteral("&Quitter"));
        QCOMPARE(point->actions().size(), 2);
        QCOMPARE(point->actions()[0]->objectName(), QStringLiteral("MnuAide"));
        QCOMPARE(point->actions()[0]->text(), QStringLiteral("&Aide"));
        QCOMPARE(point->actions()[1]->objectName(), QStringLiteral("MnuAPropos"));
        QCOMPARE(point->actions()[1]->text(), QStringLiteral("A propos de &Brivane..."));
        for (QAction* action : fichier->actions() + point->actions())
            QVERIFY(action->shortcut().isEmpty());
    }

    // Qt's own texts, such as the line edits' context menu, speak French.
    void traductionQt() {
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Paste"), QStringLiteral("Co&ller"));
    }

    void quitterFermeLaFenetre() {
        auto fenetre = ouvrir("C.UTF-8");
        QVERIFY(QTest::qWaitForWindowExposed(fenetre.get()));
        aide::trouver<QAction>(fenetre.get(), "MnuQuitter")->trigger();
        QVERIFY(!fenetre->isVisible());
    }

    void unitesAuDemarrage() {
        auto fenetre = ouvrir("C.UTF-8");
        const QStringList unites = {"°C", "°K",  "mCE",  "bar",  "W",
                                    "kW", "W/h", "kW/h", "m3/h", "l/h"};
        for (int i = 0; i < unites.size(); ++i) {
            auto* liste =
                aide::trouver<QComboBox>(fenetre.get(), QStringLiteral("CmbConversion(%1)").arg(i));
            QVERIFY(liste);
            QCOMPARE(liste->currentText(), unites[i]);
            QVERIFY(!liste->isEditable());
            QCOMPARE(liste->palette().color(QPalette::Button), QColor(255, 255, 192));
        }
    }
};

QTEST_MAIN(TestFrmBrivane)
#include "frm_brivane_test.moc"
