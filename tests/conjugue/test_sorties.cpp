// Failure paths of the command, its buffering, and where a line's word starts.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "commande.hpp"
#include "flux.hpp"
#include "processus.hpp"

namespace {

std::size_t CompteLignes(const std::string& texte) {
    return static_cast<std::size_t>(std::count(texte.begin(), texte.end(), '\n'));
}

// Standard input that never ends: one verb per read, for ever.
class TEntreeSansFin final : public florimot::TEntree {
public:
    florimot::TLectureFlux Lit(char* tampon, std::size_t capacite) override {
        ++Lectures;
        const std::string_view ligne = "parler\n";
        const std::size_t n = std::min(capacite, ligne.size());
        std::memcpy(tampon, ligne.data(), n);
        return {n, 0};
    }
    std::size_t Lectures = 0;
};

// One line per read, noting how much of the output was written by then.
class TEntreeTapee final : public florimot::TEntree {
public:
    explicit TEntreeTapee(const florimot::TSortieMemoire& sortie) : Sortie_(sortie) {}
    florimot::TLectureFlux Lit(char* tampon, std::size_t) override {
        EcritAvant.push_back(Sortie_.Texte().size());
        if (EcritAvant.size() > 2) return {};
        std::memcpy(tampon, "finir\n", 6);
        return {6, 0};
    }
    std::vector<std::size_t> EcritAvant;

private:
    const florimot::TSortieMemoire& Sortie_;
};

}  // namespace

TEST(ConjugueEchecs, EnProcessus) {
    struct Cas {
        const char* Script;
        int Statut;
        std::string Erreurs;  // expected start of standard error ("" for none at all)
    };
    const Cas cas[] = {
        // The output fails: end at once, not when the input does.
        {"yes parler | timeout 20 \"$CONJUGUE\" > /dev/full", florimot::SortieEcriture,
         "conjugue : impossible d'écrire la sortie : "},
        {"timeout 20 \"$CONJUGUE\" --tsv < /tmp", florimot::SortieLecture,
         "conjugue : lecture de l'entrée standard impossible : "},
        // A reader that has had enough closes the pipe: quiet, not a signal.
        {"yes parler | head -n 3000 | timeout 20 \"$CONJUGUE\" | head -c10 > /dev/null;"
         " exit \"${PIPESTATUS[2]}\"",
         florimot::SortieEcriture, ""},
    };
    for (const Cas& c : cas) {
        const Resultat r = LanceScript(c.Script);
        EXPECT_EQ(r.Statut, c.Statut) << c.Script << "\n" << r.Erreurs;
        if (c.Erreurs.empty()) {
            EXPECT_EQ(r.Erreurs, "") << c.Script;
        } else {
            EXPECT_EQ(r.Erreurs.rfind(c.Erreurs, 0), 0u) << r.Erreurs;
            EXPECT_EQ(CompteLignes(r.Erreurs), 1u) << r.Erreurs;
            EXPECT_GT(r.Erreurs.size(), c.Erreurs.size() + 1) << "the system's reason is missing";
        }
    }
}

TEST(ConjugueEchecs, PremiereEcritureManqueeArreteTout) {
    for (const int erreur : {ENOSPC, EPIPE}) {
        TEntreeSansFin entree;
        florimot::TSortieMemoire sortie(erreur, 0), erreurs;
        EXPECT_EQ(florimot::ExecuteConjugue({"--tsv"}, entree, sortie, erreurs),
                  florimot::SortieEcriture);
        EXPECT_EQ(sortie.Ecritures(), 1u);
        EXPECT_LE(entree.Lectures, 2u);
        EXPECT_EQ(erreurs.Texte().empty(), erreur == EPIPE) << erreurs.Texte();
    }
}

TEST(ConjugueEchecs, LectureManqueeApresDesLignes) {
    // Blocks of 5 bytes: the failure comes in the middle of "pre".
    florimot::TEntreeMemoire entree("parler\nfinir\npre", 5, EIO);
    florimot::TSortieMemoire sortie, erreurs;
    EXPECT_EQ(florimot::ExecuteConjugue({"--tsv"}, entree, sortie, erreurs),
              florimot::SortieLecture);
    EXPECT_EQ(CompteLignes(sortie.Texte()), 2u * 98);
    EXPECT_EQ(erreurs.Texte(),
              std::string("conjugue : lecture de l'entrée standard impossible : ") +
                  std::strerror(EIO) + "\n");
}

TEST(ConjugueTampons, PeuDEcrituresPourBeaucoupDeNonVerbes) {
    std::string lot;
    for (int i = 0; i < 5000; ++i) lot += "maison\n";
    struct Cas {
        const char* Format;
        std::size_t EcrituresMax;
    };
    // Before, each non-verb cost a write on each side: 10,000 writes.
    for (const Cas& c : {Cas{"--tsv", 200}, Cas{"--json", 10}, Cas{"--", 4}}) {
        florimot::TEntreeMemoire entree(lot);
        florimot::TSortieMemoire sortie, erreurs;
        EXPECT_EQ(florimot::ExecuteConjugue({c.Format}, entree, sortie, erreurs),
                  florimot::SortieNonVerbe);
        EXPECT_LE(sortie.Ecritures() + erreurs.Ecritures(), c.EcrituresMax) << c.Format;
        EXPECT_EQ(CompteLignes(erreurs.Texte()), 5000u);
        EXPECT_EQ(erreurs.Texte().rfind("maison : Ceci n'est pas un Verbe\n", 0), 0u);
    }
}

TEST(ConjugueTampons, ChaqueReponseMontreeAvantDAttendreLaSuivante) {
    florimot::TSortieMemoire sortie, erreurs;
    TEntreeTapee entree(sortie);
    EXPECT_EQ(florimot::ExecuteConjugue({"--tsv"}, entree, sortie, erreurs), 0);
    ASSERT_EQ(entree.EcritAvant.size(), 3u);
    EXPECT_EQ(entree.EcritAvant[0], 0u);
    EXPECT_EQ(entree.EcritAvant[1], sortie.Texte().size() / 2);
    EXPECT_EQ(entree.EcritAvant[2], sortie.Texte().size());
}

TEST(ConjugueLecture, UneLigneSeLitCommeLeMemeArgument) {
    const std::string textes[] = {
        std::string(4094, ' ') + "parler",
        std::string(5000, ' ') + "finir tout",
        "\t \x01\x7f"
        "aimer",
        std::string(5000, 'a') + "er",
        "  bruire\r",
    };
    for (const std::string& t : textes) {
        florimot::TEntreeMemoire ligne(t + "\n", 1000), rien("");
        florimot::TSortieMemoire parLigne, parArgument, e1, e2;
        const int s1 = florimot::ExecuteConjugue({"--tsv"}, ligne, parLigne, e1);
        const int s2 = florimot::ExecuteConjugue({"--tsv", "--", t}, rien, parArgument, e2);
        EXPECT_EQ(s1, s2) << t.substr(0, 30);
        EXPECT_EQ(parLigne.Texte(), parArgument.Texte()) << t.substr(0, 30);
        EXPECT_EQ(CompteLignes(parLigne.Texte()), 98u);
    }
    florimot::TEntreeMemoire ligne(std::string(4094, ' ') + "parler\n");
    florimot::TSortieMemoire sortie, erreurs;
    EXPECT_EQ(florimot::ExecuteConjugue({"--tsv"}, ligne, sortie, erreurs), 0);
    EXPECT_EQ(sortie.Texte().rfind("parler\tGroupe\t0\tGroupe : 1\n", 0), 0u);
}

// Standard output a pipe left non-blocking, read slowly: the writer waits
// for room and nothing is lost.
TEST(ConjugueEchecs, SortieNonBloquanteAttendLeLecteur) {
    int tube[2];
    ASSERT_EQ(::pipe(tube), 0);
    ASSERT_EQ(::fcntl(tube[1], F_SETFL, O_NONBLOCK), 0);
    std::string lu;
    std::thread lecteur([&] {
        char bloc[8192];
        for (ssize_t n; std::this_thread::sleep_for(std::chrono::milliseconds(2)),
                        (n = ::read(tube[0], bloc, sizeof bloc)) > 0;)
            lu.append(bloc, static_cast<std::size_t>(n));
    });
    const std::string texte(1 << 19, 'x');
    EXPECT_EQ(florimot::TSortieFichier(tube[1]).Ecrit(texte), 0);
    ::close(tube[1]);
    lecteur.join();
    ::close(tube[0]);
    EXPECT_EQ(lu, texte);
}
