// The one door to libhunspell: the rest of the lexicon compiles and runs
// the same whether this build has it or not. Two implementations, one
// chosen by the build: dictionnaire/hunspell.cpp, dictionnaire/absent.cpp.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace florimot::lexique {

class TDictionnaire {
public:
    // Whether this build reads dictionaries at all.
    static bool Compile();
    // The dictionary of these two files, which the caller has found
    // readable; nullptr in a build without libhunspell.
    static std::unique_ptr<TDictionnaire> Ouvre(const std::filesystem::path& aff,
                                                const std::filesystem::path& dic);
    ~TDictionnaire();
    TDictionnaire(const TDictionnaire&) = delete;
    TDictionnaire& operator=(const TDictionnaire&) = delete;

    // The dictionary's morphological entries for a word ("st:aller po:v1…").
    std::vector<std::string> Morphologie(const std::string& mot);
    // Its words close to a misspelt one, best first.
    std::vector<std::string> Suggere(const std::string& mot);

private:
    struct TMoteur;
    explicit TDictionnaire(std::unique_ptr<TMoteur> moteur);
    std::unique_ptr<TMoteur> Moteur_;
};

}  // namespace florimot::lexique
