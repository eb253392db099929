#include "topics/fraction/Uqpuiss.hpp"

#include "Fenetre_Fraction_Test.hpp"

class Test_Uqpuiss : public QObject {
    Q_OBJECT
private slots:
    void puissance_juste_puis_non_reduite() {
        Faux_Services services;
        Hasard_Test hasard{0, 1, 1, 0, 0, 1, 1, 2, 0};  // (2/3)^2, then (6/4)^2 at level 2
        auto f = Ouvre_Fenetre<TQPuissF>();
        QCOMPARE(f->windowTitle(), QString("Puissance des fractions"));
        QCOMPARE(Texte(f->Fraction1), QString("2/3"));
        QCOMPARE(f->Lexp->text(), QString("2"));
        QVERIFY(f->Lpar1->isVisibleTo(f.get()));
        Repond(f.get(), "4", "9");
        QCOMPARE(f->WinPanel1->Titre(), QString("Juste"));
        QCOMPARE(f->P_score->text(), QString(" Score : 20"));

        f->SlideBar1->setPosition(2);  // after a verdict: a new question at level 2
        QCOMPARE(Texte(f->Fraction1), QString("6/4"));
        Repond(f.get(), "36", "16");
        QCOMPARE(f->WinPanel1->Titre(), QString("Faux"));
        QCOMPARE(f->LRep1->text(), QString("C'est"));
        QCOMPARE(f->Un->Unite(), QString("3"));
        QCOMPARE(f->Un->Exposant(), QString("2"));
        QCOMPARE(f->Ud->Unite(), QString("2"));
        QCOMPARE(Texte(f->Fraction3), QString("9/4"));
        Capture(f.get(), "qpuiss-faux");
    }

    void numerateur_seul_eleve() {
        Faux_Services services;
        Hasard_Test hasard{8, 1, 2, 8};  // 12 to the power 3 over 18
        auto f = Ouvre_Fenetre<TQPuissF>(4);
        QVERIFY(!f->Lpar1->isVisibleTo(f.get()));
        QCOMPARE(Texte(f->Fraction1), QString("12/18"));
        QCOMPARE(f->Lexp->text(), QString("3"));
        QTest::keyClicks(f->Edit1, "1234567890123");
        QCOMPARE(f->Edit1->text().size(), 10);
        Repond(f.get(), "1728", "18");
        QCOMPARE(f->WinPanel1->Titre(), QString("Faux"));
        QCOMPARE(f->Un->Unite(), QString("12x12x12"));
        QCOMPARE(f->Ud->Unite(), QString("18"));
        QCOMPARE(f->LRep3->text(), QString("96"));
        QVERIFY(!f->Fraction3->isVisibleTo(f.get()));
        Capture(f.get(), "qpuiss-numerateur");
        f->BBContClick();
    }
};

QTEST_MAIN(Test_Uqpuiss)
#include "test_Uqpuiss.moc"
