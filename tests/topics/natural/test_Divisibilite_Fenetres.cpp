// The windows on multiples, divisors and primes: a right and a wrong answer
// each, the corrections, and the widest correction fitting its panel.
#include <QApplication>
#include <QFontMetrics>
#include <QTest>

#include "framework/logic/Commune.hpp"
#include "support/Capture.hpp"
#include "support/Faux_Services.hpp"
#include "support/Hasard_Test.hpp"
#include "support/Lisibilite.hpp"
#include "topics/natural/Undivis.hpp"
#include "topics/natural/Unmultip.hpp"
#include "topics/natural/Uprem.hpp"

class Test_Divisibilite_Fenetres : public QObject {
    Q_OBJECT

    template <class F>
    static std::unique_ptr<F> Ouvre(int niveau = 1) {
        auto f = std::make_unique<F>();
        f->SlideBar1->setPosition(niveau);
        f->show();
        QApplication::setActiveWindow(f.get());
        return f;
    }

    template <class F>
    static void Tape(F& f, const QStringList& reponses) {
        for (int k = 0; k < reponses.size(); ++k) QTest::keyClicks(f.Edit[static_cast<std::size_t>(k)], reponses[k]);
    }

private slots:
    void init() { Commune::Serie.Remet_A_Zero(); }

    void multiples() {
        Faux_Services services;
        Hasard_Test hasard{6, 2, 499};  // 7, then 3, then 999 at level 4
        auto f = Ouvre<TNMultipF>();
        QCOMPARE(f->Label2->text(), QString("M(7) = {"));
        Tape(*f, {"0", "7", "14", "21", "28", "35", "42", "49", "56"});
        QVERIFY(!f->BBConf->isEnabled());  // all ten boxes are needed
        QTest::keyClicks(f->Edit[9], "63");
        QVERIFY(f->BBConf->isEnabled());
        f->BBConf->click();
        QCOMPARE(f->WinPanel1->Titre(), QString("Juste"));
        QCOMPARE(Commune::Serie.Score, 10);
        Capture(f.get(), "div-multiples-juste");

        f->BBCont->click();
        Tape(*f, {"00", "3", "6", "9", "12", "15", "18", "21", "24", "27"});
        f->BBConf->click();
        QCOMPARE(f->WinPanel1->Titre(), QString("Faux c'est :"));
        QCOMPARE(f->LRep1->text(), QString("M(3) = {0, 3, 6, 9, 12,"));
        QCOMPARE(f->LRep2->text(), QString("15, 18, 21, 24, 27,...}"));
        QVERIFY(!f->Edit[9]->isEnabled());

        // The widest set.
        f->SlideBar1->setPosition(4);
        QCOMPARE(f->Label2->text(), QString("M(999) = {"));
        Tape(*f, {"1", "1", "1", "1", "1", "1", "1", "1", "1", "1"});
        f->BBConf->click();
        QCOMPARE(f->LRep2->text(), QString("4 995, 5 994, 6 993, 7 992, 8 991,...}"));
        QCOMPARE(Defauts_Verdict(*f), QStringList());
        Capture(f.get(), "div-multiples-faux");
    }

    void diviseurs() {
        Faux_Services services;
        Hasard_Test hasard{30, 372};  // 36, then 672 at level 4
        auto f = Ouvre<TNDivisF>();
        QCOMPARE(f->Label2->text(), QString("D(36) = {"));
        QTest::keyClicks(f->Edit[0], "1");
        QVERIFY(!f->BBConf->isEnabled());
        QTest::keyClicks(f->Edit[1], "2");
        QVERIFY(f->BBConf->isEnabled());  // the first two boxes are enough
        Tape(*f, {"", "", "3", "4", "6", "9", "12", "18", "36"});
        f->BBConf->click();
        QCOMPARE(f->WinPanel1->Titre(), QString("Juste"));
        QCOMPARE(Commune::Serie.Score, 20);
        Capture(f.get(), "div-diviseurs-juste");

        // 672 has 24 divisors; one forgotten.
        f->SlideBar1->setPosition(4);
        Tape(*f, {"1", "2", "3", "4", "6", "7", "8", "12", "14", "16", "21", "24", "28", "32", "42", "48", "56",
                  "84", "96", "112", "168", "224", "336"});
        f->BBConf->click();
        QCOMPARE(f->WinPanel1->Titre(), QString("Faux c'est :"));
        const QString liste("D(672)={1,2,3,4,6,7,8,12, 14,16,21,24,28,32,42,48, 56,84,96,112,168,224,336,672}");
        QCOMPARE(f->LRep1->text(), liste);
        QCOMPARE(Defauts_Verdict(*f), QStringList());
        // Three lines, one per eight divisors.
        const QFontMetrics m(f->LRep1->font());
        QCOMPARE(m.boundingRect(f->LRep1->contentsRect(), Qt::TextWordWrap, liste).height() / m.lineSpacing(), 3);
        Capture(f.get(), "div-diviseurs-faux");
    }

    void premier_oui_non_et_diviseurs_refuses() {
        Faux_Services services;
        Hasard_Test hasard{0, 11, 450};  // 1, then 12, then 1001 at level 4
        auto f = Ouvre<TPremF>();
        QCOMPARE(f->Label1->text(), QString("Le nombre 1 est-il premier ?"));
        QVERIFY(f->Edit1->isHidden() && f->Label2->isHidden());
        QVERIFY(!f->BBConf->isEnabled());
        QTest::keyClicks(f->Edit2, "5");  // the choice is never typed
        QCOMPARE(f->Edit2->text(), QString());
        f->Button1->click();
        QCOMPARE(f->Edit2->text(), QString("    PREMIER"));
        QVERIFY(f->BBConf->isEnabled());
        f->BBConf->click();
        QCOMPARE(f->WinPanel1->Titre(), QString("Juste"));  // 1 counts as prime
        QVERIFY(!f->Button1->isEnabled() && !f->Button2->isEnabled());
        Capture(f.get(), "div-premier-juste");

        f->BBCont->click();
        QCOMPARE(f->Edit2->text(), QString());
        QVERIFY(f->Button1->isEnabled() && f->Edit1->isHidden());
        f->Button2->click();
        QCOMPARE(f->Edit2->text(), QString("PAS PREMIER"));
        QVERIFY(f->Edit1->isVisible() && f->Label2->isVisible() && f->Edit1->hasFocus());
        QVERIFY(!f->BBConf->isEnabled());
        // Refused divisors: a message, nothing counted, the divisor typed again.
        const QStringList messages{"Le diviseur doit être premier !", "Le diviseur doit être premier !",
                                   "Il est impossible de diviser par 0 !"};
        const QStringList essais{"4", "12", "0"};
        for (int i = 0; i < essais.size(); ++i) {
            QTest::keyClicks(f->Edit1, essais[i]);
            QTest::keyClick(f->Edit1, Qt::Key_Return);
            QCOMPARE(services.messages.last().texte, messages[i]);
            QVERIFY(f->Edit1->text().isEmpty() && f->Edit1->hasFocus() && !f->BBConf->isEnabled());
            QCOMPARE(f->Edit2->text(), QString("PAS PREMIER"));
        }
        QCOMPARE(Commune::Serie.NbExercices, 1);
        QCOMPARE(f->Dessin(), QString("F"));
        // Changing one's mind hides the divisor again.
        f->Button1->click();
        QVERIFY(f->Edit1->isHidden() && f->BBConf->isEnabled());
        f->Button2->click();
        QTest::keyClicks(f->Edit1, "5");
        f->BBConf->click();
        QCOMPARE(Commune::Serie.NbExercices, 2);
        QCOMPARE(f->WinPanel1->Titre(), QString("Faux"));
        QCOMPARE(f->LRep1->text(), QString("12 n'est pas premier."));
        QCOMPARE(f->LRep2->text(), QString("Il n'est pas divisible par 5 mais par 2,..."));

        // The widest correction.
        f->SlideBar1->setPosition(4);
        f->Button2->click();
        QTest::keyClicks(f->Edit1, "9973");
        f->BBConf->click();
        QCOMPARE(f->LRep2->text(), QString("Il n'est pas divisible par 9973 mais par 7,..."));
        QCOMPARE(Defauts_Verdict(*f), QStringList());
        Capture(f.get(), "div-premier-faux");
    }
};

QTEST_MAIN(Test_Divisibilite_Fenetres)
#include "test_Divisibilite_Fenetres.moc"
