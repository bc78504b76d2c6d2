// Where the window's controls stand: the layout drawn for the inside of a
// 640 x 480 window, which a larger window spreads in proportion, and the page
// each group shows on.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QTabBar>
#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace florimot {

// The window's default and smallest size, which the layout was drawn for.
inline constexpr QSize TailleFenetre{640, 480};
// The group's caption in the verb's row.
inline constexpr int PositionGroupe = 320;
// The verb's row above the pages keeps its height when the window grows.
inline constexpr int HautPages = 32;
// The tabs, each printed as a sheet of its own.
inline constexpr int NombrePages = 3;

// The group boxes, in the order of PlacesGroupes.
enum class TGroupeBoite : std::size_t {
    Indicatif,
    Subjonctif,
    Imperatif,
    Conditionnel,
    Participe,
    Infinitif,
    ParticipePasse,
    Gerondif
};
inline constexpr std::size_t NombreGroupes = 8;

// Where each group box stands and on which page it shows.
struct TPlaceGroupe {
    const char* Nom;
    const char* Legende;
    QRect Cadre;
    int Page;  // 0 "Page1", 1 "Page2", 2 "Page3"
};

inline constexpr std::array<TPlaceGroupe, NombreGroupes> PlacesGroupes = {{
    {"Indicatif", "Indicatif", {5, 33, 616, 241}, 0},
    {"Subjonctif", "Subjonctif", {5, 275, 616, 129}, 0},
    {"Imperatif", "Impératif", {80, 80, 137, 177}, 1},
    {"Conditionnel", "Conditionnel", {80, 264, 465, 129}, 1},
    {"Participe", "Participe Présent", {224, 80, 321, 177}, 1},
    {"Infinitif", "Infinitif", {80, 64, 465, 65}, 2},
    {"ParticipePasse", "Participe", {80, 152, 465, 103}, 2},
    {"Gerondif", "Gérondif", {80, 280, 465, 65}, 2},
}};

// Where each list of the grid and its tense caption stand, inside their
// group; which cell a list shows, and its caption, come from the engine's grid.
struct TPlaceListe {
    std::string_view Nom;
    TGroupeBoite Groupe;
    const char* Etiquette;
    QPoint PositionEtiquette;
    QRect Cadre;
};

inline constexpr TPlaceListe PlacesListes[] = {
    {"PresInd", TGroupeBoite::Indicatif, "Label1", {8, 16}, {8, 32, 145, 89}},
    {"PCInd", TGroupeBoite::Indicatif, "Label2", {160, 16}, {160, 32, 145, 89}},
    {"ImpInd", TGroupeBoite::Indicatif, "Label3", {312, 16}, {312, 32, 145, 89}},
    {"PqpInd", TGroupeBoite::Indicatif, "Label4", {464, 16}, {464, 32, 145, 89}},
    {"PSInd", TGroupeBoite::Indicatif, "Label5", {8, 128}, {8, 144, 145, 89}},
    {"PAInd", TGroupeBoite::Indicatif, "Label6", {160, 128}, {160, 144, 145, 89}},
    {"FSInd", TGroupeBoite::Indicatif, "Label7", {312, 128}, {312, 144, 145, 89}},
    {"FAInd", TGroupeBoite::Indicatif, "Label8", {464, 128}, {464, 144, 145, 89}},
    {"PresSubj", TGroupeBoite::Subjonctif, "Label9", {8, 13}, {8, 29, 145, 92}},
    {"PCSubj", TGroupeBoite::Subjonctif, "Label10", {160, 13}, {160, 29, 145, 92}},
    {"ImpSubj", TGroupeBoite::Subjonctif, "Label11", {312, 13}, {312, 29, 145, 92}},
    {"PQPSubj", TGroupeBoite::Subjonctif, "Label12", {464, 13}, {464, 29, 145, 92}},
    {"PresImp", TGroupeBoite::Imperatif, "Label13", {8, 24}, {8, 40, 120, 45}},
    {"PCImp", TGroupeBoite::Imperatif, "Label14", {8, 96}, {8, 120, 120, 45}},
    {"PresCond", TGroupeBoite::Conditionnel, "Label15", {8, 17}, {8, 33, 145, 89}},
    {"P1Cond", TGroupeBoite::Conditionnel, "Label16", {160, 17}, {160, 33, 145, 89}},
    {"P2Cond", TGroupeBoite::Conditionnel, "Label17", {312, 17}, {312, 33, 145, 89}},
    {"InfPres", TGroupeBoite::Infinitif, "Label18", {8, 17}, {8, 33, 220, 20}},
    {"InfPasse", TGroupeBoite::Infinitif, "Label19", {236, 17}, {236, 33, 220, 20}},
    {"PartPasse", TGroupeBoite::ParticipePasse, "Label20", {8, 17}, {8, 33, 220, 58}},
    {"PartPasseComp", TGroupeBoite::ParticipePasse, "Label21", {236, 17}, {236, 33, 220, 20}},
    {"GerPres", TGroupeBoite::Gerondif, "Label22", {8, 17}, {8, 33, 220, 20}},
    {"GerPasse", TGroupeBoite::Gerondif, "Label23", {236, 17}, {236, 33, 220, 20}},
};

// The place of the list named `nom`; none for the present participle, a label.
constexpr const TPlaceListe* TrouvePlace(std::string_view nom) {
    for (const TPlaceListe& place : PlacesListes)
        if (place.Nom == nom) return &place;
    return nullptr;
}

// The page tabs keep to the strip's height, however tall the style draws them.
class TOngletsPages : public QTabBar {
public:
    static constexpr int Hauteur = 21;
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int index) const override {
        QSize taille = QTabBar::tabSizeHint(index);
        taille.setHeight(std::min(taille.height(), Hauteur));
        return taille;
    }
};

}  // namespace florimot
