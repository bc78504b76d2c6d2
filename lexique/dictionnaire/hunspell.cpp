// The dictionary read by libhunspell.
#include <hunspell.hxx>

#include "dictionnaire.hpp"

namespace florimot::lexique {

struct TDictionnaire::TMoteur {
    TMoteur(const char* aff, const char* dic) : Correcteur(aff, dic) {}
    Hunspell Correcteur;
};

bool TDictionnaire::Compile() {
    return true;
}

std::unique_ptr<TDictionnaire> TDictionnaire::Ouvre(const std::filesystem::path& aff,
                                                    const std::filesystem::path& dic) {
    return std::unique_ptr<TDictionnaire>(
        new TDictionnaire(std::make_unique<TMoteur>(aff.c_str(), dic.c_str())));
}

TDictionnaire::TDictionnaire(std::unique_ptr<TMoteur> moteur) : Moteur_(std::move(moteur)) {}

TDictionnaire::~TDictionnaire() = default;

std::vector<std::string> TDictionnaire::Morphologie(const std::string& mot) {
    return Moteur_->Correcteur.analyze(mot);
}

std::vector<std::string> TDictionnaire::Suggere(const std::string& mot) {
    return Moteur_->Correcteur.suggest(mot);
}

}  // namespace florimot::lexique
