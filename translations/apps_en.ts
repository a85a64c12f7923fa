<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>apps::CommandLine</name>
    <message>
        <source>argomento inatteso &apos;%1&apos;</source>
        <translation>unexpected argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Apre Esplora: poligoni, tabella dei passi e convergenza.</source>
        <translation>Opens the Explore window: polygons, step table and
convergence chart.</translation>
    </message>
    <message>
        <source>PASSI</source>
        <translation>STEPS</translation>
    </message>
    <message>
        <source>Con --esplora, il passo %1 a cui si apre
(in mancanza, quello a cui Esplora è stata chiusa
l&apos;ultima volta; la prima volta %2), letto come nella
finestra: il punto separa i decimali e si arrotonda al
pari (4.5 vale 4).</source>
        <translation>With --esplora, the step to open at, from %1
(default: the step at which the window was last closed,
or %2 the first time); read like the window&apos;s text box:
a point is the decimal separator and halves round to
even (4.5 gives 4).</translation>
    </message>
    <message>
        <source>Limiti per pi greco con il metodo di Archimede: apre la finestra di calcolo.</source>
        <translation>Bounds for pi by Archimedes&apos; method: opens the calculation window.</translation>
    </message>
</context>
</TS>
