#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTest>

#include "framework/logic/Commune.hpp"
#include "support/Faux_Services.hpp"
#include "support/Hasard_Test.hpp"
#include "topics/natural/Undiv.hpp"

class Test_Undiv : public QObject {
    Q_OBJECT

    // Opens the window; at level 1 the draws give b - 2, then a - 50.
    static std::unique_ptr<TNDivF> Ouvre() {
        auto f = std::make_unique<TNDivF>();
        f->show();
        QApplication::setActiveWindow(f.get());
        return f;
    }
    // A key that types one character, as a French keyboard sends it.
    static void Touche(QWidget* w, const QString& texte, Qt::Key cle = Qt::Key_unknown) {
        QKeyEvent e(QEvent::KeyPress, cle, Qt::NoModifier, texte);
        QApplication::sendEvent(w, &e);
    }

private slots:
    void init() {
        Commune::Serie.Remet_A_Zero();
        Commune::Nom = "DUPONT";
        Commune::Prenom = "Marie";
    }

    void reponse_fausse_puis_juste() {
        Faux_Services services;
        Hasard_Test hasard{5, 799, 5, 795};  // 849 : 7, then 845 : 7
        Commune::Serie.Score = 30;
        auto f = Ouvre();
        QCOMPARE(f->windowTitle(), QString("Division des nombres entiers"));
        QCOMPARE(f->Label1->text(), QString("Calculer le QUOTIENT à 1 près par défaut et le RESTE"));
        QCOMPARE(f->L_A->text(), QString("849"));
        QCOMPARE(f->L_B->text(), QString("7"));
        QVERIFY(f->Edit1->hasFocus());
        // A right quotient with a wrong remainder is wrong.
        QTest::keyClicks(f->Edit1, "121");
        QVERIFY(!f->BBConf->isEnabled());
        QTest::keyClicks(f->Edit2, "x1");
        QCOMPARE(services.bips, 1);
        QVERIFY(f->BBConf->isEnabled());
        QTest::keyClick(f->Edit2, Qt::Key_Return);
        QCOMPARE(f->WinPanel1->Titre(), QString("Faux"));
        QCOMPARE(Commune::Serie.Score, 10);  // 20 points at level 1
        QCOMPARE(f->LRep1->text(), QString("C'est :"));
        QCOMPARE(f->Lrep_a->text(), QString("849"));
        QCOMPARE(f->Lrep_b->text(), QString("7"));
        QCOMPARE(f->L_q->text(), QString("121"));
        QStringList lignes;
        for (QLabel* l : f->L) lignes << l->text();
        QCOMPARE(lignes, QStringList({"14", " 09", "  2", "", ""}));
        QVERIFY(f->Figure3->isVisible() && f->Figure4->isVisible());
        QVERIFY(!f->Memo1->isEnabled() && !f->Edit2->isEnabled() && !f->E[0]->isEnabled());

        QTest::mouseClick(f->BBCont, Qt::LeftButton);
        QCOMPARE(f->L_A->text(), QString("845"));
        QCOMPARE(f->Lrep_a->text(), QString());
        QTest::keyClicks(f->Edit1, "120");
        QTest::keyClicks(f->Edit2, "5");
        f->BBConfClick();
        QCOMPARE(f->WinPanel1->Titre(), QString("Juste"));
        QCOMPARE(Commune::Serie.Score, 30);
        QVERIFY(f->Figure3->isHidden() && f->Figure4->isHidden());
    }

    void la_zone_de_calculs_filtre_chaque_ligne() {
        Faux_Services services;
        Hasard_Test hasard{5, 799};  // 849 : 7, three digits a line
        auto f = Ouvre();
        TZone_Calculs* m = f->Memo1;
        m->setFocus();
        Touche(m, "a");
        Touche(m, QString::fromUtf8("é"));
        Touche(m, "(");
        Touche(m, "+");
        Touche(m, " ");
        Touche(m, "*");
        Touche(m, "8");
        Touche(m, "4");  // the line is full: three characters besides the space
        QCOMPARE(m->toPlainText(), QString("+ *8"));
        Touche(m, "\r", Qt::Key_Return);
        Touche(m, "5");
        QTest::keyClick(m, Qt::Key_Backspace);
        Touche(m, "\r", Qt::Key_Return);
        QCOMPARE(m->toPlainText(), QString("+ *8\n\n"));
        // A paste goes through the same rule, line by line.
        QApplication::clipboard()->setText("1a2\n345");
        QTest::keySequence(m, QKeySequence::Paste);
        QCOMPARE(m->toPlainText(), QString("+ *8\n\n12\n345"));
        QCOMPARE(services.bips, 0);  // refused keys are silent here
        // The right button answers with a message on every entry.
        for (QWidget* w : {static_cast<QWidget*>(m->viewport()), static_cast<QWidget*>(f->Edit1), static_cast<QWidget*>(f->Edit2)})
            QTest::mouseClick(w, Qt::RightButton);
        QCOMPARE(services.messages.size(), 3);
        QCOMPARE(services.messages[2].texte, QString("Utilisez le bouton gauche !"));
        // The next question empties it.
        f->Edit1->setText("1");
        f->Edit2->setText("1");
        f->BBConfClick();
        f->BBContClick();
        QCOMPARE(m->toPlainText(), QString());
        QVERIFY(m->isEnabled());
    }
};

QTEST_MAIN(Test_Undiv)
#include "test_Undiv.moc"
