<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>ConvergenceChart</name>
    <message>
        <source>Limite inferiore</source>
        <translation>Κάτω φράγμα</translation>
    </message>
    <message>
        <source>Limite superiore</source>
        <translation>Άνω φράγμα</translation>
    </message>
    <message>
        <source>Differenza</source>
        <translation>Διαφορά</translation>
    </message>
    <message>
        <source>binary64 esaurito (passo %1)</source>
        <translation>Όριο του binary64 (βήμα %1)</translation>
    </message>
    <message>
        <source>Il limite inferiore in binary64 resta sotto π.</source>
        <translation>Το κάτω φράγμα σε binary64 μένει κάτω από το π.</translation>
    </message>
    <message>
        <source>Con %1 passi o più il limite inferiore calcolato in binary64 supera π.</source>
        <translation>Από το βήμα %1 και μετά, το κάτω φράγμα που υπολογίζεται σε binary64 ξεπερνά το π.</translation>
    </message>
    <message>
        <source>Dal passo %1 il limite inferiore in binary64 supera π: gli arrotondamenti hanno esaurito le circa 16 cifre del formato.</source>
        <translation>Από το βήμα %1 και μετά, το κάτω φράγμα σε binary64 ξεπερνά το π: τα σφάλματα στρογγυλοποίησης εξάντλησαν τα περίπου 16 σημαντικά ψηφία της μορφής.</translation>
    </message>
    <message>
        <source>Dimostrate: raddoppi</source>
        <translation>Αποδεδειγμένα: διπλασιασμός</translation>
    </message>
    <message>
        <source>Dimostrate: Huygens</source>
        <translation>Αποδεδειγμένα: Huygens</translation>
    </message>
    <message>
        <source>Dimostrate: Richardson</source>
        <translation>Αποδεδειγμένα: Richardson</translation>
    </message>
    <message>
        <source>Cifre corrette di π</source>
        <translation>Ψηφία του π: σωστά και αποδεδειγμένα</translation>
    </message>
    <message>
        <source>Passo</source>
        <translation>Βήμα</translation>
    </message>
    <message>
        <source>Cifre corrette (scala logaritmica)</source>
        <translation>Σωστά ψηφία (λογαριθμική κλίμακα)</translation>
    </message>
    <message>
        <source>%1, passo %2: %3 cifre</source>
        <translation>%1, βήμα %2: %3 ψηφία</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Impossibile creare l&apos;immagine &apos;%1&apos;.</source>
        <translation>Δεν είναι δυνατή η δημιουργία της εικόνας «%1».</translation>
    </message>
</context>
<context>
    <name>PolygonScene</name>
    <message>
        <source>Passo %1: poligoni di %2 lati</source>
        <translation>Βήμα %1: πολύγωνα με %2 πλευρές</translation>
    </message>
    <message>
        <source>Cerchio di raggio 1</source>
        <translation>Κύκλος ακτίνας 1</translation>
    </message>
    <message>
        <source>Poligono inscritto</source>
        <translation>Εγγεγραμμένο πολύγωνο</translation>
    </message>
    <message>
        <source>Poligono circoscritto</source>
        <translation>Περιγεγραμμένο πολύγωνο</translation>
    </message>
    <message>
        <source>Ingrandimento: × %1 lungo il lato,</source>
        <translation>Μεγέθυνση: × %1 κατά μήκος της πλευράς,</translation>
    </message>
    <message>
        <source>× %1 verso il centro</source>
        <translation>× %1 προς το κέντρο</translation>
    </message>
    <message>
        <source>A ogni passo: lato ÷ 2, scarto ÷ 4</source>
        <translation>Κάθε βήμα: πλευρά ÷ 2, απόσταση ÷ 4</translation>
    </message>
</context>
<context>
    <name>calc</name>
    <message>
        <source>Risultati inattendibili!</source>
        <translation>Αναξιόπιστα αποτελέσματα!</translation>
    </message>
    <message>
        <source>Inserire un numero di iterazioni %1.</source>
        <translation>Εισαγάγετε αριθμό βημάτων από %1.</translation>
    </message>
    <message>
        <source>da %1 a %2</source>
        <translation>%1 έως %2</translation>
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
        <source>Limite inferiore</source>
        <translation>Κάτω φράγμα</translation>
    </message>
    <message>
        <source>Limite superiore</source>
        <translation>Άνω φράγμα</translation>
    </message>
    <message>
        <source>Differenza</source>
        <translation>Διαφορά</translation>
    </message>
    <message>
        <source>L&apos;esagono</source>
        <translation>Το εξάγωνο</translation>
    </message>
    <message>
        <source>Nel cerchio di raggio 1 si disegna un esagono regolare inscritto: i suoi 6 lati sono lunghi 1, quanto il raggio, perché l&apos;esagono è fatto di 6 triangoli equilateri. Un secondo esagono, circoscritto, ha i lati che toccano il cerchio. Il perimetro del primo è più corto della circonferenza, quello del secondo più lungo; la circonferenza misura 2π, quindi metà di ciascun perimetro è un limite per π: %1&#xa0;&lt;&#xa0;π&#xa0;&lt; %2.</source>
        <translation>Στον κύκλο ακτίνας 1 σχεδιάζουμε ένα εγγεγραμμένο κανονικό εξάγωνο: οι 6 πλευρές του έχουν μήκος 1, όσο η ακτίνα, γιατί το εξάγωνο αποτελείται από 6 ισόπλευρα τρίγωνα. Ένα δεύτερο εξάγωνο, περιγεγραμμένο, έχει πλευρές που εφάπτονται στον κύκλο. Η περίμετρος του πρώτου είναι μικρότερη από την περιφέρεια και του δεύτερου μεγαλύτερη· η περιφέρεια είναι 2π, άρα το μισό κάθε περιμέτρου είναι φράγμα για το π: %1&#xa0;&lt;&#xa0;π&#xa0;&lt; %2.</translation>
    </message>
    <message>
        <source>Raddoppiare i lati</source>
        <translation>Διπλασιασμός των πλευρών</translation>
    </message>
    <message>
        <source>A ogni passo si prende il punto del cerchio sopra il punto medio di ogni lato, e il lato diventa due corde: i lati raddoppiano e i poligoni si stringono sul cerchio. Il passo %1 usa i poligoni di %2 lati; il passo dopo userà quelli di %3 lati.</source>
        <translation>Σε κάθε βήμα παίρνουμε το σημείο του κύκλου πάνω από το μέσο κάθε πλευράς, και η πλευρά γίνεται δύο χορδές: οι πλευρές διπλασιάζονται και τα πολύγωνα πλησιάζουν τον κύκλο. Το βήμα %1 χρησιμοποιεί τα πολύγωνα με %2 πλευρές· το επόμενο βήμα θα χρησιμοποιήσει εκείνα με %3 πλευρές.</translation>
    </message>
    <message>
        <source>Le formule del programma</source>
        <translation>Οι τύποι του προγράμματος</translation>
    </message>
    <message>
        <source>Dal lato s del poligono inscritto di n lati il programma esegue queste operazioni, ciascuna arrotondata in binary64: h è metà lato, a l&apos;apotema (la distanza del lato dal centro), t il lato del poligono circoscritto, p e P i semiperimetri dei due poligoni, g la freccia (quanto il lato sta sotto il cerchio) e s′ il lato nuovo, per il teorema di Pitagora. Al passo %1:</source>
        <translation>Από την πλευρά s του εγγεγραμμένου πολυγώνου με n πλευρές το πρόγραμμα κάνει αυτές τις πράξεις, καθεμία στρογγυλεμένη σε binary64: h είναι η μισή πλευρά, a το απόστημα (η απόσταση της πλευράς από το κέντρο), t η πλευρά του περιγεγραμμένου πολυγώνου, p και P οι ημιπερίμετροι των δύο πολυγώνων, g το βέλος (πόσο κάτω από τον κύκλο βρίσκεται η πλευρά) και s′ η νέα πλευρά, από το Πυθαγόρειο θεώρημα. Στο βήμα %1:</translation>
    </message>
    <message>
        <source>Perché p&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;P</source>
        <translation>Γιατί p&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;P</translation>
    </message>
    <message>
        <source>Ogni lato inscritto è una corda, più corta dell&apos;arco tra i suoi estremi. Ogni lato circoscritto è fatto di due metà tangenti al cerchio, ciascuna più lunga dell&apos;arco che copre. Sommando su tutti gli n lati, n&#xa0;·&#xa0;s&#xa0;&lt;&#xa0;2π&#xa0;&lt;&#xa0;n&#xa0;·&#xa0;t, e dividendo per 2, p&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;P a ogni passo. Al passo %1 però il programma calcola p&#xa0;=&#xa0;%2 e P&#xa0;=&#xa0;%3: p supera π, e a sbagliare sono gli arrotondamenti, non la geometria (%4 è la distanza calcolata).</source>
        <translation>Κάθε εγγεγραμμένη πλευρά είναι χορδή, μικρότερη από το τόξο ανάμεσα στα άκρα της. Κάθε περιγεγραμμένη πλευρά αποτελείται από δύο μισά εφαπτόμενα στον κύκλο, το καθένα μεγαλύτερο από το τόξο που καλύπτει. Αθροίζοντας σε όλες τις n πλευρές, n&#xa0;·&#xa0;s&#xa0;&lt;&#xa0;2π&#xa0;&lt;&#xa0;n&#xa0;·&#xa0;t, και διαιρώντας με 2, p&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;P σε κάθε βήμα. Στο βήμα %1 όμως το πρόγραμμα υπολογίζει p&#xa0;=&#xa0;%2 και P&#xa0;=&#xa0;%3: το p ξεπερνά το π, και το λάθος οφείλεται στις στρογγυλοποιήσεις, όχι στη γεωμετρία (%4 είναι η υπολογισμένη απόσταση).</translation>
    </message>
    <message>
        <source>Ogni lato inscritto è una corda, più corta dell&apos;arco tra i suoi estremi. Ogni lato circoscritto è fatto di due metà tangenti al cerchio, ciascuna più lunga dell&apos;arco che copre. Sommando su tutti gli n lati, n&#xa0;·&#xa0;s&#xa0;&lt;&#xa0;2π&#xa0;&lt;&#xa0;n&#xa0;·&#xa0;t, e dividendo per 2, p&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;P a ogni passo. Al passo %1: %2&#xa0;&lt;&#xa0;π&#xa0;&lt; %3, distanti %4; al passo dopo la distanza sarà circa un quarto.</source>
        <translation>Κάθε εγγεγραμμένη πλευρά είναι χορδή, μικρότερη από το τόξο ανάμεσα στα άκρα της. Κάθε περιγεγραμμένη πλευρά αποτελείται από δύο μισά εφαπτόμενα στον κύκλο, το καθένα μεγαλύτερο από το τόξο που καλύπτει. Αθροίζοντας σε όλες τις n πλευρές, n&#xa0;·&#xa0;s&#xa0;&lt;&#xa0;2π&#xa0;&lt;&#xa0;n&#xa0;·&#xa0;t, και διαιρώντας με 2, p&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;P σε κάθε βήμα. Στο βήμα %1: %2&#xa0;&lt;&#xa0;π&#xa0;&lt; %3, σε απόσταση %4· στο επόμενο βήμα η απόσταση θα είναι περίπου το ένα τέταρτο.</translation>
    </message>
    <message>
        <source>Dove binary64 si esaurisce</source>
        <translation>Πού εξαντλείται το binary64</translation>
    </message>
    <message>
        <source>binary64, il formato dei numeri del programma, tiene circa 16 cifre significative e ogni operazione arrotonda l&apos;ultima. La freccia g&#xa0;=&#xa0;1&#xa0;−&#xa0;a sottrae due numeri quasi uguali, e a ogni passo il loro scarto si riduce a un quarto: in g restano sempre meno cifre giuste, e il lato nuovo le eredita. Al passo %1 g vale %2 e p&#xa0;−&#xa0;π vale %3. Dal passo %4 gli errori superano la distanza tra p e π: il limite inferiore calcolato supera π e i risultati non sono più limiti.</source>
        <translation>Το binary64, η μορφή των αριθμών του προγράμματος, κρατά περίπου 16 σημαντικά ψηφία και κάθε πράξη στρογγυλεύει το τελευταίο. Το βέλος g&#xa0;=&#xa0;1&#xa0;−&#xa0;a αφαιρεί δύο σχεδόν ίσους αριθμούς, και σε κάθε βήμα η διαφορά τους γίνεται το ένα τέταρτο: στο g μένουν όλο και λιγότερα σωστά ψηφία, και η νέα πλευρά τα κληρονομεί. Στο βήμα %1 το g είναι %2 και το p&#xa0;−&#xa0;π είναι %3. Από το βήμα %4 τα σφάλματα ξεπερνούν την απόσταση ανάμεσα σε p και π: το υπολογισμένο κάτω φράγμα ξεπερνά το π και τα αποτελέσματα δεν είναι πια φράγματα.</translation>
    </message>
    <message>
        <source>Cifre dimostrate</source>
        <translation>Αποδεδειγμένα ψηφία</translation>
    </message>
    <message>
        <source>Una cifra di π è dimostrata quando il calcolo tiene conto di ogni arrotondamento: con l&apos;aritmetica a intervalli ogni numero diventa un intervallo che di sicuro contiene il valore esatto, e le cifre su cui i due estremi concordano sono anche di π. Con i poligoni fino al passo %1 i raddoppi ne dimostrano %2. Huygens legge di più dagli stessi poligoni: 3p&#xa0;/&#xa0;(2&#xa0;+&#xa0;a) sta sotto π e (2p&#xa0;+&#xa0;P)&#xa0;/&#xa0;3 sopra, molto più vicini; ne dimostra %3. Richardson guarda come p si avvicina a π di passo in passo: la forma dei suoi errori è nota, termini in 1/n², 1/n⁴, …, e il metodo li toglie; ne dimostra %4. Il conteggio si ferma a %5 cifre.</source>
        <translation>Ένα ψηφίο του π είναι αποδεδειγμένο όταν ο υπολογισμός λαμβάνει υπόψη κάθε στρογγυλοποίηση: με την αριθμητική διαστημάτων κάθε αριθμός γίνεται ένα διάστημα που σίγουρα περιέχει την ακριβή τιμή, και τα ψηφία στα οποία συμφωνούν τα δύο άκρα είναι και του π. Με τα πολύγωνα ως το βήμα %1 οι διπλασιασμοί αποδεικνύουν %2. Ο Huygens διαβάζει περισσότερα από τα ίδια πολύγωνα: το 3p&#xa0;/&#xa0;(2&#xa0;+&#xa0;a) είναι κάτω από το π και το (2p&#xa0;+&#xa0;P)&#xa0;/&#xa0;3 πάνω, πολύ πιο κοντά· αποδεικνύει %3. Ο Richardson βλέπει πώς το p πλησιάζει το π από βήμα σε βήμα: η μορφή των σφαλμάτων του είναι γνωστή, όροι σε 1/n², 1/n⁴, …, και η μέθοδος τους αφαιρεί· αποδεικνύει %4. Η μέτρηση σταματά στα %5 ψηφία.</translation>
    </message>
    <message>
        <source>Il risultato di Archimede</source>
        <translation>Το αποτέλεσμα του Αρχιμήδη</translation>
    </message>
    <message>
        <source>Archimede arrivò ai poligoni di 96 lati, il passo %1, calcolando a mano le radici quadrate con frazioni e arrotondandole sempre dalla parte sicura: 3&#x202f;10/71&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;3&#x202f;1/7, cioè 223/71&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;22/7, cioè %2&#xa0;&lt;&#xa0;π&#xa0;&lt; %3. Il programma, con gli stessi poligoni: %4&#xa0;&lt;&#xa0;π&#xa0;&lt; %5. I limiti di Archimede sono più larghi di %6 sotto e di %7 sopra.</source>
        <translation>Ο Αρχιμήδης έφτασε στα πολύγωνα με 96 πλευρές, το βήμα %1, υπολογίζοντας με το χέρι τις τετραγωνικές ρίζες με κλάσματα και στρογγυλεύοντάς τες πάντα προς την ασφαλή πλευρά: 3&#x202f;10/71&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;3&#x202f;1/7, δηλαδή 223/71&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;22/7, δηλαδή %2&#xa0;&lt;&#xa0;π&#xa0;&lt; %3. Το πρόγραμμα, με τα ίδια πολύγωνα: %4&#xa0;&lt;&#xa0;π&#xa0;&lt; %5. Τα φράγματα του Αρχιμήδη είναι πιο χαλαρά κατά %6 από κάτω και κατά %7 από πάνω.</translation>
    </message>
    <message>
        <source>Passi</source>
        <translation>Βήματα</translation>
    </message>
</context>
<context>
    <name>explore::ExploreWindow</name>
    <message>
        <source>Passo</source>
        <translation>Βήμα</translation>
    </message>
    <message>
        <source>Passo %1, contato come nella tabella: al passo 1 gli esagoni, a ogni passo il doppio dei lati</source>
        <translation>Βήμα από %1, μετρημένο όπως στον πίνακα: το βήμα 1 δίνει τα εξάγωνα, κάθε επόμενο βήμα διπλασιάζει τις πλευρές</translation>
    </message>
    <message>
        <source>Passo %1: %2 lati, %3&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;%4</source>
        <translation>Βήμα %1: %2 πλευρές, %3&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;%4</translation>
    </message>
    <message>
        <source>poligoni-passo-%1.svg</source>
        <translation>polygona-vima-%1.svg</translation>
    </message>
    <message>
        <source>convergenza-%1-passi.svg</source>
        <translation>sygklisi-%1-vimata.svg</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Chiamata di routine o argomento non validi</source>
        <translation>Μη έγκυρη κλήση διαδικασίας ή όρισμα</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Υπερχείλιση</translation>
    </message>
    <message>
        <source>Divisione per zero</source>
        <translation>Διαίρεση με το μηδέν</translation>
    </message>
    <message>
        <source>Errore definito dall&apos;applicazione o dall&apos;oggetto</source>
        <translation>Σφάλμα οριζόμενο από την εφαρμογή ή το αντικείμενο</translation>
    </message>
    <message>
        <source>Errore di run-time &apos;%1&apos;: %2</source>
        <translation>Σφάλμα χρόνου εκτέλεσης &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Impossibile avviare &apos;%1&apos;: %2</source>
        <translation>Δεν είναι δυνατή η εκκίνηση του «%1»: %2</translation>
    </message>
    <message>
        <source>disco pieno</source>
        <translation>ο δίσκος είναι γεμάτος</translation>
    </message>
    <message>
        <source>quota del disco esaurita</source>
        <translation>εξαντλήθηκε το όριο χώρου στον δίσκο</translation>
    </message>
    <message>
        <source>file oltre la dimensione massima consentita</source>
        <translation>αρχείο μεγαλύτερο από το επιτρεπτό μέγεθος</translation>
    </message>
    <message>
        <source>permesso negato</source>
        <translation>δεν επιτρέπεται η πρόσβαση</translation>
    </message>
    <message>
        <source>file o cartella inesistente</source>
        <translation>το αρχείο ή ο φάκελος δεν υπάρχει</translation>
    </message>
    <message>
        <source>una parte del percorso non è una cartella</source>
        <translation>ένα μέρος της διαδρομής δεν είναι φάκελος</translation>
    </message>
    <message>
        <source>file system di sola lettura</source>
        <translation>σύστημα αρχείων μόνο για ανάγνωση</translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation>είναι φάκελος</translation>
    </message>
    <message>
        <source>nome troppo lungo</source>
        <translation>πολύ μεγάλο όνομα</translation>
    </message>
    <message>
        <source>errore di lettura o scrittura del dispositivo</source>
        <translation>σφάλμα ανάγνωσης ή εγγραφής της συσκευής</translation>
    </message>
    <message>
        <source>memoria esaurita</source>
        <translation>η μνήμη εξαντλήθηκε</translation>
    </message>
    <message>
        <source>troppi collegamenti simbolici, forse in cerchio</source>
        <translation>πάρα πολλοί συμβολικοί σύνδεσμοι, ίσως βρόχος</translation>
    </message>
    <message>
        <source>nome non in UTF-8</source>
        <translation>το όνομα δεν είναι σε UTF-8</translation>
    </message>
    <message>
        <source>non è un programma eseguibile</source>
        <translation>δεν είναι εκτελέσιμο πρόγραμμα</translation>
    </message>
    <message>
        <source>file in uso</source>
        <translation>το αρχείο χρησιμοποιείται</translation>
    </message>
    <message>
        <source>troppi file aperti</source>
        <translation>πάρα πολλά ανοιχτά αρχεία</translation>
    </message>
    <message>
        <source>risorse temporaneamente esaurite</source>
        <translation>οι πόροι εξαντλήθηκαν προσωρινά</translation>
    </message>
    <message>
        <source>errore di sistema %1</source>
        <translation>σφάλμα συστήματος %1</translation>
    </message>
    <message>
        <source>Errore di run-time &apos;%1&apos;:

%2</source>
        <translation>Σφάλμα χρόνου εκτέλεσης &apos;%1&apos;:

%2</translation>
    </message>
    <message>
        <source>Memoria esaurita</source>
        <translation>Η μνήμη εξαντλήθηκε</translation>
    </message>
    <message>
        <source>Errore interno</source>
        <translation>Εσωτερικό σφάλμα</translation>
    </message>
</context>
<context>
    <name>web::Page</name>
    <message>
        <source>Lavoro1 — I limiti di Archimede per π</source>
        <translation>Lavoro1 — Τα φράγματα του Αρχιμήδη για το π</translation>
    </message>
    <message>
        <source>Archimede racchiuse π tra i perimetri di due poligoni regolari, uno inscritto in un cerchio e uno circoscritto, raddoppiandone i lati a ogni passo. Form1 calcola i due limiti dopo il numero di passi scelto; Esplora mostra i poligoni, la tabella dei passi e la convergenza.</source>
        <translation>Ο Αρχιμήδης εγκλώβισε το π ανάμεσα στις περιμέτρους δύο κανονικών πολυγώνων, ενός εγγεγραμμένου σε κύκλο και ενός περιγεγραμμένου, διπλασιάζοντας τις πλευρές τους σε κάθε βήμα. Το Form1 υπολογίζει τα δύο φράγματα μετά τον αριθμό βημάτων που επιλέγετε· το παράθυρο Εξερεύνηση δείχνει τα πολύγωνα, τον πίνακα βημάτων και το γράφημα σύγκλισης.</translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation>Γλώσσα</translation>
    </message>
    <message>
        <source>Copia il link</source>
        <translation>Αντιγραφή συνδέσμου</translation>
    </message>
    <message>
        <source>Link copiato.</source>
        <translation>Ο σύνδεσμος αντιγράφηκε.</translation>
    </message>
    <message>
        <source>Link non copiato: copiarlo dalla barra degli indirizzi.</source>
        <translation>Ο σύνδεσμος δεν αντιγράφηκε: αντιγράψτε τον από τη γραμμή διευθύνσεων.</translation>
    </message>
    <message>
        <source>Caricamento della calcolatrice…</source>
        <translation>Φόρτωση της αριθμομηχανής…</translation>
    </message>
    <message>
        <source>Non è stato possibile caricare la calcolatrice.</source>
        <translation>Δεν ήταν δυνατή η φόρτωση της αριθμομηχανής.</translation>
    </message>
    <message>
        <source>Ricaricare la pagina per riprovare; se non basta, controllare la connessione o aprire la pagina in un altro browser.</source>
        <translation>Φορτώστε ξανά τη σελίδα για να δοκιμάσετε πάλι· αν δεν αρκεί, ελέγξτε τη σύνδεση ή ανοίξτε τη σελίδα σε άλλο πρόγραμμα περιήγησης.</translation>
    </message>
    <message>
        <source>Schermo intero</source>
        <translation>Πλήρης οθόνη</translation>
    </message>
</context>
</TS>
