<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el">
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
        <source>Passo</source>
        <translation>Βήμα</translation>
    </message>
    <message>
        <source>Passo %1, contato come nella tabella: al passo 1 gli esagoni, a ogni passo il doppio dei lati</source>
        <translation>Βήμα από %1, μετρημένο όπως στον πίνακα: το βήμα 1 δίνει τα εξάγωνα, κάθε επόμενο βήμα διπλασιάζει τις πλευρές</translation>
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
        <source>Passo %1</source>
        <translation>Βήμα %1</translation>
    </message>
    <message>
        <source>Immagini (*.svg *.png *.pdf)</source>
        <translation>Εικόνες (*.svg *.png *.pdf)</translation>
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
    <name>explore::PolygonView</name>
    <message>
        <source>Disegno dei poligoni</source>
        <translation>Σχέδιο των πολυγώνων</translation>
    </message>
</context>
</TS>
