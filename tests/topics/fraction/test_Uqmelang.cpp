#include "topics/fraction/Uqmelang.hpp"

#include "Fenetre_Fraction_Test.hpp"

class Test_Uqmelang : public QObject {
    Q_OBJECT
private slots:
    void somme_juste_et_nombre_entier_dans_la_question() {
        Faux_Services services;
        Hasard_Test hasard{0, 0, 1, 0, 2, 0, 2, 0, 0, 1};  // 1/2 + 1/3, then 3/1 + 1/2
        auto f = Ouvre_Fenetre<TQMelangF>();
        QCOMPARE(f->windowTitle(), QString("Opérations variées sur les fractions"));
        QCOMPARE(f->LS1->text(), QString("+"));
        QVERIFY(!f->Fraction3->isVisibleTo(f.get()));
        Repond(f.get(), "5", "6");
        QCOMPARE(f->WinPanel1->Titre(), QString("Juste"));
        f->BBContClick();
        QVERIFY(f->Fraction1->Entier());  // 3/1 shows as 3
        QCOMPARE(f->Fraction1->Numer(), QString("3"));
        Repond(f.get(), "7", "2");
        QCOMPARE(f->WinPanel1->Titre(), QString("Juste"));
    }

    void priorite_de_la_multiplication() {
        Faux_Services services;
        Hasard_Test hasard{2, 0, 1, 0, 2, 2, 3};  // 1/2 - 1/3 x 3/4
        auto f = Ouvre_Fenetre<TQMelangF>(3);
        QCOMPARE(f->LS1->text(), QString("-"));
        QCOMPARE(f->LS2->text(), QString("x"));
        QVERIFY(f->Fraction3->isVisibleTo(f.get()));
        Repond(f.get(), "1", "8");
        QCOMPARE(f->WinPanel1->Titre(), QString("Faux"));
        const TPanneau_Somme* c = f->Correction;
        QCOMPARE(Texte(c->F1s), QString("1/2"));
        QCOMPARE(Texte(c->F2s), QString("1 x 3/3 x 4"));
        QCOMPARE(Texte(c->F2r), QString("1/4"));
        QCOMPARE(c->Lp3->text(), QString("-"));
        QCOMPARE(Texte(c->Frep), QString("1/4"));
        Capture(f.get(), "qmelang-faux");
    }
};

QTEST_MAIN(Test_Uqmelang)
#include "test_Uqmelang.moc"
