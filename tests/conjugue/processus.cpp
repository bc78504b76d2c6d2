#include "processus.hpp"

#include <fcntl.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "lexique.hpp"

std::string Lit(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

namespace {

// Runs `execute` (which replaces the process) in a child whose standard
// input holds `contenuEntree` (or is empty) and whose outputs are kept, in a
// folder of its own that goes when the run is over.
template <typename Execute>
Resultat Capture(const std::string& contenuEntree, bool avecEntree, Execute execute) {
    char modele[] = "/tmp/conjugue-test-XXXXXX";
    const std::string dossier = mkdtemp(modele);
    const std::string in = avecEntree ? dossier + "/in" : "/dev/null";
    const std::string out = dossier + "/out", err = dossier + "/err";
    if (avecEntree) std::ofstream(in, std::ios::binary) << contenuEntree;
    const pid_t pid = fork();
    if (pid == 0) {
        const int fi = open(in.c_str(), O_RDONLY);
        const int fo = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int fe = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(fi, 0);
        dup2(fo, 1);
        dup2(fe, 2);
        execute();
        _exit(127);
    }
    int etat = 0;
    waitpid(pid, &etat, 0);
    Resultat r;
    r.Statut = WIFEXITED(etat) ? WEXITSTATUS(etat) : -WTERMSIG(etat);
    r.Sortie = Lit(out);
    r.Erreurs = Lit(err);
    if (avecEntree) std::remove(in.c_str());
    std::remove(out.c_str());
    std::remove(err.c_str());
    rmdir(dossier.c_str());
    return r;
}

// The JSON a run wrote, kept for the schema's test (FLORIMOT_RECUEIL_JSON
// names its folder): one file a test process.
void Recueille(const std::vector<std::string>& arguments, const std::string& sortie) {
    const char* dossier = std::getenv("FLORIMOT_RECUEIL_JSON");
    if (dossier == nullptr ||
        std::find(arguments.begin(), arguments.end(), "--json") == arguments.end())
        return;
    std::ofstream(std::string(dossier) + "/" + std::to_string(getpid()) + ".jsonl",
                  std::ios::binary | std::ios::app)
        << sortie;
}

}  // namespace

Resultat Lance(const std::vector<std::string>& arguments, const std::string& entree) {
    Resultat r = Capture(entree, true, [&] {
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(CONJUGUE_EXE));
        for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(CONJUGUE_EXE, argv.data());
    });
    Recueille(arguments, r.Sortie);
    return r;
}

Resultat LanceScript(const std::string& script) {
    return Capture({}, false, [&] {
        setenv("CONJUGUE", CONJUGUE_EXE, 1);
        execl("/bin/bash", "bash", "-c", script.c_str(), static_cast<char*>(nullptr));
    });
}

Resultat LanceTerminal(const std::vector<std::string>& arguments,
                       const std::vector<std::string>& variables, unsigned short colonnes) {
    winsize taille{};
    taille.ws_row = 50;
    taille.ws_col = colonnes;
    int maitre = -1;
    const pid_t pid = forkpty(&maitre, nullptr, nullptr, &taille);
    if (pid == 0) {
        unsetenv("COLUMNS");
        unsetenv("NO_COLOR");
        for (const std::string& v : variables) putenv(const_cast<char*>(v.c_str()));
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(CONJUGUE_EXE));
        for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(CONJUGUE_EXE, argv.data());
        _exit(127);
    }
    Resultat r;
    if (pid < 0) return r;
    char bloc[4096];
    for (;;) {
        const ssize_t n = read(maitre, bloc, sizeof bloc);
        if (n > 0) {
            r.Sortie.append(bloc, static_cast<std::size_t>(n));
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            break;  // EIO once the program and its terminal are gone
        }
    }
    close(maitre);
    int etat = 0;
    waitpid(pid, &etat, 0);
    r.Statut = WIFEXITED(etat) ? WEXITSTATUS(etat) : -WTERMSIG(etat);
    std::string sansRetours;
    for (char c : r.Sortie)
        if (c != '\r') sansRetours += c;
    r.Sortie = std::move(sansRetours);
    return r;
}

bool DictionnaireDisponible() {
    static const bool disponible = florimot::TLexique().Disponible();
    return disponible;
}
