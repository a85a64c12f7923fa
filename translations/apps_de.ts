<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>apps::CommandLine</name>
    <message>
        <source>argomento inatteso &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>Apre Esplora: poligoni, tabella dei passi e convergenza.</source>
        <translation>Öffnet das Fenster „Erkunden“: Vielecke,
Schritttabelle und Konvergenzdiagramm.</translation>
    </message>
    <message>
        <source>PASSI</source>
        <translation>SCHRITTE</translation>
    </message>
    <message>
        <source>Con --esplora, il passo %1 a cui si apre
(in mancanza, quello a cui Esplora è stata chiusa
l&apos;ultima volta; la prima volta %2), letto come nella
finestra: il punto separa i decimali e si arrotonda al
pari (4.5 vale 4).</source>
        <translation>Mit --esplora der Schritt, bei dem sich das Fenster
öffnet, von %1 (ohne Angabe der Schritt, bei dem das
Fenster zuletzt geschlossen wurde, beim ersten Mal %2);
gelesen wie das Textfeld des Fensters: ein Punkt (.)
trennt die Nachkommastellen, eine Hälfte wird zur
geraden Zahl gerundet (4.5 ergibt 4).</translation>
    </message>
    <message>
        <source>Limiti per pi greco con il metodo di Archimede: apre la finestra di calcolo.</source>
        <translation>Schranken für Pi nach dem Verfahren des Archimedes: öffnet das Rechenfenster.</translation>
    </message>
</context>
</TS>
