<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>runtime::host::Application</name>
    <message>
        <source>Impossibile aprire la finestra: la piattaforma grafica %1 non è installata.</source>
        <translation>Impossible d&apos;ouvrir la fenêtre : la plateforme graphique %1 n&apos;est pas installée.</translation>
    </message>
    <message>
        <source>Impossibile aprire la finestra: la piattaforma grafica %1 non si avvia.</source>
        <translation>Impossible d&apos;ouvrir la fenêtre : la plateforme graphique %1 n&apos;a pas pu démarrer.</translation>
    </message>
    <message>
        <source>Impossibile aprire la finestra: lo schermo grafico non risponde.</source>
        <translation>Impossible d&apos;ouvrir la fenêtre : l&apos;écran ne répond pas.</translation>
    </message>
    <message>
        <source>Impossibile aprire la finestra: lo schermo grafico non risponde (%1).</source>
        <translation>Impossible d&apos;ouvrir la fenêtre : l&apos;écran ne répond pas (%1).</translation>
    </message>
    <message>
        <source>Impossibile aprire la finestra: nessuno schermo grafico disponibile (DISPLAY e WAYLAND_DISPLAY non sono impostati).</source>
        <translation>Impossible d&apos;ouvrir la fenêtre : aucun écran disponible (ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini).</translation>
    </message>
</context>
<context>
    <name>runtime::host::CommandLine</name>
    <message>
        <source>Mostra questo aiuto ed esce.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Mostra la versione ed esce.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
    <message>
        <source>%1: %2%3 Vedere &apos;%1 --help&apos;.</source>
        <translation>%1: %2%3 Voir « %1 --help ».</translation>
    </message>
    <message>
        <source>opzione sconosciuta &apos;%1%2&apos;</source>
        <translation>option inconnue « %1%2 »</translation>
    </message>
    <message>
        <source>manca il valore dopo &apos;%1&apos;</source>
        <translation>valeur manquante après « %1 »</translation>
    </message>
    <message>
        <source>l&apos;opzione &apos;%1&apos; non accetta un valore</source>
        <translation>l&apos;option « %1 » ne prend pas de valeur</translation>
    </message>
    <message>
        <source>Uso: %1 [opzioni]</source>
        <translation>Usage : %1 [options]</translation>
    </message>
    <message>
        <source>Opzioni:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>Argomenti:</source>
        <translation>Arguments :</translation>
    </message>
    <message>
        <source>Sono accettate anche le opzioni standard di Qt, tra cui -platform NOME,
-style NOME, -reverse e -session ID.
</source>
        <translation>Les options standard de Qt sont aussi acceptées, dont -platform NOM,
-style NOM, -reverse et -session ID.
</translation>
    </message>
    <message>
        <source>argomento inatteso &apos;%1&apos;</source>
        <translation>argument inattendu « %1 »</translation>
    </message>
</context>
<context>
    <name>runtime::host::SettingsFile</name>
    <message>
        <source>La disposizione della finestra non viene ricordata: &apos;%1&apos; non è un file ordinario.</source>
        <translation>La disposition de la fenêtre n&apos;est pas mémorisée : « %1 » n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>La disposizione della finestra non viene ricordata: &apos;%1&apos; non si può leggere.</source>
        <translation>La disposition de la fenêtre n&apos;est pas mémorisée : « %1 » ne peut pas être lu.</translation>
    </message>
    <message>
        <source>La disposizione della finestra non viene ricordata: &apos;%1&apos; non si può scrivere.</source>
        <translation>La disposition de la fenêtre n&apos;est pas mémorisée : « %1 » ne peut pas être écrit.</translation>
    </message>
</context>
</TS>
