<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>explore::ExploreWindow</name>
    <message>
        <source>Esplora poligoni e convergenza</source>
        <translation>Explore polygons and convergence</translation>
    </message>
    <message>
        <source>&amp;Passo:</source>
        <translation>&amp;Step:</translation>
    </message>
    <message>
        <source>Passo</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Passo %1, contato come nella tabella: al passo 1 gli esagoni, a ogni passo il doppio dei lati</source>
        <translation>Step, from %1, counted as in the table: step 1 gives the hexagons, each further step doubles the sides</translation>
    </message>
    <message>
        <source>Passo, cursore</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Salva &amp;disegno...</source>
        <translation>Save &amp;drawing...</translation>
    </message>
    <message>
        <source>Salva il disegno</source>
        <translation>Save the drawing</translation>
    </message>
    <message>
        <source>Salva &amp;grafico...</source>
        <translation>Save &amp;chart...</translation>
    </message>
    <message>
        <source>Salva il grafico</source>
        <translation>Save the chart</translation>
    </message>
    <message>
        <source>Tabella dei passi</source>
        <translation>Step table</translation>
    </message>
    <message>
        <source>Passo, lati, limite inferiore, limite superiore e differenza; Ctrl+C copia le righe scelte</source>
        <translation>Step, sides, lower bound, upper bound and difference; Ctrl+C copies the selected rows</translation>
    </message>
    <message>
        <source>Grafico della convergenza</source>
        <translation>Convergence chart</translation>
    </message>
    <message>
        <source>Passo %1</source>
        <translation>Step %1</translation>
    </message>
    <message>
        <source>Immagini (*.svg *.png *.pdf)</source>
        <translation>Images (*.svg *.png *.pdf)</translation>
    </message>
    <message>
        <source>poligoni-passo-%1.svg</source>
        <translation>polygons-step-%1.svg</translation>
    </message>
    <message>
        <source>convergenza-%1-passi.svg</source>
        <translation>convergence-%1-steps.svg</translation>
    </message>
</context>
<context>
    <name>explore::PolygonView</name>
    <message>
        <source>Disegno dei poligoni</source>
        <translation>Drawing of the polygons</translation>
    </message>
</context>
</TS>
