#include "support/Faux_Services.hpp"

namespace {

class Dialogues_Faux : public Plateforme::Dialogues {
public:
    explicit Dialogues_Faux(Faux_Services& s) : s_(s) {}
    Plateforme::Bouton Message(QWidget*, Plateforme::Style style, const QString& texte,
                               const QList<Plateforme::Bouton>& boutons) override {
        s_.messages.append({style, texte, boutons});
        if (!s_.reponses.empty()) {
            const auto r = s_.reponses.front();
            s_.reponses.pop_front();
            return r;
        }
        return boutons.isEmpty() ? Plateforme::Bouton::Ok : boutons.first();
    }

private:
    Faux_Services& s_;
};

class Bipeur_Faux : public Plateforme::Bipeur {
public:
    explicit Bipeur_Faux(Faux_Services& s) : s_(s) {}
    void Bip() override { ++s_.bips; }

private:
    Faux_Services& s_;
};

class Aide_Fausse : public Plateforme::Aide {
public:
    explicit Aide_Fausse(Faux_Services& s) : s_(s) {}
    void Ouvre(QWidget*, int sujet) override { s_.aides.append(sujet); }

private:
    Faux_Services& s_;
};

class Horloge_Fausse : public Plateforme::Horloge {
public:
    explicit Horloge_Fausse(Faux_Services& s) : s_(s) {}
    QDateTime Maintenant() const override { return s_.maintenant; }
    uint32_t Ticks() const override {
        const uint32_t t = s_.ticks;
        s_.ticks += s_.pas_ticks;
        return t;
    }

private:
    Faux_Services& s_;
};

}  // namespace

Faux_Services::Faux_Services() {
    auto& a = Plateforme::Actuels();
    ancien_ = std::move(a);
    a.dialogues = std::make_unique<Dialogues_Faux>(*this);
    a.bipeur = std::make_unique<Bipeur_Faux>(*this);
    a.aide = std::make_unique<Aide_Fausse>(*this);
    a.horloge = std::make_unique<Horloge_Fausse>(*this);
    a.montre_scores = [this](QWidget*) { ++scores; };
}

Faux_Services::~Faux_Services() { Plateforme::Actuels() = std::move(ancien_); }
