// The text files of the program are written in the single-byte Windows
// Latin character set with CR LF line ends, so that they stay readable by the
// older copies of the program and by the teachers' tools. Inside the program
// every text is UTF-8; these helpers convert at the file boundary.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace Windows1252 {

// UTF-8 to Windows-1252 bytes; a character the set lacks becomes "?",
// and so does every invalid UTF-8 sequence.
std::string Depuis_Utf8(const std::string& utf8);

// Windows-1252 bytes to UTF-8. The five bytes the set leaves undefined map
// to the control characters of the same number.
std::string Vers_Utf8(const std::string& octets);

// A file's content to UTF-8: kept as it is when it already is UTF-8 with
// at least one accented letter (a file edited with a recent editor),
// otherwise read as Windows-1252.
std::string Texte_Lu(const std::string& octets);
bool Est_Utf8_Etendu(std::string_view octets);

// The code point of one Windows-1252 byte.
char32_t Code_Point(unsigned char octet);

// Splits a file's content into lines ended by CR LF, LF or a lone CR; a
// last line without end counts too, an empty content gives no line.
std::vector<std::string> Decoupe_Lignes(const std::string& contenu);

// Joins lines into file content, each line followed by CR LF.
std::string Joint_Lignes(const std::vector<std::string>& lignes);

// Both steps of reading (through Texte_Lu) or writing a text file of the program.
std::vector<std::string> Lit_Texte(const std::string& octets);
std::string Ecrit_Texte(const std::vector<std::string>& lignes_utf8);

}  // namespace Windows1252
