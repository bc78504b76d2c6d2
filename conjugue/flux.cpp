#include "flux.hpp"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>

#include "saisie.hpp"
#include "utf8.hpp"

namespace florimot {

namespace {

// The one-byte blanks before a word (space and control bytes), which the
// line reader skips so that a long line keeps its word; the engine reads the
// longer ones (U+00A0, U+2028 …) as blanks itself.
bool EstBlanc(char c) {
    const auto o = static_cast<unsigned char>(c);
    return o <= 0x20 || o == 0x7F;
}

// No UTF-8 sequence is longer.
constexpr std::size_t SequenceMax = 4;

volatile std::sig_atomic_t EnEcriture = 0;
volatile std::sig_atomic_t Attendu = 0;

void Meurt(int signal) {
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

extern "C" void Recoit(int signal) {
    if (EnEcriture != 0 && Attendu == 0)
        Attendu = signal;
    else
        Meurt(signal);
}

// Marks a write under way; at its end, a signal that came meanwhile ends
// the program.
class TEcriture {
public:
    TEcriture() { EnEcriture = 1; }
    ~TEcriture() {
        EnEcriture = 0;
        if (Attendu != 0) Meurt(Attendu);
    }
    TEcriture(const TEcriture&) = delete;
    TEcriture& operator=(const TEcriture&) = delete;
};

}  // namespace

void TermineEntreEcritures() {
    struct sigaction action {};
    action.sa_handler = Recoit;
    sigemptyset(&action.sa_mask);
    // A write cut by the signal goes on where it was.
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

TLectureFlux TEntreeFichier::Lit(char* tampon, std::size_t capacite) {
    for (;;) {
        const ssize_t n = ::read(Fd_, tampon, capacite);
        if (n >= 0) return {static_cast<std::size_t>(n), 0};
        if (errno != EINTR) return {0, errno};
    }
}

int TSortieFichier::Ecrit(std::string_view octets) {
    const TEcriture enCours;
    while (!octets.empty()) {
        const ssize_t n = ::write(Fd_, octets.data(), octets.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            // A descriptor left non-blocking by whoever started us (a shared
            // pipe): wait until the reader makes room rather than lose the rest.
            if (errno == EAGAIN || errno == EWOULDBLOCK) {
                pollfd attente{Fd_, POLLOUT, 0};
                if (::poll(&attente, 1, -1) < 0 && errno != EINTR) return errno;
                continue;
            }
            return errno;
        }
        if (n == 0) return EIO;  // never for a non-empty write; do not spin on it
        octets.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

TLectureFlux TEntreeMemoire::Lit(char* tampon, std::size_t capacite) {
    ++Lectures_;
    const std::size_t n = std::min({capacite, Bloc_, Texte_.size() - Lu_});
    if (n == 0) return {0, ErreurFinale_};
    std::memcpy(tampon, Texte_.data() + Lu_, n);
    Lu_ += n;
    return {n, 0};
}

int TSortieMemoire::Ecrit(std::string_view octets) {
    ++Ecritures_;
    if (Erreur_ != 0 && Texte_.size() + octets.size() > Limite_) return Erreur_;
    Texte_ += octets;
    return 0;
}

void TLecteurLignes::Verifie(bool fin) {
    while (!EnAttente_.empty()) {
        const utf8::TDecodage d = utf8::Decode(EnAttente_);
        // Too short to be judged yet: the rest of the sequence may be in the
        // next block. Judged then on the same bytes as a whole line would be.
        if (!d.Valide && !fin && EnAttente_.size() < SequenceMax) return;
        if (!d.Valide || d.Point == 0) Valide_ = false;
        EnAttente_.erase(0, d.Taille);
    }
}

void TLecteurLignes::Emet() {
    Verifie(true);
    ++Numero_;
    if (!Ligne_.empty() && Ligne_.back() == '\r' && !Coupee_) Ligne_.pop_back();
    // Blanks alone are the one-blank word, as for an argument; a lone "\r"
    // is the end of an empty line.
    // A line of blanks, control and invisible characters (tab, U+00A0,
    // U+3000, a byte-order mark …) is as empty as an empty line; one cut
    // short may hold a word past the part kept, and is given.
    const bool blanche = !Coupee_ && EstTexteBlanc(Ligne_);
    if (!blanche || !Valide_) Rappel_(TLigneFlux{Numero_, Ligne_, Valide_});
    Ligne_.clear();
    Valide_ = true;
    Commencee_ = false;
    Coupee_ = false;
}

void TLecteurLignes::Ajoute(std::string_view octets) {
    for (char c : octets) {
        if (c == '\n') {
            Emet();
            continue;
        }
        Commencee_ = true;
        if (Ligne_.empty() && EstBlanc(c)) {
            // skipped before the word; a NUL among them is still judged below
        } else if (Ligne_.size() < LongueurGardee) {
            Ligne_ += c;
        } else {
            Coupee_ = true;
        }
        if (EnAttente_.empty() && c > 0 && static_cast<unsigned char>(c) < 0x80) continue;  // ASCII
        EnAttente_ += c;
        Verifie(false);
    }
}

void TLecteurLignes::Termine() {
    if (Commencee_) Emet();
}

}  // namespace florimot
