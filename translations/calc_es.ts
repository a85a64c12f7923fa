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
        <source>Differenza</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>binary64 esaurito (passo %1)</source>
        <translation>Límite de binary64 (paso %1)</translation>
    </message>
    <message>
        <source>Il limite inferiore in binary64 resta sotto π.</source>
        <translation>La cota inferior en binary64 queda por debajo de π.</translation>
    </message>
    <message>
        <source>Con %1 passi o più il limite inferiore calcolato in binary64 supera π.</source>
        <translation>Desde el paso %1, la cota inferior calculada en binary64 supera a π.</translation>
    </message>
    <message>
        <source>Dal passo %1 il limite inferiore in binary64 supera π: gli arrotondamenti hanno esaurito le circa 16 cifre del formato.</source>
        <translation>Desde el paso %1, la cota inferior en binary64 supera a π: los errores de redondeo han agotado las aproximadamente 16 cifras significativas del formato.</translation>
    </message>
    <message>
        <source>Dimostrate: raddoppi</source>
        <translation>Demostradas: duplicación</translation>
    </message>
    <message>
        <source>Dimostrate: Huygens</source>
        <translation>Demostradas: Huygens</translation>
    </message>
    <message>
        <source>Dimostrate: Richardson</source>
        <translation>Demostradas: Richardson</translation>
    </message>
    <message>
        <source>Cifre corrette di π</source>
        <translation>Cifras de π: correctas y demostradas</translation>
    </message>
    <message>
        <source>Passo</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>Cifre corrette (scala logaritmica)</source>
        <translation>Cifras correctas (escala logarítmica)</translation>
    </message>
    <message>
        <source>%1, passo %2: %3 cifre</source>
        <translation>%1, paso %2: %3 cifras</translation>
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
    <name>PolygonScene</name>
    <message>
        <source>Passo %1: poligoni di %2 lati</source>
        <translation>Paso %1: polígonos de %2 lados</translation>
    </message>
    <message>
        <source>Cerchio di raggio 1</source>
        <translation>Circunferencia de radio 1</translation>
    </message>
    <message>
        <source>Poligono inscritto</source>
        <translation>Polígono inscrito</translation>
    </message>
    <message>
        <source>Poligono circoscritto</source>
        <translation>Polígono circunscrito</translation>
    </message>
    <message>
        <source>Ingrandimento: × %1 lungo il lato,</source>
        <translation>Ampliación: × %1 a lo largo del lado,</translation>
    </message>
    <message>
        <source>× %1 verso il centro</source>
        <translation>× %1 hacia el centro</translation>
    </message>
    <message>
        <source>A ogni passo: lato ÷ 2, scarto ÷ 4</source>
        <translation>Cada paso: lado ÷ 2, separación ÷ 4</translation>
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
    <message>
        <source>L&apos;esagono</source>
        <translation>El hexágono</translation>
    </message>
    <message>
        <source>Nel cerchio di raggio 1 si disegna un esagono regolare inscritto: i suoi 6 lati sono lunghi 1, quanto il raggio, perché l&apos;esagono è fatto di 6 triangoli equilateri. Un secondo esagono, circoscritto, ha i lati che toccano il cerchio. Il perimetro del primo è più corto della circonferenza, quello del secondo più lungo; la circonferenza misura 2π, quindi metà di ciascun perimetro è un limite per π: %1&#xa0;&lt;&#xa0;π&#xa0;&lt; %2.</source>
        <translation>En la circunferencia de radio 1 se dibuja un hexágono regular inscrito: sus 6 lados miden 1, lo mismo que el radio, porque el hexágono está hecho de 6 triángulos equiláteros. Un segundo hexágono, circunscrito, tiene lados que tocan la circunferencia. El perímetro del primero es más corto que la circunferencia y el del segundo más largo; la circunferencia mide 2π, así que la mitad de cada perímetro es una cota de π: %1&#xa0;&lt;&#xa0;π&#xa0;&lt; %2.</translation>
    </message>
    <message>
        <source>Raddoppiare i lati</source>
        <translation>Duplicar los lados</translation>
    </message>
    <message>
        <source>A ogni passo si prende il punto del cerchio sopra il punto medio di ogni lato, e il lato diventa due corde: i lati raddoppiano e i poligoni si stringono sul cerchio. Il passo %1 usa i poligoni di %2 lati; il passo dopo userà quelli di %3 lati.</source>
        <translation>En cada paso se toma el punto de la circunferencia sobre el punto medio de cada lado, y el lado se convierte en dos cuerdas: los lados se duplican y los polígonos se ciñen a la circunferencia. El paso %1 usa los polígonos de %2 lados; el paso siguiente usará los de %3 lados.</translation>
    </message>
    <message>
        <source>Le formule del programma</source>
        <translation>Las fórmulas del programa</translation>
    </message>
    <message>
        <source>Dal lato s del poligono inscritto di n lati il programma esegue queste operazioni, ciascuna arrotondata in binary64: h è metà lato, a l&apos;apotema (la distanza del lato dal centro), t il lato del poligono circoscritto, p e P i semiperimetri dei due poligoni, g la freccia (quanto il lato sta sotto il cerchio) e s′ il lato nuovo, per il teorema di Pitagora. Al passo %1:</source>
        <translation>A partir del lado s del polígono inscrito de n lados el programa hace estas operaciones, cada una redondeada en binary64: h es la mitad del lado, a la apotema (la distancia del lado al centro), t el lado del polígono circunscrito, p y P los semiperímetros de los dos polígonos, g la sagita (cuánto queda el lado por debajo de la circunferencia) y s′ el lado nuevo, por el teorema de Pitágoras. En el paso %1:</translation>
    </message>
    <message>
        <source>Perché p&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;P</source>
        <translation>Por qué p&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;P</translation>
    </message>
    <message>
        <source>Ogni lato inscritto è una corda, più corta dell&apos;arco tra i suoi estremi. Ogni lato circoscritto è fatto di due metà tangenti al cerchio, ciascuna più lunga dell&apos;arco che copre. Sommando su tutti gli n lati, n&#xa0;·&#xa0;s&#xa0;&lt;&#xa0;2π&#xa0;&lt;&#xa0;n&#xa0;·&#xa0;t, e dividendo per 2, p&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;P a ogni passo. Al passo %1 però il programma calcola p&#xa0;=&#xa0;%2 e P&#xa0;=&#xa0;%3: p supera π, e a sbagliare sono gli arrotondamenti, non la geometria (%4 è la distanza calcolata).</source>
        <translation>Cada lado inscrito es una cuerda, más corta que el arco entre sus extremos. Cada lado circunscrito está hecho de dos mitades tangentes a la circunferencia, cada una más larga que el arco que cubre. Sumando sobre los n lados, n&#xa0;·&#xa0;s&#xa0;&lt;&#xa0;2π&#xa0;&lt;&#xa0;n&#xa0;·&#xa0;t, y dividiendo por 2, p&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;P en cada paso. En el paso %1, sin embargo, el programa calcula p&#xa0;=&#xa0;%2 y P&#xa0;=&#xa0;%3: p supera a π, y lo que falla son los redondeos, no la geometría (%4 es la distancia calculada).</translation>
    </message>
    <message>
        <source>Ogni lato inscritto è una corda, più corta dell&apos;arco tra i suoi estremi. Ogni lato circoscritto è fatto di due metà tangenti al cerchio, ciascuna più lunga dell&apos;arco che copre. Sommando su tutti gli n lati, n&#xa0;·&#xa0;s&#xa0;&lt;&#xa0;2π&#xa0;&lt;&#xa0;n&#xa0;·&#xa0;t, e dividendo per 2, p&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;P a ogni passo. Al passo %1: %2&#xa0;&lt;&#xa0;π&#xa0;&lt; %3, distanti %4; al passo dopo la distanza sarà circa un quarto.</source>
        <translation>Cada lado inscrito es una cuerda, más corta que el arco entre sus extremos. Cada lado circunscrito está hecho de dos mitades tangentes a la circunferencia, cada una más larga que el arco que cubre. Sumando sobre los n lados, n&#xa0;·&#xa0;s&#xa0;&lt;&#xa0;2π&#xa0;&lt;&#xa0;n&#xa0;·&#xa0;t, y dividiendo por 2, p&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;P en cada paso. En el paso %1: %2&#xa0;&lt;&#xa0;π&#xa0;&lt; %3, separados por %4; en el paso siguiente la distancia será más o menos la cuarta parte.</translation>
    </message>
    <message>
        <source>Dove binary64 si esaurisce</source>
        <translation>Dónde se agota binary64</translation>
    </message>
    <message>
        <source>binary64, il formato dei numeri del programma, tiene circa 16 cifre significative e ogni operazione arrotonda l&apos;ultima. La freccia g&#xa0;=&#xa0;1&#xa0;−&#xa0;a sottrae due numeri quasi uguali, e a ogni passo il loro scarto si riduce a un quarto: in g restano sempre meno cifre giuste, e il lato nuovo le eredita. Al passo %1 g vale %2 e p&#xa0;−&#xa0;π vale %3. Dal passo %4 gli errori superano la distanza tra p e π: il limite inferiore calcolato supera π e i risultati non sono più limiti.</source>
        <translation>binary64, el formato de los números del programa, guarda unas 16 cifras significativas y cada operación redondea la última. La sagita g&#xa0;=&#xa0;1&#xa0;−&#xa0;a resta dos números casi iguales, y en cada paso su diferencia se reduce a la cuarta parte: en g quedan cada vez menos cifras correctas, y el lado nuevo las hereda. En el paso %1 g vale %2 y p&#xa0;−&#xa0;π vale %3. Desde el paso %4 los errores superan la distancia entre p y π: la cota inferior calculada supera a π y los resultados ya no son cotas.</translation>
    </message>
    <message>
        <source>Cifre dimostrate</source>
        <translation>Cifras demostradas</translation>
    </message>
    <message>
        <source>Una cifra di π è dimostrata quando il calcolo tiene conto di ogni arrotondamento: con l&apos;aritmetica a intervalli ogni numero diventa un intervallo che di sicuro contiene il valore esatto, e le cifre su cui i due estremi concordano sono anche di π. Con i poligoni fino al passo %1 i raddoppi ne dimostrano %2. Huygens legge di più dagli stessi poligoni: 3p&#xa0;/&#xa0;(2&#xa0;+&#xa0;a) sta sotto π e (2p&#xa0;+&#xa0;P)&#xa0;/&#xa0;3 sopra, molto più vicini; ne dimostra %3. Richardson guarda come p si avvicina a π di passo in passo: la forma dei suoi errori è nota, termini in 1/n², 1/n⁴, …, e il metodo li toglie; ne dimostra %4. Il conteggio si ferma a %5 cifre.</source>
        <translation>Una cifra de π está demostrada cuando el cálculo tiene en cuenta cada redondeo: con la aritmética de intervalos cada número se convierte en un intervalo que contiene con certeza el valor exacto, y las cifras en que coinciden los dos extremos son también las de π. Con los polígonos hasta el paso %1 las duplicaciones demuestran %2. Huygens lee más de los mismos polígonos: 3p&#xa0;/&#xa0;(2&#xa0;+&#xa0;a) queda por debajo de π y (2p&#xa0;+&#xa0;P)&#xa0;/&#xa0;3 por encima, mucho más cerca; demuestra %3. Richardson observa cómo p se acerca a π de un paso a otro: la forma de sus errores es conocida, términos en 1/n², 1/n⁴, …, y el método los quita; demuestra %4. La cuenta se detiene en %5 cifras.</translation>
    </message>
    <message>
        <source>Il risultato di Archimede</source>
        <translation>El resultado de Arquímedes</translation>
    </message>
    <message>
        <source>Archimede arrivò ai poligoni di 96 lati, il passo %1, calcolando a mano le radici quadrate con frazioni e arrotondandole sempre dalla parte sicura: 3&#x202f;10/71&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;3&#x202f;1/7, cioè 223/71&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;22/7, cioè %2&#xa0;&lt;&#xa0;π&#xa0;&lt; %3. Il programma, con gli stessi poligoni: %4&#xa0;&lt;&#xa0;π&#xa0;&lt; %5. I limiti di Archimede sono più larghi di %6 sotto e di %7 sopra.</source>
        <translation>Arquímedes llegó a los polígonos de 96 lados, el paso %1, calculando a mano las raíces cuadradas con fracciones y redondeándolas siempre hacia el lado seguro: 3&#x202f;10/71&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;3&#x202f;1/7, es decir 223/71&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;22/7, es decir %2&#xa0;&lt;&#xa0;π&#xa0;&lt; %3. El programa, con los mismos polígonos: %4&#xa0;&lt;&#xa0;π&#xa0;&lt; %5. Las cotas de Arquímedes son más holgadas en %6 por debajo y en %7 por encima.</translation>
    </message>
    <message>
        <source>Passi</source>
        <translation>Pasos</translation>
    </message>
</context>
<context>
    <name>explore::ExploreWindow</name>
    <message>
        <source>Passo</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>Passo %1, contato come nella tabella: al passo 1 gli esagoni, a ogni passo il doppio dei lati</source>
        <translation>Paso, %1, contado como en la tabla: el paso 1 da los hexágonos, cada paso siguiente duplica los lados</translation>
    </message>
    <message>
        <source>Passo %1: %2 lati, %3&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;%4</source>
        <translation>Paso %1: %2 lados, %3&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;%4</translation>
    </message>
    <message>
        <source>poligoni-passo-%1.svg</source>
        <translation>poligonos-paso-%1.svg</translation>
    </message>
    <message>
        <source>convergenza-%1-passi.svg</source>
        <translation>convergencia-%1-pasos.svg</translation>
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
        <translation>demasiados enlaces simbólicos, quizá un bucle</translation>
    </message>
    <message>
        <source>nome non in UTF-8</source>
        <translation>el nombre no está en UTF-8</translation>
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
        <translation>Arquímedes encerró π entre los perímetros de dos polígonos regulares, uno inscrito en una circunferencia y otro circunscrito, duplicando sus lados en cada paso. Form1 calcula las dos cotas tras el número de pasos elegido; la ventana Explorar muestra los polígonos, la tabla de pasos y el gráfico de convergencia.</translation>
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
    <message>
        <source>Schermo intero</source>
        <translation>Pantalla completa</translation>
    </message>
</context>
</TS>
