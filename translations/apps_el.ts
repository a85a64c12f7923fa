<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>apps::CommandLine</name>
    <message>
        <source>argomento inatteso &apos;%1&apos;</source>
        <translation>απρόσμενο όρισμα «%1»</translation>
    </message>
    <message>
        <source>Apre Esplora: poligoni, tabella dei passi e convergenza.</source>
        <translation>Ανοίγει το παράθυρο Εξερεύνηση: πολύγωνα, πίνακας
βημάτων και γράφημα σύγκλισης.</translation>
    </message>
    <message>
        <source>PASSI</source>
        <translation>ΒΗΜΑΤΑ</translation>
    </message>
    <message>
        <source>Con --esplora, il passo %1 a cui si apre
(in mancanza, quello a cui Esplora è stata chiusa
l&apos;ultima volta; la prima volta %2), letto come nella
finestra: il punto separa i decimali e si arrotonda al
pari (4.5 vale 4).</source>
        <translation>Με --esplora, το βήμα στο οποίο ανοίγει, από %1
(προεπιλογή: το βήμα στο οποίο έκλεισε το παράθυρο την
τελευταία φορά, ή %2 την πρώτη φορά)· διαβάζεται όπως
το πλαίσιο κειμένου του παραθύρου: η τελεία (.) χωρίζει
τα δεκαδικά και το μισό στρογγυλεύεται στον άρτιο (το
4.5 δίνει 4).</translation>
    </message>
    <message>
        <source>Limiti per pi greco con il metodo di Archimede: apre la finestra di calcolo.</source>
        <translation>Φράγματα για το π με τη μέθοδο του Αρχιμήδη: ανοίγει το παράθυρο υπολογισμού.</translation>
    </message>
</context>
</TS>
