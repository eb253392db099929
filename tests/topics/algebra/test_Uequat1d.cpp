#include <QApplication>
#include <QTest>

#include "framework/logic/Commune.hpp"
#include "support/Capture.hpp"
#include "support/Faux_Services.hpp"
#include "support/Hasard_Test.hpp"
#include "support/Ouvre_Fenetre.hpp"
#include "topics/algebra/Uequat1d.hpp"

class Test_Uequat1d : public QObject {
    Q_OBJECT

    static std::unique_ptr<Tequat1DF> Ouvre(int niveau) { return Ouvre_Au_Niveau<Tequat1DF>(niveau); }
    static void Confirme(Tequat1DF& f, const QString& reponse) {
        f.Edit1->setFocus();
        QTest::keyClicks(f.Edit1, reponse);
        QTest::mouseClick(f.BBConf, Qt::LeftButton);
    }

private slots:
    void init() { Commune::Serie.Remet_A_Zero(); }

    void equation_impossible_et_saisie() {
        Faux_Services services;
        // Level 2: 2x + 3 = 2x + 5.
        Hasard_Test hasard{12, 13, 12, 15};
        auto f = Ouvre(2);
        QCOMPARE(f->l_niv->text(), QString("2"));
        QVERIFY(f->Label1->text().startsWith("Résoudre, éventuellement à 0.01 près"));
        const auto& t = f->Rangee->termes;
        QCOMPARE(t[1].L_A->text() + t[1].L_x->text() + t[1].L_B->text(), QString("2x+3"));
        QVERIFY(t[0].PN->isHidden() && t[3].PN->isHidden() && f->Rangee->L_Sg->isHidden());
        // "/" only in front; "i" shows as "I".
        QTest::keyClicks(f->Edit1, "4/");
        QCOMPARE(f->Edit1->text(), QString("4"));
        f->Edit1->clear();
        QTest::keyClicks(f->Edit1, "i");
        QCOMPARE(f->Edit1->text(), QString("I"));
        f->Edit1->clear();
        Confirme(*f, "5");
        QCOMPARE(f->WinPanel1->Titre(), QString("Faux c'est :"));
        QCOMPARE(f->LRep1->text(), QString("/    (0x = 2)"));
        QCOMPARE(f->LRep2->text(), QString("(Impossible, 0 solution)"));
        Capture(f.get(), "equat1d-niveau2-impossible");
        QCOMPARE(f->P_score->text(), QString(" Score : 0"));
        hasard.script->Ajoute({13, 11, 10, 7});  // 3x + 1 = -3
        QTest::mouseClick(f->BBCont, Qt::LeftButton);
        Confirme(*f, "/");
        QCOMPARE(f->LRep1->text(), QString("3 x = -4   x = -4/3   x = -1.333 3   x = -1.33"));
        QCOMPARE(f->LRep2->text(), QString());
        hasard.script->Ajoute({12, 13, 12, 17});  // 2x + 3 = 2x + 7 (a question seen is not posed again)
        QTest::mouseClick(f->BBCont, Qt::LeftButton);
        Confirme(*f, "/");
        QCOMPARE(f->WinPanel1->Titre(), QString("Juste"));
        QCOMPARE(f->P_score->text(), QString(" Score : 20"));
    }

    // One wrong and one right answer at every level, for the eye.
    void chaque_niveau() {
        Faux_Services services;
        Hasard_Test hasard({}, 2027);
        auto f = Ouvre(1);
        for (int niveau = 1; niveau <= 4; ++niveau) {
            f->SlideBar1->setPosition(niveau);
            QCOMPARE(f->l_niv->text(), QString::number(niveau));
            const std::string attendu = f->Sujet().Attendu();
            Confirme(*f, attendu == "7" ? "8" : "7");
            QCOMPARE(f->Dessin(), QString("B"));
            QVERIFY(f->LRep1->text().endsWith(QString::fromStdString(attendu)));
            Capture(f.get(), QStringLiteral("equat1d-niveau%1-faux").arg(niveau));
            QTest::mouseClick(f->BBCont, Qt::LeftButton);
            Confirme(*f, QString::fromStdString(f->Sujet().Attendu()));
            QCOMPARE(f->Dessin(), QString("A"));
            Capture(f.get(), QStringLiteral("equat1d-niveau%1-juste").arg(niveau));
        }
    }
};

QTEST_MAIN(Test_Uequat1d)
#include "test_Uequat1d.moc"
