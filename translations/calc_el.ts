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
        <source>Ampiezza</source>
        <translation>Διαφορά</translation>
    </message>
    <message>
        <source>binary64 esaurito (passo %1)</source>
        <translation>όριο του binary64 (βήμα %1)</translation>
    </message>
    <message>
        <source>Il limite inferiore in binary64 resta sotto pi greco.</source>
        <translation>Το κάτω φράγμα σε binary64 μένει κάτω από το π.</translation>
    </message>
    <message>
        <source>Con %1 passi o più il limite inferiore calcolato in binary64 supera pi greco.</source>
        <translation>Από το βήμα %1 και μετά, το κάτω φράγμα που υπολογίζεται σε binary64 ξεπερνά το π.</translation>
    </message>
    <message>
        <source>Dal passo %1 il limite inferiore in binary64 supera pi greco: gli arrotondamenti hanno esaurito le circa 16 cifre del formato.</source>
        <translation>Από το βήμα %1 και μετά, το κάτω φράγμα σε binary64 ξεπερνά το π: τα σφάλματα στρογγυλοποίησης εξάντλησαν τα περίπου 16 σημαντικά ψηφία του τύπου.</translation>
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
        <translation>πάρα πολλοί συμβολικοί σύνδεσμοι, ίσως σε κύκλο</translation>
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
        <translation>Ο Αρχιμήδης εγκλώβισε το π ανάμεσα στις περιμέτρους δύο κανονικών πολυγώνων, ενός εγγεγραμμένου σε κύκλο και ενός περιγεγραμμένου, διπλασιάζοντας τις πλευρές τους σε κάθε βήμα. Το Form1 υπολογίζει τα δύο φράγματα μετά τον αριθμό βημάτων που επιλέγετε· το Esplora δείχνει τα πολύγωνα, τον πίνακα των βημάτων και τη σύγκλιση.</translation>
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
</context>
</TS>
