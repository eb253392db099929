// A notes file as it was read: one block of bytes and where each line lies
// in it. A general results file of a hundred thousand lines is listed at
// once this way, and costs little more memory than its size.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace Liste_Notes {

// Bound of what is read of a notes file.
constexpr long long Taille_Max = 64 << 20;

class Lignes {
public:
    // Takes a file's content: lines ended by CR LF, LF or a lone CR. The
    // content is UTF-8 when it is valid UTF-8 with an accented letter,
    // Windows-1252 otherwise (as every text file of the program is read).
    void Charge(std::string contenu);
    void Vide();
    // In the order of the lines' characters (code points), as a sorted list
    // box shows them.
    void Trie();

    std::size_t Taille() const { return lignes_.size(); }
    bool Utf8() const { return utf8_; }
    // The bytes of a line, in the file's character set.
    std::string_view Octets(std::size_t i) const { return {contenu_.data() + lignes_[i].debut, lignes_[i].longueur}; }
    // A line in UTF-8.
    std::string Texte(std::size_t i) const;

private:
    struct Tranche {
        std::size_t debut;
        std::size_t longueur;
    };
    std::string contenu_;
    std::vector<Tranche> lignes_;
    bool utf8_ = false;
};

}  // namespace Liste_Notes
