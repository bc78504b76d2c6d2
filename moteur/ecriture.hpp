// How a line is written: straight into a buffer, word by word, each word
// eliding the one before it where French does.
#pragma once

#include <cstddef>
#include <string_view>

#include "copie.hpp"
#include "formes_nues.hpp"
#include "locutions.hpp"
#include "verbe.hpp"

namespace florimot {

// Lines are written into a buffer every line fits in: no allocation per
// line, one per grid.
constexpr std::size_t LigneMax = 4 * TText::Capacite + 160 + 1 + ComplementMax;

class TEcriture {
public:
    explicit TEcriture(char* debut) : P_(debut) {}
    void operator<<(std::string_view s) {
        CopieCourte(P_, s.data(), s.size());
        P_ += s.size();
    }
    void operator<<(char c) { *P_++ = c; }
    char* Position() const { return P_; }
    // Forgets what was written since `p`.
    void Recule(char* p) { P_ = p; }

private:
    char* P_;
};

// Words separated by blanks, where je, me, te, se, ne and que elide before
// the word that follows them (j'aime, ne m'habitue, qu'il).
class TPhrase {
public:
    TPhrase(TEcriture& e, const TVerbe& verbe) : E_(e), Verbe_(verbe) {}
    void Elidable(std::string_view mot) {
        Pose(mot);
        EnAttente_ = mot;
    }
    void Mot(std::string_view mot) {
        Pose(mot);
        E_ << mot;
    }
    // Starts a word the caller writes itself, piece by piece.
    TEcriture& NouveauMot() {
        Pose({});
        return E_;
    }
    // Glued to the word before: "-t-il", "-toi", " ?".
    void Colle(std::string_view s) { E_ << s; }

private:
    void Pose(std::string_view suivant) {
        if (!EnAttente_.empty()) {
            if (ElideDevant(Verbe_, suivant)) {
                E_ << EnAttente_.substr(0, EnAttente_.size() - 1);  // je: j', que: qu'
                E_ << '\'';
            } else {
                E_ << EnAttente_;
                E_ << ' ';
            }
            EnAttente_ = {};
        } else if (!Premier_) {
            E_ << ' ';
        }
        Premier_ = false;
    }

    TEcriture& E_;
    const TVerbe& Verbe_;
    std::string_view EnAttente_;
    bool Premier_ = true;
};

}  // namespace florimot
