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
    explicit TEcriture(char* debut) : p_(debut) {}
    void operator<<(std::string_view s) {
        CopieCourte(p_, s.data(), s.size());
        p_ += s.size();
    }
    void operator<<(char c) { *p_++ = c; }
    char* Position() const { return p_; }
    // Forgets what was written since `p`.
    void Recule(char* p) { p_ = p; }

private:
    char* p_;
};

// Words separated by blanks, where je, me, te, se, ne and que elide before
// the word that follows them (j'aime, ne m'habitue, qu'il).
class TPhrase {
public:
    TPhrase(TEcriture& e, const TVerbe& verbe) : e_(e), verbe_(verbe) {}
    void Elidable(std::string_view mot) {
        Pose(mot);
        enAttente_ = mot;
    }
    void Mot(std::string_view mot) {
        Pose(mot);
        e_ << mot;
    }
    // Starts a word the caller writes itself, piece by piece.
    TEcriture& NouveauMot() {
        Pose({});
        return e_;
    }
    // Glued to the word before: "-t-il", "-toi", " ?".
    void Colle(std::string_view s) { e_ << s; }

private:
    void Pose(std::string_view suivant) {
        if (!enAttente_.empty()) {
            if (ElideDevant(verbe_, suivant)) {
                e_ << enAttente_.substr(0, enAttente_.size() - 1);  // je: j', que: qu'
                e_ << '\'';
            } else {
                e_ << enAttente_;
                e_ << ' ';
            }
            enAttente_ = {};
        } else if (!premier_) {
            e_ << ' ';
        }
        premier_ = false;
    }

    TEcriture& e_;
    const TVerbe& verbe_;
    std::string_view enAttente_;
    bool premier_ = true;
};

}  // namespace florimot
