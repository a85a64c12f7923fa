<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>explore::ChartPart</name>
    <message>
        <source>Grafico non disponibile: %1</source>
        <translation>Chart not available: %1</translation>
    </message>
</context>
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
        <source>Immagini (*.svg *.png *.pdf)</source>
        <translation>Images (*.svg *.png *.pdf)</translation>
    </message>
    <message>
        <source>&amp;Cifre dimostrate nella tabella</source>
        <translation>&amp;Proven digits in the table</translation>
    </message>
    <message>
        <source>Aggiunge alla tabella le cifre che ogni metodo dimostra a ogni passo, gli stessi numeri del grafico</source>
        <translation>Adds to the table the digits each method proves at each step, the same numbers as the chart&apos;s</translation>
    </message>
    <message>
        <source>Cifre corrette di π a ogni passo, su scala logaritmica: limite inferiore, limite superiore e differenza in binary64, e cifre dimostrate dai raddoppi, da Huygens e da Richardson. Le stesse cifre sono nella tabella, con Cifre dimostrate.</source>
        <translation>Correct digits of π at each step, on a logarithmic scale: lower bound, upper bound and difference in binary64, and digits proven by doubling, by Huygens and by Richardson. The same digits are in the table, with Proven digits.</translation>
    </message>
    <message>
        <source>Passo e limiti</source>
        <translation>Step and bounds</translation>
    </message>
    <message>
        <source>Salva &amp;tabella...</source>
        <translation>Save &amp;table...</translation>
    </message>
    <message>
        <source>Salva la tabella</source>
        <translation>Save the table</translation>
    </message>
    <message>
        <source>Foglio di calcolo</source>
        <translation>Spreadsheet</translation>
    </message>
</context>
<context>
    <name>explore::LessonPanel</name>
    <message>
        <source>Come funziona</source>
        <translation>How it works</translation>
    </message>
</context>
<context>
    <name>explore::PlayControls</name>
    <message>
        <source>Velocità</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>&amp;fino al passo</source>
        <translation>&amp;up to step</translation>
    </message>
    <message>
        <source>Avanza fino al passo</source>
        <translation>Play up to step</translation>
    </message>
    <message>
        <source>&amp;Movimento ridotto</source>
        <translation>Reduced &amp;motion</translation>
    </message>
    <message>
        <source>Avanza al massimo di un passo al secondo, qualunque sia la velocità</source>
        <translation>Plays at most one step a second, whatever the speed</translation>
    </message>
    <message>
        <source>❚❚ Pau&amp;sa</source>
        <translation>❚❚ Pau&amp;se</translation>
    </message>
    <message>
        <source>▶ &amp;Avvia</source>
        <translation>▶ Pl&amp;ay</translation>
    </message>
    <message>
        <source>Pausa</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Avvia</source>
        <translation>Play</translation>
    </message>
    <message numerus="yes">
        <source>%n passi/s</source>
        <translation>
            <numerusform>%n step/s</numerusform>
            <numerusform>%n steps/s</numerusform>
        </translation>
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
