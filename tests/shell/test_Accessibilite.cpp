// Every window of the window table gives a name and a description to each
// control a pupil types into, clicks or drags, at every level; and a drill
// window and every game reach their level slider and help from the keyboard
// alone: Tab reaches the slider, the arrows change the level, F1 opens the
// help.
#include <QStandardPaths>
#include <QtTest>
#include <memory>

#include "framework/Accessibilite.hpp"
#include "framework/FenetreExercice.hpp"
#include "framework/FenetreBase.hpp"
#include "framework/logic/Commune.hpp"
#include "shell/Fenetres.hpp"
#include "support/Faux_Services.hpp"

namespace {

QStringList Sans_Nom(QWidget* fenetre) {
    QStringList defauts;
    for (QWidget* w : fenetre->findChildren<QWidget*>()) {
        if (!w->isVisible() || !Accessibilite::Interactif(w)) continue;
        const QString quoi = QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') +
                             (w->objectName().isEmpty() ? QString() : w->objectName());
        if (Accessibilite::Nom(w).trimmed().isEmpty()) defauts << quoi + QStringLiteral(" sans nom");
        if (Accessibilite::Description(w).trimmed().isEmpty()) defauts << quoi + QStringLiteral(" sans description");
    }
    return defauts;
}

}  // namespace

class Test_Accessibilite : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        Accessibilite::Installe();
    }

    void chaque_controle_a_un_nom_data() {
        QTest::addColumn<int>("rang");
        const auto table = Fenetres::Table();
        for (std::size_t i = 0; i < table.size(); ++i)
            if (table[i].fabrique) QTest::newRow(table[i].classe) << int(i);
    }
    void chaque_controle_a_un_nom() {
        QFETCH(int, rang);
        Faux_Services services;
        services.pas_ticks = 1000;  // a game's pauses end at once
        Commune::Serie.Remet_A_Zero();
        Commune::Nom = "DUPONT";
        std::unique_ptr<QWidget> w(Fenetres::Table()[rang].fabrique());
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QStringList defauts = Sans_Nom(w.get());
        if (auto* f = qobject_cast<TExerciceForm*>(w.get()))
            for (int n = 1; n <= f->SlideBar1->Max(); ++n) {
                f->SlideBar1->setPosition(n);
                f->BBContClick();
                defauts << Sans_Nom(w.get());
            }
        defauts.removeDuplicates();
        QVERIFY2(defauts.isEmpty(), qPrintable(defauts.join('\n')));
    }

    void au_clavier_seul_data() { chaque_controle_a_un_nom_data(); }
    void au_clavier_seul() {
        QFETCH(int, rang);
        Faux_Services services;
        services.pas_ticks = 1000;  // a game's pauses end at once
        Commune::Serie.Remet_A_Zero();
        std::unique_ptr<QWidget> w(Fenetres::Table()[rang].fabrique());
        auto* f = qobject_cast<TFenetreBase*>(w.get());
        if (!f) QSKIP("ni exercice ni jeu");
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        // Tab from the first box comes round to the level slider.
        bool curseur = false;
        for (int i = 0; i < 60 && !curseur; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            curseur = QApplication::focusWidget() == f->SlideBar1;
        }
        QVERIFY2(curseur, "Tab n'atteint pas le curseur des niveaux");
        if (f->SlideBar1->Max() > 1) {
            const int avant = f->SlideBar1->Position();
            QTest::keyClick(f->SlideBar1, avant < f->SlideBar1->Max() ? Qt::Key_Right : Qt::Key_Left);
            QVERIFY(f->SlideBar1->Position() != avant);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QCOMPARE(services.aides.size(), 1);
    }
};

QTEST_MAIN(Test_Accessibilite)
#include "test_Accessibilite.moc"
