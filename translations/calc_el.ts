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
</context>
</TS>
