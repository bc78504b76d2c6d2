// The "anglais" key of a verb's JSON object: the English meanings, when the
// French–English dictionary is installed (an empty list when it lacks the
// verb); no key without it, so that nothing else changes then.
#pragma once

#include <string_view>

#include "anglais.hpp"
#include "json_valeurs.hpp"

namespace florimot {

template <class Writer>
void EcritGlossesJson(Writer& json, std::string_view infinitif) {
    const TDictd* d = DictionnaireFrancaisAnglais();
    if (d == nullptr) return;
    json.Key("anglais", 7);
    json.StartArray();
    for (const std::string& g : GlossesAnglaises(*d, infinitif)) ChaineJson(json, g);
    json.EndArray();
}

}  // namespace florimot
