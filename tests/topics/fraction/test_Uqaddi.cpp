#include "topics/fraction/Uqaddi.hpp"

#include "Fenetre_Fraction_Test.hpp"

class Test_Uqaddi : public QObject {
    Q_OBJECT
private slots:
    void somme_entiere_juste_puis_fausse() {
        Faux_Services services;
        Hasard_Test hasard{2, 6, 4, 2, 6, 4};  // 3/8 + 5/8, twice
        auto f = Ouvre_Fenetre<TQAddiF>();
        QCOMPARE(f->windowTitle(), QString("Addition des fractions"));
        QCOMPARE(Texte(f->Fraction1), QString("3/8"));
        QCOMPARE(Texte(f->Fraction2), QString("5/8"));
        QVERIFY(!f->Fraction3->isVisibleTo(f.get()));
        QVERIFY(!f->LS2->isVisibleTo(f.get()));
        QTest::keyClicks(f->Edit1, "-1");
        QCOMPARE(f->Edit1->text(), QString("1"));  // no sign in a sum
        f->BBConfClick();
        QCOMPARE(f->WinPanel1->Titre(), QString("Juste"));
        QCOMPARE(f->P_score->text(), QString(" Score : 25"));

        f->BBContClick();
        Repond(f.get(), "8", "8");
        QCOMPARE(f->WinPanel1->Titre(), QString("Faux"));
        const TPanneau_Somme* c = f->Correction;
        QCOMPARE(Texte(c->F1s), QString("3/8"));
        QCOMPARE(c->Lp1->text(), QString("+"));
        QCOMPARE(Texte(c->F2s), QString("5/8"));
        QVERIFY(!c->F1r->isVisibleTo(f.get()));  // same denominator: no rewriting at level 1
        QCOMPARE(Texte(c->Frep), QString("8/8"));
        QCOMPARE(Texte(c->Freps), QString("1/1"));
        QCOMPARE(c->Lpar->text(), QString("(par 8)"));
        QCOMPARE(c->Lentier->text(), QString("= 1"));
        Capture(f.get(), "qaddi-faux");
    }

    void trois_fractions_au_dernier_niveau() {
        Faux_Services services;
        // Mode 9: 1/50 + 2/100 + 3/150.
        Hasard_Test hasard{9, 0, 0, 1, 1, 2, 2};
        auto f = Ouvre_Fenetre<TQAddiF>(4);
        QCOMPARE(Texte(f->Fraction3), QString("3/150"));
        QVERIFY(f->LS2->isVisibleTo(f.get()));
        Repond(f.get(), "3", "50");
        QCOMPARE(f->WinPanel1->Titre(), QString("Juste"));
        QCOMPARE(f->P_score->text(), QString(" Score : 100"));
        f->BBContClick();
        Repond(f.get(), "99999", "1");
        QCOMPARE(f->WinPanel1->Titre(), QString("Faux"));
        QVERIFY(f->Correction->F3r->isVisibleTo(f.get()));
        Capture(f.get(), "qaddi-niveau4");
    }
};

QTEST_MAIN(Test_Uqaddi)
#include "test_Uqaddi.moc"
