#include "guide.hpp"

#include <array>
#include <span>
#include <utility>

#include "accords.hpp"

namespace florimot {

namespace {

using TLigne = std::pair<std::string_view, std::string_view>;

constexpr std::array<TLigne, 24> Temps = {{
    {"PresInd", "ce qui se passe maintenant, ou toujours — Je parle français."},
    {"PCInd",
     "une action passée et achevée, à l'oral comme à l'écrit — Hier, j'ai parlé au maire."},
    {"ImpInd",
     "le décor, l'habitude ou ce qui durait dans le passé — Il pleuvait quand elle arriva."},
    {"PqpInd",
     "une action passée, achevée avant une autre — Il avait déjà mangé quand je suis arrivé."},
    {"PSInd", "récit écrit, une action passée et achevée — Il ouvrit la porte."},
    {"PAInd", "à l'écrit, achevé juste avant un passé simple — Quand il eut fini, il sortit."},
    {"FSInd", "ce qui aura lieu — Demain, nous partirons."},
    {"FAInd", "ce qui sera achevé avant un moment à venir — J'aurai fini avant midi."},
    {"PresSubj", "après que, pour ce qu'on veut, craint ou doute — Il faut que tu viennes."},
    {"PCSubj", "la même chose, achevée — Je suis content que tu sois venu."},
    {"ImpSubj", "langue littéraire, après un verbe au passé — Il fallait qu'il vînt."},
    {"PQPSubj",
     "langue littéraire, achevé, après un verbe au passé — Je doutais qu'il eût compris."},
    {"PresImp", "un ordre, un conseil, sans sujet — Ferme la porte."},
    {"PCImp", "un ordre à accomplir avant un moment — Aie fini avant ce soir."},
    {"PresCond", "ce qui arriverait sous une condition, une demande polie — Je voudrais un café."},
    {"P1Cond", "ce qui serait arrivé sous une condition — Si tu étais venu, tu l'aurais vu."},
    {"P2Cond", "même sens, langue littéraire — Si tu étais venu, tu l'eusses vu."},
    {"PartPres", "en même temps que le verbe principal — Marchant vite, il arriva tôt."},
    {"InfPres", "le nom du verbe, après un autre verbe ou une préposition — Il faut partir."},
    {"InfPasse", "l'action achevée — Après avoir mangé, il dormit."},
    {"PartPasse",
     "seul comme un adjectif, ou après l'auxiliaire des temps composés — une porte ouverte."},
    {"PartPasseComp", "achevé avant le verbe principal — Ayant fini, il partit."},
    {"GerPres", "en même temps que le verbe principal, du même sujet — Il chante en travaillant."},
    {"GerPasse", "achevé avant le verbe principal — En ayant fini tôt, il put sortir."},
}};

constexpr std::array<TLigne, 6> Options = {{
    {"feminin",
     "elle et elles aux troisièmes personnes ; les participes qui s'accordent prennent e, es (elle "
     "est venue)."},
    {"negation",
     "ne … pas autour du verbe ou de l'auxiliaire (je ne parle pas, je n'ai pas parlé)."},
    {"interrogation",
     "la question par inversion (parles-tu ?) ; le subjonctif, l'impératif et les participes n'en "
     "ont pas : « - »."},
    {"passif",
     "le sujet subit l'action (je suis aimé), pour un verbe qui a un complément d'objet direct ; "
     "sinon « - »."},
    {"rectifiee",
     "l'orthographe recommandée depuis 1990 et enseignée aujourd'hui (il connait, je cèderai)."},
    {"variante",
     "l'autre série des verbes qui en ont deux (je paye pour je paie, j'assois pour j'assieds, je "
     "puis)."},
}};

constexpr std::array<TLigne, 3> Signes = {{
    {"« - »",
     "la forme n'existe pas pour ce verbe ou sous ces options : il neige n'a pas de je, venir n'a "
     "pas de voix passive."},
    {"« non usité »",
     "la forme existe en principe, mais on ne l'emploie pas (le passé simple de clore)."},
    {"« pas d'impératif »", "le verbe n'a pas d'impératif (pouvoir)."},
}};

std::string_view Cherche(std::span<const TLigne> lignes, std::string_view cle) {
    for (const auto& [c, texte] : lignes)
        if (c == cle) return texte;
    return {};
}

}  // namespace

std::string_view GuideDuTemps(const TCellule& cellule) {
    return Cherche(Temps, cellule.Nom);
}

std::string_view GuideDeLOption(const TDescriptionOption& option) {
    return Cherche(Options, option.CleJson);
}

std::string GuideLisible() {
    std::string r = "Les temps\n";
    std::string_view mode;
    for (const TCellule& c : GrilleComplete) {
        if (c.Mode != mode) {
            mode = c.Mode;
            r += "  " + std::string(c.Mode) + "\n";
        }
        std::string legende = LegendeCellule(c);
        r += "    " + legende + " : " + std::string(GuideDuTemps(c)) + '\n';
    }
    r += "Les options\n";
    for (const TDescriptionOption& o : DescriptionsOptions) {
        std::string menu;
        for (const char x : o.Menu)
            if (x != '&') menu += x;
        r += "  " + menu + " (" + std::string(o.Touche) + ", " + std::string(o.Drapeaux[0]) + ")";
        if (const std::string_view texte = GuideDeLOption(o); !texte.empty())
            r += " : " + std::string(texte);
        r += '\n';
    }
    r += "Les signes\n";
    for (const auto& [signe, texte] : Signes)
        r += "  " + std::string(signe) + " : " + std::string(texte) + '\n';
    return r;
}

}  // namespace florimot
