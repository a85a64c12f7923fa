<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>runtime</name>
    <message>
        <source>Memoria esaurita</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>Errore interno</source>
        <translation>Internal error</translation>
    </message>
</context>
<context>
    <name>runtime::host::messageBox</name>
    <message>
        <source>Errore di run-time &apos;%1&apos;:

%2</source>
        <translation>Run-time error &apos;%1&apos;:

%2</translation>
    </message>
</context>
</TS>
