#include <QApplication>
#include <QTest>

#include "framework/logic/Commune.hpp"
#include "support/Capture.hpp"
#include "support/Faux_Services.hpp"
#include "support/Hasard_Test.hpp"
#include "support/Ouvre_Fenetre.hpp"
#include "topics/algebra/Uec_sci.hpp"

class Test_Uec_sci : public QObject {
    Q_OBJECT

    static std::unique_ptr<TEc_sciF> Ouvre(int niveau) { return Ouvre_Au_Niveau<TEc_sciF>(niveau); }

private slots:
    void init() { Commune::Serie.Remet_A_Zero(); }

    void trois_formes() {
        Faux_Services services;
        // Find the exponent of 10, then complete 10^-3, then 0.0345.
        Hasard_Test hasard{1, 1};
        auto f = Ouvre(1);
        QCOMPARE(f->Label1->text(), QString("Mettre l'exposant qui convient"));
        QVERIFY(f->SpinButton1->isVisible() && f->L_A->isVisible() && !f->Edit1->isVisible());
        QCOMPARE(f->L_A->text(), QString("10"));
        QVERIFY(f->BBConf->isEnabled());  // 10 already reads 10 to the power 1
        Capture(f.get(), "ec_sci-niveau1-exposant");
        QTest::mouseClick(f->BBConf, Qt::LeftButton);
        QCOMPARE(f->WinPanel1->Titre(), QString("Juste"));
        QVERIFY(!f->SpinButton1->isEnabled());

        hasard.script->Ajoute({0, 11});
        f->SlideBar1->setPosition(3);
        QCOMPARE(f->Unite1->Unite() + "^" + f->Unite1->Exposant(), QString("10^-3"));
        QVERIFY(!f->BBConf->isEnabled());
        QTest::keyClicks(f->Edit1, ".001");
        QTest::mouseClick(f->BBConf, Qt::LeftButton);
        QCOMPARE(f->WinPanel1->Titre(), QString("Faux c'est : "));
        QCOMPARE(f->LRep1->text(), QString("0.001"));
        Capture(f.get(), "ec_sci-niveau3-faux");

        hasard.script->Ajoute({0, 14, 344});
        f->SlideBar1->setPosition(4);
        QCOMPARE(f->L_A->text(), QString("0.034 5"));
        QCOMPARE(f->Unite1->Unite(), QString("x10"));
        for (int i = 0; i < 3; ++i) QTest::mouseClick(f->SpinButton1->Bas(), Qt::LeftButton);
        QCOMPARE(f->Unite1->Exposant(), QString("-2"));
        QVERIFY(!f->BBConf->isEnabled());  // the mantissa first
        QTest::keyClicks(f->Edit2, "3,4");
        QTest::mouseClick(f->BBConf, Qt::LeftButton);
        QCOMPARE(f->LRep1->text() + " " + f->Urep2->Unite() + "^" + f->Urep2->Exposant(), QString("3.45 x10^-2"));
        Capture(f.get(), "ec_sci-niveau4-faux");
        QCOMPARE(Commune::Serie.NbJustes, 1);
    }
};

QTEST_MAIN(Test_Uec_sci)
#include "test_Uec_sci.moc"
