#include <QApplication>
#include <QTest>

#include "framework/logic/Commune.hpp"
#include "support/Faux_Services.hpp"
#include "support/Hasard_Test.hpp"
#include "topics/natural/Unmult.hpp"

class Test_Unmult : public QObject {
    Q_OBJECT

    // Opens the window at a level; the draws give m and d (m - 100 and
    // d - 2 at level 1, m - 11 and d - 11 at level 2, m - 101 and d - 101 at level 3).
    static std::unique_ptr<TNMultF> Ouvre(int niveau = 1) {
        auto f = std::make_unique<TNMultF>();
        f->SlideBar1->setPosition(niveau);
        f->show();
        QApplication::setActiveWindow(f.get());
        return f;
    }
    static QStringList Lignes(const TNMultF& f) {
        QStringList l;
        for (QLabel* x : f.L) l << x->text();
        return l;
    }

private slots:
    void init() {
        Commune::Serie.Remet_A_Zero();
        Commune::Nom = "DUPONT";
        Commune::Prenom = "Marie";
    }

    void niveau_1_un_produit_tape_de_droite_a_gauche() {
        Faux_Services services;
        Hasard_Test hasard{23, 5};  // 123 x 7
        auto f = Ouvre();
        QCOMPARE(f->windowTitle(), QString("Multiplication des nombres entiers"));
        QCOMPARE(f->L_B->text(), QString("123"));
        QCOMPARE(f->L_A->text(), QString("7"));
        QVERIFY(f->Memo2->isHidden() && f->Memo3->isHidden() && f->Memo4->isHidden() && f->Figure2->isHidden());
        QVERIFY(f->Memo1->hasFocus());
        // Directly under the first rule.
        QVERIFY(f->Memo1->y() > f->Figure1->geometry().bottom() && f->Memo1->y() < f->Figure1->geometry().bottom() + 10);
        QTest::keyClicks(f->Memo1, "1x68");
        QCOMPARE(f->Memo1->text(), QString("861"));
        QCOMPARE(services.bips, 0);  // a letter is dropped silently in a result cell
        QTest::keyClicks(f->E[0], "4a");
        QCOMPARE(f->E[0]->text(), QString("4"));
        QCOMPARE(services.bips, 1);  // and beeps in a scratch cell
        QTest::keyClick(f->Memo1, Qt::Key_Return);  // Enter skips the scratch cells and confirms
        QCOMPARE(f->WinPanel1->Titre(), QString("Juste"));
        QCOMPARE(Commune::Serie.Score, 10);
        for (QWidget* w : {static_cast<QWidget*>(f->Memo1), static_cast<QWidget*>(f->E[0]), static_cast<QWidget*>(f->E[15])})
            QVERIFY(!w->isEnabled());
        QTest::mouseClick(f->BBCont, Qt::LeftButton);
        QCOMPARE(f->E[0]->text(), QString());
        QVERIFY(f->E[0]->isEnabled());
    }

    void niveau_2_un_chiffre_nul_donne_00() {
        Faux_Services services;
        Hasard_Test hasard{36, 19, 36, 19};  // 47 x 30, twice
        auto f = Ouvre(2);
        QVERIFY(f->Memo2->hasFocus());
        QVERIFY(f->Memo2->isVisible() && f->Memo3->isVisible() && f->Memo4->isHidden());
        // Ranks in columns: each partial product ends one digit further left.
        const int colonne = QFontMetrics(f->Memo2->font()).horizontalAdvance(QLatin1Char('0'));
        QCOMPARE(f->Memo2->geometry().right() - f->Memo3->geometry().right(), colonne);
        QCOMPARE(f->Memo1->geometry().right(), f->Memo2->geometry().right());
        QVERIFY(f->Memo1->y() > f->Figure2->y() && f->Figure2->y() >= f->Memo3->geometry().bottom());
        // A plain "0" for the units is wrong, even with the right product.
        QTest::keyClicks(f->Memo2, "0");
        QTest::keyClicks(f->Memo3, "141");
        QVERIFY(!f->BBConf->isEnabled());  // every cell of the level
        QTest::keyClicks(f->Memo1, "0141");
        QCOMPARE(f->Memo1->text(), QString("1410"));
        f->BBConfClick();
        QCOMPARE(f->WinPanel1->Titre(), QString("Faux"));
        QCOMPARE(f->LRep1->text(), QString("C'est :"));
        QCOMPARE(Lignes(*f), QStringList({"47", "x   30", "------", "00", "141 ", "------", "1410", ""}));
        f->BBContClick();
        QCOMPARE(Lignes(*f), QStringList({"", "", "", "", "", "", "", ""}));
        QTest::keyClicks(f->Memo2, "00");
        QTest::keyClicks(f->Memo3, "141");
        QTest::keyClicks(f->Memo1, "0141");
        f->BBConfClick();
        QCOMPARE(f->WinPanel1->Titre(), QString("Juste"));
    }

    void niveau_3_huit_chiffres_au_plus_et_clic_droit() {
        Faux_Services services;
        Hasard_Test hasard{104, 3};  // 205 x 104
        auto f = Ouvre(3);
        QVERIFY(f->Memo4->isVisible());
        QTest::keyClicks(f->Memo2, "123456789");
        QCOMPARE(f->Memo2->text(), QString("87654321"));  // a ninth digit is dropped
        QCOMPARE(services.bips, 0);
        QTest::mouseClick(f->Memo4, Qt::RightButton);
        QCOMPARE(services.messages.size(), 1);
        QCOMPARE(services.messages[0].texte, QString("Utilisez le bouton gauche !"));
        f->Memo2->setText("820");
        f->Memo3->setText("0");
        f->Memo4->setText("205");
        f->Memo1->setText("21320");
        f->BBConfClick();
        QCOMPARE(f->WinPanel1->Titre(), QString("Faux"));
        QCOMPARE(Lignes(*f), QStringList({"205", "x   104", "------", "820", "000 ", "205  ", "------", "21320"}));
    }
};

QTEST_MAIN(Test_Unmult)
#include "test_Unmult.moc"
