// Just enough UTF-8 for the engine's boundary and the command line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace florimot::utf8 {

inline constexpr char32_t Remplacement = 0xFFFD;

struct TDecodage {
    char32_t Point;
    std::size_t Taille;  // bytes consumed, at least 1
    bool Valide;
};

// Decodes the character at the start of `s` (which must not be empty).
// A malformed sequence, overlong form, surrogate or value past U+10FFFF
// consumes one byte and is reported invalid.
constexpr TDecodage Decode(std::string_view s) {
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char c = b(0);
    if (c < 0x80) return {c, 1, true};
    std::size_t n = 0;
    char32_t point = 0, minimum = 0;
    if ((c & 0xE0) == 0xC0) {
        n = 2;
        point = c & 0x1F;
        minimum = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
        n = 3;
        point = c & 0x0F;
        minimum = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
        n = 4;
        point = c & 0x07;
        minimum = 0x10000;
    } else
        return {Remplacement, 1, false};
    if (s.size() < n) return {Remplacement, 1, false};
    for (std::size_t i = 1; i < n; ++i) {
        if ((b(i) & 0xC0) != 0x80) return {Remplacement, 1, false};
        point = (point << 6) | (b(i) & 0x3F);
    }
    if (point < minimum || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
        return {Remplacement, 1, false};
    return {point, n, true};
}

inline void Encode(char32_t point, std::string& sortie) {
    if (point < 0x80) {
        sortie += static_cast<char>(point);
    } else if (point < 0x800) {
        sortie += static_cast<char>(0xC0 | (point >> 6));
        sortie += static_cast<char>(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        sortie += static_cast<char>(0xE0 | (point >> 12));
        sortie += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        sortie += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        sortie += static_cast<char>(0xF0 | (point >> 18));
        sortie += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
        sortie += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        sortie += static_cast<char>(0x80 | (point & 0x3F));
    }
}

// The code points of `s`, an invalid sequence as Remplacement.
inline std::u32string Points(std::string_view s) {
    std::u32string r;
    while (!s.empty()) {
        const TDecodage d = Decode(s);
        r += d.Point;
        s.remove_prefix(d.Taille);
    }
    return r;
}

constexpr bool EstValide(std::string_view s) {
    while (!s.empty()) {
        const TDecodage d = Decode(s);
        if (!d.Valide) return false;
        s.remove_prefix(d.Taille);
    }
    return true;
}

// The characters of valid UTF-8 text, the bytes that start one: what
// Decode counts, without decoding, on text EstValide accepts (on any other
// Decode counts each bad byte as one).
constexpr std::size_t Caracteres(std::string_view s) {
    std::size_t n = 0;
    for (const char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

// The accented letters of French, and the letter each is typed as without its
// accent, place for place.
inline constexpr std::u32string_view LettresAccentuees = U"àâäéèêëîïôöùûüçÿ";
inline constexpr std::u32string_view LettresDeBase = U"aaaeeeeiioouuucy";
static_assert(LettresAccentuees.size() == LettresDeBase.size());

// `point` without its accent (é → e); any other point as it is.
constexpr char32_t SansAccent(char32_t point) {
    const std::size_t k = LettresAccentuees.find(point);
    return k == std::u32string_view::npos ? point : LettresDeBase[k];
}

// `s` as it is typed without accents, œ and æ written out: "élève" → "eleve",
// "œuvrer" → "oeuvrer". One folding for every comparison and sort that should
// not care about accents, so that they all agree.
inline std::string SansAccents(std::string_view s) {
    std::string r;
    r.reserve(s.size());
    while (!s.empty()) {
        const TDecodage d = Decode(s);
        if (d.Point == U'œ')
            r += "oe";
        else if (d.Point == U'æ')
            r += "ae";
        else if (const char32_t base = SansAccent(d.Point); base != d.Point)
            Encode(base, r);
        else
            r.append(s.substr(0, d.Taille));
        s.remove_prefix(d.Taille);
    }
    return r;
}

}  // namespace florimot::utf8
