// Writes the minefield's table of 100 crossing paths (src/games/logic/
// Chemins_Demineur.cpp). Run once; the table is kept as written, so that the
// program carries the same paths whatever the build.
//
//   g++ -std=c++20 -Isrc tools/Genere_Chemins.cpp src/framework/logic/Hasard.cpp -o /tmp/chemins
//   /tmp/chemins > src/games/logic/Chemins_Demineur.cpp
//
// A path starts on the bottom row (06) and ends on the top row (01); each step
// goes one cell left, right or up, never twice on a cell, 6 to 14 cells long.
#include <cstdio>
#include <set>
#include <string>

#include "framework/logic/Hasard.hpp"

namespace {

std::string Cellule(int c, int r) {
    char t[5];
    std::snprintf(t, sizeof t, "%02d%02d", c, r);
    return t;
}

std::string Chemin() {
    int c = 1 + Random(10);
    int lateraux = Random(9);  // steps left or right over the whole path (0..8)
    std::string s;
    for (int r = 6; r >= 1; --r) {
        s += Cellule(c, r);
        if (r == 1) break;  // the top row ends the crossing
        // Some steps sideways on this row, all the same way.
        int pas = lateraux > 0 ? Random(std::min(lateraux, 4) + 1) : 0;
        const int sens = Random(2) == 0 ? -1 : 1;
        for (; pas > 0; --pas) {
            const int suivante = c + sens;
            if (suivante < 1 || suivante > 10) break;
            c = suivante;
            --lateraux;
            s += Cellule(c, r);
        }
    }
    return s;
}

}  // namespace

int main() {
    Hasard::Installe(std::make_unique<Hasard::Source_Scriptee>(std::deque<int32_t>{}, 2212));
    std::set<std::string> vus;
    std::printf("// The minefield's 100 crossing paths, written once by tools/Genere_Chemins.cpp.\n");
    std::printf("#include \"games/logic/Demineur.hpp\"\n\nnamespace Demineur {\n\n");
    std::printf("const std::array<std::string_view, 100>& Chemins_Demineur() {\n");
    std::printf("    static constexpr std::array<std::string_view, 100> chemins{{\n");
    while (vus.size() < 100) {
        const std::string s = Chemin();
        if (!vus.insert(s).second) continue;
        std::printf("        \"%s\",\n", s.c_str());
    }
    std::printf("    }};\n    return chemins;\n}\n\n}  // namespace Demineur\n");
}
