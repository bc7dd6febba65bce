#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The one JSON writer of the program's documents (the sheet, the spline, the pair, the
// measured series): an object's members in the order they are added, numbers in their
// shortest exact form, an absent value null. A document has one member a line; an object
// inside it stands on one line.
namespace geardim {

class JsonObject {
public:
    JsonObject &number(std::string_view name, double value);
    JsonObject &number(std::string_view name, const std::optional<double> &value); // null when absent
    JsonObject &text(std::string_view name, std::string_view value);
    JsonObject &boolean(std::string_view name, bool value);
    JsonObject &null(std::string_view name);
    JsonObject &object(std::string_view name, const JsonObject &value); // on one line
    JsonObject &texts(std::string_view name, const std::vector<std::string> &values); // an array of strings
    // A value already written as JSON (an array, an object laid out otherwise).
    JsonObject &json(std::string_view name, std::string value);

    bool empty() const { return members_.empty(); }
    // {"a": 1, "b": {"c": 2}}
    std::string inlineText() const;
    // {"a": 1,\n "b": {"c": 2}}: one member a line
    std::string lines() const;
    // The lines and a line break: a document as the program prints it.
    std::string document() const { return lines() + "\n"; }

private:
    std::string joined(const char *separator) const;
    std::vector<std::pair<std::string, std::string>> members_;
};

} // namespace geardim
