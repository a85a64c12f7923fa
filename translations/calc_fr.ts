<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ConvergenceChart</name>
    <message>
        <source>Limite inferiore</source>
        <translation>Borne inférieure</translation>
    </message>
    <message>
        <source>Limite superiore</source>
        <translation>Borne supérieure</translation>
    </message>
    <message>
        <source>Differenza</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>binary64 esaurito (passo %1)</source>
        <translation>Limite de binary64 (étape %1)</translation>
    </message>
    <message>
        <source>Il limite inferiore in binary64 resta sotto π.</source>
        <translation>La borne inférieure en binary64 reste sous π.</translation>
    </message>
    <message>
        <source>Con %1 passi o più il limite inferiore calcolato in binary64 supera π.</source>
        <translation>À partir de l&apos;étape %1, la borne inférieure calculée en binary64 dépasse π.</translation>
    </message>
    <message>
        <source>Dal passo %1 il limite inferiore in binary64 supera π: gli arrotondamenti hanno esaurito le circa 16 cifre del formato.</source>
        <translation>À partir de l&apos;étape %1, la borne inférieure en binary64 dépasse π&#xa0;: les erreurs d&apos;arrondi ont épuisé les quelque 16 chiffres significatifs du format.</translation>
    </message>
    <message>
        <source>Dimostrate: raddoppi</source>
        <translation>Démontrées&#xa0;: doublement</translation>
    </message>
    <message>
        <source>Dimostrate: Huygens</source>
        <translation>Démontrées&#xa0;: Huygens</translation>
    </message>
    <message>
        <source>Dimostrate: Richardson</source>
        <translation>Démontrées&#xa0;: Richardson</translation>
    </message>
    <message>
        <source>Cifre corrette di π</source>
        <translation>Décimales de π&#xa0;: exactes et démontrées</translation>
    </message>
    <message>
        <source>Passo</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>Cifre corrette (scala logaritmica)</source>
        <translation>Décimales exactes (échelle logarithmique)</translation>
    </message>
    <message>
        <source>%1, passo %2: %3 cifre</source>
        <translation>%1, étape %2&#xa0;: %3 décimales</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Impossibile creare l&apos;immagine &apos;%1&apos;.</source>
        <translation>Impossible de créer l&apos;image «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>PolygonScene</name>
    <message>
        <source>Passo %1: poligoni di %2 lati</source>
        <translation>Étape %1&#xa0;: polygones à %2 côtés</translation>
    </message>
    <message>
        <source>Cerchio di raggio 1</source>
        <translation>Cercle de rayon 1</translation>
    </message>
    <message>
        <source>Poligono inscritto</source>
        <translation>Polygone inscrit</translation>
    </message>
    <message>
        <source>Poligono circoscritto</source>
        <translation>Polygone circonscrit</translation>
    </message>
    <message>
        <source>Ingrandimento: × %1 lungo il lato,</source>
        <translation>Agrandissement&#xa0;: × %1 le long du côté,</translation>
    </message>
    <message>
        <source>× %1 verso il centro</source>
        <translation>× %1 vers le centre</translation>
    </message>
    <message>
        <source>A ogni passo: lato ÷ 2, scarto ÷ 4</source>
        <translation>Chaque étape&#xa0;: côté ÷ 2, écart ÷ 4</translation>
    </message>
</context>
<context>
    <name>calc</name>
    <message>
        <source>Risultati inattendibili!</source>
        <translation>Résultats peu fiables&#x202f;!</translation>
    </message>
    <message>
        <source>Inserire un numero di iterazioni %1.</source>
        <translation>Saisissez un nombre d&apos;étapes %1.</translation>
    </message>
    <message>
        <source>da %1 a %2</source>
        <translation>de %1 à %2</translation>
    </message>
    <message>
        <source>Passo</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>Lati</source>
        <translation>Côtés</translation>
    </message>
    <message>
        <source>Limite inferiore</source>
        <translation>Borne inférieure</translation>
    </message>
    <message>
        <source>Limite superiore</source>
        <translation>Borne supérieure</translation>
    </message>
    <message>
        <source>Differenza</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>L&apos;esagono</source>
        <translation>L&apos;hexagone</translation>
    </message>
    <message>
        <source>Nel cerchio di raggio 1 si disegna un esagono regolare inscritto: i suoi 6 lati sono lunghi 1, quanto il raggio, perché l&apos;esagono è fatto di 6 triangoli equilateri. Un secondo esagono, circoscritto, ha i lati che toccano il cerchio. Il perimetro del primo è più corto della circonferenza, quello del secondo più lungo; la circonferenza misura 2π, quindi metà di ciascun perimetro è un limite per π: %1&#xa0;&lt;&#xa0;π&#xa0;&lt; %2.</source>
        <translation>Dans le cercle de rayon 1 on trace un hexagone régulier inscrit&#xa0;: ses 6 côtés mesurent 1, autant que le rayon, car l&apos;hexagone est fait de 6 triangles équilatéraux. Un second hexagone, circonscrit, a des côtés qui touchent le cercle. Le périmètre du premier est plus court que la circonférence, celui du second plus long&#x202f;; la circonférence mesure 2π, donc la moitié de chaque périmètre est une borne de π&#xa0;: %1&#xa0;&lt;&#xa0;π&#xa0;&lt; %2.</translation>
    </message>
    <message>
        <source>Raddoppiare i lati</source>
        <translation>Doubler les côtés</translation>
    </message>
    <message>
        <source>A ogni passo si prende il punto del cerchio sopra il punto medio di ogni lato, e il lato diventa due corde: i lati raddoppiano e i poligoni si stringono sul cerchio. Il passo %1 usa i poligoni di %2 lati; il passo dopo userà quelli di %3 lati.</source>
        <translation>À chaque étape on prend le point du cercle au-dessus du milieu de chaque côté, et le côté devient deux cordes&#xa0;: les côtés doublent et les polygones se resserrent sur le cercle. L&apos;étape %1 utilise les polygones à %2 côtés&#x202f;; l&apos;étape suivante utilisera ceux à %3 côtés.</translation>
    </message>
    <message>
        <source>Le formule del programma</source>
        <translation>Les formules du programme</translation>
    </message>
    <message>
        <source>Dal lato s del poligono inscritto di n lati il programma esegue queste operazioni, ciascuna arrotondata in binary64: h è metà lato, a l&apos;apotema (la distanza del lato dal centro), t il lato del poligono circoscritto, p e P i semiperimetri dei due poligoni, g la freccia (quanto il lato sta sotto il cerchio) e s′ il lato nuovo, per il teorema di Pitagora. Al passo %1:</source>
        <translation>À partir du côté s du polygone inscrit à n côtés, le programme fait ces opérations, chacune arrondie en binary64&#xa0;: h est la moitié du côté, a l&apos;apothème (la distance du côté au centre), t le côté du polygone circonscrit, p et P les demi-périmètres des deux polygones, g la flèche (de combien le côté passe sous le cercle) et s′ le nouveau côté, par le théorème de Pythagore. À l&apos;étape %1&#xa0;:</translation>
    </message>
    <message>
        <source>Perché p&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;P</source>
        <translation>Pourquoi p&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;P</translation>
    </message>
    <message>
        <source>Ogni lato inscritto è una corda, più corta dell&apos;arco tra i suoi estremi. Ogni lato circoscritto è fatto di due metà tangenti al cerchio, ciascuna più lunga dell&apos;arco che copre. Sommando su tutti gli n lati, n&#xa0;·&#xa0;s&#xa0;&lt;&#xa0;2π&#xa0;&lt;&#xa0;n&#xa0;·&#xa0;t, e dividendo per 2, p&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;P a ogni passo. Al passo %1 però il programma calcola p&#xa0;=&#xa0;%2 e P&#xa0;=&#xa0;%3: p supera π, e a sbagliare sono gli arrotondamenti, non la geometria (%4 è la distanza calcolata).</source>
        <translation>Chaque côté inscrit est une corde, plus courte que l&apos;arc entre ses extrémités. Chaque côté circonscrit est fait de deux moitiés tangentes au cercle, chacune plus longue que l&apos;arc qu&apos;elle couvre. En sommant sur les n côtés, n&#xa0;·&#xa0;s&#xa0;&lt;&#xa0;2π&#xa0;&lt;&#xa0;n&#xa0;·&#xa0;t, et en divisant par 2, p&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;P à chaque étape. À l&apos;étape %1 pourtant le programme calcule p&#xa0;=&#xa0;%2 et P&#xa0;=&#xa0;%3&#xa0;: p dépasse π, et ce sont les arrondis qui se trompent, pas la géométrie (%4 est la distance calculée).</translation>
    </message>
    <message>
        <source>Ogni lato inscritto è una corda, più corta dell&apos;arco tra i suoi estremi. Ogni lato circoscritto è fatto di due metà tangenti al cerchio, ciascuna più lunga dell&apos;arco che copre. Sommando su tutti gli n lati, n&#xa0;·&#xa0;s&#xa0;&lt;&#xa0;2π&#xa0;&lt;&#xa0;n&#xa0;·&#xa0;t, e dividendo per 2, p&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;P a ogni passo. Al passo %1: %2&#xa0;&lt;&#xa0;π&#xa0;&lt; %3, distanti %4; al passo dopo la distanza sarà circa un quarto.</source>
        <translation>Chaque côté inscrit est une corde, plus courte que l&apos;arc entre ses extrémités. Chaque côté circonscrit est fait de deux moitiés tangentes au cercle, chacune plus longue que l&apos;arc qu&apos;elle couvre. En sommant sur les n côtés, n&#xa0;·&#xa0;s&#xa0;&lt;&#xa0;2π&#xa0;&lt;&#xa0;n&#xa0;·&#xa0;t, et en divisant par 2, p&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;P à chaque étape. À l&apos;étape %1&#xa0;: %2&#xa0;&lt;&#xa0;π&#xa0;&lt; %3, à %4 l&apos;une de l&apos;autre&#x202f;; à l&apos;étape suivante la distance sera environ quatre fois plus petite.</translation>
    </message>
    <message>
        <source>Dove binary64 si esaurisce</source>
        <translation>Les limites de binary64</translation>
    </message>
    <message>
        <source>binary64, il formato dei numeri del programma, tiene circa 16 cifre significative e ogni operazione arrotonda l&apos;ultima. La freccia g&#xa0;=&#xa0;1&#xa0;−&#xa0;a sottrae due numeri quasi uguali, e a ogni passo il loro scarto si riduce a un quarto: in g restano sempre meno cifre giuste, e il lato nuovo le eredita. Al passo %1 g vale %2 e p&#xa0;−&#xa0;π vale %3. Dal passo %4 gli errori superano la distanza tra p e π: il limite inferiore calcolato supera π e i risultati non sono più limiti.</source>
        <translation>binary64, le format des nombres du programme, garde environ 16 chiffres significatifs et chaque opération arrondit le dernier. La flèche g&#xa0;=&#xa0;1&#xa0;−&#xa0;a soustrait deux nombres presque égaux, et à chaque étape leur écart est divisé par quatre&#xa0;: il reste dans g de moins en moins de chiffres justes, et le nouveau côté en hérite. À l&apos;étape %1, g vaut %2 et p&#xa0;−&#xa0;π vaut %3. À partir de l&apos;étape %4 les erreurs dépassent la distance entre p et π&#xa0;: la borne inférieure calculée dépasse π et les résultats ne sont plus des bornes.</translation>
    </message>
    <message>
        <source>Cifre dimostrate</source>
        <translation>Décimales démontrées</translation>
    </message>
    <message>
        <source>Una cifra di π è dimostrata quando il calcolo tiene conto di ogni arrotondamento: con l&apos;aritmetica a intervalli ogni numero diventa un intervallo che di sicuro contiene il valore esatto, e le cifre su cui i due estremi concordano sono anche di π. Con i poligoni fino al passo %1 i raddoppi ne dimostrano %2. Huygens legge di più dagli stessi poligoni: 3p&#xa0;/&#xa0;(2&#xa0;+&#xa0;a) sta sotto π e (2p&#xa0;+&#xa0;P)&#xa0;/&#xa0;3 sopra, molto più vicini; ne dimostra %3. Richardson guarda come p si avvicina a π di passo in passo: la forma dei suoi errori è nota, termini in 1/n², 1/n⁴, …, e il metodo li toglie; ne dimostra %4. Il conteggio si ferma a %5 cifre.</source>
        <translation>Une décimale de π est démontrée quand le calcul tient compte de chaque arrondi&#xa0;: avec l&apos;arithmétique d&apos;intervalles chaque nombre devient un intervalle qui contient à coup sûr la valeur exacte, et les décimales sur lesquelles les deux extrémités s&apos;accordent sont aussi celles de π. Avec les polygones jusqu&apos;à l&apos;étape %1, les doublements en démontrent %2. Huygens en lit davantage dans les mêmes polygones&#xa0;: 3p&#xa0;/&#xa0;(2&#xa0;+&#xa0;a) est sous π et (2p&#xa0;+&#xa0;P)&#xa0;/&#xa0;3 au-dessus, bien plus près&#x202f;; il en démontre %3. Richardson regarde comment p s&apos;approche de π d&apos;une étape à l&apos;autre&#xa0;: la forme de ses erreurs est connue, des termes en 1/n², 1/n⁴, …, et la méthode les retire&#x202f;; il en démontre %4. Le décompte s&apos;arrête à %5 décimales.</translation>
    </message>
    <message>
        <source>Il risultato di Archimede</source>
        <translation>Le résultat d&apos;Archimède</translation>
    </message>
    <message>
        <source>Archimede arrivò ai poligoni di 96 lati, il passo %1, calcolando a mano le radici quadrate con frazioni e arrotondandole sempre dalla parte sicura: 3&#x202f;10/71&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;3&#x202f;1/7, cioè 223/71&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;22/7, cioè %2&#xa0;&lt;&#xa0;π&#xa0;&lt; %3. Il programma, con gli stessi poligoni: %4&#xa0;&lt;&#xa0;π&#xa0;&lt; %5. I limiti di Archimede sono più larghi di %6 sotto e di %7 sopra.</source>
        <translation>Archimède est allé jusqu&apos;aux polygones à 96 côtés, l&apos;étape %1, en calculant à la main les racines carrées avec des fractions et en les arrondissant toujours du côté sûr&#xa0;: 3&#x202f;10/71&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;3&#x202f;1/7, c&apos;est-à-dire 223/71&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;22/7, c&apos;est-à-dire %2&#xa0;&lt;&#xa0;π&#xa0;&lt; %3. Le programme, avec les mêmes polygones&#xa0;: %4&#xa0;&lt;&#xa0;π&#xa0;&lt; %5. Les bornes d&apos;Archimède sont plus larges de %6 en dessous et de %7 au-dessus.</translation>
    </message>
    <message>
        <source>Passi</source>
        <translation>Étapes</translation>
    </message>
</context>
<context>
    <name>explore::ExploreWindow</name>
    <message>
        <source>Passo</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>Passo %1, contato come nella tabella: al passo 1 gli esagoni, a ogni passo il doppio dei lati</source>
        <translation>Étape, %1, comptée comme dans le tableau&#xa0;: l&apos;étape 1 donne les hexagones, chaque étape suivante double le nombre de côtés</translation>
    </message>
    <message>
        <source>Passo %1: %2 lati, %3&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;%4</source>
        <translation>Étape %1&#xa0;: %2 côtés, %3&#xa0;&lt;&#xa0;π&#xa0;&lt;&#xa0;%4</translation>
    </message>
    <message>
        <source>poligoni-passo-%1.svg</source>
        <translation>polygones-etape-%1.svg</translation>
    </message>
    <message>
        <source>convergenza-%1-passi.svg</source>
        <translation>convergence-%1-etapes.svg</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Chiamata di routine o argomento non validi</source>
        <translation>Appel de procédure ou argument incorrect</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Divisione per zero</source>
        <translation>Division par zéro</translation>
    </message>
    <message>
        <source>Errore definito dall&apos;applicazione o dall&apos;oggetto</source>
        <translation>Erreur définie par l&apos;application ou par l&apos;objet</translation>
    </message>
    <message>
        <source>Errore di run-time &apos;%1&apos;: %2</source>
        <translation>Erreur d&apos;exécution &apos;%1&apos;&#xa0;: %2</translation>
    </message>
    <message>
        <source>Impossibile avviare &apos;%1&apos;: %2</source>
        <translation>Impossible de démarrer «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>disco pieno</source>
        <translation>disque plein</translation>
    </message>
    <message>
        <source>quota del disco esaurita</source>
        <translation>quota de disque dépassé</translation>
    </message>
    <message>
        <source>file oltre la dimensione massima consentita</source>
        <translation>fichier au-delà de la taille maximale permise</translation>
    </message>
    <message>
        <source>permesso negato</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>file o cartella inesistente</source>
        <translation>fichier ou dossier inexistant</translation>
    </message>
    <message>
        <source>una parte del percorso non è una cartella</source>
        <translation>une partie du chemin n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>file system di sola lettura</source>
        <translation>système de fichiers en lecture seule</translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>nome troppo lungo</source>
        <translation>nom trop long</translation>
    </message>
    <message>
        <source>errore di lettura o scrittura del dispositivo</source>
        <translation>erreur de lecture ou d&apos;écriture du périphérique</translation>
    </message>
    <message>
        <source>memoria esaurita</source>
        <translation>mémoire épuisée</translation>
    </message>
    <message>
        <source>troppi collegamenti simbolici, forse in cerchio</source>
        <translation>trop de liens symboliques, peut-être en boucle</translation>
    </message>
    <message>
        <source>nome non in UTF-8</source>
        <translation>nom non codé en UTF-8</translation>
    </message>
    <message>
        <source>non è un programma eseguibile</source>
        <translation>ce n&apos;est pas un programme exécutable</translation>
    </message>
    <message>
        <source>file in uso</source>
        <translation>fichier en cours d&apos;utilisation</translation>
    </message>
    <message>
        <source>troppi file aperti</source>
        <translation>trop de fichiers ouverts</translation>
    </message>
    <message>
        <source>risorse temporaneamente esaurite</source>
        <translation>ressources temporairement épuisées</translation>
    </message>
    <message>
        <source>errore di sistema %1</source>
        <translation>erreur système %1</translation>
    </message>
    <message>
        <source>Errore di run-time &apos;%1&apos;:

%2</source>
        <translation>Erreur d&apos;exécution &apos;%1&apos;&#xa0;:

%2</translation>
    </message>
    <message>
        <source>Memoria esaurita</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Errore interno</source>
        <translation>Erreur interne</translation>
    </message>
</context>
<context>
    <name>web::Page</name>
    <message>
        <source>Lavoro1 — I limiti di Archimede per π</source>
        <translation>Lavoro1 — Les bornes d&apos;Archimède pour π</translation>
    </message>
    <message>
        <source>Archimede racchiuse π tra i perimetri di due poligoni regolari, uno inscritto in un cerchio e uno circoscritto, raddoppiandone i lati a ogni passo. Form1 calcola i due limiti dopo il numero di passi scelto; Esplora mostra i poligoni, la tabella dei passi e la convergenza.</source>
        <translation>Archimède a encadré π entre les périmètres de deux polygones réguliers, l&apos;un inscrit dans un cercle et l&apos;autre circonscrit, en doublant leurs côtés à chaque étape. Form1 calcule les deux bornes après le nombre d&apos;étapes choisi&#x202f;; la fenêtre Explorer montre les polygones, le tableau des étapes et le graphique de convergence.</translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Copia il link</source>
        <translation>Copier le lien</translation>
    </message>
    <message>
        <source>Link copiato.</source>
        <translation>Lien copié.</translation>
    </message>
    <message>
        <source>Link non copiato: copiarlo dalla barra degli indirizzi.</source>
        <translation>Lien non copié&#xa0;: copiez-le depuis la barre d&apos;adresse.</translation>
    </message>
    <message>
        <source>Caricamento della calcolatrice…</source>
        <translation>Chargement de la calculatrice…</translation>
    </message>
    <message>
        <source>Non è stato possibile caricare la calcolatrice.</source>
        <translation>Impossible de charger la calculatrice.</translation>
    </message>
    <message>
        <source>Ricaricare la pagina per riprovare; se non basta, controllare la connessione o aprire la pagina in un altro browser.</source>
        <translation>Rechargez la page pour réessayer&#x202f;; si cela ne suffit pas, vérifiez la connexion ou ouvrez la page dans un autre navigateur.</translation>
    </message>
    <message>
        <source>Schermo intero</source>
        <translation>Plein écran</translation>
    </message>
</context>
</TS>
