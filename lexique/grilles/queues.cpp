// The infinitives a form's letters suggest: the table of tails the guesses
// read, made from the engine's example verbs, and the heads and endings
// tried against it.
#include <algorithm>
#include <map>
#include <unordered_map>
#include <unordered_set>

#include "conjugaison.hpp"
#include "formes_nues.hpp"
#include "interne.hpp"
#include "utf8.hpp"

namespace florimot::lexique {

namespace {

// Letters of a tail tried after each head: "convain|quissions" and
// "cong|èleraient" are about the longest the engine's endings take past the
// head they share with their infinitive.
constexpr std::size_t TailleQueue = 10;

// For each tail the forms of the engine's example verbs put after the head
// they share with their infinitive, the endings the engine cuts its models'
// infinitives at that give it, in the engine's order: so that a head costs
// one look-up, not one per ending. The form index holds the table
// (TexteDesQueues), made at build time: built here, it would cost the
// first guess of a run some fifty milliseconds of grids.
struct TQueues {
    std::unordered_map<std::string_view, std::vector<std::string_view>> Fins;
};

TQueues LitQueues(std::string_view texte) {
    TQueues q;
    while (!texte.empty()) {
        const std::size_t fin = texte.find('\n');
        std::string_view ligne = texte.substr(0, fin);
        texte.remove_prefix(fin == std::string_view::npos ? texte.size() : fin + 1);
        const std::size_t tab = ligne.find('\t');
        if (tab == std::string_view::npos) continue;
        std::vector<std::string_view>& fins = q.Fins[ligne.substr(0, tab)];
        for (ligne.remove_prefix(tab + 1); !ligne.empty();) {
            const std::size_t blanc = ligne.find(' ');
            fins.push_back(ligne.substr(0, blanc));
            ligne.remove_prefix(blanc == std::string_view::npos ? ligne.size() : blanc + 1);
        }
    }
    return q;
}

const TQueues& Queues() {
    static const std::string calcule = QueuesDeLIndex().empty() ? TexteDesQueues() : std::string();
    static const TQueues queues = LitQueues(calcule.empty() ? QueuesDeLIndex() : calcule);
    return queues;
}

}  // namespace

std::string TexteDesQueues() {
    std::unordered_map<std::string_view, std::unordered_set<std::string>> parFin;
    for (std::string_view m : VerbesExemples()) {
        TVerbe v;
        v.DefinitVerbe(m);
        std::vector<std::string> formes;
        // Both spellings and both series: cèderai, assieds, paye.
        for (const TOptions& graphie : Graphies) {
            const TMotsGrille mots(v, ConjugueGrille(v, graphie), graphie);
            for (const TCellule& c : Grille)
                for (int p = c.PremierePersonne; p <= c.DernierePersonne; ++p)
                    if (std::string f = mots.Mot(c, p); !f.empty()) formes.push_back(std::move(f));
        }
        const std::vector<std::string> accords = ParticipesAccordes(v);
        formes.insert(formes.end(), accords.begin(), accords.end());
        for (std::string_view fin : CoupesDesModeles()) {
            if (!m.ends_with(fin) || m.size() == fin.size()) continue;
            const std::string_view tete = m.substr(0, m.size() - fin.size());
            for (std::string_view f : formes)
                if (f.starts_with(tete)) parFin[fin].emplace(f.substr(tete.size()));
        }
    }
    // Sorted, so that the table is the same from one build to the next.
    std::map<std::string, std::vector<std::string_view>> parQueue;
    for (std::string_view fin : CoupesDesModeles()) {
        const auto tails = parFin.find(fin);
        if (tails == parFin.end()) continue;
        for (const std::string& queue : tails->second) {
            std::vector<std::string_view>& fins = parQueue[queue];
            // An ending the engine lists twice is tried once: the
            // candidates are deduplicated all the same.
            if (std::find(fins.begin(), fins.end(), fin) == fins.end()) fins.push_back(fin);
        }
    }
    std::string texte;
    for (const auto& [queue, fins] : parQueue) {
        texte += queue;
        for (std::size_t i = 0; i < fins.size(); ++i) {
            texte += i == 0 ? '\t' : ' ';
            texte += fins[i];
        }
        texte += '\n';
    }
    return texte;
}

std::vector<std::string> InfinitifsPossibles(std::string_view forme) {
    // Where each letter starts.
    std::vector<std::size_t> debuts;
    for (std::size_t i = 0; i < forme.size();) {
        debuts.push_back(i);
        i += utf8::Decode(forme.substr(i)).Taille;
    }
    debuts.push_back(forme.size());
    const std::size_t n = debuts.size() - 1;
    const auto& queues = Queues();
    std::vector<std::string> candidats;
    const auto ajoute = [&](std::string v) {
        std::size_t lettres = 0;
        for (std::size_t i = 0; i < v.size();
             i += utf8::Decode(std::string_view(v).substr(i)).Taille)
            ++lettres;
        // A few dozen at most: a walk costs less than a set.
        if (lettres <= TText::Capacite &&
            std::find(candidats.begin(), candidats.end(), v) == candidats.end())
            candidats.push_back(std::move(v));
    };
    for (std::size_t tete = n; tete >= 1; --tete) {
        if (n - tete > TailleQueue) break;
        const std::string_view debut = forme.substr(0, debuts[tete]);
        const std::string_view queue = forme.substr(debuts[tete]);
        if (const auto q = queues.Fins.find(queue); q != queues.Fins.end())
            for (std::string_view fin : q->second) {
                std::string v;
                v.reserve(debut.size() + fin.size());
                v.append(debut).append(fin);
                ajoute(std::move(v));
            }
        // achète, célèbre: the first group's e or é turned è before one or
        // two consonants of the stem, which no head shares with the infinitive.
        if (queue.starts_with("è"))
            for (std::size_t k = 1; k <= 2 && tete + 1 + k <= n; ++k) {
                const std::string_view consonnes =
                    forme.substr(debuts[tete + 1], debuts[tete + 1 + k] - debuts[tete + 1]);
                for (std::string_view voyelle : {"e", "é"})
                    ajoute(std::string(debut) + std::string(voyelle) + std::string(consonnes) +
                           "er");
            }
    }
    return candidats;
}

}  // namespace florimot::lexique
