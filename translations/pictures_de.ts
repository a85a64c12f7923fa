<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ConvergenceChart</name>
    <message>
        <source>Cifre corrette di π</source>
        <translation>Stellen von π: richtig und bewiesen</translation>
    </message>
    <message>
        <source>Passo</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Cifre corrette (scala logaritmica)</source>
        <translation>Richtige Stellen (logarithmische Skala)</translation>
    </message>
    <message>
        <source>%1, passo %2: %3 cifre</source>
        <translation>%1, Schritt %2: %3 Stellen</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>la cartella non esiste</source>
        <translation>der Ordner existiert nicht</translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation>das ist ein Ordner</translation>
    </message>
    <message>
        <source>Impossibile scrivere &apos;%1&apos;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Memoria esaurita per &apos;%1&apos; di %2x%3 pixel</source>
        <translation>Nicht genügend Speicher für „%1“ mit %2x%3 Pixeln</translation>
    </message>
    <message>
        <source>Estensione sconosciuta in &apos;%1&apos;: usare .svg, .png o .pdf</source>
        <translation>Unbekannte Endung in „%1“: .svg, .png oder .pdf verwenden</translation>
    </message>
    <message>
        <source>Dimensioni non valide</source>
        <translation>Ungültige Abmessungen</translation>
    </message>
    <message>
        <source>non è un file ordinario</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>Poligoni al passo %1</source>
        <translation>Vielecke bei Schritt %1</translation>
    </message>
    <message>
        <source>Convergenza</source>
        <translation>Konvergenz</translation>
    </message>
</context>
<context>
    <name>PolygonScene</name>
    <message>
        <source>Ingrandimento: × %1 lungo il lato,</source>
        <translation>Vergrößerung: × %1 entlang der Seite,</translation>
    </message>
    <message>
        <source>× %1 verso il centro</source>
        <translation>× %1 zum Mittelpunkt hin</translation>
    </message>
    <message>
        <source>Passo %1: poligoni di %2 lati</source>
        <translation>Schritt %1: Vielecke mit %2 Ecken</translation>
    </message>
    <message>
        <source>Cerchio di raggio 1</source>
        <translation>Kreis mit Radius 1</translation>
    </message>
    <message>
        <source>Poligono inscritto</source>
        <translation>Einbeschriebenes Vieleck</translation>
    </message>
    <message>
        <source>Poligono circoscritto</source>
        <translation>Umbeschriebenes Vieleck</translation>
    </message>
    <message>
        <source>A ogni passo: lato ÷ 2, scarto ÷ 4</source>
        <translation>Jeder Schritt: Seite ÷ 2, Abstand ÷ 4</translation>
    </message>
</context>
</TS>
