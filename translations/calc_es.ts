<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ConvergenceChart</name>
    <message>
        <source>Limite inferiore</source>
        <translation>Cota inferior</translation>
    </message>
    <message>
        <source>Limite superiore</source>
        <translation>Cota superior</translation>
    </message>
    <message>
        <source>Ampiezza</source>
        <translation>Diferencia</translation>
    </message>
</context>
<context>
    <name>calc</name>
    <message>
        <source>Risultati inattendibili!</source>
        <translation>¡Resultados poco fiables!</translation>
    </message>
    <message>
        <source>Inserire un numero di iterazioni %1.</source>
        <translation>Introduzca un número de pasos %1.</translation>
    </message>
    <message>
        <source>da %1 a %2</source>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>Passo</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>Lati</source>
        <translation>Lados</translation>
    </message>
    <message>
        <source>Limite inferiore</source>
        <translation>Cota inferior</translation>
    </message>
    <message>
        <source>Limite superiore</source>
        <translation>Cota superior</translation>
    </message>
    <message>
        <source>Differenza</source>
        <translation>Diferencia</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Chiamata di routine o argomento non validi</source>
        <translation>Llamada a procedimiento o argumento no válido</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Divisione per zero</source>
        <translation>División por cero</translation>
    </message>
    <message>
        <source>Errore definito dall&apos;applicazione o dall&apos;oggetto</source>
        <translation>Error definido por la aplicación o el objeto</translation>
    </message>
    <message>
        <source>Errore di run-time &apos;%1&apos;: %2</source>
        <translation>Error en tiempo de ejecución &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Impossibile avviare &apos;%1&apos;: %2</source>
        <translation>No se puede iniciar «%1»: %2</translation>
    </message>
</context>
</TS>
