// The "?" menu: the help window (menu and F1) and the About window.
#include "app/aide.h"
#include "app/fenetre_aide.h"
#include "qt/banc.h"

#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <functional>

class TestAideAPropos : public banc::BancFenetre {
    Q_OBJECT
    // F1 typed in the main window, which the user has brought forward.
    void f1() {
        fenetre->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenetre.get()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    }
    static QList<QWidget*> fenetresAPropos() {
        QList<QWidget*> vues;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "FrmAPropos" && !w->testAttribute(Qt::WA_WState_Hidden))
                vues << w;
        return vues;
    }

private slots:
    void init() {
        app::fixerDossierProgramme(QFileInfo(BRIVANE_CHM).absolutePath());
        ouvrir();
    }
    void cleanup() {
        delete app::fenetreAide();
        fenetre.reset();
    }

    // Without its file, or with a damaged one, the help shows one stop box
    // and nothing else.
    void fichierManquantOuEndommage() {
        QTemporaryDir dossier;
        app::fixerDossierProgramme(dossier.path());
        QCOMPARE(banc::repondreBoite([&] { menu("MnuAide"); }),
                 "FICHIER D'AIDE MANQUANT. | 3 | 1 | Le fichier d'aide 'Brivane.chm' ne se trouve "
                 "plus dans le dossier du programme, faite une recherche sur votre système et "
                 "replacez le dans le dossier de l'application. Si vous ne le trouvez plus, "
                 "contactez moi, je vous le ferai parvenir.");
        QFile original(BRIVANE_CHM), copie(dossier.filePath("Brivane.chm"));
        QVERIFY(original.open(QIODevice::ReadOnly) && copie.open(QIODevice::WriteOnly));
        copie.write(original.read(original.size() / 2));
        copie.close();
        QCOMPARE(banc::repondreBoite([&] { f1(); }),
                 "FICHIER D'AIDE ENDOMMAGÉ. | 3 | 1 | Le fichier d'aide 'Brivane.chm' ne peut pas "
                 "être lu (fichier tronqué ou illisible). Replacez-le dans le dossier de "
                 "l'application.");
        QVERIFY(app::fenetreAide() == nullptr);
        const QWidgetList vues = QApplication::topLevelWidgets(); // the main window alone
        QCOMPARE(std::count_if(vues.begin(), vues.end(), std::mem_fn(&QWidget::isVisible)), 1);
    }

    // The menu opens the default topic; F1 the topic of the tab shown, in
    // the same window, which leaves the main window usable.
    void menuEtF1() {
        menu("MnuAide");
        app::FenetreAide* aide = app::fenetreAide();
        QVERIFY(aide != nullptr && aide->isVisible());
        QVERIFY(aide->parentWidget() == nullptr && QApplication::activeModalWidget() == nullptr);
        QCOMPARE(aide->windowTitle(), "Aide de Brivane");
        QCOMPARE(aide->navigateur()->source(), QUrl("aide:/accueil.htm"));
        QCOMPARE(aide->sommaire()->currentItem()->text(0), "Brivane");
        QVERIFY(!aide->navigateur()
                     ->loadResource(QTextDocument::ImageResource, QUrl("images/brivane.svg"))
                     .value<QImage>()
                     .isNull());
        // Only the help file's own pages: a file of the disk is not read.
        QVERIFY(aide->navigateur()
                    ->loadResource(QTextDocument::HtmlResource, QUrl::fromLocalFile(BRIVANE_CHM))
                    .toString()
                    .contains("Page introuvable"));

        for (int t = 0; t < onglet()->count(); ++t) {
            onglet()->setCurrentIndex(t);
            f1();
            QCOMPARE(app::fenetreAide(), aide);
            QCOMPARE(aide->navigateur()->documentTitle(), onglet()->tabText(t));
            QCOMPARE(aide->sommaire()->currentItem()->text(0), onglet()->tabText(t));
        }
        QTest::mouseClick(aide->findChild<QPushButton*>("BoutonPrecedent"), Qt::LeftButton);
        QCOMPARE(aide->navigateur()->documentTitle(), "Conduit de fumées");
        QTest::mouseClick(aide->findChild<QPushButton*>("BoutonAccueil"), Qt::LeftButton);
        QCOMPARE(aide->navigateur()->documentTitle(), "Brivane");
    }

    // One About window however often it is asked for; OK or its close box
    // closes it.
    void uneFenetreAPropos() {
        menu("MnuAPropos");
        menu("MnuAPropos");
        QCOMPARE(fenetresAPropos().size(), 1);
        QWidget* aPropos = fenetresAPropos().first();
        QVERIFY(aPropos->parentWidget() == nullptr && !aPropos->isModal());
        QCOMPARE(aPropos->windowTitle(), "A propos de Brivane");
        QCOMPARE(aPropos->size(), QSize(312, 206));
        QVERIFY(!aPropos->findChild<QLabel*>("Image1")->pixmap().isNull());
        QStringList vus;
        for (const char* nom : {"Label1", "Label2", "Label3", "CmdOK"}) {
            auto* w = aPropos->findChild<QWidget*>(nom);
            vus << w->property("text").toString();
            if (auto* label = qobject_cast<QLabel*>(w)) // the whole text shows
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(), nom);
        }
        QCOMPARE(vus, (QStringList{"Brivane est un utilitaire permettant de connaître différentes "
                                   "valeurs qui concerncent principalement le chauffage.",
                                   "Brivane est un utilitaire libre à la distribution.",
                                   "Version 1.0", "OK"}));

        QTest::mouseClick(aPropos->findChild<QPushButton*>("CmdOK"), Qt::LeftButton);
        QVERIFY(fenetresAPropos().isEmpty());
        menu("MnuAPropos");
        QCOMPARE(fenetresAPropos().size(), 1);
        fenetresAPropos().first()->close();
        QVERIFY(fenetresAPropos().isEmpty());
    }

    // "Quitter" with the About window open: the program goes on until that
    // window is closed too; the help window does not hold it.
    void finAvecLaDerniereFenetre() {
        QStringList vus;
        QTimer::singleShot(0, [&] {
            menu("MnuAide");
            menu("MnuAPropos");
            menu("MnuQuitter");
            vus << QString("principale %1").arg(fenetre->isVisible() ? "ouverte" : "fermée");
            QTimer::singleShot(100, [&] {
                vus << "toujours en marche";
                QTest::mouseClick(fenetresAPropos().first()->findChild<QPushButton*>("CmdOK"),
                                  Qt::LeftButton);
            });
        });
        QTimer::singleShot(5000, [&] {
            vus << "bloqué";
            QCoreApplication::exit(1);
        });
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(vus, (QStringList{"principale fermée", "toujours en marche"}));
        QVERIFY(app::fenetreAide() == nullptr);
    }
};

QTEST_MAIN(TestAideAPropos)
#include "aide_apropos_test.moc"
