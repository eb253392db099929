#include "shell/logic/Notes.hpp"

#include <cstdint>
#include <sstream>

namespace Notes {

using Commune::Cadre_Droite;
using Commune::Cadre_Gauche;
using Commune::Normalise_Decimal;

std::string Note_Sur_20(const Commune::Compteurs_Serie& c) {
    long long essais = 0;
    long double justes_ponderes = 0, essais_ponderes = 0;
    for (int n = 1; n <= 4; ++n) {
        essais += c.EssaisNiveau(n);
        justes_ponderes += static_cast<long double>(n) * c.JustesNiveau(n);
        essais_ponderes += static_cast<long double>(n) * c.EssaisNiveau(n);
    }
    if (essais < 1 || essais_ponderes <= 0) return "0.0";
    return Commune::Texte_Fixe(20.0L * justes_ponderes / essais_ponderes, 1);
}

std::string Note_Sur_20() { return Note_Sur_20(Commune::Serie); }

std::string Debut(const std::string& t, std::size_t caracteres) {
    std::size_t i = 0, vus = 0;
    while (i < t.size()) {
        if ((static_cast<unsigned char>(t[i]) & 0xC0) != 0x80) {
            if (vus == caracteres) break;
            ++vus;
        }
        ++i;
    }
    return t.substr(0, i);
}

std::string Sans_Fin(const std::string& t, std::size_t caracteres) {
    const std::size_t n = Commune::Longueur(t);
    return n <= caracteres ? std::string() : Debut(t, n - caracteres);
}

std::string Rapport_Note(const std::string& nom, const std::string& prenom, const std::string& classe,
                         const Commune::Compteurs_Serie& c) {
    std::string r = nom + " " + Debut(prenom, 2) + "." + " " + classe;
    r += "\r\n\r\nNiveau         J   /   Exe  Coef\r\n\r\n";
    for (int n = 1; n <= 4; ++n) {
        if (n > 1) r += "\r\n";
        r += "    " + std::to_string(n) + "      :      ";
        r += Cadre_Gauche(std::to_string(c.JustesNiveau(n)), 3) + "  /  " +
             Cadre_Droite(std::to_string(c.EssaisNiveau(n)), 3) + "   " + std::to_string(n);
    }
    r += "\r\n\r\n         N = " + Cadre_Droite(Normalise_Decimal(Note_Sur_20(c)), 4) + " / 20";
    return r;
}

std::string Ligne_Resultats(const std::string& nom, const std::string& prenom, const std::string& classe,
                            const std::string& date_heure, const std::string& duree,
                            const Commune::Compteurs_Serie& c) {
    std::string r = Cadre_Gauche(nom + " " + prenom, 27) + " " + Sans_Fin(date_heure, 3) + " " +
                    Cadre_Gauche(classe, 8) + " ";
    for (int n = 1; n <= 4; ++n)
        r += "n" + std::to_string(n) + " " + Cadre_Droite(std::to_string(c.JustesNiveau(n)), 3) + "/" +
             Cadre_Gauche(std::to_string(c.EssaisNiveau(n)), 3) + " ";
    r += Debut(duree, 5) + " N = " + Cadre_Droite(Normalise_Decimal(Note_Sur_20(c)), 4) + "/20";
    return r;
}

void Limite_Liste_Locale(std::vector<std::string>& lignes) {
    const std::size_t n = lignes.size();
    if (n <= Lignes_Locales_Max) return;
    const std::size_t blocs = (n - Lignes_Locales_Max + Lignes_Locales_Retirees - 1) / Lignes_Locales_Retirees;
    lignes.erase(lignes.begin(), lignes.begin() + static_cast<std::ptrdiff_t>(blocs * Lignes_Locales_Retirees));
}

bool Fichier_General_Trop_Gros(long long taille) { return taille > Taille_Generale_Max; }

std::string Avertissement_Taille(long long taille) {
    return "Le fichier général de résultats a une taille de " + std::to_string(taille) +
           " octets.\r\nIl conviendrait prochainement de le vider !\r\n" +
           "(Dans le menu principal : CTRL-SHIFT-F9 puis bouton [E])";
}

std::vector<std::string> Lignes_Impression(const std::vector<std::string>& liste) {
    std::vector<std::string> r{"", "TAVELUNE" + std::string(45, ' ') + "Notes", std::string(105, '-'), ""};
    for (const auto& l : liste) {
        r.push_back(l);
        r.emplace_back();
    }
    return r;
}

bool Suivi_Par_Debogueur(const std::string& statut) {
    std::istringstream flux(statut);
    std::string ligne;
    while (std::getline(flux, ligne)) {
        if (ligne.rfind("TracerPid:", 0) != 0) continue;
        for (char ch : ligne.substr(10)) {
            if (ch >= '1' && ch <= '9') return true;
        }
        return false;
    }
    return false;
}

}  // namespace Notes
