#include <QApplication>
#include <QTest>

#include "framework/logic/Commune.hpp"
#include "support/Capture.hpp"
#include "support/Faux_Services.hpp"
#include "support/Hasard_Test.hpp"
#include "support/Ouvre_Fenetre.hpp"
#include "topics/algebra/Uequat2d.hpp"

class Test_Uequat2d : public QObject {
    Q_OBJECT

    static std::unique_ptr<TEquat2dF> Ouvre(int niveau) { return Ouvre_Au_Niveau<TEquat2dF>(niveau); }
    static void Confirme(TEquat2dF& f, const QString& x1, const QString& x2) {
        QTest::keyClicks(f.Edit1, x1);
        QTest::keyClicks(f.Edit2, x2);
        QTest::mouseClick(f.BBConf, Qt::LeftButton);
    }

private slots:
    void init() { Commune::Serie.Remet_A_Zero(); }

    void sans_racine_et_refus() {
        Faux_Services services;
        // Level 3: -3x² + 4x - 2 = 0.
        Hasard_Test hasard{0, 14, 15};
        auto f = Ouvre(3);
        QCOMPARE(f->Unite1->Unite() + f->L_Bg->text() + f->L_Cg->text() + f->L_S1->text() + f->L_Cd->text(),
                 QString("-3x+4x-2=0"));
        QVERIFY(f->L_Bd->isHidden() && f->Unite2->isHidden());
        Confirme(*f, "/", "2");
        QCOMPARE(services.messages.size(), 1);
        QCOMPARE(services.messages[0].texte, QString("Taper    /    POUR  x1  ET  POUR  x2"));
        QVERIFY(f->Edit1->text().isEmpty() && f->Edit2->text().isEmpty());
        QCOMPARE(Commune::Serie.NbExercices, 0);
        Confirme(*f, "1", "2");
        QCOMPARE(f->WinPanel1->Titre(), QString("Faux"));
        QCOMPARE(f->Ldelta->text(), QString("= 4²  -4 x (-3) x (-2) = -8"));
        QCOMPARE(f->LRacDelta->text(), QString("= /"));
        QVERIFY(f->Racine1->isVisible() && f->Labc->isVisible() && f->LRep1->isHidden());
        QVERIFY(f->Fraction1->isHidden() && f->Fraction2->isHidden());
        QCOMPARE(f->Lx1->text(), QString(" /"));
        Capture(f.get(), "equat2d-niveau3-sans-racine");
        hasard.script->Ajoute({0, 13, 15});  // -3x² + 3x - 2 = 0
        QTest::mouseClick(f->BBCont, Qt::LeftButton);
        Confirme(*f, "/", "/");
        QCOMPARE(f->WinPanel1->Titre(), QString("Juste"));
        QCOMPARE(f->P_score->text(), QString(" Score : 150"));
        QVERIFY(f->Ldelta->isHidden() && f->Racine1->isHidden() && f->Lx1->isHidden() && f->LRep0->isHidden());
    }

    void solutions_detaillees() {
        Faux_Services services;
        // Level 1, a difference of squares: 4x² - 9 = 0.
        Hasard_Test hasard{0, 54, 50, 50, 41, 50};
        auto f = Ouvre(1);
        Confirme(*f, "1.5", "1.5");
        QCOMPARE(f->LRep0->text(), QString("4 x² - 9 = 0     soit    (2 x + 3)(2 x - 3) = 0"));
        QCOMPARE(f->LRep1->text(), QString("équation se ramenant au 1 er degré"));
        QCOMPARE(f->Fraction1->Numer() + "/" + f->Fraction1->Deno(), QString("-3/2"));
        QVERIFY(f->Fraction1->isVisible() && f->Fraction2->isVisible() && f->Racine1->isHidden());
        QCOMPARE(f->Lx1->text(), QString("= -1.5"));
        QCOMPARE(f->Lx1->x(), 70);
        QCOMPARE(f->Lx2->x(), 334);
        Capture(f.get(), "equat2d-niveau1-carres");

        // Level 4: x² + x - 1 = 0; the roots in either order.
        hasard.script->Ajoute({4, 15, 16, 15, 14, 3});
        f->SlideBar1->setPosition(4);
        Confirme(*f, "0.6", "-1.6");
        QCOMPARE(f->Lx2->text(), QString("= 0.618 = 0.62"));
        QCOMPARE(f->Lx2->x(), 425);
        QCOMPARE(f->Fraction2->Numer(), QString("-1 + 2.236 07"));
        QVERIFY(f->Racine1->isVisible() && f->LRep1->isHidden());
        Capture(f.get(), "equat2d-niveau4-faux");
    }

    void racines_dans_les_deux_ordres() {
        Faux_Services services;
        // Level 2: r1 = 3, r2 = -2, ag = 1: x² - x - 6 = 0.
        Hasard_Test hasard{13, 8, 11};
        auto f = Ouvre(2);
        QCOMPARE(f->Label1->text(), QString("Résoudre"));
        Confirme(*f, "-2", "+3");
        QCOMPARE(f->WinPanel1->Titre(), QString("Juste"));
    }

    // One wrong and one right answer at every level, for the eye.
    void chaque_niveau() {
        Faux_Services services;
        Hasard_Test hasard({}, 2027);
        auto f = Ouvre(1);
        for (int niveau = 1; niveau <= 4; ++niveau) {
            f->SlideBar1->setPosition(niveau);
            Confirme(*f, "99", "99");
            QCOMPARE(f->Dessin(), QString("B"));
            Capture(f.get(), QStringLiteral("equat2d-niveau%1-faux").arg(niveau));
            QTest::mouseClick(f->BBCont, Qt::LeftButton);
            Confirme(*f, QString::fromStdString(f->Sujet().Attendu1()), QString::fromStdString(f->Sujet().Attendu2()));
            QCOMPARE(f->Dessin(), QString("A"));
            Capture(f.get(), QStringLiteral("equat2d-niveau%1-juste").arg(niveau));
        }
    }
};

QTEST_MAIN(Test_Uequat2d)
#include "test_Uequat2d.moc"
