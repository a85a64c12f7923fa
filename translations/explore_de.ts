<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>explore::ExploreWindow</name>
    <message>
        <source>Esplora poligoni e convergenza</source>
        <translation>Vielecke und Konvergenz erkunden</translation>
    </message>
    <message>
        <source>&amp;Passo:</source>
        <translation>&amp;Schritt:</translation>
    </message>
    <message>
        <source>Passo</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Passo %1, contato come nella tabella: al passo 1 gli esagoni, a ogni passo il doppio dei lati</source>
        <translation>Schritt von %1, gezählt wie in der Tabelle: Schritt 1 ergibt die Sechsecke, jeder weitere Schritt verdoppelt die Eckenzahl</translation>
    </message>
    <message>
        <source>Passo, cursore</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Salva &amp;disegno...</source>
        <translation>&amp;Zeichnung speichern...</translation>
    </message>
    <message>
        <source>Salva il disegno</source>
        <translation>Zeichnung speichern</translation>
    </message>
    <message>
        <source>Salva &amp;grafico...</source>
        <translation>&amp;Diagramm speichern...</translation>
    </message>
    <message>
        <source>Salva il grafico</source>
        <translation>Diagramm speichern</translation>
    </message>
    <message>
        <source>Tabella dei passi</source>
        <translation>Schritttabelle</translation>
    </message>
    <message>
        <source>Passo, lati, limite inferiore, limite superiore e differenza; Ctrl+C copia le righe scelte</source>
        <translation>Schritt, Ecken, untere Schranke, obere Schranke und Differenz; Strg+C kopiert die ausgewählten Zeilen</translation>
    </message>
    <message>
        <source>Grafico della convergenza</source>
        <translation>Konvergenzdiagramm</translation>
    </message>
    <message>
        <source>Passo %1</source>
        <translation>Schritt %1</translation>
    </message>
    <message>
        <source>Immagini (*.svg *.png *.pdf)</source>
        <translation>Bilder (*.svg *.png *.pdf)</translation>
    </message>
    <message>
        <source>poligoni-passo-%1.svg</source>
        <translation>vielecke-schritt-%1.svg</translation>
    </message>
    <message>
        <source>convergenza-%1-passi.svg</source>
        <translation>konvergenz-%1-schritte.svg</translation>
    </message>
</context>
<context>
    <name>explore::PolygonView</name>
    <message>
        <source>Disegno dei poligoni</source>
        <translation>Zeichnung der Vielecke</translation>
    </message>
</context>
</TS>
