<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Pictures</name>
    <message>
        <source>la cartella non esiste</source>
        <translation>le dossier n&apos;existe pas</translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>Impossibile scrivere &apos;%1&apos;: %2</source>
        <translation>Impossible d&apos;écrire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Memoria esaurita per &apos;%1&apos; di %2x%3 pixel</source>
        <translation>Mémoire insuffisante pour «&#xa0;%1&#xa0;» de %2x%3 pixels</translation>
    </message>
    <message>
        <source>Estensione sconosciuta in &apos;%1&apos;: usare .svg, .png o .pdf</source>
        <translation>Extension inconnue dans «&#xa0;%1&#xa0;»&#xa0;: utiliser .svg, .png ou .pdf</translation>
    </message>
    <message>
        <source>Dimensioni non valide</source>
        <translation>Dimensions non valides</translation>
    </message>
    <message>
        <source>non è un file ordinario</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Poligoni al passo %1</source>
        <translation>Polygones à l&apos;étape %1</translation>
    </message>
    <message>
        <source>Convergenza</source>
        <translation>Convergence</translation>
    </message>
</context>
</TS>
