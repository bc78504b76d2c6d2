// Shared by the engine tests: one request through ConjugueForme, checked
// against the finished line the window would show.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "conjugaison.hpp"
#include "formes_nues.hpp"
#include "modele.hpp"

namespace essais {

struct Cas {
    const char* verbe;
    int code, mode, personne;
    const char* attendu;
};

inline florimot::TVerbe Verbe(const char* mot) {
    florimot::TVerbe v;
    v.DefinitVerbe(mot);
    return v;
}

inline std::string Forme(const char* mot, int code, int mode, int personne) {
    return florimot::ConjugueForme(Verbe(mot), static_cast<std::uint8_t>(code),
                                   static_cast<std::uint8_t>(mode), personne);
}

inline void Verifie(std::initializer_list<Cas> cas) {
    for (const Cas& c : cas)
        EXPECT_EQ(Forme(c.verbe, c.code, c.mode, c.personne), c.attendu)
            << c.verbe << " (" << c.code << ", " << c.mode << ", " << c.personne << ")";
}

// The bare form of a request of the grid as one text, with the verb's own
// auxiliary: the marker, the simple form, or the auxiliary, a blank and the
// agreed participle.
inline std::string TexteNu(const florimot::TFormes& f, int code, int mode, int personne) {
    using namespace florimot;
    const auto c = static_cast<std::uint8_t>(code), m = static_cast<std::uint8_t>(mode);
    if (!f.EstVerbe()) return {};
    if (!EstCompose(c)) return std::string(f.Simple(Slot(c, m, personne)));
    if (const std::string_view manque = f.ManqueCompose(c, m, personne); !manque.empty())
        return std::string(manque);
    std::string texte(AuxiliaireCompose(f.AvecEtre(), c, m, personne));
    texte += ' ';
    texte += f.Participe();
    texte += f.Accord(m, personne);
    return texte;
}

inline florimot::LignesGrille Grille(const char* mot) {
    return florimot::ConjugueGrille(Verbe(mot));
}

}  // namespace essais
