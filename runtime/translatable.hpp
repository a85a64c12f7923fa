#pragma once

// Marks a user-visible text of the Qt-free core for translation: the text
// stays the Italian source, and lupdate (told that this is QT_TRANSLATE_NOOP)
// collects it under context. The Qt faces translate it where they show it,
// with QCoreApplication::translate(context, text).
#define LAVORO1_TRANSLATABLE(context, text) text
