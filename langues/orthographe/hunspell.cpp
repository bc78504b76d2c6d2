// The English spelling check, by libhunspell with Debian's en_US dictionary.
#include <cstdlib>
#include <filesystem>
#include <hunspell.hxx>
#include <memory>
#include <mutex>
#include <string>

#include "anglais.hpp"

namespace florimot {

bool MotAnglais(std::string_view mot) {
    static std::once_flag lu;
    static std::unique_ptr<Hunspell> hunspell;
    static std::mutex garde;
    std::call_once(lu, [] {
        const char* base = std::getenv("FLORIMOT_HUNSPELL_EN");
        const std::string b = base != nullptr ? base : "/usr/share/hunspell/en_US";
        if (b.empty() || !std::filesystem::exists(b + ".aff") ||
            !std::filesystem::exists(b + ".dic"))
            return;
        hunspell = std::make_unique<Hunspell>((b + ".aff").c_str(), (b + ".dic").c_str());
    });
    if (!hunspell || mot.empty()) return false;
    const std::lock_guard verrou(garde);  // hunspell keeps state between calls
    return hunspell->spell(std::string(mot));
}

}  // namespace florimot
