<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>archimede</name>
    <message>
        <source>archimede: interrotto</source>
        <translation>archimede: abgebrochen</translation>
    </message>
    <message>
        <source>riuscito</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>calcolo o scrittura non riusciti: errore di run-time del
       calcolo, immagine o uscita standard non scritta</source>
        <translation>Berechnung oder Ausgabe fehlgeschlagen: ein Laufzeitfehler oder ein
       nicht geschriebenes Bild bzw. eine nicht geschriebene Standardausgabe</translation>
    </message>
    <message>
        <source>numero di passi rifiutato o riga di comando errata</source>
        <translation>Anzahl der Schritte abgelehnt oder ungültige Befehlszeile</translation>
    </message>
    <message>
        <source>interrotto con Ctrl+C</source>
        <translation>mit Strg+C abgebrochen</translation>
    </message>
    <message>
        <source>Numero lati poligono inscritto e circoscritto: </source>
        <translation>Eckenzahl jedes Vielecks: </translation>
    </message>
    <message>
        <source> &lt; costante &lt; </source>
        <translation> &lt; Pi &lt; </translation>
    </message>
    <message>
        <source>archimede: passo %1 di %2 (%3%)</source>
        <translation>archimede: Schritt %1 von %2 (%3 %)</translation>
    </message>
    <message>
        <source>mancano circa %1</source>
        <translation>noch etwa %1</translation>
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
        <source>Cifre dimostrate</source>
        <translation>Bewiesene Stellen</translation>
    </message>
    <message>
        <source>Guadagno</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Numero iterazioni: </source>
        <translation>Anzahl der Schritte: </translation>
    </message>
    <message>
        <source>Profondità dell&apos;estrapolazione: </source>
        <translation>Extrapolationstiefe: </translation>
    </message>
    <message>
        <source>archimede: questa versione è stata compilata senza Qt e non può disegnare immagini</source>
        <translation>archimede: dieser Build enthält kein Qt und kann daher keine Bilder zeichnen</translation>
    </message>
    <message>
        <source>archimede: %1. Vedere &apos;archimede --help&apos;.</source>
        <translation>archimede: %1. Siehe „archimede --help“.</translation>
    </message>
    <message>
        <source>formato sconosciuto &apos;%1&apos;: usare testo, csv o json</source>
        <translation>unbekanntes Format „%1“: testo, csv oder json verwenden</translation>
    </message>
    <message>
        <source>--cifre richiede un numero intero da 1 a 1000000, non &apos;%1&apos;</source>
        <translation>--cifre erwartet eine ganze Zahl von 1 bis 1000000, nicht „%1“</translation>
    </message>
    <message>
        <source>metodo sconosciuto &apos;%1&apos;: usare raddoppi, huygens o richardson</source>
        <translation>unbekanntes Verfahren „%1“: raddoppi, huygens oder richardson verwenden</translation>
    </message>
    <message>
        <source>--dimensioni richiede LARGHEZZAxALTEZZA in pixel, da 16 a 10000, non &apos;%1&apos;</source>
        <translation>--dimensioni erwartet BREITExHÖHE in Pixeln, von 16 bis 10000, nicht „%1“</translation>
    </message>
    <message>
        <source>%1 ripetuto: un solo FILE per immagine</source>
        <translation>%1 wiederholt: nur eine DATEI je Bild</translation>
    </message>
    <message>
        <source>%1 richiede il nome di un file</source>
        <translation>%1 erwartet einen Dateinamen</translation>
    </message>
    <message>
        <source>%1: il nome &apos;%2&apos; non è UTF-8 valido; archimede scrive solo nomi in UTF-8</source>
        <translation>%1: der Name „%2“ ist kein gültiges UTF-8; archimede schreibt nur Dateien, deren Namen UTF-8 sind</translation>
    </message>
    <message>
        <source>troppi argomenti: &apos;%1&apos; e &apos;%2&apos;</source>
        <translation>zu viele Argumente: „%1“ und „%2“</translation>
    </message>
    <message>
        <source>manca il valore di %1</source>
        <translation>fehlender Wert für %1</translation>
    </message>
    <message>
        <source>%1 non accetta un valore</source>
        <translation>%1 nimmt keinen Wert an</translation>
    </message>
    <message>
        <source>opzione sconosciuta &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>%1: estensione sconosciuta in &apos;%2&apos;: usare .svg, .png o .pdf</source>
        <translation>%1: unbekannte Endung in „%2“: .svg, .png oder .pdf verwenden</translation>
    </message>
    <message>
        <source>--disegno e --grafico richiedono due file diversi, non &apos;%1&apos; per entrambi</source>
        <translation>--disegno und --grafico brauchen zwei verschiedene Dateien, nicht „%1“ für beide</translation>
    </message>
    <message>
        <source>--disegno e --grafico non si combinano con --tabella, --esatto, --formato o --cifre</source>
        <translation>--disegno und --grafico lassen sich nicht mit --tabella, --esatto, --formato oder --cifre kombinieren</translation>
    </message>
    <message>
        <source>--dimensioni vale solo con --disegno o --grafico</source>
        <translation>--dimensioni ist nur mit --disegno oder --grafico möglich</translation>
    </message>
    <message>
        <source>--cifre sceglie da sé i passi: togliere &apos;%1&apos;</source>
        <translation>--cifre wählt die Schritte selbst: „%1“ entfernen</translation>
    </message>
    <message>
        <source>--metodo vale solo con --cifre</source>
        <translation>--metodo ist nur mit --cifre möglich</translation>
    </message>
    <message>
        <source>manca PASSI, il numero di passi %1</source>
        <translation>SCHRITTE fehlt, die Anzahl der Schritte von %1</translation>
    </message>
    <message>
        <source>archimede: impossibile scrivere i risultati sull&apos;uscita standard</source>
        <translation>archimede: die Ergebnisse können nicht auf die Standardausgabe geschrieben werden</translation>
    </message>
    <message>
        <source>archimede: errore interno: %1</source>
        <translation>archimede: interner Fehler: %1</translation>
    </message>
    <message>
        <source>Impossibile scrivere &apos;%1&apos;: nome non in UTF-8</source>
        <translation>„%1“ kann nicht geschrieben werden: der Name ist nicht in UTF-8</translation>
    </message>
    <message>
        <source>archimede: memoria esaurita</source>
        <translation>archimede: Speicher erschöpft</translation>
    </message>
    <message>
        <source>Memoria insufficiente per &apos;%1&apos;: servono circa %2 MiB, il limite (ulimit -v) è di %3 MiB</source>
        <translation>Nicht genug Speicher für „%1“: benötigt werden etwa %2 MiB, die Grenze (ulimit -v) liegt bei %3 MiB</translation>
    </message>
    <message>
        <source>Uso: archimede PASSI [--tabella] [--formato testo|csv|json] [--esatto]
     archimede PASSI [--disegno FILE] [--grafico FILE] [--dimensioni LxA]
     archimede --cifre N [--metodo M] [--tabella [--formato F]]
     archimede --help | --version

Limiti per pi greco con il metodo di Archimede. Dall&apos;esagono inscritto nel
cerchio di raggio 1, ogni passo raddoppia i lati; i semiperimetri dei poligoni
inscritto e circoscritto stanno sotto e sopra pi greco.

  PASSI          numero di passi da 1 a 500, letto come nella finestra: il
                 punto separa i decimali e si arrotonda al pari (500.5 vale 500)
  --tabella      una riga per ogni passo da 1 a PASSI: passo, lati dei
                 poligoni, limite inferiore, limite superiore, differenza.
                 Con --cifre, una riga per poligono: passo, lati, cifre
                 dimostrate (i decimali su cui i due estremi
                 dell&apos;intervallo concordano) e guadagno rispetto al passo
                 precedente
  --formato F    testo (predefinito), csv o json. Il testo usa i formati della
                 finestra e il separatore decimale della lingua dell&apos;utente;
                 csv e json usano il punto e 17 cifre significative, che si
                 rileggono nello stesso numero binary64. Con --cifre
                 --tabella, csv e json danno passo, cifre dimostrate e
                 guadagno
  --esatto       nel testo, 17 cifre significative al posto dei formati della
                 finestra, per confrontare i risultati bit per bit
  --disegno FILE il cerchio con i poligoni inscritto e circoscritto al passo
                 PASSI (da 1, l&apos;esagono, a 500; 6*2^(PASSI-1) lati), come
                 nella finestra Esplora; il formato dall&apos;estensione: svg, png
                 o pdf
  --grafico FILE le cifre corrette di pi greco dei due limiti binary64 e
                 quelle dimostrate dai tre metodi di --cifre, passo per passo
                 da 1 a PASSI, come nella finestra Esplora. Due FILE
                 diversi, con nomi in UTF-8; ognuno prende il posto del file
                 che c&apos;era solo quando è completo, e se la scrittura non
                 riesce quel file resta com&apos;era
  --dimensioni LxA  larghezza e altezza delle immagini in pixel (punti per il
                 pdf), predefinite 900x600
  --cifre N      limiti certificati con N decimali, N da 1 a 1000000: il
                 limite inferiore è pi greco troncato a N decimali, il
                 superiore un&apos;unità in più sull&apos;ultimo decimale. Con
                 richardson 10000 decimali chiedono centesimi di secondo,
                 100000 circa un secondo, 1000000 un paio di minuti e
                 qualche decina di MB di memoria; raddoppi e huygens sono
                 molto più lenti (huygens, minuti già a 100000)
  --metodo M     con --cifre, come leggere pi greco negli stessi poligoni:
                 raddoppi   i semiperimetri inscritto L e circoscritto U
                            (circa 0,6 cifre per raddoppio);
                 huygens    3L/(2+a) &lt; pi greco &lt; (2L+U)/3, dove a è
                            l&apos;apotema (circa 1,2 cifre per raddoppio);
                 richardson (predefinito) la tabella di Romberg sui
                            quadrati dei semiperimetri inscritti (sui
                            semiperimetri con --tabella), allargata di un
                            limite dimostrato per i termini che trascura,
                            poi la radice quadrata (circa 0,3 k^2 cifre
                            dopo k raddoppi)
  --help, -h     questo aiuto
  --version      la versione

I risultati di PASSI sono calcolati in binary64, come nella finestra, e non
sono rigorosi: gli arrotondamenti si accumulano, dal passo 26 il limite
inferiore calcolato supera pi greco e dal 28 i due limiti coincidono.
--cifre rifà gli stessi raddoppi in aritmetica degli intervalli centro-raggio
(Arb), con la precisione e i passi che bastano a stringere l&apos;intervallo sotto
10^-N (o qualche decimale oltre, finché i due estremi non concordano sui primi
N), e arrotonda per difetto il limite inferiore e per eccesso quello superiore:
le disuguaglianze stampate sono dimostrate, con ognuno dei tre metodi.

Esempi:
  archimede 5
  archimede 30 --tabella --esatto
  archimede 500 --tabella --formato csv &gt; passi.csv
  archimede 4 --disegno poligoni.svg
  archimede 40 --grafico convergenza.png --dimensioni 1200x800
  archimede --cifre 1000
  archimede --cifre 100000 &gt; pi.txt
  archimede --cifre 1000000 &gt; pi-milione.txt
  archimede --cifre 300 --metodo huygens --tabella

Stato d&apos;uscita:
</source>
        <translation>Aufruf: archimede SCHRITTE [--tabella] [--formato testo|csv|json] [--esatto]
        archimede SCHRITTE [--disegno DATEI] [--grafico DATEI]
                           [--dimensioni BxH]
        archimede --cifre N [--metodo M] [--tabella [--formato F]]
        archimede --help | --version

Schranken für Pi nach dem Verfahren des Archimedes. Ausgehend vom Sechseck,
das dem Kreis mit Radius 1 einbeschrieben ist, verdoppelt jeder Schritt die
Eckenzahl; die halben Umfänge des einbeschriebenen und des umbeschriebenen
Vielecks liegen unter und über Pi.

  SCHRITTE       die Anzahl der Schritte, von 1 bis 500, gelesen wie im
                 Fenster: ein Punkt (.) trennt die Nachkommastellen, und eine
                 Hälfte wird zur geraden Zahl gerundet (500.5 ergibt 500)
  --tabella      eine Zeile für jeden Schritt von 1 bis SCHRITTE: Schritt,
                 Eckenzahl der Vielecke, untere Schranke, obere Schranke und
                 ihre Differenz. Mit --cifre eine Zeile je Vieleck: Schritt,
                 Eckenzahl, bewiesene Stellen (die Nachkommastellen, in denen
                 beide Enden des Intervalls übereinstimmen) und die gegenüber
                 dem vorigen Schritt gewonnenen Stellen
  --formato F    testo (Voreinstellung), csv oder json. Der Text verwendet die
                 Formate des Fensters und das Dezimaltrennzeichen der Sprache
                 des Benutzers; csv und json verwenden den Punkt und 17
                 signifikante Stellen, die wieder dieselbe binary64-Zahl
                 ergeben. Mit --cifre --tabella geben csv und json den
                 Schritt, die bewiesenen Stellen und den Zugewinn aus
  --esatto       im Text 17 signifikante Stellen statt der Formate des
                 Fensters, um Ergebnisse Bit für Bit zu vergleichen
  --disegno DATEI  der Kreis mit dem einbeschriebenen und dem umbeschriebenen
                 Vieleck bei Schritt SCHRITTE (von 1, dem Sechseck, bis 500;
                 6*2^(SCHRITTE-1) Ecken), wie im Fenster „Erkunden“; das Format
                 ergibt sich aus der Endung: svg, png oder pdf
  --grafico DATEI  die richtigen Stellen der beiden binary64-Schranken und die
                 von den drei Verfahren von --cifre bewiesenen Stellen,
                 Schritt für Schritt von 1 bis SCHRITTE, wie im Fenster
                 „Erkunden“. Zwei verschiedene DATEIEN mit Namen in
                 UTF-8; jede ersetzt die vorhandene Datei erst, wenn sie
                 vollständig ist, und schlägt das Schreiben fehl, bleibt jene
                 Datei unverändert
  --dimensioni BxH  Breite und Höhe der Bilder in Pixeln (Punkten bei pdf),
                 voreingestellt 900x600
  --cifre N      bewiesene Schranken mit N Nachkommastellen, N von 1 bis
                 1000000: die untere Schranke ist Pi, nach N Stellen
                 abgeschnitten, die obere eine Einheit der letzten Stelle
                 darüber. Mit richardson brauchen 10000 Stellen
                 Hundertstelsekunden, 100000 etwa eine Sekunde, 1000000 ein
                 paar Minuten und einige Dutzend MB Speicher; raddoppi und
                 huygens sind viel langsamer (huygens braucht schon bei
                 100000 Minuten)
  --metodo M     mit --cifre, wie Pi an denselben Vielecken abgelesen wird:
                 raddoppi   die halben Umfänge L (einbeschrieben) und U
                            (umbeschrieben) (etwa 0,6 Stellen je Schritt);
                 huygens    3L/(2+a) &lt; Pi &lt; (2L+U)/3, wobei a der
                            Inkreisradius ist (etwa 1,2 Stellen je Schritt);
                 richardson (Voreinstellung) das Romberg-Schema über den
                            Quadraten der einbeschriebenen halben Umfänge
                            (über den halben Umfängen mit --tabella),
                            erweitert um eine bewiesene Schranke für die
                            vernachlässigten Glieder, dann die Quadratwurzel
                            (etwa 0,3 k^2 Stellen nach k Schritten)
  --help, -h     diese Hilfe
  --version      die Version

Die Ergebnisse für SCHRITTE werden wie im Fenster in binary64 berechnet und
sind nicht gesichert: Rundungsfehler häufen sich, sodass ab Schritt 26 die
berechnete untere Schranke über Pi liegt und ab Schritt 28 beide Schranken
gleich sind.
--cifre wiederholt dieselben Verdopplungen in
Mittelpunkt-Radius-Intervallarithmetik (Arb), mit der Genauigkeit und der
Anzahl der Schritte, die das Intervall unter 10^-N verengen (oder einige
Stellen weiter, bis beide Enden in den ersten N übereinstimmen), und rundet die
untere Schranke ab und die obere auf: die ausgegebenen Ungleichungen sind
bewiesen, mit jedem der drei Verfahren.

Beispiele:
  archimede 5
  archimede 30 --tabella --esatto
  archimede 500 --tabella --formato csv &gt; schritte.csv
  archimede 4 --disegno vielecke.svg
  archimede 40 --grafico konvergenz.png --dimensioni 1200x800
  archimede --cifre 1000
  archimede --cifre 100000 &gt; pi.txt
  archimede --cifre 1000000 &gt; pi-million.txt
  archimede --cifre 300 --metodo huygens --tabella

Rückgabewert:
</translation>
    </message>
    <message>
        <source>--cifre non si combina con --esatto, né con --formato senza --tabella</source>
        <translation>--cifre lässt sich nicht mit --esatto kombinieren, mit --formato nur zusammen mit --tabella</translation>
    </message>
    <message>
        <source>archimede: memoria insufficiente per %1 cifre con la tabella</source>
        <translation>archimede: nicht genug Speicher für %1 Stellen mit der Tabelle</translation>
    </message>
    <message>
        <source>archimede: memoria insufficiente per %1 cifre</source>
        <translation>archimede: nicht genug Speicher für %1 Stellen</translation>
    </message>
    <message>
        <source>%1 (servono almeno %2 MB, disponibili %3 MB)</source>
        <translation>%1 (mindestens %2 MB nötig, %3 MB verfügbar)</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>terminale chiuso (SIGHUP)</source>
        <translation>Terminal geschlossen (SIGHUP)</translation>
    </message>
    <message>
        <source>fermato da SIGTERM (timeout, gestore di servizi)</source>
        <translation>durch SIGTERM beendet (timeout, Dienstverwaltung)</translation>
    </message>
</context>
</TS>
