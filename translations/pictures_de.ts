<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
</TS>
