"""Every JSON line conjugue writes, against its published schema: the lines
the other tests of conjugue gathered (one file a test process, in the folder
given), and those of a run of each JSON output here; format 2 keeps its keys
in the schema's order."""
import json
import os
import subprocess
import sys

import jsonschema

schema_chemin, conjugue, recueil = sys.argv[1:4]
with open(schema_chemin, encoding="utf-8") as f:
    schema = json.load(f)
jsonschema.Draft202012Validator.check_schema(schema)
valideur = jsonschema.Draft202012Validator(schema)

ORDRES = {2: {k: list(schema["$defs"][k]["properties"])
              for k in ("conjugaison", "nonVerbe", "analyse", "modele", "modeleInconnu", "fiche")}}


def verifie(ligne, origine):
    objet = json.loads(ligne)
    erreurs = list(valideur.iter_errors(objet))
    if erreurs:
        raise SystemExit(f"{origine} : {erreurs[0].message}\n  {ligne[:300]}")
    if objet.get("format") == 2:
        genre = ("analyse" if "forme" in objet else "modele" if "nombre" in objet
                 else "fiche" if "graine" in objet
                 else ("conjugaison" if objet["verbe"] else "nonVerbe") if "groupe" in objet
                 else "modeleInconnu")
        attendu = [k for k in ORDRES[2][genre] if k in objet]
        if list(objet) != attendu:
            raise SystemExit(f"{origine} : ordre des clés {list(objet)}, attendu {attendu}")
        for lignes in objet.get("cellules", {}).values():
            for l in lignes:
                cles = [k for k in schema["$defs"]["ligne"]["properties"] if k in l]
                if list(l) != cles:
                    raise SystemExit(f"{origine} : ordre des clés de ligne {list(l)}")


recueillies = 0
for nom in sorted(os.listdir(recueil)) if os.path.isdir(recueil) else []:
    with open(os.path.join(recueil, nom), encoding="utf-8") as f:
        for ligne in f:
            if ligne.startswith("{"):
                verifie(ligne, nom)
                recueillies += 1

MOTS = ["parler", "se lever", "s'en aller", "faire attention", "neiger", "falloir", "avoir",
        "être", "maison", "acceuillir", "xyzzyrer", "ab\"c\\parler", "a" * 30]
FORMES = ["allions", "nous sommes allés", "puis-je ?", "été", "xyz", "en parlant", "parlées"]
COURSES = [
    (["--json"], MOTS), (["--json", "--format", "1"], MOTS),
    (["--json", "--feminin", "--negation", "--interrogation", "--passif"], MOTS),
    (["--json", "--rectifiee", "--variante", "--traits", "unimorph,ud"], MOTS),
    (["--json", "--temps", "PCSubj", "--personne", "elle"], MOTS),
    (["--json", "--format", "1", "--temps", "GerPres"], MOTS),
    (["--json", "--personne", "4", "--traits", "ud"], MOTS),
    (["--analyse", "--json"], FORMES), (["--analyse", "--json", "--format", "1"], FORMES),
    (["--analyse", "--json", "--traits", "unimorph,ud"], FORMES),
    (["--analyse", "--json"], ["ils se sont parlés", "elle a venue", "nous mangons"]),
    (["--modele", "--json"], ["acquérir", "parler", "maison"]),
    (["--exercices", "--json", "--graine", "3", "--nombre", "6", "--feminin"], ["payer", "venir", "neiger"]),
]
produites = 0
for n, (options, textes) in enumerate(COURSES):
    # Standard input, with its suggestions, once for each kind of object.
    for arguments in [options + ["--"] + textes] + ([options + ["--suggestions"]] if n in (0, 7) else []):
        entree = None if arguments[-1] != "--suggestions" else "\n".join(textes) + "\n"
        r = subprocess.run([conjugue] + arguments, input=entree, capture_output=True, text=True)
        if r.returncode not in (0, 1):
            raise SystemExit(f"{arguments} : statut {r.returncode}\n{r.stderr}")
        for ligne in r.stdout.splitlines():
            verifie(ligne, " ".join(arguments))
            produites += 1
# Run alone (ctest -R conjugue.json), it has only its own lines to check.
print(f"{recueillies} lignes des tests, {produites} de ce test : toutes valides")
