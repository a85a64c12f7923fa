#pragma once

// The page's own texts (web/): what the page is, its controls around the two
// windows, and how it loads. The page's build (web/scripts/translations.mjs)
// reads them from here by name; no C++ shows them.

#include "runtime/translatable.hpp"

namespace calc::page_texts {

// The tab's title and the page's heading.
inline constexpr const char* title =
    LAVORO1_TRANSLATABLE("web::Page", "Lavoro1 — I limiti di Archimede per π");
inline constexpr const char* introduction = LAVORO1_TRANSLATABLE(
    "web::Page",
    "Archimede racchiuse π tra i perimetri di due poligoni regolari, uno inscritto in un cerchio "
    "e uno circoscritto, raddoppiandone i lati a ogni passo. Form1 calcola i due limiti dopo il "
    "numero di passi scelto; Esplora mostra i poligoni, la tabella dei passi e la convergenza.");
inline constexpr const char* language = LAVORO1_TRANSLATABLE("web::Page", "Lingua");
inline constexpr const char* copyLink = LAVORO1_TRANSLATABLE("web::Page", "Copia il link");
inline constexpr const char* linkCopied = LAVORO1_TRANSLATABLE("web::Page", "Link copiato.");
inline constexpr const char* linkNotCopied =
    LAVORO1_TRANSLATABLE("web::Page", "Link non copiato: copiarlo dalla barra degli indirizzi.");
// While the core loads, and when it could not be loaded; the page's HTML
// carries these in every language, so that they show when no script runs.
inline constexpr const char* loading =
    LAVORO1_TRANSLATABLE("web::Page", "Caricamento della calcolatrice…");
inline constexpr const char* loadFailed =
    LAVORO1_TRANSLATABLE("web::Page", "Non è stato possibile caricare la calcolatrice.");
inline constexpr const char* howToRetry = LAVORO1_TRANSLATABLE(
    "web::Page", "Ricaricare la pagina per riprovare; se non basta, controllare la connessione o "
                 "aprire la pagina in un altro browser.");

} // namespace calc::page_texts
