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
        <translation>Difference</translation>
    </message>
    <message>
        <source>binary64 esaurito (passo %1)</source>
        <translation>binary64 limit (step %1)</translation>
    </message>
    <message>
        <source>Il limite inferiore in binary64 resta sotto pi greco.</source>
        <translation>The binary64 lower bound stays below π.</translation>
    </message>
    <message>
        <source>Con %1 passi o più il limite inferiore calcolato in binary64 supera pi greco.</source>
        <translation>From step %1 on, the lower bound computed in binary64 exceeds π.</translation>
    </message>
    <message>
        <source>Dal passo %1 il limite inferiore in binary64 supera pi greco: gli arrotondamenti hanno esaurito le circa 16 cifre del formato.</source>
        <translation>From step %1 on, the binary64 lower bound exceeds π: rounding errors have used up the format&apos;s roughly 16 significant digits.</translation>
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
        <source>disco pieno</source>
        <translation>disk full</translation>
    </message>
    <message>
        <source>quota del disco esaurita</source>
        <translation>disk quota exceeded</translation>
    </message>
    <message>
        <source>file oltre la dimensione massima consentita</source>
        <translation>file larger than the maximum size allowed</translation>
    </message>
    <message>
        <source>permesso negato</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>file o cartella inesistente</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>una parte del percorso non è una cartella</source>
        <translation>part of the path is not a folder</translation>
    </message>
    <message>
        <source>file system di sola lettura</source>
        <translation>read-only file system</translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>nome troppo lungo</source>
        <translation>name too long</translation>
    </message>
    <message>
        <source>errore di lettura o scrittura del dispositivo</source>
        <translation>device read or write error</translation>
    </message>
    <message>
        <source>memoria esaurita</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>troppi collegamenti simbolici, forse in cerchio</source>
        <translation>too many symbolic links, perhaps in a circle</translation>
    </message>
    <message>
        <source>nome non in UTF-8</source>
        <translation>name not in UTF-8</translation>
    </message>
    <message>
        <source>non è un programma eseguibile</source>
        <translation>not an executable program</translation>
    </message>
    <message>
        <source>file in uso</source>
        <translation>file in use</translation>
    </message>
    <message>
        <source>troppi file aperti</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>risorse temporaneamente esaurite</source>
        <translation>resources temporarily exhausted</translation>
    </message>
    <message>
        <source>errore di sistema %1</source>
        <translation>system error %1</translation>
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
<context>
    <name>web::Page</name>
    <message>
        <source>Lavoro1 — I limiti di Archimede per π</source>
        <translation>Lavoro1 — Archimedes&apos; bounds for π</translation>
    </message>
    <message>
        <source>Archimede racchiuse π tra i perimetri di due poligoni regolari, uno inscritto in un cerchio e uno circoscritto, raddoppiandone i lati a ogni passo. Form1 calcola i due limiti dopo il numero di passi scelto; Esplora mostra i poligoni, la tabella dei passi e la convergenza.</source>
        <translation>Archimedes enclosed π between the perimeters of two regular polygons, one inscribed in a circle and one circumscribed about it, doubling their sides at every step. Form1 computes the two bounds after the number of steps you choose; Esplora shows the polygons, the table of the steps and the convergence.</translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Copia il link</source>
        <translation>Copy link</translation>
    </message>
    <message>
        <source>Link copiato.</source>
        <translation>Link copied.</translation>
    </message>
    <message>
        <source>Link non copiato: copiarlo dalla barra degli indirizzi.</source>
        <translation>Link not copied: copy it from the address bar.</translation>
    </message>
    <message>
        <source>Caricamento della calcolatrice…</source>
        <translation>Loading the calculator…</translation>
    </message>
    <message>
        <source>Non è stato possibile caricare la calcolatrice.</source>
        <translation>The calculator could not be loaded.</translation>
    </message>
    <message>
        <source>Ricaricare la pagina per riprovare; se non basta, controllare la connessione o aprire la pagina in un altro browser.</source>
        <translation>Reload the page to try again; if that does not help, check the connection or open the page in another browser.</translation>
    </message>
</context>
</TS>
