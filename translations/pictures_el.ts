<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el">
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
</TS>
