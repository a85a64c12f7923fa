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
    <message>
        <source>binary64 esaurito (passo %1)</source>
        <translation>binary64-Grenze (Schritt %1)</translation>
    </message>
    <message>
        <source>Il limite inferiore in binary64 resta sotto pi greco.</source>
        <translation>Die untere Schranke in binary64 bleibt unter π.</translation>
    </message>
    <message>
        <source>Con %1 passi o più il limite inferiore calcolato in binary64 supera pi greco.</source>
        <translation>Ab Schritt %1 übersteigt die in binary64 berechnete untere Schranke π.</translation>
    </message>
    <message>
        <source>Dal passo %1 il limite inferiore in binary64 supera pi greco: gli arrotondamenti hanno esaurito le circa 16 cifre del formato.</source>
        <translation>Ab Schritt %1 übersteigt die untere Schranke in binary64 π: Die Rundungsfehler haben die etwa 16 signifikanten Stellen des Formats aufgebraucht.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Impossibile creare l&apos;immagine &apos;%1&apos;.</source>
        <translation>Das Bild „%1“ kann nicht erstellt werden.</translation>
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
    <message>
        <source>disco pieno</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>quota del disco esaurita</source>
        <translation>Speicherkontingent überschritten</translation>
    </message>
    <message>
        <source>file oltre la dimensione massima consentita</source>
        <translation>Datei größer als erlaubt</translation>
    </message>
    <message>
        <source>permesso negato</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>file o cartella inesistente</source>
        <translation>Datei oder Ordner existiert nicht</translation>
    </message>
    <message>
        <source>una parte del percorso non è una cartella</source>
        <translation>ein Teil des Pfades ist kein Ordner</translation>
    </message>
    <message>
        <source>file system di sola lettura</source>
        <translation>schreibgeschütztes Dateisystem</translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation>das ist ein Ordner</translation>
    </message>
    <message>
        <source>nome troppo lungo</source>
        <translation>Name zu lang</translation>
    </message>
    <message>
        <source>errore di lettura o scrittura del dispositivo</source>
        <translation>Lese- oder Schreibfehler des Geräts</translation>
    </message>
    <message>
        <source>memoria esaurita</source>
        <translation>Speicher erschöpft</translation>
    </message>
    <message>
        <source>troppi collegamenti simbolici, forse in cerchio</source>
        <translation>zu viele symbolische Verknüpfungen, vielleicht im Kreis</translation>
    </message>
    <message>
        <source>nome non in UTF-8</source>
        <translation>Name nicht in UTF-8</translation>
    </message>
    <message>
        <source>non è un programma eseguibile</source>
        <translation>kein ausführbares Programm</translation>
    </message>
    <message>
        <source>file in uso</source>
        <translation>Datei wird verwendet</translation>
    </message>
    <message>
        <source>troppi file aperti</source>
        <translation>zu viele offene Dateien</translation>
    </message>
    <message>
        <source>risorse temporaneamente esaurite</source>
        <translation>Ressourcen vorübergehend erschöpft</translation>
    </message>
    <message>
        <source>errore di sistema %1</source>
        <translation>Systemfehler %1</translation>
    </message>
    <message>
        <source>Errore di run-time &apos;%1&apos;:

%2</source>
        <translation>Laufzeitfehler &apos;%1&apos;:

%2</translation>
    </message>
    <message>
        <source>Memoria esaurita</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>Errore interno</source>
        <translation>Interner Fehler</translation>
    </message>
</context>
<context>
    <name>web::Page</name>
    <message>
        <source>Lavoro1 — I limiti di Archimede per π</source>
        <translation>Lavoro1 — Die Schranken des Archimedes für π</translation>
    </message>
    <message>
        <source>Archimede racchiuse π tra i perimetri di due poligoni regolari, uno inscritto in un cerchio e uno circoscritto, raddoppiandone i lati a ogni passo. Form1 calcola i due limiti dopo il numero di passi scelto; Esplora mostra i poligoni, la tabella dei passi e la convergenza.</source>
        <translation>Archimedes schloss π zwischen den Umfängen zweier regelmäßiger Vielecke ein, eines einem Kreis einbeschriebenen und eines umbeschriebenen, und verdoppelte ihre Seiten bei jedem Schritt. Form1 berechnet die beiden Schranken nach der gewählten Anzahl von Schritten; Esplora zeigt die Vielecke, die Tabelle der Schritte und die Konvergenz.</translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Copia il link</source>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <source>Link copiato.</source>
        <translation>Link kopiert.</translation>
    </message>
    <message>
        <source>Link non copiato: copiarlo dalla barra degli indirizzi.</source>
        <translation>Link nicht kopiert: Kopieren Sie ihn aus der Adressleiste.</translation>
    </message>
    <message>
        <source>Caricamento della calcolatrice…</source>
        <translation>Der Rechner wird geladen…</translation>
    </message>
    <message>
        <source>Non è stato possibile caricare la calcolatrice.</source>
        <translation>Der Rechner konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Ricaricare la pagina per riprovare; se non basta, controllare la connessione o aprire la pagina in un altro browser.</source>
        <translation>Laden Sie die Seite neu, um es erneut zu versuchen; hilft das nicht, prüfen Sie die Verbindung oder öffnen Sie die Seite in einem anderen Browser.</translation>
    </message>
</context>
</TS>
