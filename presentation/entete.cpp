#include "entete.hpp"

#include "formes_nues.hpp"
#include "legende.hpp"
#include "regles.hpp"

namespace florimot {

namespace {

// A caption's items, `entre` between them: "féminin, négation".
void Joint(std::string& texte, std::span<const std::string_view> items, std::string_view entre) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) texte += entre;
        texte += items[i];
    }
}

void Ajoute(std::string& texte, std::string_view item) {
    if (item.empty()) return;
    texte += " — ";
    texte += item;
}

}  // namespace

TEntete FaitEntete(const TVerbe& verbe, const TOptions& options, const TFaits& faits) {
    TEntete e;
    e.Intitule = verbe.Intitule();
    e.Groupe = LegendeGroupe(verbe);
    e.Modele = ModeleDuVerbe(verbe, options);
    e.Famille = FamilleDuVerbe(verbe, options);
    e.Type =
        !e.Modele.empty() ? e.Modele : TypeDuModele(verbe, {options.Rectifiee, options.Variante});
    e.Regle = RegleDuModele(verbe, options);
    e.Options = DecritOptions(options, verbe);
    e.Auxiliaires = NoteAuxiliaires(verbe);
    const auto fait = [&e](bool oui, std::string_view legende) {
        if (oui) e.Faits[e.NombreFaits++] = legende;
    };
    fait(faits.Impersonnel, FaitImpersonnel);
    fait(faits.Pronominal || faits.Reciproque, FaitPronominal);
    fait(faits.Reciproque, FaitPlurielSeulement);
    fait(faits.TroisiemesPersonnes, FaitTroisiemesPersonnes);
    fait(options.Passif && SansVoixPassive(verbe, faits, options), FaitSansPassif);
    return e;
}

std::string EnteteLisible(const TEntete& entete) {
    std::string texte = entete.Intitule;
    Ajoute(texte, entete.Groupe);
    if (!entete.Modele.empty()) {
        texte += " — se conjugue comme ";
        texte += entete.Modele;
    } else if (!entete.Famille.empty()) {
        texte += " — modèle : famille ";
        texte += DeVerbe(entete.Famille);
    }
    Ajoute(texte, entete.Regle);
    Ajoute(texte, entete.Auxiliaires);
    Ajoute(texte, entete.Options);
    if (entete.NombreFaits > 0) {
        texte += " — ";
        Joint(texte, entete.LegendesFaits(), ", ");
    }
    return texte;
}

std::string EnteteLisible(const TVerbe& verbe, const TOptions& options, const TFaits& faits) {
    return EnteteLisible(FaitEntete(verbe, options, faits));
}

std::string DecritFaits(const TVerbe& verbe, const TFaits& faits, const TOptions& options) {
    std::string texte;
    Joint(texte, FaitEntete(verbe, options, faits).LegendesFaits(), ", ");
    return texte;
}

std::string NoteDuVerbe(const TEntete& entete, std::string_view dictionnaire,
                        std::string_view autreForme) {
    std::string note;
    for (const std::string_view f : entete.LegendesFaits()) {
        if (dictionnaire.find(f) != std::string_view::npos) continue;
        if (!note.empty()) note += ", ";
        note += f;
    }
    const auto partie = [&note](std::string_view debut, std::string_view texte) {
        if (texte.empty()) return;
        if (!note.empty()) note += " ; ";
        note += debut;
        note += texte;
    };
    partie({}, entete.Auxiliaires);
    partie({}, dictionnaire);
    partie("autre forme : ", autreForme);
    return note;
}

}  // namespace florimot
