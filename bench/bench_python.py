"""import florimot against a pure-Python use of conjugue --json through a
pipe, on the benchmark's verbs: the same objects, timed both ways.
usage: bench_python.py CONJUGUE DOSSIER_DU_MODULE VERBES"""
import json
import subprocess
import sys
import time

conjugue, dossier, chemin = sys.argv[1:4]
sys.path.insert(0, dossier)
import florimot  # noqa: E402

with open(chemin, encoding="utf-8") as f:
    verbes = [v.strip() for v in f if v.strip()]


def par_le_tube():
    sortie = subprocess.run([conjugue, "--json"], input="\n".join(verbes) + "\n",
                            capture_output=True, text=True).stdout
    return [json.loads(ligne) for ligne in sortie.splitlines()]


def par_le_module():
    return [florimot.conjugue(v) for v in verbes]


mesures = {}
for nom, f in (("tube", par_le_tube), ("module", par_le_module)):
    durees = []
    for _ in range(3):
        debut = time.perf_counter()
        objets = f()
        durees.append(time.perf_counter() - debut)
    mesures[nom] = (sorted(durees)[1], objets)
assert mesures["tube"][1] == mesures["module"][1], "objets différents"
print(f"{len(verbes)} verbes, médiane de 3 : conjugue --json par un tube "
      f"{mesures['tube'][0] * 1000:.0f} ms, module {mesures['module'][0] * 1000:.0f} ms")
