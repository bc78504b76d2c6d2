// The infinitives a form's letters suggest: the table of tails the guesses
// read, made from the engine's example verbs, and the heads and endings
// tried against it.
#include <algorithm>
#include <cstdint>
#include <map>
#include <unordered_map>
#include <unordered_set>

#include "conjugaison.hpp"
#include "formes_nues.hpp"
#include "hachage.hpp"
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
//
// The tails a form is tried against all end where it ends: each is found
// by a hash read from its last byte back, which one walk from the form's
// end gives for every tail at once, in a flat table of a few thousand
// slots (a map hashed every tail anew and chased a node for each).
// Hache, fed the bytes from the last one back.
constexpr std::uint32_t HacheDeRetour(std::uint32_t h, char octet) {
    return Hache({&octet, 1}, h);
}
constexpr std::uint32_t HacheDeRetour(std::string_view queue) {
    std::uint32_t h = Hache({});
    for (std::size_t i = queue.size(); i > 0; --i) h = HacheDeRetour(h, queue[i - 1]);
    return h;
}

struct TQueue {
    std::string_view Texte;
    std::vector<std::string_view> Fins;
};

struct TQueues {
    std::vector<TQueue> Liste;
    std::vector<std::uint32_t> Places;  // an index into Liste plus one; 0 free
    const TQueue* Cherche(std::string_view queue, std::uint32_t hache) const {
        const std::size_t masque = Places.size() - 1;
        for (std::size_t i = hache & masque; Places[i] != 0; i = (i + 1) & masque)
            if (const TQueue& q = Liste[Places[i] - 1]; q.Texte == queue) return &q;
        return nullptr;
    }
};

TQueues LitQueues(std::string_view texte) {
    TQueues q;
    while (!texte.empty()) {
        const std::size_t fin = texte.find('\n');
        std::string_view ligne = texte.substr(0, fin);
        texte.remove_prefix(fin == std::string_view::npos ? texte.size() : fin + 1);
        const std::size_t tab = ligne.find('\t');
        if (tab == std::string_view::npos) continue;
        TQueue& queue = q.Liste.emplace_back();
        queue.Texte = ligne.substr(0, tab);
        for (ligne.remove_prefix(tab + 1); !ligne.empty();) {
            const std::size_t blanc = ligne.find(' ');
            queue.Fins.push_back(ligne.substr(0, blanc));
            ligne.remove_prefix(blanc == std::string_view::npos ? ligne.size() : blanc + 1);
        }
    }
    // At most a quarter full: a probe seldom goes past its first slot.
    std::size_t places = 64;
    while (places < 4 * q.Liste.size()) places *= 2;
    q.Places.assign(places, 0);
    for (std::uint32_t n = 0; n < q.Liste.size(); ++n) {
        const std::string_view texteQueue = q.Liste[n].Texte;
        // A tail on two lines (the generator writes each once) gives the
        // endings of both, in their order.
        const std::uint32_t hache = HacheDeRetour(texteQueue);
        if (const TQueue* deja = q.Cherche(texteQueue, hache)) {
            std::vector<std::string_view>& fins = q.Liste[deja - q.Liste.data()].Fins;
            fins.insert(fins.end(), q.Liste[n].Fins.begin(), q.Liste[n].Fins.end());
            continue;
        }
        std::size_t i = hache & (places - 1);
        while (q.Places[i] != 0) i = (i + 1) & (places - 1);
        q.Places[i] = n + 1;
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

std::vector<TPossible> InfinitifsPossibles(std::string_view forme) {
    // Where each letter starts, and the hash of the letters before it.
    std::vector<std::size_t> debuts;
    std::vector<std::uint32_t> haches;
    debuts.reserve(forme.size() + 1);
    haches.reserve(forme.size() + 1);
    std::uint32_t avant = Hache({});
    for (std::size_t i = 0; i < forme.size();) {
        debuts.push_back(i);
        haches.push_back(avant);
        const std::size_t taille = utf8::Decode(forme.substr(i)).Taille;
        avant = Hache(forme.substr(i, taille), avant);
        i += taille;
    }
    debuts.push_back(forme.size());
    haches.push_back(avant);
    const std::size_t n = debuts.size() - 1;
    const TQueues& queues = Queues();
    std::vector<TPossible> candidats;
    candidats.reserve(32);
    // `debut`, of `lettres` letters and hash `hache`, then `fin`. A few dozen
    // at most: a walk costs less than a set, and a candidate already there
    // is found by its hash without being written out.
    const auto ajoute = [&](std::size_t lettres, std::uint32_t hache, std::string_view debut,
                            std::string_view fin) {
        lettres += utf8::Caracteres(fin);
        if (lettres > TText::Capacite) return;
        hache = Hache(fin, hache);
        const std::size_t taille = debut.size() + fin.size();
        for (const TPossible& c : candidats)
            if (c.Hache == hache && c.Mot.size() == taille && c.Mot.ends_with(fin) &&
                c.Mot.starts_with(debut))
                return;
        TPossible& v = candidats.emplace_back(TPossible{{}, lettres, hache});
        v.Mot.reserve(taille);
        v.Mot.append(debut).append(fin);
    };
    std::uint32_t hacheQueue = HacheDeRetour({});
    for (std::size_t tete = n; tete >= 1; --tete) {
        if (n - tete > TailleQueue) break;
        const std::string_view debut = forme.substr(0, debuts[tete]);
        const std::string_view queue = forme.substr(debuts[tete]);
        for (std::size_t i = tete < n ? debuts[tete + 1] : debuts[tete]; i > debuts[tete]; --i)
            hacheQueue = HacheDeRetour(hacheQueue, forme[i - 1]);
        if (const TQueue* q = queues.Cherche(queue, hacheQueue))
            for (std::string_view fin : q->Fins) ajoute(tete, haches[tete], debut, fin);
        // achète, célèbre: the first group's e or é turned è before one or
        // two consonants of the stem, which no head shares with the infinitive.
        if (queue.starts_with("è"))
            for (std::size_t k = 1; k <= 2 && tete + 1 + k <= n; ++k) {
                const std::string_view consonnes =
                    forme.substr(debuts[tete + 1], debuts[tete + 1 + k] - debuts[tete + 1]);
                for (std::string_view voyelle : {"e", "é"}) {
                    const std::string tige =
                        std::string(debut) + std::string(voyelle) + std::string(consonnes);
                    ajoute(tete + 1 + k, Hache(tige), tige, "er");
                }
            }
    }
    return candidats;
}

}  // namespace florimot::lexique
