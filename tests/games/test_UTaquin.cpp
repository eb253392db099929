// The decimal sliding puzzle played through its window.
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <deque>
#include <map>

#include "framework/logic/Commune.hpp"
#include "games/UTaquin.hpp"
#include "support/Capture.hpp"
#include "support/Faux_Services.hpp"
#include "support/Hasard_Test.hpp"

namespace {

using Taquin::Cellule;

std::vector<int> Cle(const Taquin::Plateau& p) {
    std::vector<int> k;
    for (int r = 0; r < p.Nb_Lignes(); ++r)
        for (int c = 0; c < Taquin::Colonnes; ++c) {
            const Cellule s = p.Source({c, r});
            k.push_back(s.ligne * Taquin::Colonnes + s.colonne);
        }
    return k;
}

// The cells to click, in order, to solve a board (breadth first: fine for
// the 8 cells of level 1).
std::vector<Cellule> Solution(const Taquin::Plateau& depart) {
    std::map<std::vector<int>, std::pair<std::vector<int>, Cellule>> venu{{Cle(depart), {{}, {}}}};
    std::deque<Taquin::Plateau> file{depart};
    while (!file.empty()) {
        const Taquin::Plateau p = file.front();
        file.pop_front();
        if (p.Resolu()) {
            std::vector<Cellule> coups;
            for (auto k = Cle(p); k != Cle(depart); k = venu[k].first) coups.insert(coups.begin(), venu[k].second);
            return coups;
        }
        const Cellule t = p.Trou();
        for (Cellule n : {Cellule{t.colonne + 1, t.ligne}, Cellule{t.colonne - 1, t.ligne}, Cellule{t.colonne, t.ligne + 1},
                          Cellule{t.colonne, t.ligne - 1}}) {
            Taquin::Plateau q = p;
            if (q.Deplace(n) && venu.emplace(Cle(q), std::pair{Cle(p), n}).second) file.push_back(q);
        }
    }
    return {};
}

}  // namespace

class Test_UTaquin : public QObject {
    Q_OBJECT
private slots:
    void resolu_puis_abandonne() {
        Commune::Serie.Remet_A_Zero();
        Commune::Nom = "DUPONT";
        Commune::Prenom = "Marie";
        Faux_Services services;
        Hasard_Test hasard({}, 7);
        auto f = std::make_unique<TTaquinForm>();
        f->SlideBar1->setPosition(1);

        // During the shuffle (the clock stands still until told), clicks and
        // Abandon are ignored.
        bool vu = false;
        QTimer::singleShot(0, f.get(), [&] {
            vu = true;
            QVERIFY(!f->JeuEnCours());
            const Taquin::Plateau avant = f->Plateau();
            const Cellule t = avant.Trou();
            const Cellule voisin{t.colonne == 0 ? 1 : t.colonne - 1, t.ligne};
            QTest::mouseClick(f->Fond, Qt::LeftButton, {}, f->Rectangle(voisin).center());
            QCOMPARE(Cle(f->Plateau()), Cle(avant));
            f->BBAbandonClick();
            QVERIFY(services.messages.isEmpty() && !f->JeuFini());
            services.pas_ticks = 100;
        });
        f->show();
        QApplication::setActiveWindow(f.get());
        QVERIFY(vu);
        QCOMPARE(f->windowTitle(), QString("le taquin décimal"));
        QVERIFY(f->JeuEnCours() && f->BBAbandon->isEnabled() && !f->BBCont->isEnabled());
        QVERIFY(!f->Image1->isVisible());
        QCOMPARE(Commune::Serie.NbExercices, 1);
        const QImage fond = f->Fond->pixmap().toImage();
        QCOMPARE(fond.pixelColor(f->Rectangle(f->Plateau().Trou()).center()), QColor(182, 142, 50));
        Capture(f.get(), "taquin-melange");

        const std::vector<Cellule> coups = Solution(f->Plateau());
        QVERIFY(!coups.empty());
        for (Cellule c : coups) {
            QVERIFY(services.messages.isEmpty());
            QTest::mouseClick(f->Fond, Qt::LeftButton, {}, f->Rectangle(c).center());
        }
        QVERIFY(f->Plateau().Resolu());
        QCOMPARE(services.messages.size(), 1);
        QCOMPARE(services.messages[0].texte, QString("Bravo, c'est gagné !"));
        QCOMPARE(Commune::Serie.Score, 30);
        QCOMPARE(Commune::Serie.NbJustes, 1);
        QVERIFY(f->JeuFini() && f->BBCont->isEnabled() && !f->BBAbandon->isEnabled());
        QTest::mouseClick(f->Fond, Qt::LeftButton, {}, f->Rectangle({1, 0}).center());
        QVERIFY(f->Plateau().Resolu());
        Capture(f.get(), "taquin-gagne");

        // Level 4: five rows; given up, the solved picture covers the board
        // and the loss takes the score down to 0, not below.
        f->SlideBar1->setPosition(4);
        f->BBContClick();
        QCOMPARE(f->Plateau().Nb_Lignes(), 5);
        services.reponses = {Plateforme::Bouton::Oui};
        f->BBAbandonClick();
        QCOMPARE(services.messages.last().texte, QString("Voulez-vous réellement abandonner et obtenir la solution"));
        QVERIFY(f->Image1->isVisible() && f->JeuFini() && !f->JeuEnCours());
        QCOMPARE(Commune::Serie.Score, 0);
        QCOMPARE(Commune::Serie.EssaisNiveau(4), 1);
        QCOMPARE(Commune::Serie.NbExercices, 2);
        Capture(f.get(), "taquin-abandon");
    }
};

QTEST_MAIN(Test_UTaquin)
#include "test_UTaquin.moc"
