#include "design_defaults.h"

namespace ostrelta {

TDesign_request TDesign_defaults::Request(std::string_view request_separator) const
{
    TDesign_request request;
    request.topology = topology;
    request.separator = request_separator;
    request.texts = example ? Example_field_texts(request_separator) : Initial_field_texts();
    for (const auto& [field, text] : assignments) {
        request.texts[static_cast<std::size_t>(Field_index(field))] = text;
    }
    return request;
}

}  // namespace ostrelta
