// An entry-field family under real key, focus and mouse events.
#include "entry/champs_qt.h"
#include "qt/banc.h"
#include "tabs/disposition.h"

#include <stdexcept>
#include <vector>

class TestChampsQt : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> page;
    entry::FamilleChamps* champs = nullptr;
    entry::FamilleListes* listes = nullptr;
    std::vector<int> entrees; // indices whose Enter ran the calculation
    QStringList ajouts;       // texts seen by the extra Change handling

    QLineEdit* champ(int i) const { return champs->champ(i); }
    // Field 2 once `touches` are typed over its whole text.
    QString frappe(const QString& touches) {
        banc::taper(champ(2), touches);
        return banc::vu(champ(2));
    }

private slots:
    void init() {
        ModGeneral::Fixer_Separateur_Decimal(u',');
        entrees.clear();
        ajouts.clear();
        page = std::make_unique<QWidget>();
        champs = new entry::FamilleChamps(
            page.get(), "TxtEssai", {0, 2, 6},
            {[this](int i) { ajouts << QString::number(i) + ":" + champ(i)->text(); },
             [this](int i) { entrees.push_back(i); }});
        listes = new entry::FamilleListes(
            page.get(), "CmbEssai", {1}, [this](int i) { entrees.push_back(100 + i); },
            [this](int i) {
                ajouts << "clic " + QString::number(i) + ":" + listes->liste(i)->currentText();
            });
        listes->liste(1)->addItems({"a", "b", "c"});
        for (const int i : {0, 2, 6})
            champ(i)->setGeometry(0, 15 * i, 120, 22);
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page.get()));
    }

    // Each key is cleaned, the cleaning's replacement cleaned again: the caret
    // goes to the end, or "0" is selected for the next key to replace; the
    // extra Change handling sees the cleaned text only. Either separator key
    // gives the separator in force, whichever it is.
    void clavier() {
        banc::taper(champ(6), "a");
        ajouts.removeDuplicates();
        QCOMPARE(ajouts, QStringList{"6:0"});
        QCOMPARE(frappe("."), "0,|");
        QCOMPARE(frappe("a"), "[0]");
        for (const QChar s : {u',', u'.'}) {
            ModGeneral::Fixer_Separateur_Decimal(s.unicode());
            QCOMPARE(frappe("1.5"), QString("1") + s + "5|");
            QCOMPARE(frappe("1,5"), QString("1") + s + "5|");
        }
    }

    // Enter runs the calculation, in a field as in a list (pick-only, yellow).
    void entreeLanceLeCalcul() {
        QVERIFY(!listes->liste(1)->isEditable());
        QCOMPARE(listes->liste(1)->palette().color(QPalette::Button), QColor(255, 255, 192));
        banc::entree(champ(6));
        QTest::keyClick(champ(0), Qt::Key_Enter);
        QTest::keyClick(champ(2), Qt::Key_A);
        banc::entree(listes->liste(1));
        QCOMPARE(entrees, (std::vector<int>{6, 0, 101}));
    }

    // A pick raises the list's Click handling, the new item already shown;
    // so does an item the program chooses, even the one already shown.
    void choixDansUneListe() {
        listes->choisir(1, "c");
        QTest::keyClick(listes->liste(1), Qt::Key_Up);
        listes->choisir(1, "b");
        QCOMPARE(ajouts, (QStringList{"clic 1:c", "clic 1:b", "clic 1:b"}));
    }

    // Tab or a click selects the whole text, the next click places the caret.
    // Pressing in another field and dragging before the release still selects
    // it all; once released, a drag selects as usual.
    void focusSelectionneTout() {
        champs->ecrire(0, "12345678");
        champs->ecrire(2, "3,25");
        champ(0)->setFocus();
        QTest::keyClick(champ(0), Qt::Key_Tab);
        QCOMPARE(banc::vu(champ(2)), "[3,25]");
        QTest::mouseClick(champ(2), Qt::LeftButton, {}, QPoint(100, 10));
        QVERIFY(!champ(2)->hasSelectedText());
        const auto glisser = [this] {
            QTest::mousePress(champ(0), Qt::LeftButton, {}, QPoint(3, 10));
            QTest::mouseMove(champ(0), QPoint(60, 10));
            QTest::mouseRelease(champ(0), Qt::LeftButton, {}, QPoint(60, 10));
            return champ(0)->selectedText();
        };
        QCOMPARE(glisser(), "12345678");
        const QString partie = glisser();
        QVERIFY(!partie.isEmpty() && partie != "12345678");
    }

    // A failure thrown by a calculation ends in the shared guard, from Enter
    // as from a button.
    void echecRetenu() {
        int lances = 0;
        const auto echoue = [&lances] {
            ++lances;
            throw std::overflow_error("échec");
        };
        entry::FamilleChamps champEchoue(page.get(), "TxtEchec", {0},
                                         {nullptr, [&](int) { echoue(); }});
        banc::entree(champEchoue.champ(0));
        banc::cliquer(tabs::bouton(page.get(), "CmdEchec", 0, 0, 495, 315, echoue));
        QCOMPARE(lances, 2);
    }
};

QTEST_MAIN(TestChampsQt)
#include "champs_qt_test.moc"
