// Where conjugue reads its texts and writes its results: file descriptors for
// the process, memory for the tests and the fuzzer.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace florimot {

struct Lecture {
    std::size_t taille = 0;  // bytes read; 0 with erreur 0 is the end of input
    int erreur = 0;          // errno of a failed read
};

class TEntree {
public:
    virtual ~TEntree() = default;
    virtual Lecture Lit(char* tampon, std::size_t capacite) = 0;
};

class TSortie {
public:
    virtual ~TSortie() = default;
    // Writes all of `octets`; 0, or the errno that stopped it.
    virtual int Ecrit(std::string_view octets) = 0;
};

class TEntreeFichier final : public TEntree {
public:
    explicit TEntreeFichier(int fd) : fd_(fd) {}
    Lecture Lit(char* tampon, std::size_t capacite) override;

private:
    int fd_;
};

// SIGINT and SIGTERM then end the program between two writes of a
// TSortieFichier, whose buffers end at a line's end, not in the middle of
// one; still killed by the signal, so the status is 130 or 143 as shells
// expect. Outside a write they end it at once, and a second one during a
// write too (a reader that stopped reading must not hold it up).
void TermineEntreEcritures();

class TSortieFichier final : public TSortie {
public:
    explicit TSortieFichier(int fd) : fd_(fd) {}
    int Ecrit(std::string_view octets) override;

private:
    int fd_;
};

// Hands out `texte` in pieces of at most `bloc` bytes, then the end of input,
// or `erreurFinale` when it is not 0.
class TEntreeMemoire final : public TEntree {
public:
    explicit TEntreeMemoire(std::string texte, std::size_t bloc = 1 << 16, int erreurFinale = 0)
        : texte_(std::move(texte)), bloc_(bloc == 0 ? 1 : bloc), erreurFinale_(erreurFinale) {}
    Lecture Lit(char* tampon, std::size_t capacite) override;
    std::size_t Lectures() const { return lectures_; }

private:
    std::string texte_;
    std::size_t bloc_;
    int erreurFinale_;
    std::size_t lu_ = 0;
    std::size_t lectures_ = 0;
};

// Keeps what is written and counts the writes. With `erreur` not 0, every
// write that would take the text past `limite` bytes fails with it.
class TSortieMemoire final : public TSortie {
public:
    TSortieMemoire() = default;
    TSortieMemoire(int erreur, std::size_t limite) : erreur_(erreur), limite_(limite) {}
    int Ecrit(std::string_view octets) override;
    const std::string& Texte() const { return texte_; }
    std::size_t Ecritures() const { return ecritures_; }

private:
    std::string texte_;
    std::size_t ecritures_ = 0;
    int erreur_ = 0;
    std::size_t limite_ = 0;
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

    struct Ligne {
        std::size_t numero;      // 1-based
        std::string_view texte;  // from its word on, without its line end; cut to LongueurGardee
        bool valide;             // UTF-8 without NUL, over the whole line
    };
    using Rappel = std::function<void(const Ligne&)>;

    explicit TLecteurLignes(Rappel rappel) : rappel_(std::move(rappel)) {}
    void Ajoute(std::string_view octets);
    void Termine();  // flushes a last line without "\n"

private:
    void Verifie(bool fin);
    void Emet();

    Rappel rappel_;
    std::string ligne_;      // kept part of the current line
    std::string enAttente_;  // bytes not yet judged (maybe a sequence cut between two blocks)
    std::size_t numero_ = 0;
    bool valide_ = true;
    bool commencee_ = false;
    bool coupee_ = false;  // bytes were dropped past LongueurGardee
};

}  // namespace florimot
