<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>ConvergenceChart</name>
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
        <source>la cartella non esiste</source>
        <translation>ο φάκελος δεν υπάρχει</translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation>είναι φάκελος</translation>
    </message>
    <message>
        <source>Impossibile scrivere &apos;%1&apos;: %2</source>
        <translation>Δεν είναι δυνατή η εγγραφή του «%1»: %2</translation>
    </message>
    <message>
        <source>Memoria esaurita per &apos;%1&apos; di %2x%3 pixel</source>
        <translation>Η μνήμη δεν αρκεί για το «%1» με %2x%3 pixel</translation>
    </message>
    <message>
        <source>Estensione sconosciuta in &apos;%1&apos;: usare .svg, .png o .pdf</source>
        <translation>Άγνωστη κατάληξη στο «%1»: χρησιμοποιήστε .svg, .png ή .pdf</translation>
    </message>
    <message>
        <source>Dimensioni non valide</source>
        <translation>Μη έγκυρες διαστάσεις</translation>
    </message>
    <message>
        <source>non è un file ordinario</source>
        <translation>δεν είναι κανονικό αρχείο</translation>
    </message>
    <message>
        <source>Poligoni al passo %1</source>
        <translation>Πολύγωνα στο βήμα %1</translation>
    </message>
    <message>
        <source>Convergenza</source>
        <translation>Σύγκλιση</translation>
    </message>
</context>
<context>
    <name>PolygonScene</name>
    <message>
        <source>Ingrandimento: × %1 lungo il lato,</source>
        <translation>Μεγέθυνση: × %1 κατά μήκος της πλευράς,</translation>
    </message>
    <message>
        <source>× %1 verso il centro</source>
        <translation>× %1 προς το κέντρο</translation>
    </message>
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
        <source>A ogni passo: lato ÷ 2, scarto ÷ 4</source>
        <translation>Κάθε βήμα: πλευρά ÷ 2, απόσταση ÷ 4</translation>
    </message>
</context>
</TS>
