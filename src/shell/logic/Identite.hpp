// The rules of the pupil's identity entry and of the series' usage clock.
#pragma once

#include <cstdint>
#include <string>

namespace Identite {

// Upper case of a letter of the Latin alphabets the pupils type (ASCII,
// Latin-1 and Latin Extended-A); any other character is returned unchanged.
char32_t Majuscule(char32_t c);
bool Est_Lettre(char32_t c);

// The character a first-name entry keeps when `c` is typed after `avant`
// (the text left of the caret): the first letter and any letter typed right
// after a space or a "-" are turned to upper case; other letters stay as typed.
char32_t Lettre_Prenom(const std::u32string& avant, char32_t c);

// The time spent in a series, from readings of the time of day in
// milliseconds since midnight. It keeps counting when the clock passes
// midnight; a small step back of the clock (a summer-time change, a clock
// set by hand) adds nothing.
class Horloge_Serie {
public:
    static constexpr int64_t Jour = 24LL * 3600 * 1000;

    void Demarre(int64_t maintenant);
    // Takes a reading and returns the time spent so far.
    int64_t Lecture(int64_t maintenant);
    int64_t Duree() const { return duree_; }
    int64_t Debut() const { return debut_; }

private:
    int64_t debut_ = 0;
    int64_t derniere_ = 0;
    int64_t duree_ = 0;
};

// "hh:mm:ss" of a duration; hours go beyond 23 when needed.
std::string Texte_Duree(int64_t ms);

}  // namespace Identite
