#include <QApplication>
#include <QTest>

#include "framework/logic/Commune.hpp"
#include "support/Capture.hpp"
#include "support/Faux_Services.hpp"
#include "support/Hasard_Test.hpp"
#include "support/Lisibilite.hpp"
#include "support/Ouvre_Fenetre.hpp"
#include "topics/algebra/Uraci.hpp"

class Test_Uraci : public QObject {
    Q_OBJECT

    static std::unique_ptr<TRaciF> Ouvre(int niveau) { return Ouvre_Au_Niveau<TRaciF>(niveau); }

private slots:
    void init() { Commune::Serie.Remet_A_Zero(); }

    void niveau_1_arrondi() {
        Faux_Services services;
        Hasard_Test hasard{2, 2};
        auto f = Ouvre(1);
        QCOMPARE(f->Label1->text(), QString("Calculer à 0,01 près la racine carrée de :"));
        QVERIFY(!f->Racine4->isVisible() && !f->SpinButton1->isVisible());
        QTest::keyClicks(f->Edit1, "1.4");
        QTest::mouseClick(f->BBConf, Qt::LeftButton);
        QCOMPARE(f->WinPanel1->Titre(), QString("Faux c'est :"));
        QCOMPARE(f->LRep1->text(), QString("1.414 21... = 1.41"));
        Capture(f.get(), "raci-niveau1-faux");
    }

    // K = 1: the root alone, set with the spin button; K = 0: "0" alone.
    void niveau_4_forme_a_racine_b() {
        Faux_Services services;
        Hasard_Test hasard{0, 0, 0, 0, 13, 9, 9};
        auto f = Ouvre(4);
        QVERIFY(f->Racine5->isVisible() && f->SpinButton1->isVisible());
        QVERIFY(!f->BBConf->isEnabled());
        QTest::mouseClick(f->SpinButton1->Haut(), Qt::LeftButton);
        QCOMPARE(f->Racine4->Nombre(), QString("2"));
        QVERIFY(f->BBConf->isEnabled());
        Capture(f.get(), "raci-niveau4-question");
        QTest::mouseClick(f->BBConf, Qt::LeftButton);
        QCOMPARE(f->WinPanel1->Titre(), QString("Juste"));
        QVERIFY(!f->SpinButton1->isEnabled());

        hasard.script->Ajoute({0, 0, 0, 0, 11, 11, 8});
        QTest::mouseClick(f->BBCont, Qt::LeftButton);
        QTest::keyClicks(f->Edit1, "0");
        QVERIFY(f->BBConf->isEnabled());
        QTest::mouseClick(f->BBConf, Qt::LeftButton);
        QCOMPARE(f->WinPanel1->Titre(), QString("Juste"));

        // 5√27 - 2√3 + √12 = 15√3 - 2√3 + 2√3 = 15√3.
        hasard.script->Ajoute({1, 2, 0, 1, 15, 8, 11});
        QTest::mouseClick(f->BBCont, Qt::LeftButton);
        QTest::keyClicks(f->Edit1, "14");
        QTest::mouseClick(f->SpinButton1->Haut(), Qt::LeftButton);
        QTest::mouseClick(f->SpinButton1->Haut(), Qt::LeftButton);
        QTest::mouseClick(f->BBConf, Qt::LeftButton);
        QCOMPARE(f->LRep1->text(), QString("15"));
        QCOMPARE(f->RacineRep->Nombre(), QString("3"));
        QVERIFY(f->Panel2->isVisible());
        QCOMPARE(f->L[1][0]->text() + f->L[1][2]->text(), QString("5x3+2"));
        QVERIFY2(Defauts_Verdict(*f).isEmpty(), qPrintable(Defauts_Verdict(*f).join('\n')));
        Capture(f.get(), "raci-niveau4-faux");
        QCOMPARE(Commune::Serie.Score, 40);
    }
};

QTEST_MAIN(Test_Uraci)
#include "test_Uraci.moc"
