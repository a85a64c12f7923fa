<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>archimede</name>
    <message>
        <source>archimede: interrotto</source>
        <translation>archimede: interrupted</translation>
    </message>
    <message>
        <source>riuscito</source>
        <translation>success</translation>
    </message>
    <message>
        <source>calcolo o scrittura non riusciti: errore di run-time del
       calcolo, immagine o uscita standard non scritta</source>
        <translation>the calculation or the output failed: a run-time error, or an
       image or standard output that could not be written</translation>
    </message>
    <message>
        <source>numero di passi rifiutato o riga di comando errata</source>
        <translation>number of steps refused, or invalid command line</translation>
    </message>
    <message>
        <source>interrotto con Ctrl+C</source>
        <translation>interrupted with Ctrl+C</translation>
    </message>
    <message>
        <source>Numero lati poligono inscritto e circoscritto: </source>
        <translation>Number of sides of each polygon: </translation>
    </message>
    <message>
        <source> &lt; costante &lt; </source>
        <translation> &lt; pi &lt; </translation>
    </message>
    <message>
        <source>archimede: passo %1 di %2 (%3%)</source>
        <translation>archimede: step %1 of %2 (%3%)</translation>
    </message>
    <message>
        <source>mancano circa %1</source>
        <translation>about %1 left</translation>
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
        <source>Cifre dimostrate</source>
        <translation>Proven digits</translation>
    </message>
    <message>
        <source>Guadagno</source>
        <translation>Gained</translation>
    </message>
    <message>
        <source>Numero iterazioni: </source>
        <translation>Number of steps: </translation>
    </message>
    <message>
        <source>Profondità dell&apos;estrapolazione: </source>
        <translation>Extrapolation depth: </translation>
    </message>
    <message>
        <source>archimede: questa versione è stata compilata senza Qt e non può disegnare immagini</source>
        <translation>archimede: this build has no Qt, so it cannot draw pictures</translation>
    </message>
    <message>
        <source>archimede: %1. Vedere &apos;archimede --help&apos;.</source>
        <translation>archimede: %1. See &apos;archimede --help&apos;.</translation>
    </message>
    <message>
        <source>formato sconosciuto &apos;%1&apos;: usare testo, csv o json</source>
        <translation>unknown format &apos;%1&apos;: use testo, csv or json</translation>
    </message>
    <message>
        <source>--cifre richiede un numero intero da 1 a 1000000, non &apos;%1&apos;</source>
        <translation>--cifre takes a whole number from 1 to 1000000, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>metodo sconosciuto &apos;%1&apos;: usare raddoppi, huygens o richardson</source>
        <translation>unknown method &apos;%1&apos;: use raddoppi, huygens or richardson</translation>
    </message>
    <message>
        <source>--dimensioni richiede LARGHEZZAxALTEZZA in pixel, da 16 a 10000, non &apos;%1&apos;</source>
        <translation>--dimensioni takes WIDTHxHEIGHT in pixels, from 16 to 10000, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 ripetuto: un solo FILE per immagine</source>
        <translation>%1 repeated: only one FILE for each image</translation>
    </message>
    <message>
        <source>%1 richiede il nome di un file</source>
        <translation>%1 takes the name of a file</translation>
    </message>
    <message>
        <source>%1: il nome &apos;%2&apos; non è UTF-8 valido; archimede scrive solo nomi in UTF-8</source>
        <translation>%1: the name &apos;%2&apos; is not valid UTF-8; archimede only writes files whose names are UTF-8</translation>
    </message>
    <message>
        <source>troppi argomenti: &apos;%1&apos; e &apos;%2&apos;</source>
        <translation>too many arguments: &apos;%1&apos; and &apos;%2&apos;</translation>
    </message>
    <message>
        <source>manca il valore di %1</source>
        <translation>missing value for %1</translation>
    </message>
    <message>
        <source>%1 non accetta un valore</source>
        <translation>%1 takes no value</translation>
    </message>
    <message>
        <source>opzione sconosciuta &apos;%1&apos;</source>
        <translation>unknown option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1: estensione sconosciuta in &apos;%2&apos;: usare .svg, .png o .pdf</source>
        <translation>%1: unknown extension in &apos;%2&apos;: use .svg, .png or .pdf</translation>
    </message>
    <message>
        <source>--disegno e --grafico richiedono due file diversi, non &apos;%1&apos; per entrambi</source>
        <translation>--disegno and --grafico need two different files, not &apos;%1&apos; for both</translation>
    </message>
    <message>
        <source>--disegno e --grafico non si combinano con --tabella, --esatto, --formato o --cifre</source>
        <translation>--disegno and --grafico cannot be combined with --tabella, --esatto, --formato or --cifre</translation>
    </message>
    <message>
        <source>--dimensioni vale solo con --disegno o --grafico</source>
        <translation>--dimensioni can only be used with --disegno or --grafico</translation>
    </message>
    <message>
        <source>--cifre sceglie da sé i passi: togliere &apos;%1&apos;</source>
        <translation>--cifre chooses the steps itself: remove &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--metodo vale solo con --cifre</source>
        <translation>--metodo can only be used with --cifre</translation>
    </message>
    <message>
        <source>manca PASSI, il numero di passi %1</source>
        <translation>missing STEPS, the number of steps from %1</translation>
    </message>
    <message>
        <source>archimede: impossibile scrivere i risultati sull&apos;uscita standard</source>
        <translation>archimede: cannot write the results to standard output</translation>
    </message>
    <message>
        <source>archimede: errore interno: %1</source>
        <translation>archimede: internal error: %1</translation>
    </message>
    <message>
        <source>Impossibile scrivere &apos;%1&apos;: nome non in UTF-8</source>
        <translation>Cannot write &apos;%1&apos;: the name is not in UTF-8</translation>
    </message>
    <message>
        <source>archimede: memoria esaurita</source>
        <translation>archimede: out of memory</translation>
    </message>
    <message>
        <source>Memoria insufficiente per &apos;%1&apos;: servono circa %2 MiB, il limite (ulimit -v) è di %3 MiB</source>
        <translation>Not enough memory for &apos;%1&apos;: it needs about %2 MiB but the limit (ulimit -v) is %3 MiB</translation>
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
        <translation>Usage: archimede STEPS [--tabella] [--formato testo|csv|json] [--esatto]
       archimede STEPS [--disegno FILE] [--grafico FILE] [--dimensioni WxH]
       archimede --cifre N [--metodo M] [--tabella [--formato F]]
       archimede --help | --version

Bounds for pi by Archimedes&apos; method. Starting from the hexagon inscribed in
the circle of radius 1, each step doubles the number of sides; the
half-perimeters of the inscribed and circumscribed polygons lie below and
above pi.

  STEPS          the number of steps, from 1 to 500, read as the window reads
                 it: a point (.) is the decimal separator, and halves round
                 to even (500.5 gives 500)
  --tabella      one row for each step from 1 to STEPS: the step, the sides
                 of the polygons, the lower bound, the upper bound and their
                 difference. With --cifre, one row for each polygon: the
                 step, the sides, the proven digits (the decimal places on
                 which both ends of the interval agree) and the digits gained
                 over the previous step
  --formato F    testo (the default), csv or json. Text uses the window&apos;s
                 formats and the decimal separator of the user&apos;s language;
                 csv and json use the point and 17 significant digits, which
                 read back as the same binary64 number. With --cifre
                 --tabella, csv and json give the step, the proven digits and
                 the digits gained
  --esatto       in text, 17 significant digits instead of the window&apos;s
                 formats, to compare results bit for bit
  --disegno FILE the circle with the inscribed and circumscribed polygons at
                 step STEPS (from 1, the hexagon, to 500; 6*2^(STEPS-1)
                 sides), as in the Explore window; the format comes from the
                 extension: svg, png or pdf
  --grafico FILE the correct digits of the two binary64 bounds and the
                 digits proven by the three methods of --cifre, step by step
                 from 1 to STEPS, as in the Explore window. Two different
                 FILEs, with names in UTF-8; each replaces the file that was
                 there only once it is complete, and if writing fails that
                 file is left as it was
  --dimensioni WxH  width and height of the images in pixels (points for
                 pdf), 900x600 by default
  --cifre N      proven bounds to N decimal places, N from 1 to 1000000: the
                 lower bound is pi truncated to N decimal places, the upper
                 bound one unit more in the last place. With richardson
                 10000 decimal places take hundredths of a second, 100000
                 about a second, 1000000 a couple of minutes and a few
                 tens of MB of memory; raddoppi and huygens are much slower
                 (huygens already takes minutes at 100000)
  --metodo M     with --cifre, how pi is read from the same polygons:
                 raddoppi   the inscribed and circumscribed half-perimeters
                            L and U (about 0.6 digits per step);
                 huygens    3L/(2+a) &lt; pi &lt; (2L+U)/3, where a is the
                            apothem (about 1.2 digits per step);
                 richardson (the default) the Romberg table on the squares
                            of the inscribed half-perimeters (on the
                            half-perimeters with --tabella), widened by a
                            proven bound on the terms it leaves out, then
                            its square root (about 0.3 k^2 digits after k
                            steps)
  --help, -h     this help
  --version      the version

The results for STEPS are computed in binary64, as in the window, and are not
rigorous: rounding errors build up, so from step 26 the computed lower bound
is above pi, and from step 28 the two bounds are equal.
--cifre redoes the same doublings in ball arithmetic (Arb), with the
precision and the number of steps needed to narrow the interval to less than
10^-N (or a few decimal places more, until both ends agree on the first N),
and rounds the lower bound down and the upper bound up: the inequalities
printed are proven, with each of the three methods.

Examples:
  archimede 5
  archimede 30 --tabella --esatto
  archimede 500 --tabella --formato csv &gt; steps.csv
  archimede 4 --disegno polygons.svg
  archimede 40 --grafico convergence.png --dimensioni 1200x800
  archimede --cifre 1000
  archimede --cifre 100000 &gt; pi.txt
  archimede --cifre 1000000 &gt; pi-million.txt
  archimede --cifre 300 --metodo huygens --tabella

Exit status:
</translation>
    </message>
    <message>
        <source>--cifre non si combina con --esatto, né con --formato senza --tabella</source>
        <translation>--cifre cannot be combined with --esatto, nor with --formato without --tabella</translation>
    </message>
    <message>
        <source>archimede: memoria insufficiente per %1 cifre con la tabella</source>
        <translation>archimede: not enough memory for %1 digits with the table</translation>
    </message>
    <message>
        <source>archimede: memoria insufficiente per %1 cifre</source>
        <translation>archimede: not enough memory for %1 digits</translation>
    </message>
    <message>
        <source>%1 (servono almeno %2 MB, disponibili %3 MB)</source>
        <translation>%1 (at least %2 MB needed, %3 MB available)</translation>
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
        <translation>terminal closed (SIGHUP)</translation>
    </message>
    <message>
        <source>fermato da SIGTERM (timeout, gestore di servizi)</source>
        <translation>stopped by SIGTERM (timeout, a service manager)</translation>
    </message>
</context>
</TS>
