// The pupil's mark out of 20, the mark report, the results line written at
// the end of each series and the rules of the local notes list.
#pragma once

#include <string>
#include <vector>

#include "framework/logic/Commune.hpp"

namespace Notes {

// The mark out of 20, weighted by level, with one decimal and "." as the
// separator ("14.3", "20.0", "0.0"); pass it through Normalise_Decimal to
// show or store it.
std::string Note_Sur_20(const Commune::Compteurs_Serie& compteurs);
std::string Note_Sur_20();  // of the running series

// The text of the mark report (lines separated by CR LF).
std::string Rapport_Note(const std::string& nom, const std::string& prenom, const std::string& classe,
                         const Commune::Compteurs_Serie& compteurs);

// The results line of a series. date_heure is the date and the time of the
// save as the system writes them ("07/12/2026 15:42:10"): its last three
// characters (the seconds and their separator) are dropped. duree is the
// usage time in the long time format ("00:12:34"): its first five
// characters are kept.
std::string Ligne_Resultats(const std::string& nom, const std::string& prenom, const std::string& classe,
                            const std::string& date_heure, const std::string& duree,
                            const Commune::Compteurs_Serie& compteurs);

// The local notes list keeps the latest lines only: once it holds more than
// 60 lines, its oldest lines go by blocks of 31 until at most 60 are left
// (61 lines keep 30), in one cut.
constexpr std::size_t Lignes_Locales_Max = 60;
constexpr std::size_t Lignes_Locales_Retirees = 31;
void Limite_Liste_Locale(std::vector<std::string>& lignes);

// Size above which the general results file should be emptied, and the
// warning telling so.
constexpr long long Taille_Generale_Max = 100000;
bool Fichier_General_Trop_Gros(long long taille);
std::string Avertissement_Taille(long long taille);

// The lines of a printed notes list: an empty line, the title, a rule, an
// empty line, then every list line followed by an empty line.
std::vector<std::string> Lignes_Impression(const std::vector<std::string>& liste);

// The first characters of a UTF-8 text (whole characters).
std::string Debut(const std::string& t, std::size_t caracteres);
// The text without its last characters (whole characters).
std::string Sans_Fin(const std::string& t, std::size_t caracteres);

// True when the content of /proc/self/status names a tracing process.
bool Suivi_Par_Debogueur(const std::string& statut);

}  // namespace Notes
