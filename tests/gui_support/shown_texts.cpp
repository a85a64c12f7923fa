#include "tests/gui_support/shown_texts.hpp"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include <algorithm>

namespace testing_support {
namespace {

std::string placeOf(const QWidget& widget, const QWidget& window) {
    if (&widget == &window) {
        return window.objectName().toStdString();
    }
    const QObject* parent = widget.parent();
    std::string name = widget.objectName().toStdString();
    if (name.empty()) {
        name = std::string(widget.metaObject()->className()) + '#' +
               std::to_string(parent->children().indexOf(&widget));
    }
    const auto* parentWidget = qobject_cast<const QWidget*>(parent);
    return parentWidget == nullptr ? name : placeOf(*parentWidget, window) + '/' + name;
}

bool hasLetters(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

} // namespace

ShownTexts shownTexts(const QWidget& window) {
    ShownTexts texts;
    texts[placeOf(window, window) + " window title"] = window.windowTitle();
    QList<const QWidget*> widgets{&window};
    for (const QWidget* child : window.findChildren<QWidget*>()) {
        widgets.append(child);
    }
    for (const QWidget* widget : widgets) {
        const std::string place = placeOf(*widget, window);
        const auto add = [&](const char* role, const QString& text) {
            if (!text.isEmpty()) {
                texts[place + ' ' + role] = text;
            }
        };
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            add("text", label->text());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            add("text", button->text());
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
            add("placeholder", edit->placeholderText());
        } else if (const auto* spinBox = qobject_cast<const QSpinBox*>(widget)) {
            add("prefix", spinBox->prefix());
            add("suffix", spinBox->suffix());
            add("special value", spinBox->specialValueText());
        } else if (const auto* view = qobject_cast<const QAbstractItemView*>(widget);
                   view != nullptr && view->model() != nullptr) {
            for (int column = 0; column < view->model()->columnCount(); ++column) {
                const std::string role = "header " + std::to_string(column);
                add(role.c_str(), view->model()->headerData(column, Qt::Horizontal).toString());
            }
        }
        add("tooltip", widget->toolTip());
        add("status tip", widget->statusTip());
        add("accessible name", widget->accessibleName());
        add("accessible description", widget->accessibleDescription());
    }
    return texts;
}

std::vector<std::string> untranslated(const ShownTexts& source, const ShownTexts& translated,
                                      const std::vector<std::string>& except) {
    std::vector<std::string> left;
    for (const auto& [where, text] : source) {
        const auto found = translated.find(where);
        if (hasLetters(text) && found != translated.end() && found->second == text &&
            std::find(except.begin(), except.end(), where) == except.end()) {
            left.push_back(where + ": " + text.toStdString());
        }
    }
    return left;
}

} // namespace testing_support
