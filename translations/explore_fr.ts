<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>explore::ChartPart</name>
    <message>
        <source>Grafico non disponibile: %1</source>
        <translation>Graphique indisponible&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>explore::ExploreWindow</name>
    <message>
        <source>Esplora poligoni e convergenza</source>
        <translation>Explorer les polygones et la convergence</translation>
    </message>
    <message>
        <source>&amp;Passo:</source>
        <translation>É&amp;tape&#xa0;:</translation>
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
        <translation>Étape, côtés, borne inférieure, borne supérieure et amplitude&#x202f;; Ctrl+C copie les lignes sélectionnées</translation>
    </message>
    <message>
        <source>Grafico della convergenza</source>
        <translation>Graphique de la convergence</translation>
    </message>
    <message>
        <source>Immagini (*.svg *.png *.pdf)</source>
        <translation>Images (*.svg *.png *.pdf)</translation>
    </message>
    <message>
        <source>Passo e limiti</source>
        <translation>Étape et bornes</translation>
    </message>
    <message>
        <source>&amp;Cifre dimostrate nella tabella</source>
        <translation>&amp;Décimales démontrées dans le tableau</translation>
    </message>
    <message>
        <source>Aggiunge alla tabella le cifre che ogni metodo dimostra a ogni passo, gli stessi numeri del grafico</source>
        <translation>Ajoute au tableau les décimales que chaque méthode démontre à chaque étape, les mêmes nombres que le graphique</translation>
    </message>
    <message>
        <source>Cifre corrette di π a ogni passo, su scala logaritmica: limite inferiore, limite superiore e differenza in binary64, e cifre dimostrate dai raddoppi, da Huygens e da Richardson. Le stesse cifre sono nella tabella, con Cifre dimostrate.</source>
        <translation>Décimales exactes de π à chaque étape, en échelle logarithmique&#xa0;: borne inférieure, borne supérieure et amplitude en binary64, et décimales démontrées par les doublements, par Huygens et par Richardson. Les mêmes décimales sont dans le tableau, avec Décimales démontrées.</translation>
    </message>
    <message>
        <source>Salva &amp;tabella...</source>
        <translation>Enregistrer le ta&amp;bleau...</translation>
    </message>
    <message>
        <source>Salva la tabella</source>
        <translation>Enregistrer le tableau</translation>
    </message>
    <message>
        <source>Foglio di calcolo</source>
        <translation>Feuille de calcul</translation>
    </message>
</context>
<context>
    <name>explore::LessonPanel</name>
    <message>
        <source>Come funziona</source>
        <translation>Comment ça marche</translation>
    </message>
</context>
<context>
    <name>explore::PlayControls</name>
    <message>
        <source>Velocità</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>&amp;fino al passo</source>
        <translation>&amp;jusqu&apos;à l&apos;étape</translation>
    </message>
    <message>
        <source>Avanza fino al passo</source>
        <translation>Avancer jusqu&apos;à l&apos;étape</translation>
    </message>
    <message>
        <source>&amp;Movimento ridotto</source>
        <translation>&amp;Mouvement réduit</translation>
    </message>
    <message>
        <source>Avanza al massimo di un passo al secondo, qualunque sia la velocità</source>
        <translation>Avance d&apos;au plus une étape par seconde, quelle que soit la vitesse</translation>
    </message>
    <message>
        <source>❚❚ Pau&amp;sa</source>
        <translation>❚❚ Pau&amp;se</translation>
    </message>
    <message>
        <source>▶ &amp;Avvia</source>
        <translation>▶ &amp;Lecture</translation>
    </message>
    <message>
        <source>Pausa</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Avvia</source>
        <translation>Lecture</translation>
    </message>
    <message numerus="yes">
        <source>%n passi/s</source>
        <translation>
            <numerusform>%n étape/s</numerusform>
            <numerusform>%n étapes/s</numerusform>
        </translation>
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
