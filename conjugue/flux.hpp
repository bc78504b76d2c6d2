// Where conjugue reads its texts and writes its results: file descriptors for
// the process, memory for the tests and the fuzzer.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace florimot {

struct TLectureFlux {
    std::size_t Taille = 0;  // bytes read; 0 with erreur 0 is the end of input
    int Erreur = 0;          // errno of a failed read
};

class TEntree {
public:
    virtual ~TEntree() = default;
    virtual TLectureFlux Lit(char* tampon, std::size_t capacite) = 0;
};

class TSortie {
public:
    virtual ~TSortie() = default;
    // Writes all of `octets`; 0, or the errno that stopped it.
    virtual int Ecrit(std::string_view octets) = 0;
};

class TEntreeFichier final : public TEntree {
public:
    explicit TEntreeFichier(int fd) : Fd_(fd) {}
    TLectureFlux Lit(char* tampon, std::size_t capacite) override;

private:
    int Fd_;
};

// SIGINT and SIGTERM then end the program between two writes of a
// TSortieFichier, whose buffers end at a line's end, not in the middle of
// one; still killed by the signal, so the status is 130 or 143 as shells
// expect. Outside a write they end it at once, and a second one during a
// write too (a reader that stopped reading must not hold it up).
void TermineEntreEcritures();

class TSortieFichier final : public TSortie {
public:
    explicit TSortieFichier(int fd) : Fd_(fd) {}
    int Ecrit(std::string_view octets) override;

private:
    int Fd_;
};

// Hands out `texte` in pieces of at most `bloc` bytes, then the end of input,
// or `erreurFinale` when it is not 0.
class TEntreeMemoire final : public TEntree {
public:
    explicit TEntreeMemoire(std::string texte, std::size_t bloc = 1 << 16, int erreurFinale = 0)
        : Texte_(std::move(texte)), Bloc_(bloc == 0 ? 1 : bloc), ErreurFinale_(erreurFinale) {}
    TLectureFlux Lit(char* tampon, std::size_t capacite) override;
    std::size_t Lectures() const { return Lectures_; }

private:
    std::string Texte_;
    std::size_t Bloc_;
    int ErreurFinale_;
    std::size_t Lu_ = 0;
    std::size_t Lectures_ = 0;
};

// Keeps what is written and counts the writes. With `erreur` not 0, every
// write that would take the text past `limite` bytes fails with it.
class TSortieMemoire final : public TSortie {
public:
    TSortieMemoire() = default;
    TSortieMemoire(int erreur, std::size_t limite) : Erreur_(erreur), Limite_(limite) {}
    int Ecrit(std::string_view octets) override;
    const std::string& Texte() const { return Texte_; }
    std::size_t Ecritures() const { return Ecritures_; }

private:
    std::string Texte_;
    std::size_t Ecritures_ = 0;
    int Erreur_ = 0;
    std::size_t Limite_ = 0;
};

// Splits a byte stream into lines ("\n", "\r\n"), whatever their length or
// content. Blanks before a line's word are skipped, as the engine skips them in
// an argument; from the word on, a line is kept only as its first
// LongueurGardee bytes (a word is never longer than 24 letters), but its
// validity is judged on all of it. A line of nothing but blanks, control and
// invisible characters is skipped like an empty one.
class TLecteurLignes {
public:
    static constexpr std::size_t LongueurGardee = 4096;

    struct TLigneFlux {
        std::size_t Numero;      // 1-based
        std::string_view Texte;  // from its word on, without its line end; cut to LongueurGardee
        bool Valide;             // UTF-8 without NUL, over the whole line
    };
    using Rappel = std::function<void(const TLigneFlux&)>;

    explicit TLecteurLignes(Rappel rappel) : Rappel_(std::move(rappel)) {}
    void Ajoute(std::string_view octets);
    void Termine();  // flushes a last line without "\n"

private:
    void Verifie(bool fin);
    void Emet();

    Rappel Rappel_;
    std::string Ligne_;      // kept part of the current line
    std::string EnAttente_;  // bytes not yet judged (maybe a sequence cut between two blocks)
    std::size_t Numero_ = 0;
    bool Valide_ = true;
    bool Commencee_ = false;
    bool Coupee_ = false;  // bytes were dropped past LongueurGardee
};

}  // namespace florimot
