<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>apps::CommandLine</name>
    <message>
        <source>argomento inatteso &apos;%1&apos;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <source>Apre Esplora: poligoni, tabella dei passi e convergenza.</source>
        <translation>Abre la ventana Explorar: polígonos, tabla de pasos y
gráfico de convergencia.</translation>
    </message>
    <message>
        <source>PASSI</source>
        <translation>PASOS</translation>
    </message>
    <message>
        <source>Con --esplora, il passo %1 a cui si apre
(in mancanza, quello a cui Esplora è stata chiusa
l&apos;ultima volta; la prima volta %2), letto come nella
finestra: il punto separa i decimali e si arrotonda al
pari (4.5 vale 4).</source>
        <translation>Con --esplora, el paso en que se abre, %1 (por defecto,
el paso en que se cerró la ventana la última vez, o %2 la
primera vez); leído como el cuadro de texto de la
ventana: un punto (.) separa los decimales y una mitad
se redondea al par (4.5 da 4).</translation>
    </message>
    <message>
        <source>Limiti per pi greco con il metodo di Archimede: apre la finestra di calcolo.</source>
        <translation>Cotas de pi por el método de Arquímedes: abre la ventana de cálculo.</translation>
    </message>
</context>
</TS>
