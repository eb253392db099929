#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "framework/logic/Commune.hpp"
#include "support/Capture.hpp"
#include "support/Faux_Services.hpp"
#include "support/Hasard_Test.hpp"
#include "topics/natural/Unaddi.hpp"

class Test_Unaddi : public QObject {
    Q_OBJECT

    static std::unique_ptr<TNAddiF> Ouvre(int niveau = 1) {
        auto f = std::make_unique<TNAddiF>();
        f->SlideBar1->setPosition(niveau);
        f->show();
        QApplication::setActiveWindow(f.get());
        return f;
    }

private slots:
    void init() { Commune::Serie.Remet_A_Zero(); }

    void le_resultat_s_ecrit_de_droite_a_gauche() {
        Faux_Services services;
        Hasard_Test hasard{36, 74};  // 47 + 85
        auto f = Ouvre();
        QCOMPARE(f->L_B->text(), QString("85"));
        QVERIFY(f->L_C->isHidden() && f->Eret[1]->isVisible() && f->Eret[2]->isHidden());
        QCOMPARE(QApplication::focusWidget(), f->Memo1);
        QTest::keyClicks(f->Memo1, "123");
        QCOMPARE(f->Memo1->text(), QString("321"));
        QTest::keyClicks(f->Memo1, "456x7");  // a letter, then a seventh digit: dropped silently
        QCOMPARE(f->Memo1->text(), QString("654321"));
        QCOMPARE(services.bips, 0);
        QTest::keyClick(f->Eret[0], Qt::Key_A);
        QCOMPARE(services.bips, 1);  // a carry cell beeps
        // A paste goes in as written, digits only.
        f->Memo1->setText(QString());
        QApplication::clipboard()->setText(QStringLiteral("1a32"));
        QTest::keyClick(f->Memo1, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f->Memo1->text(), QString("132"));

        // Wrong carries, a right result: right, and the carries are closed.
        QTest::keyClicks(f->Eret[0], "7");
        f->BBConf->click();
        QCOMPARE(f->WinPanel1->Titre(), QString("Juste"));
        Capture(f.get(), "addition-niveau1-juste");
        QCOMPARE(Commune::Serie.Score, 5);
        QVERIFY(!f->Eret[0]->isEnabled());
        f->BBCont->click();
        QVERIFY(f->Eret[0]->isEnabled() && f->Eret[0]->text().isEmpty());
    }

    void la_correction_groupe_les_chiffres() {
        Faux_Services services;
        Hasard_Test hasard{9899, 9899, 9899, 9899};  // 10000 four times
        auto f = Ouvre(3);
        QVERIFY(f->L_D->isVisible() && f->Eret[3]->isVisible());
        QVERIFY(f->Eret[0]->y() < f->L_D->y());  // the carries above the top operand
        QTest::mouseClick(f->Memo1, Qt::RightButton);
        QTest::mouseClick(f->Eret[0], Qt::RightButton);
        QCOMPARE(services.messages.size(), 2);
        QCOMPARE(services.messages[0].texte, QString("Utilisez le bouton gauche !"));
        QTest::keyClicks(f->Memo1, "000040");  // 40000 with a leading zero: "040000"
        f->BBConf->click();
        QCOMPARE(f->WinPanel1->Titre(), QString("Faux"));
        QCOMPARE(f->LRep2->text(), QString("40 000"));
        Capture(f.get(), "addition-niveau3-faux");
        QCOMPARE(Commune::Serie.Score, 0);
        QCOMPARE(Commune::Serie.EssaisNiveau(3), 1);
    }
};

QTEST_MAIN(Test_Unaddi)
#include "test_Unaddi.moc"
