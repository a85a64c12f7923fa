<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>explore::PlayControls</name>
    <message numerus="yes">
        <source>%n passi/s</source>
        <translation>
            <numerusform>%n passo/s</numerusform>
            <numerusform>%n passi/s</numerusform>
        </translation>
    </message>
</context>
</TS>
