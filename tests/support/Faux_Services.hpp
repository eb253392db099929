// Test doubles for the services the windows call: they record every message,
// beep, help request and score-table request, and answer messages as told.
#pragma once

#include <QStringList>
#include <deque>

#include "platform/Services.hpp"

struct Message_Vu {
    Plateforme::Style style;
    QString texte;
    QList<Plateforme::Bouton> boutons;
};

class Faux_Services {
public:
    // Installs the doubles; the previous services come back on destruction.
    Faux_Services();
    ~Faux_Services();

    QList<Message_Vu> messages;
    int bips = 0;
    QList<int> aides;
    int scores = 0;
    std::deque<Plateforme::Bouton> reponses;  // answers to the next messages (else the first button)
    QDateTime maintenant = QDateTime(QDate(2026, 12, 7), QTime(15, 42, 10));
    uint32_t ticks = 0;
    uint32_t pas_ticks = 0;  // added to the tick counter at every reading

private:
    Plateforme::Services ancien_;
};
