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
        <source>Differenza</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>binary64 esaurito (passo %1)</source>
        <translation>binary64-Grenze (Schritt %1)</translation>
    </message>
    <message>
        <source>Il limite inferiore in binary64 resta sotto π.</source>
        <translation>Die untere Schranke in binary64 bleibt unter π.</translation>
    </message>
    <message>
        <source>Con %1 passi o più il limite inferiore calcolato in binary64 supera π.</source>
        <translation>Ab Schritt %1 übersteigt die in binary64 berechnete untere Schranke π.</translation>
    </message>
    <message>
        <source>Dal passo %1 il limite inferiore in binary64 supera π: gli arrotondamenti hanno esaurito le circa 16 cifre del formato.</source>
        <translation>Ab Schritt %1 liegt die in binary64 berechnete untere Schranke über π: Die Rundungsfehler haben die etwa 16 signifikanten Stellen des Formats aufgebraucht.</translation>
    </message>
    <message>
        <source>Dimostrate: raddoppi</source>
        <translation>Bewiesen: Verdopplung</translation>
    </message>
    <message>
        <source>Dimostrate: Huygens</source>
        <translation>Bewiesen: Huygens</translation>
    </message>
    <message>
        <source>Dimostrate: Richardson</source>
        <translation>Bewiesen: Richardson</translation>
    </message>
    <message>
        <source>Cifre corrette di π</source>
        <translation>Stellen von π: richtig und bewiesen</translation>
    </message>
    <message>
        <source>Passo</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Cifre corrette (scala logaritmica)</source>
        <translation>Richtige Stellen (logarithmische Skala)</translation>
    </message>
    <message>
        <source>%1, passo %2: %3 cifre</source>
        <translation>%1, Schritt %2: %3 Stellen</translation>
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
    <name>PolygonScene</name>
    <message>
        <source>Passo %1: poligoni di %2 lati</source>
        <translation>Schritt %1: Vielecke mit %2 Ecken</translation>
    </message>
    <message>
        <source>Cerchio di raggio 1</source>
        <translation>Kreis mit Radius 1</translation>
    </message>
    <message>
        <source>Poligono inscritto</source>
        <translation>Einbeschriebenes Vieleck</translation>
    </message>
    <message>
        <source>Poligono circoscritto</source>
        <translation>Umbeschriebenes Vieleck</translation>
    </message>
    <message>
        <source>Ingrandimento: × %1 lungo il lato,</source>
        <translation>Vergrößerung: × %1 entlang der Seite,</translation>
    </message>
    <message>
        <source>× %1 verso il centro</source>
        <translation>× %1 zum Mittelpunkt hin</translation>
    </message>
    <message>
        <source>A ogni passo: lato ÷ 2, scarto ÷ 4</source>
        <translation>Jeder Schritt: Seite ÷ 2, Abstand ÷ 4</translation>
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
    <message>
        <source>L&apos;esagono</source>
        <translation>Das Sechseck</translation>
    </message>
    <message>
        <source>Nel cerchio di raggio 1 si disegna un esagono regolare inscritto: i suoi 6 lati sono lunghi 1, quanto il raggio, perché l&apos;esagono è fatto di 6 triangoli equilateri. Un secondo esagono, circoscritto, ha i lati che toccano il cerchio. Il perimetro del primo è più corto della circonferenza, quello del secondo più lungo; la circonferenza misura 2π, quindi metà di ciascun perimetro è un limite per π: %1&#xa0;&lt;&#xa0;π&#xa0;&lt; %2.</source>
        <translation>In den Kreis mit Radius 1 zeichnet man ein regelmäßiges Sechseck: Seine 6 Seiten sind 1 lang, so lang wie der Radius, denn das Sechseck besteht aus 6 gleichseitigen Dreiecken. Ein zweites, umbeschriebenes Sechseck hat Seiten, die den Kreis berühren. Der Umfang des ersten ist kürzer als der Kreisumfang, der des zweiten länger; der Kreisumfang ist 2π, also ist der halbe Umfang jedes Sechsecks eine Schranke für π: %1&#xa0;&lt;&#xa0;π&#xa0;&lt; %2.</translation>
    </message>
    <message>
        <source>Raddoppiare i lati</source>
        <translation>Die Seiten verdoppeln</translation>
    </message>
    <message>
        <source>A ogni passo si prende il punto del cerchio sopra il punto medio di ogni lato, e il lato diventa due corde: i lati raddoppiano e i poligoni si stringono sul cerchio. Il passo %1 usa i poligoni di %2 lati; il passo dopo userà quelli di %3 lati.</source>
        <translation>Bei jedem Schritt nimmt man den Punkt des Kreises über der Mitte jeder Seite, und die Seite wird zu zwei Sehnen: Die Seiten verdoppeln sich, und die Vielecke schmiegen sich an den Kreis. Schritt %1 verwendet die Vielecke mit %2 Ecken; der nächste Schritt die mit %3 Ecken.</translation>
    </message>
    <message>
        <source>Le formule del programma</source>
        <translation>Die Formeln des Programms</translation>
    </message>
    <message>
        <source>Dal lato s del poligono inscritto di n lati il programma esegue queste operazioni, ciascuna arrotondata in binary64: h è metà lato, a l&apos;apotema (la distanza del lato dal centro), t il lato del poligono circoscritto, p e P i semiperimetri dei due poligoni, g la freccia (quanto il lato sta sotto il cerchio) e s′ il lato nuovo, per il teorema di Pitagora. Al passo %1:</source>
        <translation>Aus der Seite s des einbeschriebenen Vielecks mit n Ecken rechnet das Programm so, jede Operation in binary64 gerundet: h ist die halbe Seite, a der Inkreisradius (der Abstand der Seite vom Mittelpunkt), t die Seite des umbeschriebenen Vielecks, p und P die halben Umfänge der beiden Vielecke, g die Pfeilhöhe (wie weit die Seite unter dem Kreis liegt) und s′ die neue Seite, nach dem Satz des Pythagoras. Bei Schritt %1:</translation>
    </message>
    <message>
        <source>Perché p&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;P</source>
        <translation>Warum p&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;P</translation>
    </message>
    <message>
        <source>Ogni lato inscritto è una corda, più corta dell&apos;arco tra i suoi estremi. Ogni lato circoscritto è fatto di due metà tangenti al cerchio, ciascuna più lunga dell&apos;arco che copre. Sommando su tutti gli n lati, n&#xa0;·&#xa0;s&#xa0;&lt;&#xa0;2π&#xa0;&lt;&#xa0;n&#xa0;·&#xa0;t, e dividendo per 2, p&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;P a ogni passo. Al passo %1 però il programma calcola p&#xa0;=&#xa0;%2 e P&#xa0;=&#xa0;%3: p supera π, e a sbagliare sono gli arrotondamenti, non la geometria (%4 è la distanza calcolata).</source>
        <translation>Jede einbeschriebene Seite ist eine Sehne, kürzer als der Bogen zwischen ihren Enden. Jede umbeschriebene Seite besteht aus zwei Hälften, die den Kreis berühren, jede länger als der Bogen, den sie überdeckt. Summiert über alle n Seiten gilt n&#xa0;·&#xa0;s&#xa0;&lt;&#xa0;2π&#xa0;&lt;&#xa0;n&#xa0;·&#xa0;t, und geteilt durch 2 ist p&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;P bei jedem Schritt. Bei Schritt %1 berechnet das Programm jedoch p&#xa0;=&#xa0;%2 und P&#xa0;=&#xa0;%3: p ist größer als π, und der Fehler liegt an den Rundungen, nicht an der Geometrie (%4 ist der berechnete Abstand).</translation>
    </message>
    <message>
        <source>Ogni lato inscritto è una corda, più corta dell&apos;arco tra i suoi estremi. Ogni lato circoscritto è fatto di due metà tangenti al cerchio, ciascuna più lunga dell&apos;arco che copre. Sommando su tutti gli n lati, n&#xa0;·&#xa0;s&#xa0;&lt;&#xa0;2π&#xa0;&lt;&#xa0;n&#xa0;·&#xa0;t, e dividendo per 2, p&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;P a ogni passo. Al passo %1: %2&#xa0;&lt;&#xa0;π&#xa0;&lt; %3, distanti %4; al passo dopo la distanza sarà circa un quarto.</source>
        <translation>Jede einbeschriebene Seite ist eine Sehne, kürzer als der Bogen zwischen ihren Enden. Jede umbeschriebene Seite besteht aus zwei Hälften, die den Kreis berühren, jede länger als der Bogen, den sie überdeckt. Summiert über alle n Seiten gilt n&#xa0;·&#xa0;s&#xa0;&lt;&#xa0;2π&#xa0;&lt;&#xa0;n&#xa0;·&#xa0;t, und geteilt durch 2 ist p&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;P bei jedem Schritt. Bei Schritt %1: %2&#xa0;&lt;&#xa0;π&#xa0;&lt; %3, %4 voneinander entfernt; beim nächsten Schritt wird der Abstand etwa ein Viertel sein.</translation>
    </message>
    <message>
        <source>Dove binary64 si esaurisce</source>
        <translation>Wo binary64 an seine Grenze kommt</translation>
    </message>
    <message>
        <source>binary64, il formato dei numeri del programma, tiene circa 16 cifre significative e ogni operazione arrotonda l&apos;ultima. La freccia g&#xa0;=&#xa0;1&#xa0;−&#xa0;a sottrae due numeri quasi uguali, e a ogni passo il loro scarto si riduce a un quarto: in g restano sempre meno cifre giuste, e il lato nuovo le eredita. Al passo %1 g vale %2 e p&#xa0;−&#xa0;π vale %3. Dal passo %4 gli errori superano la distanza tra p e π: il limite inferiore calcolato supera π e i risultati non sono più limiti.</source>
        <translation>binary64, das Zahlenformat des Programms, fasst etwa 16 signifikante Stellen, und jede Operation rundet die letzte. Die Pfeilhöhe g&#xa0;=&#xa0;1&#xa0;−&#xa0;a subtrahiert zwei fast gleiche Zahlen, und bei jedem Schritt schrumpft ihr Unterschied auf ein Viertel: In g bleiben immer weniger richtige Stellen, und die neue Seite erbt sie. Bei Schritt %1 ist g&#xa0;=&#xa0;%2 und p&#xa0;−&#xa0;π&#xa0;=&#xa0;%3. Ab Schritt %4 übersteigen die Fehler den Abstand zwischen p und π: Die berechnete untere Schranke ist größer als π, und die Ergebnisse sind keine Schranken mehr.</translation>
    </message>
    <message>
        <source>Cifre dimostrate</source>
        <translation>Bewiesene Stellen</translation>
    </message>
    <message>
        <source>Una cifra di π è dimostrata quando il calcolo tiene conto di ogni arrotondamento: con l&apos;aritmetica a intervalli ogni numero diventa un intervallo che di sicuro contiene il valore esatto, e le cifre su cui i due estremi concordano sono anche di π. Con i poligoni fino al passo %1 i raddoppi ne dimostrano %2. Huygens legge di più dagli stessi poligoni: 3p&#xa0;/&#xa0;(2&#xa0;+&#xa0;a) sta sotto π e (2p&#xa0;+&#xa0;P)&#xa0;/&#xa0;3 sopra, molto più vicini; ne dimostra %3. Richardson guarda come p si avvicina a π di passo in passo: la forma dei suoi errori è nota, termini in 1/n², 1/n⁴, …, e il metodo li toglie; ne dimostra %4. Il conteggio si ferma a %5 cifre.</source>
        <translation>Eine Stelle von π ist bewiesen, wenn die Rechnung jede Rundung berücksichtigt: Mit Intervallarithmetik wird jede Zahl zu einem Intervall, das den exakten Wert sicher enthält, und die Stellen, in denen beide Enden übereinstimmen, sind auch die von π. Mit den Vielecken bis Schritt %1 beweist das Verdoppeln %2 davon. Huygens liest aus denselben Vielecken mehr: 3p&#xa0;/&#xa0;(2&#xa0;+&#xa0;a) liegt unter π und (2p&#xa0;+&#xa0;P)&#xa0;/&#xa0;3 darüber, viel näher; so werden %3 bewiesen. Richardson beobachtet, wie sich p von Schritt zu Schritt π nähert: Die Form seiner Fehler ist bekannt, Terme in 1/n², 1/n⁴, …, und das Verfahren entfernt sie; so werden %4 bewiesen. Gezählt wird bis %5 Stellen.</translation>
    </message>
    <message>
        <source>Il risultato di Archimede</source>
        <translation>Das Ergebnis des Archimedes</translation>
    </message>
    <message>
        <source>Archimede arrivò ai poligoni di 96 lati, il passo %1, calcolando a mano le radici quadrate con frazioni e arrotondandole sempre dalla parte sicura: 3&#x202f;10/71&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;3&#x202f;1/7, cioè 223/71&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;22/7, cioè %2&#xa0;&lt;&#xa0;π&#xa0;&lt; %3. Il programma, con gli stessi poligoni: %4&#xa0;&lt;&#xa0;π&#xa0;&lt; %5. I limiti di Archimede sono più larghi di %6 sotto e di %7 sopra.</source>
        <translation>Archimedes kam bis zu den Vielecken mit 96 Ecken, Schritt %1, und rechnete die Quadratwurzeln von Hand mit Brüchen, stets zur sicheren Seite gerundet: 3&#x202f;10/71&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;3&#x202f;1/7, also 223/71&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;22/7, also %2&#xa0;&lt;&#xa0;π&#xa0;&lt; %3. Das Programm mit denselben Vielecken: %4&#xa0;&lt;&#xa0;π&#xa0;&lt; %5. Die Schranken des Archimedes liegen unten um %6 und oben um %7 weiter außen.</translation>
    </message>
    <message>
        <source>Passi</source>
        <translation>Schritte</translation>
    </message>
</context>
<context>
    <name>explore::ExploreWindow</name>
    <message>
        <source>Passo</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Passo %1, contato come nella tabella: al passo 1 gli esagoni, a ogni passo il doppio dei lati</source>
        <translation>Schritt von %1, gezählt wie in der Tabelle: Schritt 1 ergibt die Sechsecke, jeder weitere Schritt verdoppelt die Eckenzahl</translation>
    </message>
    <message>
        <source>Passo %1: %2 lati, %3&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;%4</source>
        <translation>Schritt %1: %2 Ecken, %3&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;%4</translation>
    </message>
    <message>
        <source>poligoni-passo-%1.svg</source>
        <translation>vielecke-schritt-%1.svg</translation>
    </message>
    <message>
        <source>convergenza-%1-passi.svg</source>
        <translation>konvergenz-%1-schritte.svg</translation>
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
        <translation>Festplattenkontingent überschritten</translation>
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
        <translation>zu viele symbolische Links, vermutlich eine Schleife</translation>
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
        <translation>Archimedes schloss π zwischen den Umfängen zweier regelmäßiger Vielecke ein, eines einem Kreis einbeschriebenen und eines umbeschriebenen, und verdoppelte ihre Seiten bei jedem Schritt. Form1 berechnet die beiden Schranken nach der gewählten Anzahl von Schritten; das Fenster „Erkunden“ zeigt die Vielecke, die Schritttabelle und das Konvergenzdiagramm.</translation>
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
    <message>
        <source>Schermo intero</source>
        <translation>Vollbild</translation>
    </message>
</context>
</TS>
