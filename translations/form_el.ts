<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>form::Form1</name>
    <message>
        <source>Calcola costante</source>
        <translation>Υπολογισμός π</translation>
    </message>
    <message>
        <source>Numero lati poligono inscritto e circoscritto</source>
        <translation>Πλήθος πλευρών κάθε πολυγώνου</translation>
    </message>
    <message>
        <source>Numero lati</source>
        <translation>Πλήθος πλευρών</translation>
    </message>
    <message>
        <source>Limite superiore</source>
        <translation>Άνω φράγμα</translation>
    </message>
    <message>
        <source>minore di</source>
        <translation>μικρότερο από</translation>
    </message>
    <message>
        <source>costante</source>
        <translation>π</translation>
    </message>
    <message>
        <source>Limite inferiore</source>
        <translation>Κάτω φράγμα</translation>
    </message>
    <message>
        <source>Numero iterazioni</source>
        <translation>Αριθμός βημάτων</translation>
    </message>
</context>
</TS>
