<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Pictures</name>
    <message>
        <source>la cartella non esiste</source>
        <translation>la carpeta no existe</translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>Impossibile scrivere &apos;%1&apos;: %2</source>
        <translation>No se puede escribir «%1»: %2</translation>
    </message>
    <message>
        <source>Memoria esaurita per &apos;%1&apos; di %2x%3 pixel</source>
        <translation>Memoria insuficiente para «%1» de %2x%3 píxeles</translation>
    </message>
    <message>
        <source>Estensione sconosciuta in &apos;%1&apos;: usare .svg, .png o .pdf</source>
        <translation>Extensión desconocida en «%1»: use .svg, .png o .pdf</translation>
    </message>
    <message>
        <source>Dimensioni non valide</source>
        <translation>Dimensiones no válidas</translation>
    </message>
    <message>
        <source>non è un file ordinario</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>Poligoni al passo %1</source>
        <translation>Polígonos en el paso %1</translation>
    </message>
    <message>
        <source>Convergenza</source>
        <translation>Convergencia</translation>
    </message>
</context>
</TS>
