#include <QApplication>
#include <QTest>

#include "framework/logic/Commune.hpp"
#include "support/Capture.hpp"
#include "support/Faux_Services.hpp"
#include "support/Hasard_Test.hpp"
#include "support/Ouvre_Fenetre.hpp"
#include "topics/algebra/Uequat1D0.hpp"

class Test_Uequat1D0 : public QObject {
    Q_OBJECT

    static std::unique_ptr<Tequat1D0F> Ouvre(int niveau) { return Ouvre_Au_Niveau<Tequat1D0F>(niveau); }
    static void Confirme(Tequat1D0F& f, const QString& reponse) {
        f.Edit1->setFocus();
        QTest::keyClicks(f.Edit1, reponse);
        QTest::mouseClick(f.BBConf, Qt::LeftButton);
    }
    static QString Ligne(const Tequat1D0F& f, int i) {
        return f.LRepg[i]->text() + " " + f.LEgal[i]->text() + " " + f.LRepd[i]->text();
    }

private slots:
    void init() { Commune::Serie.Remet_A_Zero(); }

    void solution_apres_une_reponse_fausse() {
        Faux_Services services;
        // Level 1, generator 2: 2 x = 0.25.
        Hasard_Test hasard{2, 7, 1};
        auto f = Ouvre(1);
        QCOMPARE(f->Label1->text(), QString("Résoudre (éventuellement à 0.01 près, avec 4.125 ---> 4.13)"));
        QCOMPARE(f->L_a->text() + " " + f->L_xg->text() + " = " + f->L_c->text(), QString("2 x = 0.25"));
        QCOMPARE(f->P1g->x(), 184);
        QVERIFY(f->P2g->isHidden() && f->L_Sg->isHidden() && f->L_xd->isHidden());
        // Neither "/" nor "I"; "," goes in as ".".
        QTest::keyClicks(f->Edit1, "/I0,1");
        QCOMPARE(f->Edit1->text(), QString("0.1"));
        QCOMPARE(services.bips, 2);
        f->Edit1->clear();
        Confirme(*f, "0.125");
        QCOMPARE(f->WinPanel1->Titre(), QString("Faux c'est :"));
        QCOMPARE(Ligne(*f, 0), QString("2 x = 0.25"));
        QCOMPARE(Ligne(*f, 2), QString("x = 0.125"));
        QCOMPARE(Ligne(*f, 3), QString("x ≈ 0.13"));
        for (int i = 0; i < 4; ++i) QVERIFY(f->LEgal[i]->isVisible());
        QVERIFY(f->LEgal[4]->isHidden() && f->LRepd[4]->isHidden());
        Capture(f.get(), "equat1d0-niveau1-faux");
        hasard.script->Ajoute({2, 7, 3});  // 2 x = 0.75
        QTest::mouseClick(f->BBCont, Qt::LeftButton);
        QVERIFY(f->LEgal[0]->isHidden());
        Confirme(*f, "0,38");
        QCOMPARE(f->WinPanel1->Titre(), QString("Juste"));
        QCOMPARE(f->WinPanel1->Caption(), QString("bravo"));
        QVERIFY(f->LRepg[0]->isHidden() && f->LEgal[0]->isHidden());
    }

    // One wrong and one right answer at every level, for the eye.
    void chaque_niveau() {
        Faux_Services services;
        Hasard_Test hasard({}, 2027);
        auto f = Ouvre(1);
        for (int niveau = 1; niveau <= 4; ++niveau) {
            f->SlideBar1->setPosition(niveau);
            QCOMPARE(f->P1g->x(), niveau == 1 ? 184 : 70);
            QCOMPARE(f->L_d->isVisible(), niveau == 4);
            Confirme(*f, "1234");
            QCOMPARE(f->Dessin(), QString("B"));
            Capture(f.get(), QStringLiteral("equat1d0-niveau%1-faux").arg(niveau));
            QTest::mouseClick(f->BBCont, Qt::LeftButton);
            Confirme(*f, QString::fromStdString(f->Sujet().Attendu()));
            QCOMPARE(f->Dessin(), QString("A"));
            Capture(f.get(), QStringLiteral("equat1d0-niveau%1-juste").arg(niveau));
        }
    }
};

QTEST_MAIN(Test_Uequat1D0)
#include "test_Uequat1D0.moc"
