<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>runtime::host::Application</name>
    <message>
        <source>Impossibile aprire la finestra: la piattaforma grafica %1 non è installata.</source>
        <translation>Δεν είναι δυνατό να ανοίξει το παράθυρο: η γραφική πλατφόρμα %1 δεν είναι εγκατεστημένη.</translation>
    </message>
    <message>
        <source>Impossibile aprire la finestra: la piattaforma grafica %1 non si avvia.</source>
        <translation>Δεν είναι δυνατό να ανοίξει το παράθυρο: η γραφική πλατφόρμα %1 απέτυχε να ξεκινήσει.</translation>
    </message>
    <message>
        <source>Impossibile aprire la finestra: lo schermo grafico non risponde.</source>
        <translation>Δεν είναι δυνατό να ανοίξει το παράθυρο: η οθόνη δεν αποκρίνεται.</translation>
    </message>
    <message>
        <source>Impossibile aprire la finestra: lo schermo grafico non risponde (%1).</source>
        <translation>Δεν είναι δυνατό να ανοίξει το παράθυρο: η οθόνη δεν αποκρίνεται (%1).</translation>
    </message>
    <message>
        <source>Impossibile aprire la finestra: nessuno schermo grafico disponibile (DISPLAY e WAYLAND_DISPLAY non sono impostati).</source>
        <translation>Δεν είναι δυνατό να ανοίξει το παράθυρο: δεν υπάρχει διαθέσιμη οθόνη (δεν έχει οριστεί ούτε DISPLAY ούτε WAYLAND_DISPLAY).</translation>
    </message>
</context>
<context>
    <name>runtime::host::CommandLine</name>
    <message>
        <source>Mostra questo aiuto ed esce.</source>
        <translation>Εμφανίζει αυτή τη βοήθεια και τερματίζει.</translation>
    </message>
    <message>
        <source>Mostra la versione ed esce.</source>
        <translation>Εμφανίζει την έκδοση και τερματίζει.</translation>
    </message>
    <message>
        <source>%1: %2%3 Vedere &apos;%1 --help&apos;.</source>
        <translation>%1: %2%3 Δείτε «%1 --help».</translation>
    </message>
    <message>
        <source>opzione sconosciuta &apos;%1%2&apos;</source>
        <translation>άγνωστη επιλογή «%1%2»</translation>
    </message>
    <message>
        <source>manca il valore dopo &apos;%1&apos;</source>
        <translation>λείπει η τιμή μετά το «%1»</translation>
    </message>
    <message>
        <source>l&apos;opzione &apos;%1&apos; non accetta un valore</source>
        <translation>η επιλογή «%1» δεν δέχεται τιμή</translation>
    </message>
    <message>
        <source>Uso: %1 [opzioni]</source>
        <translation>Χρήση: %1 [επιλογές]</translation>
    </message>
    <message>
        <source>Opzioni:</source>
        <translation>Επιλογές:</translation>
    </message>
    <message>
        <source>Argomenti:</source>
        <translation>Ορίσματα:</translation>
    </message>
    <message>
        <source>Sono accettate anche le opzioni standard di Qt, tra cui -platform NOME,
-style NOME, -reverse e -session ID.
</source>
        <translation>Γίνονται δεκτές και οι τυπικές επιλογές του Qt, μεταξύ των οποίων
-platform ΟΝΟΜΑ, -style ΟΝΟΜΑ, -reverse και -session ID.
</translation>
    </message>
    <message>
        <source>argomento inatteso &apos;%1&apos;</source>
        <translation>απρόσμενο όρισμα «%1»</translation>
    </message>
</context>
<context>
    <name>runtime::host::SettingsFile</name>
    <message>
        <source>La disposizione della finestra non viene ricordata: &apos;%1&apos; non è un file ordinario.</source>
        <translation>Η διάταξη του παραθύρου δεν αποθηκεύεται: το «%1» δεν είναι κανονικό αρχείο.</translation>
    </message>
    <message>
        <source>La disposizione della finestra non viene ricordata: &apos;%1&apos; non si può leggere.</source>
        <translation>Η διάταξη του παραθύρου δεν αποθηκεύεται: το «%1» δεν μπορεί να διαβαστεί.</translation>
    </message>
    <message>
        <source>La disposizione della finestra non viene ricordata: &apos;%1&apos; non si può scrivere.</source>
        <translation>Η διάταξη του παραθύρου δεν αποθηκεύεται: το «%1» δεν μπορεί να γραφτεί.</translation>
    </message>
</context>
</TS>
