// What the fraction window tests share: opening a window on a pupil, typing
// an answer in the two boxes and confirming it.
#pragma once

#include <QApplication>
#include <QTest>

#include "framework/logic/Commune.hpp"
#include "support/Capture.hpp"
#include "support/Faux_Services.hpp"
#include "support/Hasard_Test.hpp"
#include "topics/fraction/FenetreFraction.hpp"

template <class F>
std::unique_ptr<F> Ouvre_Fenetre(int niveau = 1) {
    Commune::Serie.Remet_A_Zero();
    Commune::Nom = "DUPONT";
    Commune::Prenom = "Marie";
    auto f = std::make_unique<F>();
    f->SlideBar1->setPosition(niveau);
    f->show();
    QApplication::setActiveWindow(f.get());
    return f;
}

inline void Repond(TFenetreFraction* f, const QString& numer, const QString& deno) {
    f->Edit1->clear();
    f->Edit2->clear();
    QTest::keyClicks(f->Edit1, numer);
    QTest::keyClicks(f->Edit2, deno);
    f->BBConfClick();
}

// A fraction's texts as drawn, or nothing when the pupil cannot see it.
inline QString Texte(const TCase_Fraction* f) {
    return f->Controle()->isVisibleTo(f->window()) ? f->Numer() + "/" + f->Deno() : QString();
}
