<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>explore::ExploreWindow</name>
    <message>
        <source>Esplora poligoni e convergenza</source>
        <translation>Explorar los polígonos y la convergencia</translation>
    </message>
    <message>
        <source>&amp;Passo:</source>
        <translation>&amp;Paso:</translation>
    </message>
    <message>
        <source>Passo</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>Passo %1, contato come nella tabella: al passo 1 gli esagoni, a ogni passo il doppio dei lati</source>
        <translation>Paso, %1, contado como en la tabla: el paso 1 da los hexágonos, cada paso siguiente duplica los lados</translation>
    </message>
    <message>
        <source>Passo, cursore</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>Salva &amp;disegno...</source>
        <translation>Guardar el &amp;dibujo...</translation>
    </message>
    <message>
        <source>Salva il disegno</source>
        <translation>Guardar el dibujo</translation>
    </message>
    <message>
        <source>Salva &amp;grafico...</source>
        <translation>Guardar el &amp;gráfico...</translation>
    </message>
    <message>
        <source>Salva il grafico</source>
        <translation>Guardar el gráfico</translation>
    </message>
    <message>
        <source>Tabella dei passi</source>
        <translation>Tabla de pasos</translation>
    </message>
    <message>
        <source>Passo, lati, limite inferiore, limite superiore e differenza; Ctrl+C copia le righe scelte</source>
        <translation>Paso, lados, cota inferior, cota superior y diferencia; Ctrl+C copia las filas seleccionadas</translation>
    </message>
    <message>
        <source>Grafico della convergenza</source>
        <translation>Gráfico de la convergencia</translation>
    </message>
    <message>
        <source>Passo %1</source>
        <translation>Paso %1</translation>
    </message>
    <message>
        <source>Immagini (*.svg *.png *.pdf)</source>
        <translation>Imágenes (*.svg *.png *.pdf)</translation>
    </message>
    <message>
        <source>poligoni-passo-%1.svg</source>
        <translation>poligonos-paso-%1.svg</translation>
    </message>
    <message>
        <source>convergenza-%1-passi.svg</source>
        <translation>convergencia-%1-pasos.svg</translation>
    </message>
</context>
<context>
    <name>explore::PolygonView</name>
    <message>
        <source>Disegno dei poligoni</source>
        <translation>Dibujo de los polígonos</translation>
    </message>
</context>
</TS>
