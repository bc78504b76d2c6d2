#include "flux.hpp"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace florimot {

Lecture TEntreeFichier::Lit(char* tampon, std::size_t capacite) {
    for (;;) {
        const ssize_t n = ::read(fd_, tampon, capacite);
        if (n >= 0) return {static_cast<std::size_t>(n), 0};
        if (errno != EINTR) return {0, errno};
    }
}

int TSortieFichier::Ecrit(std::string_view octets) {
    while (!octets.empty()) {
        const ssize_t n = ::write(fd_, octets.data(), octets.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            // A descriptor left non-blocking by whoever started us (a shared
            // pipe): wait until the reader makes room rather than lose the rest.
            if (errno == EAGAIN || errno == EWOULDBLOCK) {
                pollfd attente{fd_, POLLOUT, 0};
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

Lecture TEntreeMemoire::Lit(char* tampon, std::size_t capacite) {
    ++lectures_;
    const std::size_t n = std::min({capacite, bloc_, texte_.size() - lu_});
    if (n == 0) return {0, erreurFinale_};
    std::memcpy(tampon, texte_.data() + lu_, n);
    lu_ += n;
    return {n, 0};
}

int TSortieMemoire::Ecrit(std::string_view octets) {
    ++ecritures_;
    if (erreur_ != 0 && texte_.size() + octets.size() > limite_) return erreur_;
    texte_ += octets;
    return 0;
}

}  // namespace florimot
