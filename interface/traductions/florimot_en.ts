<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>Florimot</name>
    <message>
        <source>Présent de l&apos;indicatif : ce qui se passe maintenant, ce qui est toujours vrai</source>
        <translation>Present (indicative): what is happening now, what is always true</translation>
    </message>
    <message>
        <source>Passé composé : une action passée et achevée, le passé de la conversation</source>
        <translation>Perfect (passé composé): a finished past action, the past of everyday speech</translation>
    </message>
    <message>
        <source>Imparfait : ce qui durait ou se répétait dans le passé, le décor d&apos;un récit</source>
        <translation>Imperfect: what went on or was repeated in the past, the background of a story</translation>
    </message>
    <message>
        <source>Plus-que-parfait : ce qui avait eu lieu avant un autre moment passé</source>
        <translation>Pluperfect: what had happened before another past moment</translation>
    </message>
    <message>
        <source>Passé simple : une action passée et achevée, le passé des récits écrits</source>
        <translation>Simple past (passé simple): a finished past action, the past of written narrative</translation>
    </message>
    <message>
        <source>Passé antérieur : ce qui avait eu lieu juste avant un passé simple</source>
        <translation>Past anterior: what had happened just before a passé simple</translation>
    </message>
    <message>
        <source>Futur simple : ce qui aura lieu</source>
        <translation>Future: what will happen</translation>
    </message>
    <message>
        <source>Futur antérieur : ce qui aura eu lieu avant un moment à venir</source>
        <translation>Future perfect: what will have happened before a moment to come</translation>
    </message>
    <message>
        <source>Subjonctif présent : après « que », un souhait, un doute, une nécessité</source>
        <translation>Present subjunctive: after “que”, a wish, a doubt, a necessity</translation>
    </message>
    <message>
        <source>Subjonctif passé : le subjonctif d&apos;une action achevée</source>
        <translation>Past subjunctive: the subjunctive of a finished action</translation>
    </message>
    <message>
        <source>Subjonctif imparfait : le subjonctif de la langue écrite soutenue, après un verbe au passé</source>
        <translation>Imperfect subjunctive: the subjunctive of formal written French, after a verb in the past</translation>
    </message>
    <message>
        <source>Subjonctif plus-que-parfait : le subjonctif passé de la langue écrite soutenue</source>
        <translation>Pluperfect subjunctive: the past subjunctive of formal written French</translation>
    </message>
    <message>
        <source>Impératif présent : un ordre, un conseil</source>
        <translation>Imperative: an order, a piece of advice</translation>
    </message>
    <message>
        <source>Impératif passé : un ordre à accomplir avant un moment donné</source>
        <translation>Past imperative: an order to be carried out before a given moment</translation>
    </message>
    <message>
        <source>Conditionnel présent : ce qui aurait lieu sous une condition, une demande polie</source>
        <translation>Present conditional: what would happen under a condition, a polite request</translation>
    </message>
    <message>
        <source>Conditionnel passé : ce qui aurait eu lieu sous une condition</source>
        <translation>Past conditional: what would have happened under a condition</translation>
    </message>
    <message>
        <source>Conditionnel passé 2e forme : le même, dans la langue écrite soutenue</source>
        <translation>Past conditional, second form: the same, in formal written French</translation>
    </message>
    <message>
        <source>Infinitif présent : le verbe sans personne</source>
        <translation>Present infinitive: the verb without a person</translation>
    </message>
    <message>
        <source>Infinitif passé : le verbe sans personne, l&apos;action achevée</source>
        <translation>Past infinitive: the verb without a person, the action finished</translation>
    </message>
    <message>
        <source>Participe passé : masculin et féminin, singulier et pluriel</source>
        <translation>Past participle: masculine and feminine, singular and plural</translation>
    </message>
    <message>
        <source>Participe passé composé : l&apos;action achevée avant une autre</source>
        <translation>Perfect participle: the action finished before another</translation>
    </message>
    <message>
        <source>Gérondif présent : en même temps qu&apos;une autre action</source>
        <translation>Gerund: at the same time as another action</translation>
    </message>
    <message>
        <source>Gérondif passé : achevé avant une autre action</source>
        <translation>Past gerund: finished before another action</translation>
    </message>
    <message>
        <source>l&apos;anglais n&apos;a qu&apos;un passé : passé composé ou passé simple</source>
        <translation>English has one past: passé composé or passé simple</translation>
    </message>
    <message>
        <source>« you » : tu ou vous</source>
        <translation>“you”: tu or vous</translation>
    </message>
    <message>
        <source>Verbe à Conjuguer</source>
        <translation>Verb to conjugate</translation>
    </message>
    <message>
        <source>Collage coupé à %1 lettres : « %2 »</source>
        <translation>Paste cut at %1 letters: “%2”</translation>
    </message>
    <message>
        <source>Verbes proposés</source>
        <translation>Suggested verbs</translation>
    </message>
    <message>
        <source>Aucune imprimante n&apos;est installée : impression impossible.</source>
        <translation>No printer is installed: cannot print.</translation>
    </message>
    <message>
        <source>Aucune imprimante par défaut n&apos;est choisie : impression impossible.</source>
        <translation>No default printer is chosen: cannot print.</translation>
    </message>
    <message>
        <source>L&apos;imprimante « %1 » n&apos;est pas utilisable : impression impossible.</source>
        <translation>The printer “%1” cannot be used: cannot print.</translation>
    </message>
    <message>
        <source>Une impression est déjà en cours.</source>
        <translation>A print job is already running.</translation>
    </message>
    <message>
        <source>L&apos;impression ne peut pas commencer sur l&apos;imprimante « %1 ».</source>
        <translation>Printing cannot start on the printer “%1”.</translation>
    </message>
    <message>
        <source>Le fichier « %1 » ne peut pas être écrit : %2.</source>
        <translation>The file “%1” cannot be written: %2.</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier ordinaire</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>le dossier « %1 » n&apos;existe pas</source>
        <translation>the folder “%1” does not exist</translation>
    </message>
    <message>
        <source>le dossier « %1 » n&apos;accepte pas de nouveau fichier</source>
        <translation>the folder “%1” does not accept a new file</translation>
    </message>
    <message>
        <source>le PDF ne peut pas commencer</source>
        <translation>the PDF cannot start</translation>
    </message>
    <message>
        <source>Aucune impression n&apos;est en cours.</source>
        <translation>No print job is running.</translation>
    </message>
    <message>
        <source>Il n&apos;y a rien à imprimer sur cette page.</source>
        <translation>There is nothing to print on this page.</translation>
    </message>
    <message>
        <source>L&apos;imprimante n&apos;a pas pu passer à la page suivante.</source>
        <translation>The printer could not go on to the next page.</translation>
    </message>
    <message>
        <source>L&apos;impression n&apos;a pas pu être achevée.</source>
        <translation>The print job could not be finished.</translation>
    </message>
    <message>
        <source>L&apos;imprimante « %1 » a refusé l&apos;impression : %2</source>
        <translation>The printer “%1” refused the job: %2</translation>
    </message>
    <message>
        <source>« %1 » est un lien symbolique : les réglages y sont lus, mais ne sont pas enregistrés, pour ne rien remplacer à travers lui.</source>
        <translation>“%1” is a symbolic link: the settings are read from it but not saved, so that nothing is replaced through it.</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas un fichier ordinaire : les réglages n&apos;y sont ni lus ni enregistrés.</source>
        <translation>“%1” is not a regular file: the settings are neither read from it nor saved to it.</translation>
    </message>
    <message>
        <source>les réglages n&apos;ont pas pu être enregistrés dans « %1 » : le fichier garde les précédents.</source>
        <translation>the settings could not be saved in “%1”: the file keeps the previous ones.</translation>
    </message>
    <message>
        <source>&amp;Conjuguer</source>
        <translation>&amp;Conjugate</translation>
    </message>
    <message>
        <source>&amp;Imprimer</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;Enregistrer en PDF…</source>
        <translation>&amp;Save as PDF…</translation>
    </message>
    <message>
        <source>C&amp;opier la conjugaison</source>
        <translation>C&amp;opy the conjugation</translation>
    </message>
    <message>
        <source>É&amp;couter</source>
        <translation>&amp;Listen</translation>
    </message>
    <message>
        <source>P&amp;récédent</source>
        <translation>P&amp;revious</translation>
    </message>
    <message>
        <source>&amp;Suivant</source>
        <translation>&amp;Next</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>A &amp;Propos...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Féminin</source>
        <translation>&amp;Feminine (féminin)</translation>
    </message>
    <message>
        <source>&amp;Négation</source>
        <translation>&amp;Negative (négation)</translation>
    </message>
    <message>
        <source>&amp;Interrogation</source>
        <translation>&amp;Question (interrogation)</translation>
    </message>
    <message>
        <source>&amp;Voix passive</source>
        <translation>&amp;Passive voice (voix passive)</translation>
    </message>
    <message>
        <source>&amp;Orthographe rectifiée (1990)</source>
        <translation>&amp;Rectified spelling (1990)</translation>
    </message>
    <message>
        <source>&amp;Autre forme</source>
        <translation>&amp;Other form (autre forme)</translation>
    </message>
    <message>
        <source>&amp;Action</source>
        <translation>&amp;Action</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Celle du système</source>
        <translation>The system&apos;s</translation>
    </message>
    <message>
        <source>Conjuguer « %1 »</source>
        <translation>Conjugate “%1”</translation>
    </message>
    <message>
        <source>L&apos;impression n&apos;a pas pu se faire.</source>
        <translation>The print job could not be done.</translation>
    </message>
    <message>
        <source>La page de l&apos;imprimante est trop petite pour y imprimer.</source>
        <translation>The printer&apos;s page is too small to print on.</translation>
    </message>
    <message>
        <source>mot inconnu, peut-être anglais</source>
        <translation>unknown word, maybe English</translation>
    </message>
    <message>
        <source>Groupe : %1</source>
        <translation>Group: %1</translation>
    </message>
    <message>
        <source>Auxiliaire</source>
        <translation>Auxiliary</translation>
    </message>
    <message>
        <source>&amp;Aperçu avant impression…</source>
        <translation>Print pre&amp;view…</translation>
    </message>
    <message>
        <source>Verbes du &amp;même modèle…</source>
        <translation>Verbs of the same &amp;model…</translation>
    </message>
    <message>
        <source>&amp;Fiche d&apos;exercices…</source>
        <translation>&amp;Worksheet…</translation>
    </message>
    <message>
        <source>S&apos;en&amp;traîner…</source>
        <translation>Prac&amp;tise…</translation>
    </message>
    <message>
        <source>&amp;Guide des temps et des options</source>
        <translation>&amp;Guide to the tenses and options</translation>
    </message>
    <message>
        <source>A&amp;utre auxiliaire</source>
        <translation>Other a&amp;uxiliary (autre auxiliaire)</translation>
    </message>
    <message>
        <source>&amp;Réinitialiser les options</source>
        <translation>R&amp;eset the options</translation>
    </message>
    <message>
        <source>Entrez le verbe sans faute et appuyez sur Entrée.

Options : F5 Féminin, F6 Négation, F7 Interrogation, F8 Voix passive, F9 Orthographe rectifiée (1990), F10 Autre forme, F11 Autre auxiliaire (j&apos;ai monté les valises, il est disparu) (menu Options). Elles se combinent, et la conjugaison affichée est refaite aussitôt.

Trois pages : la page 1 présente l&apos;indicatif et le subjonctif ; la page 2, le conditionnel, l&apos;impératif et le participe présent ; la page 3, l&apos;infinitif, le participe passé et le gérondif. Pour changer de page, cliquez sur l&apos;onglet « Page1 », « Page2 » ou « Page3 » en bas, ou appuyez sur Ctrl+Page suivante ou Ctrl+Page précédente, Ctrl+Tab, Alt+1, Alt+2 ou Alt+3.

Forme conjuguée : tapez une forme (« allions ») ou une ligne entière telle que Florimot l&apos;écrit (« nous sommes allés », « je ne me lève pas », « ne parle-t-il pas ? ») ; Florimot affiche son verbe, coche les options que la ligne montre et sélectionne les lignes qui la contiennent. Un verbe pronominal s&apos;écrit avec son pronom : « se lever », « s&apos;en aller ».

Copier : Ctrl+C copie les lignes sélectionnées d&apos;une liste ; Ctrl+Maj+C (menu Action) copie toute la conjugaison en texte. Ctrl+P l&apos;imprime, et Ctrl+S l&apos;enregistre en PDF : les trois pages, sans ligne coupée.

À quoi sert chaque temps, ce que fait chaque option, ce que veulent dire « - » et « non usité » : menu ? › Guide des temps et des options ; le titre de chaque temps le dit aussi sous le pointeur.

Écouter : F12, le menu contextuel d&apos;une liste ou le bouton « Écouter » disent la ligne choisie, ou tout le temps, par une voix française. Un texte anglais (« I went », « to go ») propose ses verbes français dans la bande du haut ; le sens anglais du verbe s&apos;affiche sous les pages quand le dictionnaire FreeDict est installé. Menu ? : « Langue de l&apos;interface / Interface language ».

Exercices : Ctrl+E fait une fiche à imprimer, avec son corrigé ; Ctrl+Maj+E ouvre l&apos;entraînement, qui corrige chaque réponse. Ctrl+M liste les verbes du même modèle.

Ctrl+Maj+R remet les options à zéro. Ctrl+L, Alt+D ou Échap ramènent à la saisie ; Alt+Gauche et Alt+Droite reviennent aux verbes déjà conjugués. F2 : à propos ; Ctrl+H : cette aide ; Ctrl+Q : quitter.</source>
        <translation>Type the verb without a mistake and press Enter.

Options: F5 Feminine, F6 Negative, F7 Question, F8 Passive voice, F9 Rectified spelling (1990), F10 Other form, F11 Other auxiliary (j&apos;ai monté les valises, il est disparu) (menu Options). They combine, and the conjugation shown is made again at once.

Three pages: page 1 shows the indicatif and the subjonctif; page 2, the conditionnel, the impératif and the participe présent; page 3, the infinitif, the participe passé and the gérondif. To change page, click the tab “Page1”, “Page2” or “Page3” at the bottom, or press Ctrl+Page Down or Ctrl+Page Up, Ctrl+Tab, Alt+1, Alt+2 or Alt+3.

Conjugated form: type a form (“allions”) or a whole line as Florimot writes it (“nous sommes allés”, “je ne me lève pas”, “ne parle-t-il pas ?”); Florimot shows its verb, checks the options the line shows and selects the lines that hold it. A pronominal verb is written with its pronoun: “se lever”, “s&apos;en aller”.

Copy: Ctrl+C copies the selected lines of a list; Ctrl+Shift+C (menu Action) copies the whole conjugation as text. Ctrl+P prints it, and Ctrl+S saves it as PDF: the three pages, no line cut.

What each tense is for, what each option does, what “-” and “non usité” mean: menu ? › Guide to the tenses and options; each tense&apos;s caption also says it under the pointer.

Listen: F12, a list&apos;s context menu or the “Listen” button say the selected line, or the whole tense, with a French voice. An English text (“I went”, “to go”) offers its French verbs in the strip at the top; the verb&apos;s English meanings show under the pages when the FreeDict dictionary is installed. Menu ?: “Langue de l&apos;interface / Interface language”.

Exercises: Ctrl+E makes a worksheet to print, with its answer key; Ctrl+Shift+E opens the practice, which checks each answer. Ctrl+M lists the verbs of the same model.

Ctrl+Shift+R resets the options. Ctrl+L, Alt+D or Escape bring you back to the entry; Alt+Left and Alt+Right go back and forth among the verbs already conjugated. F2: about; Ctrl+H: this help; Ctrl+Q: quit.</translation>
    </message>
</context>
<context>
    <name>TCasesOptions</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>TContenu</name>
    <message>
        <source>Copier la ligne</source>
        <translation>Copy the line</translation>
    </message>
    <message>
        <source>Copier le temps</source>
        <translation>Copy the tense</translation>
    </message>
    <message>
        <source>Copier la conjugaison</source>
        <translation>Copy the conjugation</translation>
    </message>
</context>
<context>
    <name>TEcran</name>
    <message>
        <source>Imprimer</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Aperçu avant impression</source>
        <translation>Print preview</translation>
    </message>
</context>
<context>
    <name>TPagesFiche</name>
    <message>
        <source>L&apos;impression n&apos;a pas pu se faire.</source>
        <translation>The print job could not be done.</translation>
    </message>
</context>
<context>
    <name>florimot::TAbout</name>
    <message>
        <source>Sens anglais : %1 (GPL-2+)</source>
        <translation>English meanings: %1 (GPL-2+)</translation>
    </message>
    <message>
        <source>A Propos de Florimot</source>
        <translation>About Florimot</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Programmé par </source>
        <translation>Programmed by </translation>
    </message>
    <message>
        <source>L&apos;équipe Florimot</source>
        <translation>The Florimot team</translation>
    </message>
    <message>
        <source>En principe sans faute</source>
        <translation>Free of mistakes, in principle</translation>
    </message>
    <message>
        <source>Version de décembre 2026</source>
        <translation>December 2026 version</translation>
    </message>
    <message>
        <source>Si vous découvrez une faute, merci de m&apos;en faire part au</source>
        <translation>If you find a mistake, please report it to</translation>
    </message>
</context>
<context>
    <name>florimot::TChoixExercices</name>
    <message>
        <source>Verbes</source>
        <translation>Verbs</translation>
    </message>
    <message>
        <source>Les verbes, un par ligne ou séparés par des virgules</source>
        <translation>The verbs, one a line or separated by commas</translation>
    </message>
    <message>
        <source>&amp;Verbes :</source>
        <translation>&amp;Verbs:</translation>
    </message>
    <message>
        <source>Verbes tirés en plus</source>
        <translation>Verbs drawn as well</translation>
    </message>
    <message>
        <source>aucun</source>
        <translation>none</translation>
    </message>
    <message>
        <source>du 1er groupe</source>
        <translation>of the 1st group</translation>
    </message>
    <message>
        <source>du 2e groupe</source>
        <translation>of the 2nd group</translation>
    </message>
    <message>
        <source>du 3e groupe</source>
        <translation>of the 3rd group</translation>
    </message>
    <message>
        <source>conjugués comme…</source>
        <translation>conjugated like…</translation>
    </message>
    <message>
        <source>les plus courants</source>
        <translation>the most common</translation>
    </message>
    <message>
        <source>Verbe modèle</source>
        <translation>Model verb</translation>
    </message>
    <message>
        <source>acquérir</source>
        <translation>acquérir</translation>
    </message>
    <message>
        <source>&amp;Tirer des verbes :</source>
        <translation>&amp;Draw verbs:</translation>
    </message>
    <message>
        <source>Temps</source>
        <translation>Tenses</translation>
    </message>
    <message>
        <source>Les temps cochés ; aucun : tous</source>
        <translation>The tenses checked; none: all</translation>
    </message>
    <message>
        <source>T&amp;emps (aucun : tous) :</source>
        <translation>T&amp;enses (none: all):</translation>
    </message>
    <message>
        <source>Personne : %1</source>
        <translation>Person: %1</translation>
    </message>
    <message>
        <source>&amp;Personnes (aucune : toutes) :</source>
        <translation>&amp;Persons (none: all):</translation>
    </message>
    <message>
        <source>&amp;Options :</source>
        <translation>&amp;Options:</translation>
    </message>
    <message>
        <source>Genre d&apos;item</source>
        <translation>Kind of item</translation>
    </message>
    <message>
        <source>&amp;Items :</source>
        <translation>&amp;Items:</translation>
    </message>
    <message>
        <source>Nombre d&apos;items</source>
        <translation>Number of items</translation>
    </message>
    <message>
        <source>Graine</source>
        <translation>Seed</translation>
    </message>
    <message>
        <source>La même graine refait la même fiche</source>
        <translation>The same seed makes the same worksheet again</translation>
    </message>
    <message>
        <source>&amp;Nouvelle graine</source>
        <translation>&amp;New seed</translation>
    </message>
    <message>
        <source>graine :</source>
        <translation>seed:</translation>
    </message>
    <message>
        <source>No&amp;mbre :</source>
        <translation>Nu&amp;mber:</translation>
    </message>
</context>
<context>
    <name>florimot::TContenu</name>
    <message>
        <source>Sens anglais</source>
        <translation>English meanings</translation>
    </message>
    <message>
        <source>Écouter</source>
        <translation>Listen</translation>
    </message>
    <message>
        <source>Dit la ligne choisie, ou tout le temps, en français</source>
        <translation>Says the selected line, or the whole tense, in French</translation>
    </message>
    <message>
        <source>Conjugue</source>
        <translation>Conjugate</translation>
    </message>
    <message>
        <source>Conjugue un verbe</source>
        <translation>Conjugates a verb</translation>
    </message>
    <message>
        <source>Groupe</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Verbe</source>
        <translation>Verb</translation>
    </message>
    <message>
        <source>Page1</source>
        <translation>Page1</translation>
    </message>
    <message>
        <source>Page2</source>
        <translation>Page2</translation>
    </message>
    <message>
        <source>Indicatif, subjonctif</source>
        <translation>Indicatif (indicative), subjonctif (subjunctive)</translation>
    </message>
    <message>
        <source>Conditionnel, impératif, participe</source>
        <translation>Conditionnel (conditional), impératif (imperative), participe (participle)</translation>
    </message>
    <message>
        <source>Page3</source>
        <translation>Page3</translation>
    </message>
    <message>
        <source>Infinitif, participe passé, gérondif</source>
        <translation>Infinitif (infinitive), participe passé (past participle), gérondif (gerund)</translation>
    </message>
    <message>
        <source>Verbe à conjuguer</source>
        <translation>Verb to conjugate</translation>
    </message>
    <message>
        <source>Un infinitif, un verbe pronominal (se lever, s&apos;en aller), ou une forme ou une ligne conjuguée (allions, nous sommes allés)</source>
        <translation>An infinitive, a pronominal verb (se lever, s&apos;en aller), a conjugated form or line (allions, nous sommes allés), or an English verb phrase (I went)</translation>
    </message>
    <message>
        <source>Conjuguer</source>
        <translation>Conjugate</translation>
    </message>
    <message>
        <source>Conjugue le verbe saisi</source>
        <translation>Conjugates the verb typed</translation>
    </message>
    <message>
        <source>Verbe conjugué</source>
        <translation>Conjugated verb</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Modèle</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Participe présent</source>
        <translation>Present participle</translation>
    </message>
    <message>
        <source>Formes du verbe, une par ligne ; Ctrl+C copie les lignes choisies</source>
        <translation>The verb&apos;s forms, one a line; Ctrl+C copies the selected lines</translation>
    </message>
    <message>
        <source>comme %1</source>
        <translation>like %1</translation>
    </message>
    <message>
        <source>modèle : famille %1</source>
        <translation>model: the family of %1</translation>
    </message>
    <message>
        <source>Conjuguer %1</source>
        <translation>Conjugate %1</translation>
    </message>
    <message>
        <source>même modèle…</source>
        <translation>same model…</translation>
    </message>
    <message>
        <source>Les verbes connus qui se conjuguent de même (Ctrl+M)</source>
        <translation>The known verbs conjugated the same way (Ctrl+M)</translation>
    </message>
</context>
<context>
    <name>florimot::TEcran</name>
    <message>
        <source>Dit la ligne choisie, ou tout le temps, en français (F12)</source>
        <translation>Says the selected line, or the whole tense, in French (F12)</translation>
    </message>
    <message>
        <source>En anglais, « %1 » :</source>
        <translation>In English, “%1”:</translation>
    </message>
    <message>
        <source>Avertissement</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Ceci n&apos;est pas un Verbe</source>
        <translation>This is not a verb</translation>
    </message>
    <message>
        <source>Ceci n&apos;est pas un Verbe

Suggestions : %1</source>
        <translation>This is not a verb

Suggestions: %1</translation>
    </message>
    <message>
        <source>Conjuguer « %1 »</source>
        <translation>Conjugate “%1”</translation>
    </message>
    <message>
        <source>Enregistrer en PDF</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>Documents PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>Êtes-vous sûr de vouloir quitter ?</source>
        <translation>Are you sure you want to quit?</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>en anglais : %1</source>
        <translation>in English: %1</translation>
    </message>
    <message>
        <source>Enregistrer en PDF (Ctrl+S)</source>
        <translation>Save as PDF (Ctrl+S)</translation>
    </message>
    <message>
        <source>Guide des temps et des options</source>
        <translation>Guide to the tenses and options</translation>
    </message>
</context>
<context>
    <name>florimot::TEntrainement</name>
    <message>
        <source>S&apos;entraîner</source>
        <translation>Practise</translation>
    </message>
    <message>
        <source>&amp;Commencer</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Réponse</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>Tapez la forme qui manque puis Entrée ; Entrée encore pour l&apos;item suivant</source>
        <translation>Type the missing form, then Enter; Enter again for the next item</translation>
    </message>
    <message>
        <source>&amp;Réponse :</source>
        <translation>&amp;Answer:</translation>
    </message>
    <message>
        <source>&amp;Indulgent pour les accents et les majuscules</source>
        <translation>&amp;Lenient about accents and capitals</translation>
    </message>
    <message>
        <source>Remarque</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>&amp;Terminer</source>
        <translation>&amp;Finish</translation>
    </message>
    <message>
        <source>Items manqués</source>
        <translation>Missed items</translation>
    </message>
    <message>
        <source>Im&amp;primer la liste</source>
        <translation>&amp;Print the list</translation>
    </message>
    <message>
        <source>Aucun item : choisissez des verbes et des temps qui en donnent.</source>
        <translation>No items: choose verbs and tenses that give some.</translation>
    </message>
    <message>
        <source>Fin de la série.</source>
        <translation>End of the series.</translation>
    </message>
    <message>
        <source>Aucun item manqué.</source>
        <translation>No item missed.</translation>
    </message>
    <message>
        <source>Florimot, items manqués</source>
        <translation>Florimot, missed items</translation>
    </message>
</context>
<context>
    <name>florimot::TFicheExercices</name>
    <message>
        <source>Fiche d&apos;exercices</source>
        <translation>Worksheet</translation>
    </message>
    <message>
        <source>&amp;Imprimer</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Enregistrer en P&amp;DF…</source>
        <translation>Save as P&amp;DF…</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Aperçu de la fiche et de son corrigé</source>
        <translation>Preview of the worksheet and its key</translation>
    </message>
    <message>
        <source>Aucun item : choisissez des verbes et des temps qui en donnent.</source>
        <translation>No items: choose verbs and tenses that give some.</translation>
    </message>
    <message>
        <source>1 item</source>
        <translation>1 item</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 items</translation>
    </message>
    <message>
        <source> ; pas des verbes : %1</source>
        <translation>; not verbs: %1</translation>
    </message>
    <message>
        <source>La fiche n&apos;a aucun item : choisissez des verbes et des temps qui en donnent.</source>
        <translation>The worksheet has no items: choose verbs and tenses that give some.</translation>
    </message>
    <message>
        <source>Florimot, fiche d&apos;exercices (graine %1)</source>
        <translation>Florimot, worksheet (seed %1)</translation>
    </message>
    <message>
        <source>Enregistrer la fiche en PDF</source>
        <translation>Save the worksheet as PDF</translation>
    </message>
    <message>
        <source>Documents PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
</context>
<context>
    <name>florimot::TListeModele</name>
    <message>
        <source>Verbes du même modèle</source>
        <translation>Verbs of the same model</translation>
    </message>
    <message>
        <source>Un clic conjugue le verbe</source>
        <translation>A click conjugates the verb</translation>
    </message>
</context>
<context>
    <name>florimot::TVoix</name>
    <message>
        <source>Pas de voix : la synthèse vocale est désactivée (FLORIMOT_VOIX vide)</source>
        <translation>No voice: speech is turned off (FLORIMOT_VOIX is empty)</translation>
    </message>
    <message>
        <source>Pas de voix : aucun moteur de synthèse vocale n&apos;est installé (paquet qt6-speech-speechd-plugin)</source>
        <translation>No voice: no speech engine is installed (package qt6-speech-speechd-plugin)</translation>
    </message>
    <message>
        <source>Pas de voix : la synthèse vocale ne répond pas (%1)</source>
        <translation>No voice: speech does not answer (%1)</translation>
    </message>
    <message>
        <source>speech-dispatcher</source>
        <translation>speech-dispatcher</translation>
    </message>
    <message>
        <source>Pas de voix française installée (paquet speech-dispatcher-espeak-ng)</source>
        <translation>No French voice is installed (package speech-dispatcher-espeak-ng)</translation>
    </message>
</context>
</TS>
