<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ConvergenceChart</name>
    <message>
        <source>Cifre corrette di π</source>
        <translation>Digits of π: correct and proven</translation>
    </message>
    <message>
        <source>Passo</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Cifre corrette (scala logaritmica)</source>
        <translation>Correct digits (log scale)</translation>
    </message>
    <message>
        <source>%1, passo %2: %3 cifre</source>
        <translation>%1, step %2: %3 digits</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>la cartella non esiste</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>Impossibile scrivere &apos;%1&apos;: %2</source>
        <translation>Cannot write &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Memoria esaurita per &apos;%1&apos; di %2x%3 pixel</source>
        <translation>Out of memory for &apos;%1&apos; of %2x%3 pixels</translation>
    </message>
    <message>
        <source>Estensione sconosciuta in &apos;%1&apos;: usare .svg, .png o .pdf</source>
        <translation>Unknown extension in &apos;%1&apos;: use .svg, .png or .pdf</translation>
    </message>
    <message>
        <source>Dimensioni non valide</source>
        <translation>Invalid size</translation>
    </message>
    <message>
        <source>non è un file ordinario</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>Poligoni al passo %1</source>
        <translation>Polygons at step %1</translation>
    </message>
    <message>
        <source>Convergenza</source>
        <translation>Convergence</translation>
    </message>
</context>
<context>
    <name>PolygonScene</name>
    <message>
        <source>Ingrandimento: × %1 lungo il lato,</source>
        <translation>Magnification: × %1 along the side,</translation>
    </message>
    <message>
        <source>× %1 verso il centro</source>
        <translation>× %1 towards the centre</translation>
    </message>
    <message>
        <source>Passo %1: poligoni di %2 lati</source>
        <translation>Step %1: polygons with %2 sides</translation>
    </message>
    <message>
        <source>Cerchio di raggio 1</source>
        <translation>Circle of radius 1</translation>
    </message>
    <message>
        <source>Poligono inscritto</source>
        <translation>Inscribed polygon</translation>
    </message>
    <message>
        <source>Poligono circoscritto</source>
        <translation>Circumscribed polygon</translation>
    </message>
    <message>
        <source>A ogni passo: lato ÷ 2, scarto ÷ 4</source>
        <translation>Each step: side ÷ 2, gap ÷ 4</translation>
    </message>
</context>
</TS>
