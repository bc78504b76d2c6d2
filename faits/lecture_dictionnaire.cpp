#include "lecture_dictionnaire.hpp"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string_view>
#include <system_error>

namespace florimot::faits {

namespace {

// The length of the UTF-8 sequence at `s[i]`, 0 when it is none (overlong
// forms and surrogates included).
std::size_t Sequence(std::string_view s, std::size_t i) {
    const auto o = [&](std::size_t k) { return static_cast<unsigned char>(s[i + k]); };
    const auto suite = [&](std::size_t k) { return i + k < s.size() && (o(k) & 0xC0) == 0x80; };
    const unsigned char c = o(0);
    if (c < 0x80) return 1;
    if (c >= 0xC2 && c <= 0xDF) return suite(1) ? 2 : 0;
    if (c >= 0xE0 && c <= 0xEF) {
        if (!suite(1) || !suite(2)) return 0;
        if ((c == 0xE0 && o(1) < 0xA0) || (c == 0xED && o(1) >= 0xA0)) return 0;
        return 3;
    }
    if (c >= 0xF0 && c <= 0xF4) {
        if (!suite(1) || !suite(2) || !suite(3)) return 0;
        if ((c == 0xF0 && o(1) < 0x90) || (c == 0xF4 && o(1) >= 0x90)) return 0;
        return 4;
    }
    return 0;
}

// What is wrong with the text of a line, "" if nothing.
std::string Texte(std::string_view ligne) {
    for (std::size_t i = 0; i < ligne.size();) {
        const auto c = static_cast<unsigned char>(ligne[i]);
        if (c == 0) return "octet nul";
        if ((c < 0x20 && c != '\t') || c == 0x7F) return "caractère de contrôle";
        const std::size_t n = Sequence(ligne, i);
        if (n == 0) return "pas de l'UTF-8 (un autre codage, Latin-1 peut-être ?)";
        i += n;
    }
    return {};
}

bool Majuscule(std::string_view mot) {
    for (std::size_t i = 0; i < mot.size(); ++i) {
        const auto c = static_cast<unsigned char>(mot[i]);
        if (c >= 'A' && c <= 'Z') return true;
        // À to Þ but ×, then Œ and Ÿ.
        const auto d = i + 1 < mot.size() ? static_cast<unsigned char>(mot[i + 1]) : 0;
        if (c == 0xC3 && d >= 0x80 && d <= 0x9E && d != 0x97) return true;
        if (c == 0xC5 && (d == 0x92 || d == 0xB8)) return true;
    }
    return false;
}

// What is wrong with a dictionary entry, "" if nothing; `verbe` tells
// whether it is an infinitive the generators take.
std::string Entree(std::string_view ligne, bool& verbe) {
    verbe = false;
    const std::size_t blanc = ligne.find(' ');
    const std::string_view tete = ligne.substr(0, blanc);
    const std::string_view mot = tete.substr(0, tete.find('/'));
    if (mot.empty()) return "entrée sans mot";
    bool verbal = false, forme = false;
    for (std::size_t debut = blanc; debut != std::string_view::npos;) {
        const std::size_t fin = ligne.find(' ', debut + 1);
        const std::string_view champ = ligne.substr(debut + 1, fin - debut - 1);
        debut = fin;
        if (champ.size() < 4 || champ[2] != ':' || champ[0] < 'a' || champ[0] > 'z' ||
            champ[1] < 'a' || champ[1] > 'z')
            return "champ mal formé « " + std::string(champ) + " »";
        if (champ.starts_with("is:")) forme = true;
        if (!champ.starts_with("po:v") || champ.size() < 5 || champ[4] < '0' || champ[4] > '9')
            continue;
        bool bonne = champ.size() == 13 && champ[4] <= '3';
        for (std::size_t k = 5; bonne && k < champ.size(); ++k)
            bonne = (champ[k] >= 'a' && champ[k] <= 'z') || champ[k] == '_';
        if (!bonne) return "étiquette de verbe mal formée « " + std::string(champ) + " »";
        verbal = true;
    }
    if (!verbal || forme) return {};
    if (Majuscule(mot)) return "verbe en capitales « " + std::string(mot) + " »";
    if (mot.find_first_of("\"\\") != std::string_view::npos)
        return "verbe avec guillemet ou barre oblique inverse « " + std::string(mot) + " »";
    verbe = true;
    return {};
}

}  // namespace

bool LitDictionnaire(const std::string& chemin, bool liste, TDictionnaireLu& lu,
                     std::string& erreur) {
    const auto faute = [&](const std::string& quoi, std::size_t ligne = 0) {
        erreur = "dictionnaire " + chemin + (ligne ? " ligne " + std::to_string(ligne) : "") +
                 " : " + quoi;
        return false;
    };
    std::error_code e;
    if (!std::filesystem::is_regular_file(chemin, e))
        return faute(std::filesystem::exists(chemin, e) ? "ce n'est pas un fichier ordinaire"
                                                        : "fichier absent");
    std::ifstream fichier(chemin, std::ios::binary);
    std::ostringstream tout;
    tout << fichier.rdbuf();
    if (!fichier) return faute("illisible");
    const std::string texte = tout.str();
    if (texte.empty()) return faute("fichier vide");

    lu = {};
    std::size_t numero = 0, verbes = 0;
    for (std::size_t debut = 0; debut < texte.size();) {
        std::size_t fin = texte.find('\n', debut);
        if (fin == std::string::npos) fin = texte.size();
        std::string_view ligne(texte.data() + debut, fin - debut);
        debut = fin + 1;
        ++numero;
        if (ligne.ends_with('\r')) ligne.remove_suffix(1);
        if (const std::string quoi = Texte(ligne); !quoi.empty()) return faute(quoi, numero);
        if (numero == 1) {
            lu.Hunspell = !ligne.empty() && ligne.find_first_not_of("0123456789") == ligne.npos;
            if (!lu.Hunspell && !liste)
                return faute(
                    "ce n'est pas un dictionnaire hunspell (sa première ligne n'est "
                    "pas le nombre de ses entrées)");
            if (lu.Hunspell) continue;
        }
        if (ligne.empty()) continue;
        if (lu.Hunspell) {
            bool verbe = false;
            if (const std::string quoi = Entree(ligne, verbe); !quoi.empty())
                return faute(quoi, numero);
            verbes += verbe;
        } else {
            if (ligne.find_first_of(" \t:") != ligne.npos)
                return faute("ni un dictionnaire hunspell ni une liste d'infinitifs, un par ligne",
                             numero);
            ++verbes;
        }
        lu.Lignes.emplace_back(ligne);
    }
    if (lu.Hunspell && verbes < VerbesMinimum)
        return faute(std::to_string(verbes) + " verbes seulement, quand il en faut " +
                     std::to_string(VerbesMinimum) + " au moins");
    if (verbes == 0) return faute("aucun infinitif");
    return true;
}

}  // namespace florimot::faits
