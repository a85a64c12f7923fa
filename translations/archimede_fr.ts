<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>archimede</name>
    <message>
        <source>archimede: interrotto</source>
        <translation>archimede&#xa0;: interrompu</translation>
    </message>
    <message>
        <source>riuscito</source>
        <translation>réussite</translation>
    </message>
    <message>
        <source>calcolo o scrittura non riusciti: errore di run-time del
       calcolo, immagine o uscita standard non scritta</source>
        <translation>échec du calcul ou de la sortie&#xa0;: erreur d&apos;exécution, ou image ou
       sortie standard impossible à écrire</translation>
    </message>
    <message>
        <source>numero di passi rifiutato o riga di comando errata</source>
        <translation>nombre d&apos;étapes refusé, ou ligne de commande incorrecte</translation>
    </message>
    <message>
        <source>interrotto con Ctrl+C</source>
        <translation>interrompu par Ctrl+C</translation>
    </message>
    <message>
        <source>Numero lati poligono inscritto e circoscritto: </source>
        <translation>Nombre de côtés de chaque polygone&#xa0;: </translation>
    </message>
    <message>
        <source> &lt; costante &lt; </source>
        <translation> &lt; pi &lt; </translation>
    </message>
    <message>
        <source>archimede: passo %1 di %2 (%3%)</source>
        <translation>archimede&#xa0;: étape %1 sur %2 (%3 %)</translation>
    </message>
    <message>
        <source>mancano circa %1</source>
        <translation>encore environ %1</translation>
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
        <source>Cifre dimostrate</source>
        <translation>Décimales démontrées</translation>
    </message>
    <message>
        <source>Guadagno</source>
        <translation>Gagnées</translation>
    </message>
    <message>
        <source>Numero iterazioni: </source>
        <translation>Nombre d&apos;étapes&#xa0;: </translation>
    </message>
    <message>
        <source>Profondità dell&apos;estrapolazione: </source>
        <translation>Profondeur d&apos;extrapolation&#xa0;: </translation>
    </message>
    <message>
        <source>archimede: questa versione è stata compilata senza Qt e non può disegnare immagini</source>
        <translation>archimede&#xa0;: cette version a été compilée sans Qt et ne peut pas dessiner d&apos;images</translation>
    </message>
    <message>
        <source>archimede: %1. Vedere &apos;archimede --help&apos;.</source>
        <translation>archimede&#xa0;: %1. Voir «&#xa0;archimede --help&#xa0;».</translation>
    </message>
    <message>
        <source>formato sconosciuto &apos;%1&apos;: usare testo, csv o json</source>
        <translation>format inconnu «&#xa0;%1&#xa0;»&#xa0;: utiliser testo, csv ou json</translation>
    </message>
    <message>
        <source>--cifre richiede un numero intero da 1 a 1000000, non &apos;%1&apos;</source>
        <translation>--cifre attend un nombre entier de 1 à 1000000, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>metodo sconosciuto &apos;%1&apos;: usare raddoppi, huygens o richardson</source>
        <translation>méthode inconnue «&#xa0;%1&#xa0;»&#xa0;: utiliser raddoppi, huygens ou richardson</translation>
    </message>
    <message>
        <source>--dimensioni richiede LARGHEZZAxALTEZZA in pixel, da 16 a 10000, non &apos;%1&apos;</source>
        <translation>--dimensioni attend LARGEURxHAUTEUR en pixels, de 16 à 10000, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 ripetuto: un solo FILE per immagine</source>
        <translation>%1 répété&#xa0;: un seul FICHIER par image</translation>
    </message>
    <message>
        <source>%1 richiede il nome di un file</source>
        <translation>%1 attend un nom de fichier</translation>
    </message>
    <message>
        <source>%1: il nome &apos;%2&apos; non è UTF-8 valido; archimede scrive solo nomi in UTF-8</source>
        <translation>%1&#xa0;: le nom «&#xa0;%2&#xa0;» n&apos;est pas de l&apos;UTF-8 valide&#x202f;; archimede n&apos;écrit que des fichiers dont le nom est en UTF-8</translation>
    </message>
    <message>
        <source>troppi argomenti: &apos;%1&apos; e &apos;%2&apos;</source>
        <translation>trop d&apos;arguments&#xa0;: «&#xa0;%1&#xa0;» et «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>manca il valore di %1</source>
        <translation>valeur manquante pour %1</translation>
    </message>
    <message>
        <source>%1 non accetta un valore</source>
        <translation>%1 ne prend pas de valeur</translation>
    </message>
    <message>
        <source>opzione sconosciuta &apos;%1&apos;</source>
        <translation>option inconnue «&#xa0;&#xa0;%1&#xa0;&#xa0;»</translation>
    </message>
    <message>
        <source>%1: estensione sconosciuta in &apos;%2&apos;: usare .svg, .png o .pdf</source>
        <translation>%1&#xa0;: extension inconnue dans «&#xa0;%2&#xa0;»&#xa0;: utiliser .svg, .png ou .pdf</translation>
    </message>
    <message>
        <source>--disegno e --grafico richiedono due file diversi, non &apos;%1&apos; per entrambi</source>
        <translation>--disegno et --grafico demandent deux fichiers différents, pas «&#xa0;%1&#xa0;» pour les deux</translation>
    </message>
    <message>
        <source>--disegno e --grafico non si combinano con --tabella, --esatto, --formato o --cifre</source>
        <translation>--disegno et --grafico ne se combinent pas avec --tabella, --esatto, --formato ou --cifre</translation>
    </message>
    <message>
        <source>--dimensioni vale solo con --disegno o --grafico</source>
        <translation>--dimensioni ne s&apos;utilise qu&apos;avec --disegno ou --grafico</translation>
    </message>
    <message>
        <source>--cifre sceglie da sé i passi: togliere &apos;%1&apos;</source>
        <translation>--cifre choisit lui-même les étapes&#xa0;: retirer «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--metodo vale solo con --cifre</source>
        <translation>--metodo ne s&apos;utilise qu&apos;avec --cifre</translation>
    </message>
    <message>
        <source>manca PASSI, il numero di passi %1</source>
        <translation>ÉTAPES manquant, le nombre d&apos;étapes %1</translation>
    </message>
    <message>
        <source>archimede: impossibile scrivere i risultati sull&apos;uscita standard</source>
        <translation>archimede&#xa0;: impossible d&apos;écrire les résultats sur la sortie standard</translation>
    </message>
    <message>
        <source>archimede: errore interno: %1</source>
        <translation>archimede&#xa0;: erreur interne&#xa0;: %1</translation>
    </message>
    <message>
        <source>Impossibile scrivere &apos;%1&apos;: nome non in UTF-8</source>
        <translation>Impossible d&apos;écrire «&#xa0;%1&#xa0;»&#xa0;: le nom n&apos;est pas en UTF-8</translation>
    </message>
    <message>
        <source>archimede: memoria esaurita</source>
        <translation>archimede&#xa0;: mémoire épuisée</translation>
    </message>
    <message>
        <source>Memoria insufficiente per &apos;%1&apos;: servono circa %2 MiB, il limite (ulimit -v) è di %3 MiB</source>
        <translation>Mémoire insuffisante pour «&#xa0;%1&#xa0;»&#xa0;: il faut environ %2 Mio, la limite (ulimit -v) est de %3 Mio</translation>
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
        <translation>Usage&#xa0;: archimede ÉTAPES [--tabella] [--formato testo|csv|json] [--esatto]
        archimede ÉTAPES [--disegno FICHIER] [--grafico FICHIER]
                         [--dimensioni LxH]
        archimede --cifre N [--metodo M] [--tabella [--formato F]]
        archimede --help | --version

Encadrement de pi par la méthode d&apos;Archimède. En partant de l&apos;hexagone inscrit
dans le cercle de rayon 1, chaque étape double le nombre de côtés&#x202f;; les
demi-périmètres des polygones inscrit et circonscrit encadrent pi.

  ÉTAPES         le nombre d&apos;étapes, de 1 à 500, lu comme dans la fenêtre&#xa0;: le
                 point (.) sépare la partie décimale, et une moitié s&apos;arrondit
                 au pair (500.5 donne 500)
  --tabella      une ligne par étape de 1 à ÉTAPES&#xa0;: l&apos;étape, les côtés des
                 polygones, la borne inférieure, la borne supérieure et leur
                 amplitude. Avec --cifre, une ligne par polygone&#xa0;: l&apos;étape,
                 les côtés, les décimales démontrées (celles sur lesquelles
                 les deux bornes de l&apos;encadrement s&apos;accordent) et les
                 décimales gagnées sur l&apos;étape précédente
  --formato F    testo (par défaut), csv ou json. Le texte utilise les formats
                 de la fenêtre et le séparateur décimal de la langue de
                 l&apos;utilisateur&#x202f;; csv et json utilisent le point et 17 chiffres
                 significatifs, qui se relisent en le même nombre binary64.
                 Avec --cifre --tabella, csv et json donnent l&apos;étape, les
                 décimales démontrées et les décimales gagnées
  --esatto       dans le texte, 17 chiffres significatifs au lieu des formats
                 de la fenêtre, pour comparer les résultats bit à bit
  --disegno FICHIER  le cercle avec les polygones inscrit et circonscrit à
                 l&apos;étape ÉTAPES (de 1, l&apos;hexagone, à 500&#x202f;; 6*2^(ÉTAPES-1)
                 côtés), comme dans la fenêtre Explorer&#x202f;; le format vient de
                 l&apos;extension&#xa0;: svg, png ou pdf
  --grafico FICHIER  les décimales exactes des deux bornes binary64 et les
                 décimales démontrées par les trois méthodes de --cifre, étape
                 par étape de 1 à ÉTAPES, comme dans la fenêtre Explorer. Deux
                 FICHIERS différents, aux noms en UTF-8&#x202f;; chacun ne remplace
                 le fichier existant qu&apos;une fois complet, et si l&apos;écriture
                 échoue ce fichier reste tel quel
  --dimensioni LxH  largeur et hauteur des images en pixels (en points pour
                 le pdf), 900x600 par défaut
  --cifre N      bornes démontrées à N décimales, N de 1 à 1000000&#xa0;: la borne
                 inférieure est pi tronqué à N décimales, la borne supérieure
                 une unité de plus sur la dernière décimale. Avec richardson,
                 10000 décimales prennent quelques centièmes de seconde,
                 100000 environ une seconde, 1000000 deux minutes environ et
                 quelques dizaines de Mo de mémoire&#x202f;; raddoppi et huygens sont
                 bien plus lents (huygens prend déjà des minutes à 100000)
  --metodo M     avec --cifre, la façon de lire pi sur les mêmes polygones&#xa0;:
                 raddoppi   les demi-périmètres inscrit L et circonscrit U
                            (environ 0,6 décimale par étape)&#x202f;;
                 huygens    3L/(2+a) &lt; pi &lt; (2L+U)/3, où a est l&apos;apothème
                            (environ 1,2 décimale par étape)&#x202f;;
                 richardson (par défaut) le tableau de Romberg sur les carrés
                            des demi-périmètres inscrits (sur les
                            demi-périmètres avec --tabella), élargi d&apos;une
                            borne démontrée des termes qu&apos;il néglige, puis sa
                            racine carrée (environ 0,3 k^2 décimales après k
                            étapes)
  --help, -h     cette aide
  --version      la version

Les résultats pour ÉTAPES sont calculés en binary64, comme dans la fenêtre, et
ne sont pas rigoureux&#xa0;: les erreurs d&apos;arrondi s&apos;accumulent, si bien qu&apos;à partir
de l&apos;étape 26 la borne inférieure calculée dépasse pi, et qu&apos;à partir de
l&apos;étape 28 les deux bornes sont égales.
--cifre refait les mêmes doublements en arithmétique d&apos;intervalles
centre-rayon (Arb), avec la précision et le nombre d&apos;étapes qu&apos;il faut pour
ramener l&apos;amplitude de l&apos;encadrement sous 10^-N (ou quelques décimales de
plus, jusqu&apos;à ce que les deux bornes s&apos;accordent sur les N premières), et
arrondit la borne inférieure par défaut et la borne supérieure par excès&#xa0;: les
inégalités affichées sont démontrées, avec chacune des trois méthodes.

Exemples&#xa0;:
  archimede 5
  archimede 30 --tabella --esatto
  archimede 500 --tabella --formato csv &gt; etapes.csv
  archimede 4 --disegno polygones.svg
  archimede 40 --grafico convergence.png --dimensioni 1200x800
  archimede --cifre 1000
  archimede --cifre 100000 &gt; pi.txt
  archimede --cifre 1000000 &gt; pi-million.txt
  archimede --cifre 300 --metodo huygens --tabella

Code de retour&#xa0;:
</translation>
    </message>
    <message>
        <source>--cifre non si combina con --esatto, né con --formato senza --tabella</source>
        <translation>--cifre ne se combine pas avec --esatto, ni avec --formato sans --tabella</translation>
    </message>
    <message>
        <source>archimede: memoria insufficiente per %1 cifre con la tabella</source>
        <translation>archimede&#xa0;: mémoire insuffisante pour %1 décimales avec le tableau</translation>
    </message>
    <message>
        <source>archimede: memoria insufficiente per %1 cifre</source>
        <translation>archimede&#xa0;: mémoire insuffisante pour %1 décimales</translation>
    </message>
    <message>
        <source>%1 (servono almeno %2 MB, disponibili %3 MB)</source>
        <translation>%1 (il faut au moins %2 Mo, %3 Mo disponibles)</translation>
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
        <translation>terminal fermé (SIGHUP)</translation>
    </message>
    <message>
        <source>fermato da SIGTERM (timeout, gestore di servizi)</source>
        <translation>arrêté par SIGTERM (timeout, gestionnaire de services)</translation>
    </message>
</context>
</TS>
