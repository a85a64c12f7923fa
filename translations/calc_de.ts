<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ConvergenceChart</name>
    <message>
        <source>Limite inferiore</source>
        <translation>Untere Schranke</translation>
    </message>
    <message>
        <source>Limite superiore</source>
        <translation>Obere Schranke</translation>
    </message>
    <message>
        <source>Ampiezza</source>
        <translation>Differenz</translation>
    </message>
</context>
<context>
    <name>calc</name>
    <message>
        <source>Risultati inattendibili!</source>
        <translation>Unzuverlässige Ergebnisse!</translation>
    </message>
    <message>
        <source>Inserire un numero di iterazioni %1.</source>
        <translation>Geben Sie eine Anzahl von Schritten von %1 ein.</translation>
    </message>
    <message>
        <source>da %1 a %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Passo</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Lati</source>
        <translation>Ecken</translation>
    </message>
    <message>
        <source>Limite inferiore</source>
        <translation>Untere Schranke</translation>
    </message>
    <message>
        <source>Limite superiore</source>
        <translation>Obere Schranke</translation>
    </message>
    <message>
        <source>Differenza</source>
        <translation>Differenz</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Chiamata di routine o argomento non validi</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Divisione per zero</source>
        <translation>Division durch Null</translation>
    </message>
    <message>
        <source>Errore definito dall&apos;applicazione o dall&apos;oggetto</source>
        <translation>Anwendungs- oder objektdefinierter Fehler</translation>
    </message>
    <message>
        <source>Errore di run-time &apos;%1&apos;: %2</source>
        <translation>Laufzeitfehler &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Impossibile avviare &apos;%1&apos;: %2</source>
        <translation>„%1“ kann nicht gestartet werden: %2</translation>
    </message>
</context>
</TS>
