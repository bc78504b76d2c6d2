// The readable layout (one column, or tenses side by side) and how the
// program picks it from its terminal and environment.
#include <gtest/gtest.h>

#include "commande.hpp"
#include "conjugaison.hpp"
#include "ecrivains.hpp"
#include "mise_en_page.hpp"
#include "processus.hpp"

namespace {

using florimot::LargeurTexte;
using florimot::MiseEnPage;

std::vector<std::string> Lignes(const std::string& texte) {
    std::vector<std::string> lignes;
    std::size_t debut = 0;
    for (std::size_t fin; (fin = texte.find('\n', debut)) != std::string::npos; debut = fin + 1)
        lignes.push_back(texte.substr(debut, fin - debut));
    return lignes;
}

std::string SansGras(std::string texte) {
    for (const std::string code : {"\x1b[1m", "\x1b[0m"})
        for (std::size_t i; (i = texte.find(code)) != std::string::npos;)
            texte.erase(i, code.size());
    return texte;
}

std::string Grille(const char* mot, int largeur, bool gras = false) {
    florimot::TVerbe verbe;
    verbe.DefinitVerbe(mot);
    return MiseEnPage(florimot::EnteteLisible(verbe, {}), florimot::ConjugueGrille(verbe), largeur,
                      gras);
}

// Where `texte` starts on `ligne`, in characters.
std::size_t Colonne(const std::string& ligne, std::string_view texte) {
    return LargeurTexte(std::string_view(ligne).substr(0, ligne.find(texte)));
}

// The line where `texte` first shows, or -1.
int LigneDe(const std::vector<std::string>& lignes, std::string_view texte) {
    for (std::size_t i = 0; i < lignes.size(); ++i)
        if (lignes[i].find(texte) != std::string::npos) return static_cast<int>(i);
    return -1;
}

}  // namespace

TEST(MiseEnPage, ColonnesSelonLaLargeur) {
    const std::string uneColonne = Grille("parler", 0);
    EXPECT_EQ(uneColonne.rfind("parler — Groupe : 1\n\nIndicatif\n  Présent\n    je parle\n", 0),
              0u);
    struct Cas {
        int Largeur;
        bool PresentEtCompose, QuatreTemps;  // side by side on one line
    };
    // "    que nous parlassions" alone is 24 characters: two columns need 47.
    const Cas cas[] = {
        {39, false, false}, {40, false, false}, {80, true, false}, {160, true, true}};
    for (const Cas& c : cas) {
        const std::string texte = Grille("parler", c.Largeur);
        const auto lignes = Lignes(texte);
        if (!c.PresentEtCompose) {
            EXPECT_EQ(texte, uneColonne) << c.Largeur;
        }
        const int present = LigneDe(lignes, "  Présent");
        EXPECT_EQ(present == LigneDe(lignes, "  Passé Composé"), c.PresentEtCompose);
        EXPECT_EQ(present == LigneDe(lignes, "  Plus-que-Parfait"), c.QuatreTemps);
        for (const std::string& l : lignes) {
            if (c.PresentEtCompose) {
                EXPECT_LE(LargeurTexte(l), std::size_t(c.Largeur)) << l;
            }
            EXPECT_TRUE(l.empty() || l.back() != ' ') << '"' << l << '"';
        }
        // Nothing lost nor cut, whatever the layout: every form is there.
        florimot::TVerbe verbe;
        verbe.DefinitVerbe("parler");
        const florimot::TLignesGrille grille = florimot::ConjugueGrille(verbe);
        for (std::size_t i = 0; i < grille.size(); ++i)
            EXPECT_NE(LigneDe(lignes, grille[i]), -1) << grille[i];
    }
}

TEST(MiseEnPage, ColonnesAligneesEtModesDansLOrdre) {
    const auto lignes = Lignes(Grille("finir", 80));
    // Forms two places right of their caption; a column at the same place in
    // every row and every mode.
    const int present = LigneDe(lignes, "  Présent");
    const std::size_t compose = Colonne(lignes[present], "Passé Composé");
    EXPECT_GT(compose, 0u);
    EXPECT_EQ(Colonne(lignes[present + 1], "j'ai fini"), compose + 2);
    EXPECT_EQ(Colonne(lignes[LigneDe(lignes, "Passé 1° Forme")], "Passé 1° Forme"), compose);
    EXPECT_EQ(Colonne(lignes[LigneDe(lignes, "que j'aie fini")], "que j'aie fini"), compose + 2);
    int precedente = -1;
    for (const char* mode :
         {"Indicatif", "Subjonctif", "Impératif", "Conditionnel", "Participe Présent"}) {
        const int l = LigneDe(lignes, mode);
        EXPECT_GT(l, precedente) << mode;
        precedente = l;
    }
}

TEST(MiseEnPage, LargeurEnCaracteresEtGras) {
    // The widest line at 80 columns, counted in characters: the same layout
    // must still be taken at exactly that width, though its accents make it
    // longer in bytes.
    const std::string a80 = Grille("céder", 80);
    std::size_t plusLarge = 0, octets = 0;
    // The header stands above the columns: its length is not theirs.
    const auto lignes = Lignes(a80);
    for (const std::string& l : std::vector<std::string>(lignes.begin() + 1, lignes.end()))
        if (LargeurTexte(l) > plusLarge) plusLarge = LargeurTexte(l), octets = l.size();
    ASSERT_GT(octets, plusLarge);
    EXPECT_EQ(Grille("céder", static_cast<int>(plusLarge)), a80);
    EXPECT_NE(Grille("céder", static_cast<int>(plusLarge) - 1), a80);

    for (int largeur : {0, 80}) {
        const std::string gras = Grille("céder", largeur, true);
        EXPECT_EQ(SansGras(gras), Grille("céder", largeur));
        EXPECT_NE(gras.find("\n\x1b[1mIndicatif\x1b[0m\n"), std::string::npos);
        EXPECT_NE(gras.find("  \x1b[1mPrésent\x1b[0m"), std::string::npos);
        EXPECT_EQ(gras.find("\x1b[1mje"), std::string::npos);
    }
}

TEST(Presentation, TerminalCOLUMNSEtNO_COLOR) {
    struct Cas {
        bool Terminal;
        const char* Colonnes;
        const char* SansCouleur;
        int LargeurTerminal, Largeur;
        bool Gras;
    };
    const Cas cas[] = {
        {false, "120", nullptr, 0, 0, false},
        {true, nullptr, nullptr, 100, 100, true},
        {true, "120", nullptr, 100, 120, true},
        {true, "12x", nullptr, 100, 100, true},
        {true, "", "", 90, 90, true},
        {true, "-5", "1", 90, 90, false},
        {true, "99999999999", nullptr, 0, 0, true},
    };
    for (const Cas& c : cas) {
        const florimot::TPresentation p =
            florimot::ChoisitPresentation(c.Terminal, c.Colonnes, c.SansCouleur, c.LargeurTerminal);
        EXPECT_EQ(p.Largeur, c.Largeur) << (c.Colonnes ? c.Colonnes : "-");
        EXPECT_EQ(p.Gras, c.Gras) << (c.Colonnes ? c.Colonnes : "-");
    }
}

TEST(Presentation, DansUnVraiTerminal) {
    struct Cas {
        std::vector<std::string> Variables;
        unsigned short ColonnesTerminal;
        int Largeur;
        bool Gras;
    };
    const Cas cas[] = {
        {{}, 160, 160, true},
        {{"COLUMNS=80"}, 160, 80, true},
        {{"COLUMNS=abc", "NO_COLOR=1"}, 100, 100, false},
        {{"NO_COLOR="}, 30, 0, true},
    };
    for (const Cas& c : cas) {
        const Resultat r = LanceTerminal({"parler", "maison"}, c.Variables, c.ColonnesTerminal);
        EXPECT_EQ(r.Statut, florimot::SortieNonVerbe);
        EXPECT_EQ(r.Sortie,
                  Grille("parler", c.Largeur, c.Gras) + "maison : Ceci n'est pas un Verbe\n")
            << c.ColonnesTerminal;
    }
}
