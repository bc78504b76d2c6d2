#include "commande.hpp"

#include <algorithm>
#include <istream>
#include <ostream>

#include "conjugaison.hpp"
#include "utf8.hpp"
#include "verbe.hpp"

namespace florimot {

namespace {

std::size_t LongueurSequence(unsigned char c) {
    if ((c & 0xE0) == 0xC0) return 2;
    if ((c & 0xF0) == 0xE0) return 3;
    if ((c & 0xF8) == 0xF0) return 4;
    return 1;
}

constexpr std::string_view Aide =
    "Utilisation : conjugue [--tsv] [VERBE...]\n"
    "Conjugue chaque VERBE (un infinitif en UTF-8) à tous les temps.\n"
    "Sans VERBE, lit un texte par ligne sur l'entrée standard (lignes vides ignorées).\n"
    "\n"
    "  --tsv        98 lignes par verbe, séparées par des tabulations :\n"
    "               <mot>\\tGroupe\\t0\\t<groupe>, puis <mot>\\t<case>\\t<personne>\\t<forme>\n"
    "  -h, --help   affiche cette aide\n"
    "  -V, --version  affiche la version\n"
    "  --           la suite n'est faite que de verbes\n"
    "\n"
    "Statut de sortie : 0 si tout est conjugué, 1 si un mot n'est pas un verbe,\n"
    "2 si une ligne ou un argument n'est pas du texte UTF-8 valide (ou option inconnue),\n"
    "3 si la sortie ne peut être écrite.\n";

// Output is gathered and written in large blocks: a batch of thousands of
// verbs must not pay one write per line.
class Sortie {
public:
    explicit Sortie(std::ostream& flux) : flux_(flux) { tampon_.reserve(Seuil + 4096); }
    ~Sortie() { Vide(); }
    void Ecrit(std::string_view s) {
        tampon_ += s;
        Libere();
    }
    // For writers that append in place; call Libere() after.
    std::string& Tampon() { return tampon_; }
    void Libere() {
        if (tampon_.size() >= Seuil) Vide();
    }
    void Vide() {
        if (!tampon_.empty())
            flux_.write(tampon_.data(), static_cast<std::streamsize>(tampon_.size()));
        tampon_.clear();
    }
    bool Echec() const { return flux_.fail(); }

private:
    static constexpr std::size_t Seuil = 1 << 16;
    std::ostream& flux_;
    std::string tampon_;
};

class Conjugueur {
public:
    Conjugueur(bool tsv, Sortie& sortie, std::ostream& erreurs)
        : tsv_(tsv), sortie_(sortie), erreurs_(erreurs) {}

    void Traite(std::string_view texte) {
        TVerbe verbe;
        verbe.DefinitVerbe(texte);
        const std::string mot = verbe.Mot();
        const LignesGrille lignes = ConjugueGrille(verbe);
        if (tsv_)
            EcritTsv(verbe, mot, lignes);
        else
            EcritGrille(verbe, mot, lignes);
        if (verbe.DonneGroupe() == 0) {
            sortie_.Vide();  // keep the report next to the word on a shared terminal
            erreurs_ << mot << " : Ceci n'est pas un Verbe\n";
            statut_ = std::max(statut_, SortieNonVerbe);
        }
    }

    void Refuse(std::string_view ou) {
        sortie_.Vide();
        erreurs_ << "conjugue : " << ou << " : texte UTF-8 invalide ou caractère NUL, ignoré\n";
        statut_ = SortieTexteInvalide;
    }

    int Statut() const { return statut_; }

private:
    void EcritTsv(const TVerbe& verbe, const std::string& mot, const LignesGrille& lignes) {
        std::string& bloc = sortie_.Tampon();
        bloc += mot;
        bloc += "\tGroupe\t0\t";
        bloc += LegendeGroupe(verbe);
        bloc += '\n';
        for (const Cellule& c : Grille) {
            for (int p = c.PremierePersonne; p <= c.DernierePersonne; ++p) {
                bloc += mot;
                bloc += '\t';
                bloc += c.Nom;
                bloc += '\t';
                bloc += static_cast<char>('0' + p);
                bloc += '\t';
                bloc += lignes[c.Premier + p - c.PremierePersonne];
                bloc += '\n';
            }
        }
        sortie_.Libere();
    }

    void EcritGrille(const TVerbe& verbe, const std::string& mot, const LignesGrille& lignes) {
        std::string bloc;
        if (premier_)
            premier_ = false;
        else
            bloc += '\n';
        bloc += mot;
        bloc += " — ";
        bloc += LegendeGroupe(verbe);
        bloc += '\n';
        std::string_view mode;
        for (const Cellule& c : Grille) {
            if (c.Mode != mode) {
                mode = c.Mode;
                bloc += '\n';
                bloc += mode;
                bloc += '\n';
            }
            const bool avecTemps = !c.Temps.empty();
            if (avecTemps) {
                bloc += "  ";
                bloc += c.Temps;
                bloc += '\n';
            }
            for (int i = 0; i < c.NombreLignes(); ++i) {
                bloc += avecTemps ? "    " : "  ";
                bloc += lignes[c.Premier + i];
                bloc += '\n';
            }
        }
        sortie_.Ecrit(bloc);
    }

    bool tsv_;
    bool premier_ = true;
    Sortie& sortie_;
    std::ostream& erreurs_;
    int statut_ = SortieSucces;
};

bool EstTexteAcceptable(std::string_view s) {
    return utf8::EstValide(s) && s.find('\0') == std::string_view::npos;
}

}  // namespace

void LecteurLignes::Verifie(bool fin) {
    while (!enAttente_.empty()) {
        const std::size_t besoin = LongueurSequence(static_cast<unsigned char>(enAttente_[0]));
        if (enAttente_.size() < besoin && !fin) {
            bool suite = true;
            for (std::size_t i = 1; i < enAttente_.size(); ++i)
                suite = suite && (static_cast<unsigned char>(enAttente_[i]) & 0xC0) == 0x80;
            if (suite) return;  // wait for the rest of the sequence
        }
        const utf8::Decodage d = utf8::Decode(enAttente_);
        if (!d.valide || d.point == 0) valide_ = false;
        enAttente_.erase(0, d.taille);
    }
}

void LecteurLignes::Emet() {
    Verifie(true);
    ++numero_;
    if (!ligne_.empty() && ligne_.back() == '\r' && ligne_.size() < LongueurGardee)
        ligne_.pop_back();
    if (!ligne_.empty() || !valide_) rappel_(Ligne{numero_, ligne_, valide_});
    ligne_.clear();
    valide_ = true;
    commencee_ = false;
}

void LecteurLignes::Ajoute(std::string_view octets) {
    for (char c : octets) {
        if (c == '\n') {
            Emet();
            continue;
        }
        commencee_ = true;
        if (ligne_.size() < LongueurGardee) ligne_ += c;
        if (enAttente_.empty() && c > 0 && static_cast<unsigned char>(c) < 0x80) continue;  // ASCII
        enAttente_ += c;
        Verifie(false);
    }
}

void LecteurLignes::Termine() {
    if (commencee_) Emet();
}

int ExecuteConjugue(const std::vector<std::string>& arguments, std::istream& entree,
                    std::ostream& sortie, std::ostream& erreurs) {
    bool tsv = false;
    std::vector<std::string_view> verbes;
    bool options = true;
    for (const std::string& a : arguments) {
        if (options && a == "--") {
            options = false;
        } else if (options && (a == "-h" || a == "--help")) {
            sortie << Aide;
            return sortie.flush() ? SortieSucces : SortieEcriture;
        } else if (options && (a == "-V" || a == "--version")) {
            sortie << "conjugue (Florimot) " << FLORIMOT_VERSION << '\n';
            return sortie.flush() ? SortieSucces : SortieEcriture;
        } else if (options && a == "--tsv") {
            tsv = true;
        } else if (options && a.size() > 1 && a[0] == '-') {
            erreurs << "conjugue : option inconnue « " << (EstTexteAcceptable(a) ? a : "?")
                    << " » (conjugue --help)\n";
            return SortieTexteInvalide;
        } else {
            verbes.push_back(a);
        }
    }

    Sortie tampon(sortie);
    Conjugueur conjugueur(tsv, tampon, erreurs);
    if (!verbes.empty()) {
        for (std::size_t i = 0; i < verbes.size(); ++i) {
            if (EstTexteAcceptable(verbes[i]))
                conjugueur.Traite(verbes[i]);
            else
                conjugueur.Refuse("argument " + std::to_string(i + 1));
        }
    } else {
        LecteurLignes lecteur([&](const LecteurLignes::Ligne& l) {
            if (l.valide)
                conjugueur.Traite(l.texte);
            else
                conjugueur.Refuse("ligne " + std::to_string(l.numero));
        });
        char bloc[1 << 16];
        while (entree.read(bloc, sizeof bloc) || entree.gcount() > 0)
            lecteur.Ajoute(std::string_view(bloc, static_cast<std::size_t>(entree.gcount())));
        lecteur.Termine();
    }
    tampon.Vide();
    sortie.flush();
    if (tampon.Echec()) {
        erreurs << "conjugue : impossible d'écrire la sortie\n";
        return SortieEcriture;
    }
    return conjugueur.Statut();
}

}  // namespace florimot
