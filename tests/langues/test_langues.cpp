// The English meanings, the English search and the text given to the voice,
// driven by tests/donnees/anglais.tsv and parole.tsv.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "../dictd_essai.hpp"
#include "anglais.hpp"
#include "parole.hpp"

extern char** environ;

namespace {

using namespace florimot;

std::vector<std::vector<std::string>> LitTsv(const std::string& nom) {
    std::ifstream f(std::string(FLORIMOT_DONNEES) + "/" + nom);
    std::vector<std::vector<std::string>> lignes;
    for (std::string l; std::getline(f, l);) {
        if (l.empty() || l[0] == '#') continue;
        std::vector<std::string> champs;
        std::size_t debut = 0;
        for (std::size_t t; (t = l.find('\t', debut)) != std::string::npos; debut = t + 1)
            champs.push_back(l.substr(debut, t - debut));
        champs.push_back(l.substr(debut));
        lignes.push_back(std::move(champs));
    }
    EXPECT_FALSE(lignes.empty()) << nom;
    return lignes;
}

class Dictionnaires : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        Dossier_ =
            std::filesystem::temp_directory_path() / ("florimot-dictd-" + std::to_string(getpid()));
        std::filesystem::create_directories(Dossier_);
        ASSERT_TRUE(essais::EcritFreeDictEssai(Dossier_.string()));
        fra_ = TDictd::Ouvre((Dossier_ / "freedict-fra-eng").string());
        eng_ = TDictd::Ouvre((Dossier_ / "freedict-eng-fra").string());
    }
    static void TearDownTestSuite() { std::filesystem::remove_all(Dossier_); }

    static inline std::filesystem::path Dossier_;
    static inline std::optional<TDictd> fra_, eng_;
};

std::string Decrit(const std::vector<TChoixAnglais>& choix, std::size_t combien) {
    std::string s;
    for (std::size_t i = 0; i < choix.size() && i < combien; ++i) {
        const TChoixAnglais& c = choix[i];
        if (!s.empty()) s += " ; ";
        s += c.Infinitif + " " + (c.Cellule.empty() ? "-" : std::string(c.Cellule)) + " " +
             std::to_string(c.Personne);
        if (c.Feminin) s += " feminin";
        if (c.Negation) s += " negation";
        if (c.Note == TNoteAnglaise::PasseCompose_PasseSimple) s += " passe";
        if (c.Note == TNoteAnglaise::TuOuVous) s += " tu-vous";
    }
    return s;
}

TEST_F(Dictionnaires, TableAnglaise) {
    ASSERT_TRUE(fra_ && eng_);
    EXPECT_EQ(fra_->Titre(), "Essai français-anglais");
    const std::optional<TDictd> installeFr = TDictd::Ouvre("/usr/share/dictd/freedict-fra-eng");
    const std::optional<TDictd> installeEn = TDictd::Ouvre("/usr/share/dictd/freedict-eng-fra");
    int installes = 0;
    for (const auto& l : LitTsv("anglais.tsv")) {
        ASSERT_EQ(l.size(), 4u) << l[0];
        const bool essai = l[1] == "essai";
        if (!essai && !(installeFr && installeEn)) continue;
        installes += !essai;
        const TDictd& fr = essai ? *fra_ : *installeFr;
        const TDictd& en = essai ? *eng_ : *installeEn;
        const std::size_t attendus =
            l[3].empty() ? 0
                         : static_cast<std::size_t>(std::count(l[3].begin(), l[3].end(), ';') + 1);
        if (l[0] == "glose") {
            const std::vector<std::string> g = GlossesAnglaises(fr, l[2]);
            std::string s;
            for (std::size_t i = 0;
                 i < g.size() &&
                 (essai || i < attendus + std::count(l[3].begin(), l[3].end(), ','));
                 ++i)
                s += (s.empty() ? "" : ", ") + g[i];
            EXPECT_EQ(s, l[3]) << l[2];
        } else {
            const std::vector<TChoixAnglais> c = RechercheAnglaise(&en, &fr, l[2]);
            EXPECT_EQ(Decrit(c, essai ? c.size() : attendus), l[3]) << l[2];
        }
    }
    if (!(installeFr && installeEn))
        std::cout << "FreeDict's dictionaries are not installed: their rows are skipped\n";
    else
        EXPECT_GT(installes, 0);
}

TEST_F(Dictionnaires, SansDictionnaireRienNeChange) {
    EXPECT_TRUE(RechercheAnglaise(nullptr, nullptr, "to go").empty());
    EXPECT_FALSE(TDictd::Ouvre((Dossier_ / "absent").string()));
    // An index whose articles lie outside the text is refused whole.
    std::ofstream((Dossier_ / "casse.index").string()) << "aller\tA\tZZZZ\n";
    std::ofstream((Dossier_ / "casse.dict").string()) << "aller <v>\ngo\n";
    EXPECT_FALSE(TDictd::Ouvre((Dossier_ / "casse").string()));
}

// espeak-ng's phonemes for a text, or nullopt when it cannot be run.
std::optional<std::string> Phonemes(const std::string& texte) {
    int tube[2];
    if (pipe(tube) != 0) return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, tube[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, tube[0]);
    std::vector<std::string> args = {"espeak-ng", "-v", "fr", "-q", "--ipa", texte};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int e = posix_spawnp(&pid, "espeak-ng", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(tube[1]);
    std::string sortie;
    char bloc[512];
    for (ssize_t n; e == 0 && (n = read(tube[0], bloc, sizeof bloc)) > 0;)
        sortie.append(bloc, static_cast<std::size_t>(n));
    close(tube[0]);
    int statut = 0;
    if (e != 0 || waitpid(pid, &statut, 0) != pid || !WIFEXITED(statut) || WEXITSTATUS(statut) != 0)
        return std::nullopt;
    return sortie;
}

std::vector<std::string> Sons(const std::string& champ) {
    std::vector<std::string> sons;
    std::size_t debut = 0;
    for (std::size_t b; (b = champ.find(" | ", debut)) != std::string::npos; debut = b + 3)
        sons.push_back(champ.substr(debut, b - debut));
    if (debut < champ.size()) sons.push_back(champ.substr(debut));
    return sons;
}

TEST(Parole, TexteDitEtPhonemes) {
    const bool espeak = Phonemes("je").has_value();
    for (const auto& l : LitTsv("parole.tsv")) {
        ASSERT_GE(l.size(), 2u) << l[0];
        EXPECT_EQ(PrepareParole(l[0]), l[1]) << l[0];
        if (!espeak || l[1].empty()) continue;
        const std::optional<std::string> ipa = Phonemes(l[1]);
        ASSERT_TRUE(ipa) << l[1];
        for (const std::string& s : Sons(l.size() > 2 ? l[2] : ""))
            EXPECT_NE(ipa->find(s), std::string::npos) << l[1] << ": " << *ipa;
        for (const std::string& s : Sons(l.size() > 3 ? l[3] : ""))
            EXPECT_EQ(ipa->find(s), std::string::npos) << l[1] << ": " << *ipa;
    }
    EXPECT_EQ(PrepareParole({"je vais", "-", "vas-y\u00a0?"}), "je vais. vas-i ?");
    if (!espeak) GTEST_SKIP() << "espeak-ng is not installed: the spoken texts are not heard";
}

}  // namespace
