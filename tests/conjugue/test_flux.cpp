// The line reader: lines, their kept part, and their validity judged on
// every byte, wherever the blocks are cut.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "flux.hpp"
#include "utf8.hpp"

TEST(LecteurLignes, SequencesCoupeesEntreDeuxBlocs) {
    std::vector<std::pair<std::string, bool>> lues;
    florimot::TLecteurLignes lecteur([&](const florimot::TLecteurLignes::TLigneFlux& l) {
        lues.emplace_back(std::string(l.Texte), l.Valide);
    });
    const std::string texte = "céder\r\nhaïr\n\nfin";
    for (char c : texte) lecteur.Ajoute(std::string_view(&c, 1));
    lecteur.Termine();
    ASSERT_EQ(lues.size(), 3u);
    EXPECT_EQ(lues[0], std::make_pair(std::string("céder"), true));
    EXPECT_EQ(lues[1], std::make_pair(std::string("haïr"), true));
    EXPECT_EQ(lues[2], std::make_pair(std::string("fin"), true));
}

TEST(LecteurLignes, LigneTropLongueJugeeEnEntier) {
    std::vector<std::pair<std::size_t, bool>> lues;
    florimot::TLecteurLignes lecteur([&](const florimot::TLecteurLignes::TLigneFlux& l) {
        lues.emplace_back(l.Texte.size(), l.Valide);
    });
    lecteur.Ajoute(std::string(10000, 'a') + "\xff\n" + std::string(10000, 'b') + "\n");
    lecteur.Termine();
    ASSERT_EQ(lues.size(), 2u);
    EXPECT_EQ(lues[0], std::make_pair(florimot::TLecteurLignes::LongueurGardee, false));
    EXPECT_EQ(lues[1], std::make_pair(florimot::TLecteurLignes::LongueurGardee, true));
}

// A line is valid exactly when its bytes are UTF-8 without NUL, whether it
// comes whole or a byte at a time: a sequence cut between two blocks is
// judged once complete, a bad one however it is cut.
TEST(LecteurLignes, ValiditeQuelleQueSoitLaCoupe) {
    const std::string lignes[] = {
        "\xe0\xa0\x80",  // U+0800, the smallest three-byte sequence
        "a\xf4\x8f\xbf\xbf"
        "b",                 // U+10FFFF
        "\xe0\x80\x80",      // overlong
        "\xed\xa0\x80",      // surrogate
        "\xf4\x90\x80\x80",  // past U+10FFFF
        "ab\xc3",            // cut at the line's end
        "\xc3"
        "a\xa9",                 // a continuation byte after a letter
        "\xff\xfe",              // never UTF-8
        std::string("a\0b", 3),  // NUL
    };
    for (const std::string& ligne : lignes) {
        const bool attendu =
            florimot::utf8::EstValide(ligne) && ligne.find('\0') == std::string::npos;
        for (const std::size_t bloc : {std::size_t(1), std::size_t(2), ligne.size() + 1}) {
            std::vector<bool> valides;
            florimot::TLecteurLignes lecteur([&](const florimot::TLecteurLignes::TLigneFlux& l) {
                valides.push_back(l.Valide);
            });
            const std::string texte = ligne + "\nfin\n";
            for (std::size_t i = 0; i < texte.size(); i += bloc)
                lecteur.Ajoute(std::string_view(texte).substr(i, bloc));
            lecteur.Termine();
            ASSERT_EQ(valides.size(), 2u) << ligne;
            EXPECT_EQ(valides[0], attendu) << ligne << " par " << bloc;
            EXPECT_TRUE(valides[1]) << ligne << " par " << bloc;
        }
    }
}
