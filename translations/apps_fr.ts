<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>apps::CommandLine</name>
    <message>
        <source>argomento inatteso &apos;%1&apos;</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Apre Esplora: poligoni, tabella dei passi e convergenza.</source>
        <translation>Ouvre la fenêtre Explorer&#xa0;: polygones, tableau des
étapes et graphique de convergence.</translation>
    </message>
    <message>
        <source>PASSI</source>
        <translation>ÉTAPES</translation>
    </message>
    <message>
        <source>Con --esplora, il passo %1 a cui si apre
(in mancanza, quello a cui Esplora è stata chiusa
l&apos;ultima volta; la prima volta %2), letto come nella
finestra: il punto separa i decimali e si arrotonda al
pari (4.5 vale 4).</source>
        <translation>Avec --esplora, l&apos;étape d&apos;ouverture, %1 (par défaut&#xa0;:
celle à laquelle la fenêtre a été fermée la dernière
fois, ou %2 la première fois)&#x202f;; lue comme dans la zone
de texte de la fenêtre&#xa0;: le point (.) sépare la partie
décimale et une moitié s&apos;arrondit au pair (4.5 donne 4).</translation>
    </message>
    <message>
        <source>Limiti per pi greco con il metodo di Archimede: apre la finestra di calcolo.</source>
        <translation>Encadrement de pi par la méthode d&apos;Archimède&#xa0;: ouvre la fenêtre de calcul.</translation>
    </message>
</context>
</TS>
