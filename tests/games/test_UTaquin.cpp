// The decimal sliding puzzle played through its window.
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <deque>

#include "framework/logic/Commune.hpp"
#include "framework/logic/Hasard.hpp"
#include "games/UTaquin.hpp"
#include "support/Capture.hpp"
#include "support/Faux_Services.hpp"

using Taquin::Cellule;

class Test_UTaquin : public QObject {
    Q_OBJECT
private slots:
    void resolu_puis_abandonne() {
        Commune::Serie.Remet_A_Zero();
        Commune::Nom = "DUPONT";
        Commune::Prenom = "Marie";
        Faux_Services services;
        // Texts 0 to 20; the shuffle moves the hole right once, then only
        // tries to go up.
        std::deque<int32_t> tirages(22, 0);
        tirages.push_back(0);
        tirages.insert(tirages.end(), 1000, 3);
        auto ancienne = Hasard::Installe(std::make_unique<Hasard::Source_Scriptee>(tirages));
        auto f = std::make_unique<TTaquinForm>();
        f->SlideBar1->setPosition(1);

        // During the shuffle (the clock stands still until told), clicks and
        // Abandon are ignored.
        bool vu = false;
        QTimer::singleShot(0, f.get(), [&] {
            vu = true;
            QVERIFY(!f->JeuEnCours());
            QTest::mouseClick(f->Fond, Qt::LeftButton, {}, f->Rectangle({0, 0}).center());
            QCOMPARE(f->Plateau().Trou(), (Cellule{1, 0}));
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

        // The hole, a diagonal, a move there and back: no win.
        for (Cellule c : {Cellule{1, 0}, Cellule{0, 1}, Cellule{1, 1}, Cellule{1, 0}})
            QTest::mouseClick(f->Fond, Qt::LeftButton, {}, f->Rectangle(c).center());
        QCOMPARE(f->Plateau().Trou(), (Cellule{1, 0}));
        QVERIFY(services.messages.isEmpty());
        QTest::mouseClick(f->Fond, Qt::LeftButton, {}, f->Rectangle({0, 0}).center());
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
        Hasard::Installe(std::move(ancienne));
    }
};

QTEST_MAIN(Test_UTaquin)
#include "test_UTaquin.moc"
