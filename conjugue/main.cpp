#include <sys/ioctl.h>
#include <unistd.h>

#include <clocale>
#include <csignal>
#include <cstdlib>
#include <string>
#include <vector>

#include "commande.hpp"
#include "flux.hpp"
#include "langue.hpp"

namespace {

int LargeurTerminal(int fd) {
    winsize taille{};
    if (ioctl(fd, TIOCGWINSZ, &taille) != 0) return 0;
    return taille.ws_col;
}

}  // namespace

int main(int argc, char** argv) {
    // A closed pipe shows as EPIPE on the write, which ends the run quietly
    // with its own status, instead of a signal that leaves no status at all.
    std::signal(SIGPIPE, SIG_IGN);
    florimot::TermineEntreEcritures();
    // System error texts in the user's language and character set.
    std::setlocale(LC_MESSAGES, "");
    std::setlocale(LC_CTYPE, "");
    // conjugue's own messages and help, chosen as gettext would.
    florimot::DefinitLangue(
        florimot::LangueDesMessages(std::getenv("LANGUAGE"), std::getenv("LC_ALL"),
                                    std::getenv("LC_MESSAGES"), std::getenv("LANG")));
    std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const bool terminal = isatty(STDOUT_FILENO) == 1;
    const florimot::TPresentation presentation =
        florimot::ChoisitPresentation(terminal, std::getenv("COLUMNS"), std::getenv("NO_COLOR"),
                                      terminal ? LargeurTerminal(STDOUT_FILENO) : 0);
    florimot::TEntreeFichier entree(STDIN_FILENO);
    florimot::TSortieFichier sortie(STDOUT_FILENO), erreurs(STDERR_FILENO);
    return florimot::ExecuteConjugue(arguments, entree, sortie, erreurs, presentation);
}
