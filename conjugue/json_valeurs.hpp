// The small pieces every JSON writer of the command line writes, for any
// RapidJSON writer (into standard output's buffer or into a string).
#pragma once

#include <rapidjson/rapidjson.h>

#include <span>
#include <string_view>

#include "options.hpp"

namespace florimot {

template <class TJson>
void CleJson(TJson& json, std::string_view cle) {
    json.Key(cle.data(), static_cast<rapidjson::SizeType>(cle.size()));
}

template <class TJson>
void ChaineJson(TJson& json, std::string_view s) {
    json.String(s.data(), static_cast<rapidjson::SizeType>(s.size()));
}

// `options` as an object of booleans, one key a description, in their order.
template <class TJson>
void OptionsJson(TJson& json, const TOptions& options,
                 std::span<const TDescriptionOption> descriptions = DescriptionsOptions) {
    json.StartObject();
    for (const TDescriptionOption& d : descriptions) {
        CleJson(json, d.CleJson);
        json.Bool(EstActive(options, d));
    }
    json.EndObject();
}

}  // namespace florimot
