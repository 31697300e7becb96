// The main window as the user finds it at start-up.
#include "app/demarrage.h"
#include "app/frm_brivane.h"
#include "app/onglet.h"
#include "qt/aide_test.h"

#include <QMenu>
#include <QMenuBar>

#include <vector>

class TestFrmBrivane : public QObject {
    Q_OBJECT

    std::unique_ptr<app::FrmBrivane> fenetre;

    // A window started under that locale, none set when empty.
    void ouvrir(const QString& locale) {
        for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"})
            qunsetenv(variable);
        if (!locale.isEmpty())
            qputenv("LC_ALL", locale.toUtf8());
        fenetre = std::make_unique<app::FrmBrivane>();
        fenetre->show();
    }

private slots:
    void initTestCase() { app::preparerApplication(*qApp); }
    void init() { ouvrir("C.UTF-8"); }

    void separateurLuAuDemarrage_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("separateur");
        aide::ligne("français", "fr_FR.UTF-8", ",");
        aide::ligne("C", "C.UTF-8", ".");
        aide::ligne("aucune", "", ".");
        // Not generated on the machine: Qt's locale data.
        aide::ligne("allemand absent", "de_DE.UTF-8", ",");
        aide::ligne("anglais absent", "en_GB.UTF-8", ".");
        aide::ligne("inconnue", "xx_YY.UTF-8", ",");
    }
    void separateurLuAuDemarrage() {
        QFETCH(QString, locale);
        QFETCH(QString, separateur);
        if (locale == "fr_FR.UTF-8" && !entry::separateurDeLocale("fr_FR.UTF-8"))
            QSKIP("fr_FR.UTF-8 is not compiled on this machine (LOCPATH)");
        ModGeneral::Fixer_Separateur_Decimal(u'?');
        ouvrir(locale);
        QCOMPARE(QString(QChar(ModGeneral::Separateur_Decimal())), separateur);
        // Read before the start-up texts are written.
        QCOMPARE(aide::trouver<QLineEdit>(fenetre, "TxtGicleur", 1)->text(),
                 "0" + separateur + "9");
    }

    // The hint for a machine without a display is given only when neither
    // the environment nor the command line names somewhere to show the window.
    void affichageIndique() {
        const QByteArray plateforme = qgetenv("QT_QPA_PLATFORM");
        for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            qunsetenv(variable);
        const auto indique = [](std::initializer_list<const char*> arguments) {
            const std::vector<const char*> argv(arguments);
            return app::affichageIndique(static_cast<int>(argv.size()), argv.data());
        };
        const bool sansRien = indique({"brivane"});
        const bool optionSansValeur = indique({"brivane", "-platform"});
        const bool option = indique({"brivane", "-platform", "offscreen"});
        const bool optionLongue = indique({"brivane", "--platform", "xcb"});
        qputenv("WAYLAND_DISPLAY", "wayland-0");
        const bool wayland = indique({"brivane"});
        qunsetenv("WAYLAND_DISPLAY");
        qputenv("QT_QPA_PLATFORM", plateforme);
        QVERIFY(!sansRien);
        QVERIFY(!optionSansValeur);
        QVERIFY(option);
        QVERIFY(optionLongue);
        QVERIFY(wayland);
    }

    void fenetreEtOnglets() {
        QCOMPARE(fenetre->windowTitle(), QStringLiteral("Brivane"));
        // Qt's own texts, such as the line edits' context menu, speak French.
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Paste"), QStringLiteral("Co&ller"));
        app::Onglet* onglet = fenetre->onglet();
        QCOMPARE(onglet->currentIndex(), 3);
        QVERIFY(onglet->widget(3)->isVisible());
        const QStringList legendes =
            QString("Conversion d'unité|PCI/PCS|Gicleur fioul|Vase d'expansion chauffage|"
                    "Déperditions conduite|Masse volumique|Combustion|Conduit de fumées|"
                    "Vase d'expansion sanitaire")
                .split(u'|');
        QCOMPARE(onglet->count(), legendes.size());
        const app::EnTetesDeuxRangs* enTetes = onglet->enTetes();
        for (int i = 0; i < legendes.size(); ++i) {
            QCOMPARE(onglet->tabText(i), legendes[i]);
            // Five headers then four, left to right, every caption on one line.
            const QRect r = enTetes->rectEnTete(i);
            QCOMPARE(r.topLeft(), QPoint(enTetes->width() * (i % 5) / 5, i < 5 ? 0 : r.height()));
            QVERIFY(enTetes->fontMetrics().horizontalAdvance(legendes[i]) < r.width() - 8);
        }
    }

    void clicSurUnEnTete() {
        for (const int i : {7, 0}) {
            app::EnTetesDeuxRangs* enTetes = fenetre->onglet()->enTetes();
            QTest::mouseClick(enTetes, Qt::LeftButton, {}, enTetes->rectEnTete(i).center());
            QCOMPARE(fenetre->onglet()->currentIndex(), i);
            QVERIFY(fenetre->onglet()->widget(i)->isVisible());
        }
    }

    // On every page nothing lies over a control, nothing stands outside the
    // page, and every label's text fits in its box.
    void dispositionDesPages() {
        app::Onglet* onglet = fenetre->onglet();
        for (int t = 0; t < onglet->count(); ++t) {
            onglet->setCurrentIndex(t);
            QWidget* page = onglet->widget(t);
            for (QWidget* w : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                const QByteArray nom = w->objectName().toUtf8();
                QVERIFY2(page->rect().contains(w->geometry()), nom);
                if (auto* label = qobject_cast<QLabel*>(w)) {
                    const QSize voulu = label->sizeHint();
                    QVERIFY2(label->wordWrap() || voulu.width() <= label->width(), nom);
                    QVERIFY2((label->wordWrap() ? label->heightForWidth(label->width())
                                                : voulu.height()) <= label->height(),
                             nom);
                } else {
                    const QWidget* dessus = page->childAt(w->geometry().center());
                    QVERIFY2(dessus == w || w->isAncestorOf(dessus), nom);
                }
            }
        }
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

    // Pick-only yellow lists, each showing its row's usual unit.
    void unitesAuDemarrage() {
        QStringList unites;
        for (int i = 0; i < 10; ++i) {
            auto* liste = aide::trouver<QComboBox>(fenetre, "CmbConversion", i);
            QVERIFY(!liste->isEditable());
            QCOMPARE(liste->palette().color(QPalette::Button), QColor(255, 255, 192));
            unites << liste->currentText();
        }
        QCOMPARE(unites, aide::valeurs("°C °K mCE bar W kW W/h kW/h m3/h l/h"));
    }
};

QTEST_MAIN(TestFrmBrivane)
#include "frm_brivane_test.moc"
