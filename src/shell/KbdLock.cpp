#include "shell/KbdLock.hpp"

#include "platform/Clavier.hpp"

bool Etat_Verrou(int genre, bool defaut) {
    if (genre < 0 || genre > 2) return defaut;
    const auto etat = Plateforme::Clavier_Actuel().Etat(static_cast<Plateforme::Verrou>(genre));
    return etat.value_or(defaut);
}

void Bascule_VerrNum() {
    auto& c = Plateforme::Clavier_Actuel();
    const auto etat = c.Etat(Plateforme::Verrou::Num);
    if (etat) c.Change(Plateforme::Verrou::Num, !*etat);
}
