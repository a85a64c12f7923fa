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
        <source>Differenza</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>binary64 esaurito (passo %1)</source>
        <translation>binary64 limit (step %1)</translation>
    </message>
    <message>
        <source>Il limite inferiore in binary64 resta sotto π.</source>
        <translation>The binary64 lower bound stays below π.</translation>
    </message>
    <message>
        <source>Con %1 passi o più il limite inferiore calcolato in binary64 supera π.</source>
        <translation>From step %1 on, the lower bound computed in binary64 exceeds π.</translation>
    </message>
    <message>
        <source>Dal passo %1 il limite inferiore in binary64 supera π: gli arrotondamenti hanno esaurito le circa 16 cifre del formato.</source>
        <translation>From step %1 on, the binary64 lower bound exceeds π: rounding errors have used up the format&apos;s roughly 16 significant digits.</translation>
    </message>
    <message>
        <source>Dimostrate: raddoppi</source>
        <translation>Proven digits: doubling</translation>
    </message>
    <message>
        <source>Dimostrate: Huygens</source>
        <translation>Proven digits: Huygens</translation>
    </message>
    <message>
        <source>Dimostrate: Richardson</source>
        <translation>Proven digits: Richardson</translation>
    </message>
    <message>
        <source>Cifre corrette di π</source>
        <translation>Digits of π: correct and proven</translation>
    </message>
    <message>
        <source>Passo</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Cifre corrette (scala logaritmica)</source>
        <translation>Correct digits (log scale)</translation>
    </message>
    <message>
        <source>%1, passo %2: %3 cifre</source>
        <translation>%1, step %2: %3 digits</translation>
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
    <name>PolygonScene</name>
    <message>
        <source>Passo %1: poligoni di %2 lati</source>
        <translation>Step %1: polygons with %2 sides</translation>
    </message>
    <message>
        <source>Cerchio di raggio 1</source>
        <translation>Circle of radius 1</translation>
    </message>
    <message>
        <source>Poligono inscritto</source>
        <translation>Inscribed polygon</translation>
    </message>
    <message>
        <source>Poligono circoscritto</source>
        <translation>Circumscribed polygon</translation>
    </message>
    <message>
        <source>Ingrandimento: × %1 lungo il lato,</source>
        <translation>Magnification: × %1 along the side,</translation>
    </message>
    <message>
        <source>× %1 verso il centro</source>
        <translation>× %1 towards the centre</translation>
    </message>
    <message>
        <source>A ogni passo: lato ÷ 2, scarto ÷ 4</source>
        <translation>Each step: side ÷ 2, gap ÷ 4</translation>
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
    <message>
        <source>L&apos;esagono</source>
        <translation>The hexagon</translation>
    </message>
    <message>
        <source>Nel cerchio di raggio 1 si disegna un esagono regolare inscritto: i suoi 6 lati sono lunghi 1, quanto il raggio, perché l&apos;esagono è fatto di 6 triangoli equilateri. Un secondo esagono, circoscritto, ha i lati che toccano il cerchio. Il perimetro del primo è più corto della circonferenza, quello del secondo più lungo; la circonferenza misura 2π, quindi metà di ciascun perimetro è un limite per π: %1&#xa0;&lt;&#xa0;π&#xa0;&lt; %2.</source>
        <translation>In the circle of radius 1 we draw an inscribed regular hexagon: each of its 6 sides has length 1, the same as the radius, because the hexagon is made of 6 equilateral triangles. A second hexagon, circumscribed, has sides that touch the circle. The perimeter of the first is shorter than the circumference, that of the second longer; the circumference is 2π, so half of each perimeter is a bound for π: %1&#xa0;&lt;&#xa0;π&#xa0;&lt; %2.</translation>
    </message>
    <message>
        <source>Raddoppiare i lati</source>
        <translation>Doubling the sides</translation>
    </message>
    <message>
        <source>A ogni passo si prende il punto del cerchio sopra il punto medio di ogni lato, e il lato diventa due corde: i lati raddoppiano e i poligoni si stringono sul cerchio. Il passo %1 usa i poligoni di %2 lati; il passo dopo userà quelli di %3 lati.</source>
        <translation>At every step we take the point on the circle beyond the midpoint of each side, and the side becomes two chords: the sides double and the polygons close in on the circle. Step %1 uses the polygons of %2 sides; the next step will use those of %3 sides.</translation>
    </message>
    <message>
        <source>Le formule del programma</source>
        <translation>The program&apos;s formulas</translation>
    </message>
    <message>
        <source>Dal lato s del poligono inscritto di n lati il programma esegue queste operazioni, ciascuna arrotondata in binary64: h è metà lato, a l&apos;apotema (la distanza del lato dal centro), t il lato del poligono circoscritto, p e P i semiperimetri dei due poligoni, g la freccia (quanto il lato sta sotto il cerchio) e s′ il lato nuovo, per il teorema di Pitagora. Al passo %1:</source>
        <translation>From the side s of the inscribed polygon of n sides the program does these operations, each rounded in binary64: h is half the side, a the apothem (the distance of the side from the centre), t the side of the circumscribed polygon, p and P the half-perimeters of the two polygons, g the sagitta (how far the side lies below the circle) and s′ the new side, by Pythagoras&apos; theorem. At step %1:</translation>
    </message>
    <message>
        <source>Perché p&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;P</source>
        <translation>Why p&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;P</translation>
    </message>
    <message>
        <source>Ogni lato inscritto è una corda, più corta dell&apos;arco tra i suoi estremi. Ogni lato circoscritto è fatto di due metà tangenti al cerchio, ciascuna più lunga dell&apos;arco che copre. Sommando su tutti gli n lati, n&#xa0;·&#xa0;s&#xa0;&lt;&#xa0;2π&#xa0;&lt;&#xa0;n&#xa0;·&#xa0;t, e dividendo per 2, p&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;P a ogni passo. Al passo %1: %2&#xa0;&lt;&#xa0;π&#xa0;&lt; %3, distanti %4; al passo dopo la distanza sarà circa un quarto.</source>
        <translation>Each inscribed side is a chord, shorter than the arc between its ends. Each circumscribed side is made of two halves tangent to the circle, each longer than the arc it covers. Adding over all n sides, n&#xa0;·&#xa0;s&#xa0;&lt;&#xa0;2π&#xa0;&lt;&#xa0;n&#xa0;·&#xa0;t, and dividing by 2, p&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;P at every step. At step %1: %2&#xa0;&lt;&#xa0;π&#xa0;&lt; %3, %4 apart; at the next step the distance will be about a quarter of this.</translation>
    </message>
    <message>
        <source>Dove binary64 si esaurisce</source>
        <translation>Where binary64 runs out of digits</translation>
    </message>
    <message>
        <source>binary64, il formato dei numeri del programma, tiene circa 16 cifre significative e ogni operazione arrotonda l&apos;ultima. La freccia g&#xa0;=&#xa0;1&#xa0;−&#xa0;a sottrae due numeri quasi uguali, e a ogni passo il loro scarto si riduce a un quarto: in g restano sempre meno cifre giuste, e il lato nuovo le eredita. Al passo %1 g vale %2 e p&#xa0;−&#xa0;π vale %3. Dal passo %4 gli errori superano la distanza tra p e π: il limite inferiore calcolato supera π e i risultati non sono più limiti.</source>
        <translation>binary64, the format of the program&apos;s numbers, holds about 16 significant digits, and every operation rounds the last one. The sagitta g&#xa0;=&#xa0;1&#xa0;−&#xa0;a subtracts two nearly equal numbers, and at every step their difference shrinks to a quarter: fewer and fewer correct digits are left in g, and the new side inherits them. At step %1 g is %2 and p&#xa0;−&#xa0;π is %3. From step %4 on the errors exceed the distance between p and π: the computed lower bound exceeds π and the results are no longer bounds.</translation>
    </message>
    <message>
        <source>Cifre dimostrate</source>
        <translation>Proven digits</translation>
    </message>
    <message>
        <source>Il risultato di Archimede</source>
        <translation>Archimedes&apos; result</translation>
    </message>
    <message>
        <source>Archimede arrivò ai poligoni di 96 lati, il passo %1, calcolando a mano le radici quadrate con frazioni e arrotondandole sempre dalla parte sicura: 3&#x202f;10/71&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;3&#x202f;1/7, cioè 223/71&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;22/7, cioè %2&#xa0;&lt;&#xa0;π&#xa0;&lt; %3. Il programma, con gli stessi poligoni: %4&#xa0;&lt;&#xa0;π&#xa0;&lt; %5. I limiti di Archimede sono più larghi di %6 sotto e di %7 sopra.</source>
        <translation>Archimedes reached the polygons of 96 sides, step %1, computing the square roots by hand with fractions and always rounding them on the safe side: 3&#x202f;10/71&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;3&#x202f;1/7, that is 223/71&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;22/7, that is %2&#xa0;&lt;&#xa0;π&#xa0;&lt; %3. The program, with the same polygons: %4&#xa0;&lt;&#xa0;π&#xa0;&lt; %5. Archimedes&apos; bounds are wider by %6 below and by %7 above.</translation>
    </message>
    <message>
        <source>Una cifra di π è dimostrata quando il calcolo tiene conto di ogni arrotondamento: con l&apos;aritmetica a intervalli ogni numero diventa un intervallo che di sicuro contiene il valore esatto, e le cifre su cui i due estremi concordano sono anche di π. Con i poligoni fino al passo %1 i raddoppi ne dimostrano %2. Huygens legge di più dagli stessi poligoni: 3p&#xa0;/&#xa0;(2&#xa0;+&#xa0;a) sta sotto π e (2p&#xa0;+&#xa0;P)&#xa0;/&#xa0;3 sopra, molto più vicini; ne dimostra %3. Richardson guarda come p si avvicina a π di passo in passo: la forma dei suoi errori è nota, termini in 1/n², 1/n⁴, …, e il metodo li toglie; ne dimostra %4. Il conteggio si ferma a %5 cifre.</source>
        <translation>A digit of π is proven when the calculation accounts for every rounding: with interval arithmetic every number becomes an interval that surely contains the exact value, and the digits on which both ends agree are π&apos;s too. With the polygons up to step %1 doubling proves %2 of them. Huygens reads more from the same polygons: 3p&#xa0;/&#xa0;(2&#xa0;+&#xa0;a) lies below π and (2p&#xa0;+&#xa0;P)&#xa0;/&#xa0;3 above, much closer; it proves %3. Richardson watches how p approaches π from step to step: the shape of its errors is known, terms in 1/n², 1/n⁴, …, and the method removes them; it proves %4. The count stops at %5 digits.</translation>
    </message>
    <message>
        <source>Ogni lato inscritto è una corda, più corta dell&apos;arco tra i suoi estremi. Ogni lato circoscritto è fatto di due metà tangenti al cerchio, ciascuna più lunga dell&apos;arco che copre. Sommando su tutti gli n lati, n&#xa0;·&#xa0;s&#xa0;&lt;&#xa0;2π&#xa0;&lt;&#xa0;n&#xa0;·&#xa0;t, e dividendo per 2, p&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;P a ogni passo. Al passo %1 però il programma calcola p&#xa0;=&#xa0;%2 e P&#xa0;=&#xa0;%3: p supera π, e a sbagliare sono gli arrotondamenti, non la geometria (%4 è la distanza calcolata).</source>
        <translation>Each inscribed side is a chord, shorter than the arc between its ends. Each circumscribed side is made of two halves tangent to the circle, each longer than the arc it covers. Adding over all n sides, n&#xa0;·&#xa0;s&#xa0;&lt;&#xa0;2π&#xa0;&lt;&#xa0;n&#xa0;·&#xa0;t, and dividing by 2, p&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;P at every step. At step %1, though, the program computes p&#xa0;=&#xa0;%2 and P&#xa0;=&#xa0;%3: p exceeds π, and what is wrong is the rounding, not the geometry (%4 is the computed distance).</translation>
    </message>
    <message>
        <source>Passi</source>
        <translation>Steps</translation>
    </message>
</context>
<context>
    <name>explore::ExploreWindow</name>
    <message>
        <source>Passo</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Passo %1, contato come nella tabella: al passo 1 gli esagoni, a ogni passo il doppio dei lati</source>
        <translation>Step, from %1, counted as in the table: step 1 gives the hexagons, each further step doubles the sides</translation>
    </message>
    <message>
        <source>Passo %1: %2 lati, %3&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;%4</source>
        <translation>Step %1: %2 sides, %3&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;%4</translation>
    </message>
    <message>
        <source>poligoni-passo-%1.svg</source>
        <translation>polygons-step-%1.svg</translation>
    </message>
    <message>
        <source>convergenza-%1-passi.svg</source>
        <translation>convergence-%1-steps.svg</translation>
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
        <translation>too many symbolic links, perhaps a loop</translation>
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
        <translation>Archimedes enclosed π between the perimeters of two regular polygons, one inscribed in a circle and one circumscribed about it, doubling their sides at every step. Form1 computes the two bounds after the number of steps you choose; the Explore window shows the polygons, the step table and the convergence chart.</translation>
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
    <message>
        <source>Schermo intero</source>
        <translation>Full screen</translation>
    </message>
</context>
</TS>
