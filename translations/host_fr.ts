<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>runtime::host::Application</name>
    <message>
        <source>Impossibile aprire la finestra: la piattaforma grafica %1 non è installata.</source>
        <translation>Impossible d&apos;ouvrir la fenêtre&#xa0;: la plateforme graphique %1 n&apos;est pas installée.</translation>
    </message>
    <message>
        <source>Impossibile aprire la finestra: la piattaforma grafica %1 non si avvia.</source>
        <translation>Impossible d&apos;ouvrir la fenêtre&#xa0;: la plateforme graphique %1 n&apos;a pas pu démarrer.</translation>
    </message>
    <message>
        <source>Impossibile aprire la finestra: lo schermo grafico non risponde.</source>
        <translation>Impossible d&apos;ouvrir la fenêtre&#xa0;: l&apos;écran ne répond pas.</translation>
    </message>
    <message>
        <source>Impossibile aprire la finestra: lo schermo grafico non risponde (%1).</source>
        <translation>Impossible d&apos;ouvrir la fenêtre&#xa0;: l&apos;écran ne répond pas (%1).</translation>
    </message>
    <message>
        <source>Impossibile aprire la finestra: nessuno schermo grafico disponibile (DISPLAY e WAYLAND_DISPLAY non sono impostati).</source>
        <translation>Impossible d&apos;ouvrir la fenêtre&#xa0;: aucun écran disponible (ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini).</translation>
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
        <translation>%1&#xa0;: %2%3 Voir «&#xa0;%1 --help&#xa0;».</translation>
    </message>
    <message>
        <source>opzione sconosciuta &apos;%1%2&apos;</source>
        <translation>option inconnue «&#xa0;%1%2&#xa0;»</translation>
    </message>
    <message>
        <source>manca il valore dopo &apos;%1&apos;</source>
        <translation>valeur manquante après «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>l&apos;opzione &apos;%1&apos; non accetta un valore</source>
        <translation>l&apos;option «&#xa0;%1&#xa0;» ne prend pas de valeur</translation>
    </message>
    <message>
        <source>Uso: %1 [opzioni]</source>
        <translation>Usage&#xa0;: %1 [options]</translation>
    </message>
    <message>
        <source>Opzioni:</source>
        <translation>Options&#xa0;:</translation>
    </message>
    <message>
        <source>Argomenti:</source>
        <translation>Arguments&#xa0;:</translation>
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
        <translation>argument inattendu «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>runtime::host::SettingsFile</name>
    <message>
        <source>La disposizione della finestra non viene ricordata: &apos;%1&apos; non è un file ordinario.</source>
        <translation>La disposition de la fenêtre n&apos;est pas mémorisée&#xa0;: «&#xa0;%1&#xa0;» n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>La disposizione della finestra non viene ricordata: &apos;%1&apos; non si può leggere.</source>
        <translation>La disposition de la fenêtre n&apos;est pas mémorisée&#xa0;: «&#xa0;%1&#xa0;» ne peut pas être lu.</translation>
    </message>
    <message>
        <source>La disposizione della finestra non viene ricordata: &apos;%1&apos; non si può scrivere.</source>
        <translation>La disposition de la fenêtre n&apos;est pas mémorisée&#xa0;: «&#xa0;%1&#xa0;» ne peut pas être écrit.</translation>
    </message>
</context>
</TS>
