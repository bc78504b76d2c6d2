// The tests read conjugue's JSON with the library that writes it.
#pragma once

#include <rapidjson/document.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <stdexcept>
#include <string>
#include <string_view>

namespace essais {

// One JSON text, whole; a line that is not one is a failure, not a default.
inline rapidjson::Document LitJson(std::string_view texte) {
    rapidjson::Document document;
    document.Parse(texte.data(), texte.size());
    if (document.HasParseError())
        throw std::runtime_error("JSON illisible : " + std::string(texte));
    return document;
}

// As conjugue writes it: compact, keys in their order, UTF-8 as it is.
inline std::string EcritJson(const rapidjson::Value& valeur) {
    rapidjson::StringBuffer tampon;
    rapidjson::Writer<rapidjson::StringBuffer> ecrivain(tampon);
    valeur.Accept(ecrivain);
    return {tampon.GetString(), tampon.GetSize()};
}

inline std::string Texte(const rapidjson::Value& valeur) {
    return {valeur.GetString(), valeur.GetStringLength()};
}

}  // namespace essais
