#include <QApplication>
#include <QTest>

#include "framework/logic/Commune.hpp"
#include "support/Capture.hpp"
#include "support/Faux_Services.hpp"
#include "support/Hasard_Test.hpp"
#include "support/Ouvre_Fenetre.hpp"
#include "topics/algebra/Usari.hpp"
#include "topics/algebra/Usgeo.hpp"

class Test_Usuites : public QObject {
    Q_OBJECT

    template <class F>
    static std::unique_ptr<F> Ouvre(int niveau) { return Ouvre_Au_Niveau<F>(niveau); }
    static void Confirme(TExerciceForm& f, const QString& reponse) {
        f.Edit1->setFocus();
        QTest::keyClicks(f.Edit1, reponse);
        QTest::mouseClick(f.BBConf, Qt::LeftButton);
    }
    // One wrong and one right answer at every level, for the eye.
    template <class F>
    static void Chaque_Niveau(const QString& nom) {
        Hasard_Test hasard({}, 4242);
        auto f = Ouvre<F>(1);
        for (int niveau = 1; niveau <= 4; ++niveau) {
            f->SlideBar1->setPosition(niveau);
            Confirme(*f, "-1");
            QCOMPARE(f->Dessin(), QString("B"));
            QCOMPARE(f->IndiceRep2->isVisible(), niveau == 4);
            Capture(f.get(), QStringLiteral("%1-niveau%2-faux").arg(nom).arg(niveau));
            QTest::mouseClick(f->BBCont, Qt::LeftButton);
            Confirme(*f, QString::fromStdString(Commune::Normalise_Decimal(f->Question().attendu)));
            QCOMPARE(f->Dessin(), QString("A"));
            QVERIFY(f->LRep1->isHidden() && f->IndiceRep1->isHidden() && f->Psup->isHidden());
        }
    }

private slots:
    void init() { Commune::Serie.Remet_A_Zero(); }

    void arithmetique() {
        Faux_Services services;
        // Level 4: U1 = 5, r = 3, the sum of the first 100 terms.
        Hasard_Test hasard{1, 99, 5};
        auto f = Ouvre<TSariForm>(4);
        QCOMPARE(f->Label1->text(), QString("Dans une suite arithmétique    de raison    r = 3"));
        QCOMPARE(f->Indice2->Unite() + f->Indice2->Indice(), QString("S100"));
        QCOMPARE(f->Edit1->maxLength(), 9);
        QVERIFY(f->Indice12->isHidden());
        Confirme(*f, "15000");
        QCOMPARE(f->WinPanel1->Titre(), QString("Faux c'est :"));
        QCOMPARE(f->LRep2->text(), QString("= 100 x (5 + 302) / 2 = 15 350"));
        QVERIFY(f->IndiceRep2->isVisible());
        QCOMPARE(f->P_score->text(), QString(" Score : 0"));
        // Level 3, kind 2: the derivation in its panel, over the other lines.
        hasard.script->Ajoute({2, 3, 1, 3, 2});
        f->SlideBar1->setPosition(3);
        QVERIFY(f->Indice12->isVisible());
        Confirme(*f, "4");
        QVERIFY(f->Psup->isVisible() && f->LRep1->isHidden());
        QCOMPARE(f->L51->text(), QString("r = (32 - 12) / (6 - 2) = 5"));
        Capture(f.get(), "sari-niveau3-derivation");
        Chaque_Niveau<TSariForm>("sari");
    }

    void geometrique() {
        Faux_Services services;
        // Level 2, from U5 = 567 back to U3 = 567 : 3^2.
        Hasard_Test hasard{1, 0, 0, 0, 1, 1, 6};
        auto f = Ouvre<TSgeoForm>(2);
        QCOMPARE(f->Indice1->Indice(), QString("5"));
        QCOMPARE(f->Edit1->maxLength(), 14);
        Confirme(*f, "62");
        QCOMPARE(f->LRep1->text(), QString("= 567 : "));
        QCOMPARE(f->Unite1->Unite() + "^" + f->Unite1->Exposant(), QString("3^2"));
        QCOMPARE(f->LRep11->text(), QString("= 63"));
        QVERIFY(f->Unite1->isVisible() && f->IndiceRep2->isHidden() && f->Psup->isHidden());
        // Level 3, kind 2: q squared, then its root.
        hasard.script->Ajoute({2, 6, 0, 0, 0});
        f->SlideBar1->setPosition(3);
        Confirme(*f, "0.8");
        QVERIFY(f->Psup->isVisible());
        QCOMPARE(f->Racine1->Nombre(), QString("120 050 : 245 000"));
        QCOMPARE(f->L2->text(), QString("q = 0.7"));
        Capture(f.get(), "sgeo-niveau3-racine");
        hasard.script->Ajoute({2, 6, 0, 0, 0});
        QTest::mouseClick(f->BBCont, Qt::LeftButton);
        Confirme(*f, "0,70");
        QCOMPARE(f->WinPanel1->Titre(), QString("Juste"));
        QVERIFY(f->Unite1->isHidden() && f->LRep11->isHidden());
        QCOMPARE(f->P_score->text(), QString(" Score : 120"));
        Chaque_Niveau<TSgeoForm>("sgeo");
    }
};

QTEST_MAIN(Test_Usuites)
#include "test_Usuites.moc"
