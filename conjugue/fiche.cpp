#include "fiche.hpp"

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <charconv>
#include <random>

#include "arguments.hpp"
#include "flux.hpp"
#include "json_valeurs.hpp"
#include "sorties.hpp"
#include "textes_fiche.hpp"

namespace florimot {

namespace {

template <class T>
bool LitEntier(std::string_view s, T& n) {
    const auto [fin, erreur] = std::from_chars(s.data(), s.data() + s.size(), n);
    return erreur == std::errc() && fin == s.data() + s.size() && !s.empty();
}

using Ecrivain = rapidjson::Writer<rapidjson::StringBuffer>;

void Texte(Ecrivain& json, std::string_view s) {
    ChaineJson(json, s);
}

void Textes(Ecrivain& json, std::string_view cle, const std::vector<std::string>& textes) {
    Texte(json, cle);
    json.StartArray();
    for (const std::string& t : textes) Texte(json, t);
    json.EndArray();
}

std::string Json(const TFiche& fiche) {
    rapidjson::StringBuffer tampon;
    Ecrivain json(tampon);
    json.StartObject();
    Texte(json, "format");
    json.Int(2);
    Texte(json, "graine");
    json.Uint64(fiche.Choix.Graine);
    Texte(json, "genre");
    Texte(json, NomGenre(fiche.Choix.Genre));
    Texte(json, "options");
    json.StartArray();
    for (const TDescriptionOption& d : DescriptionsOptions)
        if (EstActive(fiche.Choix.Options, d)) Texte(json, d.CleJson);
    json.EndArray();
    Texte(json, "items");
    json.StartArray();
    for (const TItem& item : fiche.Items) {
        json.StartObject();
        Texte(json, "verbe");
        Texte(json, item.Verbe);
        Texte(json, "cellule");
        Texte(json, Grille[item.TCellule].Nom);
        Texte(json, "temps");
        Texte(json, NomDuTemps(item.TCellule));
        if (!item.Auxiliaire.empty()) {
            Texte(json, "auxiliaire");
            Texte(json, item.Auxiliaire);
        }
        std::string enonce;
        for (const std::string& l : Enonce(item, fiche.Choix.Genre))
            enonce += (enonce.empty() ? "" : "\n") + l;
        Texte(json, "enonce");
        Texte(json, enonce);
        Texte(json, "reponses");
        json.StartArray();
        for (const TReponse& r : item.Reponses) {
            json.StartObject();
            Texte(json, "personne");
            json.Int(r.Personne);
            Texte(json, "amorce");
            Texte(json, r.Amorce);
            Textes(json, "formes", r.Formes);
            Textes(json, "lignes", r.Lignes);
            json.EndObject();
        }
        json.EndArray();
        Texte(json, "corrige");
        Texte(json, Corrige(item));
        json.EndObject();
    }
    json.EndArray();
    Textes(json, "refuses", fiche.Refuses);
    json.EndObject();
    return std::string(tampon.GetString(), tampon.GetSize()) + '\n';
}

// The lines of standard input, each a verb; "" for what cannot be read.
bool LitLignes(TEntree& entree, std::vector<std::string>& lignes, std::string& message) {
    std::string tout;
    char bloc[1 << 14];
    for (;;) {
        const TLectureFlux lu = entree.Lit(bloc, sizeof bloc);
        if (lu.Erreur != 0) {
            message = "conjugue : impossible de lire l'entrée standard\n";
            return false;
        }
        if (lu.Taille == 0) break;
        tout.append(bloc, lu.Taille);
    }
    std::size_t numero = 0;
    for (std::string_view reste = tout; !reste.empty();) {
        const std::size_t fin = std::min(reste.find('\n'), reste.size());
        std::string_view ligne = reste.substr(0, fin);
        reste.remove_prefix(std::min(fin + 1, reste.size()));
        ++numero;
        while (!ligne.empty() &&
               (ligne.back() == '\r' || ligne.back() == ' ' || ligne.back() == '\t'))
            ligne.remove_suffix(1);
        while (!ligne.empty() && (ligne.front() == ' ' || ligne.front() == '\t'))
            ligne.remove_prefix(1);
        if (ligne.empty()) continue;
        if (!EstTexteAcceptable(ligne)) {
            message += "conjugue : ligne " + std::to_string(numero) +
                       " : texte invalide (UTF-8 attendu)\n";
            continue;
        }
        lignes.emplace_back(ligne);
    }
    return true;
}

}  // namespace

std::string LitValeurFiche(TActionDrapeau action, std::string_view valeur, TDemandeFiche& demande) {
    switch (action) {
        case TActionDrapeau::Nombre:
            if (int n = 0; LitEntier(valeur, n) && n >= 1 && n <= 500) {
                demande.Nombre = n;
                return {};
            }
            return "conjugue : --nombre : un entier de 1 à 500, pas « " + std::string(valeur) +
                   " »\n";
        case TActionDrapeau::Graine:
            if (std::uint64_t g = 0; LitEntier(valeur, g)) {
                demande.Graine = g;
                demande.GraineDonnee = true;
                return {};
            }
            return "conjugue : --graine : un entier positif, pas « " + std::string(valeur) + " »\n";
        case TActionDrapeau::Genre:
            if (const auto g = GenreNomme(valeur)) {
                demande.Genre = *g;
                return {};
            }
            return "conjugue : --genre : trou, phrase ou temps, pas « " + std::string(valeur) +
                   " »\n";
        case TActionDrapeau::Comme: {
            TVerbe v;
            v.DefinitVerbe(valeur);
            if (v.DonneGroupe() != 0) {
                demande.Comme.emplace_back(valeur);
                return {};
            }
            return "conjugue : --comme : « " + std::string(valeur) + " » n'est pas un verbe\n";
        }
        case TActionDrapeau::Groupe:
            if (int n = 0; LitEntier(valeur, n) && n >= 1 && n <= 3) {
                demande.Groupes.push_back(n);
                return {};
            }
            return "conjugue : --groupe : 1, 2 ou 3, pas « " + std::string(valeur) + " »\n";
        default: return {};
    }
}

int EcritFiche(const TDemandeFiche& demande, const TOptions& options, bool json,
               const std::vector<std::string_view>& verbes, TEntree& entree, TSorties& sorties) {
    TChoixFiche choix;
    choix.Temps = demande.Temps;
    choix.Personnes = demande.Personnes;
    choix.Options = options;
    choix.Genre = demande.Genre;
    choix.Nombre = demande.Nombre;
    choix.Graine = demande.GraineDonnee ? demande.Graine : std::random_device{}();
    int statut = 0;
    for (std::size_t i = 0; i < verbes.size(); ++i) {
        if (EstTexteAcceptable(verbes[i])) {
            choix.Verbes.emplace_back(verbes[i]);
        } else {
            sorties.Messages += "conjugue : argument " + std::to_string(i + 1) +
                                " : texte invalide (UTF-8 attendu)\n";
            statut = 2;
        }
    }
    for (const std::string& modele : demande.Comme)
        for (std::string& v : VerbesComme(modele)) choix.Verbes.push_back(std::move(v));
    for (int groupe : demande.Groupes)
        for (std::string& v : VerbesDuGroupe(groupe)) choix.Verbes.push_back(std::move(v));
    if (demande.Courants)
        for (std::string& v : CentVerbesCourants()) choix.Verbes.push_back(std::move(v));
    if (verbes.empty() && demande.Comme.empty() && demande.Groupes.empty() && !demande.Courants) {
        std::string message;
        const bool lu = LitLignes(entree, choix.Verbes, message);
        sorties.Messages += message;
        if (!lu) return 4;
        if (!message.empty()) statut = 2;
    }

    const TFiche fiche = GenereFiche(choix);
    for (const std::string& refuse : fiche.Refuses) {
        sorties.Messages += "conjugue : « " + refuse + " » n'est pas un verbe\n";
        statut = std::max(statut, 1);
    }
    if (fiche.Items.empty()) {
        sorties.Messages +=
            "conjugue : --exercices : aucun item, faute de verbe qui ait une "
            "forme aux temps et personnes choisis\n";
        return std::max(statut, 1);
    }
    if (json)
        sorties.Texte += Json(fiche);
    else
        sorties.Texte += TexteFiche(fiche);
    return statut;
}

}  // namespace florimot
