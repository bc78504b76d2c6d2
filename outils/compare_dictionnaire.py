#!/usr/bin/env python3
"""Where the French hunspell dictionary and Florimot's grids disagree.

Expands every verb entry of fr.dic with the suffix rules of fr.aff, maps the
dictionary's tags (po:ipre po:1sg ...) to the grid's cells and persons, and
compares each form with the line `conjugue --tsv` prints for that cell.

    outils/compare_dictionnaire.py build/conjugue [--dossier /usr/share/hunspell] [--exemples 15]

Counts go first, then examples per kind: the dictionary's forms, then the grid's.
"""
import argparse
import collections
import re
import subprocess

CELLULES = {'ipre': 'PresInd', 'iimp': 'ImpInd', 'ipsi': 'PSInd', 'ifut': 'FSInd',
            'spre': 'PresSubj', 'simp': 'ImpSubj', 'cond': 'PresCond', 'impe': 'PresImp',
            'ppre': 'PartPres', 'ppas': 'PartPasse'}
PERSONNES = {'1sg': 1, '2sg': 2, '3sg': 3, '1pl': 4, '2pl': 5, '3pl': 6}
IMPERATIF = {'2sg': 1, '1pl': 2, '2pl': 3}
MARQUEURS = ('-', 'non usité', "pas d'impératif", '')
COMPOSES = ('PCInd', 'PqpInd', 'PAInd', 'FAInd', 'PCSubj', 'PQPSubj', 'PCImp', 'P1Cond', 'P2Cond')


def lit_affixes(chemin):
    regles = collections.defaultdict(list)
    for ligne in open(chemin, encoding='utf-8'):
        c = ligne.split()
        if len(c) >= 5 and c[0] == 'SFX':
            retire = '' if c[2] == '0' else c[2]
            ajoute = c[3].split('/')[0]
            ajoute = '' if ajoute == '0' else ajoute
            condition = None if c[4] == '.' else re.compile('(?:' + c[4] + ')$')
            regles[c[1]].append((retire, ajoute, condition, c[5:]))
    return regles


def lit_verbes(chemin):
    """Infinitive -> flag strings of its verb entries (FLAG long: two letters each)."""
    verbes = collections.defaultdict(list)
    for i, ligne in enumerate(open(chemin, encoding='utf-8')):
        m = re.match(r'^(\S+?)(?:/(\S+))?(?:\s+(.*))?$', ligne.rstrip('\n'))
        if i == 0 or not m or not m.group(2):
            continue
        if re.search(r'po:v\d', m.group(3) or ''):
            verbes[m.group(1)].append(m.group(2))
    return verbes


def formes_du_dictionnaire(mot, drapeaux, regles):
    """(cell, person) -> forms; the participle in the masculine singular only,
    the inverted first person (po:1isg) left out: the grid holds neither."""
    formes = collections.defaultdict(set)
    for d in drapeaux:
        for k in range(0, len(d), 2):
            for retire, ajoute, condition, morph in regles.get(d[k:k + 2], []):
                if not mot.endswith(retire) or (condition and not condition.search(mot)):
                    continue
                forme = mot[:len(mot) - len(retire)] + ajoute
                po = [x[3:].rstrip('!') for x in morph if x.startswith('po:')]
                est = [x[3:] for x in morph if x.startswith('is:')]
                for t in (t for t in po if t in CELLULES):
                    cellule = CELLULES[t]
                    if cellule == 'PartPasse' and ('fem' in est or 'pl' in est):
                        continue
                    if cellule in ('PartPasse', 'PartPres'):
                        formes[(cellule, 0)].add(forme)
                        continue
                    table = IMPERATIF if cellule == 'PresImp' else PERSONNES
                    for p in (p for p in po if p in table):
                        formes[(cellule, table[p])].add(forme)
    return formes


def forme_nue(ligne):
    for que in ('que ', "qu'"):
        if ligne.startswith(que):
            ligne = ligne[len(que):]
            break
    for pronom in ('je ', "j'", 'tu ', 'il ', 'nous ', 'vous ', 'ils '):
        if ligne.startswith(pronom):
            return ligne[len(pronom):]
    return ligne


def grilles(conjugue, infinitifs):
    sortie = subprocess.run([conjugue, '--tsv'], input='\n'.join(infinitifs) + '\n',
                            capture_output=True, text=True).stdout
    resultat = collections.defaultdict(dict)
    for ligne in sortie.splitlines():
        c = ligne.split('\t')
        if len(c) < 4:
            continue
        verbe, cellule, personne, texte = c[0], c[1], int(c[2]), c[3]
        g = resultat[verbe]
        if cellule in COMPOSES:
            # The participle as the compound lines show it, agreement aside.
            if texte not in MARQUEURS and ('PartPasse', 0) not in g and personne in (1, 3):
                g[('PartPasse', 0)] = texte.split(' ')[-1]
        elif cellule in CELLULES.values():
            g[(cellule, personne)] = texte if texte in MARQUEURS else forme_nue(texte)
    return resultat


def main():
    a = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    a.add_argument('conjugue')
    a.add_argument('--dossier', default='/usr/share/hunspell')
    a.add_argument('--exemples', type=int, default=15)
    args = a.parse_args()
    regles = lit_affixes(args.dossier + '/fr.aff')
    verbes = lit_verbes(args.dossier + '/fr.dic')
    infinitifs = sorted(verbes)
    moteur = grilles(args.conjugue, infinitifs)

    compte = collections.Counter()
    exemples = collections.defaultdict(list)
    for v in infinitifs:
        grille = moteur.get(v, {})
        if all(t in MARQUEURS for t in grille.values()):
            compte['verbes que la grille laisse vides'] += 1
            exemples['verbes que la grille laisse vides'].append(v)
            continue
        compte['verbes comparés'] += 1
        dico = formes_du_dictionnaire(v, verbes[v], regles)
        for cle, formes in dico.items():
            ligne = grille.get(cle, '')
            compte['cases comparées'] += 1
            if ligne.split('/')[0] in formes or ligne in formes:
                compte['cases confirmées'] += 1
                if len(formes) > 1:
                    compte['… dont le dictionnaire admet aussi une autre graphie'] += 1
                    exemples['autre graphie admise'].append((v, cle, sorted(formes - {ligne}), ligne))
            elif ligne in MARQUEURS:
                compte['forme du dictionnaire, marqueur dans la grille'] += 1
                exemples['forme du dictionnaire, marqueur dans la grille'].append(
                    (v, cle, sorted(formes), ligne))
            else:
                compte['désaccords'] += 1
                exemples['désaccords'].append((v, cle, sorted(formes), ligne))
        for cle, ligne in grille.items():
            if ligne not in MARQUEURS and cle not in dico:
                compte['forme de la grille, rien au dictionnaire'] += 1
                exemples['forme de la grille, rien au dictionnaire'].append((v, cle, ligne))

    for k, n in compte.items():
        print(f'{k} : {n}')
    for genre, liste in exemples.items():
        par_verbe = collections.Counter(x if isinstance(x, str) else x[0] for x in liste)
        print(f'\n== {genre} : {len(liste)} cases, {len(par_verbe)} verbes ==')
        print('   ' + ', '.join(f'{v} ({n})' for v, n in par_verbe.most_common(40)))
        vus = set()
        for x in liste:
            verbe = x if isinstance(x, str) else x[0]
            if verbe in vus:
                continue
            vus.add(verbe)
            print('  ', x)
            if len(vus) == args.exemples:
                break


if __name__ == '__main__':
    main()
