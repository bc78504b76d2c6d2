"""import florimot gives what conjugue --json (format 2) and --analyse --json
give, and lemmatises; its work runs without the interpreter's lock."""
import json
import os
import subprocess
import sys
import threading
import time
import unittest

import florimot

CONJUGUE = os.environ["CONJUGUE"]


# Through standard input, as a batch: no suggestions sought, as the module.
def ligne_json(texte, *arguments):
    return json.loads(subprocess.run([CONJUGUE, "--json", *arguments], input=texte + "\n",
                                     capture_output=True, text=True).stdout)


class Module(unittest.TestCase):
    def test_meme_objet_que_conjugue(self):
        for texte, options in [("parler", {}), ("se rendre compte", {"feminin": True}),
                               ("aimer", {"negation": True, "passif": True}), ("maison", {}),
                               ("finir", {"traits": ["unimorph", "ud"]})]:
            drapeaux = [f"--{k}" for k, v in options.items() if v is True]
            if "traits" in options:
                drapeaux += ["--traits", ",".join(options["traits"])]
            attendu = ligne_json(texte, *drapeaux)
            self.assertEqual(florimot.conjugue(texte, **options), attendu, texte)

    def test_analyse_et_lemmes(self):
        lu = florimot.analyse("nous sommes allés")
        self.assertEqual(lu["verbes"][0]["infinitif"], "aller")
        self.assertEqual(lu, ligne_json("nous sommes allés", "--analyse"))
        self.assertEqual(florimot.lemmatise(["allions", "levée", "xyz", "Est"]),
                         ["aller", "lever", None, "être"])

    def test_refus(self):
        with self.assertRaises(ValueError):
            florimot.conjugue("parler", traits=["klingon"])
        with self.assertRaises(ValueError):
            florimot.lemmatise(["par\0ler"])

    def test_verrou_libere(self):
        # Another thread counts while lemmatise works: with the lock held it
        # could not count at all.
        compte, fini = [0], threading.Event()

        def compteur():
            while not fini.is_set():
                compte[0] += 1
                time.sleep(0)

        t = threading.Thread(target=compteur)
        t.start()
        avant = compte[0]
        florimot.lemmatise(["allions"] * 400000)
        pendant = compte[0] - avant
        fini.set()
        t.join()
        self.assertGreater(pendant, 10)


if __name__ == "__main__":
    unittest.main(verbosity=2)
