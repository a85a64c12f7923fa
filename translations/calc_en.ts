<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ConvergenceChart</name>
    <message>
        <source>Limite inferiore</source>
        <translation>Lower bound</translation>
    </message>
    <message>
        <source>Limite superiore</source>
        <translation>Upper bound</translation>
    </message>
    <message>
        <source>Ampiezza</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>binary64 esaurito (passo %1)</source>
        <translation>binary64 runs out (step %1)</translation>
    </message>
    <message>
        <source>Il limite inferiore in binary64 resta sotto pi greco.</source>
        <translation>The binary64 lower bound stays below pi.</translation>
    </message>
    <message>
        <source>Con %1 passi o più il limite inferiore calcolato in binary64 supera pi greco.</source>
        <translation>From %1 steps on, the lower bound computed in binary64 exceeds pi.</translation>
    </message>
    <message>
        <source>Dal passo %1 il limite inferiore in binary64 supera pi greco: gli arrotondamenti hanno esaurito le circa 16 cifre del formato.</source>
        <translation>From step %1 the binary64 lower bound exceeds pi: rounding has used up the format&apos;s 16 or so digits.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Impossibile creare l&apos;immagine &apos;%1&apos;.</source>
        <translation>Cannot make the picture &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>calc</name>
    <message>
        <source>Risultati inattendibili!</source>
        <translation>Unreliable results!</translation>
    </message>
    <message>
        <source>Inserire un numero di iterazioni %1.</source>
        <translation>Enter a number of steps from %1.</translation>
    </message>
    <message>
        <source>da %1 a %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>Passo</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Lati</source>
        <translation>Sides</translation>
    </message>
    <message>
        <source>Limite inferiore</source>
        <translation>Lower bound</translation>
    </message>
    <message>
        <source>Limite superiore</source>
        <translation>Upper bound</translation>
    </message>
    <message>
        <source>Differenza</source>
        <translation>Difference</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Chiamata di routine o argomento non validi</source>
        <translation>Invalid procedure call or argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Divisione per zero</source>
        <translation>Division by zero</translation>
    </message>
    <message>
        <source>Errore definito dall&apos;applicazione o dall&apos;oggetto</source>
        <translation>Application-defined or object-defined error</translation>
    </message>
    <message>
        <source>Errore di run-time &apos;%1&apos;: %2</source>
        <translation>Run-time error &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Impossibile avviare &apos;%1&apos;: %2</source>
        <translation>Cannot start &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Errore di run-time &apos;%1&apos;:

%2</source>
        <translation>Run-time error &apos;%1&apos;:

%2</translation>
    </message>
    <message>
        <source>Memoria esaurita</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>Errore interno</source>
        <translation>Internal error</translation>
    </message>
</context>
</TS>
