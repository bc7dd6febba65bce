#include "core/common/json.h"

#include "core/common/text.h"

namespace geardim {

JsonObject &JsonObject::number(std::string_view name, double value) { return json(name, shortestNumber(value)); }

JsonObject &JsonObject::number(std::string_view name, const std::optional<double> &value)
{
    return json(name, value ? shortestNumber(*value) : std::string("null"));
}

JsonObject &JsonObject::text(std::string_view name, std::string_view value) { return json(name, jsonString(std::string(value))); }

JsonObject &JsonObject::boolean(std::string_view name, bool value) { return json(name, value ? "true" : "false"); }

JsonObject &JsonObject::null(std::string_view name) { return json(name, "null"); }

JsonObject &JsonObject::object(std::string_view name, const JsonObject &value) { return json(name, value.inlineText()); }

JsonObject &JsonObject::texts(std::string_view name, const std::vector<std::string> &values)
{
    std::string array = "[";
    for (std::size_t i = 0; i < values.size(); ++i)
        array += (i ? ", " : "") + jsonString(values[i]);
    return json(name, array + "]");
}

JsonObject &JsonObject::json(std::string_view name, std::string value)
{
    members_.emplace_back(jsonString(std::string(name)), std::move(value));
    return *this;
}

std::string JsonObject::joined(const char *separator) const
{
    std::string out = "{";
    for (std::size_t i = 0; i < members_.size(); ++i)
        out += (i ? separator : "") + members_[i].first + ": " + members_[i].second;
    return out + "}";
}

std::string JsonObject::inlineText() const { return joined(", "); }

std::string JsonObject::lines() const { return joined(",\n "); }

} // namespace geardim
