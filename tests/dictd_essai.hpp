// A dictionary in dictd's format that a test writes itself: its .index, and
// its articles compressed with gzip as dictzip does.
#pragma once

#include <zlib.h>

#include <fstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace essais {

inline bool EcritDictd(const std::string& base,
                       const std::vector<std::pair<std::string, std::string>>& articles) {
    const auto base64 = [](std::size_t n) {
        constexpr std::string_view C =
            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
        std::string s;
        do {
            s.insert(s.begin(), C[n % 64]);
            n /= 64;
        } while (n > 0);
        return s;
    };
    std::string texte, index;
    for (const auto& [mot, article] : articles) {
        index += mot + "\t" + base64(texte.size()) + "\t" + base64(article.size()) + "\n";
        texte += article;
    }
    std::ofstream(base + ".index") << index;
    gzFile f = gzopen((base + ".dict.dz").c_str(), "wb");
    if (f == nullptr) return false;
    const bool ecrit = gzwrite(f, texte.data(), static_cast<unsigned>(texte.size())) ==
                       static_cast<int>(texte.size());
    return gzclose(f) == Z_OK && ecrit;
}

// The two FreeDict dictionaries the tests read, small: a few verbs, a noun
// whose English is also a verb's, a pronominal verb.
inline bool EcritFreeDictEssai(const std::string& dossier) {
    return EcritDictd(
               dossier + "/freedict-fra-eng",
               {{"00databaseshort", "00databaseshort\n     Essai français-anglais\n"},
                {"accueillir", "accueillir /akœjiʀ/ <v>\n1. accept, receive\n2. welcome, greet\n"},
                {"aller", "aller /ale/ <v>\ngo, travel\n"},
                {"foyer", "foyer /fwaje/ <n, masc>\nhome, hearth\n"},
                {"lever", "lever /ləve/ <v>\nlift, raise\n"},
                {"manger", "manger /mɑ̃ʒe/ <v>\neat\n"},
                {"maison", "maison /mɛzɔ̃/ <n, fem>\nhouse, home\n"},
                {"se lever", "se lever /sələve/ <v>\nget up, rise\n"},
                {"voir", "voir /vwaʀ/ <v>\nsee\n"}}) &&
           EcritDictd(dossier + "/freedict-eng-fra",
                      {{"go", "go /gou/\n1. aller, se déplacer\n2. aller en véhicule\n"},
                       {"home", "home /həum/\nmaison, foyer\n"},
                       {"see", "see /siː/\nvoir\n"},
                       {"welcome", "welcome /welkəm/\n1. accueillir\n2. bienvenue\n"}});
}

}  // namespace essais
