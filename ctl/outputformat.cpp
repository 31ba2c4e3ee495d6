#include "outputformat.h"

#include "ctl/jsonformat.h"
#include "ctl/textformat.h"

OutputFormat::~OutputFormat() = default;

std::unique_ptr<OutputFormat> OutputFormat::create(bool json)
{
    if (json)
        return std::make_unique<JsonFormat>();
    return std::make_unique<TextFormat>();
}
