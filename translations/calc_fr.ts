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
        <source>Ampiezza</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>binary64 esaurito (passo %1)</source>
        <translation>limite de binary64 (étape %1)</translation>
    </message>
    <message>
        <source>Il limite inferiore in binary64 resta sotto pi greco.</source>
        <translation>La borne inférieure en binary64 reste sous π.</translation>
    </message>
    <message>
        <source>Con %1 passi o più il limite inferiore calcolato in binary64 supera pi greco.</source>
        <translation>À partir de l&apos;étape %1, la borne inférieure calculée en binary64 dépasse π.</translation>
    </message>
    <message>
        <source>Dal passo %1 il limite inferiore in binary64 supera pi greco: gli arrotondamenti hanno esaurito le circa 16 cifre del formato.</source>
        <translation>À partir de l&apos;étape %1, la borne inférieure en binary64 dépasse π : les erreurs d&apos;arrondi ont épuisé les quelque 16 chiffres significatifs du format.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Impossibile creare l&apos;immagine &apos;%1&apos;.</source>
        <translation>Impossible de créer l&apos;image « %1 ».</translation>
    </message>
</context>
<context>
    <name>calc</name>
    <message>
        <source>Risultati inattendibili!</source>
        <translation>Résultats peu fiables !</translation>
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
        <translation>Erreur d&apos;exécution &apos;%1&apos; : %2</translation>
    </message>
    <message>
        <source>Impossibile avviare &apos;%1&apos;: %2</source>
        <translation>Impossible de démarrer « %1 » : %2</translation>
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
        <translation>nom pas en UTF-8</translation>
    </message>
    <message>
        <source>non è un programma eseguibile</source>
        <translation>ce n&apos;est pas un programme exécutable</translation>
    </message>
    <message>
        <source>file in uso</source>
        <translation>fichier en cours d’utilisation</translation>
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
        <translation>Erreur d&apos;exécution &apos;%1&apos; :

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
        <translation>Archimède a encadré π entre les périmètres de deux polygones réguliers, l&apos;un inscrit dans un cercle et l&apos;autre circonscrit, en doublant leurs côtés à chaque étape. Form1 calcule les deux bornes après le nombre d&apos;étapes choisi ; Esplora montre les polygones, le tableau des étapes et la convergence.</translation>
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
        <translation>Lien non copié : copiez-le depuis la barre d&apos;adresse.</translation>
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
        <translation>Rechargez la page pour réessayer ; si cela ne suffit pas, vérifiez la connexion ou ouvrez la page dans un autre navigateur.</translation>
    </message>
</context>
</TS>
