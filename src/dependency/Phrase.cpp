#include "Phrase.h"

namespace cindrel {

Phrase Phrase::translatable(std::string_view context, std::string_view source, std::vector<Phrase> arguments)
{
    return Phrase{std::string(context), std::string(source), std::move(arguments)};
}

Phrase Phrase::literal(std::string_view text, std::vector<Phrase> arguments)
{
    return Phrase{std::string(), std::string(text), std::move(arguments)};
}

std::string Phrase::english() const
{
    if (arguments.empty())
        return source;
    std::vector<std::string> values;
    values.reserve(arguments.size());
    for (const Phrase &argument : arguments)
        values.push_back(argument.english());
    return substituteArguments(source, values);
}

std::string substituteArguments(std::string_view text, const std::vector<std::string> &values)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(text[i + 1] - '1');
            if (index < values.size()) {
                result += values[index];
                ++i;
                continue;
            }
        }
        result += text[i];
    }
    return result;
}

} // namespace cindrel
