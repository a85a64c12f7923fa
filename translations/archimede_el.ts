<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>archimede</name>
    <message>
        <source>archimede: interrotto</source>
        <translation>archimede: διακόπηκε</translation>
    </message>
    <message>
        <source>riuscito</source>
        <translation>επιτυχία</translation>
    </message>
    <message>
        <source>calcolo o scrittura non riusciti: errore di run-time del
       calcolo, immagine o uscita standard non scritta</source>
        <translation>ο υπολογισμός ή η έξοδος απέτυχε: σφάλμα χρόνου εκτέλεσης, ή μια
       εικόνα ή η τυπική έξοδος που δεν ήταν δυνατό να γραφτεί</translation>
    </message>
    <message>
        <source>numero di passi rifiutato o riga di comando errata</source>
        <translation>ο αριθμός βημάτων απορρίφθηκε, ή μη έγκυρη γραμμή εντολών</translation>
    </message>
    <message>
        <source>interrotto con Ctrl+C</source>
        <translation>διακόπηκε με Ctrl+C</translation>
    </message>
    <message>
        <source>Numero lati poligono inscritto e circoscritto: </source>
        <translation>Πλήθος πλευρών κάθε πολυγώνου: </translation>
    </message>
    <message>
        <source> &lt; costante &lt; </source>
        <translation> &lt; π &lt; </translation>
    </message>
    <message>
        <source>archimede: passo %1 di %2 (%3%)</source>
        <translation>archimede: βήμα %1 από %2 (%3%)</translation>
    </message>
    <message>
        <source>mancano circa %1</source>
        <translation>απομένουν περίπου %1</translation>
    </message>
    <message>
        <source>Passo</source>
        <translation>Βήμα</translation>
    </message>
    <message>
        <source>Lati</source>
        <translation>Πλευρές</translation>
    </message>
    <message>
        <source>Cifre dimostrate</source>
        <translation>Αποδεδειγμένα ψηφία</translation>
    </message>
    <message>
        <source>Guadagno</source>
        <translation>Κέρδος</translation>
    </message>
    <message>
        <source>Numero iterazioni: </source>
        <translation>Αριθμός βημάτων: </translation>
    </message>
    <message>
        <source>Profondità dell&apos;estrapolazione: </source>
        <translation>Βάθος παρεκβολής: </translation>
    </message>
    <message>
        <source>archimede: questa versione è stata compilata senza Qt e non può disegnare immagini</source>
        <translation>archimede: αυτή η έκδοση δεν έχει Qt, άρα δεν μπορεί να σχεδιάσει εικόνες</translation>
    </message>
    <message>
        <source>archimede: %1. Vedere &apos;archimede --help&apos;.</source>
        <translation>archimede: %1. Δείτε «archimede --help».</translation>
    </message>
    <message>
        <source>formato sconosciuto &apos;%1&apos;: usare testo, csv o json</source>
        <translation>άγνωστη μορφή «%1»: χρησιμοποιήστε testo, csv ή json</translation>
    </message>
    <message>
        <source>--cifre richiede un numero intero da 1 a 1000000, non &apos;%1&apos;</source>
        <translation>το --cifre θέλει ακέραιο από 1 έως 1000000, όχι «%1»</translation>
    </message>
    <message>
        <source>metodo sconosciuto &apos;%1&apos;: usare raddoppi, huygens o richardson</source>
        <translation>άγνωστη μέθοδος «%1»: χρησιμοποιήστε raddoppi, huygens ή richardson</translation>
    </message>
    <message>
        <source>--dimensioni richiede LARGHEZZAxALTEZZA in pixel, da 16 a 10000, non &apos;%1&apos;</source>
        <translation>το --dimensioni θέλει ΠΛΑΤΟΣxΥΨΟΣ σε pixel, από 16 έως 10000, όχι «%1»</translation>
    </message>
    <message>
        <source>%1 ripetuto: un solo FILE per immagine</source>
        <translation>το %1 επαναλήφθηκε: ένα μόνο ΑΡΧΕΙΟ για κάθε εικόνα</translation>
    </message>
    <message>
        <source>%1 richiede il nome di un file</source>
        <translation>το %1 θέλει όνομα αρχείου</translation>
    </message>
    <message>
        <source>%1: il nome &apos;%2&apos; non è UTF-8 valido; archimede scrive solo nomi in UTF-8</source>
        <translation>%1: το όνομα «%2» δεν είναι έγκυρο UTF-8· το archimede γράφει μόνο αρχεία με ονόματα σε UTF-8</translation>
    </message>
    <message>
        <source>troppi argomenti: &apos;%1&apos; e &apos;%2&apos;</source>
        <translation>πάρα πολλά ορίσματα: «%1» και «%2»</translation>
    </message>
    <message>
        <source>manca il valore di %1</source>
        <translation>λείπει η τιμή του %1</translation>
    </message>
    <message>
        <source>%1 non accetta un valore</source>
        <translation>το %1 δεν δέχεται τιμή</translation>
    </message>
    <message>
        <source>opzione sconosciuta &apos;%1&apos;</source>
        <translation>άγνωστη επιλογή «%1»</translation>
    </message>
    <message>
        <source>%1: estensione sconosciuta in &apos;%2&apos;: usare .svg, .png o .pdf</source>
        <translation>%1: άγνωστη κατάληξη στο «%2»: χρησιμοποιήστε .svg, .png ή .pdf</translation>
    </message>
    <message>
        <source>--disegno e --grafico richiedono due file diversi, non &apos;%1&apos; per entrambi</source>
        <translation>τα --disegno και --grafico θέλουν δύο διαφορετικά αρχεία, όχι το «%1» και για τα δύο</translation>
    </message>
    <message>
        <source>--disegno e --grafico non si combinano con --tabella, --esatto, --formato o --cifre</source>
        <translation>τα --disegno και --grafico δεν συνδυάζονται με --tabella, --esatto, --formato ή --cifre</translation>
    </message>
    <message>
        <source>--dimensioni vale solo con --disegno o --grafico</source>
        <translation>το --dimensioni χρησιμοποιείται μόνο με --disegno ή --grafico</translation>
    </message>
    <message>
        <source>--cifre sceglie da sé i passi: togliere &apos;%1&apos;</source>
        <translation>το --cifre επιλέγει μόνο του τα βήματα: αφαιρέστε το «%1»</translation>
    </message>
    <message>
        <source>--metodo vale solo con --cifre</source>
        <translation>το --metodo χρησιμοποιείται μόνο με --cifre</translation>
    </message>
    <message>
        <source>manca PASSI, il numero di passi %1</source>
        <translation>λείπει το ΒΗΜΑΤΑ, ο αριθμός βημάτων από %1</translation>
    </message>
    <message>
        <source>archimede: impossibile scrivere i risultati sull&apos;uscita standard</source>
        <translation>archimede: δεν είναι δυνατή η εγγραφή των αποτελεσμάτων στην τυπική έξοδο</translation>
    </message>
    <message>
        <source>archimede: errore interno: %1</source>
        <translation>archimede: εσωτερικό σφάλμα: %1</translation>
    </message>
    <message>
        <source>Impossibile scrivere &apos;%1&apos;: nome non in UTF-8</source>
        <translation>Δεν είναι δυνατή η εγγραφή του «%1»: το όνομα δεν είναι σε UTF-8</translation>
    </message>
    <message>
        <source>archimede: memoria esaurita</source>
        <translation>archimede: η μνήμη εξαντλήθηκε</translation>
    </message>
    <message>
        <source>Memoria insufficiente per &apos;%1&apos;: servono circa %2 MiB, il limite (ulimit -v) è di %3 MiB</source>
        <translation>Ανεπαρκής μνήμη για «%1»: χρειάζονται περίπου %2 MiB, το όριο (ulimit -v) είναι %3 MiB</translation>
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
        <translation>Χρήση: archimede ΒΗΜΑΤΑ [--tabella] [--formato testo|csv|json] [--esatto]
       archimede ΒΗΜΑΤΑ [--disegno ΑΡΧΕΙΟ] [--grafico ΑΡΧΕΙΟ] [--dimensioni ΠxΥ]
       archimede --cifre N [--metodo M] [--tabella [--formato F]]
       archimede --help | --version

Φράγματα για το π με τη μέθοδο του Αρχιμήδη. Ξεκινώντας από το κανονικό
εξάγωνο που είναι εγγεγραμμένο στον κύκλο ακτίνας 1, κάθε βήμα διπλασιάζει τις
πλευρές· οι ημιπερίμετροι του εγγεγραμμένου και του περιγεγραμμένου πολυγώνου
βρίσκονται κάτω και πάνω από το π.

  ΒΗΜΑΤΑ         ο αριθμός των βημάτων, από 1 έως 500, όπως τον διαβάζει το
                 παράθυρο: η τελεία (.) χωρίζει τα δεκαδικά, και το μισό
                 στρογγυλεύεται στον άρτιο (το 500.5 δίνει 500)
  --tabella      μία γραμμή για κάθε βήμα από 1 έως ΒΗΜΑΤΑ: το βήμα, οι
                 πλευρές των πολυγώνων, το κάτω φράγμα, το άνω φράγμα και η
                 διαφορά τους. Με --cifre, μία γραμμή για κάθε πολύγωνο: το
                 βήμα, οι πλευρές, τα αποδεδειγμένα ψηφία (τα δεκαδικά στα
                 οποία συμφωνούν τα δύο άκρα του διαστήματος) και τα ψηφία
                 που κερδήθηκαν σε σχέση με το προηγούμενο βήμα
  --formato F    testo (προεπιλογή), csv ή json. Το κείμενο χρησιμοποιεί τις
                 μορφές του παραθύρου και το δεκαδικό διαχωριστικό της
                 γλώσσας του χρήστη· τα csv και json χρησιμοποιούν την τελεία
                 και 17 σημαντικά ψηφία, που ξαναδιαβάζονται ως ο ίδιος
                 αριθμός binary64. Με --cifre --tabella, τα csv και json
                 δίνουν το βήμα, τα αποδεδειγμένα ψηφία και το κέρδος
  --esatto       στο κείμενο, 17 σημαντικά ψηφία αντί για τις μορφές του
                 παραθύρου, για σύγκριση των αποτελεσμάτων bit προς bit
  --disegno ΑΡΧΕΙΟ  ο κύκλος με το εγγεγραμμένο και το περιγεγραμμένο
                 πολύγωνο στο βήμα ΒΗΜΑΤΑ (από 1, το εξάγωνο, έως 500·
                 6*2^(ΒΗΜΑΤΑ-1) πλευρές), όπως στο παράθυρο Εξερεύνηση· η
                 μορφή προκύπτει από την κατάληξη: svg, png ή pdf
  --grafico ΑΡΧΕΙΟ  τα σωστά ψηφία των δύο φραγμάτων binary64 και τα ψηφία
                 που αποδεικνύουν οι τρεις μέθοδοι του --cifre, βήμα προς
                 βήμα από 1 έως ΒΗΜΑΤΑ, όπως στο παράθυρο Εξερεύνηση. Δύο
                 διαφορετικά ΑΡΧΕΙΑ, με ονόματα σε UTF-8· το καθένα
                 αντικαθιστά το υπάρχον αρχείο μόνο όταν είναι πλήρες, και αν
                 η εγγραφή αποτύχει, εκείνο το αρχείο μένει όπως ήταν
  --dimensioni ΠxΥ  πλάτος και ύψος των εικόνων σε pixel (σε στιγμές,
                 points, για το pdf), προεπιλογή 900x600
  --cifre N      αποδεδειγμένα φράγματα με N δεκαδικά, N από 1 έως 1000000:
                 το κάτω φράγμα είναι το π περικομμένο στα N δεκαδικά, το άνω
                 μία μονάδα παραπάνω στο τελευταίο δεκαδικό. Με richardson τα
                 10000 δεκαδικά θέλουν εκατοστά του δευτερολέπτου, τα 100000
                 περίπου ένα δευτερόλεπτο, τα 1000000 μερικά λεπτά και μερικές
                 δεκάδες MB μνήμης· οι raddoppi και huygens είναι πολύ πιο
                 αργές (η huygens θέλει ήδη λεπτά στα 100000)
  --metodo M     με --cifre, πώς διαβάζεται το π στα ίδια πολύγωνα:
                 raddoppi   οι ημιπερίμετροι L του εγγεγραμμένου και U του
                            περιγεγραμμένου (περίπου 0,6 ψηφία ανά βήμα)·
                 huygens    3L/(2+a) &lt; π &lt; (2L+U)/3, όπου a το απόστημα
                            (περίπου 1,2 ψηφία ανά βήμα)·
                 richardson (προεπιλογή) ο πίνακας Romberg στα τετράγωνα
                            των εγγεγραμμένων ημιπεριμέτρων (στις
                            ημιπεριμέτρους με --tabella), διευρυμένος κατά
                            ένα αποδεδειγμένο φράγμα των όρων που παραλείπει,
                            και μετά η τετραγωνική ρίζα (περίπου 0,3 k^2
                            ψηφία μετά από k βήματα)
  --help, -h     αυτή η βοήθεια
  --version      η έκδοση

Τα αποτελέσματα για ΒΗΜΑΤΑ υπολογίζονται σε binary64, όπως στο παράθυρο, και
δεν είναι αυστηρά: τα σφάλματα στρογγυλοποίησης συσσωρεύονται, έτσι ώστε από
το βήμα 26 το υπολογισμένο κάτω φράγμα ξεπερνά το π, και από το βήμα 28 τα δύο
φράγματα είναι ίσα.
Το --cifre επαναλαμβάνει τους ίδιους διπλασιασμούς σε αριθμητική διαστημάτων
κέντρου-ακτίνας (Arb), με την ακρίβεια και τον αριθμό βημάτων που χρειάζονται
για να στενέψει το διάστημα κάτω από 10^-N (ή μερικά δεκαδικά παραπέρα, ώσπου
τα δύο άκρα να συμφωνούν στα πρώτα N), και στρογγυλεύει το κάτω φράγμα προς τα
κάτω και το άνω προς τα πάνω: οι ανισότητες που τυπώνονται είναι
αποδεδειγμένες, με καθεμία από τις τρεις μεθόδους.

Παραδείγματα:
  archimede 5
  archimede 30 --tabella --esatto
  archimede 500 --tabella --formato csv &gt; vimata.csv
  archimede 4 --disegno polygona.svg
  archimede 40 --grafico sygklisi.png --dimensioni 1200x800
  archimede --cifre 1000
  archimede --cifre 100000 &gt; pi.txt
  archimede --cifre 1000000 &gt; pi-ekatommyrio.txt
  archimede --cifre 300 --metodo huygens --tabella

Κατάσταση εξόδου:
</translation>
    </message>
    <message>
        <source>--cifre non si combina con --esatto, né con --formato senza --tabella</source>
        <translation>το --cifre δεν συνδυάζεται με --esatto, ούτε με --formato χωρίς --tabella</translation>
    </message>
    <message>
        <source>archimede: memoria insufficiente per %1 cifre con la tabella</source>
        <translation>archimede: ανεπαρκής μνήμη για %1 ψηφία με τον πίνακα</translation>
    </message>
    <message>
        <source>archimede: memoria insufficiente per %1 cifre</source>
        <translation>archimede: ανεπαρκής μνήμη για %1 ψηφία</translation>
    </message>
    <message>
        <source>%1 (servono almeno %2 MB, disponibili %3 MB)</source>
        <translation>%1 (χρειάζονται τουλάχιστον %2 MB, διαθέσιμα %3 MB)</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 δευτ.</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 λεπ. %2 δευτ.</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 ώρ. %2 λεπ.</translation>
    </message>
    <message>
        <source>terminale chiuso (SIGHUP)</source>
        <translation>το τερματικό έκλεισε (SIGHUP)</translation>
    </message>
    <message>
        <source>fermato da SIGTERM (timeout, gestore di servizi)</source>
        <translation>διακόπηκε από SIGTERM (timeout, διαχειριστής υπηρεσιών)</translation>
    </message>
</context>
</TS>
