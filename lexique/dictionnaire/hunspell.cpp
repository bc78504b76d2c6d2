// The dictionary read by libhunspell.
#include <hunspell.hxx>

#include "dictionnaire.hpp"

namespace florimot::lexique {

struct TDictionnaire::Moteur {
    Moteur(const char* aff, const char* dic) : hunspell(aff, dic) {}
    Hunspell hunspell;
};

bool TDictionnaire::Compile() {
    return true;
}

std::unique_ptr<TDictionnaire> TDictionnaire::Ouvre(const std::filesystem::path& aff,
                                                    const std::filesystem::path& dic) {
    return std::unique_ptr<TDictionnaire>(
        new TDictionnaire(std::make_unique<Moteur>(aff.c_str(), dic.c_str())));
}

TDictionnaire::TDictionnaire(std::unique_ptr<Moteur> moteur) : moteur_(std::move(moteur)) {}

TDictionnaire::~TDictionnaire() = default;

std::vector<std::string> TDictionnaire::Morphologie(const std::string& mot) {
    return moteur_->hunspell.analyze(mot);
}

std::vector<std::string> TDictionnaire::Suggere(const std::string& mot) {
    return moteur_->hunspell.suggest(mot);
}

}  // namespace florimot::lexique
