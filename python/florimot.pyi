"""Conjugaison des verbes français, analyse des formes conjuguées, lemmes."""
from typing import Any, Optional, Sequence

def conjugue(
    texte: str,
    *,
    feminin: bool = False,
    negation: bool = False,
    interrogation: bool = False,
    passif: bool = False,
    rectifiee: bool = False,
    variante: bool = False,
    traits: Sequence[str] = (),
) -> dict[str, Any]:
    """The object conjugue --json writes (format 2): "verbe", "groupe",
    "cellules" {"PresInd": [{"ligne", "forme", "pronom", "auxiliaire",
    "participe"}, ...], ...}; traits: "unimorph", "ud"."""

def analyse(texte: str, *, traits: Sequence[str] = ()) -> dict[str, Any]:
    """The readings of a form, as conjugue --analyse --json writes them."""

def lemmatise(formes: Sequence[str]) -> list[Optional[str]]:
    """The infinitive of each form, None where the analysis reads no verb."""
