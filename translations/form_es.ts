<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>form::Form1</name>
    <message>
        <source>Calcola costante</source>
        <translation>Calcular π</translation>
    </message>
    <message>
        <source>Numero lati poligono inscritto e circoscritto</source>
        <translation>Número de lados de cada polígono</translation>
    </message>
    <message>
        <source>Numero lati</source>
        <translation>Número de lados</translation>
    </message>
    <message>
        <source>Limite superiore</source>
        <translation>Cota superior</translation>
    </message>
    <message>
        <source>minore di</source>
        <translation>menor que</translation>
    </message>
    <message>
        <source>costante</source>
        <translation>π</translation>
    </message>
    <message>
        <source>Limite inferiore</source>
        <translation>Cota inferior</translation>
    </message>
    <message>
        <source>Numero iterazioni</source>
        <translation>Número de pasos</translation>
    </message>
</context>
</TS>
