#include "processus.hpp"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

std::string Lit(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

}  // namespace

Resultat Lance(const std::vector<std::string>& arguments, const std::string& entree) {
    char modele[] = "/tmp/conjugue-test-XXXXXX";
    const std::string dossier = mkdtemp(modele);
    const std::string in = dossier + "/in", out = dossier + "/out", err = dossier + "/err";
    std::ofstream(in, std::ios::binary) << entree;

    const pid_t pid = fork();
    if (pid == 0) {
        const int fi = open(in.c_str(), O_RDONLY);
        const int fo = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int fe = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(fi, 0);
        dup2(fo, 1);
        dup2(fe, 2);
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(CONJUGUE_EXE));
        for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(CONJUGUE_EXE, argv.data());
        _exit(127);
    }
    int etat = 0;
    waitpid(pid, &etat, 0);
    Resultat r;
    r.statut = WIFEXITED(etat) ? WEXITSTATUS(etat) : -WTERMSIG(etat);
    r.sortie = Lit(out);
    r.erreurs = Lit(err);
    std::remove(in.c_str());
    std::remove(out.c_str());
    std::remove(err.c_str());
    rmdir(dossier.c_str());
    return r;
}
