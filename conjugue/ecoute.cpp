#include "ecoute.hpp"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

extern char** environ;

namespace florimot {

std::string ProgrammeParole() {
    const char* p = std::getenv("FLORIMOT_PAROLE");
    return p != nullptr && *p != '\0' ? p : "espeak-ng";
}

bool ParoleDisponible() {
    const std::string programme = ProgrammeParole();
    if (programme.find('/') != std::string::npos) return access(programme.c_str(), X_OK) == 0;
    const char* chemin = std::getenv("PATH");
    std::string_view reste = chemin != nullptr ? chemin : "/usr/bin:/bin";
    for (;;) {
        const std::size_t fin = reste.find(':');
        const std::string_view dossier = reste.substr(0, fin);
        std::string essai;
        essai.reserve(dossier.size() + programme.size() + 2);
        essai.append(dossier.empty() ? std::string_view(".") : dossier)
            .append(1, '/')
            .append(programme);
        if (access(essai.c_str(), X_OK) == 0) return true;
        if (fin == std::string_view::npos) return false;
        reste.remove_prefix(fin + 1);
    }
}

int Dit(std::string_view texte) {
    if (texte.empty()) return 0;
    std::string programme = ProgrammeParole(), v = "-v", fr = "fr", dit(texte);
    // "--" keeps a line that starts with a hyphen from being read as an option.
    std::string fin = "--";
    std::vector<char*> argv = {programme.data(), v.data(),   fr.data(),
                               fin.data(),       dit.data(), nullptr};
    pid_t pid = 0;
    if (const int e = posix_spawnp(&pid, programme.c_str(), nullptr, nullptr, argv.data(), environ);
        e != 0)
        return e;
    int statut = 0;
    while (waitpid(pid, &statut, 0) < 0)
        if (errno != EINTR) return errno;
    return 0;
}

}  // namespace florimot
