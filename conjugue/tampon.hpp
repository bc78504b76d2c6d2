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
        if (capacite_ - taille_ < n) Agrandit(taille_ + n);
        return octets_.get() + taille_;
    }
    void Valide(const char* fin) { taille_ = static_cast<std::size_t>(fin - octets_.get()); }

    TTamponSortie& operator+=(std::string_view s) {
        // memcpy's pointers must be valid even for no bytes: an empty view
        // may hold none.
        if (s.empty()) return *this;
        std::memcpy(Reserve(s.size()), s.data(), s.size());
        taille_ += s.size();
        return *this;
    }
    TTamponSortie& operator+=(char c) {
        *Reserve(1) = c;
        ++taille_;
        return *this;
    }
    void append(std::size_t n, char c) {
        if (n == 0) return;
        std::memset(Reserve(n), c, n);
        taille_ += n;
    }
    // Only within room asked for with Reserve.
    void AjouteReserve(char c) { octets_[taille_++] = c; }

    std::size_t size() const { return taille_; }
    bool empty() const { return taille_ == 0; }
    void clear() { taille_ = 0; }
    // Room for `n` bytes in all, made at once (unlike Reserve, nothing is
    // handed out to write in).
    void Prevoit(std::size_t n) {
        if (n > capacite_) Agrandit(n);
    }
    operator std::string_view() const { return {octets_.get(), taille_}; }

private:
    void Agrandit(std::size_t besoin) {
        std::size_t capacite = capacite_ == 0 ? 4096 : capacite_;
        while (capacite < besoin) capacite *= 2;
        auto octets = std::make_unique_for_overwrite<char[]>(capacite);
        if (taille_ > 0) std::memcpy(octets.get(), octets_.get(), taille_);
        octets_ = std::move(octets);
        capacite_ = capacite;
    }

    std::unique_ptr<char[]> octets_;
    std::size_t taille_ = 0, capacite_ = 0;
};

}  // namespace florimot
