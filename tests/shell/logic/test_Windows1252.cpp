#include "shell/logic/Windows1252.hpp"
#include "shell/logic/Liste_Notes.hpp"

#include "framework/logic/Commune.hpp"

#include <gtest/gtest.h>

using namespace Windows1252;

TEST(Windows1252, Aller_Retour_Des_Lettres_Francaises_Et_Signes) {
    const std::string texte = "Élève à l'œuvre : ça coûte 5 € — « oui » ÿ";
    const std::string octets = Depuis_Utf8(texte);
    EXPECT_EQ(octets.size(), Commune::Longueur(texte));
    EXPECT_EQ(static_cast<unsigned char>(octets[0]), 0xC9);
    EXPECT_NE(octets.find('\x9C'), std::string::npos);  // œ
    EXPECT_NE(octets.find('\x80'), std::string::npos);  // €
    EXPECT_EQ(Vers_Utf8(octets), texte);
    // Every byte survives the way back and forth.
    std::string tous;
    for (int i = 0; i < 256; ++i) tous += static_cast<char>(i);
    EXPECT_EQ(Depuis_Utf8(Vers_Utf8(tous)), tous);
}

TEST(Windows1252, Caracteres_Absents_Et_Utf8_Invalide_Donnent_Un_Point_D_Interrogation) {
    EXPECT_EQ(Depuis_Utf8("Łódź"), "?\xF3" "d?");
    EXPECT_EQ(Depuis_Utf8("a\xFF" "b"), "a?b");
    EXPECT_EQ(Depuis_Utf8("a\xC3"), "a?");          // cut sequence
    EXPECT_EQ(Depuis_Utf8("\xC0\xAF"), "?");        // overlong form
    EXPECT_EQ(Depuis_Utf8("\xED\xA0\x80x"), "?x");  // surrogate
    EXPECT_EQ(Depuis_Utf8("😀"), "?");
}

TEST(Windows1252, Lignes_En_CRLF_LF_Ou_CR) {
    using V = std::vector<std::string>;
    EXPECT_EQ(Decoupe_Lignes("a\r\nb\r\n"), (V{"a", "b"}));
    EXPECT_EQ(Decoupe_Lignes("a\nb"), (V{"a", "b"}));
    EXPECT_EQ(Decoupe_Lignes("a\r\n\r\nb\rc"), (V{"a", "", "b", "c"}));
    EXPECT_EQ(Decoupe_Lignes(""), V{});
    EXPECT_EQ(Decoupe_Lignes("\n"), V{""});
    EXPECT_EQ(Joint_Lignes({"x", ""}), "x\r\n\r\n");
    EXPECT_EQ(Ecrit_Texte({"é"}), "\xE9\r\n");
    EXPECT_EQ(Lit_Texte("\xE9t\xE9\n"), V{"été"});
}

TEST(Windows1252, Un_Fichier_Deja_En_Utf8_Est_Lu_Tel_Quel) {
    EXPECT_TRUE(Est_Utf8_Etendu("L\xC3\xA9o"));
    EXPECT_FALSE(Est_Utf8_Etendu("Leo"));          // plain ASCII: nothing to decide
    EXPECT_FALSE(Est_Utf8_Etendu("L\xE9o"));       // Windows Latin
    EXPECT_FALSE(Est_Utf8_Etendu("\xC3"));         // cut sequence
    EXPECT_FALSE(Est_Utf8_Etendu("\xE2\x82"));
    EXPECT_EQ(Lit_Texte("L\xC3\xA9o\r\nZo\xC3\xAB\n"), (std::vector<std::string>{"Léo", "Zoë"}));
    EXPECT_EQ(Lit_Texte("L\xE9o\r\n"), (std::vector<std::string>{"Léo"}));
}

// The general list sorts its lines by code point, not by byte: "Œ" (0x8C)
// and "€" (0x80) come after "é" (0xE9), a shorter line before its longer
// ones; CR LF and LF line ends both cut lines.
TEST(Liste_Notes, TriParPointDeCode) {
    Liste_Notes::Lignes l;
    l.Charge("\x80x\r\n\x8C" "b\r\n\xE9" "a\r\nZa\r\nZ\nZa b\r\n");
    l.Trie();
    std::vector<std::string> t;
    for (std::size_t i = 0; i < l.Taille(); ++i) t.emplace_back(l.Octets(i));
    EXPECT_EQ(t, (std::vector<std::string>{"Z", "Za", "Za b", "\xE9" "a", "\x8C" "b", "\x80x"}));
}
