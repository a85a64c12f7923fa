<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>runtime::host::Application</name>
    <message>
        <source>Impossibile aprire la finestra: la piattaforma grafica %1 non è installata.</source>
        <translation>Das Fenster kann nicht geöffnet werden: Die Grafikplattform %1 ist nicht installiert.</translation>
    </message>
    <message>
        <source>Impossibile aprire la finestra: la piattaforma grafica %1 non si avvia.</source>
        <translation>Das Fenster kann nicht geöffnet werden: Die Grafikplattform %1 ließ sich nicht starten.</translation>
    </message>
    <message>
        <source>Impossibile aprire la finestra: lo schermo grafico non risponde.</source>
        <translation>Das Fenster kann nicht geöffnet werden: Die Anzeige reagiert nicht.</translation>
    </message>
    <message>
        <source>Impossibile aprire la finestra: lo schermo grafico non risponde (%1).</source>
        <translation>Das Fenster kann nicht geöffnet werden: Die Anzeige reagiert nicht (%1).</translation>
    </message>
    <message>
        <source>Impossibile aprire la finestra: nessuno schermo grafico disponibile (DISPLAY e WAYLAND_DISPLAY non sono impostati).</source>
        <translation>Das Fenster kann nicht geöffnet werden: keine Anzeige verfügbar (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt).</translation>
    </message>
</context>
<context>
    <name>runtime::host::CommandLine</name>
    <message>
        <source>Mostra questo aiuto ed esce.</source>
        <translation>Zeigt diese Hilfe an und beendet das Programm.</translation>
    </message>
    <message>
        <source>Mostra la versione ed esce.</source>
        <translation>Zeigt die Version an und beendet das Programm.</translation>
    </message>
    <message>
        <source>%1: %2%3 Vedere &apos;%1 --help&apos;.</source>
        <translation>%1: %2%3 Siehe „%1 --help“.</translation>
    </message>
    <message>
        <source>opzione sconosciuta &apos;%1%2&apos;</source>
        <translation>unbekannte Option „%1%2“</translation>
    </message>
    <message>
        <source>manca il valore dopo &apos;%1&apos;</source>
        <translation>fehlender Wert nach „%1“</translation>
    </message>
    <message>
        <source>l&apos;opzione &apos;%1&apos; non accetta un valore</source>
        <translation>die Option „%1“ nimmt keinen Wert an</translation>
    </message>
    <message>
        <source>Uso: %1 [opzioni]</source>
        <translation>Aufruf: %1 [Optionen]</translation>
    </message>
    <message>
        <source>Opzioni:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Argomenti:</source>
        <translation>Argumente:</translation>
    </message>
    <message>
        <source>Sono accettate anche le opzioni standard di Qt, tra cui -platform NOME,
-style NOME, -reverse e -session ID.
</source>
        <translation>Die Standardoptionen von Qt werden ebenfalls angenommen, darunter
-platform NAME, -style NAME, -reverse und -session ID.
</translation>
    </message>
    <message>
        <source>argomento inatteso &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
</context>
<context>
    <name>runtime::host::SettingsFile</name>
    <message>
        <source>La disposizione della finestra non viene ricordata: &apos;%1&apos; non è un file ordinario.</source>
        <translation>Die Anordnung des Fensters wird nicht gespeichert: „%1“ ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>La disposizione della finestra non viene ricordata: &apos;%1&apos; non si può leggere.</source>
        <translation>Die Anordnung des Fensters wird nicht gespeichert: „%1“ kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>La disposizione della finestra non viene ricordata: &apos;%1&apos; non si può scrivere.</source>
        <translation>Die Anordnung des Fensters wird nicht gespeichert: „%1“ kann nicht geschrieben werden.</translation>
    </message>
</context>
</TS>
