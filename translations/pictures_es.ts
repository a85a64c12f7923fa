<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ConvergenceChart</name>
    <message>
        <source>Cifre corrette di π</source>
        <translation>Cifras de π: correctas y demostradas</translation>
    </message>
    <message>
        <source>Passo</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>Cifre corrette (scala logaritmica)</source>
        <translation>Cifras correctas (escala logarítmica)</translation>
    </message>
    <message>
        <source>%1, passo %2: %3 cifre</source>
        <translation>%1, paso %2: %3 cifras</translation>
    </message>
</context>
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
<context>
    <name>PolygonScene</name>
    <message>
        <source>Ingrandimento: × %1 lungo il lato,</source>
        <translation>Ampliación: × %1 a lo largo del lado,</translation>
    </message>
    <message>
        <source>× %1 verso il centro</source>
        <translation>× %1 hacia el centro</translation>
    </message>
    <message>
        <source>Passo %1: poligoni di %2 lati</source>
        <translation>Paso %1: polígonos de %2 lados</translation>
    </message>
    <message>
        <source>Cerchio di raggio 1</source>
        <translation>Circunferencia de radio 1</translation>
    </message>
    <message>
        <source>Poligono inscritto</source>
        <translation>Polígono inscrito</translation>
    </message>
    <message>
        <source>Poligono circoscritto</source>
        <translation>Polígono circunscrito</translation>
    </message>
    <message>
        <source>A ogni passo: lato ÷ 2, scarto ÷ 4</source>
        <translation>Cada paso: lado ÷ 2, separación ÷ 4</translation>
    </message>
</context>
</TS>
