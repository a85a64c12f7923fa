<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ConvergenceChart</name>
    <message>
        <source>Cifre corrette di π</source>
        <translation>Décimales de π&#xa0;: exactes et démontrées</translation>
    </message>
    <message>
        <source>Passo</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>Cifre corrette (scala logaritmica)</source>
        <translation>Décimales exactes (échelle logarithmique)</translation>
    </message>
    <message>
        <source>%1, passo %2: %3 cifre</source>
        <translation>%1, étape %2&#xa0;: %3 décimales</translation>
    </message>
</context>
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
<context>
    <name>PolygonScene</name>
    <message>
        <source>Ingrandimento: × %1 lungo il lato,</source>
        <translation>Agrandissement&#xa0;: × %1 le long du côté,</translation>
    </message>
    <message>
        <source>× %1 verso il centro</source>
        <translation>× %1 vers le centre</translation>
    </message>
    <message>
        <source>Passo %1: poligoni di %2 lati</source>
        <translation>Étape %1&#xa0;: polygones à %2 côtés</translation>
    </message>
    <message>
        <source>Cerchio di raggio 1</source>
        <translation>Cercle de rayon 1</translation>
    </message>
    <message>
        <source>Poligono inscritto</source>
        <translation>Polygone inscrit</translation>
    </message>
    <message>
        <source>Poligono circoscritto</source>
        <translation>Polygone circonscrit</translation>
    </message>
    <message>
        <source>A ogni passo: lato ÷ 2, scarto ÷ 4</source>
        <translation>Chaque étape&#xa0;: côté ÷ 2, écart ÷ 4</translation>
    </message>
</context>
</TS>
