// A build without libhunspell: no dictionary is ever opened, so the
// lexicon's suggestions and notes are empty and its reason says why.
#include "dictionnaire.hpp"

namespace florimot::lexique {

struct TDictionnaire::TMoteur {};

bool TDictionnaire::Compile() {
    return false;
}

std::unique_ptr<TDictionnaire> TDictionnaire::Ouvre(const std::filesystem::path&,
                                                    const std::filesystem::path&) {
    return nullptr;
}

TDictionnaire::TDictionnaire(std::unique_ptr<TMoteur> moteur) : Moteur_(std::move(moteur)) {}

TDictionnaire::~TDictionnaire() = default;

std::vector<std::string> TDictionnaire::Morphologie(const std::string&) {
    return {};
}

std::vector<std::string> TDictionnaire::Suggere(const std::string&) {
    return {};
}

}  // namespace florimot::lexique
