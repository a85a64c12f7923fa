<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>form::Form1</name>
    <message>
        <source>Calcola costante</source>
        <translation>Calculer π</translation>
    </message>
    <message>
        <source>Numero lati poligono inscritto e circoscritto</source>
        <translation>Nombre de côtés de chaque polygone</translation>
    </message>
    <message>
        <source>Numero lati</source>
        <translation>Nombre de côtés</translation>
    </message>
    <message>
        <source>Limite superiore</source>
        <translation>Borne supérieure</translation>
    </message>
    <message>
        <source>minore di</source>
        <translation>inférieur à</translation>
    </message>
    <message>
        <source>costante</source>
        <translation>π</translation>
    </message>
    <message>
        <source>Limite inferiore</source>
        <translation>Borne inférieure</translation>
    </message>
    <message>
        <source>Numero iterazioni</source>
        <translation>Nombre d&apos;étapes</translation>
    </message>
</context>
</TS>
