<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>runtime::host::Application</name>
    <message>
        <source>Impossibile aprire la finestra: la piattaforma grafica %1 non è installata.</source>
        <translation>No se puede abrir la ventana: la plataforma gráfica %1 no está instalada.</translation>
    </message>
    <message>
        <source>Impossibile aprire la finestra: la piattaforma grafica %1 non si avvia.</source>
        <translation>No se puede abrir la ventana: la plataforma gráfica %1 no ha podido arrancar.</translation>
    </message>
    <message>
        <source>Impossibile aprire la finestra: lo schermo grafico non risponde.</source>
        <translation>No se puede abrir la ventana: la pantalla no responde.</translation>
    </message>
    <message>
        <source>Impossibile aprire la finestra: lo schermo grafico non risponde (%1).</source>
        <translation>No se puede abrir la ventana: la pantalla no responde (%1).</translation>
    </message>
    <message>
        <source>Impossibile aprire la finestra: nessuno schermo grafico disponibile (DISPLAY e WAYLAND_DISPLAY non sono impostati).</source>
        <translation>No se puede abrir la ventana: no hay ninguna pantalla disponible (no está definida ni DISPLAY ni WAYLAND_DISPLAY).</translation>
    </message>
</context>
<context>
    <name>runtime::host::CommandLine</name>
    <message>
        <source>Mostra questo aiuto ed esce.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>Mostra la versione ed esce.</source>
        <translation>Muestra la versión y termina.</translation>
    </message>
    <message>
        <source>%1: %2%3 Vedere &apos;%1 --help&apos;.</source>
        <translation>%1: %2%3 Véase «%1 --help».</translation>
    </message>
    <message>
        <source>opzione sconosciuta &apos;%1%2&apos;</source>
        <translation>opción desconocida «%1%2»</translation>
    </message>
    <message>
        <source>manca il valore dopo &apos;%1&apos;</source>
        <translation>falta el valor después de «%1»</translation>
    </message>
    <message>
        <source>l&apos;opzione &apos;%1&apos; non accetta un valore</source>
        <translation>la opción «%1» no admite ningún valor</translation>
    </message>
    <message>
        <source>Uso: %1 [opzioni]</source>
        <translation>Uso: %1 [opciones]</translation>
    </message>
    <message>
        <source>Opzioni:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Argomenti:</source>
        <translation>Argumentos:</translation>
    </message>
    <message>
        <source>Sono accettate anche le opzioni standard di Qt, tra cui -platform NOME,
-style NOME, -reverse e -session ID.
</source>
        <translation>También se aceptan las opciones estándar de Qt, entre ellas -platform NOMBRE,
-style NOMBRE, -reverse y -session ID.
</translation>
    </message>
    <message>
        <source>argomento inatteso &apos;%1&apos;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
</context>
<context>
    <name>runtime::host::SettingsFile</name>
    <message>
        <source>La disposizione della finestra non viene ricordata: &apos;%1&apos; non è un file ordinario.</source>
        <translation>La disposición de la ventana no se recuerda: «%1» no es un archivo normal.</translation>
    </message>
    <message>
        <source>La disposizione della finestra non viene ricordata: &apos;%1&apos; non si può leggere.</source>
        <translation>La disposición de la ventana no se recuerda: «%1» no se puede leer.</translation>
    </message>
    <message>
        <source>La disposizione della finestra non viene ricordata: &apos;%1&apos; non si può scrivere.</source>
        <translation>La disposición de la ventana no se recuerda: «%1» no se puede escribir.</translation>
    </message>
</context>
</TS>
