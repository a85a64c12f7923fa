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
    <message>
        <source>binary64 esaurito (passo %1)</source>
        <translation>límite de binary64 (paso %1)</translation>
    </message>
    <message>
        <source>Il limite inferiore in binary64 resta sotto pi greco.</source>
        <translation>La cota inferior en binary64 queda por debajo de π.</translation>
    </message>
    <message>
        <source>Con %1 passi o più il limite inferiore calcolato in binary64 supera pi greco.</source>
        <translation>Desde el paso %1, la cota inferior calculada en binary64 supera a π.</translation>
    </message>
    <message>
        <source>Dal passo %1 il limite inferiore in binary64 supera pi greco: gli arrotondamenti hanno esaurito le circa 16 cifre del formato.</source>
        <translation>Desde el paso %1, la cota inferior en binary64 supera a π: los errores de redondeo han agotado las unas 16 cifras significativas del formato.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Impossibile creare l&apos;immagine &apos;%1&apos;.</source>
        <translation>No se puede crear la imagen «%1».</translation>
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
    <message>
        <source>disco pieno</source>
        <translation>disco lleno</translation>
    </message>
    <message>
        <source>quota del disco esaurita</source>
        <translation>cuota de disco agotada</translation>
    </message>
    <message>
        <source>file oltre la dimensione massima consentita</source>
        <translation>archivo mayor que el tamaño máximo permitido</translation>
    </message>
    <message>
        <source>permesso negato</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>file o cartella inesistente</source>
        <translation>no existe el archivo o la carpeta</translation>
    </message>
    <message>
        <source>una parte del percorso non è una cartella</source>
        <translation>una parte de la ruta no es una carpeta</translation>
    </message>
    <message>
        <source>file system di sola lettura</source>
        <translation>sistema de archivos de solo lectura</translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>nome troppo lungo</source>
        <translation>nombre demasiado largo</translation>
    </message>
    <message>
        <source>errore di lettura o scrittura del dispositivo</source>
        <translation>error de lectura o escritura del dispositivo</translation>
    </message>
    <message>
        <source>memoria esaurita</source>
        <translation>memoria agotada</translation>
    </message>
    <message>
        <source>troppi collegamenti simbolici, forse in cerchio</source>
        <translation>demasiados enlaces simbólicos, quizá en círculo</translation>
    </message>
    <message>
        <source>nome non in UTF-8</source>
        <translation>nombre no está en UTF-8</translation>
    </message>
    <message>
        <source>non è un programma eseguibile</source>
        <translation>no es un programa ejecutable</translation>
    </message>
    <message>
        <source>file in uso</source>
        <translation>archivo en uso</translation>
    </message>
    <message>
        <source>troppi file aperti</source>
        <translation>demasiados archivos abiertos</translation>
    </message>
    <message>
        <source>risorse temporaneamente esaurite</source>
        <translation>recursos agotados temporalmente</translation>
    </message>
    <message>
        <source>errore di sistema %1</source>
        <translation>error del sistema %1</translation>
    </message>
    <message>
        <source>Errore di run-time &apos;%1&apos;:

%2</source>
        <translation>Error en tiempo de ejecución &apos;%1&apos;:

%2</translation>
    </message>
    <message>
        <source>Memoria esaurita</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Errore interno</source>
        <translation>Error interno</translation>
    </message>
</context>
<context>
    <name>web::Page</name>
    <message>
        <source>Lavoro1 — I limiti di Archimede per π</source>
        <translation>Lavoro1 — Las cotas de Arquímedes para π</translation>
    </message>
    <message>
        <source>Archimede racchiuse π tra i perimetri di due poligoni regolari, uno inscritto in un cerchio e uno circoscritto, raddoppiandone i lati a ogni passo. Form1 calcola i due limiti dopo il numero di passi scelto; Esplora mostra i poligoni, la tabella dei passi e la convergenza.</source>
        <translation>Arquímedes encerró π entre los perímetros de dos polígonos regulares, uno inscrito en una circunferencia y otro circunscrito, duplicando sus lados en cada paso. Form1 calcula las dos cotas tras el número de pasos elegido; Esplora muestra los polígonos, la tabla de los pasos y la convergencia.</translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Copia il link</source>
        <translation>Copiar el enlace</translation>
    </message>
    <message>
        <source>Link copiato.</source>
        <translation>Enlace copiado.</translation>
    </message>
    <message>
        <source>Link non copiato: copiarlo dalla barra degli indirizzi.</source>
        <translation>Enlace no copiado: cópielo de la barra de direcciones.</translation>
    </message>
    <message>
        <source>Caricamento della calcolatrice…</source>
        <translation>Cargando la calculadora…</translation>
    </message>
    <message>
        <source>Non è stato possibile caricare la calcolatrice.</source>
        <translation>No se ha podido cargar la calculadora.</translation>
    </message>
    <message>
        <source>Ricaricare la pagina per riprovare; se non basta, controllare la connessione o aprire la pagina in un altro browser.</source>
        <translation>Vuelva a cargar la página para intentarlo de nuevo; si no basta, compruebe la conexión o abra la página en otro navegador.</translation>
    </message>
</context>
</TS>
