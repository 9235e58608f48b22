#pragma once

#include "ModelTypes.h"
#include "Options.h"

#include <optional>
#include <string>
#include <string_view>

// Values of the arguments that generate and render share.

// "C1,R1,C2,R2", each 1..250, corners ordered.
std::optional<CCellRect> ParseRange(std::string_view s);

// KEY=VALUE into the record; the error text when it does not fit.
std::optional<std::string> SetOption(COptionsRecord& o, std::string_view arg);
