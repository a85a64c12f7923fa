<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>explore::ExploreWindow</name>
    <message>
        <source>Esplora poligoni e convergenza</source>
        <translation>Explorer les polygones et la convergence</translation>
    </message>
    <message>
        <source>&amp;Passo:</source>
        <translation>É&amp;tape :</translation>
    </message>
    <message>
        <source>Passo</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>Passo %1, contato come nella tabella: al passo 1 gli esagoni, a ogni passo il doppio dei lati</source>
        <translation>Étape, %1, comptée comme dans le tableau : l&apos;étape 1 donne les hexagones, chaque étape suivante double le nombre de côtés</translation>
    </message>
    <message>
        <source>Passo, cursore</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>Salva &amp;disegno...</source>
        <translation>Enregistrer le &amp;dessin...</translation>
    </message>
    <message>
        <source>Salva il disegno</source>
        <translation>Enregistrer le dessin</translation>
    </message>
    <message>
        <source>Salva &amp;grafico...</source>
        <translation>Enregistrer le &amp;graphique...</translation>
    </message>
    <message>
        <source>Salva il grafico</source>
        <translation>Enregistrer le graphique</translation>
    </message>
    <message>
        <source>Tabella dei passi</source>
        <translation>Tableau des étapes</translation>
    </message>
    <message>
        <source>Passo, lati, limite inferiore, limite superiore e differenza; Ctrl+C copia le righe scelte</source>
        <translation>Étape, côtés, borne inférieure, borne supérieure et amplitude ; Ctrl+C copie les lignes sélectionnées</translation>
    </message>
    <message>
        <source>Grafico della convergenza</source>
        <translation>Graphique de la convergence</translation>
    </message>
    <message>
        <source>Passo %1</source>
        <translation>Étape %1</translation>
    </message>
    <message>
        <source>Immagini (*.svg *.png *.pdf)</source>
        <translation>Images (*.svg *.png *.pdf)</translation>
    </message>
    <message>
        <source>poligoni-passo-%1.svg</source>
        <translation>polygones-etape-%1.svg</translation>
    </message>
    <message>
        <source>convergenza-%1-passi.svg</source>
        <translation>convergence-%1-etapes.svg</translation>
    </message>
</context>
<context>
    <name>explore::PolygonView</name>
    <message>
        <source>Disegno dei poligoni</source>
        <translation>Dessin des polygones</translation>
    </message>
</context>
</TS>
