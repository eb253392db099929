// What the relative-integer window tests share: the service doubles, a
// scripted random source, a fresh series for a known pupil, and the pupil's
// gestures on an exercise window.
#pragma once

#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "framework/FenetreExercice.hpp"
#include "framework/logic/Commune.hpp"
#include "support/Faux_Services.hpp"
#include "topics/integer/logic/Tirages.hpp"

struct Banc_Relatifs {
    explicit Banc_Relatifs(std::deque<int32_t> script) : tirages(std::move(script)) {
        Commune::Serie.Remet_A_Zero();
        Commune::Nom = "DUPONT";
        Commune::Prenom = "Léa";
    }
    ~Banc_Relatifs() { Commune::Serie.Remet_A_Zero(); }

    Faux_Services services;
    Tirages tirages;
};

// Types the answer and presses Confirm.
inline void Repond(TExerciceForm& f, const QString& reponse) {
    f.Edit1->Tape(reponse);
    QTest::mouseClick(f.BBConf, Qt::LeftButton);
}

inline void Continue(TExerciceForm& f) { QTest::mouseClick(f.BBCont, Qt::LeftButton); }

// The verdict shown, as one line: title, caption or the two correction lines.
inline QString Verdict(const TExerciceForm& f) {
    if (!f.WinPanel1->isVisible()) return QStringLiteral("(pas de verdict)");
    return f.WinPanel1->Titre() + " | " + f.WinPanel1->Caption() + " | " + f.LRep1->text() + " | " + f.LRep2->text() +
           " | " + f.Dessin();
}
