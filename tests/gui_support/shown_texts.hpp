#pragma once

// The texts a window shows a user or an assistive technology, gathered so
// that the same window built in two languages can be compared text by text.

#include <QString>
#include <QWidget>

#include <map>
#include <string>
#include <vector>

namespace testing_support {

// Text by where it is: "Command1 text", "Esplora window title",
// "Esplora/table accessible name", "Esplora/table header 2"... A widget is
// named by its object name, or by its class and place among its parent's
// children, so that two windows built alike give the same keys.
using ShownTexts = std::map<std::string, QString>;

// The window title, and of every widget in window: its text (labels,
// buttons), placeholder, prefix and suffix, tooltip, status tip, accessible
// name and description, and the column headings of a table.
ShownTexts shownTexts(const QWidget& window);

// Where translated shows the same text as source, a text with letters:
// what was left untranslated. The keys of except are not reported.
std::vector<std::string> untranslated(const ShownTexts& source, const ShownTexts& translated,
                                      const std::vector<std::string>& except = {});

} // namespace testing_support
