<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>explore::ChartPart</name>
    <message>
        <source>Grafico non disponibile: %1</source>
        <translation>Gráfico no disponible: %1</translation>
    </message>
</context>
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
        <source>Immagini (*.svg *.png *.pdf)</source>
        <translation>Imágenes (*.svg *.png *.pdf)</translation>
    </message>
    <message>
        <source>Passo e limiti</source>
        <translation>Paso y cotas</translation>
    </message>
    <message>
        <source>&amp;Cifre dimostrate nella tabella</source>
        <translation>&amp;Cifras demostradas en la tabla</translation>
    </message>
    <message>
        <source>Aggiunge alla tabella le cifre che ogni metodo dimostra a ogni passo, gli stessi numeri del grafico</source>
        <translation>Añade a la tabla las cifras que cada método demuestra en cada paso, los mismos números del gráfico</translation>
    </message>
    <message>
        <source>Cifre corrette di π a ogni passo, su scala logaritmica: limite inferiore, limite superiore e differenza in binary64, e cifre dimostrate dai raddoppi, da Huygens e da Richardson. Le stesse cifre sono nella tabella, con Cifre dimostrate.</source>
        <translation>Cifras correctas de π en cada paso, en escala logarítmica: cota inferior, cota superior y diferencia en binary64, y cifras demostradas por las duplicaciones, por Huygens y por Richardson. Las mismas cifras están en la tabla, con Cifras demostradas.</translation>
    </message>
    <message>
        <source>Salva &amp;tabella...</source>
        <translation>Guardar la &amp;tabla...</translation>
    </message>
    <message>
        <source>Salva la tabella</source>
        <translation>Guardar la tabla</translation>
    </message>
    <message>
        <source>Foglio di calcolo</source>
        <translation>Hoja de cálculo</translation>
    </message>
</context>
<context>
    <name>explore::LessonPanel</name>
    <message>
        <source>Come funziona</source>
        <translation>Cómo funciona</translation>
    </message>
</context>
<context>
    <name>explore::PlayControls</name>
    <message>
        <source>Velocità</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>&amp;fino al passo</source>
        <translation>&amp;hasta el paso</translation>
    </message>
    <message>
        <source>Avanza fino al passo</source>
        <translation>Avanzar hasta el paso</translation>
    </message>
    <message>
        <source>&amp;Movimento ridotto</source>
        <translation>&amp;Movimiento reducido</translation>
    </message>
    <message>
        <source>Avanza al massimo di un passo al secondo, qualunque sia la velocità</source>
        <translation>Avanza como mucho un paso por segundo, sea cual sea la velocidad</translation>
    </message>
    <message>
        <source>❚❚ Pau&amp;sa</source>
        <translation>❚❚ Pau&amp;sa</translation>
    </message>
    <message>
        <source>▶ &amp;Avvia</source>
        <translation>▶ &amp;Reproducir</translation>
    </message>
    <message>
        <source>Pausa</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Avvia</source>
        <translation>Reproducir</translation>
    </message>
    <message numerus="yes">
        <source>%n passi/s</source>
        <translation>
            <numerusform>%n paso/s</numerusform>
            <numerusform>%n pasos/s</numerusform>
        </translation>
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
