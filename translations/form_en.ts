<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>form::Form1</name>
    <message>
        <source>Calcola costante</source>
        <translation>Compute π</translation>
    </message>
    <message>
        <source>Numero lati poligono inscritto e circoscritto</source>
        <translation>Number of sides of each polygon</translation>
    </message>
    <message>
        <source>Numero lati</source>
        <translation>Number of sides</translation>
    </message>
    <message>
        <source>Limite superiore</source>
        <translation>Upper bound</translation>
    </message>
    <message>
        <source>minore di</source>
        <translation>less than</translation>
    </message>
    <message>
        <source>costante</source>
        <translation>π</translation>
    </message>
    <message>
        <source>Limite inferiore</source>
        <translation>Lower bound</translation>
    </message>
    <message>
        <source>Numero iterazioni</source>
        <translation>Number of steps</translation>
    </message>
</context>
</TS>
