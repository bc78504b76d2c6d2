#include "commande.hpp"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>

#include "conjugaison.hpp"
#include "ecrivains.hpp"
#include "filtre.hpp"
#include "faits.hpp"
#include "saisie.hpp"
#ifdef FLORIMOT_LEXIQUE
#include <nlohmann/json.hpp>

#include "lexique.hpp"
#include "proches.hpp"
#endif
#include "utf8.hpp"
#include "verbe.hpp"

namespace florimot {

namespace {

constexpr std::string_view Aide =
    "Utilisation : conjugue [--tsv | --json] [OPTIONS] [--] [VERBE...]\n"
    "Conjugue chaque VERBE (un infinitif en UTF-8, ou un verbe pronominal entre\n"
    "guillemets : \"se lever\", \"s'asseoir\", \"s'en aller\") à tous les temps.\n"
    "Les majuscules sont lues en minuscules (PARLER est parler).\n"
    "Un verbe s'écrit en lettres, avec une apostrophe ou un trait d'union seulement\n"
    "entre deux lettres (entr'apercevoir, s'entre-nuire), 24 lettres au plus.\n"
    "Sans VERBE, lit un texte par ligne sur l'entrée standard (lignes vides ou\n"
    "blanches ignorées).\n"
    "\n"
    "  --feminin, --féminin   elle, elles ; les participes qui s'accordent prennent e, es\n"
    "  --negation, --négation ne … pas\n"
    "  --interrogation        questions (parles-tu ?) ; subjonctif, impératif et\n"
    "                         participe : « - »\n"
    "  --passif               voix passive (je suis aimé), pour un verbe qui a un\n"
    "                         complément d'objet direct\n"
    "  --rectifiee, --rectifiée  orthographe rectifiée de 1990 (il connait)\n"
    "  --variante             autre forme des verbes qui en ont deux (je paye,\n"
    "                         j'assieds, je puis)\n"
    "                         Les options se combinent ; sans forme, la ligne est « - ».\n"
    "  --temps T              un seul temps : un code de case (ImpSubj, PCInd…) ou un\n"
    "                         nom, mode-temps, l'indicatif pouvant être omis (présent,\n"
    "                         passé-composé, subjonctif-imparfait, impératif-présent,\n"
    "                         conditionnel-passé-1, participe-présent…)\n"
    "  --personne P           une seule personne : 1 à 6 ou le pronom (je, tu, il, elle,\n"
    "                         on, nous, vous, ils, elles) ; à l'impératif, tu, nous,\n"
    "                         vous. Avec --temps, la forme seule (conjugue --temps\n"
    "                         ImpSubj --personne 6 vouloir : qu'ils voulussent) ; avec\n"
    "                         --tsv ou --json, les seules lignes ou cases retenues\n"
    "  --analyse FORME...     retrouve le verbe, le temps et la personne d'une forme\n"
    "                         conjuguée (allions : aller, indicatif imparfait…) ou d'une\n"
    "                         ligne telle que conjugue l'écrit (\"je ne me lève pas\" : se\n"
    "                         lever, indicatif présent, je, négation) ; avec --tsv, une\n"
    "                         ligne par lecture : <forme>\\t<infinitif>\\t<case>\\t<personne>\n"
    "                         (PartPasse\\t0 pour un participe passé). Statut 1 si une\n"
    "                         forme n'est pas trouvée ; suggestions sur la sortie d'erreur\n"
    "  --tsv        98 lignes par texte, séparées par des tabulations :\n"
    "               <mot>\\tGroupe\\t0\\t<groupe>, puis <mot>\\t<case>\\t<personne>\\t<forme>\n"
    "               (un mot qui n'est pas un verbe garde ses 98 lignes, formes vides)\n"
    "  --complet    avec --tsv, ajoute après les 98 lignes infinitif, participe passé\n"
    "               (4 formes), participe passé composé et gérondif (InfPres, InfPasse,\n"
    "               PartPasse 1 à 4, PartPasseComp, GerPres, GerPasse)\n"
    "  --json       un objet JSON par ligne et par texte : mot, groupe, verbe, modele,\n"
    "               regle, options, cellules (chaque case et ses formes, tableau\n"
    "               complet), faits (ce que le verbe admet : impersonnel, passif…) ;\n"
    "               pour un mot qui\n"
    "               n'est pas un verbe : mot, verbe (false) et erreur ; avec --analyse :\n"
    "               forme, verbes (infinitif, connu, lectures : cellule, personne,\n"
    "               rectifiee et variante, vraies pour une forme de l'orthographe\n"
    "               rectifiée ou de l'autre forme seulement, options de la ligne)\n"
    "  -h, --help   affiche cette aide\n"
    "  -V, --version  affiche la version\n"
    "  --           la suite n'est faite que de verbes\n"
    "\n"
    "Sans --tsv ni --json, chaque verbe est une grille lisible. Dans un terminal, les\n"
    "temps sont côte à côte sur autant de colonnes que la largeur en permet (COLUMNS,\n"
    "sinon la largeur du terminal ; une seule sous 40), avec les titres en gras sauf si\n"
    "NO_COLOR est défini et non vide. Hors terminal, une seule colonne, sans gras. Un\n"
    "mot qui n'est pas un verbe n'a que son message sur la sortie d'erreur.\n"
    "\n"
    "Un mot donné en argument qui n'est pas un verbe est suivi, sur la sortie\n"
    "d'erreur, de ce que le dictionnaire en sait (« allions » : aller, …) ou de\n"
    "suggestions. Un verbe donné en argument que le dictionnaire ne connaît pas,\n"
    "mais proche d'un verbe qu'il connaît, est précédé sur la sortie d'erreur de\n"
    "« acceuillir : Vouliez-vous dire « accueillir » ? » ; il est conjugué quand même\n"
    "(en JSON : \"connu\": false et \"suggestions\").\n"
    "\n"
    "Statut de sortie : 0 si tout est conjugué, 1 si un mot n'est pas un verbe,\n"
    "2 si une ligne ou un argument n'est pas du texte UTF-8 valide (ou option inconnue,\n"
    "ou autre usage invalide), 3 si la sortie ne peut être écrite (arrêt à la première\n"
    "écriture manquée ; sans message si la sortie est un tube refermé, comme avec\n"
    "« conjugue … | head » : SIGPIPE est ignoré), 4 si l'entrée standard ne peut\n"
    "être lue.\n";

struct EchecSortie {
    int erreur;
};

// Standard output and standard error, each gathered in a large block: a
// batch of thousands of texts pays a few writes, not one per line or per
// non-verb. Standard error is written right after standard output, so that on
// a shared terminal a message comes no earlier than the output before it.
class Sorties {
public:
    Sorties(TSortie& sortie, TSortie& erreurs) : sortie_(sortie), erreurs_(erreurs) {
        texte.reserve(Seuil + (1 << 14));
    }

    TTamponSortie texte;   // for standard output
    std::string messages;  // for standard error

    void Libere() {
        if (texte.size() >= Seuil || messages.size() >= Seuil) Vide();
    }
    // Throws EchecSortie when standard output fails: nothing more is done
    // after the first failed write.
    void Vide() {
        if (!texte.empty()) {
            const int erreur = sortie_.Ecrit(texte);
            texte.clear();
            if (erreur != 0) {
                VideMessages();
                throw EchecSortie{erreur};
            }
        }
        VideMessages();
    }
    // A failing standard error has nowhere to be reported: it is let be.
    void VideMessages() {
        if (!messages.empty()) erreurs_.Ecrit(messages);
        messages.clear();
    }

private:
    static constexpr std::size_t Seuil = 1 << 17;
    TSortie& sortie_;
    TSortie& erreurs_;
};

// The lexicon, loaded only when a text needs it: conjugating a batch read on
// standard input never waits for the dictionary.
class Conseils {
public:
    // `signale`: whether a missing dictionary is reported (once). Conjugating
    // works exactly as without a dictionary, so only --analyse says it.
    Conseils(Sorties& sorties, bool signale) : sorties_(sorties), signale_(signale) {}

#ifdef FLORIMOT_LEXIQUE
    // The form index needs no dictionary: a batch never waits for it.
    static std::vector<TAnalyse> Analyse(std::string_view forme) { return AnalyseTexte(forme); }
#endif

    // What the lexicon says of a text, one line each: the verbs whose grid
    // holds it ("« allions » : aller, …"), then, when `suggestions` and no verb
    // the dictionary knows was found, the verbs it may be a misspelling of.
    std::vector<std::string> Dit(std::string_view texte, bool suggestions) {
        std::vector<std::string> lignes;
#ifdef FLORIMOT_LEXIQUE
        const std::vector<TAnalyse> analyse = Analyse(texte);
        if (!analyse.empty()) lignes.push_back(DecritAnalyse(texte, analyse));
        if (suggestions && !Connu(analyse))
            if (std::string s = Suggere(texte); !s.empty()) lignes.push_back(std::move(s));
#else
        (void)texte;
        (void)suggestions;
        Indisponible();
#endif
        return lignes;
    }

#ifdef FLORIMOT_LEXIQUE
    // Whether a verb the dictionary knows was found, not only verbs guessed
    // from the letters (which may hide a misspelling).
    static bool Connu(const std::vector<TAnalyse>& analyse) {
        return std::any_of(analyse.begin(), analyse.end(),
                           [](const TAnalyse& a) { return a.connu; });
    }

    // For a verb typed as an argument: std::nullopt when the dictionary knows
    // it (or there is none), else the verbs close to it, maybe none.
    std::optional<std::vector<std::string>> Inconnu(std::string_view infinitif) {
        TLexique* l = Lexique();
        if (l == nullptr || l->Faits(infinitif).connu) return std::nullopt;
        return VerbesProches(*l, infinitif);
    }

    // "suggestions : acquérir", or "".
    std::string Suggere(std::string_view texte) {
        std::string liste;
        if (TLexique* l = Lexique())
            for (const std::string& s : l->Suggestions(texte)) {
                liste += liste.empty() ? "suggestions : " : ", ";
                liste += s;
            }
        return liste;
    }
#endif

private:
#ifdef FLORIMOT_LEXIQUE
    TLexique* Lexique() {
        if (!lexique_) lexique_ = std::make_unique<TLexique>();
        if (lexique_->Disponible()) return lexique_.get();
        Indisponible(lexique_->Raison());
        return nullptr;
    }
    std::unique_ptr<TLexique> lexique_;
#endif

    // Said once, not at every word.
    void Indisponible(std::string_view raison = "Florimot a été construit sans libhunspell : "
                                                "analyse des formes et suggestions indisponibles") {
        if (dit_ || !signale_) return;
        dit_ = true;
        sorties_.messages += "conjugue : ";
        sorties_.messages += raison;
        sorties_.messages += '\n';
    }

    Sorties& sorties_;
    bool signale_;
    bool dit_ = false;
};

// What every way of handling the texts shares: the reports and the status.
class Traitement {
public:
    Traitement(Sorties& sorties, Conseils& conseils) : sorties_(sorties), conseils_(conseils) {}
    virtual ~Traitement() = default;

    virtual void Traite(std::string_view texte) = 0;

    // The dictionary takes a tenth of a second and 15 MB to load, and each
    // suggestion as long: what it says of a non-verb, and the suggestions, are
    // given for texts a person typed as arguments, not for a batch read on
    // standard input (--analyse reads the dictionary in either case).
    void AvecSuggestions(bool oui) { suggestions_ = oui; }

    void Refuse(std::string_view ou) {
        sorties_.messages += "conjugue : ";
        sorties_.messages += ou;
        sorties_.messages += " : texte UTF-8 invalide ou caractère NUL, ignoré\n";
        statut_ = std::max(statut_, SortieTexteInvalide);
        sorties_.Libere();
    }

    void EchecLecture(int erreur) {
        sorties_.messages += "conjugue : lecture de l'entrée standard impossible : ";
        sorties_.messages += std::strerror(erreur);
        sorties_.messages += '\n';
        statut_ = SortieLecture;
    }

    int Statut() const { return statut_; }

protected:
    bool suggestions_ = false;

    // Under a message, what the lexicon says of the text.
    void Conseille(std::string_view texte) {
        for (const std::string& ligne : conseils_.Dit(texte, suggestions_)) {
            sorties_.messages += "  ";
            sorties_.messages += ligne;
            sorties_.messages += '\n';
        }
    }

    Sorties& sorties_;
    Conseils& conseils_;
    int statut_ = SortieSucces;
};

class Conjugueur final : public Traitement {
public:
    Conjugueur(TEcrivain& ecrivain, Sorties& sorties, Conseils& conseils)
        : Traitement(sorties, conseils), ecrivain_(ecrivain) {}

    void Traite(std::string_view texte) override {
        verbe_.DefinitVerbe(texte);
        [[maybe_unused]] const TFaits faits = PrepareVerbe(verbe_);
        ecrivain_.DefinitFaits(faits);
        if (verbe_.DonneGroupe() == 0) {
            ecrivain_.NonVerbe(verbe_);
            sorties_.messages += verbe_.Intitule();
            sorties_.messages += " : ";
            sorties_.messages += verbe_.TropLong() ? MessageTropLong : MessageNonVerbe;
            sorties_.messages += '\n';
            if (suggestions_ && !verbe_.TropLong()) Conseille(verbe_.Intitule());
            statut_ = std::max(statut_, SortieNonVerbe);
        } else {
#ifdef FLORIMOT_LEXIQUE
            // A misspelt verb is still conjugated from its letters (new verbs
            // must work), but the likely verb is named first, ahead of the
            // grid on a shared terminal.
            // The facts table holds the dictionary's verbs: a verb it knows
            // needs no dictionary loaded to be called known.
            std::optional<std::vector<std::string>> inconnu;
            if (suggestions_ && !faits.Connu) inconnu = conseils_.Inconnu(verbe_.Intitule());
            if (inconnu && !inconnu->empty()) {
                sorties_.Vide();
                sorties_.messages += verbe_.Intitule();
                sorties_.messages += " : ";
                sorties_.messages += PhraseVerbesProches(*inconnu);
                sorties_.messages += '\n';
                sorties_.VideMessages();
            }
            ecrivain_.DefinitInconnu(std::move(inconnu));
#endif
            ecrivain_.Ecrit(verbe_);
        }
        sorties_.Libere();
    }

private:
    TEcrivain& ecrivain_;
    TVerbe verbe_;
};

// A text as a message quotes it: a pasted page is named by its first
// letters, not copied whole to standard error.
std::string Debut(const std::string& texte) {
    constexpr std::size_t Octets = 60;
    if (texte.size() <= Octets + 4) return texte;
    std::size_t fin = Octets;
    while (fin > 0 && (static_cast<unsigned char>(texte[fin]) & 0xC0) == 0x80) --fin;
    return texte.substr(0, fin) + "…";
}

// --analyse: from each form back to the verbs whose grid holds it.
class Analyseur final : public Traitement {
public:
    Analyseur(FormatSortie format, Sorties& sorties, Conseils& conseils)
        : Traitement(sorties, conseils), format_(format) {}

    void Traite(std::string_view texte) override {
        std::string forme = NormaliseSaisie(texte);
        const std::size_t debut = forme.find_first_not_of(' ');
        forme = debut == std::string::npos ? std::string() : forme.substr(debut);
        while (!forme.empty() && forme.back() == ' ') forme.pop_back();
#ifdef FLORIMOT_LEXIQUE
        const std::vector<TAnalyse> analyse = conseils_.Analyse(forme);
#else
        conseils_.Dit(forme, false);  // says once why there is no analysis
        const std::vector<int> analyse;
#endif
        if (analyse.empty()) {
            sorties_.messages += "« ";
            sorties_.messages += Debut(forme);
            sorties_.messages += " » : aucune forme verbale connue\n";
            statut_ = std::max(statut_, SortieNonVerbe);
        }
#ifdef FLORIMOT_LEXIQUE
        // Nothing found, or only verbs guessed from the letters: maybe a
        // misspelling.
        if (suggestions_ && !Conseils::Connu(analyse))
            if (const std::string s = conseils_.Suggere(forme); !s.empty()) {
                sorties_.messages += "  ";
                sorties_.messages += s;
                sorties_.messages += '\n';
            }
        if (format_ == FormatSortie::Json) {
            nlohmann::ordered_json objet;
            objet["forme"] = forme;
            objet["verbes"] = nlohmann::ordered_json::array();
            for (const TAnalyse& a : analyse) {
                nlohmann::ordered_json verbe;
                verbe["infinitif"] = a.infinitif;
                verbe["connu"] = a.connu;
                verbe["lectures"] = nlohmann::ordered_json::array();
                for (const TLecture& l : a.lectures) {
                    // The options the line shows, as a grid's object names them.
                    const nlohmann::ordered_json lecture = {
                        {"cellule", l.cellule},
                        {"personne", l.personne},
                        {"rectifiee", l.rectifiee},
                        {"variante", l.variante},
                        {"options",
                         {{"feminin", l.options.Feminin},
                          {"negation", l.options.Negation},
                          {"interrogation", l.options.Interrogation},
                          {"passif", l.options.Passif}}}};
                    verbe["lectures"].push_back(std::move(lecture));
                }
                objet["verbes"].push_back(std::move(verbe));
            }
            sorties_.texte += objet.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
            sorties_.texte += '\n';
        } else if (format_ == FormatSortie::Tsv) {
            for (const TAnalyse& a : analyse)
                for (const TLecture& l : a.lectures) {
                    sorties_.texte += forme;
                    sorties_.texte += '\t';
                    sorties_.texte += a.infinitif;
                    sorties_.texte += '\t';
                    sorties_.texte += l.cellule;
                    sorties_.texte += '\t';
                    sorties_.texte += static_cast<char>('0' + l.personne);
                    sorties_.texte += '\n';
                }
        } else if (!analyse.empty()) {
            sorties_.texte += DecritAnalyse(forme, analyse);
            sorties_.texte += '\n';
        }
#endif
        sorties_.Libere();
    }

private:
    FormatSortie format_;
};

bool EstTexteAcceptable(std::string_view s) {
    return utf8::EstValide(s) && s.find('\0') == std::string_view::npos;
}

void LitEntree(TEntree& entree, Traitement& conjugueur, Sorties& sorties) {
    LecteurLignes lecteur([&](const LecteurLignes::Ligne& l) {
        if (l.valide)
            conjugueur.Traite(l.texte);
        else
            conjugueur.Refuse("ligne " + std::to_string(l.numero));
    });
    constexpr std::size_t Taille = 1 << 16;
    const auto bloc = std::make_unique<char[]>(Taille);
    for (;;) {
        const Lecture lu = entree.Lit(bloc.get(), Taille);
        if (lu.erreur != 0) {
            // The line cut short by the failure is not conjugated: it may be
            // only the start of a word.
            conjugueur.EchecLecture(lu.erreur);
            return;
        }
        if (lu.taille == 0) break;
        lecteur.Ajoute(std::string_view(bloc.get(), lu.taille));
        // A short read means the writer has nothing more ready for now: what
        // is done is shown before waiting, so that someone typing sees each
        // answer while a file or a fast pipe still goes out in large blocks.
        if (lu.taille < Taille) sorties.Vide();
    }
    lecteur.Termine();
}

}  // namespace

Presentation ChoisitPresentation(bool terminal, const char* colonnes, const char* sansCouleur,
                                 int largeurTerminal) {
    if (!terminal) return {};
    Presentation p;
    p.gras = sansCouleur == nullptr || *sansCouleur == '\0';
    p.largeur = std::max(largeurTerminal, 0);
    if (colonnes != nullptr && *colonnes != '\0') {
        // Digits only, and no absurd width: anything else is not a width.
        const std::string_view s(colonnes);
        if (s.size() <= 6 &&
            std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; }))
            p.largeur = std::stoi(std::string(s));
    }
    return p;
}

int ExecuteConjugue(const std::vector<std::string>& arguments, TEntree& entree, TSortie& sortie,
                    TSortie& erreurs, Presentation presentation) {
    Sorties sorties(sortie, erreurs);
    try {
        FormatSortie format = FormatSortie::Lisible;
        TOptions optionsConjugaison;
        bool tsv = false, json = false, analyse = false, complet = false;
        TFiltre filtre;
        std::vector<std::string_view> verbes;
        bool options = true;
        const auto refuse = [&](std::string_view message) {
            sorties.messages += message;
            sorties.Vide();
            return SortieTexteInvalide;
        };
        for (std::size_t n = 0; n < arguments.size(); ++n) {
            const std::string& a = arguments[n];
            // "--temps X" or "--temps=X".
            const auto valeur = [&](std::string_view option) -> std::optional<std::string_view> {
                if (!options) return std::nullopt;
                if (a == option) {
                    if (n + 1 == arguments.size()) return std::string_view();
                    return arguments[++n];
                }
                if (a.size() > option.size() && a.starts_with(option) && a[option.size()] == '=')
                    return std::string_view(a).substr(option.size() + 1);
                return std::nullopt;
            };
            if (const auto t = valeur("--temps")) {
                if (const std::string m = LitTemps(EstTexteAcceptable(*t) ? *t : "?", filtre);
                    !m.empty())
                    return refuse(m);
            } else if (const auto p = valeur("--personne")) {
                if (const std::string m = LitPersonne(EstTexteAcceptable(*p) ? *p : "?", filtre);
                    !m.empty())
                    return refuse(m);
            } else if (options && a == "--") {
                options = false;
            } else if (options && (a == "-h" || a == "--help")) {
                sorties.texte += Aide;
                sorties.Vide();
                return SortieSucces;
            } else if (options && (a == "-V" || a == "--version")) {
                sorties.texte += "conjugue (Florimot) " FLORIMOT_VERSION "\n";
                sorties.Vide();
                return SortieSucces;
            } else if (options && a == "--tsv") {
                tsv = true;
                format = FormatSortie::Tsv;
            } else if (options && a == "--json") {
                json = true;
                format = FormatSortie::Json;
            } else if (options && (a == "--feminin" || a == "--féminin")) {
                optionsConjugaison.Feminin = true;
            } else if (options && (a == "--negation" || a == "--négation")) {
                optionsConjugaison.Negation = true;
            } else if (options && a == "--interrogation") {
                optionsConjugaison.Interrogation = true;
            } else if (options && a == "--passif") {
                optionsConjugaison.Passif = true;
            } else if (options && (a == "--rectifiee" || a == "--rectifiée")) {
                optionsConjugaison.Rectifiee = true;
            } else if (options && a == "--variante") {
                optionsConjugaison.Variante = true;
            } else if (options && a == "--analyse") {
                analyse = true;
            } else if (options && a == "--complet") {
                complet = true;
            } else if (options && a.size() > 1 && a[0] == '-') {
                sorties.messages += "conjugue : option inconnue « ";
                sorties.messages += EstTexteAcceptable(a) ? std::string_view(a) : "?";
                sorties.messages += " » (conjugue --help)\n";
                sorties.Vide();
                return SortieTexteInvalide;
            } else {
                verbes.push_back(a);
            }
        }
        if (tsv && json) return refuse("conjugue : --tsv et --json s'excluent (conjugue --help)\n");
        if (const std::string m = VerifieFiltre(filtre); !m.empty()) return refuse(m);
        if (analyse && filtre.Actif())
            return refuse("conjugue : --temps et --personne ne s'emploient pas avec --analyse\n");

        const std::unique_ptr<TEcrivain> ecrivain =
            filtre.Actif() ? CreeEcrivainFiltre(format, sorties.texte, optionsConjugaison, filtre)
                           : CreeEcrivain(format, sorties.texte, optionsConjugaison,
                                          presentation.largeur, presentation.gras, complet);
        Conseils conseils(sorties, analyse);
        Conjugueur conjugaison(*ecrivain, sorties, conseils);
        Analyseur analyseur(format, sorties, conseils);
        Traitement& conjugueur = analyse ? static_cast<Traitement&>(analyseur) : conjugaison;
        conjugueur.AvecSuggestions(!verbes.empty());
        if (!verbes.empty()) {
            for (std::size_t i = 0; i < verbes.size(); ++i) {
                if (EstTexteAcceptable(verbes[i]))
                    conjugueur.Traite(verbes[i]);
                else
                    conjugueur.Refuse("argument " + std::to_string(i + 1));
            }
        } else {
            LitEntree(entree, conjugueur, sorties);
        }
        ecrivain->Fin();
        sorties.Vide();
        return conjugueur.Statut();
    } catch (const EchecSortie& e) {
        // A reader that went away (… | head) has all it wanted: not an error
        // worth a message, but not a success either.
        if (e.erreur != EPIPE) {
            sorties.messages += "conjugue : impossible d'écrire la sortie : ";
            sorties.messages += std::strerror(e.erreur);
            sorties.messages += '\n';
            sorties.VideMessages();
        }
        return SortieEcriture;
    }
}

}  // namespace florimot
