<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>form::Form1</name>
    <message>
        <source>Calcola costante</source>
        <translation>π berechnen</translation>
    </message>
    <message>
        <source>Numero lati poligono inscritto e circoscritto</source>
        <translation>Eckenzahl jedes Vielecks</translation>
    </message>
    <message>
        <source>Numero lati</source>
        <translation>Eckenzahl</translation>
    </message>
    <message>
        <source>Limite superiore</source>
        <translation>Obere Schranke</translation>
    </message>
    <message>
        <source>minore di</source>
        <translation>kleiner als</translation>
    </message>
    <message>
        <source>costante</source>
        <translation>π</translation>
    </message>
    <message>
        <source>Limite inferiore</source>
        <translation>Untere Schranke</translation>
    </message>
    <message>
        <source>Numero iterazioni</source>
        <translation>Anzahl der Schritte</translation>
    </message>
</context>
</TS>
