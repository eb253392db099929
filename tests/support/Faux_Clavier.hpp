// A keyboard whose lock keys a test sets and reads; installed for the life
// of the object.
#pragma once

#include <array>

#include "platform/Clavier.hpp"

class Faux_Clavier {
public:
    Faux_Clavier();
    ~Faux_Clavier();

    std::array<bool, 3> verrous{};  // Caps, Num, Scroll
    bool connu = true;              // false: the state cannot be read
    int changements = 0;
};
