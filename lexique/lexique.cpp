// The dictionary's side of the lexicon: loading, lemmas, suggestions, facts.
#include "lexique.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <system_error>
#include <unordered_map>

#include "conjugaison.hpp"
#include "dictionnaire.hpp"
#include "interne.hpp"
#include "utf8.hpp"

namespace florimot {

namespace {

// Past this many verbs the grid cache starts again: about 2.5 kB each.
constexpr std::size_t GrillesMax = 2000;

// One entry of the dictionary's answer to analyze(): "st:aller po:v1_i__e_e_
// po:spre po:1pl". The verb tag is the nine letters after "po:v" and a
// digit: group, verb of state, i, t, n/x, pronominal (q may be, p always,
// r reciprocal, e with en), impersonal, être, avoir ("zz": not checked).
struct TEntreeDictionnaire {
    std::string_view Lemme;
    std::string_view Etiquette;  // "" when the entry is no verb
    bool Infinitif = false;
};

TEntreeDictionnaire LitEntree(std::string_view morph) {
    TEntreeDictionnaire e;
    std::size_t i = 0;
    while (i < morph.size()) {
        while (i < morph.size() && (morph[i] == ' ' || morph[i] == '\t')) ++i;
        std::size_t fin = i;
        while (fin < morph.size() && morph[fin] != ' ' && morph[fin] != '\t') ++fin;
        const std::string_view champ = morph.substr(i, fin - i);
        if (champ.starts_with("st:"))
            e.Lemme = champ.substr(3);
        else if (champ.size() >= 5 && champ.starts_with("po:v") && champ[4] >= '0' &&
                 champ[4] <= '9')
            e.Etiquette = champ.substr(4);
        else if (champ == "po:infi")
            e.Infinitif = true;
        i = fin;
    }
    return e;
}

// The infinitive of what a front end typed: "s'évanouir", "se lever" and
// "s'en aller" name évanouir, lever and aller, as they do for the engine.
std::optional<std::string> Infinitif(std::string_view texte) {
    if (!utf8::EstValide(texte)) return std::nullopt;
    TVerbe v;
    v.DefinitVerbe(texte);
    return lexique::Normalise(v.MotVue());
}

}  // namespace

struct TLexique::TDonnees {
    std::vector<std::filesystem::path> Dossiers;
    // Written by the loading thread only, read only after it has ended.
    std::unique_ptr<lexique::TDictionnaire> Dico;
    std::string Raison;

    std::unordered_map<std::string, std::optional<TLignesGrille>> Grilles;
    std::unordered_map<std::string, bool> Infinitifs;

    void Charge();
    const TLignesGrille* GrilleDe(const std::string& infinitif, const TOptions& graphie = {});
    bool InfinitifConnu(const std::string& mot);
    bool Conjugable(const std::string& infinitif);
};

namespace {

// "" when `fichier` can be opened and read, else why not (the system's
// words: "Permission denied", "Is a directory" …). Checked before libhunspell
// sees the file: it would only write its own English line on standard error.
std::string PourquoiIlisible(const std::filesystem::path& fichier) {
    const int fd = ::open(fichier.c_str(), O_RDONLY | O_CLOEXEC);
    int erreur = fd < 0 ? errno : 0;
    if (fd >= 0) {
        char octet;
        if (::read(fd, &octet, 1) < 0) erreur = errno;
        ::close(fd);
    }
    return erreur == 0 ? std::string() : std::strerror(erreur);
}

}  // namespace

void TLexique::TDonnees::Charge() {
    if (!lexique::TDictionnaire::Compile()) {
        Raison = std::string(RaisonSansDictionnaire);
        return;
    }
    try {
        // A dictionary found but unreadable is said as such, unless another
        // folder has a good one.
        std::string illisible;
        for (const std::filesystem::path& d : Dossiers)
            for (const char* nom : {"fr", "fr_FR"}) {
                const std::filesystem::path aff = d / (std::string(nom) + ".aff");
                const std::filesystem::path dic = d / (std::string(nom) + ".dic");
                std::error_code e1, e2;
                const bool affVu = std::filesystem::exists(aff, e1);
                const bool dicVu = std::filesystem::exists(dic, e2);
                // A folder that cannot be searched hides whether they are there.
                if (e1 && e1 != std::errc::no_such_file_or_directory &&
                    e1 != std::errc::not_a_directory && illisible.empty())
                    illisible =
                        "le dossier " + d.string() + " ne peut être lu (" + e1.message() + ")";
                if (!affVu || !dicVu) continue;
                std::string pourquoi;
                for (const std::filesystem::path& f : {aff, dic})
                    if (const std::string r = PourquoiIlisible(f); !r.empty() && pourquoi.empty())
                        pourquoi = "le fichier " + f.string() + " ne peut être lu (" + r + ")";
                if (!pourquoi.empty()) {
                    if (illisible.empty()) illisible = pourquoi;
                    continue;
                }
                Dico = lexique::TDictionnaire::Ouvre(aff, dic);
                // A dictionary without morphology gives lemmas to nobody.
                bool morphologie = false;
                for (const std::string& m : Dico->Morphologie("parlons"))
                    morphologie = morphologie || !LitEntree(m).Etiquette.empty();
                if (!morphologie) {
                    Dico.reset();
                    Raison =
                        "Suggestions et notes du dictionnaire indisponibles : le dictionnaire "
                        "français de " +
                        d.string() + " ne décrit pas les formes des verbes.";
                    return;
                }
                return;
            }
        if (!illisible.empty()) {
            Raison = "Suggestions et notes du dictionnaire indisponibles : " + illisible + ".";
            return;
        }
        std::string liste;
        for (const std::filesystem::path& d : Dossiers)
            liste += (liste.empty() ? "" : ", ") + d.string();
        Raison =
            "Suggestions et notes du dictionnaire indisponibles : aucun dictionnaire français "
            "(fr.aff et fr.dic) n'a été trouvé dans " +
            (liste.empty() ? std::string("aucun dossier") : liste) +
            ". Installez le paquet hunspell-fr-comprehensive.";
    } catch (const std::exception& e) {
        Dico.reset();
        Raison =
            "Suggestions et notes du dictionnaire indisponibles : le dictionnaire n'a pas pu "
            "être chargé (" +
            std::string(e.what()) + ").";
    }
}

const TLignesGrille* TLexique::TDonnees::GrilleDe(const std::string& infinitif,
                                                  const TOptions& graphie) {
    // The same infinitive in another spelling or series is another grid.
    std::string cle = infinitif;
    if (graphie.Rectifiee || graphie.Variante) {
        cle += '\t';
        cle += graphie.Rectifiee ? 'r' : '-';
        cle += graphie.Variante ? 'v' : '-';
    }
    auto i = Grilles.find(cle);
    if (i == Grilles.end()) {
        if (Grilles.size() >= GrillesMax) Grilles.clear();
        TVerbe v;
        v.DefinitVerbe(infinitif);
        std::optional<TLignesGrille> g;
        // A word the engine cuts or reads otherwise would be reported under
        // a name that is not the verb conjugated.
        if (v.DonneGroupe() != 0 && v.MotVue() == infinitif) g = lexique::GrilleLue(v, graphie);
        i = Grilles.emplace(std::move(cle), std::move(g)).first;
    }
    return i->second ? &*i->second : nullptr;
}

bool TLexique::TDonnees::InfinitifConnu(const std::string& mot) {
    if (const auto i = Infinitifs.find(mot); i != Infinitifs.end()) return i->second;
    bool connu = false;
    for (const std::string& m : Dico->Morphologie(mot)) {
        const TEntreeDictionnaire e = LitEntree(m);
        connu = connu || (!e.Etiquette.empty() && e.Infinitif && e.Lemme == mot);
    }
    if (Infinitifs.size() >= GrillesMax) Infinitifs.clear();
    Infinitifs.emplace(mot, connu);
    return connu;
}

// Whether the engine's grid of the verb holds at least one form: a verb it
// leaves empty (connaitre) is no suggestion worth the click.
bool TLexique::TDonnees::Conjugable(const std::string& infinitif) {
    const TLignesGrille* g = GrilleDe(infinitif);
    return g != nullptr && !AucuneForme(*g);
}

bool TLexique::AvecDictionnaire() {
    return lexique::TDictionnaire::Compile();
}

std::vector<std::filesystem::path> TLexique::DossiersStandard() {
    return {"/usr/share/hunspell", "/usr/share/myspell/dicts"};
}

TLexique::TLexique() : TLexique(DossiersStandard()) {}

TLexique::TLexique(std::vector<std::filesystem::path> dossiers)
    : Donnees_(std::make_unique<TDonnees>()) {
    Donnees_->Dossiers = std::move(dossiers);
    try {
        Chargement_ =
            std::async(std::launch::async, [donnees = Donnees_.get()] { donnees->Charge(); });
    } catch (const std::system_error&) {
        Donnees_->Charge();  // no thread to be had: load now rather than never
    }
}

TLexique::~TLexique() {
    if (Chargement_.valid()) Chargement_.wait();
}

void TLexique::Attend() const {
    if (Chargement_.valid()) Chargement_.get();
}

bool TLexique::Pret() const {
    return !Chargement_.valid() ||
           Chargement_.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

bool TLexique::Disponible() const {
    Attend();
    return Donnees_->Dico != nullptr;
}

const std::string& TLexique::Raison() const {
    Attend();
    return Donnees_->Raison;
}

std::vector<TAnalyse> TLexique::Analyse(std::string_view forme) {
    return AnalyseTexte(forme);
}

std::vector<std::string> TLexique::Suggestions(std::string_view texte, std::size_t maximum) {
    std::vector<std::string> retenues;
    if (!Disponible() || maximum == 0) return retenues;
    const std::optional<std::string> mot = lexique::Normalise(texte);
    if (!mot) return retenues;
    for (const std::string& s : Donnees_->Dico->Suggere(*mot)) {
        // Names and phrases are no verb of the grid.
        if (lexique::Normalise(s) != s) continue;
        const std::vector<TAnalyse> analyse = AnalyseTexte(s);
        if ((Donnees_->InfinitifConnu(s) && Donnees_->Conjugable(s)) ||
            std::any_of(analyse.begin(), analyse.end(), [](const TAnalyse& a) { return a.Connu; }))
            retenues.push_back(s);
        if (retenues.size() == maximum) break;
    }
    return retenues;
}

TFaitsVerbe TLexique::Faits(std::string_view infinitif) {
    TFaitsVerbe f;
    if (!Disponible()) return f;
    const std::optional<std::string> mot = Infinitif(infinitif);
    if (!mot) return f;
    bool toujoursPronominal = true;
    for (const std::string& m : Donnees_->Dico->Morphologie(*mot)) {
        const TEntreeDictionnaire e = LitEntree(m);
        if (e.Etiquette.size() < 9 || !e.Infinitif || e.Lemme != *mot) continue;
        f.Connu = true;
        const std::string_view t = e.Etiquette;
        toujoursPronominal = toujoursPronominal && (t[5] == 'p' || t[5] == 'r');
        f.Impersonnel = f.Impersonnel || t[6] == 'm';
        f.Etre = f.Etre || t[7] == 'e';
        f.Avoir = f.Avoir || t[8] == 'a' || t[8] == 'z';
    }
    f.Pronominal = f.Connu && toujoursPronominal;
    return f;
}

std::string TLexique::Note(std::string_view infinitif) {
    // Without the dictionary there is nothing to say, not "absent du dictionnaire".
    if (!Disponible()) return {};
    const std::optional<std::string> mot = Infinitif(infinitif);
    return NoteVerbe(mot ? *mot : std::string(infinitif), Faits(infinitif));
}

}  // namespace florimot
