// The form index: every form of every known verb, with its readings, looked
// up in one hash probe or two.
//
// It is generated at build time (generateur/genere_index.cpp) from the engine's
// own grids and assembled into the library as read-only data. Building it
// at start-up would mean five grids for each of the dictionary's 8,400
// verbs, some 0.7 s of processor time here (the generator's own figure),
// where a first answer has 15 ms; the generated table costs nothing
// at start-up: its pages are mapped with the program and read in only where
// a look-up lands, so a run that analyses one form touches a few pages of
// its 12 MB. Being part of the program, it can never be missing or stale.
//
// Layout, all 32-bit words in the machine's order (the generator runs where
// the library is built):
//   header  Magie, Version, verbs, forms, slots, record words, text bytes,
//           tail bytes
//   verbs   per verb: text offset, length; in reading order (être and avoir
//           first, then alphabetical with accents folded)
//   byte    the verb numbers in byte order of their infinitives
//   slots   open addressing over the forms, a power of two: the form's hash
//           and where its record starts + 1 (0: empty)
//   records per form: number of readings << 8 | length in bytes, the
//           readings, then the form's UTF-8 padded to a word. One record
//           holds all a look-up reads past its slot, so a look-up reads
//           two places of the table, not four.
//   text    the infinitives, UTF-8, end to end
//   tails   the guesses' table of tails (TexteDesQueues), UTF-8
// A reading: verb << 11 | variante << 10 | rectifiee << 9 | inversion << 8 |
// cell << 3 | person (cell: its rank in GrilleComplete; inversion: the word before an
// inverted je, "puis" of puis-je, where it is not the bare form; rectifiee,
// variante: a form of that spelling or series only, "connait", "paye"). The
// dictionary's words that are no verb form have none.
#pragma once

#include <cstdint>
#include <mutex>
#include <span>
#include <string_view>
#include <vector>

#include "hachage.hpp"

namespace florimot::lexique {

inline constexpr std::uint32_t IndexMagie = 0x49584c46;  // "FLXI"
inline constexpr std::uint32_t IndexVersion = 5;
inline constexpr std::uint32_t CelluleParticipePasse = 20;

using florimot::Hache;

constexpr std::uint32_t Lecture(std::uint32_t verbe, std::uint32_t cellule, std::uint32_t personne,
                                bool inversion, bool rectifiee = false, bool variante = false) {
    return verbe << 11 | static_cast<std::uint32_t>(variante) << 10 |
           static_cast<std::uint32_t>(rectifiee) << 9 | static_cast<std::uint32_t>(inversion) << 8 |
           cellule << 3 | personne;
}
constexpr std::uint32_t VerbeDe(std::uint32_t lecture) {
    return lecture >> 11;
}
constexpr bool RectifieeDe(std::uint32_t lecture) {
    return (lecture >> 9 & 1) != 0;
}
constexpr bool VarianteDe(std::uint32_t lecture) {
    return (lecture >> 10 & 1) != 0;
}
constexpr bool InversionDe(std::uint32_t lecture) {
    return (lecture >> 8 & 1) != 0;
}
constexpr std::uint32_t CelluleDe(std::uint32_t lecture) {
    return lecture >> 3 & 31;
}
constexpr std::uint32_t PersonneDe(std::uint32_t lecture) {
    return lecture & 7;
}

class TIndexFormes {
public:
    // The index assembled into the program; an empty one when it is damaged
    // (or the program was built without a dictionary).
    static const TIndexFormes& Programme();
    // Over any words laid out as above (tests); empty when they are not.
    explicit TIndexFormes(std::span<const std::uint32_t> mots);

    // The readings of a form, sorted: verb order, then grid order. Empty
    // when the form is no known verb's; `connu` then says whether it is a
    // word of the dictionary all the same ("maison").
    std::span<const std::uint32_t> Cherche(std::string_view forme, bool* connu = nullptr) const;
    std::string_view Infinitif(std::uint32_t verbe) const;
    // Whether the infinitive is a known verb: a filter of the infinitives'
    // hashes, made at the first question (a guess asks a dozen a miss, and
    // a probe of the whole table misses the processor's cache each time),
    // then the byte-order search.
    bool Connu(std::string_view infinitif) const { return Connu(infinitif, Hache(infinitif)); }
    // The same when its hash (Hache) is already made.
    bool Connu(std::string_view infinitif, std::uint32_t hache) const;
    std::uint32_t NombreVerbes() const { return Verbes_; }
    std::uint32_t NombreFormes() const { return Formes_; }
    // The guesses' table of tails; "" when the table has none.
    std::string_view Queues() const { return Queues_; }

private:
    std::span<const std::uint32_t> Mots_;
    std::uint32_t Verbes_ = 0, Formes_ = 0, alveoles_ = 0, fiches_ = 0, Octets_ = 0;
    const std::uint32_t *Verbe_ = nullptr, *ordre_ = nullptr, *alveole_ = nullptr,
                        *fiche_ = nullptr;
    const char* Texte_ = nullptr;
    std::string_view Queues_;
    mutable std::once_flag FiltreFait_;
    mutable std::vector<std::uint64_t> Filtre_;  // a bit per hash, low bits
    std::string_view Texte(const std::uint32_t* paire) const {
        return {Texte_ + paire[0], paire[1]};
    }
};

}  // namespace florimot::lexique
