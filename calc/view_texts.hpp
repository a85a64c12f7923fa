#pragma once

// The texts the views of the drawing, the chart and Esplora's controls
// share with the desktop's faces, which paint the same things: each written
// once, here, with its context, and translated by runtime::translated (the
// core) or runtime::host::translatedText (Qt). Plain C++, no Qt.

#include "runtime/translatable.hpp"

#include <array>

namespace calc {

inline constexpr const char* drawingTitlePattern =
    LAVORO1_TRANSLATABLE("PolygonScene", "Passo %1: poligoni di %2 lati");
inline constexpr std::array<const char*, 3> drawingLegend{
    LAVORO1_TRANSLATABLE("PolygonScene", "Cerchio di raggio 1"),
    LAVORO1_TRANSLATABLE("PolygonScene", "Poligono inscritto"),
    LAVORO1_TRANSLATABLE("PolygonScene", "Poligono circoscritto")};
inline constexpr const char* alongZoomPattern =
    LAVORO1_TRANSLATABLE("PolygonScene", "Ingrandimento: × %1 lungo il lato,");
inline constexpr const char* acrossZoomPattern =
    LAVORO1_TRANSLATABLE("PolygonScene", "× %1 verso il centro");
// Why the magnifications grow.
inline constexpr const char* zoomReason =
    LAVORO1_TRANSLATABLE("PolygonScene", "A ogni passo: lato ÷ 2, scarto ÷ 4");
inline constexpr const char* chartTitle =
    LAVORO1_TRANSLATABLE("ConvergenceChart", "Cifre corrette di π");
inline constexpr const char* stepAxisTitle = LAVORO1_TRANSLATABLE("ConvergenceChart", "Passo");
inline constexpr const char* digitAxisTitle =
    LAVORO1_TRANSLATABLE("ConvergenceChart", "Cifre corrette (scala logaritmica)");
inline constexpr const char* pointPattern =
    LAVORO1_TRANSLATABLE("ConvergenceChart", "%1, passo %2: %3 cifre");
inline constexpr const char* stepName = LAVORO1_TRANSLATABLE("explore::ExploreWindow", "Passo");
inline constexpr const char* drawingFilePattern =
    LAVORO1_TRANSLATABLE("explore::ExploreWindow", "poligoni-passo-%1.svg");
inline constexpr const char* chartFilePattern =
    LAVORO1_TRANSLATABLE("explore::ExploreWindow", "convergenza-%1-passi.svg");
inline constexpr const char* stepDescriptionPattern = LAVORO1_TRANSLATABLE(
    "explore::ExploreWindow",
    "Passo %1, contato come nella tabella: al passo 1 gli esagoni, a ogni passo il doppio dei "
    "lati");

// What a step's bounds are announced as, %1 the step, %2 the sides, %3 and
// %4 the bounds: Form1 after its computation, Esplora at each step.
inline constexpr const char* stepBoundsPattern = LAVORO1_TRANSLATABLE(
    "explore::ExploreWindow", "Passo %1: %2 lati, %3\u00a0<\u00a0π\u00a0<\u00a0%4");

} // namespace calc
