<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>runtime::host::Application</name>
    <message>
        <source>Impossibile aprire la finestra: la piattaforma grafica %1 non è installata.</source>
        <translation>Cannot open the window: the graphics platform %1 is not installed.</translation>
    </message>
    <message>
        <source>Impossibile aprire la finestra: la piattaforma grafica %1 non si avvia.</source>
        <translation>Cannot open the window: the graphics platform %1 failed to start.</translation>
    </message>
    <message>
        <source>Impossibile aprire la finestra: lo schermo grafico non risponde.</source>
        <translation>Cannot open the window: the display is not responding.</translation>
    </message>
    <message>
        <source>Impossibile aprire la finestra: lo schermo grafico non risponde (%1).</source>
        <translation>Cannot open the window: the display is not responding (%1).</translation>
    </message>
    <message>
        <source>Impossibile aprire la finestra: nessuno schermo grafico disponibile (DISPLAY e WAYLAND_DISPLAY non sono impostati).</source>
        <translation>Cannot open the window: no display available (neither DISPLAY nor WAYLAND_DISPLAY is set).</translation>
    </message>
</context>
<context>
    <name>runtime::host::CommandLine</name>
    <message>
        <source>Mostra questo aiuto ed esce.</source>
        <translation>Shows this help and exits.</translation>
    </message>
    <message>
        <source>Mostra la versione ed esce.</source>
        <translation>Shows the version and exits.</translation>
    </message>
    <message>
        <source>%1: %2%3 Vedere &apos;%1 --help&apos;.</source>
        <translation>%1: %2%3 See &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>opzione sconosciuta &apos;%1%2&apos;</source>
        <translation>unknown option &apos;%1%2&apos;</translation>
    </message>
    <message>
        <source>manca il valore dopo &apos;%1&apos;</source>
        <translation>missing value after &apos;%1&apos;</translation>
    </message>
    <message>
        <source>l&apos;opzione &apos;%1&apos; non accetta un valore</source>
        <translation>the option &apos;%1&apos; takes no value</translation>
    </message>
    <message>
        <source>Uso: %1 [opzioni]</source>
        <translation>Usage: %1 [options]</translation>
    </message>
    <message>
        <source>Opzioni:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Argomenti:</source>
        <translation>Arguments:</translation>
    </message>
    <message>
        <source>Sono accettate anche le opzioni standard di Qt, tra cui -platform NOME,
-style NOME, -reverse e -session ID.
</source>
        <translation>Qt&apos;s standard options are also accepted, including -platform NAME,
-style NAME, -reverse and -session ID.
</translation>
    </message>
    <message>
        <source>argomento inatteso &apos;%1&apos;</source>
        <translation>unexpected argument &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>runtime::host::SettingsFile</name>
    <message>
        <source>La disposizione della finestra non viene ricordata: &apos;%1&apos; non è un file ordinario.</source>
        <translation>The window&apos;s layout is not remembered: &apos;%1&apos; is not a regular file.</translation>
    </message>
    <message>
        <source>La disposizione della finestra non viene ricordata: &apos;%1&apos; non si può leggere.</source>
        <translation>The window&apos;s layout is not remembered: &apos;%1&apos; cannot be read.</translation>
    </message>
    <message>
        <source>La disposizione della finestra non viene ricordata: &apos;%1&apos; non si può scrivere.</source>
        <translation>The window&apos;s layout is not remembered: &apos;%1&apos; cannot be written.</translation>
    </message>
</context>
</TS>
