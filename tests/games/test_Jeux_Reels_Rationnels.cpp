// The memory game and the fraction minefield played through their windows.
#include <QApplication>
#include <QTest>

#include "framework/logic/Commune.hpp"
#include "games/UDemine.hpp"
#include "games/UMemory.hpp"
#include "support/Capture.hpp"
#include "support/Faux_Services.hpp"
#include "support/Hasard_Test.hpp"

namespace {

template <class F>
std::unique_ptr<F> Ouvre(int niveau) {
    Commune::Serie.Remet_A_Zero();
    Commune::Nom = "DUPONT";
    Commune::Prenom = "Marie";
    auto f = std::make_unique<F>();
    f->SlideBar1->setPosition(niveau);
    f->show();
    QApplication::setActiveWindow(f.get());
    return f;
}

int Jumelle(const Memoire::Partie& p, int n) {
    for (int k = 1; k <= p.Nb_Cartes(); ++k)
        if (k != n && p.Paire(k) == p.Paire(n)) return k;
    return 0;
}

// The cells of the field's path, bottom first.
std::vector<std::pair<int, int>> Chemin(const TDemineForm& f) { return Demineur::Cellules(f.Champ().Chemin()); }

}  // namespace

class Test_Jeux_Reels_Rationnels : public QObject {
    Q_OBJECT
private slots:
    void memoire_gagnee_puis_abandonnee() {
        Faux_Services services;
        services.pas_ticks = 100;
        Hasard_Test hasard({}, 4);
        auto f = Ouvre<TMemoryForm>(4);
        QCOMPARE(f->windowTitle(), QString("La mémoire réelle"));
        const auto cartes = f->Cartes();
        QCOMPARE(int(cartes.size()), 40);
        QCOMPARE(cartes[0]->objectName(), QString("IM01"));
        QCOMPARE(cartes[0]->geometry(), QRect(41, 30, 60, 60));
        QCOMPARE(cartes[39]->geometry().bottom() + 1, 370);
        QCOMPARE(Commune::Serie.NbExercices, 1);
        Capture(f.get(), "memoire-dos");

        // A mismatch through the mouse: both faces for a second, then backs.
        const Memoire::Partie& p = f->Partie();
        const int autre = p.Paire(2) == p.Paire(1) ? 3 : 2;
        QTest::mouseClick(cartes[0], Qt::LeftButton);
        QTest::mouseClick(cartes[autre - 1], Qt::LeftButton);
        QApplication::processEvents();
        QCOMPARE(f->lblEssais->text(), QString("Essai n° : 1"));
        QCOMPARE(p.Image(1), 0);
        for (int k = 1; k <= p.Nb_Cartes(); ++k)
            if (!p.Trouvee(k)) {
                f->ImClick(k);
                f->ImClick(Jumelle(p, k));
            }
        QCOMPARE(p.Essais(), 21);  // against 90: excellent
        QCOMPARE(services.messages.size(), 1);
        QCOMPARE(services.messages[0].texte, QString("Bravo c'est excellent !"));
        QCOMPARE(Commune::Serie.Score, 120);
        QVERIFY(f->BBCont->isEnabled() && !f->BBAbandon->isEnabled());
        Capture(f.get(), "memoire-gagnee");

        f->SlideBar1->setPosition(1);  // only the panel changes
        QCOMPARE(f->Cartes().size(), 40u);
        f->BBContClick();
        QCOMPARE(f->Cartes().size(), 20u);
        f->ImClick(1);
        services.reponses = {Plateforme::Bouton::Oui};
        f->close();  // an unfinished game asks, shows the faces and books the loss
        QVERIFY(!f->isVisible());
        QCOMPARE(services.messages.last().texte, QString("Voulez-vous réellement abandonner et obtenir la solution"));
        for (int k = 1; k <= 20; ++k) QCOMPARE(f->Partie().Image(k), f->Partie().Face(k));
        QCOMPARE(Commune::Serie.Score, 105);
        QCOMPARE(Commune::Serie.NbExercices, 2);
        QCOMPARE(Commune::Serie.EssaisNiveau(1), 1);
    }

    void demineur_gagne_perdu_abandonne() {
        Faux_Services services;
        services.pas_ticks = 100;
        Hasard_Test hasard({}, 9);
        auto f = Ouvre<TDemineForm>(3);
        QCOMPARE(f->Bouton(3, 6)->objectName(), QString("BB0306"));
        QCOMPARE(f->Bouton(3, 6)->geometry(), QRect(153, 305, 54, 45));
        for (auto [c, r] : Chemin(*f)) {
            QVERIFY(f->Bouton(c, r)->isEnabled());
            QTest::mousePress(f->Bouton(c, r), r % 2 ? Qt::RightButton : Qt::LeftButton);
        }
        QCOMPARE(f->WinPanel1->Titre(), QString("Gagné !"));
        QCOMPARE(f->WinPanel1->Caption(), QString("Bravo !"));
        QVERIFY(!f->Fraction1->isVisibleTo(f.get()));
        QCOMPARE(Commune::Serie.Score, 90);
        QVERIFY(f->JeuFini() && f->BBCont->isEnabled() && !f->BBAbandon->isEnabled());
        Capture(f.get(), "demineur-gagne");

        // A mine: its smallest divisor, the whole path in red, nothing more to play.
        f->BBContClick();
        int mine = 1;
        while (f->Champ().At(mine, 6).chemin) ++mine;
        const Demineur::Case k = f->Champ().At(mine, 6);
        QTest::mousePress(f->Bouton(mine, 6), Qt::LeftButton);
        QCOMPARE(f->WinPanel1->Titre(), QString("Perdu !"));
        QCOMPARE(f->WinPanel1->Caption(),
                 QString("peut être simplifiée par %1").arg(Demineur::Plus_Petit_Diviseur(k.numer, k.deno)));
        QCOMPARE(f->Fraction1->Numer(), QString::number(k.numer));
        for (auto [c, r] : Chemin(*f)) QVERIFY(f->Bouton(c, r)->isEnabled());
        const auto [c0, r0] = Chemin(*f).front();
        QTest::mousePress(f->Bouton(c0, r0), Qt::LeftButton);
        QCOMPARE(Commune::Serie.Score, 0);
        QCOMPARE(Commune::Serie.EssaisNiveau(3), 2);
        Capture(f.get(), "demineur-perdu");
        f->WinPanel1->hide();
        QTest::mouseClick(f->StaticText1, Qt::LeftButton);
        QVERIFY(f->WinPanel1->isVisible());

        // Abandon, answered no, then yes.
        f->BBContClick();
        services.reponses = {Plateforme::Bouton::Non};
        f->BBAbandonClick();
        QVERIFY(!f->JeuFini());
        f->BBAbandonClick();
        QVERIFY(f->JeuFini() && f->Champ().Chemin_Montre() && f->WinPanel1->isHidden());
        QCOMPARE(Commune::Serie.EssaisNiveau(3), 3);
        Capture(f.get(), "demineur-abandon");
    }

    void demineur_mine_reglee_avant_la_pause() {
        // A close during the pause after a mine books the loss once.
        Faux_Services services;
        services.pas_ticks = 100;
        Hasard_Test hasard({}, 5);
        auto f = Ouvre<TDemineForm>(1);
        int mine = 1;
        while (f->Champ().At(mine, 6).chemin) ++mine;
        QTimer::singleShot(0, f.get(), [&f] {
            QVERIFY(f->JeuFini() && !f->BBAbandon->isEnabled());
            f->close();
        });
        QTest::mousePress(f->Bouton(mine, 6), Qt::LeftButton);
        QVERIFY(!f->isVisible());
        QCOMPARE(Commune::Serie.EssaisNiveau(1), 1);
        QVERIFY(services.messages.isEmpty());
        QVERIFY(f->WinPanel1->isHidden());
    }
};

QTEST_MAIN(Test_Jeux_Reels_Rationnels)
#include "test_Jeux_Reels_Rationnels.moc"
