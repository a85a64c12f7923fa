<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>fixture</name>
    <message>
        <source>Passo %1 di %2</source>
        <translation>Étape %1</translation>
    </message>
    <message>
        <source>Passo %1</source>
        <translation>Étape %1 sur %2</translation>
    </message>
    <message>
        <source>%n passi; [tutti</source>
        <translation>étapes ; [toutes</translation>
    </message>
    <message numerus="yes">
        <source>%n passi/s</source>
        <translation>
            <numerusform>%n étape/s</numerusform>
            <numerusform>étapes/s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tutto a posto: %n</source>
        <translation>
            <numerusform>Tout va bien : %n</numerusform>
            <numerusform>Tout va bien : %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Tutto a posto: %L1 e %2</source>
        <translation>Tout va bien : %2 et %L1</translation>
    </message>
</context>
</TS>
