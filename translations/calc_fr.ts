<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ConvergenceChart</name>
    <message>
        <source>Limite inferiore</source>
        <translation>Borne inférieure</translation>
    </message>
    <message>
        <source>Limite superiore</source>
        <translation>Borne supérieure</translation>
    </message>
    <message>
        <source>Ampiezza</source>
        <translation>Amplitude</translation>
    </message>
</context>
<context>
    <name>calc</name>
    <message>
        <source>Risultati inattendibili!</source>
        <translation>Résultats peu fiables !</translation>
    </message>
    <message>
        <source>Inserire un numero di iterazioni %1.</source>
        <translation>Saisissez un nombre d&apos;étapes %1.</translation>
    </message>
    <message>
        <source>da %1 a %2</source>
        <translation>de %1 à %2</translation>
    </message>
    <message>
        <source>Passo</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>Lati</source>
        <translation>Côtés</translation>
    </message>
    <message>
        <source>Limite inferiore</source>
        <translation>Borne inférieure</translation>
    </message>
    <message>
        <source>Limite superiore</source>
        <translation>Borne supérieure</translation>
    </message>
    <message>
        <source>Differenza</source>
        <translation>Amplitude</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Chiamata di routine o argomento non validi</source>
        <translation>Appel de procédure ou argument incorrect</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Divisione per zero</source>
        <translation>Division par zéro</translation>
    </message>
    <message>
        <source>Errore definito dall&apos;applicazione o dall&apos;oggetto</source>
        <translation>Erreur définie par l&apos;application ou par l&apos;objet</translation>
    </message>
    <message>
        <source>Errore di run-time &apos;%1&apos;: %2</source>
        <translation>Erreur d&apos;exécution &apos;%1&apos; : %2</translation>
    </message>
    <message>
        <source>Impossibile avviare &apos;%1&apos;: %2</source>
        <translation>Impossible de démarrer « %1 » : %2</translation>
    </message>
</context>
</TS>
