<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>explore::ChartPart</name>
    <message>
        <source>Grafico non disponibile: %1</source>
        <translation>Το γράφημα δεν είναι διαθέσιμο: %1</translation>
    </message>
</context>
<context>
    <name>explore::ExploreWindow</name>
    <message>
        <source>Esplora poligoni e convergenza</source>
        <translation>Εξερεύνηση πολυγώνων και σύγκλισης</translation>
    </message>
    <message>
        <source>&amp;Passo:</source>
        <translation>&amp;Βήμα:</translation>
    </message>
    <message>
        <source>Passo, cursore</source>
        <translation>Βήμα</translation>
    </message>
    <message>
        <source>Salva &amp;disegno...</source>
        <translation>Αποθήκευση &amp;σχεδίου...</translation>
    </message>
    <message>
        <source>Salva il disegno</source>
        <translation>Αποθήκευση του σχεδίου</translation>
    </message>
    <message>
        <source>Salva &amp;grafico...</source>
        <translation>Αποθήκευση &amp;γραφήματος...</translation>
    </message>
    <message>
        <source>Salva il grafico</source>
        <translation>Αποθήκευση του γραφήματος</translation>
    </message>
    <message>
        <source>Tabella dei passi</source>
        <translation>Πίνακας βημάτων</translation>
    </message>
    <message>
        <source>Passo, lati, limite inferiore, limite superiore e differenza; Ctrl+C copia le righe scelte</source>
        <translation>Βήμα, πλευρές, κάτω φράγμα, άνω φράγμα και διαφορά· το Ctrl+C αντιγράφει τις επιλεγμένες γραμμές</translation>
    </message>
    <message>
        <source>Grafico della convergenza</source>
        <translation>Γράφημα σύγκλισης</translation>
    </message>
    <message>
        <source>Immagini (*.svg *.png *.pdf)</source>
        <translation>Εικόνες (*.svg *.png *.pdf)</translation>
    </message>
    <message>
        <source>Passo e limiti</source>
        <translation>Βήμα και φράγματα</translation>
    </message>
    <message>
        <source>&amp;Cifre dimostrate nella tabella</source>
        <translation>Αποδεδειγμένα &amp;ψηφία στον πίνακα</translation>
    </message>
    <message>
        <source>Aggiunge alla tabella le cifre che ogni metodo dimostra a ogni passo, gli stessi numeri del grafico</source>
        <translation>Προσθέτει στον πίνακα τα ψηφία που αποδεικνύει κάθε μέθοδος σε κάθε βήμα, τους ίδιους αριθμούς με το γράφημα</translation>
    </message>
    <message>
        <source>Cifre corrette di π a ogni passo, su scala logaritmica: limite inferiore, limite superiore e differenza in binary64, e cifre dimostrate dai raddoppi, da Huygens e da Richardson. Le stesse cifre sono nella tabella, con Cifre dimostrate.</source>
        <translation>Σωστά ψηφία του π σε κάθε βήμα, σε λογαριθμική κλίμακα: κάτω φράγμα, άνω φράγμα και διαφορά σε binary64, και ψηφία αποδεδειγμένα από τους διπλασιασμούς, τον Huygens και τον Richardson. Τα ίδια ψηφία βρίσκονται στον πίνακα, με Αποδεδειγμένα ψηφία.</translation>
    </message>
    <message>
        <source>Salva &amp;tabella...</source>
        <translation>Αποθήκευση &amp;πίνακα...</translation>
    </message>
    <message>
        <source>Salva la tabella</source>
        <translation>Αποθήκευση του πίνακα</translation>
    </message>
    <message>
        <source>Foglio di calcolo</source>
        <translation>Υπολογιστικό φύλλο</translation>
    </message>
</context>
<context>
    <name>explore::LessonPanel</name>
    <message>
        <source>Come funziona</source>
        <translation>Πώς λειτουργεί</translation>
    </message>
</context>
<context>
    <name>explore::PlayControls</name>
    <message>
        <source>Velocità</source>
        <translation>Ταχύτητα</translation>
    </message>
    <message>
        <source>&amp;fino al passo</source>
        <translation>&amp;ως το βήμα</translation>
    </message>
    <message>
        <source>Avanza fino al passo</source>
        <translation>Αναπαραγωγή ως το βήμα</translation>
    </message>
    <message>
        <source>&amp;Movimento ridotto</source>
        <translation>&amp;Μειωμένη κίνηση</translation>
    </message>
    <message>
        <source>Avanza al massimo di un passo al secondo, qualunque sia la velocità</source>
        <translation>Το πολύ ένα βήμα το δευτερόλεπτο, όποια κι αν είναι η ταχύτητα</translation>
    </message>
    <message>
        <source>❚❚ Pau&amp;sa</source>
        <translation>❚❚ Πα&amp;ύση</translation>
    </message>
    <message>
        <source>▶ &amp;Avvia</source>
        <translation>▶ &amp;Αναπαραγωγή</translation>
    </message>
    <message>
        <source>Pausa</source>
        <translation>Παύση</translation>
    </message>
    <message>
        <source>Avvia</source>
        <translation>Αναπαραγωγή</translation>
    </message>
    <message numerus="yes">
        <source>%n passi/s</source>
        <translation>
            <numerusform>%n βήμα/s</numerusform>
            <numerusform>%n βήματα/s</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>explore::PolygonView</name>
    <message>
        <source>Disegno dei poligoni</source>
        <translation>Σχέδιο των πολυγώνων</translation>
    </message>
</context>
</TS>
