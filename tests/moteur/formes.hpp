// Shared by the engine tests: one request through ConjugueForme, checked
// against the finished line the window would show.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "conjugaison.hpp"
#include "formes_nues.hpp"

namespace essais {

struct Cas {
    const char* Verbe;
    int Code, Mode, Personne;
    const char* Attendu;
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
        EXPECT_EQ(Forme(c.Verbe, c.Code, c.Mode, c.Personne), c.Attendu)
            << c.Verbe << " (" << c.Code << ", " << c.Mode << ", " << c.Personne << ")";
}

// The bare form of a request of the grid as one text, with the verb's own
// auxiliary: the marker, the simple form, or the auxiliary, a blank and the
// agreed participle.
inline std::string TexteNu(const florimot::TFormes& f, int code, int mode, int personne) {
    const florimot::TFormeNue n =
        f.Nue(static_cast<std::uint8_t>(code), static_cast<std::uint8_t>(mode), personne);
    if (!n.Marqueur.empty()) return std::string(n.Marqueur);
    std::string texte(n.Verbe);
    if (n.EstCompose()) {
        texte += ' ';
        texte += n.Participe;
        texte += n.Accord;
    }
    return texte;
}

inline florimot::TLignesGrille Grille(const char* mot) {
    return florimot::ConjugueGrille(Verbe(mot));
}

}  // namespace essais
