<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
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
</TS>
