#include <QTest>
#include <QTimer>

#include "framework/logic/Commune.hpp"
#include "games/Umaxr.hpp"
#include "support/Capture.hpp"
#include "support/Faux_Services.hpp"
#include "support/Hasard_Test.hpp"

class Test_Umaxr : public QObject {
    Q_OBJECT

    static std::unique_ptr<TMaxRF> Ouvre(int niveau = 1) {
        auto f = std::make_unique<TMaxRF>();
        f->Pilote_Ticks(true);
        f->SlideBar1->setPosition(niveau);
        f->show();
        QApplication::setActiveWindow(f.get());
        return f;
    }

    // The buttons enabled, as "column row" pairs.
    static QStringList Actifs(const TMaxRF& f) {
        QStringList l;
        for (int c = 1; c <= 6; ++c)
            for (int r = 1; r <= 6; ++r)
                if (f.Bouton(c, r)->isEnabled()) l << QStringLiteral("%1%2").arg(c).arg(r);
        return l;
    }

    // The computer's thinking up to its take.
    static void Reflexion(TMaxRF& f) {
        for (int reste = 7; reste >= 1; --reste) {
            f.Tic();
            QCOMPARE(f.Label1->text(), QStringLiteral("A moi !  Je réfléchis  %1 . . .").arg(reste));
        }
    }

private slots:
    void init() {
        Commune::Serie.Remet_A_Zero();
        Commune::Nom = "DUPONT";
        Commune::Prenom = "Marie";
    }

    void une_partie_entiere() {
        Faux_Services services;
        services.pas_ticks = 1000;
        Hasard_Test hasard({}, 7);
        auto f = Ouvre(2);
        QCOMPARE(f->Label1->text(), QString("A Marie de commencer"));
        QCOMPARE(f->Bouton(3, 5)->objectName(), QString("BB0305"));
        QCOMPARE(f->Bouton(3, 5)->geometry(), QRect(116, 240, 40, 40));
        QCOMPARE(Actifs(*f).size(), 36);
        QCOMPARE(Commune::Serie.NbExercices, 1);
        int c = 1, r = 1;
        for (int tour = 1; !f->Partie().Partie_Finie(); ++tour) {
            QVERIFY(tour <= 36);
            const int total = f->Partie().Total_Joueur() + f->Partie().Valeur(c, r);
            QTest::mousePress(f->Bouton(c, r), Qt::LeftButton);
            QCOMPARE(f->l_joueur->text(), QString::number(total));
            if (f->Partie().Partie_Finie()) break;
            // Only the played column, taken buttons included; no second take.
            QCOMPARE(Actifs(*f), (QStringList{"%11", "%12", "%13", "%14", "%15", "%16"}.replaceInStrings("%1", QString::number(c))));
            for (int l = 1; l <= 6; ++l) QTest::mousePress(f->Bouton(c, l), Qt::LeftButton);
            QCOMPARE(f->Partie().Total_Joueur(), total);
            Reflexion(*f);
            // The computer takes the largest value of the column.
            int meilleur = 0, ligne = 0;
            for (int l = 1; l <= 6; ++l)
                if (const int v = f->Partie().Valeur(c, l); v != 0 && (ligne == 0 || v > meilleur)) meilleur = v, ligne = l;
            QTimer::singleShot(0, f.get(), [&] {
                QCOMPARE(f->Bouton(c, ligne)->font().pointSize(), 12);
                if (tour == 1) Capture(f.get(), "Umaxr_prise");
            });
            f->Tic();
            QCOMPARE(f->Partie().Ligne_Ordi(), ligne);
            QCOMPARE(f->Bouton(c, ligne)->font().pointSize(), 8);
            if (f->Partie().Partie_Finie()) break;
            QCOMPARE(f->Label1->text(), QStringLiteral("J'ai pris   %1   . A Marie...").arg(meilleur));
            // The pupil plays the first value left in the computer's row.
            r = ligne;
            c = 0;
            for (int k = 6; k >= 1; --k)
                if (f->Partie().Valeur(k, r) != 0) {
                    QVERIFY(f->Bouton(k, r)->isEnabled());
                    c = k;
                }
            QVERIFY(c != 0);
        }
        QCOMPARE(services.messages.size(), 1);
        const Maxr::Partie& p = f->Partie();
        const QString attendu = p.Total_Joueur() > p.Total_Ordi()    ? "Marie a gagné !"
                                : p.Total_Joueur() == p.Total_Ordi() ? "Match nul !"
                                                                      : "Marie a perdu !";
        QCOMPARE(services.messages[0].texte, attendu);
        QCOMPARE(services.messages[0].style, Plateforme::Style::Information);
        QCOMPARE(Commune::Serie.EssaisNiveau(2), 1);
        QVERIFY(f->BBCont->isEnabled());
        QVERIFY(f->Label1->text().isEmpty());
        Capture(f.get(), "Umaxr_fin");
        f->close();  // a finished game closes without a question
        QCOMPARE(services.messages.size(), 1);
    }

    void fermer_une_partie_en_cours() {
        Faux_Services services;
        services.pas_ticks = 1000;
        Hasard_Test hasard({}, 3);
        auto f = Ouvre();
        QTest::mousePress(f->Bouton(2, 2), Qt::LeftButton);
        f->Tic();
        services.reponses = {Plateforme::Bouton::Non};
        f->close();
        QVERIFY(f->isVisible());
        QCOMPARE(services.messages.last().texte, QString("Voulez-vous réellement abandonner"));
        QCOMPARE(services.messages.last().style, Plateforme::Style::Confirmation);
        QCOMPARE(Commune::Serie.EssaisNiveau(1), 0);
        QTest::keyClick(f.get(), Qt::Key_Escape);  // Yes: lost
        QVERIFY(!f->isVisible());
        QCOMPARE(Commune::Serie.EssaisNiveau(1), 1);
        f->Tic();
        QCOMPARE(Commune::Serie.EssaisNiveau(1), 1);

        // Closed while the computer's take is shown: nothing more happens.
        f->show();
        QCOMPARE(Commune::Serie.NbExercices, 2);
        QTest::mousePress(f->Bouton(2, 2), Qt::LeftButton);
        Reflexion(*f);
        QTimer::singleShot(0, f.get(), [&] { f->close(); });
        const int messages = services.messages.size();
        f->Tic();
        QVERIFY(!f->isVisible());
        QCOMPARE(services.messages.size(), messages + 1);  // the question only
        QCOMPARE(Commune::Serie.EssaisNiveau(1), 2);
        QVERIFY(!f->Timer1->isActive());
    }

    void le_curseur_offre_une_nouvelle_partie_hors_reflexion() {
        Faux_Services services;
        services.pas_ticks = 1000;
        Hasard_Test hasard({}, 5);
        auto f = Ouvre();
        QVERIFY(!f->BBCont->isEnabled());
        QTest::mousePress(f->Bouton(1, 1), Qt::LeftButton);
        f->SlideBar1->setPosition(3);
        QCOMPARE(f->P_niveau->text(), QString(" Niveau III"));
        QVERIFY(!f->BBCont->isEnabled());
        Reflexion(*f);
        QTimer::singleShot(0, f.get(), [&] { f->SlideBar1->setPosition(2); });
        f->Tic();
        QVERIFY(!f->BBCont->isEnabled());
        if (f->Partie().Partie_Finie()) return;
        f->SlideBar1->setPosition(3);
        QVERIFY(f->BBCont->isEnabled());
        QTest::mouseClick(f->BBCont, Qt::LeftButton);  // the unfinished game is dropped unbooked
        QCOMPARE(f->l_niv->text(), QString("3"));
        QCOMPARE(Commune::Serie.NbExercices, 2);
        QCOMPARE(Commune::Serie.EssaisNiveau(1), 0);
        QCOMPARE(Actifs(*f).size(), 36);
        QCOMPARE(f->Bouton(1, 1)->palette().color(QPalette::ButtonText), QColor(Qt::black));
        Capture(f.get(), "Umaxr_niveau3");
    }
};

QTEST_MAIN(Test_Umaxr)
#include "test_Umaxr.moc"
