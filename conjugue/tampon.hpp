// Standard output's buffer: a string that a writer can also fill in place.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

namespace florimot {

// Unlike std::string, room asked for with Reserve is not filled with zeros
// first: the engine writes a grid straight into it, and a grid's bound is
// several times what it takes.
class TTamponSortie {
public:
    // At least `n` writable bytes from the returned pointer on; Valide then
    // says where what was written ends.
    char* Reserve(std::size_t n) {
        if (capacite_ - Taille_ < n) Agrandit(Taille_ + n);
        return Octets_.get() + Taille_;
    }
    void Valide(const char* fin) { Taille_ = static_cast<std::size_t>(fin - Octets_.get()); }

    TTamponSortie& operator+=(std::string_view s) {
        // memcpy's pointers must be valid even for no bytes: an empty view
        // may hold none.
        if (s.empty()) return *this;
        std::memcpy(Reserve(s.size()), s.data(), s.size());
        Taille_ += s.size();
        return *this;
    }
    TTamponSortie& operator+=(char c) {
        *Reserve(1) = c;
        ++Taille_;
        return *this;
    }
    void append(std::size_t n, char c) {
        if (n == 0) return;
        std::memset(Reserve(n), c, n);
        Taille_ += n;
    }
    // Only within room asked for with Reserve.
    void AjouteReserve(char c) { Octets_[Taille_++] = c; }

    std::size_t size() const { return Taille_; }
    bool empty() const { return Taille_ == 0; }
    void clear() { Taille_ = 0; }
    // Room for `n` bytes in all, made at once (unlike Reserve, nothing is
    // handed out to write in).
    void Prevoit(std::size_t n) {
        if (n > capacite_) Agrandit(n);
    }
    operator std::string_view() const { return {Octets_.get(), Taille_}; }

private:
    void Agrandit(std::size_t besoin) {
        std::size_t capacite = capacite_ == 0 ? 4096 : capacite_;
        while (capacite < besoin) capacite *= 2;
        auto octets = std::make_unique_for_overwrite<char[]>(capacite);
        if (Taille_ > 0) std::memcpy(octets.get(), Octets_.get(), Taille_);
        Octets_ = std::move(octets);
        capacite_ = capacite;
    }

    std::unique_ptr<char[]> Octets_;
    std::size_t Taille_ = 0, capacite_ = 0;
};

}  // namespace florimot
