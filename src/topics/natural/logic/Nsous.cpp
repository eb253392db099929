#include "topics/natural/logic/Nsous.hpp"

#include <algorithm>

#include "framework/logic/Hasard.hpp"

namespace Nsous {

void Sujet::Genere(int niveau) {
    niveau_ = std::clamp(niveau, 1, 3);
    switch (niveau_) {
    case 1:
        s_ = Random(90) + 11;
        m_ = s_ + Random(100) + 1;
        break;
    case 2:
        s_ = Random(9000) + 101;
        m_ = s_ + Random(9000) + 101;
        break;
    default:
        s_ = Random(65000);
        s_ += Random(65000) + 1000;
        m_ = s_ + Random(65000) + 1000;
        break;
    }
}

std::string Sujet::Cle() const { return std::to_string(m_) + "-" + std::to_string(s_); }

}  // namespace Nsous
