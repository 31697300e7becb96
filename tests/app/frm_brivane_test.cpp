// The main window as the user finds it at start-up.
#include "qt/banc.h"
#include "tabs/disposition.h"

#include <QMenu>
#include <QMenuBar>

#include <vector>

class TestFrmBrivane : public banc::BancFenetre {
    Q_OBJECT

private slots:
    void init() { ouvrir(); }

    // Read before the start-up texts are written. Locales not generated on
    // the machine come from Qt's locale data; one nobody knows gives ",".
    void separateurLuAuDemarrage() {
        for (const auto& [locale, separateur] :
             {std::pair("de_DE.UTF-8", ","), {"en_GB.UTF-8", "."}, {"xx_YY.UTF-8", ","}}) {
            ModGeneral::Fixer_Separateur_Decimal(u'?');
            ouvrir(locale);
            for (const auto& [champ, index] :
                 {std::pair("TxtGicleur", 1), {"TxtCond_Fumees", 13}}) {
                const QString vu = controle(champ, index)->text();
                QCOMPARE(QString(locale) + " " + vu, QString(locale) + " 0" + separateur + "9");
            }
        }
    }

    // The hint for a machine without a display is given only when neither
    // the environment nor the command line names somewhere to show the window.
    void affichageIndique() {
        // The platform is loaded already: the variables can go.
        for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            qunsetenv(variable);
        const auto indique = [](std::vector<const char*> argv) {
            return app::affichageIndique(static_cast<int>(argv.size()), argv.data());
        };
        QVERIFY(!indique({"brivane"}));
        QVERIFY(!indique({"brivane", "-platform"}));
        QVERIFY(indique({"brivane", "-platform", "offscreen"}));
        QVERIFY(indique({"brivane", "--platform", "xcb"}));
        qputenv("WAYLAND_DISPLAY", "wayland-0");
        QVERIFY(indique({"brivane"}));
    }

    // Opens on tab 3; five headers then four, left to right, every caption on
    // one line; a click on a header shows its page.
    void fenetreEtOnglets() {
        QCOMPARE(fenetre->windowTitle(), "Brivane");
        // Qt's own texts, such as the line edits' context menu, speak French.
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Paste"), "Co&ller");
        app::Onglet* onglet = this->onglet();
        QVERIFY(onglet->widget(3)->isVisible());
        const QStringList legendes =
            QString("Conversion d'unité|PCI/PCS|Gicleur fioul|Vase d'expansion chauffage|"
                    "Déperditions conduite|Masse volumique|Combustion|Conduit de fumées|"
                    "Vase d'expansion sanitaire")
                .split(u'|');
        QCOMPARE(onglet->count(), legendes.size());
        app::EnTetesDeuxRangs* enTetes = onglet->enTetes();
        for (int i = 0; i < legendes.size(); ++i) {
            QCOMPARE(onglet->tabText(i), legendes[i]);
            const QRect r = enTetes->rectEnTete(i);
            QCOMPARE(r.topLeft(), QPoint(enTetes->width() * (i % 5) / 5, i < 5 ? 0 : r.height()));
            QVERIFY(enTetes->fontMetrics().horizontalAdvance(legendes[i]) < r.width() - 8);
        }
        QTest::mouseClick(enTetes, Qt::LeftButton, {}, enTetes->rectEnTete(7).center());
        QVERIFY(onglet->widget(7)->isVisible());
    }

    // In a page or a frame, nothing lies over a shown control, nothing stands
    // outside, and every label's text fits in its box. A page whose controls
    // would leave a band over 120 px empty has them in its middle.
    static void verifierDisposition(QWidget* page) {
        QRect controles;
        for (QWidget* w : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QByteArray nom = w->objectName().toUtf8();
            if (w->isWindow() || tabs::estLegendeCachee(w))
                continue;
            controles |= w->geometry();
            QVERIFY2(page->rect().contains(w->geometry()), nom);
            if (auto* label = qobject_cast<QLabel*>(w)) {
                const QSize voulu = label->sizeHint();
                QVERIFY2(label->wordWrap() || voulu.width() <= label->width(), nom);
                QVERIFY2((label->wordWrap() ? label->heightForWidth(label->width())
                                            : voulu.height()) <= label->height(),
                         nom);
            } else if (!w->isHidden()) {
                const QWidget* dessus = page->childAt(w->geometry().center());
                QVERIFY2(dessus == w || w->isAncestorOf(dessus), nom);
            }
        }
        const QMargins bandes(controles.left(), controles.top(),
                              page->width() - 1 - controles.right(),
                              page->height() - 1 - controles.bottom());
        if (std::max({bandes.left(), bandes.top(), bandes.right(), bandes.bottom()}) > 120) {
            QVERIFY2(std::abs(bandes.left() - bandes.right()) <= 1, qPrintable(page->objectName()));
            QVERIFY2(std::abs(bandes.top() - bandes.bottom()) <= 1, qPrintable(page->objectName()));
        }
    }
    void dispositionDesPages() {
        for (int t = 0; t < onglet()->count(); ++t) {
            onglet()->setCurrentIndex(t);
            verifierDisposition(onglet()->widget(t));
            if (QTest::currentTestFailed())
                return;
        }
        // The flue offset frame, open over its tab.
        onglet()->setCurrentIndex(7);
        banc::taper(controle("TxtCond_Fumees", 9), "8");
        banc::cliquer(controle<QPushButton>("CmdCond_Fumees", 1));
        auto* cadre = fenetre->findChild<QWidget*>("CdrDevoiement");
        QVERIFY(cadre->isVisible());
        verifierDisposition(cadre);
    }

    // Menus without shortcuts, every item enabled; Quitter closes.
    void menus() {
        QStringList vus;
        for (QAction* titre : fenetre->menuBar()->actions()) {
            vus << titre->menu()->objectName() + " " + titre->text();
            for (QAction* action : titre->menu()->actions())
                vus << "  " + action->objectName() + " " + action->text() +
                           (action->isEnabled() ? "" : " (grisé)");
        }
        QCOMPARE(vus, (QStringList{"MnuFichier &Fichier", "  MnuQuitter &Quitter", "MnuPoint &?",
                                   "  MnuAide &Aide", "  MnuAPropos A propos de &Brivane..."}));
        for (QAction* action : fenetre->findChildren<QAction*>())
            QVERIFY(action->shortcut().isEmpty());
        fenetre->findChild<QAction*>("MnuQuitter")->trigger();
        QVERIFY(!fenetre->isVisible());
    }

    // The lists show their start-up items, each unit its row's usual one (the captions the
    // picks set are the pages' tests').
    void choixAuDemarrage() {
        QStringList vus;
        for (const auto& [nom, nombre] : {std::pair("CmbCombustion", 3),
                                          {"CmbCond_Fumees", 3},
                                          {"CmbPCI_PCS", 4},
                                          {"CmbConversion", 10}})
            for (int i = 0; i < nombre; ++i)
                vus << controle<QComboBox>(nom, i)->currentText();
        QCOMPARE(vus.join(u' '), "Fuel domestique CO2 mesuré CO2 mesuré Fuel domestique Acier inox "
                                 "Boisseaux béton kWh/kg kWh/kg kWh/kg kWh/kg °C °K mCE bar W kW "
                                 "W/h kW/h m3/h l/h");
    }
};

QTEST_MAIN(TestFrmBrivane)
#include "frm_brivane_test.moc"
