// Ending tables that several model families share.
#pragma once

#include "plan.hpp"

namespace florimot {

// clang-format off
// The "oi"/"oy" endings of croire, and of choir and pourvoir: je crois,
// nous croyons, je crus, je croirai, cru.
inline constexpr TTerminaisons TermOi = {
    "",
    "ois", "ois", "oit", "oyons", "oyez", "oient",  // présent
    "oyais", "oyais", "oyait", "oyions", "oyiez", "oyaient",  // imparfait
    "us", "us", "ut", "ûmes", "ûtes", "urent",  // passé simple
    "oirai", "oiras", "oira", "oirons", "oirez", "oiront",  // futur
    "oie", "oies", "oie", "oyions", "oyiez", "oient",  // subj. présent
    "usse", "usses", "ût", "ussions", "ussiez", "ussent",  // subj. imparfait
    "oirais", "oirais", "oirait", "oirions", "oiriez", "oiraient",  // conditionnel
    "ois", "oyons", "oyez",  // impératif
    "u", "oyant"};

// The second group: je finis, nous finissons, fini.
inline constexpr TTerminaisons TermDeuxieme = {
    "",       "is",     "is",     "it",      "issons", "issez",    "issent",  // présent
    "issais", "issais", "issait", "issions", "issiez", "issaient",            // imparfait
    "is",     "is",     "it",     "îmes",    "îtes",   "irent",               // passé simple
    "irai",   "iras",   "ira",    "irons",   "irez",   "iront",               // futur
    "isse",   "isses",  "isse",   "issions", "issiez", "issent",              // subj. présent
    "isse",   "isses",  "ît",     "issions", "issiez", "issent",              // subj. imparfait
    "irais",  "irais",  "irait",  "irions",  "iriez",  "iraient",             // conditionnel
    "is",     "issons", "issez",                                              // impératif
    "i",      "issant"};
// clang-format on

}  // namespace florimot
