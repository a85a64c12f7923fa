<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>explore::ChartPart</name>
    <message>
        <source>Grafico non disponibile: %1</source>
        <translation>Diagramm nicht verfügbar: %1</translation>
    </message>
</context>
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
        <source>Immagini (*.svg *.png *.pdf)</source>
        <translation>Bilder (*.svg *.png *.pdf)</translation>
    </message>
    <message>
        <source>Passo e limiti</source>
        <translation>Schritt und Schranken</translation>
    </message>
    <message>
        <source>&amp;Cifre dimostrate nella tabella</source>
        <translation>&amp;Bewiesene Stellen in der Tabelle</translation>
    </message>
    <message>
        <source>Aggiunge alla tabella le cifre che ogni metodo dimostra a ogni passo, gli stessi numeri del grafico</source>
        <translation>Fügt der Tabelle die Stellen hinzu, die jedes Verfahren bei jedem Schritt beweist, dieselben Zahlen wie im Diagramm</translation>
    </message>
    <message>
        <source>Cifre corrette di π a ogni passo, su scala logaritmica: limite inferiore, limite superiore e differenza in binary64, e cifre dimostrate dai raddoppi, da Huygens e da Richardson. Le stesse cifre sono nella tabella, con Cifre dimostrate.</source>
        <translation>Richtige Stellen von π bei jedem Schritt, logarithmisch: untere Schranke, obere Schranke und Differenz in binary64, und die vom Verdoppeln, von Huygens und von Richardson bewiesenen Stellen. Dieselben Stellen stehen in der Tabelle, mit Bewiesene Stellen.</translation>
    </message>
    <message>
        <source>Salva &amp;tabella...</source>
        <translation>&amp;Tabelle speichern...</translation>
    </message>
    <message>
        <source>Salva la tabella</source>
        <translation>Tabelle speichern</translation>
    </message>
    <message>
        <source>Foglio di calcolo</source>
        <translation>Tabellendokument</translation>
    </message>
</context>
<context>
    <name>explore::LessonPanel</name>
    <message>
        <source>Come funziona</source>
        <translation>So funktioniert es</translation>
    </message>
</context>
<context>
    <name>explore::PlayControls</name>
    <message>
        <source>Velocità</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>&amp;fino al passo</source>
        <translation>&amp;bis Schritt</translation>
    </message>
    <message>
        <source>Avanza fino al passo</source>
        <translation>Abspielen bis Schritt</translation>
    </message>
    <message>
        <source>&amp;Movimento ridotto</source>
        <translation>&amp;Reduzierte Bewegung</translation>
    </message>
    <message>
        <source>Avanza al massimo di un passo al secondo, qualunque sia la velocità</source>
        <translation>Höchstens ein Schritt pro Sekunde, unabhängig von der gewählten Geschwindigkeit</translation>
    </message>
    <message>
        <source>❚❚ Pau&amp;sa</source>
        <translation>❚❚ P&amp;ause</translation>
    </message>
    <message>
        <source>▶ &amp;Avvia</source>
        <translation>▶ &amp;Abspielen</translation>
    </message>
    <message>
        <source>Pausa</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Avvia</source>
        <translation>Abspielen</translation>
    </message>
    <message numerus="yes">
        <source>%n passi/s</source>
        <translation>
            <numerusform>%n Schritt/s</numerusform>
            <numerusform>%n Schritte/s</numerusform>
        </translation>
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
