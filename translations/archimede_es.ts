<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>archimede</name>
    <message>
        <source>archimede: interrotto</source>
        <translation>archimede: interrumpido</translation>
    </message>
    <message>
        <source>riuscito</source>
        <translation>éxito</translation>
    </message>
    <message>
        <source>calcolo o scrittura non riusciti: errore di run-time del
       calcolo, immagine o uscita standard non scritta</source>
        <translation>el cálculo o la salida han fallado: un error en tiempo de ejecución, o
       una imagen o la salida estándar que no se pudo escribir</translation>
    </message>
    <message>
        <source>numero di passi rifiutato o riga di comando errata</source>
        <translation>número de pasos rechazado, o línea de órdenes no válida</translation>
    </message>
    <message>
        <source>interrotto con Ctrl+C</source>
        <translation>interrumpido con Ctrl+C</translation>
    </message>
    <message>
        <source>Numero lati poligono inscritto e circoscritto: </source>
        <translation>Número de lados de cada polígono: </translation>
    </message>
    <message>
        <source> &lt; costante &lt; </source>
        <translation> &lt; pi &lt; </translation>
    </message>
    <message>
        <source>archimede: passo %1 di %2 (%3%)</source>
        <translation>archimede: paso %1 de %2 (%3 %)</translation>
    </message>
    <message>
        <source>mancano circa %1</source>
        <translation>faltan unos %1</translation>
    </message>
    <message>
        <source>Passo</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>Lati</source>
        <translation>Lados</translation>
    </message>
    <message>
        <source>Cifre dimostrate</source>
        <translation>Cifras demostradas</translation>
    </message>
    <message>
        <source>Guadagno</source>
        <translation>Ganadas</translation>
    </message>
    <message>
        <source>Numero iterazioni: </source>
        <translation>Número de pasos: </translation>
    </message>
    <message>
        <source>Profondità dell&apos;estrapolazione: </source>
        <translation>Profundidad de la extrapolación: </translation>
    </message>
    <message>
        <source>archimede: questa versione è stata compilata senza Qt e non può disegnare immagini</source>
        <translation>archimede: esta compilación no tiene Qt, así que no puede dibujar imágenes</translation>
    </message>
    <message>
        <source>archimede: %1. Vedere &apos;archimede --help&apos;.</source>
        <translation>archimede: %1. Véase «archimede --help».</translation>
    </message>
    <message>
        <source>formato sconosciuto &apos;%1&apos;: usare testo, csv o json</source>
        <translation>formato desconocido «%1»: use testo, csv o json</translation>
    </message>
    <message>
        <source>--cifre richiede un numero intero da 1 a 1000000, non &apos;%1&apos;</source>
        <translation>--cifre requiere un número entero de 1 a 1000000, no «%1»</translation>
    </message>
    <message>
        <source>metodo sconosciuto &apos;%1&apos;: usare raddoppi, huygens o richardson</source>
        <translation>método desconocido «%1»: use raddoppi, huygens o richardson</translation>
    </message>
    <message>
        <source>--dimensioni richiede LARGHEZZAxALTEZZA in pixel, da 16 a 10000, non &apos;%1&apos;</source>
        <translation>--dimensioni requiere ANCHOxALTO en píxeles, de 16 a 10000, no «%1»</translation>
    </message>
    <message>
        <source>%1 ripetuto: un solo FILE per immagine</source>
        <translation>%1 repetido: un solo ARCHIVO por imagen</translation>
    </message>
    <message>
        <source>%1 richiede il nome di un file</source>
        <translation>%1 requiere un nombre de archivo</translation>
    </message>
    <message>
        <source>%1: il nome &apos;%2&apos; non è UTF-8 valido; archimede scrive solo nomi in UTF-8</source>
        <translation>%1: el nombre «%2» no es UTF-8 válido; archimede solo escribe archivos cuyo nombre está en UTF-8</translation>
    </message>
    <message>
        <source>troppi argomenti: &apos;%1&apos; e &apos;%2&apos;</source>
        <translation>demasiados argumentos: «%1» y «%2»</translation>
    </message>
    <message>
        <source>manca il valore di %1</source>
        <translation>falta el valor de %1</translation>
    </message>
    <message>
        <source>%1 non accetta un valore</source>
        <translation>%1 no admite ningún valor</translation>
    </message>
    <message>
        <source>opzione sconosciuta &apos;%1&apos;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <source>%1: estensione sconosciuta in &apos;%2&apos;: usare .svg, .png o .pdf</source>
        <translation>%1: extensión desconocida en «%2»: use .svg, .png o .pdf</translation>
    </message>
    <message>
        <source>--disegno e --grafico richiedono due file diversi, non &apos;%1&apos; per entrambi</source>
        <translation>--disegno y --grafico requieren dos archivos distintos, no «%1» para ambos</translation>
    </message>
    <message>
        <source>--disegno e --grafico non si combinano con --tabella, --esatto, --formato o --cifre</source>
        <translation>--disegno y --grafico no se pueden combinar con --tabella, --esatto, --formato ni --cifre</translation>
    </message>
    <message>
        <source>--dimensioni vale solo con --disegno o --grafico</source>
        <translation>--dimensioni solo se puede usar con --disegno o --grafico</translation>
    </message>
    <message>
        <source>--cifre sceglie da sé i passi: togliere &apos;%1&apos;</source>
        <translation>--cifre elige los pasos por sí mismo: quite «%1»</translation>
    </message>
    <message>
        <source>--metodo vale solo con --cifre</source>
        <translation>--metodo solo se puede usar con --cifre</translation>
    </message>
    <message>
        <source>manca PASSI, il numero di passi %1</source>
        <translation>falta PASOS, el número de pasos %1</translation>
    </message>
    <message>
        <source>archimede: impossibile scrivere i risultati sull&apos;uscita standard</source>
        <translation>archimede: no se pueden escribir los resultados en la salida estándar</translation>
    </message>
    <message>
        <source>archimede: errore interno: %1</source>
        <translation>archimede: error interno: %1</translation>
    </message>
    <message>
        <source>Impossibile scrivere &apos;%1&apos;: nome non in UTF-8</source>
        <translation>No se puede escribir «%1»: el nombre no está en UTF-8</translation>
    </message>
    <message>
        <source>archimede: memoria esaurita</source>
        <translation>archimede: memoria agotada</translation>
    </message>
    <message>
        <source>Memoria insufficiente per &apos;%1&apos;: servono circa %2 MiB, il limite (ulimit -v) è di %3 MiB</source>
        <translation>Memoria insuficiente para «%1»: se necesitan unos %2 MiB, el límite (ulimit -v) es de %3 MiB</translation>
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
        <translation>Uso: archimede PASOS [--tabella] [--formato testo|csv|json] [--esatto]
     archimede PASOS [--disegno ARCHIVO] [--grafico ARCHIVO]
                     [--dimensioni ANxAL]
     archimede --cifre N [--metodo M] [--tabella [--formato F]]
     archimede --help | --version

Cotas de pi por el método de Arquímedes. Partiendo del hexágono inscrito en la
circunferencia de radio 1, cada paso duplica el número de lados; los
semiperímetros de los polígonos inscrito y circunscrito quedan por debajo y
por encima de pi.

  PASOS          el número de pasos, de 1 a 500, leído como en la ventana: un
                 punto (.) separa los decimales, y una mitad se redondea al
                 par (500.5 da 500)
  --tabella      una fila por cada paso de 1 a PASOS: el paso, los lados de
                 los polígonos, la cota inferior, la cota superior y su
                 diferencia. Con --cifre, una fila por polígono: el paso, los
                 lados, las cifras demostradas (los decimales en que coinciden
                 los dos extremos del intervalo) y las cifras ganadas respecto
                 al paso anterior
  --formato F    testo (por defecto), csv o json. El texto usa los formatos de
                 la ventana y el separador decimal del idioma del usuario; csv
                 y json usan el punto y 17 cifras significativas, que se
                 vuelven a leer como el mismo número binary64. Con --cifre
                 --tabella, csv y json dan el paso, las cifras demostradas y
                 la ganancia
  --esatto       en el texto, 17 cifras significativas en lugar de los
                 formatos de la ventana, para comparar resultados bit a bit
  --disegno ARCHIVO  la circunferencia con los polígonos inscrito y
                 circunscrito en el paso PASOS (de 1, el hexágono, a 500;
                 6*2^(PASOS-1) lados), como en la ventana Explorar; el formato
                 se deduce de la extensión: svg, png o pdf
  --grafico ARCHIVO  las cifras correctas de las dos cotas binary64 y las
                 cifras demostradas por los tres métodos de --cifre, paso a
                 paso de 1 a PASOS, como en la ventana Explorar. Dos ARCHIVOS
                 distintos, con nombres en UTF-8; cada uno sustituye al
                 archivo existente solo cuando está completo, y si la
                 escritura falla ese archivo queda como estaba
  --dimensioni ANxAL  anchura y altura de las imágenes en píxeles (puntos en
                 pdf), 900x600 por defecto
  --cifre N      cotas demostradas con N decimales, N de 1 a 1000000: la cota
                 inferior es pi truncado a N decimales, la superior una unidad
                 más en el último decimal. Con richardson, 10000 decimales
                 tardan centésimas de segundo, 100000 alrededor de un
                 segundo, 1000000 un par de minutos y unas decenas de MB de
                 memoria; raddoppi y huygens son mucho más lentos (huygens ya
                 tarda minutos con 100000)
  --metodo M     con --cifre, cómo se lee pi en los mismos polígonos:
                 raddoppi   los semiperímetros inscrito L y circunscrito U
                            (unas 0,6 cifras por paso);
                 huygens    3L/(2+a) &lt; pi &lt; (2L+U)/3, donde a es la apotema
                            (unas 1,2 cifras por paso);
                 richardson (por defecto) la tabla de Romberg sobre los
                            cuadrados de los semiperímetros inscritos (sobre
                            los semiperímetros con --tabella), ampliada con
                            una cota demostrada de los términos que omite, y
                            luego su raíz cuadrada (unas 0,3 k^2 cifras tras k
                            pasos)
  --help, -h     esta ayuda
  --version      la versión

Los resultados para PASOS se calculan en binary64, como en la ventana, y no
son rigurosos: los errores de redondeo se acumulan, de modo que desde el paso
26 la cota inferior calculada supera a pi, y desde el paso 28 las dos cotas
son iguales.
--cifre repite las mismas duplicaciones en aritmética de intervalos
centro-radio (Arb), con la precisión y el número de pasos necesarios para
estrechar el intervalo por debajo de 10^-N (o unos decimales más, hasta que los
dos extremos coincidan en los N primeros), y redondea la cota inferior por
defecto y la superior por exceso: las desigualdades impresas están demostradas,
con cada uno de los tres métodos.

Ejemplos:
  archimede 5
  archimede 30 --tabella --esatto
  archimede 500 --tabella --formato csv &gt; pasos.csv
  archimede 4 --disegno poligonos.svg
  archimede 40 --grafico convergencia.png --dimensioni 1200x800
  archimede --cifre 1000
  archimede --cifre 100000 &gt; pi.txt
  archimede --cifre 1000000 &gt; pi-millon.txt
  archimede --cifre 300 --metodo huygens --tabella

Estado de salida:
</translation>
    </message>
    <message>
        <source>--cifre non si combina con --esatto, né con --formato senza --tabella</source>
        <translation>--cifre no se puede combinar con --esatto, ni con --formato sin --tabella</translation>
    </message>
    <message>
        <source>archimede: memoria insufficiente per %1 cifre con la tabella</source>
        <translation>archimede: memoria insuficiente para %1 cifras con la tabla</translation>
    </message>
    <message>
        <source>archimede: memoria insufficiente per %1 cifre</source>
        <translation>archimede: memoria insuficiente para %1 cifras</translation>
    </message>
    <message>
        <source>%1 (servono almeno %2 MB, disponibili %3 MB)</source>
        <translation>%1 (se necesitan al menos %2 MB, hay %3 MB disponibles)</translation>
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
        <translation>terminal cerrado (SIGHUP)</translation>
    </message>
    <message>
        <source>fermato da SIGTERM (timeout, gestore di servizi)</source>
        <translation>detenido por SIGTERM (timeout, gestor de servicios)</translation>
    </message>
</context>
</TS>
