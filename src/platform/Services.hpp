// The small interfaces through which windows reach the outside world:
// message boxes, the beep, the help, the score table and the clock. The
// program installs the real ones; tests install their own to answer and
// observe them.
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

class QWidget;

namespace Plateforme {

// Simple: a plain box without an icon.
enum class Style { Avertissement, Erreur, Information, Confirmation, Simple };
enum class Bouton { Ok, Oui, Non, Ignorer, Annuler };

class Dialogues {
public:
    virtual ~Dialogues() = default;
    // Shows a modal message with the given buttons; returns the one chosen.
    virtual Bouton Message(QWidget* parent, Style style, const QString& texte, const QList<Bouton>& boutons) = 0;
};

class Bipeur {
public:
    virtual ~Bipeur() = default;
    virtual void Bip() = 0;
};

class Aide {
public:
    virtual ~Aide() = default;
    // Opens the help at a topic number; 0 opens its start page.
    virtual void Ouvre(QWidget* parent, int sujet) = 0;
    // Closes whatever the help has open (at the end of the program).
    virtual void Ferme() {}
};

class Horloge {
public:
    virtual ~Horloge() = default;
    virtual QDateTime Maintenant() const = 0;
    // Millisecond tick counter; it wraps around after about 49 days.
    virtual uint32_t Ticks() const = 0;
};

// The real implementations.
std::unique_ptr<Dialogues> Dialogues_Systeme();
std::unique_ptr<Bipeur> Bipeur_Systeme();
std::unique_ptr<Aide> Aide_Provisoire();
std::unique_ptr<Horloge> Horloge_Systeme();

struct Services {
    std::unique_ptr<Dialogues> dialogues;
    std::unique_ptr<Bipeur> bipeur;
    std::unique_ptr<Aide> aide;
    std::unique_ptr<Horloge> horloge;
    // Shows the score table modally over the given window.
    std::function<void(QWidget*)> montre_scores;
};

// The installed services (the real ones until something else is installed).
Services& Actuels();

// What the windows call.
void Message_Avertissement(QWidget* parent, const QString& texte);
void Message_Erreur(QWidget* parent, const QString& texte);
void Message_Information(QWidget* parent, const QString& texte);
void Message_Simple(QWidget* parent, const QString& texte);
bool Message_Confirmation(QWidget* parent, const QString& texte);  // Oui / Non
Bouton Message(QWidget* parent, Style style, const QString& texte, const QList<Bouton>& boutons);
void Bip();
void Ouvre_Aide(QWidget* parent, int sujet);
void Ferme_Aide();
void Montre_Scores(QWidget* parent);
QDateTime Maintenant();
uint32_t Ticks();

// Waits ms milliseconds on the tick counter while the windows keep
// repainting and reacting.
void Attente(uint16_t ms);

// Loads Qt's own French texts for the standard buttons and dialogs
// ("Oui", "Non", ...); false when the translation is not installed.
bool Installe_Francais();

// True when the program's folder is on an optical disc or a read-only medium.
bool Sur_CDROM();
bool Support_Lecture_Seule(const QByteArray& type_systeme, bool lecture_seule);

}  // namespace Plateforme
