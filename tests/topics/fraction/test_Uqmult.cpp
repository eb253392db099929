#include "topics/fraction/Uqmult.hpp"

#include "Fenetre_Fraction_Test.hpp"

class Test_Uqmult : public QObject {
    Q_OBJECT
private slots:
    void produit_juste_puis_annulations() {
        Faux_Services services;
        Hasard_Test hasard{3, 7, 2, 6, 3, 7, 2, 6};  // 4/9 x 3/8, twice
        auto f = Ouvre_Fenetre<TQMultF>(2);
        QCOMPARE(f->windowTitle(), QString("Multiplication des fractions"));
        QCOMPARE(f->Label1->text(), QString("Calculer et simplifier (réponse irréductible)"));
        QCOMPARE(f->LS1->text(), QString("x"));
        QCOMPARE(Texte(f->Fraction1), QString("4/9"));
        Repond(f.get(), "1", "6");
        QCOMPARE(f->WinPanel1->Titre(), QString("Juste"));
        QCOMPARE(f->P_score->text(), QString(" Score : 50"));

        f->BBContClick();
        Repond(f.get(), "12", "72");
        QCOMPARE(f->WinPanel1->Titre(), QString("Faux"));
        const TPanneau_Annulations* c = f->Correction;
        QCOMPARE(Texte(c->F[0]), QString("4x3/9x8"));
        QCOMPARE(c->L[0]->text(), QString("(4,8)/4"));
        QCOMPARE(Texte(c->F[1]), QString("1x3/9x2"));
        QCOMPARE(c->L[1]->text(), QString("(3,9)/3"));
        QCOMPARE(Texte(c->F[2]), QString("1x1/3x2"));
        QVERIFY(!c->F[3]->isVisibleTo(f.get()));
        QVERIFY(!c->L[2]->isVisibleTo(f.get()));
        QCOMPARE(Texte(c->Freps), QString("1/6"));
        QVERIFY(!c->Lentier->isVisibleTo(f.get()));
        Capture(f.get(), "qmult-faux");
    }

    void boites_aqua_en_sortant() {
        Faux_Services services;
        Hasard_Test hasard;
        auto f = Ouvre_Fenetre<TQMultF>();
        f->Edit2->setFocus();
        QApplication::processEvents();
        QCOMPARE(f->Edit1->palette().color(QPalette::Base), QColor(0, 255, 255));
        QCOMPARE(f->Edit2->palette().color(QPalette::Base), QColor(255, 255, 128));
    }
};

QTEST_MAIN(Test_Uqmult)
#include "test_Uqmult.moc"
